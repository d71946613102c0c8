#pragma once

#include "base/storedfile.h"
#include "model/downloadoptions.h"
#include "model/quality.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

class DownloadItem;

// One unfinished download as the journal keeps it: enough to add it again, with what its
// probe had learned, and the folder its partial files are in.
struct JournalEntry
{
    enum class Stage { fetching, queued, running };

    QString url;
    Quality quality;
    bool playlist = false;
    DownloadOptions options;
    Stage stage = Stage::fetching;
    QString folder;
    QString title;
    QString site;
    QString uploader;
    std::optional<QUrl> thumbnail;
    std::optional<double> duration;
    std::optional<int> playlistCount;
    // Came from outside unvouched for (DownloadItem::guarded()). An entry without the field
    // was written before there was a guard, when links from a vireloom: address or a feed
    // were not told apart from the user's own: it counts as guarded, since nothing says the
    // user vouched for it, and being guarded costs a public link nothing.
    bool guarded = true;
    // The browser had handed over a login with the link. The login itself is never written
    // here: the download comes back without it, and says so.
    bool browserLogin = false;
    // The browser profile whose login its runs used, as the engine reads it, and its name.
    QString loginBrowser;
    QString loginLabel;
    // The final names a run that was cut short had announced, none of them there before it:
    // what it left beside them goes if the user discards it. Only names inside `folder`.
    QStringList partial;

    static JournalEntry of(const DownloadItem &item, const QString &folder);

    friend bool operator==(const JournalEntry &, const JournalEntry &) = default;
};

// The journal file: a JSON object {"version": 1, "items": [...]}, newest item first, so
// that downloads survive a crash, a logout or a kill.
namespace QueueJournal {

QByteArray encode(const QList<JournalEntry> &entries);
// Absent when the text is not a journal this program wrote: malformed JSON, another
// version, a missing or mistyped field, or options that fail their checks.
std::optional<QList<JournalEntry>> decode(const QByteArray &json);

using Loaded = StoredFile::Loaded<JournalEntry>;

Loaded load(const QString &path);
// Atomic: a reader sees the previous journal or this one, never a mix.
bool save(const QString &path, const QList<JournalEntry> &entries);

} // namespace QueueJournal
