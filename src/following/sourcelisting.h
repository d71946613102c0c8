#pragma once

#include "following/followedsource.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Settings;

// What a check reads of a source: yt-dlp's flat listing of its newest entries.
struct SourceListing
{
    QString title;
    QString site;
    // The number of entries the source has, when the engine says; else those listed.
    std::optional<qint64> count;
    // Newest first, as channels and feeds list them; each id once.
    QList<FollowEntry> entries;
    // False when the link is a single video rather than a list of them.
    bool isList = true;
};

// Reads the JSON that "-J --flat-playlist" prints. Absent when it is not a JSON object.
// Entries without a link to fetch them from are left out; an entry without an id is
// known by its link.
std::optional<SourceListing> parseListing(QByteArrayView json);

// Why a check that did not end with a listing failed, from the engine's error output.
CheckProblem classifyFailure(QStringView errors);

// The arguments of a check: the newest `limit` entries of `url`, listed without being
// resolved, with the same connection (proxy, cookies) and pause between requests as the
// downloads.
QStringList listingArgs(const QString &url, int limit, const Settings &settings, const QString &cookiesFile = {},
                        const QString &configFile = {});
