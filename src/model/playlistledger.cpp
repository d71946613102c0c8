#include "playlistledger.h"

#include <algorithm>

void PlaylistLedger::named(std::optional<qint64> index)
{
    m_current = index;
    m_currentDelivered = false;
    if (index && !m_named.contains(*index))
        m_named.append(*index);
}

void PlaylistLedger::delivered()
{
    if (!m_current || m_currentDelivered)
        return;
    m_currentDelivered = true;
    if (!m_delivered.contains(*m_current))
        m_delivered.append(*m_current);
}

void PlaylistLedger::error(const QString &text)
{
    m_errors.append({m_current && !m_currentDelivered ? m_current : std::nullopt, m_current, text});
}

void PlaylistLedger::completeLastError(const QString &reason)
{
    if (!m_errors.isEmpty() && m_errors.last().text.isEmpty())
        m_errors.last().text = reason;
}

QList<PlaylistLedger::Failure> PlaylistLedger::failures(const QList<qint64> &planned) const
{
    QList<Failure> failed;
    const auto failedAlready = [&failed](qint64 index) {
        return std::any_of(failed.begin(), failed.end(), [index](const Failure &f) { return f.index == index; });
    };
    for (const Error &error : m_errors) {
        std::optional<qint64> entry = error.during;
        if (!entry) {
            // Entries come in the order planned: the first after the last one named that
            // has not arrived, been named or failed yet.
            qsizetype from = 0;
            if (error.after) {
                const qsizetype at = planned.indexOf(*error.after);
                from = at < 0 ? planned.size() : at + 1;
            }
            for (qsizetype i = from; i < planned.size(); ++i) {
                const qint64 candidate = planned[i];
                if (!m_delivered.contains(candidate) && !m_named.contains(candidate) && !failedAlready(candidate)) {
                    entry = candidate;
                    break;
                }
            }
        }
        if (entry && !m_delivered.contains(*entry) && !failedAlready(*entry))
            failed.append({*entry, error.text});
    }
    std::sort(failed.begin(), failed.end(), [](const Failure &a, const Failure &b) { return a.index < b.index; });
    return failed;
}
