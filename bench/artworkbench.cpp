// Shows the artwork bench scene and reports the process's CPU time over a measured span,
// with the frames drawn and the frame clock's ticks in that span.

#include "design/frameclock.h"
#include "design/rendering.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThreadPool>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU seconds used so far by another process (the X server), or -1 if unreadable.
double processCpuSeconds(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid.isEmpty() || !stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the parenthesised command name; utime and stime are fields 14 and 15.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

QString backendName(QQuickWindow *window)
{
    switch (window->rendererInterface()->graphicsApi()) {
    case QSGRendererInterface::Software:
        return QStringLiteral("software");
    case QSGRendererInterface::OpenGL:
        return QStringLiteral("opengl");
    default:
        return QStringLiteral("other");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption scene(QStringLiteral("scene"), QStringLiteral("idle or busy"), QStringLiteral("scene"), QStringLiteral("idle"));
    const QCommandLineOption backend(QStringLiteral("backend"), QStringLiteral("software, opengl or auto"), QStringLiteral("backend"),
                                     QStringLiteral("auto"));
    const QCommandLineOption state(QStringLiteral("state"),
                                   QStringLiteral("shown, hidden, minimized or resting (shown, drawings not running)"),
                                   QStringLiteral("state"), QStringLiteral("shown"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("length of the measured span"), QStringLiteral("seconds"),
                                     QStringLiteral("15"));
    const QCommandLineOption warmup(QStringLiteral("warmup"), QStringLiteral("seconds before measuring"), QStringLiteral("seconds"),
                                    QStringLiteral("3"));
    const QCommandLineOption server(QStringLiteral("server-pid"), QStringLiteral("also report the CPU of this process (the X server)"),
                                    QStringLiteral("pid"));
    const QCommandLineOption without(QStringLiteral("without"),
                                     QStringLiteral("hides drawings to see what each costs: a comma-separated list of "
                                                    "stars, nebula, signal, mark"),
                                     QStringLiteral("names"));
    const QCommandLineOption poolThreads(QStringLiteral("pool-threads"),
                                         QStringLiteral("caps the global thread pool, which the raster engine "
                                                        "splits large fills across"),
                                         QStringLiteral("count"));
    parser.addOptions({scene, backend, state, seconds, warmup, server, without, poolThreads});
    parser.process(app);
    if (parser.isSet(poolThreads))
        QThreadPool::globalInstance()->setMaxThreadCount(parser.value(poolThreads).toInt());

    const QString wantedBackend = parser.value(backend);
    if (wantedBackend == QLatin1String("software"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    else if (wantedBackend == QLatin1String("opengl"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    else
        chooseSceneGraphBackend();

    const bool busy = parser.value(scene) == QLatin1String("busy");
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.setInitialProperties({{QStringLiteral("busy"), busy}});
    engine.load(QUrl(QStringLiteral("qrc:/Vireloom/Bench/BenchScene.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    for (const QString &name : parser.value(without).split(u',', Qt::SkipEmptyParts)) {
        QQuickItem *item = name == QLatin1String("stars") ? window->findChild<QQuickItem *>(QStringLiteral("background"))
                                                          : window->findChild<QQuickItem *>(name);
        if (!item) {
            std::fprintf(stderr, "no drawing called %s\n", qPrintable(name));
            return 2;
        }
        if (name == QLatin1String("stars"))
            item = item->property("starfield").value<QQuickItem *>();
        item->setVisible(false);
    }
    window->show();

    int frames = 0;
    int ticks = 0;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&frames] { ++frames; });
    QObject::connect(FrameClock::forWindow(window), &FrameClock::ticked, window, [&ticks] { ++ticks; });

    const QString wantedState = parser.value(state);
    const int warmupMs = int(parser.value(warmup).toDouble() * 1000);
    const int spanMs = int(parser.value(seconds).toDouble() * 1000);
    const QString serverPid = parser.value(server);
    double cpuStart = 0;
    double serverStart = 0;
    QElapsedTimer wall;

    QTimer::singleShot(warmupMs, window, [&] {
        if (wantedState == QLatin1String("hidden"))
            window->hide();
        else if (wantedState == QLatin1String("minimized"))
            window->showMinimized();
        else if (wantedState == QLatin1String("resting")) {
            const auto items = window->findChildren<QQuickItem *>();
            for (QQuickItem *item : items) {
                if (item->property("running").isValid())
                    item->setProperty("running", false);
            }
        }
        // Give the state a moment to settle before the span starts.
        QTimer::singleShot(500, window, [&] {
            frames = 0;
            ticks = 0;
            cpuStart = cpuSeconds();
            serverStart = processCpuSeconds(serverPid);
            wall.start();
            QTimer::singleShot(spanMs, window, [&] {
                const double elapsed = double(wall.nsecsElapsed()) / 1e9;
                const double cpu = cpuSeconds() - cpuStart;
                const double serverEnd = processCpuSeconds(serverPid);
                const QString serverShare = serverStart >= 0 && serverEnd >= 0
                                                ? QString::number(100.0 * (serverEnd - serverStart) / elapsed, 'f', 1) + u'%'
                                                : QStringLiteral("n/a");
                std::printf("scene=%s%s backend=%s state=%s seconds=%.1f cpu=%.1f%% x-server=%s frames=%d (%.1f/s) "
                            "clock-ticks=%d\n",
                            busy ? "busy" : "idle",
                            parser.isSet(without) ? qPrintable(QStringLiteral(" without=") + parser.value(without)) : "",
                            qPrintable(backendName(window)), qPrintable(wantedState), elapsed, 100.0 * cpu / elapsed,
                            qPrintable(serverShare), frames, frames / elapsed, ticks);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        });
    });
    return app.exec();
}
