#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/guardproxy.h"
#include "engine/interrupteddownloads.h"
#include "engine/probes.h"
#include "engine/queuejournal.h"
#include "engine/runfiles.h"
#include "following/following.h"
#include "history/historylist.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "model/downloadoptions.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/files.h"
#include "support/httpserver.h"
#include "support/media.h"
#include "support/processes.h"
#include "support/recordingdesktop.h"

#include <QAbstractItemModelTester>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DownloadOptions)
Q_DECLARE_METATYPE(Quality)

namespace {

constexpr int kRun = 60000;

HttpServer::Response slow(const QString &file, int bytesPerSecond)
{
    return {200, {}, file, "video/mp4", {}, bytesPerSecond};
}

// What ffprobe says of a file, one line per stream, sorted.
QStringList probe(const QString &file, const QString &entries, const QStringList &select = {})
{
    QProcess ffprobe;
    ffprobe.start(u"/usr/bin/ffprobe"_s,
                  QStringList{u"-v"_s, u"error"_s} + select + QStringList{u"-show_entries"_s, entries, u"-of"_s, u"csv=p=0"_s, file});
    if (!ffprobe.waitForFinished(30000))
        return {};
    QStringList lines = QString::fromUtf8(ffprobe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

double durationOf(const QString &file)
{
    return probe(file, u"stream=duration"_s, {u"-select_streams"_s, u"v:0"_s}).value(0).toDouble();
}

// What reached the client's end of an open connection to `port` but was not read yet; -1
// while there is none. Its fields: slot, local and remote address, state (01: open), queues.
qint64 unreadFrom(int port)
{
    const QByteArray remote = ':' + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray &line : readFile(u"/proc/net/tcp"_s).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 4 && fields[2].endsWith(remote) && fields[3] == "01")
            return fields[4].split(':').value(1).toLongLong(nullptr, 16);
    }
    return -1;
}

// Every file under `folder`, relative to it, sorted.
QStringList filesIn(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

// What a file holds and when it was last written: equal only for a file left as it was.
QByteArray fingerprint(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(in.readAll(), QCryptographicHash::Sha256).toHex() + ' '
           + QByteArray::number(QFileInfo(file).lastModified().toMSecsSinceEpoch());
}

// Says why when it is not done, so that a failure shows the engine's own words.
bool isDone(const DownloadItem *item)
{
    if (item->stateName() == u"done")
        return true;
    qWarning().noquote() << item->stateName() << item->failureMessage() << item->log().join(u'\n');
    return false;
}

} // namespace

// Whole downloads with the machine's own yt-dlp and ffmpeg against media served from
// 127.0.0.1, generated here with ffmpeg.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        m_folder = m_root->filePath(u"Downloads"_s);
        // Debian's packages, whatever else the machine has installed.
        Tools::setLocations({m_root->filePath(u"support"_s), {u"/usr/bin"_s}, m_root->filePath(u"cache"_s)});
        m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.ini"_s));
        m_settings->setValue(SettingsKey::folder, m_folder);
        // Only the local server is ever asked: no look at the release location.
        m_settings->setValue(SettingsKey::checkEngineUpdates, false);
        m_desktop.calls.clear();
        m_downloader = std::make_unique<Downloader>(m_settings.get());
        m_downloader->setDesktop(&m_desktop);
        m_tester = std::make_unique<QAbstractItemModelTester>(m_downloader->queue()->items(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m_downloader->engine()->ytdlpPathText(), u"/usr/bin/yt-dlp"_s);
        QCOMPARE(m_downloader->engine()->ffmpegPathText(), u"/usr/bin/ffmpeg"_s);
    }

    void cleanup()
    {
        m_tester.reset();
        m_downloader.reset();
        m_settings.reset();
    }

    void feedAsPlaylist()
    {
        DownloadItem *item = addOne(u"/feed.xml"_s);
        QVERIFY(!item->playlist());
        QVERIFY(finished(item) && isDone(item));

        // The probe found a playlist, so the whole feed was downloaded.
        QVERIFY(item->playlist());
        QCOMPARE(item->playlistCount(), 3);
        QCOMPARE(item->title(), u"Test Feed"_s);
        const QDir folder(m_folder + u"/Test Feed"_s);
        QCOMPARE(folder.entryList(QDir::Files), (QStringList{u"1 - Episode 1.mp4"_s, u"3 - Episode 3.mp4"_s}));
        const QStringList files{folder.filePath(u"1 - Episode 1.mp4"_s), folder.filePath(u"3 - Episode 3.mp4"_s)};
        QCOMPARE(item->files(), files);
        QVERIFY(item->lastError().value_or(QString()).contains(u"404"_s));
        QCOMPARE((QStringList{item->playlistPos(), item->currentEntry()}), (QStringList{u"3/3"_s, u"Episode 3"_s}));

        const HistoryEntry &entry = m_downloader->history()->entries().first();
        QCOMPARE(entry.file, files.last());
        QCOMPARE(entry.bytes, QFileInfo(files.first()).size() + QFileInfo(files.last()).size());

        // Done, but not wholly: two of three arrived, and the second says why it did not.
        QVERIFY(item->partlyFailed());
        QCOMPARE((QList<qsizetype>{item->arrivedEntries(), item->plannedEntries()}), (QList<qsizetype>{2, 3}));
        QCOMPARE(item->failedEntries().size(), 1);
        QCOMPARE(item->failedEntries().first().index, 2);
        QVERIFY2(item->failedEntries().first().message.startsWith(u"The site doesn’t have this page"_s),
                 qPrintable(item->failedEntries().first().message));

        // Trying the failed ones again asks for the second entry alone, which is still missing.
        m_downloader->queue()->retryFailedEntries(item);
        QVERIFY(finished(item));
        QVERIFY2(item->log().first().contains(u" --playlist-items 2 "_s), qPrintable(item->log().first()));
        QCOMPARE(item->stateName(), u"failed"_s);
        QCOMPARE(m_downloader->history()->count(), 1);
        QCOMPARE(folder.entryList(QDir::Files), (QStringList{u"1 - Episode 1.mp4"_s, u"3 - Episode 3.mp4"_s}));
    }

    void pageWithoutMedia()
    {
        DownloadItem *item = addOne(u"/page.html"_s);
        QVERIFY(finished(item));
        QCOMPARE(item->stateName(), u"failed"_s);
        QCOMPARE(item->failureMessage(), u"This link isn’t supported (no video found)."_s);
        QVERIFY(item->lastError().value_or(QString()).startsWith(u"Unsupported URL: "_s));
        // The failed probe left the item as it was.
        QCOMPARE(item->title(), item->url());
        QCOMPARE(m_downloader->history()->count(), 0);
        QCOMPARE(m_desktop.calls, QStringList{u"failed "_s + item->url() + u": "_s + item->failureMessage()});
    }

    void cancelMidDownload()
    {
        DownloadItem *item = addOne(u"/slow/long.mp4"_s);
        QTRY_VERIFY_WITH_TIMEOUT(item->progress() > 0.05, kRun);
        QCOMPARE(item->stateName(), u"downloading"_s);
        QVERIFY(item->speed() > 0);
        const qint64 group = m_downloader->queue()->processGroup(item->id());
        QVERIFY(processAlive(group));

        m_downloader->queue()->cancel(item);
        QTRY_COMPARE_WITH_TIMEOUT(item->stateName(), u"cancelled"_s, kRun);
        QVERIFY(item->progress() < 1.0);
        QVERIFY(!m_downloader->queue()->runs(item->id()));
        QCOMPARE(m_downloader->queue()->processGroup(item->id()), 0);
        // Nothing of the run is left: no process in its group, no partial file.
        QTRY_VERIFY(::kill(static_cast<pid_t>(-group), 0) != 0);
        QCOMPARE(m_downloader->history()->count(), 0);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A whole playlist cancelled takes the folder its run made along, and only that one.
    void cancelledPlaylistLeavesNoFolder()
    {
        QVERIFY(QDir(m_folder).mkpath(u"Mine"_s));
        DownloadItem *item = addOne(u"/slowfeed.xml"_s);
        QTRY_VERIFY_WITH_TIMEOUT(item->progress() > 0.02, kRun);
        QVERIFY(QFileInfo(m_folder + u"/Slow Feed"_s).isDir());
        m_downloader->queue()->cancel(item);
        QVERIFY(finished(item));
        QCOMPARE(item->stateName(), u"cancelled"_s);
        QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"Mine"_s});
    }

    // A transfer that keeps breaking off fails with the partial file kept for a retry;
    // removing the card takes that too.
    void cutShortKeepsWhatResumes()
    {
        DownloadItem *item = finishOne(u"/short/long.mp4"_s);
        QCOMPARE(item->stateName(), u"failed"_s);
        QCOMPARE(item->failureMessage(), u"The connection dropped before the download finished. “Try again” continues where it stopped."_s);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"long.mp4.part"_s});
        m_downloader->queue()->remove(item);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Converting a clip without sound fails after the download: neither the video nor a
    // half-made MP3 stays looking finished.
    void failedConversionLeavesNoFinalName()
    {
        DownloadItem *item = addOne(u"/media/noaudio.mp4"_s, Quality::mp3);
        QVERIFY(finished(item));
        QCOMPARE(item->stateName(), u"failed"_s);
        QCOMPARE(item->destinations(), QStringList{m_folder + u"/noaudio.mp4"_s});
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A video with the default settings, then once is once: the second download of the
    // file fetches nothing, says so, and brings the first entry back to the top instead of
    // counting the file twice.
    void videoWithDefaultSettingsThenAgain()
    {
        DownloadItem *first = addOne(u"/media/clip.mp4"_s, Quality::p1080);
        QVERIFY(finished(first) && isDone(first) && !first->alreadyThere());
        QCOMPARE((QStringList{first->title(), first->site()}), (QStringList{u"clip"_s, u"Generic"_s}));
        const QString file = m_folder + u"/clip.mp4"_s;
        QCOMPARE(first->files(), QStringList{file});
        QCOMPARE(probe(file, u"stream=codec_type,codec_name"_s), (QStringList{u"aac,audio"_s, u"h264,video"_s}));
        const HistoryEntry entry = m_downloader->history()->entries().first();
        QCOMPARE(entry.file, file);
        QCOMPARE(entry.bytes, QFileInfo(file).size());
        QCOMPARE(entry.quality, u"1080p"_s);
        QTRY_COMPARE(m_desktop.calls, (QStringList{u"sound"_s, u"attention"_s, u"notify clip"_s}));

        QVERIFY(isDone(finishOne(u"/media/chapters.mp4"_s)));
        const qint64 total = m_downloader->history()->totalBytes();
        // The announcement of the second waits for others to end with it.
        QTest::qWait(DownloadQueue::kAnnounceGatherMs + 500);
        m_desktop.calls.clear();

        DownloadItem *again = addOne(u"/media/clip.mp4"_s, Quality::p1080);
        QVERIFY(finished(again) && isDone(again));
        QVERIFY(again->alreadyThere());
        QCOMPARE(again->files(), QStringList{file});
        const auto &history = m_downloader->history()->entries();
        QCOMPARE(history.size(), 2);
        QCOMPARE(history.first().id, entry.id);
        QCOMPARE(m_downloader->history()->totalBytes(), total);
        QCOMPARE(m_desktop.calls, QStringList());
    }

    // Two links, one title, at once or one after the other (when the second starts before
    // its title is known and finds the first one's file under it): the second file gets a
    // name of its own, and each card and entry names the file that arrived.
    void twoLinksWithOneTitle_data()
    {
        QTest::addColumn<bool>("together");
        QTest::newRow("at once") << true;
        QTest::newRow("one after the other") << false;
    }

    void twoLinksWithOneTitle()
    {
        QFETCH(bool, together);
        m_settings->setValue(SettingsKey::maxConcurrent, 2);
        const QString one = m_server.url(u"/one/big1.mp4"_s).toString();
        const QString two = m_server.url(u"/two/big1.mp4"_s).toString();
        if (together) {
            m_downloader->queue()->add(one + u' ' + two);
        } else {
            m_downloader->queue()->add(one);
            QVERIFY(finished(m_downloader->queue()->items()->at(0)));
            m_downloader->queue()->add(two);
        }
        const QList<DownloadItem *> items = m_downloader->queue()->items()->items();
        QCOMPARE(items.size(), 2);
        for (DownloadItem *item : items)
            QVERIFY(finished(item) && isDone(item) && !item->alreadyThere());
        QCOMPARE(items.at(0)->title(), items.at(1)->title());
        QStringList files{items.at(0)->files().value(0), items.at(1)->files().value(0)};
        files.sort();
        QStringList inFolder = QDir(m_folder).entryList(QDir::Files);
        for (QString &name : inFolder)
            name.prepend(m_folder + u'/');
        QCOMPARE(inFolder, files);
        QCOMPARE(files.size(), 2);
        QStringList recorded;
        for (const HistoryEntry &entry : m_downloader->history()->entries())
            recorded << entry.file.value_or(QString());
        recorded.sort();
        QCOMPARE(recorded, files);
    }

    void killedApplicationTakesItsEngineAlong()
    {
        // The server hangs mid-download, so yt-dlp writes nothing and cannot notice through its
        // output that the application is gone; only the kernel's death signal ends it at once.
        QProcess host;
        const QStringList engines = startHost(host, {m_server.url(u"/hanging/long.mp4"_s).toString()});
        QCOMPARE(engines.size(), 1);
        QVERIFY(processAlive(engines.first().toLongLong()));
        // Until yt-dlp has taken in all that was sent, and can only wait, and the journal
        // names the file it writes.
        QTRY_COMPARE(unreadFrom(m_server.url().port()), 0);
        const QString journal = m_root->filePath(u"host/support/queue.json"_s);
        QTRY_VERIFY(readFile(journal).contains("\"partial\""));
        QVERIFY(killHost(host, engines));

        // The next start offers it back; discarded, it takes its partial file along.
        const QDir hostFolder(m_root->filePath(u"host/Downloads"_s));
        QCOMPARE(hostFolder.entryList(QDir::Files), QStringList{u"long.mp4.part"_s});
        m_downloader.reset();
        Tools::setLocations({m_root->filePath(u"host/support"_s), {u"/usr/bin"_s}, m_root->filePath(u"host/cache"_s)});
        m_downloader = std::make_unique<Downloader>(m_settings.get());
        QCOMPARE(m_downloader->interrupted()->count(), 1);
        m_downloader->interrupted()->discard();
        QCOMPARE(hostFolder.entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The application is killed outright while three downloads run; the next start offers
    // them back, and yt-dlp continues each from the partial file the first run left.
    void killedWhileThreeRunResumesAllThree()
    {
        QStringList links;
        for (const char *name : {"a", "b", "c"})
            links << m_server.url(u"/resume/%1.mp4"_s.arg(QLatin1StringView(name))).toString();
        QProcess host;
        const QStringList engines = startHost(host, links);
        QCOMPARE(engines.size(), 3);
        const QDir hostFolder(m_root->filePath(u"host/Downloads"_s));
        // yt-dlp's writes are buffered: only a partial file that holds data can be continued.
        const auto filledParts = [&hostFolder] {
            const QFileInfoList parts = hostFolder.entryInfoList({u"*.part"_s}, QDir::Files);
            return std::count_if(parts.begin(), parts.end(), [](const QFileInfo &part) { return part.size() >= 64 * 1024; });
        };
        QTRY_COMPARE_WITH_TIMEOUT(filledParts(), 3, kRun);
        QVERIFY(killHost(host, engines));

        // The next start, in the same support folder, with another download folder set.
        m_downloader.reset();
        Tools::setLocations({m_root->filePath(u"host/support"_s), {u"/usr/bin"_s}, m_root->filePath(u"host/cache"_s)});
        m_settings->setValue(SettingsKey::maxConcurrent, 3);
        m_downloader = std::make_unique<Downloader>(m_settings.get());
        QCOMPARE(m_downloader->interrupted()->count(), 3);
        m_downloader->interrupted()->resume();
        QCOMPARE(m_downloader->queue()->items()->count(), 3);
        const double length = durationOf(media("long"));
        for (DownloadItem *item : m_downloader->queue()->items()->items()) {
            QVERIFY(finished(item) && isDone(item));
            // The resumed run asked only for what the partial file lacked.
            const QList<qint64> starts = m_server.rangeStarts(QUrl(item->url()).path());
            QVERIFY2(!starts.isEmpty() && starts.last() > 0, qPrintable(item->url()));
            QCOMPARE(QFileInfo(item->files().first()).absolutePath(), hostFolder.absolutePath());
            // Embedding metadata rewrites the file, so its length, not its size, shows it whole.
            QVERIFY(qAbs(durationOf(item->files().first()) - length) < 0.2);
        }
        QCOMPARE(hostFolder.entryList({u"*.part"_s}, QDir::Files), QStringList());
        QTRY_COMPARE(QueueJournal::load(InterruptedDownloads::journalFile()).entries.size(), 0);
    }

    // Audio asked for a link whose video is in the folder: the video is where and what it
    // was, the audio file is new, and nothing the run fetched for it stays behind.
    void audioLeavesTheVideoAlone_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("playlist");
        QTest::addColumn<Quality>("audio");
        QTest::addColumn<DownloadOptions>("options");
        QTest::addColumn<QStringList>("arrived");

        DownloadOptions cut;
        cut.section = DownloadOptions::TimeRange{1, 2};
        QTest::newRow("mp3") << u"/media/clip.mp4"_s << false << Quality(Quality::mp3) << DownloadOptions() << QStringList{u"clip.mp3"_s};
        QTest::newRow("m4a") << u"/media/clip.mp4"_s << false << Quality(Quality::m4a) << DownloadOptions() << QStringList{u"clip.m4a"_s};
        QTest::newRow("section") << u"/media/clip.mp4"_s << false << Quality(Quality::mp3) << cut << QStringList{u"clip (0:01-0:02).mp3"_s};
        QTest::newRow("playlist entry") << u"/feed.xml"_s << true << Quality(Quality::mp3) << DownloadOptions()
                                        << QStringList{u"Test Feed/1 - Episode 1.mp3"_s, u"Test Feed/3 - Episode 3.mp3"_s};
    }

    void audioLeavesTheVideoAlone()
    {
        QFETCH(QString, path);
        QFETCH(bool, playlist);
        QFETCH(Quality, audio);
        QFETCH(DownloadOptions, options);
        QFETCH(QStringList, arrived);

        const QString link = m_server.url(path).toString();
        m_downloader->queue()->add(link, Quality::best, playlist);
        QVERIFY(finished(m_downloader->queue()->items()->at(0)));
        const QStringList videos = filesIn(m_folder);
        QVERIFY2(!videos.isEmpty(), qPrintable(videos.join(u", "_s)));
        QHash<QString, QByteArray> before;
        for (const QString &video : videos)
            before.insert(video, fingerprint(m_folder + u'/' + video));

        m_downloader->queue()->add(link, audio, playlist, options);
        DownloadItem *item = m_downloader->queue()->items()->at(0);
        QVERIFY(finished(item) && isDone(item));
        QVERIFY(!item->alreadyThere());
        for (const QString &video : videos)
            QCOMPARE(fingerprint(m_folder + u'/' + video), before.value(video));
        QStringList expected = videos + arrived;
        expected.sort();
        QCOMPARE(filesIn(m_folder), expected);
        for (const QString &name : arrived)
            QCOMPARE(probe(m_folder + u'/' + name, u"stream=codec_type"_s), QStringList{u"audio"_s});
        QCOMPARE(m_downloader->history()->count(), 2);
        const QString recorded = m_downloader->history()->entries().first().file.value_or(QString());
        QCOMPARE(recorded, m_folder + u'/' + arrived.last());

        // Asked again, the audio is there: nothing new, nothing touched.
        if (playlist)
            return;
        const QByteArray audioBefore = fingerprint(recorded);
        m_downloader->queue()->add(link, audio, playlist, options);
        item = m_downloader->queue()->items()->at(0);
        QVERIFY(finished(item) && isDone(item));
        QVERIFY(item->alreadyThere());
        QCOMPARE(fingerprint(recorded), audioBefore);
        QCOMPARE(filesIn(m_folder), expected);
    }

    // A page that offers its video in two sizes: each quality has its own file, named after
    // what it holds once another is there, and the same quality again is the file there.
    void anotherQualityIsANewDownload()
    {
        DownloadItem *small = addOne(u"/sizes.html"_s, Quality::p480);
        QVERIFY(finished(small) && isDone(small));
        // The page's one video is not numbered as if it had several.
        QCOMPARE(small->title(), u"Fresh title"_s);
        QCOMPARE(filesIn(m_folder), QStringList{u"Fresh title.mp4"_s});

        DownloadItem *best = addOne(u"/sizes.html"_s, Quality::best);
        QVERIFY(finished(best) && isDone(best));
        QVERIFY(!best->alreadyThere());
        QCOMPARE(filesIn(m_folder), (QStringList{u"Fresh title (720p).mp4"_s, u"Fresh title.mp4"_s}));
        QCOMPARE(fingerprint(m_folder + u"/Fresh title.mp4"_s).size() > 0, true);

        for (const auto &[quality, name] :
             {std::pair{Quality(Quality::p480), u"Fresh title.mp4"_s}, {Quality(Quality::best), u"Fresh title (720p).mp4"_s}}) {
            const QByteArray before = fingerprint(m_folder + u'/' + name);
            DownloadItem *again = addOne(u"/sizes.html"_s, quality);
            QVERIFY(finished(again) && isDone(again));
            QVERIFY2(again->alreadyThere(), qPrintable(name));
            QCOMPARE(again->files(), QStringList{m_folder + u'/' + name});
            QCOMPARE(fingerprint(m_folder + u'/' + name), before);
        }
        QCOMPARE(m_downloader->history()->count(), 2);

        // Kept beside the one there, a copy is numbered (and says its height, as another is there).
        DownloadOptions copy;
        copy.copy = 2;
        copy.ignoreArchive = true;
        DownloadItem *kept = addOne(u"/sizes.html"_s, Quality::p480, copy);
        QVERIFY(finished(kept) && isDone(kept) && !kept->alreadyThere());
        QCOMPARE(filesIn(m_folder), (QStringList{u"Fresh title (360p) (2).mp4"_s, u"Fresh title (720p).mp4"_s, u"Fresh title.mp4"_s}));
    }

    // Each chapter becomes a file of its own beside the whole, whose chapters travel as a
    // data stream of their own.
    void chaptersBecomeFiles()
    {
        DownloadOptions options;
        options.splitChapters = true;
        DownloadItem *item = finishOne(u"/chapters.html"_s, options);
        QVERIFY(isDone(item));
        QCOMPARE(probe(item->files().value(0), u"stream=codec_name,codec_type"_s),
                 (QStringList{u"aac,audio"_s, u"bin_data,data"_s, u"h264,video"_s}));
        const QDir folder(m_folder);
        QCOMPARE(folder.entryList(QDir::Files).size(), 4);
        const QStringList chapters = folder.entryList({u"Chaptered - 00*"_s}, QDir::Files, QDir::Name);
        QCOMPARE(chapters, (QStringList{u"Chaptered - 001 Intro [chapters].mp4"_s, u"Chaptered - 002 Middle [chapters].mp4"_s,
                                        u"Chaptered - 003 End [chapters].mp4"_s}));
        for (const QString &chapter : chapters) {
            const double seconds = durationOf(folder.filePath(chapter));
            QVERIFY2(seconds > 1.5 && seconds < 2.6, qPrintable(chapter + u' ' + QString::number(seconds)));
        }
    }

    // The options a download can combine, with Debian's yt-dlp: each combination gives the
    // files it promises, or is refused before a run starts. SponsorBlock applies to the one
    // site it knows segments of; on these pages it does nothing and asks nothing.
    void optionCombinations_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("quality");
        QTest::addColumn<DownloadOptions>("options");
        QTest::addColumn<int>("files"); // -1: refused before the run
        QTest::addColumn<double>("seconds"); // of the first file
        QTest::addColumn<QStringList>("streams"); // of the first file, sorted

        const DownloadOptions::TimeRange cut{5, 12};
        const QStringList plain{u"aac,audio"_s, u"h264,video"_s};
        const QStringList subbed{u"aac,audio"_s, u"h264,video"_s, u"mjpeg,video"_s, u"mov_text,subtitle"_s};
        const auto with = [](auto change) {
            DownloadOptions options;
            change(options);
            return options;
        };
        const int best = Quality::best;
        QTest::newRow("time range") << u"/long.html"_s << best << with([&](auto &o) { o.section = cut; }) << 1 << 7.0 << plain;
        QTest::newRow("time range and chapters split: refused") << u"/chapters.html"_s << best << with([&](auto &o) {
            o.section = cut;
            o.splitChapters = true;
        }) << -1 << 0.0 << QStringList();
        for (const auto mode : {DownloadOptions::SponsorBlock::mark, DownloadOptions::SponsorBlock::remove}) {
            QTest::addRow("SponsorBlock %s", mode == DownloadOptions::SponsorBlock::mark ? "mark" : "remove")
                << u"/long.html"_s << best << with([mode](auto &o) {
                       o.sponsorBlock = mode;
                       o.sponsorCategories = {u"sponsor"_s};
                   })
                << 1 << 20.0 << plain;
        }
        QTest::newRow("time range, SponsorBlock mark, subtitles where there are none") << u"/long.html"_s << best << with([&](auto &o) {
            o.section = cut;
            o.sponsorBlock = DownloadOptions::SponsorBlock::mark;
            o.sponsorCategories = {u"sponsor"_s};
            o.subtitles = true;
        }) << 1 << 7.0 << plain;
        QTest::newRow("subtitles, thumbnail and metadata embedded")
            << u"/subbed.html"_s << best << with([](auto &o) { o.subtitles = true; }) << 2 << 20.0 << subbed;
        QTest::newRow("subtitles and a time range") << u"/subbed.html"_s << best << with([&](auto &o) {
            o.subtitles = true;
            o.section = cut;
        }) << 2 << 7.0 << subbed;
        QTest::newRow("MP3 with its cover") << u"/subbed.html"_s << int(Quality::mp3) << DownloadOptions() << 1 << 20.0
                                            << QStringList{u"mjpeg,video"_s, u"mp3,audio"_s};
        QTest::newRow("MP3 of a time range") << u"/long.html"_s << int(Quality::mp3) << with([&](auto &o) { o.section = cut; }) << 1 << 7.0
                                             << QStringList{u"mp3,audio"_s};
    }

    void optionCombinations()
    {
        QFETCH(QString, page);
        QFETCH(int, quality);
        QFETCH(DownloadOptions, options);
        QFETCH(int, files);
        QFETCH(double, seconds);
        QFETCH(QStringList, streams);
        m_settings->setValue(SettingsKey::subLangs, u"en"_s);
        if (files < 0) {
            QVERIFY(OptionCheck::problem(options).has_value());
            return;
        }
        QCOMPARE(OptionCheck::problem(options), std::nullopt);
        DownloadItem *item = addOne(page, Quality::Preset(quality), options);
        QVERIFY(finished(item) && isDone(item));
        QCOMPARE(QDir(m_folder).entryList(QDir::Files).size(), files);
        const QString first = item->files().value(0);
        QVERIFY2(QFileInfo::exists(first), qPrintable(first));
        const double length = probe(first, u"format=duration"_s).value(0).toDouble();
        QVERIFY2(qAbs(length - seconds) < 0.6, qPrintable(first + u' ' + QString::number(length)));
        QCOMPARE(probe(first, u"stream=codec_name,codec_type"_s), streams);
        QCOMPARE(QDir(m_folder).entryList({u"*.part"_s, u"*.temp.*"_s, u"*.ytdl"_s}, QDir::Files), QStringList());
    }

    // A browser saves whatever a page sends into the download folder, a yt-dlp.conf too.
    // Neither there, nor in the engine's working directory, nor in the user's own set-up
    // is a configuration read.
    void plantedConfigurationsAreNotRead()
    {
        const QString marker = m_root->filePath(u"ran"_s);
        const QByteArray config = "--exec \"before_dl:touch " + marker.toUtf8() + "\"\n-o planted.%(ext)s\n";
        const QString user = qEnvironmentVariable("XDG_CONFIG_HOME");
        const QStringList planted{m_folder + u"/yt-dlp.conf"_s, Tools::engineWorkDir() + u"/yt-dlp.conf"_s, user + u"/yt-dlp/config"_s,
                                  user + u"/yt-dlp.conf"_s};
        for (const QString &file : planted)
            QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()) && writeFile(file, config));

        DownloadItem *item = addOne(u"/media/clip.mp4"_s);
        const bool done = finished(item) && isDone(item);
        for (const QString &file : planted)
            QFile::remove(file);
        QVERIFY(done);
        QCOMPARE(item->files(), QStringList{m_folder + u"/clip.mp4"_s});
        QVERIFY(!QFileInfo::exists(marker));
    }

    // A page's title is its own text: a line break in it cannot make the engine's output
    // name a file of the user's, nor report an error.
    void forgedTitleStaysATitle()
    {
        const QString victim = m_media.filePath(u"victim.txt"_s);
        QVERIFY(writeFile(victim, "mine"));
        DownloadItem *item = finishOne(u"/forged.html"_s);
        QVERIFY(isDone(item));
        QVERIFY(!item->lastError());
        QVERIFY2(item->title().contains(u'\n'), qPrintable(item->title()));
        QCOMPARE(item->files().size(), 1);
        QVERIFY2(item->files().first().startsWith(m_folder + u'/'), qPrintable(item->files().first()));
        QCOMPARE(m_downloader->history()->entries().first().file, item->files().first());
        QCOMPARE(readFile(victim), QByteArray("mine"));
    }

    // A page is read once: alone, by the download itself, which says what it fetches as
    // it goes; beside another download, by the probe, whose reading the run is given.
    void pageIsReadOnce()
    {
        DownloadItem *alone = finishOne(u"/once.html"_s);
        QVERIFY(isDone(alone));
        QCOMPARE(alone->files(), QStringList{m_folder + u"/Once.mp4"_s});
        QCOMPARE(m_server.requestCount(u"/once.html"_s), 1);
        QVERIFY(!alone->log().first().contains(u"--load-info-json"_s));
        QCOMPARE((QStringList{alone->title(), alone->site()}), (QStringList{u"Once"_s, u"Generic"_s}));
        QVERIFY(QFile::remove(alone->files().first()));

        DownloadItem *slow = addOne(u"/slow/long.mp4"_s);
        DownloadItem *beside = finishOne(u"/once.html"_s);
        QVERIFY(isDone(beside));
        QCOMPARE(m_server.requestCount(u"/once.html"_s), 2);
        QVERIFY(beside->log().first().contains(u"--load-info-json"_s));
        QVERIFY(!QFileInfo::exists(Probes::readingFile(beside->id())));
        m_downloader->queue()->cancel(slow);
        QVERIFY(finished(slow));
    }

    // A feed titled ".." would name the download folder's parent as the playlist's folder.
    void playlistTitledDotsStaysInside()
    {
        QVERIFY(isDone(finishOne(u"/dots.xml"_s)));
        QCOMPARE(QDir(m_folder + u"/_"_s).entryList(QDir::Files), (QStringList{u"1 - Episode 1.mp4"_s, u"3 - Episode 3.mp4"_s}));
        QCOMPARE(QDir(m_root->path()).entryList(QDir::Files), QStringList{u"settings.ini"_s});
    }

    // The probe and yt-dlp's own look at the link still reach the server, so the proof that
    // the archive held is the deleted file not coming back.
    void archiveSkipsWhatItHas()
    {
        m_settings->setValue(SettingsKey::useArchive, true);
        const QString file = m_folder + u"/clip.mp4"_s;
        QVERIFY(isDone(finishOne(u"/media/clip.mp4"_s)));
        QCOMPARE(readFile(RunFiles::archive()).count('\n'), 1);
        QVERIFY(QFile::remove(file));

        DownloadItem *known = finishOne(u"/media/clip.mp4"_s);
        QVERIFY(isDone(known));
        QVERIFY(known->alreadyArchived());
        QVERIFY(!QFileInfo::exists(file));
        QCOMPARE(m_downloader->history()->count(), 1);

        DownloadOptions again;
        again.ignoreArchive = true;
        QVERIFY(isDone(finishOne(u"/media/clip.mp4"_s, again)));
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(m_downloader->history()->count(), 2);
    }

    // A followed feed, grown between checks: exactly its new entries are downloaded, once,
    // into the source's folder, with its badge and one notification for the check. Followed
    // anew with "also the latest", what the archive knows is not fetched again.
    void followedFeedDownloadsEachNewEntryOnce()
    {
        const auto serveFeed = [this](int count) {
            QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>Followed Feed</title>"
                             "<link>http://127.0.0.1/</link><description>Episodes</description>";
            for (int n = count; n >= 1; --n) {
                const QByteArray number = QByteArray::number(n);
                // The second's title holds what a template or a replacement text would read.
                const QByteArray title = n == 2 ? "Episode 2 %(id)s \\1 $HOME" : "Episode " + number;
                // Podcast hosts add tracking to their links; the page is still named by the file.
                const QByteArray query = n == 3 ? "?utm=feed" : "";
                xml += "<item><title>" + title + "</title><guid>followed-" + number + "</guid><enclosure url=\""
                       + m_server.url(u"/followed/ep%1.mp4"_s.arg(n)).toEncoded() + query + "\" type=\"video/mp4\"/></item>";
            }
            m_server.route(u"/followed.xml"_s, xml + "</channel></rss>\n", "application/rss+xml");
        };
        for (int n = 1; n <= 3; ++n)
            m_server.routeFile(u"/followed/ep%1.mp4"_s.arg(n), media("clip"), "video/mp4");
        serveFeed(1);
        Following &following = *m_downloader->following();
        const auto checked = [&following](const QUuid &id, int checks) {
            return QTest::qWaitFor([&] { return following.find(id) && following.find(id)->lastCheck && !following.isChecking(); }, kRun)
                   && following.find(id)->problem.kind == CheckFailure::none && checks > 0;
        };

        // From now on: what the feed lists today is not fetched.
        const std::optional<QUuid> id = following.add(m_server.url(u"/followed.xml"_s).toString());
        QVERIFY(id && checked(*id, 1));
        QCOMPARE(following.find(*id)->title, u"Followed Feed"_s);
        QCOMPARE(m_downloader->queue()->items()->count(), 0);

        serveFeed(3);
        following.checkNow(*id);
        QTRY_COMPARE_WITH_TIMEOUT(m_downloader->queue()->items()->count(), 2, kRun);
        // Each bare media link is saved and shown under its title from the feed.
        QStringList titles;
        for (const DownloadItem *item : m_downloader->queue()->items()->items()) {
            QVERIFY(finished(item) && isDone(item));
            QCOMPARE(item->source(), u"Followed Feed"_s);
            titles << item->title();
            QVERIFY2(QFileInfo(item->files().value(0)).fileName().startsWith(u"Episode "_s), qPrintable(item->files().value(0)));
        }
        titles.sort();
        QCOMPARE(titles, (QStringList{u"Episode 2 %(id)s \\1 $HOME"_s, u"Episode 3"_s}));
        QVERIFY(QFileInfo::exists(m_folder + u"/Followed Feed/Episode 3.mp4"_s));
        QCOMPARE(m_downloader->history()->entries().value(0).title.startsWith(u"Episode "_s), true);
        QCOMPARE(m_desktop.calls.filter(u"followed"_s), QStringList{u"followed 2 new from Followed Feed"_s});
        QCOMPARE(readFile(RunFiles::archive()).count('\n'), 2);

        // Nothing new: nothing more.
        following.checkNow(*id);
        QVERIFY(checked(*id, 2));
        QTest::qWait(300);
        QCOMPARE(m_downloader->queue()->items()->count(), 2);

        // Followed anew with the latest three: the archive knows two of them.
        QVERIFY(following.remove(*id));
        m_downloader->queue()->clearFinished();
        const std::optional<QUuid> again = following.add(m_server.url(u"/followed.xml"_s).toString(), 3);
        QVERIFY(again && checked(*again, 1));
        QTRY_COMPARE_WITH_TIMEOUT(m_downloader->queue()->items()->count(), 3, kRun);
        QStringList fetched;
        for (const DownloadItem *item : m_downloader->queue()->items()->items()) {
            QVERIFY(finished(item) && isDone(item));
            // Known to the archive, or the file the history has of it: not fetched again.
            if (!item->alreadyArchived() && !item->alreadyThere())
                fetched << QFileInfo(item->files().value(0)).fileName();
        }
        QCOMPARE(fetched, QStringList{u"Episode 1.mp4"_s});
        QCOMPARE(readFile(RunFiles::archive()).count('\n'), 3);
    }

    // A source's title becomes a folder inside the download folder, whatever it holds:
    // the engine expands "$" and "~" in the paths it is given.
    void sourceTitlesStayInsideTheFolder()
    {
        const QByteArray home = QFile::encodeName(m_root->filePath(u"home"_s));
        const QByteArray realHome = qgetenv("HOME");
        // Should anything still expand, it lands in the test's own folder.
        qputenv("HOME", home);
        const auto restore = qScopeGuard([realHome] { qputenv("HOME", realHome); });
        m_server.routeFile(u"/expand/ep1.mp4"_s, media("clip"), "video/mp4");
        m_server.route(u"/expand.xml"_s,
                       "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>..${HOME}</title>"
                       "<link>http://127.0.0.1/</link><description>d</description><item><title>One</title>"
                       "<guid>expand-1</guid><enclosure url=\""
                           + m_server.url(u"/expand/ep1.mp4"_s).toEncoded() + "\" type=\"video/mp4\"/></item></channel></rss>\n",
                       "application/rss+xml");
        Following &following = *m_downloader->following();
        const std::optional<QUuid> id = following.add(m_server.url(u"/expand.xml"_s).toString(), 1);
        QVERIFY(id);
        QTRY_COMPARE_WITH_TIMEOUT(m_downloader->queue()->items()->count(), 1, kRun);
        const DownloadItem *item = m_downloader->queue()->items()->at(0);
        QVERIFY(finished(item) && isDone(item));
        QCOMPARE(item->files(), QStringList{m_folder + u"/.._{HOME}/One.mp4"_s});
        QVERIFY(QFileInfo::exists(item->files().value(0)));
        QVERIFY(!QFileInfo::exists(QString::fromLocal8Bit(home)));
    }

    // Where the engine puts a file for a download folder, beside whether Vireloom takes
    // that folder: every folder it would read as another is refused.
    void foldersTheEngineReadsOtherwiseAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("variable") << u"$VIRELOOM_ELSEWHERE"_s;
        QTest::newRow("braced variable") << u"in ${VIRELOOM_ELSEWHERE}"_s;
        QTest::newRow("home variable") << u"$HOME"_s;
        QTest::newRow("trailing blank") << u"blank "_s;
        QTest::newRow("lone dollar") << u"cost $ 5"_s;
        QTest::newRow("dollar at the end") << u"cash$"_s;
        QTest::newRow("percent") << u"100% %(id)s"_s;
        QTest::newRow("tilde inside") << u"a~b"_s;
    }

    void foldersTheEngineReadsOtherwiseAreRefused()
    {
        QFETCH(QString, name);
        const QString elsewhere = m_root->filePath(u"elsewhere"_s);
        qputenv("VIRELOOM_ELSEWHERE", QFile::encodeName(elsewhere));
        // What "$HOME" reaches is the test's own folder.
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(elsewhere));
        const auto restore = qScopeGuard([realHome] {
            qputenv("HOME", realHome);
            qunsetenv("VIRELOOM_ELSEWHERE");
        });
        const QString folder = m_root->filePath(u"chosen/"_s) + name;
        QProcess engine;
        engine.setProcessEnvironment(Tools::env());
        engine.start(u"/usr/bin/yt-dlp"_s, {u"--ignore-config"_s, u"--no-progress"_s, u"-P"_s, folder, u"-o"_s, u"x.%(ext)s"_s, u"--"_s,
                                            m_server.url(u"/media/clip.mp4"_s).toString()});
        QVERIFY(QTest::qWaitFor([&engine] { return engine.state() == QProcess::NotRunning; }, kRun));
        QCOMPARE(engine.exitCode(), 0);
        const bool takenAsItIs = QFileInfo::exists(folder + u"/x.mp4"_s);
        QCOMPARE(!OptionCheck::folderProblem(folder).has_value(), takenAsItIs);

        if (!takenAsItIs) {
            // Set as the download folder, it fails the download, saying why, before any run.
            QDir(elsewhere).removeRecursively();
            m_settings->setValue(SettingsKey::folder, folder);
            DownloadItem *item = addOne(u"/media/clip.mp4"_s);
            QVERIFY(finished(item));
            QCOMPARE(item->stateName(), u"failed"_s);
            QCOMPARE(item->failureMessage(), *OptionCheck::folderProblem(folder));
            QVERIFY(!QFileInfo::exists(elsewhere));
        }
    }

    // A guarded link reaches only what the guard takes for the internet (here the main
    // server) however its page leads elsewhere: a redirect, a video on a local address that
    // ffmpeg fetches (and the environment telling every proxy client to go around its
    // proxy). The place in the local network is never asked. Unguarded, the same redirect
    // downloads; guarded, a link on the internet downloads through the guard.
    void guardKeepsOutsideLinksOffTheLocalNetwork_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<bool>("atOnce");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<bool>("done");
        QTest::newRow("redirect, guarded") << u"/hop/clip.mp4"_s << true << true << false << false;
        QTest::newRow("redirect, guarded, probed first") << u"/hop/clip.mp4"_s << true << false << false << false;
        QTest::newRow("local video through ffmpeg, guarded") << u"/pointing.html"_s << true << false << true << false;
        QTest::newRow("redirect, typed") << u"/hop/clip.mp4"_s << false << true << false << true;
        QTest::newRow("internet, guarded") << u"/media/clip.mp4"_s << true << true << false << true;
        QTest::newRow("internet through ffmpeg, guarded") << u"/media/chapters.mp4"_s << true << false << true << true;
    }

    void guardKeepsOutsideLinksOffTheLocalNetwork()
    {
        QFETCH(QString, path);
        QFETCH(bool, guarded);
        QFETCH(bool, atOnce);
        QFETCH(bool, cut);
        QFETCH(bool, done);
        const int internet = m_server.url().port();
        m_downloader->queue()->setGuard(new GuardProxy(
            {[](const QString &) { return true; }, [internet](const QHostAddress &, quint16 port) { return port == internet; }}));
        m_downloader->queue()->setStartsAtOnce(atOnce);
        qputenv("no_proxy", "*");
        qputenv("NO_PROXY", "*");
        const auto restore = qScopeGuard([] {
            qunsetenv("no_proxy");
            qunsetenv("NO_PROXY");
        });
        const QStringList askedBefore = m_local.requestedPaths();
        DownloadOptions options;
        if (cut)
            options.section = DownloadOptions::TimeRange{0, 1.5};
        m_downloader->queue()->add(m_server.url(path).toString(), std::nullopt, false, options, guarded);
        DownloadItem *item = m_downloader->queue()->items()->at(0);
        QVERIFY(finished(item));
        if (done) {
            QVERIFY(isDone(item));
            QCOMPARE(item->files().size(), 1);
        } else {
            QCOMPARE(item->stateName(), u"failed"_s);
            QCOMPARE(m_local.requestedPaths(), askedBefore);
            QVERIFY2(item->failureMessage().startsWith(u"This link leads into your local network"_s)
                         || (cut && item->failureMessage().startsWith(u"The download failed"_s)),
                     qPrintable(item->failureMessage() + u'\n' + item->log().join(u'\n')));
        }
        // The guard's address is in the run's private configuration, not on its command line.
        if (guarded)
            QVERIFY(!item->log().first().contains(QString::number(m_downloader->queue()->guard()->port())));
    }

private:
    QString media(const char *name) const { return m_media.filePath(QLatin1StringView(name) + u".mp4"_s); }

    DownloadItem *addOne(const QString &path, std::optional<Quality> quality = std::nullopt, const DownloadOptions &options = {})
    {
        m_downloader->queue()->add(u"Download this: "_s + m_server.url(path).toString() + u"."_s, quality, false, options);
        return m_downloader->queue()->items()->at(0);
    }

    DownloadItem *finishOne(const QString &path, const DownloadOptions &options = {})
    {
        DownloadItem *item = addOne(path, std::nullopt, options);
        finished(item);
        return item;
    }

    static bool finished(const DownloadItem *item)
    {
        return QTest::qWaitFor([item] { return item->state().isFinished(); }, kRun);
    }

    // Starts the bare application around the Downloader on these links; the process ids of
    // its engines once every download runs.
    QStringList startHost(QProcess &host, const QStringList &links)
    {
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host.start(QStringLiteral(VIRELOOM_ENGINE_HOST), QStringList{m_root->filePath(u"host"_s)} + links);
        if (!host.waitForStarted() || !QTest::qWaitFor([&host] { return host.canReadLine(); }, kRun))
            return {};
        return QString::fromLatin1(host.readLine().trimmed()).split(u' ');
    }

    // yt-dlp's own network timeout is far longer than the wait here.
    static bool killHost(QProcess &host, const QStringList &engines)
    {
        ::kill(static_cast<pid_t>(host.processId()), SIGKILL);
        return host.waitForFinished()
               && QTest::qWaitFor(
                   [&engines] {
                       return std::none_of(engines.begin(), engines.end(), [](const QString &pid) { return processAlive(pid.toLongLong()); });
                   },
                   5000);
    }

    QTemporaryDir m_media;
    HttpServer m_server;
    // Stands for a machine in the local network.
    HttpServer m_local;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_folder;
    std::unique_ptr<Settings> m_settings;
    RecordingDesktop m_desktop;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestEndToEnd::initTestCase()
{
    QVERIFY(m_media.isValid());
    for (const auto &[name, seconds] : {std::pair{"clip", 2}, {"long", 8}, {"chapters", 6}, {"twenty", 20}})
        QVERIFY(makeClip(media(name), seconds));
    QVERIFY(makeClip(media("noaudio"), 2, false));
    const QString thumb = m_media.filePath(u"thumb.jpg"_s);
    QCOMPARE(QProcess::execute(u"/usr/bin/ffmpeg"_s, {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"color=red:s=64x36"_s,
                                                      u"-frames:v"_s, u"1"_s, thumb}),
             0);
    QVERIFY(m_server.listen() && m_local.listen());

    // One video in two sizes (small and large), and two links with one title (big1).
    for (const auto &[path, name] : {std::pair{u"/media/clip.mp4"_s, "clip"},
                                     {u"/feed/ep1.mp4"_s, "clip"},
                                     {u"/feed/ep3.mp4"_s, "clip"},
                                     {u"/one/big1.mp4"_s, "clip"},
                                     {u"/two/big1.mp4"_s, "clip"},
                                     {u"/sizes/small.mp4"_s, "clip"},
                                     {u"/sizes/large.mp4"_s, "chapters"},
                                     {u"/media/chapters.mp4"_s, "chapters"},
                                     {u"/media/noaudio.mp4"_s, "noaudio"},
                                     {u"/media/twenty.mp4"_s, "twenty"}})
        m_server.routeFile(path, media(name), "video/mp4");
    m_server.routeFile(u"/media/thumb.jpg"_s, thumb, "image/jpeg");
    m_server.route(u"/media/subs.vtt"_s, "WEBVTT\n\n00:00:00.000 --> 00:00:01.500\nHello\n", "text/vtt");
    m_local.routeFile(u"/secret.mp4"_s, media("clip"), "video/mp4");
    m_server.redirect(u"/hop/clip.mp4"_s, m_local.url(u"/secret.mp4"_s).toString());

    // Pages the way sites offer them to a browser.
    const auto page = [this](const QString &path, const QByteArray &head, const QByteArray &body = {}) {
        m_server.route(path, "<html><head>" + head + "</head><body>" + body + "</body></html>", "text/html");
    };
    const auto at = [this](const QString &path) { return m_server.url(path).toEncoded(); };
    // What a video site says of its video to search engines.
    const auto described = [](const QByteArray &fields) {
        return R"(<script type="application/ld+json">{"@context":"https://schema.org","@type":"VideoObject",)" + fields + "}</script>";
    };
    page(u"/long.html"_s, "<title>Long</title>", "<video src=\"" + at(u"/media/twenty.mp4"_s) + "\"></video>");
    page(u"/subbed.html"_s, "<title>Subbed</title>",
         "<video src=\"" + at(u"/media/twenty.mp4"_s) + "\" poster=\"" + at(u"/media/thumb.jpg"_s)
             + "\"><track kind=\"subtitles\" srclang=\"en\" src=\"" + at(u"/media/subs.vtt"_s) + "\"></video>");
    page(u"/sizes.html"_s, "<title>Fresh title</title>",
         "<video><source src=\"" + at(u"/sizes/small.mp4"_s) + "\" type=\"video/mp4\" res=\"360\"><source src=\""
             + at(u"/sizes/large.mp4"_s) + "\" type=\"video/mp4\" res=\"720\"></video>");
    page(u"/pointing.html"_s, "<title>Pointing</title>", "<video src=\"" + m_local.url(u"/secret.mp4"_s).toEncoded() + "\"></video>");
    page(u"/page.html"_s, "<title>Nothing here</title>", "<p>No media.</p>");
    // Chapters around a six-second clip.
    QByteArray parts;
    for (const auto &[name, start] : {std::pair{"Intro", 0}, {"Middle", 2}, {"End", 4}}) {
        parts += (parts.isEmpty() ? "" : ",") + QByteArray(R"({"@type":"Clip","name":")") + name + R"(","startOffset":)"
                 + QByteArray::number(start) + R"(,"endOffset":)" + QByteArray::number(start + 2) + "}";
    }
    page(u"/chapters.html"_s, "<title>Chaptered</title>"
                                  + described(R"("name":"Chaptered","duration":"PT6S","contentUrl":")" + at(u"/media/chapters.mp4"_s)
                                              + R"(","hasPart":[)" + parts + "]"));
    page(u"/once.html"_s, described(R"("name":"Once","contentUrl":")" + at(u"/media/clip.mp4"_s) + '"'));
    // A title whose line breaks try to pass for the engine's own lines.
    page(u"/forged.html"_s, described(R"("name":"Forged\nVIRLOFILE|)" + m_media.filePath(u"victim.txt"_s).toUtf8()
                                      + R"(\nERROR: forged\nVIRLOP|1|1|NA|NA|NA|NA|NA","contentUrl":")" + at(u"/media/clip.mp4"_s) + '"'));

    for (const auto &[path, title] : {std::pair{u"/feed.xml"_s, "Test Feed"}, {u"/dots.xml"_s, ".."}, {u"/slowfeed.xml"_s, "Slow Feed"}}) {
        QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>" + QByteArray(title)
                         + "</title><link>http://127.0.0.1/</link><description>Three episodes</description>";
        for (const char *n : {"1", "2", "3"}) {
            const QString entry = path == u"/slowfeed.xml" ? u"/slow/long.mp4"_s : u"/feed/ep%1.mp4"_s.arg(QLatin1StringView(n));
            xml += QByteArray("<item><title>Episode ") + n + "</title><guid>e" + n + "</guid><enclosure url=\"" + at(entry)
                   + "\" type=\"video/mp4\"/></item>";
        }
        m_server.route(path, xml + "</channel></rss>\n", "application/rss+xml");
    }

    // About 1.3 MB at 100 kB/s: long enough to act on while it runs.
    m_server.route(u"/slow/long.mp4"_s, slow(media("long"), 100'000));
    // Slow enough that three are still running when the application is killed.
    for (const char *name : {"a", "b", "c"})
        m_server.route(u"/resume/%1.mp4"_s.arg(QLatin1StringView(name)), slow(media("long"), 60'000));
    // A server that stops sending: yt-dlp waits for data and writes nothing meanwhile.
    HttpServer::Response hanging = slow(media("long"), 0);
    hanging.stallAfter = 20'000;
    m_server.route(u"/hanging/long.mp4"_s, hanging);
    // Every answer, ranged or not, breaks off after 10 kB: eleven tries fetch half the clip.
    HttpServer::Response cutShort = slow(media("long"), 0);
    cutShort.cutAfter = 10'000;
    m_server.route(u"/short/long.mp4"_s, cutShort);

    // Only the local server is ever contacted, and the user's own yt-dlp settings stay out.
    for (const char *proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
        qunsetenv(proxy);
    qputenv("XDG_CONFIG_HOME", m_media.filePath(u"config"_s).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", m_media.filePath(u"cache"_s).toLocal8Bit());
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
