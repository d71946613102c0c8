#pragma once

#include "engine/commandline.h"
#include "engine/progress.h"
#include "intake/browsermessage.h"
#include "model/downloadoptions.h"
#include "model/mediainfo.h"
#include "model/quality.h"
#include "model/wantedsetting.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <functional>
#include <optional>

class Desktop;
class DownloadItem;
class DownloadList;
class EngineSetup;
struct FailureContext;
class GuardProxy;
class DownloadRun;
struct RunEngine;
class HistoryList;
class Probes;
class QTimer;
class Settings;
class SiteLogins;

// The downloads: the list, newest first; adding links, probing them, starting queued
// items while fewer than the allowed number run, each in a DownloadRun, and carrying out
// what comes of each run (see endOfRun()): done, failed, cancelled or started again.
// Engine processes report through the event loop, so nothing here waits.
class DownloadQueue : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("model/downloaditem.h")
    Q_MOC_INCLUDE("model/downloadlist.h")
    Q_PROPERTY(DownloadList *items READ items CONSTANT)
    Q_PROPERTY(int activeCount READ activeCount NOTIFY activeCountChanged)

public:
    // How long a cancelled download may take to stop before it is told to terminate.
    static constexpr int kCancelGraceMs = 3000;
    // How long a finished download waits for others to end before it is announced.
    static constexpr int kAnnounceGatherMs = 1500;

    // The history is read, to name files after what the folder holds; the root records
    // finished downloads in it.
    DownloadQueue(Settings *settings, EngineSetup *engine, const HistoryList *history, QObject *parent = nullptr);
    // Ends every engine process that still runs.
    ~DownloadQueue() override;

    // Without it, finished downloads are neither announced nor sounded.
    void setDesktop(Desktop *desktop) { m_desktop = desktop; }

    DownloadList *items() const { return m_items; }
    // Items not finished yet: probing, queued or running.
    int activeCount() const { return m_activeCount; }

    // One item per distinct link in `text`, each probed, then queued. Without a quality
    // the default-quality setting applies.
    // `guarded`: the text came from outside and the user has not vouched for it (see
    // DownloadItem::guarded()).
    void add(const QString &text, std::optional<Quality> quality = std::nullopt, bool playlist = false, const DownloadOptions &options = {},
             bool guarded = false);
    // What adding a list of links came to: how many were queued, and how many were left out
    // because the same link is still waiting or running in the list.
    struct Added
    {
        int added = 0;
        int listed = 0;
    };
    // Adds each link as add() does, but only once: a link the list holds unfinished, or
    // given twice, is counted and left out.
    Added addLinks(const QStringList &links, Quality quality, bool playlist);
    // Adds a followed source's entry, with the source's title and choices; null when `link`
    // is not one web link. An entry is guarded unless the user allowed it into the local network.
    DownloadItem *addFollowed(const QString &link, const QString &source, Quality quality, const DownloadOptions &options,
                              bool guarded = true);
    // Adds a link the browser companion sent: the user picked it in the browser, as if it
    // were typed into the window, so it is not guarded. Null when it is not one web link.
    DownloadItem *addFromBrowser(const BrowserMessage::Download &download);
    // Starts a queued item now, outside the download window.
    Q_INVOKABLE void startNow(DownloadItem *item);
    // The clock the download window is read by; tests set their own.
    void setClock(std::function<QDateTime()> now);
    // Takes back an item that was listed before, oldest first: probed first when it was
    // being probed, else queued. pump() starts what may start.
    void restore(DownloadItem *item, bool probe);

    Q_INVOKABLE void cancel(DownloadItem *item);
    Q_INVOKABLE void retry(DownloadItem *item);
    // Tries a download again with the login of a browser profile (`browser` as the engine
    // reads it, `label` as the user knows it). When that works, the site is remembered
    // with it, and its next links use it at once.
    Q_INVOKABLE void retryWithLogin(DownloadItem *item, const QString &browser, const QString &label);
    // Does what the item's failure asks for: updates or completes the engine, or asks for
    // the settings page at the setting to change.
    Q_INVOKABLE void runFailureAction(DownloadItem *item);
    // Runs a partly failed playlist again for the entries that failed, and only those.
    Q_INVOKABLE void retryFailedEntries(DownloadItem *item);
    Q_INVOKABLE void remove(DownloadItem *item);
    Q_INVOKABLE void clearFinished();

    // The yt-dlp arguments of a download, with the settings as they are now and the
    // run's marker token, for a yt-dlp of `engineVersion` (empty: the one in use).
    QStringList buildArgs(const DownloadItem &item, const QString &token = {}, const QString &engineVersion = {}) const;
    // Starts queued items, oldest first, while fewer than the allowed number run.
    void pump();
    // Asks every running download to stop now, as when the application quits.
    void terminateAll();

    // A single video added while nothing else is queued or running starts at once, and its
    // run says what it is; otherwise it is probed first. Off, every link is probed first
    // (for tests that follow the probe).
    void setStartsAtOnce(bool atOnce) { m_startsAtOnce = atOnce; }

    Probes *probes() const { return m_probes; }
    // Which browser's login works for which site.
    SiteLogins *siteLogins() const { return m_siteLogins; }
    // The proxy that guarded items' runs and probes go through (see DownloadItem::guarded()).
    GuardProxy *guard() const { return m_guard; }
    // Replaces the guard, which the queue takes over; tests give one with a rule of their own.
    void setGuard(GuardProxy *guard);
    // Whether a process of the item's download still runs.
    bool runs(const QUuid &id) const { return m_runs.contains(id); }
    // Process group of an item's download, 0 when none runs; groups hold yt-dlp's own children.
    qint64 processGroup(const QUuid &id) const;

signals:
    void activeCountChanged();
    // A download is done: it made files, or found them there already (alreadyThere()), or
    // the download archive knew everything it lists (alreadyArchived()).
    void downloadFinished(DownloadItem *item);
    // A link was added: a clipboard offer of it is of no use any more.
    void linkAdded(const QString &link);
    // A failure's remedy is a setting, shown in this row of the settings page.
    void settingWanted(WantedSetting row);

private:
    // With an engine, the run starts that one instead of the yt-dlp in use.
    void start(DownloadItem *item, const RunEngine *engine = nullptr);
    void finish(DownloadRun *run, int status);
    void complete(DownloadItem &item);
    void fail(DownloadItem &item, int status);
    void fetchInfo(DownloadItem *item);
    void applyInfo(const QUuid &id, const std::optional<MediaInfo> &info);
    // The runs of items no longer listed go on to their end without them.
    void forgetRemovedItems();
    DownloadItem *take(const QString &link, Quality quality, bool playlist, const DownloadOptions &options, const QString &source,
                       bool guarded, const ItemLogin &login = {});
    void updateActiveCount();
    void failLaunch(DownloadRun *run, const QString &error);
    bool nameTakenByAnother(const DownloadItem &item) const;
    bool fileOfAnotherLink(const DownloadItem &item) const;
    // The files the history holds for the link that are still there, newest first.
    QList<FileOfLink> filesOfLink(const QString &url) const;
    bool startsAtOnce(const DownloadItem &item) const;
    bool readsLinkItself(const DownloadItem &item) const;
    bool usesArchive(const DownloadItem &item) const;
    void announceFinished(const QString &title);
    void recordEntryOutcome(DownloadItem &item, const FailureContext &context);
    FailureContext failureContext(const DownloadItem &item) const;
    static std::optional<QString> sectionProblem(const DownloadItem &item);

    Settings *m_settings;
    EngineSetup *m_engine;
    const HistoryList *m_history;
    Desktop *m_desktop = nullptr;
    DownloadList *m_items;
    Probes *m_probes;
    GuardProxy *m_guard;
    SiteLogins *m_siteLogins;
    int m_activeCount = 0;
    // Running downloads by item id. A removed item's run stays here until it ends.
    QHash<QUuid, DownloadRun *> m_runs;
    bool m_startsAtOnce = true;

    QStringList m_finishedTitles;
    QTimer *m_announceTimer = nullptr;
    // Wakes the queue when the download window opens.
    QTimer *m_windowTimer;
    std::function<QDateTime()> m_now;
};
