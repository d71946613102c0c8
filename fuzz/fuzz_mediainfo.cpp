// The probe's JSON as yt-dlp, or anything else, may print it.
#include "model/mediainfo.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto info = MediaInfo::parse(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (info && !info->isPlaylist && info->count)
        std::abort();
    if (info && info->thumbnail && !info->thumbnail->isValid())
        std::abort();
    return 0;
}
