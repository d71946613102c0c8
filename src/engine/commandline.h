#pragma once

#include "model/downloadoptions.h"
#include "model/quality.h"

#include <QString>
#include <QStringList>

#include <optional>

class Settings;

// The markers of the lines that the download command asks yt-dlp to print.
namespace Marker {
inline constexpr QLatin1StringView progress("VIRLOP|");
inline constexpr QLatin1StringView postprocess("VIRLOPP|");
inline constexpr QLatin1StringView title("VIRLOTITLE|");
inline constexpr QLatin1StringView file("VIRLOFILE|");
inline constexpr QLatin1StringView destination("VIRLODEST|");
inline constexpr QLatin1StringView reading("VIRLOINFO|");
} // namespace Marker

// A run's marker lines begin with the marker, a token chosen for that run and "|": text
// from a page (a title with a line break, an error message) cannot know the token, so
// it never passes for a marker line. Titles and paths come JSON-encoded, on one line.
class RunMarkers
{
public:
    explicit RunMarkers(const QString &token);
    // A token no page can guess.
    static RunMarkers random();

    const QString &token() const { return m_token; }
    const QString &progress() const { return m_progress; }
    const QString &postprocess() const { return m_postprocess; }
    const QString &title() const { return m_title; }
    const QString &file() const { return m_file; }
    // The final name of a file, announced before it is downloaded.
    const QString &destination() const { return m_destination; }
    // What a run that was not probed says of its video before fetching it: the sizes of
    // the parts, then the page's title, site and the like.
    const QString &reading() const { return m_reading; }

private:
    QString m_token;
    QString m_progress;
    QString m_postprocess;
    QString m_title;
    QString m_file;
    QString m_destination;
    QString m_reading;
};

// What a single download's file name says besides its title, so that another choice of a
// link already in the folder never lands on that file's name (where the engine would take
// the file for this download's own, and convert or skip it).
struct NameMarks
{
    // " (1080p)": the height of the video fetched. Another quality of the link is there.
    bool height = false;
    // The name, without its extension, of the file this very choice already has in the
    // folder: the engine finds it there and fetches nothing. Empty for none.
    QString reuse;
    // That file itself: the download is the file there, and needs no run at all.
    QString reusedFile;

    friend bool operator==(const NameMarks &, const NameMarks &) = default;
};

// A file the history holds for a link, still where it was saved.
struct FileOfLink
{
    QString path;
    // Absent for a label no preset has (a file from an older release).
    std::optional<Quality> quality;
};

// The marks of a single download of this quality, given the files its link has in
// `folder` (newest first). A cut section is always named after its range, and so never
// shares a name with the whole video.
NameMarks nameMarks(Quality quality, const DownloadOptions &options, const QList<FileOfLink> &files, const QString &folder);
// " (1:05-2:00)": the range a section download holds, as its file name says it.
QString sectionMark(const DownloadOptions::TimeRange &range);

// What a download command depends on besides the settings.
struct DownloadRequest
{
    QString url;
    Quality quality;
    bool playlist = false;
    DownloadOptions options;
    // Files the run is given, empty for none: a copy of the user's cookies file (yt-dlp
    // writes its cookie jar back into the file it reads) and the download archive.
    QString cookiesFile;
    QString archiveFile;
    // The run's private configuration file, holding what must not show on a command
    // line (the proxy and its password); empty when there is nothing to hide.
    QString configFile;
    // Chosen per run; see RunMarkers.
    QString token;
    // The engine can leave the quiet mode that printing puts it in, so that the log tells
    // what it did: extraction, the formats chosen, merging and post-processing.
    bool noQuiet = false;
    // What the probe already read of the page, given to the engine instead of the link so
    // that the page is not read twice; empty to read it anew.
    QString infoJson;
    // Nothing was read of the link before: the run says what it fetches itself, and, unless
    // it is to fetch a playlist, a link that turns out to list several videos stops it
    // before anything is fetched (exit status kListedSeveral), to be downloaded again as
    // the playlist it is.
    bool unread = false;
    // The run goes through the guard proxy (its configuration file names it): only
    // formats the guard can see are chosen.
    bool guarded = false;
    NameMarks marks;
    // Another link's file holds the title's name: the file is named after the video's id too.
    bool distinctName = false;
    // In place of the settings' browser for the login: a browser profile as the engine
    // reads it, or empty for none (the item has a login of its own, see ItemLogin).
    std::optional<QString> cookiesBrowser;
};

// The title the engine gives a bare media link: its file name without the extension,
// percent-decoded ("ep3" for ".../ep3.mp4?utm=x"). Empty when the link has none.
QString bareLinkTitle(const QString &url);
// The title to show and save for a page title of a download with these options: a followed
// entry's listed title where the page gives only the bare link's name.
QString chosenTitle(const QString &pageTitle, const QString &url, const DownloadOptions &options);

// yt-dlp's exit status for a run stopped by a rejected video.
inline constexpr int kListedSeveral = 101;

// Whether a yt-dlp of this version ("2024.08.06", a nightly's "2024.08.06.232723") has
// "--no-quiet". An older one stops at an option it does not know, so an unreadable
// version counts as old.
bool engineHasNoQuiet(const QString &version);

// The browser-cookie arguments: empty, or "--cookies-from-browser" and the browser.
QStringList cookieArgs(const Settings &settings);
// How the engine reaches the sites: browser cookies, a cookies file, and the private
// configuration file that gives the proxy. `browser`, when given, replaces the settings'
// browser (empty: none).
QStringList connectionArgs(const Settings &settings, const QString &cookiesFile, const QString &configFile,
                           const std::optional<QString> &browser = std::nullopt);
// The content of a run's private configuration file: the proxy, quoted as yt-dlp reads
// configuration files. Empty when no proxy is set. A run behind the guard is given the
// guard's address (`guard`) instead, and the guard goes on through the user's proxy.
QByteArray privateConfig(const Settings &settings, const QString &guard = {});
// A format choice ("-f" and its selector, and what follows) for a run behind the guard:
// only formats fetched over HTTP, the one protocol the guard sees (RTMP, RTSP, MMS and
// the like would connect directly).
QStringList guardedFormats(QStringList formats);
// Why the settings cannot be used for a run, in the interface language: a download folder
// the engine would read as another, a proxy or a cookies file that does not check out.
// Going on without them would write elsewhere, or reach the site directly or without the
// login the user asked for.
std::optional<QString> settingsProblem(const Settings &settings);

// The yt-dlp arguments of one download. Settings are read now, so a change applies to
// the next download that starts. Without ffmpeg nothing can be merged or converted, so
// only single-file formats are asked for.
QStringList buildArgs(const DownloadRequest &request, const Settings &settings, const std::optional<QString> &ffmpegPath);

// The arguments of a metadata probe: a JSON dump that lists playlists without
// resolving their entries.
QStringList probeArgs(const QString &url, bool playlist, const Settings &settings, const QString &cookiesFile = {},
                      const QString &configFile = {}, const QStringList &formats = {}, const std::optional<QString> &browser = std::nullopt);
// The format filters that pick a download's audio track, most wanted first: the
// download's own language, else the audioLanguage setting (a code also takes a track
// tagged with its language alone: "pt-BR", then "pt"); with neither, the track the site
// marks as the original, then the interface language's. Every selector falls back to the
// best audio after them.
QStringList audioFilters(const DownloadOptions &options, const Settings &settings);
// The format choice of a download, without merging or converting: a probe given it
// reports the sizes of the very formats the download will fetch.
QStringList formatSelection(Quality quality, const Settings &settings, bool withFFmpeg, const DownloadOptions &options = {});
// The arguments of a playlist's plan: every entry resolved with its formats, so that
// sizes can be estimated; entries that fail are left out rather than failing the list.
QStringList planArgs(const QString &url, const Settings &settings, const QString &configFile = {});
