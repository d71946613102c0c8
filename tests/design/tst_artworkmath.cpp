#include "design/appbackground.h"
#include "design/blur.h"
#include "design/dropmark.h"
#include "design/nebula.h"
#include "design/rendering.h"
#include "design/shimmerbar.h"
#include "design/signalline.h"
#include "design/starfield.h"
#include "design/tokens.h"

#include <QPainterPath>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestArtworkMath : public QObject
{
    Q_OBJECT

private slots:
    void colorFromHex_data();
    void colorFromHex();
    void fract_data();
    void fract();
    void meterFraction_data();
    void meterFraction();
    void easing_data();
    void easing();
    void stillDrop();
    void dropsAroundAPeriod_data();
    void dropsAroundAPeriod();
    void unusablePeriodShowsTheStillMark_data();
    void unusablePeriodShowsTheStillMark();
    void starIsFourPointedWithConcaveSides();
    void waveHeight_data();
    void waveHeight();
    void waveEndsSitOnTheMidLine();
    void waveAtOneTimeMatchesTheFormulaForLargeTimes();
    void wavePathResolution_data();
    void wavePathResolution();
    void dotSpeeds();
    void dotPositionWraps();
    void shootingStar();
    void shootingStarWindow_data();
    void shootingStarWindow();
    void starsAreCreatedInTheirRanges();
    void twinkleRange();
    void nebulaDensity_data();
    void nebulaDensity();
    void nebulaBlobGeometry();
    void nebulaRedrawRate();
    void shimmerSweep_data();
    void shimmerSweep();
    void backgroundGlow();
    void boxWidthsAddUpToTheGaussian_data();
    void boxWidthsAddUpToTheGaussian();
    void blurSpreadsAnImpulseLikeAGaussian();
    void softwareRasterizers_data();
    void softwareRasterizers();
};

void TestArtworkMath::colorFromHex_data()
{
    QTest::addColumn<quint32>("hex");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("primary token") << quint32(0x9498F2) << DS::primary;
    QTest::newRow("background token") << quint32(0x0E0E0E) << DS::bg;
    QTest::newRow("danger token") << quint32(0xE74C3C) << DS::danger;
    QTest::newRow("channels in order") << quint32(0x123456) << QColor(0x12, 0x34, 0x56);
    QTest::newRow("bits above 24 ignored") << quint32(0xFF00FF00) << QColor(0x00, 0xFF, 0x00);
    QTest::newRow("white") << quint32(0xFFFFFF) << QColor(Qt::white);
}

void TestArtworkMath::colorFromHex()
{
    QFETCH(quint32, hex);
    QFETCH(QColor, expected);
    const QColor color = ::colorFromHex(hex);
    QCOMPARE(color, expected);
    QCOMPARE(color.alpha(), 255);
}

void TestArtworkMath::fract_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");

    QTest::newRow("positive") << 1.25 << 0.25;
    QTest::newRow("negative") << -0.25 << 0.75;
    QTest::newRow("whole") << 3.0 << 0.0;
    QTest::newRow("negative whole") << -3.0 << 0.0;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void TestArtworkMath::fract()
{
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(::fract(x), expected);
}

void TestArtworkMath::meterFraction_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("shown");

    QTest::newRow("nothing done shows a sliver") << 0.0 << 0.01;
    QTest::newRow("below the sliver") << 0.004 << 0.01;
    QTest::newRow("half") << 0.5 << 0.5;
    QTest::newRow("done") << 1.0 << 1.0;
    QTest::newRow("beyond done is full") << 1.5 << 1.0;
    QTest::newRow("negative") << -2.0 << 0.01;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.01;
}

void TestArtworkMath::meterFraction()
{
    QFETCH(double, fraction);
    QFETCH(double, shown);
    QCOMPARE(meterShownFraction(fraction), shown);
}

void TestArtworkMath::easing_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("smooth");
    QTest::addColumn<double>("fall");
    QTest::addColumn<double>("fallSpeed");

    QTest::newRow("before the start") << -0.5 << 0.0 << 0.0 << 0.0;
    QTest::newRow("start") << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("quarter") << 0.25 << 0.15625 << 0.1046875 << 0.78125;
    QTest::newRow("half") << 0.5 << 0.5 << 0.3625 << 1.225;
    QTest::newRow("three quarters") << 0.75 << 0.84375 << 0.6890625 << 1.33125;
    QTest::newRow("end") << 1.0 << 1.0 << 1.0 << 1.1;
    QTest::newRow("past the end") << 2.0 << 1.0 << 1.0 << 1.1;
}

void TestArtworkMath::easing()
{
    QFETCH(double, x);
    QFETCH(double, smooth);
    QFETCH(double, fall);
    QFETCH(double, fallSpeed);
    QCOMPARE(DropMark::smooth(x), smooth);
    QCOMPARE(DropMark::fall(x), fall);
    QCOMPARE(DropMark::fallSpeed(x), fallSpeed);
}

void TestArtworkMath::stillDrop()
{
    const auto list = DropMark::drops(DropMark::Style{}, 12345.6, 10, 50);
    QCOMPARE(list.size(), size_t(1));
    QCOMPARE(list[0].y, 10 + 40 * 0.62);
    QCOMPARE(list[0].alpha, 1.0);
    QCOMPARE(list[0].scale, 1.0);
    QCOMPARE(list[0].speed, 0.6);
    QCOMPARE(list[0].landing, 0.0);
}

void TestArtworkMath::dropsAroundAPeriod_data()
{
    QTest::addColumn<double>("t");
    // y, alpha, scale, speed, landing of each listed drop, previous cycle first.
    QTest::addColumn<QList<QList<double>>>("expected");

    // Period 2, from y 10 to y 50.
    QTest::newRow("on a period boundary")
        << 4.0 << QList<QList<double>>{{50, 1, 1, 1.1, 0}, {10, 0, 0.55, 0, 0}};
    QTest::newRow("landing while the next falls")
        << 4.25
        << QList<QList<double>>{{50, 0.5, 0.575, 0, 1}, {11.1171875, 0.6016388054, 0.8207374624, 0.4328125, 0}};
    QTest::newRow("after the flash") << 4.6 << QList<QList<double>>{{15.868, 1, 1, 0.897, 0}};
    QTest::newRow("before the reference date") << -1.0 << QList<QList<double>>{{10 + 40 * 0.3625, 1, 1, 1.225, 0}};
}

void TestArtworkMath::dropsAroundAPeriod()
{
    QFETCH(double, t);
    QFETCH(QList<QList<double>>, expected);
    DropMark::Style style;
    style.animated = true;
    style.period = 2;
    const auto list = DropMark::drops(style, t, 10, 50);
    QCOMPARE(list.size(), size_t(expected.size()));
    for (size_t i = 0; i < list.size(); ++i) {
        const QList<double> &e = expected[qsizetype(i)];
        QVERIFY2(qAbs(list[i].y - e[0]) < 1e-9, qPrintable(u"drop %1 y %2"_s.arg(i).arg(list[i].y)));
        QVERIFY(qAbs(list[i].alpha - e[1]) < 1e-9);
        QVERIFY(qAbs(list[i].scale - e[2]) < 1e-9);
        QVERIFY(qAbs(list[i].speed - e[3]) < 1e-9);
        QVERIFY(qAbs(list[i].landing - e[4]) < 1e-9);
    }
}

void TestArtworkMath::unusablePeriodShowsTheStillMark_data()
{
    QTest::addColumn<double>("period");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -2.4;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestArtworkMath::unusablePeriodShowsTheStillMark()
{
    QFETCH(double, period);
    DropMark::Style style;
    style.animated = true;
    style.period = period;
    const auto list = DropMark::drops(style, 100.0, 0, 100);
    QCOMPARE(list.size(), size_t(1));
    QCOMPARE(list[0].y, 62.0);
}

void TestArtworkMath::starIsFourPointedWithConcaveSides()
{
    const QPointF center(20, 30);
    const QPainterPath path = DropMark::star(center, 8);
    QCOMPARE(path.boundingRect(), QRectF(12, 22, 16, 16));
    QCOMPARE(path.elementAt(0).x, 20.0);
    QCOMPARE(path.elementAt(0).y, 22.0);
    QVERIFY(path.contains(center));
    // The tips reach the full size; the sides curve in, so the corner of the diamond
    // through the tips stays outside.
    QVERIFY(path.contains(QPointF(26, 30)));
    QVERIFY(!path.contains(QPointF(24, 26)));
    QVERIFY(path.contains(QPointF(21.5, 28.5)));
}

void TestArtworkMath::waveHeight_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("mid");
    QTest::addColumn<double>("amp");
    QTest::addColumn<int>("layer");
    QTest::addColumn<double>("expected");

    QTest::newRow("middle, layer 0") << 0.5 << 0.0 << 10.0 << 4.0 << 0 << 7.874265906084788;
    QTest::newRow("quarter, layer 1") << 0.25 << 1.5 << 20.0 << 6.0 << 1 << 21.203603993024654;
    QTest::newRow("negative time, layer 2") << 0.8 << -2.0 << 0.0 << 10.0 << 2 << -2.5625958243251388;
}

void TestArtworkMath::waveHeight()
{
    QFETCH(double, x);
    QFETCH(double, t);
    QFETCH(double, mid);
    QFETCH(double, amp);
    QFETCH(int, layer);
    QFETCH(double, expected);
    QVERIFY(qAbs(SignalLine::y(x, t, mid, amp, layer) - expected) < 1e-9);
}

void TestArtworkMath::waveEndsSitOnTheMidLine()
{
    for (const double t : {0.0, 1.7, 812345678.9}) {
        for (int layer = 0; layer < 3; ++layer) {
            QVERIFY(qAbs(SignalLine::y(0, t, 23, 40, layer) - 23) < 1e-9);
            QVERIFY(qAbs(SignalLine::y(1, t, 23, 40, layer) - 23) < 1e-9);
        }
    }
}

void TestArtworkMath::waveAtOneTimeMatchesTheFormulaForLargeTimes()
{
    // Times count from 2001, so they are around 8·10⁸ seconds; the per-frame evaluation
    // reduces its angles and must still give the formula's heights.
    const double t = 812345678.123;
    const SignalLine::Wave wave(t);
    for (const double x : {0.05, 0.3, 0.61, 0.97}) {
        const double ph = 1.9;
        const double f = 1.18;
        const double direct = 0.55 * std::sin(ph + 2.2 * t + 11 * x * f) + 0.28 * std::sin(0.7 * ph + 23 * x * f - 3.4 * t)
                              + 0.17 * std::sin(5 * x + 0.9 * t + ph);
        const double expected = 5 + 3 * direct * std::pow(std::sin(M_PI * x), 1.4);
        QVERIFY(qAbs(wave.y(x, 5, 3, 1) - expected) < 1e-5);
    }
}

void TestArtworkMath::wavePathResolution_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("points");

    QTest::newRow("one segment per 2.5 points") << 100.0 << 41;
    QTest::newRow("partial segment dropped") << 101.0 << 41;
    QTest::newRow("narrow keeps two segments") << 4.0 << 3;
    QTest::newRow("empty keeps two segments") << 0.0 << 3;
}

void TestArtworkMath::wavePathResolution()
{
    QFETCH(double, width);
    QFETCH(int, points);
    const QPolygonF path = SignalLine::wavePath(QSizeF(width, 20), 3.0, 10, 5, 0);
    QCOMPARE(path.size(), points);
    QCOMPARE(path.first(), QPointF(0, 10));
    QCOMPARE(path.last().x(), width);
}

void TestArtworkMath::dotSpeeds()
{
    QCOMPARE(SignalLine::dotSpeed(0), 0.8);
    QVERIFY(qAbs(SignalLine::dotSpeed(1) - 0.9080268490962795) < 1e-9);
    QVERIFY(qAbs(SignalLine::dotSpeed(2) - 1.096128871006863) < 1e-9);
    for (int j = 0; j < 200; ++j) {
        const double speed = SignalLine::dotSpeed(j);
        QVERIFY(speed > 0.4 && speed < 1.2);
    }
}

void TestArtworkMath::dotPositionWraps()
{
    QCOMPARE(SignalLine::dotPosition(0, 7, 0, true), 0.0);
    QVERIFY(qAbs(SignalLine::dotPosition(3, 7, 0, false) - 3.0 / 7) < 1e-12);
    // Dot 0 moves at 0.13 × 0.8 of the width a second while active, 0.04 × 0.8 while idle.
    QVERIFY(qAbs(SignalLine::dotPosition(0, 7, 10, true) - 0.04) < 1e-9);
    QVERIFY(qAbs(SignalLine::dotPosition(0, 7, 10, false) - 0.32) < 1e-9);
    for (const double t : {-50.0, 3.3, 812345678.9}) {
        const double x = SignalLine::dotPosition(5, 7, t, true);
        QVERIFY(x >= 0 && x < 1);
    }
    QCOMPARE(SignalLine::dotPosition(2, 0, 5, true), 0.0);
}

void TestArtworkMath::shootingStar()
{
    const auto star = Starfield::shootingStar(900.6, QSizeF(1000, 600), 1.0);
    QVERIFY(star.has_value());
    // Cycle 100, rnd = fract(sin(1298.98) · 43758.5453) = 0.2641387; half-way through.
    QVERIFY(qAbs(star->head.x() - 346.8970991) < 1e-6);
    QVERIFY(qAbs(star->head.y() - 135.6) < 1e-6);
    QVERIFY(qAbs(star->tail.x() - 335.3770991) < 1e-6);
    QVERIFY(qAbs(star->tail.y() - 39.6) < 1e-6);
    QVERIFY(qAbs(star->headOpacity - 0.425) < 1e-9);

    const auto dim = Starfield::shootingStar(900.6, QSizeF(1000, 600), 0.5);
    QVERIFY(qAbs(dim->headOpacity - 0.2125) < 1e-9);
}

void TestArtworkMath::shootingStarWindow_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<bool>("flying");

    QTest::newRow("start of a cycle") << 9.0 * 7 << true;
    QTest::newRow("just before the end") << 9.0 * 7 + 1.19 << true;
    QTest::newRow("at the end") << 9.0 * 7 + 1.2 << false;
    QTest::newRow("between") << 9.0 * 7 + 5 << false;
    QTest::newRow("before the reference date") << -8.5 << false;
}

void TestArtworkMath::shootingStarWindow()
{
    QFETCH(double, t);
    QFETCH(bool, flying);
    QCOMPARE(Starfield::shootingStar(t, QSizeF(800, 600), 1).has_value(), flying);
}

void TestArtworkMath::starsAreCreatedInTheirRanges()
{
    QRandomGenerator random(42);
    const auto stars = Starfield::makeStars(random);
    QCOMPARE(stars.size(), size_t(150));
    for (const StarPoint &s : stars) {
        QVERIFY(s.x >= 0 && s.x < 1);
        QVERIFY(s.y >= 0 && s.y < 1);
        QVERIFY(s.r >= 0.35 && s.r <= 1.3);
        QVERIFY(s.phase >= 0 && s.phase <= 6.28);
        QVERIFY(s.speed >= 0.3 && s.speed <= 1.5);
    }
    QRandomGenerator other(43);
    QVERIFY(Starfield::makeStars(other).front().x != stars.front().x);
}

void TestArtworkMath::twinkleRange()
{
    const StarPoint star{0.5, 0.5, 1, M_PI / 2, 1};
    QVERIFY(qAbs(Starfield::twinkle(star, 0) - 0.8) < 1e-12);
    QVERIFY(qAbs(Starfield::twinkle(star, M_PI) - 0.2) < 1e-12);
    QVERIFY(qAbs(Starfield::starOpacity(star, 0, 1) - 0.6) < 1e-12);
    QVERIFY(qAbs(Starfield::starOpacity(star, M_PI, 0.5) - 0.075) < 1e-12);
}

void TestArtworkMath::nebulaDensity_data()
{
    QTest::addColumn<double>("density");
    QTest::addColumn<double>("effective");

    QTest::newRow("none") << 0.0 << 0.0;
    QTest::newRow("at the threshold") << 0.01 << 0.0;
    QTest::newRow("just above") << 0.011 << 0.011;
    QTest::newRow("idle") << 0.25 << 0.25;
    QTest::newRow("full") << 1.0 << 1.0;
    QTest::newRow("above full") << 3.0 << 1.0;
    QTest::newRow("negative") << -1.0 << 0.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0;
}

void TestArtworkMath::nebulaDensity()
{
    QFETCH(double, density);
    QFETCH(double, effective);
    QCOMPARE(Nebula::effectiveDensity(density), effective);
}

void TestArtworkMath::nebulaBlobGeometry()
{
    // 1000 × 250: m = min(1000, 400) = 400. At t = 0 blob 0 sits at (0.28, 0.48 + 0.03).
    const QSizeF size(1000, 250);
    QCOMPARE(Nebula::referenceLength(size), 400.0);
    const QRectF blob = Nebula::blobEllipse(0, 0, size);
    QVERIFY(qAbs(blob.center().x() - 280) < 1e-9);
    QVERIFY(qAbs(blob.center().y() - 127.5) < 1e-9);
    QVERIFY(qAbs(blob.width() - 360) < 1e-9);
    QVERIFY(qAbs(blob.height() - 240) < 1e-9);
    // Narrow canvases take their width as the reference length.
    QCOMPARE(Nebula::referenceLength(QSizeF(300, 250)), 300.0);
}

void TestArtworkMath::nebulaRedrawRate()
{
    const QSizeF card(1016, 220);
    const int idle = Nebula::framesPerSecondFor(card, 0.25, 1);
    const int busy = Nebula::framesPerSecondFor(card, 0.9, 1);
    QVERIFY(idle >= 1);
    QVERIFY(idle <= busy);
    QVERIFY(busy <= 24);
    QVERIFY(Nebula::framesPerSecondFor(QSizeF(2032, 440), 0.9, 1) >= busy);
    QVERIFY(Nebula::framesPerSecondFor(card, 0.9, 2) >= busy);
    // A long low strip drifts far for its small blur: the cap holds.
    QCOMPARE(Nebula::framesPerSecondFor(QSizeF(4000, 50), 1, 1), 24);
}

void TestArtworkMath::shimmerSweep_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("left");

    // One sweep every 1/0.6 s, from -0.3 of the width to past the right edge.
    QTest::newRow("start of a sweep") << 10.0 << -60.0;
    QTest::newRow("half way") << 10.0 + 0.5 / 0.6 << 70.0;
    QTest::newRow("near the end") << 10.0 + 0.99 / 0.6 << 197.4;
}

void TestArtworkMath::shimmerSweep()
{
    QFETCH(double, t);
    QFETCH(double, left);
    const QRectF light = ShimmerBar::highlightRect(QSizeF(200, 6), t);
    QVERIFY2(qAbs(light.left() - left) < 1e-4, qPrintable(QString::number(light.left())));
    QCOMPARE(light.width(), 60.0);
    QCOMPARE(light.height(), 6.0);
}

void TestArtworkMath::backgroundGlow()
{
    const auto channels = [](const QColor &c) { return QList<int>{c.red(), c.green(), c.blue()}; };
    // At the top middle the primary colour shows at 0.16 over the background.
    const QColor top = AppBackground::colorAt(QPointF(500, 0), 1000);
    QCOMPARE(channels(top), (QList<int>{35, 36, 50}));
    // Half way out, half as much.
    const QColor half = AppBackground::colorAt(QPointF(500, 310), 1000);
    QCOMPARE(channels(half), (QList<int>{25, 25, 32}));
    QCOMPARE(channels(AppBackground::colorAt(QPointF(500, 620), 1000)), channels(DS::bg));
    QCOMPARE(channels(AppBackground::colorAt(QPointF(0, 700), 1000)), channels(DS::bg));
    QCOMPARE(AppBackground::glowRect(QSizeF(1000, 800)), QRectF(0, 0, 1000, 620));
    QCOMPARE(AppBackground::glowRect(QSizeF(2000, 400)), QRectF(380, 0, 1240, 400));
}

void TestArtworkMath::boxWidthsAddUpToTheGaussian_data()
{
    QTest::addColumn<double>("sigma");
    QTest::newRow("small") << 1.0;
    QTest::newRow("shadow") << 9.0;
    QTest::newRow("glow") << 7.0;
    QTest::newRow("nebula") << 28.0;
}

void TestArtworkMath::boxWidthsAddUpToTheGaussian()
{
    QFETCH(double, sigma);
    double variance = 0;
    for (const int w : boxWidthsForGaussian(sigma)) {
        QCOMPARE(w % 2, 1);
        variance += (double(w) * w - 1) / 12;
    }
    QVERIFY2(qAbs(variance - sigma * sigma) <= 0.1 * sigma * sigma + 0.5, qPrintable(QString::number(variance)));
}

void TestArtworkMath::blurSpreadsAnImpulseLikeAGaussian()
{
    // A small bright square (variance (5² − 1) / 12 = 2 along each axis) in the middle of
    // a large transparent image.
    QImage image(201, 201, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 98; y <= 102; ++y) {
        for (int x = 98; x <= 102; ++x)
            image.setPixel(x, y, qRgba(255, 255, 255, 255));
    }
    QImage blurred = image;
    gaussianBlur(blurred, 6);

    double mass = 0, mx = 0, my = 0, vx = 0, vy = 0;
    for (int y = 0; y < blurred.height(); ++y) {
        for (int x = 0; x < blurred.width(); ++x) {
            const double a = qAlpha(blurred.pixel(x, y));
            mass += a;
            mx += a * x;
            my += a * y;
        }
    }
    mx /= mass;
    my /= mass;
    for (int y = 0; y < blurred.height(); ++y) {
        for (int x = 0; x < blurred.width(); ++x) {
            const double a = qAlpha(blurred.pixel(x, y));
            vx += a * (x - mx) * (x - mx);
            vy += a * (y - my) * (y - my);
        }
    }
    vx /= mass;
    vy /= mass;
    // The light is kept (up to rounding of the faint tails), centred, and spread with
    // the variance of the Gaussian in both directions.
    QVERIFY2(qAbs(mass - 25 * 255) < 25 * 255 * 0.1, qPrintable(QString::number(mass)));
    QVERIFY(qAbs(mx - 100) < 0.5 && qAbs(my - 100) < 0.5);
    QVERIFY2(qAbs(vx - 38) < 5 && qAbs(vy - 38) < 5, qPrintable(u"%1 %2"_s.arg(vx).arg(vy)));
    // Colour stays premultiplied: no channel above its alpha.
    for (int y = 90; y < 110; ++y) {
        const QRgb p = blurred.pixel(100, y);
        QVERIFY(qRed(p) <= qAlpha(p));
    }

    QImage untouched = image;
    gaussianBlur(untouched, 0.2);
    QCOMPARE(untouched, image);
}

void TestArtworkMath::softwareRasterizers_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<bool>("software");

    QTest::newRow("llvmpipe") << u"llvmpipe (LLVM 15.0.6, 256 bits)"_s << true;
    QTest::newRow("softpipe") << u"softpipe"_s << true;
    QTest::newRow("swrast") << u"Mesa DRI swrast"_s << true;
    QTest::newRow("SwiftShader") << u"Google SwiftShader"_s << true;
    QTest::newRow("Intel") << u"Mesa Intel(R) UHD Graphics 620 (KBL GT2)"_s << false;
    QTest::newRow("AMD") << u"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)"_s << false;
    QTest::newRow("NVIDIA") << u"NVIDIA GeForce GTX 1060/PCIe/SSE2"_s << false;
}

void TestArtworkMath::softwareRasterizers()
{
    QFETCH(QString, renderer);
    QFETCH(bool, software);
    QCOMPARE(isSoftwareRasterizer(renderer), software);
}

QTEST_APPLESS_MAIN(TestArtworkMath)
#include "tst_artworkmath.moc"
