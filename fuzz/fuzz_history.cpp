// A history file in any state. Whatever decodes must survive a save and a load unchanged.
#include "history/historystore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto entries = HistoryStore::decode(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (!entries)
        return 0;
    const auto again = HistoryStore::decode(HistoryStore::encode(*entries));
    if (!again || *again != *entries)
        std::abort();
    return 0;
}
