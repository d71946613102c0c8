#include "design/dropmark.h"
#include "design/nebula.h"
#include "design/shapes.h"

#include <QPainter>

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
// Times count from 2001, so the present is around 8·10⁸ seconds.
constexpr double present = 812345678.123;
} // namespace

// The drawings as functions of time: unusable input draws nothing or the still picture,
// none asks for more frames than its cap, and a picture drawn in pieces matches it whole.
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

    // A card's outline is drawn as its two ends with one column stretched between them;
    // put together, the pieces must give the outline drawn whole, pixel for pixel.
    void outlinePiecesMakeTheWholeOutline_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("dpr");
        QTest::newRow("card") << QSizeF(800, 120) << 12.0 << 1.0;
        QTest::newRow("fractional size and scale") << QSizeF(301.5, 57.25) << 14.0 << 1.25;
        QTest::newRow("double scale") << QSizeF(640, 90) << 16.0 << 2.0;
        QTest::newRow("too narrow to cut") << QSizeF(24, 40) << 12.0 << 1.0;
        QTest::newRow("flat") << QSizeF(300, 3) << 12.0 << 1.0;
    }

    void outlinePiecesMakeTheWholeOutline()
    {
        QFETCH(QSizeF, size);
        QFETCH(double, radius);
        QFETCH(double, dpr);
        const QColor top = QColor::fromRgbF(1, 1, 1, 0.09f);
        const QColor bottom = QColor(0x2A, 0x2A, 0x33, 230);
        const QImage whole = GradientOutline::renderFull(size, radius, top, bottom, dpr);
        const GradientOutline::Picture picture = GradientOutline::render(size, radius, top, bottom, dpr);
        QVERIFY(picture.image.width() <= 2 * (radius + 3) * dpr);

        QImage put(whole.size(), whole.format());
        put.fill(Qt::transparent);
        QPainter painter(&put);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        QImage source = picture.image;
        source.setDevicePixelRatio(1);
        for (const auto &piece : picture.pieces) {
            const QRectF target(piece.target.x() * dpr, piece.target.y() * dpr, piece.target.width() * dpr,
                                piece.target.height() * dpr);
            painter.drawImage(target.toRect(), source, piece.source.toRect());
        }
        painter.end();
        put.setDevicePixelRatio(whole.devicePixelRatio());
        QCOMPARE(put, whole);
    }
};

QTEST_APPLESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
