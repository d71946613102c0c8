#include "model/dlstate.h"
#include "model/downloaditem.h"
#include "model/quality.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void qualityFromId_data();
    void qualityFromId();
    void qualityCasesInMenuOrder();
    void stateEquality();
    void stateClassification_data();
    void stateClassification();
    void newItem();
    void observedFieldsNotifyOnlyOnChange();
    void plainFieldsNotifyNobody();
};

void TestModel::qualityFromId_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("valid");

    QTest::newRow("exact id") << u"p720"_s << true;
    QTest::newRow("audio id") << u"m4a"_s << true;
    QTest::newRow("capitals") << u"P720"_s << false;
    QTest::newRow("label instead of id") << u"720p"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("padded") << u" best"_s << false;
}

void TestModel::qualityFromId()
{
    QFETCH(QString, id);
    QFETCH(bool, valid);
    const auto quality = Quality::fromId(id);
    QCOMPARE(quality.has_value(), valid);
    if (valid)
        QCOMPARE(quality->id(), id);
}

void TestModel::qualityCasesInMenuOrder()
{
    const auto &cases = Quality::allCases();
    QStringList ids, shorts;
    QList<int> heights;
    QList<bool> audio;
    for (const Quality q : cases) {
        ids << q.id();
        shorts << q.shortLabel();
        heights << q.height().value_or(0);
        audio << q.isAudio();
        QCOMPARE(Quality::fromId(q.id()), q);
        QCOMPARE(qHash(q), qHash(q.id()));
    }
    QCOMPARE(ids, (QStringList{u"best"_s, u"p2160"_s, u"p1440"_s, u"p1080"_s, u"p720"_s, u"p480"_s, u"mp3"_s, u"m4a"_s}));
    QCOMPARE(shorts, (QStringList{u"Melhor"_s, u"4K"_s, u"1440p"_s, u"1080p"_s, u"720p"_s, u"480p"_s, u"MP3"_s, u"M4A"_s}));
    QCOMPARE(heights, (QList<int>{0, 2160, 1440, 1080, 720, 480, 0, 0}));
    QCOMPARE(audio, (QList<bool>{false, false, false, false, false, false, true, true}));
    QCOMPARE(Quality(Quality::p2160).label(), u"4K (2160p)"_s);
    QVERIFY(Quality(Quality::mp3) != Quality(Quality::m4a));
}

void TestModel::stateEquality()
{
    QCOMPARE(DLState::failure(u"a"_s), DLState::failure(u"a"_s));
    QVERIFY(DLState::failure(u"a"_s) != DLState::failure(u"b"_s));
    QVERIFY(DLState::failure(u"a"_s) != DLState(DLState::done));
    QVERIFY(DLState::failure(QString()) != DLState(DLState::done));
    QCOMPARE(DLState(DLState::queued), DLState(DLState::queued));
}

void TestModel::stateClassification_data()
{
    QTest::addColumn<DLState>("state");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QString>("name");

    QTest::newRow("fetching") << DLState(DLState::fetching) << false << false << u"fetching"_s;
    QTest::newRow("queued") << DLState(DLState::queued) << false << false << u"queued"_s;
    QTest::newRow("downloading") << DLState(DLState::downloading) << true << false << u"downloading"_s;
    QTest::newRow("processing") << DLState(DLState::processing) << true << false << u"processing"_s;
    QTest::newRow("done") << DLState(DLState::done) << false << true << u"done"_s;
    QTest::newRow("failed without message") << DLState::failure(QString()) << false << true << u"failed"_s;
    QTest::newRow("cancelled") << DLState(DLState::cancelled) << false << true << u"cancelled"_s;
}

void TestModel::stateClassification()
{
    QFETCH(DLState, state);
    QFETCH(bool, active);
    QFETCH(bool, finished);
    QFETCH(QString, name);
    QCOMPARE(state.isActive(), active);
    QCOMPARE(state.isFinished(), finished);
    QCOMPARE(state.name(), name);
}

void TestModel::newItem()
{
    const DownloadItem item(u"https://example.org/v/1"_s, Quality::mp3, true);
    QCOMPARE(item.title(), u"https://example.org/v/1"_s);
    QCOMPARE(item.url(), item.title());
    QCOMPARE(item.thumbnailUrl(), std::nullopt);
    QCOMPARE(item.state(), DLState(DLState::fetching));
    QCOMPARE(item.quality(), Quality(Quality::mp3));
    QVERIFY(item.playlist());
    QCOMPARE(item.progress(), 0.0);
    QVERIFY(item.files().isEmpty());
    QVERIFY(!item.userCancelled());
    QVERIFY(!item.lastError());

    const DownloadItem other(u"https://example.org/v/1"_s, Quality::mp3, true);
    QVERIFY(item.id() != other.id());
}

void TestModel::observedFieldsNotifyOnlyOnChange()
{
    DownloadItem item(u"https://example.org/v/1"_s, Quality::best, false);
    QSignalSpy state(&item, &DownloadItem::stateChanged);
    QSignalSpy progress(&item, &DownloadItem::progressChanged);
    QSignalSpy files(&item, &DownloadItem::filesChanged);
    QSignalSpy title(&item, &DownloadItem::titleChanged);

    item.setState(DLState::downloading);
    item.setState(DLState::downloading);
    QCOMPARE(state.size(), 1);
    item.setState(DLState::failure(u"x"_s));
    item.setState(DLState::failure(u"y"_s));
    QCOMPARE(state.size(), 3);

    item.setProgress(0.5);
    item.setProgress(0.5);
    QCOMPARE(progress.size(), 1);

    item.setTitle(item.url());
    QCOMPARE(title.size(), 0);

    item.appendFile(u"/tmp/a.mp4"_s);
    item.appendFile(u"/tmp/b.mp4"_s);
    QCOMPARE(files.size(), 2);
    QCOMPARE(item.files(), (QStringList{u"/tmp/a.mp4"_s, u"/tmp/b.mp4"_s}));
}

void TestModel::plainFieldsNotifyNobody()
{
    DownloadItem item(u"https://example.org/v/1"_s, Quality::best, false);
    const QMetaObject *meta = item.metaObject();
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Signal)
            spies.push_back(std::make_unique<QSignalSpy>(&item, meta->method(i)));
    }
    QCOMPARE(spies.size(), 15);

    item.appendLog(u"[download] Destination: x"_s);
    item.setLastError(u"ERROR: boom"_s);
    item.setUserCancelled(true);
    for (const auto &spy : spies)
        QCOMPARE(spy->size(), 0);
    QCOMPARE(item.log().size(), 1);
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
