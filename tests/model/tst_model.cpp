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
    // Settings, scheme links and history files keep these texts: they may never change.
    void qualityStoredTexts()
    {
        QStringList ids, shorts;
        for (const Quality q : Quality::allCases()) {
            ids << q.id();
            shorts << q.shortLabel();
            QCOMPARE(Quality::fromId(q.id()), q);
        }
        QCOMPARE(ids, (QStringList{u"best"_s, u"p2160"_s, u"p1440"_s, u"p1080"_s, u"p720"_s, u"p480"_s, u"mp3"_s, u"m4a"_s}));
        QCOMPARE(shorts, (QStringList{u"Melhor"_s, u"4K"_s, u"1440p"_s, u"1080p"_s, u"720p"_s, u"480p"_s, u"MP3"_s, u"M4A"_s}));
        for (const QString &other : {u"P720"_s, u"720p"_s, QString(), u" best"_s})
            QCOMPARE(Quality::fromId(other), std::nullopt);
    }

    void observedFieldsNotifyOnlyOnChange()
    {
        DownloadItem item(u"https://example.org/v/1"_s, Quality::best, false);
        QVERIFY(item.id() != DownloadItem(item.url(), Quality::best, false).id());

        QSignalSpy state(&item, &DownloadItem::stateChanged);
        QSignalSpy progress(&item, &DownloadItem::progressChanged);
        QSignalSpy files(&item, &DownloadItem::filesChanged);
        QSignalSpy title(&item, &DownloadItem::titleChanged);
        item.setState(DLState::downloading);
        item.setState(DLState::downloading);
        QCOMPARE(state.size(), 1);
        item.setState(DLState::failure(u"x"_s));
        item.setState(DLState::failure(u"y"_s));
        item.setState(DLState::failure(QString()));
        item.setState(DLState::done);
        QCOMPARE(state.size(), 5);

        item.setProgress(0.5);
        item.setProgress(0.5);
        QCOMPARE(progress.size(), 1);
        item.setTitle(item.url());
        QCOMPARE(title.size(), 0);
        item.appendFile(u"/tmp/a.mp4"_s);
        item.appendFile(u"/tmp/b.mp4"_s);
        QCOMPARE(files.size(), 2);
    }

    // The log grows by a line for every line the engine prints; no view may wake for it.
    void plainFieldsNotifyNobody()
    {
        DownloadItem item(u"https://example.org/v/1"_s, Quality::best, false);
        const QMetaObject *meta = item.metaObject();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(&item, meta->method(i)));
        }
        QVERIFY(!spies.empty());
        item.appendLog(u"[download] Destination: x"_s);
        item.setLastError(u"ERROR: boom"_s);
        item.setUserCancelled(true);
        for (const auto &spy : spies)
            QCOMPARE(spy->size(), 0);
        QCOMPARE(item.log().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
