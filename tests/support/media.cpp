#include "media.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using namespace Qt::StringLiterals;

bool makeClip(const QString &file, int seconds, bool sound)
{
    const QString duration = QString::number(seconds);
    QStringList args{u"-hide_banner"_s, u"-loglevel"_s, u"error"_s, u"-y"_s,
                     u"-f"_s,           u"lavfi"_s,     u"-i"_s,    u"testsrc=size=320x240:rate=25:duration="_s + duration};
    if (sound)
        args << u"-f"_s << u"lavfi"_s << u"-i"_s << u"sine=frequency=440:duration="_s + duration;
    args << u"-c:v"_s << u"libx264"_s << u"-preset"_s << u"ultrafast"_s << u"-g"_s << u"25"_s << u"-pix_fmt"_s << u"yuv420p"_s
         << u"-movflags"_s << u"+faststart"_s;
    if (sound)
        args << u"-c:a"_s << u"aac"_s << u"-shortest"_s;
    args << file;
    return QProcess::execute(u"/usr/bin/ffmpeg"_s, args) == 0;
}

namespace {

bool ffmpeg(const QStringList &args)
{
    return QProcess::execute(u"/usr/bin/ffmpeg"_s, QStringList{u"-hide_banner"_s, u"-loglevel"_s, u"error"_s, u"-y"_s} + args) == 0;
}

QStringList hlsOutput(const QString &folder, const QString &name)
{
    return {u"-f"_s,
            u"hls"_s,
            u"-hls_time"_s,
            u"1"_s,
            u"-hls_playlist_type"_s,
            u"vod"_s,
            u"-hls_segment_filename"_s,
            folder + u'/' + name + u"%d.ts"_s,
            folder + u'/' + name + u".m3u8"_s};
}

} // namespace

bool makeDubbedStreams(const QString &folder)
{
    const QString hls = folder + u"/hls"_s;
    const QString dash = folder + u"/dash"_s;
    if (!QDir().mkpath(hls) || !QDir().mkpath(dash))
        return false;
    const QStringList video{u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=size=320x180:rate=25:duration=2"_s};
    const QStringList h264{u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-g"_s, u"25"_s, u"-pix_fmt"_s, u"yuv420p"_s};
    const auto tone = [](int hertz) { return QStringList{u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=frequency=%1:duration=2"_s.arg(hertz)}; };
    if (!ffmpeg(video + h264 + QStringList{u"-an"_s} + hlsOutput(hls, u"video"_s))
        || !ffmpeg(tone(440) + QStringList{u"-c:a"_s, u"aac"_s} + hlsOutput(hls, u"en"_s))
        || !ffmpeg(tone(880) + QStringList{u"-c:a"_s, u"aac"_s, u"-ac"_s, u"2"_s} + hlsOutput(hls, u"de"_s)))
        return false;
    QFile master(hls + u"/master.m3u8"_s);
    if (!master.open(QIODevice::WriteOnly))
        return false;
    master.write("#EXTM3U\n"
                 "#EXT-X-MEDIA:TYPE=AUDIO,GROUP-ID=\"aud\",NAME=\"Deutsch\",LANGUAGE=\"de\",DEFAULT=NO,AUTOSELECT=YES,URI=\"de.m3u8\"\n"
                 "#EXT-X-MEDIA:TYPE=AUDIO,GROUP-ID=\"aud\",NAME=\"English\",LANGUAGE=\"en\",DEFAULT=YES,AUTOSELECT=YES,URI=\"en.m3u8\"\n"
                 "#EXT-X-STREAM-INF:BANDWIDTH=400000,RESOLUTION=320x180,CODECS=\"avc1.42c00d,mp4a.40.2\",AUDIO=\"aud\"\n"
                 "video.m3u8\n");
    master.close();
    return ffmpeg(video + tone(880) + tone(440)
                  + QStringList{u"-map"_s, u"0:v"_s, u"-map"_s, u"1:a"_s, u"-map"_s, u"2:a"_s, u"-metadata:s:a:0"_s, u"language=de"_s,
                                u"-metadata:s:a:1"_s, u"language=en"_s, u"-disposition:a:1"_s, u"default"_s, u"-ac:a:0"_s, u"2"_s}
                  + h264
                  + QStringList{u"-c:a"_s, u"aac"_s, u"-f"_s, u"dash"_s, u"-seg_duration"_s, u"1"_s, u"-adaptation_sets"_s,
                                u"id=0,streams=v id=1,streams=1 id=2,streams=2"_s, dash + u"/manifest.mpd"_s});
}
