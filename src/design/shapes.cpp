#include "shapes.h"

#include "artworkitem.h"
#include "blur.h"

#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>

StillPictureItem::StillPictureItem(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void StillPictureItem::invalidatePicture()
{
    m_stale = true;
    update();
}

void StillPictureItem::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        invalidatePicture();
}

void StillPictureItem::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemDevicePixelRatioHasChanged)
        invalidatePicture();
}

QSGNode *StillPictureItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<PictureNode *>(oldNode);
    if (node && !m_stale)
        return node;
    m_stale = false;
    QRectF where;
    const QImage picture = renderPicture(window()->effectiveDevicePixelRatio(), &where);
    if (picture.isNull() || where.isEmpty()) {
        delete node;
        return nullptr;
    }
    if (!node)
        node = new PictureNode(window());
    node->show(picture, where);
    return node;
}

SoftShadow::SoftShadow(QQuickItem *parent) : StillPictureItem(parent) {}

void SoftShadow::setRadius(double radius)
{
    if (radius == m_radius)
        return;
    m_radius = radius;
    emit radiusChanged();
    invalidatePicture();
}

void SoftShadow::setBlur(double blur)
{
    if (blur == m_blur)
        return;
    m_blur = blur;
    emit blurChanged();
    invalidatePicture();
}

void SoftShadow::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged();
    invalidatePicture();
}

QImage SoftShadow::render(QSizeF shape, double radius, double blur, const QColor &color, qreal dpr, QRectF *where)
{
    if (shape.isEmpty() || color.alpha() == 0)
        return {};
    const double sigma = std::max(blur, 0.0) / 2;
    const double reach = std::ceil(blurReach(sigma));
    *where = QRectF(-reach, -reach, shape.width() + 2 * reach, shape.height() + 2 * reach);
    const double r = std::min({radius, shape.width() / 2, shape.height() / 2});
    QImage image = paintImage(where->size(), dpr, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawRoundedRect(QRectF(QPointF(reach, reach), shape), r, r);
    });
    gaussianBlur(image, sigma * dpr);
    return image;
}

QImage SoftShadow::renderPicture(qreal dpr, QRectF *where) const
{
    return render(size(), m_radius, m_blur, m_color, dpr, where);
}

GradientOutline::GradientOutline(QQuickItem *parent) : StillPictureItem(parent) {}

void GradientOutline::setRadius(double radius)
{
    if (radius == m_radius)
        return;
    m_radius = radius;
    emit radiusChanged();
    invalidatePicture();
}

void GradientOutline::setTopColor(const QColor &color)
{
    if (color == m_top)
        return;
    m_top = color;
    emit topColorChanged();
    invalidatePicture();
}

void GradientOutline::setBottomColor(const QColor &color)
{
    if (color == m_bottom)
        return;
    m_bottom = color;
    emit bottomColorChanged();
    invalidatePicture();
}

QImage GradientOutline::renderPicture(qreal dpr, QRectF *where) const
{
    const QSizeF shape = size();
    if (shape.isEmpty())
        return {};
    *where = QRectF(QPointF(0, 0), shape);
    return paintImage(shape, dpr, [&](QPainter &p) {
        QLinearGradient shade(QPointF(0, 0), QPointF(0, shape.height()));
        shade.setColorAt(0, m_top);
        shade.setColorAt(1, m_bottom);
        // Inset by half the line so the whole line falls inside the item.
        const QRectF edge = QRectF(QPointF(0, 0), shape).adjusted(0.5, 0.5, -0.5, -0.5);
        const double r = std::max(0.0, std::min({m_radius, shape.width() / 2, shape.height() / 2}) - 0.5);
        p.setPen(QPen(QBrush(shade), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(edge, r, r);
    });
}
