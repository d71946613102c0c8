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
} // namespace Marker

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
};

// The browser-cookie arguments: empty, or "--cookies-from-browser" and the browser.
QStringList cookieArgs(const Settings &settings);
// How the engine reaches the sites: browser cookies, a cookies file, a proxy.
QStringList connectionArgs(const Settings &settings, const QString &cookiesFile);
// Why the settings cannot be used for a run, in the interface language: a proxy or a
// cookies file that does not check out. Going on without them would reach the site
// directly or without the login the user asked for.
std::optional<QString> settingsProblem(const Settings &settings);

// The yt-dlp arguments of one download. Settings are read now, so a change applies to
// the next download that starts. Without ffmpeg nothing can be merged or converted, so
// only single-file formats are asked for.
QStringList buildArgs(const DownloadRequest &request, const Settings &settings, const std::optional<QString> &ffmpegPath);

// The arguments of a metadata probe: a JSON dump that lists playlists without
// resolving their entries.
QStringList probeArgs(const QString &url, bool playlist, const Settings &settings, const QString &cookiesFile = {});
// The arguments of a playlist's plan: every entry resolved with its formats, so that
// sizes can be estimated; entries that fail are left out rather than failing the list.
QStringList planArgs(const QString &url, const Settings &settings);
