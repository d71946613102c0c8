#include "i18n/i18n.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QTest>
#include <QTextLayout>

// Every text of every language must be drawable with the interface font and the fonts
// it falls back to: a character no font covers shows up as an empty box.
class TestGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void everyTranslationHasItsGlyphs()
    {
        for (const TranslationRow &row : translationRows()) {
            for (const QString &translated : row.translations) {
                QTextLayout layout(QString(translated).replace(u'\n', u' '), QGuiApplication::font());
                layout.beginLayout();
                layout.createLine();
                layout.endLayout();
                for (const QGlyphRun &run : layout.glyphRuns())
                    QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(translated));
            }
        }
    }
};

QTEST_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
