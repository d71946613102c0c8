#include "nebula.h"

#include "blur.h"
#include "designsystem.h"
#include "frameclock.h"

#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>
#include <numbers>

const std::array<Nebula::Blob, 5> Nebula::blobs{{
    {0.28, 0.48, 0.30, colorFromHex(0x8B5CF6)},
    {0.52, 0.38, 0.26, colorFromHex(0xE24FD6)},
    {0.72, 0.58, 0.30, colorFromHex(0x6E73E8)},
    {0.44, 0.66, 0.22, colorFromHex(0x3BA7E0)},
    {0.86, 0.40, 0.18, colorFromHex(0x9498F2)},
}};

namespace {

// Clears what `painter`'s device holds outside a rounded rectangle of `size`, with
// antialiased edges.
void clipToRoundedRect(QPainter &painter, QSizeF size, double radius)
{
    const double r = std::min({radius, size.width() / 2, size.height() / 2});
    QPainterPath outside;
    outside.addRect(QRectF(QPointF(0, 0), size).adjusted(-1, -1, 1, 1));
    QPainterPath inside;
    inside.addRoundedRect(QRectF(QPointF(0, 0), size), r, r);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(outside.subtracted(inside), Qt::black);
}

} // namespace

Nebula::Nebula(QQuickItem *parent)
    : ArtworkItem(parent)
{
}

void Nebula::setDensity(double density)
{
    if (density == m_density)
        return;
    m_density = density;
    emit densityChanged();
    // Whether it animates, and how often, both follow the density.
    animationChanged();
}

void Nebula::setRadius(double radius)
{
    if (radius == m_radius)
        return;
    m_radius = radius;
    emit radiusChanged();
    update();
}

double Nebula::effectiveDensity(double density)
{
    if (!(density > 0.01))
        return 0;
    return std::min(density, 1.0);
}

double Nebula::referenceLength(QSizeF size)
{
    return std::min(size.width(), size.height() * 1.6);
}

QRectF Nebula::blobEllipse(int i, double t, QSizeF size)
{
    const Blob &blob = blobs.at(size_t(i));
    const double dx = std::sin(t * 0.12 + i * 1.3) * 0.035;
    const double dy = std::cos(t * 0.1 + i * 1.7) * 0.03;
    const double r = referenceLength(size) * blob.r;
    const QPointF center(size.width() * (blob.x + dx), size.height() * (blob.y + dy));
    return QRectF(center.x() - 1.5 * r, center.y() - r, 3 * r, 2 * r);
}

int Nebula::framesPerSecondFor(QSizeF size, double density, double pixelsPerPoint)
{
    const double eff = effectiveDensity(density);
    const double sigma = referenceLength(size) * 0.07 * pixelsPerPoint;
    if (eff <= 0 || sigma <= 0)
        return 1;
    // The fastest a blob's centre moves, in pixels a second: the derivatives of its
    // horizontal and vertical drift at their peaks.
    const double speed = std::hypot(size.width() * 0.035 * 0.12, size.height() * 0.03 * 0.1) * pixelsPerPoint;
    // The steepest slope of a blurred blob's edge, in colour steps per pixel: its opacity
    // over the Gaussian's width. Moving by `allowed` pixels changes no pixel by more than
    // half a step.
    const double steepest = eff * 0.22 * 255 / (sigma * std::sqrt(2 * std::numbers::pi));
    const double allowed = 0.5 / steepest;
    return std::min(FrameClock::sharedRate(int(std::ceil(speed / allowed))), 15);
}

int Nebula::framesPerSecond() const
{
    return framesPerSecondFor(size(), m_density, devicePixelRatio());
}

QImage Nebula::render(QSizeF size, double t, double density, double pixelsPerPoint, double radius)
{
    const double eff = effectiveDensity(density);
    if (eff <= 0 || size.isEmpty())
        return {};
    const QSize pixels(std::max(1, int(std::ceil(size.width() * pixelsPerPoint))),
                       std::max(1, int(std::ceil(size.height() * pixelsPerPoint))));
    QImage layer = paintImage(pixels, 1.0, [&](QPainter &p) {
        // Exactly the canvas on whole pixels, so the picture lines up when stretched back.
        p.scale(pixels.width() / size.width(), pixels.height() / size.height());
        p.setPen(Qt::NoPen);
        for (int i = 0; i < int(blobs.size()); ++i) {
            p.setBrush(withOpacity(blobs[size_t(i)].color, eff * 0.22));
            p.drawEllipse(blobEllipse(i, t, size));
        }
    });
    gaussianBlur(layer, referenceLength(size) * 0.07 * pixelsPerPoint);
    if (radius > 0) {
        QPainter clip(&layer);
        clip.scale(pixels.width() / size.width(), pixels.height() / size.height());
        clipToRoundedRect(clip, size, radius);
    }
    return layer;
}

void Nebula::draw(QPainter &painter, QSizeF size, double t, double density, double radius)
{
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QImage layer = render(size, t, density, dpr, radius);
    if (layer.isNull())
        return;
    painter.drawImage(QRectF(QPointF(0, 0), size), layer);
}

QSGNode *Nebula::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    const QSizeF canvas = size();
    const double sigma = referenceLength(canvas) * 0.07;
    // The blur wipes out every detail finer than its radius, so the clouds are drawn and
    // blurred on a coarse grid (six cells per standard deviation of the blur), then
    // stretched to full size once per frame: the canvas is redrawn far more often than
    // the clouds move, and a picture at its own size is the cheapest to redraw.
    const double dpr = devicePixelRatio();
    const double resolution = sigma > 0 ? std::min(dpr, 6.0 / sigma) : dpr;
    const QImage coarse = render(canvas, frameTime(), m_density, resolution);
    if (coarse.isNull()) {
        delete oldNode;
        return nullptr;
    }
    QImage picture = paintImage(canvas, dpr, [&](QPainter &p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), canvas), coarse);
        // Clipped at full size, so the rounded corners stay crisp.
        if (m_radius > 0)
            clipToRoundedRect(p, canvas, m_radius);
    });
    auto *node = PictureNode::reuse(oldNode, window());
    node->show(picture, QRectF(QPointF(0, 0), canvas));
    return node;
}
