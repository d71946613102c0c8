#include "platform/singleinstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSingleInstance : public QObject
{
    Q_OBJECT

    // A launch of its own, as a second start of the application would be.
    QProcess *launch(const QStringList &arguments, int lingerMs = 0)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"VIRELOOM_TEST_LINGER_MS"_s, QString::number(lingerMs));
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(INSTANCE_LAUNCHER), QStringList{m_socket} + arguments);
        return process;
    }

    QString m_socket;
    std::unique_ptr<QTemporaryDir> m_dir;

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
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
