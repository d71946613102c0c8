#include "urlscheme.h"

#include <QStringDecoder>
#include <QUrl>

#include <algorithm>
#include <arpa/inet.h>
#include <array>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct QueryItem
{
    QString name;
    std::optional<QString> value; // absent for an item written without "="
};

QList<QueryItem> queryItems(const QString &query)
{
    QList<QueryItem> items;
    for (QStringView piece : QStringView(query).split(u'&')) {
        const qsizetype equals = piece.indexOf(u'=');
        QueryItem item;
        const QStringView name = equals < 0 ? piece : piece.first(equals);
        item.name = percentDecoded(name).value_or(name.toString());
        if (equals >= 0) {
            const QStringView value = piece.sliced(equals + 1);
            item.value = percentDecoded(value).value_or(value.toString());
        }
        items.append(item);
    }
    return items;
}

const QueryItem *firstNamed(const QList<QueryItem> &items, QStringView name)
{
    for (const QueryItem &item : items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

} // namespace

std::optional<QString> percentDecoded(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray bytes;
    bytes.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '%') {
            bytes.append(utf8[i]);
            continue;
        }
        if (i + 2 >= utf8.size())
            return std::nullopt;
        const int high = hexValue(utf8[i + 1]);
        const int low = hexValue(utf8[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return decoded;
}

SchemeRequest parseSchemeURL(QStringView raw)
{
    const QUrl url(raw.toString(), QUrl::StrictMode);
    if (url.isValid() && url.hasQuery()) {
        const QList<QueryItem> items = queryItems(url.query(QUrl::FullyEncoded));
        const QueryItem *link = firstNamed(items, u"url");
        if (link && link->value) {
            SchemeRequest request;
            request.structured = true;
            request.text = *link->value;
            if (const QueryItem *quality = firstNamed(items, u"quality"); quality && quality->value)
                request.quality = Quality::fromId(*quality->value);
            const QueryItem *playlist = firstNamed(items, u"playlist");
            request.playlist = playlist && playlist->value == u"1";
            return request;
        }
    }

    // The first nine characters are "vireloom:" in every address the system routes here.
    QStringView rest = raw.size() > 9 ? raw.sliced(9) : QStringView();
    while (rest.startsWith(u'/'))
        rest = rest.sliced(1);
    SchemeRequest request;
    request.text = percentDecoded(rest).value_or(rest.toString());
    return request;
}

bool isLocalNetworkAddress(const QHostAddress &address)
{
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    if (mapped) {
        struct Range
        {
            quint32 network;
            int bits;
        };
        static constexpr std::array<Range, 8> local{{
            {0x00000000, 8}, // "this network", 0.0.0.0 reaches the machine itself
            {0x0a000000, 8}, // 10/8
            {0x64400000, 10}, // 100.64/10, shared by carriers
            {0x7f000000, 8}, // loopback
            {0xa9fe0000, 16}, // link-local
            {0xac100000, 12}, // 172.16/12
            {0xc0a80000, 16}, // 192.168/16
            {0xffffffff, 32}, // broadcast
        }};
        return std::any_of(local.begin(), local.end(), [v4](const Range &range) {
            const quint32 mask = ~quint32(0) << (32 - range.bits);
            return (v4 & mask) == range.network;
        });
    }
    if (address.protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    const bool unspecified = std::all_of(std::begin(bytes.c), std::end(bytes.c), [](quint8 b) { return b == 0; });
    return unspecified || address.isLoopback() || address.isLinkLocal() || address.isSiteLocal() || address.isUniqueLocalUnicast();
}

bool isLocalNetworkHost(const QString &host)
{
    QString name = host.toLower();
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.sliced(1, name.size() - 2);
    while (name.endsWith(u'.'))
        name.chop(1);
    if (name.isEmpty())
        return true;
    if (const QHostAddress address(name); !address.isNull())
        return isLocalNetworkAddress(address);
    // The resolver also reads shorthand and hexadecimal forms such as 127.1 or 0x7f.1.
    if (in_addr parsed{}; ::inet_aton(name.toLatin1().constData(), &parsed) != 0)
        return isLocalNetworkAddress(QHostAddress(ntohl(parsed.s_addr)));
    // A name without a dot is looked up in the local network's own domain.
    if (!name.contains(u'.'))
        return true;
    static const QStringList localSuffixes{QStringLiteral(".localhost"),    QStringLiteral(".local"),   QStringLiteral(".localdomain"),
                                           QStringLiteral(".lan"),          QStringLiteral(".home"),    QStringLiteral(".internal"),
                                           QStringLiteral(".intranet"),     QStringLiteral(".corp"),    QStringLiteral(".home.arpa"),
                                           QStringLiteral(".in-addr.arpa"), QStringLiteral(".ip6.arpa")};
    return std::any_of(localSuffixes.begin(), localSuffixes.end(), [&name](const QString &suffix) { return name.endsWith(suffix); });
}

bool resolvesNowhere(const QString &host)
{
    return host.toLower().endsWith(QLatin1StringView(".invalid"));
}

HostReach reachWithoutLookup(const QString &host, bool proxyResolves)
{
    if (isLocalNetworkHost(host) || resolvesNowhere(host))
        return HostReach::localNetwork;
    if (!QHostAddress(host).isNull() || proxyResolves)
        return HostReach::internet;
    return HostReach::lookUp;
}

bool answerReachesLocalNetwork(const QList<QHostAddress> &addresses)
{
    return addresses.isEmpty() || std::any_of(addresses.begin(), addresses.end(), isLocalNetworkAddress);
}
