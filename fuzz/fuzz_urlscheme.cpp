// Addresses handed to the application from outside, down to the links they add.
#include "intake/linkextraction.h"
#include "intake/urlscheme.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString raw = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const SchemeRequest request = parseSchemeURL(raw);
    extractURLs(request.text);
    return 0;
}
