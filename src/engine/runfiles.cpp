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
bool prepare(const QUuid &id, const Settings &settings, const QString &guard, const ItemLogin &login)
{
    if (const QByteArray content = privateConfig(settings, guard); !content.isEmpty()) {
        if (!Tools::writePrivateFile(config(id), content))
            return false;
    }
    // The login the browser handed over lives in memory, and on disk only here, for as
    // long as a run of the item reads it.
    if (login.handedOver()) {
        if (!Tools::writePrivateFile(cookies(id), netscapeCookies(login.cookies))) {
            remove(id);
            return false;
        }
        return true;
    }
    if (!login.browser.isEmpty())
        return true;
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

bool hasCookiesFile(const Settings &settings, const ItemLogin &login)
{
    if (!login.isEmpty())
        return login.handedOver();
    return !settings.string(SettingsKey::cookiesFile).value_or(QString()).isEmpty();
}

QByteArray netscapeCookies(const BrowserCookies &cookies)
{
    QByteArray text = "# Netscape HTTP Cookie File\n";
    for (const BrowserCookie &cookie : cookies) {
        // A domain cookie is written with its leading dot, and reaches the subdomains too.
        QString domain = cookie.domain;
        if (!cookie.hostOnly && !domain.startsWith(u'.'))
            domain.prepend(u'.');
        if (cookie.hostOnly && domain.startsWith(u'.'))
            domain.remove(0, 1);
        if (cookie.httpOnly)
            domain.prepend(QStringLiteral("#HttpOnly_"));
        const QStringList fields{domain,
                                 cookie.hostOnly ? QStringLiteral("FALSE") : QStringLiteral("TRUE"),
                                 cookie.path,
                                 cookie.secure ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
                                 QString::number(cookie.expires.value_or(0)),
                                 cookie.name,
                                 cookie.value};
        text += fields.join(u'\t').toUtf8() + '\n';
    }
    return text;
}

void remove(const QUuid &id)
{
    QFile::remove(cookies(id));
    QFile::remove(config(id));
}

} // namespace RunFiles
