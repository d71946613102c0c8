#include "media.h"

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
