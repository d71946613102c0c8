// Serves generated clips slowly on 127.0.0.1, so that downloads of them keep running for
// as long as a measurement needs. Prints one address per clip on standard output, then
// serves until it is stopped.
//
//   bench_mediaserver [--clips n] [--seconds s]    # s: how long each download lasts
#include "httpserver.h"
#include "media.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption clips(QStringLiteral("clips"), QStringLiteral("clips to serve"), QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("how long each download lasts"), QStringLiteral("s"),
                                     QStringLiteral("300"));
    parser.addOptions({clips, seconds});
    parser.process(app);

    QTemporaryDir media;
    const QString clip = media.filePath(QStringLiteral("clip.mp4"));
    if (!media.isValid() || !makeClip(clip, 20)) {
        std::fprintf(stderr, "could not make a clip with ffmpeg\n");
        return 1;
    }
    QFile file(clip);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    HttpServer server;
    if (!server.listen())
        return 1;
    HttpServer::Response response;
    response.body = file.readAll();
    response.contentType = "video/mp4";
    response.throttle = std::max(1, int(response.body.size() / std::max(1, parser.value(seconds).toInt())));
    for (int i = 1; i <= parser.value(clips).toInt(); ++i) {
        const QString path = QStringLiteral("/clip%1.mp4").arg(i);
        server.route(path, response);
        std::printf("%s\n", qPrintable(server.url(path).toString()));
    }
    std::fflush(stdout);
    return app.exec();
}
