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

    // The opacity factor for a density: nothing at 0.01 or less, never more than 1.
    static double effectiveDensity(double density);
    // The reference length that blob sizes and the blur are fractions of.
    static double referenceLength(QSizeF size);
    // The ellipse blob i fills at time t.
    static QRectF blobEllipse(int i, double t, QSizeF size);
    // The blurred drawing at `pixelsPerPoint` (a null image when nothing is drawn).
    static QImage render(QSizeF size, double t, double density, double pixelsPerPoint);
    static void draw(QPainter &painter, QSizeF size, double t, double density);

signals:
    void densityChanged();

protected:
    int framesPerSecond() const override { return 24; }
    bool isAnimated() const override { return effectiveDensity(m_density) > 0; }
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    double m_density = 1;
};
