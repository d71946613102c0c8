#include "enginebannertexts.h"

#include "engine/downloader.h"
#include "i18n/i18n.h"
#include "installer/freshnessmonitor.h"

#include <QDate>
#include <QLocale>

void EngineBannerTexts::setDownloader(Downloader *downloader)
{
    if (m_downloader == downloader)
        return;
    if (m_downloader)
        disconnect(m_downloader, nullptr, this, nullptr);
    m_downloader = downloader;
    if (downloader) {
        for (auto signal : {&Downloader::engineChanged, &Downloader::installingChanged, &Downloader::installStatusChanged,
                            &Downloader::installFailureChanged, &Downloader::freshnessChanged})
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
    if (m_downloader && m_downloader->engineReady() && m_downloader->ffmpegPath() && !m_downloader->denoPath())
        return L(QStringLiteral("Falta o Deno"));
    if (m_downloader && m_downloader->engineReady() && !m_downloader->ffmpegPath() && m_downloader->denoPath())
        return L(QStringLiteral("Falta o ffmpeg"));
    return m_downloader && m_downloader->engineReady() ? L(QStringLiteral("Faltam componentes do motor"))
                                                       : L(QStringLiteral("Falta instalar o motor de download"));
}

QString EngineBannerTexts::detail() const
{
    const QString status = m_downloader ? m_downloader->installStatus() : QString();
    if (offersUpdate() && !m_downloader->installing())
        return freshness();
    if (failed()) {
        const QDateTime at = m_downloader->installFailedAt();
        const QString when = at.isValid() ? QLocale().toString(at.toLocalTime(), QLocale::ShortFormat) : QString();
        return when.isEmpty() ? m_downloader->installFailure() : m_downloader->installFailure() + QStringLiteral(" · ") + when;
    }
    if (!m_downloader)
        return missingParts(true, true, true);
    if (!m_downloader->installing())
        return missingParts(!m_downloader->engineReady(), !m_downloader->ffmpegPath(), !m_downloader->denoPath());
    return status;
}

bool EngineBannerTexts::failed() const
{
    return m_downloader && !m_downloader->installing() && !m_downloader->installFailure().isEmpty() && shown();
}

QString EngineBannerTexts::action() const
{
    if (offersUpdate())
        return L(QStringLiteral("Atualizar yt-dlp"));
    return failed() ? L(QStringLiteral("Tentar de novo")) : L(QStringLiteral("Instalar agora"));
}

QString EngineBannerTexts::missingParts(bool ytdlp, bool ffmpeg, bool deno)
{
    QStringList parts;
    if (ytdlp)
        parts << L(QStringLiteral("yt-dlp faz os downloads."));
    if (ffmpeg)
        parts << L(QStringLiteral("ffmpeg junta vídeo e áudio e converte para MP3."));
    if (deno)
        parts << L(QStringLiteral("Deno: alguns sites, o YouTube entre eles, precisam dele."));
    return parts.join(u' ');
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
        return age >= 2 ? LF(QStringLiteral("yt-dlp %@ já saiu; o instalado, %@, tem %d dias."), m_downloader->ytdlpLatest(), running, age)
                        : LF(QStringLiteral("yt-dlp %@ já saiu; o instalado é o %@."), m_downloader->ytdlpLatest(), running);
    case EngineFreshness::outdated:
        return LF(QStringLiteral("yt-dlp %@ tem %d dias; não foi possível verificar se há uma versão mais nova."), running, age);
    case EngineFreshness::current:
        return LF(QStringLiteral("yt-dlp %@ é a versão mais recente."), running);
    case EngineFreshness::unknown:
        break;
    }
    return {};
}
