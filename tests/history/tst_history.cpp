#include "base/format.h"
#include "history/historybook.h"
#include "history/historylist.h"
#include "history/historystore.h"
#include "model/downloaditem.h"
#include "support/files.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kValidEntry = R"({"id":"8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F","title":"T","url":"https://x/v","site":"",
    "quality":"Melhor","date":"2026-12-05T08:30:00Z"})";

HistoryEntry entry(int n, std::optional<qint64> bytes = std::nullopt, std::optional<QString> file = std::nullopt)
{
    return {QUuid::createUuid(),
            u"Title %1 — ünïcode"_s.arg(n),
            u"https://example.com/v/%1"_s.arg(n),
            file,
            u"Example"_s,
            u"1080p"_s,
            QDateTime(QDate(2026, 12, 5), QTime(8, 30, n % 60), Qt::UTC),
            {},
            bytes};
}

QByteArray withEntry(const QByteArray &replaceFrom, const QByteArray &replaceTo)
{
    QByteArray entry = kValidEntry;
    return '[' + entry.replace(replaceFrom, replaceTo) + ']';
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

    QString path() const { return m_dir->filePath(u"history.json"_s); }
    QStringList setAside() const { return QDir(m_dir->path()).entryList({u"history.json.unreadable-*"_s}); }
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void roundTripAndFormat()
    {
        HistoryEntry full = entry(1, 123456789012LL, u"/home/me/Downloads/a.mp4"_s);
        full.thumbnail = u"https://i.example/t.jpg?a=1&b=%20"_s;
        full.title = u"Quotes \" and \\ backslashes,\nlines,\ttabs, \x01 controls and emoji 🎬"_s;
        // Only a hand-edited file holds a lone surrogate; it must survive a save all the same.
        full.site = u"lone "_s + QChar(0xDDDD) + QChar(0xD800) + u"x"_s;
        const QList<HistoryEntry> entries{full, entry(2), entry(3, 0)};
        QCOMPARE(HistoryStore::decode(HistoryStore::encode(entries)), entries);
        QCOMPARE(HistoryStore::decode(HistoryStore::encode({})), QList<HistoryEntry>());

        // The file's own form: upper-case ids, whole-second UTC dates, absent values left out.
        HistoryEntry e = entry(7);
        e.id = QUuid(u"{8d4c6b9e-2f7a-4e0b-9c3d-1a2b3c4d5e6f}"_s);
        const QJsonObject object = QJsonDocument::fromJson(HistoryStore::encode({e})).array().first().toObject();
        QCOMPARE(object.value(u"id"_s).toString(), u"8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F"_s);
        QCOMPARE(object.value(u"date"_s).toString(), u"2026-12-05T08:30:07Z"_s);
        QCOMPARE(QStringList(object.keys()), (QStringList{u"date"_s, u"id"_s, u"quality"_s, u"site"_s, u"title"_s, u"url"_s}));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<std::optional<qint64>>("bytes");
        const std::optional<qint64> none;

        QTest::newRow("nulls for absent values")
            << withEntry(R"("site":"")", R"("site":"","file":null,"thumbnail":null,"bytes":null)") << true << none;
        QTest::newRow("unknown keys, whole float size")
            << withEntry(R"("site":"")", R"("site":"","future":{"x":1},"bytes":42.0)") << true << std::optional<qint64>(42);
        QTest::newRow("lower-case id") << withEntry("8D4C6B9E", "8d4c6b9e") << true << none;

        QTest::newRow("malformed JSON") << QByteArray("[{\"id\": ") << false << none;
        QTest::newRow("object instead of array") << QByteArray(kValidEntry) << false << none;
        QTest::newRow("entry not an object") << QByteArray("[" + kValidEntry + ", 5]") << false << none;
        QTest::newRow("missing date") << withEntry(R"(,"date":"2026-12-05T08:30:00Z")", "") << false << none;
        QTest::newRow("fractional seconds") << withEntry("08:30:00Z", "08:30:00.250Z") << false << none;
        QTest::newRow("impossible day") << withEntry("2026-12-05", "2026-02-30") << false << none;
        QTest::newRow("title not a string") << withEntry(R"("title":"T")", R"("title":7)") << false << none;
        QTest::newRow("site null") << withEntry(R"("site":"")", R"("site":null)") << false << none;
        QTest::newRow("id in braces") << withEntry("8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F", "{8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F}")
                                      << false << none;
        QTest::newRow("fractional bytes") << withEntry(R"("site":"")", R"("site":"","bytes":1.5)") << false << none;
        QTest::newRow("bytes past 64 bits") << withEntry(R"("site":"")", R"("site":"","bytes":1e30)") << false << none;
    }

    void decode()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        QFETCH(std::optional<qint64>, bytes);
        const auto decoded = HistoryStore::decode(content);
        QCOMPARE(decoded.has_value(), readable);
        if (readable) {
            QCOMPARE(decoded->first().id, QUuid(u"8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F"_s));
            QCOMPARE(decoded->first().file, std::nullopt);
            QCOMPARE(decoded->first().bytes, bytes);
        }
    }

    void sizesAreBackFilled()
    {
        const QString media = m_dir->filePath(u"clip.mp4"_s);
        QVERIFY(writeFile(media, QByteArray(4321, 'x')));
        QVERIFY(HistoryStore::save(path(), {entry(1, std::nullopt, media), entry(2, std::nullopt, m_dir->filePath(u"gone.mp4"_s)),
                                            entry(3, 99, media), entry(4)}));
        const auto loaded = HistoryStore::load(path());
        QCOMPARE(loaded.entries.size(), 4);
        QCOMPARE(loaded.entries[0].bytes, 4321);
        QCOMPARE(loaded.entries[1].bytes, std::nullopt);
        QCOMPARE(loaded.entries[2].bytes, 99);
        QCOMPARE(loaded.entries[3].bytes, std::nullopt);

        // Not written back by the load itself; the next save carries the sizes.
        QCOMPARE(HistoryStore::decode(readFile(path()))->at(0).bytes, std::nullopt);
        QVERIFY(HistoryStore::save(path(), loaded.entries));
        QFile::remove(media);
        QCOMPARE(HistoryStore::load(path()).entries[0].bytes, 4321);
    }

    void listCapsRemovesAndTotals()
    {
        HistoryList list;
        QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
        QList<HistoryEntry> entries;
        for (int n = 0; n < 1000; ++n)
            entries.append(entry(n, 1));
        list.assign(entries);
        QCOMPARE(list.totalBytes(), 1000);

        const HistoryEntry newest = entry(1000, 5);
        list.prepend(newest);
        QCOMPARE(list.count(), 1000);
        QCOMPARE(list.entries().first(), newest);
        QCOMPARE(list.entries().last(), entries.at(998));
        QCOMPARE(list.totalBytes(), 1004);

        QSignalSpy total(&list, &HistoryList::totalBytesChanged);
        list.removeId(QUuid::createUuid());
        QCOMPARE(list.count(), 1000);
        list.removeId(newest.id);
        QCOMPARE(list.entries().first(), entries.at(0));
        QCOMPARE(list.totalBytes(), 999);
        list.clear();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.totalBytes(), 0);
        QCOMPARE(total.size(), 2);
        QCOMPARE(reset.size(), 0);

        // Sizes from an edited file cannot overflow the total.
        list.assign({entry(1, std::numeric_limits<qint64>::max()), entry(2, 5)});
        QCOMPARE(list.totalBytes(), std::numeric_limits<qint64>::max());
    }

    // A stored entry names its poster; only one on the web is handed to the window.
    void onlyWebThumbnailsAreShown()
    {
        HistoryList list;
        QList<HistoryEntry> entries;
        for (const char *thumbnail : {"https://i.example/t.jpg", "HTTP://i.example/t.jpg", "file:///home/me/.ssh/id.png",
                                      "data:image/png;base64,AA", "qrc:/icons/16.png", "no scheme at all"}) {
            HistoryEntry e = entry(int(entries.size()));
            e.thumbnail = QString::fromLatin1(thumbnail);
            entries.append(e);
        }
        list.assign(entries);
        QStringList shown;
        for (int row = 0; row < list.rowCount(); ++row)
            shown << list.data(list.index(row), HistoryList::ThumbnailRole).toString();
        QCOMPARE(shown, (QStringList{u"https://i.example/t.jpg"_s, u"http://i.example/t.jpg"_s, {}, {}, {}, {}}));
    }

    void bookRecordsAndSaves()
    {
        HistoryBook book(path());
        book.load();
        QCOMPARE(book.list()->count(), 0);
        QVERIFY(!QFile::exists(path()));

        const QString first = m_dir->filePath(u"part.f137.mp4"_s);
        const QString last = m_dir->filePath(u"clip.mp4"_s);
        QVERIFY(writeFile(first, QByteArray(300, 'x')));
        QVERIFY(writeFile(last, QByteArray(4000, 'x')));
        DownloadItem item(u"https://example.com/v/1"_s, Quality::best, false);
        item.setTitle(u"A clip"_s);
        item.setThumbnail(QUrl(u"https://i.example/a b.jpg"_s));
        item.setFiles({first, last, m_dir->filePath(u"gone.mp4"_s)});
        QElapsedTimer sinceFirstSave;
        sinceFirstSave.start();
        book.record(item);

        const HistoryEntry entry = book.list()->entries().first();
        QCOMPARE(entry.file, m_dir->filePath(u"gone.mp4"_s));
        QCOMPARE(entry.bytes, 4300);
        QCOMPARE(entry.quality, u"Melhor"_s);
        QCOMPARE(entry.thumbnail, u"https://i.example/a%20b.jpg"_s);
        QCOMPARE(entry.date.time().msec(), 0);
        QCOMPARE(HistoryStore::decode(readFile(path())), book.list()->entries());

        item.setFiles({});
        book.record(item);
        QCOMPARE(book.list()->entries().first().file, std::nullopt);
        QCOMPARE(book.list()->entries().first().bytes, 0);
        book.remove(entry.id);
        // Changes that follow a save closely wait for the gap, and are then saved together.
        if (sinceFirstSave.elapsed() < HistoryBook::kSaveGapMs)
            QCOMPARE(HistoryStore::decode(readFile(path())), QList<HistoryEntry>{entry});
        QTRY_COMPARE_WITH_TIMEOUT(HistoryStore::decode(readFile(path())), book.list()->entries(), 5 * HistoryBook::kSaveGapMs);
        QCOMPARE(book.list()->count(), 1);
        book.clear();
        book.flush();
        QCOMPARE(readFile(path()), QByteArray("[]"));
        QVERIFY(QFile::exists(last));

        // What is still unsaved when the book goes is saved then.
        {
            HistoryBook again(path());
            again.load();
            again.record(item);
            again.record(item);
        }
        QCOMPARE(HistoryStore::decode(readFile(path()))->size(), 2);
    }

    // Pages choose titles and thumbnails: the history keeps them to sizes no real one has,
    // and a link no real page gives is not recorded at all.
    void oversizedTextsAreCapped()
    {
        HistoryBook book(path());
        book.load();
        DownloadItem item(u"https://example.com/v/1"_s, Quality::best, false);
        item.setTitle(QString(8 * 1024 * 1024, u'x'));
        item.setThumbnail(QUrl(u"https://i.example/"_s + QString(Tools::kLinkLimit, u'a')));
        book.record(item);
        QCOMPARE(book.list()->count(), 1);
        QCOMPARE(book.list()->entries().first().title.size(), Tools::kTitleLimit);
        QCOMPARE(book.list()->entries().first().thumbnail, std::nullopt);

        DownloadItem longLink(u"https://example.com/"_s + QString(Tools::kLinkLimit, u'a'), Quality::best, false);
        book.record(longLink);
        QCOMPARE(book.list()->count(), 1);

        // A file written before the cap reads with its titles cut.
        HistoryEntry old = book.list()->entries().first();
        old.title = QString(Tools::kTitleLimit * 3, u'y');
        const auto decoded = HistoryStore::decode(HistoryStore::encode({old}));
        QVERIFY(decoded);
        QCOMPARE(decoded->first().title.size(), Tools::kTitleLimit);
    }

    void unreadableFileIsKeptAside()
    {
        const QByteArray broken = "[{\"id\": \"not finished";
        QVERIFY(writeFile(path(), broken));
        HistoryBook book(path());
        book.load();
        QCOMPARE(book.list()->count(), 0);
        QVERIFY(book.writable());
        QCOMPARE(setAside().size(), 1);
        QVERIFY(!QFile::exists(path()));

        book.record(DownloadItem(u"https://example.com/v/2"_s, Quality::mp3, false));
        QCOMPARE(HistoryStore::decode(readFile(path()))->size(), 1);
        QCOMPARE(readFile(m_dir->filePath(setAside().first())), broken);

        // A second broken file in the same second does not replace the first one kept.
        QVERIFY(writeFile(path(), "junk"));
        const auto again = HistoryStore::load(path());
        QVERIFY(again.setAside.startsWith(path() + u".unreadable-"_s));
        QCOMPARE(readFile(again.setAside), QByteArray("junk"));
        QCOMPARE(setAside().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
