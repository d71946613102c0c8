#include "design/designsystem.h"
#include "design/frameclock.h"
#include "design/rendering.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <cmath>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)

namespace {

// Seconds to wait from `now` until a shooting star is a third of the way across the sky,
// so that a picture of the gallery shows one. Shooting stars fly during the first 1.2 s
// of every 9 s.
double secondsUntilShootingStar(double now)
{
    const double target = 0.4;
    const double local = std::fmod(now, 9.0);
    return local <= target ? target - local : 9.0 - local + target;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vireloom Gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every component and drawing of Vireloom's design."));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Writes a PNG of the window to <file> and quits."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    chooseSceneGraphBackend();
    useInterfaceFont();

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.load(QUrl(QStringLiteral("qrc:/Vireloom/Gallery/Gallery.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window)
        return 1;

    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        // Let the entrance animations finish first, then wait for a shooting star.
        const double settle = 1.5;
        const double wait = settle + secondsUntilShootingStar(artworkTime() + settle);
        QTimer::singleShot(int(wait * 1000), window, [window, file] {
            const QImage picture = window->grabWindow();
            if (picture.isNull() || !picture.save(file)) {
                std::fprintf(stderr, "could not write %s\n", qPrintable(file));
                QCoreApplication::exit(1);
                return;
            }
            QCoreApplication::exit(0);
        });
    }
    return app.exec();
}
