#pragma once

#include "base/storedfile.h"
#include "following/followedsource.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThreadPool>

#include <optional>

// The following file, following.json in the support folder: the followed sources with
// what each has seen.
namespace FollowingStore {

QString defaultPath();

// Absent when the text is not a following file: malformed JSON, a source without its
// id, link or dates, or a value of the wrong type. Keys it does not know are ignored.
std::optional<QList<FollowedSource>> decode(const QByteArray &json);
QByteArray encode(const QList<FollowedSource> &sources);

// Reads the file and changes nothing, for a look from outside the running instance (the
// command line's list). Absent when it cannot be read or decoded; no file is an empty list.
std::optional<QList<FollowedSource>> read(const QString &path);

using Loaded = StoredFile::Loaded<FollowedSource>;

// A file that exists but cannot be read or decoded is moved aside and the list starts
// empty; see StoredFile::load. What a save cut short left beside the file is removed.
Loaded load(const QString &path);
bool save(const QString &path, const QList<FollowedSource> &sources);

} // namespace FollowingStore

// Writes the following file off the calling thread: a file of many sources with hundreds
// of seen entries each takes longer to encode than a frame lasts. Saves are made in the
// order asked for; one asked for while another is written replaces any still waiting, so
// the file always ends up holding the latest list.
class FollowingWriter
{
public:
    explicit FollowingWriter(const QString &path);
    // Waits for the last save: the list must be on disk before the application ends.
    ~FollowingWriter();

    void save(const QList<FollowedSource> &sources);
    // Blocks until every save asked for so far is written; true when the last one succeeded.
    bool flush();
    const QString &path() const { return m_path; }

private:
    void writeWaiting();

    QString m_path;
    QThreadPool m_pool;
    QMutex m_mutex;
    std::optional<QList<FollowedSource>> m_waiting;
    bool m_writing = false;
    bool m_lastSaved = true;
};
