#include "engine/downloader.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "support/quickitems.h"
#include "support/httpserver.h"
#include "support/media.h"
#include "support/recordingdesktop.h"
#include "tools/tools.h"
#include "ui/appsingletons.h"
#include "ui/shell.h"

#include <QDir>
#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Vireloom_UIPlugin)

using namespace Qt::StringLiterals;

namespace {

// QTest types into widgets only; a window gets the key events one character at a time.
void typeText(QWindow *window, const QString &text)
{
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(window, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(window, &release);
    }
}

} // namespace

// The window with the machine's own yt-dlp and ffmpeg: a link typed into the field goes
// all the way to a file, and the card follows it.
class TestDownloadsEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typedLinkDownloads();

private:
    QQuickItem *find(const QString &name, QQuickItem *under = nullptr) const;

    QTemporaryDir m_root;
    HttpServer m_server;
    QQuickWindow *m_window = nullptr;
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

QQuickItem *TestDownloadsEndToEnd::find(const QString &name, QQuickItem *under) const
{
    return findItem(under ? under : m_window->contentItem(), name);
}

void TestDownloadsEndToEnd::typedLinkDownloads()
{
    Tools::setLocations({m_root.filePath(u"support"_s), {u"/usr/bin"_s}});
    Settings settings(m_root.filePath(u"settings.ini"_s));
    const QString folder = m_root.filePath(u"Downloads"_s);
    settings.setValue(SettingsKey::folder, folder);
    Downloader downloader(&settings);
    RecordingDesktop desktop;
    downloader.setDesktop(&desktop);
    QCOMPARE(downloader.ytdlpPathText(), u"/usr/bin/yt-dlp"_s);
    Shell shell(&downloader);
    DownloaderSingleton::instance = &downloader;
    SettingsSingleton::instance = &settings;
    ShellSingleton::instance = &shell;

    QQmlApplicationEngine engine;
    engine.addImportPath(u"qrc:/"_s);
    engine.load(QUrl(u"qrc:/Vireloom/UI/Main.qml"_s));
    QVERIFY(!engine.rootObjects().isEmpty());
    m_window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(find(u"linkField"_s) && find(u"linkField"_s)->hasActiveFocus());

    typeText(m_window, u"  "_s + m_server.url(u"/media/clip.mp4"_s).toString());
    QTest::keyClick(m_window, Qt::Key_Return);
    QCOMPARE(downloader.items()->count(), 1);
    DownloadItem *item = downloader.items()->at(0);

    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = find(u"downloadCard"_s)));
    QQuickItem *status = find(u"status"_s, card);
    QStringList seen{status->property("text").toString()};
    QCOMPARE(seen.constFirst(), u"Reading info…"_s);
    QMetaObject::Connection follow = connect(item, &DownloadItem::stateChanged, this, [&] {
        seen << status->property("text").toString();
    });
    QTRY_VERIFY_WITH_TIMEOUT(item->state().isFinished(), 60000);
    disconnect(follow);
    QCOMPARE(item->stateName(), u"done"_s);
    QVERIFY2(seen.contains(u"Queued"_s) || seen.join(u'|').contains(u'%'), qPrintable(seen.join(u" | "_s)));
    QVERIFY(status->property("text").toString().startsWith(u"Done"_s));
    QVERIFY(find(u"openButton"_s, card)->isVisible());
    QVERIFY(QFileInfo::exists(item->files().constLast()));

    // The card's context menu shows the engine's log.
    QTest::mouseClick(m_window, Qt::RightButton, {}, card->mapToScene(QPointF(card->width() / 2, 20)).toPoint());
    QQuickItem *showLog = nullptr;
    QTRY_VERIFY((showLog = find(u"menuShowLog"_s)) && showLog->isVisible());
    QTest::qWait(200);
    QTest::mouseClick(m_window, Qt::LeftButton, {}, showLog->mapToScene(QPointF(showLog->width() / 2, showLog->height() / 2)).toPoint());
    QQuickItem *log = nullptr;
    QTRY_VERIFY((log = find(u"logText"_s)) && log->isVisible());
    QVERIFY(log->property("text").toString().contains(u"clip"_s));
    const QString shots = qEnvironmentVariable("VIRELOOM_SCREENSHOTS");
    if (!shots.isEmpty()) {
        QTest::qWait(300);
        m_window->grabWindow().save(QDir(shots).filePath(u"endtoend-log.png"_s));
    }
}

QTEST_MAIN(TestDownloadsEndToEnd)
#include "tst_downloadsendtoend.moc"
