#pragma once

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
};

// The browser-cookie arguments: empty, or "--cookies-from-browser" and the browser.
QStringList cookieArgs(const Settings &settings);

// The yt-dlp arguments of one download. Settings are read now, so a change applies to
// the next download that starts. Without ffmpeg nothing can be merged or converted, so
// only single-file formats are asked for.
QStringList buildArgs(const DownloadRequest &request, const Settings &settings, const std::optional<QString> &ffmpegPath);

// The arguments of a metadata probe: a JSON dump that lists playlists without
// resolving their entries.
QStringList probeArgs(const QString &url, bool playlist, const Settings &settings);
