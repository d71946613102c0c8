#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/interrupteddownloads.h"
#include "engine/queuejournal.h"
#include "intake/linkintake.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/files.h"
#include "support/httpserver.h"
#include "support/windowfixture.h"
#include "settings/sitelogins.h"
#include "ui/browsercompanion.h"
#include "ui/shell.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// An engine that answers its version and the probe, and runs `download` for anything else.
// Arguments are matched whole: a download's paths hold random letters, and a pattern such
// as *-J* once took a download into a folder named "…-J…" for the probe.
QByteArray engine(const QByteArray &download)
{
    return "for a; do case \"$a\" in --version) " + currentEngine()
           + "; exit 0 ;;\n"
             "-J) echo '{\"title\": \"Clip\"}'; exit 0 ;; esac; done\n"
           + download;
}

} // namespace

// The downloads page in the real window, from fixture items and a local engine.
class TestDownloadsPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void cardsShowTheirItems()
    {
        HttpServer server;
        QVERIFY(server.listen());
        server.route(u"/x"_s, {200, "GIF89a", {}, "image/gif"});
        server.route(u"/thumb"_s, {404, "gone", {}, "text/plain"});
        QVERIFY(start());
        // Which state offers what is the card texts' test; here, that each button follows its offer.
        const QList<std::pair<DLState, const char *>> states{{DLState::downloading, "cancelButton"},
                                                             {DLState::done, "openButton revealButton"},
                                                             {DLState::failure(u"The video is private."_s), "retryButton logButton"}};
        for (const auto &[state, buttons] : states) {
            DownloadItem *item = m_f->addItem(state);
            QQuickItem *card = nullptr;
            QTRY_VERIFY((card = cardFor(item)));
            QStringList shown;
            for (const char *name : {"cancelButton", "openButton", "revealButton", "retryButton", "logButton"}) {
                if (visibleIn(card, name))
                    shown << QString::fromLatin1(name);
            }
            QCOMPARE(shown.join(u' '), QString::fromLatin1(buttons));
        }

        // Titles and uploaders are characters, never markup: the title's picture is not fetched.
        const QString title = u"<img src=%1> <b>bold</b>"_s.arg(server.url(u"/x"_s).toString());
        DownloadItem *item = m_f->addItem(DLState::failure(u"The video is private."_s), title);
        item->setUploader(title);
        item->setThumbnail(server.url(u"/thumb"_s));
        QQuickItem *card = nullptr;
        QTRY_VERIFY((card = cardFor(item)));
        for (const char *name : {"cardTitle", "uploader"})
            QCOMPARE(m_f->find(QString::fromLatin1(name), card)->property("textFormat").toInt(), int(Qt::PlainText));
        QCOMPARE(m_f->textOf(u"cardTitle", card), title);
        // Once the card's own picture has been asked for, the title's would have been too.
        QTRY_COMPARE(server.requestCount(u"/thumb"_s), 1);
        QCOMPARE(server.requestCount(u"/x"_s), 0);
        QTRY_VERIFY(visibleIn(card, "thumbPlaceholder"));

        m_f->click(visibleIn(card, "logButton"));
        QTRY_COMPARE(m_f->textOf(u"logTitle"), title);
    }

    // The card's buttons and menu cancel, retry and remove its item, and the header clears
    // what has finished. (Return adding the typed link is the input card's test.)
    void cardButtonsDriveTheQueue()
    {
        m_f->makeProgram(u"yt-dlp"_s, engine("exec sleep 30"));
        QVERIFY(start());
        QVERIFY(m_f->find(u"emptyCard")->isVisible());
        QVERIFY(!m_f->find(u"clearFinished")->isVisible());
        m_f->downloader().queue()->add(u"https://example.org/a"_s);
        DownloadItem *item = m_f->downloader().queue()->items()->at(0);
        QQuickItem *card = nullptr;
        QTRY_VERIFY((card = cardFor(item)));
        auto running = [this, item] { return m_f->downloader().queue()->processGroup(item->id()) != 0; };

        QTRY_VERIFY(running());
        m_f->click(visibleIn(card, "cancelButton"));
        QTRY_COMPARE(item->state().kind(), DLState::cancelled);
        m_f->click(visibleIn(card, "retryButton"));
        QTRY_VERIFY(running());
        QVERIFY(!item->userCancelled());

        m_f->click(card, Qt::RightButton);
        QQuickItem *remove = nullptr;
        QTRY_VERIFY((remove = m_f->find(u"menuRemove")) && remove->isVisible());
        m_f->click(remove);
        QCOMPARE(count(), 0);

        m_f->addItem(DLState::done);
        m_f->addItem(DLState::downloading);
        QTRY_COMPARE(m_f->textOf(u"queueCount"), u"2 items"_s);
        m_f->click(m_f->find(u"clearFinished"));
        QCOMPARE(count(), 1);
        QCOMPARE(m_f->downloader().queue()->items()->at(0)->state().kind(), DLState::downloading);
        QTRY_VERIFY(!m_f->find(u"clearFinished")->isVisible());
    }

    // Blanks stay in the field; a link goes trimmed, with the quality and playlist choice on show.
    void inputCardAddsWhatItShows()
    {
        m_f->makeProgram(u"yt-dlp"_s, currentEngine());
        QVERIFY(start());
        QQuickItem *field = m_f->find(u"linkField");
        QQuickItem *submit = m_f->find(u"submitButton");
        QCOMPARE(m_f->textOf(u"qualityLabel"), u"Best quality"_s);
        QTRY_VERIFY(field->hasActiveFocus());
        m_f->typeText(u"   "_s);
        QVERIFY(!submit->isEnabled());
        QTest::keyClick(m_f->window(), Qt::Key_Return);
        QCOMPARE(count(), 0);
        QCOMPARE(field->property("text").toString(), u"   "_s);
        m_f->click(m_f->find(u"clearField"));
        QCOMPARE(field->property("text").toString(), QString());

        m_f->click(field);
        m_f->typeText(u"  https://example.org/a "_s);
        QTRY_VERIFY(submit->isEnabled());
        m_f->click(submit);
        QCOMPARE(count(), 1);
        QCOMPARE(m_f->downloader().queue()->items()->at(0)->url(), u"https://example.org/a"_s);
        QCOMPARE(m_f->downloader().queue()->items()->at(0)->quality(), Quality(Quality::best));
        QCOMPARE(field->property("text").toString(), QString());

        m_f->click(m_f->find(u"qualityMenu"));
        QQuickItem *mp3 = nullptr;
        QTRY_VERIFY((mp3 = m_f->find(u"option_mp3")) && mp3->isVisible());
        m_f->click(mp3);
        QCOMPARE(m_f->settings().value(u"uiQuality"_s).toString(), u"mp3"_s);
        QTRY_COMPARE(m_f->textOf(u"qualityLabel"), u"Audio only — MP3"_s);
        m_f->click(m_f->find(u"playlistBox"));
        QCOMPARE(m_f->settings().value(u"uiPlaylist"_s).toBool(), true);

        m_f->click(field);
        m_f->typeText(u"https://example.org/b"_s);
        QTest::keyClick(m_f->window(), Qt::Key_Return);
        QCOMPARE(count(), 2);
        QCOMPARE(m_f->downloader().queue()->items()->at(0)->quality(), Quality(Quality::mp3));
        QVERIFY(m_f->downloader().queue()->items()->at(0)->playlist());
        // A link dropped on the window takes the card's choice as the card holds it, whatever
        // the store says meanwhile; the store only keeps it for the next start.
        m_f->settings().setValue(u"uiQuality"_s, u"p480"_s);
        m_f->shell().handleDrop({QUrl(u"https://example.org/dropped"_s)}, {});
        QCOMPARE(count(), 3);
        QCOMPARE(m_f->downloader().queue()->items()->at(0)->quality(), Quality(Quality::mp3));
        QVERIFY(m_f->downloader().queue()->items()->at(0)->playlist());
        QCOMPARE(m_f->textOf(u"qualityLabel"), u"Audio only — MP3"_s);
        m_f->downloader().queue()->remove(m_f->downloader().queue()->items()->at(0));
        m_f->click(m_f->find(u"playlistBox"));

        // Text without a link stays in the field and says so; typing again clears the words.
        QVERIFY(!m_f->find(u"inputProblem")->isVisible());
        m_f->click(field);
        m_f->typeText(u"hello world"_s);
        QTest::keyClick(m_f->window(), Qt::Key_Return);
        QCOMPARE(count(), 2);
        QCOMPARE(field->property("text").toString(), u"hello world"_s);
        QTRY_VERIFY(m_f->find(u"inputProblem")->isVisible());
        QVERIFY(m_f->textOf(u"inputProblem").startsWith(u"There’s no link in this text."_s));
        m_f->click(m_f->find(u"clearField"));
        QVERIFY(!m_f->find(u"inputProblem")->isVisible());

        // An address typed without a scheme is plainly one: it goes as https.
        m_f->click(field);
        m_f->typeText(u"127.0.0.1:8765/watch/small.html"_s);
        QTest::keyClick(m_f->window(), Qt::Key_Return);
        QCOMPARE(count(), 3);
        QCOMPARE(m_f->downloader().queue()->items()->at(0)->url(), u"https://127.0.0.1:8765/watch/small.html"_s);
        QCOMPARE(field->property("text").toString(), QString());
    }

    // Without an engine the banner offers to install it and nothing can be downloaded; a failed
    // installation says why; with a part missing downloads go ahead; a whole engine hides it.
    void engineBanner()
    {
        // A release host that has nothing: the installation starts, then fails.
        HttpServer server;
        QVERIFY(server.listen());
        qputenv("VIRELOOM_GITHUB_URL", server.url().toString().toUtf8());
        qputenv("VIRELOOM_FFMPEG_URL", server.url().toString().toUtf8());
        const auto unset = qScopeGuard([] {
            qunsetenv("VIRELOOM_GITHUB_URL");
            qunsetenv("VIRELOOM_FFMPEG_URL");
        });
        QVERIFY(start());
        QQuickItem *banner = m_f->find(u"engineBanner");
        QVERIFY(banner->isVisible());
        QCOMPARE(m_f->textOf(u"engineBannerTitle"), u"The download engine isn’t installed"_s);
        m_f->typeText(u"https://example.org/a"_s);
        QVERIFY(!m_f->find(u"submitButton")->isEnabled());

        m_f->click(m_f->find(u"installEngine"));
        QVERIFY(m_f->downloader().engine()->installing());
        QVERIFY(m_f->find(u"engineSpinner")->isVisible());
        QVERIFY(!m_f->find(u"installEngine")->isVisible());
        QVERIFY(!m_f->downloader().engine()->installStatus().isEmpty());
        QCOMPARE(m_f->textOf(u"engineBannerDetail"), m_f->downloader().engine()->installStatus());
        QTRY_VERIFY_WITH_TIMEOUT(!m_f->downloader().engine()->installing(), 20000);
        QVERIFY(m_f->downloader().engine()->installStatus().contains(u"404"_s));
        // The failure stays in words, with its time, and the button offers to try again.
        QVERIFY(m_f->textOf(u"engineBannerDetail").startsWith(m_f->downloader().engine()->installStatus() + u" · "_s));
        QCOMPARE(m_f->textOf(u"installEngine"), u"Try again"_s);
        QVERIFY(m_f->find(u"installEngine")->isVisible());

        for (const QString &program : {u"yt-dlp"_s, u"deno"_s})
            m_f->makeProgram(program, currentEngine());
        m_f->downloader().engine()->refresh();
        QTRY_COMPARE(m_f->textOf(u"engineBannerTitle"), u"ffmpeg is missing"_s);
        QTRY_VERIFY(m_f->find(u"submitButton")->isEnabled());
        m_f->makeProgram(u"ffmpeg"_s, currentEngine());
        m_f->downloader().engine()->refresh();
        QTRY_VERIFY(!banner->isVisible());
    }

    void clipboardBanner()
    {
        m_f->makeProgram(u"yt-dlp"_s, currentEngine());
        QVERIFY(start());
        QQuickItem *banner = m_f->find(u"clipboardBanner");
        QVERIFY(!banner->isVisible());

        m_f->clipboard.copy(u"look: https://example.org/first and https://example.org/second"_s);
        m_f->downloader().intake()->checkClipboard();
        QTRY_VERIFY(banner->isVisible());
        QCOMPARE(m_f->textOf(u"clipboardLink"), u"https://example.org/first"_s);
        m_f->click(m_f->find(u"clipboardIgnore"));
        QTRY_VERIFY(!banner->isVisible());
        QCOMPARE(count(), 0);

        m_f->clipboard.copy(u"https://example.org/third"_s);
        m_f->downloader().intake()->checkClipboard();
        QTRY_VERIFY(banner->isVisible());
        m_f->click(m_f->find(u"clipboardDownload"));
        QTRY_VERIFY(!banner->isVisible());
        QCOMPARE(count(), 1);
        QCOMPARE(m_f->downloader().queue()->items()->at(0)->url(), u"https://example.org/third"_s);
    }

    // What the last session left unfinished is offered back, and an unreadable journal is
    // reported with where it was kept.
    void interruptedBanner()
    {
        JournalEntry entry;
        entry.url = u"https://example.org/a"_s;
        entry.quality = Quality(Quality::mp3);
        entry.folder = m_f->path(u"out"_s);
        JournalEntry second = entry;
        second.url = u"https://example.org/b"_s;
        QVERIFY(QueueJournal::save(InterruptedDownloads::journalFile(), {entry, second}));
        QVERIFY(start());
        QQuickItem *banner = m_f->find(u"interruptedBanner");
        QTRY_VERIFY(banner->isVisible());
        QCOMPARE(m_f->textOf(u"interruptedText"), u"2 downloads were interrupted"_s);
        m_f->click(m_f->find(u"interruptedResume"));
        QTRY_VERIFY(!banner->isVisible());
        QCOMPARE(count(), 2);

        m_f = std::make_unique<WindowFixture>();
        QVERIFY(writeFile(InterruptedDownloads::journalFile(), "{\"version\": 1, \"items\": ["));
        QVERIFY(start());
        banner = m_f->find(u"interruptedBanner");
        QTRY_VERIFY(banner->isVisible());
        QCOMPARE(m_f->textOf(u"journalSetAside"), m_f->downloader().interrupted()->setAside());
        m_f->click(m_f->find(u"journalSetAsideDismiss"));
        QTRY_VERIFY(!banner->isVisible());
    }

    // An engine that fails with `error` gives the card the one fix for it; the button opens
    // the settings page with that setting in view, and a retry drops it until the run ends.
    void failureActionButton_data()
    {
        QTest::addColumn<QByteArray>("error");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("row");

        QTest::newRow("login without a browser")
            << QByteArray("[youtube] abc: Sign in to confirm you are not a bot") << u"Choose a browser"_s << u"browserRow"_s;
        QTest::newRow("folder not writable") << QByteArray("unable to open for writing: [Errno 13] Permission denied: /x/a.part")
                                             << u"Open settings"_s << u"folderRow"_s;
    }

    void failureActionButton()
    {
        QFETCH(QByteArray, error);
        QFETCH(QString, label);
        QFETCH(QString, row);
        m_f->makeProgram(u"yt-dlp"_s, engine("echo 'ERROR: " + error + "'; exit 1"));
        DownloadItem *item = failedDownload();
        QVERIFY(item);
        QQuickItem *card = nullptr;
        QTRY_VERIFY((card = cardFor(item)));
        QQuickItem *button = nullptr;
        QTRY_VERIFY((button = visibleIn(card, "failureAction")));
        QCOMPARE(button->property("text").toString(), label);

        m_f->click(button);
        QQuickItem *page = nullptr;
        QTRY_VERIFY((page = m_f->find(u"settingsPage")));
        QQuickItem *setting = m_f->find(row, page);
        QVERIFY(setting);
        QTRY_VERIFY(setting->mapToItem(page, QPointF()).y() >= 0
                    && setting->mapToItem(page, QPointF(0, setting->height())).y() <= page->height());

        const FailureAction action = item->failureAction();
        m_f->downloader().queue()->retry(item);
        QCOMPARE(item->failureAction(), FailureAction::none);
        QTRY_COMPARE_WITH_TIMEOUT(item->stateName(), u"failed"_s, 20000);
        QCOMPARE(item->failureAction(), action);
    }

    // A download the site refused for want of a login offers the login of each browser
    // profile found; the one chosen goes to the engine, and once that fails too it is not
    // offered again. With the extension set up, the page can be opened in the browser.
    void loginFixOffersEachProfile()
    {
        const QString home = m_f->path(u"home"_s);
        const auto store = [&home](const QString &file) {
            QVERIFY(QDir().mkpath(QFileInfo(home + u'/' + file).path()));
            QVERIFY(writeFile(home + u'/' + file, "SQLite format 3"));
        };
        store(u".mozilla/firefox/a.default-release/cookies.sqlite"_s);
        store(u".mozilla/firefox/b.work/cookies.sqlite"_s);
        QVERIFY(writeFile(home + u"/.mozilla/firefox/profiles.ini"_s,
                          "[Profile0]\nName=Work\nIsRelative=1\nPath=b.work\n"
                          "[Profile1]\nName=Home\nIsRelative=1\nPath=a.default-release\nDefault=1\n"));
        store(u".var/app/org.chromium.Chromium/config/chromium/Default/Cookies"_s);
        const QString runs = m_f->path(u"runs.txt"_s);
        m_f->makeProgram(u"yt-dlp"_s, engine("echo \"$*\" >> '" + runs.toUtf8()
                                              + "'; echo 'ERROR: [youtube] abc: Sign in to confirm you are not a bot'; exit 1"));
        BrowserCompanion *browsers = m_f->shell().browsers();
        browsers->setRoots({home, home + u"/.config"_s, m_f->path(u"system"_s)});
        browsers->setHostProgram(m_f->path(u"host"_s));
        DownloadItem *item = failedDownload();
        QVERIFY(item);
        QVERIFY2(item->loginWanted(), qPrintable(item->failureMessage() + u'\n' + item->log().join(u'\n')));
        QQuickItem *card = nullptr;
        QTRY_VERIFY((card = cardFor(item)));
        QTRY_VERIFY(visibleIn(card, "loginFix"));
        const auto offered = [this, card] {
            QStringList labels;
            for (QQuickItem *choice : findItems(card, [](const QQuickItem *i) { return i->objectName() == u"loginChoice" && i->isVisible(); }))
                labels << choice->property("text").toString();
            return labels;
        };
        QTRY_COMPARE(offered(), (QStringList{u"Chromium (Flatpak)"_s, u"Firefox · Home"_s, u"Firefox · Work"_s}));
        QVERIFY(!visibleIn(card, "openInBrowser"));
        // The profiles stand in for the way to the settings' browser.
        QCOMPARE(item->failureAction(), FailureAction::chooseBrowser);
        QVERIFY(!visibleIn(card, "failureAction"));

        const auto work = findItems(card, [](const QQuickItem *i) { return i->objectName() == u"loginChoice" && i->property("text").toString() == u"Firefox · Work"; });
        QCOMPARE(work.size(), 1);
        m_f->click(work.constFirst());
        QTRY_COMPARE_WITH_TIMEOUT(item->stateName(), u"failed"_s, 20000);
        QTRY_COMPARE(readFile(runs).count('\n'), 2);
        const QString profile = u"firefox:"_s + home + u"/.mozilla/firefox/b.work"_s;
        QCOMPARE(item->login().browser, profile);
        QVERIFY2(QString::fromUtf8(readFile(runs)).section(u'\n', 1, 1).contains(u"--cookies-from-browser "_s + profile),
                 readFile(runs).constData());
        QVERIFY(!QString::fromUtf8(readFile(runs)).section(u'\n', 0, 0).contains(u"--cookies-from-browser"_s));
        QTRY_COMPARE(offered(), (QStringList{u"Chromium (Flatpak)"_s, u"Firefox · Home"_s}));
        QCOMPARE(m_f->textOf(u"loginNote", card), u"with the login of Firefox · Work"_s);
        // Refused with a login given, the engine may be what fell behind.
        QTRY_VERIFY(visibleIn(card, "failureAction"));
        QCOMPARE(m_f->textOf(u"failureAction", card), u"Update yt-dlp"_s);
        // It failed with that login: nothing is remembered for the site.
        QVERIFY(m_f->downloader().queue()->siteLogins()->entries().isEmpty());

        browsers->setUp();
        QTRY_VERIFY(visibleIn(card, "openInBrowser"));
        item->setPage(u"https://example.org/watch?v=abc"_s);
        m_f->click(visibleIn(card, "openInBrowser"));
        QCOMPARE(m_f->desktop.calls.filter(u"link "_s), QStringList{u"link https://example.org/watch?v=abc"_s});
        // A page that is no web page is not opened: the link is.
        item->setPage(u"javascript:alert(1)"_s);
        m_f->click(visibleIn(card, "openInBrowser"));
        QCOMPARE(m_f->desktop.calls.filter(u"link "_s).constLast(), u"link https://example.org/v"_s);
    }

    // Once the only profile found has failed too, nothing is left to offer: no lead-in
    // without a choice after it.
    void loginFixWithItsOnlyProfileFailed()
    {
        const QString home = m_f->path(u"home"_s);
        QVERIFY(QDir().mkpath(home + u"/.mozilla/firefox/a.default"_s));
        QVERIFY(writeFile(home + u"/.mozilla/firefox/a.default/cookies.sqlite"_s, "SQLite format 3"));
        QVERIFY(writeFile(home + u"/.mozilla/firefox/profiles.ini"_s, "[Profile0]\nName=Home\nIsRelative=1\nPath=a.default\n"));
        m_f->makeProgram(u"yt-dlp"_s, engine("echo 'ERROR: [youtube] abc: Sign in to confirm you are not a bot'; exit 1"));
        m_f->shell().browsers()->setRoots({home, home + u"/.config"_s, m_f->path(u"system"_s)});
        DownloadItem *item = failedDownload();
        QVERIFY(item);
        QQuickItem *card = nullptr;
        QTRY_VERIFY((card = cardFor(item)));
        QQuickItem *choice = nullptr;
        QTRY_VERIFY((choice = visibleIn(card, "loginChoice")));
        m_f->click(choice);
        QTRY_COMPARE(item->login().browser, u"firefox:"_s + home + u"/.mozilla/firefox/a.default"_s);
        QTRY_COMPARE_WITH_TIMEOUT(item->stateName(), u"failed"_s, 20000);
        QTRY_VERIFY(!visibleIn(card, "loginFix"));
        QVERIFY(visibleIn(card, "failureAction"));
    }

    // A login the browser handed over says so on the card; one lost with a restart too.
    void cardSaysWhoseLogin()
    {
        QVERIFY(start());
        DownloadItem *handed = m_f->addItem(DLState::queued);
        BrowserCookie cookie;
        cookie.name = u"session"_s;
        cookie.value = u"secret"_s;
        cookie.domain = u".example.org"_s;
        handed->setLogin(ItemLogin{{cookie}, {}, {}});
        DownloadItem *lost = m_f->addItem(DLState::queued);
        lost->setLoginLost(true);
        DownloadItem *plain = m_f->addItem(DLState::queued);
        QQuickItem *card = nullptr;
        QTRY_VERIFY((card = cardFor(handed)));
        QCOMPARE(m_f->textOf(u"loginNote", card), u"with your browser’s login"_s);
        QTRY_VERIFY((card = cardFor(lost)));
        QCOMPARE(m_f->textOf(u"loginNote", card), u"without the browser’s login: it isn’t kept when Vireloom closes"_s);
        QTRY_VERIFY((card = cardFor(plain)));
        QVERIFY(!visibleIn(card, "loginNote"));
        // A login chosen afterwards replaces the note of the lost one.
        m_f->downloader().queue()->retryWithLogin(lost, u"firefox:/nowhere"_s, u"Firefox"_s);
        QTRY_VERIFY((card = cardFor(lost)));
        QTRY_COMPARE(m_f->textOf(u"loginNote", card), u"with the login of Firefox"_s);
    }

private:
    bool start() { return m_f->show() && m_f->find(u"downloadsPage"); }
    // Shows the window and adds a link whose download the engine makes fail; the link's item
    // once it has, null where it never does.
    DownloadItem *failedDownload()
    {
        if (!start())
            return nullptr;
        m_f->downloader().queue()->add(u"https://example.org/v"_s);
        DownloadItem *item = m_f->downloader().queue()->items()->at(0);
        return QTest::qWaitFor([item] { return item->stateName() == u"failed"_s; }, 20000) ? item : nullptr;
    }
    QQuickItem *cardFor(const DownloadItem *item) const;
    // The named part of a card when it shows, else null.
    QQuickItem *visibleIn(QQuickItem *card, const char *name) const;
    int count() { return m_f->downloader().queue()->items()->count(); }

    std::unique_ptr<WindowFixture> m_f;
};

QQuickItem *TestDownloadsPage::cardFor(const DownloadItem *item) const
{
    return findItems(m_f->window()->contentItem(),
                     [item](const QQuickItem *candidate) {
                         return candidate->objectName() == u"downloadCard" && candidate->property("item").value<DownloadItem *>() == item;
                     })
        .value(0);
}

QQuickItem *TestDownloadsPage::visibleIn(QQuickItem *card, const char *name) const
{
    QQuickItem *item = m_f->find(QString::fromLatin1(name), card);
    return item && item->isVisible() ? item : nullptr;
}

QTEST_MAIN(TestDownloadsPage)
#include "tst_downloadspage.moc"
