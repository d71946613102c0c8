#include "engine/downloader.h"
#include "intake/clipboard.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "support/quickitems.h"
#include "support/httpserver.h"
#include "tools/tools.h"
#include "ui/appsingletons.h"
#include "ui/cardtexts.h"
#include "ui/shell.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <cmath>

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

class FakeClipboard : public Clipboard
{
public:
    qint64 changeCount() const override { return m_count; }
    std::optional<QString> text() const override { return m_text; }
    void copy(const QString &text)
    {
        m_text = text;
        ++m_count;
    }

private:
    qint64 m_count = 0;
    std::optional<QString> m_text;
};

struct Fixture
{
    QString state;
    double progress = 0;
    QString sizeText;
    QString speed;
    QString eta;
    QString playlistPos;
    QString entry;
    bool playlist = false;
    QStringList files;
};

} // namespace

Q_DECLARE_METATYPE(Fixture)

// The downloads page in the real window, from fixture items and a local engine.
class TestDownloadsPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void progressTexts_data();
    void progressTexts();
    void cardForEachState_data();
    void cardForEachState();
    void factsRow_data();
    void factsRow();
    void markupStaysCharacters();
    void thumbnailFallsBackToSymbol_data();
    void thumbnailFallsBackToSymbol();
    void submitEnablement_data();
    void submitEnablement();
    void submitTrimsAndEmpties();
    void qualityAndPlaylistChoice();
    void engineBanner_data();
    void engineBanner();
    void engineBannerWhileInstalling();
    void clipboardBanner();
    void queueHeaderAndClearFinished();
    void cardsAreBuiltOnDemand();

private:
    void start();
    QQuickItem *find(const QString &name, QQuickItem *under = nullptr) const;
    QQuickItem *cardFor(const DownloadItem *item) const;
    QQuickItem *visibleIn(QQuickItem *card, const char *name) const;
    DownloadItem *addItem(const Fixture &fixture, const QString &title = u"A clip"_s);
    void click(QQuickItem *item);
    void makeProgram(const QString &name, const QByteArray &body);
    void snapshot(const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<Shell> m_shell;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    FakeClipboard m_clipboard;
    QQuickWindow *m_window = nullptr;
};

void TestDownloadsPage::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QDir().mkpath(m_root->filePath(u"system"_s));
    Tools::setLocations({m_root->filePath(u"support"_s), {m_root->filePath(u"system"_s)}});
    QDir().mkpath(Tools::binDir());
    m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.conf"_s));
}

void TestDownloadsPage::cleanup()
{
    m_engine.reset();
    m_shell.reset();
    m_downloader.reset();
    m_window = nullptr;
}

void TestDownloadsPage::start()
{
    m_downloader = std::make_unique<Downloader>(m_settings.get());
    m_downloader->setClipboard(&m_clipboard);
    m_shell = std::make_unique<Shell>(m_downloader.get());
    DownloaderSingleton::instance = m_downloader.get();
    SettingsSingleton::instance = m_settings.get();
    ShellSingleton::instance = m_shell.get();

    m_engine = std::make_unique<QQmlApplicationEngine>();
    m_engine->addImportPath(u"qrc:/"_s);
    m_engine->load(QUrl(u"qrc:/Vireloom/UI/Main.qml"_s));
    QVERIFY(!m_engine->rootObjects().isEmpty());
    m_window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().constFirst());
    QVERIFY(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(find(u"downloadsPage"_s));
}

QQuickItem *TestDownloadsPage::find(const QString &name, QQuickItem *under) const
{
    return findItem(under ? under : m_window->contentItem(), name);
}

QQuickItem *TestDownloadsPage::cardFor(const DownloadItem *item) const
{
    return findItems(m_window->contentItem(), [item](const QQuickItem *candidate) {
               return candidate->objectName() == u"downloadCard"
                      && candidate->property("item").value<DownloadItem *>() == item;
           }).value(0);
}

// The named part of a card when it shows, else null.
QQuickItem *TestDownloadsPage::visibleIn(QQuickItem *card, const char *name) const
{
    QQuickItem *item = find(QString::fromLatin1(name), card);
    return item && item->isVisible() ? item : nullptr;
}

DownloadItem *TestDownloadsPage::addItem(const Fixture &fixture, const QString &title)
{
    auto *item = new DownloadItem(u"https://example.org/v"_s, Quality::best, fixture.playlist);
    item->setTitle(title);
    item->setProgress(fixture.progress);
    item->setSizeText(fixture.sizeText);
    item->setSpeed(fixture.speed);
    item->setEta(fixture.eta);
    item->setPlaylistPos(fixture.playlistPos);
    item->setCurrentEntry(fixture.entry);
    item->setFiles(fixture.files);
    static const QStringList names{u"fetching"_s, u"queued"_s, u"downloading"_s, u"processing"_s,
                                   u"done"_s, u"failed"_s, u"cancelled"_s};
    if (fixture.state == u"failed")
        item->setState(DLState::failure(u"The video is private. Sign in with an account that can see it."_s));
    else
        item->setState(DLState::Kind(names.indexOf(fixture.state)));
    m_downloader->items()->prepend(item);
    return item;
}

void TestDownloadsPage::click(QQuickItem *item)
{
    QVERIFY(item);
    QTest::mouseClick(m_window, Qt::LeftButton, {}, item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
}

void TestDownloadsPage::makeProgram(const QString &name, const QByteArray &body)
{
    QFile file(QDir(Tools::binDir()).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    Tools::makeExecutable(file.fileName());
}

void TestDownloadsPage::snapshot(const QString &name) const
{
    const QString folder = qEnvironmentVariable("VIRELOOM_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    // After the page's fade and the cards' entrance.
    QTest::qWait(900);
    m_window->grabWindow().save(QDir(folder).filePath(name + u".png"_s));
}

void TestDownloadsPage::progressTexts_data()
{
    QTest::addColumn<double>("progress");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("eta");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("line");

    QTest::newRow("42.7 % with size, speed and time left")
        << 0.427 << u"318.2MiB"_s << u"4.20MiB/s"_s << u"00:42"_s << QString()
        << u"42%  ·  318.2MiB  ·  4.20MiB/s  ·  00:42 left"_s;
    QTest::newRow("a stored 0.29 is still 29 %") << 0.29 << QString() << QString() << QString() << QString() << u"29%"_s;
    QTest::newRow("playlist position only") << 0.0 << QString() << QString() << QString() << u"3/12"_s
                                            << u"0%  ·  item 3/12"_s;
    QTest::newRow("finished bar") << 1.0 << u"1.0MiB"_s << QString() << QString() << QString() << u"100%  ·  1.0MiB"_s;
    QTest::newRow("nonsense progress reads 0 %") << std::nan("") << QString() << QString() << QString() << QString() << u"0%"_s;
}

void TestDownloadsPage::progressTexts()
{
    QFETCH(double, progress);
    QFETCH(QString, size);
    QFETCH(QString, speed);
    QFETCH(QString, eta);
    QFETCH(QString, position);
    QFETCH(QString, line);
    QCOMPARE(CardTexts::progressLine(progress, size, speed, eta, position), line);
}

void TestDownloadsPage::cardForEachState_data()
{
    QTest::addColumn<Fixture>("fixture");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("bar");

    const QStringList cancel{u"cancelButton"_s};
    QTest::newRow("fetching") << Fixture{u"fetching"_s} << u"Reading info…"_s << cancel << u"shimmer"_s;
    QTest::newRow("queued") << Fixture{u"queued"_s} << u"Queued"_s << cancel << u"meter"_s;
    QTest::newRow("downloading")
        << Fixture{u"downloading"_s, 0.427, u"318.2MiB"_s, u"4.20MiB/s"_s, u"00:42"_s}
        << u"42%  ·  318.2MiB  ·  4.20MiB/s  ·  00:42 left"_s << cancel << u"meter"_s;
    QTest::newRow("processing") << Fixture{u"processing"_s} << u"Finishing — merging audio and video…"_s << cancel
                                << u"shimmer"_s;
    const QStringList doneButtons{u"openButton"_s, u"revealButton"_s};
    QTest::newRow("done, three files")
        << Fixture{u"done"_s, 1, u"12MiB"_s, {}, {}, {}, {}, true, {u"/a.mp4"_s, u"/b.mp4"_s, u"/c.mp4"_s}}
        << u"Done · 3 files"_s << doneButtons << QString();
    QTest::newRow("done, one file with a size")
        << Fixture{u"done"_s, 1, u"12.3MiB"_s, {}, {}, {}, {}, false, {u"/a.mp4"_s}} << u"Done · 12.3MiB"_s
        << doneButtons << QString();
    QTest::newRow("done, no size") << Fixture{u"done"_s, 1, {}, {}, {}, {}, {}, false, {u"/a.mp4"_s}} << u"Done"_s
                                   << doneButtons << QString();
    const QStringList again{u"retryButton"_s, u"logButton"_s};
    QTest::newRow("cancelled") << Fixture{u"cancelled"_s} << u"Cancelled"_s << again << QString();
    QTest::newRow("failed") << Fixture{u"failed"_s}
                            << u"The video is private. Sign in with an account that can see it."_s << again
                            << QString();
}

void TestDownloadsPage::cardForEachState()
{
    QFETCH(Fixture, fixture);
    QFETCH(QString, status);
    QFETCH(QStringList, buttons);
    QFETCH(QString, bar);
    start();
    DownloadItem *item = addItem(fixture);
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));

    QCOMPARE(find(u"status"_s, card)->property("text").toString(), status);
    QStringList shown;
    for (const char *name : {"cancelButton", "openButton", "revealButton", "retryButton", "logButton"}) {
        if (visibleIn(card, name))
            shown << QString::fromLatin1(name);
    }
    QCOMPARE(shown, buttons);
    QCOMPARE(bool(visibleIn(card, "doneBadge")), fixture.state == u"done");
    QCOMPARE(bool(visibleIn(card, "meter")), bar == u"meter");
    if (bar == u"meter")
        QCOMPARE(find(u"meter"_s, card)->property("fraction").toDouble(), fixture.state == u"queued" ? 0.0 : fixture.progress);
    if (fixture.state == u"failed") {
        QCOMPARE(find(u"status"_s, card)->property("maximumLineCount").toInt(), 2);
        QCOMPARE(card->findChild<QObject *>(u"failureHelp"_s)->property("text").toString(), status);
    }
    snapshot(u"card-"_s + fixture.state);

    // The log button opens the sheet for this item.
    if (QQuickItem *log = visibleIn(card, "logButton")) {
        click(log);
        QTRY_COMPARE(find(u"logTitle"_s)->property("text").toString(), item->title());
    }
}

void TestDownloadsPage::factsRow_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<double>("duration");
    QTest::addColumn<QString>("uploader");
    QTest::addColumn<bool>("playlist");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("chips");

    QTest::newRow("no facts") << QString() << 0.0 << QString() << false << -1 << QStringList{u"Best"_s};
    QTest::newRow("playlist without a count") << QString() << 0.0 << QString() << true << -1
                                              << QStringList{u"Best"_s, u"Playlist"_s};
    QTest::newRow("playlist of 12") << QString() << 0.0 << QString() << true << 12
                                    << QStringList{u"Best"_s, u"Playlist · 12"_s};
    QTest::newRow("every fact") << u"YouTube"_s << 3725.0 << u"A <b>channel</b>"_s << false << -1
                                << QStringList{u"YouTube"_s, u"Best"_s, u"1:02:05"_s};
}

void TestDownloadsPage::factsRow()
{
    QFETCH(QString, site);
    QFETCH(double, duration);
    QFETCH(QString, uploader);
    QFETCH(bool, playlist);
    QFETCH(int, count);
    QFETCH(QStringList, chips);
    start();
    DownloadItem *item = addItem(Fixture{u"queued"_s, 0, {}, {}, {}, {}, {}, playlist});
    item->setSite(site);
    if (duration > 0)
        item->setDuration(duration);
    item->setUploader(uploader);
    if (count >= 0)
        item->setPlaylistCount(count);
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));

    QStringList shown;
    for (const char *name : {"siteChip", "qualityChip", "playlistChip", "durationChip"}) {
        if (QQuickItem *chip = visibleIn(card, name))
            shown << chip->property("text").toString();
    }
    QCOMPARE(shown, chips);
    QQuickItem *uploaderLabel = visibleIn(card, "uploader");
    QCOMPARE(uploaderLabel ? uploaderLabel->property("text").toString() : QString(), uploader);
}

void TestDownloadsPage::markupStaysCharacters()
{
    HttpServer server;
    QVERIFY(server.listen());
    server.route(u"/x"_s, {200, "GIF89a", {}, "image/gif"});
    start();
    const QString title = u"<img src=%1> <b>bold</b>"_s.arg(server.url(u"/x"_s).toString());
    DownloadItem *item = addItem(Fixture{u"failed"_s}, title);
    item->setUploader(title);
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));
    QQuickItem *label = find(u"cardTitle"_s, card);
    QCOMPARE(label->property("text").toString(), title);
    QCOMPARE(label->property("textFormat").toInt(), int(Qt::PlainText));
    QCOMPARE(find(u"uploader"_s, card)->property("textFormat").toInt(), int(Qt::PlainText));
    // Plain text lays out as one line of characters, far wider than a picture would be.
    QVERIFY(label->property("implicitWidth").toDouble() > 200);
    QTest::qWait(500);
    QCOMPARE(server.totalRequests(), 0);
}

void TestDownloadsPage::thumbnailFallsBackToSymbol_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<QString>("symbol");

    QTest::newRow("error answer, video") << u"/missing.jpg"_s << false << u"film"_s;
    QTest::newRow("error answer, audio") << u"/missing.jpg"_s << true << u"music.note"_s;
    QTest::newRow("local file is never read") << u"file:///etc/hostname"_s << false << u"film"_s;
}

void TestDownloadsPage::thumbnailFallsBackToSymbol()
{
    QFETCH(QString, path);
    QFETCH(bool, audio);
    QFETCH(QString, symbol);
    HttpServer server;
    QVERIFY(server.listen());
    server.route(u"/missing.jpg"_s, {404, "gone", {}, "text/plain"});
    start();
    auto *item = new DownloadItem(u"https://example.org/v"_s, audio ? Quality::mp3 : Quality::best, false);
    item->setState(DLState::queued);
    item->setThumbnail(path.startsWith(u'/') ? server.url(path) : QUrl(path));
    m_downloader->items()->prepend(item);
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));
    QQuickItem *placeholder = find(u"thumbPlaceholder"_s, card);
    QTRY_VERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->property("symbol").toString(), symbol);
    QCOMPARE(find(u"thumbImage"_s, card)->property("source").toUrl().isLocalFile(), false);
}

void TestDownloadsPage::submitEnablement_data()
{
    QTest::addColumn<bool>("engine");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("empty field") << true << QString() << false;
    QTest::newRow("only spaces") << true << u"   "_s << false;
    QTest::newRow("a link") << true << u"https://example.org/v"_s << true;
    QTest::newRow("a link, no engine") << false << u"https://example.org/v"_s << false;
}

void TestDownloadsPage::submitEnablement()
{
    QFETCH(bool, engine);
    QFETCH(QString, input);
    QFETCH(bool, enabled);
    if (engine)
        makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    start();
    QQuickItem *field = find(u"linkField"_s);
    QTRY_VERIFY(field->hasActiveFocus());
    typeText(m_window, input);
    QCOMPARE(field->property("text").toString(), input);
    QQuickItem *button = find(u"submitButton"_s);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->opacity(), enabled ? 1.0 : 0.4);
    QCOMPARE(find(u"clearField"_s)->isVisible(), !input.isEmpty());

    // Return in the field submits whatever the button says; blanks add nothing and stay.
    QTest::keyClick(m_window, Qt::Key_Return);
    const bool blank = input.trimmed().isEmpty();
    QCOMPARE(m_downloader->items()->count(), blank ? 0 : 1);
    QCOMPARE(field->property("text").toString(), blank ? input : QString());
}

void TestDownloadsPage::submitTrimsAndEmpties()
{
    makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    start();
    QQuickItem *card = find(u"inputCard"_s);
    QObject *model = card->property("model").value<QObject *>();
    QVERIFY(model);
    model->setProperty("input", u" \t "_s);
    QVERIFY(!find(u"submitButton"_s)->isEnabled());
    QMetaObject::invokeMethod(model, "submit");
    QCOMPARE(m_downloader->items()->count(), 0);
    QCOMPARE(find(u"linkField"_s)->property("text").toString(), u" \t "_s);

    model->setProperty("input", u"  https://example.org/a \n"_s);
    QTRY_VERIFY(find(u"submitButton"_s)->isEnabled());
    click(find(u"submitButton"_s));
    QCOMPARE(m_downloader->items()->count(), 1);
    QCOMPARE(m_downloader->items()->at(0)->url(), u"https://example.org/a"_s);
    QCOMPARE(find(u"linkField"_s)->property("text").toString(), QString());
    QVERIFY(!find(u"submitButton"_s)->isEnabled());

    // The clear button empties the field without adding anything.
    typeText(m_window, u"https://example.org/b"_s);
    click(find(u"clearField"_s));
    QCOMPARE(find(u"linkField"_s)->property("text").toString(), QString());
    QCOMPARE(m_downloader->items()->count(), 1);
}

void TestDownloadsPage::qualityAndPlaylistChoice()
{
    makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    m_settings->setValue(SettingsKey::uiQuality, u"p9999"_s);
    m_settings->setValue(SettingsKey::quality, u"p720"_s);
    start();
    QCOMPARE(find(u"qualityLabel"_s)->property("text").toString(), u"Best quality"_s);

    typeText(m_window, u"https://example.org/a"_s);
    QTest::keyClick(m_window, Qt::Key_Return);
    QCOMPARE(m_downloader->items()->at(0)->quality(), Quality(Quality::best));

    click(find(u"qualityMenu"_s));
    QQuickItem *mp3 = nullptr;
    QTRY_VERIFY((mp3 = find(u"quality_mp3"_s)) && mp3->isVisible());
    QTest::qWait(100);
    snapshot(u"quality-menu"_s);
    click(mp3);
    QCOMPARE(m_settings->value(u"uiQuality"_s).toString(), u"mp3"_s);
    QTRY_COMPARE(find(u"qualityLabel"_s)->property("text").toString(), u"Audio only — MP3"_s);

    QQuickItem *box = find(u"playlistBox"_s);
    click(box);
    QCOMPARE(m_settings->value(u"uiPlaylist"_s).toBool(), true);
    QVERIFY(box->property("on").toBool());

    click(find(u"linkField"_s));
    typeText(m_window, u"https://example.org/b"_s);
    QTest::keyClick(m_window, Qt::Key_Return);
    QCOMPARE(m_downloader->items()->count(), 2);
    QCOMPARE(m_downloader->items()->at(0)->quality(), Quality(Quality::mp3));
    QVERIFY(m_downloader->items()->at(0)->playlist());
    QCOMPARE(find(u"shortcutHint"_s)->property("text").toString(), u"Ctrl+Shift+V downloads the copied link"_s);
}

void TestDownloadsPage::engineBanner_data()
{
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("downloadEnabled");

    QTest::newRow("nothing installed") << QStringList{} << u"The download engine isn’t installed"_s << false;
    QTest::newRow("ffmpeg missing") << QStringList{u"yt-dlp"_s, u"deno"_s} << u"Engine components missing"_s << true;
    QTest::newRow("complete") << QStringList{u"yt-dlp"_s, u"ffmpeg"_s, u"deno"_s} << QString() << true;
}

void TestDownloadsPage::engineBanner()
{
    QFETCH(QStringList, programs);
    QFETCH(QString, title);
    QFETCH(bool, downloadEnabled);
    for (const QString &program : programs)
        makeProgram(program, "echo 2024.01.01");
    start();
    QQuickItem *banner = find(u"engineBanner"_s);
    QCOMPARE(banner->isVisible(), !title.isEmpty());
    typeText(m_window, u"https://example.org/a"_s);
    QCOMPARE(find(u"submitButton"_s)->isEnabled(), downloadEnabled);
    if (title.isEmpty())
        return;
    snapshot(u"engine-banner-"_s + QString::number(programs.size()));
    QCOMPARE(find(u"engineBannerTitle"_s)->property("text").toString(), title);
    QCOMPARE(find(u"engineBannerDetail"_s)->property("text").toString(),
             u"yt-dlp + ffmpeg + Deno (open source). A one-time ~150 MB download."_s);
    QVERIFY(find(u"installEngine"_s)->isVisible());
    QVERIFY(!find(u"engineSpinner"_s)->isVisible());
}

void TestDownloadsPage::engineBannerWhileInstalling()
{
    // A release host that has nothing: the installation starts, then fails.
    HttpServer server;
    QVERIFY(server.listen());
    qputenv("VIRELOOM_GITHUB_URL", server.url().toString().toUtf8());
    qputenv("VIRELOOM_FFMPEG_URL", server.url().toString().toUtf8());
    start();
    click(find(u"installEngine"_s));
    QVERIFY(m_downloader->installing());
    QVERIFY(find(u"engineSpinner"_s)->isVisible());
    QVERIFY(!find(u"installEngine"_s)->isVisible());
    QCOMPARE(find(u"engineBannerDetail"_s)->property("text").toString(), m_downloader->installStatus());
    QVERIFY(!m_downloader->installStatus().isEmpty());
    snapshot(u"engine-banner-installing"_s);

    QTRY_VERIFY_WITH_TIMEOUT(!m_downloader->installing(), 20000);
    QVERIFY(m_downloader->installStatus().contains(u"404"_s));
    QCOMPARE(find(u"engineBannerDetail"_s)->property("text").toString(), m_downloader->installStatus());
    QVERIFY(find(u"installEngine"_s)->isVisible());
    qunsetenv("VIRELOOM_GITHUB_URL");
    qunsetenv("VIRELOOM_FFMPEG_URL");
}

void TestDownloadsPage::clipboardBanner()
{
    makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    start();
    QQuickItem *banner = find(u"clipboardBanner"_s);
    QVERIFY(!banner->isVisible());

    m_clipboard.copy(u"look: https://example.org/first and https://example.org/second"_s);
    m_downloader->checkClipboard();
    QTRY_VERIFY(banner->isVisible());
    QCOMPARE(find(u"clipboardLink"_s)->property("text").toString(), u"https://example.org/first"_s);
    snapshot(u"clipboard-banner"_s);
    click(find(u"clipboardIgnore"_s));
    QTRY_VERIFY(!banner->isVisible());
    QCOMPARE(m_downloader->items()->count(), 0);

    m_clipboard.copy(u"https://example.org/third"_s);
    m_downloader->checkClipboard();
    QTRY_VERIFY(banner->isVisible());
    click(find(u"clipboardDownload"_s));
    QTRY_VERIFY(!banner->isVisible());
    QCOMPARE(m_downloader->items()->count(), 1);
    QCOMPARE(m_downloader->items()->at(0)->url(), u"https://example.org/third"_s);
}

void TestDownloadsPage::queueHeaderAndClearFinished()
{
    start();
    QVERIFY(find(u"emptyCard"_s)->isVisible());
    QVERIFY(!find(u"clearFinished"_s)->isVisible());
    snapshot(u"empty"_s);

    DownloadItem *first = addItem(Fixture{u"downloading"_s, 0.3});
    QTRY_VERIFY(!find(u"emptyCard"_s)->isVisible());
    QCOMPARE(find(u"queueCount"_s)->property("text").toString(), u"1 item"_s);
    QVERIFY(!find(u"clearFinished"_s)->isVisible());

    addItem(Fixture{u"queued"_s});
    QTRY_COMPARE(find(u"queueCount"_s)->property("text").toString(), u"2 items"_s);
    first->setState(DLState::done);
    QTRY_VERIFY(find(u"clearFinished"_s)->isVisible());
    // The header's row places the button on its next polish.
    QTest::qWait(50);
    click(find(u"clearFinished"_s));
    QCOMPARE(m_downloader->items()->count(), 1);
    QTRY_COMPARE(find(u"queueCount"_s)->property("text").toString(), u"1 item"_s);
    QTRY_VERIFY(!find(u"clearFinished"_s)->isVisible());
}

void TestDownloadsPage::cardsAreBuiltOnDemand()
{
    start();
    const QStringList states{u"fetching"_s, u"queued"_s, u"downloading"_s, u"processing"_s,
                             u"done"_s, u"failed"_s, u"cancelled"_s};
    for (int i = 0; i < 1000; ++i)
        addItem(Fixture{states.at(i % states.size()), 0.5, u"10MiB"_s, u"1MiB/s"_s, u"00:10"_s}, u"Clip %1"_s.arg(i));
    QTRY_VERIFY(cardFor(m_downloader->items()->at(0)));
    snapshot(u"queue"_s);
    int cards = 0;
    for (QList<QQuickItem *> pending{m_window->contentItem()}; !pending.isEmpty();) {
        QQuickItem *item = pending.takeFirst();
        cards += item->objectName() == u"downloadCard";
        pending += item->childItems();
    }
    QVERIFY2(cards > 0 && cards < 40, qPrintable(QString::number(cards)));

    // The list scrolls to the end and builds the last card then.
    QQuickItem *queue = find(u"queue"_s);
    QMetaObject::invokeMethod(queue, "positionViewAtEnd");
    QTRY_VERIFY(cardFor(m_downloader->items()->at(999)));
}

QTEST_MAIN(TestDownloadsPage)
#include "tst_downloadspage.moc"
