#include "base/format.h"
#include "base/paths.h"
#include "following/following.h"
#include "following/followingstore.h"
#include "following/sourcelisting.h"
#include "settings/settings.h"
#include "support/files.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

FollowedSource fullSource()
{
    FollowedSource source;
    source.id = QUuid::createUuid();
    source.url = u"https://example.org/channel/ünïcode?list=1&x=\"2\""_s;
    source.title = u"Title with \"quotes\", a tab\tand ✓"_s;
    source.site = u"Generic"_s;
    source.entryCount = 512;
    source.added = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 678), Qt::UTC);
    source.lastCheck = source.added.addDays(1);
    source.lastRead = source.added.addSecs(3600);
    source.nextCheck = source.added.addDays(2);
    source.problem = {CheckFailure::rateLimited, u"ERROR: HTTP Error 429: Too Many Requests"_s};
    source.interval = 900;
    source.backoff = 3600;
    source.paused = true;
    source.options = {Quality::m4a, true, true, true, u"/media/podcasts"_s};
    source.newSinceVisit = 7;
    source.seen = {FollowedSource::entryKey(u"b"_s), FollowedSource::entryKey(u"a"_s), 0, ~quint64(0)};
    source.backlog = 3;
    source.pending = {{u"b"_s, u"https://example.org/b"_s, u"Bee"_s}, {u"c"_s, u"https://example.org/c"_s, {}, true}};
    source.held = {{u"d"_s, u"http://192.168.1.2/d.mp3"_s, u"Dee"_s}};
    source.localAllowed = true;
    return source;
}

FollowedSource minimalSource()
{
    FollowedSource source;
    source.id = QUuid::createUuid();
    source.url = u"https://example.org/feed.xml"_s;
    source.added = QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
    source.nextCheck = source.added;
    return source;
}

} // namespace

class TestFollowingStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    QString path() const { return m_root->filePath(u"following.json"_s); }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        Tools::setLocations({m_root->filePath(u"support"_s), {u"/usr/bin"_s}, m_root->filePath(u"cache"_s)});
    }

    void sourcesRoundTrip()
    {
        const QList<FollowedSource> sources{fullSource(), minimalSource()};
        const auto decoded = FollowingStore::decode(FollowingStore::encode(sources));
        QVERIFY(decoded && *decoded == sources);
    }

    void malformedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray good = FollowingStore::encode({minimalSource()});
        const auto with = [&good](const char *from, const char *to) {
            QByteArray changed = good;
            return changed.replace(from, to);
        };
        QTest::newRow("not JSON") << QByteArray("{\"version\":1,\"sources\":[");
        QTest::newRow("an array") << QByteArray("[]");
        QTest::newRow("another version") << with("\"version\":1", "\"version\":2");
        QTest::newRow("no id") << with("\"id\"", "\"identity\"");
        QTest::newRow("link not text") << with("\"url\":\"https://example.org/feed.xml\"", "\"url\":7");
        QTest::newRow("date not a date") << with("\"added\":\"2026", "\"added\":\"yesterday 2026");
        QTest::newRow("interval not whole") << with("\"interval\":21600", "\"interval\":1.5");
        QTest::newRow("seen not texts") << with("\"seen\":[]", "\"seen\":[1]");
        QTest::newRow("seen not a key") << with("\"seen\":[]", "\"seen\":[\"https://example.org/a\"]");
        QTest::newRow("held not a list") << with("\"seen\":[]", "\"seen\":[],\"held\":{}");
        QTest::newRow("pending without a link") << with("\"seen\":[]", "\"seen\":[],\"pending\":[{\"id\":\"x\"}]");
        QTest::newRow("binary junk") << QByteArray("\x00\x01\x02\xff", 4);
    }

    void malformedFilesAreRefused()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!FollowingStore::decode(json));
    }

    // Values a hand or a later release may leave, and sizes no real source gives, read as
    // something sound; files written before entries were held read as they were.
    void oddValuesAreBroughtWithinBounds()
    {
        FollowedSource source = minimalSource();
        source.title = QString(3 * 1024 * 1024, u'x');
        source.pending = {{u"a"_s, u"http://127.0.0.1:9/a"_s, QString(5000, u'y')}};
        QByteArray json = FollowingStore::encode({source});
        json.replace("\"interval\":21600", "\"interval\":5,\"backoff\":99999999,\"problem\":\"solarFlare\",\"future\":{\"x\":1}");
        json.replace("\"quality\":\"best\"", "\"quality\":\"p9000\"");
        const auto decoded = FollowingStore::decode(json);
        QVERIFY(decoded);
        const FollowedSource &read = decoded->at(0);
        QCOMPARE(read.interval, FollowedSource::kShortestInterval);
        QCOMPARE(read.backoff, FollowedSource::kLongestBackoff);
        QCOMPARE(read.problem.kind, CheckFailure::network);
        QCOMPARE(read.options.quality, Quality(Quality::best));
        QCOMPARE(read.title.size(), Tools::kTitleLimit);
        QVERIFY(read.title.endsWith(u'\u2026'));
        QCOMPARE(read.pending.at(0).title.size(), Tools::kTitleLimit);
        QVERIFY(!read.pending.at(0).vouched && !read.localAllowed && read.held.isEmpty());
    }

    // An edited file: a second source of the same id gets one of its own (else it would
    // stay due for ever), and a folder the engine would misread goes back to the default.
    void editedFilesAreMadeSound_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("kept");
        QTest::newRow("absolute") << u"/media/shows"_s << true;
        QTest::newRow("a plain dollar") << u"/media/cost $ 5"_s << true;
        QTest::newRow("engine's temporary path") << u"temp:/tmp/x"_s << false;
        QTest::newRow("relative") << u"shows/new"_s << false;
        QTest::newRow("home shorthand") << u"~/shows"_s << false;
        QTest::newRow("variable") << u"/media/$HOME"_s << false;
        QTest::newRow("braced variable") << u"/media/${USER}x"_s << false;
        QTest::newRow("line break") << u"/media/a\nb"_s << false;
        QTest::newRow("trailing blank") << u"/media/shows "_s << false;
    }

    void editedFilesAreMadeSound()
    {
        QFETCH(QString, folder);
        QFETCH(bool, kept);
        FollowedSource first = minimalSource();
        first.options.folder = folder;
        FollowedSource twin = minimalSource();
        twin.id = first.id;
        twin.url = u"https://example.org/other.xml"_s;
        const QByteArray json = FollowingStore::encode({first, twin});
        const auto decoded = FollowingStore::decode(json);
        QVERIFY(decoded);
        QCOMPARE(decoded->size(), 2);
        QCOMPARE(decoded->at(0).id, first.id);
        QVERIFY(!decoded->at(1).id.isNull() && decoded->at(1).id != first.id);
        QCOMPARE(decoded->at(1).url, twin.url);
        QCOMPARE(decoded->at(0).options.folder, kept ? folder : QString());
    }

    // A file that cannot be read is kept aside, whole, and reported; the service starts
    // empty and its saves go to a new file.
    void unreadableFileIsKeptAside()
    {
        const QByteArray broken = "{\"version\":1,\"sources\":[{\"id\":";
        QVERIFY(writeFile(path(), broken));
        // A look from outside changes nothing.
        QVERIFY(!FollowingStore::read(path()));
        QCOMPARE(readFile(path()), broken);
        Settings settings(m_root->filePath(u"settings.ini"_s));
        // A service that never runs the engine and never looks a name up.
        Following::Environment offline;
        offline.file = path();
        offline.engine = [] { return std::optional<QString>(); };
        offline.lookup = [](const QString &, QObject *, const std::function<void(const QList<QHostAddress> &)> &answer) { answer({}); };
        Following following(&settings, offline);
        QVERIFY(following.setAsideFile().startsWith(path() + u".unreadable-"_s));
        QCOMPARE(readFile(following.setAsideFile()), broken);
        QCOMPARE(following.sources().size(), 0);
        QVERIFY(following.add(u"https://example.org/feed.xml"_s));
        QVERIFY(following.flush());
        QCOMPARE(FollowingStore::read(path())->size(), 1);
        QCOMPARE(readFile(following.setAsideFile()), broken);
    }

    // A save replaces the file whole, in one step, so that a kill at any moment leaves the
    // old file or the new one, as a second name for the old one shows; what a save cut
    // short left beside it goes at the next load, and a copy set aside stays.
    void savesReplaceTheFileWhole()
    {
        QVERIFY(FollowingStore::save(path(), {minimalSource()}));
        const QString before = m_root->filePath(u"before.json"_s);
        QCOMPARE(::link(QFile::encodeName(path()).constData(), QFile::encodeName(before).constData()), 0);
        QVERIFY(FollowingStore::save(path(), {minimalSource(), fullSource()}));
        QCOMPARE(FollowingStore::read(before)->size(), 1);
        QVERIFY(writeFile(path() + u".Ab12Cd"_s, "partial") && writeFile(path() + u".unreadable-20261209-120000"_s, "kept"));
        QCOMPARE(FollowingStore::load(path()).entries.size(), 2);
        QCOMPARE(QDir(m_root->path()).entryList({u"following.json*"_s}, QDir::Files | QDir::Hidden),
                 (QStringList{u"following.json"_s, u"following.json.unreadable-20261209-120000"_s}));
    }

    // What a check reads of the engine's listing, and what it makes of its complaints.
    void listingIsRead()
    {
        // Written with single quotes, turned into JSON below.
        const QByteArray json = QByteArray("{'_type': 'playlist', 'title': 'Channel', 'extractor_key': 'Youtube', 'playlist_count': 812,"
                                           " 'entries': [{'id': 'v2', 'url': 'https://example.org/watch?v=v2', 'title': 'Second'}, null,"
                                           " {'title': 'no link'}, {'url': 'https://example.org/feed/ep1.mp4#x', 'title': 'First'},"
                                           " {'id': 'v2', 'url': 'https://example.org/watch?v=v2'}]}")
                                    .replace('\'', '"');
        const auto listing = parseListing(json);
        QVERIFY(listing);
        QCOMPARE(listing->title, u"Channel"_s);
        QCOMPARE(listing->site, u"Youtube"_s);
        QCOMPARE(listing->count, 812);
        QCOMPARE(listing->entries.size(), 2);
        QCOMPARE(listing->entries.at(0), (FollowEntry{u"v2"_s, u"https://example.org/watch?v=v2"_s, u"Second"_s}));
        QCOMPARE(listing->entries.at(1).id, u"https://example.org/feed/ep1.mp4#x"_s);

        // Titles no real source has are cut; links and ids of that size are of no use cut.
        const QByteArray huge(20000, 'z');
        const auto oversized = parseListing(QByteArray("{'_type': 'playlist', 'title': '" + huge + "', 'entries': [{'id': 'a', 'url': 'https://example.org/a', "
                                             "'title': '" + huge + "'}, {'id': 'b', 'url': 'https://example.org/" + huge + "'}, {'id': '" + huge
                                             + "', 'url': 'https://example.org/c'}]}")
                                                .replace('\'', '"'));
        QVERIFY(oversized);
        QCOMPARE(oversized->title.size(), Tools::kTitleLimit);
        QCOMPARE(oversized->entries.size(), 1);
        QCOMPARE(oversized->entries.at(0).title.size(), Tools::kTitleLimit);

        QVERIFY(!parseListing("[]"));
        QVERIFY(!parseListing("{\"title\": \"One video\"}")->isList);

        QCOMPARE(classifyFailure(u"WARNING: x\nERROR: [youtube] abc: Sign in to confirm you’re not a bot\n"_s).kind,
                 CheckFailure::rateLimited);
        QCOMPARE(classifyFailure(u"ERROR: [youtube:tab] x: This channel does not exist.\n"_s).kind, CheckFailure::vanished);
        const CheckProblem network = classifyFailure(u"ERROR: [generic] None: Unable to download webpage: <urlopen error "
                                                     u"timed out>; please report this issue on https://x"_s);
        QCOMPARE(network,
                 (CheckProblem{CheckFailure::network, u"ERROR: [generic] None: Unable to download webpage: <urlopen error timed out>"_s}));
    }
};

QTEST_GUILESS_MAIN(TestFollowingStore)
#include "tst_followingstore.moc"
