#include "downloader.h"

#include "engine/desktop.h"
#include "engine/logging.h"
#include "intake/clipboard.h"
#include "intake/linkextraction.h"
#include "intake/urlscheme.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QUrl>

#include <algorithm>

void Downloader::handleSchemeURL(const QString &raw)
{
    const SchemeRequest request = parseSchemeURL(raw);
    const QStringList links = ::extractURLs(request.text);
    if (m_desktop)
        m_desktop->activateApplication();
    if (links.isEmpty())
        return;
    if (links.size() > 1) {
        qCInfo(lcEngine) << "refused a vireloom: address carrying" << links.size() << "links";
        m_schemeRefusedLinks = static_cast<int>(links.size());
        emit schemeIntakeChanged();
        return;
    }
    const SchemeLink link{links.first(), QUrl(links.first()).host(), request.quality, request.playlist};
    if (settings().schemeLocalAddresses() == SchemeLocalAddresses::allow) {
        takeSchemeLink(link);
        return;
    }
    if (isLocalNetworkHost(link.host)) {
        askAboutSchemeLink(link);
        return;
    }
    // A public-looking name may still lead into the local network. Through a proxy the
    // proxy resolves it, and this machine's answer would say nothing.
    if (!QHostAddress(link.host).isNull() || resolvesNowhere(link.host)
        || !privateConfig(settings()).isEmpty()) {
        takeSchemeLink(link);
        return;
    }
    QHostInfo::lookupHost(link.host, this, [this, link](const QHostInfo &info) {
        const QList<QHostAddress> addresses = info.addresses();
        if (std::any_of(addresses.begin(), addresses.end(), isLocalNetworkAddress))
            askAboutSchemeLink(link);
        else
            takeSchemeLink(link);
    });
}

void Downloader::takeSchemeLink(const SchemeLink &link)
{
    add(link.link, link.quality, link.playlist);
}

void Downloader::askAboutSchemeLink(const SchemeLink &link)
{
    qCInfo(lcEngine) << "a vireloom: address asks for a link into the local network:" << link.host;
    m_schemeLinksToConfirm.append(link);
    emit schemeIntakeChanged();
}

QString Downloader::schemeLinkToConfirm() const
{
    return m_schemeLinksToConfirm.isEmpty() ? QString() : m_schemeLinksToConfirm.first().link;
}

QString Downloader::schemeHostToConfirm() const
{
    return m_schemeLinksToConfirm.isEmpty() ? QString() : m_schemeLinksToConfirm.first().host;
}

void Downloader::confirmSchemeLink()
{
    if (m_schemeLinksToConfirm.isEmpty())
        return;
    const SchemeLink link = m_schemeLinksToConfirm.takeFirst();
    emit schemeIntakeChanged();
    takeSchemeLink(link);
}

void Downloader::ignoreSchemeLink()
{
    if (m_schemeLinksToConfirm.isEmpty())
        return;
    m_schemeLinksToConfirm.removeFirst();
    emit schemeIntakeChanged();
}

void Downloader::dismissSchemeRefusal()
{
    if (m_schemeRefusedLinks == 0)
        return;
    m_schemeRefusedLinks = 0;
    emit schemeIntakeChanged();
}

void Downloader::checkClipboard()
{
    if (!m_clipboard || !settings().boolean(SettingsKey::watchClipboard))
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

bool Downloader::addFromClipboard()
{
    if (!m_clipboard)
        return false;
    const auto text = m_clipboard->text();
    if (!text || ::extractURLs(*text).isEmpty())
        return false;
    add(*text, std::nullopt, false);
    return true;
}
