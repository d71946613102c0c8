#include "engine/downloader.h"
#include "engine/queuejournal.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "support/httpserver.h"
#include "support/windowfixture.h"
#include "ui/cardtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Facts
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

Q_DECLARE_METATYPE(Facts)

// The downloads page in the real window, from fixture items and a local engine.
class TestDownloadsPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_f.reset(); }
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
    void interruptedBanner();
    void queueHeaderAndClearFinished();
    void cardsAreBuiltOnDemand();
    void failureActionButton_data();
    void failureActionButton();

private:
    // The window on the downloads page, with the engine programs `programs` installed.
    bool start(const QStringList &programs = {});
    QQuickItem *cardFor(const DownloadItem *item) const;
    QQuickItem *visibleIn(QQuickItem *card, const char *name) const;
    DownloadItem *addItem(const Facts &facts, const QString &title = u"A clip"_s);

    std::unique_ptr<WindowFixture> m_f;
};

bool TestDownloadsPage::start(const QStringList &programs)
{
    for (const QString &program : programs)
        m_f->makeProgram(program, "echo 2024.01.01");
    return m_f->show() && m_f->find(u"downloadsPage");
}

QQuickItem *TestDownloadsPage::cardFor(const DownloadItem *item) const
{
    return findItems(m_f->window()->contentItem(), [item](const QQuickItem *candidate) {
               return candidate->objectName() == u"downloadCard"
                      && candidate->property("item").value<DownloadItem *>() == item;
           }).value(0);
}

// The named part of a card when it shows, else null.
QQuickItem *TestDownloadsPage::visibleIn(QQuickItem *card, const char *name) const
{
    QQuickItem *item = m_f->find(QString::fromLatin1(name), card);
    return item && item->isVisible() ? item : nullptr;
}

DownloadItem *TestDownloadsPage::addItem(const Facts &facts, const QString &title)
{
    auto *item = new DownloadItem(u"https://example.org/v"_s, Quality::best, facts.playlist);
    item->setTitle(title);
    item->setProgress(facts.progress);
    item->setSizeText(facts.sizeText);
    item->setSpeed(facts.speed);
    item->setEta(facts.eta);
    item->setPlaylistPos(facts.playlistPos);
    item->setCurrentEntry(facts.entry);
    item->setFiles(facts.files);
    static const QStringList names{u"fetching"_s, u"queued"_s, u"downloading"_s, u"processing"_s,
                                   u"done"_s, u"failed"_s, u"cancelled"_s};
    if (facts.state == u"failed")
        item->setState(DLState::failure(u"The video is private. Sign in with an account that can see it."_s));
    else
        item->setState(DLState::Kind(names.indexOf(facts.state)));
    m_f->downloader().items()->prepend(item);
    return item;
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
    QTest::addColumn<Facts>("facts");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("bar");

    const QStringList cancel{u"cancelButton"_s};
    QTest::newRow("fetching") << Facts{u"fetching"_s} << u"Reading info…"_s << cancel << u"shimmer"_s;
    QTest::newRow("queued") << Facts{u"queued"_s} << u"Queued"_s << cancel << u"meter"_s;
    QTest::newRow("downloading")
        << Facts{u"downloading"_s, 0.427, u"318.2MiB"_s, u"4.20MiB/s"_s, u"00:42"_s}
        << u"42%  ·  318.2MiB  ·  4.20MiB/s  ·  00:42 left"_s << cancel << u"meter"_s;
    QTest::newRow("processing") << Facts{u"processing"_s} << u"Finishing — merging audio and video…"_s << cancel
                                << u"shimmer"_s;
    const QStringList doneButtons{u"openButton"_s, u"revealButton"_s};
    QTest::newRow("done, three files")
        << Facts{u"done"_s, 1, u"12MiB"_s, {}, {}, {}, {}, true, {u"/a.mp4"_s, u"/b.mp4"_s, u"/c.mp4"_s}}
        << u"Done · 3 files"_s << doneButtons << QString();
    QTest::newRow("done, one file with a size")
        << Facts{u"done"_s, 1, u"12.3MiB"_s, {}, {}, {}, {}, false, {u"/a.mp4"_s}} << u"Done · 12.3MiB"_s
        << doneButtons << QString();
    QTest::newRow("done, no size") << Facts{u"done"_s, 1, {}, {}, {}, {}, {}, false, {u"/a.mp4"_s}} << u"Done"_s
                                   << doneButtons << QString();
    const QStringList again{u"retryButton"_s, u"logButton"_s};
    QTest::newRow("cancelled") << Facts{u"cancelled"_s} << u"Cancelled"_s << again << QString();
    QTest::newRow("failed") << Facts{u"failed"_s}
                            << u"The video is private. Sign in with an account that can see it."_s << again
                            << QString();
}

void TestDownloadsPage::cardForEachState()
{
    QFETCH(Facts, facts);
    QFETCH(QString, status);
    QFETCH(QStringList, buttons);
    QFETCH(QString, bar);
    QVERIFY(start());
    DownloadItem *item = addItem(facts);
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));

    QCOMPARE(m_f->find(u"status"_s, card)->property("text").toString(), status);
    QStringList shown;
    for (const char *name : {"cancelButton", "openButton", "revealButton", "retryButton", "logButton"}) {
        if (visibleIn(card, name))
            shown << QString::fromLatin1(name);
    }
    QCOMPARE(shown, buttons);
    QCOMPARE(bool(visibleIn(card, "doneBadge")), facts.state == u"done");
    QCOMPARE(bool(visibleIn(card, "meter")), bar == u"meter");
    if (bar == u"meter")
        QCOMPARE(m_f->find(u"meter"_s, card)->property("fraction").toDouble(), facts.state == u"queued" ? 0.0 : facts.progress);
    if (facts.state == u"failed") {
        QCOMPARE(m_f->find(u"status"_s, card)->property("maximumLineCount").toInt(), 2);
        QCOMPARE(card->findChild<QObject *>(u"failureHelp"_s)->property("text").toString(), status);
    }
    m_f->snapshot(u"card-"_s + facts.state);

    // The log button opens the sheet for this item.
    if (QQuickItem *log = visibleIn(card, "logButton")) {
        m_f->click(log);
        QTRY_COMPARE(m_f->find(u"logTitle"_s)->property("text").toString(), item->title());
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
    QVERIFY(start());
    DownloadItem *item = addItem(Facts{u"queued"_s, 0, {}, {}, {}, {}, {}, playlist});
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
    server.route(u"/thumb"_s, {404, "gone", {}, "text/plain"});
    QVERIFY(start());
    const QString title = u"<img src=%1> <b>bold</b>"_s.arg(server.url(u"/x"_s).toString());
    DownloadItem *item = addItem(Facts{u"failed"_s}, title);
    item->setUploader(title);
    // The card's own picture: once it has been asked for, the title's would have been too.
    item->setThumbnail(server.url(u"/thumb"_s));
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));
    QQuickItem *label = m_f->find(u"cardTitle"_s, card);
    QCOMPARE(label->property("text").toString(), title);
    QCOMPARE(label->property("textFormat").toInt(), int(Qt::PlainText));
    QCOMPARE(m_f->find(u"uploader"_s, card)->property("textFormat").toInt(), int(Qt::PlainText));
    // Plain text lays out as one line of characters, far wider than a picture would be.
    QVERIFY(label->property("implicitWidth").toDouble() > 200);
    QTRY_COMPARE(server.requestCount(u"/thumb"_s), 1);
    QCOMPARE(server.requestCount(u"/x"_s), 0);
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
    QVERIFY(start());
    auto *item = new DownloadItem(u"https://example.org/v"_s, audio ? Quality::mp3 : Quality::best, false);
    item->setState(DLState::queued);
    item->setThumbnail(path.startsWith(u'/') ? server.url(path) : QUrl(path));
    m_f->downloader().items()->prepend(item);
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));
    QQuickItem *placeholder = m_f->find(u"thumbPlaceholder"_s, card);
    QTRY_VERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->property("symbol").toString(), symbol);
    QCOMPARE(m_f->find(u"thumbImage"_s, card)->property("source").toUrl().isLocalFile(), false);
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
        m_f->makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    QVERIFY(start());
    QQuickItem *field = m_f->find(u"linkField"_s);
    QTRY_VERIFY(field->hasActiveFocus());
    m_f->typeText(input);
    QCOMPARE(field->property("text").toString(), input);
    QQuickItem *button = m_f->find(u"submitButton"_s);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->opacity(), enabled ? 1.0 : 0.4);
    QCOMPARE(m_f->find(u"clearField"_s)->isVisible(), !input.isEmpty());

    // Return in the field submits whatever the button says; blanks add nothing and stay.
    QTest::keyClick(m_f->window(), Qt::Key_Return);
    const bool blank = input.trimmed().isEmpty();
    QCOMPARE(m_f->downloader().items()->count(), blank ? 0 : 1);
    QCOMPARE(field->property("text").toString(), blank ? input : QString());
}

void TestDownloadsPage::submitTrimsAndEmpties()
{
    m_f->makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    QVERIFY(start());
    QQuickItem *card = m_f->find(u"inputCard"_s);
    QObject *model = card->property("model").value<QObject *>();
    QVERIFY(model);
    model->setProperty("input", u" \t "_s);
    QVERIFY(!m_f->find(u"submitButton"_s)->isEnabled());
    QMetaObject::invokeMethod(model, "submit");
    QCOMPARE(m_f->downloader().items()->count(), 0);
    QCOMPARE(m_f->find(u"linkField"_s)->property("text").toString(), u" \t "_s);

    model->setProperty("input", u"  https://example.org/a \n"_s);
    QTRY_VERIFY(m_f->find(u"submitButton"_s)->isEnabled());
    m_f->click(m_f->find(u"submitButton"_s));
    QCOMPARE(m_f->downloader().items()->count(), 1);
    QCOMPARE(m_f->downloader().items()->at(0)->url(), u"https://example.org/a"_s);
    QCOMPARE(m_f->find(u"linkField"_s)->property("text").toString(), QString());
    QVERIFY(!m_f->find(u"submitButton"_s)->isEnabled());

    // The clear button empties the field without adding anything.
    m_f->click(m_f->find(u"linkField"_s));
    m_f->typeText(u"https://example.org/b"_s);
    m_f->click(m_f->find(u"clearField"_s));
    QCOMPARE(m_f->find(u"linkField"_s)->property("text").toString(), QString());
    QCOMPARE(m_f->downloader().items()->count(), 1);
}

void TestDownloadsPage::qualityAndPlaylistChoice()
{
    m_f->makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    m_f->settings().setValue(SettingsKey::uiQuality, u"p9999"_s);
    m_f->settings().setValue(SettingsKey::quality, u"p720"_s);
    QVERIFY(start());
    QCOMPARE(m_f->find(u"qualityLabel"_s)->property("text").toString(), u"Best quality"_s);

    m_f->typeText(u"https://example.org/a"_s);
    QTest::keyClick(m_f->window(), Qt::Key_Return);
    QCOMPARE(m_f->downloader().items()->at(0)->quality(), Quality(Quality::best));

    m_f->click(m_f->find(u"qualityMenu"_s));
    QQuickItem *mp3 = nullptr;
    QTRY_VERIFY((mp3 = m_f->find(u"quality_mp3"_s)) && mp3->isVisible());
    m_f->snapshot(u"quality-menu"_s);
    m_f->click(mp3);
    QCOMPARE(m_f->settings().value(u"uiQuality"_s).toString(), u"mp3"_s);
    QTRY_COMPARE(m_f->find(u"qualityLabel"_s)->property("text").toString(), u"Audio only — MP3"_s);

    QQuickItem *box = m_f->find(u"playlistBox"_s);
    m_f->click(box);
    QCOMPARE(m_f->settings().value(u"uiPlaylist"_s).toBool(), true);
    QVERIFY(box->property("on").toBool());

    m_f->click(m_f->find(u"linkField"_s));
    m_f->typeText(u"https://example.org/b"_s);
    QTest::keyClick(m_f->window(), Qt::Key_Return);
    QCOMPARE(m_f->downloader().items()->count(), 2);
    QCOMPARE(m_f->downloader().items()->at(0)->quality(), Quality(Quality::mp3));
    QVERIFY(m_f->downloader().items()->at(0)->playlist());
    QCOMPARE(m_f->find(u"shortcutHint"_s)->property("text").toString(), u"Ctrl+Shift+V downloads the copied link"_s);
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
        m_f->makeProgram(program, "echo 2024.01.01");
    QVERIFY(start());
    QQuickItem *banner = m_f->find(u"engineBanner"_s);
    QCOMPARE(banner->isVisible(), !title.isEmpty());
    m_f->typeText(u"https://example.org/a"_s);
    QCOMPARE(m_f->find(u"submitButton"_s)->isEnabled(), downloadEnabled);
    if (title.isEmpty())
        return;
    m_f->snapshot(u"engine-banner-"_s + QString::number(programs.size()));
    QCOMPARE(m_f->find(u"engineBannerTitle"_s)->property("text").toString(), title);
    QCOMPARE(m_f->find(u"engineBannerDetail"_s)->property("text").toString(),
             u"yt-dlp + ffmpeg + Deno (open source). A one-time ~150 MB download."_s);
    QVERIFY(m_f->find(u"installEngine"_s)->isVisible());
    QVERIFY(!m_f->find(u"engineSpinner"_s)->isVisible());
}

void TestDownloadsPage::engineBannerWhileInstalling()
{
    // A release host that has nothing: the installation starts, then fails.
    HttpServer server;
    QVERIFY(server.listen());
    qputenv("VIRELOOM_GITHUB_URL", server.url().toString().toUtf8());
    qputenv("VIRELOOM_FFMPEG_URL", server.url().toString().toUtf8());
    QVERIFY(start());
    m_f->click(m_f->find(u"installEngine"_s));
    QVERIFY(m_f->downloader().installing());
    QVERIFY(m_f->find(u"engineSpinner"_s)->isVisible());
    QVERIFY(!m_f->find(u"installEngine"_s)->isVisible());
    QCOMPARE(m_f->find(u"engineBannerDetail"_s)->property("text").toString(), m_f->downloader().installStatus());
    QVERIFY(!m_f->downloader().installStatus().isEmpty());
    m_f->snapshot(u"engine-banner-installing"_s);

    QTRY_VERIFY_WITH_TIMEOUT(!m_f->downloader().installing(), 20000);
    QVERIFY(m_f->downloader().installStatus().contains(u"404"_s));
    QCOMPARE(m_f->find(u"engineBannerDetail"_s)->property("text").toString(), m_f->downloader().installStatus());
    QVERIFY(m_f->find(u"installEngine"_s)->isVisible());
    qunsetenv("VIRELOOM_GITHUB_URL");
    qunsetenv("VIRELOOM_FFMPEG_URL");
}

void TestDownloadsPage::clipboardBanner()
{
    m_f->makeProgram(u"yt-dlp"_s, "echo 2024.01.01");
    QVERIFY(start());
    QQuickItem *banner = m_f->find(u"clipboardBanner"_s);
    QVERIFY(!banner->isVisible());

    m_f->clipboard.copy(u"look: https://example.org/first and https://example.org/second"_s);
    m_f->downloader().checkClipboard();
    QTRY_VERIFY(banner->isVisible());
    QCOMPARE(m_f->find(u"clipboardLink"_s)->property("text").toString(), u"https://example.org/first"_s);
    m_f->snapshot(u"clipboard-banner"_s);
    m_f->click(m_f->find(u"clipboardIgnore"_s));
    QTRY_VERIFY(!banner->isVisible());
    QCOMPARE(m_f->downloader().items()->count(), 0);

    m_f->clipboard.copy(u"https://example.org/third"_s);
    m_f->downloader().checkClipboard();
    QTRY_VERIFY(banner->isVisible());
    m_f->click(m_f->find(u"clipboardDownload"_s));
    QTRY_VERIFY(!banner->isVisible());
    QCOMPARE(m_f->downloader().items()->count(), 1);
    QCOMPARE(m_f->downloader().items()->at(0)->url(), u"https://example.org/third"_s);
}

// What the last session left unfinished is offered back, and an unreadable journal is
// reported with where it was kept.
void TestDownloadsPage::interruptedBanner()
{
    QDir().mkpath(QFileInfo(Downloader::journalFile()).path());
    JournalEntry entry;
    entry.url = u"https://example.org/a"_s;
    entry.quality = Quality(Quality::mp3);
    entry.folder = m_f->path(u"out"_s);
    JournalEntry second = entry;
    second.url = u"https://example.org/b"_s;
    QVERIFY(QueueJournal::save(Downloader::journalFile(), {entry, second}));
    QVERIFY(start());
    QQuickItem *banner = m_f->find(u"interruptedBanner"_s);
    QTRY_VERIFY(banner->isVisible());
    QCOMPARE(m_f->textOf(u"interruptedText"_s), u"2 downloads were interrupted"_s);
    m_f->snapshot(u"interrupted-banner"_s);
    m_f->click(m_f->find(u"interruptedResume"_s));
    QTRY_VERIFY(!banner->isVisible());
    QCOMPARE(m_f->downloader().items()->count(), 2);

    m_f.reset();
    m_f = std::make_unique<WindowFixture>();
    QDir().mkpath(QFileInfo(Downloader::journalFile()).path());
    QFile broken(Downloader::journalFile());
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"version\": 1, \"items\": [");
    broken.close();
    QVERIFY(start());
    banner = m_f->find(u"interruptedBanner"_s);
    QTRY_VERIFY(banner->isVisible());
    const QString kept = m_f->textOf(u"journalSetAside"_s);
    QVERIFY2(QFile::exists(kept), qPrintable(kept));
    m_f->click(m_f->find(u"journalSetAsideDismiss"_s));
    QTRY_VERIFY(!banner->isVisible());
    QVERIFY(QFile::exists(kept));
}

void TestDownloadsPage::queueHeaderAndClearFinished()
{
    QVERIFY(start());
    QVERIFY(m_f->find(u"emptyCard"_s)->isVisible());
    QVERIFY(!m_f->find(u"clearFinished"_s)->isVisible());
    m_f->snapshot(u"empty"_s);

    DownloadItem *first = addItem(Facts{u"downloading"_s, 0.3});
    QTRY_VERIFY(!m_f->find(u"emptyCard"_s)->isVisible());
    QCOMPARE(m_f->find(u"queueCount"_s)->property("text").toString(), u"1 item"_s);
    QVERIFY(!m_f->find(u"clearFinished"_s)->isVisible());

    addItem(Facts{u"queued"_s});
    QTRY_COMPARE(m_f->find(u"queueCount"_s)->property("text").toString(), u"2 items"_s);
    first->setState(DLState::done);
    QTRY_VERIFY(m_f->find(u"clearFinished"_s)->isVisible());
    m_f->click(m_f->find(u"clearFinished"_s));
    QCOMPARE(m_f->downloader().items()->count(), 1);
    QTRY_COMPARE(m_f->find(u"queueCount"_s)->property("text").toString(), u"1 item"_s);
    QTRY_VERIFY(!m_f->find(u"clearFinished"_s)->isVisible());
}

void TestDownloadsPage::cardsAreBuiltOnDemand()
{
    QVERIFY(start());
    const QStringList states{u"fetching"_s, u"queued"_s, u"downloading"_s, u"processing"_s,
                             u"done"_s, u"failed"_s, u"cancelled"_s};
    for (int i = 0; i < 1000; ++i)
        addItem(Facts{states.at(i % states.size()), 0.5, u"10MiB"_s, u"1MiB/s"_s, u"00:10"_s}, u"Clip %1"_s.arg(i));
    QTRY_VERIFY(cardFor(m_f->downloader().items()->at(0)));
    m_f->snapshot(u"queue"_s);
    const qsizetype cards = m_f->findAll(u"downloadCard").size();
    QVERIFY2(cards > 0 && cards < 40, qPrintable(QString::number(cards)));

    // The list scrolls to the end and builds the last card then.
    QQuickItem *queue = m_f->find(u"queue"_s);
    QMetaObject::invokeMethod(queue, "positionViewAtEnd");
    QTRY_VERIFY(cardFor(m_f->downloader().items()->at(999)));
}

// An engine that fails with `error` gives the card the one fix for it; the button opens
// the settings page with that setting in view, and a retry drops it until the run ends.
void TestDownloadsPage::failureActionButton_data()
{
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("row");

    QTest::newRow("login without a browser") << QByteArray("[youtube] abc: Sign in to confirm you are not a bot")
                                             << u"Choose a browser"_s << u"browserRow"_s;
    QTest::newRow("folder not writable") << QByteArray("unable to open for writing: [Errno 13] Permission denied: /x/a.part")
                                         << u"Open settings"_s << u"folderRow"_s;
}

void TestDownloadsPage::failureActionButton()
{
    QFETCH(QByteArray, error);
    QFETCH(QString, label);
    QFETCH(QString, row);
    m_f->makeProgram(u"yt-dlp"_s, "case \"$*\" in *--version*) echo 2024.01.01 ;; *-J*) echo '{\"title\": \"Clip\"}' ;;\n"
                                  "*) echo 'ERROR: " + error + "'; exit 1 ;; esac");
    QVERIFY(start());
    m_f->downloader().add(u"https://example.org/v"_s);
    DownloadItem *item = m_f->downloader().items()->at(0);
    QTRY_COMPARE_WITH_TIMEOUT(item->stateName(), u"failed"_s, 20000);
    QQuickItem *card = nullptr;
    QTRY_VERIFY((card = cardFor(item)));
    QQuickItem *button = nullptr;
    QTRY_VERIFY((button = visibleIn(card, "failureAction")));
    QCOMPARE(button->property("text").toString(), label);
    m_f->snapshot(u"failed-card-"_s + row);

    m_f->click(button);
    QQuickItem *page = nullptr;
    QTRY_VERIFY((page = m_f->find(u"settingsPage"_s)));
    QQuickItem *setting = m_f->find(row, page);
    QVERIFY(setting);
    QTRY_VERIFY(setting->mapToItem(page, QPointF()).y() >= 0
                && setting->mapToItem(page, QPointF(0, setting->height())).y() <= page->height());

    const FailureAction action = item->failureAction();
    m_f->downloader().retry(item);
    QCOMPARE(item->failureAction(), FailureAction::none);
    QTRY_COMPARE_WITH_TIMEOUT(item->stateName(), u"failed"_s, 20000);
    QCOMPARE(item->failureAction(), action);
}

QTEST_MAIN(TestDownloadsPage)
#include "tst_downloadspage.moc"
