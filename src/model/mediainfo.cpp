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

std::optional<double> numberOf(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble() || !std::isfinite(value.toDouble()) || value.toDouble() < 0)
        return std::nullopt;
    return value.toDouble();
}

std::optional<double> sizeOf(const QJsonObject &object, std::optional<double> duration)
{
    if (auto bytes = numberOf(object, QLatin1StringView("filesize")))
        return bytes;
    if (auto bytes = numberOf(object, QLatin1StringView("filesize_approx")))
        return bytes;
    // "tbr" is in kilobits per second.
    if (auto bitrate = numberOf(object, QLatin1StringView("tbr")); bitrate && duration)
        return *bitrate * 125 * *duration;
    return std::nullopt;
}

MediaFormat formatOf(const QJsonObject &object, std::optional<double> duration)
{
    MediaFormat format;
    format.height = wholeNumberOf(object.value(QLatin1StringView("height")));
    format.bytes = sizeOf(object, duration);
    // A format that names neither codec is a plain file with both, as direct links are.
    const auto vcodec = stringOf(object, QLatin1StringView("vcodec"));
    const auto acodec = stringOf(object, QLatin1StringView("acodec"));
    format.video = vcodec ? *vcodec != QLatin1StringView("none") : (format.height || !acodec);
    format.audio = acodec ? *acodec != QLatin1StringView("none") : !vcodec;
    return format;
}

PlaylistEntry entryOf(const QJsonObject &object, int position)
{
    PlaylistEntry entry;
    entry.position = position;
    entry.title = stringOf(object, QLatin1StringView("title"));
    entry.duration = numberOf(object, QLatin1StringView("duration"));
    entry.bytes = sizeOf(object, entry.duration);
    const QJsonArray formats = object.value(QLatin1StringView("formats")).toArray();
    for (const QJsonValue &format : formats) {
        if (format.isObject())
            entry.formats.push_back(formatOf(format.toObject(), entry.duration));
    }
    return entry;
}

} // namespace

std::optional<double> estimatedBytes(const PlaylistEntry &entry, std::optional<int> maxHeight, bool audioOnly)
{
    if (entry.formats.empty())
        return entry.bytes;
    const MediaFormat *video = nullptr;
    const MediaFormat *audio = nullptr;
    for (const MediaFormat &format : entry.formats) {
        if (!format.bytes)
            continue;
        if (format.audio && !format.video && (!audio || *format.bytes > *audio->bytes))
            audio = &format;
        if (!format.video || (maxHeight && format.height.value_or(0) > *maxHeight))
            continue;
        const auto rank = [](const MediaFormat &f) { return std::pair(f.height.value_or(0), *f.bytes); };
        if (!video || rank(format) > rank(*video))
            video = &format;
    }
    if (audioOnly) {
        if (audio)
            return audio->bytes;
        return video && video->audio ? video->bytes : std::nullopt;
    }
    if (video)
        return *video->bytes + (video->audio || !audio ? 0.0 : *audio->bytes);
    return audio ? audio->bytes : std::nullopt;
}

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
    return fromObject(document.object());
}

MediaInfo MediaInfo::fromObject(const QJsonObject &d)
{
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
        // An entry that failed stays in the list as null, so positions count every slot.
        const QJsonArray list = d.value(QLatin1StringView("entries")).toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (list.at(i).isNull())
                info.unavailable.push_back(int(i + 1));
            if (!list.at(i).isObject())
                continue;
            const QJsonObject entry = list.at(i).toObject();
            const int position = wholeNumberOf(entry.value(QLatin1StringView("playlist_index"))).value_or(int(i + 1));
            info.entries.push_back(entryOf(entry, position));
        }
        if (!info.thumbnail && entries && !entries->isEmpty())
            info.thumbnail = bestThumb(entries->first().toObject());
    } else if (const QJsonValue requested = d.value(QLatin1StringView("requested_formats")); requested.isArray()) {
        info.chosenParts = static_cast<int>(std::clamp<qsizetype>(requested.toArray().size(), 1, 8));
        double total = 0;
        bool known = !requested.toArray().isEmpty();
        for (const QJsonValue &format : requested.toArray()) {
            const auto bytes = format.isObject() ? sizeOf(format.toObject(), info.duration) : std::nullopt;
            known = known && bytes;
            total += bytes.value_or(0);
        }
        if (known)
            info.chosenBytes = total;
    } else {
        info.chosenBytes = sizeOf(d, info.duration);
    }
    return info;
}
