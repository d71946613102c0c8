#pragma once

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

// Writes the run's private files: its copy of the cookies file and its configuration.
// False when one that is needed could not be written. `guard`: the address of the guard
// proxy the run goes through, empty for none.
bool prepare(const QUuid &id, const Settings &settings, const QString &guard = {});
void remove(const QUuid &id);

} // namespace RunFiles
