// What one frame of the signal line costs to draw, and what it looks like: renders the
// running and the idle line at the input card's sizes for a few seconds of frames and
// prints the mean time and picture area per frame. With a folder argument it also writes
// each state's picture at one moment over the window's background colour, to look at.
//
//   build/bench/bench_signalline [folder]

#include "design/designsystem.h"
#include "design/signalline.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    constexpr double start = 812345678.0;
    for (const bool active : {true, false}) {
        SignalLine::Style style;
        style.active = active;
        style.color = DS::primary;
        const QSizeF size(1000, active ? 46 : 22);
        for (const double dpr : {1.0, 2.0}) {
            constexpr int frames = 300;
            double area = 0;
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < frames; ++i) {
                QRectF where;
                const QImage picture = SignalLine::render(size, start + i / 30.0, style, dpr, &where);
                area += double(picture.width()) * picture.height();
            }
            std::printf("%-7s dpr %.0f: %.3f ms a frame, %.0f pixels a picture\n", active ? "running" : "idle", dpr,
                        double(timer.nsecsElapsed()) / frames / 1e6, area / frames);
        }
        if (folder.isEmpty())
            continue;
        // The line as the card shows it: over the window's background, with room for its glow.
        QRectF where;
        const QImage picture = SignalLine::render(size, start + 1.7, style, 2.0, &where);
        const double margin = SignalLine::overflow + 10;
        QImage scene(QSize(int(size.width()), int(size.height() + 2 * margin)) * 2, QImage::Format_ARGB32_Premultiplied);
        scene.setDevicePixelRatio(2.0);
        scene.fill(DS::surface);
        QPainter painter(&scene);
        painter.drawImage(where.translated(0, margin), picture);
        painter.end();
        scene.save(folder + (active ? QStringLiteral("/running.png") : QStringLiteral("/idle.png")));
    }
    return 0;
}
