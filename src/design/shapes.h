#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>

// A picture that depends only on the item's size and properties: drawn once, and again
// only when one of them changes.
class StillPictureItem : public QQuickItem
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    explicit StillPictureItem(QQuickItem *parent = nullptr);

protected:
    // One picture of the item and where it goes in item coordinates (it may reach past
    // the item).
    struct Piece
    {
        QImage image;
        QRectF rect;
    };
    // The picture and where it goes.
    virtual QImage renderPicture(qreal dpr, QRectF *where) const = 0;
    // The pictures the item is shown with: the one picture, unless an item keeps less in
    // memory by leaving out what is clear.
    virtual QList<Piece> renderPieces(qreal dpr) const;
    void invalidatePicture();

    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

    // Set when the picture must be drawn again; cleared by the item that draws it.
    bool m_stale = true;
};

// A soft shadow of a rounded rectangle the size of the item, spreading past its edges.
// Put it behind the shape it belongs to; move it to offset the shadow.
class SoftShadow : public StillPictureItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double radius READ radius WRITE setRadius NOTIFY radiusChanged)
    // How far the shadow spreads, as a shadow radius: a Gaussian of half that deviation.
    Q_PROPERTY(double blur READ blur WRITE setBlur NOTIFY blurChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit SoftShadow(QQuickItem *parent = nullptr);

    double radius() const { return m_radius; }
    void setRadius(double radius);
    double blur() const { return m_blur; }
    void setBlur(double blur);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    static QImage render(QSizeF shape, double radius, double blur, const QColor &color, qreal dpr, QRectF *where);

signals:
    void radiusChanged();
    void blurChanged();
    void colorChanged();

protected:
    QImage renderPicture(qreal dpr, QRectF *where) const override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    // The shape actually drawn and blurred: along each axis, a long straight side adds
    // nothing but more of the same middle, so it is drawn short and its middle stretched.
    QSizeF drawnShape() const;

    double m_radius = 0;
    double m_blur = 0;
    QColor m_color = Qt::black;
    // What the current picture was drawn for; touched only while the scene graph syncs.
    QSizeF m_drawnShape;
    qreal m_drawnDpr = 0;
};

// A 1-point outline of a rounded rectangle whose colour runs from `topColor` at the top
// to `bottomColor` at the bottom, drawn on the item's edge.
class GradientOutline : public StillPictureItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(QColor topColor READ topColor WRITE setTopColor NOTIFY topColorChanged)
    Q_PROPERTY(QColor bottomColor READ bottomColor WRITE setBottomColor NOTIFY bottomColorChanged)

public:
    explicit GradientOutline(QQuickItem *parent = nullptr);

    double radius() const { return m_radius; }
    void setRadius(double radius);
    QColor topColor() const { return m_top; }
    void setTopColor(const QColor &color);
    QColor bottomColor() const { return m_bottom; }
    void setBottomColor(const QColor &color);

    // The outline of a rounded rectangle of `size`, shaded from `top` to `bottom`, or the
    // part of it that falls in `part` (item coordinates) when one is given.
    static QImage render(QSizeF size, double radius, const QColor &top, const QColor &bottom, qreal dpr, const QRectF &part = {});
    // The bands an outline is shown in: across the top and the bottom, each holding its
    // corners, and down the two sides between them. What they leave out (the inside) is clear.
    static QList<QRectF> bands(QSizeF size, double radius);

signals:
    void radiusChanged();
    void topColorChanged();
    void bottomColorChanged();

protected:
    QImage renderPicture(qreal dpr, QRectF *where) const override;
    QList<Piece> renderPieces(qreal dpr) const override;

private:
    double m_radius = 0;
    QColor m_top;
    QColor m_bottom;
};
