#include "engine/leftovers.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Leftovers::Keep)

// What a download that did not deliver leaves behind, and what of it goes, in a folder
// laid out as yt-dlp leaves one.
class TestLeftovers : public QObject
{
    Q_OBJECT

private slots:
    void removes_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("preexisting"); // "clip.mp4" was there before the run
        QTest::addColumn<QStringList>("arrived");
        QTest::addColumn<Leftovers::Keep>("keep");
        QTest::addColumn<QStringList>("remaining");
        using K = Leftovers::Keep;

        const QStringList partial{u"clip.mp4.part"_s, u"clip.mp4.ytdl"_s, u"clip.f137.mp4.part-Frag4"_s, u"clip.f140.m4a"_s};
        const QStringList fetched{u"clip.webp"_s, u"clip.en.vtt"_s, u"clip.temp.mp4"_s};
        const QStringList unrelated{u"clip.final.mp4"_s, u"clip.part2.mp4"_s, u"clipper.mp4.part"_s, u"other.mp4"_s};

        QTest::newRow("cancelled: all of the run goes, nothing else")
            << partial + fetched + unrelated << false << QStringList() << K::nothing << unrelated;
        QTest::newRow("failed: what a retry continues from stays")
            << partial + fetched + unrelated << false << QStringList() << K::resumable << partial + unrelated;
        QTest::newRow("failed in post-processing: the final name goes")
            << QStringList{u"clip.mp4"_s, u"clip.temp.mp4"_s} << false << QStringList() << K::resumable << QStringList();
        QTest::newRow("the user's own file and its pictures stay")
            << QStringList{u"clip.mp4"_s, u"clip.jpg"_s, u"clip.en.srt"_s, u"clip.temp.mp4"_s, u"clip.mp4.part"_s} << true << QStringList()
            << K::nothing << QStringList{u"clip.en.srt"_s, u"clip.jpg"_s, u"clip.mp4"_s};
        QTest::newRow("a delivered file stays") << QStringList{u"clip.mp4"_s, u"clip.webp"_s} << false << QStringList{u"clip.mp4"_s}
                                                << K::nothing << QStringList{u"clip.mp4"_s, u"clip.webp"_s};
        // The original goes; a picture the run delivered beside it is no leftover.
        QTest::newRow("converted: the original's name differs from the delivered one")
            << QStringList{u"clip.mp4"_s, u"clip.mp3"_s, u"clip.jpg"_s} << false << QStringList{u"clip.mp3"_s, u"clip.jpg"_s}
            << K::resumable << QStringList{u"clip.jpg"_s, u"clip.mp3"_s};
    }

    void removes()
    {
        QFETCH(QStringList, present);
        QFETCH(bool, preexisting);
        QFETCH(QStringList, arrived);
        QFETCH(Leftovers::Keep, keep);
        QFETCH(QStringList, remaining);

        QTemporaryDir folder;
        for (const QString &name : present)
            QVERIFY(writeFile(folder.filePath(name), "x"));
        const QString destination = folder.filePath(u"clip.mp4"_s);
        Leftovers::Run run{{destination}, {}, {}};
        if (preexisting)
            run.preexisting << destination;
        for (const QString &name : arrived)
            run.arrived << folder.filePath(name);

        Leftovers::remove(run, keep);
        remaining.sort();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), remaining);
    }

    // Each destination is looked at in its own folder: a playlist's entries in theirs.
    void destinationsInOtherFolders()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(u"Feed"_s));
        for (const QString &name : {u"Feed/1 - One.mp4"_s, u"Feed/2 - Two.mp4.part"_s, u"2 - Two.mp4.part"_s})
            QVERIFY(writeFile(root.filePath(name), "x"));
        const Leftovers::Run run{{root.filePath(u"Feed/1 - One.mp4"_s), root.filePath(u"Feed/2 - Two.mp4"_s)},
                                 {},
                                 {root.filePath(u"Feed/1 - One.mp4"_s)}};
        QCOMPARE(Leftovers::remove(run, Leftovers::Keep::nothing), 1);
        QCOMPARE(QDir(root.filePath(u"Feed"_s)).entryList(QDir::Files), QStringList{u"1 - One.mp4"_s});
        QVERIFY(QFileInfo::exists(root.filePath(u"2 - Two.mp4.part"_s)));
    }

    // A discarded download: its partial data and pictures go; a name whose file is whole
    // keeps it and what is beside it.
    void unfinishedGoFinishedStay()
    {
        QTemporaryDir root;
        for (const QString &name : {u"cut.mp4.part"_s, u"cut.f137.mp4"_s, u"cut.jpg"_s, u"whole.mp4"_s, u"whole.jpg"_s, u"other.jpg"_s})
            QVERIFY(writeFile(root.filePath(name), "x"));
        QCOMPARE(Leftovers::removeUnfinished({root.filePath(u"cut.mp4"_s), root.filePath(u"whole.mp4"_s)}), 3);
        QCOMPARE(QDir(root.path()).entryList(QDir::Files, QDir::Name), (QStringList{u"other.jpg"_s, u"whole.jpg"_s, u"whole.mp4"_s}));
    }

    // Audio made from a fetched video takes that video away once the audio arrived; a video
    // of the user's under the name the run announced stays, and so does all when none arrived.
    void fetchedForConversionGoes()
    {
        QTemporaryDir root;
        for (const QString &name : {u"clip.mp4"_s, u"clip.webm"_s, u"clip.mp3"_s})
            QVERIFY(writeFile(root.filePath(name), "x"));
        Leftovers::Run run{{root.filePath(u"clip.mp4"_s), root.filePath(u"clip.webm"_s)}, {root.filePath(u"clip.mp4"_s)}, {}};
        QCOMPARE(Leftovers::removeFetchedForConversion(run), 0);
        run.arrived << root.filePath(u"clip.mp3"_s);
        QCOMPARE(Leftovers::removeFetchedForConversion(run), 1);
        QCOMPARE(QDir(root.path()).entryList(QDir::Files, QDir::Name), (QStringList{u"clip.mp3"_s, u"clip.mp4"_s}));
    }

    // A playlist's run given up: the folder it made goes once empty; one that was there, or
    // that still holds anything, stays; nothing outside the download folder is looked at.
    void emptyFoldersTheRunMade()
    {
        QTemporaryDir root;
        const QDir folder(root.filePath(u"Downloads"_s));
        for (const QString &path : {u"Downloads/Made/Deeper"_s, u"Downloads/Mine"_s, u"Downloads/Kept"_s, u"Outside"_s})
            QVERIFY(QDir(root.path()).mkpath(path));
        QVERIFY(writeFile(folder.filePath(u"Kept/1 - One.mp4"_s), "x"));
        const QStringList destinations{folder.filePath(u"Made/Deeper/1 - One.mp4"_s), folder.filePath(u"Mine/1 - One.mp4"_s),
                                       folder.filePath(u"Kept/2 - Two.mp4"_s), root.filePath(u"Outside/1 - One.mp4"_s),
                                       folder.filePath(u"1 - One.mp4"_s)};
        QCOMPARE(Leftovers::removeEmptyFolders(destinations, folder.path(), {u"Mine"_s}), 2);
        QCOMPARE(folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), (QStringList{u"Kept"_s, u"Mine"_s}));
        QVERIFY(QFileInfo(root.filePath(u"Outside"_s)).isDir());
    }
};

QTEST_GUILESS_MAIN(TestLeftovers)
#include "tst_leftovers.moc"
