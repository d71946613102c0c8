#include "artworkitem.h"

#include "frameclock.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>

#include <cmath>

ArtworkItem::ArtworkItem(QQuickItem *parent)
    : QQuickItem(parent)
    , m_time(artworkTime())
{
    setFlag(ItemHasContents);
}

ArtworkItem::~ArtworkItem()
{
    if (m_clock)
        m_clock->detach(this);
}

void ArtworkItem::setMirrored(bool mirrored)
{
    if (mirrored == m_mirrored)
        return;
    m_mirrored = mirrored;
    emit mirroredChanged();
    update();
}

void ArtworkItem::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    emit runningChanged();
    resubscribe();
}

bool ArtworkItem::isTicking() const
{
    return m_ticking;
}

void ArtworkItem::animationChanged()
{
    resubscribe();
    update();
}

void ArtworkItem::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemSceneChange || change == ItemVisibleHasChanged)
        resubscribe();
    if (change == ItemDevicePixelRatioHasChanged)
        update();
}

void ArtworkItem::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        resubscribe();
        update();
    }
}

qreal ArtworkItem::devicePixelRatio() const
{
    return window() ? window()->effectiveDevicePixelRatio() : 1.0;
}

void ArtworkItem::advance(double time)
{
    m_time = time;
    update();
}

void ArtworkItem::resubscribe()
{
    FrameClock *clock = FrameClock::forWindow(window());
    const bool wanted = clock && isVisible() && m_running && isAnimated() && width() > 0 && height() > 0;
    if (m_clock && (m_clock != clock || !wanted))
        m_clock->detach(this);
    m_clock = wanted ? clock : nullptr;
    if (m_clock)
        m_clock->attach(this, framesPerSecond());
    clockStateChanged();
}

void ArtworkItem::clockStateChanged()
{
    const bool ticking = m_clock && m_clock->isTicking() && m_clock->isAttached(this);
    if (ticking == m_ticking)
        return;
    m_ticking = ticking;
    emit tickingChanged();
}

QImage paintImage(QSizeF size, qreal dpr, const std::function<void(QPainter &)> &paint)
{
    const QSize pixels(std::max(1, int(std::ceil(size.width() * dpr))), std::max(1, int(std::ceil(size.height() * dpr))));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

TextureOwnerNode::~TextureOwnerNode()
{
    while (QSGNode *child = firstChild()) {
        removeChildNode(child);
        delete child;
    }
}

void TextureOwnerNode::adoptTexture(QSGTexture *texture)
{
    if (texture != m_texture.get())
        m_texture.reset(texture);
}

PictureNode::PictureNode(QQuickWindow *window)
    : m_window(window)
    , m_image(window->createImageNode())
{
    m_image->setOwnsTexture(false);
    m_image->setFiltering(QSGTexture::Linear);
    appendChildNode(m_image);
}

PictureNode *PictureNode::reuse(QSGNode *oldNode, QQuickWindow *window)
{
    if (auto *node = static_cast<PictureNode *>(oldNode))
        return node;
    return new PictureNode(window);
}

void PictureNode::show(const QImage &image, const QRectF &rect, Transparency transparency)
{
    // An opaque picture lets the software renderer skip whatever lies beneath it.
    QSGTexture *texture = m_window->createTextureFromImage(image, transparency == Opaque ? QQuickWindow::CreateTextureOptions()
                                                                                         : QQuickWindow::TextureHasAlphaChannel);
    m_image->setTexture(texture);
    adoptTexture(texture);
    m_image->setRect(rect);
    m_image->setSourceRect(QRectF(QPointF(0, 0), texture->textureSize()));
}

void PictureNode::setRect(const QRectF &rect)
{
    if (m_image->rect() != rect)
        m_image->setRect(rect);
}
