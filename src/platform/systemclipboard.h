#pragma once

#include "intake/clipboard.h"

#include <QObject>

class QClipboard;

// The desktop's clipboard. Its change count grows with every change Qt reports, and also
// when the text differs from the last one seen as the application becomes active: on
// Wayland an unfocused window hears of no change at all.
class SystemClipboard : public QObject, public Clipboard
{
    Q_OBJECT

public:
    explicit SystemClipboard(QClipboard *clipboard, QObject *parent = nullptr);

    qint64 changeCount() const override { return m_changes; }
    std::optional<QString> text() const override;

    // Call when the application becomes active, before looking at the clipboard.
    void noticeActivation();

private:
    size_t fingerprint() const;

    QClipboard *m_clipboard;
    qint64 m_changes = 0;
    size_t m_lastFingerprint = 0;
};
