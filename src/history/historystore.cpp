#include "historystore.h"

#include "base/format.h"
#include "base/storedfile.h"
#include "history/logging.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const QLatin1StringView kId("id");
const QLatin1StringView kTitle("title");
const QLatin1StringView kUrl("url");
const QLatin1StringView kFile("file");
const QLatin1StringView kSite("site");
const QLatin1StringView kQuality("quality");
const QLatin1StringView kDate("date");
const QLatin1StringView kThumbnail("thumbnail");
const QLatin1StringView kBytes("bytes");

bool isDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Exactly "YYYY-MM-DDTHH:MM:SSZ": fractions, offsets and other ISO spellings are refused.
std::optional<QDateTime> parseDate(QStringView text)
{
    if (text.size() != 20 || text[4] != u'-' || text[7] != u'-' || text[10] != u'T' || text[13] != u':' || text[16] != u':'
        || text[19] != u'Z')
        return std::nullopt;
    if (!isDigits(text.sliced(0, 4)) || !isDigits(text.sliced(5, 2)) || !isDigits(text.sliced(8, 2)) || !isDigits(text.sliced(11, 2))
        || !isDigits(text.sliced(14, 2)) || !isDigits(text.sliced(17, 2)))
        return std::nullopt;
    const QDate date(text.sliced(0, 4).toInt(), text.sliced(5, 2).toInt(), text.sliced(8, 2).toInt());
    const QTime time(text.sliced(11, 2).toInt(), text.sliced(14, 2).toInt(), text.sliced(17, 2).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

QString formatDate(const QDateTime &date)
{
    return date.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

// The canonical 36-character form, hyphens in place; letter case is not significant.
std::optional<QUuid> parseId(const QString &text)
{
    if (text.size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != u"00000000-0000-0000-0000-000000000000")
        return std::nullopt;
    return id;
}

struct Reader
{
    const QJsonObject &object;
    bool ok = true;

    QString required(QLatin1StringView key)
    {
        const QJsonValue value = object.value(key);
        if (!value.isString()) {
            ok = false;
            return {};
        }
        return value.toString();
    }

    // Missing and null both mean absent; any other type spoils the file.
    std::optional<QString> optionalText(QLatin1StringView key)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        if (!value.isString()) {
            ok = false;
            return std::nullopt;
        }
        return value.toString();
    }

    std::optional<qint64> optionalWhole(QLatin1StringView key)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        const double number = value.toDouble(std::nan(""));
        // Beyond 2^63 a double no longer names one whole number of bytes.
        if (!value.isDouble() || !std::isfinite(number) || number != std::trunc(number) || std::abs(number) >= 9.2e18) {
            ok = false;
            return std::nullopt;
        }
        return value.toInteger(static_cast<qint64>(number));
    }
};

std::optional<HistoryEntry> decodeEntry(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    Reader read{object};
    HistoryEntry entry;
    const auto id = parseId(read.required(kId));
    // A file written before titles were capped may hold one of any length.
    entry.title = Tools::cappedTitle(read.required(kTitle));
    entry.url = read.required(kUrl);
    entry.file = read.optionalText(kFile);
    entry.site = Tools::cappedTitle(read.required(kSite));
    entry.quality = read.required(kQuality);
    const auto date = parseDate(read.required(kDate));
    entry.thumbnail = read.optionalText(kThumbnail);
    entry.bytes = read.optionalWhole(kBytes);
    if (!read.ok || !id || !date)
        return std::nullopt;
    entry.id = *id;
    entry.date = *date;
    return entry;
}

// JSON text in UTF-8. A lone surrogate, which only a hand-edited file can bring in, is
// written as an escape so that it survives the round trip instead of turning into U+FFFD.
void appendString(QByteArray &out, QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    qsizetype plain = 0; // start of the characters not yet written
    const auto writePlain = [&](qsizetype end) {
        if (end > plain)
            out += text.sliced(plain, end - plain).toUtf8();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            continue;
        }
        const bool lone = QChar::isSurrogate(c);
        if (c >= 0x20 && c != u'"' && c != u'\\' && !lone)
            continue;
        writePlain(i);
        plain = i + 1;
        switch (c) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            out += "\\u";
            out += hex[(c >> 12) & 0xf];
            out += hex[(c >> 8) & 0xf];
            out += hex[(c >> 4) & 0xf];
            out += hex[c & 0xf];
        }
    }
    writePlain(text.size());
    out += '"';
}

void appendMember(QByteArray &out, QLatin1StringView key, const QString &value, bool first = false)
{
    if (!first)
        out += ',';
    out += '"';
    out += key;
    out += "\":";
    appendString(out, value);
}

} // namespace

namespace HistoryStore {

std::optional<QList<HistoryEntry>> decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray array = document.array();
    QList<HistoryEntry> entries;
    entries.reserve(array.size());
    for (const QJsonValue &value : array) {
        auto entry = decodeEntry(value);
        if (!entry)
            return std::nullopt;
        entries.append(std::move(*entry));
    }
    return entries;
}

// Written by hand rather than through QJsonObject: building a document of a thousand
// objects costs several times what the file write itself does.
QByteArray encode(const QList<HistoryEntry> &entries)
{
    QByteArray out;
    out.reserve(entries.size() * 384 + 2);
    out += '[';
    for (const HistoryEntry &entry : entries) {
        if (out.size() > 1)
            out += ',';
        out += '{';
        appendMember(out, kId, entry.id.toString(QUuid::WithoutBraces).toUpper(), true);
        appendMember(out, kTitle, entry.title);
        appendMember(out, kUrl, entry.url);
        if (entry.file)
            appendMember(out, kFile, *entry.file);
        appendMember(out, kSite, entry.site);
        appendMember(out, kQuality, entry.quality);
        appendMember(out, kDate, formatDate(entry.date));
        if (entry.thumbnail)
            appendMember(out, kThumbnail, *entry.thumbnail);
        if (entry.bytes) {
            out += ",\"";
            out += kBytes;
            out += "\":";
            out += QByteArray::number(*entry.bytes);
        }
        out += '}';
    }
    out += ']';
    return out;
}

void backFillSizes(QList<HistoryEntry> &entries)
{
    for (HistoryEntry &entry : entries) {
        if (entry.bytes || !entry.file)
            continue;
        const QFileInfo info(*entry.file);
        if (info.isFile())
            entry.bytes = info.size();
    }
}

Loaded load(const QString &path)
{
    Loaded loaded = StoredFile::load<HistoryEntry>(path, decode, lcHistory(), "history file");
    backFillSizes(loaded.entries);
    return loaded;
}

bool save(const QString &path, const QList<HistoryEntry> &entries)
{
    return StoredFile::save(path, encode(entries), lcHistory(), "history file");
}

} // namespace HistoryStore
