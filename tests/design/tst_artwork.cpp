#include "design/dropmark.h"
#include "design/nebula.h"
#include "design/rendering.h"
#include "design/signalline.h"
#include "design/starfield.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
// Times count from 2001, so the present is around 8·10⁸ seconds.
constexpr double present = 812345678.123;
} // namespace

// The drawings as functions of time: they repeat cleanly, stay exact at the times the
// application really uses, and never ask for more frames than their caps.
class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void shootingStarFliesAtTheStartOfEachCycle();
    void dropsHandOverOnAPeriodBoundary();
    void largeTimesStayExact();
    void nebulaDensityLimits();
    void signalLineKeepsEveryDrawnRow();
    void ratesStayWithinTheirCaps();
    void softwareRasterizers();
};

void TestArtwork::shootingStarFliesAtTheStartOfEachCycle()
{
    const double cycle = std::floor(present / 9) * 9;
    const std::pair<double, bool> moments[] = {{63 + 1.19, true}, {63 + 1.2, false}, {63 + 5, false},
                                               {-8.5, false}, {cycle + 0.6, true}, {cycle + 9.1, true}};
    for (const auto &[t, flying] : moments) {
        const auto star = Starfield::shootingStar(t, QSizeF(1000, 600), 1.0);
        QCOMPARE(star.has_value(), flying);
        // It falls down and to the right, inside the sky, fading as it goes.
        if (star) {
            QVERIFY(star->head.y() > star->tail.y() && star->head.x() > star->tail.x());
            QVERIFY(star->head.x() > 0 && star->head.x() < 1000 && star->head.y() < 600);
            QVERIFY(star->headOpacity > 0 && star->headOpacity <= 0.85);
        }
    }
}

void TestArtwork::dropsHandOverOnAPeriodBoundary()
{
    DropMark::Style style;
    style.animated = true;
    for (const double t : {2.4 * 3, std::floor(present / 2.4) * 2.4}) {
        // The previous drop has just reached the ring; the next one starts unseen at the top.
        const auto list = DropMark::drops(style, t, 10, 50);
        QCOMPARE(list.size(), size_t(2));
        QVERIFY(qAbs(list[0].y - 50) < 1e-6 && qAbs(list[0].alpha - 1) < 1e-6);
        QVERIFY(qAbs(list[1].y - 10) < 1e-6 && list[1].alpha < 1e-6);
    }
    // A period that cannot be used shows the still mark instead of dividing by it.
    for (const double period : {0.0, -2.4, notANumber}) {
        style.period = period;
        const auto list = DropMark::drops(style, 100.0, 0, 100);
        QCOMPARE(list.size(), size_t(1));
        QCOMPARE(list[0].y, 62.0);
    }
}

void TestArtwork::largeTimesStayExact()
{
    // At the present the time terms are huge angles: a millisecond later the wave may only
    // have moved by what its speed allows, its ends stay on the mid line, and the dots
    // stay on the strip.
    for (int layer = 0; layer < 3; ++layer) {
        QVERIFY(qAbs(SignalLine::y(0, present, 23, 40, layer) - 23) < 1e-9);
        QVERIFY(qAbs(SignalLine::y(1, present, 23, 40, layer) - 23) < 1e-9);
        for (const double x : {0.05, 0.3, 0.61, 0.97}) {
            const double step = SignalLine::y(x, present + 0.001, 0, 40, layer) - SignalLine::y(x, present, 0, 40, layer);
            QVERIFY2(qAbs(step) < 40 * 2.4 * 0.001, qPrintable(QString::number(step)));
        }
    }
    for (const double t : {-50.0, 3.3, present}) {
        const double x = SignalLine::dotPosition(5, 7, t, true);
        QVERIFY2(x >= 0 && x < 1, qPrintable(QString::number(x)));
    }
    QCOMPARE(SignalLine::dotPosition(2, 0, 5, true), 0.0);
}

void TestArtwork::nebulaDensityLimits()
{
    const QSizeF size(120, 60);
    for (const double density : {0.0, 0.01, -1.0, notANumber})
        QVERIFY(Nebula::render(size, present, density, 1).isNull());
    QCOMPARE(Nebula::render(size, present, 3.0, 1), Nebula::render(size, present, 1.0, 1));
}

void TestArtwork::signalLineKeepsEveryDrawnRow()
{
    // The picture cut down to the rows a frame draws on holds exactly those rows of the
    // whole picture, and everything it leaves out is clear.
    for (const bool active : {true, false}) {
        for (const double dpr : {1.0, 1.5, 2.0}) {
            for (const double t : {3.3, 40.0, present}) {
                const SignalLine::Style style{active, QColor(0x9498F2), 7};
                const QSizeF size(640, active ? 46 : 22);
                QRectF where;
                const QImage cut = SignalLine::render(size, t, style, dpr, &where);
                const QImage whole = SignalLine::render(size, t, style, dpr);
                const int first = qRound((where.top() + SignalLine::overflow) * dpr);
                QVERIFY(first >= 0 && first + cut.height() <= whole.height());
                QCOMPARE(whole.copy(0, first, whole.width(), cut.height()), cut);
                for (int y = 0; y < whole.height(); ++y) {
                    if (y >= first && y < first + cut.height())
                        continue;
                    const auto *row = reinterpret_cast<const quint32 *>(whole.constScanLine(y));
                    QVERIFY2(std::all_of(row, row + whole.width(), [](quint32 p) { return p == 0; }), qPrintable(QString::number(y)));
                }
            }
        }
    }
}

void TestArtwork::ratesStayWithinTheirCaps()
{
    for (const double height : {10.0, 34.0, 70.0, 4000.0}) {
        const int rate = DropMark::framesPerSecondFor(height, 2.4);
        QVERIFY2(rate >= 24 && rate <= 60, qPrintable(QString::number(rate)));
    }
    for (const QSizeF size : {QSizeF(790, 200), QSizeF(4000, 50), QSizeF(1, 1)}) {
        for (const double density : {0.25, 1.0}) {
            const int rate = Nebula::framesPerSecondFor(size, density, 2);
            QVERIFY2(rate >= 1 && rate <= 24, qPrintable(QString::number(rate)));
        }
    }
}

void TestArtwork::softwareRasterizers()
{
    for (const QString &renderer : {u"llvmpipe (LLVM 15.0.6, 256 bits)"_s, u"Mesa DRI swrast"_s, u"Google SwiftShader"_s})
        QVERIFY2(isSoftwareRasterizer(renderer), qPrintable(renderer));
    for (const QString &renderer : {u"Mesa Intel(R) UHD Graphics 620 (KBL GT2)"_s, u"AMD Radeon RX 6600 (radeonsi, navi23)"_s})
        QVERIFY2(!isSoftwareRasterizer(renderer), qPrintable(renderer));
}

QTEST_APPLESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
