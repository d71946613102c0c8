#pragma once

#include "intake/browsermessage.h"
#include "model/quality.h"

#include <QString>
#include <QStringList>

#include <optional>

// What one launch of the program was asked to do, read from its command line before the
// application object exists: --help and --version need no display, and neither they nor a
// mistyped option may reach a running instance.
struct LaunchOptions
{
    enum class Action {
        Run, // open the window, or hand the addresses to the running instance
        Exit, // print `message` and end with `exitCode`
        UpdateEngine, // install what is missing and update yt-dlp, without a window
        EngineStatus, // print the engine's programs and versions, without a window
        CheckRelease, // the application's own child: where `releaseAddress` leads
        ListFollowing, // print the followed sources, without a window
        RegisterBrowsers, // write the browsers' host manifests, without a window
        UnregisterBrowsers, // remove them
    };

    Action action = Action::Run;
    int exitCode = 0;
    // For Exit: standard output when exitCode is 0, standard error otherwise.
    QString message;
    // vireloom: addresses and links, in the order given.
    QStringList addresses;
    QString releaseAddress;
    // Run without a window, in the tray.
    bool background = false;
    // Links to follow from now on, with the quality their downloads take (the default
    // quality setting when absent).
    QStringList follow;
    std::optional<Quality> quality;
    // The running instance checks every followed source now.
    bool checkFollowing = false;
    // Text files whose links are downloaded, as absolute paths.
    QStringList imports;

    // What a launch hands the running instance: the addresses, then the requests, written
    // as options (no "vireloom:" address a web page opens can carry them).
    QStringList forwarded() const;
};

// The exit code of a command line the program cannot read, as for most command-line tools.
inline constexpr int kUsageExitCode = 2;

// `arguments` starts with the program's own name, as argv does.
LaunchOptions parseLaunchOptions(const QStringList &arguments);

// The long names of the options a user can give, for keeping the manual page in step.
QStringList documentedOptionNames();

QStringList argumentsFromArgv(int argc, char **argv);

// The requests among what another launch handed over, and the addresses left.
struct ForwardedRequests
{
    QStringList addresses;
    QStringList follow;
    std::optional<Quality> quality;
    QStringList imports;
    // Links the browser companion sent, through its native messaging host.
    QList<BrowserMessage::Download> browserLinks;
    bool checkFollowing = false;
    bool showWindow = true;
};
ForwardedRequests readForwarded(const QStringList &forwarded);

// Prints an Exit outcome's message where it belongs and returns its exit code.
int finishLaunch(const LaunchOptions &options);
