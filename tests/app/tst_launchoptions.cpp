#include "app/launchoptions.h"
#include "following/followingstore.h"
#include "support/files.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>

using namespace Qt::StringLiterals;
using Action = LaunchOptions::Action;

class TestLaunchOptions : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<QString>("messageStart");

        const QString link = u"https://example.org/watch?v=1"_s;
        const QString scheme = u"vireloom://download?url=https%3A%2F%2Fexample.org%2Fa&quality=mp3"_s;
        const QString version = u"Vireloom " VIRELOOM_VERSION "\n"_s;

        QTest::newRow("nothing") << QStringList{} << Action::Run << 0 << QStringList{} << QString();
        QTest::newRow("addresses keep their order")
            << QStringList{scheme, link} << Action::Run << 0 << QStringList{scheme, link} << QString();
        QTest::newRow("help") << QStringList{u"--help"_s} << Action::Exit << 0 << QStringList{} << u"Usage: vireloom [options] [address…]"_s;
        QTest::newRow("short help") << QStringList{u"-h"_s, link} << Action::Exit << 0 << QStringList{} << u"Usage: vireloom"_s;
        QTest::newRow("version wins over addresses") << QStringList{link, u"-v"_s} << Action::Exit << 0 << QStringList{} << version;
        QTest::newRow("unknown long option") << QStringList{u"--bogus"_s, link} << Action::Exit << kUsageExitCode << QStringList{}
                                             << u"vireloom: Unknown option: --bogus\n\nUsage:"_s;
        QTest::newRow("unknown option with a value")
            << QStringList{u"--speed=2"_s} << Action::Exit << kUsageExitCode << QStringList{} << u"vireloom: Unknown option: --speed\n"_s;
        QTest::newRow("unknown single-dash option")
            << QStringList{u"-x"_s} << Action::Exit << kUsageExitCode << QStringList{} << u"vireloom: Unknown option: -x\n"_s;
        QTest::newRow("toolkit option and its value are not addresses")
            << QStringList{u"-platform"_s, u"offscreen"_s, link} << Action::Run << 0 << QStringList{link} << QString();
        QTest::newRow("toolkit flag") << QStringList{u"-reverse"_s, link} << Action::Run << 0 << QStringList{link} << QString();
        QTest::newRow("toolkit option without its value")
            << QStringList{u"--platform"_s} << Action::Exit << kUsageExitCode << QStringList{} << u"vireloom: Missing value after"_s;
        QTest::newRow("a double dash ends the options")
            << QStringList{u"--"_s, u"--help"_s} << Action::Run << 0 << QStringList{u"--help"_s} << QString();
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(int, exitCode);
        QFETCH(QStringList, addresses);
        QFETCH(QString, messageStart);

        const LaunchOptions options = parseLaunchOptions(QStringList{u"/usr/bin/vireloom"_s} + arguments);
        QCOMPARE(options.action, action);
        QCOMPARE(options.exitCode, exitCode);
        QCOMPARE(options.addresses, addresses);
        QVERIFY2(options.message.startsWith(messageStart), qPrintable(options.message));
        if (exitCode == kUsageExitCode)
            QVERIFY(options.message.contains(u"--version"_s));
    }

    // Following and the tray from the command line: what one launch asks for reaches the
    // running instance as it was asked, and nothing a "vireloom:" address carries passes
    // for such a request.
    void followingRequestsReachTheRunningInstance()
    {
        const QString feed = u"https://example.org/feed.xml"_s;
        const QString link = u"https://example.org/watch?v=1"_s;
        const LaunchOptions options = parseLaunchOptions(
            {u"vireloom"_s, u"--follow"_s, feed, u"--quality"_s, u"mp3"_s, u"--check-following"_s, u"--background"_s, link});
        QCOMPARE(options.action, Action::Run);
        QCOMPARE(options.follow, QStringList{feed});
        QCOMPARE(options.quality, std::optional<Quality>(Quality::mp3));
        QVERIFY(options.checkFollowing && options.background);

        const ForwardedRequests handed = readForwarded(options.forwarded());
        QCOMPARE(handed.addresses, QStringList{link});
        QCOMPARE(handed.follow, QStringList{feed});
        QCOMPARE(handed.quality, std::optional<Quality>(Quality::mp3));
        QVERIFY(handed.checkFollowing);
        QVERIFY(!handed.showWindow);

        // A script's request leaves the window alone; a link brings it up.
        QVERIFY(!readForwarded(parseLaunchOptions({u"vireloom"_s, u"--check-following"_s}).forwarded()).showWindow);
        QVERIFY(readForwarded(parseLaunchOptions({u"vireloom"_s, link}).forwarded()).showWindow);
        // What a web page can open is an address, never a request.
        const QString address = u"vireloom://download?url=--follow%3Dhttps%3A%2F%2Fexample.org%2Ff"_s;
        const ForwardedRequests fromPage = readForwarded(parseLaunchOptions({u"vireloom"_s, address}).forwarded());
        QCOMPARE(fromPage.addresses, QStringList{address});
        QVERIFY(fromPage.follow.isEmpty() && !fromPage.checkFollowing);

        const LaunchOptions list = parseLaunchOptions({u"vireloom"_s, u"--list-following"_s});
        QCOMPARE(list.action, Action::ListFollowing);
        const LaunchOptions wrong = parseLaunchOptions({u"vireloom"_s, u"--follow"_s, feed, u"--quality"_s, u"8k"_s});
        QCOMPARE(wrong.action, Action::Exit);
        QCOMPARE(wrong.exitCode, kUsageExitCode);
        QVERIFY2(wrong.message.startsWith(u"vireloom: Unknown quality: 8k"_s), qPrintable(wrong.message));
    }

    // The running instance works in another folder: a file to import reaches it whole.
    void importReachesTheRunningInstance()
    {
        const LaunchOptions options = parseLaunchOptions({u"vireloom"_s, u"--import"_s, u"links.txt"_s, u"--import=/tmp/more.txt"_s});
        QCOMPARE(options.action, Action::Run);
        const QStringList files{QDir::current().absoluteFilePath(u"links.txt"_s), u"/tmp/more.txt"_s};
        QCOMPARE(options.imports, files);
        const ForwardedRequests handed = readForwarded(options.forwarded());
        QCOMPARE(handed.imports, files);
        QVERIFY(handed.addresses.isEmpty());
        // The window shows what came of it.
        QVERIFY(handed.showWindow);
    }

    void manualPageNamesEveryOption()
    {
        const QString roff = QString::fromUtf8(readFile(QStringLiteral(VIRELOOM_SOURCE_DIR "/docs/vireloom.1.in")));
        const QStringList names = documentedOptionNames();
        QVERIFY(names.contains(u"version"_s));
        for (const QString &name : names)
            QVERIFY2(roff.contains(u"\\-\\-"_s + name), qPrintable(name));
    }

    // --follow with an instance that holds the lock but does not take the request: nothing
    // is written behind its back (its next save would lose it), and the launch says so.
    // Once no instance holds the lock, the request is stored.
    void refusedFollowIsNotWrittenAnyway()
    {
        QTemporaryDir root;
        const QString runtime = root.filePath(u"runtime"_s);
        QVERIFY(QDir().mkpath(runtime + u"/vireloom"_s));
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(runtime + u"/vireloom"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            env.remove(name);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        env.insert(u"HOME"_s, root.filePath(u"home"_s));
        env.insert(u"XDG_DATA_HOME"_s, root.filePath(u"data"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, root.filePath(u"config"_s));
        env.insert(u"XDG_CACHE_HOME"_s, root.filePath(u"cache"_s));
        const QString following = root.filePath(u"data/Vireloom/following.json"_s);
        const QStringList arguments{u"--follow"_s, u"http://127.0.0.1:9/feed.xml"_s};

        // An instance as one that hangs: it holds the lock and never answers.
        auto busy = std::make_unique<QLockFile>(runtime + u"/vireloom/instance.sock.lock"_s);
        QVERIFY(busy->tryLock(0));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VIRELOOM_APP), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains(u"nothing was followed"_s), qPrintable(said));
        QVERIFY(!QFile::exists(following));

        busy.reset();
        program.start(QStringLiteral(VIRELOOM_APP), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(readFile(following).contains("127.0.0.1:9/feed.xml"));
    }

    // The program itself, with no display and an empty runtime folder: these launches must end
    // before the application object or the single-instance socket exist.
    void programExitsBeforeTheWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"Vireloom " VIRELOOM_VERSION "\n"_s << QString();
        QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s, u"https://example.org/a"_s} << kUsageExitCode << QString()
                                        << u"vireloom: Unknown option: --frobnicate"_s;
    }

    void programExitsBeforeTheWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            env.remove(name);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VIRELOOM_APP), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
        QCOMPARE(QDir(runtime.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
    }

    // A followed page's title may hold what a terminal obeys (renaming the window, clearing
    // the screen): the listing prints it harmless, word for word otherwise.
    void listingIsSafeForATerminal()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        FollowedSource source;
        source.id = QUuid::createUuid();
        source.url = u"https://example.org/feed.xml"_s;
        source.title = u"Ep\x1b]0;owned\x07\x1b[2J \u202eevil\u009b1m"_s;
        source.added = QDateTime::currentDateTimeUtc();
        source.nextCheck = source.added;
        source.lastCheck = source.added;
        source.lastRead = source.added;
        QVERIFY(FollowingStore::save(home.filePath(u"data/Vireloom/following.json"_s), {source}));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
        env.insert(u"XDG_RUNTIME_DIR"_s, home.filePath(u"runtime"_s));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VIRELOOM_APP), {u"--list-following"_s});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        const QByteArray out = program.readAllStandardOutput();
        const QString r(QChar::ReplacementCharacter);
        QVERIFY2(out.startsWith(
                     (u"Ep"_s + r + u"]0;owned"_s + r + r + u"[2J "_s + r + u"evil"_s + r + u"1m\thttps://example.org/feed.xml\t"_s).toUtf8()),
                 out.constData());
        for (const char control : {'\x1b', '\x07'})
            QVERIFY(!out.contains(control));
    }
};

QTEST_GUILESS_MAIN(TestLaunchOptions)
#include "tst_launchoptions.moc"
