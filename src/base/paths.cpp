#include "paths.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
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

} // namespace Tools
