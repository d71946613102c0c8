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
#include <cerrno>
#include <cmath>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QMutex s_locationsLock;
Tools::Locations s_locations;

QString ensureDir(const QString &path)
{
    Tools::makePrivateDir(path);
    return path;
}

void removeContents(const QString &path)
{
    QDir dir(path);
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
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

QString cacheDir()
{
    QString path = locations().cacheDir;
    if (path.isEmpty())
        path = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Vireloom");
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

QString privateDir()
{
    return ensureDir(supportDir() + QStringLiteral("/private"));
}

QString engineWorkDir()
{
    return ensureDir(supportDir() + QStringLiteral("/workdir"));
}

void clearRunLeftovers()
{
    removeContents(privateDir());
    removeContents(engineWorkDir());
    // Where earlier releases kept the runs' cookie copies, readable by others.
    QDir(supportDir() + QStringLiteral("/cookies")).removeRecursively();
    // The probes' readings of pages, kept for the downloads that follow them.
    QDir(cacheDir() + QStringLiteral("/info")).removeRecursively();
}

bool makePrivateDir(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(native.constData(), &info) != 0) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
            return false;
        if (::stat(native.constData(), &info) != 0)
            return false;
    }
    if (!S_ISDIR(info.st_mode))
        return false;
    if ((info.st_mode & 07777) != 0700 && info.st_uid == ::geteuid())
        ::chmod(native.constData(), 0700);
    return true;
}

bool writePrivateFile(const QString &path, const QByteArray &content)
{
    QFile::remove(path);
    QFile file(path);
    // NewOnly: a file someone slipped in between is never written through.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    if (file.write(content) != content.size() || !file.flush()) {
        file.close();
        QFile::remove(path);
        return false;
    }
    return true;
}

void makePrivateFile(const QString &path)
{
    ::chmod(QFile::encodeName(path).constData(), 0600);
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

void prepareEngineProcess(QProcess &process)
{
    process.setProcessEnvironment(env());
    process.setWorkingDirectory(engineWorkDir());
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
