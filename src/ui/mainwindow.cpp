#include "mainwindow.h"

#include "base/paths.h"
#include "design/designsystem.h"
#include "design/motion.h"
#include "root/downloader.h"
#include "ui/appsingletons.h"
#include "ui/shell.h"
#include "ui/thumbnailnetwork.h"
#include "ui/windowplacement.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Vireloom_UIPlugin)

QQuickWindow *loadMainWindow(QQmlApplicationEngine &engine, Shell &shell)
{
    DownloaderSingleton::instance = shell.downloader();
    AppSettingsSingleton::instance = new AppSettings(&shell.downloader()->settings(), &engine);
    ShellSingleton::instance = &shell;
    useInterfaceFont();
    // While downloads run the drawings keep moving, whatever the window's activity.
    Motion::instance()->setBusy(shell.busy());
    QObject::connect(&shell, &Shell::activityChanged, &shell, [&shell] { Motion::instance()->setBusy(shell.busy()); });

    engine.setNetworkAccessManagerFactory(
        new ThumbnailNetworkFactory(&shell.downloader()->settings(), Tools::cacheDir() + QStringLiteral("/thumbnails"), &shell));
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.load(QUrl(QStringLiteral("qrc:/Vireloom/UI/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return nullptr;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window)
        return nullptr;
    new WindowPlacement(window, &shell.downloader()->settings());
    // Emitted where the frame was drawn, which may be the render thread; the shell lives here.
    QObject::connect(window, &QQuickWindow::frameSwapped, &shell, &Shell::setWindowDrawn,
                     static_cast<Qt::ConnectionType>(Qt::AutoConnection | Qt::SingleShotConnection));
    return window;
}
