#include "engine/linereader.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLineReader : public QObject
{
    Q_OBJECT

private slots:
    void chunks_data();
    void chunks();
    void lineWaitsForItsEnd();
    void capturedOutputSplitsTheSameWhateverTheChunks_data();
    void capturedOutputSplitsTheSameWhateverTheChunks();
};

namespace {

struct Collected
{
    QStringList lines;
    LineReader reader{[this](QStringView line) { lines.append(line.toString()); }};
};

QByteArray bytes(const char *text)
{
    return QByteArray(text);
}

} // namespace

void TestLineReader::chunks_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("flushed");

    QTest::newRow("line over two chunks") << QByteArrayList{"abc", "def\n"} << QStringList{u"abcdef"_s} << QStringList();
    QTest::newRow("CR LF is one break") << QByteArrayList{"a\r\nb\n"} << QStringList{u"a"_s, u"b"_s} << QStringList();
    QTest::newRow("CR rewrites are lines") << QByteArrayList{"10%\r20%\r30%\n"} << QStringList{u"10%"_s, u"20%"_s, u"30%"_s}
                                           << QStringList();
    QTest::newRow("empty lines dropped") << QByteArrayList{"\n\r\n", "\r", "\n"} << QStringList() << QStringList();
    QTest::newRow("CR and LF in separate chunks") << QByteArrayList{"a\r", "\nb\n"} << QStringList{u"a"_s, u"b"_s}
                                                  << QStringList();
    QTest::newRow("two-byte character split") << QByteArrayList{bytes("caf\xC3"), bytes("\xA9\n")} << QStringList{u"café"_s}
                                              << QStringList();
    QTest::newRow("three-byte character in three chunks")
        << QByteArrayList{bytes("\xE2"), bytes("\x82"), bytes("\xAC 5\n")} << QStringList{u"€ 5"_s} << QStringList();
    QTest::newRow("four-byte character split")
        << QByteArrayList{bytes("x\xF0\x9F"), bytes("\x8E\xAC\n")} << QStringList{u"x🎬"_s} << QStringList();
    QTest::newRow("invalid bytes replaced") << QByteArrayList{bytes("a\xFF" "b\n")} << QStringList{u"a\uFFFDb"_s}
                                            << QStringList();
    QTest::newRow("cut character at the very end")
        << QByteArrayList{bytes("ok\n\xC3")} << QStringList{u"ok"_s} << QStringList{u"\uFFFD"_s};
    QTest::newRow("rest without break is flushed") << QByteArrayList{"one\ntw", "o"} << QStringList{u"one"_s}
                                                   << QStringList{u"two"_s};
    QTest::newRow("glued marker lines stay one line")
        << QByteArrayList{"VIRLOPP|MetadataVIRLOPP|Meta", "dataVIRLOFILE|/x/clip.mp4\n"}
        << QStringList{u"VIRLOPP|MetadataVIRLOPP|MetadataVIRLOFILE|/x/clip.mp4"_s} << QStringList();
    QTest::newRow("nothing") << QByteArrayList{""} << QStringList() << QStringList();
}

void TestLineReader::chunks()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, flushed);

    Collected collected;
    for (const QByteArray &chunk : chunks)
        collected.reader.feed(chunk);
    QCOMPARE(collected.lines, lines);
    collected.reader.flush();
    QCOMPARE(collected.lines, lines + flushed);
    // A second flush has nothing left to deliver.
    collected.reader.flush();
    QCOMPARE(collected.lines, lines + flushed);
}

void TestLineReader::lineWaitsForItsEnd()
{
    Collected collected;
    collected.reader.feed("VIRLOP|1|2|3");
    QVERIFY(collected.lines.isEmpty());
    QCOMPARE(collected.reader.pendingBytes(), 12);
    collected.reader.feed("|4|5|6|7\rnext");
    QCOMPARE(collected.lines, QStringList{u"VIRLOP|1|2|3|4|5|6|7"_s});
    QCOMPARE(collected.reader.pendingBytes(), 4);
}

void TestLineReader::capturedOutputSplitsTheSameWhateverTheChunks_data()
{
    QTest::addColumn<QString>("file");
    const QDir data(QStringLiteral(VIRELOOM_TEST_DATA));
    for (const QString &name : data.entryList({u"ytdlp-*.txt"_s}))
        QTest::newRow(qPrintable(name)) << data.filePath(name);
}

void TestLineReader::capturedOutputSplitsTheSameWhateverTheChunks()
{
    QFETCH(QString, file);
    QFile captured(file);
    QVERIFY(captured.open(QIODevice::ReadOnly));
    const QByteArray output = captured.readAll();

    Collected whole;
    whole.reader.feed(output);
    whole.reader.flush();
    QVERIFY(!whole.lines.isEmpty());
    // Both line ends end a line, and lines with nothing in them are dropped.
    QByteArrayList expected = QByteArray(output).replace('\r', '\n').split('\n');
    expected.removeAll(QByteArray());
    QCOMPARE(whole.lines.join(u'\n').toUtf8(), expected.join('\n'));

    for (const qsizetype size : {1, 2, 3, 7, 64}) {
        Collected chunked;
        for (qsizetype at = 0; at < output.size(); at += size)
            chunked.reader.feed(QByteArrayView(output).sliced(at, std::min(size, output.size() - at)));
        chunked.reader.flush();
        QCOMPARE(chunked.lines, whole.lines);
    }
}

QTEST_APPLESS_MAIN(TestLineReader)
#include "tst_linereader.moc"
