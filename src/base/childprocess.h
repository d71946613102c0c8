#pragma once

#include <QMetaType>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

class QProcess;

// The outcome of one tool run that went to completion.
struct RunResult
{
    int status = 0; // exit code, or the signal number when the child was killed
    QString out;
    QString err;
    // The child wrote more than its run collects and was stopped; out and err are empty.
    bool outputTooLarge = false;
};
Q_DECLARE_METATYPE(RunResult)

namespace Tools {

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
RunResult run(const QString &path, const QStringList &args, const std::optional<QProcessEnvironment> &env = std::nullopt);

} // namespace Tools

// Engine processes run in a process group of their own, led by yt-dlp, so that a
// signal reaches the programs it starts (ffmpeg) as well, the way an interrupt from a
// terminal does. They are also tied to the application's life: if it ends in any way,
// even killed outright, the kernel sends yt-dlp a termination request.
void bindToApplication(QProcess &process);

// Sends `signal` to the process group of a process that has started. Returns false when
// the process is not running.
bool signalGroup(const QProcess &process, int signal);
