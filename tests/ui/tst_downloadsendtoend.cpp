#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/httpserver.h"
#include "support/media.h"
#include "support/windowfixture.h"
#include "ui/playlistplan.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The window with the machine's own yt-dlp and ffmpeg: a link typed into the field goes
// all the way to a file, and the card follows it.
class TestDownloadsEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(makeClip(m_root.filePath(u"clip.mp4"_s), 2));
        QVERIFY(m_server.listen());
        HttpServer::Response clip;
        clip.bodyFile = m_root.filePath(u"clip.mp4"_s);
        clip.contentType = "video/mp4";
        // About two seconds on the wire, so the card is seen downloading.
        clip.throttle = int(QFileInfo(clip.bodyFile).size() / 2);
        m_server.route(u"/media/clip.mp4"_s, clip);
        // Three episodes, the second of them missing.
        QByteArray feed = "<rss version=\"2.0\"><channel><title>Feed</title><link>http://127.0.0.1/</link><description>Three</description>";
        for (const char *n : {"1", "2", "3"}) {
            if (*n != '2')
                m_server.routeFile(u"/feed/ep%1.mp4"_s.arg(QLatin1StringView(n)), clip.bodyFile, "video/mp4");
            feed += QByteArray("<item><title>Episode ") + n + "</title><guid>e" + n + "</guid><enclosure url=\""
                    + m_server.url(u"/feed/ep%1.mp4"_s.arg(QLatin1StringView(n))).toEncoded() + "\" type=\"video/mp4\"/></item>";
        }
        HttpServer::Response xml;
        xml.body = feed + "</channel></rss>";
        xml.contentType = "application/rss+xml";
        m_server.route(u"/feed.xml"_s, xml);
        for (const char *proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
            qunsetenv(proxy);
        qputenv("XDG_CONFIG_HOME", m_root.filePath(u"config"_s).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", m_root.filePath(u"cache"_s).toLocal8Bit());
    }

    void typedLinkDownloads()
    {
        WindowFixture f({u"/usr/bin"_s});
        const QString folder = f.path(u"Downloads"_s);
        f.settings().setValue(SettingsKey::folder, folder);
        Downloader &downloader = f.downloader();
        QCOMPARE(downloader.engine()->ytdlpPathText(), u"/usr/bin/yt-dlp"_s);
        QVERIFY(f.show());
        QTRY_VERIFY(f.find(u"linkField") && f.find(u"linkField")->hasActiveFocus());

        f.typeText(u"  "_s + m_server.url(u"/media/clip.mp4"_s).toString());
        QTest::keyClick(f.window(), Qt::Key_Return);
        QCOMPARE(downloader.queue()->items()->count(), 1);
        DownloadItem *item = downloader.queue()->items()->at(0);

        QQuickItem *card = nullptr;
        QTRY_VERIFY((card = f.find(u"downloadCard"_s)));
        QQuickItem *status = f.find(u"status"_s, card);
        QStringList seen{status->property("text").toString()};
        QCOMPARE(seen.constFirst(), u"Reading info…"_s);
        const auto note = [&] { seen << status->property("text").toString(); };
        QMetaObject::Connection follow = connect(item, &DownloadItem::stateChanged, this, note);
        QMetaObject::Connection progress = connect(item, &DownloadItem::progressChanged, this, note);
        QTRY_VERIFY_WITH_TIMEOUT(item->state().isFinished(), 60000);
        disconnect(follow);
        disconnect(progress);
        QCOMPARE(item->state().kind(), DLState::done);
        QVERIFY2(seen.contains(u"Queued"_s) || seen.join(u'|').contains(u'%'), qPrintable(seen.join(u" | "_s)));
        QVERIFY(status->property("text").toString().startsWith(u"Done"_s));
        QVERIFY(f.find(u"openButton"_s, card)->isVisible());
        QVERIFY(QFileInfo::exists(item->files().constLast()));

        // The card's context menu shows the engine's log.
        f.click(card, Qt::RightButton);
        QQuickItem *showLog = nullptr;
        QTRY_VERIFY((showLog = f.find(u"menuShowLog")) && showLog->isVisible());
        // A click while the menu still opens can miss its entry.
        QObject *menu = showLog->property("menu").value<QObject *>();
        QVERIFY(menu);
        QTRY_VERIFY(menu->property("opened").toBool());
        f.click(showLog);
        QQuickItem *log = nullptr;
        QTRY_VERIFY((log = f.find(u"logText")) && log->isVisible());
        QVERIFY(log->property("text").toString().contains(u"clip"_s));
    }

    // The sheet lists a playlist's entries as the real engine reads them: the missing episode
    // is left out and the others keep their positions, so what is left unpicked is not downloaded.
    void playlistPlanPicks()
    {
        WindowFixture f({u"/usr/bin"_s});
        f.settings().setValue(SettingsKey::folder, f.path(u"Downloads"_s));
        f.settings().setValue(SettingsKey::uiPlaylist, true);
        QVERIFY(f.show());
        auto *plan = f.find(u"inputCard"_s)->property("model").value<QObject *>()->property("plan").value<QAbstractItemModel *>();
        QAbstractItemModelTester tester(plan, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTRY_VERIFY(f.find(u"linkField") && f.find(u"linkField")->hasActiveFocus());
        f.typeText(m_server.url(u"/feed.xml"_s).toString());
        f.click(f.find(u"playlistItemsButton"_s));
        QQuickItem *entries = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((entries = f.find(u"planEntries"_s)) && entries->property("count").toInt() == 3, 60000);
        QTRY_VERIFY(f.textOf(u"planSummary"_s).startsWith(u"2 of 2 chosen · 1 unavailable · "_s));
        QCOMPARE(plan->index(2, 0).data(PlaylistPlan::TitleRole).toString(), u"Episode 3"_s);
        // The missing episode keeps its place, greyed, with the engine's reason in words, and
        // neither a click nor "All" picks it.
        const QModelIndex missing = plan->index(1, 0);
        QCOMPARE(missing.data(PlaylistPlan::AvailableRole).toBool(), false);
        QCOMPARE(missing.data(PlaylistPlan::TitleRole).toString(), u"Item 2"_s);
        QCOMPARE(missing.data(PlaylistPlan::ReasonRole).toString(),
                 u"The site doesn’t have this page or file (it doesn’t exist or was removed). Check the link."_s);
        QList<QQuickItem *> rows = f.findAll(u"planEntry"_s);
        QCOMPARE(rows.size(), 3);
        QVERIFY(f.find(u"planEntryReason"_s, rows.at(1))->isVisible());
        QVERIFY(!f.find(u"planEntryReason"_s, rows.at(0))->isVisible());
        f.click(rows.at(1));
        QCOMPARE(missing.data(PlaylistPlan::PickedRole).toBool(), false);
        f.click(f.find(u"planNone"_s));
        QVERIFY(!f.find(u"submitButton"_s)->isEnabled());
        f.click(f.find(u"planAll"_s));
        QCOMPARE(missing.data(PlaylistPlan::PickedRole).toBool(), false);
        f.click(rows.constFirst());
        f.click(f.find(u"planDone"_s));
        // Reading the plan looked at each entry; the download looks at what was picked alone.
        const auto others = [this] { return m_server.requestCount(u"/feed/ep1.mp4"_s) + m_server.requestCount(u"/feed/ep2.mp4"_s); };
        const int looked = others();
        f.click(f.find(u"submitButton"_s));
        QTRY_COMPARE(f.downloader().queue()->items()->count(), 1);
        DownloadItem *item = f.downloader().queue()->items()->at(0);
        QCOMPARE(item->options().playlistItems, QList<int>{3});
        // The real engine takes only what was picked: neither the unpicked first episode nor the
        // missing second is asked for, so nothing fails.
        QTRY_VERIFY_WITH_TIMEOUT(item->state().isFinished(), 60000);
        QCOMPARE(item->stateName(), u"done"_s);
        QCOMPARE(QDir(f.path(u"Downloads/Feed"_s)).entryList(QDir::Files), QStringList{u"3 - Episode 3.mp4"_s});
        QCOMPARE(others(), looked);
        QCOMPARE(item->lastError(), std::nullopt);
    }

private:
    QTemporaryDir m_root;
    HttpServer m_server;
};

QTEST_MAIN(TestDownloadsEndToEnd)
#include "tst_downloadsendtoend.moc"
