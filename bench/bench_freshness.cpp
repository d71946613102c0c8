// What one look at yt-dlp's latest release costs the thread that asks: the time its event
// loop spends awake, from start() to the answer, with the server on a thread of its own.
// Usage: build/bench/bench_freshness [rounds]

#include "httpserver.h"
#include "installer/releasecheck.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    QThread serverThread;
    serverThread.start();
    std::unique_ptr<HttpServer> server;
    QUrl latest;
    QObject onServerThread;
    onServerThread.moveToThread(&serverThread);
    QMetaObject::invokeMethod(
        &onServerThread,
        [&] {
            server = std::make_unique<HttpServer>();
            server->listen();
            server->redirect(QStringLiteral("/latest"), QStringLiteral("/releases/download/2099.01.01/yt-dlp_linux"));
            latest = server->url(QStringLiteral("/latest"));
        },
        Qt::BlockingQueuedConnection);

    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QElapsedTimer slice;
    qint64 awakeNs = 0;
    qint64 longestNs = 0;
    bool counting = false;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] {
        if (counting)
            slice.start();
    });
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
        if (!counting || !slice.isValid())
            return;
        const qint64 ns = slice.nsecsElapsed();
        awakeNs += ns;
        longestNs = std::max(longestNs, ns);
        slice.invalidate();
    });

    ReleaseCheck check;
    QEventLoop loop;
    int answered = 0;
    QObject::connect(&check, &ReleaseCheck::resolved, &loop, [&] {
        ++answered;
        loop.quit();
    });
    QObject::connect(&check, &ReleaseCheck::failed, &loop, &QEventLoop::quit);

    QElapsedTimer wall;
    qint64 wallNs = 0;
    for (int round = 0; round <= rounds; ++round) {
        // The first round warms up the network stack and is not counted.
        counting = round > 0;
        wall.start();
        slice.start();
        check.start(latest);
        loop.exec();
        if (slice.isValid()) {
            awakeNs += counting ? slice.nsecsElapsed() : 0;
            slice.invalidate();
        }
        if (counting)
            wallNs += wall.nsecsElapsed();
        if (!counting) {
            awakeNs = 0;
            longestNs = 0;
            answered = 0;
        }
    }

    std::printf("%d checks answered of %d\n", answered, rounds);
    std::printf("asking thread awake per check: %.3f ms (longest single slice %.3f ms)\n", awakeNs / 1e6 / rounds, longestNs / 1e6);
    std::printf("wall time per check: %.3f ms\n", wallNs / 1e6 / rounds);

    QMetaObject::invokeMethod(
        &onServerThread, [&] { server.reset(); }, Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
    return answered == rounds ? 0 : 1;
}
