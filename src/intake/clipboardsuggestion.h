#pragma once

#include <QSet>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class Clipboard;

// Decides which copied link to offer: at most once per clipboard change, and never a
// link that was already added, ignored or is in the download list.
class ClipboardSuggestion
{
public:
    const std::optional<QString> &offer() const { return m_offer; }

    // Looks at the clipboard if it changed since the last look. Returns whether the
    // offer changed.
    bool check(const Clipboard &clipboard, const std::function<bool(const QString &)> &isListed);
    // The user ignored the offer; it is never made again in this run.
    bool dismiss();
    // A link was added to the download list by any path.
    bool noteAdded(const QString &link);

private:
    bool setOffer(const std::optional<QString> &offer);

    std::optional<QString> m_offer;
    qint64 m_lastChange = -1;
    QSet<QString> m_seen;
};
