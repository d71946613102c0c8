#include "engine/queuejournal.h"
#include "model/dlstate.h"
#include "model/downloaditem.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestQueueJournal : public QObject
{
    Q_OBJECT

private slots:
    // An item probed is fetched again from its link; one queued waits its turn; one
    // downloading or being post-processed has partial files to continue from.
    void everyUnfinishedStateComesBackAsItsStage_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("stage");
        QTest::newRow("probed") << int(DLState::fetching) << int(JournalEntry::Stage::fetching);
        QTest::newRow("queued") << int(DLState::queued) << int(JournalEntry::Stage::queued);
        QTest::newRow("downloading") << int(DLState::downloading) << int(JournalEntry::Stage::running);
        QTest::newRow("post-processed") << int(DLState::processing) << int(JournalEntry::Stage::running);
    }

    void everyUnfinishedStateComesBackAsItsStage()
    {
        QFETCH(int, state);
        QFETCH(int, stage);
        DownloadItem item(u"https://example.org/v"_s, Quality::p720, true);
        item.setState(DLState(DLState::Kind(state)));
        const JournalEntry written = JournalEntry::of(item, u"/videos"_s);
        QCOMPARE(int(written.stage), stage);

        const auto read = QueueJournal::decode(QueueJournal::encode({written}));
        QVERIFY(read);
        QCOMPARE(read->size(), 1);
        QCOMPARE(int(read->constFirst().stage), stage);
        QCOMPARE(read->constFirst(), written);
    }
};

QTEST_GUILESS_MAIN(TestQueueJournal)
#include "tst_queuejournal.moc"
