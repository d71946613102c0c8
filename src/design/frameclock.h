#pragma once

#include <QElapsedTimer>
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

// The one clock that drives every animated drawing of a window. Each drawing asks for a
// maximum rate; the clock sleeps until the earliest drawing is due and redraws only the
// drawings that are due then, so drawings share frames and the window wakes no more
// often than its fastest drawing needs. The clock stands still while its window is
// hidden, minimised or not exposed, whenever no drawing wants frames, and whenever
// Motion says the drawings should rest: then they keep their last frame.
class FrameClock : public QObject
{
    Q_OBJECT

public:
    // The clock of `window`, created on first use and owned by the window.
    static FrameClock *forWindow(QQuickWindow *window);

    void attach(ArtworkItem *item, int framesPerSecond);
    // The smallest rate of at least `needed` frames a second that divides 30 (or 60):
    // drawings at such rates share the frames of the fastest one.
    static int sharedRate(int needed);
    void detach(ArtworkItem *item);
    bool isAttached(const ArtworkItem *item) const;

    bool isTicking() const { return m_ticking; }
    // Whether the window can be seen at all: shown, not minimised, and exposed.
    bool isWindowShowing() const;
    // Whether the drawings rest on a still frame although the window shows.
    bool isResting() const;

signals:
    void tickingChanged(bool ticking);
    void ticked(double time);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FrameClock(QQuickWindow *window);

    void reconsider();
    void tick();
    void scheduleNextTick();
    void noticeInput();
    void scheduleRest();

    struct Subscriber
    {
        QPointer<ArtworkItem> item;
        double interval;
        double nextDue;
    };

    QQuickWindow *m_window;
    QTimer m_timer;
    // Fires when the window has gone restDelay without input.
    QTimer m_restTimer;
    QElapsedTimer m_sinceInput;
    std::vector<Subscriber> m_subscribers;
    bool m_ticking = false;
    bool m_reconsiderQueued = false;
};
