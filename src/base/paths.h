#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace Tools {

// Where the application keeps its own files and which system folders hold engine
// programs. The defaults suit a normal installation; a packager or a test points
// them elsewhere before anything else asks.
struct Locations
{
    // Empty means the user's data folder (~/.local/share) followed by "Vireloom".
    QString supportDir;
    // Searched after the engine folder, in order.
    QStringList systemBinDirs{QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin")};
    // Empty means the user's cache folder (~/.cache) followed by "Vireloom".
    QString cacheDir;
};

void setLocations(const Locations &locations);
Locations locations();

// Both folders are created on every read, for the user alone (0700); a failure to
// create them shows up later, when something is written there.
QString supportDir();
QString binDir();
// What can be fetched again when lost: thumbnails, the pages the probes read. Private too.
QString cacheDir();
QString defaultFolder();

// Where a run keeps what must not outlive it nor be seen by others: its copy of the
// cookies file, the proxy it is given. Private to the user, like every file in it.
QString privateDir();
// The working directory of every engine process: private and empty, so that no file a
// browser or a download left in some folder (a yt-dlp.conf, a deno.json) is ever read
// as configuration.
QString engineWorkDir();
// Removes what a run that never finished (a crash, a kill) left in both folders, and the
// probes' readings in the cache folder. Only the one running instance may call it,
// before its first run.
void clearRunLeftovers();

// Makes the folder, and any missing parent, and leaves it readable by the user alone.
// An existing folder is made private too.
bool makePrivateDir(const QString &path);
// Writes `content` to a new file that is the user's alone from its creation (0600),
// replacing whatever was there. False when it could not be written whole.
bool writePrivateFile(const QString &path, const QByteArray &content);
// Makes an existing file readable and writable by the user alone.
void makePrivateFile(const QString &path);

// The first executable file called `name` in the engine folder, then the system folders.
// The inherited PATH is deliberately not searched.
std::optional<QString> find(const QString &name);

} // namespace Tools
