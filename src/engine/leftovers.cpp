#include "leftovers.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Leftovers {

namespace {

// What follows the destination's stem, for each kind of file a download makes. A format's
// part names its id, a number or a protocol and a name ("f137", "fhls-1080p"), so that
// "clip.final.mp4" is not taken for one.
const QString kFormatPart = QStringLiteral(R"(\.f(\d[\w-]*|(hls|dash|http)-[\w-]+))");
const QRegularExpression kResumable(QStringLiteral("^(") + kFormatPart + QStringLiteral(R"()?\.\w+(\.part(-Frag\d+(\.part)?)?|\.ytdl)$)"));
const QRegularExpression kWaitingFormat(QStringLiteral("^") + kFormatPart + QStringLiteral(R"(\.\w+$)"));
const QRegularExpression kTemporary(QStringLiteral("^(") + kFormatPart + QStringLiteral(R"()?\.temp\.\w+$)"));
const QRegularExpression kPicture(QStringLiteral(R"(^\.(webp|jpg|jpeg|png)$)"), QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kSubtitle(QStringLiteral(R"(^\.[\w-]+\.(vtt|srt|ass|ttml|srv[123]|json3|lrc)$)"),
                                   QRegularExpression::CaseInsensitiveOption);

QString stemOf(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.first(dot) : name;
}

} // namespace

QStringList toRemove(const Run &run, Keep keep)
{
    QStringList doomed;
    for (const QString &destination : run.destinations) {
        if (run.arrived.contains(destination))
            continue;
        const bool theUsers = run.preexisting.contains(destination);
        const QFileInfo info(destination);
        const QString stem = stemOf(destination);
        const QDir folder = info.dir();
        for (const QString &name : folder.entryList({stem + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System)) {
            const QString path = folder.filePath(name);
            if (run.arrived.contains(path) || doomed.contains(path))
                continue;
            const QString tail = name.sliced(stem.size());
            bool goes = false;
            if (path == destination)
                // Under its final name but never delivered: unfinished or broken.
                goes = !theUsers;
            else if (kResumable.match(tail).hasMatch() || kWaitingFormat.match(tail).hasMatch())
                goes = keep == Keep::nothing;
            else if (kTemporary.match(tail).hasMatch())
                goes = true;
            else if (kPicture.match(tail).hasMatch() || kSubtitle.match(tail).hasMatch())
                // Beside a file of the user's, a picture or subtitles may be theirs too.
                goes = !theUsers;
            if (goes)
                doomed << path;
        }
    }
    return doomed;
}

int remove(const Run &run, Keep keep)
{
    int removed = 0;
    for (const QString &path : toRemove(run, keep)) {
        if (QFile::remove(path))
            ++removed;
    }
    return removed;
}

QStringList fetchedForConversion(const Run &run)
{
    QStringList fetched;
    if (run.arrived.isEmpty())
        return fetched;
    for (const QString &destination : run.destinations) {
        if (!run.arrived.contains(destination) && !run.preexisting.contains(destination) && !fetched.contains(destination)
            && QFileInfo(destination).isFile())
            fetched << destination;
    }
    return fetched;
}

int removeFetchedForConversion(const Run &run)
{
    int removed = 0;
    for (const QString &path : fetchedForConversion(run)) {
        if (QFile::remove(path))
            ++removed;
    }
    return removed;
}

int removeUnfinished(const QStringList &destinations)
{
    QStringList unfinished;
    for (const QString &destination : destinations) {
        if (!QFileInfo(destination).isFile())
            unfinished << destination;
    }
    return remove({unfinished, {}, {}}, Keep::nothing);
}

int removeEmptyFolders(const QStringList &destinations, const QString &folder, const QStringList &foldersBefore)
{
    const QDir root(folder);
    int removed = 0;
    for (const QString &destination : destinations) {
        const QString relative = root.relativeFilePath(QFileInfo(destination).absolutePath());
        const QString top = relative.section(u'/', 0, 0);
        if (relative == u"." || top.isEmpty() || top == u".." || QDir::isAbsolutePath(relative) || foldersBefore.contains(top))
            continue;
        // From the deepest up to the one the run made; rmdir leaves a folder that holds anything.
        for (QString path = relative; !path.isEmpty(); path = path.contains(u'/') ? path.section(u'/', 0, -2) : QString()) {
            if (!root.rmdir(path))
                break;
            ++removed;
        }
    }
    return removed;
}

} // namespace Leftovers
