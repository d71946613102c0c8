#include "frameclock.h"

#include "artworkitem.h"
#include "designlog.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>

double artworkTime()
{
    static const double start = [] {
        const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
        return double(reference.msecsTo(QDateTime::currentDateTimeUtc())) / 1000.0;
    }();
    static const QElapsedTimer elapsed = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return start + double(elapsed.nsecsElapsed()) / 1e9;
}

FrameClock *FrameClock::forWindow(QQuickWindow *window)
{
    if (!window)
        return nullptr;
    if (auto *clock = window->findChild<FrameClock *>(QString(), Qt::FindDirectChildrenOnly))
        return clock;
    return new FrameClock(window);
}

FrameClock::FrameClock(QQuickWindow *window) : QObject(window), m_window(window)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FrameClock::tick);
    connect(window, &QWindow::visibilityChanged, this, &FrameClock::reconsider);
    connect(window, &QWindow::visibleChanged, this, &FrameClock::reconsider);
    // Exposure has no signal of its own; the expose event tells us it may have changed.
    window->installEventFilter(this);
}

bool FrameClock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Expose && !m_reconsiderQueued) {
        // Looked at once the window has handled the event, so isExposed() is current.
        m_reconsiderQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_reconsiderQueued = false;
                reconsider();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

bool FrameClock::isWindowShowing() const
{
    return m_window->isVisible() && m_window->visibility() != QWindow::Minimized && m_window->isExposed();
}

void FrameClock::attach(ArtworkItem *item, int framesPerSecond)
{
    const double interval = 1.0 / std::max(framesPerSecond, 1);
    auto found = std::find_if(m_subscribers.begin(), m_subscribers.end(),
                              [item](const Subscriber &s) { return s.item == item; });
    if (found != m_subscribers.end()) {
        found->interval = interval;
    } else {
        m_subscribers.push_back({item, interval, artworkTime()});
        connect(item, &QObject::destroyed, this, [this, item] { detach(item); });
    }
    reconsider();
}

void FrameClock::detach(ArtworkItem *item)
{
    std::erase_if(m_subscribers, [item](const Subscriber &s) { return s.item == item || !s.item; });
    disconnect(item, &QObject::destroyed, this, nullptr);
    reconsider();
}

bool FrameClock::isAttached(const ArtworkItem *item) const
{
    return std::any_of(m_subscribers.begin(), m_subscribers.end(),
                       [item](const Subscriber &s) { return s.item == item; });
}

void FrameClock::reconsider()
{
    double shortest = 1.0;
    for (const Subscriber &s : m_subscribers)
        shortest = std::min(shortest, s.interval);
    // Whole milliseconds, rounded up, so that no drawing is ever redrawn above its cap.
    m_timer.setInterval(int(std::ceil(shortest * 1000.0 - 1e-6)));

    const bool ticking = !m_subscribers.empty() && isWindowShowing();
    if (ticking == m_ticking)
        return;
    m_ticking = ticking;
    qCDebug(lcDesign) << "frame clock of" << m_window << (ticking ? "starts" : "stops") << "with"
                      << m_subscribers.size() << "drawings";
    if (ticking) {
        // The drawings may have rested for a long time: show the present at once.
        const double now = artworkTime();
        for (Subscriber &s : m_subscribers)
            s.nextDue = now;
        m_timer.start();
        tick();
    } else {
        m_timer.stop();
    }
    emit tickingChanged(ticking);
    const auto subscribers = m_subscribers;
    for (const Subscriber &s : subscribers) {
        if (s.item)
            s.item->clockStateChanged();
    }
}

void FrameClock::tick()
{
    const double now = artworkTime();
    // Half a millisecond of slack absorbs timer jitter without exceeding a rate on average.
    constexpr double slack = 0.0005;
    // Advancing a drawing only schedules its repaint, so the list cannot change meanwhile.
    for (Subscriber &s : m_subscribers) {
        if (!s.item || now + slack < s.nextDue)
            continue;
        s.nextDue += s.interval;
        if (s.nextDue < now)
            s.nextDue = now + s.interval;
        s.item->advance(now);
    }
    emit ticked(now);
}
