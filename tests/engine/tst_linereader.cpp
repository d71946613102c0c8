#include "engine/linereader.h"
#include "support/files.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Collected
{
    QStringList lines;
    LineReader reader{[this](QStringView line) { lines.append(line.toString()); }};
};

} // namespace

class TestLineReader : public QObject
{
    Q_OBJECT

private slots:
    void chunks_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("flushed");
        const auto row = [](const char *name, const QByteArrayList &chunks, const QStringList &lines, const QStringList &flushed = {}) {
            QTest::newRow(name) << chunks << lines << flushed;
        };

        row("line over two chunks", {"abc", "def\n"}, {u"abcdef"_s});
        row("CR LF is one break", {"a\r\nb\n"}, {u"a"_s, u"b"_s});
        row("CR rewrites are lines", {"10%\r20%\r30%\n"}, {u"10%"_s, u"20%"_s, u"30%"_s});
        row("empty lines dropped", {"\n\r\n", "\r", "\n"}, {});
        row("CR and LF in separate chunks", {"a\r", "\nb\n"}, {u"a"_s, u"b"_s});
        row("two-byte character split", {"caf\xC3", "\xA9\n"}, {u"café"_s});
        row("three-byte character in three chunks", {"\xE2", "\x82", "\xAC 5\n"}, {u"€ 5"_s});
        row("four-byte character split", {"x\xF0\x9F", "\x8E\xAC\n"}, {u"x🎬"_s});
        row("invalid bytes replaced",
            {"a\xFF"
             "b\n"},
            {u"a\uFFFDb"_s});
        row("cut character at the very end", {"ok\n\xC3"}, {u"ok"_s}, {u"\uFFFD"_s});
        row("rest without break waits for the flush", {"one\ntw", "o"}, {u"one"_s}, {u"two"_s});
        row("glued marker lines stay one line", {"VIRLOPP|MetadataVIRLOPP|Meta", "dataVIRLOFILE|/x/clip.mp4\n"},
            {u"VIRLOPP|MetadataVIRLOPP|MetadataVIRLOFILE|/x/clip.mp4"_s});
        row("nothing", {""}, {});
    }

    void chunks()
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

    void capturedOutputSplitsTheSameWhateverTheChunks_data()
    {
        QTest::addColumn<QString>("file");
        const QDir data(QStringLiteral(VIRELOOM_TEST_DATA));
        for (const QString &name : data.entryList({u"ytdlp-*.txt"_s}))
            QTest::newRow(qPrintable(name)) << data.filePath(name);
    }

    void capturedOutputSplitsTheSameWhateverTheChunks()
    {
        QFETCH(QString, file);
        const QByteArray output = readFile(file);

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
};

QTEST_APPLESS_MAIN(TestLineReader)
#include "tst_linereader.moc"
