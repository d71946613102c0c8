#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/interrupteddownloads.h"
#include "engine/runfiles.h"
#include "history/historylist.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "settings/sitelogins.h"
#include "support/files.h"
#include "support/httpserver.h"
#include "support/media.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(BrowserCookie)

namespace {

constexpr int kRun = 60000;
const QByteArray kSecret = "s3ss10n-0nly-the-br0wser-kn0ws";

// Every file under `folder` that holds `needle`, relative to it.
QStringList filesHolding(const QString &folder, const QByteArray &needle)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!QFileInfo(file).isSymLink() && readFile(file).contains(needle))
            found << QDir(folder).relativeFilePath(file);
    }
    return found;
}

BrowserMessage::Download fromBrowser(const QString &url)
{
    BrowserMessage::Download download{url, {}, {}, false, {}};
    download.cookies.append({u"session"_s, QString::fromLatin1(kSecret), u"127.0.0.1"_s, u"/"_s, false, true, true, std::nullopt});
    download.cookies.append({u"theme"_s, u"dark"_s, u"127.0.0.1"_s, u"/"_s, false, false, true, 4102444800});
    return download;
}

bool finished(const DownloadItem *item)
{
    return QTest::qWaitFor([item] { return item->state().isFinished(); }, kRun);
}

bool isDone(const DownloadItem *item)
{
    if (item->stateName() == u"done")
        return true;
    qWarning().noquote() << item->stateName() << item->failureMessage() << item->log().join(u'\n');
    return false;
}

} // namespace

// A login handed over by the browser, and the logins of the browsers on this machine, with
// the machine's own yt-dlp against a site on 127.0.0.1 that serves its media only to a
// visitor with the login cookie.
class TestBrowserLogin : public QObject
{
    Q_OBJECT

    QTemporaryDir m_media;
    // Where the test's folders go; each test points the temporary folder into its own.
    const QString m_tempBase = QDir::tempPath();
    HttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Downloader> m_downloader;

    QString link(const QString &path) const { return m_server.url(path).toString(); }
    DownloadQueue *queue() const { return m_downloader->queue(); }

    void startDownloader()
    {
        m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.ini"_s));
        m_settings->setValue(SettingsKey::folder, m_root->filePath(u"Downloads"_s));
        m_settings->setValue(SettingsKey::checkEngineUpdates, false);
        m_downloader = std::make_unique<Downloader>(m_settings.get());
    }

    // A Firefox profile of the user's, logged in to the site, as Firefox keeps its cookies.
    QString makeFirefoxProfile(const QByteArray &value)
    {
        const QString firefox = m_root->filePath(u"home/.mozilla/firefox"_s);
        const QString profile = firefox + u"/k3y.default-release"_s;
        if (!QDir().mkpath(profile)
            || !writeFile(firefox + u"/profiles.ini"_s,
                          "[Profile0]\nName=default-release\nIsRelative=1\nPath=k3y.default-release\nDefault=1\n"))
            return {};
        if (QProcess::execute(u"/usr/bin/python3"_s, {QStringLiteral(VIRELOOM_FIREFOX_COOKIES), profile + u"/cookies.sqlite"_s,
                                                      u"127.0.0.1"_s, u"session"_s, QString::fromLatin1(value)})
            != 0)
            return {};
        return profile;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_media.isValid());
        QVERIFY(makeClip(m_media.filePath(u"clip.mp4"_s), 2));
        QVERIFY(m_server.listen());
        HttpServer::Response members{200, {}, m_media.filePath(u"clip.mp4"_s), "video/mp4"};
        members.requiredCookie = "session=" + kSecret;
        m_server.route(u"/members/clip.mp4"_s, members);
        m_server.route(u"/members/other.mp4"_s, members);
        // Slow enough that a run is seen while it holds its cookies file.
        HttpServer::Response slow = members;
        slow.throttle = 100000;
        m_server.route(u"/members/slow.mp4"_s, slow);
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>(m_tempBase + u"/tst_browserlogin-XXXXXX"_s);
        QVERIFY(m_root->isValid());
        // Whatever yt-dlp and the program write (caches, temporary files) lands in here, to be searched.
        for (const auto &[name, path] : {std::pair{"HOME", "home"},
                                         {"XDG_CACHE_HOME", "home/.cache"},
                                         {"XDG_CONFIG_HOME", "home/.config"},
                                         {"XDG_DATA_HOME", "home/.local/share"},
                                         {"TMPDIR", "tmp"}}) {
            QVERIFY(QDir().mkpath(m_root->filePath(QLatin1StringView(path))));
            qputenv(name, QFile::encodeName(m_root->filePath(QLatin1StringView(path))));
        }
        Tools::setLocations({m_root->filePath(u"support"_s), {u"/usr/bin"_s}, m_root->filePath(u"cache"_s)});
        startDownloader();
        QVERIFY(m_downloader->engine()->ytdlpPath());
    }

    void cleanup()
    {
        m_downloader.reset();
        m_settings.reset();
        m_root.reset();
    }

    // Each cookie is one line of the file yt-dlp reads: a host-only cookie under its host
    // alone, a domain cookie with its dot and for the subdomains, httpOnly as browsers mark it.
    void cookiesFileLines_data()
    {
        QTest::addColumn<BrowserCookie>("cookie");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("host only, for the session")
            << BrowserCookie{u"id"_s, u"42"_s, u"www.example.com"_s, u"/"_s, false, false, true, std::nullopt}
            << QByteArray("www.example.com\tFALSE\t/\tFALSE\t0\tid\t42");
        QTest::newRow("domain, written without its dot")
            << BrowserCookie{u"pref"_s, u"a=b; c"_s, u"example.com"_s, u"/watch"_s, true, false, false, 1893456000}
            << QByteArray(".example.com\tTRUE\t/watch\tTRUE\t1893456000\tpref\ta=b; c");
        QTest::newRow("httpOnly") << BrowserCookie{u"s"_s, u"é"_s, u".example.com"_s, u"/"_s, true, true, false, 1}
                                  << QByteArray("#HttpOnly_.example.com\tTRUE\t/\tTRUE\t1\ts\t\xc3\xa9");
        QTest::newRow("host only, given with a dot")
            << BrowserCookie{u"x"_s, u""_s, u".example.com"_s, u"/"_s, false, false, true, std::nullopt}
            << QByteArray("example.com\tFALSE\t/\tFALSE\t0\tx\t");
    }

    void cookiesFileLines()
    {
        QFETCH(BrowserCookie, cookie);
        const QList<QByteArray> lines = RunFiles::netscapeCookies({cookie}).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QByteArray("# Netscape HTTP Cookie File"));
        QTEST(lines[1], "line");
        QCOMPARE(lines[2], QByteArray());
    }

    // The file is the user's alone while the run reads it, and gone with the run; the login
    // shows nowhere else: not in the history, the journal, the settings, the log, the
    // engine's caches or the folder the file was saved in.
    void handedOverLoginServesOneDownload()
    {
        DownloadItem *item = queue()->addFromBrowser(fromBrowser(link(u"/members/slow.mp4"_s)));
        QVERIFY(item);
        const QString cookies = RunFiles::cookies(item->id());
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(cookies) || item->state().isFinished(); }, kRun));
        QCOMPARE(QFileInfo(cookies).permissions()
                     & ~(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::Permissions());
        QVERIFY(readFile(cookies).contains(kSecret));
        // Nothing puts it on a command line.
        for (const QString &line : item->log())
            QVERIFY2(!line.toUtf8().contains(kSecret), qPrintable(line));
        QVERIFY(finished(item));
        QVERIFY(isDone(item));
        QVERIFY(m_server.cookiesSent(u"/members/slow.mp4"_s).last().contains("session=" + kSecret));

        QVERIFY(!QFileInfo::exists(cookies));
        QCOMPARE(QDir(Tools::privateDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(item->log().contains(u"Vireloom: login: from the browser, 2 cookies"_s));
        QVERIFY(!item->log().join(u'\n').toUtf8().contains(kSecret));
        QCOMPARE(m_downloader->history()->rowCount(), 1);
        m_downloader->interrupted()->flush();
        m_downloader.reset();
        m_settings.reset();
        QCOMPARE(filesHolding(m_root->path(), kSecret), QStringList());
    }

    // Read first by a probe (as when other downloads wait beside it): the probe has the
    // login too, and what it read, which holds the login, is not kept for the download.
    void probedWithTheLogin()
    {
        queue()->setStartsAtOnce(false);
        DownloadItem *item = queue()->addFromBrowser(fromBrowser(link(u"/members/slow.mp4"_s)));
        QVERIFY(QTest::qWaitFor([item] { return item->state().kind() == DLState::downloading || item->state().isFinished(); }, kRun));
        // While the download runs, the login is in its own file in the run folder, and nowhere else.
        const QString runFolder = QDir(m_root->path()).relativeFilePath(Tools::privateDir());
        QStringList holding = filesHolding(m_root->path(), kSecret);
        holding.removeIf([&runFolder](const QString &file) { return file.startsWith(runFolder + u'/'); });
        QCOMPARE(holding, QStringList());
        QVERIFY(finished(item));
        QVERIFY(isDone(item));
        // The probe and the run each asked with it; without it the site says no.
        const QList<QByteArray> sent = m_server.cookiesSent(u"/members/slow.mp4"_s);
        QVERIFY(sent.size() >= 2);
        for (const QByteArray &cookie : sent)
            QVERIFY(cookie.contains(kSecret));
        m_downloader.reset();
        m_settings.reset();
        QCOMPARE(filesHolding(m_root->path(), kSecret), QStringList());
    }

    // The same link without the login fails as a site that wants one; tried again, the
    // download keeps the login it came with.
    void withoutItTheSiteRefusesAndRetryKeepsIt()
    {
        const QString protectedLink = link(u"/members/other.mp4"_s);
        queue()->add(protectedLink);
        DownloadItem *typed = queue()->items()->at(0);
        QVERIFY(finished(typed));
        QCOMPARE(typed->stateName(), u"failed"_s);
        QVERIFY(typed->loginWanted());
        QVERIFY(typed->failureMessage().contains(u"login"_s));

        // A first run with the login that the site turns down for another reason.
        m_server.route(u"/members/flaky.mp4"_s, HttpServer::Response{503, "busy\n", {}, "text/plain"});
        DownloadItem *item = queue()->addFromBrowser(fromBrowser(link(u"/members/flaky.mp4"_s)));
        QVERIFY(finished(item));
        QCOMPARE(item->stateName(), u"failed"_s);
        HttpServer::Response members{200, {}, m_media.filePath(u"clip.mp4"_s), "video/mp4"};
        members.requiredCookie = "session=" + kSecret;
        m_server.route(u"/members/flaky.mp4"_s, members);
        queue()->retry(item);
        QVERIFY(finished(item));
        QVERIFY(isDone(item));
        QVERIFY(m_server.cookiesSent(u"/members/flaky.mp4"_s).last().contains(kSecret));
    }

    // After Vireloom closed with it unfinished, the download comes back without the login,
    // which was never written down, and says so.
    void resumedAfterARestartGoesOnWithoutIt()
    {
        HttpServer::Response stalled{200, QByteArray(400000, 'x'), {}, "video/mp4"};
        stalled.requiredCookie = "session=" + kSecret;
        stalled.stallAfter = 1000;
        m_server.route(u"/members/stalled.mp4"_s, stalled);
        DownloadItem *item = queue()->addFromBrowser(fromBrowser(link(u"/members/stalled.mp4"_s)));
        QVERIFY(QTest::qWaitFor([this] { return !m_server.cookiesSent(u"/members/stalled.mp4"_s).isEmpty(); }, kRun));
        QVERIFY(!item->state().isFinished());
        m_downloader.reset();
        m_settings.reset();
        const QByteArray journal = readFile(m_root->filePath(u"support/queue.json"_s));
        QVERIFY(journal.contains("/members/stalled.mp4"));
        QVERIFY(journal.contains("\"browserLogin\":true"));
        QCOMPARE(filesHolding(m_root->path(), kSecret), QStringList());

        startDownloader();
        QCOMPARE(m_downloader->interrupted()->count(), 1);
        m_downloader->interrupted()->resume();
        DownloadItem *resumed = queue()->items()->at(0);
        QVERIFY(resumed->loginLost());
        QVERIFY(resumed->login().isEmpty());
        QVERIFY(finished(resumed));
        QCOMPARE(resumed->stateName(), u"failed"_s);
        QVERIFY(resumed->loginWanted());
        QVERIFY(resumed->log().contains(u"Vireloom: login: none; the one the browser handed over was not kept when Vireloom closed"_s));
        QVERIFY(m_server.cookiesSent(u"/members/stalled.mp4"_s).last().isEmpty());
    }

    // One click on a browser found on the machine gets the download through; the site is
    // remembered with it, and its next link takes that login at once.
    void recoveryWithABrowsersLoginIsRemembered()
    {
        const QString profile = makeFirefoxProfile(kSecret);
        QVERIFY(!profile.isEmpty());
        queue()->add(link(u"/members/clip.mp4"_s));
        DownloadItem *item = queue()->items()->at(0);
        QVERIFY(finished(item));
        QVERIFY(item->loginWanted());

        const QString engineProfile = u"firefox:"_s + profile;
        queue()->retryWithLogin(item, engineProfile, u"Firefox"_s);
        QVERIFY(finished(item));
        QVERIFY(isDone(item));
        QVERIFY(item->log().contains(u"Vireloom: login: read by yt-dlp from Firefox"_s));
        const QList<SiteLogins::Entry> remembered = queue()->siteLogins()->entries();
        QCOMPARE(remembered, (QList<SiteLogins::Entry>{{u"127.0.0.1"_s, engineProfile, u"Firefox"_s}}));

        queue()->add(link(u"/members/other.mp4"_s));
        DownloadItem *next = queue()->items()->at(0);
        QCOMPARE(next->login().browser, engineProfile);
        QVERIFY(finished(next));
        QVERIFY(isDone(next));
        // A link from another site is not given it.
        queue()->add(u"http://localhost:1/clip.mp4"_s);
        QVERIFY(queue()->items()->at(0)->login().isEmpty());

        // Forgotten, the site's links go as before.
        queue()->siteLogins()->forget(u"127.0.0.1"_s);
        queue()->add(link(u"/members/other.mp4"_s));
        QVERIFY(queue()->items()->at(0)->login().isEmpty());
    }

    // A login that failed is not remembered, and a profile that is gone is not used.
    void onlyWhatWorkedIsRemembered()
    {
        const QString profile = makeFirefoxProfile("an-old-session");
        queue()->add(link(u"/members/clip.mp4"_s));
        DownloadItem *item = queue()->items()->at(0);
        QVERIFY(finished(item));
        queue()->retryWithLogin(item, u"firefox:"_s + profile, u"Firefox"_s);
        QVERIFY(finished(item));
        QCOMPARE(item->stateName(), u"failed"_s);
        QVERIFY(queue()->siteLogins()->entries().isEmpty());

        queue()->siteLogins()->remember(u"127.0.0.1"_s, u"firefox:"_s + m_root->filePath(u"gone"_s), u"Firefox"_s);
        queue()->add(link(u"/members/other.mp4"_s));
        QVERIFY(queue()->items()->at(0)->login().isEmpty());
    }

    // "Send again" from the browser for a link that failed here: the card that failed tries
    // again with the browser's login rather than a second card beside it.
    void sentAgainFromTheBrowserRetriesTheFailedCard()
    {
        queue()->add(link(u"/members/clip.mp4"_s));
        DownloadItem *item = queue()->items()->at(0);
        QVERIFY(finished(item));
        QVERIFY(item->loginWanted());
        QCOMPARE(queue()->addFromBrowser(fromBrowser(link(u"/members/clip.mp4"_s))), item);
        QCOMPARE(queue()->items()->rowCount(), 1);
        QVERIFY(item->login().handedOver());
        QVERIFY(finished(item));
        QVERIFY(isDone(item));
    }
};

QTEST_GUILESS_MAIN(TestBrowserLogin)
#include "tst_browserlogin.moc"
