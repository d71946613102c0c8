#include "design/designsystem.h"
#include "design/symbols.h"

#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

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

    // A label in the interface's font draws its Japanese and its Latin letters in the same
    // weight, at every weight the design uses: no face is left regular beside a bold one.
    void japaneseKeepsTheWeightOfTheLatinBesideIt_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("bold");
        QTest::newRow("normal") << int(QFont::Normal) << false;
        QTest::newRow("medium") << int(QFont::Medium) << false;
        QTest::newRow("demibold") << int(QFont::DemiBold) << true;
        QTest::newRow("bold") << int(QFont::Bold) << true;
    }

    void japaneseKeepsTheWeightOfTheLatinBesideIt()
    {
        QFETCH(int, weight);
        QFETCH(bool, bold);
        useInterfaceFont();
        QVERIFY(QGuiApplication::font().families().contains(DS::cjkFamily));
        QFont font;
        font.setPixelSize(14);
        font.setWeight(QFont::Weight(weight));
        QTextLayout layout(u"ダウンロード保存 Download"_s, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QSet<QString> families;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            const QRawFont face = run.rawFont();
            families.insert(face.familyName());
            QVERIFY2(face.styleName().contains(u"Bold"_s) == bold,
                     qPrintable(u"%1 %2 at weight %3"_s.arg(face.familyName(), face.styleName()).arg(weight)));
        }
        QVERIFY2(families.contains(DS::cjkFamily), qPrintable(QStringList(families.begin(), families.end()).join(u", ")));
    }
};

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
