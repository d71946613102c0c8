#include "shimmerbar.h"

#include "designsystem.h"

#include <QPainter>
#include <QPainterPath>

ShimmerBar::ShimmerBar(QQuickItem *parent)
    : ArtworkItem(parent)
{
    setImplicitHeight(6);
}

QRectF ShimmerBar::highlightRect(QSizeF size, double t, bool mirrored)
{
    const double w = size.width();
    const double phase = fract(t * 0.6);
    const double left = phase * 1.3 * w - 0.3 * w;
    return QRectF(mirrored ? w - left - 0.3 * w : left, 0, 0.3 * w, size.height());
}

void ShimmerBar::draw(QPainter &painter, QSizeF size, double t, bool mirrored)
{
    if (size.isEmpty())
        return;
    const QRectF bar(QPointF(0, 0), size);
    const double radius = size.height() / 2;
    QPainterPath capsule;
    capsule.addRoundedRect(bar, radius, radius);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setClipPath(capsule);
    painter.fillPath(capsule, withOpacity(Qt::white, 0.07));
    const QRectF light = highlightRect(size, t, mirrored);
    QLinearGradient sweep(light.topLeft(), light.topRight());
    sweep.setColorAt(0, withOpacity(DS::primary, 0));
    sweep.setColorAt(0.5, DS::glow);
    sweep.setColorAt(1, withOpacity(DS::primary, 0));
    painter.fillRect(light, sweep);
    painter.restore();
}

QSGNode *ShimmerBar::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    if (width() <= 0 || height() <= 0) {
        delete oldNode;
        return nullptr;
    }
    auto *node = PictureNode::reuse(oldNode, window());
    const QSizeF canvas = size();
    const double t = frameTime();
    const bool mirrored = isMirrored();
    node->show(paintImage(canvas, devicePixelRatio(), [&](QPainter &p) { draw(p, canvas, t, mirrored); }), QRectF(QPointF(0, 0), canvas));
    return node;
}
