#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QUrl>
#include <QVariantList>

class Settings;

// The settings page's logic besides the bound keys: the folder as shown and as chosen,
// the lists of its menus, the stepper's bounds, the engine chips and the texts to copy.
class SettingsView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Settings *settings READ settings WRITE setSettings NOTIFY settingsChanged)
    Q_PROPERTY(QString folderText READ folderText NOTIFY folderChanged)
    Q_PROPERTY(QUrl folderUrl READ folderUrl NOTIFY folderChanged)
    Q_PROPERTY(QVariantList qualityOptions READ qualityOptions CONSTANT)
    Q_PROPERTY(QVariantList browserOptions READ browserOptions CONSTANT)
    Q_PROPERTY(QString bookmarklet READ bookmarklet CONSTANT)
    Q_PROPERTY(QString schemePrefix READ schemePrefix CONSTANT)
    Q_PROPERTY(QString schemeHelp READ schemeHelp CONSTANT)

public:
    static constexpr int kMinConcurrent = 1;
    static constexpr int kMaxConcurrent = 6;

    explicit SettingsView(QObject *parent = nullptr);

    Settings *settings() const { return m_settings; }
    void setSettings(Settings *settings);

    // The download folder with the home folder written as "~".
    QString folderText() const;
    QUrl folderUrl() const;
    // Stores the folder the chooser returned; a location that is not a local folder changes nothing.
    Q_INVOKABLE void chooseFolder(const QUrl &folder);

    // (value, label) pairs, in menu order.
    QVariantList qualityOptions() const;
    QVariantList browserOptions() const;

    // The stepper's next value from the stored one, kept within its bounds.
    Q_INVOKABLE static int stepped(qint64 stored, int delta);

    // An engine program's chip: its version, "installed" without one, "not found" without a path.
    Q_INVOKABLE static QString engineChip(const QString &path, const QString &version);
    Q_INVOKABLE static QString displayPath(const QString &path);

    static QString bookmarklet();
    static QString schemePrefix();
    static QString schemeHelp();
    Q_INVOKABLE void copy(const QString &text) const;

signals:
    void settingsChanged();
    void folderChanged();

private:
    Settings *m_settings = nullptr;
    QVariantList m_browsers;
};
