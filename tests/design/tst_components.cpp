#include "design/appbackground.h"
#include "design/designsystem.h"
#include "design/shimmerbar.h"
#include "design/symbols.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRawFont>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QtQml/QQmlExtensionPlugin>
#include <QtQuickTest/quicktest.h>

#include <memory>

Q_IMPORT_QML_PLUGIN(Vireloom_DesignPlugin)

using namespace Qt::StringLiterals;

namespace {

// An object made from QML source by an engine that finds the design's module; null, with
// the reason in the log, where the source makes none.
std::unique_ptr<QObject> fromQml(QQmlEngine &engine, const QByteArray &qml)
{
    engine.addImportPath(u"qrc:/"_s);
    QQmlComponent component(&engine);
    component.setData(qml, QUrl(u"memory:/test.qml"_s));
    if (!QTest::qWaitFor([&component] { return !component.isLoading(); })) {
        qWarning() << "the QML source is still loading";
        return nullptr;
    }
    std::unique_ptr<QObject> object(component.create());
    if (!object)
        qWarning().noquote() << component.errorString();
    return object;
}

} // namespace

// The shared QML components' symbols, drawn from the font the application bundles.
class TestComponents : public QObject
{
    Q_OBJECT

private slots:
    // Run first, before anything in this process has added the icon font. A font added while
    // a window shows makes that window drop every font it has loaded and lay out all its text
    // again; the interface's fonts are all known before its first window.
    void windowShowsWithoutAFontAddedUnderIt()
    {
        // As the application starts: the desktop's fonts found on another thread.
        prepareInterfaceFont();
        useInterfaceFont();
        QSignalSpy added(qApp, &QGuiApplication::fontDatabaseChanged);
        QQmlEngine engine;
        const std::unique_ptr<QObject> window = fromQml(engine, "import QtQuick\nimport Vireloom.Design\n"
                                                                "Window { visible: true; width: 120; height: 60\n"
                                                                "SymbolIcon { symbol: \"clock\"; size: 16 }\n"
                                                                "PlainLabel { y: 30; text: \"Downloads\" } }\n");
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(qobject_cast<QWindow *>(window.get())));
        QCOMPARE(added.count(), 0);
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
            // The font is cut down to these glyphs at build time: each keeps its outline.
            QVERIFY2(!font.pathForGlyph(font.glyphIndexesForString(glyph).value(0)).isEmpty(), qPrintable(symbol));
            glyphs.insert(glyph);
        }
        // Every name draws its own picture.
        QCOMPARE(glyphs.size(), symbols.size());
    }

    // Figures line up in columns whichever monospaced fonts the machine has.
    void monoTokenIsFixedPitch() { QVERIFY(QFontInfo(DS::mono(15, QFont::DemiBold)).fixedPitch()); }

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

    // A desktop font that resolves to a fixed-pitch face (as "Sans Serif" does to IPAGothic
    // in a Japanese session) does not set the interface in columns: Latin letters keep their
    // own widths.
    void interfaceFontIsProportional()
    {
        const QFont before = QGuiApplication::font();
        const auto restore = qScopeGuard([&before] { QGuiApplication::setFont(before); });
        const auto inColumns = [](QFont font) {
            font.setPixelSize(14);
            const QFontMetricsF metrics(font);
            return metrics.horizontalAdvance(u"iiii"_s) > metrics.horizontalAdvance(u"WWWW"_s) * 0.8;
        };
        QGuiApplication::setFont(QFont(u"IPAGothic"_s));
        QVERIFY(inColumns(QGuiApplication::font()));
        useInterfaceFont();
        QVERIFY2(!inColumns(QGuiApplication::font()), qPrintable(QFontInfo(QGuiApplication::font()).family()));
        QVERIFY(QGuiApplication::font().families().contains(DS::cjkFamily));
    }

    // The interface's Latin letters are the desktop font's however the desktop names it: an
    // alias is followed to the face it stands for, the one Qt itself draws for it.
    void interfaceFontKeepsTheDesktopsLatin_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::newRow("an alias") << u"Sans Serif"_s;
        QTest::newRow("a family") << u"DejaVu Sans"_s;
    }

    void interfaceFontKeepsTheDesktopsLatin()
    {
        QFETCH(QString, desktop);
        const QFont before = QGuiApplication::font();
        const auto restore = qScopeGuard([&before] { QGuiApplication::setFont(before); });
        const QString drawn = QFontInfo(QFont(desktop)).family();
        QGuiApplication::setFont(QFont(desktop));
        useInterfaceFont();
        QCOMPARE(QFontInfo(QGuiApplication::font()).family(), drawn);
        QVERIFY(QGuiApplication::font().families().contains(DS::cjkFamily));
    }

    // The glow is left out of the first frame and drawn right after it, and then reads as
    // the blend it describes, on both sides of an odd-sized window's centre.
    void backgroundGlowArrivesAfterTheFirstFrame()
    {
        QQuickWindow window;
        window.resize(901, 500);
        AppBackground background(window.contentItem());
        background.setSize(QSizeF(901, 500));
        background.starfield()->setVisible(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto differs = [](QColor a, QColor b) {
            return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
        };
        const QList<QPoint> points{{450, 0}, {449, 10}, {451, 10}, {200, 100}, {700, 100}, {30, 300}, {870, 300}, {450, 499}};
        QImage picture;
        QTRY_VERIFY_WITH_TIMEOUT((picture = window.grabWindow(), differs(picture.pixelColor(450, 0), DS::bg) > 4), 3000);
        for (const QPoint &point : points) {
            const QColor wanted = AppBackground::colorAt(QPointF(point) + QPointF(0.5, 0.5), 901);
            QVERIFY2(differs(picture.pixelColor(point), wanted) <= 1,
                     qPrintable(u"at %1,%2: %3 instead of %4"_s.arg(point.x()).arg(point.y()).arg(picture.pixelColor(point).name(), wanted.name())));
        }
        // Dither and all, the right half is the left one mirrored about the middle column.
        for (const int y : {0, 7, 300, 499}) {
            for (int x = 0; x < 450; ++x)
                QVERIFY2(picture.pixel(900 - x, y) == picture.pixel(x, y), qPrintable(u"at %1,%2"_s.arg(x).arg(y)));
        }
    }

    // A trailing item that comes and goes moves nothing else: beside the title the page
    // header keeps its room, so the subtitle does not reflow; below the title nothing is
    // kept, and the items that show start at the margin, not after a gap.
    void pageHeaderKeepsRoomForTrailingItemsThatComeAndGo_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("below");
        QTest::newRow("beside the title") << 760 << false;
        QTest::newRow("below the title") << 560 << true;
    }

    void pageHeaderKeepsRoomForTrailingItemsThatComeAndGo()
    {
        QFETCH(int, width);
        QFETCH(bool, below);
        QQmlEngine engine;
        const std::unique_ptr<QObject> object =
            fromQml(engine, "import QtQuick\n"
                            "import Vireloom.Design\n"
                            "PageHeader {\n"
                            "property alias comes: comes\n"
                            "property alias stays: stays\n"
                            "l1: \"Paste a link,\"\n"
                            "l2: \"the star brings it.\"\n"
                            "sub: \"A subtitle long enough to wrap when the room beside the title changes by a button's width.\"\n"
                            "trailingReserve: comes.visible ? 0 : comes.implicitWidth + trailingSpacing\n"
                            "GhostButtonStyle { id: comes; visible: false; compact: true; text: \"Clear finished\" }\n"
                            "GhostButtonStyle { id: stays; compact: true; text: \"Open folder\" }\n"
                            "}\n");
        QVERIFY(object);
        auto *header = qobject_cast<QQuickItem *>(object.get());
        QQuickWindow window;
        window.resize(width, 400);
        header->setParentItem(window.contentItem());
        header->setWidth(width);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *comes = object->property("comes").value<QQuickItem *>();
        auto *stays = object->property("stays").value<QQuickItem *>();
        QQuickItem *sub = header->findChild<QQuickItem *>(u"sub"_s);
        QVERIFY(sub);
        const auto place = [header](QQuickItem *item) { return item->mapRectToItem(header, QRectF(0, 0, item->width(), item->height())); };
        QTRY_COMPARE(header->property("trailingBelow").toBool(), below);
        QTRY_VERIFY(stays->width() > 0 && sub->height() > 0);
        QVERIFY(QQuickTest::qWaitForPolish(&window));
        const QRectF subBefore = place(sub);
        if (below)
            QCOMPARE(place(stays).left(), subBefore.left());

        comes->setVisible(true);
        QTRY_VERIFY(place(comes).left() != place(stays).left());
        QVERIFY(QQuickTest::qWaitForPolish(&window));
        QCOMPARE(header->property("trailingBelow").toBool(), below);
        QCOMPARE(place(sub), subBefore);
        if (below)
            QCOMPARE(place(comes).left(), subBefore.left());
        else
            QVERIFY(place(comes).right() < place(stays).left());
    }

    // In a mirrored window what runs along the line starts from the right: the meter's fill,
    // a switch that is on, a line of text; a symbol that points forward turns round, and
    // one that points down does not.
    void componentsFollowTheMirror_data()
    {
        QTest::addColumn<bool>("mirrored");
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }

    void componentsFollowTheMirror()
    {
        QFETCH(bool, mirrored);
        QQmlEngine engine;
        const std::unique_ptr<QObject> object =
            fromQml(engine,
                    "import QtQuick\n"
                    "import Vireloom.Design\n"
                    "Item {\n"
                    "width: 200; height: 200\n"
                    "property bool mirrorOn: false\n"
                    "LayoutMirroring.enabled: mirrorOn\n"
                    "LayoutMirroring.childrenInherit: true\n"
                    "property alias meter: meter\n"
                    "property alias toggle: toggle\n"
                    "property alias label: label\n"
                    "property alias feed: feed\n"
                    "property alias down: down\n"
                    "Column {\n"
                    "width: parent.width\n"
                    "MeterBar { id: meter; width: parent.width; fraction: 0.25 }\n"
                    "Switch { id: toggle; checked: true }\n"
                    "PlainLabel { id: label; width: parent.width; text: \"A Latin title\" }\n"
                    "SymbolIcon { id: feed; symbol: \"dot.radiowaves.up.forward\" }\n"
                    "SymbolIcon { id: down; symbol: \"arrow.down\" }\n"
                    "Row { ChoiceChip { id: first; objectName: \"first\"; text: \"720p\" } ChoiceChip { id: second; text: \"480p\" } }\n"
                    "}\n"
                    "property alias first: first\n"
                    "property alias second: second\n"
                    "}\n");
        QVERIFY(object);
        auto *root = qobject_cast<QQuickItem *>(object.get());
        root->setProperty("mirrorOn", mirrored);
        QQuickWindow window;
        window.resize(200, 200);
        root->setParentItem(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QQuickTest::qWaitForPolish(&window));
        const auto item = [&object](const char *name) { return object->property(name).value<QQuickItem *>(); };
        const auto sceneRect = [](const QQuickItem *it) { return it->mapRectToScene(QRectF(0, 0, it->width(), it->height())); };

        QQuickItem *meter = item("meter");
        QQuickItem *fill = meter->findChild<QQuickItem *>(u"fill"_s);
        QVERIFY(fill);
        QTRY_COMPARE(fill->width(), 50.0);
        QCOMPARE(sceneRect(fill).left(), mirrored ? 150.0 : 0.0);

        QQuickItem *toggle = item("toggle");
        QQuickItem *knob = toggle->findChild<QQuickItem *>(u"knob"_s);
        QVERIFY(knob);
        const QRectF track = sceneRect(toggle);
        QTRY_COMPARE(sceneRect(knob).center().x() > track.center().x(), !mirrored);

        // Text.AlignLeft is 1, Text.AlignRight 2.
        QCOMPARE(item("label")->property("effectiveHorizontalAlignment").toInt(), mirrored ? 2 : 1);
        QCOMPARE(item("feed")->property("turned").toBool(), mirrored);
        QCOMPARE(item("down")->property("turned").toBool(), false);

        // The arrow that points at the second chip moves there; the other one stays.
        QQuickItem *first = item("first");
        QQuickItem *second = item("second");
        QCOMPARE(sceneRect(second).center().x() < sceneRect(first).center().x(), mirrored);
        first->forceActiveFocus();
        QTest::keyClick(&window, mirrored ? Qt::Key_Right : Qt::Key_Left);
        QVERIFY(first->hasActiveFocus());
        QTest::keyClick(&window, mirrored ? Qt::Key_Left : Qt::Key_Right);
        QVERIFY(second->hasActiveFocus());
    }

    // Spaced-out capitals stay spaced in scripts whose letters stand apart, and close up in
    // those whose letters join, where spacing would break every word.
    void trackingKeepsJoinedLettersTogether_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("tracking");
        QTest::newRow("Latin") << u"DOWNLOAD"_s << 2.2;
        QTest::newRow("Hebrew") << u"הורדה"_s << 2.2;
        QTest::newRow("Greek") << u"ΛΗΨΗ"_s << 2.2;
        QTest::newRow("Arabic") << u"تنزيل"_s << 0.0;
        QTest::newRow("Hindi") << u"डाउनलोड"_s << 0.0;
        QTest::newRow("Arabic after a Latin name") << u"yt-dlp محرّك"_s << 0.0;
    }

    void trackingKeepsJoinedLettersTogether()
    {
        QFETCH(QString, text);
        QFETCH(double, tracking);
        QCOMPARE(trackingFor(text, 2.2), tracking);
    }

    // The sweep of the bar that waits for a download's details runs the way text does.
    void shimmerSweepsAlongTheLine_data()
    {
        QTest::addColumn<bool>("mirrored");
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }

    void shimmerSweepsAlongTheLine()
    {
        QFETCH(bool, mirrored);
        const QSize size(200, 6);
        // Early in a sweep (phase 0.3): the light is still in the first half of the bar.
        const double t = 0.5;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            ShimmerBar::draw(painter, QSizeF(size), t, mirrored);
        }
        int brightest = 0;
        int best = -1;
        for (int x = 0; x < size.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, size.height() / 2));
            if (alpha > best) {
                best = alpha;
                brightest = x;
            }
        }
        QVERIFY2(mirrored ? brightest > size.width() / 2 : brightest < size.width() / 2, qPrintable(QString::number(brightest)));
    }
};

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
