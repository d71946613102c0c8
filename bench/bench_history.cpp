// Loading and saving a full history of 1000 entries, as a start and a finished
// download do.
#include "history/historystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 200;

    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("history.json"));
    QList<HistoryEntry> entries;
    for (int n = 0; n < 1000; ++n) {
        HistoryEntry entry;
        entry.id = QUuid::createUuid();
        entry.title = QStringLiteral("A video with a title of ordinary length, number %1").arg(n);
        entry.url = QStringLiteral("https://www.youtube.com/watch?v=%1").arg(n, 11, 10, QLatin1Char('x'));
        entry.site = QStringLiteral("Youtube");
        entry.quality = QStringLiteral("1080p");
        entry.date = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addSecs(n * 3600);
        entry.thumbnail = QStringLiteral("https://i.ytimg.com/vi/%1/maxresdefault.jpg").arg(n);
        // A tenth lack a size, as files written before sizes were kept; half of those
        // files still exist, so the load measures them.
        entry.file = scratch.filePath(QStringLiteral("video %1.mp4").arg(n));
        if (n % 10 == 0) {
            if (n % 20 == 0) {
                QFile file(*entry.file);
                file.open(QIODevice::WriteOnly);
                file.write(QByteArray(n, 'x'));
            }
        } else {
            entry.bytes = 100'000'000LL + n;
        }
        entries.append(entry);
    }
    if (!HistoryStore::save(path, entries))
        return 1;

    std::vector<double> loads, saves, both;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        const HistoryStore::Loaded loaded = HistoryStore::load(path);
        const double load = clock.nsecsElapsed() / 1e6;
        clock.restart();
        if (loaded.entries.size() != 1000 || !HistoryStore::save(path, loaded.entries))
            return 1;
        const double save = clock.nsecsElapsed() / 1e6;
        loads.push_back(load);
        saves.push_back(save);
        both.push_back(load + save);
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const auto worst = [](const std::vector<double> &values) { return *std::max_element(values.begin(), values.end()); };
    std::printf("history of 1000 entries, %lld bytes, %d rounds\n", static_cast<long long>(QFile(path).size()), rounds);
    std::printf("load:         median %.2f ms, worst %.2f ms\n", median(loads), worst(loads));
    std::printf("save:         median %.2f ms, worst %.2f ms\n", median(saves), worst(saves));
    std::printf("load + save:  median %.2f ms, worst %.2f ms\n", median(both), worst(both));
    return 0;
}
