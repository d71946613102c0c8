#include "shapes.h"

#include "artworkitem.h"
#include "blur.h"

#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <QSGImageNode>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>

StillPictureItem::StillPictureItem(QQuickItem *parent)
    : QQuickItem(parent)
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

QList<StillPictureItem::Piece> StillPictureItem::renderPieces(qreal dpr) const
{
    Piece piece;
    piece.image = renderPicture(dpr, &piece.rect);
    if (piece.image.isNull() || piece.rect.isEmpty())
        return {};
    return {piece};
}

QSGNode *StillPictureItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    if (oldNode && !m_stale)
        return oldNode;
    m_stale = false;
    const QList<Piece> pieces = renderPieces(window()->effectiveDevicePixelRatio());
    if (pieces.isEmpty()) {
        delete oldNode;
        return nullptr;
    }
    // One node per piece, under a node of their own; the pieces' count changes rarely.
    QSGNode *root = oldNode ? oldNode : new QSGNode;
    while (root->childCount() > pieces.size())
        delete root->lastChild();
    while (root->childCount() < pieces.size())
        root->appendChildNode(new PictureNode(window()));
    auto *node = root->firstChild();
    for (const Piece &piece : pieces) {
        static_cast<PictureNode *>(node)->show(piece.image, piece.rect);
        node = node->nextSibling();
    }
    return root;
}

SoftShadow::SoftShadow(QQuickItem *parent)
    : StillPictureItem(parent)
{
}

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
    // Cards of one size cast one shadow: a card scrolled into view takes the picture the
    // last one drew instead of blurring its own. The pictures used last are kept, up to a
    // budget: a progress bar's glow changes size with every step and must not push the
    // cards' shadow out. Render threads of several windows may ask at once.
    struct Drawn
    {
        QSizeF shape;
        double radius;
        double blur;
        QRgb color;
        qreal dpr;
        QRectF where;
        QImage image;
    };
    static QMutex mutex;
    static std::deque<Drawn> recent;
    static qsizetype keptBytes = 0;
    constexpr qsizetype kBudgetBytes = 2 * 1024 * 1024;

    const QSizeF shape = drawnShape();
    const double radius = std::min({m_radius, width() / 2, height() / 2});
    const QRgb color = m_color.rgba();
    const QMutexLocker locker(&mutex);
    const auto same = [&](const Drawn &d) {
        return d.shape == shape && d.radius == radius && d.blur == m_blur && d.color == color && d.dpr == dpr;
    };
    if (const auto found = std::find_if(recent.begin(), recent.end(), same); found != recent.end()) {
        std::rotate(recent.begin(), found, found + 1);
        *where = recent.front().where;
        return recent.front().image;
    }
    Drawn drawn{shape, radius, m_blur, color, dpr, {}, {}};
    drawn.image = render(shape, radius, m_blur, m_color, dpr, &drawn.where);
    *where = drawn.where;
    keptBytes += drawn.image.sizeInBytes();
    recent.push_front(drawn);
    while (keptBytes > kBudgetBytes && recent.size() > 1) {
        keptBytes -= recent.back().image.sizeInBytes();
        recent.pop_back();
    }
    return drawn.image;
}

QSizeF SoftShadow::drawnShape() const
{
    const double r = std::min({m_radius, width() / 2, height() / 2});
    const double straight = 2 * (std::max(r, 0.0) + std::ceil(blurReach(std::max(m_blur, 0.0) / 2))) + 2;
    // A shorter side is drawn in whole pixels: a progress bar's glow that grows by a
    // fraction of a pixel with every step, or with every frame of its easing, takes a
    // picture already drawn instead of blurring a new one each time.
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const auto whole = [dpr](double length) { return std::ceil(length * dpr - 1e-6) / dpr; };
    return {std::min(whole(width()), straight), std::min(whole(height()), straight)};
}

namespace {

// Where a picture of `pixels` is cut around its middle pixel, and where the cuts land on
// a target `length` long starting at `origin`: the ends keep their size, the middle
// pixel stretches over whatever is left.
struct Cut
{
    std::array<double, 4> source;
    std::array<double, 4> target;
};

Cut cutAcross(int pixels, qreal dpr, double origin, double length)
{
    const int middle = pixels / 2;
    const double end = double(pixels - middle - 1) / dpr;
    return {{0, double(middle), double(middle + 1), double(pixels)},
            {origin, origin + middle / dpr, origin + std::max(length - end, middle / dpr), origin + length}};
}

} // namespace

QSGNode *SoftShadow::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *root = static_cast<TextureOwnerNode *>(oldNode);
    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QSizeF shape = drawnShape();
    if (!root || shape != m_drawnShape || dpr != m_drawnDpr || m_stale) {
        m_stale = false;
        m_drawnShape = shape;
        m_drawnDpr = dpr;
        QRectF where;
        const QImage picture = renderPicture(dpr, &where);
        if (picture.isNull()) {
            delete root;
            return nullptr;
        }
        if (!root) {
            root = new TextureOwnerNode;
            for (int i = 0; i < 9; ++i) {
                QSGImageNode *piece = window()->createImageNode();
                piece->setOwnsTexture(false);
                piece->setFiltering(QSGTexture::Nearest);
                root->appendChildNode(piece);
            }
        }
        QSGTexture *texture = window()->createTextureFromImage(picture, QQuickWindow::TextureHasAlphaChannel);
        for (QSGNode *piece = root->firstChild(); piece; piece = piece->nextSibling())
            static_cast<QSGImageNode *>(piece)->setTexture(texture);
        root->adoptTexture(texture);
    }
    // The picture reaches past the shape by the blur's reach on every side.
    const QSize pixels = root->texture()->textureSize();
    const double reach = std::ceil(blurReach(std::max(m_blur, 0.0) / 2));
    const Cut across = cutAcross(pixels.width(), dpr, -reach, width() + 2 * reach);
    const Cut down = cutAcross(pixels.height(), dpr, -reach, height() + 2 * reach);
    QSGNode *piece = root->firstChild();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column, piece = piece->nextSibling()) {
            auto *image = static_cast<QSGImageNode *>(piece);
            const QRectF source(QPointF(across.source[column], down.source[row]), QPointF(across.source[column + 1], down.source[row + 1]));
            const QRectF target(QPointF(across.target[column], down.target[row]), QPointF(across.target[column + 1], down.target[row + 1]));
            if (image->sourceRect() != source)
                image->setSourceRect(source);
            if (image->rect() != target)
                image->setRect(target);
        }
    }
    return root;
}

GradientOutline::GradientOutline(QQuickItem *parent)
    : StillPictureItem(parent)
{
}

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

QImage GradientOutline::render(QSizeF size, double radius, const QColor &top, const QColor &bottom, qreal dpr, const QRectF &part)
{
    if (size.isEmpty())
        return {};
    const QRectF area = part.isNull() ? QRectF(QPointF(0, 0), size) : part;
    return paintImage(area.size(), dpr, [&](QPainter &p) {
        p.translate(-area.topLeft());
        QLinearGradient shade(QPointF(0, 0), QPointF(0, size.height()));
        shade.setColorAt(0, top);
        shade.setColorAt(1, bottom);
        // Inset by half the line so the whole line falls inside the item.
        const QRectF edge = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
        const double r = std::max(0.0, std::min({radius, size.width() / 2, size.height() / 2}) - 0.5);
        p.setPen(QPen(QBrush(shade), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(edge, r, r);
    });
}

QList<QRectF> GradientOutline::bands(QSizeF size, double radius)
{
    // A band reaches a whole point past the corner's curve, and a side is two points wide,
    // so that a line smoothed over a pixel's edge at any scale stays inside them.
    const double reach = std::ceil(std::clamp(radius, 0.0, std::min(size.width(), size.height()) / 2)) + 1;
    const double side = 2;
    if (size.isEmpty() || size.height() <= 2 * reach || size.width() <= 2 * side)
        return {QRectF(QPointF(0, 0), size)};
    const double middle = size.height() - 2 * reach;
    return {QRectF(0, 0, size.width(), reach), QRectF(0, size.height() - reach, size.width(), reach), QRectF(0, reach, side, middle),
            QRectF(size.width() - side, reach, side, middle)};
}

QImage GradientOutline::renderPicture(qreal dpr, QRectF *where) const
{
    *where = QRectF(QPointF(0, 0), size());
    return render(size(), m_radius, m_top, m_bottom, dpr);
}

// A card's outline is a line round an empty middle: kept as one picture it would hold
// the card's whole area, as bands only its edges.
QList<StillPictureItem::Piece> GradientOutline::renderPieces(qreal dpr) const
{
    QList<Piece> pieces;
    for (const QRectF &band : bands(size(), m_radius)) {
        QImage image = render(size(), m_radius, m_top, m_bottom, dpr, band);
        if (!image.isNull())
            pieces.append({std::move(image), band});
    }
    return pieces;
}
