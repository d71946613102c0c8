#pragma once

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

// A premultiplied RGBA colour with components 0…1.
struct Rgba
{
    float r = 0, g = 0, b = 0, a = 0;

    static Rgba fromColor(const QColor &color, double opacity = 1.0);
    Rgba operator*(float k) const { return {r * k, g * k, b * k, a * k}; }
};

// A small software canvas for pictures made of graphs of functions y(x) — curves that
// never turn back on themselves horizontally — shaded with colours that change only from
// left to right. That is all the signal line draws, and for such shapes each pixel's
// coverage follows directly from its column and its distance to the curve, which is far
// cheaper than general path rasterisation at sixty frames a second.
//
// Coordinates are logical points; the canvas holds `scale` pixels per point and covers
// the logical rectangle `area`. Shapes are blended over each other in drawing order.
class GraphCanvas
{
public:
    GraphCanvas(const QRectF &area, double scale);

    // A polyline through (x0 + i·step, ys[i]) as the graph to draw.
    struct Graph
    {
        std::span<const double> ys;
        double x0;
        double step;

        double first() const { return x0; }
        double last() const { return x0 + step * double(ys.size() - 1); }
        // Height of the polyline at x, and its slope there; x is clamped to the ends.
        double at(double x, double *slope = nullptr) const;
        // The top and bottom of the band `reach` points across the curve on either side:
        // drawing along the graph with that reach touches no pixel outside it.
        std::pair<double, double> band(double reach) const;
    };

    // How far across the curve stroke() and blurredStroke() touch pixels, in points.
    static double strokeReach(double width, double scale) { return width / 2 + 1 / scale; }
    static double blurredStrokeReach(double width, double sigma) { return double(blurProfile(width, sigma).size()) / profileSteps; }

    // A line of `width` along the graph, between its first and last point; shade(x) gives
    // the colour at each x.
    template<typename Shade>
    void stroke(const Graph &graph, double width, Shade shade);
    // The region between two graphs over the x range they share.
    template<typename Shade>
    void fillBetween(const Graph &upper, const Graph &lower, Shade shade);
    // A line of `width` along the graph, Gaussian-blurred with deviation `sigma`. Each
    // pixel takes the blurred value of the straight line that touches the graph nearest
    // it, which is the exact blur wherever the curve bends far more gently than sigma.
    template<typename Shade>
    void blurredStroke(const Graph &graph, double width, double sigma, Shade shade);
    void disc(QPointF center, double radius, const Rgba &color);
    // A disc whose colour fades linearly from `centerColor` to nothing at `radius`.
    void radialDisc(QPointF center, double radius, const Rgba &centerColor);

    QImage image() const { return m_image; }

private:
    // The blurred profile across a straight line of `width` as coverages (0…255), at
    // `profileSteps` distances per point.
    static const std::vector<std::uint16_t> &blurProfile(double width, double sigma);
    static constexpr double profileSteps = 64;

    template<typename Shade, typename Coverage>
    void forColumns(const Graph &graph, double reach, Shade shade, Coverage coverage);
    // A colour as a premultiplied ARGB32 pixel, ready to be scaled by a coverage.
    struct Paint
    {
        std::uint32_t argb;
        explicit Paint(const Rgba &c)
        {
            const std::uint32_t a = std::uint32_t(std::clamp(c.a, 0.0f, 1.0f) * 255 + 0.5f);
            auto channel = [a](float v) { return std::min(a, std::uint32_t(std::max(v, 0.0f) * 255 + 0.5f)); };
            argb = (a << 24) | (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
        }
        bool isClear() const { return (argb >> 24) == 0; }
    };
    // All four 8-bit channels of `x` times a / 255, rounded, two channels at a time.
    static std::uint32_t byteMul(std::uint32_t x, std::uint32_t a)
    {
        std::uint32_t t = (x & 0xFF00FF) * a;
        t = ((t + ((t >> 8) & 0xFF00FF) + 0x800080) >> 8) & 0xFF00FF;
        x = ((x >> 8) & 0xFF00FF) * a;
        x = (x + ((x >> 8) & 0xFF00FF) + 0x800080) & 0xFF00FF00;
        return x | t;
    }
    // Blends `paint` over the pixel at `coverage` / 255 (0…255), source over.
    static void blend(std::uint32_t *pixel, const Paint &paint, std::uint32_t coverage)
    {
        const std::uint32_t source = byteMul(paint.argb, coverage);
        const std::uint32_t alpha = source >> 24;
        if (alpha == 0)
            return;
        // Most of the glow lands on pixels nothing has covered yet.
        const std::uint32_t below = *pixel;
        *pixel = below ? source + byteMul(below, 255 - alpha) : source;
    }
    static std::uint32_t toCoverage(double fraction) { return std::uint32_t(std::clamp(fraction, 0.0, 1.0) * 255 + 0.5); }
    std::uint32_t *row(int r) const { return m_bits + std::ptrdiff_t(r) * m_stride; }
    int firstColumn(double x) const;
    int lastColumn(double x) const;

    QRectF m_area;
    double m_scale;
    QImage m_image;
    std::uint32_t *m_bits;
    std::ptrdiff_t m_stride;
};

// Calls coverage(distance) for the pixels of every column within `reach` points of the
// graph, measured across the curve, and blends the column's shade by what it returns.
template<typename Shade, typename Coverage>
void GraphCanvas::forColumns(const Graph &graph, double reach, Shade shade, Coverage coverage)
{
    const int height = m_image.height();
    const int c1 = lastColumn(graph.last());
    for (int c = firstColumn(graph.first()); c <= c1; ++c) {
        const double x = m_area.left() + (c + 0.5) / m_scale;
        if (x < graph.first() || x > graph.last())
            continue;
        const Paint paint(shade(x));
        if (paint.isClear())
            continue;
        double slope = 0;
        const double y = graph.at(x, &slope);
        // Distances are taken across the curve, not straight down the column.
        const double across = 1 / std::sqrt(1 + slope * slope);
        const double span = reach / across;
        const int r0 = std::max(int(std::floor((y - span - m_area.top()) * m_scale)), 0);
        const int r1 = std::min(int(std::ceil((y + span - m_area.top()) * m_scale)), height - 1);
        // The distance across the curve of each row's centre, one row step at a time.
        const double first = (m_area.top() + (r0 + 0.5) / m_scale - y) * across;
        const double stepDown = across / m_scale;
        std::uint32_t *pixel = row(r0) + c;
        for (int r = r0; r <= r1; ++r, pixel += m_stride)
            blend(pixel, paint, coverage(first + (r - r0) * stepDown));
    }
}

template<typename Shade>
void GraphCanvas::stroke(const Graph &graph, double width, Shade shade)
{
    const double half = width / 2 * m_scale;
    const double scale = m_scale;
    forColumns(graph, strokeReach(width, m_scale), shade, [half, scale](double distance) {
        // The part of a one-pixel footprint, centred at `distance`, that the line covers.
        const double d = distance * scale;
        return toCoverage(std::min(d + 0.5, half) - std::max(d - 0.5, -half));
    });
}

template<typename Shade>
void GraphCanvas::blurredStroke(const Graph &graph, double width, double sigma, Shade shade)
{
    const std::vector<std::uint16_t> &profile = blurProfile(width, sigma);
    const std::uint16_t *table = profile.data();
    const size_t size = profile.size();
    forColumns(graph, blurredStrokeReach(width, sigma), shade, [table, size](double distance) -> std::uint32_t {
        const size_t i = size_t(std::abs(distance) * profileSteps + 0.5);
        return i < size ? table[i] : 0;
    });
}

template<typename Shade>
void GraphCanvas::fillBetween(const Graph &upper, const Graph &lower, Shade shade)
{
    const double xFirst = std::max(upper.first(), lower.first());
    const double xLast = std::min(upper.last(), lower.last());
    const int height = m_image.height();
    const int c1 = lastColumn(xLast);
    for (int c = firstColumn(xFirst); c <= c1; ++c) {
        const double x = m_area.left() + (c + 0.5) / m_scale;
        if (x < xFirst || x > xLast)
            continue;
        const Paint paint(shade(x));
        if (paint.isClear())
            continue;
        const double a = upper.at(x);
        const double b = lower.at(x);
        // The span in device rows; each row gets the part of its height inside it.
        const double top = (std::min(a, b) - m_area.top()) * m_scale;
        const double bottom = (std::max(a, b) - m_area.top()) * m_scale;
        const int r1 = std::min(int(std::ceil(bottom)), height - 1);
        for (int r = std::max(int(std::floor(top)), 0); r <= r1; ++r)
            blend(row(r) + c, paint, toCoverage(std::min(bottom, r + 1.0) - std::max(top, double(r))));
    }
}
