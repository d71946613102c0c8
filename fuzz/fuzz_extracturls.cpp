// Free text as people paste it. Every link found is a distinct http or https address
// with a host.
#include "intake/linkextraction.h"

#include <QSet>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList links = extractURLs(text);
    if (QSet<QString>(links.begin(), links.end()).size() != links.size())
        std::abort();
    for (const QString &link : links) {
        const QUrl url(link, QUrl::StrictMode);
        if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty())
            std::abort();
    }
    return 0;
}
