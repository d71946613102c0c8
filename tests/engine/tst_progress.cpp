#include "engine/linereader.h"
#include "engine/progress.h"
#include "model/downloaditem.h"
#include "tools/tools.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void numbers_data();
    void numbers();
    void logIsTrimmedAHundredAtATime();
    void capturedRuns_data();
    void capturedRuns();
};

namespace {

const QString kLink = u"https://example.com/v/1"_s;

QString rate(double bytesPerSecond)
{
    return Tools::fmtBytes(bytesPerSecond) + u"/s"_s;
}

// The fields a line may change, in one comparable value.
struct Fields
{
    double progress = 0.0;
    QString sizeText;
    QString speed;
    QString eta;
    QString playlistPos;
    QString state = u"queued"_s;
    QString title = kLink;
    QString currentEntry;
    QStringList files;
    QStringList log;
    std::optional<QString> lastError;

    static Fields of(const DownloadItem &item)
    {
        return {item.progress(),  item.sizeText(), item.speed(), item.eta(), item.playlistPos(), item.stateName(),
                item.title(),     item.currentEntry(), item.files(), item.log(), item.lastError()};
    }
    friend bool operator==(const Fields &, const Fields &) = default;
};

char *toString(const Fields &f)
{
    return qstrdup(QStringLiteral("progress=%1 size=%2 speed=%3 eta=%4 pos=%5 state=%6 title=%7 entry=%8 files=[%9] log=[%10] error=%11")
                       .arg(f.progress).arg(f.sizeText, f.speed, f.eta, f.playlistPos, f.state, f.title, f.currentEntry,
                            f.files.join(u','), f.log.join(u" / "), f.lastError.value_or(u"(none)"_s))
                       .toUtf8());
}

} // namespace

Q_DECLARE_METATYPE(Fields)

void TestProgress::lines_data()
{
    QTest::addColumn<bool>("playlist");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Fields>("expected");

    Fields f;
    f.progress = 0.25, f.sizeText = Tools::fmtBytes(4000), f.speed = rate(500), f.eta = u"0:12"_s, f.state = u"downloading"_s;
    QTest::newRow("progress with a total") << false << QStringList{u"VIRLOP|1000|4000|NA|500|12|NA|NA"_s} << f;

    f = {};
    f.progress = 0.5, f.sizeText = Tools::fmtBytes(2000), f.state = u"downloading"_s;
    QTest::newRow("estimate stands in for the total") << false << QStringList{u"VIRLOP|1000|NA|2000|NA|NA|NA|NA"_s} << f;

    f.progress = 1.0, f.sizeText = Tools::fmtBytes(4000);
    QTest::newRow("progress capped") << false << QStringList{u"VIRLOP|5000|4000|NA|NA|NA|NA|NA"_s} << f;

    f.progress = 0.0;
    QTest::newRow("negative count shows nothing done") << false << QStringList{u"VIRLOP|-5000|4000|NA|NA|NA|NA|NA"_s} << f;

    f = {};
    f.speed = rate(10), f.eta = u"0:03"_s, f.state = u"downloading"_s;
    QTest::newRow("no total: progress and size stay") << false << QStringList{u"VIRLOP|1|NA|NA|10|3|NA|NA"_s} << f;
    f.speed.clear(), f.eta.clear();
    QTest::newRow("zero total counts as none") << false << QStringList{u"VIRLOP|1|0|0|NA|NA|NA|NA"_s} << f;
    QTest::newRow("blanks make a field no number") << false << QStringList{u"VIRLOP|1| 4000|4000 |NA|NA|NA|NA"_s} << f;
    QTest::newRow("infinity is no number") << false << QStringList{u"VIRLOP|1|inf|nan|NA|NA|NA|NA"_s} << f;

    f = {};
    f.sizeText = Tools::fmtBytes(4000), f.state = u"downloading"_s;
    QTest::newRow("downloaded not a number counts zero") << false << QStringList{u"VIRLOP|NA|4000|NA|NA|NA|NA|NA"_s} << f;

    QTest::newRow("too few fields change nothing") << false << QStringList{u"VIRLOP|1000|4000|NA"_s} << Fields();
    QTest::newRow("six fields are too few") << false << QStringList{u"VIRLOP|1|2|3|4|5|6"_s} << Fields();

    f = {};
    f.progress = 0.5, f.sizeText = Tools::fmtBytes(100), f.state = u"downloading"_s, f.playlistPos = u"2/12"_s;
    QTest::newRow("playlist position") << true << QStringList{u"VIRLOP|50|100|NA|NA|NA|2|12"_s} << f;
    QTest::newRow("position kept when unknown")
        << true << QStringList{u"VIRLOP|50|100|NA|NA|NA|2|12"_s, u"VIRLOP|50|100|NA|NA|NA|NA|NA"_s, u"VIRLOP|50|100|NA|NA|NA|3|1"_s,
                               u"VIRLOP|50|100|NA|NA|NA|3.0|12"_s}
        << f;
    f.playlistPos = u"3/12"_s;
    QTest::newRow("extra fields ignored") << true << QStringList{u"VIRLOP|50|100|NA|NA|NA|3|12|more|fields"_s} << f;

    f = {};
    f.state = u"processing"_s;
    QTest::newRow("post-processing") << false << QStringList{u"VIRLOP|1|NA|NA|NA|NA|NA|NA"_s, u"VIRLOPP|Merger"_s} << f;
    f.state = u"downloading"_s;
    QTest::newRow("progress after post-processing")
        << false << QStringList{u"VIRLOPP|Merger"_s, u"VIRLOP|1|NA|NA|NA|NA|NA|NA"_s} << f;

    f = {};
    QTest::newRow("NA title keeps the probed one") << false << QStringList{u"VIRLOTITLE|NA"_s, u"VIRLOTITLE|"_s} << f;
    f.currentEntry = u"NA"_s;
    QTest::newRow("NA entry on a playlist") << true << QStringList{u"VIRLOTITLE|NA"_s} << f;
    f = {};
    f.title = u"Live | Part 2 | 2024"_s;
    QTest::newRow("title with separators") << false << QStringList{u"VIRLOTITLE|Live | Part 2 | 2024"_s} << f;
    f.title = u"About VIRLOPP|x and VIRLOFILE|y"_s;
    QTest::newRow("markers inside a title") << false << QStringList{u"VIRLOTITLE|About VIRLOPP|x and VIRLOFILE|y"_s} << f;

    f = {};
    f.files = QStringList{u"/d/a.mp4"_s, u"/d/b|c.mp4"_s};
    QTest::newRow("files in order") << false << QStringList{u"VIRLOFILE|/d/a.mp4"_s, u"VIRLOFILE|/d/b|c.mp4"_s} << f;

    f = {};
    f.log = QStringList{u"[generic] Extracting"_s, u"ERROR: \t Unsupported URL: x \t"_s};
    f.lastError = u"Unsupported URL: x"_s;
    QTest::newRow("error line") << false << f.log << f;
    f.log = QStringList{u"error: lower case is no error line"_s, u"ERROR:"_s, u" [download] Got error: refused"_s};
    f.lastError = u"[download] Got error: refused"_s;
    QTest::newRow("bare error marker: the next line is the reason") << false << f.log << f;
    f = {};
    f.log = QStringList{u"[info] VIRLOP|1|2|3|4|5|6|7"_s, u"virlop|1|2|3|4|5|6|7"_s, u"VIRLO"_s};
    QTest::newRow("markers only count at the start") << false << f.log << f;

    f = {};
    f.state = u"processing"_s, f.files = QStringList{u"/x/Test Feed/1 - clip.mp4"_s};
    QTest::newRow("glued post-processing and file lines")
        << false << QStringList{u"VIRLOPP|MetadataVIRLOPP|MetadataVIRLOPP|MoveFilesVIRLOFILE|/x/Test Feed/1 - clip.mp4"_s} << f;
    QTest::newRow("the same lines unglued")
        << false << QStringList{u"VIRLOPP|Metadata"_s, u"VIRLOPP|MoveFiles"_s, u"VIRLOFILE|/x/Test Feed/1 - clip.mp4"_s} << f;
    f.files.clear();
    f.log = QStringList{u"ERROR: Postprocessing: audio conversion failed"_s};
    f.lastError = u"Postprocessing: audio conversion failed"_s;
    QTest::newRow("error glued to a step") << false << QStringList{u"VIRLOPP|ExtractAudioERROR: Postprocessing: audio conversion failed"_s} << f;
    f.log = QStringList{u"[Merger] Merging formats into \"a.mp4\""_s}, f.lastError.reset();
    QTest::newRow("message glued to a step") << false << QStringList{u"VIRLOPP|Merger[Merger] Merging formats into \"a.mp4\""_s} << f;
    f.log.clear(), f.title = u"Next"_s, f.state = u"downloading"_s;
    QTest::newRow("title and progress glued to a step")
        << false << QStringList{u"VIRLOPP|MoveFilesVIRLOTITLE|Next"_s, u"VIRLOPP|MoveFilesVIRLOP|1|NA|NA|NA|NA|NA|NA  "_s} << f;
}

void TestProgress::lines()
{
    QFETCH(bool, playlist);
    QFETCH(QStringList, lines);
    QFETCH(Fields, expected);

    DownloadItem item(kLink, Quality::best, playlist);
    item.setState(DLState::queued);
    for (const QString &line : lines)
        applyOutputLine(item, line);
    QCOMPARE(Fields::of(item), expected);
}

void TestProgress::numbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<std::optional<double>>("number");
    QTest::addColumn<std::optional<qint64>>("whole");

    QTest::newRow("integer") << u"42"_s << std::optional(42.0) << std::optional<qint64>(42);
    QTest::newRow("signed") << u"+7"_s << std::optional(7.0) << std::optional<qint64>(7);
    QTest::newRow("fraction") << u"2899392.8640864086"_s << std::optional(2899392.8640864086) << std::optional<qint64>();
    QTest::newRow("exponent") << u"1e3"_s << std::optional(1000.0) << std::optional<qint64>();
    QTest::newRow("NA") << u"NA"_s << std::optional<double>() << std::optional<qint64>();
    QTest::newRow("blank") << u" 1"_s << std::optional<double>() << std::optional<qint64>();
    QTest::newRow("hex") << u"0x10"_s << std::optional<double>() << std::optional<qint64>();
    QTest::newRow("too big for 64 bits") << u"99999999999999999999"_s << std::optional(1e20) << std::optional<qint64>();
}

void TestProgress::numbers()
{
    QFETCH(QString, field);
    QFETCH(std::optional<double>, number);
    QFETCH(std::optional<qint64>, whole);
    QCOMPARE(parseNumber(field), number);
    QCOMPARE(parseWhole(field), whole);
}

void TestProgress::logIsTrimmedAHundredAtATime()
{
    DownloadItem item(kLink, Quality::best, false);
    item.setLog({u"$ yt-dlp --newline"_s});
    for (int n = 1; n < 500; ++n)
        applyOutputLine(item, u"line %1"_s.arg(n));
    QCOMPARE(item.log().size(), 500);
    QCOMPARE(item.log().first(), u"$ yt-dlp --newline"_s);

    applyOutputLine(item, u"line 500"_s);
    QCOMPARE(item.log().size(), 401);
    QCOMPARE(item.log().first(), u"line 100"_s);
    QCOMPARE(item.log().last(), u"line 500"_s);

    // Marker lines never reach the log.
    applyOutputLine(item, u"VIRLOP|1|2|NA|NA|NA|NA|NA"_s);
    QCOMPARE(item.log().size(), 401);
    for (int n = 501; n <= 600; ++n)
        applyOutputLine(item, u"line %1"_s.arg(n));
    QCOMPARE(item.log().size(), 401);
    QCOMPARE(item.log().first(), u"line 200"_s);
}

// Output of Debian 12's yt-dlp 2023.03.04 against a local server (see tests/data).
void TestProgress::capturedRuns_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("playlist");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("lastError");
    QTest::addColumn<QString>("playlistPos");
    QTest::addColumn<double>("progress");

    QTest::newRow("single video") << u"ytdlp-2023.03.04-single.txt"_s << false
                                  << QStringList{u"/tmp/vireloom-capture/clip.mp4"_s} << QString() << QString() << 1.0;
    // This run reported no downloaded bytes at all.
    QTest::newRow("mp3") << u"ytdlp-2023.03.04-mp3.txt"_s << false << QStringList{u"/tmp/vireloom-capture/clip.mp3"_s}
                         << QString() << QString() << 0.0;
    QTest::newRow("feed with a missing entry")
        << u"ytdlp-2023.03.04-feed.txt"_s << true
        << QStringList{u"/tmp/vireloom-capture/Test Feed/1 - Episode One.mp4"_s, u"/tmp/vireloom-capture/Test Feed/3 - Episode Three.mp4"_s}
        << u"[generic] None: Unable to download webpage: HTTP Error 404: File not found"_s << u"3/3"_s << 1.0;
    QTest::newRow("post-processing error") << u"ytdlp-2023.03.04-postprocess-error.txt"_s << false << QStringList()
                                           << u"Postprocessing: WARNING: unable to obtain file audio codec with ffprobe"_s
                                           << QString() << 1.0;
    QTest::newRow("unsupported") << u"ytdlp-2023.03.04-unsupported.txt"_s << false << QStringList()
                                 << u"Unsupported URL: http://127.0.0.1:8765/page.html"_s << QString() << 0.0;
}

void TestProgress::capturedRuns()
{
    QFETCH(QString, file);
    QFETCH(bool, playlist);
    QFETCH(QStringList, files);
    QFETCH(QString, lastError);
    QFETCH(QString, playlistPos);
    QFETCH(double, progress);

    QFile captured(QStringLiteral(VIRELOOM_TEST_DATA "/") + file);
    QVERIFY(captured.open(QIODevice::ReadOnly));
    DownloadItem item(kLink, Quality::best, playlist);
    LineReader reader([&item](QStringView line) { applyOutputLine(item, line); });
    reader.feed(captured.readAll());
    reader.flush();

    QCOMPARE(item.files(), files);
    QCOMPARE(item.playlistPos(), playlistPos);
    if (lastError.isEmpty()) {
        QCOMPARE(item.lastError(), std::nullopt);
    } else {
        QVERIFY2(item.lastError() && item.lastError()->startsWith(lastError), qPrintable(item.lastError().value_or(u"none"_s)));
    }
    for (const QString &line : item.log())
        QVERIFY2(!line.contains(u"VIRLO"_s), qPrintable(line));
    QCOMPARE(item.progress(), progress);
}

QTEST_APPLESS_MAIN(TestProgress)
#include "tst_progress.moc"
