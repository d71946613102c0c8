#pragma once

#include "artworkitem.h"

#include <QColor>
#include <QPolygonF>

// The living line under the input card: three layered waves with a glowing ribbon and
// dots that travel along it, calm while idle and swelling while downloads run.
class SignalLine : public ArtworkItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(int dots READ dots WRITE setDots NOTIFY dotsChanged)

public:
    struct Style
    {
        bool active = true;
        QColor color;
        int dots = 7;
    };

    explicit SignalLine(QQuickItem *parent = nullptr);

    bool isActive() const { return m_style.active; }
    void setActive(bool active);
    QColor color() const { return m_style.color; }
    void setColor(const QColor &color);
    int dots() const { return m_style.dots; }
    void setDots(int dots);

    // Height of layer `layer` of the wave at x (0…1 across the width); both ends sit on `mid`.
    static double y(double x, double t, double mid, double amp, int layer);
    // The same wave at one time t, for evaluating many points of it.
    class Wave
    {
    public:
        explicit Wave(double t);
        double y(double x, double mid, double amp, int layer) const;

    private:
        double m_a, m_b, m_c;
    };
    // The wave as a polyline, one segment per 2.5 points of width and at least two.
    static QPolygonF wavePath(QSizeF size, double t, double mid, double amp, int layer);
    // The wave's amplitude for a canvas height: it breathes slowly around its base size.
    static double amplitude(double height, double t, bool active);
    // Speed factor of dot j, between 0.4 and 1.2, fixed for each dot.
    static double dotSpeed(int j);
    // Where dot j of `count` is at time t, as a fraction of the width.
    static double dotPosition(int j, int count, double t, bool active);
    // The frame at time t. It covers the strip and `overflow` points above and below it,
    // or, given `where`, only the rows that frame draws on, and `where` receives the
    // rectangle it covers.
    static QImage render(QSizeF size, double t, const Style &style, double dpr, QRectF *where = nullptr);
    // How far the glow (three deviations of its blur) and the dots' halos reach above
    // and below the line's own strip.
    static constexpr double overflow = 21;

signals:
    void activeChanged();
    void colorChanged();
    void dotsChanged();

protected:
    int framesPerSecond() const override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    Style m_style;
};
