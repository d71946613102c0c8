#include "releases.h"

#include <QtGlobal>

#include <array>
#include <string_view>

namespace {

struct Host
{
    const char *environment;
    const char *fallback;
};

constexpr Host kGitHub{"VIRELOOM_GITHUB_URL", "https://github.com"};
constexpr Host kFFmpegMirror{"VIRELOOM_FFMPEG_URL", "https://ffmpeg.martin-riedl.de"};

struct PlatformRelease
{
    std::string_view platform;
    const char *ytDlpFile;
    const char *ffmpegPlatform;
    const char *denoArchive;
};

constexpr std::array<PlatformRelease, 3> kReleases{{
    {"linux-x86_64", "yt-dlp_linux", "linux/amd64", "deno-x86_64-unknown-linux-gnu.zip"},
    {"linux-aarch64", "yt-dlp_linux_aarch64", "linux/arm64", "deno-aarch64-unknown-linux-gnu.zip"},
    {"macos-arm64", "yt-dlp_macos", "macos/arm64", "deno-aarch64-apple-darwin.zip"},
}};

// The build system names the platform; an unknown one fails the build here rather
// than fetching another platform's programs at run time.
consteval const PlatformRelease &thisPlatform()
{
    for (const PlatformRelease &release : kReleases) {
        if (release.platform == VIRELOOM_RELEASE_PLATFORM)
            return release;
    }
    throw "no engine releases are known for this platform";
}

QUrl at(const Host &host, const QString &path)
{
    QString base = qEnvironmentVariable(host.environment);
    if (base.isEmpty())
        base = QString::fromLatin1(host.fallback);
    while (base.endsWith(u'/'))
        base.chop(1);
    return QUrl(base + path);
}

} // namespace

namespace Releases {

Channel channelNamed(QStringView name)
{
    return name == u"nightly" ? Channel::nightly : Channel::stable;
}

QUrl ytDlp(Channel channel)
{
    const QString repository = channel == Channel::nightly ? QStringLiteral("yt-dlp-nightly-builds") : QStringLiteral("yt-dlp");
    return at(kGitHub, QStringLiteral("/yt-dlp/%1/releases/latest/download/").arg(repository) + QLatin1StringView(thisPlatform().ytDlpFile));
}

QUrl ffmpegComponent(const QString &name)
{
    return at(kFFmpegMirror,
              QStringLiteral("/redirect/latest/%1/release/%2.zip").arg(QLatin1StringView(thisPlatform().ffmpegPlatform), name));
}

QUrl deno()
{
    return at(kGitHub, QStringLiteral("/denoland/deno/releases/latest/download/") + QLatin1StringView(thisPlatform().denoArchive));
}

QString releaseTag(const QUrl &asset)
{
    const QStringList parts = asset.path().split(u'/');
    const qsizetype at = parts.indexOf(QStringLiteral("download"));
    if (at < 1 || parts[at - 1] != u"releases" || at + 2 >= parts.size() || parts[at + 1] == u"latest")
        return {};
    return parts[at + 1];
}

QString denoRelease(const QUrl &asset)
{
    const QString tag = releaseTag(asset);
    const QStringView version = tag.startsWith(u'v') ? QStringView(tag).mid(1) : QStringView(tag);
    return !version.isEmpty() && version.front().isDigit() ? version.toString() : QString();
}

QString ffmpegRelease(const QUrl &asset)
{
    const QStringList parts = asset.path().split(u'/', Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return {};
    const QString &folder = parts[parts.size() - 2];
    const qsizetype underscore = folder.indexOf(u'_');
    QStringView version = folder;
    if (underscore >= 0) {
        // A folder whose first part is not the build's time is not a build's folder.
        bool stamped = false;
        if (QStringView(folder).first(underscore).toLongLong(&stamped) <= 0 || !stamped)
            return {};
        version = QStringView(folder).mid(underscore + 1);
    }
    // ffmpeg's versions have a dot ("7.0", "8.0.1"); a bare number is a time, not one.
    return !version.isEmpty() && version.front().isDigit() && version.contains(u'.') ? version.toString() : QString();
}

QUrl ytDlpSums(const QUrl &asset)
{
    return asset.resolved(QUrl(QStringLiteral("SHA2-256SUMS")));
}

QUrl ytDlpSumsSignature(const QUrl &asset)
{
    return asset.resolved(QUrl(QStringLiteral("SHA2-256SUMS.sig")));
}

QString ytDlpKeyring()
{
    // The key as yt-dlp's makers publish it, public.key in their repository.
    const QString named = qEnvironmentVariable("VIRELOOM_RELEASE_KEYRING");
    return named.isEmpty() ? QStringLiteral(":/installer/yt-dlp-release-key.asc") : named;
}

QUrl denoSums(const QUrl &asset)
{
    QUrl sums = asset;
    sums.setPath(asset.path() + QStringLiteral(".sha256sum"));
    return sums;
}

QUrl ffmpegSums(const QUrl &asset)
{
    QUrl sums = asset;
    sums.setPath(asset.path() + QStringLiteral(".sha256"));
    return sums;
}

} // namespace Releases
