#include "dlstate.h"

#include <QMetaEnum>

DLState DLState::failure(const QString &message)
{
    DLState state(failed);
    state.m_message = message;
    return state;
}

QString DLState::name() const
{
    return QString::fromLatin1(QMetaEnum::fromType<Kind>().valueToKey(m_kind));
}
