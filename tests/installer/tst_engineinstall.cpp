#include "base/paths.h"
#include "base/vireloomerror.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "history/historylist.h"
#include "i18n/i18n.h"
#include "installer/engineinstaller.h"
#include "installer/install.h"
#include "installer/phrase.h"
#include "installer/releases.h"
#include "installer/verification.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "settings/settings.h"
#include "support/files.h"
#include "support/httpserver.h"
#include "support/media.h"
#include "ui/enginebannertexts.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <future>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct ZipEntry
{
    QByteArray name;
    QByteArray content;
    int mode = 0755;
    QByteArray symlink; // makes the entry a link to this target
    unsigned type = AE_IFREG;
};

// The zip writer refuses devices, but a zip says what an entry is in the mode its
// central directory keeps for it, which anyone can write: such entries are stored as files
// and their mode's type rewritten there.
void setCentralModes(QByteArray &zip, const QList<ZipEntry> &entries)
{
    const auto le = [&zip](qsizetype at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | quint8(zip[at + i]);
        return value;
    };
    qsizetype at = le(zip.lastIndexOf("PK\x05\x06") + 16, 4);
    for (const ZipEntry &e : entries) {
        const quint32 mode = e.type | quint32(e.mode);
        for (int i = 0; i < 2 && e.symlink.isEmpty() && e.type != AE_IFREG && e.type != AE_IFDIR; ++i)
            zip[at + 40 + i] = char(mode >> (8 * i));
        at += 46 + le(at + 28, 2) + le(at + 30, 2) + le(at + 32, 2);
    }
}

QByteArray makeZip(const QList<ZipEntry> &entries)
{
    archive *writer = archive_write_new();
    archive_write_set_format_zip(writer);
    static constexpr size_t capacity = 4 << 20;
    QByteArray buffer(capacity, Qt::Uninitialized);
    size_t used = 0;
    archive_write_open_memory(writer, buffer.data(), capacity, &used);
    bool special = false;
    for (const ZipEntry &e : entries) {
        archive_entry *entry = archive_entry_new();
        const bool link = !e.symlink.isEmpty();
        const bool storable = link || e.type == AE_IFREG || e.type == AE_IFDIR;
        special = special || !storable;
        archive_entry_set_pathname(entry, e.name.constData());
        archive_entry_set_filetype(entry, link ? AE_IFLNK : storable ? e.type : AE_IFREG);
        archive_entry_set_perm(entry, link ? 0777 : e.mode);
        if (link)
            archive_entry_set_symlink(entry, e.symlink.constData());
        archive_entry_set_size(entry, e.type == AE_IFREG && !link ? e.content.size() : 0);
        archive_write_header(writer, entry);
        archive_write_data(writer, e.content.constData(), e.content.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
    QByteArray zip = buffer.left(used);
    if (special)
        setCentralModes(zip, entries);
    return zip;
}

QByteArray script(const QByteArray &body)
{
    return "#!/bin/sh\n" + body + "\n";
}

int modeOf(const QString &path)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return st.st_mode & 07777;
}

QByteArray sumLine(const QByteArray &body, const QString &name)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + "  " + name.toUtf8() + '\n';
}

const QByteArray kWorking = script("echo 2000.01.01");
const QString kRelease = u"2099.01.01"_s;
const QString kOtherSigner = u"someone-else@example.invalid"_s;
// The engine folder when everything is there, as it lists itself.
const QStringList kAll{u"deno"_s, u"ffmpeg"_s, u"ffprobe"_s, u"yt-dlp"_s};

struct Route
{
    QString path;
    HttpServer::Response response;
};

// The ffmpeg and Deno in use, and what the banner and the engine card make of their releases.
struct ComponentFreshness
{
    QByteArray deno; // what the Deno in use answers
    bool systemDeno = false; // it is the system's
    QByteArray ffmpeg = "ffmpeg version 7.1 Copyright";
    QString title; // the banner's; empty: not shown
    QString detail;
    QString action = u"Update ffmpeg and Deno"_s;
    QStringList fetched = {u"deno"_s, u"ffmpeg"_s, u"ffprobe"_s};
};

// A step of the sequence that fails, and what it must leave.
struct FailedStep
{
    QStringList present = kAll; // "system/" puts the program in the system's folder
    QList<Route> routes; // over a complete, good set of releases
    QString status; // how the last status line starts
    QStringList folder = kAll; // the engine folder afterwards
    bool force = true;
    bool archiveKept = false;
    // Empty: the test's release key; "built in": the program's own; "damaged": it, altered; else a path.
    QString keyring;
    bool siteDown = false;
};

// Runs gpg on the test's own GnuPG home; its standard output, or nothing when it fails.
std::optional<QByteArray> gpg(const QString &home, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess gpg;
    gpg.start(u"gpg"_s, QStringList{u"--homedir"_s, home, u"--batch"_s, u"--pinentry-mode"_s, u"loopback"_s, u"--passphrase"_s, QString()}
                            + arguments);
    gpg.write(input);
    gpg.closeWriteChannel();
    if (!gpg.waitForFinished(60000) || gpg.exitStatus() != QProcess::NormalExit || gpg.exitCode() != 0) {
        qWarning() << "gpg" << arguments << "failed:" << gpg.readAllStandardError();
        return std::nullopt;
    }
    return gpg.readAllStandardOutput();
}

} // namespace

class TestEngineInstall : public QObject
{
    Q_OBJECT

private slots:
    // A release key of the test's own, made the way a project makes one, and a stranger's key
    // that is not in the keyring given to the program.
    void initTestCase()
    {
        QVERIFY(m_gnupg.isValid());
        for (const QString &uid : {u"Release <release@example.invalid>"_s, u"Stranger <"_s + kOtherSigner + u'>'})
            QVERIFY(gpg(m_gnupg.path(), {u"--quick-gen-key"_s, uid, u"ed25519"_s, u"sign"_s, u"never"_s}));
        const std::optional<QByteArray> keyring = gpg(m_gnupg.path(), {u"--export"_s, u"release@example.invalid"_s});
        QVERIFY(keyring && !keyring->isEmpty());
        QVERIFY(writeFile(m_gnupg.filePath(u"release.gpg"_s), *keyring));
    }

    // gpg left an agent running for the test's home.
    void cleanupTestCase()
    {
        QProcess::execute(u"gpgconf"_s, {u"--homedir"_s, m_gnupg.path(), u"--kill"_s, u"all"_s});
        QProcess::execute(u"gpgconf"_s, {u"--homedir"_s, m_gnupg.path(), u"--remove-socketdir"_s});
    }

    // The settings go before their folder: written out later, they would make it again.
    void cleanup()
    {
        m_settings.reset();
        m_server.reset();
        m_root.reset();
    }

    void init()
    {
        qputenv("VIRELOOM_RELEASE_KEYRING", QFile::encodeName(m_gnupg.filePath(u"release.gpg"_s)));
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        const QString system = m_root->filePath(u"system-bin"_s);
        QDir().mkpath(system);
        // Where the program itself finds them under XDG_DATA_HOME and XDG_CONFIG_HOME at m_root.
        Tools::setLocations({m_root->filePath(u"data/Vireloom"_s), {system}, m_root->filePath(u"cache/Vireloom"_s)});
        m_settings = std::make_unique<Settings>(m_root->filePath(u"config/Vireloom/Vireloom.conf"_s));
        // Only the freshness tests want the look at the release location.
        m_settings->setValue(SettingsKey::checkEngineUpdates, false);

        m_server = std::make_unique<HttpServer>();
        QVERIFY(m_server->listen());
        const QByteArray host = m_server->url().toString().toUtf8();
        qputenv("VIRELOOM_GITHUB_URL", host);
        qputenv("VIRELOOM_FFMPEG_URL", host + "/");
    }

    // Presence is looked up in the engine folder and then the system's; only what is missing
    // is fetched, each file once, and a forced yt-dlp already at the latest release stays.
    void fetchesOnlyWhatIsMissing_data()
    {
        QTest::addColumn<QStringList>("present"); // "system/" puts the program in the system's folder
        QTest::addColumn<bool>("force");
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QStringList>("requests");

        const QStringList all{u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s, u"deno"_s};
        const QStringList components{componentPath(u"ffmpeg"_s), componentPath(u"ffmpeg"_s) + u".sha256"_s, componentPath(u"ffprobe"_s),
                                     componentPath(u"ffprobe"_s) + u".sha256"_s};
        // yt-dlp through the redirects to its release and storage, checked against the release's signed sums;
        // Deno's address asked once, then fetched once.
        QTest::newRow("nothing present") << QStringList() << false
                                         << QStringList{L("Baixando yt-dlp…"), LF("yt-dlp %@ instalado e verificado ✓", kRelease),
                                                        L("Baixando ffmpeg…"), L("Baixando Deno (necessário para o YouTube)…"),
                                                        L("Motor pronto ✓")}
                                         << QStringList{ytDlpPath(), taggedPath(u"SHA2-256SUMS"_s), taggedPath(u"SHA2-256SUMS.sig"_s),
                                                        taggedPath(ytDlpAsset()), u"/storage/object-1"_s}
                                                + components + QStringList{denoPath(), denoPath(), denoPath() + u".sha256sum"_s};
        QTest::newRow("everything present") << all << false << QStringList{L("Motor pronto ✓")} << QStringList();
        QTest::newRow("ffmpeg missing") << QStringList{u"yt-dlp"_s, u"system/deno"_s} << false
                                        << QStringList{L("Baixando ffmpeg…"), L("Motor pronto ✓")} << components;
        QTest::newRow("latest yt-dlp not fetched again")
            << all << true
            << QStringList{L("Baixando yt-dlp…"), LF("yt-dlp %@ já é a versão mais recente", kRelease), L("Motor pronto ✓")}
            << QStringList{ytDlpPath()};
    }

    void fetchesOnlyWhatIsMissing()
    {
        QFETCH(QStringList, present);
        QFETCH(bool, force);
        QFETCH(QStringList, statuses);
        QFETCH(QStringList, requests);
        serveEverything();
        // The release answers its version with blanks around it, when asked without reading
        // configuration files.
        serveRelease(script("[ \"$*\" = '--ignore-config --version' ] && echo '  2099.01.01 '"));
        place(present, script("echo 2099.01.01"));
        m_settings->setValue(u"engineInstallFailure"_s, u"Failed: an earlier try"_s);
        auto downloader = makeDownloader();
        QCOMPARE(downloader->engine()->installFailure(), u"Failed: an earlier try"_s);
        QStringList seen;
        connect(downloader->engine(), &EngineSetup::installStatusChanged, this, [&] { seen << downloader->engine()->installStatus(); });
        QSignalSpy installing(downloader->engine(), &EngineSetup::installingChanged);

        downloader->engine()->install(force);
        if (present.isEmpty()) {
            // Requests while it runs are ignored: one sequence.
            QVERIFY(downloader->engine()->installing());
            downloader->engine()->install();
            downloader->engine()->install(true);
            downloader->engine()->rollBack();
        }
        QVERIFY(installed(*downloader));
        QCOMPARE(installing.size(), 2);
        QCOMPARE(seen, statuses);
        // A success puts an earlier failure to rest.
        QCOMPARE(downloader->engine()->installFailure(), QString());
        QCOMPARE(m_server->requestedPaths(), requests);
        QVERIFY(downloader->engine()->complete());
        QVERIFY(!downloader->engine()->canRollBack());
        QCOMPARE(downloader->engine()->ytdlpPath(), engineFile(u"yt-dlp"_s));
        QTRY_COMPARE(downloader->engine()->ytdlpVersion(), kRelease);
        QVERIFY(!engineFolder().contains(u"yt-dlp.previous"_s));
        for (const QString &name : engineFolder())
            QCOMPARE(modeOf(engineFile(name)), 0755);
        QCOMPARE(QDir(Tools::supportDir()).entryList({u"*.zip"_s}, QDir::Files), QStringList());
    }

    // Sums files come from more than one tool: a digest in upper-case hex, or marked for
    // binary mode with "*", names the file as well as the plain form does.
    void sumsInEveryWrittenForm_data()
    {
        QTest::addColumn<QByteArray>("sums");
        QTest::addColumn<QByteArray>("found");
        const QByteArray digest = QCryptographicHash::hash("x", QCryptographicHash::Sha256).toHex();
        const QByteArray other = sumLine("other", u"yt-dlp.exe"_s);
        QTest::newRow("plain") << other + digest + "  yt-dlp" << digest;
        QTest::newRow("upper case") << other + digest.toUpper() + "  yt-dlp\n" << digest;
        QTest::newRow("binary mode") << digest + " *yt-dlp\n" + other << digest;
        QTest::newRow("upper case, binary mode") << digest.toUpper() + " *yt-dlp\r\n" << digest;
        QTest::newRow("the sum alone, beside its one file") << digest + "\n" << digest;
        QTest::newRow("another file's only") << other << QByteArray();
        QTest::newRow("a name that only starts alike") << digest + "  yt-dlp_linux\n" << QByteArray();
        QTest::newRow("not a digest") << digest.left(63) + "  yt-dlp\n" << QByteArray();
    }

    void sumsInEveryWrittenForm()
    {
        QFETCH(QByteArray, sums);
        QFETCH(QByteArray, found);
        QCOMPARE(listedSum(sums, u"yt-dlp"), found.isEmpty() ? std::nullopt : std::optional(found));
    }

    // A step that fails stops the sequence with its reason and leaves what worked: the yt-dlp
    // in use byte for byte, and nothing unverified or half-written in the engine folder.
    void failedStep_data()
    {
        QTest::addColumn<FailedStep>("step");
        const auto row = [](const char *name, const FailedStep &step) { QTest::newRow(name) << step; };
        const QString ffmpeg = componentPath(u"ffmpeg"_s);
        const QString deno = Releases::deno().fileName();
        const QString fileName = ytDlpAsset();
        const QByteArray good = script("echo 2099.01.01");
        const QString file = u"/storage/object-1"_s;
        const Route sums{taggedPath(u"SHA2-256SUMS"_s), {200, sumLine(good, fileName)}};
        const QByteArray corrupt = "PK\x03\x04 this is not really a zip archive";
        HttpServer::Response cut{200, good + QByteArray(200000, '#')};
        cut.cutAfter = 70000;
        const auto release = [&](const QByteArray &body) { return QList<Route>{{file, {200, body}}, {sums.path, {200, sumLine(body, fileName)}}}; };

        row("ffmpeg missing: ffprobe and Deno not tried", {.present = {}, .routes = {{ffmpeg, {404, "not here"}}},
                                                           .status = u"Failed: HTTP 404 while downloading ffmpeg.zip"_s,
                                                           .folder = {u"yt-dlp"_s}, .force = false});
        row("corrupt archive: kept for the next attempt",
            {.present = {u"yt-dlp"_s}, .routes = {{ffmpeg, {200, corrupt}}, {ffmpeg + u".sha256"_s, {200, sumLine(corrupt, u"ffmpeg.zip"_s)}}},
             .status = u"Failed: Couldn’t unzip ffmpeg.zip: "_s, .folder = {u"yt-dlp"_s}, .force = false, .archiveKept = true});
        row("connection refused", {.present = {}, .status = u"Failed: The release site (127.0.0.1) refused the connection."_s,
                                   .folder = {}, .force = false, .siteDown = true});
        row("yt-dlp: server error", {.routes = {{file, {500, "oops"}}, sums}, .status = u"Failed: HTTP 500 while downloading "_s});
        row("yt-dlp: body cut short", {.routes = {{file, cut}, {sums.path, {200, sumLine(cut.body, fileName)}}}, .status = u"Failed: "_s});
        row("yt-dlp: sums do not match", {.routes = {{file, {200, script("echo 2099.01.01 tampered")}}, sums},
                                          .status = u"Failed: The SHA-256 sum of %1 doesn’t match SHA2-256SUMS"_s.arg(fileName)});
        row("yt-dlp: no sums file", {.routes = {{file, {200, good}}, {sums.path, {404, "gone"}}},
                                     .status = u"Failed: Couldn’t verify %1: HTTP 404 while downloading SHA2-256SUMS"_s.arg(fileName)});
        row("yt-dlp: not listed", {.routes = {{file, {200, good}}, {sums.path, {200, sumLine(good, u"yt-dlp_macos"_s)}}},
                                   .status = u"Failed: %1 isn’t listed in SHA2-256SUMS"_s.arg(fileName)});
        const QByteArray intruder = makeZip({{"intruder", "x"}});
        row("ffmpeg that does not match",
            {.present = {u"yt-dlp"_s, u"deno"_s},
             .routes = {{ffmpeg, {200, intruder}}, {ffmpeg + u".sha256"_s, {200, sumLine("something else", u"ffmpeg.zip"_s)}}},
             .status = u"Failed: The SHA-256 sum of ffmpeg.zip doesn’t match ffmpeg.zip.sha256"_s, .folder = {u"deno"_s, u"yt-dlp"_s},
             .force = false});
        const QStringList allButDeno{u"ffmpeg"_s, u"ffprobe"_s, u"yt-dlp"_s};
        row("Deno without its sums", {.present = allButDeno, .routes = {{denoPath(), {200, intruder}}, {denoPath() + u".sha256sum"_s, {404, "gone"}}},
                                      .status = u"Failed: Couldn’t verify %1: HTTP 404 while downloading %1.sha256sum"_s.arg(deno),
                                      .folder = allButDeno, .force = false});

        // yt-dlp's sums count only with the release key's signature, and only a newer release
        // replaces the one in use; the signature's absence, a stranger's signature or an older
        // release change nothing. A key that cannot be read proves nothing either way.
        const QString signature = taggedPath(u"SHA2-256SUMS.sig"_s);
        const QByteArray tampered = script("echo 2099.01.01 tampered");
        const QString notSigned = u"Failed: SHA2-256SUMS doesn’t carry a valid signature from yt-dlp’s release key"_s;
        row("yt-dlp: no signature", {.routes = {{signature, {404, "gone"}}},
                                     .status = u"Failed: Couldn’t verify %1: HTTP 404 while downloading SHA2-256SUMS.sig"_s.arg(fileName)});
        row("yt-dlp: sums changed after signing",
            {.routes = release(tampered) + QList<Route>{{signature, {200, sign(sumLine(good, fileName))}}}, .status = notSigned});
        row("yt-dlp: signed by a stranger",
            {.routes = release(tampered) + QList<Route>{{signature, {200, sign(sumLine(tampered, fileName), kOtherSigner)}}},
             .status = notSigned});
        row("yt-dlp: signature that is none", {.routes = {{signature, {200, "not a signature"}}}, .status = notSigned});
        row("yt-dlp: the program's own key", {.status = notSigned, .keyring = u"built in"_s});
        row("yt-dlp: the release key damaged",
            {.status = u"Failed: Couldn’t verify %1: the release key is damaged"_s.arg(fileName), .keyring = u"damaged"_s});
        row("yt-dlp: keyring missing", {.status = u"Failed: Couldn’t verify %1: /nonexistent/keyring.gpg: "_s.arg(fileName),
                                        .keyring = u"/nonexistent/keyring.gpg"_s});
        HttpServer::Response older{302, {}};
        older.headers.append({"Location", u"/yt-dlp/yt-dlp/releases/download/1999.01.01/%1"_s.arg(fileName).toUtf8()});
        row("yt-dlp: an older release",
            {.routes = {{ytDlpPath(), older}},
             .status = u"Failed: The published yt-dlp (1999.01.01) is older than the installed one (2000.01.01); nothing was replaced."_s});
        row("yt-dlp: an older program under a newer release's name",
            {.routes = release(script("echo 1999.12.31")),
             .status = u"Failed: The published yt-dlp (1999.12.31) is older than the installed one (2000.01.01); nothing was replaced."_s});

        // A verified yt-dlp that does not answer with a version is taken out again; when
        // Debian's own was in use, going back means finding it again.
        const QList<Route> mute = release(script("echo 'Traceback (most recent call last):' >&2; exit 1"));
        const QString restored = LF("Falhou: %@", L("O novo yt-dlp não respondeu com uma versão; o anterior foi reposto."));
        const QStringList others{u"deno"_s, u"ffmpeg"_s, u"ffprobe"_s};
        row("yt-dlp without a version: the engine folder's copy back", {.routes = mute, .status = restored});
        row("yt-dlp without a version: the system's copy back",
            {.present = others + QStringList{u"system/yt-dlp"_s}, .routes = mute, .status = restored, .folder = others});
        row("yt-dlp without a version, none before: removed",
            {.present = others, .routes = mute,
             .status = LF("Falhou: %@", L("O novo yt-dlp não respondeu com uma versão e foi removido.")), .folder = others});
    }

    void failedStep()
    {
        QFETCH(FailedStep, step);
        serveEverything();
        serveRelease(script("echo 2099.01.01"));
        const QString sumsPath = taggedPath(u"SHA2-256SUMS"_s);
        const bool ownSignature = std::ranges::any_of(step.routes, [&](const Route &route) { return route.path == sumsPath + u".sig"_s; });
        for (const Route &route : std::as_const(step.routes)) {
            // Sums that a row replaces are signed again, unless it brings a signature of its own.
            if (route.path == sumsPath && route.response.status == 200 && !ownSignature)
                serveSums(route.response.body);
            else
                m_server->route(route.path, route.response);
        }
        if (step.keyring == u"damaged") {
            qunsetenv("VIRELOOM_RELEASE_KEYRING");
            QByteArray armored = readFile(Releases::ytDlpKeyring());
            QVERIFY(armored.size() > 200);
            armored[armored.indexOf("\n\n") + 100] ^= 1;
            QVERIFY(writeFile(m_root->filePath(u"damaged.asc"_s), armored));
            step.keyring = m_root->filePath(u"damaged.asc"_s);
        }
        if (step.keyring == u"built in")
            qunsetenv("VIRELOOM_RELEASE_KEYRING");
        else if (!step.keyring.isEmpty())
            qputenv("VIRELOOM_RELEASE_KEYRING", QFile::encodeName(step.keyring));
        place(step.present, kWorking);
        QTcpServer closed;
        if (step.siteDown) {
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            qputenv("VIRELOOM_GITHUB_URL", "http://127.0.0.1:" + QByteArray::number(closed.serverPort()));
            closed.close();
        }

        auto downloader = makeDownloader();
        downloader->engine()->install(step.force);
        QVERIFY(installed(*downloader));
        const QString failure = downloader->engine()->installStatus();
        QVERIFY2(failure.startsWith(step.status) && failure.size() > u"Failed: "_s.size(), qPrintable(failure));
        // The failure and its time outlive the application.
        const QDateTime at = downloader->engine()->installFailedAt();
        QVERIFY(qAbs(at.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        downloader.reset();
        downloader = makeDownloader();
        QCOMPARE(downloader->engine()->installFailure(), failure);
        QCOMPARE(downloader->engine()->installFailedAt(), at);
        // Kept in no language: worded again, the failure reads as shown, and in Russian for a
        // reader in Russian.
        const QJsonDocument stored = QJsonDocument::fromJson(m_settings->string(u"engineInstallFailure"_s).value_or(QString()).toUtf8());
        const std::optional<Phrase> phrase = Phrase::fromJson(stored.object());
        QVERIFY(phrase);
        QCOMPARE(phrase->worded(Lang::en), failure);
        QVERIFY(phrase->worded(Lang::ru).startsWith(translate(u"Falhou: %@"_s, Lang::ru).remove(u"%@"_s)));
        QCOMPARE(engineFolder(), step.folder);
        for (const QString &name : std::as_const(step.folder))
            QCOMPARE(modeOf(engineFile(name)), 0755);
        QCOMPARE(QDir(Tools::supportDir()).entryList({u"*.zip"_s}, QDir::Files), step.archiveKept ? QStringList{u"ffmpeg.zip"_s} : QStringList());
        const QString inUse = step.folder.contains(u"yt-dlp"_s)           ? engineFile(u"yt-dlp"_s)
                              : step.present.contains(u"system/yt-dlp"_s) ? systemFile(u"yt-dlp"_s)
                                                                          : QString();
        QCOMPARE(downloader->engine()->ytdlpPath().value_or(QString()), inUse);
        if (step.present.contains(u"yt-dlp"_s) || step.present.contains(u"system/yt-dlp"_s))
            QCOMPARE(readFile(inUse), kWorking);
    }

    // A failure is stored as the texts it is made of, so that a later start in another language
    // words it in that language, nested reasons included; words kept by earlier releases read as
    // they were written.
    void storedFailureIsWordedWhenRead()
    {
        const Phrase failure =
            Phrase::text(QT_TRID_NOOP("Falhou: %@"), {Phrase::text(QT_TRID_NOOP("Não consegui verificar %@: %@"),
                                                        {Phrase::verbatim(u"yt-dlp"_s),
                                                         Phrase::text(QT_TRID_NOOP("HTTP %ld ao baixar %@"),
                                                                      {Phrase::number(404), Phrase::verbatim(u"SHA2-256SUMS"_s)})})});
        const QByteArray stored = QJsonDocument(failure.toJson().toObject()).toJson(QJsonDocument::Compact);
        QVERIFY(Phrase::fromJson(QJsonDocument::fromJson(stored).object()) == failure);
        for (const Lang lang : {Lang::en, Lang::ru, Lang::pt}) {
            const QString reason = LFIn(lang, u"HTTP %ld ao baixar %@"_s, 404, u"SHA2-256SUMS"_s);
            QCOMPARE(failure.worded(lang), LFIn(lang, u"Falhou: %@"_s, LFIn(lang, u"Não consegui verificar %@: %@"_s, u"yt-dlp"_s, reason)));
        }
        QVERIFY(failure.worded(Lang::en) != failure.worded(Lang::ru));
        QCOMPARE(EngineInstaller::wordStoredFailure(QString::fromUtf8(stored)), failure.worded(Lang::en));
        QCOMPARE(EngineInstaller::wordStoredFailure(u"Falhou: sem rede"_s), u"Falhou: sem rede"_s);
        QCOMPARE(EngineInstaller::wordStoredFailure(u"{\"t\": 3}"_s), u"{\"t\": 3}"_s);
    }

    void rollBack_data()
    {
        QTest::addColumn<bool>("fromSystem");
        QTest::newRow("to the engine folder's copy") << false;
        QTest::newRow("to the system's copy") << true;
    }

    void rollBack()
    {
        QFETCH(bool, fromSystem);
        placeEverything(kWorking);
        if (fromSystem)
            QFile::rename(engineFile(u"yt-dlp"_s), systemFile(u"yt-dlp"_s));
        const QString working = fromSystem ? systemFile(u"yt-dlp"_s) : engineFile(u"yt-dlp"_s);
        serveRelease(script("echo 2099.01.01"));
        auto downloader = makeDownloader();
        downloader->engine()->install(true);
        QVERIFY(installed(*downloader));
        QCOMPARE(downloader->engine()->ytdlpPath(), engineFile(u"yt-dlp"_s));
        QTRY_COMPARE(downloader->engine()->ytdlpVersion(), kRelease);
        QTRY_COMPARE(downloader->engine()->previousYtdlpVersion(), u"2000.01.01"_s);
        QCOMPARE(downloader->engine()->ytdlpLatest(), kRelease); // installing it is as good as having looked

        downloader->engine()->rollBack();
        QCOMPARE(downloader->engine()->installStatus(), L("Voltando ao yt-dlp anterior…"));
        QVERIFY(installed(*downloader));
        QCOMPARE(downloader->engine()->installStatus(), LF("yt-dlp %@ de volta ✓", u"2000.01.01"_s));
        QCOMPARE(downloader->engine()->ytdlpPath(), working);
        QCOMPARE(readFile(working), kWorking);
        QTRY_COMPARE(downloader->engine()->ytdlpVersion(), u"2000.01.01"_s);
        QVERIFY(!downloader->engine()->canRollBack());
        QVERIFY(!engineFolder().contains(u"yt-dlp.previous"_s));
    }

    // A release that verifies and answers with its version but fails every download: the
    // download is finished, for real, by the yt-dlp that last finished one (Debian's here),
    // and the new one is set aside until the user asks for it again.
    void keptEngineFinishesWhatANewOneCannot()
    {
        for (const QString &name : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s})
            QVERIFY(QFile::link(u"/usr/bin/"_s + name, systemFile(name)));
        placeProgram(engineFile(u"deno"_s), script("echo deno 2.5.0"));
        const QString clip = m_root->filePath(u"clip.mp4"_s);
        QVERIFY(makeClip(clip, 1));
        for (const QString &name : {u"one"_s, u"two"_s, u"three"_s})
            m_server->routeFile(u"/media/%1.mp4"_s.arg(name), clip, "video/mp4");
        const QString folder = m_root->filePath(u"Downloads"_s);
        m_settings->setValue(SettingsKey::folder, folder);
        for (const char *proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
            qunsetenv(proxy);
        auto downloader = makeDownloader();
        EngineSetup *engine = downloader->engine();
        QTRY_VERIFY(!engine->ytdlpVersion().isEmpty());
        const QString debian = engine->ytdlpVersion();
        const auto download = [&](const QString &name) {
            downloader->queue()->add(m_server->url(u"/media/%1.mp4"_s.arg(name)).toString());
            DownloadItem *item = downloader->queue()->items()->items().first();
            if (!QTest::qWaitFor([item] { return item->state().isFinished(); }, 60000) || item->stateName() != u"done")
                qWarning().noquote() << item->stateName() << item->failureMessage() << item->log().join(u'\n');
            return item;
        };

        DownloadItem *first = download(u"one"_s);
        QCOMPARE(first->stateName(), u"done"_s);
        QTRY_VERIFY(QFileInfo(engineFile(u"yt-dlp.worked"_s)).isSymLink());
        QVERIFY(!engine->keptYtdlpPath()); // the one in use is the one that worked

        const QString runs = m_root->filePath(u"runs"_s);
        const QByteArray failing =
            script("[ \"$*\" = '--ignore-config --version' ] && { echo 2099.01.01; exit 0; }\necho run >> '" + QFile::encodeName(runs)
                   + "'\necho 'ERROR: [generic] two: Unable to extract title; please report this issue' >&2\nexit 1");
        serveRelease(failing);
        engine->install(true);
        QVERIFY(installed(*downloader));
        QCOMPARE(engine->ytdlpPath(), engineFile(u"yt-dlp"_s));
        QTRY_COMPARE(engine->ytdlpVersion(), kRelease);
        QTRY_COMPARE(engine->keptYtdlpVersion(), debian);

        DownloadItem *second = download(u"two"_s);
        QCOMPARE(second->stateName(), u"done"_s);
        QCOMPARE(readFile(runs), QByteArray("run\n"));
        QCOMPARE(second->files(), QStringList{folder + u"/two.mp4"_s});
        QVERIFY(QFileInfo(folder + u"/two.mp4"_s).size() > 1000);
        QCOMPARE(second->engineNote(),
                 LF("Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado.", debian, kRelease));
        QVERIFY(second->log().contains(
            u"Vireloom: yt-dlp %1 failed; trying again with yt-dlp %2, the last one that worked"_s.arg(kRelease, debian)));
        QCOMPARE(downloader->history()->entries().size(), 2);
        QTRY_COMPARE(engine->setAsideYtdlpVersion(), kRelease);
        QCOMPARE(engine->ytdlpPath(), systemFile(u"yt-dlp"_s));
        QTRY_COMPARE(engine->ytdlpVersion(), debian);
        // The newest release is the one set aside: nothing to update to, nothing fetched.
        m_settings->setValue(SettingsKey::checkEngineUpdates, true); // the install counts as today's look
        QCOMPARE(engine->freshness(), EngineFreshness::current);
        const int fetched = m_server->requestCount(u"/storage/object-1"_s);
        QStringList statuses;
        connect(engine, &EngineSetup::installStatusChanged, this, [&] { statuses << engine->installStatus(); });
        engine->install(true);
        QVERIFY(installed(*downloader));
        QCOMPARE(statuses.value(1), LF("yt-dlp %@ foi deixado de lado depois de falhar; nada foi trocado.", kRelease));
        QCOMPARE(m_server->requestCount(u"/storage/object-1"_s), fetched);

        // Not used again: the next download goes straight to the kept one.
        DownloadItem *third = download(u"three"_s);
        QCOMPARE(third->stateName(), u"done"_s);
        QCOMPARE(third->engineNote(), QString());
        QCOMPARE(readFile(runs), QByteArray("run\n"));

        // Asked for, it is back, and the one that worked stays kept.
        engine->trySetAsideAgain();
        QTRY_COMPARE(engine->ytdlpPath(), engineFile(u"yt-dlp"_s));
        QVERIFY(!engine->hasSetAside());
        QCOMPARE(readFile(engineFile(u"yt-dlp"_s)), failing);
        QTRY_COMPARE(engine->keptYtdlpVersion(), debian);
    }

    // The nightly channel installs from the nightly builds' own releases, with sums that
    // count only under the same release key; the stable releases are not asked.
    void nightlyChannel_data()
    {
        QTest::addColumn<QString>("signer");
        QTest::addColumn<bool>("installs");
        QTest::newRow("signed by the release key") << u"release@example.invalid"_s << true;
        QTest::newRow("signed by a stranger") << kOtherSigner << false;
    }

    void nightlyChannel()
    {
        QFETCH(QString, signer);
        QFETCH(bool, installs);
        placeEverything(kWorking);
        const QString nightly = u"2099.01.02.123456"_s;
        const QString tagged = u"/yt-dlp/yt-dlp-nightly-builds/releases/download/%1/"_s.arg(nightly);
        const QByteArray body = script("echo " + nightly.toUtf8());
        m_server->redirect(Releases::ytDlp(Releases::Channel::nightly).path(), tagged + ytDlpAsset());
        m_server->route(tagged + ytDlpAsset(), {200, body});
        const QByteArray sums = sumLine(body, ytDlpAsset());
        m_server->route(tagged + u"SHA2-256SUMS"_s, {200, sums});
        m_server->route(tagged + u"SHA2-256SUMS.sig"_s, {200, sign(sums, signer)});
        m_settings->setValue(SettingsKey::engineChannel, u"nightly"_s);

        auto downloader = makeDownloader();
        downloader->engine()->install(true);
        QVERIFY(installed(*downloader));
        QCOMPARE(m_server->requestCount(ytDlpPath()), 0);
        QCOMPARE(readFile(engineFile(u"yt-dlp"_s)), installs ? body : kWorking);
        QCOMPARE(downloader->engine()->installFailure().isEmpty(), installs);
        QTRY_COMPARE(downloader->engine()->ytdlpVersion(), installs ? nightly : u"2000.01.01"_s);
        if (installs)
            QCOMPARE(downloader->engine()->ytdlpLatest(), nightly);
    }

    // ffmpeg, ffprobe and Deno are updated like yt-dlp: a new program that does not answer
    // with a version goes, and the one it replaced is back byte for byte; without one of
    // ours before it, the system's is found again.
    void componentUpdate_data()
    {
        QTest::addColumn<QString>("mute"); // the program whose new release prints nothing
        QTest::addColumn<bool>("systemBefore"); // the one in use was the system's
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("replaced");

        const QString back = LF("Falhou: %@", LF("O novo %@ não respondeu com uma versão; o anterior foi reposto.", u"ffmpeg"_s));
        QTest::newRow("all answer: all replaced")
            << QString() << false << L("Motor pronto ✓") << QStringList{u"deno"_s, u"ffmpeg"_s, u"ffprobe"_s};
        QTest::newRow("a mute ffmpeg: the previous back, nothing after it") << u"ffmpeg"_s << false << back << QStringList();
        QTest::newRow("a mute ffmpeg over the system's: removed")
            << u"ffmpeg"_s << true << LF("Falhou: %@", LF("O novo %@ não respondeu com uma versão e foi removido.", u"ffmpeg"_s))
            << QStringList();
        QTest::newRow("a mute Deno: the previous back")
            << u"deno"_s << false << LF("Falhou: %@", LF("O novo %@ não respondeu com uma versão; o anterior foi reposto.", u"deno"_s))
            << QStringList{u"ffmpeg"_s, u"ffprobe"_s};
    }

    void componentUpdate()
    {
        QFETCH(QString, mute);
        QFETCH(bool, systemBefore);
        QFETCH(QString, status);
        QFETCH(QStringList, replaced);
        const QByteArray old = script("echo 'old version 1.0'");
        placeEverything(kWorking);
        for (const QString &name : {u"ffmpeg"_s, u"ffprobe"_s, u"deno"_s})
            placeProgram(systemBefore && name == u"ffmpeg" ? systemFile(name) : engineFile(name), old);
        if (systemBefore)
            QFile::remove(engineFile(u"ffmpeg"_s));
        serveEverything();
        if (!mute.isEmpty()) {
            const QString path = mute == u"deno" ? denoPath() : componentPath(mute);
            publish(path, makeZip({{mute.toUtf8(), script("exit 1")}}), path + (mute == u"deno" ? u".sha256sum"_s : u".sha256"_s));
        }

        auto downloader = makeDownloader();
        downloader->engine()->updateOthers();
        QVERIFY(installed(*downloader));
        QCOMPARE(downloader->engine()->installStatus(), status);
        for (const QString &name : {u"deno"_s, u"ffmpeg"_s, u"ffprobe"_s}) {
            const QString inUse = systemBefore && name == u"ffmpeg" ? systemFile(name) : engineFile(name);
            QVERIFY2((readFile(inUse) != old) == replaced.contains(name), qPrintable(name));
        }
        QCOMPARE(readFile(engineFile(u"yt-dlp"_s)), kWorking);
        if (systemBefore)
            QCOMPARE(downloader->engine()->ffmpegPath(), systemFile(u"ffmpeg"_s));
        const QStringList folder = engineFolder();
        QVERIFY2(std::ranges::none_of(folder, [](const QString &name) { return name.endsWith(u".previous"_s) && name != u"yt-dlp.previous"; }),
                 qPrintable(folder.join(u' ')));
        if (replaced.contains(u"deno"_s))
            QTRY_COMPARE(downloader->engine()->denoVersion(), u"2.5.0"_s);
    }

    // ffmpeg's and Deno's latest addresses are looked at with yt-dlp's, by the program's own
    // child, and nothing is fetched then. A newer release than the engine folder's own copy
    // is offered on the downloads page's banner and the engine card's button, and so is a
    // Deno too old for yt-dlp wherever it is; "Update" then fetches only what is behind.
    void componentFreshness_data()
    {
        QTest::addColumn<ComponentFreshness>("in");
        const auto row = [](const char *name, const ComponentFreshness &in) { QTest::newRow(name) << in; };
        row("a newer Deno", {.deno = "deno 2.4.1", .title = u"A newer Deno is out"_s, .detail = u"Deno 2.5.0 is out; the installed one is 2.4.1."_s,
                             .action = u"Update Deno"_s, .fetched = {u"deno"_s}});
        row("the same Deno: nothing offered, the button fetches all", {.deno = "deno 2.5.0", .ffmpeg = "ffmpeg version 7.1.0 Copyright"});
        row("a newer ffmpeg build, over Debian's numbering",
            {.deno = "deno 2.5.0", .ffmpeg = "ffmpeg version 5.1.6-0+deb12u1 Copyright", .title = u"A newer ffmpeg is out"_s,
             .detail = u"ffmpeg 7.1 is out; the installed one is 5.1.6-0+deb12u1."_s, .action = u"Update ffmpeg"_s,
             .fetched = {u"ffmpeg"_s, u"ffprobe"_s}});
        row("both behind", {.deno = "deno 2.4.1", .ffmpeg = "ffmpeg version 6.1 Copyright", .title = u"New versions of ffmpeg and Deno are out"_s,
                            .detail = u"ffmpeg 7.1 is out; the installed one is 6.1. Deno 2.5.0 is out; the installed one is 2.4.1."_s});
        row("the system's Deno is its own to update", {.deno = "deno 2.4.1", .systemDeno = true});
        row("the system's Deno too old for yt-dlp",
            {.deno = "deno 2.1.4 (stable, release)", .systemDeno = true, .title = u"Deno needs an update"_s,
             .detail = u"Deno 2.1.4 needs an update: newer yt-dlp releases need Deno 2.3 or newer for some sites."_s,
             .action = u"Update Deno"_s, .fetched = {u"deno"_s}});
    }

    void componentFreshness()
    {
        QFETCH(ComponentFreshness, in);
        const auto &[deno, systemDeno, ffmpeg, title, detail, action, fetched] = in;
        placeEverything(kWorking);
        placeProgram(engineFile(u"ffmpeg"_s), script("echo '" + ffmpeg + "'"));
        if (systemDeno)
            QFile::remove(engineFile(u"deno"_s));
        placeProgram(systemDeno ? systemFile(u"deno"_s) : engineFile(u"deno"_s), script("echo '" + deno + "'"));
        // yt-dlp is at its latest: the banner has nothing of its own to say.
        m_server->redirect(ytDlpPath(), u"/yt-dlp/yt-dlp/releases/download/2000.01.01/"_s + ytDlpAsset());
        const QString denoRelease = u"/denoland/deno/releases/download/v2.5.0/"_s + Releases::deno().fileName();
        m_server->redirect(denoPath(), denoRelease);
        publish(denoRelease, makeZip({{"deno", script("echo 'deno 2.5.0 (stable, release)'")}}), denoRelease + u".sha256sum"_s);
        // The mirror names a build's folder by when it was made and the version it holds.
        QHash<QString, QString> builds;
        for (const QString &name : {u"ffmpeg"_s, u"ffprobe"_s}) {
            builds[name] = u"/download/1767000000_7.1/%1.zip"_s.arg(name);
            m_server->redirect(componentPath(name), builds[name]);
            publish(builds[name], makeZip({{name.toUtf8(), script("echo '" + name.toUtf8() + " version 7.1 Copyright'")}}),
                    builds[name] + u".sha256"_s);
        }
        FreshnessMonitor::setCheckProgram(QStringLiteral(VIRELOOM_APP));
        const auto inProcess = qScopeGuard([] { FreshnessMonitor::setCheckProgram(QString()); });
        m_settings->setValue(SettingsKey::checkEngineUpdates, true);

        auto downloader = makeDownloader();
        EngineSetup *engine = downloader->engine();
        EngineBannerTexts banner;
        banner.setEngine(engine);
        QTRY_COMPARE(engine->denoLatest(), u"2.5.0"_s);
        QTRY_COMPARE(engine->ffmpegLatest(), u"7.1"_s);
        QTRY_COMPARE(engine->freshness(), EngineFreshness::current);
        QTRY_VERIFY(!engine->denoVersion().isEmpty() && !engine->ffmpegVersion().isEmpty());
        QCOMPARE(banner.shown() ? banner.title() : QString(), title);
        QCOMPARE(banner.shown() ? banner.detail() : QString(), detail);
        if (!title.isEmpty())
            QCOMPARE(banner.action(), action);
        QCOMPARE(banner.othersAction(), action);
        QCOMPARE(m_server->requestCount(denoPath()), 1);
        QCOMPARE(m_server->requestCount(componentPath(u"ffmpeg"_s)), 1);
        QCOMPARE(m_server->requestCount(denoRelease) + m_server->requestCount(builds[u"ffmpeg"_s]), 0); // looked at, never fetched

        engine->updateOthers();
        QVERIFY(installed(*downloader));
        QCOMPARE(engine->installStatus(), u"Engine ready ✓"_s);
        QCOMPARE(m_server->requestCount(denoRelease) > 0, fetched.contains(u"deno"_s));
        for (const QString &name : {u"ffmpeg"_s, u"ffprobe"_s})
            QVERIFY2((m_server->requestCount(builds[name]) > 0) == fetched.contains(name), qPrintable(name));
        QTRY_VERIFY(!banner.shown());
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("sumsMatch");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");

        QTest::newRow("update") << u"--update-engine"_s << true << 0
                                << u"Downloading yt-dlp…\nyt-dlp 2099.01.01 installed and verified ✓\nEngine ready ✓\n"_s;
        QTest::newRow("update refused") << u"--update-engine"_s << false << 1
                                        << u"Downloading yt-dlp…\nFailed: The SHA-256 sum of %1 doesn’t match SHA2-256SUMS\n"_s.arg(
                                               ytDlpAsset());
        QTest::newRow("status") << u"--engine-status"_s << true << 0
                                << u"yt-dlp: %1/yt-dlp (2000.01.01)\nffmpeg: %1/ffmpeg\nffprobe: %1/ffprobe\ndeno: %1/deno\n"
                                   "A newer yt-dlp is out: 2099.01.01 (this one is 2000.01.01).\n"_s;
        QTest::newRow("status with an old Deno")
            << u"--engine-status"_s << true << 0
            << u"yt-dlp: %1/yt-dlp (2000.01.01)\nffmpeg: %1/ffmpeg\nffprobe: %1/ffprobe\ndeno: %1/deno (2.1.4)\n"
               "Deno 2.1.4 needs an update: newer yt-dlp releases need Deno 2.3 or newer for some sites.\n"
               "A newer yt-dlp is out: 2099.01.01 (this one is 2000.01.01).\n"
               "A newer Deno is out: 2.5.0 (this one is 2.1.4).\n"_s;
    }

    // The program run from a script: no window, one line per step, and an exit code to go by.
    void commandLine()
    {
        QFETCH(QString, option);
        QFETCH(bool, sumsMatch);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        placeEverything(kWorking);
        if (QByteArrayView(QTest::currentDataTag()).contains("old Deno"))
            placeProgram(engineFile(u"deno"_s), script("echo 'deno 2.1.4 (stable, release, x86_64-unknown-linux-gnu)'"));
        const QByteArray release = script("echo 2099.01.01");
        serveRelease(release, sumsMatch ? QByteArray() : sumLine("other", ytDlpAsset()));
        m_settings->setValue(SettingsKey::checkEngineUpdates, true);
        m_settings->setValue(SettingsKey::engineLatest, kRelease);
        m_settings->setValue(u"engineLatestDeno"_s, u"2.5.0"_s);
        m_settings.reset(); // written out for the program to read

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_DATA_HOME"_s, m_root->filePath(u"data"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, m_root->filePath(u"config"_s));
        env.remove(u"DISPLAY"_s);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VIRELOOM_APP), {option});
        QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 30000);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), QString(out).replace(u"%1"_s, Tools::binDir()));
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(readFile(engineFile(u"yt-dlp"_s)), exitCode == 0 && option == u"--update-engine" ? release : kWorking);
    }

    void freshness_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("hoursSinceLastCheck"); // -1: never checked
        QTest::addColumn<QString>("release"); // empty: the address answers 404
        QTest::addColumn<QString>("program"); // that makes the look as a child; empty: none
        QTest::addColumn<int>("looks");
        QTest::addColumn<EngineFreshness>("freshness");
        using F = EngineFreshness;

        // Each look is made by the application's own child, as when it runs.
        const QString app = QStringLiteral(VIRELOOM_APP);
        QTest::newRow("a newer release through the redirect") << true << -1 << kRelease << app << 1 << F::updateAvailable;
        QTest::newRow("the running release is the latest") << true << -1 << u"2000.01.01"_s << app << 1 << F::current;
        QTest::newRow("checked an hour ago: the stored answer") << true << 1 << kRelease << app << 0 << F::updateAvailable;
        QTest::newRow("checked a day ago: asks again") << true << 25 << kRelease << app << 1 << F::updateAvailable;
        QTest::newRow("turned off: never asks, and an old engine is outdated") << false << -1 << kRelease << app << 0 << F::outdated;
        QTest::newRow("no answer: an old engine is outdated") << true << -1 << QString() << app << 1 << F::outdated;
        QTest::newRow("no child to ask: outdated") << true << -1 << kRelease << u"/nonexistent/vireloom"_s << 0 << F::outdated;
        QTest::newRow("asked in this process") << true << -1 << kRelease << QString() << 1 << F::updateAvailable;
    }

    void freshness()
    {
        QFETCH(bool, enabled);
        QFETCH(int, hoursSinceLastCheck);
        QFETCH(QString, release);
        QFETCH(QString, program);
        QFETCH(int, looks);
        QFETCH(EngineFreshness, freshness);
        placeEverything(kWorking);
        FreshnessMonitor::setCheckProgram(program);
        const auto inProcess = qScopeGuard([] { FreshnessMonitor::setCheckProgram(QString()); });
        m_settings->setValue(SettingsKey::checkEngineUpdates, enabled);
        if (hoursSinceLastCheck >= 0) {
            m_settings->setValue(SettingsKey::engineLatest, kRelease);
            m_settings->setValue(SettingsKey::engineCheckedAt,
                                 QDateTime::currentDateTimeUtc().addSecs(-3600 * hoursSinceLastCheck).toString(Qt::ISODate));
        }
        const QString tagged = u"/yt-dlp/yt-dlp/releases/download/%1/%2"_s.arg(release, ytDlpAsset());
        if (release.isEmpty())
            m_server->route(ytDlpPath(), {404, "none"});
        else
            m_server->redirect(ytDlpPath(), tagged);

        auto downloader = makeDownloader();
        QTRY_COMPARE(downloader->engine()->ytdlpVersion(), u"2000.01.01"_s);
        QTRY_COMPARE(m_server->requestCount(ytDlpPath()), looks);
        QTRY_COMPARE(downloader->engine()->freshness(), freshness);
        QCOMPARE(m_server->requestCount(tagged), 0); // looked at, never fetched
        if (looks > 0 && !release.isEmpty())
            QCOMPARE(downloader->engine()->ytdlpLatest(), release);

        // Turning the check on asks at once, when a day has passed.
        if (!enabled) {
            m_settings->setValue(SettingsKey::checkEngineUpdates, true);
            QTRY_COMPARE(downloader->engine()->freshness(), EngineFreshness::updateAvailable);
            QCOMPARE(m_server->requestCount(ytDlpPath()), 1);
        }
    }

    void unzipRefusesEscapes_data()
    {
        QTest::addColumn<QList<ZipEntry>>("entries");

        QTest::newRow("parent folder") << QList<ZipEntry>{{"ffmpeg", "ok"}, {"../escaped", "x"}};
        QTest::newRow("parent inside the path") << QList<ZipEntry>{{"sub/../../escaped", "x"}};
        QTest::newRow("absolute path") << QList<ZipEntry>{{"/tmp/vireloom-escaped", "x"}};
        QTest::newRow("link to an absolute path") << QList<ZipEntry>{{"ffmpeg", {}, 0777, "/etc/passwd"}};
        QTest::newRow("link climbing out") << QList<ZipEntry>{{"sub/link", {}, 0777, "../../escaped"}};
        QTest::newRow("block device") << QList<ZipEntry>{{"ffmpeg", "ok"}, {"disk", {}, 0666, {}, AE_IFBLK}};
        QTest::newRow("character device") << QList<ZipEntry>{{"null", {}, 0666, {}, AE_IFCHR}};
    }

    void unzipRefusesEscapes()
    {
        QFETCH(QList<ZipEntry>, entries);
        const QString into = m_root->filePath(u"support/bin"_s);
        QDir().mkpath(into);
        const QString zip = m_root->filePath(u"support/bad.zip"_s);
        QVERIFY(writeFile(zip, makeZip(entries)));
        auto attempt = std::async(std::launch::async, [&] { Tools::unzip(zip, into); });
        try {
            attempt.get();
            QFAIL("the archive was accepted");
        } catch (const VireloomError &error) {
            QVERIFY2(error.description().startsWith(u"Couldn’t unzip bad.zip: "_s), qPrintable(error.description()));
        }
        QVERIFY(QFile::exists(zip));
        QCOMPARE(QDir(into).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System), QStringList());
        QVERIFY(!QFile::exists(m_root->filePath(u"support/escaped"_s)));
        QVERIFY(!QFile::exists(m_root->filePath(u"escaped"_s)));
        QVERIFY(!QFile::exists(u"/tmp/vireloom-escaped"_s));
    }

    // An archive is merged into its folder: what it holds replaces what is there and the rest
    // stays. Whatever modes it gives its entries, programs come out 0755 and everything else
    // 0644: no set-ID or sticky bits, nothing others may write.
    void unzipMergesWithModesOfItsOwn()
    {
        const QString into = m_root->filePath(u"engine"_s);
        QDir().mkpath(into + u"/lib"_s);
        for (const QString &name : {u"ffmpeg"_s, u"keep"_s, u"lib/old"_s})
            QVERIFY(writeFile(QDir(into).filePath(name), "old"));
        const QString zip = m_root->filePath(u"ffmpeg.zip"_s);
        QVERIFY(writeFile(zip, makeZip({{"lib/", {}, 01777, {}, AE_IFDIR},
                                        {"ffmpeg", "set-user-ID", 04777},
                                        {"ffprobe", "set-group-ID", 02711},
                                        {"shared", "sticky", 01775},
                                        {"lib/data", "world-writable", 0666},
                                        {"lib/private", "owner only", 0600},
                                        {"./readme", "group-writable", 0460}})));

        std::async(std::launch::async, [&] { Tools::unzip(zip, into); }).get();
        QVERIFY(!QFile::exists(zip));
        QStringList contents;
        for (const QString &name : {u"ffmpeg"_s, u"keep"_s, u"lib/old"_s, u"readme"_s})
            contents << name + u'=' + QString::fromUtf8(readFile(QDir(into).filePath(name)));
        QCOMPARE(contents, (QStringList{u"ffmpeg=set-user-ID"_s, u"keep=old"_s, u"lib/old=old"_s, u"readme=group-writable"_s}));
        QStringList modes;
        for (const QString &name : {u"lib"_s, u"ffmpeg"_s, u"ffprobe"_s, u"shared"_s, u"lib/data"_s, u"lib/private"_s, u"readme"_s})
            modes << name + u' ' + QString::number(modeOf(QDir(into).filePath(name)), 8);
        QCOMPARE(modes, (QStringList{u"lib 755"_s, u"ffmpeg 755"_s, u"ffprobe 755"_s, u"shared 755"_s, u"lib/data 644"_s,
                                     u"lib/private 644"_s, u"readme 644"_s}));
        QCOMPARE(QDir(into).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{u"ffmpeg"_s, u"ffprobe"_s, u"keep"_s, u"lib"_s, u"readme"_s, u"shared"_s}));
    }

private:
    // ffmpeg's two programs and Deno, each beside its sums; yt-dlp is serveRelease's.
    void serveEverything()
    {
        for (const QString &name : {u"ffmpeg"_s, u"ffprobe"_s})
            publish(componentPath(name), makeZip({{name.toUtf8(), script("echo '" + name.toUtf8() + " version 7.1 Copyright'")}}),
                    componentPath(name) + u".sha256"_s);
        publish(denoPath(), makeZip({{"deno", script("echo 'deno 2.5.0 (stable, release)'")}}), denoPath() + u".sha256sum"_s);
    }

    // yt-dlp the way its site serves it: the latest address redirects to the tagged
    // release, whose file redirects on to storage; the release lists its sums.
    void serveRelease(const QByteArray &body, const QByteArray &sums = {})
    {
        m_server->redirect(ytDlpPath(), taggedPath(ytDlpAsset()));
        m_server->redirect(taggedPath(ytDlpAsset()), m_server->url(u"/storage/object-1"_s).toString(), 302);
        m_server->route(u"/storage/object-1"_s, {200, body});
        serveSums(sums.isNull() ? sumLine(body, ytDlpAsset()) : sums);
    }

    // The release's sums, signed with the release key.
    void serveSums(const QByteArray &sums)
    {
        m_server->route(taggedPath(u"SHA2-256SUMS"_s), {200, sums});
        m_server->route(taggedPath(u"SHA2-256SUMS.sig"_s), {200, sign(sums)});
    }

    QByteArray sign(const QByteArray &data, const QString &signer = u"release@example.invalid"_s)
    {
        const std::optional<QByteArray> signature =
            gpg(m_gnupg.path(), {u"--local-user"_s, signer, u"--detach-sign"_s, u"--output"_s, u"-"_s}, data);
        if (!signature)
            qFatal("cannot sign with the test's key");
        return *signature;
    }

    QString ytDlpPath() const { return Releases::ytDlp().path(); }
    QString ytDlpAsset() const { return Releases::ytDlp().fileName(); }
    QString taggedPath(const QString &file) const { return u"/yt-dlp/yt-dlp/releases/download/%1/%2"_s.arg(kRelease, file); }
    QString componentPath(const QString &name) const { return Releases::ffmpegComponent(name).path(); }
    QString denoPath() const { return Releases::deno().path(); }
    QString engineFile(const QString &name) const { return QDir(Tools::binDir()).filePath(name); }
    QString systemFile(const QString &name) const { return m_root->filePath(u"system-bin/"_s + name); }
    QStringList engineFolder() const
    {
        return QDir(Tools::binDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    }
    void publish(const QString &path, const QByteArray &body, const QString &sumsPath)
    {
        m_server->route(path, {200, body});
        const QString name = path.section(u'/', -1);
        m_server->route(sumsPath, {200, sumLine("other", u"yt-dlp.exe"_s) + sumLine(body, name)});
    }

    void placeProgram(const QString &path, const QByteArray &content = script("exit 0"))
    {
        QVERIFY(writeFile(path, content));
        Tools::makeExecutable(path);
    }

    // Programs already there; a name with "system/" goes to the system's folder.
    void place(const QStringList &names, const QByteArray &content)
    {
        for (const QString &name : names)
            placeProgram(name.startsWith(u"system/"_s) ? systemFile(name.mid(7)) : engineFile(name), content);
    }

    void placeEverything(const QByteArray &ytdlp)
    {
        placeProgram(engineFile(u"yt-dlp"_s), ytdlp);
        for (const QString &name : {u"ffmpeg"_s, u"ffprobe"_s, u"deno"_s})
            placeProgram(engineFile(name));
    }

    std::unique_ptr<Downloader> makeDownloader() { return std::make_unique<Downloader>(m_settings.get()); }
    static bool installed(Downloader &downloader)
    {
        return QTest::qWaitFor([&downloader] { return !downloader.engine()->installing(); }, 30000);
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<Settings> m_settings;
    QTemporaryDir m_gnupg;
};

QTEST_GUILESS_MAIN(TestEngineInstall)
#include "tst_engineinstall.moc"
