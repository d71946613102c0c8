#pragma once

#include "artworkitem.h"

#include <QPainterPath>

#include <vector>

// The logo mark: a four-pointed star that falls as a drop into a ring. Still, it shows
// one star at 62 % of its fall; animated, a new drop falls every `period` seconds and
// flashes on the ring as it lands.
class DropMark : public ArtworkItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double size READ markSize WRITE setMarkSize NOTIFY sizeChanged)
    Q_PROPERTY(bool animated READ isAnimatedMark WRITE setAnimated NOTIFY animatedChanged)
    Q_PROPERTY(bool mono READ isMono WRITE setMono NOTIFY monoChanged)
    Q_PROPERTY(double period READ period WRITE setPeriod NOTIFY periodChanged)

public:
    struct Drop
    {
        double y;
        double alpha;
        double scale;
        double speed;
        double landing;
    };

    struct Style
    {
        bool animated = false;
        bool mono = false;
        double period = 2.4;
    };

    explicit DropMark(QQuickItem *parent = nullptr);

    // The mark's side; named apart from QQuickItem::size(), which is the item's geometry.
    double markSize() const { return m_size; }
    void setMarkSize(double size);
    bool isAnimatedMark() const { return m_style.animated; }
    void setAnimated(bool animated);
    bool isMono() const { return m_style.mono; }
    void setMono(bool mono);
    double period() const { return m_style.period; }
    void setPeriod(double period);

    static double smooth(double x);
    static double fall(double x);
    static double fallSpeed(double x);
    static QPainterPath star(QPointF center, double s);
    static std::vector<Drop> drops(const Style &style, double t, double top, double bottom);
    static void draw(QPainter &painter, QSizeF size, double t, const Style &style);
    // Frames a second that move a falling star of a mark `height` pixels tall by at most a
    // pixel a frame, but never fewer than 24 so the landing flash stays fluid.
    static int framesPerSecondFor(double height, double period);

signals:
    void sizeChanged();
    void animatedChanged();
    void monoChanged();
    void periodChanged();

protected:
    int framesPerSecond() const override;
    bool isAnimated() const override { return m_style.animated; }
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    double m_size = 30;
    Style m_style;
};
