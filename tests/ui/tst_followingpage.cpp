#include "engine/downloadqueue.h"
#include "following/following.h"
#include "following/followingstore.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/httpserver.h"
#include "support/windowfixture.h"
#include "ui/followingview.h"
#include "ui/shell.h"

#include <QAccessible>
#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A feed of `count` episodes, newest first, as yt-dlp lists a feed.
QByteArray feed(const HttpServer &server, int count)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>Page Feed"
                     "</title><link>http://127.0.0.1/</link><description>Episodes</description>";
    for (int n = count; n >= 1; --n) {
        const QByteArray number = QByteArray::number(n);
        xml += "<item><title>Episode " + number + "</title><guid>page-feed-" + number + "</guid><enclosure url=\""
               + server.url(u"/media/ep%1.mp4"_s.arg(n)).toEncoded() + "\" type=\"video/mp4\"/></item>";
    }
    return xml + "</channel></rss>\n";
}

} // namespace

// The Following page against the real engine and a feed on the local server: following a
// link through the page, a refused link, and pause, check now and remove from the keyboard.
class TestFollowingPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_server.listen()); }

    void followThroughThePage()
    {
        m_server.route(u"/page.xml"_s, feed(m_server, 3), "application/rss+xml");
        WindowFixture f({u"/usr/bin"_s});
        Following *following = f.downloader().following();
        QVERIFY(f.show({960, 640}));
        f.shell().setSection(Shell::AppSection::following);
        QTRY_VERIFY(f.find(u"followingPage"));
        QTRY_VERIFY(f.find(u"emptyState") && f.find(u"emptyState")->isVisible());

        // A link that is not a web address is refused with a word, and the field keeps it.
        f.find(u"followField")->forceActiveFocus();
        f.typeText(u"not a link"_s);
        QTest::keyClick(f.window(), Qt::Key_Return);
        QVERIFY(!f.textOf(u"followOutcome").isEmpty());
        QCOMPARE(f.find(u"followField")->property("text").toString(), u"not a link"_s);
        QCOMPARE(following->sources().size(), 0);

        // The feed's address, followed from now on: read by the engine, shown on its card.
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(f.window(), Qt::Key_Backspace);
        f.typeText(m_server.url(u"/page.xml"_s).toString());
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_COMPARE(following->sources().size(), 1);
        QVERIFY(f.find(u"followField")->property("text").toString().isEmpty());
        const QUuid id = following->sources().first().id;
        QTRY_VERIFY_WITH_TIMEOUT(following->find(id)->hasBeenRead(), 60000);
        QTRY_COMPARE(f.textOf(u"sourceTitle"), u"Page Feed"_s);
        // The card says how the reading went; the word that it had begun is gone with it.
        QTRY_VERIFY(!f.find(u"followOutcome")->isVisible());
        QCOMPARE(f.textOf(u"stateText"), u"Up to date"_s);
        QCOMPARE(following->find(id)->entryCount, 3);
        QCOMPARE(following->find(id)->newSinceVisit, 0);

        // Following it again changes nothing and says so.
        f.find(u"followField")->forceActiveFocus();
        f.typeText(m_server.url(u"/page.xml"_s).toString());
        QTest::keyClick(f.window(), Qt::Key_Return);
        QCOMPARE(following->sources().size(), 1);

        // Pause and resume with Space on the card's button.
        f.find(u"pauseSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Space);
        QTRY_VERIFY(following->find(id)->paused);
        QTRY_VERIFY(!f.find(u"nextCheck")->isVisible());
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_VERIFY(!following->find(id)->paused);

        // Paused, it is checked once when asked, says so while it is, and stays paused.
        f.find(u"pauseSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Space);
        QTRY_VERIFY(following->find(id)->paused);
        m_server.route(u"/page.xml"_s, {200, feed(m_server, 3), {}, "application/rss+xml", {}, 150});
        f.find(u"checkSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(f.textOf(u"stateText"), u"Checking just this once: the source stays paused"_s, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(f.textOf(u"stateText"), u"Paused"_s, 60000);
        QVERIFY(following->find(id)->paused);
        m_server.route(u"/page.xml"_s, feed(m_server, 3), "application/rss+xml");
        f.find(u"pauseSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Space);
        QTRY_VERIFY(!following->find(id)->paused);

        // Check now asks the server again.
        const int asked = m_server.requestCount(u"/page.xml"_s);
        f.find(u"checkSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount(u"/page.xml"_s) > asked, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!following->isChecking(), 60000);

        // Remove asks first; Escape keeps the source, the confirmation removes it.
        f.find(u"removeSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_VERIFY(f.find(u"removeCancel") && f.find(u"removeCancel")->hasActiveFocus());
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!f.find(u"removeCancel") || !f.find(u"removeCancel")->isVisible());
        QCOMPARE(following->sources().size(), 1);
        f.find(u"removeSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_VERIFY(f.find(u"removeCancel") && f.find(u"removeCancel")->hasActiveFocus());
        QTest::keyClick(f.window(), Qt::Key_Tab);
        QTRY_VERIFY(f.find(u"removeConfirm")->hasActiveFocus());
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_COMPARE(following->sources().size(), 0);
        QTRY_VERIFY(f.find(u"emptyState")->isVisible());

        // A page without media is refused once read, in words: no card, no folder.
        m_server.route(u"/nothing.html"_s, "<html><head><title>Nothing</title></head><body><p>No media.</p></body></html>", "text/html");
        const QString nothing = m_server.url(u"/nothing.html"_s).toString();
        f.find(u"followField")->forceActiveFocus();
        f.typeText(nothing);
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(f.textOf(u"followOutcome"),
                                  u"Nothing to follow at %1: it isn’t a channel, a playlist or a feed, or it no longer exists."_s.arg(nothing),
                                  60000);
        QCOMPARE(following->sources().size(), 0);
        QTRY_VERIFY(f.findAll(u"followingCard").isEmpty());
        QVERIFY(f.find(u"emptyState")->isVisible());
        QCOMPARE(QDir(f.path(u"home/Downloads"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    // Entries of a feed that point into the local network wait on its card; the user's word
    // is given from the keyboard, and "Download" lets them reach the local network.
    void heldEntriesAwaitTheUsersWord()
    {
        WindowFixture f;
        FollowedSource source;
        source.id = QUuid::createUuid();
        source.url = u"https://feeds.example.org/show.xml"_s;
        source.title = u"A show"_s;
        source.added = QDateTime::currentDateTimeUtc();
        source.nextCheck = source.added.addDays(1);
        source.held = {{u"a"_s, u"http://192.168.1.20/a.mp3"_s, u"A"_s}, {u"b"_s, u"http://192.168.1.20/b.mp3"_s, u"B"_s}};
        QVERIFY(FollowingStore::save(FollowingStore::defaultPath(), {source}));
        QVERIFY(f.show({960, 640}));
        f.shell().setSection(Shell::AppSection::following);
        QTRY_VERIFY(f.find(u"heldEntries") && f.find(u"heldEntries")->isVisible());
        QCOMPARE(f.textOf(u"heldText"), u"2 entries point into your local network"_s);
        // Held entries are not announced at start.
        QCOMPARE(f.downloader().queue()->items()->count(), 0);

        f.find(u"downloadHeld")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Space);
        QTRY_COMPARE(f.downloader().queue()->items()->count(), 2);
        for (const DownloadItem *item : f.downloader().queue()->items()->items())
            QVERIFY(!item->guarded());
        QTRY_VERIFY(!f.find(u"heldEntries")->isVisible());
    }

    // The download window's times are typed on the settings page: a time that is not one
    // is refused with a word on the row and changes nothing; a good one is stored in minutes.
    void downloadWindowRows()
    {
        WindowFixture f;
        f.settings().setValue(SettingsKey::downloadWindow, true);
        f.settings().setValue(SettingsKey::downloadWindowStart, 60);
        QVERIFY(f.show({960, 640}));
        f.shell().setSection(Shell::AppSection::settings);
        QTRY_VERIFY(f.find(u"windowStartField"));
        QQuickItem *start = f.find(u"windowStartField");
        QCOMPARE(start->property("text").toString(), u"01:00"_s);

        start->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_A, Qt::ControlModifier);
        f.typeText(u"25:00"_s);
        QTest::keyClick(f.window(), Qt::Key_Tab);
        QTRY_VERIFY(!f.textOf(u"rowProblem", f.find(u"downloadWindowTimesRow")).isEmpty());
        QCOMPARE(f.settings().count(SettingsKey::downloadWindowStart), 60);

        start->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_A, Qt::ControlModifier);
        f.typeText(u"2:30"_s);
        QTest::keyClick(f.window(), Qt::Key_Tab);
        QTRY_COMPARE(f.settings().count(SettingsKey::downloadWindowStart), 150);
        QCOMPARE(start->property("text").toString(), u"02:30"_s);
        QVERIFY(f.textOf(u"rowProblem", f.find(u"downloadWindowTimesRow")).isEmpty());

        // The switches are named by their rows; Space on one writes its key.
        for (const auto &[name, key] : {std::pair{u"switch_downloadWindow"_s, SettingsKey::downloadWindow},
                                        std::pair{u"switch_startAtLogin"_s, SettingsKey::startAtLogin}}) {
            QQuickItem *control = f.find(name);
            QVERIFY(control);
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(name));
            const bool before = f.settings().boolean(key);
            control->forceActiveFocus();
            QTest::keyClick(f.window(), Qt::Key_Space);
            QTRY_COMPARE(f.settings().boolean(key), !before);
        }
        QTRY_VERIFY(!f.find(u"downloadWindowTimesRow")->isVisible());
    }

    // Times of day for the download window, typed as people type them.
    void clockTimes()
    {
        QCOMPARE(FollowingView::minutesOf(u"01:00"_s), 60);
        QCOMPARE(FollowingView::minutesOf(u" 7:05 "_s), 7 * 60 + 5);
        QCOMPARE(FollowingView::minutesOf(u"7"_s), 7 * 60);
        QCOMPARE(FollowingView::minutesOf(u"0730"_s), 7 * 60 + 30);
        QCOMPARE(FollowingView::minutesOf(u"23.59"_s), 23 * 60 + 59);
        for (const QString &bad : {u""_s, u"24:00"_s, u"12:60"_s, u"noon"_s, u"-1"_s, u"1:5"_s, u"12345"_s})
            QVERIFY2(FollowingView::minutesOf(bad) == -1, qPrintable(bad));
        QCOMPARE(FollowingView::clock(0), u"00:00"_s);
        QCOMPARE(FollowingView::clock(7 * 60 + 5), u"07:05"_s);
        QCOMPARE(FollowingView::clock(1440 + 60), u"01:00"_s);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QCOMPARE(FollowingView::when(QDateTime(), now), u"—"_s);
        QVERIFY(FollowingView::when(now.addSecs(-20), now) != FollowingView::when(now.addSecs(-7200), now));
    }

private:
    HttpServer m_server;
};

QTEST_MAIN(TestFollowingPage)
#include "tst_followingpage.moc"
