#include "clipboardsuggestion.h"

#include "intake/clipboard.h"
#include "intake/linkextraction.h"

bool ClipboardSuggestion::check(const Clipboard &clipboard, const std::function<bool(const QString &)> &isListed)
{
    const qint64 change = clipboard.changeCount();
    if (change == m_lastChange)
        return false;
    // Recorded before the content is looked at, so that a change is examined only once
    // even when it holds nothing to offer.
    m_lastChange = change;

    const auto text = clipboard.text();
    if (!text)
        return false;
    const QStringList links = extractURLs(*text);
    if (links.isEmpty())
        return false;
    const QString &link = links.first();
    if (m_seen.contains(link) || isListed(link))
        return false;
    return setOffer(link);
}

bool ClipboardSuggestion::dismiss()
{
    if (m_offer)
        m_seen.insert(*m_offer);
    return setOffer(std::nullopt);
}

bool ClipboardSuggestion::noteAdded(const QString &link)
{
    m_seen.insert(link);
    return m_offer == link && setOffer(std::nullopt);
}

bool ClipboardSuggestion::setOffer(const std::optional<QString> &offer)
{
    if (m_offer == offer)
        return false;
    m_offer = offer;
    return true;
}
