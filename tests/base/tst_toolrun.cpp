#include "base/paths.h"
#include "base/toolrun.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The installer's runs of the engine programs on the event loop.
class TestToolRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        Tools::setLocations({m_root.filePath(u"support/Vireloom"_s), {}, m_root.filePath(u"cache/Vireloom"_s)});
    }

    // One run object, reused: a stopped run stays quiet, a real one reports, a missing program
    // fails. Engine programs run in the empty private folder made for them, never where the
    // application was started.
    void reusedRunReportsEachStartOnce()
    {
        ToolRun run;
        QSignalSpy finished(&run, &ToolRun::finished);
        QSignalSpy failed(&run, &ToolRun::failedToStart);
        run.start(u"/bin/sleep"_s, {u"30"_s});
        QTRY_VERIFY(run.isRunning());
        run.stop();
        QTRY_VERIFY(!run.isRunning());

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"GREETING"_s, u"olá"_s);
        run.start(u"/bin/sh"_s, {u"-c"_s, u"head -c 3000000 /dev/zero >&2; printf \"$GREETING\"; pwd -P; exit 7"_s}, env);
        QVERIFY(finished.wait(30000));
        const auto result = finished.first().first().value<RunResult>();
        QCOMPARE(result.status, 7);
        QCOMPARE(result.out, u"olá"_s + QFileInfo(Tools::engineWorkDir()).canonicalFilePath() + u'\n');
        QCOMPARE(result.err.size(), 3000000);

        run.start(m_root.filePath(u"missing"_s), {});
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!failed.first().first().toString().isEmpty());
        QCOMPARE(finished.size(), 1);
    }

    // What a tool prints is collected up to a limit no listing reaches; beyond it the run
    // is stopped and reported as unreadable, whichever stream overflows.
    void outputBeyondTheLimitIsUnreadable_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("just under") << u"head -c %1 /dev/zero"_s.arg(ToolRun::kOutputLimit) << false;
        QTest::newRow("standard output") << u"head -c %1 /dev/zero; sleep 30"_s.arg(ToolRun::kOutputLimit + 1) << true;
        QTest::newRow("standard error") << u"head -c %1 /dev/zero >&2; sleep 30"_s.arg(ToolRun::kOutputLimit + 1) << true;
    }

    void outputBeyondTheLimitIsUnreadable()
    {
        QFETCH(QString, script);
        QFETCH(bool, tooLarge);
        ToolRun run;
        QSignalSpy finished(&run, &ToolRun::finished);
        run.start(u"/bin/sh"_s, {u"-c"_s, script});
        QVERIFY(finished.wait(20000));
        const auto result = finished.first().first().value<RunResult>();
        QCOMPARE(result.outputTooLarge, tooLarge);
        QCOMPARE(result.out.size(), tooLarge ? 0 : ToolRun::kOutputLimit);
        QVERIFY(tooLarge ? result.status != 0 : result.status == 0);
    }
};

QTEST_GUILESS_MAIN(TestToolRun)
#include "tst_toolrun.moc"
