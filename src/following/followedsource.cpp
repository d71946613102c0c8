#include "followedsource.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <algorithm>

Quality FollowedSource::downloadQuality() const
{
    if (options.audioOnly && !options.quality.isAudio())
        return Quality::mp3;
    return options.quality;
}

QString FollowedSource::downloadFolder(const QString &downloadFolder) const
{
    if (!options.folder.isEmpty())
        return options.folder;
    return downloadFolder + u'/' + folderName(title.isEmpty() ? url : title);
}

DownloadOptions FollowedSource::downloadOptions(const QString &downloadFolder) const
{
    DownloadOptions result;
    result.folder = this->downloadFolder(downloadFolder);
    if (options.subtitles)
        result.subtitles = true;
    if (options.sponsorBlock) {
        result.sponsorBlock = DownloadOptions::SponsorBlock::remove;
        result.sponsorCategories = {QStringLiteral("sponsor")};
    }
    return result;
}

quint64 FollowedSource::entryKey(const QString &id)
{
    const QByteArray digest = QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1);
    return qFromBigEndian<quint64>(digest.constData());
}

qint64 FollowedSource::clampInterval(qint64 seconds)
{
    return std::clamp(seconds, kShortestInterval, kLongestInterval);
}

QString FollowedSource::folderName(const QString &title)
{
    QString name;
    name.reserve(title.size());
    for (const QChar c : title) {
        // Control characters and the path separator have no place in a folder name, and
        // the engine would replace "$name" by a variable's value (a title "${HOME}" would
        // name the home folder).
        if (c == u'/' || c == u'\\' || c == u'$' || c.category() == QChar::Other_Control)
            name += u'_';
        else
            name += c;
    }
    name = name.trimmed();
    // Long titles are cut so that the name stays within what file systems take (255 bytes).
    while (name.toUtf8().size() > 150)
        name.chop(1);
    if (name.size() && name.back().isHighSurrogate())
        name.chop(1);
    name = name.trimmed();
    // A leading "~" would name a home folder, were the name ever read first.
    if (name.startsWith(u'~'))
        name[0] = u'_';
    if (name.isEmpty() || name == u"." || name == u"..")
        return QStringLiteral("_");
    return name;
}
