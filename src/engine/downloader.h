#pragma once

#include "engine/progress.h"
#include "engine/queuejournal.h"
#include "installer/freshnessmonitor.h"
#include "intake/clipboardsuggestion.h"
#include "model/downloadoptions.h"
#include "model/mediainfo.h"
#include "model/quality.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

class Clipboard;
class Desktop;
class DownloadItem;
class DownloadList;
class EngineInstaller;
class FreshnessMonitor;
struct FailureContext;
class HistoryBook;
class HistoryList;
class QProcess;
class Settings;

// The one model object of the application: the download list, the history, the engine
// state and the selected section. Created once in main() and observed by every view.
// Everything here runs on the thread that owns it; engine processes report through the
// event loop, so nothing waits.
class Downloader : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("history/historylist.h")
    Q_MOC_INCLUDE("model/downloaditem.h")
    Q_MOC_INCLUDE("model/downloadlist.h")
    Q_PROPERTY(QString ytdlpPath READ ytdlpPathText NOTIFY engineChanged)
    Q_PROPERTY(QString ffmpegPath READ ffmpegPathText NOTIFY engineChanged)
    Q_PROPERTY(QString denoPath READ denoPathText NOTIFY engineChanged)
    Q_PROPERTY(QString ytdlpVersion READ ytdlpVersion NOTIFY ytdlpVersionChanged)
    Q_PROPERTY(bool installing READ installing NOTIFY installingChanged)
    Q_PROPERTY(QString installStatus READ installStatus NOTIFY installStatusChanged)
    Q_PROPERTY(QString installFailure READ installFailure NOTIFY installFailureChanged)
    Q_PROPERTY(QDateTime installFailedAt READ installFailedAt NOTIFY installFailureChanged)
    Q_PROPERTY(bool engineReady READ engineReady NOTIFY engineChanged)
    Q_PROPERTY(bool engineComplete READ engineComplete NOTIFY engineChanged)
    Q_PROPERTY(QString ytdlpLatest READ ytdlpLatest NOTIFY freshnessChanged)
    Q_PROPERTY(QString previousYtdlpVersion READ previousYtdlpVersion NOTIFY previousYtdlpChanged)
    Q_PROPERTY(bool canRollBack READ canRollBack NOTIFY previousYtdlpChanged)
    Q_PROPERTY(DownloadList *items READ items CONSTANT)
    Q_PROPERTY(HistoryList *history READ history CONSTANT)
    Q_PROPERTY(int activeCount READ activeCount NOTIFY activeCountChanged)
    Q_PROPERTY(qint64 totalBytes READ totalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(QString clipboardSuggestion READ clipboardSuggestionText NOTIFY clipboardSuggestionChanged)
    Q_PROPERTY(bool hasClipboardSuggestion READ hasClipboardSuggestion NOTIFY clipboardSuggestionChanged)
    Q_PROPERTY(AppSection section READ section WRITE setSection NOTIFY sectionChanged)
    Q_PROPERTY(int interruptedCount READ interruptedCount NOTIFY interruptedChanged)
    Q_PROPERTY(QString journalSetAside READ journalSetAside NOTIFY journalSetAsideChanged)
    Q_PROPERTY(QString schemeLinkToConfirm READ schemeLinkToConfirm NOTIFY schemeIntakeChanged)
    Q_PROPERTY(QString schemeHostToConfirm READ schemeHostToConfirm NOTIFY schemeIntakeChanged)
    Q_PROPERTY(int schemeRefusedLinks READ schemeRefusedLinks NOTIFY schemeIntakeChanged)

public:
    enum class AppSection { downloads, history, settings };
    Q_ENUM(AppSection)

    // At most this many metadata probes run at once; the others wait their turn.
    static constexpr int kMaxProbes = 6;
    // How long a cancelled download may take to stop before it is told to terminate.
    static constexpr int kCancelGraceMs = 3000;
    // How long a finished download waits for others to end before it is announced.
    static constexpr int kAnnounceGatherMs = 1500;
    // The journal is written at most once in this time: a long queue changes many times
    // a second, and each write holds every unfinished download.
    static constexpr int kJournalGapMs = 1000;
    // How long what a probe read of a page serves the download: the media addresses in it
    // expire, so after this the download reads the page anew.
    static constexpr qint64 kProbedInfoFreshMs = 15 * 60 * 1000;

    // When the engine's version query and the release check begin: with the object, or
    // once startEngineChecks() is called (the application waits for its first frame, so
    // that neither a TLS set-up nor a Python start-up competes with it).
    enum class EngineChecks { Immediately, OnRequest };

    // Loads the history, then finds the engine programs.
    explicit Downloader(Settings *settings, QObject *parent = nullptr, EngineChecks checks = EngineChecks::Immediately);
    // Ends every engine process that still runs.
    ~Downloader() override;

    Settings &settings() const { return *m_settings; }

    // The desktop and the clipboard are the application's; without them the effects
    // they stand for simply do not happen.
    void setDesktop(Desktop *desktop) { m_desktop = desktop; }
    void setClipboard(Clipboard *clipboard) { m_clipboard = clipboard; }

    // Engine state.
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
    bool engineReady() const { return m_ytdlpPath.has_value(); }
    bool engineComplete() const { return m_ytdlpPath && m_ffmpegPath && m_denoPath; }

    // How yt-dlp stands against its latest release; unknown while checks are turned off.
    EngineFreshness engineFreshness() const;
    // The latest release as last seen, empty when none has been.
    QString ytdlpLatest() const;
    // What the copy an update kept answered for "--version".
    QString previousYtdlpVersion() const { return m_previousVersion; }
    bool canRollBack() const { return m_previousPath.has_value(); }

    // Asks yt-dlp for its version and starts the release check; later calls do nothing.
    void startEngineChecks();
    // Looks the engine programs up again and asks yt-dlp for its version in the background.
    Q_INVOKABLE void refreshEngine();
    // Fetches whatever is missing (and yt-dlp anew when forced); ignored while one runs.
    Q_INVOKABLE void installEngine(bool forceYtDlp = false);
    // Puts back the yt-dlp that the last update replaced.
    Q_INVOKABLE void rollBackEngine();

    // The download list, newest first.
    DownloadList *items() const { return m_items; }
    // Items not finished yet: probing, queued or running.
    int activeCount() const { return m_activeCount; }

    // One item per distinct link in `text`, each probed, then queued. Without a quality
    // the default-quality setting applies.
    void add(const QString &text, std::optional<Quality> quality = std::nullopt, bool playlist = false,
             const DownloadOptions &options = {});
    // Adds with the input card's remembered choices and shows the downloads page.
    Q_INVOKABLE void addFromUI(const QString &text);

    Q_INVOKABLE void cancel(DownloadItem *item);
    Q_INVOKABLE void retry(DownloadItem *item);
    // Does what the item's failure asks for: updates or completes the engine, or opens
    // the settings page at the setting to change.
    Q_INVOKABLE void runFailureAction(DownloadItem *item);
    // Runs a partly failed playlist again for the entries that failed, and only those.
    Q_INVOKABLE void retryFailedEntries(DownloadItem *item);
    // The setting the settings page should show first ("cookies", "folder"), once: asking
    // clears it, so a later visit opens at the top.
    Q_INVOKABLE QString takeSettingsFocus();
    Q_INVOKABLE void remove(DownloadItem *item);
    Q_INVOKABLE void clearFinished();

    // Open or show a file; when it is gone, the download folder instead. A file that is
    // not media is shown rather than opened.
    Q_INVOKABLE void open(const QString &path);
    static bool opensAsMedia(const QString &path);
    Q_INVOKABLE void reveal(const QString &path);
    Q_INVOKABLE void openFolder();
    // The folder that holds the engine programs Vireloom installed.
    Q_INVOKABLE void openEngineFolder();

    // History.
    HistoryList *history() const;
    qint64 totalBytes() const;
    Q_INVOKABLE void removeHistory(const QUuid &entryId);
    Q_INVOKABLE void clearHistory();

    // Link intake. A "vireloom:" address comes from a web page or another program, not
    // from the user: it may carry one link, and one into the local network waits for the
    // user's word unless the settings allow it.
    Q_INVOKABLE void handleSchemeURL(const QString &raw);
    // The first link from an address that waits to be confirmed, and its host.
    QString schemeLinkToConfirm() const;
    QString schemeHostToConfirm() const;
    Q_INVOKABLE void confirmSchemeLink();
    Q_INVOKABLE void ignoreSchemeLink();
    // How many links the last refused address carried, 0 when none was refused.
    int schemeRefusedLinks() const { return m_schemeRefusedLinks; }
    Q_INVOKABLE void dismissSchemeRefusal();
    std::optional<QString> clipboardSuggestion() const { return m_clipboardSuggestion.offer(); }
    QString clipboardSuggestionText() const { return m_clipboardSuggestion.offer().value_or(QString()); }
    bool hasClipboardSuggestion() const { return m_clipboardSuggestion.offer().has_value(); }
    Q_INVOKABLE void checkClipboard();
    Q_INVOKABLE void dismissClipboard();
    // Adds the links on the clipboard; false when it holds none.
    Q_INVOKABLE bool addFromClipboard();

    AppSection section() const { return m_section; }
    void setSection(AppSection section);

    // Downloads that had not finished when the application last ended, waiting for the
    // user to take them back or let them go.
    int interruptedCount() const { return static_cast<int>(m_interrupted.size()); }
    // Adds them again; those that were running continue from their partial files.
    Q_INVOKABLE void resumeInterrupted();
    Q_INVOKABLE void discardInterrupted();
    // Where a journal that could not be read was kept, until the user has seen it.
    QString journalSetAside() const { return m_journalSetAside; }
    Q_INVOKABLE void dismissJournalSetAside();
    static QString journalFile();

    // The engine's own steps. They are public so that the process callbacks and the
    // tests reach them the same way; views use the operations above.

    // The yt-dlp arguments of a download, with the settings as they are now and the
    // run's marker token.
    QStringList buildArgs(const DownloadItem &item, const QString &token = {}) const;
    // The download archive, and where a run's copy of the cookies file and its private
    // configuration live.
    static QString archiveFile();
    static QString runCookiesFile(const QUuid &id);
    static QString runConfigFile(const QUuid &id);
    // Where the probe's reading of a single video is kept until its download ends.
    static QString probedInfoFile(const QUuid &id);
    // Writes the run's private files: its copy of the cookies file and its configuration.
    // False when one that is needed could not be written.
    bool prepareRunFiles(const QUuid &id) const;
    static void removeRunFiles(const QUuid &id);
    // Starts queued items, oldest first, while fewer than the allowed number run.
    void pump();
    void start(DownloadItem *item);
    // `status` is the exit code, or the signal number when the process was killed.
    void finish(const QUuid &id, int status);
    // Applies one line of a download's output to the item with this id, if it is still listed.
    void handle(QStringView line, const QUuid &id, RunOutput &run);
    void fetchInfo(DownloadItem *item);
    void applyInfo(const QUuid &id, const std::optional<MediaInfo> &info);
    // Asks every running download to stop now, as when the application quits.
    void terminateAll();

    // A single video added while nothing else is queued or running starts at once, and its
    // run says what it is; otherwise it is probed first. Off, every link is probed first
    // (for tests that follow the probe).
    void setStartsAtOnce(bool atOnce) { m_startsAtOnce = atOnce; }

    // Number of metadata probes whose process runs.
    int runningProbes() const { return static_cast<int>(m_probes.size()); }
    // Process group of an item's download, 0 when none runs; groups hold yt-dlp's own children.
    qint64 processGroup(const QUuid &id) const;

signals:
    void engineChanged();
    void ytdlpVersionChanged();
    void freshnessChanged();
    void previousYtdlpChanged();
    void installingChanged();
    void installStatusChanged();
    void installFailureChanged();
    void activeCountChanged();
    void totalBytesChanged();
    void clipboardSuggestionChanged();
    void sectionChanged();
    void interruptedChanged();
    void journalSetAsideChanged();
    void schemeIntakeChanged();

private:
    void setYtdlpVersion(const QString &version);
    void locateEngine();
    void queryEngineVersions();
    void refreshPrevious();
    void setPrevious(const std::optional<QString> &path, const QString &version);

    void updateActiveCount();
    void loadJournal();
    void scheduleJournal();
    void writeJournal();
    void loadHistory();
    void startWaitingProbes();
    void startProbe(DownloadItem *item);
    void endProbe(const QUuid &id);
    void failLaunch(const QUuid &id, const QString &error);
    bool nameTakenByAnother(const DownloadItem &item) const;
    bool fileOfAnotherLink(const DownloadItem &item) const;
    bool startsAtOnce(const DownloadItem &item) const;
    bool readsLinkItself(const DownloadItem &item) const;
    void announceFinished(const QString &title);
    void recordEntryOutcome(DownloadItem &item, const FailureContext &context);
    void keepProbedInfo(const QUuid &id, const QByteArray &json);
    static bool expiredMediaAddress(const QStringList &log);
    void dropProbedInfo(const QUuid &id);

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
    bool m_engineChecksStarted = false;
    QString m_settingsFocus;

    Desktop *m_desktop = nullptr;
    QStringList m_finishedTitles;
    class QTimer *m_announceTimer = nullptr;
    Clipboard *m_clipboard = nullptr;

    DownloadList *m_items;
    int m_activeCount = 0;
    // Running downloads by item id. A removed item's process stays here until it ends.
    QHash<QUuid, QProcess *> m_runs;
    // Running probes by item id, and the items waiting for a probe, oldest first.
    QHash<QUuid, QProcess *> m_probes;
    QList<QUuid> m_waitingProbes;
    // The probes' readings of single videos, and the runs that were given one.
    struct ProbedInfo
    {
        QString file;
        QDeadlineTimer fresh;
    };
    QHash<QUuid, ProbedInfo> m_probedInfo;
    QSet<QUuid> m_runsFromProbedInfo;
    // Items whose title and sizes a reading of the page gave (their probe's or their run's
    // own); runs of items that had none, and of those, the ones that have not said yet
    // what they fetch.
    QSet<QUuid> m_read;
    QSet<QUuid> m_unreadRuns;
    QSet<QUuid> m_awaitingReading;
    bool m_startsAtOnce = true;

    HistoryBook *m_history;

    QList<JournalEntry> m_interrupted;
    QString m_journalSetAside;
    bool m_journalWritable = true;
    bool m_journalPending = false;
    QElapsedTimer m_journalWritten;

    ClipboardSuggestion m_clipboardSuggestion;

    struct SchemeLink
    {
        QString link;
        QString host;
        std::optional<Quality> quality;
        bool playlist = false;
    };
    void takeSchemeLink(const SchemeLink &link);
    void askAboutSchemeLink(const SchemeLink &link);
    QList<SchemeLink> m_schemeLinksToConfirm;
    int m_schemeRefusedLinks = 0;
    AppSection m_section = AppSection::downloads;
};
