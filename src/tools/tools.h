#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The outcome of one tool run that went to completion.
struct RunResult
{
    int status = 0; // exit code, or the signal number when the child was killed
    QString out;
    QString err;
};
Q_DECLARE_METATYPE(RunResult)

class QProcess;

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

// The environment of every child: the application's own, with a PATH that starts at the
// engine folder and output forced to UTF-8 English, whatever the user's locale is.
QProcessEnvironment env();
QProcessEnvironment envFrom(const QProcessEnvironment &base, const QString &engineDir);

// Sets what every engine process runs with: the environment above and the private,
// empty working directory.
void prepareEngineProcess(QProcess &process);

// yt-dlp otherwise reads configuration from the download folder, the working directory
// and the user's own files: every yt-dlp command line starts with this.
inline constexpr QLatin1StringView kIgnoreConfig("--ignore-config");

// Runs a tool to completion, draining both of its output streams at once. It blocks,
// so it belongs on a worker thread; the GUI thread uses ToolRun. Throws VireloomError
// when the program cannot be started.
RunResult run(const QString &path, const QStringList &args,
              const std::optional<QProcessEnvironment> &env = std::nullopt);

// Installation steps. They block on the network and the disk, so they belong on a
// worker thread; each throws VireloomError with a translated text when it fails.

// Fetches `url` to the file `to`. Redirects are followed but never from https to http;
// only a complete answer with status 200 replaces `to`, atomically, so a failed or cut
// transfer leaves whatever was there before. Returns the address the answer came from.
QUrl download(const QUrl &url, const QString &to);
// Extracts the zip archive into `into`, replacing files of the same name, then deletes
// the archive. Entries that would land outside `into` fail the whole extraction, and
// nothing is written to `into` unless every entry could be extracted.
void unzip(const QString &zip, const QString &into);
// Sets the file's mode to 0755; a failure is left for the next step to notice.
void makeExecutable(const QString &path);

// What a program prints first for "--version", trimmed; absent when it does not answer
// with something that starts like a version within a minute.
std::optional<QString> versionOf(const QString &program);

struct YtDlpInstall
{
    QString version;
    bool replaced = false;
};
// Installs yt-dlp's latest release into the engine folder. The file is checked against
// its release's SHA2-256SUMS before it replaces anything, and the replacement is one
// rename, so a download running the old file keeps it. The yt-dlp in use, when it
// answers with a version, is kept as the previous copy; a new one that does not answer
// is taken out again. With `skipIfCurrent`, a yt-dlp already at the latest release stays.
YtDlpInstall installYtDlp(bool skipIfCurrent = false);
// Each archive is checked against the sums its publisher puts beside it.
void installFFmpeg();
void installDeno();
// The copy the last replacement kept: the engine folder's "yt-dlp.previous", which is a
// link to the system's yt-dlp when that was the one in use. Absent when there is none.
std::optional<QString> previousYtDlp();
// Puts the previous copy back and returns its version (empty when it gave none). Going
// back from the system's yt-dlp means removing the engine folder's copy.
QString rollBackYtDlp();

QString fmtTime(double seconds);
QString fmtBytes(double bytes);

} // namespace Tools
