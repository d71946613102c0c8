#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "following/followingstore.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "settings/sitelogins.h"
#include "support/files.h"
#include "support/windowfixture.h"
#include "ui/downloadoptionsform.h"
#include "ui/historyview.h"
#include "ui/browsercompanion.h"
#include "ui/shell.h"
#include "ui/windowplacement.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QFontInfo>
#include <QLocale>
#include <QQuickItem>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Room for antialiased edges and half pixels from centring.
constexpr qreal kSlack = 1.5;

bool derivesFrom(const QObject *object, QLatin1StringView qmlType)
{
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
        if (QLatin1StringView(meta->className()).startsWith(qmlType))
            return true;
    }
    return false;
}

bool isControl(const QQuickItem *item)
{
    return item->inherits("QQuickAbstractButton") || item->inherits("QQuickTextInput");
}

bool isText(const QQuickItem *item)
{
    return item->inherits("QQuickText") && !item->property("text").toString().trimmed().isEmpty();
}

bool inside(const QRectF &inner, const QRectF &outer)
{
    return inner.left() >= outer.left() - kSlack && inner.right() <= outer.right() + kSlack && inner.top() >= outer.top() - kSlack
           && inner.bottom() <= outer.bottom() + kSlack;
}

QString describe(const QQuickItem *item)
{
    QString name = item->objectName().isEmpty() ? QString::fromLatin1(item->metaObject()->className()) : item->objectName();
    const QString text = item->property("text").toString();
    if (!text.isEmpty())
        name += u" \""_s + text.left(40) + u'"';
    return name;
}

// Drawn at all: visible, not faded out, and not scrolled or clipped out of sight.
struct Shown
{
    QQuickItem *item;
    QRectF rect; // in the scene
    QRectF visible; // the part not clipped away
    QQuickItem *card; // the nearest card around it, if any
    QQuickItem *flick; // the nearest scrolling view around it, if any
    QQuickItem *owner; // the nearest control around it, if any
};

void collect(QQuickItem *item, qreal opacity, QRectF clip, QQuickItem *card, QQuickItem *flick, QQuickItem *owner, QList<Shown> &out)
{
    if (!item->isVisible() || opacity * item->opacity() < 0.05)
        return;
    opacity *= item->opacity();
    const QRectF rect = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    if (item->clip())
        clip = clip.intersected(rect);
    if (isControl(item) || isText(item))
        out.append({item, rect, rect.intersected(clip), card, flick, owner});
    if (derivesFrom(item, "Surface_QMLTYPE"_L1))
        card = item;
    if (item->inherits("QQuickFlickable"))
        flick = item;
    if (item->inherits("QQuickAbstractButton"))
        owner = item;
    for (QQuickItem *child : item->childItems())
        collect(child, opacity, clip, card, flick, owner, out);
}

bool related(const QQuickItem *a, const QQuickItem *b)
{
    return a->isAncestorOf(b) || b->isAncestorOf(a);
}

// What is wrong with the layout under `root`: a control or text outside the window or
// its card, text cut without an ellipsis, a page title cut at all, two controls on top
// of each other, or a settings card or row laid out taller or shorter than its content.
QStringList audit(QQuickWindow *window, QQuickItem *root)
{
    QList<Shown> shown;
    const QRectF scene(QPointF(), window->size());
    collect(root, 1.0, scene, nullptr, nullptr, nullptr, shown);
    QStringList findings;
    const auto sizedByContent = [](const QQuickItem *item) {
        return item->isVisible() && (derivesFrom(item, "SettingRow_QMLTYPE"_L1) || derivesFrom(item, "SettingsCard_QMLTYPE"_L1));
    };
    for (const QQuickItem *item : findItems(root, sizedByContent)) {
        if (std::abs(item->height() - item->implicitHeight()) > kSlack)
            findings << u"not as tall as its content: \"%1\" %2 high for %3"_s.arg(item->property("title").toString())
                            .arg(item->height())
                            .arg(item->implicitHeight());
    }
    QList<const Shown *> controls;
    for (const Shown &s : shown) {
        if (s.visible.isEmpty())
            continue;
        // Inside a scrolling view only the width is bounded: the rest is a scroll away.
        QRectF bounds = scene;
        if (s.flick)
            bounds.setCoords(0, -1e9, scene.width(), 1e9);
        if (!inside(s.rect, bounds))
            findings << u"outside the window: %1 at %2,%3 %4x%5"_s.arg(describe(s.item))
                            .arg(s.rect.x())
                            .arg(s.rect.y())
                            .arg(s.rect.width())
                            .arg(s.rect.height());
        else if (s.card && !inside(s.rect, s.card->mapRectToScene(QRectF(0, 0, s.card->width(), s.card->height()))))
            findings << u"outside its card: %1"_s.arg(describe(s.item));
        // A button's words stay on the button; a focus ring is meant to reach past it.
        if (s.owner && isText(s.item) && !inside(s.rect, s.owner->mapRectToScene(QRectF(0, 0, s.owner->width(), s.owner->height()))))
            findings << u"text spills out of its control: %1"_s.arg(describe(s.item));
        if (isText(s.item) && s.item->property("elide").toInt() == 3 /* ElideNone */
            && s.item->property("wrapMode").toInt() == 0 && s.item->property("contentWidth").toReal() > s.item->width() + kSlack
            && !s.item->inherits("QQuickTextInput"))
            findings << u"cut without an ellipsis: %1"_s.arg(describe(s.item));
        // A page's title is read whole: the header's buttons make way for it instead.
        if (s.item->objectName().startsWith(u"titleLine") && s.item->property("truncated").toBool())
            findings << u"page title cut: %1"_s.arg(describe(s.item));
        if (isControl(s.item))
            controls << &s;
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const Shown &a = *controls[i];
            const Shown &b = *controls[j];
            const QRectF both = a.visible.intersected(b.visible);
            if (!related(a.item, b.item) && both.width() > kSlack && both.height() > kSlack)
                findings << u"overlapping: %1 and %2"_s.arg(describe(a.item), describe(b.item));
        }
    }
    return findings;
}

} // namespace

// Every page, sheet and dialog of the window, laid out at the minimum and the default size
// (or, with QT_SCALE_FACTOR set, at the size a 1400 x 900 screen leaves at that scale) in
// the language the environment picks, with cards in every state. Nothing may lie outside
// the window or its card, be cut off, or cover another control. Pictures of each go to
// LAYOUT_PICTURES, when given, to be looked at.
class TestLayoutAudit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
        if (scale > 1.0) {
            const QRect screen(0, 0, qRound(1400 / scale), qRound(900 / scale));
            m_sizes = {{u"scaled"_s, WindowPlacement::minimumFor(screen)}};
        } else {
            m_sizes = {{u"minimum"_s, WindowPlacement::designMinimum}, {u"default"_s, WindowPlacement::defaultSize}};
        }
        m_pictures = qEnvironmentVariable("LAYOUT_PICTURES");
        if (!m_pictures.isEmpty())
            QDir().mkpath(m_pictures);
        m_lang = langCode(appLang());
    }

    void everyViewFits()
    {
        WindowFixture f;
        f.buildInSlices = true;
        f.settings().setValue(SettingsKey::uiPlaylist, true);
        QVERIFY(FollowingStore::save(FollowingStore::defaultPath(), followedSources()));
        prepareBrowsers(f);
        fillQueue(f);
        for (int i = 0; i < 3; ++i)
            f.addEntry(i == 0 ? longTitle() : u"Entry %1"_s.arg(i), u"https://example.org/%1"_s.arg(i), i == 1 ? u"Generic"_s : u"Vimeo"_s);
        QVERIFY(f.show(m_sizes.first().second));

        // The downloads page, a long link typed, the playlist box on.
        QQuickItem *field = f.find(u"linkField");
        QVERIFY(field);
        field->forceActiveFocus();
        f.typeText(u"https://www.example.org/watch?v=a-rather-long-identifier&list=PL0123456789abcdefghijklmnop"_s);
        check(f, u"downloads"_s);
        // The card of a download the kept yt-dlp finished, with its word on the engine.
        QQuickItem *queue = f.find(u"queue");
        const QList<DownloadItem *> &items = f.downloader().queue()->items()->items();
        const auto recovered = std::ranges::find_if(items, [](const DownloadItem *item) { return !item->engineNote().isEmpty(); });
        QVERIFY(recovered != items.end());
        queue->setProperty("resting", false);
        QVERIFY(QMetaObject::invokeMethod(queue, "positionViewAtIndex", Q_ARG(int, int(recovered - items.begin())), Q_ARG(int, 1)));
        check(f, u"recovered-card"_s);
        // The card of a download refused for want of a login, with the profiles to try, and
        // those with the browser's login and without the one lost with a restart.
        const auto login = std::ranges::find_if(items, [](const DownloadItem *item) { return item->loginWanted(); });
        QVERIFY(login != items.end());
        QVERIFY(QMetaObject::invokeMethod(queue, "positionViewAtIndex", Q_ARG(int, int(login - items.begin())), Q_ARG(int, 1)));
        QTRY_VERIFY(std::ranges::any_of(f.findAll(u"loginChoice"_s), [](const QQuickItem *choice) { return choice->isVisible(); }));
        check(f, u"login-fix-card"_s);
        const auto handed = std::ranges::find_if(items, [](const DownloadItem *item) { return item->login().handedOver(); });
        QVERIFY(QMetaObject::invokeMethod(queue, "positionViewAtIndex", Q_ARG(int, int(handed - items.begin())), Q_ARG(int, 1)));
        check(f, u"browser-login-card"_s);
        QVERIFY(QMetaObject::invokeMethod(queue, "positionViewAtBeginning"));
        queue->setProperty("resting", true);
        f.click(f.find(u"qualityMenu"));
        QTRY_VERIFY(popupShown(f, u"qualityPopup"));
        check(f, u"quality-menu"_s, popupOf(f, u"qualityPopup"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"qualityPopup"));

        f.click(f.find(u"optionsButton"));
        QTRY_VERIFY(popupShown(f, u"optionsSheet"));
        f.find(u"rateLimitOption")->forceActiveFocus();
        f.typeText(u"fast"_s);
        f.click(f.find(u"sponsor_mark"));
        check(f, u"options-sheet"_s, popupOf(f, u"optionsSheet"));
        f.find(u"rateLimitOption")->forceActiveFocus();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(f.window(), Qt::Key_Backspace);
        // What a reading of a video with two audio tracks offers, and its formats.
        auto *form = f.window()->findChild<QObject *>(u"optionsSheet"_s)->property("form").value<DownloadOptionsForm *>();
        QVERIFY(form);
        form->setChoices(dubbedChoices());
        form->setAudioLanguage(u"de"_s);
        check(f, u"options-sheet-tracks"_s, popupOf(f, u"optionsSheet"));
        f.click(f.find(u"moreFormats"));
        QTRY_VERIFY(popupShown(f, u"formatSheet"));
        form->pickFormat(u"137"_s);
        form->pickFormat(u"hls-audio-de"_s);
        check(f, u"format-sheet"_s, popupOf(f, u"formatSheet"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"formatSheet"));
        form->reset();
        form->setChoices({});
        f.click(f.find(u"optionsDone"));
        QTRY_VERIFY(!popupShown(f, u"optionsSheet"));

        f.shell().showLog(f.downloader().queue()->items()->at(0));
        QTRY_VERIFY(popupShown(f, u"logSheet"));
        check(f, u"log-sheet"_s, popupOf(f, u"logSheet"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"logSheet"));

        f.shell().requestQuit();
        QTRY_VERIFY(popupShown(f, u"quitDialog"));
        check(f, u"quit-dialog"_s, popupOf(f, u"quitDialog"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"quitDialog"));

        f.shell().setSection(Shell::AppSection::history);
        QTRY_VERIFY(f.find(u"historyPage"));
        check(f, u"history"_s);
        f.click(f.find(u"clearHistory"));
        QTRY_VERIFY(popupShown(f, u"clearDialog"));
        check(f, u"clear-dialog"_s, popupOf(f, u"clearDialog"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"clearDialog"));
        // "Download again" of a file that is still in the folder asks first.
        auto *history = f.find(u"historyPage")->findChild<HistoryView *>();
        QVERIFY(history);
        emit history->againAsked(u"https://example.org/v"_s, u"best"_s, u"/tmp/Finished clip.mp4"_s);
        QTRY_VERIFY(popupShown(f, u"againDialog"));
        check(f, u"again-dialog"_s, popupOf(f, u"againDialog"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"againDialog"));

        // Three sources: read, failing with a long reason and backing off, and paused.
        f.shell().setSection(Shell::AppSection::following);
        QTRY_VERIFY(f.find(u"followingPage"));
        QTRY_COMPARE(f.findAll(u"followingCard").size(), 3);
        check(f, u"following"_s);
        f.find(u"removeSource")->forceActiveFocus();
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_VERIFY(popupShown(f, u"removeDialog"));
        check(f, u"remove-dialog"_s, popupOf(f, u"removeDialog"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"removeDialog"));
        // The window's own folder chooser, where the desktop has none.
        QObject *chooser = f.window()->findChild<QObject *>(u"sourceFolderDialog"_s);
        QVERIFY(chooser);
        QVERIFY(QMetaObject::invokeMethod(chooser, "open"));
        QTRY_VERIFY(popupShown(f, u"sourceFolderDialog"));
        check(f, u"folder-chooser"_s, popupOf(f, u"sourceFolderDialog"));
        QTest::keyClick(f.window(), Qt::Key_Escape);
        QTRY_VERIFY(!popupShown(f, u"sourceFolderDialog"));
        QCOMPARE(f.findAll(u"followingCard").size(), 3);

        f.settings().setValue(SettingsKey::downloadWindow, true);
        f.shell().setSection(Shell::AppSection::settings);
        QTRY_VERIFY(f.find(u"settingsPage"));
        check(f, u"settings"_s);
        // The engine card, whose buttons share one row with the channel menu.
        QQuickItem *page = f.find(u"settingsPage");
        QQuickItem *engine = f.find(u"engine_ytdlp");
        const qreal top = engine->mapToItem(page->property("contentItem").value<QQuickItem *>(), QPointF()).y();
        page->setProperty("contentY", std::max(0.0, top - 80));
        check(f, u"engine-card"_s);
        // The Integration card: the browsers set up, the extension's folder, a remembered site.
        QQuickItem *integration = f.find(u"browsersRow"_s);
        QVERIFY(integration);
        QTRY_VERIFY(f.textOf(u"rowSub"_s, integration).contains(u'\n'));
        const qreal browsersTop = integration->mapToItem(page->property("contentItem").value<QQuickItem *>(), QPointF()).y();
        page->setProperty("contentY", std::max(0.0, browsersTop - 80));
        check(f, u"integration-card"_s);
    }

    // An engine with a Deno too old for yt-dlp and an ffmpeg behind its latest build: the
    // downloads page's banner says why, and the engine card offers the update.
    void engineNotices()
    {
        WindowFixture f;
        f.makeProgram(u"yt-dlp"_s, "echo 2025.10.22");
        for (const QString &name : {u"ffmpeg"_s, u"ffprobe"_s})
            f.makeProgram(name, "echo '" + name.toUtf8() + " version 6.1 Copyright'");
        f.makeProgram(u"deno"_s, "echo 'deno 2.1.4 (stable, release)'");
        // What the last look found, made just now: nothing is asked.
        f.settings().setValue(SettingsKey::checkEngineUpdates, true);
        f.settings().setValue(SettingsKey::engineLatest, u"2025.10.22"_s);
        f.settings().setValue(SettingsKey::engineCheckedAt, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        f.settings().setValue(u"engineLatestFFmpeg"_s, u"7.1"_s);
        f.settings().setValue(u"engineLatestDeno"_s, u"2.5.0"_s);
        f.downloader().engine()->startChecks();
        QTRY_VERIFY(f.downloader().engine()->denoTooOld() && f.downloader().engine()->ffmpegUpdateAvailable());
        QVERIFY(f.show(m_sizes.first().second));
        QTRY_VERIFY(f.find(u"engineBanner") && f.find(u"engineBanner")->isVisible());
        check(f, u"engine-banner"_s);

        f.shell().setSection(Shell::AppSection::settings);
        QTRY_VERIFY(f.find(u"settingsPage"));
        QQuickItem *page = f.find(u"settingsPage");
        QQuickItem *engine = f.find(u"engine_ytdlp");
        const qreal top = engine->mapToItem(page->property("contentItem").value<QQuickItem *>(), QPointF()).y();
        page->setProperty("contentY", std::max(0.0, top - 80));
        check(f, u"engine-card-update"_s);
    }

    // Exactly the languages written from right to left mirror the window: the sidebar
    // stands right of the page, the feed's symbol turns round, a running download fills
    // from the right and its Latin title lines up on the right; a link is typed left to
    // right all the same, while the field's prompt starts on the right.
    void mirroredInRightToLeftLanguages()
    {
        const bool mirrored = isRightToLeft(appLang());
        WindowFixture f;
        fillQueue(f);
        QVERIFY(f.show(WindowPlacement::designMinimum));
        QTRY_VERIFY(f.find(u"linkField"));
        QVERIFY(QQuickTest::qWaitForPolish(f.window()));
        const auto scene = [](const QQuickItem *item) { return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())); };

        const QRectF sidebar = scene(f.find(u"section_following"));
        const QRectF page = scene(f.find(u"page"));
        QVERIFY(page.width() > 0);
        QCOMPARE(sidebar.left() >= page.right() - kSlack, mirrored);
        QCOMPARE(sidebar.right() <= page.left() + kSlack, !mirrored);
        const QList<QQuickItem *> icons =
            findItems(f.find(u"section_following"), [](const QQuickItem *item) { return item->property("turned").isValid(); });
        QCOMPARE(icons.size(), 1);
        QCOMPARE(icons.first()->property("turned").toBool(), mirrored);

        const QList<QQuickItem *> meters = f.findAll(u"meter");
        const auto shown = std::ranges::find_if(meters, [](const QQuickItem *meter) { return meter->isVisible(); });
        QVERIFY(shown != meters.end());
        const QRectF track = scene(*shown);
        QQuickItem *fill = (*shown)->findChild<QQuickItem *>(u"fill"_s);
        QTRY_VERIFY(fill->width() > track.width() / 4);
        QVERIFY(fill->width() < track.width() * 0.9);
        QCOMPARE(std::abs(mirrored ? scene(fill).right() - track.right() : scene(fill).left() - track.left()) < kSlack, true);
        const QList<QQuickItem *> titles = findItems(f.window()->contentItem(), [](const QQuickItem *item) {
            return item->objectName() == u"cardTitle" && item->property("text").toString().startsWith(u"An unusually");
        });
        QCOMPARE(titles.size(), 1);
        // Text.AlignLeft is 1, Text.AlignRight 2.
        QCOMPARE(titles.first()->property("effectiveHorizontalAlignment").toInt(), mirrored ? 2 : 1);

        // Words in the counts and states keep their letters joined: in Arabic they are not set
        // in the monospaced face, which draws each letter apart.
        const bool joined = QLocale(langCode(appLang())).script() == QLocale::ArabicScript;
        const QFont count = f.find(u"queueCount")->property("font").value<QFont>();
        QCOMPARE(QFontInfo(count).fixedPitch(), !joined);

        // The field's prompt is the interface's words: it starts where the window's text does.
        QCOMPARE(f.find(u"linkPlaceholder")->property("effectiveHorizontalAlignment").toInt(), mirrored ? 2 : 1);
        QQuickItem *field = f.find(u"linkField");
        field->forceActiveFocus();
        f.typeText(u"https://example.org/watch?v=1"_s);
        QCOMPARE(field->property("effectiveHorizontalAlignment").toInt(), 1);
        // The link starts at the field's left edge and runs right from there.
        QRectF first;
        QVERIFY(QMetaObject::invokeMethod(field, "positionToRectangle", Q_RETURN_ARG(QRectF, first), Q_ARG(int, 0)));
        QVERIFY2(first.x() < 2, qPrintable(QString::number(first.x())));
    }

private:
    static QString longTitle()
    {
        return u"An unusually long title of a video that keeps going, with words in several languages — "
               u"ein sehr langer Titel, очень длинное название, とても長いタイトル — to the very end"_s;
    }

    static MediaChoices dubbedChoices()
    {
        MediaChoices choices;
        choices.audioTracks = {{u"en"_s, true}, {u"de"_s, false}, {u"pt-BR"_s, false}};
        choices.subtitles = {u"en"_s, u"de"_s, u"pt-BR"_s, u"ja"_s};
        choices.automaticSubtitles = {u"en"_s, u"fr"_s, u"es"_s, u"ru"_s};
        const auto format = [](const QString &id, std::optional<int> height, const QString &vcodec, const QString &acodec,
                               const QString &language, double bytes) {
            FormatOffer offer;
            offer.id = id;
            offer.height = height;
            offer.width = height ? std::optional(*height * 16 / 9) : std::nullopt;
            offer.fps = height ? std::optional(25.0) : std::nullopt;
            offer.vcodec = vcodec;
            offer.acodec = acodec;
            offer.video = !vcodec.isEmpty();
            offer.audio = !acodec.isEmpty();
            offer.language = language;
            offer.bytes = bytes;
            return offer;
        };
        choices.formats = {format(u"hls-audio-en"_s, {}, {}, u"mp4a.40.2"_s, u"en"_s, 3.1e6),
                           format(u"hls-audio-de"_s, {}, {}, u"mp4a.40.2"_s, u"de"_s, 3.0e6),
                           format(u"18"_s, 360, u"avc1.42001E"_s, u"mp4a.40.2"_s, {}, 12e6),
                           format(u"136"_s, 720, u"avc1.4d401f"_s, {}, {}, 40e6),
                           format(u"137"_s, 1080, u"avc1.640028"_s, {}, {}, 95e6),
                           format(u"248"_s, 1080, u"vp09.00.40.08"_s, {}, {}, 80e6),
                           format(u"313"_s, 2160, u"vp09.00.51.08"_s, {}, {}, 420e6)};
        return choices;
    }

    static QList<FollowedSource> followedSources()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        FollowedSource read;
        read.id = QUuid::createUuid();
        read.url = u"https://example.org/feed.xml"_s;
        read.title = longTitle();
        read.site = u"generic"_s;
        read.entryCount = 30;
        read.added = now.addDays(-20);
        read.lastCheck = read.lastRead = now.addSecs(-2 * 3600);
        read.nextCheck = now.addSecs(4 * 3600);
        read.newSinceVisit = 3;
        read.options.audioOnly = true;
        // Two entries into the local network wait for the user's word.
        read.held = {{u"a"_s, u"http://192.168.1.20/a.mp3"_s, u"A"_s}, {u"b"_s, u"http://192.168.1.20/b.mp3"_s, u"B"_s}};

        FollowedSource failed = read;
        failed.id = QUuid::createUuid();
        failed.url = u"https://www.example.com/@a-channel-with-a-rather-long-handle/videos"_s;
        failed.title = u"A channel"_s;
        failed.site = u"youtube:tab"_s;
        failed.newSinceVisit = 0;
        failed.options = {};
        failed.held.clear();
        failed.problem = {CheckFailure::rateLimited,
                          u"ERROR: [youtube:tab] a-channel: HTTP Error 429: Too Many Requests. The site goes on to explain "
                          u"at length why it will not answer, with a link that has no spaces "
                          u"https://www.example.com/support/answer/this-is-a-long-path-without-any-break-in-it"_s};
        failed.backoff = 12 * 3600;
        failed.nextCheck = now.addSecs(11 * 3600);

        FollowedSource paused;
        paused.id = QUuid::createUuid();
        paused.url = u"https://podcasts.example.net/show/rss"_s;
        paused.added = now.addDays(-1);
        paused.nextCheck = now.addDays(1);
        paused.paused = true;
        paused.options.folder = QDir::homePath() + u"/Podcasts/A show"_s;
        return {read, failed, paused};
    }

    // Two Firefox profiles and a Chromium as a Flatpak, the extension's host set up for
    // them, its packages' folder, and a site that remembers a login.
    static void prepareBrowsers(WindowFixture &f)
    {
        const QString home = f.path(u"home"_s);
        for (const QString &store : {u".mozilla/firefox/a.default-release/cookies.sqlite"_s, u".mozilla/firefox/b.work/cookies.sqlite"_s,
                                     u".var/app/org.chromium.Chromium/config/chromium/Default/Cookies"_s}) {
            QVERIFY(QDir().mkpath(QFileInfo(home + u'/' + store).path()));
            QVERIFY(writeFile(home + u'/' + store));
        }
        QVERIFY(writeFile(home + u"/.mozilla/firefox/profiles.ini"_s,
                          "[Profile0]\nName=default-release\nIsRelative=1\nPath=a.default-release\nDefault=1\n"
                          "[Profile1]\nName=Work and travel\nIsRelative=1\nPath=b.work\n"));
        BrowserCompanion *browsers = f.shell().browsers();
        browsers->setRoots({home, home + u"/.config"_s, f.path(u"system"_s)});
        browsers->setHostProgram(f.path(u"libexec/vireloom/vireloom-browser-host"_s));
        browsers->setExtensionFolder(home + u"/.local/share/vireloom/browser"_s);
        browsers->setUp();
        QTRY_VERIFY(browsers->extensionReady());
        f.downloader().queue()->siteLogins()->remember(u"www.example.org"_s, u"firefox:"_s + home + u"/.mozilla/firefox/b.work"_s,
                                                       u"Firefox · Work and travel"_s);
    }

    static void fillQueue(WindowFixture &f)
    {
        DownloadItem *handed = f.addItem(DLState::queued, u"Members-only clip"_s);
        BrowserCookie cookie;
        cookie.name = u"session"_s;
        cookie.value = u"x"_s;
        cookie.domain = u".example.org"_s;
        handed->setLogin(ItemLogin{{cookie}, {}, {}});
        handed->setSite(u"example.org"_s);
        DownloadItem *lost = f.addItem(DLState::queued, u"Resumed clip"_s);
        lost->setLoginLost(true);
        DownloadItem *failed =
            f.addItem(DLState::failure(u"ERROR: [youtube] abc: Sign in to confirm you’re not a bot. This helps protect our community, "
                                       u"and the message goes on long enough to need more than two lines in any card of any width."_s));
        failed->setSite(u"youtube"_s);
        failed->setLoginWanted(true);
        failed->setFailureAction(FailureAction::chooseBrowser);
        f.addItem(DLState::cancelled, u"Cancelled clip"_s);
        // Finished by the yt-dlp that last worked after a new one failed: the card says so.
        DownloadItem *recovered = f.addItem(DLState::done, u"Recovered clip"_s);
        recovered->setEngineNote(
            LF(u"Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado."_s, u"2025.10.22"_s, u"2026.11.02"_s));
        DownloadItem *done = f.addItem(DLState::done, u"Finished clip"_s);
        done->setSite(u"Generic"_s);
        f.addItem(DLState::queued, u"Waiting clip"_s);
        DownloadItem *running = f.addItem(DLState::downloading, longTitle());
        running->setSite(u"Vimeo"_s);
        running->setProgress(0.427);
        f.addItem(DLState::fetching, u"https://example.org/fetching"_s);
    }

    // The item a popup draws in: its QObject parent is the popup itself, named `name`.
    static QQuickItem *popupOf(WindowFixture &f, QStringView name)
    {
        const QList<QQuickItem *> found = findItems(f.window()->contentItem(), [name](const QQuickItem *item) {
            return item->parent() && item->parent() != item->parentItem() && item->parent()->objectName() == name;
        });
        return found.value(0);
    }

    static bool popupShown(WindowFixture &f, QStringView name)
    {
        QQuickItem *item = popupOf(f, name);
        return item && item->isVisible() && item->opacity() > 0.99;
    }

    // Audits and pictures the current view at every size.
    void check(WindowFixture &f, const QString &view, QQuickItem *root = nullptr)
    {
        for (const auto &[sizeName, size] : m_sizes) {
            f.window()->setMinimumSize(size.boundedTo(WindowPlacement::designMinimum));
            f.window()->resize(size);
            QTRY_COMPARE(f.window()->size(), size);
            // The window takes its new size at once; its content only once the window system
            // has answered.
            QTRY_COMPARE(f.window()->contentItem()->size(), QSizeF(size));
            QVERIFY(QQuickTest::qWaitForPolish(f.window()));
            QVERIFY(f.waitForEntrances());
            // An open popup finds its place again a frame or so after the window's resize: a
            // finding that stays is one.
            const auto audited = [&f, root] { return audit(f.window(), root ? root : f.window()->contentItem()); };
            static_cast<void>(QTest::qWaitFor([&audited] { return audited().isEmpty(); }));
            const QStringList findings = audited();
            if (!m_pictures.isEmpty())
                f.window()->grabWindow().save(QDir(m_pictures).filePath(u"%1-%2-%3.png"_s.arg(m_lang, sizeName, view)));
            QVERIFY2(findings.isEmpty(), qPrintable(u"%1 at %2 (%3):\n  "_s.arg(view, sizeName, m_lang) + findings.join(u"\n  "_s)));
        }
    }

    QList<std::pair<QString, QSize>> m_sizes;
    QString m_pictures;
    QString m_lang;
};

QTEST_MAIN(TestLayoutAudit)
#include "tst_layoutaudit.moc"
