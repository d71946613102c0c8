#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "history/historylist.h"
#include "installer/install.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/files.h"
#include "support/windowfixture.h"
#include "ui/shell.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// The stand-in engine runs as a child; on a loaded machine it may take this long to answer.
constexpr int kEngine = 30000;
} // namespace

// The window used with the keyboard alone: from the link field to a finished download, its
// card's actions, the history and the settings, seeing at each step where the keyboard is.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_trace.isValid());
        qputenv("FAKE_ENGINE_DIR", m_trace.path().toLocal8Bit());
    }

    void linkToFinishedDownloadToHistoryToSettings()
    {
        WindowFixture f;
        QVERIFY(QFile::copy(QStringLiteral(VIRELOOM_FAKE_ENGINE), QDir(Tools::binDir()).filePath(u"yt-dlp"_s)));
        Tools::makeExecutable(QDir(Tools::binDir()).filePath(u"yt-dlp"_s));
        f.settings().setValue(SettingsKey::folder, f.path(u"home/Downloads"_s));
        f.settings().setValue(SettingsKey::uiQuality, u"best"_s);
        QVERIFY(f.show());
        QQuickWindow *window = f.window();
        const auto quality = [&f] { return f.settings().value(SettingsKey::uiQuality).toString(); };

        QVERIFY(press(window, {}, u"linkField"));
        f.typeText(u"http://fake.invalid/hold-keys"_s);

        // Reading order: quality, playlist, options, Download; the ring shows on each.
        // The quality menu: opened with Return on the chosen entry, moved by arrows and
        // letters, closed with Escape, and a choice made with Return.
        QVERIFY(press(window, Qt::Key_Tab, u"qualityMenu") && ringShown(window->activeFocusItem()));
        QVERIFY(press(window, Qt::Key_Return, u"option_best"));
        QVERIFY(press(window, Qt::Key_Down, u"option_p2160"));
        QVERIFY(press(window, Qt::Key_Up, u"option_best") && press(window, Qt::Key_Up, u"option_m4a"));
        QVERIFY(press(window, Qt::Key_A, u"option_mp3"));
        QVERIFY(press(window, Qt::Key_Escape, u"qualityMenu"));
        QCOMPARE(quality(), u"best"_s);
        QVERIFY(press(window, Qt::Key_Down, u"option_best"));
        QVERIFY(press(window, Qt::Key_7, u"option_p720"));
        QVERIFY(press(window, Qt::Key_Return, u"qualityMenu"));
        QTRY_COMPARE(quality(), u"p720"_s);
        QVERIFY(press(window, Qt::Key_Tab, u"playlistBox") && ringShown(window->activeFocusItem()));
        QVERIFY(press(window, Qt::Key_Tab, u"optionsButton"));
        QVERIFY(press(window, Qt::Key_Tab, u"submitButton") && ringShown(window->activeFocusItem()));
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(f.downloader().queue()->items()->count(), 1);
        DownloadItem *item = f.downloader().queue()->items()->at(0);
        QVERIFY(item->quality() == Quality::p720);
        QTRY_COMPARE_WITH_TIMEOUT(item->state().kind(), DLState::downloading, kEngine);
        // The list makes its card between frames, which a busy machine may not have drawn yet.
        QVERIFY(shownAndLaidOut(window, u"cancelButton"));

        // The field is ready for the next link; past the choices (Download waits for a link)
        // the card comes next, read as one item, then its buttons.
        QVERIFY(press(window, {}, u"linkField"));
        for (const char16_t *stop : {u"qualityMenu", u"playlistBox", u"optionsButton", u"downloadCard"})
            QVERIFY(press(window, Qt::Key_Tab, stop));
        QVERIFY(ringShown(window->activeFocusItem()));
        QVERIFY(press(window, Qt::Key_Tab, u"cancelButton"));
        QVERIFY(writeFile(m_trace.filePath(u"release-hold-keys"_s), ""));
        QTRY_COMPARE_WITH_TIMEOUT(item->state().kind(), DLState::done, kEngine);
        QVERIFY(shownAndLaidOut(window, u"revealButton"));
        QVERIFY(press(window, Qt::Key_Tab, u"downloadCard", Qt::ShiftModifier));
        QVERIFY(press(window, Qt::Key_Menu, u"menuCopyLink"));
        QVERIFY(press(window, Qt::Key_Escape, u"downloadCard"));
        QVERIFY(press(window, Qt::Key_Tab, u"openButton") && press(window, Qt::Key_Tab, u"revealButton"));

        // On to the sidebar by Tab, then Enter and the arrows.
        QVERIFY(tabTo(window, u"section_downloads"));
        QVERIFY(press(window, Qt::Key_Down, u"section_history") && ringShown(window->activeFocusItem()));
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(f.downloader().history()->count(), 1, kEngine);
        QTRY_COMPARE(f.shell().section(), Shell::AppSection::history);
        QVERIFY(f.waitForPage() && f.waitForEntrances());

        // The search keeps the keyboard as the results go to none and back.
        QVERIFY(tabTo(window, u"searchField"));
        const auto found = [&f] { return f.find(u"historyPage")->property("count").toInt(); };
        f.typeText(u"hx"_s);
        QTRY_COMPARE(found(), 0);
        QVERIFY(press(window, Qt::Key_Backspace, u"searchField"));
        QTRY_COMPARE(found(), 1);
        f.typeText(u"eld"_s);
        QVERIFY(press(window, {}, u"searchField"));
        QCOMPARE(window->activeFocusItem()->property("text").toString(), u"held"_s);
        QTRY_COMPARE(found(), 1);

        // Down walks the sections in order: Following, then Settings.
        QVERIFY(tabTo(window, u"section_history"));
        QVERIFY(press(window, Qt::Key_Down, u"section_following") && press(window, Qt::Key_Down, u"section_settings"));
        QTest::keyClick(window, Qt::Key_Enter);
        QTRY_COMPARE(f.shell().section(), Shell::AppSection::settings);
        // Keys reach a page's controls only once it has faded in and its cards have come in.
        QVERIFY(f.waitForPage() && f.waitForEntrances());

        // A setting changed from the keyboard: the first switch, by Space, then back by Return;
        // each is stored, not only drawn.
        QVERIFY(tabTo(window, u"switch_watchClipboard"));
        const auto watching = [&f] { return f.settings().value(SettingsKey::watchClipboard).toBool(); };
        const bool before = watching();
        QTest::keyClick(window, Qt::Key_Space);
        QTRY_COMPARE(watching(), !before);
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(watching(), before);
    }

    // Tab through a long page at the smallest window: the control with the keyboard is never
    // scrolled out of sight, whichever page it is.
    void focusStaysInView_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("entries");
        QTest::newRow("settings") << int(Shell::AppSection::settings) << u"settingsPage"_s << 0;
        QTest::newRow("history") << int(Shell::AppSection::history) << u"historyPage"_s << 30;
        QTest::newRow("downloads") << int(Shell::AppSection::downloads) << u"queue"_s << 12;
    }

    void focusStaysInView()
    {
        QFETCH(int, section);
        QFETCH(QString, page);
        QFETCH(int, entries);
        WindowFixture f;
        for (int i = 0; i < entries; ++i) {
            if (section == int(Shell::AppSection::history))
                f.addEntry(u"Entry %1"_s.arg(i), u"https://example.org/%1"_s.arg(i));
            else
                f.addItem(DLState::cancelled, u"Clip %1"_s.arg(i));
        }
        f.shell().setSection(Shell::AppSection(section));
        QVERIFY(f.show({960, 640}));
        QQuickItem *view = f.find(page);
        QVERIFY(view);
        QQuickWindow *window = f.window();
        int onPage = 0;
        qreal deepest = 0;
        for (int presses = 0; presses < 120; ++presses) {
            QTest::keyClick(window, Qt::Key_Tab);
            QVERIFY(QQuickTest::qWaitForPolish(window));
            QQuickItem *focused = window->activeFocusItem();
            if (!focused || !view->isAncestorOf(focused))
                continue;
            ++onPage;
            const QRectF shown = focused->mapRectToItem(view, QRectF(0, 0, focused->width(), focused->height()));
            QVERIFY2(shown.top() >= -0.5 && shown.bottom() <= view->height() + 0.5,
                     qPrintable(
                         u"%1 at %2..%3 in a page %4 high"_s.arg(focused->objectName()).arg(shown.top()).arg(shown.bottom()).arg(view->height())));
            const qreal down = view->property("contentY").toReal() - view->property("originY").toReal();
            if (down > view->height() && deepest <= view->height())
                picture(f, qPrintable(u"scrolled-"_s + QString::fromLatin1(QTest::currentDataTag())));
            deepest = std::max(deepest, down);
        }
        QVERIFY2(onPage > 20, qPrintable(QString::number(onPage)));
        // The walk went down the page, not only over what the first screen shows.
        QVERIFY(deepest > view->height());
    }

    // A sheet, a question or a menu opened from the keyboard gives the keyboard back to the
    // control that opened it, ring and all; a question opens on its harmless answer, so
    // Return there changes nothing.
    void popupsGiveTheKeyboardBack_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("popup");
        QTest::addColumn<QString>("inside");
        QTest::addColumn<int>("closeKey");
        const int downloads = int(Shell::AppSection::downloads);
        QTest::newRow("options sheet") << downloads << u"optionsButton"_s << u"optionsSheet"_s << QString() << int(Qt::Key_Escape);
        QTest::newRow("quality list") << downloads << u"qualityMenu"_s << u"qualityPopup"_s << u"option_best"_s << int(Qt::Key_Escape);
        QTest::newRow("primary menu") << downloads << u"primaryMenuButton"_s << u"primaryMenu"_s << QString() << int(Qt::Key_Escape);
        QTest::newRow("log sheet") << downloads << u"logButton"_s << u"logSheet"_s << u"closeLog"_s << int(Qt::Key_Return);
        QTest::newRow("card menu") << downloads << u"downloadCard"_s << u"cardMenu"_s << u"menuCopyLink"_s << int(Qt::Key_Escape);
        QTest::newRow("quit question, Return") << downloads << u"optionsButton"_s << u"quitDialog"_s << u"quitDialog.safe"_s
                                               << int(Qt::Key_Return);
        QTest::newRow("quit question, Escape") << downloads << u"optionsButton"_s << u"quitDialog"_s << u"quitDialog.safe"_s
                                               << int(Qt::Key_Escape);
        QTest::newRow("clear history, Return") << int(Shell::AppSection::history) << u"clearHistory"_s << u"clearDialog"_s
                                               << u"clearDialog.safe"_s << int(Qt::Key_Return);
        QTest::newRow("settings menu") << int(Shell::AppSection::settings) << u"qualityMenu"_s << u"optionPopup"_s << QString()
                                       << int(Qt::Key_Escape);
    }

    void popupsGiveTheKeyboardBack()
    {
        QFETCH(int, section);
        QFETCH(QString, opener);
        QFETCH(QString, popup);
        QFETCH(QString, inside);
        QFETCH(int, closeKey);
        WindowFixture f;
        f.addItem(DLState::cancelled);
        DownloadItem *running = f.addItem(DLState::downloading);
        f.addEntry(u"Entry"_s, u"https://example.org/e"_s);
        f.shell().setSection(Shell::AppSection(section));
        QVERIFY(f.show({960, 640}));
        QQuickWindow *window = f.window();
        QSignalSpy quit(&f.shell(), &Shell::quitAccepted);
        QVERIFY(tabTo(window, opener));
        const auto shown = [&f, &popup] {
            const QList<QQuickItem *> panels = findItems(f.window()->contentItem(), [&popup](const QQuickItem *item) {
                return item->parent() && item->parent() != item->parentItem() && item->parent()->objectName() == popup;
            });
            return !panels.isEmpty() && panels.first()->isVisible();
        };

        if (popup == u"quitDialog")
            f.shell().requestQuit();
        else
            QTest::keyClick(window, opener == u"downloadCard" ? Qt::Key_Menu : Qt::Key_Return);
        QTRY_VERIFY(shown());
        // The window's menu opens with its first entry holding the keyboard.
        if (popup == u"primaryMenu")
            QTRY_COMPARE(window->activeFocusItem()->objectName(), u"menuSettings"_s);
        if (!inside.isEmpty()) {
            QVERIFY(press(window, {}, inside));
            // Menu entries draw their own highlight rather than the ring.
            QVERIFY(ringShown(window->activeFocusItem()) || window->activeFocusItem()->property("highlighted").toBool()
                    || window->activeFocusItem()->property("visualFocus").toBool());
        }
        picture(f, QTest::currentDataTag());
        QTest::keyClick(window, Qt::Key(closeKey));
        QTRY_VERIFY(!shown());
        QVERIFY(press(window, {}, opener));
        QVERIFY(ringShown(window->activeFocusItem()));
        // The harmless answer left everything as it was.
        QCOMPARE(quit.size(), 0);
        QCOMPARE(f.downloader().history()->count(), 1);
        QCOMPARE(running->state().kind(), DLState::downloading);
    }

private:
    // With LAYOUT_PICTURES set, the window as it is now, for a person to look at.
    static void picture(const WindowFixture &f, const char *name)
    {
        const QString folder = qEnvironmentVariable("LAYOUT_PICTURES");
        if (folder.isEmpty())
            return;
        QVERIFY(f.waitForEntrances());
        QQuickWindow *window = f.window();
        QString file = QString::fromLatin1(name).replace(u' ', u'-').remove(u',');
        window->grabWindow().save(QDir(folder).filePath(u"keyboard-%1-%2.png"_s.arg(QLocale::system().uiLanguages().value(0).left(2), file)));
    }

    // The focus ring of the focused control is drawn.
    static bool ringShown(QQuickItem *control)
    {
        const QList<QQuickItem *> rings = findItems(control, [](const QQuickItem *item) {
            return QByteArrayView(item->metaObject()->className()).startsWith("FocusRing_QMLTYPE");
        });
        return std::any_of(rings.begin(), rings.end(), [](const QQuickItem *ring) { return ring->isVisible(); });
    }

    static QString focused(QQuickWindow *window) { return window->activeFocusItem() ? window->activeFocusItem()->objectName() : QString(); }

    // Presses `key` (none: only waits) and waits until the named control has the keyboard;
    // says where the keyboard is when it never comes.
    static bool press(QQuickWindow *window, std::optional<Qt::Key> key, QStringView then, Qt::KeyboardModifiers modifiers = {})
    {
        if (key)
            QTest::keyClick(window, *key, modifiers);
        if (QTest::qWaitFor([&] { return focused(window) == then; }, kEngine))
            return true;
        qWarning().noquote() << "the keyboard is on" << focused(window) << "instead of" << then;
        return false;
    }

    // Waits until a control named `name` shows and the window has laid it out: until then
    // Tab cannot reach it.
    static bool shownAndLaidOut(QQuickWindow *window, QStringView name)
    {
        const auto shown = [window, name] {
            return !findItems(window->contentItem(), [name](const QQuickItem *item) {
                        return item->objectName() == name && item->isVisible();
                    }).isEmpty();
        };
        return QTest::qWaitFor(shown, kEngine) && QQuickTest::qWaitForPolish(window);
    }

    // Presses Tab until the named control has the keyboard; false when it never does.
    static bool tabTo(QQuickWindow *window, QStringView name)
    {
        if (!shownAndLaidOut(window, name))
            return false;
        for (int presses = 0; presses < 80; ++presses) {
            if (window->activeFocusItem() && window->activeFocusItem()->objectName() == name)
                return true;
            QTest::keyClick(window, Qt::Key_Tab);
        }
        return false;
    }

    QTemporaryDir m_trace;
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
