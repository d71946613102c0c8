#include "engine/downloader.h"
#include "history/historylist.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "support/windowfixture.h"
#include "tools/tools.h"
#include "ui/datetext.h"
#include "ui/appsingletons.h"
#include "ui/shell.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

// The history and settings pages in the real window, driven as a person would.
class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void relativeDates_data();
    void relativeDates();
    void historyTiles();
    void search_data();
    void search();
    void newDownloadShowsAtOnce();
    void movedFileFallsBackToTheFolder();
    void downloadAgain_data();
    void downloadAgain();
    void removeAndClearKeepFiles();

    void switchesWriteTheirKeys_data();
    void switchesWriteTheirKeys();
    void subtitleLanguagesFollowSubs();
    void stepperBounds_data();
    void stepperBounds();
    void menusStoreTheirValue();
    void unknownBrowserShowsAsStored();
    void folderChooser();
    void refusedValuesKeepTheStoredOne();
    void engineChips_data();
    void engineChips();
    void copyButtons();

private:
    bool start(Downloader::AppSection section);
    QQuickItem *find(const char *name, QQuickItem *from = nullptr) const { return m_f->find(QString::fromLatin1(name), from); }
    QString textOf(const char *name, QQuickItem *from = nullptr) const { return m_f->textOf(QString::fromLatin1(name), from); }
    // The history rows on show; rows of an earlier list may wait hidden for reuse.
    QList<QQuickItem *> rows() const;
    void type(const char *field, const QString &text);
    QStringList argsNow() const;

    std::unique_ptr<WindowFixture> m_f;
};

bool TestPages::start(Downloader::AppSection section)
{
    m_f->downloader().setSection(section);
    return m_f->show();
}

QList<QQuickItem *> TestPages::rows() const
{
    QList<QQuickItem *> shown = m_f->findAll(u"historyRow");
    shown.removeIf([](QQuickItem *row) { return !row->isVisible(); });
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

QStringList TestPages::argsNow() const
{
    DownloadItem item(u"https://example.org/v"_s, Quality::best, false);
    return m_f->downloader().buildArgs(item);
}

void TestPages::relativeDates_data()
{
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<QString>("text");

    QTest::newRow("seconds") << qint64(20) << u"20 seconds ago"_s;
    QTest::newRow("hours") << qint64(2 * 3600 + 50) << u"2 hours ago"_s;
    QTest::newRow("a day") << qint64(86400 + 3600) << u"yesterday"_s;
    QTest::newRow("weeks") << qint64(15 * 86400) << u"2 weeks ago"_s;
    QTest::newRow("a year") << qint64(400 * 86400) << u"last year"_s;
}

void TestPages::relativeDates()
{
    QFETCH(qint64, secondsAgo);
    QFETCH(QString, text);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QCOMPARE(DateText::relative(now.addSecs(-secondsAgo), now, QLocale(QLocale::English)), text);
}

void TestPages::historyTiles()
{
    QVERIFY(start(Downloader::AppSection::history));
    QCOMPARE(find("filesTile")->property("value").toString(), u"0"_s);
    QCOMPARE(find("totalTile")->property("value").toString(), u"—"_s);
    QCOMPARE(find("latestTile")->property("value").toString(), u"—"_s);
    QVERIFY(!find("clearHistory")->isVisible());
    QCOMPARE(textOf("emptyText"), u"Finished downloads show up here."_s);
    m_f->snapshot(u"history-empty"_s);

    m_f->addEntry(u"First clip"_s, u"https://example.org/a"_s, u"Example"_s);
    m_f->addEntry(u"Second clip"_s, u"https://example.org/b"_s, u"Example"_s);
    QCOMPARE(find("filesTile")->property("value").toString(), u"2"_s);
    QCOMPARE(find("totalTile")->property("value").toString(), Tools::fmtBytes(24'600'000));
    QCOMPARE(find("latestTile")->property("value").toString(),
             DateText::relative(QDateTime::currentDateTimeUtc().addSecs(-7200), QDateTime::currentDateTimeUtc()));
    QVERIFY(find("clearHistory")->isVisible());
    QTRY_COMPARE(rows().size(), 2);
    m_f->snapshot(u"history-rows"_s);
}

void TestPages::search_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("nothing typed") << QString() << QStringList{u"Nightfall"_s, u"Two words"_s, u"Álbum"_s};
    QTest::newRow("capitals find any case") << u"TUBE"_s << QStringList{u"Nightfall"_s};
    QTest::newRow("a word only in the link") << u"secretpath"_s << QStringList{u"Álbum"_s};
    QTest::newRow("a single space") << u" "_s << QStringList{u"Two words"_s};
    QTest::newRow("accents are kept") << u"album"_s << QStringList{};
    QTest::newRow("no match") << u"zzz"_s << QStringList{};
}

void TestPages::search()
{
    QFETCH(QString, search);
    QFETCH(QStringList, titles);
    m_f->addEntry(u"Álbum"_s, u"https://music.example/secretpath"_s, u"Music"_s);
    m_f->addEntry(u"Two words"_s, u"https://vimeo.example/1"_s, u"Vimeo"_s);
    m_f->addEntry(u"Nightfall"_s, u"https://example.org/n"_s, u"YouTube"_s);
    QVERIFY(start(Downloader::AppSection::history));

    type("searchField", search);
    QCOMPARE(find("searchField")->property("text").toString(), search);
    QVERIFY(find("searchField")->height() > 10);
    QStringList shown;
    QTRY_COMPARE(rows().size(), titles.size());
    for (QQuickItem *row : rows())
        shown << textOf("rowTitle", row);
    std::sort(shown.begin(), shown.end());
    std::sort(titles.begin(), titles.end());
    QCOMPARE(shown, titles);
    if (titles.isEmpty()) {
        QCOMPARE(textOf("emptyText"), u"Nothing found."_s);
        m_f->snapshot(u"history-nothing-found"_s);
    }
    // The tiles always describe the whole history.
    QCOMPARE(find("filesTile")->property("value").toString(), u"3"_s);
}

void TestPages::newDownloadShowsAtOnce()
{
    QVERIFY(start(Downloader::AppSection::history));
    m_f->addEntry(u"Older"_s, u"https://example.org/o"_s, QString());
    type("searchField", u"example.org"_s);
    m_f->addEntry(u"Newest"_s, u"https://example.org/n"_s, QString());
    m_f->addEntry(u"Hidden by the search"_s, u"https://x.org/1"_s, u"Site"_s);
    QTRY_COMPARE(rows().size(), 2);
    QList<QQuickItem *> shown = rows();
    std::sort(shown.begin(), shown.end(), [](QQuickItem *a, QQuickItem *b) { return a->mapToScene({}).y() < b->mapToScene({}).y(); });
    QCOMPARE(textOf("rowTitle", shown.first()), u"Newest"_s);
}

void TestPages::movedFileFallsBackToTheFolder()
{
    const QString present = m_f->path(u"home/Downloads/present.mp4"_s);
    QFile file(present);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString gone = m_f->path(u"home/Downloads/gone.mp4"_s);
    m_f->addEntry(u"Gone"_s, u"https://example.org/g"_s, u"Site"_s, u"1080p"_s, gone);
    m_f->addEntry(u"Present"_s, u"https://example.org/p"_s, QString(), u"MP3"_s, present);
    QVERIFY(start(Downloader::AppSection::history));
    m_f->snapshot(u"history-filled"_s);

    QTRY_COMPARE(rows().size(), 2);
    for (QQuickItem *row : rows()) {
        const bool missing = textOf("rowTitle", row) == u"Gone";
        QCOMPARE(find("movedChip", row)->isVisible(), missing);
        QCOMPARE(find("siteChip", row)->isVisible(), missing); // only the moved entry has a site
        m_f->desktop.calls.clear();
        m_f->click(find("openButton", row));
        m_f->click(find("revealButton", row));
        const QString folder = u"folder "_s + m_f->settings().folder();
        const QStringList expected = missing ? QStringList{folder, folder}
                                             : QStringList{u"open "_s + present, u"reveal "_s + present};
        QCOMPARE(m_f->desktop.calls, expected);
    }
}

void TestPages::downloadAgain_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");

    QTest::newRow("4K is 2160p") << u"4K"_s << u"p2160"_s;
    QTest::newRow("best") << u"Melhor"_s << u"best"_s;
    QTest::newRow("audio") << u"M4A"_s << u"m4a"_s;
    QTest::newRow("unknown label takes the default quality") << u"8K"_s << u"mp3"_s;
}

void TestPages::downloadAgain()
{
    QFETCH(QString, label);
    QFETCH(QString, expected);
    m_f->settings().setValue(SettingsKey::quality, u"mp3"_s);
    m_f->addEntry(u"Again"_s, u"https://example.org/again"_s, QString(), label);
    QVERIFY(start(Downloader::AppSection::history));

    QTRY_VERIFY(find("againButton"));
    m_f->click(find("againButton"));
    QCOMPARE(m_f->downloader().items()->rowCount(), 1);
    const DownloadItem *item = m_f->downloader().items()->items().constFirst();
    QCOMPARE(item->quality().id(), expected);
    QCOMPARE(item->url(), u"https://example.org/again"_s);
    QVERIFY(!item->playlist());
    QVERIFY(item->options().ignoreArchive);
    QCOMPARE(m_f->downloader().section(), Downloader::AppSection::downloads);
}

void TestPages::removeAndClearKeepFiles()
{
    const QString kept = m_f->path(u"home/Downloads/kept.mp4"_s);
    QFile file(kept);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_f->addEntry(u"Stays"_s, u"https://example.org/s"_s, QString(), u"720p"_s, kept);
    m_f->addEntry(u"Removed"_s, u"https://example.org/r"_s, QString(), u"720p"_s, kept);
    QVERIFY(start(Downloader::AppSection::history));

    QTRY_COMPARE(rows().size(), 2);
    QQuickItem *removed = nullptr;
    for (QQuickItem *row : rows())
        removed = textOf("rowTitle", row) == u"Removed" ? row : removed;
    QVERIFY(removed);
    const QPointF at = removed->mapToScene(QPointF(40, removed->height() / 2));
    QTest::mouseClick(m_f->window(), Qt::RightButton, Qt::NoModifier, at.toPoint());
    m_f->click(find("copyLink"));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"https://example.org/r"_s);
    QTest::mouseClick(m_f->window(), Qt::RightButton, Qt::NoModifier, at.toPoint());
    m_f->click(find("removeEntry"));
    QTRY_COMPARE(rows().size(), 1);
    QCOMPARE(m_f->downloader().history()->entries().constFirst().title, u"Stays"_s);

    m_f->click(find("clearHistory"));
    m_f->click(find("clearConfirm"));
    QTRY_COMPARE(rows().size(), 0);
    QCOMPARE(m_f->downloader().history()->count(), 0);
    QCOMPARE(find("filesTile")->property("value").toString(), u"0"_s);
    QVERIFY(!find("clearHistory")->isVisible());
    QVERIFY(QFile::exists(kept));
    QFile saved(QDir(Tools::supportDir()).filePath(u"history.json"_s));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().trimmed(), QByteArray("[]"));
}

void TestPages::switchesWriteTheirKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("initially");
    QTest::addColumn<QString>("argument"); // what buildArgs holds while the key is on; empty for none

    QTest::newRow("preferH264") << u"preferH264"_s << true << u"vcodec:h264,res,acodec:m4a"_s;
    QTest::newRow("subs") << u"subs"_s << false << u"--embed-subs"_s;
    QTest::newRow("embedMeta") << u"embedMeta"_s << true << u"--embed-metadata"_s;
    QTest::newRow("embedThumb") << u"embedThumb"_s << true << u"--embed-thumbnail"_s;
    QTest::newRow("watchClipboard") << u"watchClipboard"_s << true << QString();
    QTest::newRow("soundOnDone") << u"soundOnDone"_s << true << QString();
}

void TestPages::switchesWriteTheirKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, initially);
    QFETCH(QString, argument);
    m_f->makeProgram(u"ffmpeg"_s, "exit 0");
    QVERIFY(start(Downloader::AppSection::settings));

    const QByteArray name = "switch_" + key.toLatin1();
    QQuickItem *toggle = find(name.constData());
    QVERIFY(toggle);
    QCOMPARE(toggle->property("checked").toBool(), initially);
    QTRY_VERIFY(m_f->downloader().ffmpegPath().has_value());
    for (bool on : {!initially, initially}) {
        m_f->click(toggle);
        QCOMPARE(m_f->settings().boolean(key), on);
        QCOMPARE(toggle->property("checked").toBool(), on);
        if (!argument.isEmpty())
            QCOMPARE(argsNow().contains(argument), on);
    }
    // Written elsewhere, the switch follows.
    m_f->settings().setValue(key, !initially);
    QCOMPARE(toggle->property("checked").toBool(), !initially);
}

void TestPages::subtitleLanguagesFollowSubs()
{
    m_f->makeProgram(u"ffmpeg"_s, "exit 0");
    m_f->settings().setValue(SettingsKey::subLangs, u"de.*"_s);
    QVERIFY(start(Downloader::AppSection::settings));
    m_f->snapshot(u"settings-subs-off"_s);

    QVERIFY(!find("subLangsRow")->isVisible());
    m_f->click(find("switch_subs"));
    QTRY_VERIFY(find("subLangsRow")->isVisible());
    QCOMPARE(textOf("subLangsField"), u"de.*"_s);
    m_f->snapshot(u"settings-subs-on"_s);

    type("subLangsField", u"fr,es"_s);
    QCOMPARE(m_f->settings().string(SettingsKey::subLangs), u"fr,es"_s);
    QTRY_VERIFY(m_f->downloader().ffmpegPath().has_value());
    const QStringList args = argsNow();
    QCOMPARE(args.value(args.indexOf(u"--sub-langs"_s) + 1), u"fr,es"_s);

    m_f->click(find("switch_subs"));
    QTRY_VERIFY(!find("subLangsRow")->isVisible());
    QCOMPARE(m_f->settings().string(SettingsKey::subLangs), u"fr,es"_s);
}

void TestPages::stepperBounds_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("afterDown");
    QTest::addColumn<int>("afterUp");

    QTest::newRow("default") << 2 << 1 << 3;
    QTest::newRow("lowest") << 1 << 1 << 2;
    QTest::newRow("highest") << 6 << 5 << 6;
    QTest::newRow("stored above the range") << 9 << 6 << 9;
    QTest::newRow("stored below the range") << 0 << 0 << 1;
}

void TestPages::stepperBounds()
{
    QFETCH(int, stored);
    QFETCH(int, afterDown);
    QFETCH(int, afterUp);
    m_f->settings().setValue(SettingsKey::maxConcurrent, stored);
    QVERIFY(start(Downloader::AppSection::settings));

    QCOMPARE(textOf("concurrentValue"), QString::number(stored));
    m_f->click(find("stepDown"));
    QCOMPARE(m_f->settings().integer(SettingsKey::maxConcurrent), afterDown);
    QCOMPARE(textOf("concurrentValue"), QString::number(afterDown));
    m_f->settings().setValue(SettingsKey::maxConcurrent, stored);
    m_f->click(find("stepUp"));
    QCOMPARE(m_f->settings().integer(SettingsKey::maxConcurrent), afterUp);
}

void TestPages::menusStoreTheirValue()
{
    QVERIFY(start(Downloader::AppSection::settings));
    QQuickItem *quality = find("qualityMenu");
    QCOMPARE(textOf("face", quality), u"Best quality"_s);
    m_f->snapshot(u"settings"_s);
    m_f->click(quality);
    QTRY_VERIFY(find("option_mp3"));
    m_f->snapshot(u"settings-menu"_s);
    QCOMPARE(find("check", find("option_best"))->opacity(), 1.0);
    m_f->click(find("option_mp3"));
    QCOMPARE(m_f->settings().string(SettingsKey::quality), u"mp3"_s);
    QCOMPARE(m_f->settings().defaultQuality(), Quality(Quality::mp3));
    QCOMPARE(textOf("face", quality), u"Audio only — MP3"_s);

    QQuickItem *browser = find("browserMenu");
    QCOMPARE(textOf("face", browser), u"Don’t use"_s);
    m_f->click(browser);
    QTRY_VERIFY(find("option_firefox"));
    QVERIFY(!find("option_safari"));
    m_f->click(find("option_firefox"));
    QCOMPARE(m_f->settings().string(SettingsKey::cookies), u"firefox"_s);
    QCOMPARE(textOf("face", browser), u"Firefox"_s);
    QCOMPARE(m_f->downloader().cookieArgs(), (QStringList{u"--cookies-from-browser"_s, u"firefox"_s}));
}

void TestPages::unknownBrowserShowsAsStored()
{
    m_f->settings().setValue(SettingsKey::cookies, u"netscape"_s);
    QVERIFY(start(Downloader::AppSection::settings));
    QQuickItem *browser = find("browserMenu");
    QCOMPARE(textOf("face", browser), u"netscape"_s);
    m_f->click(browser);
    QTRY_VERIFY(find("option_none"));
    for (const char *value : {"option_none", "option_chrome", "option_firefox", "option_chromium"})
        QCOMPARE(find("check", find(value))->opacity(), 0.0);
}

void TestPages::folderChooser()
{
    const QString inside = m_f->path(u"home/Videos"_s);
    QDir().mkpath(inside);
    QVERIFY(start(Downloader::AppSection::settings));
    QCOMPARE(textOf("rowSub", find("folderRow")), u"~/Downloads"_s);

    QObject *dialog = find("settingsPage")->findChild<QObject *>(u"folderDialog"_s);
    QVERIFY(dialog);
    QCOMPARE(dialog->property("acceptLabel").toString(), u"Choose"_s);
    m_f->click(find("chooseFolder"));
    QTRY_VERIFY(dialog->property("visible").toBool());
    QCOMPARE(dialog->property("currentFolder").toUrl(), QUrl::fromLocalFile(m_f->settings().folder()));
    QVERIFY(QMetaObject::invokeMethod(dialog, "reject"));
    QTRY_VERIFY(!dialog->property("visible").toBool());

    // What the page does with the folder the dialog hands back once the user confirms.
    AppSettings *view = AppSettingsSingleton::instance;
    view->chooseFolder(QUrl::fromLocalFile(inside));
    QCOMPARE(m_f->settings().string(SettingsKey::folder), inside);
    QCOMPARE(textOf("rowSub", find("folderRow")), u"~/Videos"_s);
    QCOMPARE(argsNow().value(argsNow().indexOf(u"-P"_s) + 1), inside);

    // Outside the home folder the path shows whole; what is not a folder changes nothing.
    const QString outside = m_f->path(u"elsewhere"_s);
    QDir().mkpath(outside);
    view->chooseFolder(QUrl::fromLocalFile(outside + u'/'));
    QCOMPARE(textOf("rowSub", find("folderRow")), outside);
    view->chooseFolder(QUrl::fromLocalFile(m_f->path(u"missing"_s)));
    view->chooseFolder(QUrl(u"https://example.org/"_s));
    view->chooseFolder(QUrl());
    QCOMPARE(m_f->settings().folder(), outside);
}

// A refused value is explained under its row and changes nothing; an accepted one is what
// the next download uses.
void TestPages::refusedValuesKeepTheStoredOne()
{
    m_f->settings().setValue(SettingsKey::proxy, u"http://proxy:8080"_s);
    QVERIFY(start(Downloader::AppSection::settings));
    const auto offer = [this](const char *rowName, const char *fieldName, const QString &text) {
        QQuickItem *row = find(rowName);
        QQuickItem *field = find(fieldName, row);
        m_f->click(field);
        field->setProperty("text", QString());
        m_f->typeText(text);
        QTest::keyClick(m_f->window(), Qt::Key_Return);
        return find("rowProblem", row)->isVisible() ? textOf("rowProblem", row) : QString();
    };
    QCOMPARE(offer("proxyRow", "proxyField", u"ftp://proxy:21"_s), u"Use an address like socks5://127.0.0.1:1080 or http://proxy:8080."_s);
    QCOMPARE(offer("sleepIntervalRow", "secondsField", u"900"_s), u"Use a number of seconds from 0 to 600."_s);
    m_f->snapshot(u"settings-rows"_s);
    QCOMPARE(m_f->settings().string(SettingsKey::proxy), u"http://proxy:8080"_s);
    QCOMPARE(m_f->settings().seconds(SettingsKey::sleepInterval), 0.0);

    QCOMPARE(offer("proxyRow", "proxyField", u" socks5://127.0.0.1:1080"_s), QString());
    QCOMPARE(offer("sleepIntervalRow", "secondsField", u"2,5"_s), QString());
    DownloadItem playlist(u"https://example.org/list"_s, Quality::best, true);
    const QStringList args = m_f->downloader().buildArgs(playlist);
    QCOMPARE(args.value(args.indexOf(u"--proxy"_s) + 1), u"socks5://127.0.0.1:1080"_s);
    QCOMPARE(args.value(args.indexOf(u"--sleep-interval"_s) + 1), u"2.5"_s);
}

void TestPages::engineChips_data()
{
    QTest::addColumn<QByteArray>("ytdlp"); // the program's body; empty for none
    QTest::addColumn<QString>("chip");
    QTest::addColumn<bool>("found");

    QTest::newRow("found with version") << QByteArray("echo ' 2026.11.30 '") << u"2026.11.30"_s << true;
    QTest::newRow("found without version") << QByteArray("exit 0") << u"installed"_s << true;
    QTest::newRow("not found") << QByteArray() << u"not found"_s << false;
}

void TestPages::engineChips()
{
    QFETCH(QByteArray, ytdlp);
    QFETCH(QString, chip);
    QFETCH(bool, found);
    // Installed after the start: the page looks again when it is shown.
    m_f->downloader();
    if (!ytdlp.isEmpty())
        m_f->makeProgram(u"yt-dlp"_s, ytdlp);
    QVERIFY(start(Downloader::AppSection::settings));

    QQuickItem *row = find("engine_ytdlp");
    QTRY_COMPARE(textOf("chip", row), chip);
    QCOMPARE(find("chip", row)->property("color").value<QColor>(), found ? QColor(0x2ECC71) : QColor(0xE74C3C));
    QCOMPARE(textOf("rowSub", row), found ? Settings::displayPath(m_f->downloader().ytdlpPathText()) : QString());
    QCOMPARE(textOf("chip", find("engine_ffmpeg")), u"not found"_s);
    QVERIFY(find("updateEngine")->isEnabled());
    QVERIFY(!find("installSpinner")->isVisible());

    m_f->click(find("engineFolder"));
    QCOMPARE(m_f->desktop.calls, QStringList{u"folder "_s + Tools::binDir()});
}

void TestPages::copyButtons()
{
    QVERIFY(start(Downloader::AppSection::settings));
    m_f->click(find("copyBookmarklet"));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             u"javascript:location.href='vireloom://download?url='+encodeURIComponent(location.href)"_s);
    m_f->click(find("copySchemePrefix"));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"vireloom://download?url="_s);
    QCOMPARE(QGuiApplication::clipboard()->text().size(), 24);
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
