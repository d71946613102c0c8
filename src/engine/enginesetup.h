#pragma once

#include "installer/freshnessmonitor.h"
#include "installer/install.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
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
    Q_PROPERTY(QString ffmpegVersion READ ffmpegVersion NOTIFY componentVersionsChanged)
    Q_PROPERTY(QString denoVersion READ denoVersion NOTIFY componentVersionsChanged)
    Q_PROPERTY(bool denoTooOld READ denoTooOld NOTIFY componentVersionsChanged)
    Q_PROPERTY(QString ffmpegLatest READ ffmpegLatest NOTIFY freshnessChanged)
    Q_PROPERTY(QString denoLatest READ denoLatest NOTIFY freshnessChanged)
    Q_PROPERTY(bool ffmpegUpdateAvailable READ ffmpegUpdateAvailable NOTIFY freshnessChanged)
    Q_PROPERTY(bool denoUpdateAvailable READ denoUpdateAvailable NOTIFY freshnessChanged)
    Q_PROPERTY(bool installing READ installing NOTIFY installingChanged)
    Q_PROPERTY(QString installStatus READ installStatus NOTIFY installStatusChanged)
    Q_PROPERTY(QString installFailure READ installFailure NOTIFY installFailureChanged)
    Q_PROPERTY(QDateTime installFailedAt READ installFailedAt NOTIFY installFailureChanged)
    Q_PROPERTY(bool ready READ ready NOTIFY engineChanged)
    Q_PROPERTY(bool complete READ complete NOTIFY engineChanged)
    Q_PROPERTY(QString ytdlpLatest READ ytdlpLatest NOTIFY freshnessChanged)
    Q_PROPERTY(QString previousYtdlpVersion READ previousYtdlpVersion NOTIFY previousYtdlpChanged)
    Q_PROPERTY(bool canRollBack READ canRollBack NOTIFY previousYtdlpChanged)
    Q_PROPERTY(QString keptYtdlpVersion READ keptYtdlpVersion NOTIFY keptYtdlpChanged)
    Q_PROPERTY(QString setAsideYtdlpVersion READ setAsideYtdlpVersion NOTIFY keptYtdlpChanged)
    Q_PROPERTY(bool hasSetAside READ hasSetAside NOTIFY keptYtdlpChanged)

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
    // What ffmpeg and Deno answer about their versions; empty until they have.
    QString ffmpegVersion() const { return m_ffmpegVersion; }
    QString denoVersion() const { return m_denoVersion; }
    // Newer yt-dlp releases need a newer Deno for some sites (see Tools::denoTooOld()).
    bool denoTooOld() const { return Tools::denoTooOld(m_denoVersion); }
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
    // ffmpeg's and Deno's latest releases as last seen; empty when none has been, or
    // while checks are turned off.
    QString ffmpegLatest() const { return m_freshness->latestOf(FreshnessMonitor::Component::ffmpeg); }
    QString denoLatest() const { return m_freshness->latestOf(FreshnessMonitor::Component::deno); }
    // A newer release than the ffmpeg or Deno in the engine folder is out (see componentBehind()).
    bool ffmpegUpdateAvailable() const { return componentBehind(m_ffmpegPath, m_ffmpegVersion, ffmpegLatest()); }
    bool denoUpdateAvailable() const { return componentBehind(m_denoPath, m_denoVersion, denoLatest()); }
    // What the copy an update kept answered for "--version".
    QString previousYtdlpVersion() const { return m_previous.version; }
    bool canRollBack() const { return m_previous.path.has_value(); }

    // The yt-dlp that last finished a download, while the one in use has not yet (see
    // Tools::keptYtDlp()), and what it answered for "--version".
    std::optional<QString> keptYtdlpPath() const { return m_kept.path; }
    QString keptYtdlpVersion() const { return m_kept.version; }
    // The yt-dlp set aside after the kept one did what it could not.
    QString setAsideYtdlpVersion() const { return m_setAside.version; }
    bool hasSetAside() const { return m_setAside.path.has_value(); }
    // A download finished with `program`: it is the one kept from now on.
    void noteFinished(const QString &program);
    // The kept yt-dlp did what the one in use could not: the one in use is set aside.
    void setAside();
    // Puts the yt-dlp set aside back in use, as the user asked.
    Q_INVOKABLE void trySetAsideAgain();

    // Asks yt-dlp for its version and starts the release check; later calls do nothing.
    void startChecks();
    // Looks the programs up again and asks yt-dlp for its version in the background.
    Q_INVOKABLE void refresh();
    // Fetches whatever is missing (and yt-dlp anew when forced); ignored while one runs.
    Q_INVOKABLE void install(bool forceYtDlp = false);
    // Fetches ffmpeg and ffprobe, or Deno, anew: those with a newer release out and a Deno
    // too old, or all of them when none is known to be behind. Each goes back to the one it
    // replaced when the new one does not answer with a version.
    Q_INVOKABLE void updateOthers();
    // Puts back the yt-dlp that the last update replaced.
    Q_INVOKABLE void rollBack();

signals:
    void engineChanged();
    void ytdlpVersionChanged();
    void componentVersionsChanged();
    void freshnessChanged();
    void previousYtdlpChanged();
    void keptYtdlpChanged();
    void installingChanged();
    void installStatusChanged();
    void installFailureChanged();

private:
    void locate();
    void queryVersions();
    // A copy of yt-dlp beside the one in use, and its version, asked again only when the
    // file it was read from changed.
    struct Copy
    {
        std::optional<QString> path;
        QString version;
        QString stamp;
    };
    void refreshCopy(Copy &copy, const std::optional<QString> &path, void (EngineSetup::*changed)());
    void setYtdlpVersion(const QString &version);
    void queryComponentVersions();
    // Does the file work on a worker, then looks at the engine folder again.
    void inBackground(std::function<void()> work);

    Settings *m_settings;
    EngineInstaller *m_installer;
    FreshnessMonitor *m_freshness;
    std::optional<QString> m_ytdlpPath;
    std::optional<QString> m_ffmpegPath;
    std::optional<QString> m_denoPath;
    QString m_ytdlpVersion;
    QString m_ffmpegVersion;
    QString m_denoVersion;
    Copy m_previous;
    Copy m_kept;
    Copy m_setAside;
    bool m_checksStarted = false;
};
