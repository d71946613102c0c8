// Engine output, cut into reads at places the input chooses, through the line reader
// into one item.
#include "engine/linereader.h"
#include "engine/progress.h"
#include "model/downloaditem.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first byte chooses the kind of item and the size of the reads.
    const bool playlist = data[0] & 1;
    const std::size_t chunk = 1 + (data[0] >> 1);
    DownloadItem item(QStringLiteral("https://example.com/v"), Quality::best, playlist);
    // The seeds carry the captured runs' token; the folder takes any file.
    RunOutput run{RunMarkers(QStringLiteral("5f3c9a0e7b214d6c8e1f2a3b4c5d6e7f")), QStringLiteral("/"), {}};
    LineReader reader([&item, &run](QStringView line) { applyOutputLine(item, line, run); });
    for (std::size_t at = 1; at < size; at += chunk)
        reader.feed(QByteArrayView(reinterpret_cast<const char *>(data) + at, static_cast<qsizetype>(std::min(chunk, size - at))));
    reader.flush();

    if (item.progress() < 0.0 || item.progress() > 1.0 || item.log().size() > kLogLimit + 1)
        std::abort();
    return 0;
}
