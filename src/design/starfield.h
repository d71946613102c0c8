#pragma once

#include "artworkitem.h"

#include <QRandomGenerator>

#include <optional>
#include <vector>

struct StarPoint
{
    double x; // fraction of the width
    double y; // fraction of the height
    double r; // radius in points
    double phase; // radians
    double speed; // radians per second
};

// Twinkling stars with an occasional shooting star. The stars are placed once, when the
// drawing is created, and keep their places for its lifetime.
class Starfield : public ArtworkItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double brightness READ brightness WRITE setBrightness NOTIFY brightnessChanged)

public:
    struct ShootingStar
    {
        QPointF tail;
        QPointF head;
        double headOpacity;
    };

    explicit Starfield(QQuickItem *parent = nullptr);

    double brightness() const { return m_brightness; }
    void setBrightness(double brightness);
    const std::vector<StarPoint> &stars() const { return m_stars; }

    static std::vector<StarPoint> makeStars(QRandomGenerator &random, int count = 150);
    // 0.2…0.8: how brightly a star shows at time t.
    static double twinkle(const StarPoint &star, double t);
    static double starOpacity(const StarPoint &star, double t, double brightness);
    // The shooting star of the current 9-second cycle, during its first 1.2 seconds.
    static std::optional<ShootingStar> shootingStar(double t, QSizeF size, double brightness);
    static void paintShootingStar(QPainter &painter, const ShootingStar &star);

signals:
    void brightnessChanged();

protected:
    // The signal line's rate, so that the stars twinkle in the frames it draws anyway.
    int framesPerSecond() const override { return 30; }
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    double m_brightness = 1;
    std::vector<StarPoint> m_stars;
    // What the star nodes were laid out for; touched only while the scene graph syncs.
    QSizeF m_layoutSize;
    qreal m_layoutDpr = 0;
};
