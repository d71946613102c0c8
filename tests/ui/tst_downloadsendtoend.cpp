#include "engine/downloader.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "support/httpserver.h"
#include "support/media.h"
#include "support/windowfixture.h"

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
    void initTestCase();
    void typedLinkDownloads();

private:
    QTemporaryDir m_root;
    HttpServer m_server;
};

void TestDownloadsEndToEnd::initTestCase()
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
    for (const char *proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
        qunsetenv(proxy);
    qputenv("XDG_CONFIG_HOME", m_root.filePath(u"config"_s).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", m_root.filePath(u"cache"_s).toLocal8Bit());
}

void TestDownloadsEndToEnd::typedLinkDownloads()
{
    WindowFixture f({u"/usr/bin"_s});
    const QString folder = f.path(u"Downloads"_s);
    f.settings().setValue(SettingsKey::folder, folder);
    Downloader &downloader = f.downloader();
    QCOMPARE(downloader.ytdlpPathText(), u"/usr/bin/yt-dlp"_s);
    QVERIFY(f.show());
    QTRY_VERIFY(f.find(u"linkField") && f.find(u"linkField")->hasActiveFocus());

    f.typeText(u"  "_s + m_server.url(u"/media/clip.mp4"_s).toString());
    QTest::keyClick(f.window(), Qt::Key_Return);
    QCOMPARE(downloader.items()->count(), 1);
    DownloadItem *item = downloader.items()->at(0);

    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = f.find(u"downloadCard"_s)));
    QQuickItem *status = f.find(u"status"_s, card);
    QStringList seen{status->property("text").toString()};
    QCOMPARE(seen.constFirst(), u"Reading info…"_s);
    QMetaObject::Connection follow = connect(item, &DownloadItem::stateChanged, this, [&] {
        seen << status->property("text").toString();
    });
    QTRY_VERIFY_WITH_TIMEOUT(item->state().isFinished(), 60000);
    disconnect(follow);
    QCOMPARE(item->state().kind(), DLState::done);
    QVERIFY2(seen.contains(u"Queued"_s) || seen.join(u'|').contains(u'%'), qPrintable(seen.join(u" | "_s)));
    QVERIFY(status->property("text").toString().startsWith(u"Done"_s));
    QVERIFY(f.find(u"openButton"_s, card)->isVisible());
    QVERIFY(QFileInfo::exists(item->files().constLast()));

    // The card's context menu shows the engine's log.
    f.click(card, Qt::RightButton);
    QQuickItem *showLog = nullptr;
    QTRY_VERIFY((showLog = f.find(u"menuShowLog")) && showLog->isVisible());
    f.click(showLog);
    QQuickItem *log = nullptr;
    QTRY_VERIFY((log = f.find(u"logText")) && log->isVisible());
    QVERIFY(log->property("text").toString().contains(u"clip"_s));
    f.snapshot(u"endtoend-log"_s);
}

QTEST_MAIN(TestDownloadsEndToEnd)
#include "tst_downloadsendtoend.moc"
