#include "base/format.h"
#include "engine/linereader.h"
#include "engine/progress.h"
#include "model/downloaditem.h"
#include "model/mediainfo.h"
#include "support/files.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kLink = u"https://example.com/v/1"_s;
// The rows' marker lines carry the token "T"; their files belong in /d.
const RunOutput kRun{RunMarkers(u"T"_s), u"/d"_s, {}};
// Output of Debian 12's yt-dlp 2023.03.04 against a local server (see tests/data).
const RunOutput kCaptured{RunMarkers(kCaptureToken), u"/tmp/vireloom-capture"_s, {}};

QString number(std::optional<double> value)
{
    return value ? QString::number(*value) : u"-"_s;
}

// The fields a line may change, in one comparable value.
struct Fields
{
    double progress = 0.0;
    std::optional<double> size;
    std::optional<double> speed;
    std::optional<double> eta;
    QString playlistPos;
    QString state = u"queued"_s;
    QString title = kLink;
    QString currentEntry;
    QStringList files;
    QStringList log;
    std::optional<QString> lastError;
    // What a run that was not probed says it fetches.
    std::optional<double> expectedBytes;
    int expectedParts = 1;
    QString site;

    static Fields of(const DownloadItem &item)
    {
        return {item.progress(),  item.size(),         item.speed(), item.eta(), item.playlistPos(),     item.stateName(),     item.title(),
                item.currentEntry(), item.files(),     item.log(),   item.lastError(), item.expectedBytes(), item.expectedParts(), item.site()};
    }
    friend bool operator==(const Fields &, const Fields &) = default;
};

char *toString(const Fields &f)
{
    return qstrdup(QStringLiteral("progress=%1 size=%2 speed=%3 eta=%4 pos=%5 state=%6 title=%7 entry=%8 files=[%9] log=[%10] error=%11 "
                                  "expected=%12 parts=%13 site=%14")
                       .arg(QString::number(f.progress), number(f.size), number(f.speed), number(f.eta), f.playlistPos, f.state, f.title,
                            f.currentEntry, f.files.join(u','), f.log.join(u" / "), f.lastError.value_or(u"(none)"_s),
                            number(f.expectedBytes), QString::number(f.expectedParts), f.site)
                       .toUtf8());
}

// A captured run, and what it leaves on its item.
struct Captured
{
    QString file; // tests/data/ytdlp-2023.03.04-<file>.txt
    bool playlist = false;
    double expected = 0; // the probe's size of both parts; -n: n parts of unknown size
    QList<int> picked;
    double halfway = -1; // the fraction shown when the first part or entry has just ended; -1: not looked at
    double size = 0;
    QStringList files;
    QString lastError;
    QString playlistPos;
    double progress = 1.0;
};

// Feeds a captured run's output to `apply` line by line, as the run's reader does.
void replay(const QString &file, const std::function<void(QStringView)> &apply)
{
    LineReader reader(apply);
    reader.feed(readFile(QStringLiteral(VIRELOOM_TEST_DATA "/") + file));
    reader.flush();
}

} // namespace

Q_DECLARE_METATYPE(Fields)

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<bool>("playlist");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Fields>("expected");
        const auto row = [](const char *name, bool playlist, const QStringList &lines, const Fields &expected) {
            QTest::newRow(name) << playlist << lines << expected;
        };
        const QString dl = u"downloading"_s;
        const QString pp = u"processing"_s;

        row("progress with a total", false, {u"VIRLOP|T|1000|4000|NA|500|12|NA|NA"_s},
            {.progress = 0.25, .size = 4000, .speed = 500, .eta = 12, .state = dl});
        row("estimate stands in for the total", false, {u"VIRLOP|T|1000|NA|2000|NA|NA|NA|NA"_s},
            {.progress = 0.5, .size = 2000, .state = dl});
        row("progress capped", false, {u"VIRLOP|T|5000|4000|NA|NA|NA|NA|NA"_s}, {.progress = 1.0, .size = 4000, .state = dl});
        row("negative count shows nothing done", false, {u"VIRLOP|T|-5000|4000|NA|NA|NA|NA|NA"_s}, {.size = 4000, .state = dl});
        row("no total: progress and size stay", false, {u"VIRLOP|T|1|NA|NA|10|3|NA|NA"_s}, {.speed = 10, .eta = 3, .state = dl});
        row("zero total counts as none", false, {u"VIRLOP|T|1|0|0|NA|NA|NA|NA"_s}, {.state = dl});
        row("infinity is no number", false, {u"VIRLOP|T|1|inf|nan|NA|NA|NA|NA"_s}, {.state = dl});
        row("downloaded not a number counts zero", false, {u"VIRLOP|T|NA|4000|NA|NA|NA|NA|NA"_s}, {.size = 4000, .state = dl});
        row("too few fields change nothing", false, {u"VIRLOP|T|1000|4000|NA"_s}, {});

        // Entry 2 of 12, half fetched: one and a half entries of twelve.
        const Fields second{.progress = 1.5 / 12, .size = 100, .playlistPos = u"2/12"_s, .state = dl};
        row("playlist position", true, {u"VIRLOP|T|50|100|NA|NA|NA|2|12"_s}, second);
        row("position kept when unknown", true,
            {u"VIRLOP|T|50|100|NA|NA|NA|2|12"_s, u"VIRLOP|T|50|100|NA|NA|NA|NA|NA"_s, u"VIRLOP|T|50|100|NA|NA|NA|3|1"_s,
             u"VIRLOP|T|50|100|NA|NA|NA|3.0|12"_s},
            second);
        row("extra fields ignored", true, {u"VIRLOP|T|50|100|NA|NA|NA|3|12|more|fields"_s},
            {.progress = 2.5 / 12, .size = 100, .playlistPos = u"3/12"_s, .state = dl});

        row("post-processing", false, {u"VIRLOP|T|1|NA|NA|NA|NA|NA|NA"_s, u"VIRLOPP|T|Merger"_s}, {.state = pp});
        row("progress after post-processing", false, {u"VIRLOPP|T|Merger"_s, u"VIRLOP|T|1|NA|NA|NA|NA|NA|NA"_s}, {.state = dl});

        row("NA title keeps the probed one", false, {u"VIRLOTITLE|T|NA"_s, u"VIRLOTITLE|T|"_s}, {});
        row("NA entry on a playlist", true, {u"VIRLOTITLE|T|NA"_s}, {.currentEntry = u"NA"_s});
        row("title with separators", false, {u"VIRLOTITLE|T|Live | Part 2 | 2024"_s}, {.title = u"Live | Part 2 | 2024"_s});
        row("markers inside a title", false, {u"VIRLOTITLE|T|About VIRLOPP|T|x and VIRLOFILE|T|y"_s},
            {.title = u"About VIRLOPP|T|x and VIRLOFILE|T|y"_s});
        row("files in order", false, {u"VIRLOFILE|T|/d/a.mp4"_s, u"VIRLOFILE|T|/d/b|c.mp4"_s}, {.files = {u"/d/a.mp4"_s, u"/d/b|c.mp4"_s}});

        const QStringList error{u"[generic] Extracting"_s, u"ERROR: \t Unsupported URL: x \t"_s};
        row("error line", false, error, {.log = error, .lastError = u"Unsupported URL: x"_s});
        const QStringList bare{u"error: lower case is no error line"_s, u"ERROR:"_s, u" [download] Got error: refused"_s};
        row("bare error marker: the next line is the reason", false, bare, {.log = bare, .lastError = u"[download] Got error: refused"_s});
        const QStringList inside{u"[info] VIRLOP|T|1|2|3|4|5|6|7"_s, u"virlop|1|2|3|4|5|6|7"_s, u"VIRLO"_s};
        row("markers only count at the start", false, inside, {.log = inside});

        // A post-processing step can be printed without its line break, glued to the next line.
        row("glued post-processing and file lines", false,
            {u"VIRLOPP|T|MetadataVIRLOPP|T|MetadataVIRLOPP|T|MoveFilesVIRLOFILE|T|/d/Test Feed/1 - clip.mp4"_s},
            {.state = pp, .files = {u"/d/Test Feed/1 - clip.mp4"_s}});
        row("error glued to a step", false, {u"VIRLOPP|T|ExtractAudioERROR: Postprocessing: audio conversion failed"_s},
            {.state = pp,
             .log = {u"ERROR: Postprocessing: audio conversion failed"_s},
             .lastError = u"Postprocessing: audio conversion failed"_s});
        row("message glued to a step", false, {u"VIRLOPP|T|Merger[Merger] Merging formats into \"a.mp4\""_s},
            {.state = pp, .log = {u"[Merger] Merging formats into \"a.mp4\""_s}});
        row("title and progress glued to a step", false,
            {u"VIRLOPP|T|MoveFilesVIRLOTITLE|T|Next"_s, u"VIRLOPP|T|MoveFilesVIRLOP|T|1|NA|NA|NA|NA|NA|NA  "_s},
            {.state = dl, .title = u"Next"_s});

        // What a page can put in the engine's output: a title with line breaks, lines shaped
        // like markers. Only this run's own marker lines count, and only files in its folder.
        row("title with a line break and a file marker, JSON-encoded", false, {u"VIRLOTITLE|T|\"x\\nVIRLOFILE|T|/d/.bashrc\""_s},
            {.title = u"x\nVIRLOFILE|T|/d/.bashrc"_s});
        const QStringList untokened{u"VIRLOFILE|/d/.bashrc"_s, u"VIRLOP|1|2|NA|NA|NA|NA|NA"_s, u"VIRLOTITLE|Forged"_s,
                                    u"VIRLOFILE|U|\"/d/a.mp4\""_s, u"VIRLOPP|U|Merger"_s, u"VIRLOINFO|U|{}|{\"title\": \"Forged\"}"_s};
        row("markers without the token or with another are log text", false, untokened, {.log = untokened});
        QStringList outside;
        QStringList ignored;
        for (const QString &path : {u"/home/u/.bashrc"_s, u"/d/../.profile"_s, u"/d2/a.mp4"_s, u"relative.mp4"_s}) {
            outside << u"VIRLOFILE|T|\"%1\""_s.arg(path);
            ignored << u"Vireloom: ignored a file outside the download folder: "_s + path;
        }
        row("a file outside the folder is not believed", false, outside, {.log = ignored});
        row("files inside, JSON escapes decoded", false,
            {u"VIRLOFILE|T|\"/d/caf\\u00e9 \\\"1\\\".mp4\""_s, u"VIRLOFILE|T|\"/d/List/2 - b.mp4\""_s},
            {.files = {u"/d/café \"1\".mp4"_s, u"/d/List/2 - b.mp4"_s}});
        row("glued step with another token is log text, the own file counts", false,
            {u"VIRLOPP|U|MoveFilesVIRLOFILE|T|\"/d/a.mp4\""_s}, {.files = {u"/d/a.mp4"_s}, .log = {u"VIRLOPP|U|MoveFiles"_s}});

        // A run with nothing read before it says what it fetches: the parts' sizes (numbers
        // only), then the page's fields as JSON, which may hold any text.
        row("reading of two parts", false,
            {u"VIRLOINFO|T|[{\"filesize\": 600}, {\"filesize_approx\": 400}]|{\"title\": \"A | B [x]\", \"extractor_key\": \"Site\"}"_s},
            {.title = u"A | B [x]"_s, .expectedBytes = 1000, .expectedParts = 2, .site = u"Site"_s});
        row("reading of one file", false, {u"VIRLOINFO|T|{}|{\"title\": \"One\", \"filesize\": 250}"_s},
            {.title = u"One"_s, .expectedBytes = 250});
        row("reading with a part of unknown size", false, {u"VIRLOINFO|T|[{\"filesize\": 600}, {}]|{\"title\": \"Two\"}"_s},
            {.title = u"Two"_s, .expectedParts = 2});
        row("reading that is not JSON", false, {u"VIRLOINFO|T|garbage|{\"title"_s}, {});
    }

    void lines()
    {
        QFETCH(bool, playlist);
        QFETCH(QStringList, lines);
        QFETCH(Fields, expected);

        DownloadItem item(kLink, Quality::best, playlist);
        item.setState(DLState::queued);
        RunOutput run = kRun;
        for (const QString &line : lines)
            applyOutputLine(item, line, run);
        QCOMPARE(Fields::of(item), expected);
    }

    void numbers_data()
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

    void numbers()
    {
        QFETCH(QString, field);
        QFETCH(std::optional<double>, number);
        QFETCH(std::optional<qint64>, whole);
        QCOMPARE(parseNumber(field), number);
        QCOMPARE(parseWhole(field), whole);
    }

    // A page cannot guess the token that makes its lines count as the run's own.
    void runTokensDiffer() { QVERIFY(RunMarkers::random().token() != RunMarkers::random().token()); }

    // The log keeps the last 400 to 500 lines, trimmed a hundred at a time; marker lines never reach it.
    void logIsTrimmedAHundredAtATime()
    {
        RunOutput run = kRun;
        DownloadItem item(kLink, Quality::best, false);
        item.setLog({u"line 0"_s});
        for (int n = 1; n <= 600; ++n) {
            applyOutputLine(item, u"line %1"_s.arg(n), run);
            applyOutputLine(item, u"VIRLOP|T|1|2|NA|NA|NA|NA|NA"_s, run);
            if (n == 499)
                QCOMPARE(item.log().size(), 500);
        }
        QCOMPARE(item.log().size(), 401);
        QCOMPARE(item.log().first(), u"line 200"_s);
        QCOMPARE(item.log().last(), u"line 600"_s);
    }

    // What real runs leave on their item: their files, position and last error, and no
    // marker line in the log. A merged download fetches video and audio one after the other,
    // each counted from zero; a feed its entries: the bar covers the whole and never goes back.
    void capturedRuns_data()
    {
        QTest::addColumn<Captured>("run");
        const auto row = [](const char *name, const Captured &run) { QTest::newRow(name) << run; };
        const QString dir = u"/tmp/vireloom-capture/"_s;
        const QStringList episodes{dir + u"Test Feed/1 - Episode One.mp4"_s, dir + u"Test Feed/3 - Episode Three.mp4"_s};
        const QString missing = u"[generic] None: Unable to download webpage: HTTP Error 404: File not found"_s;
        const double both = 211455 + 181096;

        row("single video", {.file = u"single"_s, .files = {dir + u"clip.mp4"_s}});
        // This run reported no downloaded bytes at all.
        row("mp3", {.file = u"mp3"_s, .files = {dir + u"clip.mp3"_s}, .progress = 0.0});
        row("post-processing error",
            {.file = u"postprocess-error"_s, .lastError = u"Postprocessing: WARNING: unable to obtain file audio codec with ffprobe"_s});
        // The probe named two formats without sizes: each counts half.
        row("merged, two parts without sizes",
            {.file = u"dash-merged"_s, .expected = -2, .halfway = 0.5, .size = both, .files = {dir + u"manifest.mp4"_s}});
        row("merged, sizes from the probe",
            {.file = u"dash-merged"_s, .expected = both, .halfway = 211455.0 / both, .size = both, .files = {dir + u"manifest.mp4"_s}});
        row("feed with a missing entry", {.file = u"feed"_s, .playlist = true, .halfway = 1.0 / 3, .size = 54823, .files = episodes,
                                          .lastError = missing, .playlistPos = u"3/3"_s});
        row("feed, two entries picked", {.file = u"feed"_s, .playlist = true, .picked = {1, 3}, .halfway = 0.5, .size = 54823,
                                         .files = episodes, .lastError = missing, .playlistPos = u"3/3"_s});
    }

    void capturedRuns()
    {
        QFETCH(Captured, run);
        DownloadItem item(kLink, Quality::best, run.playlist);
        if (run.expected > 0)
            item.setExpectedBytes(run.expected);
        else if (run.expected < 0)
            item.setExpectedParts(int(-run.expected));
        DownloadOptions options;
        options.playlistItems = run.picked;
        item.setOptions(options);
        QList<double> shown;
        connect(&item, &DownloadItem::progressChanged, this, [&] { shown << item.progress(); });
        RunOutput output = kCaptured;
        // The fraction when the first part or entry ends: the first line after it starts the next.
        double atFirstEnd = -1;
        replay(u"ytdlp-2023.03.04-%1.txt"_s.arg(run.file), [&](QStringView line) {
            const double before = item.progress();
            const qint64 entry = output.track.entry;
            const double partsDone = output.track.partsDone;
            applyOutputLine(item, line, output);
            if (atFirstEnd < 0 && (output.track.partsDone > partsDone || (entry != 0 && output.track.entry != entry)))
                atFirstEnd = before;
        });

        QCOMPARE(item.files(), run.files);
        QCOMPARE(item.playlistPos(), run.playlistPos);
        // The start of the message is enough: yt-dlp appends a long request to report the issue.
        QCOMPARE(item.lastError().has_value(), !run.lastError.isEmpty());
        QCOMPARE(item.lastError().value_or(QString()).left(run.lastError.size()), run.lastError);
        for (const QString &line : item.log())
            QVERIFY2(!line.contains(u"VIRLO"_s), qPrintable(line));
        QCOMPARE(item.progress(), run.progress);
        QVERIFY2(std::is_sorted(shown.begin(), shown.end()), qPrintable(QDebug::toString(shown)));
        if (run.halfway >= 0) {
            QVERIFY(shown.size() > 10);
            QVERIFY2(qAbs(atFirstEnd - run.halfway) < 0.02, qPrintable(QString::number(atFirstEnd)));
            QCOMPARE(item.size(), run.size);
        }
    }

    // A run names each file before fetching it: one already in the folder is not the
    // run's, and one outside the folder is not believed.
    void destinationsAreNoted()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(u"there.mp4"_s), "x"));
        DownloadItem item(u"http://x.test/v"_s, Quality::best, false);
        const QString there = folder.filePath(u"there.mp4"_s);
        const QString fresh = folder.filePath(u"new.mp4"_s);
        QTest::qWait(20);
        RunOutput run{RunMarkers(u"T"_s), folder.path(), {}, QDateTime::currentMSecsSinceEpoch()};
        QTest::qWait(20);
        // Finished by the run before its line was read: still the run's own.
        const QString finished = folder.filePath(u"finished.mp4"_s);
        QVERIFY(writeFile(finished, "y"));
        for (const QString &path : {there, fresh, u"/elsewhere/x.mp4"_s, there, finished})
            applyOutputLine(item, u"VIRLODEST|T|\""_s + path + u'"', run);
        QCOMPARE(item.destinations(), (QStringList{there, fresh, finished}));
        QCOMPARE(item.preexisting(), QStringList{there});
        QCOMPARE(item.log(), QStringList());
    }

    // Which entries of a playlist failed, and why, from the order of the run's lines: an
    // entry named before it fails is the one failing; one that fails before it is named
    // (a missing page) is the next expected after the last one named.
    void playlistLedger_data()
    {
        QTest::addColumn<QString>("capture"); // empty: the lines below
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<qint64>>("planned");
        QTest::addColumn<QList<qint64>>("delivered");
        QTest::addColumn<QStringList>("failed"); // "index:" and the start of the error

        const auto named = [](int n) { return u"VIRLODEST|T|%1|\"/d/%1.mp4\""_s.arg(n); };
        const auto file = [](int n) { return u"VIRLOFILE|T|\"/d/%1.mp4\""_s.arg(n); };
        const auto row = [](const char *name, const QStringList &lines, const QList<qint64> &planned, const QList<qint64> &delivered,
                            const QStringList &failed) { QTest::newRow(name) << QString() << lines << planned << delivered << failed; };
        row("between two arrivals", {named(1), file(1), u"ERROR: gone"_s, named(3), file(3)}, {1, 2, 3}, {1, 3}, {u"2:gone"_s});
        row("two in a row", {named(1), file(1), u"ERROR: a"_s, u"ERROR: b"_s, named(4), file(4)}, {1, 2, 3, 4}, {1, 4},
            {u"2:a"_s, u"3:b"_s});
        row("while its file was fetched", {named(1), u"ERROR: cut"_s, named(2), file(2)}, {1, 2}, {2}, {u"1:cut"_s});
        row("two errors of one entry count once", {named(1), u"ERROR: first"_s, u"ERROR: second"_s}, {1, 2}, {}, {u"1:first"_s});
        row("skipped by the archive: no failure", {named(1), file(1), named(3), file(3)}, {1, 2, 3}, {1, 3}, {});
        row("picked entries", {u"ERROR: gone"_s, named(5), file(5)}, {2, 5}, {5}, {u"2:gone"_s});
        row("the reason on the line after an empty error", {named(1), file(1), u"ERROR: "_s, u"Connection refused"_s}, {1, 2}, {1},
            {u"2:Connection refused"_s});
        // The real feed of three with the second missing, as Debian's yt-dlp ran it.
        QTest::newRow("captured feed") << u"ytdlp-2023.03.04-feed-named.txt"_s << QStringList() << QList<qint64>{1, 2, 3}
                                       << QList<qint64>{1, 3} << QStringList{u"2:[generic] None: Unable to download webpage: HTTP Error 404"_s};
    }

    void playlistLedger()
    {
        QFETCH(QString, capture);
        QFETCH(QStringList, lines);
        QFETCH(QList<qint64>, planned);
        QFETCH(QList<qint64>, delivered);
        QFETCH(QStringList, failed);
        DownloadItem item(u"http://x.test/feed"_s, Quality::best, true);
        RunOutput run = capture.isEmpty() ? kRun : kCaptured;
        const auto apply = [&item, &run](QStringView line) { applyOutputLine(item, line, run); };
        if (capture.isEmpty())
            std::ranges::for_each(lines, apply);
        else
            replay(capture, apply);
        QStringList found;
        for (const PlaylistLedger::Failure &failure : item.ledger().failures(planned))
            found << QString::number(failure.index) + u':' + failure.error;
        QCOMPARE(found.size(), failed.size());
        for (qsizetype n = 0; n < found.size(); ++n)
            QVERIFY2(found[n].startsWith(failed[n]), qPrintable(found[n]));
        QCOMPARE(item.ledger().deliveredEntries(), delivered);
        QCOMPARE(item.files().size(), delivered.size());
    }

    // A guarded item's page is remote text: a poster it names in the local network is not
    // kept, so the window never fetches it; a typed link's is, and public ones always are.
    void guardedItemsKeepNoLocalPoster_data()
    {
        QTest::addColumn<QString>("poster");
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<bool>("kept");
        QTest::newRow("local, guarded") << u"http://192.168.1.1/cgi?reboot"_s << true << false;
        QTest::newRow("loopback shorthand, guarded") << u"http://127.1:8080/x.jpg"_s << true << false;
        QTest::newRow("local, typed") << u"http://nas.local/poster.jpg"_s << false << true;
        QTest::newRow("public, guarded") << u"https://img.example.com/p.jpg"_s << true << true;
    }
    void guardedItemsKeepNoLocalPoster()
    {
        QFETCH(QString, poster);
        QFETCH(bool, guarded);
        QFETCH(bool, kept);
        DownloadItem item(kLink, Quality::best, false);
        item.setGuarded(guarded);
        MediaInfo info;
        info.thumbnail = QUrl(poster);
        applyReading(item, info);
        QCOMPARE(item.thumbnailUrl().has_value(), kept);
    }
};

QTEST_APPLESS_MAIN(TestProgress)
#include "tst_progress.moc"
