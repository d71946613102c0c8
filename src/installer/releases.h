#pragma once

#include <QString>
#include <QUrl>

// Where the engine programs are published for the platform this build targets.
// VIRELOOM_GITHUB_URL and VIRELOOM_FFMPEG_URL replace the two hosts (a mirror, or a
// local server); a host may carry a path prefix. VIRELOOM_RELEASE_KEYRING replaces the
// key that yt-dlp's sums must be signed with.
namespace Releases {

// yt-dlp's makers publish two lines of releases: the stable one, every few weeks, and a
// build of every night, from a repository of its own on the same site, signed alike.
enum class Channel { stable, nightly };
// The channel a setting's text names; anything but "nightly" is the stable one.
Channel channelNamed(QStringView name);

QUrl ytDlp(Channel channel = Channel::stable);
// "ffmpeg" or "ffprobe".
QUrl ffmpegComponent(const QString &name);
QUrl deno();

// A latest-release address on the code-hosting site redirects to the release's own
// address, ".../releases/download/<tag>/<file>"; the tag is yt-dlp's version. Empty
// when the address names no release.
QString releaseTag(const QUrl &asset);
// The version of the Deno release an address leads to: its tag without the "v"
// ("v2.5.0" gives "2.5.0"); empty when the address names no release.
QString denoRelease(const QUrl &asset);
// The version of the ffmpeg build the mirror's latest address leads to. Each build has
// a folder of its own, named by when it was made and the version it holds
// (".../1767000000_7.1/ffmpeg.zip" gives "7.1"); empty when the address names none.
QString ffmpegRelease(const QUrl &asset);

// Where each project publishes the SHA-256 of an asset, given the asset's own address:
// yt-dlp lists every file of a release in one "SHA2-256SUMS"; Deno and the ffmpeg
// mirror put a sums file beside each archive.
QUrl ytDlpSums(const QUrl &asset);
// yt-dlp signs its sums file; the detached signature lies beside it.
QUrl ytDlpSumsSignature(const QUrl &asset);
QUrl denoSums(const QUrl &asset);
QUrl ffmpegSums(const QUrl &asset);

// A file holding yt-dlp's release key, armored or as a binary keyring: the one the
// environment names, else the key built into the program (a resource path).
QString ytDlpKeyring();

} // namespace Releases
