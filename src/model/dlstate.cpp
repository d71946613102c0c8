#include "dlstate.h"

#include <array>

DLState DLState::failure(const QString &message)
{
    DLState state(failed);
    state.m_message = message;
    return state;
}

QString DLState::name() const
{
    static constexpr std::array<QLatin1StringView, 7> names{
        QLatin1StringView("fetching"), QLatin1StringView("queued"), QLatin1StringView("downloading"),
        QLatin1StringView("processing"), QLatin1StringView("done"), QLatin1StringView("failed"),
        QLatin1StringView("cancelled"),
    };
    return names[static_cast<size_t>(m_kind)];
}
