#include "mainwindow.h"

#include "base/paths.h"
#include "design/designsystem.h"
#include "design/motion.h"
#include "i18n/i18n.h"
#include "root/downloader.h"
#include "ui/appsingletons.h"
#include "ui/shell.h"
#include "ui/thumbnailnetwork.h"
#include "ui/windowplacement.h"

#include <QGuiApplication>
#include <QLocale>
#include <QQmlComponent>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Vireloom_UIPlugin)

namespace {

// Han characters are drawn in each place's own forms: the same character looks different
// in Taiwan, in China and in Japan, and Korean has a cut of its own.
QString cjkFamilyFor(Lang lang)
{
    switch (lang) {
    case Lang::zh_TW:
        return QStringLiteral("Noto Sans CJK TC");
    case Lang::zh_CN:
        return QStringLiteral("Noto Sans CJK SC");
    case Lang::ko:
        return QStringLiteral("Noto Sans CJK KR");
    default:
        return DS::cjkFamily;
    }
}

const QUrl mainWindowUrl()
{
    return QUrl(QStringLiteral("qrc:/Vireloom/UI/Main.qml"));
}

} // namespace

void startReadingMainWindow(QQmlApplicationEngine &engine)
{
    engine.addImportPath(QStringLiteral("qrc:/"));
    // Asked for asynchronously, the reading is only handed to QML's loader thread.
    new QQmlComponent(&engine, mainWindowUrl(), QQmlComponent::Asynchronous, &engine);
}

QQuickWindow *loadMainWindow(QQmlApplicationEngine &engine, Shell &shell)
{
    DownloaderSingleton::instance = shell.downloader();
    AppSettingsSingleton::instance = new AppSettings(&shell.downloader()->settings(), &engine);
    ShellSingleton::instance = &shell;
    setInterfaceLettersJoin(QLocale(langCode(appLang())).script() == QLocale::ArabicScript);
    // The window mirrors itself from this (Main.qml), and Qt's own controls and dialogs
    // follow it too.
    QGuiApplication::setLayoutDirection(isRightToLeft(appLang()) ? Qt::RightToLeft : Qt::LeftToRight);
    // While downloads run the drawings keep moving, whatever the window's activity.
    Motion::instance()->setBusy(shell.busy());
    QObject::connect(&shell, &Shell::activityChanged, &shell, [&shell] { Motion::instance()->setBusy(shell.busy()); });

    engine.setNetworkAccessManagerFactory(
        new ThumbnailNetworkFactory(&shell.downloader()->settings(), Tools::cacheDir() + QStringLiteral("/thumbnails"), &shell));
    engine.addImportPath(QStringLiteral("qrc:/"));
    // The window's QML is read on QML's loader thread, from startReadingMainWindow() on or
    // from here, while prepareInterfaceFont() may still be finding the fonts on another;
    // the window is made once both are done.
    const QQmlComponent read(&engine, mainWindowUrl());
    useInterfaceFont(cjkFamilyFor(appLang()));
    engine.load(mainWindowUrl());
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
