#include "ui/followingview.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The Following page's helper without a window: the words of each state.
class TestFollowingView : public QObject
{
    Q_OBJECT

private slots:
    void stateTexts_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<qint64>("backoff");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("text");
        QTest::newRow("waiting") << u"waiting"_s << QString() << qint64(0) << false << u"Waiting for the first reading"_s;
        QTest::newRow("read") << u"ok"_s << QString() << qint64(0) << false << u"Up to date"_s;
        QTest::newRow("checking") << u"checking"_s << QString() << qint64(0) << false << u"Checking…"_s;
        QTest::newRow("checking a paused source") << u"checking"_s << QString() << qint64(0) << true
                                                  << u"Checking just this once: the source stays paused"_s;
        QTest::newRow("paused") << u"paused"_s << u"network"_s << qint64(0) << true << u"Paused"_s;
        QTest::newRow("asked to pause") << u"failed"_s << u"rateLimited"_s << qint64(12 * 3600) << false
                                        << u"The site asked for a pause: checking every 12 h"_s;
        QTest::newRow("asked to pause, no backoff") << u"failed"_s << u"rateLimited"_s << qint64(0) << false
                                                    << u"The site asked for a pause: trying again later"_s;
        QTest::newRow("gone") << u"failed"_s << u"vanished"_s << qint64(0) << false
                              << u"Not found: the link is gone, private or not a list"_s;
        QTest::newRow("unreachable") << u"failed"_s << u"network"_s << qint64(0) << false
                                     << u"Couldn’t reach the site: trying again later"_s;
        QTest::newRow("no engine") << u"failed"_s << u"engineMissing"_s << qint64(0) << false
                                   << u"Engine not installed — click Install now."_s;
        QTest::newRow("unreadable") << u"failed"_s << u"unreadable"_s << qint64(0) << false << u"yt-dlp couldn’t list this source"_s;
    }

    void stateTexts()
    {
        QFETCH(QString, state);
        QFETCH(QString, problem);
        QFETCH(qint64, backoff);
        QFETCH(bool, paused);
        QFETCH(QString, text);
        QCOMPARE(FollowingView::stateText(state, problem, backoff, paused), text);
    }
};

QTEST_GUILESS_MAIN(TestFollowingView)
#include "tst_followingview.moc"
