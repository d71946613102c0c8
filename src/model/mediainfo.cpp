#include "mediainfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::optional<QString> stringOf(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

std::optional<QUrl> urlOf(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return std::nullopt;
    return url;
}

// JSON numbers all arrive as doubles; a count must be a whole number that fits.
std::optional<int> wholeNumberOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::trunc(number) || number < std::numeric_limits<int>::min()
        || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace

std::optional<QUrl> bestThumb(const QJsonObject &dict)
{
    if (const auto thumbnail = stringOf(dict, QLatin1StringView("thumbnail"))) {
        if (auto url = urlOf(*thumbnail))
            return url;
    }
    const QJsonValue thumbnails = dict.value(QLatin1StringView("thumbnails"));
    if (!thumbnails.isArray())
        return std::nullopt;
    const QJsonArray list = thumbnails.toArray();
    if (list.isEmpty() || !std::all_of(list.begin(), list.end(), [](const QJsonValue &v) { return v.isObject(); }))
        return std::nullopt;
    const auto url = stringOf(list.last().toObject(), QLatin1StringView("url"));
    return url ? urlOf(*url) : std::nullopt;
}

std::optional<MediaInfo> MediaInfo::parse(QByteArrayView json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject d = document.object();

    MediaInfo info;
    info.title = stringOf(d, QLatin1StringView("title"));
    if (const QJsonValue duration = d.value(QLatin1StringView("duration")); duration.isDouble())
        info.duration = duration.toDouble();
    info.uploader = stringOf(d, QLatin1StringView("uploader"));
    if (!info.uploader)
        info.uploader = stringOf(d, QLatin1StringView("channel"));
    info.site = stringOf(d, QLatin1StringView("extractor_key"));
    if (!info.site)
        info.site = stringOf(d, QLatin1StringView("extractor"));
    info.thumbnail = bestThumb(d);

    if (d.value(QLatin1StringView("_type")) == QLatin1StringView("playlist")) {
        info.isPlaylist = true;
        std::optional<QJsonArray> entries;
        if (const QJsonValue value = d.value(QLatin1StringView("entries")); value.isArray()) {
            const QJsonArray list = value.toArray();
            if (std::all_of(list.begin(), list.end(), [](const QJsonValue &v) { return v.isObject(); }))
                entries = list;
        }
        info.count = wholeNumberOf(d.value(QLatin1StringView("playlist_count")));
        if (!info.count && entries)
            info.count = static_cast<int>(std::min<qsizetype>(entries->size(), std::numeric_limits<int>::max()));
        if (!info.thumbnail && entries && !entries->isEmpty())
            info.thumbnail = bestThumb(entries->first().toObject());
    }
    return info;
}
