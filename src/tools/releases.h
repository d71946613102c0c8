#pragma once

#include <QString>
#include <QUrl>

// Where the engine programs are published for the platform this build targets.
// VIRELOOM_GITHUB_URL and VIRELOOM_FFMPEG_URL replace the two hosts (a mirror, or a
// local server); a host may carry a path prefix.
namespace Releases {

QUrl ytDlp();
// "ffmpeg" or "ffprobe".
QUrl ffmpegComponent(const QString &name);
QUrl deno();

} // namespace Releases
