#pragma once

#include "starfield.h"

#include <QQuickItem>

// The window's background: the dark fill, a violet glow from the top middle and the
// star field over them. It fills whatever it is given, usually the whole window.
class AppBackground : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    // Passed on to the star field; see ArtworkItem::running.
    Q_PROPERTY(bool running READ isRunning WRITE setRunning NOTIFY runningChanged)
    Q_PROPERTY(Starfield *starfield READ starfield CONSTANT)

public:
    explicit AppBackground(QQuickItem *parent = nullptr);

    bool isRunning() const;
    void setRunning(bool running);
    Starfield *starfield() const { return m_starfield; }

    static constexpr double glowRadius = 620;
    // The background as it shows at a point (in points from the top-left corner) of a
    // window `width` wide, without the stars.
    static QColor colorAt(QPointF point, double width);
    // The part of a window of `size` that the glow reaches, drawn opaque over the fill.
    static QRectF glowRect(QSizeF size);
    // The glow's pixels over glowRect(). Wherever the pixels sit evenly about the centre the
    // right half mirrors the left, and the picture holds only the columns up to the middle
    // one; elsewhere it holds them all.
    static QImage renderGlow(QSizeF size, qreal dpr);

signals:
    void runningChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    Starfield *m_starfield;
    // The glow takes a few milliseconds to draw and the first frame does without it: it
    // is drawn for the frame after.
    bool m_glowDue = false;
    QRectF m_glowKey;
    qreal m_glowDpr = 0;
};
