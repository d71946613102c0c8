#include "mediainfo.h"

#include "model/downloadoptions.h"

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

    if (d.value(QLatin1StringView("_type")) != QLatin1StringView("playlist"))
        info.choices = MediaChoices::fromObject(d);
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

namespace {

// A codec the engine names, "none" (the stream is absent) as empty.
QString codecOf(const QJsonObject &format, QLatin1StringView key)
{
    const QString codec = stringOf(format, key).value_or(QString());
    return codec == u"none" ? QString() : codec;
}

// The languages a subtitle map ("subtitles", "automatic_captions") has, as codes.
QStringList subtitleLanguages(const QJsonValue &map)
{
    QStringList languages;
    const QJsonObject object = map.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (OptionCheck::isLanguageCode(it.key()) && it.value().isArray() && !it.value().toArray().isEmpty())
            languages << it.key();
    }
    return languages;
}

} // namespace

MediaChoices MediaChoices::fromObject(const QJsonObject &video)
{
    MediaChoices choices;
    const std::optional<double> duration = numberOf(video, QLatin1StringView("duration"));
    for (const QJsonValue &value : video.value(QLatin1StringView("formats")).toArray()) {
        const QJsonObject format = value.toObject();
        FormatOffer offer;
        offer.id = stringOf(format, QLatin1StringView("format_id")).value_or(QString());
        // Only an id the selector takes as it is can be asked for.
        if (!OptionCheck::isFormatId(offer.id))
            continue;
        offer.ext = stringOf(format, QLatin1StringView("ext")).value_or(QString());
        offer.width = wholeNumberOf(format.value(QLatin1StringView("width")));
        offer.height = wholeNumberOf(format.value(QLatin1StringView("height")));
        offer.fps = numberOf(format, QLatin1StringView("fps"));
        offer.vcodec = codecOf(format, QLatin1StringView("vcodec"));
        offer.acodec = codecOf(format, QLatin1StringView("acodec"));
        const MediaFormat carries = formatOf(format, duration);
        offer.video = carries.video;
        // An HLS audio rendition names no audio codec, only that it has no video.
        offer.audio = carries.audio
                      || (stringOf(format, QLatin1StringView("vcodec")) == u"none" && !format.value(QLatin1StringView("acodec")).isString());
        offer.bytes = carries.bytes;
        const QString language = stringOf(format, QLatin1StringView("language")).value_or(QString());
        offer.language = OptionCheck::isLanguageCode(language) ? language : QString();
        // Storyboards and the like are pictures, not media.
        if (!offer.video && !offer.audio)
            continue;
        if (offer.audio && !offer.video && !offer.language.isEmpty()) {
            const QString note = stringOf(format, QLatin1StringView("format_note")).value_or(QString());
            const bool original = note.contains(QLatin1StringView("original"), Qt::CaseInsensitive)
                                  || numberOf(format, QLatin1StringView("language_preference")).value_or(-1) >= 10;
            auto known = std::find_if(choices.audioTracks.begin(), choices.audioTracks.end(),
                                      [&offer](const AudioTrack &track) { return track.language == offer.language; });
            if (known == choices.audioTracks.end())
                choices.audioTracks.push_back({offer.language, original});
            else
                known->original = known->original || original;
        }
        choices.formats.push_back(offer);
    }
    choices.subtitles = subtitleLanguages(video.value(QLatin1StringView("subtitles")));
    choices.automaticSubtitles = subtitleLanguages(video.value(QLatin1StringView("automatic_captions")));
    return choices;
}
