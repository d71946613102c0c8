#pragma once

#include "ui/optionlist.h"

#include <QObject>
#include <QQmlEngine>

// The settings page's logic besides the bound keys: the lists of its menus, the engine
// chips and the texts to copy.
class SettingsView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(OptionList *qualityOptions READ qualityOptions CONSTANT)
    Q_PROPERTY(OptionList *browserOptions READ browserOptions CONSTANT)
    Q_PROPERTY(OptionList *channelOptions READ channelOptions CONSTANT)
    Q_PROPERTY(QString bookmarklet READ bookmarklet CONSTANT)
    Q_PROPERTY(QString schemePrefix READ schemePrefix CONSTANT)
    Q_PROPERTY(QString schemeHelp READ schemeHelp CONSTANT)

public:
    explicit SettingsView(QObject *parent = nullptr);

    OptionList *qualityOptions() const { return m_qualities; }
    // The browsers whose cookies yt-dlp reads on Linux; only "none" has a translated label.
    OptionList *browserOptions() const { return m_browsers; }
    // yt-dlp's two lines of releases.
    OptionList *channelOptions() const { return m_channels; }

    // An engine program's chip: its version, "installed" without one, "not found" without a path.
    Q_INVOKABLE static QString engineChip(const QString &path, const QString &version);
    // A version named by its date that is older than an engine should be: its chip warns.
    Q_INVOKABLE static bool engineChipWarns(const QString &version);
    Q_INVOKABLE static QString displayPath(const QString &path);

    static QString bookmarklet();
    static QString schemePrefix();
    static QString schemeHelp();

private:
    OptionList *m_qualities;
    OptionList *m_browsers;
    OptionList *m_channels;
};
