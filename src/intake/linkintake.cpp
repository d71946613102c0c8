#include "linkintake.h"

#include "intake/clipboard.h"
#include "intake/linkextraction.h"
#include "intake/logging.h"
#include "intake/urlscheme.h"
#include "settings/settings.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QLoggingCategory>
#include <QUrl>

#include <algorithm>

namespace {
// Through a proxy the proxy resolves names, and this machine's answer says nothing.
bool throughProxy(const Settings &settings)
{
    return !settings.string(SettingsKey::proxy).value_or(QString()).trimmed().isEmpty();
}
} // namespace

LinkIntake::LinkIntake(Settings *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
}

void LinkIntake::handleSchemeURL(const QString &raw)
{
    const SchemeRequest request = parseSchemeURL(raw);
    const QStringList links = ::extractURLs(request.text);
    emit activationWanted();
    if (links.isEmpty())
        return;
    if (links.size() > 1) {
        qCInfo(lcIntake) << "refused a vireloom: address carrying" << links.size() << "links";
        m_schemeRefusedLinks = static_cast<int>(links.size());
        emit schemeChanged();
        return;
    }
    const SchemeLink link{links.first(), QUrl(links.first()).host(), request.quality, request.playlist};
    // The settings let addresses into the local network: nothing is guarded.
    if (m_settings->schemeLocalAddresses() == SchemeLocalAddresses::allow) {
        take(link, false);
        return;
    }
    switch (reachWithoutLookup(link.host, throughProxy(*m_settings))) {
    case HostReach::localNetwork:
        askAbout(link);
        return;
    // The guard the run goes through resolves every destination again in any case.
    case HostReach::internet:
        take(link, true);
        return;
    case HostReach::lookUp:
        break;
    }
    // A public-looking name may still lead into the local network.
    QHostInfo::lookupHost(link.host, this, [this, link](const QHostInfo &info) {
        if (info.error() != QHostInfo::NoError || answerReachesLocalNetwork(info.addresses()))
            askAbout(link);
        else
            take(link, true);
    });
}

void LinkIntake::take(const SchemeLink &link, bool guarded)
{
    emit linkTaken(link.link, link.quality, link.playlist, guarded);
}

void LinkIntake::askAbout(const SchemeLink &link)
{
    qCInfo(lcIntake) << "a vireloom: address asks for a link into the local network:" << link.host;
    m_toConfirm.append(link);
    emit schemeChanged();
}

QString LinkIntake::schemeLinkToConfirm() const
{
    return m_toConfirm.isEmpty() ? QString() : m_toConfirm.first().link;
}

QString LinkIntake::schemeHostToConfirm() const
{
    return m_toConfirm.isEmpty() ? QString() : m_toConfirm.first().host;
}

void LinkIntake::confirmSchemeLink()
{
    if (m_toConfirm.isEmpty())
        return;
    const SchemeLink link = m_toConfirm.takeFirst();
    emit schemeChanged();
    // The user vouched for this one.
    take(link, false);
}

void LinkIntake::ignoreSchemeLink()
{
    if (m_toConfirm.isEmpty())
        return;
    m_toConfirm.removeFirst();
    emit schemeChanged();
}

void LinkIntake::dismissSchemeRefusal()
{
    if (m_schemeRefusedLinks == 0)
        return;
    m_schemeRefusedLinks = 0;
    emit schemeChanged();
}

void LinkIntake::checkClipboard()
{
    if (!m_clipboard || !m_settings->boolean(SettingsKey::watchClipboard))
        return;
    const auto isListed = [this](const QString &link) { return m_isListed && m_isListed(link); };
    if (m_clipboardSuggestion.check(*m_clipboard, isListed))
        emit clipboardSuggestionChanged();
}

void LinkIntake::dismissClipboard()
{
    if (m_clipboardSuggestion.dismiss())
        emit clipboardSuggestionChanged();
}

bool LinkIntake::addFromClipboard()
{
    if (!m_clipboard)
        return false;
    const auto text = m_clipboard->text();
    if (!text || ::extractURLs(*text).isEmpty())
        return false;
    emit linkTaken(*text, std::nullopt, false, false);
    return true;
}

void LinkIntake::noteAdded(const QString &link)
{
    if (m_clipboardSuggestion.noteAdded(link))
        emit clipboardSuggestionChanged();
}
