#include "engine/downloader.h"
#include "history/historylist.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "support/quickitems.h"
#include "tools/tools.h"
#include "ui/appsingletons.h"
#include "ui/shell.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Vireloom_UIPlugin)

using namespace Qt::StringLiterals;

// The main window as the application builds it, driven through its QML.
class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sidebarFollowsTheDownloads_data();
    void sidebarFollowsTheDownloads();
    void sidebarTotals();
    void engineLine_data();
    void engineLine();
    void sectionsSwitch();
    void dropAddsTheLinksAndShowsDownloads();
    void logSheetShowsAndCopiesTheLog();
    void quitAsksWhileDownloading();

private:
    void start();
    QQuickItem *find(const char *name) const;
    QString textOf(const char *name) const;
    DownloadItem *addItem(const DLState &state, const QString &title = u"https://example.org/v"_s);
    void makeProgram(const QString &name, const QByteArray &body);
    void drop(const QMimeData &data);
    // With VIRELOOM_SCREENSHOTS naming a folder, keeps a picture of the window there.
    void snapshot(const char *name) const;

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<Shell> m_shell;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow *m_window = nullptr;
};

void TestShell::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QDir().mkpath(m_root->filePath(u"system"_s));
    Tools::setLocations({m_root->filePath(u"support"_s), {m_root->filePath(u"system"_s)}});
    m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.conf"_s));
}

void TestShell::cleanup()
{
    m_engine.reset();
    m_shell.reset();
    m_downloader.reset();
    m_window = nullptr;
}

void TestShell::start()
{
    m_downloader = std::make_unique<Downloader>(m_settings.get());
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
}

QQuickItem *TestShell::find(const char *name) const
{
    return findItem(m_window->contentItem(), QString::fromLatin1(name));
}

QString TestShell::textOf(const char *name) const
{
    QQuickItem *item = find(name);
    return item ? item->property("text").toString() : u"<missing %1>"_s.arg(QLatin1StringView(name));
}

DownloadItem *TestShell::addItem(const DLState &state, const QString &title)
{
    auto *item = new DownloadItem(u"https://example.org/v"_s, Quality::best, false);
    item->setTitle(title);
    item->setState(state);
    m_downloader->items()->prepend(item);
    return item;
}

void TestShell::makeProgram(const QString &name, const QByteArray &body)
{
    QFile file(QDir(Tools::binDir()).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    Tools::makeExecutable(file.fileName());
}

void TestShell::drop(const QMimeData &data)
{
    const QPoint where(600, 400);
    QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &enter);
    QDragMoveEvent move(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &move);
    QTRY_VERIFY(find("dropFrame")->isVisible());
    QTest::qWait(250);
    snapshot("dropframe");
    QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &dropped);
}

void TestShell::snapshot(const char *name) const
{
    const QString folder = qEnvironmentVariable("VIRELOOM_SCREENSHOTS");
    if (!folder.isEmpty())
        m_window->grabWindow().save(QDir(folder).filePath(QString::fromLatin1(name) + u".png"_s));
}

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
    start();
    for (int state : states)
        addItem(state == DLState::failed ? DLState::failure(u"x"_s) : DLState(DLState::Kind(state)));

    QQuickItem *downloads = find("section_downloads");
    QVERIFY(downloads);
    QQuickItem *badgeItem = findItem(downloads, u"badge");
    QVERIFY(badgeItem);
    QCOMPARE(badgeItem->isVisible(), !badge.isEmpty());
    QCOMPARE(downloads->property("badge").toString(), badge);
    QCOMPARE(find("brandMark")->property("animated").toBool(), !badge.isEmpty());
}

void TestShell::sidebarTotals()
{
    start();
    QCOMPARE(textOf("totalText"), u"—"_s);
    QCOMPARE(textOf("fileCountText"), u"0 files"_s);

    HistoryEntry entry;
    entry.id = QUuid::createUuid();
    entry.title = u"clip"_s;
    entry.bytes = 12'300'000;
    m_downloader->history()->prepend(entry);
    QTRY_COMPARE(textOf("fileCountText"), u"1 file"_s);
    QVERIFY2(textOf("totalText").contains(u"12.3"_s), qPrintable(textOf("totalText")));

    entry.id = QUuid::createUuid();
    m_downloader->history()->prepend(entry);
    QTRY_COMPARE(textOf("fileCountText"), u"2 files"_s);
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
    for (const QString &program : programs)
        makeProgram(program, version.isEmpty() ? "exit 1" : "echo " + version);
    start();
    QTRY_COMPARE(textOf("engineText"), text);
    QCOMPARE(find("engineDot")->property("color").value<QColor>(), complete ? QColor(0x2E, 0xCC, 0x71) : QColor(0xF3, 0x9C, 0x12));
}

void TestShell::sectionsSwitch()
{
    start();
    QVERIFY(find("downloadsPage"));

    QQuickItem *history = find("section_history");
    QTest::mouseClick(m_window, Qt::LeftButton, {}, history->mapToScene(QPointF(history->width() / 2, history->height() / 2)).toPoint());
    QTRY_VERIFY(find("historyPage"));
    QVERIFY(!find("downloadsPage"));
    QCOMPARE(m_downloader->section(), Downloader::AppSection::history);

    QTest::keyClick(m_window, Qt::Key_Comma, Qt::ControlModifier);
    QTRY_VERIFY(find("settingsPage"));
    QCOMPARE(m_shell->section(), u"settings"_s);

    // A section's name that does not exist changes nothing.
    m_shell->setSection(u"elsewhere"_s);
    QCOMPARE(m_shell->section(), u"settings"_s);
}

void TestShell::dropAddsTheLinksAndShowsDownloads()
{
    start();
    m_shell->setSection(u"settings"_s);
    QTRY_VERIFY(find("settingsPage"));

    QMimeData text;
    text.setText(u"two links: https://example.org/a and (https://example.org/b)."_s);
    drop(text);
    QTRY_VERIFY(find("downloadsPage"));
    QCOMPARE(m_downloader->items()->count(), 2);
    QTRY_VERIFY(!find("dropFrame")->isVisible());

    m_shell->setSection(u"history"_s);
    QMimeData nothing;
    nothing.setText(u"no link in here"_s);
    drop(nothing);
    QTRY_VERIFY(find("downloadsPage"));
    QCOMPARE(m_downloader->items()->count(), 2);

    QMimeData urls;
    urls.setUrls({QUrl(u"https://example.org/c"_s)});
    drop(urls);
    QCOMPARE(m_downloader->items()->count(), 3);
    QCOMPARE(m_downloader->items()->at(0)->url(), u"https://example.org/c"_s);
}

void TestShell::logSheetShowsAndCopiesTheLog()
{
    start();
    DownloadItem *item = addItem(DLState::downloading, u"<b>not bold</b>"_s);
    item->appendLog(u"[download] Destination: clip.mp4"_s);
    item->appendLog(u"<i>raw</i> line"_s);
    m_shell->showLog(item);
    QQuickItem *sheet = find("logText");
    QTRY_VERIFY(sheet && sheet->isVisible());
    snapshot("logsheet");
    QCOMPARE(sheet->property("text").toString(), u"[download] Destination: clip.mp4\n<i>raw</i> line"_s);
    QCOMPARE(find("logTitle")->property("text").toString(), u"<b>not bold</b>"_s);

    // New output shows once the item changes in a way views hear of.
    item->appendLog(u"[download]  50.0%"_s);
    item->setProgress(0.5);
    QTRY_VERIFY(sheet->property("text").toString().endsWith(u"50.0%"_s));

    QQuickItem *copy = find("copyLog");
    QTest::mouseClick(m_window, Qt::LeftButton, {}, copy->mapToScene(QPointF(copy->width() / 2, copy->height() / 2)).toPoint());
    QCOMPARE(QGuiApplication::clipboard()->text(), m_shell->logText(item));

    QTest::keyClick(m_window, Qt::Key_Return);
    QTRY_VERIFY(!sheet->isVisible());

    // An empty log copies as an empty text.
    DownloadItem *quiet = addItem(DLState::queued);
    m_shell->copyLog(quiet);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void TestShell::quitAsksWhileDownloading()
{
    start();
    QSignalSpy accepted(m_shell.get(), &Shell::quitAccepted);
    addItem(DLState::queued);
    addItem(DLState::fetching);
    m_shell->requestQuit();
    QCOMPARE(accepted.size(), 1);

    addItem(DLState::downloading);
    addItem(DLState::processing);
    m_shell->requestQuit();
    QCOMPARE(accepted.size(), 1);
    QQuickItem *question = find("quitQuestion");
    QTRY_VERIFY(question && question->isVisible());
    QTest::qWait(250);
    snapshot("quit");
    QCOMPARE(question->property("text").toString(), u"2 download(s) in progress"_s);

    QQuickItem *cancel = find("quitCancel");
    QTest::mouseClick(m_window, Qt::LeftButton, {}, cancel->mapToScene(QPointF(cancel->width() / 2, cancel->height() / 2)).toPoint());
    QTRY_VERIFY(!question->isVisible());
    QCOMPARE(accepted.size(), 0 + 1);

    m_shell->requestQuit();
    QTRY_VERIFY(question->isVisible());
    QQuickItem *quit = find("quitAnyway");
    QTest::mouseClick(m_window, Qt::LeftButton, {}, quit->mapToScene(QPointF(quit->width() / 2, quit->height() / 2)).toPoint());
    QTRY_COMPARE(accepted.size(), 2);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
