#include "signalline.h"

#include "designsystem.h"
#include "graphcanvas.h"

#include <QPainter>
#include <QQuickWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

// sin(πx) raised to a power, zero outside 0…1 where the sine turns negative.
double envelope(double x, double power)
{
    return std::pow(std::max(std::sin(pi * x), 0.0), power);
}

} // namespace

SignalLine::SignalLine(QQuickItem *parent)
    : ArtworkItem(parent)
{
    m_style.color = DS::primary;
}

void SignalLine::setActive(bool active)
{
    if (active == m_style.active)
        return;
    m_style.active = active;
    emit activeChanged();
    animationChanged();
}

void SignalLine::setColor(const QColor &color)
{
    if (color == m_style.color)
        return;
    m_style.color = color;
    emit colorChanged();
    update();
}

void SignalLine::setDots(int dots)
{
    dots = std::max(dots, 0);
    if (dots == m_style.dots)
        return;
    m_style.dots = dots;
    emit dotsChanged();
    update();
}

int SignalLine::framesPerSecond() const
{
    // Idle, the wave is a ripple and the dots crawl at under 50 points a second; running,
    // they travel about three times faster, still under four points a frame at thirty
    // frames. Sixty would double the line's cost, the largest part of a busy window's, for
    // motion the eye does not tell apart.
    return 30;
}

double SignalLine::y(double x, double t, double mid, double amp, int layer)
{
    return Wave(t).y(x, mid, amp, layer);
}

SignalLine::Wave::Wave(double t)
    // t counts seconds since 2001, so 2.2t is a huge angle that the sine would reduce
    // the slow way for every point; reduce each time term once, exactly, per frame.
    : m_a(std::fmod(2.2 * t, 2 * pi))
    , m_b(std::fmod(3.4 * t, 2 * pi))
    , m_c(std::fmod(0.9 * t, 2 * pi))
{
}

double SignalLine::Wave::y(double x, double mid, double amp, int layer) const
{
    const double ph = 1.9 * layer;
    const double f = 1 + 0.18 * layer;
    const double wave =
        0.55 * std::sin(ph + m_a + 11 * x * f) + 0.28 * std::sin(0.7 * ph + 23 * x * f - m_b) + 0.17 * std::sin(5 * x + m_c + ph);
    return mid + amp * wave * envelope(x, 1.4);
}

QPolygonF SignalLine::wavePath(QSizeF size, double t, double mid, double amp, int layer)
{
    const int n = std::max(int(size.width() / 2.5), 2);
    QPolygonF path;
    path.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double x = double(i) / n;
        path << QPointF(size.width() * x, y(x, t, mid, amp, layer));
    }
    return path;
}

double SignalLine::amplitude(double height, double t, bool active)
{
    return height * (active ? 0.36 : 0.08) * (0.86 + 0.14 * std::sin(0.9 * t));
}

double SignalLine::dotSpeed(int j)
{
    const double h = std::sin(12.9 * j) * 437.5;
    return (h - std::trunc(h)) * 0.4 + 0.8;
}

double SignalLine::dotPosition(int j, int count, double t, bool active)
{
    if (count <= 0)
        return 0;
    const double p = double(j) / count + t * (active ? 0.13 : 0.04) * dotSpeed(j);
    return fract(p);
}

QImage SignalLine::render(QSizeF size, double t, const Style &style, double dpr, QRectF *where)
{
    const double w = size.width();
    const double h = size.height();
    if (w <= 0 || h <= 0)
        return {};
    const double mid = h / 2;
    const double amp = amplitude(h, t, style.active);
    const Wave wave(t);

    // The three waves as polylines: one segment per 2.5 points, at least two.
    const int n = std::max(int(w / 2.5), 2);
    std::array<std::vector<double>, 3> heights;
    const double layerAmp[3] = {amp, amp * 0.75, amp * 0.5};
    for (int layer = 0; layer < 3; ++layer) {
        heights[size_t(layer)].resize(size_t(n) + 1);
        for (int i = 0; i <= n; ++i)
            heights[size_t(layer)][size_t(i)] = wave.y(double(i) / n, mid, layerAmp[layer], layer);
    }
    const double step = w / n;
    const GraphCanvas::Graph p0{heights[0], 0, step};
    const GraphCanvas::Graph p1{heights[1], 0, step};
    const GraphCanvas::Graph p2{heights[2], 0, step};
    const std::vector<double> flat{mid, mid};
    const GraphCanvas::Graph base{flat, 0, w};

    // Every gradient runs from left to right across the canvas; most fade in over the
    // first 22 % and out over the last 22 %.
    auto fade = [w](double x) {
        const double u = x / w;
        return float(std::clamp(std::min(u, 1 - u) / 0.22, 0.0, 1.0));
    };
    auto faded = [&fade](const QColor &color, double opacity) {
        const Rgba full = Rgba::fromColor(color, opacity);
        return [full, &fade](double x) { return full * fade(x); };
    };
    const std::array<std::pair<double, Rgba>, 5> mainStops{{
        {0.0, Rgba::fromColor(DS::primaryDeep, 0)},
        {0.18, Rgba::fromColor(DS::primaryDeep)},
        {0.5, Rgba::fromColor(DS::glow)},
        {0.82, Rgba::fromColor(style.color)},
        {1.0, Rgba::fromColor(style.color, 0)},
    }};
    auto mainShade = [&mainStops, w](double x) {
        const double u = std::clamp(x / w, 0.0, 1.0);
        size_t i = 1;
        while (i + 1 < mainStops.size() && u > mainStops[i].first)
            ++i;
        const auto &[u0, c0] = mainStops[i - 1];
        const auto &[u1, c1] = mainStops[i];
        const float f = float((u - u0) / (u1 - u0));
        return Rgba{c0.r + f * (c1.r - c0.r), c0.g + f * (c1.g - c0.g), c0.b + f * (c1.b - c0.b), c0.a + f * (c1.a - c0.a)};
    };

    // The dots: each a trail of fading discs behind a head with a halo, on the main wave.
    constexpr double haloRadius = 12;
    struct Disc
    {
        QPointF center;
        double radius;
        Rgba color;
        bool halo;
    };
    std::vector<Disc> discs;
    const Rgba glow = Rgba::fromColor(DS::glow);
    const Rgba white = Rgba::fromColor(Qt::white);
    for (int j = 0; j < style.dots; ++j) {
        const double x = dotPosition(j, style.dots, t, style.active);
        const float e = float(envelope(x, 0.8));
        for (int k = 10; k >= 1; --k) {
            const double xk = x - 0.006 * k;
            if (xk <= 0)
                continue;
            const double fadeK = 1 - k / 11.0;
            discs.push_back({QPointF(w * xk, wave.y(xk, mid, amp, 0)), 1.8 * fadeK + 0.6, glow * float(e * fadeK * fadeK * 0.45), false});
        }
        const QPointF head(w * x, wave.y(x, mid, amp, 0));
        discs.push_back({head, haloRadius, glow * (e * 0.5f), true});
        discs.push_back({head, (0.75 + 0.25 * std::sin(6 * t + 2.1 * j)) * 2.4, white * e, false});
    }

    // Only the rows this frame draws on: the glow, the strokes and the dots' halos. The
    // rest of the strip and its overflow stay clear, and a picture that leaves them out
    // costs less to draw, to upload and to blend into the window.
    QRectF area(0, -overflow, w, h + 2 * overflow);
    if (where) {
        const double pixel = 1 / dpr;
        auto [top, bottom] = p0.band(GraphCanvas::blurredStrokeReach(5, 7));
        auto cover = [&top, &bottom](std::pair<double, double> band) {
            top = std::min(top, band.first);
            bottom = std::max(bottom, band.second);
        };
        cover(p1.band(GraphCanvas::strokeReach(1.0, dpr)));
        cover(p2.band(GraphCanvas::strokeReach(0.8, dpr)));
        cover(base.band(GraphCanvas::strokeReach(0.6, dpr)));
        // Discs touch the pixels within their radius and one pixel more.
        for (const Disc &disc : discs)
            cover({disc.center.y() - disc.radius - 2 * pixel, disc.center.y() + disc.radius + 2 * pixel});
        // Whole rows of the full picture, so that every pixel kept is the one it would hold.
        const int rows = int(std::ceil(area.height() * dpr));
        const int first = std::clamp(int(std::floor((top - area.top()) * dpr)), 0, rows - 1);
        const int last = std::clamp(int(std::ceil((bottom - area.top()) * dpr)), first, rows - 1);
        area = QRectF(0, area.top() + first * pixel, w, (last - first + 1) * pixel);
    }

    GraphCanvas canvas(area, dpr);
    canvas.stroke(base, 0.6, faded(Qt::white, 0.07));
    canvas.fillBetween(p0, p1, faded(DS::primary, 0.1));
    canvas.blurredStroke(p0, 5, 7, faded(DS::primary, 0.75));
    canvas.stroke(p2, 0.8, faded(colorFromHex(0x3BA7E0), 0.35));
    canvas.stroke(p1, 1.0, faded(colorFromHex(0xC56CF0), 0.45));
    canvas.stroke(p0, 1.8, mainShade);

    for (const Disc &disc : discs) {
        if (disc.halo)
            canvas.radialDisc(disc.center, disc.radius, disc.color);
        else
            canvas.disc(disc.center, disc.radius, disc.color);
    }
    const QImage picture = canvas.image();
    if (where)
        *where = QRectF(area.left(), area.top(), w, picture.height() / dpr);
    return picture;
}

QSGNode *SignalLine::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    if (width() <= 0 || height() <= 0) {
        delete oldNode;
        return nullptr;
    }
    auto *node = PictureNode::reuse(oldNode, window());
    const QSizeF canvas = size();
    const double t = frameTime();
    const Style style = m_style;
    // The picture reaches past the strip above and below, so that the blurred glow and
    // the dots' halos fade out on their own instead of ending in a hard edge.
    QRectF where;
    QImage picture = render(canvas, t, style, devicePixelRatio(), &where);
    // The waves and their dots travel the other way in a mirrored window; the picture
    // spans the item's width, so turning it round keeps it in place.
    if (isMirrored())
        picture = std::move(picture).mirrored(true, false);
    node->show(picture, where);
    return node;
}
