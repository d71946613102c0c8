#include "history/historybook.h"
#include "history/historylist.h"
#include "history/historystore.h"
#include "model/downloaditem.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void roundTrip();
    void fileFormat();
    void readableVariants();
    void unreadable_data();
    void unreadable();
    void missingFileLoadsEmpty();
    void unreadableFileIsSetAside();
    void sizesAreBackFilled();
    void failedSaveLeavesNothingBehind();
    void listCapsAtAThousand();
    void listRemoveAndClear();
    void bookRecordsAndSaves();
    void bookKeepsAnUnreadableFile();

private:
    QString path() const { return m_dir->filePath(u"history.json"_s); }
    void write(const QByteArray &content);
    QByteArray read(const QString &file) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const QByteArray kValidEntry = R"({"id":"8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F","title":"T","url":"https://x/v","site":"",
    "quality":"Melhor","date":"2026-12-05T08:30:00Z"})";

HistoryEntry entry(int n, std::optional<qint64> bytes = std::nullopt, std::optional<QString> file = std::nullopt)
{
    HistoryEntry e;
    e.id = QUuid::createUuid();
    e.title = u"Title %1 — ünïcode"_s.arg(n);
    e.url = u"https://example.com/v/%1"_s.arg(n);
    e.file = file;
    e.site = u"Example"_s;
    e.quality = u"1080p"_s;
    e.date = QDateTime(QDate(2026, 12, 5), QTime(8, 30, n % 60), Qt::UTC);
    e.bytes = bytes;
    return e;
}

QByteArray withEntry(const QByteArray &replaceFrom, const QByteArray &replaceTo)
{
    QByteArray entry = kValidEntry;
    return '[' + entry.replace(replaceFrom, replaceTo) + ']';
}

} // namespace

void TestHistory::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestHistory::write(const QByteArray &content)
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestHistory::read(const QString &file) const
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void TestHistory::roundTrip()
{
    HistoryEntry full = entry(1, 123456789012LL, u"/home/me/Downloads/a.mp4"_s);
    full.thumbnail = u"https://i.example/t.jpg?a=1&b=%20"_s;
    full.title = u"Quotes \" and \\ backslashes,\nlines,\ttabs, \x01 controls and emoji 🎬"_s;
    // Only a hand-edited file holds a lone surrogate; it must survive a save all the same.
    full.site = u"lone "_s + QChar(0xDDDD) + QChar(0xD800) + u"x"_s;
    const QList<HistoryEntry> entries{full, entry(2), entry(3, 0)};
    const auto decoded = HistoryStore::decode(HistoryStore::encode(entries));
    QVERIFY(decoded);
    QCOMPARE(*decoded, entries);
    QCOMPARE(HistoryStore::decode(HistoryStore::encode({})), QList<HistoryEntry>());
}

void TestHistory::fileFormat()
{
    HistoryEntry e = entry(7);
    e.id = QUuid(u"{8d4c6b9e-2f7a-4e0b-9c3d-1a2b3c4d5e6f}"_s);
    const QByteArray encoded = HistoryStore::encode({e});
    QVERIFY(!encoded.contains('\n'));
    QVERIFY(!encoded.contains(": "));
    const QJsonObject object = QJsonDocument::fromJson(encoded).array().first().toObject();
    QCOMPARE(object.value(u"id"_s).toString(), u"8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F"_s);
    QCOMPARE(object.value(u"date"_s).toString(), u"2026-12-05T08:30:07Z"_s);
    // Absent values are left out, not written as null.
    QCOMPARE(QStringList(object.keys()), (QStringList{u"date"_s, u"id"_s, u"quality"_s, u"site"_s, u"title"_s, u"url"_s}));
}

void TestHistory::readableVariants()
{
    const auto nulls = HistoryStore::decode(withEntry(R"("site":"")", R"("site":"","file":null,"thumbnail":null,"bytes":null)"));
    QVERIFY(nulls);
    QCOMPARE(nulls->first().file, std::nullopt);
    QCOMPARE(nulls->first().thumbnail, std::nullopt);
    QCOMPARE(nulls->first().bytes, std::nullopt);

    const auto extra = HistoryStore::decode(withEntry(R"("site":"")", R"("site":"","future":{"x":1},"bytes":42.0)"));
    QVERIFY(extra);
    QCOMPARE(extra->first().bytes, 42);

    const auto lower = HistoryStore::decode(withEntry("8D4C6B9E", "8d4c6b9e"));
    QVERIFY(lower);
    QCOMPARE(lower->first().id, QUuid(u"8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F"_s));
}

void TestHistory::unreadable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("malformed JSON") << QByteArray("[{\"id\": ");
    QTest::newRow("object instead of array") << QByteArray(kValidEntry);
    QTest::newRow("entry not an object") << QByteArray("[" + kValidEntry + ", 5]");
    QTest::newRow("missing date") << withEntry(R"(,"date":"2026-12-05T08:30:00Z")", "");
    QTest::newRow("fractional seconds") << withEntry("08:30:00Z", "08:30:00.250Z");
    QTest::newRow("offset instead of Z") << withEntry("08:30:00Z", "08:30:00+00:00");
    QTest::newRow("date only") << withEntry("2026-12-05T08:30:00Z", "2026-12-05");
    QTest::newRow("impossible day") << withEntry("2026-12-05", "2026-02-30");
    QTest::newRow("title not a string") << withEntry(R"("title":"T")", R"("title":7)");
    QTest::newRow("site null") << withEntry(R"("site":"")", R"("site":null)");
    QTest::newRow("id not a UUID") << withEntry("8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F", "not-a-uuid");
    QTest::newRow("id in braces") << withEntry("8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F", "{8D4C6B9E-2F7A-4E0B-9C3D-1A2B3C4D5E6F}");
    QTest::newRow("fractional bytes") << withEntry(R"("site":"")", R"("site":"","bytes":1.5)");
    QTest::newRow("bytes as text") << withEntry(R"("site":"")", R"("site":"","bytes":"12")");
    QTest::newRow("bytes past 64 bits") << withEntry(R"("site":"")", R"("site":"","bytes":1e30)");
    QTest::newRow("file not a string") << withEntry(R"("site":"")", R"("site":"","file":["/a"])");
}

void TestHistory::unreadable()
{
    QFETCH(QByteArray, content);
    QCOMPARE(HistoryStore::decode(content), std::nullopt);
}

void TestHistory::missingFileLoadsEmpty()
{
    const auto loaded = HistoryStore::load(path());
    QVERIFY(loaded.entries.isEmpty());
    QVERIFY(loaded.setAside.isEmpty());
    QVERIFY(loaded.writable);
    QVERIFY(!QFile::exists(path()));
}

void TestHistory::unreadableFileIsSetAside()
{
    const QByteArray broken = withEntry(R"(,"date":"2026-12-05T08:30:00Z")", "");
    write(broken);
    const auto loaded = HistoryStore::load(path());
    QVERIFY(loaded.entries.isEmpty());
    QVERIFY(loaded.writable);
    QVERIFY(loaded.setAside.startsWith(path() + u".unreadable-"_s));
    QVERIFY(!QFile::exists(path()));
    QFile aside(loaded.setAside);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), broken);

    // A second broken file in the same second does not replace the first one kept.
    write("junk");
    const auto again = HistoryStore::load(path());
    QVERIFY(!again.setAside.isEmpty());
    QVERIFY(again.setAside != loaded.setAside);
    QCOMPARE(QDir(m_dir->path()).entryList({u"history.json.unreadable-*"_s}).size(), 2);
}

void TestHistory::sizesAreBackFilled()
{
    const QString media = m_dir->filePath(u"clip.mp4"_s);
    QFile file(media);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4321, 'x'));
    file.close();

    QVERIFY(HistoryStore::save(path(), {entry(1, std::nullopt, media), entry(2, std::nullopt, m_dir->filePath(u"gone.mp4"_s)),
                                        entry(3, 99, media), entry(4)}));
    const auto loaded = HistoryStore::load(path());
    QCOMPARE(loaded.entries.size(), 4);
    QCOMPARE(loaded.entries[0].bytes, 4321);
    QCOMPARE(loaded.entries[1].bytes, std::nullopt);
    QCOMPARE(loaded.entries[2].bytes, 99);
    QCOMPARE(loaded.entries[3].bytes, std::nullopt);

    // Not written back by the load itself; the next save carries the sizes.
    QVERIFY(!HistoryStore::decode([&] { QFile f(path()); f.open(QIODevice::ReadOnly); return f.readAll(); }())->at(0).bytes);
    QVERIFY(HistoryStore::save(path(), loaded.entries));
    QFile::remove(media);
    QCOMPARE(HistoryStore::load(path()).entries[0].bytes, 4321);
}

void TestHistory::failedSaveLeavesNothingBehind()
{
    QVERIFY(HistoryStore::save(path(), {entry(1)}));

    // A folder where the file should be: the new content cannot be moved into place.
    const QString blocked = m_dir->filePath(u"blocked.json"_s);
    QVERIFY(QDir().mkpath(blocked + u"/inside"_s));
    QVERIFY(!HistoryStore::save(blocked, {entry(2)}));
    QVERIFY(QFileInfo(blocked + u"/inside"_s).isDir());
    // No temporary file is left over.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"history.json"_s});
}

void TestHistory::listCapsAtAThousand()
{
    HistoryList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<HistoryEntry> entries;
    for (int n = 0; n < 1000; ++n)
        entries.append(entry(n, 1));
    list.assign(entries);
    QCOMPARE(list.count(), 1000);
    QCOMPARE(list.totalBytes(), 1000);

    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    const HistoryEntry newest = entry(1000, 5);
    list.prepend(newest);
    QCOMPARE(list.count(), 1000);
    QCOMPARE(list.entries().first(), newest);
    QCOMPARE(list.entries().last(), entries.at(998));
    QCOMPARE(list.totalBytes(), 1004);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(list.data(list.index(0), HistoryList::BytesRole).toLongLong(), 5);
    QCOMPARE(list.data(list.index(1), HistoryList::HasFileRole).toBool(), false);
}

void TestHistory::listRemoveAndClear()
{
    HistoryList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QList<HistoryEntry> entries{entry(1, 10), entry(2), entry(3, 30)};
    list.assign(entries);
    QCOMPARE(list.totalBytes(), 40);

    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
    QSignalSpy total(&list, &HistoryList::totalBytesChanged);
    list.removeId(QUuid::createUuid());
    QCOMPARE(list.entries(), entries);
    list.removeId(entries[0].id);
    QCOMPARE(list.entries(), (QList<HistoryEntry>{entries[1], entries[2]}));
    QCOMPARE(list.totalBytes(), 30);
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.totalBytes(), 0);
    QCOMPARE(total.size(), 2);
    QCOMPARE(reset.size(), 0);

    // Sizes from an edited file cannot overflow the total.
    list.assign({entry(1, std::numeric_limits<qint64>::max()), entry(2, 5)});
    QCOMPARE(list.totalBytes(), std::numeric_limits<qint64>::max());
}

void TestHistory::bookRecordsAndSaves()
{
    HistoryBook book(path());
    book.load();
    QCOMPARE(book.list()->count(), 0);
    QVERIFY(!QFile::exists(path()));

    const QString first = m_dir->filePath(u"part.f137.mp4"_s);
    const QString last = m_dir->filePath(u"clip.mp4"_s);
    for (const auto &[name, size] : {std::pair{first, 300}, std::pair{last, 4000}}) {
        QFile media(name);
        QVERIFY(media.open(QIODevice::WriteOnly));
        media.write(QByteArray(size, 'x'));
    }
    DownloadItem item(u"https://example.com/v/1"_s, Quality::best, false);
    item.setTitle(u"A clip"_s);
    item.setSite(u"Example"_s);
    item.setThumbnail(QUrl(u"https://i.example/a b.jpg"_s));
    item.setFiles({first, last, m_dir->filePath(u"gone.mp4"_s)});
    book.record(item);

    const HistoryEntry entry = book.list()->entries().first();
    QCOMPARE(entry.file, m_dir->filePath(u"gone.mp4"_s));
    QCOMPARE(entry.bytes, 4300);
    QCOMPARE(entry.quality, u"Melhor"_s);
    QCOMPARE(entry.thumbnail, u"https://i.example/a%20b.jpg"_s);
    QCOMPARE(entry.date.time().msec(), 0);
    QCOMPARE(HistoryStore::decode(read(path())), book.list()->entries());

    item.setFiles({});
    book.record(item);
    QCOMPARE(book.list()->entries().first().file, std::nullopt);
    QCOMPARE(book.list()->entries().first().bytes, 0);
    book.remove(entry.id);
    QCOMPARE(HistoryStore::decode(read(path())), book.list()->entries());
    QCOMPARE(book.list()->count(), 1);
    book.clear();
    QCOMPARE(read(path()), QByteArray("[]"));
    QVERIFY(QFile::exists(last));
}

void TestHistory::bookKeepsAnUnreadableFile()
{
    write("[{\"id\": \"not finished");
    HistoryBook book(path());
    book.load();
    QCOMPARE(book.list()->count(), 0);
    QVERIFY(book.writable());
    const QStringList aside = QDir(m_dir->path()).entryList({u"history.json.unreadable-*"_s});
    QCOMPARE(aside.size(), 1);

    book.record(DownloadItem(u"https://example.com/v/2"_s, Quality::mp3, false));
    QCOMPARE(HistoryStore::decode(read(path()))->size(), 1);
    QCOMPARE(read(m_dir->filePath(aside.first())), QByteArray("[{\"id\": \"not finished"));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
