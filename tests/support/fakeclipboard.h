#pragma once

#include "intake/clipboard.h"

// A clipboard the test fills: every copy counts as a change, as on the desktop.
class FakeClipboard : public Clipboard
{
public:
    qint64 changeCount() const override { return m_count; }
    std::optional<QString> text() const override
    {
        ++reads;
        return m_text;
    }
    void copy(const std::optional<QString> &text)
    {
        m_text = text;
        ++m_count;
    }

    mutable int reads = 0;

private:
    qint64 m_count = 0;
    std::optional<QString> m_text;
};
