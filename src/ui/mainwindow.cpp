#include "mainwindow.h"

#include "engine/downloader.h"
#include "ui/appsingletons.h"
#include "ui/shell.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Vireloom_UIPlugin)

QQuickWindow *loadMainWindow(QQmlApplicationEngine &engine, Shell &shell)
{
    DownloaderSingleton::instance = shell.downloader();
    AppSettingsSingleton::instance = new AppSettings(&shell.downloader()->d(), &engine);
    ShellSingleton::instance = &shell;

    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.load(QUrl(QStringLiteral("qrc:/Vireloom/UI/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return nullptr;
    return qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
}
