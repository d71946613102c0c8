#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QVariantList>

// The settings page's logic besides the bound keys: the lists of its menus, the engine
// chips and the texts to copy.
class SettingsView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList qualityOptions READ qualityOptions CONSTANT)
    Q_PROPERTY(QVariantList browserOptions READ browserOptions CONSTANT)
    Q_PROPERTY(QString bookmarklet READ bookmarklet CONSTANT)
    Q_PROPERTY(QString schemePrefix READ schemePrefix CONSTANT)
    Q_PROPERTY(QString schemeHelp READ schemeHelp CONSTANT)

public:
    explicit SettingsView(QObject *parent = nullptr);

    // (value, label) pairs, in menu order.
    QVariantList qualityOptions() const;
    QVariantList browserOptions() const;

    // An engine program's chip: its version, "installed" without one, "not found" without a path.
    Q_INVOKABLE static QString engineChip(const QString &path, const QString &version);
    Q_INVOKABLE static QString displayPath(const QString &path);

    static QString bookmarklet();
    static QString schemePrefix();
    static QString schemeHelp();
    Q_INVOKABLE void copy(const QString &text) const;

private:
    QVariantList m_browsers;
};
