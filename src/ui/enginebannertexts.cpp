#include "enginebannertexts.h"

#include "engine/enginesetup.h"
#include "i18n/i18n.h"
#include "installer/freshnessmonitor.h"
#include "installer/install.h"

#include <QDate>
#include <QLocale>

void EngineBannerTexts::setEngine(EngineSetup *engine)
{
    if (m_engine == engine)
        return;
    if (m_engine)
        disconnect(m_engine, nullptr, this, nullptr);
    m_engine = engine;
    if (engine) {
        for (auto signal : {&EngineSetup::engineChanged, &EngineSetup::installingChanged, &EngineSetup::installStatusChanged,
                            &EngineSetup::installFailureChanged, &EngineSetup::freshnessChanged, &EngineSetup::keptYtdlpChanged,
                            &EngineSetup::ytdlpVersionChanged, &EngineSetup::componentVersionsChanged})
            connect(engine, signal, this, &EngineBannerTexts::textsChanged);
    }
    emit engineChanged();
    emit textsChanged();
}

QString EngineBannerTexts::named(const QString &version)
{
    return version.isEmpty() ? QStringLiteral("yt-dlp") : QStringLiteral("yt-dlp ") + version;
}

bool EngineBannerTexts::offersSetAside() const
{
    return m_engine && m_engine->complete() && m_engine->hasSetAside() && !offersUpdate();
}

QString EngineBannerTexts::title() const
{
    if (offersSetAside())
        return LF("%@ foi deixado de lado", named(m_engine->setAsideYtdlpVersion()));
    if (offersUpdate()) {
        return m_engine->freshness() == EngineFreshness::updateAvailable ? L("Há um yt-dlp mais novo")
                                                                         : L("O yt-dlp pode estar desatualizado");
    }
    if (offersOthers()) {
        if (m_engine->denoTooOld())
            return L("O Deno precisa ser atualizado");
        if (m_engine->ffmpegUpdateAvailable() && m_engine->denoUpdateAvailable())
            return L("Há versões novas do ffmpeg e do Deno");
        return LF("Há um %@ mais novo",
                  m_engine->ffmpegUpdateAvailable() ? QStringLiteral("ffmpeg") : QStringLiteral("Deno"));
    }
    if (m_engine && m_engine->ready() && m_engine->ffmpegPath() && !m_engine->denoPath())
        return L("Falta o Deno");
    if (m_engine && m_engine->ready() && !m_engine->ffmpegPath() && m_engine->denoPath())
        return L("Falta o ffmpeg");
    return m_engine && m_engine->ready() ? L("Faltam componentes do motor")
                                         : L("Falta instalar o motor de download");
}

QString EngineBannerTexts::detail() const
{
    const QString status = m_engine ? m_engine->installStatus() : QString();
    if (offersSetAside() && !m_engine->installing())
        return LF("Ele falhou onde o %@ funcionou; os downloads seguem com esse até sair uma versão mais nova.",
                  named(m_engine->ytdlpVersion()));
    if (offersUpdate() && !m_engine->installing())
        return freshness();
    if (offersOthers() && !m_engine->installing()) {
        QStringList said{denoTooOld(), ffmpegAvailable(), denoAvailable()};
        said.removeAll(QString());
        return said.join(u' ');
    }
    if (failed()) {
        const QDateTime at = m_engine->installFailedAt();
        const QString when = at.isValid() ? QLocale().toString(at.toLocalTime(), QLocale::ShortFormat) : QString();
        return when.isEmpty() ? m_engine->installFailure() : m_engine->installFailure() + QStringLiteral(" · ") + when;
    }
    if (!m_engine)
        return missingParts(true, true, true);
    if (!m_engine->installing())
        return missingParts(!m_engine->ready(), !m_engine->ffmpegPath(), !m_engine->denoPath());
    return status;
}

bool EngineBannerTexts::failed() const
{
    return m_engine && !m_engine->installing() && !m_engine->installFailure().isEmpty() && shown();
}

QString EngineBannerTexts::action() const
{
    if (offersSetAside())
        return LF("Tentar o %@ de novo", named(m_engine->setAsideYtdlpVersion()));
    if (offersUpdate())
        return L("Atualizar yt-dlp");
    if (offersOthers())
        return othersAction();
    return failed() ? L("Tentar de novo") : L("Instalar agora");
}

QString EngineBannerTexts::denoTooOldText(const QString &version)
{
    return LF("O Deno %@ precisa ser atualizado: as versões novas do yt-dlp exigem o Deno %d.%d ou mais novo para alguns sites.",
              version, Tools::kDenoNeededMajor, Tools::kDenoNeededMinor);
}

QString EngineBannerTexts::missingParts(bool ytdlp, bool ffmpeg, bool deno)
{
    QStringList parts;
    if (ytdlp)
        parts << L("yt-dlp faz os downloads.");
    if (ffmpeg)
        parts << L("ffmpeg junta vídeo e áudio e converte para MP3.");
    if (deno)
        parts << L("Deno: alguns sites, o YouTube entre eles, precisam dele.");
    return parts.join(u' ');
}

bool EngineBannerTexts::shown() const
{
    return !m_engine || !m_engine->complete() || offersUpdate() || offersSetAside() || offersOthers();
}

bool EngineBannerTexts::offersOthers() const
{
    if (!m_engine || !m_engine->complete() || offersUpdate() || offersSetAside())
        return false;
    return m_engine->denoTooOld() || m_engine->ffmpegUpdateAvailable() || m_engine->denoUpdateAvailable();
}

QString EngineBannerTexts::othersAction() const
{
    // As EngineSetup::updateOthers() chooses: what is behind, or everything when nothing is.
    const bool ffmpeg = m_engine && m_engine->ffmpegUpdateAvailable();
    const bool deno = m_engine && (m_engine->denoUpdateAvailable() || m_engine->denoTooOld());
    if (ffmpeg == deno)
        return L("Atualizar ffmpeg e Deno");
    return LF("Atualizar %@", ffmpeg ? QStringLiteral("ffmpeg") : QStringLiteral("Deno"));
}

QString EngineBannerTexts::ffmpegAvailable() const
{
    if (!m_engine || !m_engine->ffmpegUpdateAvailable())
        return {};
    return LF("%@ %@ já saiu; o instalado é o %@.", QStringLiteral("ffmpeg"), m_engine->ffmpegLatest(),
              m_engine->ffmpegVersion());
}

QString EngineBannerTexts::denoAvailable() const
{
    if (!m_engine || !m_engine->denoUpdateAvailable())
        return {};
    return LF("%@ %@ já saiu; o instalado é o %@.", QStringLiteral("Deno"), m_engine->denoLatest(), m_engine->denoVersion());
}

bool EngineBannerTexts::offersUpdate() const
{
    if (!m_engine || !m_engine->complete())
        return false;
    const EngineFreshness freshness = m_engine->freshness();
    return freshness == EngineFreshness::updateAvailable || freshness == EngineFreshness::outdated;
}

QString EngineBannerTexts::freshness() const
{
    if (!m_engine)
        return {};
    const QString running = m_engine->ytdlpVersion();
    const qint64 age = ageInDays(running, QDate::currentDate()).value_or(0);
    switch (m_engine->freshness()) {
    case EngineFreshness::updateAvailable:
        // Below two days the count would need a singular; the date says enough.
        return age >= 2 ? LF("yt-dlp %@ já saiu; o instalado, %@, tem %d dias.", m_engine->ytdlpLatest(), running, age)
                        : LF("yt-dlp %@ já saiu; o instalado é o %@.", m_engine->ytdlpLatest(), running);
    case EngineFreshness::outdated:
        return LF("yt-dlp %@ tem %d dias; não foi possível verificar se há uma versão mais nova.", running, age);
    case EngineFreshness::current:
        return LF("yt-dlp %@ é a versão mais recente.", running);
    case EngineFreshness::unknown:
        break;
    }
    return {};
}
