#pragma once

#include "model/downloadoptions.h"
#include "model/quality.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

// One entry a source lists: what it is known by, where it is fetched from, its title.
struct FollowEntry
{
    QString id;
    QString url;
    QString title;
    // May reach the local network: the user let it, or it comes from a source the user
    // followed although it is in the local network itself. Otherwise its runs are guarded.
    bool vouched = false;

    friend bool operator==(const FollowEntry &, const FollowEntry &) = default;
};

// Why the last check of a source did not read it.
enum class CheckFailure {
    none,
    // HTTP 429, or the site asking to sign in to confirm: the source is asked less often.
    rateLimited,
    // The source answers 404 or 410, or the engine does not take the link for a list.
    vanished,
    // Anything else between here and the site: no connection, a timeout, a server error.
    network,
    // No yt-dlp to ask.
    engineMissing,
    // The engine answered with something that is not a listing.
    unreadable,
};

struct CheckProblem
{
    CheckFailure kind = CheckFailure::none;
    // The engine's own words (its last error line), shown as plain text beside the reason.
    QString detail;

    bool isFailure() const { return kind != CheckFailure::none; }
    friend bool operator==(const CheckProblem &, const CheckProblem &) = default;
};

// What the user chose for the downloads of one source.
struct SourceOptions
{
    Quality quality;
    bool audioOnly = false;
    bool subtitles = false;
    // Cuts sponsored segments out of what is downloaded.
    bool sponsorBlock = false;
    // Empty: a folder named after the source inside the download folder.
    QString folder;

    friend bool operator==(const SourceOptions &, const SourceOptions &) = default;
};

// A followed channel, playlist or feed, as the following file keeps it.
struct FollowedSource
{
    static constexpr qint64 kDefaultInterval = 6 * 3600;
    static constexpr qint64 kShortestInterval = 15 * 60;
    static constexpr qint64 kLongestInterval = 7 * 24 * 3600;
    // A site that asks for a pause is asked at most this much less often.
    static constexpr qint64 kLongestBackoff = 24 * 3600;

    QUuid id;
    QString url;
    // Empty until a check has read the source.
    QString title;
    QString site;
    std::optional<qint64> entryCount;
    QDateTime added;
    // When a check last ended, and when the last one that read the source did.
    std::optional<QDateTime> lastCheck;
    std::optional<QDateTime> lastRead;
    QDateTime nextCheck;
    CheckProblem problem;
    qint64 interval = kDefaultInterval;
    // While the site asks for a pause, the interval in force instead of `interval`; 0 for none.
    qint64 backoff = 0;
    bool paused = false;
    SourceOptions options;
    // Entries announced since the user last looked at the followed sources.
    int newSinceVisit = 0;
    // The entries already seen, newest first, so that each is announced once; each known
    // by entryKey() of its id. Ids run to a hundred characters (a feed's are links): a
    // source seen for months would otherwise keep tens of kilobytes of them.
    QList<quint64> seen;
    // Announced, and not yet confirmed by the queue as taken: announced again at the next
    // start, so that a crash between the two loses nothing.
    QList<FollowEntry> pending;
    // Entries that point into the local network, waiting for the user's word on the
    // source's card; never announced until then.
    QList<FollowEntry> held;
    // The user followed this source although it is in the local network: its entries may
    // lead there too. Decided once, when it was followed.
    bool localAllowed = false;
    // How many of the newest entries the first reading announces ("also the latest N");
    // 0 marks everything listed then as seen.
    int backlog = 0;

    bool hasBeenRead() const { return lastRead.has_value(); }
    qint64 effectiveInterval() const { return backoff > 0 ? backoff : interval; }
    // The quality the downloads use: audio only turns a video preset into MP3.
    Quality downloadQuality() const;
    // The folder the downloads go to, given the download folder of the moment.
    QString downloadFolder(const QString &downloadFolder) const;
    DownloadOptions downloadOptions(const QString &downloadFolder) const;

    static qint64 clampInterval(qint64 seconds);
    // The first 64 bits of the id's SHA-1: two of a source's entries share one with a
    // chance of one in 10^14 even after a million entries.
    static quint64 entryKey(const QString &id);
    // A folder name made of a title: never empty, ".", ".." nor anything with a slash, a
    // "$" or a leading "~", which the engine would expand.
    static QString folderName(const QString &title);

    friend bool operator==(const FollowedSource &, const FollowedSource &) = default;
};

Q_DECLARE_METATYPE(FollowEntry)
Q_DECLARE_METATYPE(FollowedSource)
