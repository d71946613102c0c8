#include "systemclipboard.h"

#include <QClipboard>
#include <QHashFunctions>
#include <QMimeData>

SystemClipboard::SystemClipboard(QClipboard *clipboard, QObject *parent)
    : QObject(parent)
    , m_clipboard(clipboard)
    , m_lastFingerprint(fingerprint())
{
    connect(m_clipboard, &QClipboard::dataChanged, this, [this] {
        ++m_changes;
        m_lastFingerprint = fingerprint();
    });
}

std::optional<QString> SystemClipboard::text() const
{
    // Asked for text alone: asking which formats it holds would load every image plugin,
    // since the desktop's clipboard offers images converted to any of them.
    const QMimeData *data = m_clipboard->mimeData(QClipboard::Clipboard);
    QString text = data ? data->text() : QString();
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

void SystemClipboard::noticeActivation()
{
    const size_t now = fingerprint();
    if (now == m_lastFingerprint)
        return;
    m_lastFingerprint = now;
    ++m_changes;
}

size_t SystemClipboard::fingerprint() const
{
    const auto content = text();
    return content ? qHash(*content, 1) : 0;
}
