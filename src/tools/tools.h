#pragma once

#include <QMetaType>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// The outcome of one tool run that went to completion.
struct RunResult
{
    int status = 0; // exit code, or the signal number when the child was killed
    QString out;
    QString err;
};
Q_DECLARE_METATYPE(RunResult)

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
};

void setLocations(const Locations &locations);
Locations locations();

// Both folders are created on every read; a failure to create them shows up later,
// when something is written there.
QString supportDir();
QString binDir();
QString defaultFolder();

// The first executable file called `name` in the engine folder, then the system folders.
// The inherited PATH is deliberately not searched.
std::optional<QString> find(const QString &name);

// The environment of every child: the application's own, with a PATH that starts at the
// engine folder and output forced to UTF-8 English, whatever the user's locale is.
QProcessEnvironment env();
QProcessEnvironment envFrom(const QProcessEnvironment &base, const QString &engineDir);

// Runs a tool to completion, draining both of its output streams at once. It blocks,
// so it belongs on a worker thread; the GUI thread uses ToolRun. Throws VireloomError
// when the program cannot be started.
RunResult run(const QString &path, const QStringList &args,
              const std::optional<QProcessEnvironment> &env = std::nullopt);

QString fmtTime(double seconds);
QString fmtBytes(double bytes);

} // namespace Tools
