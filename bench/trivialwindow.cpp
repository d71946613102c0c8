// The yardstick for the window figures: a Qt Quick Controls window of the application's size
// with a line of text and a button, on the scene-graph backend the application would pick. It logs its
// first frame the way the application does, so both are timed the same way.
#include "design/rendering.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    chooseSceneGraphBackend();
    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick
        import QtQuick.Controls
        ApplicationWindow {
            title: "Trivial"
            width: 1080
            height: 720
            color: "#0E0E0E"
            Column {
                anchors.centerIn: parent
                spacing: 12
                Label { text: "A trivial window"; color: "white" }
                Button { text: "Close"; onClicked: Qt.quit() }
            }
        })");
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [window] {
        std::fprintf(stderr, "first frame at %lld\n", QDateTime::currentMSecsSinceEpoch());
        QObject::disconnect(window, &QQuickWindow::frameSwapped, window, nullptr);
    });
    window->show();
    return app.exec();
}
