#include "motion.h"

#include "desktopmotionpreference.h"

#include <QQmlEngine>

Motion *Motion::instance()
{
    static Motion *const motion = new Motion;
    return motion;
}

Motion *Motion::create(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(instance(), QQmlEngine::CppOwnership);
    return instance();
}

void Motion::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit changed();
}

void Motion::setReduced(bool reduced)
{
    if (reduced == m_reduced)
        return;
    m_reduced = reduced;
    emit changed();
}

void Motion::setRestDelay(int milliseconds)
{
    if (milliseconds == m_restDelay)
        return;
    m_restDelay = milliseconds;
    emit changed();
}

void Motion::followDesktop()
{
    if (m_desktop)
        return;
    m_desktop = new DesktopMotionPreference(this);
    connect(m_desktop, &DesktopMotionPreference::changed, this, [this] { setReduced(m_desktop->isReduced()); });
    m_desktop->start();
}
