#include "urlscheme.h"

#include <QStringDecoder>
#include <QUrl>

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
