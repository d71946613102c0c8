#include "frameclock.h"

#include "artworkitem.h"
#include "designlog.h"
#include "motion.h"

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

FrameClock::FrameClock(QQuickWindow *window)
    : QObject(window)
    , m_window(window)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FrameClock::tick);
    m_restTimer.setSingleShot(true);
    connect(&m_restTimer, &QTimer::timeout, this, &FrameClock::reconsider);
    m_sinceInput.start();
    connect(window, &QWindow::visibilityChanged, this, &FrameClock::reconsider);
    connect(window, &QWindow::visibleChanged, this, &FrameClock::reconsider);
    // Coming to the front counts as input: the drawings move again at once. A download
    // that ends, like one that starts, also gives them a full rest delay.
    auto restart = [this] {
        m_sinceInput.start();
        reconsider();
    };
    connect(window, &QWindow::activeChanged, this, restart);
    connect(Motion::instance(), &Motion::changed, this, restart);
    // Exposure has no signal of its own; the expose event tells us it may have changed.
    window->installEventFilter(this);
}

bool FrameClock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Expose:
        if (!m_reconsiderQueued) {
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
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::Enter:
    case QEvent::DragMove:
        noticeInput();
        break;
    default:
        break;
    }
    return false;
}

bool FrameClock::isWindowShowing() const
{
    return m_window->isVisible() && m_window->visibility() != QWindow::Minimized && m_window->isExposed();
}

bool FrameClock::isResting() const
{
    const Motion *motion = Motion::instance();
    if (motion->isReduced())
        return true;
    if (motion->isBusy())
        return false;
    return !m_window->isActive() || m_sinceInput.elapsed() >= motion->restDelay();
}

void FrameClock::noticeInput()
{
    m_sinceInput.start();
    // Input while moving only moves the rest further away; the timer catches up when it fires.
    if (!m_ticking)
        reconsider();
}

void FrameClock::scheduleRest()
{
    const Motion *motion = Motion::instance();
    if (!m_ticking || motion->isBusy() || !m_window->isActive()) {
        m_restTimer.stop();
        return;
    }
    m_restTimer.start(int(std::max<qint64>(motion->restDelay() - m_sinceInput.elapsed(), 0)) + 1);
}

namespace {

// The first multiple of `interval` after `time`, counting `time` a thousandth of an
// interval short of a multiple as on it. Drawings whose rates divide one another then fall
// due at the same moments and share frames, instead of each waking the window at its own
// phase.
double nextOnGrid(double time, double interval)
{
    return (std::floor(time / interval + 1e-3) + 1) * interval;
}

} // namespace

int FrameClock::sharedRate(int needed)
{
    for (const int rate : {1, 2, 3, 5, 6, 10, 15, 30})
        if (rate >= needed)
            return rate;
    return 60;
}

void FrameClock::attach(ArtworkItem *item, int framesPerSecond)
{
    const double interval = 1.0 / std::max(framesPerSecond, 1);
    auto found = std::find_if(m_subscribers.begin(), m_subscribers.end(), [item](const Subscriber &s) { return s.item == item; });
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
    return std::any_of(m_subscribers.begin(), m_subscribers.end(), [item](const Subscriber &s) { return s.item == item; });
}

void FrameClock::reconsider()
{
    const bool ticking = !m_subscribers.empty() && isWindowShowing() && !isResting();
    if (ticking != m_ticking) {
        m_ticking = ticking;
        qCDebug(lcDesign) << "frame clock of" << m_window << (ticking ? "starts" : "stops") << "with" << m_subscribers.size() << "drawings";
        if (ticking) {
            // The drawings may have rested for a long time: show the present at once.
            const double now = artworkTime();
            for (Subscriber &s : m_subscribers)
                s.nextDue = now;
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
    } else if (m_ticking) {
        // A drawing joined or changed its rate: it may now be due sooner.
        scheduleNextTick();
    }
    scheduleRest();
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
        s.nextDue = nextOnGrid(std::max(now, s.nextDue), s.interval);
        s.item->advance(now);
    }
    emit ticked(now);
    scheduleNextTick();
}

void FrameClock::scheduleNextTick()
{
    if (!m_ticking || m_subscribers.empty())
        return;
    double due = m_subscribers.front().nextDue;
    for (const Subscriber &s : m_subscribers)
        due = std::min(due, s.nextDue);
    // Whole milliseconds, rounded up, so that no drawing is ever redrawn above its cap.
    const double wait = (due - artworkTime()) * 1000.0;
    m_timer.start(std::max(0, int(std::ceil(wait - 1e-6))));
}
