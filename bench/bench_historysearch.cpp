// Typing into the history page's search over a full history of 1000 entries: the time
// the filter takes to bring the list up to date after each keystroke.
#include "history/historylist.h"
#include "ui/historyview.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 50;

    QList<HistoryEntry> entries;
    for (int n = 0; n < int(HistoryList::kCapacity); ++n) {
        HistoryEntry entry;
        entry.id = QUuid::createUuid();
        entry.title = QStringLiteral("A video with a title of ordinary length, number %1").arg(n);
        entry.url = QStringLiteral("https://www.youtube.com/watch?v=%1").arg(n, 11, 10, QLatin1Char('x'));
        entry.site = n % 3 ? QStringLiteral("Youtube") : QStringLiteral("Vimeo");
        entry.quality = QStringLiteral("1080p");
        entry.date = QDateTime::currentDateTimeUtc().addSecs(-n * 3600);
        entries << entry;
    }
    HistoryList list;
    list.assign(entries);
    HistoryFilter filter;
    filter.setSourceModel(&list);

    // Typed one character at a time, then erased again, as a person corrects a search.
    const QString typed = QStringLiteral("Ordinary LENGTH, number 99");
    std::vector<double> perKey;
    int shown = 0;
    for (int round = 0; round < rounds; ++round) {
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            QElapsedTimer timer;
            timer.start();
            filter.setSearch(typed.left(n));
            shown = filter.rowCount();
            perKey.push_back(timer.nsecsElapsed() / 1e6);
        }
        for (qsizetype n = typed.size() - 1; n >= 0; --n) {
            QElapsedTimer timer;
            timer.start();
            filter.setSearch(typed.left(n));
            shown = filter.rowCount();
            perKey.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(perKey.begin(), perKey.end());
    const auto at = [&](double q) { return perKey[std::min(perKey.size() - 1, size_t(q * perKey.size()))]; };
    std::printf("history search over %lld entries, %zu keystrokes: median %.3f ms, p95 %.3f ms, max %.3f ms "
                "(last search shows %d rows)\n",
                qlonglong(list.count()), perKey.size(), at(0.5), at(0.95), perKey.back(), shown);
    return 0;
}
