#include "base/format.h"
#include "base/paths.h"
#include "engine/commandline.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/runfiles.h"
#include "history/historylist.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "model/qualitychoice.h"
#include "model/wantedsetting.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/files.h"
#include "support/windowfixture.h"
#include "ui/appsingletons.h"
#include "settings/sitelogins.h"
#include "ui/browsercompanion.h"
#include "ui/shell.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

// The history and settings pages in the real window, driven as a person would.
class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_f.reset(); }

    // The tiles describe the whole history while the search narrows the rows; a moved file
    // is said to be gone; the menu copies and removes; again adds; clearing empties it
    // (that the files stay and the file is rewritten is the history book's test).
    void historyRowsAndTheirActions()
    {
        m_f->settings().setValue(SettingsKey::quality, u"mp3"_s);
        QVERIFY(start(Shell::AppSection::history));
        QCOMPARE(find("filesTile")->property("value").toString(), u"0"_s);
        QCOMPARE(find("totalTile")->property("value").toString(), u"—"_s);
        QVERIFY(!find("clearHistory")->isVisible());
        QCOMPARE(textOf("emptyText"), u"Finished downloads show up here."_s);

        const QString present = m_f->path(u"home/Downloads/present.mp4"_s);
        QVERIFY(writeFile(present));
        m_f->addEntry(u"Gone"_s, u"https://example.org/g"_s, u"Site"_s, u"8K"_s, m_f->path(u"home/Downloads/gone.mp4"_s));
        m_f->addEntry(u"Present"_s, u"https://example.org/p"_s, QString(), u"MP3"_s, present);
        QCOMPARE(find("filesTile")->property("value").toString(), u"2"_s);
        QCOMPARE(find("totalTile")->property("value").toString(), Tools::fmtBytes(24'600'000));
        QTRY_COMPARE(titles(), (QStringList{u"Present"_s, u"Gone"_s}));
        for (QQuickItem *row : rows()) {
            const bool missing = textOf("rowTitle", row) == u"Gone";
            QCOMPARE(find("movedChip", row)->isVisible(), missing);
            m_f->desktop.calls.clear();
            m_f->click(find("openButton", row));
            m_f->click(find("revealButton", row));
            const QStringList expected = missing ? QStringList{} : QStringList{u"open "_s + present, u"reveal "_s + present};
            QCOMPARE(m_f->desktop.calls, expected);
            if (missing)
                QTRY_VERIFY(textOf("noticeText").startsWith(u"gone.mp4 is no longer in its folder."_s));
        }

        type("searchField", u"zzz"_s);
        QTRY_COMPARE(rows().size(), 0);
        QCOMPARE(textOf("emptyText"), u"Nothing found."_s);
        // A new download that matches the search shows at once, on top.
        type("searchField", u"example.org"_s);
        m_f->addEntry(u"Newest"_s, u"https://example.org/n"_s);
        m_f->addEntry(u"Hidden by the search"_s, u"https://x.org/1"_s, u"Site"_s);
        QTRY_COMPARE(titles(), (QStringList{u"Newest"_s, u"Present"_s, u"Gone"_s}));
        QCOMPARE(find("filesTile")->property("value").toString(), u"4"_s);

        const QPointF at = rows().constFirst()->mapToScene(QPointF(40, rows().constFirst()->height() / 2));
        QTest::mouseClick(m_f->window(), Qt::RightButton, Qt::NoModifier, at.toPoint());
        m_f->click(find("copyLink"));
        QCOMPARE(QGuiApplication::clipboard()->text(), u"https://example.org/n"_s);
        QTest::mouseClick(m_f->window(), Qt::RightButton, Qt::NoModifier, at.toPoint());
        m_f->click(find("removeEntry"));
        QTRY_COMPARE(titles(), (QStringList{u"Present"_s, u"Gone"_s}));
        QCOMPARE(m_f->downloader().history()->count(), 3);
        // Again: a label no preset has takes the default quality, and the link goes as one video.
        m_f->click(find("againButton", rows().constLast()));
        QCOMPARE(m_f->downloader().queue()->items()->rowCount(), 1);
        const DownloadItem *item = m_f->downloader().queue()->items()->items().constFirst();
        QCOMPARE(item->url(), u"https://example.org/g"_s);
        QCOMPARE(item->quality(), Quality(Quality::mp3));
        QVERIFY(!item->playlist());
        QVERIFY(item->options().ignoreArchive);
        QCOMPARE(m_f->shell().section(), Shell::AppSection::downloads);
        m_f->shell().setSection(Shell::AppSection::history);
        QTRY_VERIFY(find("clearHistory"));

        m_f->click(find("clearHistory"));
        m_f->click(find("clearDialog.action"));
        QTRY_COMPARE(rows().size(), 0);
        QCOMPARE(m_f->downloader().history()->count(), 0);
        QVERIFY(!find("clearHistory")->isVisible());
    }

    // Each switch shows its key, writes it both ways and follows the key when it is written
    // elsewhere; what each key does to the engine's arguments is the command line's test.
    void switchesWriteTheirKeys()
    {
        const QList<std::pair<QString, bool>> table{{u"preferH264"_s, true}, {u"subs"_s, false},          {u"embedMeta"_s, true},
                                                    {u"embedThumb"_s, true}, {u"watchClipboard"_s, true}, {u"soundOnDone"_s, true},
                                                    {u"useArchive"_s, false}};
        QVERIFY(start(Shell::AppSection::settings));
        for (const auto &[key, initially] : table) {
            QQuickItem *toggle = m_f->find(u"switch_"_s + key);
            QVERIFY2(toggle, qPrintable(key));
            QCOMPARE(toggle->property("checked").toBool(), initially);
            for (bool on : {!initially, initially}) {
                m_f->click(toggle);
                QCOMPARE(m_f->settings().boolean(key), on);
                QCOMPARE(toggle->property("checked").toBool(), on);
            }
            m_f->settings().setValue(key, !initially);
            QCOMPARE(toggle->property("checked").toBool(), !initially);
            m_f->settings().setValue(key, initially);
        }

        // The languages show with subtitles on, are written as typed, and stay when they go off.
        m_f->settings().setValue(SettingsKey::subLangs, u"de.*"_s);
        QVERIFY(!find("subLangsRow")->isVisible());
        m_f->click(find("switch_subs"));
        QTRY_VERIFY(find("subLangsRow")->isVisible());
        QCOMPARE(textOf("subLangsField"), u"de.*"_s);
        type("subLangsField", u"fr,es"_s);
        QCOMPARE(m_f->settings().string(SettingsKey::subLangs), u"fr,es"_s);
        m_f->click(find("switch_subs"));
        QTRY_VERIFY(!find("subLangsRow")->isVisible());
        QCOMPARE(m_f->settings().string(SettingsKey::subLangs), u"fr,es"_s);
    }

    // A value stored outside the range or the list shows as stored until a control changes it.
    void stepperAndMenusStoreTheirValue()
    {
        m_f->settings().setValue(SettingsKey::maxConcurrent, 9);
        m_f->settings().setValue(SettingsKey::cookies, u"netscape"_s);
        QVERIFY(start(Shell::AppSection::settings));

        QQuickItem *quality = find("qualityMenu");
        QCOMPARE(textOf("face", quality), u"Best quality"_s);
        m_f->click(quality);
        QTRY_VERIFY(find("option_mp3"));
        QCOMPARE(find("check", find("option_best"))->opacity(), 1.0);
        m_f->click(find("option_mp3"));
        QCOMPARE(defaultQuality(m_f->settings()), Quality(Quality::mp3));
        QCOMPARE(textOf("face", quality), u"Audio only — MP3"_s);

        QQuickItem *browser = find("browserMenu");
        QCOMPARE(textOf("face", browser), u"netscape"_s);
        m_f->click(browser);
        QTRY_VERIFY(find("option_none"));
        QVERIFY(!find("option_safari"));
        for (const char *value : {"option_none", "option_chrome", "option_firefox", "option_chromium"})
            QCOMPARE(find("check", find(value))->opacity(), 0.0);
        m_f->click(find("option_firefox"));
        QCOMPARE(textOf("face", browser), u"Firefox"_s);
        QCOMPARE(cookieArgs(m_f->settings()), (QStringList{u"--cookies-from-browser"_s, u"firefox"_s}));

        QQuickItem *concurrent = find("concurrentRow");
        QCOMPARE(textOf("stepperValue", concurrent), u"9"_s);
        m_f->click(find("stepDown", concurrent));
        QCOMPARE(m_f->settings().integer(SettingsKey::maxConcurrent), 6);
        QCOMPARE(textOf("stepperValue", concurrent), u"6"_s);
    }

    void folderChooser()
    {
        const QString inside = m_f->path(u"home/Videos"_s);
        QDir().mkpath(inside);
        QVERIFY(start(Shell::AppSection::settings));
        QCOMPARE(textOf("rowSub", find("folderRow")), u"~/Downloads"_s);

        QObject *dialog = find("settingsPage")->findChild<QObject *>(u"folderDialog"_s);
        QVERIFY(dialog);
        m_f->click(find("chooseFolder"));
        QTRY_VERIFY(dialog->property("visible").toBool());
        QCOMPARE(dialog->property("currentFolder").toUrl(), QUrl::fromLocalFile(m_f->settings().folder()));
        QVERIFY(QMetaObject::invokeMethod(dialog, "reject"));
        QTRY_VERIFY(!dialog->property("visible").toBool());

        // Where the desktop has no chooser, the window's own makes a new folder where it
        // stands, shows it, and chooses it.
        m_f->click(find("chooseFolder"));
        QTRY_VERIFY(dialog->property("visible").toBool());
        m_f->click(find("newFolder"));
        QTRY_VERIFY(find("newFolderName")->hasActiveFocus());
        m_f->typeText(u"Clips"_s);
        QTest::keyClick(m_f->window(), Qt::Key_Return);
        const QString made = m_f->path(u"home/Downloads/Clips"_s);
        QVERIFY(QFileInfo(made).isDir());
        QCOMPARE(dialog->property("currentFolder").toUrl(), QUrl::fromLocalFile(made));
        QCOMPARE(textOf("chooserFolder"), u"~/Downloads/Clips"_s);
        m_f->click(find("chooserAccept"));
        QTRY_VERIFY(!dialog->property("visible").toBool());
        QCOMPARE(m_f->settings().folder(), made);
        QCOMPARE(textOf("rowSub", find("folderRow")), u"~/Downloads/Clips"_s);

        // What the page does with the folder the dialog hands back once the user confirms.
        AppSettings *view = AppSettingsSingleton::instance;
        view->chooseFolder(QUrl::fromLocalFile(inside));
        QCOMPARE(textOf("rowSub", find("folderRow")), u"~/Videos"_s);
        QCOMPARE(m_f->settings().folder(), inside);

        // Outside the home folder the path shows whole; what is not a folder changes nothing.
        const QString outside = m_f->path(u"elsewhere"_s);
        QDir().mkpath(outside);
        view->chooseFolder(QUrl::fromLocalFile(outside + u'/'));
        QCOMPARE(textOf("rowSub", find("folderRow")), outside);
        for (const QUrl &refused : {QUrl::fromLocalFile(m_f->path(u"missing"_s)), QUrl(u"https://example.org/"_s), QUrl()})
            view->chooseFolder(refused);
        QCOMPARE(m_f->settings().folder(), outside);
    }

    // A refused value is explained under its row and changes nothing; an accepted one is what
    // the next download uses.
    void refusedValuesKeepTheStoredOne()
    {
        m_f->settings().setValue(SettingsKey::proxy, u"http://proxy:8080"_s);
        QVERIFY(start(Shell::AppSection::settings));
        const auto offer = [this](const char *rowName, const char *fieldName, const QString &text) {
            QQuickItem *row = find(rowName);
            QQuickItem *field = find(fieldName, row);
            m_f->click(field);
            field->setProperty("text", QString());
            m_f->typeText(text);
            QTest::keyClick(m_f->window(), Qt::Key_Return);
            return find("rowProblem", row)->isVisible() ? textOf("rowProblem", row) : QString();
        };
        QCOMPARE(offer("proxyRow", "proxyField", u"ftp://proxy:21"_s),
                 u"Use an address like socks5://127.0.0.1:1080 or http://proxy:8080."_s);
        QCOMPARE(offer("sleepIntervalRow", "secondsField", u"900"_s), u"Use a number of seconds from 0 to 600."_s);
        QCOMPARE(m_f->settings().string(SettingsKey::proxy), u"http://proxy:8080"_s);
        QCOMPARE(m_f->settings().seconds(SettingsKey::sleepInterval), 0.0);

        // What the page does with the file the chooser hands back, and the button that clears it.
        const QString cookies = m_f->path(u"home/cookies.txt"_s);
        QCOMPARE(AppSettingsSingleton::instance->chooseCookiesFile(QUrl::fromLocalFile(cookies)),
                 u"The cookies file doesn’t exist or can’t be read."_s);
        QVERIFY(writeFile(cookies));
        QCOMPARE(AppSettingsSingleton::instance->chooseCookiesFile(QUrl::fromLocalFile(cookies)), QString());
        QCOMPARE(textOf("rowSub", find("cookiesFileRow")), u"~/cookies.txt"_s);
        m_f->click(find("clearCookiesFile"));
        QCOMPARE(m_f->settings().string(SettingsKey::cookiesFile), QString());

        QCOMPARE(offer("proxyRow", "proxyField", u" socks5://127.0.0.1:1080"_s), QString());
        QCOMPARE(offer("sleepIntervalRow", "secondsField", u"2,5"_s), QString());
        DownloadItem playlist(u"https://example.org/list"_s, Quality::best, true);
        const QStringList args = m_f->downloader().queue()->buildArgs(playlist);
        QCOMPARE(args.value(args.indexOf(u"--config-locations"_s) + 1), RunFiles::config(playlist.id()));
        QCOMPARE(privateConfig(m_f->settings()), QByteArray("--proxy 'socks5://127.0.0.1:1080'\n"));
        QCOMPARE(args.value(args.indexOf(u"--sleep-interval"_s) + 1), u"2.5"_s);
    }

    // An engine program installed after the start is found when the page shows; the copy
    // buttons hand over the texts a browser needs.
    void engineRowsAndCopyButtons()
    {
        m_f->downloader();
        m_f->makeProgram(u"yt-dlp"_s, "echo ' 2026.11.30 '");
        QVERIFY(start(Shell::AppSection::settings));
        QQuickItem *row = find("engine_ytdlp");
        QTRY_COMPARE(textOf("chip", row), u"2026.11.30"_s);
        QCOMPARE(textOf("rowSub", row), Settings::displayPath(m_f->downloader().engine()->ytdlpPathText()));
        QCOMPARE(textOf("chip", find("engine_ffmpeg")), u"not found"_s);
        m_f->click(find("engineFolder"));
        QCOMPARE(m_f->desktop.calls, QStringList{u"folder "_s + Tools::binDir()});

        m_f->click(find("copyBookmarklet"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"javascript:location.href='vireloom://download?url='+encodeURIComponent(location.href)"_s);
        m_f->click(find("copySchemePrefix"));
        QCOMPARE(QGuiApplication::clipboard()->text(), u"vireloom://download?url="_s);
    }

    // The setting a failure points at opens the settings page with its row in view, once;
    // the next visit opens at the top.
    void wantedSettingIsShown_data()
    {
        QTest::addColumn<WantedSetting>("wanted");
        QTest::addColumn<QString>("row");
        QTest::newRow("folder") << WantedSetting::folder << u"folderRow"_s;
        QTest::newRow("browser login") << WantedSetting::browser << u"browserRow"_s;
        QTest::newRow("proxy") << WantedSetting::proxy << u"proxyRow"_s;
        QTest::newRow("cookies file") << WantedSetting::cookiesFile << u"cookiesFileRow"_s;
    }

    void wantedSettingIsShown()
    {
        QFETCH(WantedSetting, wanted);
        QFETCH(QString, row);
        QVERIFY(start(Shell::AppSection::downloads));
        m_f->shell().showSetting(wanted);
        QQuickItem *page = nullptr;
        QTRY_VERIFY((page = find("settingsPage")));
        QQuickItem *setting = m_f->find(row, page);
        QVERIFY(setting);
        QTRY_VERIFY(setting->mapToItem(page, QPointF()).y() >= 0
                    && setting->mapToItem(page, QPointF(0, setting->height())).y() <= page->height());

        m_f->shell().setSection(Shell::AppSection::history);
        QTRY_VERIFY(find("historyPage"));
        m_f->shell().setSection(Shell::AppSection::settings);
        QTRY_VERIFY((page = find("settingsPage")));
        QVERIFY(QQuickTest::qWaitForPolish(m_f->window()));
        QCOMPARE(page->property("contentY").toReal(), 0.0);
    }

    // The Browsers row says which browsers are set up, before and after its button, and
    // why nothing was when the host program is missing; the extension row opens and copies
    // the packages' folder.
    void browsersRowSetsUp()
    {
        const QString home = m_f->path(u"home"_s);
        QVERIFY(QDir().mkpath(home + u"/.config/chromium"_s));
        QVERIFY(QDir().mkpath(home + u"/.var/app/org.mozilla.firefox"_s));
        BrowserCompanion *browsers = m_f->shell().browsers();
        browsers->setRoots({home, home + u"/.config"_s, m_f->path(u"system"_s)});
        browsers->setHostProgram({});
        const QString packages = m_f->path(u"share/vireloom/browser"_s);
        browsers->setExtensionFolder(packages);
        QVERIFY(start(Shell::AppSection::settings));
        QQuickItem *row = find("browsersRow");
        QVERIFY(row);
        QTRY_COMPARE(textOf("rowSub", row), u"Not set up yet: Chromium, Firefox (Flatpak)"_s);

        m_f->click(find("setUpBrowsers"));
        QTRY_VERIFY(find("rowProblem", row)->isVisible());
        QVERIFY(textOf("rowProblem", row).contains(u"vireloom-browser-host"_s));

        const QString host = m_f->path(u"libexec/vireloom-browser-host"_s);
        browsers->setHostProgram(host);
        m_f->click(find("setUpBrowsers"));
        QTRY_VERIFY(textOf("rowSub", row).startsWith(u"Set up: Chromium, Firefox (Flatpak)\nDone: Chromium, Firefox (Flatpak)."_s));
        QVERIFY(!find("rowProblem", row)->isVisible());
        for (const QString &manifest : {u"/.config/chromium/NativeMessagingHosts/io.github.vireloom.vireloom.json"_s,
                                        u"/.var/app/org.mozilla.firefox/.mozilla/native-messaging-hosts/io.github.vireloom.vireloom.json"_s})
            QVERIFY2(readFile(home + manifest).contains(host.toUtf8()), qPrintable(manifest));

        QQuickItem *extension = find("extensionRow");
        QVERIFY(textOf("rowSub", extension).endsWith(u'\n' + packages));
        m_f->click(find("openExtensionFolder"));
        QCOMPARE(m_f->desktop.calls.filter(u"folder "_s), QStringList{u"folder "_s + packages});
        m_f->click(find("copyExtensionFolder"));
        QCOMPARE(QGuiApplication::clipboard()->text(), packages);
    }

    // The remembered sites, each with its profile, and each forgotten by its own button.
    void rememberedSitesAreForgotten()
    {
        SiteLogins *logins = m_f->downloader().queue()->siteLogins();
        logins->remember(u"www.example.org"_s, u"firefox:/p/work"_s, u"Firefox · Work"_s);
        logins->remember(u"video.example.net"_s, u"chromium:/p/Default"_s, u"Chromium"_s);
        QVERIFY(start(Shell::AppSection::settings));
        const auto shown = [this] {
            QStringList sites;
            for (QQuickItem *row : m_f->findAll(u"siteLogin"))
                sites << textOf("rowTitle", row) + u" = "_s + textOf("rowSub", row);
            return sites;
        };
        QTRY_COMPARE(shown(), (QStringList{u"example.org = Firefox · Work"_s, u"video.example.net = Chromium"_s}));
        QQuickItem *first = m_f->findAll(u"siteLogin").constFirst();
        QQuickItem *forget = find("forgetSite", first);
        QCOMPARE(forget->property("help").toString(), u"Forget the login for example.org"_s);
        m_f->click(forget);
        QTRY_COMPARE(shown(), QStringList{u"video.example.net = Chromium"_s});
        QCOMPARE(logins->entries().size(), 1);
        QCOMPARE(logins->entries().constFirst().site, u"video.example.net"_s);
        // Remembered elsewhere meanwhile, a site shows at once.
        logins->remember(u"a.example.com"_s, u"firefox:/p/x"_s, u"Firefox"_s);
        QTRY_COMPARE(shown(), (QStringList{u"a.example.com = Firefox"_s, u"video.example.net = Chromium"_s}));
    }

private:
    bool start(Shell::AppSection section);
    QQuickItem *find(const char *name, QQuickItem *from = nullptr) const { return m_f->find(QString::fromLatin1(name), from); }
    QString textOf(const char *name, QQuickItem *from = nullptr) const { return m_f->textOf(QString::fromLatin1(name), from); }
    // The history rows on show, top first; rows of an earlier list may wait hidden for reuse.
    QList<QQuickItem *> rows() const;
    QStringList titles() const;
    void type(const char *field, const QString &text);

    std::unique_ptr<WindowFixture> m_f;
};

bool TestPages::start(Shell::AppSection section)
{
    m_f->shell().setSection(section);
    return m_f->show();
}

QList<QQuickItem *> TestPages::rows() const
{
    QList<QQuickItem *> shown = m_f->findAll(u"historyRow");
    shown.removeIf([](QQuickItem *row) { return !row->isVisible(); });
    std::sort(shown.begin(), shown.end(), [](QQuickItem *a, QQuickItem *b) { return a->mapToScene({}).y() < b->mapToScene({}).y(); });
    return shown;
}

QStringList TestPages::titles() const
{
    QStringList shown;
    for (QQuickItem *row : rows())
        shown << textOf("rowTitle", row);
    return shown;
}

void TestPages::type(const char *field, const QString &text)
{
    QQuickItem *item = find(field);
    QVERIFY(item);
    item->forceActiveFocus();
    item->setProperty("text", QString());
    m_f->typeText(text);
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
