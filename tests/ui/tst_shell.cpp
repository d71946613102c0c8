#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "support/files.h"
#include "support/windowfixture.h"
#include "ui/mainwindow.h"
#include "ui/shell.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void drop(WindowFixture &f, const QMimeData &data)
{
    const QPoint where(600, 400);
    QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window(), &enter);
    QDragMoveEvent move(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window(), &move);
    QTRY_VERIFY(f.find(u"dropFrame")->isVisible());
    QTRY_COMPARE(f.find(u"dropFrame")->opacity(), 1.0);
    QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window(), &dropped);
}

} // namespace

// The main window as the application builds it, driven through its QML.
class TestShell : public QObject
{
    Q_OBJECT

private slots:
    // The badge counts what is still to do, the totals follow the history, and the engine
    // line follows what is installed.
    void sidebar()
    {
        WindowFixture f;
        for (const QString &program : {u"yt-dlp"_s, u"deno"_s})
            f.makeProgram(program, currentEngine());
        QVERIFY(f.show());
        QQuickItem *downloads = f.find(u"section_downloads");
        auto badge = [&] { return f.find(u"badge", downloads)->isVisible() ? downloads->property("badge").toString() : QString(); };
        for (auto kind : {DLState::done, DLState::cancelled})
            f.addItem(kind);
        f.addItem(DLState::failure(u"x"_s));
        QCOMPARE(badge(), QString());
        f.addItem(DLState::fetching);
        QTRY_COMPARE(badge(), u"1"_s);
        f.addItem(DLState::downloading);
        f.addItem(DLState::queued);
        QTRY_COMPARE(badge(), u"3"_s);

        QCOMPARE(f.textOf(u"totalText"), u"—"_s);
        QCOMPARE(f.textOf(u"fileCountText"), u"0 downloads"_s);
        f.addEntry(u"clip"_s, u"https://example.org/a"_s);
        QTRY_COMPARE(f.textOf(u"fileCountText"), u"1 download"_s);
        QVERIFY2(f.textOf(u"totalText").contains(u"12.3"_s), qPrintable(f.textOf(u"totalText")));

        QTRY_COMPARE(f.textOf(u"engineText"), u"Engine incomplete"_s);
        f.makeProgram(u"ffmpeg"_s, currentEngine());
        f.downloader().engine()->refresh();
        QTRY_COMPARE(f.textOf(u"engineText"), u"Engine ready · yt-dlp "_s + QString::fromLatin1(currentEngine().mid(5)));
    }

    // Every text of the first frame is drawn with a face loaded ahead of it.
    void firstFrameFontsAreLoadedAhead()
    {
        WindowFixture f;
        QQmlApplicationEngine engine;
        QQuickWindow *window = loadMainWindow(engine, f.shell());
        QVERIFY(window);
        const auto key = [](const QFont &font) {
            return u"%1 %2px %3"_s.arg(font.families().join(u','), QString::number(font.pixelSize()), QString::number(font.weight()));
        };
        QStringList ahead;
        for (const QFont &font : firstFrameFonts())
            ahead << key(font);
        const QList<QQuickItem *> texts =
            findItems(window->contentItem(), [](QQuickItem *item) { return item->isVisible() && item->inherits("QQuickText"); });
        QVERIFY(texts.size() > 10);
        for (QQuickItem *text : texts) {
            const QString drawn = key(text->property("font").value<QFont>());
            QVERIFY2(ahead.contains(drawn), qPrintable(drawn + u" for "_s + text->property("text").toString()));
        }
    }

    void sectionsSwitchAndDropsAdd()
    {
        WindowFixture f;
        QVERIFY(f.show());
        QVERIFY(f.find(u"downloadsPage"));
        f.click(f.find(u"section_history"));
        QTRY_VERIFY(f.find(u"historyPage"));
        QVERIFY(!f.find(u"downloadsPage"));
        QCOMPARE(f.shell().section(), Shell::AppSection::history);
        QTest::keyClick(f.window(), Qt::Key_Comma, Qt::ControlModifier);
        QTRY_VERIFY(f.find(u"settingsPage"));
        QCOMPARE(f.shell().section(), Shell::AppSection::settings);

        // A drop on any page adds its links and shows the downloads.
        QMimeData text;
        text.setText(u"two links: https://example.org/a and (https://example.org/b)."_s);
        drop(f, text);
        QTRY_VERIFY(f.find(u"downloadsPage"));
        QCOMPARE(f.downloader().queue()->items()->count(), 2);
        QTRY_VERIFY(!f.find(u"dropFrame")->isVisible());

        f.shell().setSection(Shell::AppSection::history);
        QMimeData nothing;
        nothing.setText(u"no link in here"_s);
        drop(f, nothing);
        QTRY_VERIFY(f.find(u"downloadsPage"));
        QCOMPARE(f.downloader().queue()->items()->count(), 2);
        // What held no link is not dropped in silence: the notice says so, once.
        QTRY_VERIFY(f.find(u"noticeBar")->isVisible());
        QCOMPARE(f.textOf(u"noticeText"), u"There was no link in what you dropped."_s);
        f.click(f.find(u"noticeDismiss"));
        QTRY_VERIFY(!f.find(u"noticeBar")->isVisible());

        QMimeData urls;
        urls.setUrls({QUrl(u"https://example.org/c"_s)});
        drop(f, urls);
        QCOMPARE(f.downloader().queue()->items()->count(), 3);
        QCOMPARE(f.downloader().queue()->items()->at(0)->url(), u"https://example.org/c"_s);

        // A text file dropped is a list of links: each new one is queued once with the
        // card's choices, and the notice sums it up.
        QTemporaryDir folder;
        const QString list = folder.filePath(u"links.txt"_s);
        QVERIFY(writeFile(list, "https://example.org/v\nSee https://example.org/d, and https://example.org/e.\nhttps://example.org/d\n"));
        // Without an engine the links above failed at once: only a waiting one counts as queued.
        f.addItem(DLState::queued);
        f.shell().cardChoice()->setQuality(Quality::mp3);
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(list)});
        QVERIFY(f.shell().dragHoldsLink(file.urls(), {}));
        drop(f, file);
        QTRY_COMPARE(f.downloader().queue()->items()->count(), 6);
        QCOMPARE(f.downloader().queue()->items()->at(0)->url(), u"https://example.org/e"_s);
        QCOMPARE(f.downloader().queue()->items()->at(0)->quality(), Quality(Quality::mp3));
        QTRY_COMPARE(f.textOf(u"noticeText"), u"2 links added, 1 already in the queue"_s);
        // A file with no link in it, and one that is not there, say so.
        QVERIFY(writeFile(folder.filePath(u"notes.txt"_s), "nothing to see"));
        f.shell().importLinks(QUrl::fromLocalFile(folder.filePath(u"notes.txt"_s)));
        QTRY_COMPARE(f.textOf(u"noticeText"), u"There are no links in notes.txt."_s);
        f.shell().importLinks(QUrl::fromLocalFile(folder.filePath(u"gone.txt"_s)));
        QTRY_COMPARE(f.textOf(u"noticeText"), u"Could not read gone.txt."_s);
        QCOMPARE(f.downloader().queue()->items()->count(), 6);
    }

    // Ctrl+Shift+V downloads the link on the clipboard; with none there, the notice says so.
    // The notice is one: a new one takes its place, and it goes by itself.
    void clipboardShortcutAndNotice()
    {
        WindowFixture f;
        QVERIFY(f.show());
        f.clipboard.copy(u"just words"_s);
        QTest::keyClick(f.window(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(f.find(u"noticeBar")->isVisible());
        QCOMPARE(f.textOf(u"noticeText"), u"There’s no link on the clipboard."_s);
        QCOMPARE(f.downloader().queue()->items()->count(), 0);

        Notice *notice = f.shell().notice();
        QSignalSpy changed(notice, &Notice::changed);
        notice->show(u"Another"_s);
        QCOMPARE(f.textOf(u"noticeText"), u"Another"_s);
        QVERIFY(notice->shown());
        // Hidden for a moment in between, so a screen reader hears the new one appear.
        QCOMPARE(changed.count(), 2);
        notice->show(u"Another"_s);
        QCOMPARE(changed.count(), 3);
        notice->hold(true);
        QTest::qWait(Notice::durationFor(u"Another"_s) + 300);
        QVERIFY(notice->shown());
        notice->hold(false);
        QTRY_VERIFY_WITH_TIMEOUT(!notice->shown(), Notice::durationFor(u"Another"_s) + 5000);
        QVERIFY(!f.find(u"noticeBar")->isVisible());

        f.clipboard.copy(u"see https://example.org/v"_s);
        QTest::keyClick(f.window(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(f.downloader().queue()->items()->count(), 1);
        QVERIFY(!notice->shown());
    }

    // The primary menu and the round buttons' tips are made when first wanted: resting the
    // pointer on the button shows its tip, a click opens the menu, and an entry acts.
    void primaryMenuAndTip()
    {
        WindowFixture f;
        QVERIFY(f.show());
        QQuickItem *button = f.find(u"primaryMenuButton");
        QVERIFY(button);
        const auto tipShown = [&] {
            return !findItems(f.window()->contentItem(), [](const QQuickItem *item) {
                        return item->isVisible() && item->property("text").toString() == u"Main menu"_s;
                    }).isEmpty();
        };
        QVERIFY(!tipShown());
        QTest::mouseMove(f.window(), button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
        QTRY_VERIFY(tipShown());
        f.click(button);
        QTRY_VERIFY(f.find(u"menuSettings") && f.find(u"menuSettings")->isVisible());
        f.click(f.find(u"menuSettings"));
        QTRY_COMPARE(f.shell().section(), Shell::AppSection::settings);
        // Importing asks for the file first; without a desktop portal, in the window's chooser.
        f.click(button);
        QTRY_VERIFY(f.find(u"menuImportLinks") && f.find(u"menuImportLinks")->isVisible());
        f.click(f.find(u"menuImportLinks"));
        QObject *chooser = f.window()->findChild<QObject *>(u"importDialog"_s);
        QVERIFY(chooser);
        QTRY_VERIFY(chooser->property("opened").toBool());
    }

    // Return closes the sheet from the moment it opens; the log shows as characters, follows
    // the item and copies whole.
    void logSheet()
    {
        WindowFixture f;
        QVERIFY(f.show());
        DownloadItem *item = f.addItem(DLState::downloading, u"<b>not bold</b>"_s);
        item->appendLog(u"[download] Destination: clip.mp4"_s);
        item->appendLog(u"<i>raw</i> line"_s);
        f.shell().showLog(item);
        QQuickItem *sheet = f.find(u"logText");
        QTRY_VERIFY(sheet && sheet->isVisible());
        QTest::keyClick(f.window(), Qt::Key_Return);
        QTRY_VERIFY(!sheet->isVisible());

        f.shell().showLog(item);
        QTRY_VERIFY(sheet->isVisible());
        QCOMPARE(sheet->property("text").toString(), u"[download] Destination: clip.mp4\n<i>raw</i> line"_s);
        QCOMPARE(f.textOf(u"logTitle"), u"<b>not bold</b>"_s);
        // New output shows once the item changes in a way views hear of.
        item->appendLog(u"[download]  50.0%"_s);
        item->setProgress(0.5);
        QTRY_VERIFY(sheet->property("text").toString().endsWith(u"50.0%"_s));
        f.click(f.find(u"copyLog"));
        QCOMPARE(QGuiApplication::clipboard()->text(), sheet->property("text").toString());

        // An empty log copies as an empty text, not the last one.
        f.shell().showLog(f.addItem(DLState::queued));
        QTRY_COMPARE(sheet->property("text").toString(), QString());
        f.click(f.find(u"copyLog"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    // Only running downloads make quitting ask (that Return answers "stay" is the keyboard's test).
    void quitAsksWhileDownloading()
    {
        WindowFixture f;
        QVERIFY(f.show());
        QSignalSpy accepted(&f.shell(), &Shell::quitAccepted);
        f.addItem(DLState::queued);
        f.addItem(DLState::fetching);
        f.shell().requestQuit();
        QCOMPARE(accepted.size(), 1);

        f.addItem(DLState::downloading);
        f.addItem(DLState::processing);
        f.shell().requestQuit();
        QQuickItem *question = f.find(u"quitDialog.question");
        QTRY_VERIFY(question && question->isVisible());
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(question->property("text").toString(), u"2 downloads in progress"_s);
        f.click(f.find(u"quitDialog.safe"));
        QTRY_VERIFY(!question->isVisible());
        QCOMPARE(accepted.size(), 1);

        f.shell().requestQuit();
        QTRY_VERIFY(question->isVisible());
        f.click(f.find(u"quitDialog.action"));
        QTRY_COMPARE(accepted.size(), 2);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
