// A bare application around the Downloader for tests that must end the application
// itself: it downloads the link it is given and prints the engine's process id once
// the download runs. Arguments: a scratch folder, the link.
#include "engine/downloader.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "tools/tools.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    Tools::setLocations({args[1] + QStringLiteral("/support"), {QStringLiteral("/usr/bin")}});
    Settings settings(args[1] + QStringLiteral("/settings.ini"));
    settings.setValue(SettingsKey::folder, args[1] + QStringLiteral("/Downloads"));
    Downloader downloader(&settings);
    downloader.add(args[2]);

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        const DownloadItem *item = downloader.items()->count() ? downloader.items()->at(0) : nullptr;
        if (!item || item->state().kind() != DLState::downloading || item->progress() <= 0)
            return;
        std::printf("%lld\n", static_cast<long long>(downloader.processGroup(item->id())));
        std::fflush(stdout);
        poll.stop();
    });
    poll.start(20);
    return app.exec();
}
