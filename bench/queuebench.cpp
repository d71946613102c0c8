// The downloads page with a long queue: 1000 items, some of them receiving progress lines
// as yt-dlp prints them. Reports the GUI thread's CPU time and the time each frame took
// over the measured span, with the backend the application would choose.
#include "base/paths.h"
#include "design/rendering.h"
#include "engine/downloadqueue.h"
#include "engine/downloadrun.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "ui/mainwindow.h"
#include "ui/shell.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

double threadCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    auto seconds = [](const timeval &tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

int countCards(QQuickItem *root)
{
    int cards = 0;
    for (QList<QQuickItem *> pending{root}; !pending.isEmpty();) {
        QQuickItem *item = pending.takeFirst();
        cards += item->objectName() == QLatin1String("downloadCard");
        pending += item->childItems();
    }
    return cards;
}

QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    for (QList<QQuickItem *> pending{root}; !pending.isEmpty();) {
        QQuickItem *item = pending.takeFirst();
        if (item->objectName() == name)
            return item;
        pending += item->childItems();
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption items(QStringLiteral("items"), QStringLiteral("items in the queue"), QStringLiteral("n"),
                                   QStringLiteral("1000"));
    const QCommandLineOption active(QStringLiteral("active"), QStringLiteral("items receiving progress lines"), QStringLiteral("n"),
                                    QStringLiteral("20"));
    const QCommandLineOption rate(QStringLiteral("rate"), QStringLiteral("progress lines per second per item"), QStringLiteral("n"),
                                  QStringLiteral("30"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("length of the measured span"), QStringLiteral("seconds"),
                                     QStringLiteral("60"));
    const QCommandLineOption scroll(QStringLiteral("scroll"), QStringLiteral("scroll through the queue meanwhile"));
    parser.addOptions({items, active, rate, seconds, scroll});
    parser.process(app);

    const RenderingChoice rendering = chooseSceneGraphBackend();

    // A throwaway engine folder with no engine: nothing is probed or started.
    QTemporaryDir root;
    Tools::setLocations(
        {root.filePath(QStringLiteral("support")), {root.filePath(QStringLiteral("none"))}, root.filePath(QStringLiteral("cache"))});
    Settings settings(root.filePath(QStringLiteral("settings.conf")));
    // The application makes its release check in a child; here it would be a host lookup.
    settings.setValue(SettingsKey::checkEngineUpdates, false);
    Downloader downloader(&settings);
    Shell shell(&downloader);

    const int itemCount = parser.value(items).toInt();
    const int activeCount = std::min(parser.value(active).toInt(), itemCount);
    static const DLState::Kind others[] = {DLState::done, DLState::queued, DLState::cancelled, DLState::fetching};
    // The active ones end up at the top of the list, in view.
    std::vector<DownloadItem *> running;
    for (int i = 0; i < itemCount; ++i) {
        const bool isActive = i >= itemCount - activeCount;
        auto *item = new DownloadItem(QStringLiteral("https://example.org/watch?v=%1").arg(i), Quality::best, false);
        item->setTitle(QStringLiteral("A fairly long title of clip number %1 in the queue").arg(i));
        item->setSite(QStringLiteral("Example"));
        item->setUploader(QStringLiteral("Someone"));
        item->setDuration(125);
        if (isActive) {
            item->setState(DLState::downloading);
            running.push_back(item);
        } else {
            const DLState::Kind kind = others[i % 4];
            item->setState(kind);
            if (kind == DLState::done) {
                item->setSize(12.3e6);
                item->setFiles({QStringLiteral("/tmp/clip.mp4")});
            }
        }
        downloader.queue()->items()->prepend(item);
    }

    QQmlApplicationEngine engine;
    QQuickWindow *window = loadMainWindow(engine, shell);
    if (!window)
        return 1;
    window->show();
    window->requestActivate();

    // Frame time: from the start of synchronising to the swap, as the GUI thread sees it
    // with the basic render loop; the span's longest frames decide whether motion stutters.
    std::vector<double> frames;
    QElapsedTimer frameClock;
    bool measuring = false;
    QObject::connect(
        window, &QQuickWindow::beforeSynchronizing, window, [&] { frameClock.start(); }, Qt::DirectConnection);
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [&] {
            if (measuring && frameClock.isValid())
                frames.push_back(double(frameClock.nsecsElapsed()) / 1e6);
        },
        Qt::DirectConnection);

    // Progress lines as yt-dlp prints them, spread evenly over time.
    const double linesPerSecond = parser.value(rate).toDouble() * double(running.size());
    qint64 linesSent = 0;
    QElapsedTimer feedClock;
    // Each running download reads its own output, as its run would.
    std::vector<std::unique_ptr<DownloadRun>> runs;
    for (DownloadItem *item : running)
        runs.push_back(std::make_unique<DownloadRun>(item, RunOutput{RunMarkers(QStringLiteral("T")), QStringLiteral("/"), {}},
                                                     DownloadRun::Reading::before));
    QTimer feed;
    feed.setInterval(4);
    const qint64 total = 500'000'000;
    QObject::connect(&feed, &QTimer::timeout, &app, [&] {
        const qint64 due = qint64(double(feedClock.nsecsElapsed()) / 1e9 * linesPerSecond);
        for (; linesSent < due; ++linesSent) {
            const size_t which = size_t(linesSent) % running.size();
            const qint64 round = linesSent / qint64(running.size());
            const qint64 done = std::min(total, round * 40'000 + qint64(which) * 1000);
            const QString line = QStringLiteral("VIRLOP|T|%1|%2|NA|%3|%4|NA|NA")
                                     .arg(done)
                                     .arg(total)
                                     .arg(2'500'000.0 + double(round % 50) * 1000.0)
                                     .arg((total - done) / 2'500'000);
            runs[which]->handle(line);
        }
    });

    QQuickItem *queue = nullptr;
    QTimer scroller;
    scroller.setInterval(16);
    QObject::connect(&scroller, &QTimer::timeout, &app, [&] {
        if (!queue)
            return;
        const double y = queue->property("contentY").toDouble() + 12;
        const double end = queue->property("contentHeight").toDouble() - queue->height();
        queue->setProperty("contentY", y > end ? 0.0 : y);
    });

    const int spanMs = int(parser.value(seconds).toDouble() * 1000);
    double cpuStart = 0;
    int maxCards = 0;
    QElapsedTimer wall;
    QTimer cardCounter;
    cardCounter.setInterval(500);
    QObject::connect(&cardCounter, &QTimer::timeout, &app, [&] { maxCards = std::max(maxCards, countCards(window->contentItem())); });

    QTimer::singleShot(2000, &app, [&] {
        queue = findItem(window->contentItem(), QStringLiteral("queue"));
        feedClock.start();
        feed.start();
        if (parser.isSet(scroll))
            scroller.start();
        cardCounter.start();
        // A second of settling before the span starts.
        QTimer::singleShot(1000, &app, [&] {
            measuring = true;
            cpuStart = threadCpuSeconds();
            wall.start();
            QTimer::singleShot(spanMs, &app, [&] {
                measuring = false;
                const double elapsed = double(wall.nsecsElapsed()) / 1e9;
                const double cpu = threadCpuSeconds() - cpuStart;
                const char *backend = window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software ? "software" : "opengl";
                std::printf("items=%d active=%zu lines/s=%.0f scroll=%s backend=%s (%s) seconds=%.1f "
                            "gui-thread-cpu=%.1f%% frames=%zu (%.1f/s) frame-ms p50=%.2f p99=%.2f max=%.2f "
                            "cards-built(max)=%d\n",
                            itemCount, running.size(), linesPerSecond, parser.isSet(scroll) ? "yes" : "no", backend,
                            qPrintable(rendering.reason), elapsed, 100.0 * cpu / elapsed, frames.size(), double(frames.size()) / elapsed,
                            percentile(frames, 0.5), percentile(frames, 0.99),
                            frames.empty() ? 0.0 : *std::max_element(frames.begin(), frames.end()), maxCards);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        });
    });
    return app.exec();
}
