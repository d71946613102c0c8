#include "downloader.h"

#include "engine/desktop.h"
#include "intake/clipboard.h"
#include "intake/urlscheme.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"

void Downloader::handleSchemeURL(const QString &raw)
{
    const SchemeRequest request = parseSchemeURL(raw);
    add(request.text, request.quality, request.playlist);
    if (m_desktop)
        m_desktop->activateApplication();
}

void Downloader::checkClipboard()
{
    if (!m_clipboard || !d().boolean(SettingsKey::watchClipboard))
        return;
    const auto isListed = [this](const QString &link) {
        const auto &items = m_items->items();
        return std::any_of(items.begin(), items.end(), [&link](const DownloadItem *item) { return item->url() == link; });
    };
    if (m_clipboardSuggestion.check(*m_clipboard, isListed))
        emit clipboardSuggestionChanged();
}

void Downloader::dismissClipboard()
{
    if (m_clipboardSuggestion.dismiss())
        emit clipboardSuggestionChanged();
}

void Downloader::addFromClipboard()
{
    if (!m_clipboard)
        return;
    if (const auto text = m_clipboard->text())
        add(*text, std::nullopt, false);
}
