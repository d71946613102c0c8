#include "enginebanner.h"

#include "engine/downloader.h"
#include "i18n/i18n.h"

void EngineBannerTexts::setDownloader(Downloader *downloader)
{
    if (m_downloader == downloader)
        return;
    if (m_downloader)
        disconnect(m_downloader, nullptr, this, nullptr);
    m_downloader = downloader;
    if (downloader) {
        for (auto signal : {&Downloader::engineChanged, &Downloader::installingChanged, &Downloader::installStatusChanged})
            connect(downloader, signal, this, &EngineBannerTexts::textsChanged);
    }
    emit downloaderChanged();
    emit textsChanged();
}

QString EngineBannerTexts::title() const
{
    return m_downloader && m_downloader->engineReady() ? L(QStringLiteral("Faltam componentes do motor"))
                                                       : L(QStringLiteral("Falta instalar o motor de download"));
}

QString EngineBannerTexts::detail() const
{
    const QString status = m_downloader ? m_downloader->installStatus() : QString();
    if ((!m_downloader || !m_downloader->installing()) && status.isEmpty())
        return L(QStringLiteral("yt-dlp + ffmpeg + Deno (código aberto). Baixa ~150 MB uma única vez."));
    return status;
}
