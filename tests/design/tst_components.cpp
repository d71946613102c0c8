#include "design/symbols.h"

#include <QFile>
#include <QRawFont>
#include <QTest>

using namespace Qt::StringLiterals;

// The shared QML components' symbols, drawn from the font the application bundles.
class TestComponents : public QObject
{
    Q_OBJECT

private slots:
    void everySymbolHasAGlyphInTheBundledFont()
    {
        QFile file(iconFontResource());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRawFont font(file.readAll(), 24);
        QVERIFY(font.isValid());
        QVERIFY(!iconFontFamily().isEmpty());
        const QStringList symbols = knownSymbols();
        QSet<QString> glyphs;
        for (const QString &symbol : symbols) {
            const QString glyph = symbolGlyph(symbol);
            QCOMPARE(glyph.size(), 1);
            QVERIFY2(font.supportsCharacter(glyph.at(0)), qPrintable(symbol));
            glyphs.insert(glyph);
        }
        // Every name draws its own picture.
        QCOMPARE(glyphs.size(), symbols.size());
    }
};

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
