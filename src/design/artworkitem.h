#pragma once

#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QSGNode>

#include <functional>
#include <memory>

class FrameClock;
class QSGImageNode;
class QSGTexture;

// A procedural drawing redrawn from the current time by its window's FrameClock. It
// asks for frames only while it is visible in a window, has a size, is `running` and
// animates at all; it rests on its last frame otherwise.
class ArtworkItem : public QQuickItem
{
    Q_OBJECT
    QML_ANONYMOUS
    // False lets the drawing rest on its current frame, for example while the window is
    // in the background and nothing is downloading.
    Q_PROPERTY(bool running READ isRunning WRITE setRunning NOTIFY runningChanged)
    // Whether the clock is currently redrawing this drawing.
    Q_PROPERTY(bool ticking READ isTicking NOTIFY tickingChanged)
    // Drawn as in a mirror, for a window laid out from right to left. Only drawings that
    // move or fill along the line of reading heed it.
    Q_PROPERTY(bool mirrored READ isMirrored WRITE setMirrored NOTIFY mirroredChanged)

public:
    explicit ArtworkItem(QQuickItem *parent = nullptr);
    ~ArtworkItem() override;

    bool isRunning() const { return m_running; }
    void setRunning(bool running);
    bool isTicking() const;
    bool isMirrored() const { return m_mirrored; }
    void setMirrored(bool mirrored);

signals:
    void runningChanged();
    void tickingChanged();
    void mirroredChanged();

protected:
    // The drawing's cap on redraws per second.
    virtual int framesPerSecond() const = 0;
    // Whether the drawing changes with time at all.
    virtual bool isAnimated() const { return true; }
    // The time of the frame to draw, in seconds since the reference date.
    double frameTime() const { return m_time; }
    // Subclasses call this when isAnimated() or framesPerSecond() may have changed.
    void animationChanged();

    void itemChange(ItemChange change, const ItemChangeData &value) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

    qreal devicePixelRatio() const;

private:
    friend class FrameClock;
    void advance(double time);
    void clockStateChanged();
    void resubscribe();

    QPointer<FrameClock> m_clock;
    double m_time;
    bool m_running = true;
    bool m_mirrored = false;
    bool m_ticking = false;
};

// A transparent premultiplied image of `size` logical pixels at `dpr`, painted by `paint`
// with antialiasing in logical coordinates.
QImage paintImage(QSizeF size, qreal dpr, const std::function<void(QPainter &)> &paint);

// A node that owns a texture, for the image nodes below it. Image nodes differ between
// scene-graph backends in whether they free a texture they own when it is replaced; this
// node frees it the same way everywhere, after the nodes that show it are gone.
class TextureOwnerNode : public QSGNode
{
public:
    TextureOwnerNode() = default;
    ~TextureOwnerNode() override;

    QSGTexture *texture() const { return m_texture.get(); }
    // Takes `texture`; the previous one is freed, so point the image nodes at the new one first.
    void adoptTexture(QSGTexture *texture);

private:
    std::unique_ptr<QSGTexture> m_texture;
};

// A node showing one picture over a rectangle, linearly filtered.
class PictureNode : public TextureOwnerNode
{
public:
    enum Transparency { Translucent, Opaque };

    explicit PictureNode(QQuickWindow *window);
    // The node an item returned last time, or a new one for its first picture.
    static PictureNode *reuse(QSGNode *oldNode, QQuickWindow *window);

    void show(const QImage &image, const QRectF &rect, Transparency transparency = Translucent);
    // Moves the picture without drawing it again.
    void setRect(const QRectF &rect);

private:
    QQuickWindow *m_window;
    QSGImageNode *m_image;
};
