#include "runfiles.h"

#include "base/paths.h"
#include "engine/commandline.h"
#include "settings/settings.h"

#include <QFile>

namespace RunFiles {

QString archive()
{
    return Tools::supportDir() + QStringLiteral("/archive.txt");
}

QString cookies(const QUuid &id)
{
    return Tools::privateDir() + u'/' + id.toString(QUuid::WithoutBraces) + QStringLiteral(".cookies.txt");
}

QString config(const QUuid &id)
{
    return Tools::privateDir() + u'/' + id.toString(QUuid::WithoutBraces) + QStringLiteral(".conf");
}

// yt-dlp writes its cookie jar back into the file it was given, so each run gets a copy
// of its own: the user's file is never rewritten, and runs side by side do not race.
// The copy and the proxy are secrets: both are the user's alone from the first byte.
bool prepare(const QUuid &id, const Settings &settings, const QString &guard)
{
    if (const QByteArray content = privateConfig(settings, guard); !content.isEmpty()) {
        if (!Tools::writePrivateFile(config(id), content))
            return false;
    }
    const QString source = settings.string(SettingsKey::cookiesFile).value_or(QString());
    if (source.isEmpty())
        return true;
    QFile original(source);
    if (!original.open(QIODevice::ReadOnly) || !Tools::writePrivateFile(cookies(id), original.readAll())) {
        remove(id);
        return false;
    }
    return true;
}

void remove(const QUuid &id)
{
    QFile::remove(cookies(id));
    QFile::remove(config(id));
}

} // namespace RunFiles
