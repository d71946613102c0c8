#pragma once

#include "artworkitem.h"

// The indeterminate bar shown while metadata is read: a light sweeps across a faint
// capsule once every 1.667 seconds.
class ShimmerBar : public ArtworkItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ShimmerBar(QQuickItem *parent = nullptr);

    // The highlight's rectangle at time t in a bar of `size`; it starts beyond the left
    // edge and ends beyond the right one, or the other way round when `mirrored`.
    static QRectF highlightRect(QSizeF size, double t, bool mirrored = false);
    static void draw(QPainter &painter, QSizeF size, double t, bool mirrored = false);

protected:
    int framesPerSecond() const override { return 30; }
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;
};
