#include "design/symbols.h"
#include "design/tokens.h"

#include <QFile>
#include <QFontInfo>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRawFont>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <memory>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)

using namespace Qt::StringLiterals;

// The shared QML components, loaded the way the application loads them.
class TestComponents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySymbolHasAGlyphInTheBundledFont();
    void unknownSymbolHasNoGlyph();
    void tokensReachQml();
    void meterBarShowsItsFraction_data();
    void meterBarShowsItsFraction();
    void buttonSizes_data();
    void buttonSizes();
    void pageHeaderWithoutSubtitle();
    void plainLabelShowsMarkupAsWritten();
    void checkBoxTogglesOnClick();
    void appearFadesAndSlidesIn();

private:
    // Creates `qml` (a component body) inside a shown window; the item is owned by it.
    QQuickItem *show(const QByteArray &qml);

    QQmlEngine m_engine;
    std::unique_ptr<QQuickWindow> m_window;
};

void TestComponents::initTestCase()
{
    m_engine.addImportPath(u"qrc:/"_s);
}

QQuickItem *TestComponents::show(const QByteArray &qml)
{
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(400, 300);
    QQmlComponent component(&m_engine);
    component.setData("import QtQuick\nimport Vireloom.Design\n" + qml, QUrl(u"qrc:/test.qml"_s));
    auto *item = qobject_cast<QQuickItem *>(component.create());
    if (!item) {
        qWarning() << component.errors();
        return nullptr;
    }
    item->setParentItem(m_window->contentItem());
    item->setParent(m_window.get());
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    return item;
}

void TestComponents::everySymbolHasAGlyphInTheBundledFont()
{
    QFile file(iconFontResource());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QRawFont font(file.readAll(), 24);
    QVERIFY(font.isValid());
    QVERIFY(!iconFontFamily().isEmpty());
    const QStringList symbols = knownSymbols();
    QCOMPARE(symbols.size(), 22);
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

void TestComponents::unknownSymbolHasNoGlyph()
{
    QVERIFY(symbolGlyph(u"no.such.symbol").isEmpty());
    QVERIFY(symbolGlyph(u"").isEmpty());
    QVERIFY(symbolGlyph(u"Clock").isEmpty());
}

void TestComponents::tokensReachQml()
{
    QQuickItem *item = show(R"(
        Item {
            property color primary: DS.primary
            property color faded: DS.opacity(DS.primary, 0.14)
            property color white: DS.opacity("white", 0.07)
            property real radius: DS.radius
            property string glyph: DS.glyph("clock")
            property string family: DS.iconFamily
            property font mono: DS.mono(15, Font.DemiBold)
        })");
    QVERIFY(item);
    QCOMPARE(item->property("primary").value<QColor>(), colorFromHex(0x9498F2));
    const QColor faded = item->property("faded").value<QColor>();
    QCOMPARE(faded.rgb(), DS::primary.rgb());
    QVERIFY(qAbs(faded.alphaF() - 0.14) < 0.002);
    QVERIFY(qAbs(item->property("white").value<QColor>().alphaF() - 0.07) < 0.002);
    QCOMPARE(item->property("radius").toDouble(), 14.0);
    QCOMPARE(item->property("glyph").toString(), symbolGlyph(u"clock"));
    QCOMPARE(item->property("family").toString(), iconFontFamily());
    const QFont mono = item->property("mono").value<QFont>();
    QCOMPARE(mono.pixelSize(), 15);
    QCOMPARE(mono.weight(), QFont::DemiBold);
    QVERIFY(QFontInfo(mono).fixedPitch());
}

void TestComponents::meterBarShowsItsFraction_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("fillWidth");

    QTest::newRow("nothing done shows a sliver") << 0.0 << 3.0;
    QTest::newRow("a third") << 1.0 / 3 << 100.0;
    QTest::newRow("over the top is full") << 1.5 << 300.0;
}

void TestComponents::meterBarShowsItsFraction()
{
    QFETCH(double, fraction);
    QFETCH(double, fillWidth);
    QQuickItem *bar = show("MeterBar { width: 300 }");
    QVERIFY(bar);
    QCOMPARE(bar->height(), 6.0);
    auto *fill = bar->findChild<QQuickItem *>(u"fill"_s);
    QVERIFY(fill);
    QCOMPARE(fill->width(), 3.0);
    bar->setProperty("fraction", fraction);
    // Changes glide over 0.4 s.
    QTRY_VERIFY2(qAbs(fill->width() - fillWidth) < 0.01, qPrintable(QString::number(fill->width())));
}

void TestComponents::buttonSizes_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<double>("horizontal");
    QTest::addColumn<double>("vertical");

    QTest::newRow("primary") << QByteArray("PrimaryButtonStyle") << false << 13 << 20.0 << 10.0;
    QTest::newRow("primary, compact") << QByteArray("PrimaryButtonStyle") << true << 12 << 14.0 << 7.0;
    QTest::newRow("ghost") << QByteArray("GhostButtonStyle") << false << 13 << 18.0 << 9.0;
    QTest::newRow("ghost, compact") << QByteArray("GhostButtonStyle") << true << 12 << 12.0 << 6.0;
}

void TestComponents::buttonSizes()
{
    QFETCH(QByteArray, type);
    QFETCH(bool, compact);
    QFETCH(int, fontSize);
    QFETCH(double, horizontal);
    QFETCH(double, vertical);
    QQuickItem *button = show(type + " { text: \"Baixar\"; compact: " + (compact ? "true" : "false") + " }");
    QVERIFY(button);
    auto *content = button->property("contentItem").value<QQuickItem *>();
    QVERIFY(content);
    const QFont font = content->property("font").value<QFont>();
    QCOMPARE(font.pixelSize(), fontSize);
    QCOMPARE(button->width(), content->implicitWidth() + 2 * horizontal);
    QCOMPARE(button->height(), content->implicitHeight() + 2 * vertical);
}

void TestComponents::pageHeaderWithoutSubtitle()
{
    QQuickItem *header = show(R"(PageHeader { width: 400; eyebrow: "Downloads"; l1: "Paste a link."; l2: "We do the rest." })");
    QVERIFY(header);
    auto *sub = header->findChild<QQuickItem *>(u"sub"_s);
    QVERIFY(sub);
    QVERIFY(!sub->isVisible());
    const double without = header->implicitHeight();
    header->setProperty("sub", u"Everything you saved, newest first."_s);
    QVERIFY(sub->isVisible());
    QTRY_VERIFY(header->implicitHeight() > without + 10);
    // Long subtitles wrap within 520 points.
    header->setProperty("width", 1200);
    header->setProperty("sub", QString(u"word "_s).repeated(200));
    QTRY_VERIFY(sub->width() <= 520);
}

void TestComponents::plainLabelShowsMarkupAsWritten()
{
    QQuickItem *row = show(R"(
        Row {
            PlainLabel { objectName: "markup"; text: "<b>x</b>" }
            PlainLabel { objectName: "plain"; text: "x" }
            Eyebrow { objectName: "eyebrow"; text: "<i>y</i>" }
        })");
    QVERIFY(row);
    auto *markup = row->findChild<QQuickItem *>(u"markup"_s);
    auto *plain = row->findChild<QQuickItem *>(u"plain"_s);
    QVERIFY(markup && plain);
    // "<b>x</b>" shown as eight characters is far wider than a bold x.
    QVERIFY(markup->implicitWidth() > 4 * plain->implicitWidth());
    QCOMPARE(row->findChild<QQuickItem *>(u"eyebrow"_s)->property("textFormat").toInt(), 0 /* Text.PlainText */);
}

void TestComponents::checkBoxTogglesOnClick()
{
    QQuickItem *box = show("CheckBox { x: 10; y: 10 }");
    QVERIFY(box);
    QCOMPARE(box->width(), 16.0);
    QCOMPARE(box->property("on").toBool(), false);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(18, 18));
    QTRY_COMPARE(box->property("on").toBool(), true);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(18, 18));
    QTRY_COMPARE(box->property("on").toBool(), false);
    // Clicks outside the square do nothing.
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(40, 40));
    QTest::qWait(50);
    QCOMPARE(box->property("on").toBool(), false);
}

void TestComponents::appearFadesAndSlidesIn()
{
    QQuickItem *card = show("Rectangle { width: 100; height: 50; Appear.delay: 0.2 }");
    QVERIFY(card);
    QObject *appear = nullptr;
    for (QObject *child : card->children()) {
        if (child->metaObject()->indexOfProperty("delay") >= 0)
            appear = child;
    }
    QVERIFY(appear);
    QCOMPARE(appear->property("delay").toDouble(), 0.2);
    QCOMPARE(card->opacity(), 0.0);
    QCOMPARE(card->mapToScene(QPointF(0, 0)).y(), 12.0);
    QTest::qWait(100);
    QCOMPARE(card->opacity(), 0.0);
    QTRY_VERIFY(appear->property("on").toBool());
    QTRY_COMPARE(card->opacity(), 1.0);
    QCOMPARE(card->mapToScene(QPointF(0, 0)).y(), 0.0);
}

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
