// One million progress lines of one download through the line reader and a run's line
// handling, read in pipe-sized chunks, as a run delivers them.
#include "allocationcounter.h"
#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "engine/downloadrun.h"
#include "engine/linereader.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 lines = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1'000'000;

    QTemporaryDir scratch;
    // No engine: the item fails at once and stays in the list, which is all a run's lines need.
    Tools::setLocations({scratch.filePath(QStringLiteral("support")), {}, scratch.filePath(QStringLiteral("cache"))});
    Settings settings(scratch.filePath(QStringLiteral("settings.ini")));
    Downloader downloader(&settings);
    downloader.queue()->add(QStringLiteral("https://example.com/watch?v=1"));
    DownloadItem *item = downloader.queue()->items()->at(0);

    // Downloaded bytes, speed and remaining time change on every line, the worst case: in a
    // real run the remaining time changes about once a second.
    QByteArray output;
    output.reserve(lines * 64);
    const qint64 total = 734'003'200;
    for (qint64 n = 0; n < lines; ++n) {
        const qint64 done = total * n / lines;
        output += "VIRLOP|T|" + QByteArray::number(done) + '|' + QByteArray::number(total) + "|NA|"
                  + QByteArray::number(5'000'000.0 + (n % 977) * 1013.25, 'f', 6) + '|' + QByteArray::number(3600 - n % 3600) + "|NA|NA\n";
    }

    DownloadRun run(item, RunOutput{RunMarkers(QStringLiteral("T")), scratch.path(), {}}, DownloadRun::Reading::before);
    LineReader reader([&run](QStringView line) { run.handle(line); });
    constexpr qsizetype kChunk = 4096;
    QElapsedTimer clock;
    AllocationCounter::start();
    clock.start();
    for (qsizetype at = 0; at < output.size(); at += kChunk)
        reader.feed(QByteArrayView(output).sliced(at, std::min(kChunk, output.size() - at)));
    reader.flush();
    const qint64 elapsed = clock.nsecsElapsed();
    const std::uint64_t allocations = AllocationCounter::stop();

    std::printf("progress lines:        %lld (%.1f MB of output, %lld-byte reads)\n", static_cast<long long>(lines), output.size() / 1e6,
                static_cast<long long>(kChunk));
    std::printf("time per line:         %.0f ns\n", double(elapsed) / lines);
    std::printf("allocations per line:  %.2f\n", double(allocations) / lines);
    std::printf("final state:           %s, progress %.4f, %.0f bytes, %.0f bytes/s, eta %.0f s\n", qPrintable(item->stateName()),
                item->progress(), item->size().value_or(-1), item->speed().value_or(-1), item->eta().value_or(-1));
    return item->progress() > 0.99 ? 0 : 1;
}
