#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QLoggingCategory>
#include <QString>

#include <optional>

// A file the application keeps a list in: read whole at start, replaced atomically on
// every save, and moved aside rather than overwritten when it cannot be read.
namespace StoredFile {

template<typename T>
struct Loaded
{
    QList<T> entries;
    // Where a file that could not be read or decoded was moved; empty when none was.
    QString setAside;
    // False when the file could be neither read nor moved aside: saving would then
    // destroy it, so it must not be written in this run.
    bool writable = true;
};

enum class Kind {
    missing,
    regular,
    // A FIFO would block its reader for good, a device would never end, a folder cannot
    // be read as a file: none of them is read.
    other,
};
// What stands at `path`, following a symbolic link to what it points at.
Kind kindOf(const QString &path);

// A stored file that is a symbolic link is never written through: that would replace the
// content of whatever it points at and set that file's mode. The link itself is removed,
// so that the write makes a regular file in its place. False when a link is left.
bool dropLink(const QString &path, const QLoggingCategory &log, const char *what);

// Moves the file to "<path>.unreadable-<UTC time>"; empty when it could not be moved.
// `what` names the file in the log.
QString setAside(const QString &path, const QLoggingCategory &log, const char *what);

// A save cut short by a kill leaves its temporary file ("<path>.XXXXXX") beside the file,
// which itself is whole, old or new; this removes such files. Only the one running instance
// loads the application's files, so no save of another is under way.
void removeUnfinishedSaves(const QString &path);

// A file that exists but cannot be opened, or is no regular file, is treated like a broken
// one: the first save would otherwise replace it. What saves cut short left beside it goes.
template<typename T, typename Decode>
Loaded<T> load(const QString &path, Decode decode, const QLoggingCategory &log, const char *what)
{
    removeUnfinishedSaves(path);
    Loaded<T> loaded;
    const Kind kind = kindOf(path);
    if (kind == Kind::missing)
        return loaded;
    std::optional<QList<T>> entries;
    QFile file(path);
    if (kind == Kind::regular && file.open(QIODevice::ReadOnly))
        entries = decode(file.readAll());
    file.close();
    if (!entries) {
        loaded.setAside = setAside(path, log, what);
        loaded.writable = !loaded.setAside.isEmpty();
        return loaded;
    }
    loaded.entries = std::move(*entries);
    return loaded;
}

// Replaces the file atomically, creating its folder first: a reader sees the old
// content or the new, never half of either. The file is the user's alone (0600).
bool save(const QString &path, const QByteArray &content, const QLoggingCategory &log, const char *what);

} // namespace StoredFile
