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

// Moves the file to "<path>.unreadable-<UTC time>"; empty when it could not be moved.
// `what` names the file in the log.
QString setAside(const QString &path, const QLoggingCategory &log, const char *what);

// A file that exists but cannot be opened is treated like a broken one: the first save
// would otherwise replace it.
template<typename T, typename Decode>
Loaded<T> load(const QString &path, Decode decode, const QLoggingCategory &log, const char *what)
{
    Loaded<T> loaded;
    QFile file(path);
    if (!file.exists())
        return loaded;
    std::optional<QList<T>> entries;
    if (file.open(QIODevice::ReadOnly))
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
