#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/playlistlisting.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "model/downloadoptions.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/httpserver.h"
#include "support/media.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRun = 60000;

// The channels and language tag of each of a file's audio streams, as ffprobe reads them:
// "1,eng". A track converted on its own carries no tag, but its channels still tell it.
QStringList audioStreams(const QString &file)
{
    QProcess ffprobe;
    ffprobe.start(u"/usr/bin/ffprobe"_s, {u"-v"_s, u"error"_s, u"-select_streams"_s, u"a"_s, u"-show_entries"_s,
                                          u"stream=channels:stream_tags=language"_s, u"-of"_s, u"csv=p=0"_s, file});
    if (!ffprobe.waitForFinished(30000))
        return {};
    return QString::fromUtf8(ffprobe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

QByteArray contentType(const QString &file)
{
    if (file.endsWith(u".m3u8"))
        return "application/vnd.apple.mpegurl";
    if (file.endsWith(u".mpd"))
        return "application/dash+xml";
    if (file.endsWith(u".ts"))
        return "video/mp2t";
    return "video/mp4";
}

} // namespace

// What the user chooses of a download beyond its preset, carried out by the machine's own
// yt-dlp and ffmpeg against media served from 127.0.0.1: the audio track of a video that
// has two, and the speed limit.
class TestChoices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_media.isValid());
        QVERIFY(makeDubbedStreams(m_media.filePath(u"dub"_s)));
        QDirIterator it(m_media.filePath(u"dub"_s), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            m_server.routeFile(u"/dub/"_s + QDir(m_media.filePath(u"dub"_s)).relativeFilePath(file), file, contentType(file));
        }
        QVERIFY(makeClip(m_media.filePath(u"long.mp4"_s), 8));
        m_server.routeFile(u"/media/long.mp4"_s, m_media.filePath(u"long.mp4"_s), "video/mp4");
        QVERIFY(m_server.listen());
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        m_folder = m_root->filePath(u"Downloads"_s);
        Tools::setLocations({m_root->filePath(u"support"_s), {u"/usr/bin"_s}, m_root->filePath(u"cache"_s)});
        m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.ini"_s));
        m_settings->setValue(SettingsKey::folder, m_folder);
        m_settings->setValue(SettingsKey::checkEngineUpdates, false);
        m_downloader = std::make_unique<Downloader>(m_settings.get());
        QCOMPARE(m_downloader->engine()->ytdlpPathText(), u"/usr/bin/yt-dlp"_s);
    }

    void cleanup()
    {
        m_downloader.reset();
        m_settings.reset();
        m_root.reset();
    }

    void audioTrackOfTwo_data()
    {
        QTest::addColumn<QString>("manifest");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("picked"); // for this download, in the options sheet
        QTest::addColumn<int>("quality");
        QTest::addColumn<QString>("track"); // "en", "de", or empty for any one

        const int best = Quality::best;
        for (const QString &manifest : {u"/dub/hls/master.m3u8"_s, u"/dub/dash/manifest.mpd"_s}) {
            const char *kind = manifest.contains(u"hls") ? "HLS" : "DASH";
            QTest::addRow("%s, English wanted", kind) << manifest << u"en"_s << QString() << int(Quality::p720) << u"en"_s;
            QTest::addRow("%s, German wanted", kind) << manifest << u"de"_s << QString() << best << u"de"_s;
            // Neither track is marked as the original the way the engine reads it: the
            // interface's language (the tests run in English) decides.
            QTest::addRow("%s, nothing set", kind) << manifest << QString() << QString() << int(Quality::p1080) << u"en"_s;
            QTest::addRow("%s, a language it lacks", kind) << manifest << u"fr"_s << QString() << best << QString();
            QTest::addRow("%s, picked for the download", kind) << manifest << u"en"_s << u"de"_s << int(Quality::p720) << u"de"_s;
            QTest::addRow("%s, audio only", kind) << manifest << u"de"_s << QString() << int(Quality::m4a) << u"de"_s;
            QTest::addRow("%s, MP3 in English", kind) << manifest << u"en"_s << QString() << int(Quality::mp3) << u"en"_s;
        }
    }

    void audioTrackOfTwo()
    {
        QFETCH(QString, manifest);
        QFETCH(QString, setting);
        QFETCH(QString, picked);
        QFETCH(int, quality);
        QFETCH(QString, track);
        m_settings->setValue(SettingsKey::audioLanguage, setting);
        DownloadOptions options;
        if (!picked.isEmpty())
            options.audioLanguage = picked;
        DownloadItem *item = add(manifest, Quality::Preset(quality), options);
        QVERIFY(finished(item));
        QCOMPARE(item->files().size(), 1);
        const QStringList found = audioStreams(item->files().first());
        // One track, the best there is when the one wanted is missing, rather than none or a failure.
        QCOMPARE(found.size(), 1);
        const QStringList stream = found.first().split(u',');
        if (track.isEmpty())
            return;
        QCOMPARE(stream.value(0), track == u"de" ? u"2"_s : u"1"_s);
        // Merged with the video, the track keeps its language; ffmpeg writes German as the
        // bibliographic "ger" or the terminological "deu".
        if (!Quality(Quality::Preset(quality)).isAudio()) {
            const QStringList tags = track == u"de" ? QStringList{u"deu"_s, u"ger"_s} : QStringList{u"eng"_s};
            QVERIFY2(tags.contains(stream.value(1)), qPrintable(found.first()));
        }
    }

    // The options sheet's reading lists the formats; the video and the German track picked
    // from it are what the file holds, whatever the preset and the setting say.
    void pickedFormatsAreFetched()
    {
        for (const QString &manifest : {u"/dub/hls/master.m3u8"_s, u"/dub/dash/manifest.mpd"_s}) {
            PlaylistListing reader(*m_settings, *m_downloader->engine());
            QSignalSpy read(&reader, &PlaylistListing::read);
            QCOMPARE(reader.start(m_server.url(manifest).toString()), std::nullopt);
            QVERIFY(read.wait(kRun));
            const auto info = read.first().at(1).value<std::optional<MediaInfo>>();
            QVERIFY(info);
            const MediaChoices &choices = info->choices;
            QCOMPARE(choices.audioTracks.size(), size_t(2));
            QString video;
            QString german;
            for (const FormatOffer &format : choices.formats) {
                if (format.video && !format.audio)
                    video = format.id;
                if (format.audio && !format.video && format.language == u"de")
                    german = format.id;
            }
            QVERIFY2(!video.isEmpty() && !german.isEmpty(), qPrintable(manifest));
            m_settings->setValue(SettingsKey::audioLanguage, u"en"_s);
            DownloadOptions options;
            options.formatId = video + u'+' + german;
            DownloadItem *item = add(manifest, Quality::p480, options);
            QVERIFY(finished(item));
            QCOMPARE(audioStreams(item->files().value(0)).value(0).section(u',', 0, 0), u"2"_s);
        }
    }

    // The limit is the engine's to keep: a lower bound on how long the download takes is
    // what the user can see of it.
    void speedLimitHolds()
    {
        const qint64 size = QFileInfo(m_media.filePath(u"long.mp4"_s)).size();
        const qint64 rate = std::max<qint64>(size / 3, 1024);
        m_settings->setValue(SettingsKey::rateLimit, rate);
        QElapsedTimer clock;
        clock.start();
        DownloadItem *item = add(u"/media/long.mp4"_s, Quality::best, {});
        QVERIFY(finished(item));
        const qint64 elapsed = clock.elapsed();
        QVERIFY(QFileInfo::exists(item->files().value(0)));
        qInfo("%lld bytes at a limit of %lld B/s: %lld ms (the limit implies at least %lld ms)", size, rate, elapsed, size * 1000 / rate);
        QVERIFY(elapsed >= size * 1000 / rate);
    }

private:
    DownloadItem *add(const QString &path, Quality quality, const DownloadOptions &options)
    {
        m_downloader->queue()->add(m_server.url(path).toString(), quality, false, options);
        return m_downloader->queue()->items()->at(0);
    }

    static bool finished(const DownloadItem *item)
    {
        if (!QTest::qWaitFor([item] { return item->state().isFinished(); }, kRun))
            return false;
        if (item->stateName() != u"done")
            qWarning().noquote() << item->stateName() << item->failureMessage() << item->log().join(u'\n');
        return item->stateName() == u"done";
    }

    QTemporaryDir m_media;
    HttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_folder;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Downloader> m_downloader;
};

QTEST_MAIN(TestChoices)
#include "tst_choices.moc"
