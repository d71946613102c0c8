#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

class ArtworkItem;
class QQuickWindow;

// Seconds since 2001-01-01 00:00 UTC, the reference date the design's timelines count
// from. It is read from the wall clock once and then advances with the monotonic clock,
// so that a change of system time never makes an animation jump backwards.
double artworkTime();

// The one timer that drives every animated drawing of a window. Each drawing asks for
// a maximum rate; the clock ticks at the fastest rate asked for and redraws each drawing
// only when its own interval has passed, so drawings share frames instead of each
// waking the window on its own. The clock stands still while its window is hidden,
// minimised or not exposed, and whenever no drawing wants frames.
class FrameClock : public QObject
{
    Q_OBJECT

public:
    // The clock of `window`, created on first use and owned by the window.
    static FrameClock *forWindow(QQuickWindow *window);

    void attach(ArtworkItem *item, int framesPerSecond);
    void detach(ArtworkItem *item);
    bool isAttached(const ArtworkItem *item) const;

    bool isTicking() const { return m_ticking; }
    // Whether the window can be seen at all: shown, not minimised, and exposed.
    bool isWindowShowing() const;
    // The timer interval while ticking, in milliseconds.
    int tickInterval() const { return m_timer.interval(); }

signals:
    void tickingChanged(bool ticking);
    void ticked(double time);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FrameClock(QQuickWindow *window);

    void reconsider();
    void tick();

    struct Subscriber
    {
        QPointer<ArtworkItem> item;
        double interval;
        double nextDue;
    };

    QQuickWindow *m_window;
    QTimer m_timer;
    std::vector<Subscriber> m_subscribers;
    bool m_ticking = false;
    bool m_reconsiderQueued = false;
};
