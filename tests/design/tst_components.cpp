#include "design/symbols.h"

#include <QFile>
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
    void initTestCase()
    {
        m_engine.addImportPath(u"qrc:/"_s);
    }

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

    void plainLabelShowsMarkupAsWritten()
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

private:
    // Creates `qml` (a component body) inside a shown window; the item is owned by it.
    QQuickItem *show(const QByteArray &qml);

    QQmlEngine m_engine;
    std::unique_ptr<QQuickWindow> m_window;
};

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

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
