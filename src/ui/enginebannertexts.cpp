#include "enginebannertexts.h"

#include "engine/downloader.h"
#include "i18n/i18n.h"
#include "tools/freshnessmonitor.h"

#include <QDate>

void EngineBannerTexts::setDownloader(Downloader *downloader)
{
    if (m_downloader == downloader)
        return;
    if (m_downloader)
        disconnect(m_downloader, nullptr, this, nullptr);
    m_downloader = downloader;
    if (downloader) {
        for (auto signal : {&Downloader::engineChanged, &Downloader::installingChanged, &Downloader::installStatusChanged,
                            &Downloader::freshnessChanged})
            connect(downloader, signal, this, &EngineBannerTexts::textsChanged);
    }
    emit downloaderChanged();
    emit textsChanged();
}

QString EngineBannerTexts::title() const
{
    if (offersUpdate()) {
        return m_downloader->engineFreshness() == EngineFreshness::updateAvailable ? L(QStringLiteral("Há um yt-dlp mais novo"))
                                                                                    : L(QStringLiteral("O yt-dlp pode estar desatualizado"));
    }
    return m_downloader && m_downloader->engineReady() ? L(QStringLiteral("Faltam componentes do motor"))
                                                       : L(QStringLiteral("Falta instalar o motor de download"));
}

QString EngineBannerTexts::detail() const
{
    const QString status = m_downloader ? m_downloader->installStatus() : QString();
    if (offersUpdate() && !m_downloader->installing())
        return freshness();
    if ((!m_downloader || !m_downloader->installing()) && status.isEmpty())
        return L(QStringLiteral("yt-dlp + ffmpeg + Deno (código aberto). Baixa ~150 MB uma única vez."));
    return status;
}

bool EngineBannerTexts::shown() const
{
    return !m_downloader || !m_downloader->engineComplete() || offersUpdate();
}

bool EngineBannerTexts::offersUpdate() const
{
    if (!m_downloader || !m_downloader->engineComplete())
        return false;
    const EngineFreshness freshness = m_downloader->engineFreshness();
    return freshness == EngineFreshness::updateAvailable || freshness == EngineFreshness::outdated;
}

QString EngineBannerTexts::freshness() const
{
    if (!m_downloader)
        return {};
    const QString running = m_downloader->ytdlpVersion();
    const qint64 age = ageInDays(running, QDate::currentDate()).value_or(0);
    switch (m_downloader->engineFreshness()) {
    case EngineFreshness::updateAvailable:
        // Below two days the count would need a singular; the date says enough.
        return age >= 2 ? LF(QStringLiteral("yt-dlp %@ já saiu; o seu, %@, tem %d dias."), m_downloader->ytdlpLatest(), running, age)
                        : LF(QStringLiteral("yt-dlp %@ já saiu; o seu é o %@."), m_downloader->ytdlpLatest(), running);
    case EngineFreshness::outdated:
        return LF(QStringLiteral("O seu yt-dlp, %@, tem %d dias e não consegui ver se há outro."), running, age);
    case EngineFreshness::current:
        return LF(QStringLiteral("yt-dlp %@ é a versão mais recente."), running);
    case EngineFreshness::unknown:
        break;
    }
    return {};
}
