#include "childprocess.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

void bindToApplication(QProcess &process)
{
    // Captured here, in the parent: in the child getppid() tells whether the parent
    // has died between the fork and the prctl call, which the kernel would not report.
    const pid_t parent = getpid();
    // Runs in the child between fork and exec, so only async-signal-safe calls.
    // The death signal is tied to the thread that starts the process; every engine
    // process is started from the GUI thread, which lives as long as the application.
    process.setChildProcessModifier([parent] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
    });
}

bool signalGroup(const QProcess &process, int signal)
{
    if (process.state() != QProcess::Running)
        return false;
    const qint64 leader = process.processId();
    if (leader <= 0)
        return false;
    return ::kill(static_cast<pid_t>(-leader), signal) == 0;
}
