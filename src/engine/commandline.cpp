#include "commandline.h"

#include "engine/downloader.h"
#include "model/downloaditem.h"
#include "settings/settings.h"

namespace {

QStringList formatGroup(Quality quality, bool withFFmpeg)
{
    const QString mp4 = QStringLiteral("mp4");
    if (quality == Quality::mp3) {
        if (!withFFmpeg)
            return {QStringLiteral("-f"), QStringLiteral("ba[ext=m4a]/ba/b")};
        return {QStringLiteral("-f"), QStringLiteral("ba/b"), QStringLiteral("-x"), QStringLiteral("--audio-format"),
                QStringLiteral("mp3"), QStringLiteral("--audio-quality"), QStringLiteral("0")};
    }
    if (quality == Quality::m4a) {
        if (!withFFmpeg)
            return {QStringLiteral("-f"), QStringLiteral("ba[ext=m4a]/ba/b")};
        return {QStringLiteral("-f"), QStringLiteral("ba[ext=m4a]/ba/b"), QStringLiteral("-x"),
                QStringLiteral("--audio-format"), QStringLiteral("m4a")};
    }
    if (const auto height = quality.height()) {
        const QString n = QString::number(*height);
        if (!withFFmpeg)
            return {QStringLiteral("-f"), QStringLiteral("b[height<=%1]/b").arg(n)};
        return {QStringLiteral("-f"), QStringLiteral("bv*[height<=%1]+ba/b[height<=%1]/bv*+ba/b").arg(n),
                QStringLiteral("--merge-output-format"), mp4};
    }
    if (!withFFmpeg)
        return {QStringLiteral("-f"), QStringLiteral("b")};
    return {QStringLiteral("-f"), QStringLiteral("bv*+ba/b"), QStringLiteral("--merge-output-format"), mp4};
}

} // namespace

QStringList cookieArgs(const Settings &settings)
{
    const QString browser = settings.cookiesBrowser();
    if (browser == u"none")
        return {};
    return {QStringLiteral("--cookies-from-browser"), browser};
}

QStringList buildArgs(const DownloadRequest &request, const Settings &settings, const std::optional<QString> &ffmpegPath)
{
    QStringList args{
        QStringLiteral("--newline"),
        QStringLiteral("--progress"),
        QStringLiteral("--no-simulate"),
        QStringLiteral("--no-colors"),
        QStringLiteral("--no-mtime"),
        QStringLiteral("--print"),
        QStringLiteral("before_dl:VIRLOTITLE|%(title)s"),
        QStringLiteral("--print"),
        QStringLiteral("after_move:VIRLOFILE|%(filepath)s"),
        QStringLiteral("--progress-template"),
        QStringLiteral("download:VIRLOP|%(progress.downloaded_bytes)s|%(progress.total_bytes)s|"
                       "%(progress.total_bytes_estimate)s|%(progress.speed)s|%(progress.eta)s|"
                       "%(info.playlist_index)s|%(info.n_entries)s"),
        QStringLiteral("--progress-template"),
        QStringLiteral("postprocess:VIRLOPP|%(progress.postprocessor)s"),
        QStringLiteral("-P"),
        settings.folder(),
        QStringLiteral("-o"),
        request.playlist ? QStringLiteral("%(playlist_title,playlist|Playlist)s/%(playlist_index)s - %(title).150B.%(ext)s")
                         : QStringLiteral("%(title).180B.%(ext)s"),
    };

    const bool withFFmpeg = ffmpegPath.has_value();
    if (withFFmpeg)
        args << QStringLiteral("--ffmpeg-location") << *ffmpegPath;
    args << formatGroup(request.quality, withFFmpeg);
    if (withFFmpeg && !request.quality.isAudio()) {
        if (settings.boolean(SettingsKey::preferH264))
            args << QStringLiteral("-S") << QStringLiteral("vcodec:h264,res,acodec:m4a");
        if (settings.boolean(SettingsKey::subs)) {
            args << QStringLiteral("--write-subs") << QStringLiteral("--sub-langs")
                 << settings.subLangs()
                 << QStringLiteral("--embed-subs");
        }
    }
    if (withFFmpeg && settings.boolean(SettingsKey::embedMeta))
        args << QStringLiteral("--embed-metadata");
    if (withFFmpeg && settings.boolean(SettingsKey::embedThumb))
        args << QStringLiteral("--embed-thumbnail");
    args << cookieArgs(settings);
    if (request.playlist)
        args << QStringLiteral("--yes-playlist") << QStringLiteral("--ignore-errors");
    else
        args << QStringLiteral("--no-playlist");
    args << QStringLiteral("--") << request.url;
    return args;
}

QStringList probeArgs(const QString &url, bool playlist, const Settings &settings)
{
    QStringList args{QStringLiteral("-J"), QStringLiteral("--flat-playlist"), QStringLiteral("--no-warnings")};
    args << cookieArgs(settings);
    args << (playlist ? QStringLiteral("--yes-playlist") : QStringLiteral("--no-playlist"));
    args << QStringLiteral("--") << url;
    return args;
}

QStringList Downloader::buildArgs(const DownloadItem &item) const
{
    return ::buildArgs({item.url(), item.quality(), item.playlist()}, d(), m_ffmpegPath);
}

QStringList Downloader::cookieArgs() const
{
    return ::cookieArgs(d());
}
