#include "starfield.h"

#include "designsystem.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGOpacityNode>

#include <algorithm>
#include <cmath>

namespace {

constexpr double opacityStep = 5.0 / 255;

// The root of the star field's nodes: it owns the sprite sheet of all stars, one
// opacity node per star below it, and the shooting star while one flies.
class StarfieldNode : public TextureOwnerNode
{
public:
    std::vector<QSGOpacityNode *> stars;
    PictureNode *shooting = nullptr;
};

} // namespace

Starfield::Starfield(QQuickItem *parent)
    : ArtworkItem(parent)
    , m_stars(makeStars(*QRandomGenerator::global()))
{
}

void Starfield::setBrightness(double brightness)
{
    if (brightness == m_brightness)
        return;
    m_brightness = brightness;
    emit brightnessChanged();
    update();
}

std::vector<StarPoint> Starfield::makeStars(QRandomGenerator &random, int count)
{
    std::vector<StarPoint> stars;
    stars.reserve(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        StarPoint star;
        star.x = random.generateDouble();
        star.y = random.generateDouble();
        star.r = 0.35 + random.generateDouble() * (1.3 - 0.35);
        star.phase = random.generateDouble() * 6.28;
        star.speed = 0.3 + random.generateDouble() * (1.5 - 0.3);
        stars.push_back(star);
    }
    return stars;
}

double Starfield::twinkle(const StarPoint &star, double t)
{
    return (std::sin(star.phase + t * star.speed) * 0.5 + 0.5) * 0.6 + 0.2;
}

double Starfield::starOpacity(const StarPoint &star, double t, double brightness)
{
    return std::clamp(brightness * twinkle(star, t) * 0.75, 0.0, 1.0);
}

std::optional<Starfield::ShootingStar> Starfield::shootingStar(double t, QSizeF size, double brightness)
{
    const double local = std::fmod(t, 9.0);
    if (!(local >= 0 && local < 1.2))
        return std::nullopt;
    const double seed = std::floor(t / 9.0);
    const double h = std::sin(seed * 12.9898) * 43758.5453;
    const double rnd = fract(h);
    const double startX = size.width() * (rnd * 0.7 + 0.15);
    const double p = local / 1.2;
    const double len = size.height() * 0.16;
    const double travel = len * p;
    const QPointF head(startX + travel * 0.25, size.height() * 0.05 + travel * 2.2);
    const QPointF tail(head.x() - 0.12 * len, head.y() - len);
    return ShootingStar{tail, head, (1 - p) * 0.85 * brightness};
}

void Starfield::paintShootingStar(QPainter &painter, const ShootingStar &star)
{
    QLinearGradient shade(star.tail, star.head);
    shade.setColorAt(0, withOpacity(Qt::white, 0));
    shade.setColorAt(1, withOpacity(Qt::white, star.headOpacity));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QBrush(shade), 1.3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(star.tail, star.head);
}

QSGNode *Starfield::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    const QSizeF canvas = size();
    if (canvas.isEmpty() || m_stars.empty()) {
        delete oldNode;
        return nullptr;
    }
    auto *root = static_cast<StarfieldNode *>(oldNode);
    const qreal dpr = devicePixelRatio();
    if (!root || canvas != m_layoutSize || dpr != m_layoutDpr) {
        // Each star gets its own cell of a sprite sheet, drawn at its exact sub-pixel
        // position, so a frame only changes the opacity of the star nodes: the software
        // renderer then repaints a few pixels around each star instead of the window.
        delete root;
        root = new StarfieldNode;
        m_layoutSize = canvas;
        m_layoutDpr = dpr;

        const int cell = int(std::ceil(2 * 1.3 * dpr)) + 3;
        const int columns = 16;
        const int rows = int((m_stars.size() + columns - 1) / columns);
        QImage sheet(columns * cell, rows * cell, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(Qt::transparent);
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);

        std::vector<std::pair<QRectF, QRectF>> places; // where in the item, where in the sheet
        for (size_t i = 0; i < m_stars.size(); ++i) {
            const StarPoint &star = m_stars[i];
            const QPointF center(canvas.width() * star.x * dpr, canvas.height() * star.y * dpr);
            const double radius = star.r * dpr;
            const QPoint origin(int(std::floor(center.x() - radius)) - 1, int(std::floor(center.y() - radius)) - 1);
            const QPoint sheetOrigin(int(i % columns) * cell, int(i / columns) * cell);
            painter.drawEllipse(center - QPointF(origin) + QPointF(sheetOrigin), radius, radius);
            places.emplace_back(QRectF(QPointF(origin) / dpr, QSizeF(cell, cell) / dpr), QRectF(QPointF(sheetOrigin), QSizeF(cell, cell)));
        }
        painter.end();

        QSGTexture *texture = window()->createTextureFromImage(sheet, QQuickWindow::TextureHasAlphaChannel);
        root->adoptTexture(texture);
        for (const auto &[rect, source] : places) {
            auto *opacity = new QSGOpacityNode;
            QSGImageNode *image = window()->createImageNode();
            image->setOwnsTexture(false);
            image->setFiltering(QSGTexture::Nearest);
            image->setTexture(texture);
            image->setRect(rect);
            image->setSourceRect(source);
            opacity->appendChildNode(image);
            root->appendChildNode(opacity);
            root->stars.push_back(opacity);
        }
    }

    const double t = frameTime();
    for (size_t i = 0; i < m_stars.size(); ++i) {
        // A star whose opacity has not moved by a colour step keeps its pixels: each star
        // changed costs the software renderer a repaint of its patch of the window.
        const double opacity = starOpacity(m_stars[i], t, m_brightness);
        if (std::abs(opacity - root->stars[i]->opacity()) >= opacityStep)
            root->stars[i]->setOpacity(opacity);
    }

    const auto shooting = shootingStar(t, canvas, m_brightness);
    if (shooting) {
        // Only the streak's own bounding box is drawn, with room for the line's width.
        const QRectF bounds = QRectF(shooting->tail, shooting->head).normalized().adjusted(-2, -2, 2, 2) & QRectF(QPointF(0, 0), canvas);
        const bool added = !root->shooting;
        if (added)
            root->shooting = new PictureNode(window());
        root->shooting->show(paintImage(bounds.size(), dpr,
                                        [&](QPainter &p) {
                                            p.translate(-bounds.topLeft());
                                            paintShootingStar(p, *shooting);
                                        }),
                             bounds);
        // Into the tree only once it has a picture: the renderer reads it straight away.
        if (added)
            root->appendChildNode(root->shooting);
    } else if (root->shooting) {
        root->removeChildNode(root->shooting);
        delete root->shooting;
        root->shooting = nullptr;
    }
    return root;
}
