#include "platform/singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestSingleInstance : public QObject
{
    Q_OBJECT

    // A launch of its own, as a second start of the application would be; an empty socket
    // path makes it find its own.
    QProcess *launchAt(const QString &socket, const QStringList &arguments, int lingerMs = 0, bool handOverFirst = false)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"VIRELOOM_TEST_LINGER_MS"_s, QString::number(lingerMs));
        if (handOverFirst)
            env.insert(u"VIRELOOM_TEST_HAND_OVER_FIRST"_s, u"1"_s);
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(INSTANCE_LAUNCHER), QStringList{socket} + arguments);
        return process;
    }
    QProcess *launch(const QStringList &arguments, int lingerMs = 0) { return launchAt(m_socket, arguments, lingerMs); }

    QString m_socket;
    std::unique_ptr<QTemporaryDir> m_dir;

    static struct stat statOf(const QString &path)
    {
        struct stat st
        {
        };
        ::lstat(QFile::encodeName(path).constData(), &st);
        return st;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_socket = m_dir->filePath(u"instance.sock"_s);
    }

    void cleanup() { qDeleteAll(findChildren<QProcess *>()); }

    void laterLaunchForwardsItsArguments()
    {
        SingleInstance primary(m_socket);
        QCOMPARE(primary.claim({}), SingleInstance::Role::Primary);
        QSignalSpy received(&primary, &SingleInstance::argumentsReceived);

        const QStringList arguments{u"vireloom://download?url=https%3A%2F%2Fexample.org%2Fv&quality=mp3"_s,
                                    u"https://example.org/ação?x=1 2"_s};
        QProcess *second = launch(arguments);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
        QCOMPARE(received.first().first().toStringList(), arguments);
        QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning, 10000);
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(second->readAllStandardOutput().trimmed(), QByteArray("forwarded"));

        // A launch without arguments also just reaches the primary (which shows its window).
        launch({});
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2, 10000);
        QCOMPARE(received.last().first().toStringList(), QStringList());

        // The plain hand-over a later launch tries first delivers the same message.
        QProcess *third = launchAt(m_socket, arguments, 0, true);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 3, 10000);
        QCOMPARE(received.last().first().toStringList(), arguments);
        QTRY_VERIFY_WITH_TIMEOUT(third->state() == QProcess::NotRunning, 10000);
        QCOMPARE(third->readAllStandardOutput(), QByteArray("handed over\n"));
    }

    // The hand-over made before anything else is set up trusts a socket only in a folder of
    // this user's alone, as claim() does, and gives way to claim() when nobody listens.
    void plainHandOverNeedsAPrivateFolderAndAListener()
    {
        const QStringList links{u"https://example.org/secret"_s};
        QVERIFY(!SingleInstance::handOver(m_socket, links)); // nobody listens yet
        QVERIFY(!SingleInstance::handOver(QString(), links));

        const QString open = m_dir->filePath(u"open"_s);
        QVERIFY(QDir().mkpath(open));
        QCOMPARE(::chmod(QFile::encodeName(open).constData(), 0755), 0);
        QLocalServer listener;
        QVERIFY(listener.listen(open + u"/instance.sock"_s));
        QSignalSpy connections(&listener, &QLocalServer::newConnection);
        QVERIFY(!SingleInstance::handOver(open + u"/instance.sock"_s, links));
        QTest::qWait(50);
        QCOMPARE(connections.size(), 0);
    }

    void oversizedAndMalformedMessagesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("10 MB") << SingleInstance::encode({QString(10 << 20, u'a')});
        QTest::newRow("wrong magic") << QByteArray("HELLO!!!!\0\0\0\x02[]", 15);
        QTest::newRow("not a list") << QByteArray("VIRELOOM1\0\0\0\x02{}", 15);
        QTest::newRow("list of numbers") << QByteArray("VIRELOOM1\0\0\0\x03[1]", 16);
        QTest::newRow("not json") << QByteArray("VIRELOOM1\0\0\0\x03[[[", 16);
    }

    void oversizedAndMalformedMessagesAreRefused()
    {
        QFETCH(QByteArray, message);
        SingleInstance primary(m_socket);
        QCOMPARE(primary.claim({}), SingleInstance::Role::Primary);
        QSignalSpy received(&primary, &SingleInstance::argumentsReceived);

        QLocalSocket raw;
        raw.connectToServer(m_socket);
        QVERIFY(raw.waitForConnected(5000));
        raw.write(message);
        QTRY_COMPARE_WITH_TIMEOUT(raw.state(), QLocalSocket::UnconnectedState, 10000);
        QCOMPARE(received.size(), 0);

        // The primary still serves the next launch.
        launch({u"https://example.org/next"_s});
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
        QCOMPARE(received.first().first().toStringList(), QStringList{u"https://example.org/next"_s});
    }

    void simultaneousLaunchesEndWithOneInstance()
    {
        QList<QProcess *> launches;
        for (int i = 0; i < 5; ++i)
            launches << launch({u"https://example.org/%1"_s.arg(i)}, 3000);
        QByteArrayList outputs;
        for (QProcess *process : launches) {
            QVERIFY(process->state() == QProcess::NotRunning || process->waitForFinished(20000));
            outputs << process->readAllStandardOutput();
        }
        const auto primary = std::find_if(outputs.cbegin(), outputs.cend(), [](const QByteArray &o) { return o.startsWith("primary"); });
        QVERIFY(primary != outputs.cend());
        QCOMPARE(primary->count("received "), 4);
        QCOMPARE(outputs.count("forwarded\n"), 4);
    }

    // Without $XDG_RUNTIME_DIR the socket goes to the shared temporary folder, where another
    // user may have made our folder's name first, with a socket listening in it and its lock
    // held, to catch the links later launches hand over. Such a folder is never used as it is.
    void socketFolderIsNeverOneOthersCanWrite_data()
    {
        QTest::addColumn<int>("runtimeMode"); // of $XDG_RUNTIME_DIR; 0: unset
        QTest::addColumn<QString>("planted"); // what is waiting at the temporary folder's name
        QTest::addColumn<QString>("used"); // the folder the instance ends up in

        QTest::newRow("runtime folder") << 0700 << QString() << u"runtime"_s;
        QTest::newRow("runtime folder others can write") << 0777 << QString() << u"tmp"_s;
        QTest::newRow("nothing there yet") << 0 << QString() << u"tmp"_s;
        QTest::newRow("private folder of an earlier run") << 0 << u"0700"_s << u"tmp"_s;
        QTest::newRow("open to everyone") << 0 << u"0777 trap"_s << u"cache"_s;
        QTest::newRow("open to everyone, sticky") << 0 << u"1777 trap"_s << u"cache"_s;
        QTest::newRow("readable by the group") << 0 << u"0750 trap"_s << u"cache"_s;
        QTest::newRow("link to a folder with a trap") << 0 << u"link trap"_s << u"cache"_s;
        QTest::newRow("lock file linked to a held lock") << 0 << u"0700 trap lock-link"_s << u"tmp"_s;
        // Only root can give a folder away; as anyone else, the rows above carry the test.
        if (::geteuid() == 0)
            QTest::newRow("another user's folder") << 0 << u"0700 trap nobody"_s << u"cache"_s;
    }

    void socketFolderIsNeverOneOthersCanWrite()
    {
        QFETCH(int, runtimeMode);
        QFETCH(QString, planted);
        QFETCH(QString, used);
        const QStringList plant = planted.split(u' ', Qt::SkipEmptyParts);

        const QDir root(m_dir->path());
        const QString tmp = root.filePath(u"tmp"_s);
        QVERIFY(root.mkpath(u"tmp"_s) && root.mkpath(u"cache"_s) && root.mkpath(u"runtime"_s) && root.mkpath(u"elsewhere"_s));
        QCOMPARE(::chmod(QFile::encodeName(tmp).constData(), 01777), 0); // as /tmp is
        QCOMPARE(::chmod(QFile::encodeName(root.filePath(u"runtime"_s)).constData(), runtimeMode ? runtimeMode : 0700), 0);
        const QByteArrayList names{"XDG_RUNTIME_DIR", "TMPDIR", "XDG_CACHE_HOME"};
        QByteArrayList saved;
        for (const QByteArray &name : names)
            saved << (qEnvironmentVariableIsSet(name.constData()) ? qgetenv(name.constData()) : QByteArray());
        const auto restore = qScopeGuard([&] {
            for (qsizetype i = 0; i < names.size(); ++i)
                saved[i].isNull() ? qunsetenv(names[i].constData()) : qputenv(names[i].constData(), saved[i]);
        });
        if (runtimeMode)
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.filePath(u"runtime"_s)));
        else
            qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(root.filePath(u"cache"_s)));

        const QString shared = tmp + u"/vireloom-%1"_s.arg(::geteuid());
        // A link leads to a folder that would pass every test but the link's.
        const QString trapFolder = plant.contains(u"link"_s) ? root.filePath(u"elsewhere/trap"_s) : shared;
        QLocalServer trap;
        QLockFile held(trapFolder + u"/instance.sock.lock"_s);
        QLockFile heldElsewhere(root.filePath(u"elsewhere/held.lock"_s));
        if (!plant.isEmpty()) {
            QVERIFY(QDir().mkpath(trapFolder));
            const int mode = plant.first() == u"link" ? 0700 : plant.first().toInt(nullptr, 8);
            QCOMPARE(::chmod(QFile::encodeName(trapFolder).constData(), mode), 0);
            if (plant.contains(u"link"_s))
                QVERIFY(QFile::link(trapFolder, shared));
            if (plant.contains(u"trap"_s))
                QVERIFY(trap.listen(trapFolder + u"/instance.sock"_s));
            if (plant.contains(u"lock-link"_s)) {
                QVERIFY(heldElsewhere.tryLock());
                QVERIFY(QFile::link(heldElsewhere.fileName(), held.fileName()));
            } else if (plant.contains(u"trap"_s)) {
                QVERIFY(held.tryLock());
            }
            if (plant.contains(u"nobody"_s))
                QCOMPARE(::chown(QFile::encodeName(trapFolder).constData(), 65534, 65534), 0);
        }
        const struct stat before = statOf(shared);
        QSignalSpy caught(&trap, &QLocalServer::newConnection);

        const QString folder = used == u"runtime" ? root.filePath(u"runtime/vireloom"_s)
                               : used == u"tmp"   ? shared
                                                  : root.filePath(u"cache/vireloom-instance"_s);
        QCOMPARE(SingleInstance::defaultSocketPath(), folder + u"/instance.sock"_s);
        QProcess *first = launchAt(QString(), {u"https://example.org/first"_s}, 4000);
        QTRY_VERIFY_WITH_TIMEOUT(first->canReadLine() || first->state() == QProcess::NotRunning, 10000);
        QCOMPARE(first->readLine(), QByteArray("primary\n"));
        // As the application does, the plain hand-over is tried first; it must find the
        // same folder, never the planted one.
        QProcess *second = launchAt(QString(), {u"https://example.org/second"_s}, 0, true);
        QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
        QCOMPARE(second->readAllStandardOutput(), QByteArray("handed over\n"));
        QTRY_COMPARE_WITH_TIMEOUT(first->state(), QProcess::NotRunning, 20000);
        QCOMPARE(first->readAllStandardOutput(), QByteArray("received https://example.org/second\n"));
        QCOMPARE(caught.size(), 0);

        const struct stat inUse = statOf(folder);
        QVERIFY(S_ISDIR(inUse.st_mode));
        QCOMPARE(inUse.st_uid, ::geteuid());
        QCOMPARE(inUse.st_mode & 07777, 0700u);
        // What was waiting there is left as it was found.
        if (!plant.isEmpty()) {
            const struct stat after = statOf(shared);
            QCOMPARE(after.st_mode, before.st_mode);
            QCOMPARE(after.st_uid, before.st_uid);
        }
        if (plant.contains(u"lock-link"_s)) {
            QVERIFY(!QFileInfo(held.fileName()).isSymLink());
            QVERIFY(QFile::exists(heldElsewhere.fileName()));
        }
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
