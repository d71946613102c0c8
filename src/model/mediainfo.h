#pragma once

#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <vector>

// One way a site offers an entry, as far as sizing it goes.
struct MediaFormat
{
    std::optional<int> height;
    std::optional<double> bytes; // the reported size, else bitrate x duration
    bool video = false;
    bool audio = false;

    friend bool operator==(const MediaFormat &, const MediaFormat &) = default;
};

// One entry of a playlist, at its 1-based position (what "--playlist-items" counts).
struct PlaylistEntry
{
    int position = 0;
    std::optional<QString> title;
    std::optional<double> duration;
    std::optional<double> bytes; // the entry's own size, for listings without formats
    std::vector<MediaFormat> formats;

    friend bool operator==(const PlaylistEntry &, const PlaylistEntry &) = default;
};

// About how many bytes `entry` takes when the video is at most `maxHeight` tall (no cap
// when absent), or audio only: the tallest sized video under the cap plus the largest
// audio when the video has none, as yt-dlp's default choice goes. Absent when nothing
// the site reported gives a size.
std::optional<double> estimatedBytes(const PlaylistEntry &entry, std::optional<int> maxHeight, bool audioOnly);

// One audio track a video offers, by its language.
struct AudioTrack
{
    QString language; // a code, checked as OptionCheck::isLanguageCode
    bool original = false; // the site calls it the original, not a dub
    friend bool operator==(const AudioTrack &, const AudioTrack &) = default;
};

// One format a video is offered in, as the format picker lists it.
struct FormatOffer
{
    QString id; // checked as OptionCheck::isFormatId
    QString ext;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<double> fps;
    QString vcodec; // as the site names it; empty when it names none
    QString acodec;
    std::optional<double> bytes;
    QString language;
    // What it carries: a format naming neither codec is a plain file with both.
    bool video = false;
    bool audio = false;
    friend bool operator==(const FormatOffer &, const FormatOffer &) = default;
};

// What a single video lets the user choose: its audio tracks (one per language, in the
// order the site lists them), its subtitle languages, written and made automatically,
// and every format it is offered in.
struct MediaChoices
{
    std::vector<AudioTrack> audioTracks;
    QStringList subtitles;
    QStringList automaticSubtitles;
    std::vector<FormatOffer> formats;

    static MediaChoices fromObject(const QJsonObject &video);
    friend bool operator==(const MediaChoices &, const MediaChoices &) = default;
};

// What a metadata probe learned about a link. Every field is optional because sites
// report very different subsets of them.
struct MediaInfo
{
    std::optional<QString> title;
    std::optional<QUrl> thumbnail;
    std::optional<double> duration;
    std::optional<QString> uploader;
    std::optional<QString> site;
    bool isPlaylist = false;
    std::optional<int> count;
    // Filled when the probe resolved the entries; a flat listing gives titles only.
    std::vector<PlaylistEntry> entries;
    // The positions of the entries the engine could not read (null in its list), in order.
    std::vector<int> unavailable;
    // What the formats the probe chose for a single video take together (video and audio
    // fetched apart count both); absent when any of them gives no size.
    std::optional<double> chosenBytes;
    // How many files the download fetches for it: 2 when video and audio come apart.
    int chosenParts = 1;
    // A single video's tracks, subtitles and formats; empty for a playlist.
    MediaChoices choices;

    // Reads the probe's JSON dump. Absent when the text is not a JSON object; a key of
    // an unexpected type counts as missing and the rest is still used.
    static std::optional<MediaInfo> parse(QByteArrayView json);
    static MediaInfo fromObject(const QJsonObject &d);

    friend bool operator==(const MediaInfo &, const MediaInfo &) = default;
};

// The thumbnail of one JSON object: its "thumbnail" address, else the last entry of
// its "thumbnails" list, which sites order from smallest to largest.
std::optional<QUrl> bestThumb(const QJsonObject &dict);
