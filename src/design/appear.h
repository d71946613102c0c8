#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QTimer>
#include <QVariantAnimation>
#include <QtQml/qqmlregistration.h>

class AppearShift;

// The entrance of a card: the item waits `delay` seconds after it is first shown, then
// fades in while sliding up 12 points into place, easing out over half a second. It
// plays once for the item's lifetime; a newly created item plays it again.
//
// Appear drives the item's opacity, so it belongs on items that do not set their own.
class AppearAttached : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double delay READ delay WRITE setDelay NOTIFY delayChanged)
    Q_PROPERTY(bool on READ isOn NOTIFY onChanged)

public:
    explicit AppearAttached(QObject *target);

    double delay() const { return m_delay; }
    void setDelay(double seconds);
    bool isOn() const { return m_on; }

    static constexpr double offset = 12;
    static constexpr int durationMs = 500;

signals:
    void delayChanged();
    void onChanged();

private:
    void considerStart();
    void apply(double progress);

    QPointer<QQuickItem> m_item;
    AppearShift *m_shift = nullptr;
    QTimer m_wait;
    QVariantAnimation m_animation;
    double m_delay = 0;
    bool m_on = false;
    bool m_waiting = false;
};

class Appear : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Appear is an attached property: Appear.delay: 0.1")
    QML_ATTACHED(AppearAttached)

public:
    static AppearAttached *qmlAttachedProperties(QObject *object);
};

// The design's ease-out: a cubic Bézier with control points (0, 0) and (0.58, 1), fast at
// first and settling gently. QML animations use the same curve through Easing.Bezier.
QEasingCurve easeOutCurve();
