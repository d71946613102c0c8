#include "storedfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace StoredFile {

Kind kindOf(const QString &path)
{
    const QFileInfo info(path);
    // A link that points nowhere holds nothing to read; the first save replaces it.
    if (!info.exists())
        return Kind::missing;
    return info.isFile() ? Kind::regular : Kind::other;
}

bool dropLink(const QString &path, const QLoggingCategory &log, const char *what)
{
    if (!QFileInfo(path).isSymLink())
        return true;
    qCWarning(log) << what << "is a symbolic link; writing a file of its own in its place:" << path;
    // QFile::remove removes the link, not what it points at.
    return QFile::remove(path);
}

QString setAside(const QString &path, const QLoggingCategory &log, const char *what)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss"_s);
    QString aside = path + u".unreadable-"_s + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + u".unreadable-%1-%2"_s.arg(stamp).arg(n);
    if (!QFile::rename(path, aside)) {
        qCWarning(log) << what << "could not be read nor moved aside:" << path;
        return {};
    }
    qCWarning(log) << what << "could not be read; kept it as" << aside;
    return aside;
}

namespace {

// What a save killed midway leaves beside the file: the file's name, a dot and six
// letters or figures. Matched by hand, as this runs at every start and a name filter
// would compile a regular expression for it.
bool isUnfinishedSave(QStringView name, QStringView stored)
{
    const auto plain = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); };
    return name.size() == stored.size() + 7 && name.startsWith(stored) && name[stored.size()] == u'.'
        && std::all_of(name.end() - 6, name.end(), plain);
}

} // namespace

void removeUnfinishedSaves(const QString &path)
{
    const QFileInfo info(path);
    const QDir folder = info.absoluteDir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (isUnfinishedSave(name, info.fileName()))
            QFile::remove(folder.filePath(name));
    }
}

bool save(const QString &path, const QByteArray &content, const QLoggingCategory &log, const char *what)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // QSaveFile writes to the target of a link.
    if (!dropLink(path, log, what))
        return false;
    QSaveFile file(path);
    // What the application keeps (history, queue) is the user's business alone. A write
    // the disk cuts short (full, or past a size limit) must not be committed: that would
    // replace the whole old file with the start of the new one. The flush is asked for
    // here because commit() goes ahead when only its own final flush falls short.
    const bool written = file.open(QIODevice::WriteOnly) && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
                         && file.write(content) == content.size() && file.flush();
    if (!written || !file.commit()) {
        qCWarning(log) << what << "not saved:" << file.errorString();
        return false;
    }
    return true;
}

} // namespace StoredFile
