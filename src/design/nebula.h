#pragma once

#include "artworkitem.h"

#include <QColor>
#include <QImage>

#include <array>

// Slowly drifting, heavily blurred coloured clouds behind the input card; `density`
// (0…1) sets how strongly they show.
class Nebula : public ArtworkItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double density READ density WRITE setDensity NOTIFY densityChanged)
    // Corner radius of the rounded rectangle the clouds are clipped to; 0 clips to the
    // plain rectangle of the item.
    Q_PROPERTY(double radius READ radius WRITE setRadius NOTIFY radiusChanged)

public:
    struct Blob
    {
        double x;
        double y;
        double r;
        QColor color;
    };
    static const std::array<Blob, 5> blobs;

    explicit Nebula(QQuickItem *parent = nullptr);

    double density() const { return m_density; }
    void setDensity(double density);
    double radius() const { return m_radius; }
    void setRadius(double radius);

    // The opacity factor for a density: nothing at 0.01 or less, never more than 1.
    static double effectiveDensity(double density);
    // The reference length that blob sizes and the blur are fractions of.
    static double referenceLength(QSizeF size);
    // The ellipse blob i fills at time t.
    static QRectF blobEllipse(int i, double t, QSizeF size);
    // How often the drawing needs redrawing, at most 24 times a second: as soon as the
    // drifting clouds could have changed any pixel by half a colour step, and no sooner.
    static int framesPerSecondFor(QSizeF size, double density, double pixelsPerPoint);
    // The blurred drawing at `pixelsPerPoint` (a null image when nothing is drawn).
    static QImage render(QSizeF size, double t, double density, double pixelsPerPoint, double radius = 0);
    static void draw(QPainter &painter, QSizeF size, double t, double density, double radius = 0);

signals:
    void densityChanged();
    void radiusChanged();

protected:
    int framesPerSecond() const override;
    bool isAnimated() const override { return effectiveDensity(m_density) > 0; }
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    double m_density = 1;
    double m_radius = 0;
};
