#include "base/paths.h"
#include "following/following.h"
#include "following/followinglist.h"
#include "following/followingstore.h"
#include "settings/settings.h"
#include "support/files.h"
#include "support/httpserver.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CheckFailure)

namespace {

constexpr int kCheck = 30000;
// The interval and half of the largest offset (a tenth of the interval, at most half an hour).
constexpr qint64 kLater = 6 * 3600 + 900;

// A podcast-style feed of the numbered episodes, newest first, as yt-dlp lists a feed.
QByteArray feed(const HttpServer &server, const QByteArray &title, const QList<int> &episodes)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>" + title
                     + "</title><link>http://127.0.0.1/</link><description>Episodes</description>";
    for (const int n : episodes) {
        const QByteArray number = QByteArray::number(n);
        xml += "<item><title>Episode " + number + "</title><guid>" + title.toLower().replace(' ', '-') + '-' + number
               + "</guid><enclosure url=\"" + server.url(u"/media/ep%1.mp4"_s.arg(n)).toEncoded() + "\" type=\"video/mp4\"/></item>";
    }
    return xml + "</channel></rss>\n";
}

// What the n-th announcement of a spy on Following::newEntries announced.
QList<FollowEntry> announcedIn(const QSignalSpy &spy, qsizetype n = 0)
{
    return spy.at(n).at(1).value<QList<FollowEntry>>();
}

QStringList titles(const QList<FollowEntry> &entries)
{
    QStringList list;
    for (const FollowEntry &entry : entries)
        list << entry.title;
    return list;
}

// A feed's links as the engine gives them, without the fragment it adds of its own.
QStringList links(const QList<FollowEntry> &entries)
{
    QStringList list;
    for (const FollowEntry &entry : entries)
        list << entry.url.section(u'#', 0, 0);
    return list;
}

} // namespace

class TestFollowing : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Settings> m_settings;
    HttpServer m_server;
    QDateTime m_now;
    // What the dice show, in turn; the last value stays.
    QList<double> m_dice;
    std::optional<QString> m_engine;
    std::chrono::milliseconds m_timeLimit{std::chrono::minutes(1)};
    // What the stand-in resolver answers for a name; a name not listed fails to resolve.
    // No test asks a real resolver: nothing but loopback is ever reached.
    QHash<QString, QList<QHostAddress>> m_answers;

    QString file() const { return m_root->filePath(u"support/following.json"_s); }

    std::unique_ptr<Following> makeFollowing()
    {
        Following::Environment environment;
        environment.file = file();
        environment.now = [this] { return m_now; };
        environment.random = [this] { return m_dice.size() > 1 ? m_dice.takeFirst() : m_dice.value(0, 0.5); };
        environment.engine = [this] { return m_engine; };
        environment.checkTimeLimit = m_timeLimit;
        environment.lookup = [this](const QString &host, QObject *context, std::function<void(const QList<QHostAddress> &)> answer) {
            // Answered later, as a resolver does.
            QMetaObject::invokeMethod(
                context, [answer, addresses = m_answers.value(host)] { answer(addresses); }, Qt::QueuedConnection);
        };
        return std::make_unique<Following>(m_settings.get(), environment);
    }

    // The service started on a file that holds these sources.
    std::unique_ptr<Following> startWith(const QList<FollowedSource> &sources)
    {
        return FollowingStore::save(file(), sources) ? makeFollowing() : nullptr;
    }

    // Saved, closed and started again.
    bool restart(std::unique_ptr<Following> &following)
    {
        if (!following->flush())
            return false;
        following.reset();
        following = makeFollowing();
        return true;
    }

    // A source as an earlier run left it: read a day ago, due in a day.
    FollowedSource readBefore(const QString &url) const
    {
        FollowedSource source;
        source.id = QUuid::createUuid();
        source.url = url;
        source.added = m_now.addDays(-1);
        source.lastCheck = source.lastRead = source.added;
        source.nextCheck = m_now.addDays(1);
        return source;
    }

    // Episodes `count` down to 1, or those listed.
    void serve(const QString &path, const QByteArray &title, int count, QList<int> episodes = {})
    {
        for (int n = episodes.isEmpty() ? count : 0; n >= 1; --n)
            episodes << n;
        m_server.route(path, feed(m_server, title, episodes), "application/rss+xml");
    }

    QString link(const QString &path) const { return m_server.url(path).toString(); }

    // Follows a link and waits for its first reading.
    QUuid followAndRead(Following &following, const QString &path, int backlog = 0)
    {
        QSignalSpy finished(&following, &Following::checkFinished);
        const auto id = following.add(link(path), backlog);
        if (!id || !finished.wait(kCheck))
            return {};
        return *id;
    }

    // An engine that lists `json` once the test writes the file it returns.
    QString waitingEngine(const QByteArray &json)
    {
        const QString release = m_root->filePath(u"release"_s);
        const QString listing = m_root->filePath(u"listing.json"_s);
        const QString engine = m_root->filePath(u"waiting-engine"_s);
        if (!writeFile(listing, json)
            || !writeFile(engine, "#!/bin/sh\nwhile [ ! -e '" + release.toLocal8Bit() + "' ]; do sleep 0.05; done\ncat '"
                                      + listing.toLocal8Bit() + "'\n")
            || !QFile::setPermissions(engine, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
            return {};
        m_engine = engine;
        return release;
    }

    bool checkNow(Following &following, const QUuid &id)
    {
        QSignalSpy finished(&following, &Following::checkFinished);
        following.checkNow(id);
        return finished.wait(kCheck);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
        for (const char *proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
            qunsetenv(proxy);
        qRegisterMetaType<FollowedSource>();
        qRegisterMetaType<QList<FollowEntry>>();
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        Tools::setLocations({m_root->filePath(u"support"_s), {u"/usr/bin"_s}, m_root->filePath(u"cache"_s)});
        qputenv("XDG_CACHE_HOME", m_root->filePath(u"xdg-cache"_s).toLocal8Bit());
        m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.ini"_s));
        m_settings->setValue(SettingsKey::folder, m_root->filePath(u"Downloads"_s));
        m_now = QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        m_dice = {0.5};
        m_engine = u"/usr/bin/yt-dlp"_s;
        m_timeLimit = std::chrono::minutes(1);
        m_answers = {{u"rebind.example"_s, {QHostAddress(u"93.184.216.34"_s), QHostAddress(u"127.0.0.1"_s)}},
                     {u"cdn.example"_s, {QHostAddress(u"93.184.216.34"_s)}}};
    }

    // The settings write themselves out when they go, so they go before their folder.
    void cleanup()
    {
        m_settings.reset();
        m_root.reset();
    }

    // Followed "from now on", a feed announces nothing at first; grown, exactly its new
    // episodes come, once, and a restart in between changes nothing of that.
    void newEntriesAreAnnouncedOnce()
    {
        serve(u"/grow.xml"_s, "Growing Feed", 3);
        auto following = makeFollowing();
        QSignalSpy announced(following.get(), &Following::newEntries);
        const QUuid id = followAndRead(*following, u"/grow.xml"_s);
        QVERIFY(!id.isNull());
        QCOMPARE(announced.size(), 0);
        const FollowedSource *source = following->find(id);
        QCOMPARE(source->title, u"Growing Feed"_s);
        QCOMPARE(source->site, u"Generic"_s);
        QCOMPARE(source->entryCount, 3);
        QCOMPARE(source->problem.kind, CheckFailure::none);
        QCOMPARE(source->lastRead, m_now);
        QCOMPARE(source->nextCheck, m_now.addSecs(kLater));

        serve(u"/grow.xml"_s, "Growing Feed", 5);
        m_now = m_now.addSecs(kLater);
        QSignalSpy finished(following.get(), &Following::checkFinished);
        following->checkDue();
        QVERIFY(finished.wait(kCheck));
        QCOMPARE(announced.size(), 1);
        const QList<FollowEntry> entries = announcedIn(announced);
        QCOMPARE(titles(entries), (QStringList{u"Episode 5"_s, u"Episode 4"_s}));
        QCOMPARE(links(entries).value(0), link(u"/media/ep5.mp4"_s));
        QVERIFY2(entries.at(0).id.contains(u"growing-feed-5"_s), qPrintable(entries.at(0).id));
        QCOMPARE(announced.at(0).at(0).value<FollowedSource>().id, id);
        QCOMPARE(following->find(id)->newSinceVisit, 2);
        QCOMPARE(following->list()->newCount(), 2);

        // Neither read again, nor after being taken down for a while or pushed out of the
        // listing and coming back.
        QVERIFY(checkNow(*following, id));
        serve(u"/grow.xml"_s, "Growing Feed", 0, {5, 3, 2, 1});
        QVERIFY(checkNow(*following, id));
        serve(u"/grow.xml"_s, "Growing Feed", 5);
        QVERIFY(checkNow(*following, id));
        QCOMPARE(announced.size(), 1);

        QVERIFY(restart(following));
        QSignalSpy announcedAfter(following.get(), &Following::newEntries);
        QCOMPARE(following->find(id)->newSinceVisit, 2);
        QVERIFY(checkNow(*following, id));
        QCOMPARE(announcedAfter.size(), 0);
        // No queue said it took them: they come again when asked, until one does.
        following->announcePending();
        QCOMPARE(announcedAfter.size(), 1);
        QCOMPARE(announcedIn(announcedAfter), entries);
        following->delivered(id, {entries.at(0).id, entries.at(1).id});
        following->announcePending();
        QCOMPARE(announcedAfter.size(), 1);
        following->visited();
        QCOMPARE(following->list()->newCount(), 0);
        QVERIFY(following->flush());
        QCOMPARE(FollowingStore::load(file()).entries.value(0).newSinceVisit, 0);
    }

    void failuresAreTold_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status"); // 0: the server has no such page
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<CheckFailure>("failure");
        QTest::addColumn<int>("retryIn"); // -1: only a first reading is tried
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("problem");

        const QByteArray none;
        const auto vanished = CheckFailure::vanished;
        // The pause the site asked for, or the retry after a failure, and half the largest offset.
        QTest::newRow("too many requests") << u"/busy.xml"_s << 429 << none << CheckFailure::rateLimited << 12 * 3600 + 900 << false
                                           << u"rateLimited"_s;
        QTest::newRow("gone") << u"/gone.xml"_s << 410 << none << vanished << int(kLater) << true << u"vanished"_s;
        QTest::newRow("not found") << u"/nothing-here.xml"_s << 0 << none << vanished << int(kLater) << true << u"vanished"_s;
        QTest::newRow("a page without media") << u"/page.html"_s << 200 << QByteArray("text/html") << vanished << int(kLater) << true
                                              << u"vanished"_s;
        QTest::newRow("server error") << u"/broken.xml"_s << 503 << none << CheckFailure::network << 1800 + 90 << false << u"network"_s;
        QTest::newRow("a single video") << u"/clip.mp4"_s << 200 << QByteArray("video/mp4") << CheckFailure::none << -1 << true << QString();
    }

    // A link whose first reading finds nothing to follow is refused: the source goes from
    // the list and the file, and no folder is made for it. A site that could not be
    // reached may still have something: that source stays, saying why. A later check of a
    // source read before that fails says why on the source, retries later and announces
    // nothing.
    void failuresAreTold()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, type);
        QFETCH(CheckFailure, failure);
        QFETCH(int, retryIn);
        QFETCH(bool, refused);
        QFETCH(QString, problem);
        if (type == "text/html")
            m_server.route(path, "<html><head><title>Nothing</title></head><body><p>No media.</p></body></html>", type);
        else if (!type.isEmpty())
            m_server.route(path, QByteArray(4096, 'x'), type);
        else if (status)
            m_server.route(path, "no\n", "text/plain", status);

        auto following = makeFollowing();
        QAbstractItemModelTester tester(following->list(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy refusals(following.get(), &Following::followRefused);
        const QUuid first = followAndRead(*following, path);
        QVERIFY(!first.isNull());
        QVERIFY(!following->isChecking());
        QVERIFY(following->flush());
        QCOMPARE(refusals.size(), refused ? 1 : 0);
        QCOMPARE(FollowingStore::load(file()).entries.size(), refused ? 0 : 1);
        if (refused) {
            QCOMPARE(refusals.at(0), (QVariantList{first, link(path)}));
            QVERIFY(!following->find(first));
            QCOMPARE(following->list()->rowCount(), 0);
            QVERIFY(QDir(m_root->filePath(u"Downloads"_s)).isEmpty());
            QCOMPARE(following->nextWake(), QDateTime());
        } else {
            QVERIFY(following->find(first)->problem.isFailure());
        }
        if (retryIn < 0)
            return;

        following.reset();
        const FollowedSource before = readBefore(link(path));
        following = startWith({before});
        QSignalSpy announced(following.get(), &Following::newEntries);
        QVERIFY(checkNow(*following, before.id));
        const FollowedSource *source = following->find(before.id);
        QVERIFY(source);
        QCOMPARE(source->problem.kind, failure);
        QVERIFY(!source->problem.detail.isEmpty());
        QVERIFY2(!source->problem.detail.contains(u"please report"_s), qPrintable(source->problem.detail));
        QCOMPARE(source->nextCheck, m_now.addSecs(retryIn));
        QCOMPARE(announced.size(), 0);
        const QModelIndex row = following->list()->index(0);
        QCOMPARE(row.data(FollowingList::StateRole).toString(), u"failed"_s);
        QCOMPARE(row.data(FollowingList::ProblemRole).toString(), problem);
        QCOMPARE(row.data(FollowingList::TitleRole).toString(), link(path));
    }

    // Each time the site asks for a pause it is asked half as often, down to once a day;
    // the first reading that works brings the source's own interval back, and since that
    // reading is its first, what it lists counts as seen.
    void aPauseIsHonouredUpToADay()
    {
        m_server.route(u"/slow-down.xml"_s, "slow down\n", "text/plain", 429);
        auto following = makeFollowing();
        QSignalSpy announced(following.get(), &Following::newEntries);
        const QUuid id = followAndRead(*following, u"/slow-down.xml"_s);
        QCOMPARE(following->find(id)->backoff, 12 * 3600);
        for (int n = 0; n < 2; ++n) {
            QVERIFY(checkNow(*following, id));
            QCOMPARE(following->find(id)->backoff, 24 * 3600);
            QCOMPARE(following->find(id)->nextCheck, m_now.addSecs(24 * 3600 + 900));
        }
        serve(u"/slow-down.xml"_s, "Calm Feed", 4);
        QVERIFY(checkNow(*following, id));
        const FollowedSource *source = following->find(id);
        QCOMPARE(source->backoff, 0);
        QCOMPARE(source->problem.kind, CheckFailure::none);
        QCOMPARE(source->interval, FollowedSource::kDefaultInterval);
        QCOMPARE(source->seen.size(), 4);
        QCOMPARE(announced.size(), 0);
    }

    // Without the engine, or with one that never answers, the check ends all the same and
    // the next source gets its turn.
    void aCheckAlwaysEnds()
    {
        m_engine.reset();
        auto following = makeFollowing();
        const QUuid missing = followAndRead(*following, u"/whatever.xml"_s);
        QCOMPARE(following->find(missing)->problem.kind, CheckFailure::engineMissing);
        QCOMPARE(following->list()->index(0).data(FollowingList::ProblemRole).toString(), u"engineMissing"_s);

        const QString stuck = m_root->filePath(u"stuck-engine"_s);
        QVERIFY(writeFile(stuck, "#!/bin/sh\nexec sleep 60\n"));
        QVERIFY(QFile::setPermissions(stuck, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        m_engine = stuck;
        m_timeLimit = std::chrono::milliseconds(500);
        QVERIFY(restart(following));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(checkNow(*following, missing));
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(following->find(missing)->problem, (CheckProblem{CheckFailure::network, u"timed out"_s}));
    }

    // The schedule runs on the clock the test holds: nothing before a source is due, the
    // due one alone when it is, and one check at a time when several are.
    void checksFollowTheClock()
    {
        auto following = makeFollowing();
        QList<QUuid> sources;
        // The dice drawn after each first reading place the three at different times.
        for (const double dice : {0.9, 0.1, 0.5}) {
            const QString path = u"/clock-%1.xml"_s.arg(sources.size());
            serve(path, "Clock " + QByteArray::number(sources.size()), 2);
            m_dice = {dice};
            sources << followAndRead(*following, path);
            QVERIFY(!sources.constLast().isNull());
        }
        const QDateTime first = following->find(sources[1])->nextCheck;
        QCOMPARE(first, m_now.addSecs(6 * 3600 + 180));
        QCOMPARE(following->find(sources[0])->nextCheck, m_now.addSecs(6 * 3600 + 1620));

        QSignalSpy started(following.get(), &Following::checkStarted);
        QSignalSpy finished(following.get(), &Following::checkFinished);
        // The timer sleeps a minute at most, whatever is due later.
        m_now = first.addSecs(-3600);
        following->checkDue();
        QVERIFY(!following->isChecking());
        QCOMPARE(following->nextWake(), m_now.addSecs(60));
        m_now = first.addSecs(-1);
        following->checkDue();
        QVERIFY(!following->isChecking());
        QCOMPARE(following->nextWake(), first);

        m_now = first;
        following->checkDue();
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.at(0).at(0).toUuid(), sources[1]);
        QVERIFY(finished.wait(kCheck));

        // All due at once: each starts only when the one before has ended.
        m_now = m_now.addDays(1);
        QStringList order;
        connect(following.get(), &Following::checkStarted, this, [&] { order << u"start"_s; });
        connect(following.get(), &Following::checkFinished, this, [&] { order << u"end"_s; });
        following->checkDue();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 4, 3 * kCheck);
        QCOMPARE(order, (QStringList{u"start"_s, u"end"_s, u"start"_s, u"end"_s, u"start"_s, u"end"_s}));

        // A paused source is left alone when due and by "check all", but checked when asked.
        following->setPaused(sources[2], true);
        m_now = m_now.addDays(1);
        following->checkAll();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 6, 2 * kCheck);
        QVERIFY(following->find(sources[2])->lastCheck < m_now);
        QTest::qWait(200);
        QCOMPARE(finished.size(), 6);
        QVERIFY(checkNow(*following, sources[2]));
        QCOMPARE(following->find(sources[2])->lastCheck, m_now);
        QCOMPARE(following->list()->index(2).data(FollowingList::StateRole).toString(), u"paused"_s);

        // Started again long after, the overdue sources wait a minute at least and are spread
        // over a quarter of their interval, fifteen minutes at most.
        m_now = m_now.addDays(3);
        m_dice = {0.0, 1.0 - 1e-9, 0.5};
        QVERIFY(restart(following));
        QSignalSpy startedLater(following.get(), &Following::checkStarted);
        QCOMPARE(following->find(sources[0])->nextCheck, m_now.addSecs(60));
        QCOMPARE(following->find(sources[1])->nextCheck, m_now.addSecs(60 + 899));
        QCOMPARE(following->find(sources[2])->nextCheck, m_now.addSecs(60 + 450));
        following->checkDue();
        QCOMPARE(startedLater.size(), 0);
    }

    // The state the list last announced is the state the source is in: a check that ends
    // as the one before it did still ends "checking", and a paused source checked on the
    // user's word is "checking" that once and "paused" after, asked nothing more.
    void aCheckEndsInTheListsState()
    {
        const QString release = waitingEngine("{\"_type\": \"playlist\", \"title\": \"Same Feed\", \"entries\": "
                                              "[{\"id\": \"one\", \"url\": \"https://example.org/one.mp3\"}]}");
        QVERIFY(!release.isEmpty());
        QVERIFY(writeFile(release));
        auto following = makeFollowing();
        QAbstractItemModelTester tester(following->list(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QUuid id = followAndRead(*following, u"/same.xml"_s);
        QVERIFY(!id.isNull());
        FollowingList *list = following->list();
        QStringList announced;
        connect(list, &QAbstractItemModel::dataChanged, this, [&](const QModelIndex &from, const QModelIndex &, const QList<int> &roles) {
            if (roles.contains(FollowingList::StateRole))
                announced << from.data(FollowingList::StateRole).toString();
        });
        QVERIFY(checkNow(*following, id));
        QCOMPARE(announced, (QStringList{u"checking"_s, u"ok"_s}));

        following->setPaused(id, true);
        QVERIFY(QFile::remove(release));
        announced.clear();
        QSignalSpy started(following.get(), &Following::checkStarted);
        QSignalSpy finished(following.get(), &Following::checkFinished);
        following->checkNow(id);
        QVERIFY(started.wait(kCheck));
        QCOMPARE(list->index(0).data(FollowingList::StateRole).toString(), u"checking"_s);
        QVERIFY(list->index(0).data(FollowingList::PausedRole).toBool());
        QVERIFY(writeFile(release));
        QVERIFY(finished.wait(kCheck));
        QCOMPARE(announced, (QStringList{u"checking"_s, u"paused"_s}));
        QVERIFY(following->find(id)->paused);
        QCOMPARE(following->nextWake(), QDateTime());
    }

    // A paused source sets no wake-up: alone it leaves the timer asleep, and due before the
    // others it does not bring the next look forward.
    void pausedSourcesSetNoWakeUp()
    {
        FollowedSource paused = readBefore(u"https://example.org/paused.xml"_s);
        paused.nextCheck = m_now.addSecs(120);
        paused.paused = true;
        auto following = startWith({paused});
        QCOMPARE(following->nextWake(), QDateTime());

        FollowedSource active = readBefore(u"https://example.org/active.xml"_s);
        active.nextCheck = m_now.addSecs(3600);
        following.reset();
        following = startWith({paused, active});
        m_now = m_now.addSecs(100);
        following->checkDue();
        QVERIFY(!following->isChecking());
        QCOMPARE(following->nextWake(), m_now.addSecs(60));
    }

    // A feed is remote text, as a vireloom: address is: entries whose host is, or resolves
    // to, the local network wait on the source's card for the user's word, across restarts,
    // and are never announced until then. The forms an address may take are the intake's
    // tests; here each way an entry can be found local.
    void entriesIntoTheLocalNetworkWait()
    {
        const QStringList held{u"http://127.0.0.1:9/admin?action=reboot"_s, u"http://[::1]:9/ep.mp3"_s, u"http://nas.local/ep.mp3"_s,
                               u"http://printer/ep.mp3"_s, u"http://rebind.example/ep.mp3"_s, u"http://gone.example/ep.mp3"_s};
        const QStringList going{u"http://cdn.example/ep.mp3"_s, u"http://93.184.216.34/ep.mp3"_s};
        QByteArray xml = "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>Mixed Feed</title><link>http://127.0.0.1/</link>"
                         "<description>d</description>";
        for (const QString &entry : held + going) {
            const QByteArray n = QByteArray::number(xml.count("<item>") + 1);
            xml += "<item><title>Entry " + n + "</title><guid>mixed-" + n + "</guid><enclosure url=\"" + entry.toUtf8().replace("&", "&amp;")
                   + "\" type=\"audio/mpeg\"/></item>";
        }
        m_server.route(u"/mixed.xml"_s, xml + "</channel></rss>\n", "application/rss+xml");
        // Followed by a release that did not know of the rule: read once, never allowed in.
        const FollowedSource old = readBefore(link(u"/mixed.xml"_s));

        auto following = startWith({old});
        QSignalSpy announced(following.get(), &Following::newEntries);
        QVERIFY(checkNow(*following, old.id));
        QTRY_COMPARE(announced.size(), 1);
        QTest::qWait(50);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(links(announcedIn(announced)), going);
        QVERIFY(std::ranges::none_of(announcedIn(announced), &FollowEntry::vouched));
        QCOMPARE(links(following->find(old.id)->held), held);
        QCOMPARE(following->list()->index(0).data(FollowingList::HeldCountRole).toInt(), int(held.size()));
        QCOMPARE(following->find(old.id)->pending.size(), going.size());

        // Started again: what went is announced again until taken; what is held stays held.
        QVERIFY(restart(following));
        QSignalSpy again(following.get(), &Following::newEntries);
        following->announcePending();
        QTRY_COMPARE(again.size(), 1);
        QTest::qWait(50);
        QCOMPARE(again.size(), 1);
        QCOMPARE(links(announcedIn(again)), going);
        QCOMPARE(links(following->find(old.id)->held), held);

        // "Download": announced, vouched for, and pending until the queue takes them.
        following->downloadHeld(old.id);
        QCOMPARE(again.size(), 2);
        QCOMPARE(links(announcedIn(again, 1)), held);
        QVERIFY(std::ranges::all_of(announcedIn(again, 1), &FollowEntry::vouched));
        QVERIFY(following->find(old.id)->held.isEmpty());
        QVERIFY(restart(following));
        QSignalSpy afterRelease(following.get(), &Following::newEntries);
        following->announcePending();
        QTRY_COMPARE(afterRelease.size(), 1);
        const QList<FollowEntry> pending = announcedIn(afterRelease);
        QCOMPARE(std::ranges::count_if(pending, &FollowEntry::vouched), held.size());
    }

    // A source the user follows although it is in the local network is allowed there once,
    // for its own entries (their screening is pendingEntriesAreScreenedAtStart's); "Ignore"
    // lets held entries go for good.
    void aLocalSourceIsAllowedWhenFollowed()
    {
        serve(u"/local.xml"_s, "Local Feed", 1);
        auto following = makeFollowing();
        const QUuid id = followAndRead(*following, u"/local.xml"_s);
        QVERIFY(following->find(id)->localAllowed);

        // A public name that resolves into the local network is such a source too; one
        // whose lookup fails is not.
        const QUuid rebinding = *following->add(u"https://rebind.example/feed"_s);
        QVERIFY(!following->find(rebinding)->localAllowed);
        QTRY_VERIFY(following->find(rebinding)->localAllowed);
        const QUuid failing = *following->add(u"https://gone.example/feed"_s);
        QTest::qWait(50);
        QVERIFY(!following->find(failing)->localAllowed);

        // "Ignore": the entries go, for good.
        FollowedSource waiting = *following->find(id);
        waiting.held = {{u"x"_s, u"http://127.0.0.1:9/x"_s, u"X"_s}};
        following.reset();
        following = startWith({waiting});
        QCOMPARE(following->find(id)->held.size(), 1);
        following->ignoreHeld(id);
        QVERIFY(following->flush());
        QCOMPARE(FollowingStore::load(file()).entries.at(0).held.size(), 0);
    }

    // Pending entries from a file written before the rule are screened at start like a
    // check's: by the setting, the source's allowance and the entry's own host.
    void pendingEntriesAreScreenedAtStart_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("sourceAllowed");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("vouched");
        QTest::newRow("asked") << u"ask"_s << false << u"http://127.0.0.1:9/a"_s << true << false;
        QTest::newRow("allowed by the settings") << u"allow"_s << false << u"http://127.0.0.1:9/a"_s << false << true;
        QTest::newRow("local source") << u"ask"_s << true << u"http://127.0.0.1:9/a"_s << false << true;
        QTest::newRow("public") << u"ask"_s << false << u"http://93.184.216.34/a"_s << false << false;
        QTest::newRow("public, local source") << u"ask"_s << true << u"http://93.184.216.34/a"_s << false << false;
        QTest::newRow("through a proxy") << u"ask"_s << false << u"http://cdn-x.example/a"_s << false << false;
    }

    void pendingEntriesAreScreenedAtStart()
    {
        QFETCH(QString, setting);
        QFETCH(bool, sourceAllowed);
        QFETCH(QString, entry);
        QFETCH(bool, held);
        QFETCH(bool, vouched);
        m_settings->setValue(SettingsKey::schemeLocalAddresses, setting);
        if (QString::fromLatin1(QTest::currentDataTag()) == u"through a proxy")
            m_settings->setValue(SettingsKey::proxy, u"http://127.0.0.1:9"_s);
        FollowedSource source = readBefore(u"https://feeds.example/show.xml"_s);
        source.localAllowed = sourceAllowed;
        source.pending = {{u"e"_s, entry, u"E"_s}};
        auto following = startWith({source});
        QSignalSpy announced(following.get(), &Following::newEntries);
        following->announcePending();
        // Held or announced, once the stand-in resolver has answered.
        QTRY_VERIFY(following->find(source.id)->held.size() + announced.size() == 1);
        QCOMPARE(following->find(source.id)->held.size(), held ? 1 : 0);
        if (!held)
            QCOMPARE(announcedIn(announced).at(0).vouched, vouched);
    }

    void folderNamesKeepWhatTheEngineExpands_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << u"Morning Show"_s << u"Morning Show"_s;
        QTest::newRow("parent and variable") << u"..${HOME}"_s << u".._{HOME}"_s;
        QTest::newRow("variable") << u"$HOME"_s << u"_HOME"_s;
        QTest::newRow("home") << u"~"_s << u"_"_s;
        QTest::newRow("home of another") << u"~root/x"_s << u"_root_x"_s;
        QTest::newRow("tilde inside") << u"A~B"_s << u"A~B"_s;
        QTest::newRow("dots") << u".."_s << u"_"_s;
        QTest::newRow("percent") << u"100% %(id)s"_s << u"100% %(id)s"_s;
    }

    void folderNamesKeepWhatTheEngineExpands()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(FollowedSource::folderName(title), name);
    }

    // Removed while it is being checked: the check goes with it, and so does the source
    // from the file; what it downloaded stays.
    void removingKeepsFiles()
    {
        serve(u"/kept.xml"_s, "Kept Feed", 2);
        auto following = makeFollowing();
        const QUuid id = followAndRead(*following, u"/kept.xml"_s);
        const QString folder = following->find(id)->downloadFolder(m_settings->folder());
        QCOMPARE(folder, m_root->filePath(u"Downloads/Kept Feed"_s));
        QVERIFY(QDir().mkpath(folder) && writeFile(folder + u"/Episode 1.mp4"_s, "media"));

        QSignalSpy started(following.get(), &Following::checkStarted);
        QSignalSpy finished(following.get(), &Following::checkFinished);
        following->checkNow(id);
        QVERIFY(started.wait(kCheck));
        QVERIFY(following->remove(id));
        QVERIFY(!following->isChecking());
        QCOMPARE(following->list()->rowCount(), 0);
        QTest::qWait(300);
        QCOMPARE(finished.size(), 0);
        QVERIFY(following->flush());
        QCOMPARE(FollowingStore::load(file()).entries.size(), 0);
        QCOMPARE(readFile(folder + u"/Episode 1.mp4"_s), QByteArray("media"));
        QVERIFY(!following->remove(id));
    }

    void linksAreChecked()
    {
        m_engine.reset();
        auto following = makeFollowing();
        for (const QString &text : {u""_s, u"not a link"_s, u"ftp://example.org/feed"_s, u"file:///etc/passwd"_s, u"https://"_s})
            QVERIFY2(!following->add(text), qPrintable(text));
        const auto first = following->add(u"  https://example.org/feed.xml "_s);
        QVERIFY(first);
        QCOMPARE(following->add(u"https://example.org/feed.xml"_s), first);
        QCOMPARE(following->sources().size(), 1);
        QCOMPARE(following->follow(u"nothing"_s), QString());
    }

    // The list the Following page shows: its roles, and only what changed announced.
    // Followed with "also the latest 2", the first reading announces the two newest at once.
    void listShowsTheSources()
    {
        serve(u"/shown.xml"_s, "Shown Feed", 3);
        auto following = makeFollowing();
        QAbstractItemModelTester tester(following->list(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy announced(following.get(), &Following::newEntries);
        const QUuid id = followAndRead(*following, u"/shown.xml"_s, 2);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(titles(announcedIn(announced)), (QStringList{u"Episode 3"_s, u"Episode 2"_s}));
        FollowingList *list = following->list();
        const QModelIndex row = list->index(0);
        const QString ownFolder = m_root->filePath(u"Downloads/Shown Feed"_s);
        const QList<std::pair<int, QVariant>> shown{
            {FollowingList::IdRole, id},         {FollowingList::TitleRole, u"Shown Feed"_s}, {FollowingList::EntryCountRole, 3},
            {FollowingList::StateRole, u"ok"_s}, {FollowingList::ProblemRole, QString()},     {FollowingList::NewSinceVisitRole, 2},
            {FollowingList::LastCheckRole, m_now}, {FollowingList::FolderRole, Settings::displayPath(ownFolder)}};
        for (const auto &[role, value] : shown)
            QCOMPARE(row.data(role), value);

        QSignalSpy changed(list, &QAbstractItemModel::dataChanged);
        following->visited();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(2).value<QList<int>>(), QList<int>{FollowingList::NewSinceVisitRole});

        QVERIFY(following->setQuality(id, u"p720"_s));
        QVERIFY(!following->setQuality(id, u"p9000"_s));
        QCOMPARE(row.data(FollowingList::QualityRole).toString(), u"p720"_s);
        QVERIFY(following->setAudioOnly(id, true));
        QCOMPARE(row.data(FollowingList::QualityRole).toString(), u"mp3"_s);
        QVERIFY(!following->chooseFolder(id, QUrl(u"https://example.org/folder"_s)));
        // A folder the engine would read as another is refused, and the card says why.
        QVERIFY(!following->chooseFolder(id, QUrl::fromLocalFile(u"/media/$USER"_s)));
        QVERIFY(!row.data(FollowingList::FolderProblemRole).toString().isEmpty());
        QVERIFY(!row.data(FollowingList::FolderChosenRole).toBool());
        QVERIFY(following->chooseFolder(id, QUrl::fromLocalFile(u"/media/shows/"_s)));
        QCOMPARE(row.data(FollowingList::FolderRole).toString(), u"/media/shows"_s);
        QVERIFY(row.data(FollowingList::FolderProblemRole).toString().isEmpty());
        QVERIFY(row.data(FollowingList::FolderChosenRole).toBool());
        QVERIFY(following->chooseFolder(id, QUrl()));
        QCOMPARE(following->find(id)->downloadOptions(m_settings->folder()).folder, ownFolder);

        QVERIFY(following->setInterval(id, 60));
        QCOMPARE(row.data(FollowingList::IntervalRole).toLongLong(), FollowedSource::kShortestInterval);
        QVERIFY(following->setInterval(id, 30 * 24 * 3600));
        QCOMPARE(following->find(id)->interval, FollowedSource::kLongestInterval);
        QCOMPARE(following->find(id)->nextCheck, m_now.addSecs(FollowedSource::kLongestInterval));
    }
};

QTEST_GUILESS_MAIN(TestFollowing)
#include "tst_following.moc"
