#include "notice.h"

#include <algorithm>

Notice::Notice(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Notice::dismiss);
}

int Notice::durationFor(const QString &text)
{
    return std::clamp(4000 + 60 * int(text.size()), 5000, 12000);
}

void Notice::show(const QString &text)
{
    if (text.isEmpty())
        return;
    if (m_shown && text != m_text) {
        // Hidden for a moment, so a screen reader announces the new text as it appears.
        m_shown = false;
        emit changed();
    }
    m_text = text;
    m_shown = true;
    emit changed();
    if (!m_held)
        m_timer.start(durationFor(text));
}

void Notice::dismiss()
{
    m_timer.stop();
    m_held = false;
    if (!m_shown)
        return;
    m_shown = false;
    emit changed();
}

void Notice::hold(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    if (held)
        m_timer.stop();
    else if (m_shown)
        m_timer.start(durationFor(m_text));
}
