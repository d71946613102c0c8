#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/interrupteddownloads.h"
#include "engine/queuejournal.h"
#include "history/historybook.h"
#include "model/dlstate.h"
#include "model/downloaditem.h"
#include "settings/settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The journal of one entry as written, with one field of it replaced (undefined: removed).
QByteArray withField(const JournalEntry &entry, const QString &key, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(QueueJournal::encode({entry})).object();
    QJsonArray items = root.value(u"items"_s).toArray();
    QJsonObject item = items.first().toObject();
    item.remove(key);
    if (!value.isUndefined())
        item.insert(key, value);
    items.replace(0, item);
    root.insert(u"items"_s, items);
    return QJsonDocument(root).toJson();
}

} // namespace

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
        QCOMPARE(QueueJournal::decode(QueueJournal::encode({written})), std::optional(QList{written}));
    }

    // A resumed run stays behind the guard if it was there; an entry written before there
    // was a guard says nothing of where its link came from, and counts as guarded. A
    // mistyped field makes the journal unreadable, as any other does.
    void guardedSurvivesTheJournal_data()
    {
        QTest::addColumn<QJsonValue>("field"); // undefined: absent
        QTest::addColumn<int>("guarded"); // -1: unreadable
        QTest::newRow("guarded") << QJsonValue(true) << 1;
        QTest::newRow("typed") << QJsonValue(false) << 0;
        QTest::newRow("written before the guard") << QJsonValue(QJsonValue::Undefined) << 1;
        QTest::newRow("mistyped") << QJsonValue(u"no"_s) << -1;
    }

    void guardedSurvivesTheJournal()
    {
        QFETCH(QJsonValue, field);
        QFETCH(int, guarded);
        DownloadItem item(u"https://example.org/v"_s, Quality::p720, false);
        item.setGuarded(guarded == 1);
        const JournalEntry written = JournalEntry::of(item, u"/videos"_s);
        QCOMPARE(QueueJournal::decode(QueueJournal::encode({written}))->constFirst().guarded, guarded == 1);
        const auto read = QueueJournal::decode(withField(written, u"guarded"_s, field));
        QCOMPARE(read.has_value(), guarded >= 0);
        if (read)
            QCOMPARE(read->constFirst().guarded, guarded == 1);
    }

    // A run cut short names the files it was writing, those that were there before it
    // aside; a name outside the entry's folder is left out, and a list of the wrong kind
    // costs the entry nothing.
    void partialFilesSurviveTheJournal()
    {
        DownloadItem item(u"https://example.org/v"_s, Quality::p720, false);
        item.setState(DLState::downloading);
        item.noteDestination(u"/videos/clip.mp4"_s, false);
        item.noteDestination(u"/videos/theirs.mp4"_s, true);
        const JournalEntry written = JournalEntry::of(item, u"/videos"_s);
        QCOMPARE(written.partial, QStringList{u"/videos/clip.mp4"_s});
        QCOMPARE(QueueJournal::decode(QueueJournal::encode({written}))->constFirst(), written);

        for (const QJsonValue &forged :
             {QJsonValue(QJsonArray{u"/home/someone/.bashrc"_s, u"/videos/../etc/passwd"_s, 7}), QJsonValue(u"/videos/clip.mp4"_s)}) {
            const auto read = QueueJournal::decode(withField(written, u"partial"_s, forged));
            QVERIFY(read);
            QCOMPARE(read->constFirst().url, written.url);
            QCOMPARE(read->constFirst().partial, QStringList());
        }
    }

    // What the last run left unfinished stays in the journal until the user answers,
    // whatever this run writes meanwhile; once let go, it is gone from it.
    void offeredDownloadsOutliveTheNextWrite()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        Tools::setLocations({root.filePath(u"support"_s), {root.filePath(u"bin"_s)}, root.filePath(u"cache"_s)});
        Settings settings(root.filePath(u"settings.conf"_s));
        const auto journal = [] {
            QStringList urls;
            for (const JournalEntry &entry : QueueJournal::load(InterruptedDownloads::journalFile()).entries)
                urls << entry.url;
            return urls;
        };
        JournalEntry left;
        left.url = u"https://example.org/left"_s;
        left.quality = Quality(Quality::mp3);
        left.folder = root.path();
        QVERIFY(QueueJournal::save(InterruptedDownloads::journalFile(), {left}));

        EngineSetup engine(&settings);
        HistoryBook history(root.filePath(u"history.json"_s));
        {
            DownloadQueue queue(&settings, &engine, history.list());
            InterruptedDownloads interrupted(&settings, &queue);
            QCOMPARE(interrupted.count(), 1);
            queue.restore(new DownloadItem(u"https://example.org/new"_s, Quality::best, false), false);
            QTRY_COMPARE(journal(), (QStringList{u"https://example.org/new"_s, left.url}));
        }
        DownloadQueue queue(&settings, &engine, history.list());
        InterruptedDownloads interrupted(&settings, &queue);
        QCOMPARE(interrupted.count(), 2);
        interrupted.discard();
        QTRY_COMPARE(journal(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestQueueJournal)
#include "tst_queuejournal.moc"
