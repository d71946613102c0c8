#include "tools/toolrun.h"
#include "tools/tools.h"
#include "tools/vireloomerror.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cmath>
#include <future>
#include <limits>

using namespace Qt::StringLiterals;

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void supportAndEngineFoldersAreCreated();
    void findPrefersTheEngineFolder();
    void findSkipsFilesThatCannotRun();
    void findIgnoresTheInheritedPath();
    void childEnvironment();
    void runDrainsBothStreams();
    void runReportsExitStatusAndDecodesUtf8();
    void runThrowsWhenTheProgramCannotStart();
    void asyncRunOnTheEventLoop();
    void asyncRunThatCannotStart();
    void stoppedAsyncRunStaysQuiet();
    void fmtTime_data();
    void fmtTime();
    void fmtBytes();

private:
    void makeProgram(const QString &folder, const QString &name, bool executable);
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_system1;
    QString m_system2;
};

void TestTools::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_system1 = m_root->filePath(u"usr-local-bin"_s);
    m_system2 = m_root->filePath(u"usr-bin"_s);
    QDir().mkpath(m_system1);
    QDir().mkpath(m_system2);
    Tools::setLocations({m_root->filePath(u"support/Vireloom"_s), {m_system1, m_system2}});
}

void TestTools::makeProgram(const QString &folder, const QString &name, bool executable)
{
    QFile file(QDir(folder).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho hi\n");
    file.close();
    QFileDevice::Permissions perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        perms |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QVERIFY(file.setPermissions(perms));
}

void TestTools::supportAndEngineFoldersAreCreated()
{
    const QString bin = Tools::binDir();
    QCOMPARE(bin, m_root->filePath(u"support/Vireloom/bin"_s));
    QVERIFY(QFileInfo(bin).isDir());
    QDir(Tools::supportDir()).removeRecursively();
    QVERIFY(QFileInfo(Tools::supportDir()).isDir());
    QVERIFY(!Tools::defaultFolder().isEmpty());
}

void TestTools::findPrefersTheEngineFolder()
{
    makeProgram(Tools::binDir(), u"yt-dlp"_s, true);
    makeProgram(m_system1, u"yt-dlp"_s, true);
    makeProgram(m_system2, u"yt-dlp"_s, true);
    QCOMPARE(Tools::find(u"yt-dlp"_s), QDir(Tools::binDir()).filePath(u"yt-dlp"_s));

    QFile::remove(QDir(Tools::binDir()).filePath(u"yt-dlp"_s));
    QCOMPARE(Tools::find(u"yt-dlp"_s), QDir(m_system1).filePath(u"yt-dlp"_s));

    QFile::remove(QDir(m_system1).filePath(u"yt-dlp"_s));
    QCOMPARE(Tools::find(u"yt-dlp"_s), QDir(m_system2).filePath(u"yt-dlp"_s));
}

void TestTools::findSkipsFilesThatCannotRun()
{
    makeProgram(Tools::binDir(), u"yt-dlp"_s, false);
    makeProgram(m_system1, u"yt-dlp"_s, true);
    QCOMPARE(Tools::find(u"yt-dlp"_s), QDir(m_system1).filePath(u"yt-dlp"_s));

    // A folder with the program's name is not the program.
    QDir(Tools::binDir()).mkdir(u"deno"_s);
    QCOMPARE(Tools::find(u"deno"_s), std::nullopt);
}

void TestTools::findIgnoresTheInheritedPath()
{
    const QString own = m_root->filePath(u"my-bin"_s);
    QDir().mkpath(own);
    makeProgram(own, u"ffmpeg"_s, true);
    qputenv("PATH", own.toLocal8Bit() + ':' + qgetenv("PATH"));
    QCOMPARE(Tools::find(u"ffmpeg"_s), std::nullopt);
}

void TestTools::childEnvironment()
{
    QProcessEnvironment base;
    base.insert(u"PATH"_s, u"/home/me/bin:/usr/bin"_s);
    base.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
    base.insert(u"HOME"_s, u"/home/me"_s);
    const QProcessEnvironment env = Tools::envFrom(base, u"/data/Vireloom/bin"_s);
    QCOMPARE(env.value(u"PATH"_s), u"/data/Vireloom/bin:/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin"_s);
    QCOMPARE(env.value(u"LANG"_s), u"en_US.UTF-8"_s);
    QCOMPARE(env.value(u"PYTHONIOENCODING"_s), u"utf-8"_s);
    QCOMPARE(env.value(u"HOME"_s), u"/home/me"_s);

    // What a child really sees, with the application started on a PATH of its own.
    qputenv("PATH", "/opt/mine:/usr/bin");
    const auto seen = std::async(std::launch::async, [] {
        return Tools::run(u"/bin/sh"_s, {u"-c"_s, u"printf %s \"$PATH\""_s}, Tools::env());
    }).get();
    QCOMPARE(seen.out, Tools::binDir() + u":/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin"_s);
}

void TestTools::runDrainsBothStreams()
{
    // Several megabytes on standard error and some on standard output, interleaved,
    // well past what a pipe buffers: a runner that reads one stream at a time hangs.
    const QString script = u"i=0; while [ $i -lt 40 ]; do head -c 100000 /dev/zero | tr '\\0' e >&2; "
                           "head -c 1000 /dev/zero | tr '\\0' o; i=$((i+1)); done"_s;
    const RunResult result = std::async(std::launch::async, [&] {
        return Tools::run(u"/bin/sh"_s, {u"-c"_s, script});
    }).get();
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err.size(), 4000000);
    QCOMPARE(result.out.size(), 40000);
    QCOMPARE(result.err.count(u'e'), 4000000);
}

void TestTools::runReportsExitStatusAndDecodesUtf8()
{
    const RunResult result = std::async(std::launch::async, [] {
        return Tools::run(u"/bin/sh"_s, {u"-c"_s, u"printf 'caf\\303\\251 \\377'; printf 'bad' >&2; exit 3"_s});
    }).get();
    QCOMPARE(result.status, 3);
    QCOMPARE(result.out, u"café \uFFFD"_s);
    QCOMPARE(result.err, u"bad"_s);
}

void TestTools::runThrowsWhenTheProgramCannotStart()
{
    const QString missing = m_root->filePath(u"no-such-program"_s);
    auto attempt = std::async(std::launch::async, [&] { return Tools::run(missing, {}); });
    QVERIFY_THROWS_EXCEPTION(VireloomError, attempt.get());

    makeProgram(m_root->path(), u"not-executable"_s, false);
    auto second = std::async(std::launch::async, [&] { return Tools::run(m_root->filePath(u"not-executable"_s), {}); });
    QVERIFY_THROWS_EXCEPTION(VireloomError, second.get());
}

void TestTools::asyncRunOnTheEventLoop()
{
    ToolRun run;
    QSignalSpy finished(&run, &ToolRun::finished);
    QSignalSpy failed(&run, &ToolRun::failedToStart);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"GREETING"_s, u"olá"_s);
    run.start(u"/bin/sh"_s, {u"-c"_s, u"head -c 3000000 /dev/zero >&2; printf \"$GREETING\"; exit 7"_s}, env);
    QVERIFY(finished.wait(30000));
    QCOMPARE(failed.size(), 0);
    const auto result = finished.first().first().value<RunResult>();
    QCOMPARE(result.status, 7);
    QCOMPARE(result.out, u"olá"_s);
    QCOMPARE(result.err.size(), 3000000);
}

void TestTools::asyncRunThatCannotStart()
{
    ToolRun run;
    QSignalSpy finished(&run, &ToolRun::finished);
    QSignalSpy failed(&run, &ToolRun::failedToStart);
    run.start(m_root->filePath(u"missing"_s), {});
    QTRY_COMPARE(failed.size(), 1);
    QVERIFY(!failed.first().first().toString().isEmpty());
    QCOMPARE(finished.size(), 0);
}

void TestTools::stoppedAsyncRunStaysQuiet()
{
    ToolRun run;
    QSignalSpy finished(&run, &ToolRun::finished);
    QSignalSpy failed(&run, &ToolRun::failedToStart);
    run.start(u"/bin/sleep"_s, {u"30"_s});
    QTRY_VERIFY(run.isRunning());
    run.stop();
    QTRY_VERIFY(!run.isRunning());
    QTest::qWait(50);
    QCOMPARE(finished.size(), 0);
    QCOMPARE(failed.size(), 0);
}

void TestTools::fmtTime_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << u"0:00"_s;
    QTest::newRow("negative zero") << -0.0 << u"0:00"_s;
    QTest::newRow("half rounds up") << 59.5 << u"1:00"_s;
    QTest::newRow("just under half") << 59.49 << u"0:59"_s;
    QTest::newRow("last minute of the hour") << 3599.0 << u"59:59"_s;
    QTest::newRow("rounds into the hour") << 3599.5 << u"1:00:00"_s;
    QTest::newRow("one hour") << 3600.0 << u"1:00:00"_s;
    QTest::newRow("hours not capped") << (25 * 3600.0 + 61) << u"25:01:01"_s;
    QTest::newRow("negative") << -1.0 << QString();
    QTest::newRow("small negative") << -0.2 << QString();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QString();
    QTest::newRow("not a number") << std::nan("") << QString();
    QTest::newRow("beyond 64 bits") << 1e300 << QString();
}

void TestTools::fmtTime()
{
    QFETCH(double, seconds);
    QFETCH(QString, expected);
    QCOMPARE(Tools::fmtTime(seconds), expected);
}

void TestTools::fmtBytes()
{
    QLocale::setDefault(QLocale::c());
    // Decimal units: 12.3 million bytes read as 12.3 MB, not 11.7 MiB.
    QVERIFY2(Tools::fmtBytes(12'300'000.9).contains(u"12.3"_s) || Tools::fmtBytes(12'300'000.9).contains(u"12,3"_s),
             qPrintable(Tools::fmtBytes(12'300'000.9)));
    QVERIFY(Tools::fmtBytes(12'300'000).contains(u"MB"_s));
    QVERIFY(Tools::fmtBytes(1'500'000'000).contains(u"GB"_s));
    QCOMPARE(Tools::fmtBytes(std::nan("")), QString());
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
