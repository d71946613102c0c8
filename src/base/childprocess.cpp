#include "childprocess.h"

#include "base/paths.h"
#include "base/vireloomerror.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

namespace Tools {

QProcessEnvironment env()
{
    return envFrom(QProcessEnvironment::systemEnvironment(), binDir());
}

QProcessEnvironment envFrom(const QProcessEnvironment &base, const QString &engineDir)
{
    QProcessEnvironment environment = base;
    const QStringList path{engineDir,
                           QStringLiteral("/usr/local/bin"),
                           QStringLiteral("/usr/bin"),
                           QStringLiteral("/bin"),
                           QStringLiteral("/usr/sbin"),
                           QStringLiteral("/sbin")};
    environment.insert(QStringLiteral("PATH"), path.join(u':'));
    environment.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    return environment;
}

void prepareEngineProcess(QProcess &process)
{
    process.setProcessEnvironment(env());
    process.setWorkingDirectory(engineWorkDir());
}

RunResult run(const QString &path, const QStringList &args, const std::optional<QProcessEnvironment> &env)
{
    Q_ASSERT_X(!QCoreApplication::instance() || QThread::currentThread() != QCoreApplication::instance()->thread(), "Tools::run",
               "blocks: call it from a worker thread");

    QProcess process;
    process.setProgram(path);
    process.setArguments(args);
    if (env)
        process.setProcessEnvironment(*env);
    process.setWorkingDirectory(engineWorkDir());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        throw VireloomError::msg(process.errorString());

    // waitForFinished reads both channels as data arrives, so a child that fills one
    // pipe while we wait cannot stall.
    process.waitForFinished(-1);

    RunResult result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace Tools
