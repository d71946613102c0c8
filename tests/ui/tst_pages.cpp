#include "engine/downloader.h"
#include "history/historylist.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "support/quickitems.h"
#include "support/recordingdesktop.h"
#include "tools/tools.h"
#include "ui/appsingletons.h"
#include "ui/datetext.h"
#include "ui/historyview.h"
#include "ui/settingsview.h"
#include "ui/shell.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Vireloom_UIPlugin)

using namespace Qt::StringLiterals;

// The history and settings pages in the real window, driven as a person would.
class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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
    void engineChips_data();
    void engineChips();
    void copyButtons();

private:
    void start(const char *section);
    QQuickItem *find(const char *name, QQuickItem *from = nullptr) const;
    QList<QQuickItem *> findAll(const char *name) const;
    // The history rows on show; rows of an earlier list may wait hidden for reuse.
    QList<QQuickItem *> rows() const;
    QString textOf(const char *name, QQuickItem *from = nullptr) const;
    void click(QQuickItem *item);
    void type(const char *field, const QString &text);
    HistoryEntry addEntry(const QString &title, const QString &url, const QString &site,
                          const QString &quality = u"1080p"_s, std::optional<QString> file = {});
    void makeProgram(const QString &name, const QByteArray &body);
    QStringList argsNow() const;
    void snapshot(const char *name) const;

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<Shell> m_shell;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    RecordingDesktop m_desktop;
    QQuickWindow *m_window = nullptr;
};

void TestPages::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QDir().mkpath(m_root->filePath(u"system"_s));
    QDir().mkpath(m_root->filePath(u"home/Downloads"_s));
    qputenv("HOME", m_root->filePath(u"home"_s).toLocal8Bit());
    Tools::setLocations({m_root->filePath(u"support"_s), {m_root->filePath(u"system"_s)}});
    m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.conf"_s));
    m_desktop.calls.clear();
}

void TestPages::cleanup()
{
    m_engine.reset();
    m_shell.reset();
    m_downloader.reset();
    m_window = nullptr;
}

void TestPages::start(const char *section)
{
    if (!m_downloader) {
        m_downloader = std::make_unique<Downloader>(m_settings.get());
        m_downloader->setDesktop(&m_desktop);
    }
    m_shell = std::make_unique<Shell>(m_downloader.get());
    DownloaderSingleton::instance = m_downloader.get();
    SettingsSingleton::instance = m_settings.get();
    ShellSingleton::instance = m_shell.get();

    m_shell->setSection(QString::fromLatin1(section));
    m_engine = std::make_unique<QQmlApplicationEngine>();
    m_engine->addImportPath(u"qrc:/"_s);
    m_engine->load(QUrl(u"qrc:/Vireloom/UI/Main.qml"_s));
    QVERIFY(!m_engine->rootObjects().isEmpty());
    m_window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().constFirst());
    QVERIFY(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::qWait(800); // the cards slide into place first
}

QQuickItem *TestPages::find(const char *name, QQuickItem *from) const
{
    return findItem(from ? from : m_window->contentItem(), QString::fromLatin1(name));
}

QList<QQuickItem *> TestPages::findAll(const char *name) const
{
    return findItemsNamed(m_window->contentItem(), QString::fromLatin1(name));
}

QList<QQuickItem *> TestPages::rows() const
{
    QList<QQuickItem *> shown = findAll("historyRow");
    shown.removeIf([](QQuickItem *row) { return !row->isVisible(); });
    return shown;
}

QString TestPages::textOf(const char *name, QQuickItem *from) const
{
    QQuickItem *item = find(name, from);
    return item ? item->property("text").toString() : u"<missing %1>"_s.arg(QLatin1StringView(name));
}

void TestPages::click(QQuickItem *item)
{
    QVERIFY(item);
    QTRY_VERIFY(item->isVisible());
    // Scrolled into view first, as a person would.
    for (QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (!up->inherits("QQuickFlickable"))
            continue;
        auto *content = up->property("contentItem").value<QQuickItem *>();
        const qreal top = item->mapToItem(content, QPointF()).y();
        const qreal maxY = std::max<qreal>(0, up->property("contentHeight").toReal() - up->height());
        const qreal contentY = std::clamp<qreal>(top - up->height() / 2, 0, maxY) + up->property("originY").toReal();
        if (!qFuzzyCompare(contentY, up->property("contentY").toReal())) {
            up->setProperty("contentY", contentY);
            QTest::qWait(700); // cards first shown now slide into place
        }
        break;
    }
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void TestPages::type(const char *field, const QString &text)
{
    QQuickItem *item = find(field);
    QVERIFY(item);
    item->forceActiveFocus();
    item->setProperty("text", QString());
    for (QChar character : text)
        QTest::keyClick(m_window, character.toLatin1());
}

HistoryEntry TestPages::addEntry(const QString &title, const QString &url, const QString &site,
                                 const QString &quality, std::optional<QString> file)
{
    HistoryEntry entry;
    entry.id = QUuid::createUuid();
    entry.title = title;
    entry.url = url;
    entry.site = site;
    entry.quality = quality;
    entry.file = file;
    entry.date = QDateTime::currentDateTimeUtc().addSecs(-2 * 3600);
    entry.bytes = 12'300'000;
    m_downloader->history()->prepend(entry);
    return entry;
}

void TestPages::makeProgram(const QString &name, const QByteArray &body)
{
    QDir().mkpath(Tools::binDir());
    QFile file(QDir(Tools::binDir()).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    Tools::makeExecutable(file.fileName());
}

QStringList TestPages::argsNow() const
{
    DownloadItem item(u"https://example.org/v"_s, Quality::best, false);
    return m_downloader->buildArgs(item);
}

void TestPages::snapshot(const char *name) const
{
    const QString folder = qEnvironmentVariable("VIRELOOM_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QTest::qWait(700); // let the cards finish appearing
        m_window->grabWindow().save(QDir(folder).filePath(QString::fromLatin1(name) + u".png"_s));
    }
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
    start("history");
    QCOMPARE(find("filesTile")->property("value").toString(), u"0"_s);
    QCOMPARE(find("totalTile")->property("value").toString(), u"—"_s);
    QCOMPARE(find("latestTile")->property("value").toString(), u"—"_s);
    QVERIFY(!find("clearHistory")->isVisible());
    QCOMPARE(textOf("emptyText"), u"Finished downloads show up here."_s);
    snapshot("history-empty");

    addEntry(u"First clip"_s, u"https://example.org/a"_s, u"Example"_s);
    addEntry(u"Second clip"_s, u"https://example.org/b"_s, u"Example"_s);
    QCOMPARE(find("filesTile")->property("value").toString(), u"2"_s);
    QCOMPARE(find("totalTile")->property("value").toString(), Tools::fmtBytes(24'600'000));
    QCOMPARE(find("latestTile")->property("value").toString(),
             DateText::relative(QDateTime::currentDateTimeUtc().addSecs(-7200), QDateTime::currentDateTimeUtc()));
    QVERIFY(find("clearHistory")->isVisible());
    QTRY_COMPARE(rows().size(), 2);
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
    m_downloader = std::make_unique<Downloader>(m_settings.get());
    m_downloader->setDesktop(&m_desktop);
    addEntry(u"Álbum"_s, u"https://music.example/secretpath"_s, u"Music"_s);
    addEntry(u"Two words"_s, u"https://vimeo.example/1"_s, u"Vimeo"_s);
    addEntry(u"Nightfall"_s, u"https://example.org/n"_s, u"YouTube"_s);
    start("history");

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
        snapshot("history-nothing-found");
    }
    // The tiles always describe the whole history.
    QCOMPARE(find("filesTile")->property("value").toString(), u"3"_s);
}

void TestPages::newDownloadShowsAtOnce()
{
    start("history");
    addEntry(u"Older"_s, u"https://example.org/o"_s, QString());
    type("searchField", u"example.org"_s);
    addEntry(u"Newest"_s, u"https://example.org/n"_s, QString());
    addEntry(u"Hidden by the search"_s, u"https://x.org/1"_s, u"Site"_s);
    QTRY_COMPARE(rows().size(), 2);
    QList<QQuickItem *> shown = rows();
    std::sort(shown.begin(), shown.end(), [](QQuickItem *a, QQuickItem *b) { return a->mapToScene({}).y() < b->mapToScene({}).y(); });
    QCOMPARE(textOf("rowTitle", shown.first()), u"Newest"_s);
}

void TestPages::movedFileFallsBackToTheFolder()
{
    const QString present = m_root->filePath(u"home/Downloads/present.mp4"_s);
    QFile file(present);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString gone = m_root->filePath(u"home/Downloads/gone.mp4"_s);
    m_downloader = std::make_unique<Downloader>(m_settings.get());
    m_downloader->setDesktop(&m_desktop);
    addEntry(u"Gone"_s, u"https://example.org/g"_s, u"Site"_s, u"1080p"_s, gone);
    addEntry(u"Present"_s, u"https://example.org/p"_s, QString(), u"MP3"_s, present);
    start("history");
    snapshot("history-filled");

    QTRY_COMPARE(rows().size(), 2);
    for (QQuickItem *row : rows()) {
        const bool missing = textOf("rowTitle", row) == u"Gone";
        QCOMPARE(find("movedChip", row)->isVisible(), missing);
        QCOMPARE(find("siteChip", row)->isVisible(), missing); // only the moved entry has a site
        m_desktop.calls.clear();
        click(find("openButton", row));
        click(find("revealButton", row));
        const QString folder = u"folder "_s + m_settings->folder();
        const QStringList expected = missing ? QStringList{folder, folder}
                                             : QStringList{u"open "_s + present, u"reveal "_s + present};
        QCOMPARE(m_desktop.calls, expected);
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
    m_settings->setValue(SettingsKey::quality, u"mp3"_s);
    m_downloader = std::make_unique<Downloader>(m_settings.get());
    m_downloader->setDesktop(&m_desktop);
    addEntry(u"Again"_s, u"https://example.org/again"_s, QString(), label);
    start("history");

    QTRY_VERIFY(find("againButton"));
    click(find("againButton"));
    QCOMPARE(m_downloader->items()->rowCount(), 1);
    const DownloadItem *item = m_downloader->items()->items().constFirst();
    QCOMPARE(item->quality().id(), expected);
    QCOMPARE(item->url(), u"https://example.org/again"_s);
    QVERIFY(!item->playlist());
    QCOMPARE(m_shell->section(), u"downloads"_s);
}

void TestPages::removeAndClearKeepFiles()
{
    const QString kept = m_root->filePath(u"home/Downloads/kept.mp4"_s);
    QFile file(kept);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_downloader = std::make_unique<Downloader>(m_settings.get());
    m_downloader->setDesktop(&m_desktop);
    addEntry(u"Stays"_s, u"https://example.org/s"_s, QString(), u"720p"_s, kept);
    addEntry(u"Removed"_s, u"https://example.org/r"_s, QString(), u"720p"_s, kept);
    start("history");

    QTRY_COMPARE(rows().size(), 2);
    QQuickItem *removed = nullptr;
    for (QQuickItem *row : rows())
        removed = textOf("rowTitle", row) == u"Removed" ? row : removed;
    QVERIFY(removed);
    const QPointF at = removed->mapToScene(QPointF(40, removed->height() / 2));
    QTest::mouseClick(m_window, Qt::RightButton, Qt::NoModifier, at.toPoint());
    click(find("copyLink"));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"https://example.org/r"_s);
    QTest::mouseClick(m_window, Qt::RightButton, Qt::NoModifier, at.toPoint());
    click(find("removeEntry"));
    QTRY_COMPARE(rows().size(), 1);
    QCOMPARE(m_downloader->history()->entries().constFirst().title, u"Stays"_s);

    click(find("clearHistory"));
    click(find("clearConfirm"));
    QTRY_COMPARE(rows().size(), 0);
    QCOMPARE(m_downloader->history()->count(), 0);
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
    makeProgram(u"ffmpeg"_s, "exit 0");
    start("settings");

    const QByteArray name = "switch_" + key.toLatin1();
    QQuickItem *toggle = find(name.constData());
    QVERIFY(toggle);
    QCOMPARE(toggle->property("checked").toBool(), initially);
    QTRY_VERIFY(m_downloader->ffmpegPath().has_value());
    for (bool on : {!initially, initially}) {
        click(toggle);
        QCOMPARE(m_settings->boolean(key), on);
        QCOMPARE(toggle->property("checked").toBool(), on);
        if (!argument.isEmpty())
            QCOMPARE(argsNow().contains(argument), on);
    }
    // Written elsewhere, the switch follows.
    m_settings->setValue(key, !initially);
    QCOMPARE(toggle->property("checked").toBool(), !initially);
}

void TestPages::subtitleLanguagesFollowSubs()
{
    makeProgram(u"ffmpeg"_s, "exit 0");
    m_settings->setValue(SettingsKey::subLangs, u"de.*"_s);
    start("settings");
    snapshot("settings-subs-off");

    QVERIFY(!find("subLangsRow")->isVisible());
    click(find("switch_subs"));
    QTRY_VERIFY(find("subLangsRow")->isVisible());
    QCOMPARE(textOf("subLangsField"), u"de.*"_s);
    snapshot("settings-subs-on");

    type("subLangsField", u"fr,es"_s);
    QCOMPARE(m_settings->string(SettingsKey::subLangs), u"fr,es"_s);
    QTRY_VERIFY(m_downloader->ffmpegPath().has_value());
    const QStringList args = argsNow();
    QCOMPARE(args.value(args.indexOf(u"--sub-langs"_s) + 1), u"fr,es"_s);

    click(find("switch_subs"));
    QTRY_VERIFY(!find("subLangsRow")->isVisible());
    QCOMPARE(m_settings->string(SettingsKey::subLangs), u"fr,es"_s);
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
    m_settings->setValue(SettingsKey::maxConcurrent, stored);
    start("settings");

    QCOMPARE(textOf("concurrentValue"), QString::number(stored));
    click(find("stepDown"));
    QCOMPARE(m_settings->integer(SettingsKey::maxConcurrent), afterDown);
    QCOMPARE(textOf("concurrentValue"), QString::number(afterDown));
    m_settings->setValue(SettingsKey::maxConcurrent, stored);
    click(find("stepUp"));
    QCOMPARE(m_settings->integer(SettingsKey::maxConcurrent), afterUp);
}

void TestPages::menusStoreTheirValue()
{
    start("settings");
    QQuickItem *quality = find("qualityMenu");
    QCOMPARE(textOf("face", quality), u"Best quality"_s);
    click(quality);
    QTRY_VERIFY(find("option_mp3"));
    QCOMPARE(find("check", find("option_best"))->opacity(), 1.0);
    click(find("option_mp3"));
    QCOMPARE(m_settings->string(SettingsKey::quality), u"mp3"_s);
    QCOMPARE(m_settings->defaultQuality(), Quality(Quality::mp3));
    QCOMPARE(textOf("face", quality), u"Audio only — MP3"_s);

    QQuickItem *browser = find("browserMenu");
    QCOMPARE(textOf("face", browser), u"Don’t use"_s);
    click(browser);
    QTRY_VERIFY(find("option_firefox"));
    QVERIFY(!find("option_safari"));
    click(find("option_firefox"));
    QCOMPARE(m_settings->string(SettingsKey::cookies), u"firefox"_s);
    QCOMPARE(textOf("face", browser), u"Firefox"_s);
    QCOMPARE(m_downloader->cookieArgs(), (QStringList{u"--cookies-from-browser"_s, u"firefox"_s}));
}

void TestPages::unknownBrowserShowsAsStored()
{
    m_settings->setValue(SettingsKey::cookies, u"netscape"_s);
    start("settings");
    QQuickItem *browser = find("browserMenu");
    QCOMPARE(textOf("face", browser), u"netscape"_s);
    click(browser);
    QTRY_VERIFY(find("option_none"));
    for (const char *value : {"option_none", "option_chrome", "option_firefox", "option_chromium"})
        QCOMPARE(find("check", find(value))->opacity(), 0.0);
}

void TestPages::folderChooser()
{
    const QString inside = m_root->filePath(u"home/Videos"_s);
    QDir().mkpath(inside);
    start("settings");
    QCOMPARE(textOf("rowSub", find("folderRow")), u"~/Downloads"_s);

    QObject *dialog = find("settingsPage")->findChild<QObject *>(u"folderDialog"_s);
    QVERIFY(dialog);
    QCOMPARE(dialog->property("acceptLabel").toString(), u"Escolher"_s);
    click(find("chooseFolder"));
    QTRY_VERIFY(dialog->property("visible").toBool());
    QCOMPARE(dialog->property("currentFolder").toUrl(), QUrl::fromLocalFile(m_settings->folder()));
    QVERIFY(QMetaObject::invokeMethod(dialog, "reject"));
    QTRY_VERIFY(!dialog->property("visible").toBool());

    // What the page does with the folder the dialog hands back once the user confirms.
    auto *view = find("settingsPage")->findChild<SettingsView *>();
    QVERIFY(view);
    view->chooseFolder(QUrl::fromLocalFile(inside));
    QCOMPARE(m_settings->string(SettingsKey::folder), inside);
    QCOMPARE(textOf("rowSub", find("folderRow")), u"~/Videos"_s);
    QCOMPARE(argsNow().value(argsNow().indexOf(u"-P"_s) + 1), inside);

    // Outside the home folder the path shows whole; what is not a folder changes nothing.
    const QString outside = m_root->filePath(u"elsewhere"_s);
    QDir().mkpath(outside);
    view->chooseFolder(QUrl::fromLocalFile(outside + u'/'));
    QCOMPARE(textOf("rowSub", find("folderRow")), outside);
    view->chooseFolder(QUrl::fromLocalFile(m_root->filePath(u"missing"_s)));
    view->chooseFolder(QUrl(u"https://example.org/"_s));
    view->chooseFolder(QUrl());
    QCOMPARE(m_settings->folder(), outside);
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
    m_downloader = std::make_unique<Downloader>(m_settings.get());
    m_downloader->setDesktop(&m_desktop);
    // Installed after the start: the page looks again when it is shown.
    if (!ytdlp.isEmpty())
        makeProgram(u"yt-dlp"_s, ytdlp);
    start("settings");

    QQuickItem *row = find("engine_ytdlp");
    QTRY_COMPARE(textOf("chip", row), chip);
    QCOMPARE(find("chip", row)->property("color").value<QColor>(), found ? QColor(0x2ECC71) : QColor(0xE74C3C));
    QCOMPARE(textOf("rowSub", row), found ? Settings::displayPath(m_downloader->ytdlpPathText()) : QString());
    QCOMPARE(textOf("chip", find("engine_ffmpeg")), u"not found"_s);
    QVERIFY(find("updateEngine")->isEnabled());
    QVERIFY(!find("installSpinner")->isVisible());

    click(find("engineFolder"));
    QCOMPARE(m_desktop.calls, QStringList{u"folder "_s + Tools::binDir()});
}

void TestPages::copyButtons()
{
    start("settings");
    click(find("copyBookmarklet"));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             u"javascript:location.href='vireloom://download?url='+encodeURIComponent(location.href)"_s);
    click(find("copySchemePrefix"));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"vireloom://download?url="_s);
    QCOMPARE(QGuiApplication::clipboard()->text().size(), 24);
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
