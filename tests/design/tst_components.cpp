#include "design/designsystem.h"
#include "design/symbols.h"

#include <QFile>
#include <QFontInfo>
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

    // Figures line up in columns whichever monospaced fonts the machine has.
    void monoTokenIsFixedPitch()
    {
        QVERIFY(QFontInfo(DS::mono(15, QFont::DemiBold)).fixedPitch());
    }
};

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
