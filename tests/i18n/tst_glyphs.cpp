#include "i18n/i18n.h"
#include "support/tsfiles.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QTest>
#include <QTextLayout>

using namespace Qt::StringLiterals;

// Every text of every language must be drawable with the interface font and the fonts it
// falls back to: a character no font covers shows up as an empty box.
class TestGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void everyTranslationHasItsGlyphs_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &path : tsFilePaths())
            QTest::newRow(qPrintable(readTsFile(path).code)) << path;
    }

    void everyTranslationHasItsGlyphs()
    {
        QFETCH(QString, path);
        const TsFile ts = readTsFile(path);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        const QFont font = QGuiApplication::font();
        int drawn = 0;
        for (const TsMessage &message : ts.messages) {
            if (!message.inUse())
                continue;
            for (const QString &translated : message.translations) {
                QTextLayout layout(QString(translated).replace(u'\n', u' '), font);
                layout.beginLayout();
                layout.createLine();
                layout.endLayout();
                for (const QGlyphRun &run : layout.glyphRuns())
                    QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(translated));
                ++drawn;
            }
        }
        QVERIFY(drawn > 0);
    }
};

QTEST_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
