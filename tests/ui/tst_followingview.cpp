#include "base/paths.h"
#include "following/following.h"
#include "settings/settings.h"
#include "support/files.h"
#include "ui/followingview.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The Following page's helper without a window: the words of each state, and what
// following a link through it comes to while the first reading runs and once it ends.
class TestFollowingView : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Settings> m_settings;

    // A stand-in engine that answers as `script` says once the test writes the file
    // "release" beside it.
    QString engine(const QByteArray &script) const
    {
        const QString path = m_root->filePath(u"engine"_s);
        const QByteArray release = m_root->filePath(u"release"_s).toLocal8Bit();
        if (!writeFile(path, "#!/bin/sh\nwhile [ ! -e '" + release + "' ]; do sleep 0.05; done\n" + script + '\n')
            || !QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
            return {};
        return path;
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        Tools::setLocations({m_root->filePath(u"support"_s), {}, m_root->filePath(u"cache"_s)});
        m_settings = std::make_unique<Settings>(m_root->filePath(u"settings.ini"_s));
        m_settings->setValue(SettingsKey::folder, m_root->filePath(u"Downloads"_s));
    }

    void cleanup()
    {
        m_settings.reset();
        m_root.reset();
    }

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
        QTest::newRow("checking a paused source")
            << u"checking"_s << QString() << qint64(0) << true << u"Checking just this once: the source stays paused"_s;
        QTest::newRow("paused") << u"paused"_s << u"network"_s << qint64(0) << true << u"Paused"_s;
        QTest::newRow("asked to pause") << u"failed"_s << u"rateLimited"_s << qint64(12 * 3600) << false
                                        << u"The site asked for a pause: checking every 12 h"_s;
        QTest::newRow("asked to pause, no backoff")
            << u"failed"_s << u"rateLimited"_s << qint64(0) << false << u"The site asked for a pause: trying again later"_s;
        QTest::newRow("gone") << u"failed"_s << u"vanished"_s << qint64(0) << false
                              << u"Not found: the link is gone, private or not a list"_s;
        QTest::newRow("unreachable") << u"failed"_s << u"network"_s << qint64(0) << false << u"Couldn’t reach the site: trying again later"_s;
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

    void outcomeLastsUntilTheFirstReadingEnds_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("kept");
        const QString link = u"http://127.0.0.1:9/page.html"_s;
        QTest::newRow("read") << QByteArray("echo '{\"_type\": \"playlist\", \"title\": \"A feed\", \"entries\": []}'") << QString() << true;
        QTest::newRow("nothing to follow")
            << QByteArray("echo 'ERROR: Unsupported URL: " + link.toLatin1() + "' >&2; exit 1")
            << u"Nothing to follow at %1: it isn’t a channel, a playlist or a feed, or it no longer exists."_s.arg(link) << false;
        QTest::newRow("unreachable") << QByteArray("echo 'ERROR: Unable to download webpage: HTTP Error 503' >&2; exit 1") << QString()
                                     << true;
    }

    // "The first reading has started" says so while it runs; the card takes over once it
    // has ended, or the refusal does, in words, when it found nothing to follow.
    void outcomeLastsUntilTheFirstReadingEnds()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, outcome);
        QFETCH(bool, kept);
        Following::Environment environment;
        environment.file = m_root->filePath(u"following.json"_s);
        environment.engine = [path = engine(script)] { return path; };
        Following following(m_settings.get(), environment);
        FollowingView view;
        view.setFollowing(&following);
        QSignalSpy finished(&following, &Following::checkFinished);

        QVERIFY(view.follow(u"http://127.0.0.1:9/page.html"_s, false, u"mp3"_s));
        QCOMPARE(view.outcome(), u"Following: the first reading has started."_s);
        QVERIFY(!view.outcomeRefused());
        QCOMPARE(following.sources().value(0).options.quality, Quality::mp3);
        QVERIFY(writeFile(m_root->filePath(u"release"_s)));
        QVERIFY(finished.wait(30000));
        QCOMPARE(view.outcome(), outcome);
        QCOMPARE(view.outcomeRefused(), !outcome.isEmpty());
        QCOMPARE(following.sources().size(), kept ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestFollowingView)
#include "tst_followingview.moc"
