#include "vireloomerror.h"

VireloomError::VireloomError(const QString &text)
    : m_text(text)
    , m_utf8(text.toUtf8())
{
}
