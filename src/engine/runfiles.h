#pragma once

#include "model/browserlogin.h"

#include <QByteArray>
#include <QString>
#include <QUuid>

class Settings;

// The files a download's run is given besides its command line: the download archive, a
// copy of the cookies file and a private configuration of its own, each named after the
// download's id.
namespace RunFiles {

QString archive();
QString cookies(const QUuid &id);
QString config(const QUuid &id);

// Writes the run's private files: its cookies file and its configuration. The cookies are
// those the browser handed over with the item's link, else a copy of the settings' cookies
// file; an item that uses a browser profile's login (`login.browser`) has neither. False
// when one that is needed could not be written. `guard`: the address of the guard proxy
// the run goes through, empty for none.
bool prepare(const QUuid &id, const Settings &settings, const QString &guard = {}, const ItemLogin &login = {});
void remove(const QUuid &id);
// Whether the run of an item with this login is given a cookies file.
bool hasCookiesFile(const Settings &settings, const ItemLogin &login);

// The cookies in the Netscape format yt-dlp reads: one line of seven tab-separated fields
// each, a host-only cookie under its host alone, an httpOnly one marked as browsers mark it.
QByteArray netscapeCookies(const BrowserCookies &cookies);

} // namespace RunFiles
