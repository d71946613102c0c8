#include "appbackground.h"

#include "artworkitem.h"
#include "designsystem.h"
#include "starfield.h"

#include <QQuickWindow>
#include <QMatrix4x4>
#include <QSGImageNode>
#include <QSGRectangleNode>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The glow's picture holds its columns up to the middle one, and a mirroring transform
// shows them again for the right half: the renderers paint a mirrored picture as cheaply
// as a plain one, and the picture takes half the memory.
class GlowNode : public TextureOwnerNode
{
public:
    explicit GlowNode(QQuickWindow *window)
        : m_window(window)
        , m_left(window->createImageNode())
        , m_mirror(new QSGTransformNode)
        , m_right(window->createImageNode())
    {
        for (QSGImageNode *node : {m_left, m_right})
            node->setOwnsTexture(false);
        appendChildNode(m_left);
        m_mirror->appendChildNode(m_right);
        appendChildNode(m_mirror);
    }

    // `left` is renderGlow()'s picture for `area`: the first columns of a picture as wide
    // as the area in pixels, the last of them its middle one where the width is odd; the
    // others are those mirrored.
    void show(const QImage &left, const QRectF &area)
    {
        // An opaque picture lets the software renderer skip whatever lies beneath it.
        QSGTexture *texture = m_window->createTextureFromImage(left);
        for (QSGImageNode *node : {m_left, m_right})
            node->setTexture(texture);
        adoptTexture(texture);
        m_dpr = left.devicePixelRatio();
        m_width = int(std::ceil(area.width() * m_dpr));
        m_columns = left.width();
        m_height = left.height();
        m_area = {};
        setRect(area);
    }

    void setRect(const QRectF &area)
    {
        if (area == m_area)
            return;
        m_area = area;
        // The picture's pixels stretched over the area; smoothed only where that is not
        // pixel for pixel, as smoothing a mirrored picture blends neighbours.
        const double sx = area.width() / m_width;
        const bool stretched = std::abs(sx * m_dpr - 1) > 1e-9 || std::abs(area.height() / m_height * m_dpr - 1) > 1e-9;
        const int mirrored = m_width - m_columns;
        for (QSGImageNode *node : {m_left, m_right})
            node->setFiltering(stretched ? QSGTexture::Linear : QSGTexture::Nearest);
        m_left->setRect(QRectF(area.x(), area.y(), m_columns * sx, area.height()));
        m_left->setSourceRect(QRectF(0, 0, m_columns, m_height));
        m_right->setRect(QRectF(0, area.y(), mirrored * sx, area.height()));
        m_right->setSourceRect(QRectF(0, 0, mirrored, m_height));
        QMatrix4x4 mirror;
        mirror.translate(float(area.right()), 0);
        mirror.scale(-1, 1);
        m_mirror->setMatrix(mirror);
    }

private:
    QQuickWindow *m_window;
    QSGImageNode *m_left;
    QSGTransformNode *m_mirror;
    QSGImageNode *m_right;
    int m_width = 0;
    int m_columns = 0;
    int m_height = 0;
    qreal m_dpr = 1;
    QRectF m_area;
};

class BackgroundNode : public QSGNode
{
public:
    QSGRectangleNode *fill = nullptr;
    GlowNode *glow = nullptr;
};

// A fixed pseudo-random value in [−0.5, 0.5) per pixel. Added before rounding, it turns
// the glow's gentle slope into noise finer than a colour step instead of visible bands.
double dither(int x, int y)
{
    std::uint32_t h = std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return double(h & 0xFFFF) / 65536.0 - 0.5;
}

} // namespace

AppBackground::AppBackground(QQuickItem *parent)
    : QQuickItem(parent)
    , m_starfield(new Starfield(this))
{
    setFlag(ItemHasContents);
    m_starfield->setOpacity(0.7);
    connect(m_starfield, &ArtworkItem::runningChanged, this, &AppBackground::runningChanged);
}

bool AppBackground::isRunning() const
{
    return m_starfield->isRunning();
}

void AppBackground::setRunning(bool running)
{
    m_starfield->setRunning(running);
}

void AppBackground::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    m_starfield->setSize(newGeometry.size());
    update();
}

QColor AppBackground::colorAt(QPointF point, double width)
{
    const double distance = std::hypot(point.x() - width / 2, point.y());
    const double a = 0.16 * std::max(0.0, 1 - distance / glowRadius);
    auto mix = [a](float from, float to) { return from + a * (to - from); };
    return QColor::fromRgbF(float(mix(DS::bg.redF(), DS::primary.redF())), float(mix(DS::bg.greenF(), DS::primary.greenF())),
                            float(mix(DS::bg.blueF(), DS::primary.blueF())));
}

QRectF AppBackground::glowRect(QSizeF size)
{
    return QRectF(size.width() / 2 - glowRadius, 0, 2 * glowRadius, glowRadius) & QRectF(QPointF(0, 0), size);
}

QImage AppBackground::renderGlow(QSizeF size, qreal dpr)
{
    const QRectF area = glowRect(size);
    if (area.isEmpty())
        return {};
    const int width = int(std::ceil(area.width() * dpr));
    const int height = int(std::ceil(area.height() * dpr));
    const double centerX = size.width() / 2;
    // When the pixels sit evenly about the centre, the right half mirrors the left.
    const bool mirrored = std::abs(area.x() + width / (2 * dpr) - centerX) < 1e-9;
    const int drawn = mirrored ? (width + 1) / 2 : width;
    QImage image(drawn, height, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    // The same blend as colorAt(), written out per pixel in 0…255 units. It is drawn at
    // start-up before the first frame, so the distance is a plain square root over
    // squares worked out once per row and column, and the halves mirror each other.
    const double from[3] = {double(DS::bg.red()), double(DS::bg.green()), double(DS::bg.blue())};
    const double to[3] = {double(DS::primary.red()), double(DS::primary.green()), double(DS::primary.blue())};
    const QRgb outside = DS::bg.rgb();
    std::vector<double> dx2(static_cast<size_t>(drawn));
    for (int x = 0; x < drawn; ++x) {
        const double dx = area.x() + (x + 0.5) / dpr - centerX;
        dx2[size_t(x)] = dx * dx;
    }
    const double radius2 = glowRadius * glowRadius;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double py = area.y() + (y + 0.5) / dpr;
        const double dy2 = py * py;
        for (int x = 0; x < drawn; ++x) {
            const double d2 = dx2[size_t(x)] + dy2;
            // Beyond the radius the blend is the fill itself, dither or not.
            if (d2 >= radius2) {
                line[x] = outside;
                continue;
            }
            const double a = 0.16 * (1 - std::sqrt(d2) / glowRadius);
            // Every channel sum is positive, so truncating rounds down.
            const double n = dither(x, y) + 0.5;
            int rgb[3];
            for (int i = 0; i < 3; ++i)
                rgb[i] = std::min(int(from[i] + a * (to[i] - from[i]) + n), 255);
            line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
        }
    }
    return image;
}

QSGNode *AppBackground::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    const QSizeF canvas = size();
    if (canvas.isEmpty()) {
        delete oldNode;
        return nullptr;
    }
    auto *root = static_cast<BackgroundNode *>(oldNode);
    if (!root) {
        root = new BackgroundNode;
        root->fill = window()->createRectangleNode();
        root->fill->setColor(DS::bg);
        root->appendChildNode(root->fill);
    }
    root->fill->setRect(QRectF(QPointF(0, 0), canvas));
    if (!m_glowDue) {
        // Queued to this item's thread, which is held while the scene is synchronised: the
        // next frame is asked for once this one is on its way.
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_glowDue = true;
                update();
            },
            Qt::QueuedConnection);
        return root;
    }

    const qreal dpr = window()->effectiveDevicePixelRatio();
    const QRectF area = glowRect(canvas);
    // The glow only needs drawing again when its own area or its centre within it moves,
    // or when the scene graph was made anew (a grab, or the window shown again).
    const QRectF key(canvas.width() / 2 - area.x(), 0, area.width(), area.height());
    if (!root->glow || key != m_glowKey || dpr != m_glowDpr) {
        m_glowKey = key;
        m_glowDpr = dpr;
        const bool added = !root->glow;
        if (added)
            root->glow = new GlowNode(window());
        // Given its picture before it joins the scene: the renderer reads a node as soon as
        // it is added.
        root->glow->show(renderGlow(canvas, dpr), area);
        if (added)
            root->appendChildNode(root->glow);
    }
    root->glow->setRect(area);
    return root;
}
