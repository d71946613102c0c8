#include "appear.h"

#include "designlog.h"

#include <QQuickWindow>

class AppearShift : public QQuickTransform
{
public:
    using QQuickTransform::QQuickTransform;

    void setDy(double dy)
    {
        if (dy == m_dy)
            return;
        m_dy = dy;
        update();
    }

    void applyTo(QMatrix4x4 *matrix) const override { matrix->translate(0, float(m_dy)); }

private:
    double m_dy = 0;
};

QEasingCurve easeOutCurve()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

AppearAttached::AppearAttached(QObject *target)
    : QObject(target)
    , m_item(qobject_cast<QQuickItem *>(target))
{
    if (!m_item) {
        qCWarning(lcDesign) << "Appear works on visual items only, not on" << target;
        return;
    }
    m_shift = new AppearShift(this);
    m_shift->appendToItem(m_item);
    apply(0);

    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, [this] {
        m_on = true;
        emit onChanged();
        m_animation.start();
    });
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setDuration(durationMs);
    m_animation.setEasingCurve(easeOutCurve());
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &v) { apply(v.toDouble()); });

    connect(m_item, &QQuickItem::windowChanged, this, &AppearAttached::considerStart);
    connect(m_item, &QQuickItem::visibleChanged, this, &AppearAttached::considerStart);
    // The delay is assigned right after this object is made, and the item is placed in
    // its window later still: look once the current creation has finished.
    QMetaObject::invokeMethod(this, &AppearAttached::considerStart, Qt::QueuedConnection);
}

void AppearAttached::setDelay(double seconds)
{
    if (seconds == m_delay)
        return;
    m_delay = seconds;
    emit delayChanged();
}

void AppearAttached::considerStart()
{
    if (!m_item || m_on || m_waiting)
        return;
    QQuickWindow *window = m_item->window();
    if (!window || !m_item->isVisible())
        return;
    if (!window->isVisible()) {
        connect(window, &QWindow::visibleChanged, this, &AppearAttached::considerStart, Qt::UniqueConnection);
        return;
    }
    m_waiting = true;
    m_wait.start(int(std::max(m_delay, 0.0) * 1000));
}

void AppearAttached::apply(double progress)
{
    if (!m_item)
        return;
    m_item->setOpacity(progress);
    m_shift->setDy((1 - progress) * offset);
}

AppearAttached *Appear::qmlAttachedProperties(QObject *object)
{
    return new AppearAttached(object);
}
