#include "engine/downloader.h"
#include "i18n/i18n.h"
#include "settings/settings.h"
#include "support/httpserver.h"
#include "tools/releases.h"
#include "tools/tools.h"
#include "tools/vireloomerror.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <future>

using namespace Qt::StringLiterals;

namespace {

struct ZipEntry
{
    QByteArray name;
    QByteArray content;
    int mode = 0755;
    QByteArray symlink; // makes the entry a link to this target
};

QByteArray makeZip(const QList<ZipEntry> &entries)
{
    QByteArray zip;
    archive *writer = archive_write_new();
    archive_write_set_format_zip(writer);
    static constexpr size_t capacity = 4 << 20;
    QByteArray buffer(capacity, Qt::Uninitialized);
    size_t used = 0;
    archive_write_open_memory(writer, buffer.data(), capacity, &used);
    for (const ZipEntry &e : entries) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.constData());
        if (!e.symlink.isEmpty()) {
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink(entry, e.symlink.constData());
            archive_entry_set_perm(entry, 0777);
        } else {
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_perm(entry, e.mode);
            archive_entry_set_size(entry, e.content.size());
        }
        archive_write_header(writer, entry);
        if (e.symlink.isEmpty())
            archive_write_data(writer, e.content.constData(), e.content.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
    return buffer.left(used);
}

QByteArray script(const QByteArray &body)
{
    return "#!/bin/sh\n" + body + "\n";
}

int modeOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return st.st_mode & 07777;
}

QString L_(const char *key)
{
    return L(QString::fromUtf8(key));
}

} // namespace

class TestEngineInstall : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanInstall();
    void secondRequestWhileRunningIsIgnored();
    void everythingPresentFetchesNothing();
    void onlyMissingComponentsAreFetched();
    void updateFetchesOnlyYtDlp();
    void missingArchiveStopsTheSequence();
    void redirectChainIsFollowed();
    void corruptArchiveIsKept();
    void connectionRefused();
    void failedUpdateKeepsTheWorkingCopy_data();
    void failedUpdateKeepsTheWorkingCopy();
    void guiThreadKeepsRunningDuringInstall();
    void unzipRefusesEscapes_data();
    void unzipRefusesEscapes();
    void unzipMergesIntoTheFolder();

private:
    void serveEverything();
    QString ytDlpPath() const { return Releases::ytDlp().path(); }
    QString componentPath(const QString &name) const { return Releases::ffmpegComponent(name).path(); }
    QString denoPath() const { return Releases::deno().path(); }
    QString engineFile(const QString &name) const { return QDir(Tools::binDir()).filePath(name); }
    void placeProgram(const QString &name, const QByteArray &content = script("exit 0"));
    std::unique_ptr<Downloader> makeDownloader();
    void waitForInstall(Downloader &downloader);

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<Settings> m_settings;
};

void TestEngineInstall::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    const QString system = m_root->filePath(u"system-bin"_s);
    QDir().mkpath(system);
    Tools::setLocations({m_root->filePath(u"support"_s), {system}});
    m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.conf"_s));

    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->listen());
    const QByteArray host = m_server->url().toString().toUtf8();
    qputenv("VIRELOOM_GITHUB_URL", host);
    qputenv("VIRELOOM_FFMPEG_URL", host + "/");
}

void TestEngineInstall::serveEverything()
{
    HttpServer::Response ytdlp;
    ytdlp.body = script("[ \"$1\" = --version ] && echo '  2099.01.01 '");
    m_server->route(ytDlpPath(), ytdlp);
    for (const QString &name : {u"ffmpeg"_s, u"ffprobe"_s}) {
        HttpServer::Response archive;
        archive.body = makeZip({{name.toUtf8(), script("echo " + name.toUtf8())}});
        m_server->route(componentPath(name), archive);
    }
    HttpServer::Response deno;
    deno.body = makeZip({{"deno", script("echo deno")}});
    m_server->route(denoPath(), deno);
}

void TestEngineInstall::placeProgram(const QString &name, const QByteArray &content)
{
    QFile file(engineFile(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    Tools::makeExecutable(file.fileName());
}

std::unique_ptr<Downloader> TestEngineInstall::makeDownloader()
{
    return std::make_unique<Downloader>(m_settings.get());
}

void TestEngineInstall::waitForInstall(Downloader &downloader)
{
    QTRY_VERIFY_WITH_TIMEOUT(!downloader.installing(), 30000);
}

void TestEngineInstall::cleanInstall()
{
    serveEverything();
    auto downloader = makeDownloader();
    QVERIFY(!downloader->engineReady());
    QStringList statuses;
    connect(downloader.get(), &Downloader::installStatusChanged, this,
            [&] { statuses << downloader->installStatus(); });

    downloader->installEngine();
    QVERIFY(downloader->installing());
    waitForInstall(*downloader);

    QCOMPARE(statuses, (QStringList{L_("Baixando yt-dlp…"), L_("Baixando ffmpeg…"),
                                    L_("Baixando Deno (necessário para o YouTube)…"), L_("Motor pronto ✓")}));
    for (const QString &name : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s, u"deno"_s})
        QCOMPARE(modeOf(engineFile(name)), 0755);
    QCOMPARE(QDir(Tools::supportDir()).entryList({u"*.zip"_s}, QDir::Files), QStringList());
    QCOMPARE(QDir(Tools::binDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 4);
    QCOMPARE(downloader->installStatus(), u"Engine ready ✓"_s);
    QVERIFY(downloader->engineComplete());
    QCOMPARE(downloader->ytdlpPath(), engineFile(u"yt-dlp"_s));
    QTRY_COMPARE(downloader->ytdlpVersion(), u"2099.01.01"_s);
}

void TestEngineInstall::secondRequestWhileRunningIsIgnored()
{
    serveEverything();
    auto downloader = makeDownloader();
    QSignalSpy installing(downloader.get(), &Downloader::installingChanged);
    downloader->installEngine();
    downloader->installEngine();
    downloader->installEngine(true);
    waitForInstall(*downloader);
    QCOMPARE(installing.size(), 2);
    QCOMPARE(m_server->requestCount(ytDlpPath()), 1);
    QCOMPARE(m_server->requestCount(denoPath()), 1);
}

void TestEngineInstall::everythingPresentFetchesNothing()
{
    serveEverything();
    for (const QString &name : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s, u"deno"_s})
        placeProgram(name);
    auto downloader = makeDownloader();
    downloader->installEngine();
    QVERIFY(!downloader->installing());
    QCOMPARE(downloader->installStatus(), u"Engine ready ✓"_s);
    QCOMPARE(m_server->totalRequests(), 0);
}

void TestEngineInstall::onlyMissingComponentsAreFetched()
{
    serveEverything();
    placeProgram(u"yt-dlp"_s);
    // A copy from the system folders counts as present too.
    QFile::copy(engineFile(u"yt-dlp"_s), m_root->filePath(u"system-bin/deno"_s));
    auto downloader = makeDownloader();
    QVERIFY(!downloader->engineComplete());
    QStringList statuses;
    connect(downloader.get(), &Downloader::installStatusChanged, this,
            [&] { statuses << downloader->installStatus(); });
    downloader->installEngine();
    waitForInstall(*downloader);
    QCOMPARE(statuses, (QStringList{L_("Baixando ffmpeg…"), L_("Motor pronto ✓")}));
    QCOMPARE(m_server->requestedPaths(), (QStringList{componentPath(u"ffmpeg"_s), componentPath(u"ffprobe"_s)}));
    QVERIFY(downloader->engineComplete());
    QCOMPARE(downloader->denoPath(), m_root->filePath(u"system-bin/deno"_s));
}

void TestEngineInstall::updateFetchesOnlyYtDlp()
{
    serveEverything();
    for (const QString &name : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s, u"deno"_s})
        placeProgram(name, script("echo 2000.01.01"));
    auto downloader = makeDownloader();
    QTRY_COMPARE(downloader->ytdlpVersion(), u"2000.01.01"_s);

    downloader->installEngine(true);
    QCOMPARE(downloader->installStatus(), u"Downloading yt-dlp…"_s);
    waitForInstall(*downloader);
    QCOMPARE(downloader->installStatus(), u"Engine ready ✓"_s);
    QCOMPARE(m_server->requestedPaths(), QStringList{ytDlpPath()});
    QCOMPARE(modeOf(engineFile(u"yt-dlp"_s)), 0755);
    QTRY_COMPARE(downloader->ytdlpVersion(), u"2099.01.01"_s);
}

void TestEngineInstall::missingArchiveStopsTheSequence()
{
    serveEverything();
    HttpServer::Response notFound;
    notFound.status = 404;
    m_server->route(componentPath(u"ffmpeg"_s), notFound);
    auto downloader = makeDownloader();
    downloader->installEngine();
    waitForInstall(*downloader);

    QCOMPARE(downloader->installStatus(), u"Failed: HTTP 404 while downloading ffmpeg.zip"_s);
    QCOMPARE(m_server->requestCount(componentPath(u"ffprobe"_s)), 0);
    QCOMPARE(m_server->requestCount(denoPath()), 0);
    QVERIFY(!QFile::exists(engineFile(u"ffmpeg"_s)));
    QVERIFY(!QFile::exists(QDir(Tools::supportDir()).filePath(u"ffmpeg.zip"_s)));
    // What was fetched before the failure stays, and the state shows it.
    QCOMPARE(modeOf(engineFile(u"yt-dlp"_s)), 0755);
    QVERIFY(downloader->engineReady());
    QVERIFY(!downloader->engineComplete());

    // Trying again fetches only what is still missing.
    m_server->route(componentPath(u"ffmpeg"_s), {200, makeZip({{"ffmpeg", script("true")}})});
    downloader->installEngine();
    waitForInstall(*downloader);
    QCOMPARE(downloader->installStatus(), u"Engine ready ✓"_s);
    QCOMPARE(m_server->requestCount(ytDlpPath()), 1);
    QVERIFY(downloader->engineComplete());
}

void TestEngineInstall::redirectChainIsFollowed()
{
    serveEverything();
    HttpServer::Response ytdlp;
    ytdlp.body = script("echo 2099.02.02");
    m_server->route(u"/cdn/yt-dlp_final"_s, ytdlp);
    m_server->redirect(ytDlpPath(), u"/hop/1"_s, 302);
    m_server->redirect(u"/hop/1"_s, m_server->url(u"/hop/2"_s).toString(), 301);
    m_server->redirect(u"/hop/2"_s, u"/cdn/yt-dlp_final"_s, 307);
    placeProgram(u"ffmpeg"_s);
    placeProgram(u"deno"_s);

    auto downloader = makeDownloader();
    downloader->installEngine();
    waitForInstall(*downloader);
    QCOMPARE(downloader->installStatus(), u"Engine ready ✓"_s);
    QCOMPARE(m_server->requestCount(u"/cdn/yt-dlp_final"_s), 1);
    QTRY_COMPARE(downloader->ytdlpVersion(), u"2099.02.02"_s);
}

void TestEngineInstall::corruptArchiveIsKept()
{
    serveEverything();
    placeProgram(u"yt-dlp"_s);
    m_server->route(componentPath(u"ffmpeg"_s), {200, "PK\x03\x04 this is not really a zip archive"});
    auto downloader = makeDownloader();
    downloader->installEngine();
    waitForInstall(*downloader);

    const QString status = downloader->installStatus();
    QVERIFY2(status.startsWith(u"Failed: Couldn’t unzip ffmpeg.zip: "_s), qPrintable(status));
    QVERIFY2(status.size() > u"Failed: Couldn’t unzip ffmpeg.zip: "_s.size(), "the extractor's own message is missing");
    QVERIFY(QFile::exists(QDir(Tools::supportDir()).filePath(u"ffmpeg.zip"_s)));
    QCOMPARE(QDir(Tools::binDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"yt-dlp"_s});
}

void TestEngineInstall::connectionRefused()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    qputenv("VIRELOOM_GITHUB_URL", QByteArray("http://127.0.0.1:") + QByteArray::number(port));

    auto downloader = makeDownloader();
    downloader->installEngine();
    waitForInstall(*downloader);
    const QString status = downloader->installStatus();
    QVERIFY2(status.startsWith(u"Failed: "_s), qPrintable(status));
    QVERIFY2(status.contains(u"refused"_s, Qt::CaseInsensitive), qPrintable(status));
    QVERIFY(!downloader->engineReady());
    QCOMPARE(QDir(Tools::binDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestEngineInstall::failedUpdateKeepsTheWorkingCopy_data()
{
    QTest::addColumn<HttpServer::Response>("answer");
    QTest::addColumn<QString>("status");

    HttpServer::Response serverError;
    serverError.status = 500;
    serverError.body = "oops";
    QTest::newRow("server error") << serverError << u"Failed: HTTP 500 while downloading "_s;

    // A body cut off before its announced length must not replace a working program.
    HttpServer::Response cut;
    cut.body = QByteArray(200000, 'x');
    cut.cutAfter = 70000;
    QTest::newRow("body cut short") << cut << u"Failed: "_s;
}

void TestEngineInstall::failedUpdateKeepsTheWorkingCopy()
{
    QFETCH(HttpServer::Response, answer);
    QFETCH(QString, status);
    serveEverything();
    const QByteArray working = script("echo 2000.01.01");
    for (const QString &name : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s, u"deno"_s})
        placeProgram(name, working);
    m_server->route(ytDlpPath(), answer);

    auto downloader = makeDownloader();
    downloader->installEngine(true);
    waitForInstall(*downloader);
    QVERIFY2(downloader->installStatus().startsWith(status), qPrintable(downloader->installStatus()));
    QFile file(engineFile(u"yt-dlp"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), working);
    QCOMPARE(modeOf(file.fileName()), 0755);
    QCOMPARE(QDir(Tools::binDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 4);
    QVERIFY(downloader->engineComplete());
}

// The event loop of the thread that asked for the installation keeps turning while a
// slow transfer runs: a timer on it fires throughout.
void TestEngineInstall::guiThreadKeepsRunningDuringInstall()
{
    serveEverything();
    placeProgram(u"ffmpeg"_s);
    placeProgram(u"ffprobe"_s);
    placeProgram(u"deno"_s);
    HttpServer::Response slow;
    slow.body = script("echo 1") + QByteArray(60000, '#');
    slow.throttle = 60000; // about a second
    m_server->route(ytDlpPath(), slow);

    auto downloader = makeDownloader();
    int ticksWhileInstalling = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        if (downloader->installing())
            ++ticksWhileInstalling;
    });
    ticker.start(20);
    downloader->installEngine();
    waitForInstall(*downloader);
    QCOMPARE(downloader->installStatus(), u"Engine ready ✓"_s);
    QVERIFY2(ticksWhileInstalling >= 10, qPrintable(QString::number(ticksWhileInstalling)));
}

void TestEngineInstall::unzipRefusesEscapes_data()
{
    QTest::addColumn<QList<ZipEntry>>("entries");

    QTest::newRow("parent folder") << QList<ZipEntry>{{"ffmpeg", "ok"}, {"../escaped", "x"}};
    QTest::newRow("parent inside the path") << QList<ZipEntry>{{"sub/../../escaped", "x"}};
    QTest::newRow("absolute path") << QList<ZipEntry>{{"/tmp/vireloom-escaped", "x"}};
    QTest::newRow("link to an absolute path") << QList<ZipEntry>{{"ffmpeg", {}, 0777, "/etc/passwd"}};
    QTest::newRow("link climbing out") << QList<ZipEntry>{{"sub/link", {}, 0777, "../../escaped"}};
}

void TestEngineInstall::unzipRefusesEscapes()
{
    QFETCH(QList<ZipEntry>, entries);
    const QString into = m_root->filePath(u"support/bin"_s);
    QDir().mkpath(into);
    QFile zip(m_root->filePath(u"support/bad.zip"_s));
    QVERIFY(zip.open(QIODevice::WriteOnly));
    zip.write(makeZip(entries));
    zip.close();

    auto attempt = std::async(std::launch::async, [&] { Tools::unzip(zip.fileName(), into); });
    try {
        attempt.get();
        QFAIL("the archive was accepted");
    } catch (const VireloomError &error) {
        QVERIFY2(error.description().startsWith(u"Couldn’t unzip bad.zip: "_s), qPrintable(error.description()));
    }
    QVERIFY(QFile::exists(zip.fileName()));
    QCOMPARE(QDir(into).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System), QStringList());
    QVERIFY(!QFile::exists(m_root->filePath(u"support/escaped"_s)));
    QVERIFY(!QFile::exists(m_root->filePath(u"escaped"_s)));
    QVERIFY(!QFile::exists(u"/tmp/vireloom-escaped"_s));
}

void TestEngineInstall::unzipMergesIntoTheFolder()
{
    const QString into = m_root->filePath(u"engine"_s);
    QDir().mkpath(into + u"/lib"_s);
    for (const QString &name : {u"ffmpeg"_s, u"keep"_s, u"lib/old"_s}) {
        QFile file(QDir(into).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    QFile zip(m_root->filePath(u"ffmpeg.zip"_s));
    QVERIFY(zip.open(QIODevice::WriteOnly));
    zip.write(makeZip({{"ffmpeg", "new", 0755}, {"lib/new", "n", 0644}, {"./readme", "r", 0644}}));
    zip.close();

    std::async(std::launch::async, [&] { Tools::unzip(zip.fileName(), into); }).get();
    QVERIFY(!zip.exists());
    auto read = [&](const QString &name) {
        QFile file(QDir(into).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    QCOMPARE(read(u"ffmpeg"_s), QByteArray("new"));
    QCOMPARE(modeOf(QDir(into).filePath(u"ffmpeg"_s)), 0755);
    QCOMPARE(read(u"keep"_s), QByteArray("old"));
    QCOMPARE(read(u"lib/old"_s), QByteArray("old"));
    QCOMPARE(read(u"lib/new"_s), QByteArray("n"));
    QCOMPARE(read(u"readme"_s), QByteArray("r"));
    QCOMPARE(QDir(into).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{u"ffmpeg"_s, u"keep"_s, u"lib"_s, u"readme"_s}));
}

QTEST_GUILESS_MAIN(TestEngineInstall)
#include "tst_engineinstall.moc"
