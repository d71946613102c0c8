#include "dropmark.h"

#include "blur.h"
#include "designsystem.h"
#include "frameclock.h"

#include <QPainter>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

// Part of the ring: the ellipse from angle `from` to `to` in straight segments; each
// half of the ring takes 48.
QPolygonF ringArc(QPointF center, double rx, double ry, double from, double to, int segments = 48)
{
    QPolygonF arc;
    arc.reserve(segments + 1);
    for (int i = 0; i <= segments; ++i) {
        const double theta = from + (to - from) * i / segments;
        arc << QPointF(center.x() + rx * std::cos(theta), center.y() + ry * std::sin(theta));
    }
    return arc;
}

void strokePolyline(QPainter &painter, const QPolygonF &line, const QBrush &brush, double width, Qt::PenCapStyle cap = Qt::FlatCap)
{
    painter.setPen(QPen(brush, width, Qt::SolidLine, cap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

void strokeClosed(QPainter &painter, const QPolygonF &outline, const QBrush &brush, double width)
{
    painter.setPen(QPen(brush, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
}

// Paints `paint` at full strength into a layer over `bounds` and lays that down at
// `opacity`. The drops fade every frame, and a gradient of another opacity each frame
// would fill the painter's gradient cache (sixty tables of 12 kB each) with tables used
// once; at full strength a drop's gradients are the same every frame.
void paintFaded(QPainter &painter, QRectF bounds, double opacity, const std::function<void(QPainter &)> &paint)
{
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    // On whole pixels of the device, so the layer lies where it would have been drawn.
    const QRect pixels(QPoint(int(std::floor(bounds.left() * dpr)), int(std::floor(bounds.top() * dpr))),
                       QPoint(int(std::ceil(bounds.right() * dpr)) - 1, int(std::ceil(bounds.bottom() * dpr)) - 1));
    if (pixels.isEmpty() || !(opacity > 0))
        return;
    QImage layer(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(dpr);
    layer.fill(Qt::transparent);
    const QPointF origin(pixels.left() / dpr, pixels.top() / dpr);
    {
        QPainter faded(&layer);
        faded.setRenderHint(QPainter::Antialiasing);
        faded.translate(-origin);
        paint(faded);
    }
    painter.save();
    painter.setOpacity(painter.opacity() * std::min(opacity, 1.0));
    painter.drawImage(origin, layer);
    painter.restore();
}

} // namespace

DropMark::DropMark(QQuickItem *parent)
    : ArtworkItem(parent)
{
    setImplicitSize(m_size, m_size);
}

void DropMark::setMarkSize(double size)
{
    if (size == m_size)
        return;
    m_size = size;
    setImplicitSize(size, size);
    emit sizeChanged();
}

void DropMark::setAnimated(bool animated)
{
    if (animated == m_style.animated)
        return;
    m_style.animated = animated;
    emit animatedChanged();
    animationChanged();
}

void DropMark::setMono(bool mono)
{
    if (mono == m_style.mono)
        return;
    m_style.mono = mono;
    emit monoChanged();
    update();
}

void DropMark::setPeriod(double period)
{
    if (period == m_style.period)
        return;
    m_style.period = period;
    emit periodChanged();
    // The rate follows the period.
    animationChanged();
}

double DropMark::smooth(double x)
{
    const double c = clamp01(x);
    return c * c * (3 - 2 * c);
}

double DropMark::fall(double x)
{
    const double c = clamp01(x);
    return 0.55 * c * c + 0.45 * smooth(c);
}

double DropMark::fallSpeed(double x)
{
    const double c = clamp01(x);
    return 1.1 * c + 2.7 * c * (1 - c);
}

QPainterPath DropMark::star(QPointF center, double s)
{
    const double cx = center.x();
    const double cy = center.y();
    QPainterPath path(QPointF(cx, cy - s));
    path.quadTo(center, QPointF(cx + s, cy));
    path.quadTo(center, QPointF(cx, cy + s));
    path.quadTo(center, QPointF(cx - s, cy));
    path.quadTo(center, QPointF(cx, cy - s));
    path.closeSubpath();
    return path;
}

std::vector<DropMark::Drop> DropMark::drops(const Style &style, double t, double top, double bottom)
{
    const double span = bottom - top;
    const double period = style.period;
    // A period that is not a positive number cannot be animated; show the still mark.
    if (!style.animated || !(period > 0) || !std::isfinite(t))
        return {{top + span * 0.62, 1, 1, 0.6, 0}};

    std::vector<Drop> result;
    const double k = std::floor(t / period);
    for (const double cycle : {k - 1, k}) {
        const double u = (t - period * cycle) / period;
        if (u < 0 || u > 1.25)
            continue;
        if (u <= 1) {
            const double s = smooth(clamp01(u / 0.22));
            const double c = std::min(u, 1.0);
            result.push_back({top + span * fall(c), s, 0.55 + 0.45 * s, fallSpeed(c), 0});
        } else {
            const double s = smooth(clamp01((u - 1) * 4));
            result.push_back({bottom, 1 - s, 1 - 0.85 * s, 0, std::sin((u - 1) * 4 * std::numbers::pi)});
        }
    }
    return result;
}

void DropMark::draw(QPainter &painter, QSizeF size, double t, const Style &style)
{
    const double w = size.width();
    const double h = size.height();
    const double m = std::min(w, h);
    if (m <= 0)
        return;
    const QColor accent = style.mono ? QColor(Qt::white) : DS::glow;
    const QColor back = style.mono ? withOpacity(Qt::white, 0.55) : DS::primaryDeep;

    const QPointF center(w * 0.5, h * 0.74);
    const double rx = m * 0.36;
    const double ry = m * 0.1;
    const double lw = std::max(m * 0.045, 1.0);
    constexpr double pi = std::numbers::pi;

    const std::vector<Drop> list = drops(style, t, h * 0.14, h * 0.74);
    double maxLanding = 0;
    for (const Drop &d : list)
        maxLanding = std::max(maxLanding, d.landing);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    strokePolyline(painter, ringArc(center, rx, ry, pi, 2 * pi), back, lw * 0.75);

    for (const Drop &d : list) {
        const QPointF at(center.x(), d.y);
        if (m > 18 && d.speed > 0.05) {
            const QPointF from(center.x(), std::max(d.y - m * 0.42 * std::min(d.speed / 1.6, 1.0), 0.0));
            const double width = m * 0.07 * d.scale;
            const QRectF bounds = QRectF(from, at).normalized().adjusted(-width, -width, width, width);
            paintFaded(painter, bounds, d.alpha, [&](QPainter &p) {
                QLinearGradient shade(from, at);
                shade.setColorAt(0, withOpacity(accent, 0));
                shade.setColorAt(1, withOpacity(accent, 0.8));
                strokePolyline(p, QPolygonF{from, at}, shade, width, Qt::RoundCap);
            });
        }
        if (!style.mono && m > 24) {
            const double g = m * 0.22 * d.scale;
            if (g > 0) {
                paintFaded(painter, QRectF(at - QPointF(g, g), QSizeF(2 * g, 2 * g)), d.alpha, [&](QPainter &p) {
                    QRadialGradient glow(at, g);
                    glow.setColorAt(0, withOpacity(DS::glow, 0.55));
                    glow.setColorAt(1, withOpacity(DS::glow, 0));
                    p.setPen(Qt::NoPen);
                    p.setBrush(glow);
                    p.drawEllipse(at, g, g);
                });
            }
        }
        const double pulse = style.animated ? 1 + 0.06 * std::sin(5 * t) : 1;
        painter.setPen(Qt::NoPen);
        painter.setBrush(withOpacity(style.mono ? QColor(Qt::white) : DS::text, d.alpha));
        painter.drawPath(star(at, m * 0.15 * d.scale * pulse));
    }

    strokePolyline(painter, ringArc(center, rx, ry, 0, pi), accent, lw);

    if (maxLanding > 0.01 && !style.mono) {
        const QPolygonF ring = ringArc(center, rx, ry, 0, 2 * pi, 96);
        const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        QImage layer(QSize(int(std::ceil(w * dpr)), int(std::ceil(h * dpr))), QImage::Format_ARGB32_Premultiplied);
        layer.setDevicePixelRatio(dpr);
        layer.fill(Qt::transparent);
        {
            QPainter splash(&layer);
            splash.setRenderHint(QPainter::Antialiasing);
            strokeClosed(splash, ring, withOpacity(DS::glow, maxLanding * 0.75), lw * 2.2);
        }
        gaussianBlur(layer, std::max(m * 0.04, 1.0) * dpr);
        painter.drawImage(QPointF(0, 0), layer);
        strokeClosed(painter, ring, withOpacity(Qt::white, maxLanding * 0.35), lw * 0.6);
    }
    painter.restore();
}

int DropMark::framesPerSecondFor(double height, double period)
{
    // A drop falls over 60 % of the height; fallSpeed() peaks at 1.337 of that per period.
    const double fastest = height * 0.6 * 1.337 / std::max(period, 0.05);
    return std::max(FrameClock::sharedRate(int(std::ceil(fastest))), 30);
}

int DropMark::framesPerSecond() const
{
    return framesPerSecondFor(height() * devicePixelRatio(), m_style.period);
}

QSGNode *DropMark::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    if (width() <= 0 || height() <= 0) {
        delete oldNode;
        return nullptr;
    }
    auto *node = PictureNode::reuse(oldNode, window());
    const QSizeF canvas = size();
    // A still mark is always drawn at t = 0, so it never changes.
    const double t = m_style.animated ? frameTime() : 0.0;
    const Style style = m_style;
    node->show(paintImage(canvas, devicePixelRatio(), [&](QPainter &p) { draw(p, canvas, t, style); }), QRectF(QPointF(0, 0), canvas));
    return node;
}
