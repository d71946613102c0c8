// The yardstick for the window figures: a Qt Quick window of the application's size with
// one line of text, on the scene-graph backend the application would pick. It logs its
// first frame the way the application does, so both are timed the same way.
#include "design/rendering.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstdio>
#include <ctime>

int main(int argc, char *argv[])
{
    { timespec ts; clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts); timespec ps; clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ps); std::fprintf(stderr, "CPU main %ld %ld\n", ts.tv_sec*1000000L+ts.tv_nsec/1000, ps.tv_sec*1000000L+ps.tv_nsec/1000); }
    QGuiApplication app(argc, argv);
    chooseSceneGraphBackend();
    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick
        import QtQuick.Window
        Window {
            title: "Trivial"
            width: 1080
            height: 720
            color: "#0E0E0E"
            Text { anchors.centerIn: parent; text: "A trivial window"; color: "white" }
        })");
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [window] {
        timespec ts; clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts); timespec ps; clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ps); std::fprintf(stderr, "CPU frame %ld %ld\n", ts.tv_sec*1000000L+ts.tv_nsec/1000, ps.tv_sec*1000000L+ps.tv_nsec/1000);
        std::fprintf(stderr, "first frame at %lld\n", QDateTime::currentMSecsSinceEpoch());
        QObject::disconnect(window, &QQuickWindow::frameSwapped, window, nullptr);
    });
    window->show();
    return app.exec();
}
