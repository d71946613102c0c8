#include "design/dropmark.h"
#include "design/nebula.h"
#include "design/shapes.h"
#include "design/signalline.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
// Times count from 2001, so the present is around 8·10⁸ seconds.
constexpr double present = 812345678.123;
} // namespace

// The drawings as functions of time: unusable input draws nothing or the still picture,
// a cut frame matches the whole, and none asks for more frames than its cap.
class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    // A period that cannot be used shows the still mark instead of dividing by it.
    void unusablePeriodShowsTheStillMark()
    {
        DropMark::Style style;
        style.animated = true;
        for (const double period : {0.0, -2.4, notANumber}) {
            style.period = period;
            const auto list = DropMark::drops(style, 100.0, 0, 100);
            QCOMPARE(list.size(), size_t(1));
            QCOMPARE(list[0].y, 62.0);
        }
    }

    void nebulaDensityLimits()
    {
        const QSizeF size(120, 60);
        for (const double density : {0.0, 0.01, -1.0, notANumber})
            QVERIFY(Nebula::render(size, present, density, 1).isNull());
        QCOMPARE(Nebula::render(size, present, 3.0, 1), Nebula::render(size, present, 1.0, 1));
    }

    void outlineBandsHoldTheWholeOutline()
    {
        // Put together, the bands an outline is kept in are the whole outline, and for a
        // card they hold a fraction of its area.
        const QColor top(0x9498F2), bottom(0x26262B);
        for (const double dpr : {1.0, 2.0}) {
            for (const auto &[size, radius] : {std::pair{QSizeF(640, 180), 16.0}, {QSizeF(300, 40), 20.0}, {QSizeF(90, 31), 6.5}}) {
                const QImage whole = GradientOutline::render(size, radius, top, bottom, dpr);
                QImage joined(whole.size(), QImage::Format_ARGB32_Premultiplied);
                joined.setDevicePixelRatio(dpr);
                joined.fill(Qt::transparent);
                QPainter painter(&joined);
                double area = 0;
                for (const QRectF &band : GradientOutline::bands(size, radius)) {
                    painter.drawImage(band.topLeft(), GradientOutline::render(size, radius, top, bottom, dpr, band));
                    area += band.width() * band.height();
                }
                painter.end();
                // The rasteriser may round a side's shade differently in a narrow picture.
                QCOMPARE(joined.size(), whole.size());
                int worst = 0;
                for (int y = 0; y < whole.height(); ++y) {
                    for (int x = 0; x < whole.width(); ++x) {
                        const QRgb a = whole.pixel(x, y), b = joined.pixel(x, y);
                        worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                    }
                }
                QVERIFY2(worst <= 1, qPrintable(u"a pixel differs by %1"_s.arg(worst)));
                if (size.height() > 100)
                    QVERIFY(area < 0.25 * size.width() * size.height());
            }
        }
    }

    void signalLineKeepsEveryDrawnRow()
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

    void ratesStayWithinTheirCaps()
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
};

QTEST_APPLESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
