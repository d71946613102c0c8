// What following many sources costs: the real yt-dlp reads feeds from a local server in
// another process, every source is read once, then every feed grows and every source is
// checked again. Measured: that checks never overlap, that exactly the new entries are
// announced, the CPU time of the service's thread per check and the longest time its
// event loop stood still, and how much the process grows (resident memory before the
// service exists and after both rounds).
//
// Usage: build/bench/bench_following [sources] [entries]      (200 and 500 by default)

#include "base/paths.h"
#include "following/following.h"
#include "httpserver.h"
#include "settings/settings.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <time.h>

namespace {

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QString feedPath(const QString &dir, int source)
{
    return dir + QStringLiteral("/feed-%1.xml").arg(source);
}

// A feed of `count` episodes, newest first, each with a guid of its own.
bool writeFeed(const QString &path, int source, int count, quint16 port)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>Feed " + QByteArray::number(source)
                     + "</title><link>http://127.0.0.1/</link><description>Bench</description>";
    for (int n = count; n >= 1; --n) {
        const QByteArray id = QByteArray::number(source) + '-' + QByteArray::number(n);
        xml += "<item><title>Episode " + id + "</title><guid>ep-" + id + "</guid><enclosure url=\"http://127.0.0.1:"
               + QByteArray::number(port) + "/media/" + id + ".mp4\" type=\"video/mp4\"/></item>";
    }
    xml += "</channel></rss>\n";
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size() && file.commit();
}

// The server process: serves the feeds in `dir` as they are on disk at each request.
int serve(const QString &dir, int sources)
{
    HttpServer server;
    if (!server.listen())
        return 1;
    for (int source = 0; source < sources; ++source)
        server.routeFile(QStringLiteral("/feed-%1.xml").arg(source), feedPath(dir, source), "application/rss+xml");
    std::printf("%d\n", server.url().port());
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--serve") == 0)
        return serve(QFile::decodeName(argv[2]), atoi(argv[3]));
    const int sources = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int entries = argc > 2 ? std::max(2, atoi(argv[2])) : 500;
    constexpr int kGrowth = 2;

    QTemporaryDir root;
    const QString feeds = root.filePath(QStringLiteral("feeds"));
    QDir().mkpath(feeds);
    QProcess server;
    server.setProgram(QCoreApplication::applicationFilePath());
    server.setArguments({QStringLiteral("--serve"), feeds, QString::number(sources)});
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start();
    if (!server.waitForReadyRead(10000))
        return 1;
    const quint16 port = quint16(server.readLine().trimmed().toUInt());
    for (int source = 0; source < sources; ++source)
        writeFeed(feedPath(feeds, source), source, entries, port);

    for (const char *proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
        qunsetenv(proxy);
    Tools::setLocations({root.filePath(QStringLiteral("support")), {QStringLiteral("/usr/bin")}, root.filePath(QStringLiteral("cache"))});
    Settings settings(root.filePath(QStringLiteral("settings.ini")));
    settings.setValue(SettingsKey::folder, root.filePath(QStringLiteral("Downloads")));

    // This thread, which the service runs on as it would on the GUI thread: the CPU time it
    // spends, and the longest time its event loop could not turn, seen by a timer that
    // asks to run every 2 ms. On a machine shared with other work the thread also waits
    // for a core, so the longest stretch between two beats is given twice: as it lasted,
    // and as CPU time this thread spent in it, which is what the service itself costs.
    constexpr qint64 kBeatNs = 2'000'000;
    const auto threadCpuNs = [] {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    };
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QElapsedTimer sinceBeat;
    qint64 cpuAtBeat = 0;
    qint64 longestNs = 0;
    qint64 busiestNs = 0;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 cpu = threadCpuNs();
        longestNs = std::max(longestNs, sinceBeat.nsecsElapsed() - kBeatNs);
        busiestNs = std::max(busiestNs, cpu - cpuAtBeat);
        sinceBeat.start();
        cpuAtBeat = cpu;
    });
    QLoggingCategory::setFilterRules(QStringLiteral("vireloom.following.debug=false"));

    const qint64 before = residentKiB();
    Following::Environment environment = Following::defaultEnvironment();
    environment.file = root.filePath(QStringLiteral("support/following.json"));
    // Every entry of every feed is listed, so each source keeps all of them as seen.
    environment.listingLimit = entries;
    Following following(&settings, environment);

    int running = 0;
    int mostAtOnce = 0;
    int finished = 0;
    qint64 announced = 0;
    int wrongAnnouncements = 0;
    QEventLoop loop;
    int awaited = 0;
    QObject::connect(&following, &Following::checkStarted, [&] { mostAtOnce = std::max(mostAtOnce, ++running); });
    QObject::connect(&following, &Following::checkFinished, [&] {
        --running;
        if (++finished == awaited)
            loop.quit();
    });
    QObject::connect(&following, &Following::newEntries, [&](const FollowedSource &, const QList<FollowEntry> &list) {
        announced += list.size();
        if (list.size() != kGrowth)
            ++wrongAnnouncements;
    });

    const auto round = [&](const char *name, const std::function<void()> &start) {
        finished = 0;
        longestNs = 0;
        busiestNs = 0;
        awaited = sources;
        QElapsedTimer wall;
        wall.start();
        const qint64 cpuBefore = threadCpuNs();
        cpuAtBeat = cpuBefore;
        sinceBeat.start();
        heartbeat.start(std::chrono::milliseconds(kBeatNs / 1'000'000));
        start();
        loop.exec();
        heartbeat.stop();
        const qint64 awakeNs = threadCpuNs() - cpuBefore;
        std::printf("%s: %d checks in %.1f s (%.2f s each); thread CPU %.2f ms per check; longest stall of its event loop "
                    "%.2f ms, of which this thread's CPU time %.2f ms\n",
                    name, sources, wall.elapsed() / 1e3, wall.elapsed() / 1e3 / sources, awakeNs / 1e6 / sources, longestNs / 1e6,
                    busiestNs / 1e6);
        std::fflush(stdout);
        return busiestNs;
    };

    const qint64 firstLongest = round("first reading", [&] {
        for (int source = 0; source < sources; ++source)
            following.add(QStringLiteral("http://127.0.0.1:%1/feed-%2.xml").arg(port).arg(source));
    });
    for (int source = 0; source < sources; ++source)
        writeFeed(feedPath(feeds, source), source, entries + kGrowth, port);
    const qint64 secondLongest = round("grown feeds", [&] { following.checkAll(); });
    following.flush();
    const qint64 after = residentKiB();

    int failed = 0;
    for (const FollowedSource &source : following.sources())
        failed += source.problem.isFailure() ? 1 : 0;
    std::printf("sources %d, entries per feed %d, failed checks %d\n", sources, entries, failed);
    std::printf("checks at once, most: %d\n", mostAtOnce);
    std::printf("announced after growing: %lld (expected %d), checks announcing other than %d: %d\n", announced, sources * kGrowth, kGrowth,
                wrongAnnouncements);
    std::printf("resident memory: %.1f MB before the service, %.1f MB after, growth %.1f MB\n", before / 1024.0, after / 1024.0,
                (after - before) / 1024.0);
    std::printf("following file: %.1f MB\n", QFileInfo(environment.file).size() / 1e6);

    server.kill();
    server.waitForFinished();
    const bool ok = failed == 0 && mostAtOnce == 1 && announced == qint64(sources) * kGrowth && wrongAnnouncements == 0
                    && std::max(firstLongest, secondLongest) < 50'000'000 && after - before < 20 * 1024;
    std::printf("%s\n", ok ? "within bounds" : "OUT OF BOUNDS");
    return ok ? 0 : 1;
}
