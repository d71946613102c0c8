#pragma once

#include "installer/freshnessmonitor.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

class EngineInstaller;
class Settings;

// The engine programs: where yt-dlp, ffmpeg and Deno are, which yt-dlp runs and how it
// stands against its latest release, and installing, updating and rolling it back.
class EngineSetup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString ytdlpPath READ ytdlpPathText NOTIFY engineChanged)
    Q_PROPERTY(QString ffmpegPath READ ffmpegPathText NOTIFY engineChanged)
    Q_PROPERTY(QString denoPath READ denoPathText NOTIFY engineChanged)
    Q_PROPERTY(QString ytdlpVersion READ ytdlpVersion NOTIFY ytdlpVersionChanged)
    Q_PROPERTY(bool installing READ installing NOTIFY installingChanged)
    Q_PROPERTY(QString installStatus READ installStatus NOTIFY installStatusChanged)
    Q_PROPERTY(QString installFailure READ installFailure NOTIFY installFailureChanged)
    Q_PROPERTY(QDateTime installFailedAt READ installFailedAt NOTIFY installFailureChanged)
    Q_PROPERTY(bool ready READ ready NOTIFY engineChanged)
    Q_PROPERTY(bool complete READ complete NOTIFY engineChanged)
    Q_PROPERTY(QString ytdlpLatest READ ytdlpLatest NOTIFY freshnessChanged)
    Q_PROPERTY(QString previousYtdlpVersion READ previousYtdlpVersion NOTIFY previousYtdlpChanged)
    Q_PROPERTY(bool canRollBack READ canRollBack NOTIFY previousYtdlpChanged)

public:
    // Finds the programs at once; asks for versions only from startChecks() on.
    explicit EngineSetup(Settings *settings, QObject *parent = nullptr);

    std::optional<QString> ytdlpPath() const { return m_ytdlpPath; }
    std::optional<QString> ffmpegPath() const { return m_ffmpegPath; }
    std::optional<QString> denoPath() const { return m_denoPath; }
    QString ytdlpPathText() const { return m_ytdlpPath.value_or(QString()); }
    QString ffmpegPathText() const { return m_ffmpegPath.value_or(QString()); }
    QString denoPathText() const { return m_denoPath.value_or(QString()); }
    QString ytdlpVersion() const { return m_ytdlpVersion; }
    bool installing() const;
    QString installStatus() const;
    // The last installation's failure and when it happened, kept across restarts until an
    // installation succeeds; empty while one runs.
    QString installFailure() const;
    QDateTime installFailedAt() const;
    // yt-dlp is there; everything is there.
    bool ready() const { return m_ytdlpPath.has_value(); }
    bool complete() const { return m_ytdlpPath && m_ffmpegPath && m_denoPath; }

    // How yt-dlp stands against its latest release; unknown while checks are turned off.
    EngineFreshness freshness() const;
    // The latest release as last seen, empty when none has been.
    QString ytdlpLatest() const;
    // What the copy an update kept answered for "--version".
    QString previousYtdlpVersion() const { return m_previousVersion; }
    bool canRollBack() const { return m_previousPath.has_value(); }

    // Asks yt-dlp for its version and starts the release check; later calls do nothing.
    void startChecks();
    // Looks the programs up again and asks yt-dlp for its version in the background.
    Q_INVOKABLE void refresh();
    // Fetches whatever is missing (and yt-dlp anew when forced); ignored while one runs.
    Q_INVOKABLE void install(bool forceYtDlp = false);
    // Puts back the yt-dlp that the last update replaced.
    Q_INVOKABLE void rollBack();

signals:
    void engineChanged();
    void ytdlpVersionChanged();
    void freshnessChanged();
    void previousYtdlpChanged();
    void installingChanged();
    void installStatusChanged();
    void installFailureChanged();

private:
    void locate();
    void queryVersions();
    void refreshPrevious();
    void setYtdlpVersion(const QString &version);
    void setPrevious(const std::optional<QString> &path, const QString &version);

    Settings *m_settings;
    EngineInstaller *m_installer;
    FreshnessMonitor *m_freshness;
    std::optional<QString> m_ytdlpPath;
    std::optional<QString> m_ffmpegPath;
    std::optional<QString> m_denoPath;
    QString m_ytdlpVersion;
    std::optional<QString> m_previousPath;
    QString m_previousVersion;
    // What the previous copy's version was read from: asking again only when it changed.
    QString m_previousStamp;
    bool m_checksStarted = false;
};
