#include "tools.h"

#include "tools/vireloomerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {

QMutex s_locationsLock;
Tools::Locations s_locations;

QString ensureDir(const QString &path)
{
    QDir().mkpath(path);
    return path;
}

} // namespace

namespace Tools {

void setLocations(const Locations &locations)
{
    QMutexLocker lock(&s_locationsLock);
    s_locations = locations;
}

Locations locations()
{
    QMutexLocker lock(&s_locationsLock);
    return s_locations;
}

QString supportDir()
{
    QString path = locations().supportDir;
    if (path.isEmpty())
        path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vireloom");
    return ensureDir(path);
}

QString binDir()
{
    return ensureDir(supportDir() + QStringLiteral("/bin"));
}

QString defaultFolder()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!downloads.isEmpty())
        return downloads;
    return QDir::homePath() + QStringLiteral("/Downloads");
}

std::optional<QString> find(const QString &name)
{
    QStringList folders{binDir()};
    folders += locations().systemBinDirs;
    for (const QString &folder : std::as_const(folders)) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return std::nullopt;
}

QProcessEnvironment env()
{
    return envFrom(QProcessEnvironment::systemEnvironment(), binDir());
}

QProcessEnvironment envFrom(const QProcessEnvironment &base, const QString &engineDir)
{
    QProcessEnvironment environment = base;
    const QStringList path{engineDir,        QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin"),
                           QStringLiteral("/bin"), QStringLiteral("/usr/sbin"),   QStringLiteral("/sbin")};
    environment.insert(QStringLiteral("PATH"), path.join(u':'));
    environment.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    return environment;
}

RunResult run(const QString &path, const QStringList &args, const std::optional<QProcessEnvironment> &env)
{
    Q_ASSERT_X(!QCoreApplication::instance() || QThread::currentThread() != QCoreApplication::instance()->thread(),
               "Tools::run", "blocks: call it from a worker thread");

    QProcess process;
    process.setProgram(path);
    process.setArguments(args);
    if (env)
        process.setProcessEnvironment(*env);
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

QString fmtTime(double seconds)
{
    // Anything past what a 64-bit count of seconds holds is no duration a person reads.
    if (!std::isfinite(seconds) || seconds < 0 || seconds >= 9.2e18)
        return {};
    const qint64 t = std::llround(seconds);
    const qint64 h = t / 3600;
    const qint64 m = (t % 3600) / 60;
    const qint64 s = t % 60;
    if (t < 3600)
        return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
}

QString fmtBytes(double bytes)
{
    if (!std::isfinite(bytes))
        return {};
    const double clamped = std::clamp(std::trunc(bytes), -9.2e18, 9.2e18);
    return QLocale::system().formattedDataSize(static_cast<qint64>(clamped), 1, QLocale::DataSizeSIFormat);
}

} // namespace Tools
