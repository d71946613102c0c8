// A bare application around the Downloader for tests that must end the application
// itself: it downloads the links it is given, all at once, and prints the engines'
// process ids on one line once every download runs. Arguments: a scratch folder, links.
#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    Tools::setLocations({args[1] + QStringLiteral("/support"), {QStringLiteral("/usr/bin")}, args[1] + QStringLiteral("/cache")});
    Settings settings(args[1] + QStringLiteral("/settings.ini"));
    settings.setValue(SettingsKey::folder, args[1] + QStringLiteral("/Downloads"));
    settings.setValue(SettingsKey::maxConcurrent, args.size() - 2);
    settings.setValue(SettingsKey::checkEngineUpdates, false);
    Downloader downloader(&settings);
    downloader.queue()->add(args.mid(2).join(u' '));

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QStringList groups;
        for (const DownloadItem *item : downloader.queue()->items()->items()) {
            if (item->state().kind() != DLState::downloading || item->progress() <= 0)
                return;
            groups << QString::number(downloader.queue()->processGroup(item->id()));
        }
        if (groups.size() != args.size() - 2)
            return;
        std::printf("%s\n", qPrintable(groups.join(u' ')));
        std::fflush(stdout);
        poll.stop();
    });
    poll.start(20);
    return app.exec();
}
