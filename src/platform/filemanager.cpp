#include "filemanager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace FileManager {

namespace {

// The types some file of the desktop associates with an application: lines "type=app.desktop;"
// in mimeinfo.cache and in the mimeapps.list sections that add or choose applications.
bool associated(const QString &file, const QStringList &types)
{
    QFile list(file);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool counts = false;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            counts = line == u"[MIME Cache]" || line == u"[Default Applications]" || line == u"[Added Associations]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!counts || equals < 1 || !types.contains(line.left(equals).trimmed()))
            continue;
        const QStringList apps = line.mid(equals + 1).split(u';', Qt::SkipEmptyParts);
        if (std::any_of(apps.begin(), apps.end(), [](const QString &app) { return !app.trimmed().isEmpty(); }))
            return true;
    }
    return false;
}

} // namespace

bool hasApplicationFor(const QString &path)
{
    if (QFile::exists(QStringLiteral("/.flatpak-info")))
        return true;
    const QMimeType mime = QFileInfo(path).isDir() ? QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory"))
                                                   : QMimeDatabase().mimeTypeForFile(path);
    const QStringList types = QStringList{mime.name()} + mime.aliases() + mime.allAncestors();
    QStringList files;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files << dir + QStringLiteral("/mimeapps.list");
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        files << dir + QStringLiteral("/applications/mimeapps.list") << dir + QStringLiteral("/applications/mimeinfo.cache");
    return std::any_of(files.begin(), files.end(), [&types](const QString &file) { return associated(file, types); });
}

// Asked of the desktop in any case (a launcher may know more than the lists say); what is
// reported is that nothing was there to open it with.
void open(const QString &path, const std::function<void()> &failed)
{
    const bool launched = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if ((!launched || !hasApplicationFor(path)) && failed)
        failed();
}

void reveal(const QString &path, const std::function<void()> &failed)
{
    const QString folder = QFileInfo(path).absolutePath();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        open(folder, failed);
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
                                       QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    // Asked asynchronously: a file manager that is slow to start must not hold up the window.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [folder, failed](QDBusPendingCallWatcher *finished) {
        if (finished->isError())
            open(folder, failed);
        finished->deleteLater();
    });
}

} // namespace FileManager
