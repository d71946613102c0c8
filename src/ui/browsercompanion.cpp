#include "browsercompanion.h"

#include "engine/desktop.h"
#include "engine/downloadqueue.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "root/downloader.h"
#include "settings/sitelogins.h"

#include <QUrl>

#include <algorithm>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QString names(const QList<BrowserHosts::Place> &places)
{
    QStringList list;
    for (const BrowserHosts::Place &place : places) {
        const QString name = Browsers::installName(*place.browser, place.install);
        if (!list.contains(name))
            list << name;
    }
    return list.join(u", "_s);
}

} // namespace

BrowserCompanion::BrowserCompanion(Downloader *downloader, QObject *parent)
    : QObject(parent)
    , m_downloader(downloader)
    , m_siteLogins(downloader->queue()->siteLogins())
    , m_profiles(new OptionList({}, this))
    , m_sites(new OptionList({}, this))
{
    m_pool.setMaxThreadCount(1);
    connect(m_siteLogins, &SiteLogins::changed, this, &BrowserCompanion::updateSites);
    updateSites();
}

BrowserCompanion::~BrowserCompanion()
{
    m_pool.waitForDone();
}

void BrowserCompanion::setExtensionFolder(const QString &folder)
{
    if (folder == m_extensionFolder)
        return;
    m_extensionFolder = folder;
    emit extensionFolderChanged();
}

QString BrowserCompanion::extensionText() const
{
    if (m_extensionFolder.isEmpty())
        return L("Os pacotes da extensão não estão junto deste Vireloom.");
    return L("Chromium, Chrome, Brave, Vivaldi e Edge: em chrome://extensions, ligue o Modo do desenvolvedor, clique em "
             "“Carregar sem compactação” e escolha a pasta vireloom-chromium. Firefox e LibreWolf: em about:debugging ▸ "
             "Este Firefox, clique em “Carregar extensão temporária…” e escolha o vireloom-firefox.xpi.");
}

BrowserCompanion::Look BrowserCompanion::look(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile)
{
    return {BrowserHosts::status(roots, hostProgram, recordFile), Browsers::profiles(roots)};
}

void BrowserCompanion::refresh()
{
    if (m_looking) {
        m_lookAgain = true;
        return;
    }
    m_looking = true;
    m_pool.start([this, roots = m_roots, host = m_hostProgram, record = m_recordFile] {
        Look found = look(roots, host, record);
        QMetaObject::invokeMethod(this, [this, found = std::move(found)] { take(found); }, Qt::QueuedConnection);
    });
}

void BrowserCompanion::take(const Look &look)
{
    m_looking = false;
    apply(look);
    if (std::exchange(m_lookAgain, false))
        refresh();
}

void BrowserCompanion::apply(const Look &look)
{
    const QString text = hostsLine(look.hosts);
    const bool ready =
        std::any_of(look.hosts.begin(), look.hosts.end(), [](const BrowserHosts::Entry &entry) { return entry.state == BrowserHosts::State::current; });
    if (text != m_hostsText || ready != m_extensionReady) {
        m_hostsText = text;
        m_extensionReady = ready;
        emit hostsChanged();
    }
    QList<OptionList::Option> options;
    for (const Browsers::Profile &profile : look.profiles)
        options.append({profile.engineName(), profile.label()});
    m_profiles->setOptions(options);
    emit refreshed();
}

QString BrowserCompanion::hostsLine(const QList<BrowserHosts::Entry> &entries)
{
    QList<BrowserHosts::Place> ready, waiting;
    for (const BrowserHosts::Entry &entry : entries) {
        if (entry.state == BrowserHosts::State::current)
            ready << entry.place;
        else if (entry.installed && entry.state != BrowserHosts::State::other)
            waiting << entry.place;
    }
    if (ready.isEmpty() && waiting.isEmpty())
        return L("Nenhum navegador compatível foi encontrado.");
    if (ready.isEmpty())
        return LF("Ainda não configurados: %@", names(waiting));
    if (waiting.isEmpty())
        return LF("Configurados: %@", names(ready));
    return LF("Configurados: %@", names(ready)) + u'\n' + LF("Ainda não configurados: %@", names(waiting));
}

std::pair<QString, bool> BrowserCompanion::outcomeLine(const BrowserHosts::Outcome &outcome)
{
    QStringList lines;
    if (!outcome.written.isEmpty()) {
        lines << LF("Pronto: %@. Agora adicione a extensão.", names(outcome.written));
        if (outcome.wroteFlatpak())
            lines << L("Um navegador Flatpak pode não ter permissão para abrir o Vireloom fora da sua área isolada.");
    }
    if (!outcome.kept.isEmpty())
        lines << L("Deixado como está, pois não foi escrito pelo Vireloom:") + u' ' + names(outcome.kept);
    if (!outcome.failed.isEmpty())
        lines << L("Não consegui mudar:") + u' ' + names(outcome.failed);
    if (lines.isEmpty())
        lines << L("Nenhum navegador compatível foi encontrado.");
    return {lines.join(u'\n'), outcome.written.isEmpty() || !outcome.failed.isEmpty()};
}

void BrowserCompanion::setUp()
{
    if (m_settingUp)
        return;
    if (m_hostProgram.isEmpty()) {
        m_outcome = L("O programa que recebe os links do navegador (vireloom-browser-host) não foi encontrado junto do Vireloom.");
        m_outcomeFailed = true;
        emit outcomeChanged();
        return;
    }
    m_settingUp = true;
    emit settingUpChanged();
    m_pool.start([this, roots = m_roots, host = m_hostProgram, record = m_recordFile] {
        BrowserHosts::Outcome outcome = BrowserHosts::registerBrowsers(roots, host, record);
        Look found = look(roots, host, record);
        QMetaObject::invokeMethod(
            this,
            [this, outcome = std::move(outcome), found = std::move(found)] {
                std::tie(m_outcome, m_outcomeFailed) = outcomeLine(outcome);
                m_settingUp = false;
                emit outcomeChanged();
                emit settingUpChanged();
                apply(found);
            },
            Qt::QueuedConnection);
    });
}

void BrowserCompanion::openExtensionFolder() const
{
    if (Desktop *desktop = m_downloader->desktop(); desktop && !m_extensionFolder.isEmpty())
        desktop->openFolder(m_extensionFolder);
}

void BrowserCompanion::openInBrowser(DownloadItem *item) const
{
    if (!item)
        return;
    // Only a web page: the page the browser named was never checked as the link was.
    for (const QString &candidate : {item->page(), item->url()}) {
        const QUrl link(candidate, QUrl::StrictMode);
        if (link.isValid() && (link.scheme() == u"https"_s || link.scheme() == u"http"_s) && !link.host().isEmpty()) {
            if (Desktop *desktop = m_downloader->desktop())
                desktop->openLink(link);
            return;
        }
    }
}

void BrowserCompanion::forgetSite(const QString &site)
{
    m_siteLogins->forget(site);
}

void BrowserCompanion::updateSites()
{
    QList<OptionList::Option> options;
    for (const SiteLogins::Entry &entry : m_siteLogins->entries())
        options.append({entry.site, entry.label});
    m_sites->setOptions(options);
}
