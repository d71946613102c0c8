#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The system clipboard as the clipboard suggestion needs it. The application provides
// the real one; tests provide their own.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Grows whenever the clipboard's content changes; never -1.
    virtual qint64 changeCount() const = 0;
    // The plain-text content, absent when the clipboard holds no text.
    virtual std::optional<QString> text() const = 0;
};
