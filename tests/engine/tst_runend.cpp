#include "engine/commandline.h"
#include "engine/failuremessages.h"
#include "engine/runend.h"
#include "model/downloaditem.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RunEnd)

// How a run ends, from what it left in its item and what the run itself knows. Each row is
// one way a run comes back; the restarts are what keeps a user from a failure they did not
// cause, and each must happen only where the row says.
class TestRunEnd : public QObject
{
    Q_OBJECT

    // What the run left, in a few words: "playlist", "cancelled", "delivered" (a new file),
    // "found" (a file that was there before), "converted" (a new file made from the one
    // found), "announced" (a destination, no file), "moved" (the bar moved), "refused" (an
    // HTTP 403 in the log), "gone" (an HTTP 410), "distinct" (its own name already).
    static void leave(DownloadItem &item, const QStringList &traits)
    {
        const QString file = u"/downloads/Clip.mp4"_s;
        if (traits.contains(u"cancelled"_s))
            item.setUserCancelled(true);
        if (traits.contains(u"announced"_s))
            item.noteDestination(file, false);
        if (traits.contains(u"delivered"_s)) {
            item.noteDestination(file, false);
            item.appendFile(file);
        }
        if (traits.contains(u"found"_s)) {
            item.noteDestination(file, true);
            item.appendFile(file);
        }
        if (traits.contains(u"converted"_s)) {
            item.noteDestination(u"/downloads/Clip.mp3"_s, false);
            item.appendFile(u"/downloads/Clip.mp3"_s);
        }
        if (traits.contains(u"moved"_s))
            item.setProgress(0.2);
        if (traits.contains(u"refused"_s))
            item.appendLog(u"ERROR: unable to download video data: HTTP Error 403: Forbidden"_s);
        if (traits.contains(u"gone"_s))
            item.appendLog(u"ERROR: unable to download video data: HTTP Error 410: Gone"_s);
        if (traits.contains(u"distinct"_s))
            item.setDistinctName(true);
    }

private slots:
    void decides_data()
    {
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("status");
        // "unread" (the run read the link itself), "probed" (it was given the probe's
        // reading), "another's" (a delivered file belongs to another link), "engine" (the
        // failure points at the engine), "kept" (a yt-dlp that last worked is there to try).
        QTest::addColumn<QStringList>("facts");
        QTest::addColumn<RunEnd>("end");
        using E = RunEnd;
        const int several = kListedSeveral;

        QTest::newRow("a clean exit is done") << QStringList{u"delivered"_s} << 0 << QStringList{u"probed"_s} << E::done;
        QTest::newRow("a failure is failed") << QStringList{u"announced"_s, u"moved"_s} << 1 << QStringList() << E::failed;
        QTest::newRow("a crash is never done") << QStringList{u"announced"_s} << -1 << QStringList() << E::failed;
        QTest::newRow("cancelled, whatever the exit") << QStringList{u"cancelled"_s, u"delivered"_s} << 0 << QStringList() << E::cancelled;

        QTest::newRow("a link listing several becomes a playlist")
            << QStringList() << several << QStringList{u"unread"_s} << E::againAsPlaylist;
        QTest::newRow("not once it has fetched something") << QStringList{u"announced"_s} << several << QStringList{u"unread"_s} << E::failed;
        QTest::newRow("not when the probe had read it") << QStringList() << several << QStringList() << E::failed;
        QTest::newRow("not when cancelled") << QStringList{u"cancelled"_s} << several << QStringList{u"unread"_s} << E::cancelled;
        QTest::newRow("not for what is a playlist already") << QStringList{u"playlist"_s} << several << QStringList{u"unread"_s} << E::failed;

        QTest::newRow("another link's file under its title: its own name")
            << QStringList{u"found"_s} << 0 << QStringList{u"unread"_s, u"another's"_s} << E::againUnderOwnName;
        QTest::newRow("the link's own file found again is done") << QStringList{u"found"_s} << 0 << QStringList{u"unread"_s} << E::done;
        QTest::newRow("a new file that another link also names is done")
            << QStringList{u"delivered"_s} << 0 << QStringList{u"unread"_s, u"another's"_s} << E::done;
        QTest::newRow("nothing delivered is no file found again: done") << QStringList() << 0 << QStringList{u"unread"_s, u"another's"_s} << E::done;
        QTest::newRow("the audio made from the file found is new: done")
            << QStringList{u"found"_s, u"converted"_s} << 0 << QStringList{u"unread"_s, u"another's"_s} << E::done;
        QTest::newRow("a name of its own already: done, not again")
            << QStringList{u"found"_s, u"distinct"_s} << 0 << QStringList{u"unread"_s, u"another's"_s} << E::done;
        QTest::newRow("a probed run knew its title: done")
            << QStringList{u"found"_s} << 0 << QStringList{u"probed"_s, u"another's"_s} << E::done;

        QTest::newRow("refused media addresses of the probe: read anew")
            << QStringList{u"refused"_s} << 1 << QStringList{u"probed"_s} << E::againWithFreshReading;
        QTest::newRow("media addresses of the probe gone: read anew")
            << QStringList{u"gone"_s} << 1 << QStringList{u"probed"_s} << E::againWithFreshReading;
        QTest::newRow("refused after bytes came: failed")
            << QStringList{u"refused"_s, u"moved"_s} << 1 << QStringList{u"probed"_s} << E::failed;
        QTest::newRow("refused without the probe's reading: failed") << QStringList{u"refused"_s} << 1 << QStringList() << E::failed;
        QTest::newRow("another failure of a probed run: failed") << QStringList() << 1 << QStringList{u"probed"_s} << E::failed;

        QTest::newRow("the engine's fault on an unproven engine: the kept one tries")
            << QStringList{u"announced"_s} << 1 << QStringList{u"engine"_s, u"kept"_s} << E::againWithKeptEngine;
        QTest::newRow("the engine's fault, nothing kept: failed") << QStringList() << 1 << QStringList{u"engine"_s} << E::failed;
        QTest::newRow("another failure with one kept: failed") << QStringList() << 1 << QStringList{u"kept"_s} << E::failed;
        QTest::newRow("the engine's fault, cancelled: cancelled")
            << QStringList{u"cancelled"_s} << 1 << QStringList{u"engine"_s, u"kept"_s} << E::cancelled;
        QTest::newRow("refused media addresses are read anew before the kept engine tries")
            << QStringList{u"refused"_s} << 1 << QStringList{u"probed"_s, u"engine"_s, u"kept"_s} << E::againWithFreshReading;
        QTest::newRow("a playlist with files despite the engine is done")
            << QStringList{u"playlist"_s, u"delivered"_s} << 1 << QStringList{u"engine"_s, u"kept"_s} << E::done;

        QTest::newRow("a playlist with files is done though some entries failed")
            << QStringList{u"playlist"_s, u"delivered"_s} << 1 << QStringList() << E::done;
        QTest::newRow("a playlist without files failed") << QStringList{u"playlist"_s} << 1 << QStringList() << E::failed;
    }

    void decides()
    {
        QFETCH(QStringList, left);
        QFETCH(int, status);
        QFETCH(QStringList, facts);
        QFETCH(RunEnd, end);

        DownloadItem item(u"https://example.org/watch?v=1"_s, Quality::best, left.contains(u"playlist"_s));
        leave(item, left);
        const RunFacts runFacts{status,
                                facts.contains(u"unread"_s),
                                facts.contains(u"probed"_s),
                                facts.contains(u"another's"_s),
                                facts.contains(u"engine"_s),
                                facts.contains(u"kept"_s)};
        QCOMPARE(endOfRun(item, runFacts), end);
    }

    // Which failures the yt-dlp that last worked is tried for: those of the engine itself,
    // not of the site, the network or the settings.
    void engineFault_data()
    {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("engine");

        QTest::newRow("cannot read the page") << QStringList{u"ERROR: [youtube] abc: Unable to extract uploader id"_s} << true;
        QTest::newRow("nsig") << QStringList{u"ERROR: [youtube] abc: nsig extraction failed: Some formats may be missing"_s} << true;
        QTest::newRow("signature") << QStringList{u"ERROR: [youtube] abc: Signature extraction failed"_s} << true;
        QTest::newRow("a crash") << QStringList{u"Traceback (most recent call last):"_s, u"  File \"yt_dlp/__main__.py\""_s,
                                                u"KeyError: 'formats'"_s}
                                 << true;
        QTest::newRow("the engine's 403") << QStringList{u"ERROR: [youtube] abc: HTTP Error 403: Forbidden"_s} << true;
        QTest::newRow("a page's own 403") << QStringList{u"ERROR: [generic] Unable to download webpage: HTTP Error 403: Forbidden"_s}
                                          << false;
        QTest::newRow("gone") << QStringList{u"ERROR: [generic] abc: HTTP Error 404: Not Found"_s} << false;
        QTest::newRow("no network") << QStringList{u"ERROR: [Errno 101] Network is unreachable"_s} << false;
        QTest::newRow("a login") << QStringList{u"ERROR: [youtube] abc: Sign in to confirm you’re not a bot"_s} << false;
        QTest::newRow("no JavaScript runtime") << QStringList{u"WARNING: No supported JavaScript runtime could be found"_s,
                                                              u"ERROR: [youtube] abc: Unable to extract nsig"_s}
                                               << false;
        QTest::newRow("silence") << QStringList() << false;
    }

    void engineFault()
    {
        QFETCH(QStringList, log);
        QFETCH(bool, engine);
        std::optional<QString> lastError;
        for (const QString &line : log) {
            if (line.startsWith(u"ERROR: "_s))
                lastError = line.mid(7);
        }
        QCOMPARE(describeRun(lastError, log, 1, {}).engineFault, engine);
    }
};

QTEST_GUILESS_MAIN(TestRunEnd)
#include "tst_runend.moc"
