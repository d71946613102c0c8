#include "base/childprocess.h"
#include "base/format.h"
#include "base/paths.h"
#include "base/storedfile.h"
#include "base/terminal.h"
#include "base/vireloomerror.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>
#include <future>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcTest, "vireloom.test")

namespace {

// The size a stored file may not grow past in the child that saves under a limit.
constexpr rlim_t kFileSizeLimit = 4096;

int modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// A stored file read as one entry of its bytes.
StoredFile::Loaded<QByteArray> loadBytes(const QString &path)
{
    const auto decode = [](const QByteArray &bytes) { return std::optional<QList<QByteArray>>({bytes}); };
    return StoredFile::load<QByteArray>(path, decode, lcTest(), "test file");
}

} // namespace

class TestBase : public QObject
{
    Q_OBJECT

    QString makeProgram(const QString &folder, const QString &name, bool executable)
    {
        QFile file(QDir(folder).filePath(name));
        QFileDevice::Permissions perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (executable)
            perms |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\necho hi\n") < 0 || !file.setPermissions(perms))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    static bool writeFileWithMode(const QString &path, int mode)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("x") == 1
               && ::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)) == 0;
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_system1;
    QString m_system2;

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_system1 = m_root->filePath(u"usr-local-bin"_s);
        m_system2 = m_root->filePath(u"usr-bin"_s);
        QVERIFY(QDir().mkpath(m_system1) && QDir().mkpath(m_system2));
        Tools::setLocations({m_root->filePath(u"support/Vireloom"_s), {m_system1, m_system2}, m_root->filePath(u"cache/Vireloom"_s)});
    }

    void findLooksOnlyInItsOwnFolders()
    {
        const QString engine = makeProgram(Tools::binDir(), u"yt-dlp"_s, true);
        const QString local = makeProgram(m_system1, u"yt-dlp"_s, true);
        const QString system = makeProgram(m_system2, u"yt-dlp"_s, true);
        QCOMPARE(Tools::find(u"yt-dlp"_s), engine);
        makeProgram(Tools::binDir(), u"yt-dlp"_s, false);
        QCOMPARE(Tools::find(u"yt-dlp"_s), local);
        QFile::remove(local);
        QCOMPARE(Tools::find(u"yt-dlp"_s), system);

        // A folder with the program's name is not the program.
        QDir(Tools::binDir()).mkdir(u"deno"_s);
        QCOMPARE(Tools::find(u"deno"_s), std::nullopt);
        // Nor does the inherited PATH count: the user's own folders may hold anything.
        const QString own = m_root->filePath(u"my-bin"_s);
        QVERIFY(QDir().mkpath(own));
        makeProgram(own, u"ffmpeg"_s, true);
        qputenv("PATH", own.toLocal8Bit() + ':' + qgetenv("PATH"));
        QCOMPARE(Tools::find(u"ffmpeg"_s), std::nullopt);
    }

    // What an engine program really sees, with the application started on a PATH and
    // language of its own: a fixed PATH, English in UTF-8, and an empty private folder to run in.
    void engineProcessEnvironment()
    {
        qputenv("PATH", "/opt/mine:/usr/bin");
        qputenv("LANG", "de_DE.UTF-8");
        QProcess child;
        Tools::prepareEngineProcess(child);
        child.start(u"/bin/sh"_s, {u"-c"_s, u"printf '%s|%s|%s|%s|' \"$PATH\" \"$LANG\" \"$PYTHONIOENCODING\" \"$HOME\"; pwd -P"_s});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(),
                 Tools::binDir() + u":/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin|en_US.UTF-8|utf-8|"_s + qEnvironmentVariable("HOME") + u'|'
                     + QFileInfo(Tools::engineWorkDir()).canonicalFilePath());
    }

    // A save replaces the file in one step: a reader that opened the old file keeps reading
    // it whole, as a second name for it shows, and the new content arrives whole under the name.
    void storedFileIsReplacedNotRewritten()
    {
        const QString path = m_root->filePath(u"kept/list.json"_s);
        QVERIFY(StoredFile::save(path, "old", lcTest(), "test file"));
        const QString otherName = m_root->filePath(u"old-list.json"_s);
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(otherName).constData()), 0);
        QVERIFY(StoredFile::save(path, "new and longer", lcTest(), "test file"));
        QCOMPARE(readFile(path), QByteArray("new and longer"));
        QCOMPARE(readFile(otherName), QByteArray("old"));
        QCOMPARE(modeOf(path), 0600);
    }

    // A save that cannot be completed, because the disk refuses more or the process is killed
    // for writing past its limit, leaves the old file as it was.
    void storedFileSurvivesAnUnfinishedSave_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("the write fails") << false;
        QTest::newRow("killed while writing") << true;
    }

    void storedFileSurvivesAnUnfinishedSave()
    {
        QFETCH(bool, killed);
        const QString path = m_root->filePath(u"list.json"_s);
        const QByteArray old(1000, 'o');
        QVERIFY(StoredFile::save(path, old, lcTest(), "test file"));

        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({u"--save"_s, path, QString::number(kFileSizeLimit * 4)});
        child.setChildProcessModifier([killed] {
            const rlimit limit{kFileSizeLimit, kFileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
            signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
        });
        child.start();
        QVERIFY(child.waitForFinished(30000));
        if (killed) {
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            QCOMPARE(child.exitCode(), SIGXFSZ);
        } else {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 1);
            // Nothing half-written stays beside it either.
            QCOMPARE(QDir(m_root->path()).entryList({u"list.json*"_s}, QDir::Files | QDir::Hidden), QStringList{u"list.json"_s});
        }
        QCOMPARE(readFile(path), old);
    }

    // Where the file system has no unnamed temporary files, a save killed midway leaves its
    // named one beside the file; the next load removes it, and nothing else.
    void storedFileLoadRemovesWhatAKilledSaveLeft()
    {
        const QString path = m_root->filePath(u"list.json"_s);
        QVERIFY(StoredFile::save(path, "old", lcTest(), "test file"));
        // Only the first is a killed save's; the others are too short or long, not plain
        // letters, set aside, or another file's.
        const QStringList kept{u"alist.json.Ab12Cd"_s, u"list.json"_s, u"list.json.Ab12C"_s, u"list.json.Ab12Cde"_s,
                               u"list.json.Ab12C\u00e9"_s, u"list.json.unreadable-20261209-120000"_s};
        for (const QString &name : kept.mid(2) << u"alist.json.Ab12Cd"_s << u"list.json.Ab12Cd"_s)
            QVERIFY(writeFile(m_root->filePath(name), "left"));
        const auto loaded = StoredFile::load<QByteArray>(
            path, [](const QByteArray &bytes) { return std::optional(QList{bytes}); }, lcTest(), "test file");
        QCOMPARE(loaded.entries, QList<QByteArray>{"old"});
        QCOMPARE(QDir(m_root->path()).entryList({u"*list.json*"_s}, QDir::Files | QDir::Hidden, QDir::Name), kept);
    }

    // A stored file that is a link, pointing anywhere, is replaced by a file of its own: what
    // it pointed at keeps its content and its mode.
    void storedFileThatIsALinkIsNotWrittenThrough_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("to a file") << true;
        QTest::newRow("pointing nowhere") << false;
    }

    void storedFileThatIsALinkIsNotWrittenThrough()
    {
        QFETCH(bool, targetExists);
        const QString target = m_root->filePath(u"elsewhere/.profile"_s);
        QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()));
        if (targetExists)
            QVERIFY(writeFileWithMode(target, 0644) && writeFile(target, "[{\"kept\":1}]"));
        const QString path = m_root->filePath(u"list.json"_s);
        QVERIFY(QFile::link(target, path));
        QCOMPARE(loadBytes(path).entries, targetExists ? QList<QByteArray>{"[{\"kept\":1}]"} : QList<QByteArray>{});
        QVERIFY(StoredFile::save(path, "new", lcTest(), "test file"));

        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(readFile(path), QByteArray("new"));
        QCOMPARE(QFileInfo::exists(target), targetExists);
        if (targetExists) {
            QCOMPARE(readFile(target), QByteArray("[{\"kept\":1}]"));
            QCOMPARE(modeOf(target), 0644);
        }
    }

    // Only a regular file is read: a FIFO would block the start for good. It is set aside,
    // like a file that cannot be decoded, and a new file takes its place at the next save.
    void storedFileThatIsNoRegularFileIsSetAside()
    {
        const QString path = m_root->filePath(u"list.json"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        auto loaded = std::async(std::launch::async, [&] { return loadBytes(path); });
        if (loaded.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            // Lets the blocked reader go, so that the test ends.
            QFile writer(path);
            QVERIFY(writer.open(QIODevice::WriteOnly));
            QFAIL("reading the stored file waited on a FIFO");
        }
        const StoredFile::Loaded<QByteArray> result = loaded.get();
        QVERIFY(result.entries.isEmpty());
        QVERIFY(result.writable);
        QVERIFY(result.setAside.startsWith(path + u".unreadable-"_s));
        QVERIFY(!QFileInfo(result.setAside).isFile());
        QCOMPARE(StoredFile::kindOf(path), StoredFile::Kind::missing);
    }

    // Text from outside printed on a terminal keeps its words and loses what would command
    // the terminal.
    void terminalText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString r(QChar::ReplacementCharacter);
        QTest::newRow("plain") << u"Ep. 3 — «Título» 日本"_s << u"Ep. 3 — «Título» 日本"_s;
        QTest::newRow("title and clear") << u"\x1b]0;pwned\x07\x1b[2Jx"_s << r + u"]0;pwned"_s + r + r + u"[2Jx"_s;
        QTest::newRow("C1 introducer") << u"a\u009b31mb"_s << u"a"_s + r + u"31mb"_s;
        QTest::newRow("delete and NUL") << QString(u"a\x7f"_s + QChar(0) + u"b"_s) << u"a"_s + r + r + u"b"_s;
        QTest::newRow("bidi override and isolate") << u"\u202egnp.exe \u2066x\u2069"_s << r + u"gnp.exe "_s + r + u"x"_s + r;
        QTest::newRow("lines and fields stay") << u"a\tb\nc"_s << u"a\tb\nc"_s;
        QTest::newRow("carriage return") << u"safe\rEVIL"_s << u"safe"_s + r + u"EVIL"_s;
    }

    void terminalText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(::terminalText(text), shown);
    }

    // What the application keeps is the user's alone; what runs leave behind goes at the
    // next start.
    void privateFilesAndFolders()
    {
        // An existing support folder, made by an older release, is made private too.
        const QString support = Tools::locations().supportDir;
        QVERIFY(QDir().mkpath(support));
        QVERIFY(QFile::setPermissions(support, QFileDevice::Permissions(0x7755)));
        for (const QString &folder : {Tools::supportDir(), Tools::privateDir(), Tools::engineWorkDir()})
            QCOMPARE(modeOf(folder), 0700);

        const QString secret = Tools::privateDir() + u"/run.conf"_s;
        QVERIFY(writeFileWithMode(secret, 0644));
        QVERIFY(Tools::writePrivateFile(secret, "--proxy 'http://me:pw@p:1'\n"));
        QCOMPARE(modeOf(secret), 0600);
        QCOMPARE(QFile(secret).size(), 27);

        QVERIFY(writeFileWithMode(Tools::engineWorkDir() + u"/yt-dlp.conf"_s, 0600));
        QVERIFY(QDir().mkpath(Tools::supportDir() + u"/cookies"_s));
        QVERIFY(writeFileWithMode(Tools::supportDir() + u"/cookies/old.txt"_s, 0644));
        Tools::clearRunLeftovers();
        QCOMPARE(QDir(Tools::privateDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(QDir(Tools::engineWorkDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(!QFileInfo::exists(Tools::supportDir() + u"/cookies"_s));
    }

    void fmtTime_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << u"0:00"_s;
        QTest::newRow("negative zero") << -0.0 << u"0:00"_s;
        QTest::newRow("half rounds up") << 59.5 << u"1:00"_s;
        QTest::newRow("just under half") << 59.49 << u"0:59"_s;
        QTest::newRow("last minute of the hour") << 3599.0 << u"59:59"_s;
        QTest::newRow("rounds into the hour") << 3599.5 << u"1:00:00"_s;
        QTest::newRow("hours not capped") << (25 * 3600.0 + 61) << u"25:01:01"_s;
        QTest::newRow("negative") << -1.0 << QString();
        QTest::newRow("small negative") << -0.2 << QString();
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QString();
        QTest::newRow("not a number") << std::nan("") << QString();
        QTest::newRow("beyond 64 bits") << 1e300 << QString();
    }

    void fmtTime()
    {
        QFETCH(double, seconds);
        QFETCH(QString, expected);
        QCOMPARE(Tools::fmtTime(seconds), expected);
    }

    void fmtBytes()
    {
        // Decimal units: 12.3 million bytes read as 12.3 MB, not 11.7 MiB.
        const QString size = Tools::fmtBytes(12'300'000.9);
        QVERIFY2((size.contains(u"12.3"_s) || size.contains(u"12,3"_s)) && size.contains(u"MB"_s), qPrintable(size));
        QVERIFY(Tools::fmtBytes(1'500'000'000).contains(u"GB"_s));
        QCOMPARE(Tools::fmtBytes(std::nan("")), QString());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The child of storedFileSurvivesAnUnfinishedSave: one save of that many bytes.
    if (argc == 4 && qstrcmp(argv[1], "--save") == 0)
        return StoredFile::save(QFile::decodeName(argv[2]), QByteArray(atoi(argv[3]), 'n'), lcTest(), "test file") ? 0 : 1;
    TestBase test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_base.moc"
