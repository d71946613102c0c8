#include "signalline.h"

#include "blur.h"
#include "tokens.h"

#include <QPainter>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// A horizontal gradient across the canvas that fades in and out at both ends.
QLinearGradient edgeFade(double width, double mid, const QColor &color, double opacity)
{
    QLinearGradient g(QPointF(0, mid), QPointF(width, mid));
    g.setColorAt(0, withOpacity(color, 0));
    g.setColorAt(0.22, withOpacity(color, opacity));
    g.setColorAt(0.78, withOpacity(color, opacity));
    g.setColorAt(1, withOpacity(color, 0));
    return g;
}

void stroke(QPainter &painter, const QPolygonF &line, const QBrush &brush, double width)
{
    painter.setPen(QPen(brush, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

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
    update();
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

double SignalLine::y(double x, double t, double mid, double amp, int layer)
{
    const double ph = 1.9 * layer;
    const double f = 1 + 0.18 * layer;
    const double wave = 0.55 * std::sin(ph + 2.2 * t + 11 * x * f) + 0.28 * std::sin(0.7 * ph + 23 * x * f - 3.4 * t)
                        + 0.17 * std::sin(5 * x + 0.9 * t + ph);
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

void SignalLine::draw(QPainter &painter, QSizeF size, double t, const Style &style)
{
    const double w = size.width();
    const double h = size.height();
    if (w <= 0 || h <= 0)
        return;
    const double mid = h / 2;
    const double amp = amplitude(h, t, style.active);
    const QPolygonF p0 = wavePath(size, t, mid, amp, 0);
    const QPolygonF p1 = wavePath(size, t, mid, amp * 0.75, 1);
    const QPolygonF p2 = wavePath(size, t, mid, amp * 0.5, 2);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    stroke(painter, QPolygonF{QPointF(0, mid), QPointF(w, mid)}, edgeFade(w, mid, Qt::white, 0.07), 0.6);

    QPolygonF ribbon = p0;
    for (auto it = p1.crbegin(); it != p1.crend(); ++it)
        ribbon << *it;
    painter.setPen(Qt::NoPen);
    painter.setBrush(edgeFade(w, mid, DS::primary, 0.1));
    painter.drawPolygon(ribbon);

    {
        // The glow is blurred far beyond a pixel's detail, so its layer is drawn at half
        // resolution and scaled up: the same picture for a quarter of the work.
        const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        const double scale = dpr * 0.5;
        QImage layer(QSize(int(std::ceil(w * scale)), int(std::ceil(h * scale))), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter glow(&layer);
            glow.setRenderHint(QPainter::Antialiasing);
            glow.scale(scale, scale);
            stroke(glow, p0, edgeFade(w, mid, DS::primary, 0.75), 5);
        }
        gaussianBlur(layer, 7 * scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, w, h), layer);
    }

    stroke(painter, p2, edgeFade(w, mid, colorFromHex(0x3BA7E0), 0.35), 0.8);
    stroke(painter, p1, edgeFade(w, mid, colorFromHex(0xC56CF0), 0.45), 1.0);

    QLinearGradient main(QPointF(0, mid), QPointF(w, mid));
    main.setColorAt(0, withOpacity(DS::primaryDeep, 0));
    main.setColorAt(0.18, DS::primaryDeep);
    main.setColorAt(0.5, DS::glow);
    main.setColorAt(0.82, style.color);
    main.setColorAt(1, withOpacity(style.color, 0));
    stroke(painter, p0, main, 1.8);

    painter.setPen(Qt::NoPen);
    for (int j = 0; j < style.dots; ++j) {
        const double x = dotPosition(j, style.dots, t, style.active);
        const double e = envelope(x, 0.8);
        for (int k = 10; k >= 1; --k) {
            const double xk = x - 0.006 * k;
            if (xk <= 0)
                continue;
            const double fade = 1 - k / 11.0;
            const double r = 1.8 * fade + 0.6;
            painter.setBrush(withOpacity(DS::glow, e * fade * fade * 0.45));
            painter.drawEllipse(QPointF(w * xk, y(xk, t, mid, amp, 0)), r, r);
        }
        const QPointF head(w * x, y(x, t, mid, amp, 0));
        QRadialGradient halo(head, 12);
        halo.setColorAt(0, withOpacity(DS::glow, e * 0.5));
        halo.setColorAt(1, withOpacity(DS::glow, 0));
        painter.setBrush(halo);
        painter.drawEllipse(head, 12.0, 12.0);
        const double r = (0.75 + 0.25 * std::sin(6 * t + 2.1 * j)) * 2.4;
        painter.setBrush(withOpacity(Qt::white, e));
        painter.drawEllipse(head, r, r);
    }
    painter.restore();
}

QSGNode *SignalLine::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    if (width() <= 0 || height() <= 0) {
        delete oldNode;
        return nullptr;
    }
    auto *node = static_cast<PictureNode *>(oldNode);
    if (!node)
        node = new PictureNode(window());
    const QSizeF canvas = size();
    const double t = frameTime();
    const Style style = m_style;
    node->show(paintImage(canvas, devicePixelRatio(), [&](QPainter &p) { draw(p, canvas, t, style); }),
               QRectF(QPointF(0, 0), canvas));
    return node;
}
