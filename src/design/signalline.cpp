#include "signalline.h"

#include "graphcanvas.h"
#include "tokens.h"

#include <QPainter>
#include <QQuickWindow>

#include <algorithm>
#include <array>
#include <vector>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// sin(πx) raised to a power, zero outside 0…1 where the sine turns negative.
double envelope(double x, double power)
{
    return std::pow(std::max(std::sin(pi * x), 0.0), power);
}

} // namespace

SignalLine::SignalLine(QQuickItem *parent) : ArtworkItem(parent)
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
    : m_a(std::fmod(2.2 * t, 2 * pi)), m_b(std::fmod(3.4 * t, 2 * pi)), m_c(std::fmod(0.9 * t, 2 * pi))
{
}

double SignalLine::Wave::y(double x, double mid, double amp, int layer) const
{
    const double ph = 1.9 * layer;
    const double f = 1 + 0.18 * layer;
    const double wave = 0.55 * std::sin(ph + m_a + 11 * x * f) + 0.28 * std::sin(0.7 * ph + 23 * x * f - m_b)
                        + 0.17 * std::sin(5 * x + m_c + ph);
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

QImage SignalLine::render(QSizeF size, double t, const Style &style, double dpr)
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
        return Rgba{c0.r + f * (c1.r - c0.r), c0.g + f * (c1.g - c0.g), c0.b + f * (c1.b - c0.b),
                    c0.a + f * (c1.a - c0.a)};
    };

    GraphCanvas canvas(QRectF(0, -overflow, w, h + 2 * overflow), dpr);
    canvas.stroke(base, 0.6, faded(Qt::white, 0.07));
    canvas.fillBetween(p0, p1, faded(DS::primary, 0.1));
    canvas.blurredStroke(p0, 5, 7, faded(DS::primary, 0.75));
    canvas.stroke(p2, 0.8, faded(colorFromHex(0x3BA7E0), 0.35));
    canvas.stroke(p1, 1.0, faded(colorFromHex(0xC56CF0), 0.45));
    canvas.stroke(p0, 1.8, mainShade);

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
            canvas.disc(QPointF(w * xk, wave.y(xk, mid, amp, 0)), 1.8 * fadeK + 0.6, glow * float(e * fadeK * fadeK * 0.45));
        }
        const QPointF head(w * x, wave.y(x, mid, amp, 0));
        canvas.radialDisc(head, 12, glow * (e * 0.5f));
        canvas.disc(head, (0.75 + 0.25 * std::sin(6 * t + 2.1 * j)) * 2.4, white * e);
    }
    return canvas.image();
}

void SignalLine::draw(QPainter &painter, QSizeF size, double t, const Style &style)
{
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QImage picture = render(size, t, style, dpr);
    if (!picture.isNull())
        painter.drawImage(QRectF(0, -overflow, size.width(), size.height() + 2 * overflow), picture);
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
    node->show(render(canvas, t, style, devicePixelRatio()),
               QRectF(0, -overflow, canvas.width(), canvas.height() + 2 * overflow));
    return node;
}
