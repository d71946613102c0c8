#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What one download asks of the engine beyond its quality and playlist flag. Every field
// has been checked by the time it is stored here; the command line turns them into
// arguments without looking at them again. A default-constructed value asks for nothing,
// which is what the one-click path uses.
struct DownloadOptions
{
    enum class SponsorBlock { off, mark, remove };

    // Seconds; an absent end runs to the end of the media.
    struct TimeRange
    {
        double start = 0;
        std::optional<double> end;
        friend bool operator==(const TimeRange &, const TimeRange &) = default;
    };

    std::optional<TimeRange> section;
    bool splitChapters = false;
    SponsorBlock sponsorBlock = SponsorBlock::off;
    QStringList sponsorCategories;
    // Overrides the subtitle settings for this download when set.
    std::optional<bool> subtitles;
    std::optional<QString> subLangs;
    // The audio track's language for this download ("de", "pt-BR"), checked by
    // languageCodeProblem; absent keeps the settings' choice.
    std::optional<QString> audioLanguage;
    // The format picked from the reading's list, "137+140" or "18", checked by isFormatId,
    // and how the card shows it ("1080p avc1 + en"); absent keeps the preset's choice.
    std::optional<QString> formatId;
    std::optional<QString> formatLabel;
    // Bytes per second; 0 lifts the settings' limit for this download.
    std::optional<qint64> rateLimit;
    // A file-name pattern relative to the download folder, checked by checkOutputPattern.
    std::optional<QString> outputPattern;
    // Playlist positions, 1-based, ascending and distinct; empty means every entry.
    QList<int> playlistItems;
    // Downloaded again on purpose: the download archive must not skip it.
    bool ignoreArchive = false;
    // Kept beside the file the same link already has in the same quality, as its copy
    // number n: the file is named "Title (n)". 0 for none.
    int copy = 0;
    // The folder a resumed download continues in, so that its partial files are found.
    std::optional<QString> folder;
    // A followed entry's title as its source lists it: the page of a bare media link names
    // it only by the link's file name, and then this title is used instead.
    std::optional<QString> listedTitle;

    bool isDefault() const { return *this == DownloadOptions(); }

    QJsonObject toJson() const;
    // Absent when a value is of the wrong type or fails its check: stored options are
    // trusted by the command line, so nothing unchecked may come back in.
    static std::optional<DownloadOptions> fromJson(const QJsonObject &json);

    friend bool operator==(const DownloadOptions &, const DownloadOptions &) = default;
};

namespace OptionCheck {

// SponsorBlock modes as the journal and the options sheet name them: "off", "mark", "remove".
QString sponsorModeName(DownloadOptions::SponsorBlock mode);
std::optional<DownloadOptions::SponsorBlock> sponsorModeFrom(QStringView name);

// The categories yt-dlp knows; marking also knows the two that cannot be cut out.
const QStringList &sponsorCategories(DownloadOptions::SponsorBlock mode);

// "90", "1:30", "01:02:03.5": seconds. Absent for anything else.
std::optional<double> parseTimecode(QStringView text);
// "1:30" or "1:02:03" without needless zeros.
QString formatTimecode(double seconds);

// Each check gives the reason a value is refused, in the interface language, or absent
// when it is fine.
std::optional<QString> timeRangeProblem(const DownloadOptions::TimeRange &range);
std::optional<QString> subLangsProblem(QStringView langs);
std::optional<QString> categoriesProblem(DownloadOptions::SponsorBlock mode, const QStringList &categories);
std::optional<QString> proxyProblem(QStringView proxy);
std::optional<QString> cookiesFileProblem(const QString &path);
// A download folder must be an absolute path without control characters that the engine
// takes as it is: yt-dlp replaces "$name" and "${name}" in it by the environment's
// values and cuts blanks off its ends, so such a folder would not be the one shown.
std::optional<QString> folderProblem(const QString &path);
// Ten minutes between requests is already more than any site asks for.
inline constexpr double longestPause = 600;
std::optional<QString> pauseProblem(double seconds);

// What an output pattern puts in folders of its own: the fields named in its folder
// parts, whose values must never become "." or "..".
struct OutputPattern
{
    std::optional<QString> problem;
    QStringList folderFields;
};
OutputPattern checkOutputPattern(QStringView pattern);

// A language code as sites tag audio tracks and subtitles: "en", "de", "pt-BR", "zh-Hans".
// Anything else could change what a format selector or a subtitle pattern means.
std::optional<QString> languageCodeProblem(QStringView code);
bool isLanguageCode(QStringView code);
// A format id as sites give them ("137", "hls-720p", "dash-audio_eng=128000"), or two of
// them joined by "+": nothing in it could make a format selector say more.
bool isFormatId(QStringView id);

// Rates from a petabyte per second on are no limit anyone means.
inline constexpr qint64 kLargestRate = 1'000'000'000'000'000;
// Bytes per second for "500K", "2M", "2 MB/s", "1.5G" or a plain number, in steps of 1024
// as yt-dlp reads them; 0 is no limit. Absent for anything else.
std::optional<qint64> parseRate(QStringView text);
// "2 MB/s", "500 KB/s", "800 B/s": a rate as the field that reads it would take it back.
QString formatRate(qint64 bytesPerSecond);

// Positions as yt-dlp's --playlist-items reads them, runs written as START:STOP.
QString playlistItemsArg(const QList<int> &positions);
// The options' own problems; absent when every value passes its check.
std::optional<QString> problem(const DownloadOptions &options);

} // namespace OptionCheck
