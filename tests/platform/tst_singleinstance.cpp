#include "platform/singleinstance.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void laterLaunchForwardsItsArguments();
    void crashedInstanceIsReplaced();
    void oversizedAndMalformedMessagesAreRefused_data();
    void oversizedAndMalformedMessagesAreRefused();
    void simultaneousLaunchesEndWithOneInstance();

private:
    QProcess *launch(const QStringList &arguments, int lingerMs = 0);
    QString m_socket;
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<QProcess *> m_processes;
};

void TestSingleInstance::init()
{
    qDeleteAll(m_processes);
    m_processes.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_socket = m_dir->filePath(u"instance.sock"_s);
}

QProcess *TestSingleInstance::launch(const QStringList &arguments, int lingerMs)
{
    auto *process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"VIRELOOM_TEST_LINGER_MS"_s, QString::number(lingerMs));
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(INSTANCE_LAUNCHER), QStringList{m_socket} + arguments);
    m_processes << process;
    return process;
}

void TestSingleInstance::laterLaunchForwardsItsArguments()
{
    SingleInstance primary(m_socket);
    QCOMPARE(primary.claim({}), SingleInstance::Role::Primary);
    QSignalSpy received(&primary, &SingleInstance::argumentsReceived);

    const QStringList arguments{u"vireloom://download?url=https%3A%2F%2Fexample.org%2Fv&quality=mp3"_s,
                                u"https://example.org/ação?x=1 2"_s};
    QProcess *second = launch(arguments);
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
    QCOMPARE(received.first().first().toStringList(), arguments);
    QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 10000);
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(second->readAllStandardOutput().trimmed(), QByteArray("forwarded"));

    // A launch without arguments also just reaches the primary (which shows its window).
    QProcess *third = launch({});
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2, 10000);
    QCOMPARE(received.last().first().toStringList(), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(third->state(), QProcess::NotRunning, 10000);
}

void TestSingleInstance::crashedInstanceIsReplaced()
{
    QProcess *first = launch({}, 60000);
    QVERIFY(first->waitForReadyRead(10000));
    QCOMPARE(first->readLine().trimmed(), QByteArray("primary"));
    ::kill(first->processId(), SIGKILL);
    QTRY_COMPARE_WITH_TIMEOUT(first->state(), QProcess::NotRunning, 10000);
    QVERIFY(QFile::exists(m_socket));

    SingleInstance next(m_socket);
    QCOMPARE(next.claim({}), SingleInstance::Role::Primary);
    QSignalSpy received(&next, &SingleInstance::argumentsReceived);
    launch({u"https://example.org/after-crash"_s});
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
}

void TestSingleInstance::oversizedAndMalformedMessagesAreRefused_data()
{
    QTest::addColumn<QByteArray>("message");

    QByteArray huge = SingleInstance::encode({QString(10 << 20, u'a')});
    QTest::newRow("10 MB") << huge;
    QTest::newRow("wrong magic") << QByteArray("HELLO!!!!\0\0\0\x02[]", 15);
    QTest::newRow("not a list") << QByteArray("VIRELOOM1\0\0\0\x02{}", 15);
    QTest::newRow("list of numbers") << QByteArray("VIRELOOM1\0\0\0\x03[1]", 16);
    QTest::newRow("not json") << QByteArray("VIRELOOM1\0\0\0\x03[[[", 16);
}

void TestSingleInstance::oversizedAndMalformedMessagesAreRefused()
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

void TestSingleInstance::simultaneousLaunchesEndWithOneInstance()
{
    QList<QProcess *> launches;
    for (int i = 0; i < 5; ++i)
        launches << launch({u"https://example.org/%1"_s.arg(i)}, 3000);
    QByteArray primaryOutput;
    int primaries = 0;
    int forwarded = 0;
    for (QProcess *process : launches) {
        QTRY_COMPARE_WITH_TIMEOUT(process->state(), QProcess::NotRunning, 20000);
        const QByteArray output = process->readAllStandardOutput();
        if (output.startsWith("primary")) {
            ++primaries;
            primaryOutput = output;
        } else if (output.trimmed() == "forwarded") {
            ++forwarded;
        }
    }
    QCOMPARE(primaries, 1);
    QCOMPARE(forwarded, 4);
    QCOMPARE(primaryOutput.count("received "), 4);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
