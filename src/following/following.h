#pragma once

#include "following/followedsource.h"
#include "following/followinglist.h"
#include "following/sourcecheck.h"

#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QUuid>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class FollowingWriter;
class Settings;

// The followed channels, playlists and feeds, and the schedule that checks them.
//
// Each source is checked on its interval, one check at a time, each at its own time
// shifted by a random offset so that sources added together drift apart. A check that
// finds entries not seen before announces them with newEntries(), once per check; the
// download queue takes them from there and says so with delivered(). Until it has, they
// are announced again at the next start (announcePending()), so a crash loses none; the
// download archive, not this list, is the record of what was fetched, so an entry
// announced twice is still fetched once. Every change is written to the following file
// at once. Entries that point into the local network are held for the user's word
// (see screen()). A source whose very first check finds nothing to follow is not kept
// (see followRefused()).
class Following : public QObject
{
    Q_OBJECT
    Q_PROPERTY(FollowingList *list READ list CONSTANT)
    Q_PROPERTY(bool checking READ isChecking NOTIFY checkingChanged)
    Q_PROPERTY(int listingLimit READ listingLimit CONSTANT)
    // Where an unreadable following file was moved at start; empty when none was.
    Q_PROPERTY(QString setAsideFile READ setAsideFile CONSTANT)

public:
    // What the service takes from outside: tests replace the clock, the dice and the file.
    struct Environment
    {
        QString file;
        std::function<QDateTime()> now;
        // Uniform in [0, 1).
        std::function<double()> random;
        // yt-dlp's path, asked before each check; absent when the engine is not installed.
        std::function<std::optional<QString>()> engine;
        // How many of the newest entries a check lists.
        int listingLimit = 30;
        std::chrono::milliseconds checkTimeLimit{std::chrono::minutes(3)};
        // Looks a host name up and answers, on `context`'s thread, with its addresses;
        // none when the lookup failed.
        std::function<void(const QString &host, QObject *context, std::function<void(const QList<QHostAddress> &)> answer)> lookup;
    };
    static Environment defaultEnvironment();

    Following(Settings *settings, Environment environment, QObject *parent = nullptr);
    explicit Following(Settings *settings, QObject *parent = nullptr);
    ~Following() override;

    // Follows a link (http or https) and reads it at once. `backlog` is how many of the
    // newest entries the first reading announces; 0 follows "from now on": what is listed
    // then counts as seen. Absent for a link that is not a web address; a link already
    // followed gives the source that follows it.
    std::optional<QUuid> add(const QString &url, int backlog = 0, const std::optional<SourceOptions> &options = std::nullopt);
    // For QML: the new source's id as text, empty when the link was refused.
    Q_INVOKABLE QString follow(const QString &url, int backlog = 0);
    // Stops following; files already downloaded stay where they are.
    Q_INVOKABLE bool remove(const QUuid &id);
    Q_INVOKABLE void setPaused(const QUuid &id, bool paused);
    // Checks one source, or every source that is not paused, before any that are due. A
    // paused source asked for is checked that once and stays paused.
    Q_INVOKABLE void checkNow(const QUuid &id);
    Q_INVOKABLE void checkAll();
    bool setOptions(const QUuid &id, const SourceOptions &options);
    // One option at a time, for the page's controls. A quality id that names no preset
    // and a location that is not a local folder change nothing; an empty one brings the
    // default folder back.
    Q_INVOKABLE bool setQuality(const QUuid &id, const QString &quality);
    Q_INVOKABLE bool setAudioOnly(const QUuid &id, bool on);
    Q_INVOKABLE bool setSubtitles(const QUuid &id, bool on);
    Q_INVOKABLE bool setSponsorBlock(const QUuid &id, bool on);
    // A folder the engine would read as another one is refused; the card says why
    // (folderProblem()) until a folder is taken.
    Q_INVOKABLE bool chooseFolder(const QUuid &id, const QUrl &folder);
    QString folderProblem(const QUuid &id) const { return m_folderProblems.value(id); }
    // Seconds, kept between 15 minutes and 7 days.
    Q_INVOKABLE bool setInterval(const QUuid &id, qint64 seconds);
    // The user has looked at the followed sources: nothing counts as new any more.
    Q_INVOKABLE void visited();
    // The user's word on a source's entries that point into the local network: download
    // them (their runs may then reach it), or let them go; they are seen either way.
    Q_INVOKABLE void downloadHeld(const QUuid &id);
    Q_INVOKABLE void ignoreHeld(const QUuid &id);

    // The queue holds these announced entries of a source safely (its own file has them):
    // they are not announced again.
    void delivered(const QUuid &source, const QStringList &entryIds);
    // Announces again what an earlier run announced and the queue never confirmed, one
    // announcement per source. The application calls it once the queue listens. Entries
    // held for the user's word stay held.
    void announcePending();

    const QList<FollowedSource> &sources() const { return m_sources; }
    const FollowedSource *find(const QUuid &id) const;
    FollowingList *list() const { return m_list; }
    // The download folder of the moment, which the sources' default folders are inside.
    QString downloadFolder() const;
    bool isChecking() const { return m_check != nullptr; }
    // The source being checked; null when none is.
    QUuid checkingSource() const;
    int listingLimit() const { return m_env.listingLimit; }
    QString setAsideFile() const { return m_setAside; }
    // When the scheduler looks next; invalid while a check runs.
    QDateTime nextWake() const { return m_nextWake; }

    // Starts the next check that is asked for or due, unless one runs. The timer calls it;
    // a test whose clock has moved calls it itself.
    void checkDue();
    // Waits until the following file holds every change made so far; false when the last
    // write failed or the file may not be written in this run.
    bool flush();

signals:
    // One announcement per check, newest first, once the file is asked to record them as
    // seen; see delivered().
    void newEntries(const FollowedSource &source, const QList<FollowEntry> &entries);
    void checkStarted(const QUuid &id);
    void checkFinished(const QUuid &id);
    // The first check of a source found nothing to follow there: a page
    // without media, a link that is gone, a single video. The source is already removed,
    // from the list and the file, and checkFinished() follows.
    void followRefused(const QUuid &id, const QString &url);
    void checkingChanged();
    // A source was added, removed or changed in any way.
    void sourcesChanged();

private:
    int indexOf(const QUuid &id) const;
    void update(int row, const std::function<void(FollowedSource &)> &change);
    bool changeOptions(const QUuid &id, const std::function<void(SourceOptions &)> &change);
    void save();
    void schedule();
    void scheduleSoon();
    void startCheck(int row);
    void stopCheck();
    void onChecked(const QUuid &id, const CheckResult &result);
    // Takes the source at `row` out of the list, the schedule and the file.
    void drop(int row);
    void applyListing(FollowedSource &source, const SourceListing &listing, QList<FollowEntry> &announced) const;
    // Entries go through the rule "vireloom:" links obey before they are announced: those
    // whose host is, or resolves to, a local-network address are held on the source's
    // card instead, unless the user allowed that. A lookup that fails holds its entries.
    void screen(const QUuid &id, const QList<FollowEntry> &entries);
    void screened(const QUuid &id, const QList<FollowEntry> &entries, const QList<bool> &held);
    bool namesResolvedByProxy() const;
    // A random share of the interval, so that sources checked together drift apart.
    qint64 offset(qint64 interval) const;
    QDateTime now() const { return m_env.now().toUTC(); }

    Settings *m_settings;
    Environment m_env;
    QList<FollowedSource> m_sources;
    FollowingList *m_list;
    std::unique_ptr<FollowingWriter> m_writer;
    QString m_setAside;
    // Asked for by the user, in order; they go before the sources that are due.
    QList<QUuid> m_requested;
    QPointer<SourceCheck> m_check;
    QTimer m_timer;
    QDateTime m_nextWake;
    // Sources just followed whose own name is being looked up, with the entries that wait
    // to be screened until it is known whether the source is in the local network.
    QHash<QUuid, QList<QList<FollowEntry>>> m_awaitingSourceLookup;
    QHash<QUuid, QString> m_folderProblems;
};
