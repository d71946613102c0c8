#include "mainwindow.h"

#include "base/paths.h"
#include "design/designsystem.h"
#include "design/motion.h"
#include "design/symbols.h"
#include "i18n/i18n.h"
#include "root/downloader.h"
#include "ui/appsingletons.h"
#include "ui/shell.h"
#include "ui/thumbnailnetwork.h"
#include "ui/windowplacement.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

#include <cmath>

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

QUrl mainWindowUrl()
{
    return QUrl(QStringLiteral("qrc:/Vireloom/UI/Main.qml"));
}

} // namespace

QList<QFont> firstFrameFonts()
{
    const auto type = [](int pixels, QFont::Weight weight) {
        QFont font = QGuiApplication::font();
        font.setPixelSize(pixels);
        font.setWeight(weight);
        return font;
    };
    // As SymbolIcon sets them: a little larger than the design's size.
    const auto symbol = [](double size) {
        QFont font = QGuiApplication::font();
        font.setFamily(iconFontFamily());
        font.setPixelSize(std::max(1, int(std::lround(size * 1.25))));
        return font;
    };
    using namespace DS::Type;
    return {type(micro, QFont::DemiBold),
            type(caption, QFont::Normal),
            type(caption, QFont::Medium),
            type(small, QFont::Normal),
            type(body, QFont::Normal),
            type(body, QFont::DemiBold),
            type(title, QFont::Bold),
            DS::mono(18, QFont::DemiBold),
            symbol(12),
            symbol(13)};
}

void answerWindowReading()
{
    // Each such question reaches this thread as a posted event of this type.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::User);
}

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
    // from here. Meanwhile this thread takes the fonts prepareInterfaceFont() found and
    // loads the faces of the first frame, answering the loader between them.
    const QQmlComponent read(&engine, mainWindowUrl(), QQmlComponent::Asynchronous);
    answerWindowReading();
    useInterfaceFont(cjkFamilyFor(appLang()));
    for (const QFont &font : firstFrameFonts()) {
        QFontMetricsF(font).height();
        answerWindowReading();
    }
    // Waits for whatever is left to read, then makes the window.
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
