#include "engine/downloader.h"
#include "history/historylist.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "support/windowfixture.h"
#include "ui/shell.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The main window as the application builds it, driven through its QML.
class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void sidebarFollowsTheDownloads_data();
    void sidebarFollowsTheDownloads();
    void sidebarTotals();
    void engineLine_data();
    void engineLine();
    void sectionsSwitch();
    void dropAddsTheLinksAndShowsDownloads();
    void logSheetShowsAndCopiesTheLog();
    void returnAnswersAtOnce();
    void quitAsksWhileDownloading();
};

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
    f.snapshot(u"dropframe"_s);
    QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window(), &dropped);
}

} // namespace

void TestShell::sidebarFollowsTheDownloads_data()
{
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QString>("badge");

    QTest::newRow("empty list") << QList<int>{} << QString();
    QTest::newRow("only finished items") << QList<int>{DLState::done, DLState::failed, DLState::cancelled} << QString();
    QTest::newRow("one downloading, two queued")
        << QList<int>{DLState::downloading, DLState::queued, DLState::queued} << u"3"_s;
    QTest::newRow("probing counts, failed does not") << QList<int>{DLState::fetching, DLState::failed} << u"1"_s;
}

void TestShell::sidebarFollowsTheDownloads()
{
    QFETCH(QList<int>, states);
    QFETCH(QString, badge);
    WindowFixture f;
    QVERIFY(f.show());
    for (int state : states)
        f.addItem(state == DLState::failed ? DLState::failure(u"x"_s) : DLState(DLState::Kind(state)));

    QQuickItem *downloads = f.find(u"section_downloads");
    QVERIFY(downloads);
    QQuickItem *badgeItem = f.find(u"badge", downloads);
    QVERIFY(badgeItem);
    QCOMPARE(badgeItem->isVisible(), !badge.isEmpty());
    QCOMPARE(downloads->property("badge").toString(), badge);
    QCOMPARE(f.find(u"brandMark")->property("animated").toBool(), !badge.isEmpty());
}

void TestShell::sidebarTotals()
{
    WindowFixture f;
    QVERIFY(f.show());
    QCOMPARE(f.textOf(u"totalText"), u"—"_s);
    QCOMPARE(f.textOf(u"fileCountText"), u"0 files"_s);

    f.addEntry(u"clip"_s, u"https://example.org/a"_s);
    QTRY_COMPARE(f.textOf(u"fileCountText"), u"1 file"_s);
    QVERIFY2(f.textOf(u"totalText").contains(u"12.3"_s), qPrintable(f.textOf(u"totalText")));

    f.addEntry(u"clip"_s, u"https://example.org/b"_s);
    QTRY_COMPARE(f.textOf(u"fileCountText"), u"2 files"_s);
}

void TestShell::engineLine_data()
{
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");

    QTest::newRow("ffmpeg missing") << QStringList{u"yt-dlp"_s, u"deno"_s} << QByteArray("2024.01.01")
                                    << u"Engine incomplete"_s << false;
    QTest::newRow("complete, version not read") << QStringList{u"yt-dlp"_s, u"ffmpeg"_s, u"deno"_s} << QByteArray()
                                                << u"Engine ready · yt-dlp "_s << true;
    QTest::newRow("complete") << QStringList{u"yt-dlp"_s, u"ffmpeg"_s, u"deno"_s} << QByteArray("2024.01.01")
                              << u"Engine ready · yt-dlp 2024.01.01"_s << true;
}

void TestShell::engineLine()
{
    QFETCH(QStringList, programs);
    QFETCH(QByteArray, version);
    QFETCH(QString, text);
    QFETCH(bool, complete);
    WindowFixture f;
    for (const QString &program : programs)
        f.makeProgram(program, version.isEmpty() ? "exit 1" : "echo " + version);
    QVERIFY(f.show());
    QTRY_COMPARE(f.textOf(u"engineText"), text);
    QCOMPARE(f.find(u"engineDot")->property("color").value<QColor>(),
             complete ? QColor(0x2E, 0xCC, 0x71) : QColor(0xF3, 0x9C, 0x12));
}

void TestShell::sectionsSwitch()
{
    WindowFixture f;
    QVERIFY(f.show());
    QVERIFY(f.find(u"downloadsPage"));

    f.click(f.find(u"section_history"));
    QTRY_VERIFY(f.find(u"historyPage"));
    QVERIFY(!f.find(u"downloadsPage"));
    QCOMPARE(f.downloader().section(), Downloader::AppSection::history);

    QTest::keyClick(f.window(), Qt::Key_Comma, Qt::ControlModifier);
    QTRY_VERIFY(f.find(u"settingsPage"));
    QCOMPARE(f.downloader().section(), Downloader::AppSection::settings);
}

void TestShell::dropAddsTheLinksAndShowsDownloads()
{
    WindowFixture f;
    f.downloader().setSection(Downloader::AppSection::settings);
    QVERIFY(f.show());
    QVERIFY(f.find(u"settingsPage"));

    QMimeData text;
    text.setText(u"two links: https://example.org/a and (https://example.org/b)."_s);
    drop(f, text);
    QTRY_VERIFY(f.find(u"downloadsPage"));
    QCOMPARE(f.downloader().items()->count(), 2);
    QTRY_VERIFY(!f.find(u"dropFrame")->isVisible());

    f.downloader().setSection(Downloader::AppSection::history);
    QMimeData nothing;
    nothing.setText(u"no link in here"_s);
    drop(f, nothing);
    QTRY_VERIFY(f.find(u"downloadsPage"));
    QCOMPARE(f.downloader().items()->count(), 2);

    QMimeData urls;
    urls.setUrls({QUrl(u"https://example.org/c"_s)});
    drop(f, urls);
    QCOMPARE(f.downloader().items()->count(), 3);
    QCOMPARE(f.downloader().items()->at(0)->url(), u"https://example.org/c"_s);
}

void TestShell::logSheetShowsAndCopiesTheLog()
{
    WindowFixture f;
    QVERIFY(f.show());
    DownloadItem *item = f.addItem(DLState::downloading, u"<b>not bold</b>"_s);
    item->appendLog(u"[download] Destination: clip.mp4"_s);
    item->appendLog(u"<i>raw</i> line"_s);
    f.shell().showLog(item);
    QQuickItem *sheet = f.find(u"logText");
    QTRY_VERIFY(sheet && sheet->isVisible());
    f.snapshot(u"logsheet"_s);
    QCOMPARE(sheet->property("text").toString(), u"[download] Destination: clip.mp4\n<i>raw</i> line"_s);
    QCOMPARE(f.textOf(u"logTitle"), u"<b>not bold</b>"_s);

    // New output shows once the item changes in a way views hear of.
    item->appendLog(u"[download]  50.0%"_s);
    item->setProgress(0.5);
    QTRY_VERIFY(sheet->property("text").toString().endsWith(u"50.0%"_s));

    f.click(f.find(u"copyLog"));
    QCOMPARE(QGuiApplication::clipboard()->text(), sheet->property("text").toString());
    QTest::keyClick(f.window(), Qt::Key_Return);
    QTRY_VERIFY(!sheet->isVisible());

    // An empty log copies as an empty text.
    f.shell().showLog(f.addItem(DLState::queued));
    QTRY_VERIFY(sheet->isVisible());
    QCOMPARE(sheet->property("text").toString(), QString());
    f.click(f.find(u"copyLog"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

// Return is the sheet's and the question's default answer from the moment they open.
void TestShell::returnAnswersAtOnce()
{
    WindowFixture f;
    QVERIFY(f.show());
    QSignalSpy accepted(&f.shell(), &Shell::quitAccepted);
    DownloadItem *item = f.addItem(DLState::downloading);

    f.shell().showLog(item);
    QQuickItem *sheet = f.find(u"logText");
    QTRY_VERIFY(sheet && sheet->isVisible());
    QTest::keyClick(f.window(), Qt::Key_Return);
    QTRY_VERIFY(!sheet->isVisible());

    f.shell().requestQuit();
    QQuickItem *question = f.find(u"quitQuestion");
    QTRY_VERIFY(question && question->isVisible());
    QTest::keyClick(f.window(), Qt::Key_Return);
    QCOMPARE(accepted.size(), 1);
}

void TestShell::quitAsksWhileDownloading()
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
    QCOMPARE(accepted.size(), 1);
    QQuickItem *question = f.find(u"quitQuestion");
    QTRY_VERIFY(question && question->isVisible());
    f.snapshot(u"quit"_s);
    QCOMPARE(question->property("text").toString(), u"2 downloads in progress"_s);

    f.click(f.find(u"quitCancel"));
    QTRY_VERIFY(!question->isVisible());
    QCOMPARE(accepted.size(), 1);

    f.shell().requestQuit();
    QTRY_VERIFY(question->isVisible());
    f.click(f.find(u"quitAnyway"));
    QTRY_COMPARE(accepted.size(), 2);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
