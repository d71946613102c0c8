#include "design/artworkitem.h"
#include "design/blur.h"
#include "design/dropmark.h"
#include "design/nebula.h"
#include "design/signalline.h"
#include "design/tokens.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QImage drawMark(double size, double t, const DropMark::Style &style)
{
    return paintImage(QSizeF(size, size), 1.0, [&](QPainter &p) { DropMark::draw(p, QSizeF(size, size), t, style); });
}

// The signal line drawn the plain way, with QPainter paths, gradients and a real blur
// layer, to check the column rasterizer against.
QImage referenceSignalLine(QSizeF size, double t, const SignalLine::Style &style)
{
    const double o = SignalLine::overflow;
    return paintImage(QSizeF(size.width(), size.height() + 2 * o), 1.0, [&](QPainter &painter) {
        painter.translate(0, o);
        const double w = size.width();
        const double h = size.height();
        const double mid = h / 2;
        const double amp = SignalLine::amplitude(h, t, style.active);
        const QPolygonF p0 = SignalLine::wavePath(size, t, mid, amp, 0);
        const QPolygonF p1 = SignalLine::wavePath(size, t, mid, amp * 0.75, 1);
        const QPolygonF p2 = SignalLine::wavePath(size, t, mid, amp * 0.5, 2);
        auto fade = [&](const QColor &color, double opacity) {
            QLinearGradient g(QPointF(0, mid), QPointF(w, mid));
            g.setColorAt(0, withOpacity(color, 0));
            g.setColorAt(0.22, withOpacity(color, opacity));
            g.setColorAt(0.78, withOpacity(color, opacity));
            g.setColorAt(1, withOpacity(color, 0));
            return g;
        };
        auto stroke = [](QPainter &p, const QPolygonF &line, const QBrush &brush, double width) {
            p.setPen(QPen(brush, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(line);
        };
        stroke(painter, QPolygonF{QPointF(0, mid), QPointF(w, mid)}, fade(Qt::white, 0.07), 0.6);
        QPolygonF ribbon = p0;
        for (auto it = p1.crbegin(); it != p1.crend(); ++it)
            ribbon << *it;
        painter.setPen(Qt::NoPen);
        painter.setBrush(fade(DS::primary, 0.1));
        painter.drawPolygon(ribbon);

        QImage layer(int(w), int(h + 2 * o), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter glow(&layer);
            glow.setRenderHint(QPainter::Antialiasing);
            glow.translate(0, o);
            stroke(glow, p0, fade(DS::primary, 0.75), 5);
        }
        gaussianBlur(layer, 7);
        painter.drawImage(QPointF(0, -o), layer);

        stroke(painter, p2, fade(colorFromHex(0x3BA7E0), 0.35), 0.8);
        stroke(painter, p1, fade(colorFromHex(0xC56CF0), 0.45), 1.0);
        QLinearGradient main(QPointF(0, mid), QPointF(w, mid));
        main.setColorAt(0, withOpacity(DS::primaryDeep, 0));
        main.setColorAt(0.18, DS::primaryDeep);
        main.setColorAt(0.5, DS::glow);
        main.setColorAt(0.82, style.color);
        main.setColorAt(1, withOpacity(style.color, 0));
        stroke(painter, p0, main, 1.8);

        painter.setPen(Qt::NoPen);
        for (int j = 0; j < style.dots; ++j) {
            const double x = SignalLine::dotPosition(j, style.dots, t, style.active);
            const double e = std::pow(std::sin(M_PI * x), 0.8);
            for (int k = 10; k >= 1; --k) {
                const double xk = x - 0.006 * k;
                if (xk <= 0)
                    continue;
                const double fadeK = 1 - k / 11.0;
                const double r = 1.8 * fadeK + 0.6;
                painter.setBrush(withOpacity(DS::glow, e * fadeK * fadeK * 0.45));
                painter.drawEllipse(QPointF(w * xk, SignalLine::y(xk, t, mid, amp, 0)), r, r);
            }
            const QPointF head(w * x, SignalLine::y(x, t, mid, amp, 0));
            QRadialGradient halo(head, 12);
            halo.setColorAt(0, withOpacity(DS::glow, e * 0.5));
            halo.setColorAt(1, withOpacity(DS::glow, 0));
            painter.setBrush(halo);
            painter.drawEllipse(head, 12.0, 12.0);
            const double r = (0.75 + 0.25 * std::sin(6 * t + 2.1 * j)) * 2.4;
            painter.setBrush(withOpacity(Qt::white, e));
            painter.drawEllipse(head, r, r);
        }
    });
}

bool isGrey(QRgb p)
{
    return qAbs(qRed(p) - qGreen(p)) <= 1 && qAbs(qGreen(p) - qBlue(p)) <= 1;
}

} // namespace

class TestArtworkDrawing : public QObject
{
    Q_OBJECT

private slots:
    void stillMarkNeverChanges();
    void monoMarkIsWhiteOnly_data();
    void monoMarkIsWhiteOnly();
    void smallMarksDrawNoTrail();
    void smallMarksDrawNoGlow();
    void landingFlashesTheRing();
    void nebulaDensityLimits();
    void nebulaRoundedClip();
    void signalLineMatchesThePlainDrawing_data();
    void signalLineMatchesThePlainDrawing();
    void signalLineWithoutDots();
};

void TestArtworkDrawing::stillMarkNeverChanges()
{
    const DropMark::Style still;
    const QImage first = drawMark(64, 0, still);
    QCOMPARE(drawMark(64, 3.7, still), first);
    QCOMPARE(drawMark(64, 812345678.9, still), first);

    DropMark::Style animated;
    animated.animated = true;
    QVERIFY(drawMark(64, 1.0, animated) != drawMark(64, 1.5, animated));
}

void TestArtworkDrawing::monoMarkIsWhiteOnly_data()
{
    QTest::addColumn<double>("t");
    QTest::newRow("falling") << 1.2;
    QTest::newRow("landing") << 2.4 * 5 + 0.3;
}

void TestArtworkDrawing::monoMarkIsWhiteOnly()
{
    QFETCH(double, t);
    DropMark::Style style;
    style.animated = true;
    style.mono = true;
    const QImage mono = drawMark(80, t, style);
    int drawn = 0;
    for (int y = 0; y < mono.height(); ++y) {
        for (int x = 0; x < mono.width(); ++x) {
            const QRgb p = mono.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            ++drawn;
            QVERIFY2(isGrey(p), qPrintable(u"colour at %1,%2"_s.arg(x).arg(y)));
        }
    }
    QVERIFY(drawn > 100);

    // The same frame in colour does have coloured pixels, so the check can fail.
    style.mono = false;
    const QImage colour = drawMark(80, t, style);
    bool coloured = false;
    for (int y = 0; y < colour.height() && !coloured; ++y) {
        for (int x = 0; x < colour.width() && !coloured; ++x)
            coloured = qAlpha(colour.pixel(x, y)) > 0 && !isGrey(colour.pixel(x, y));
    }
    QVERIFY(coloured);
}

void TestArtworkDrawing::smallMarksDrawNoTrail()
{
    // Half-way through a fall the drop moves fast, so a trail reaches well above the star.
    DropMark::Style style;
    style.animated = true;
    style.period = 2;
    const double t = 100 + 1.0;
    auto aboveStar = [&](double size) {
        const QImage image = drawMark(size, t, style);
        const auto drops = DropMark::drops(style, t, size * 0.14, size * 0.74);
        const auto &d = drops.back();
        const double starTop = d.y - size * 0.15 * d.scale * 1.07;
        int alpha = 0;
        for (int y = 0; y < int(starTop) - 1; ++y)
            alpha = std::max(alpha, qAlpha(image.pixel(int(size / 2), y)));
        return alpha;
    };
    QCOMPARE(aboveStar(18), 0);
    QVERIFY(aboveStar(19) > 15);
}

void TestArtworkDrawing::smallMarksDrawNoGlow()
{
    // Just off the star's concave side, inside where the glow would be.
    auto besideStar = [](double size) {
        const QImage image = drawMark(size, 0, DropMark::Style{});
        const double y = size * 0.14 + size * 0.6 * 0.62;
        const double s = size * 0.15;
        return qAlpha(image.pixel(int(size / 2 + s * 0.45), int(y - s * 0.45)));
    };
    QCOMPARE(besideStar(24), 0);
    QVERIFY(besideStar(25) > 10);
    QVERIFY(besideStar(60) > 10);
}

void TestArtworkDrawing::landingFlashesTheRing()
{
    // A quarter of the way into a landing the flash is at its height; the ring's top
    // then glows beyond its usual line.
    DropMark::Style style;
    style.animated = true;
    style.period = 2;
    const double size = 100;
    const QImage landing = drawMark(size, 10 + 2 + 0.25, style);
    const QImage between = drawMark(size, 10 + 1.0, style);
    // Just above the ring's upper arc, away from the falling star's column.
    const int x = int(size * 0.5 + size * 0.2);
    const int y = int(size * 0.74 - size * 0.1 * std::sqrt(1 - 0.2 * 0.2 / (0.36 * 0.36)) - 5);
    QVERIFY(qAlpha(landing.pixel(x, y)) > qAlpha(between.pixel(x, y)) + 10);
}

void TestArtworkDrawing::nebulaDensityLimits()
{
    const QSizeF size(400, 160);
    QVERIFY(Nebula::render(size, 50, 0.01, 1).isNull());
    QVERIFY(Nebula::render(size, 50, 0, 1).isNull());
    QVERIFY(!Nebula::render(size, 50, 0.02, 1).isNull());
    QCOMPARE(Nebula::render(size, 50, 2.5, 0.5), Nebula::render(size, 50, 1, 0.5));
    QVERIFY(Nebula::render(size, 50, 0.5, 0.5) != Nebula::render(size, 50, 1, 0.5));
}

void TestArtworkDrawing::nebulaRoundedClip()
{
    const QImage clipped = Nebula::render(QSizeF(400, 160), 50, 1, 1, 14);
    const QImage plain = Nebula::render(QSizeF(400, 160), 50, 1, 1);
    QCOMPARE(qAlpha(clipped.pixel(0, 0)), 0);
    QVERIFY(qAlpha(plain.pixel(0, 0)) > 0);
    QCOMPARE(clipped.pixel(200, 80), plain.pixel(200, 80));
}

void TestArtworkDrawing::signalLineMatchesThePlainDrawing_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("t");

    QTest::newRow("idle") << false << 22.0 << 812345678.25;
    QTest::newRow("running") << true << 46.0 << 812345679.5;
    QTest::newRow("running, other moment") << true << 46.0 << 3.0;
}

void TestArtworkDrawing::signalLineMatchesThePlainDrawing()
{
    QFETCH(bool, active);
    QFETCH(double, height);
    QFETCH(double, t);
    SignalLine::Style style;
    style.active = active;
    style.color = DS::primary;
    const QSizeF size(600, height);
    const QImage fast = SignalLine::render(size, t, style, 1.0);
    const QImage plain = referenceSignalLine(size, t, style);
    QCOMPARE(fast.size(), plain.size());

    // Different rasterizers differ at the edges of thin lines by a few steps; what must
    // agree is the picture: on average within a step, and nowhere far off over an area.
    double total = 0;
    int worst = 0;
    std::vector<int> differences;
    for (int y = 0; y < fast.height(); ++y) {
        for (int x = 0; x < fast.width(); ++x) {
            const QRgb a = fast.pixel(x, y);
            const QRgb b = plain.pixel(x, y);
            const int d = std::max({qAbs(qAlpha(a) - qAlpha(b)), qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                    qAbs(qBlue(a) - qBlue(b))});
            total += d;
            worst = std::max(worst, d);
            differences.push_back(d);
        }
    }
    std::sort(differences.begin(), differences.end());
    const double mean = total / double(differences.size());
    const int p99 = differences[differences.size() * 99 / 100];
    QVERIFY2(mean < 1.0, qPrintable(u"mean difference %1"_s.arg(mean)));
    QVERIFY2(p99 <= 6, qPrintable(u"99th percentile %1, worst %2"_s.arg(p99).arg(worst)));
}

void TestArtworkDrawing::signalLineWithoutDots()
{
    SignalLine::Style style;
    style.color = DS::primary;
    auto brightest = [&](int dots) {
        style.dots = dots;
        const QImage image = SignalLine::render(QSizeF(500, 46), 77.7, style, 1.0);
        int white = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235)
                    ++white;
            }
        }
        return white;
    };
    // The dots' heads are the only white in the picture.
    QCOMPARE(brightest(0), 0);
    QVERIFY(brightest(7) > 0);
}

QTEST_APPLESS_MAIN(TestArtworkDrawing)
#include "tst_artworkdrawing.moc"
