#include "cardtexts.h"

#include "base/format.h"
#include "engine/downloadwindow.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"

#include <QDateTime>
#include <QUrl>

#include <algorithm>
#include <cmath>

void CardTexts::setItem(DownloadItem *item)
{
    if (m_item == item)
        return;
    if (m_item)
        disconnect(m_item, nullptr, this, nullptr);
    m_item = item;
    if (item)
        connect(item, &DownloadItem::changed, this, &CardTexts::answer);
    followClock();
    emit itemChanged();
    emit playlistChipChanged();
    emit durationChipChanged();
    emit thumbnailChanged();
    emit stateChanged();
    emit fractionChanged();
    emit statusChanged();
    emit failureActionChanged();
    emit entryChanged();
    emit lastFileChanged();
    emit logChanged();
    emit siteChipChanged();
    emit loginChanged();
    updateSpoken();
}

// Which texts are made from which of the item's facts: a text is announced again when one
// of them changes, and only then.
void CardTexts::answer(DownloadItem::Changes what)
{
    using C = DownloadItem;
    struct Answer
    {
        DownloadItem::Changes from;
        void (CardTexts::*announce)();
    };
    static const Answer answers[] = {
        {C::Playlist | C::PlaylistCount, &CardTexts::playlistChipChanged},
        {C::Duration, &CardTexts::durationChipChanged},
        {C::Thumbnail, &CardTexts::thumbnailChanged},
        {C::Site, &CardTexts::siteChipChanged},
        {C::State, &CardTexts::stateChanged},
        {C::State | C::WaitsUntil, &CardTexts::waitingChanged},
        {C::Failure, &CardTexts::failureActionChanged},
        {C::State | C::Progress, &CardTexts::fractionChanged},
        {C::State | C::Progress | C::Size | C::Speed | C::Eta | C::PlaylistPos | C::Files | C::WaitsUntil | C::Step,
         &CardTexts::statusChanged},
        {C::State | C::Playlist | C::CurrentEntry, &CardTexts::entryChanged},
        {C::Files, &CardTexts::lastFileChanged},
        {C::Title | C::State | C::Progress | C::Size | C::Speed | C::Eta | C::PlaylistPos | C::CurrentEntry | C::Files,
         &CardTexts::logChanged},
        {C::Login | C::State | C::Failure, &CardTexts::loginChanged},
        {C::State, &CardTexts::followClock},
        {C::Title | C::State | C::Progress | C::Size | C::Speed | C::PlaylistPos | C::Files, &CardTexts::updateSpoken},
    };
    for (const Answer &answer : answers) {
        if (what & answer.from)
            (this->*answer.announce)();
    }
}

const QString &CardTexts::LastFormatted::of(std::optional<double> number)
{
    if (number != m_value) {
        m_value = number;
        m_text = number ? m_format(*number) : QString();
    }
    return m_text;
}

QString CardTexts::siteChip() const
{
    return m_item ? siteTag(m_item->site(), m_item->url()) : QString();
}

QString CardTexts::siteTag(const QString &site, const QString &url)
{
    const QString trimmed = site.trimmed();
    static const QStringList readsAnyPage{QStringLiteral("generic"), QStringLiteral("html5mediaembed")};
    if (!readsAnyPage.contains(trimmed.toLower()))
        return trimmed;
    QString host = QUrl(url).host();
    if (host.startsWith(QLatin1StringView("www.")))
        host.remove(0, 4);
    return host;
}

QString CardTexts::spoken() const
{
    return m_spoken;
}

void CardTexts::updateSpoken()
{
    // Before its first progress line a running download shows that it reads the page, not 0 %.
    const DLState::Kind kind = m_item && state() == DLState::downloading && readingPage(*m_item) ? DLState::fetching : state();
    const QString next = m_item ? spokenText(m_item->title(), kind, m_item->progress(), status()) : QString();
    if (next == m_spoken)
        return;
    m_spoken = next;
    emit spokenChanged();
}

QString CardTexts::spokenText(const QString &title, DLState::Kind state, double progress, const QString &status)
{
    QString what = status;
    if (state == DLState::downloading)
        what = L("Baixando") + QStringLiteral(", ") + percentText(progress);
    return title.isEmpty() ? what : title + QStringLiteral(", ") + what;
}

bool CardTexts::readingPage(const DownloadItem &item)
{
    return item.progress() <= 0 && !item.size() && !item.speed() && item.playlistPos().isEmpty();
}

QString CardTexts::qualityChip() const
{
    if (!m_item)
        return {};
    // A format picked from the list is what the download fetches, not the preset.
    if (const auto &picked = m_item->options().formatLabel; picked && !picked->isEmpty())
        return *picked;
    return L(m_item->quality().shortLabel());
}

bool CardTexts::audio() const
{
    return m_item && m_item->quality().isAudio();
}

QString CardTexts::playlistChip() const
{
    return m_item ? playlistText(m_item->playlist(), m_item->playlistCount(), m_item->options().playlistItems.size()) : QString();
}

QString CardTexts::playlistText(bool playlist, std::optional<int> count, qsizetype picked)
{
    if (!playlist)
        return {};
    if (picked > 0 && count && picked < *count)
        return LF("Playlist · %ld de %ld", picked, *count);
    if (picked > 0 && !count)
        return LF("Playlist · %ld", picked);
    if (count)
        return LF("Playlist · %ld", *count);
    return L("Playlist");
}

QString CardTexts::durationChip() const
{
    if (!m_item)
        return {};
    const auto duration = m_item->duration();
    return duration && *duration > 0 ? Tools::fmtTime(*duration) : QString();
}

QUrl CardTexts::thumbnail() const
{
    if (!m_item)
        return {};
    const QUrl url = m_item->thumbnail();
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") ? url : QUrl();
}

DLState::Kind CardTexts::state() const
{
    return m_item ? m_item->state().kind() : DLState::fetching;
}

bool CardTexts::canCancel() const
{
    return m_item && !m_item->state().isFinished();
}

bool CardTexts::canOpen() const
{
    return is(DLState::done);
}

bool CardTexts::canRetry() const
{
    return is(DLState::failed) || is(DLState::cancelled);
}

bool CardTexts::canStartNow() const
{
    return is(DLState::queued) && m_item->waitsUntil().has_value();
}

bool CardTexts::shimmering() const
{
    return is(DLState::fetching) || is(DLState::processing);
}

bool CardTexts::metered() const
{
    return is(DLState::queued) || is(DLState::downloading);
}

double CardTexts::fraction() const
{
    return is(DLState::downloading) ? m_item->progress() : 0.0;
}

QString CardTexts::status() const
{
    if (!m_item)
        return {};
    const DownloadItem &item = *m_item;
    switch (item.state().kind()) {
    case DLState::fetching:
        return L("Lendo informações…");
    case DLState::queued:
        if (const auto until = item.waitsUntil())
            return DownloadWindow::waitingText(until->time());
        return L("Na fila");
    case DLState::downloading: {
        // Until its first progress line the engine is still reading the page (a link that
        // starts at once has no probe before it).
        if (readingPage(item))
            return L("Lendo informações…");
        const QString line =
            progressLine(item.progress(), sizeText(), m_speedText.of(item.speed()), m_etaText.of(item.eta()), item.playlistPos());
        // An item no run has spoken for yet has no silence to tell.
        const QString silence = item.lastOutput() > 0 ? silenceNote(QDateTime::currentMSecsSinceEpoch() - item.lastOutput()) : QString();
        return silence.isEmpty() ? line : line + QStringLiteral("  ·  ") + silence;
    }
    case DLState::processing:
        if (item.step().isEmpty())
            return L("Finalizando — juntando áudio e vídeo…");
        return stepLine(item.step(), item.quality(), QDateTime::currentMSecsSinceEpoch() - item.stepSince());
    case DLState::done:
        if (item.alreadyArchived())
            return L("Já baixado, consta no arquivo");
        if (item.alreadyThere())
            return L("Já está na sua pasta");
        if (item.partlyFailed())
            return LF("Concluído com falhas · %ld de %ld", item.arrivedEntries(), item.plannedEntries());
        return doneLine(item.files().size(), sizeText());
    case DLState::cancelled:
        return L("Cancelado");
    case DLState::failed:
        return item.failureMessage();
    }
    return {};
}

QString CardTexts::failedEntries() const
{
    if (!partlyFailed())
        return {};
    QStringList lines;
    for (const DownloadItem::EntryFailure &failure : m_item->failedEntries())
        lines << LF("Item %ld: %@", failure.index, failure.message);
    return lines.join(u'\n');
}

FailureAction CardTexts::failureAction() const
{
    return m_item ? m_item->failureAction() : FailureAction::none;
}

QString CardTexts::failureActionLabel() const
{
    switch (failureAction()) {
    case FailureAction::none:
        break;
    case FailureAction::updateEngine:
        return L("Atualizar yt-dlp");
    case FailureAction::chooseBrowser:
        return L("Escolher navegador");
    case FailureAction::installDeno:
        return L("Instalar Deno");
    case FailureAction::installMissing:
        return L("Instalar o que falta");
    case FailureAction::openSettings:
        return L("Abrir ajustes");
    case FailureAction::openProxy:
        return L("Ajustar o proxy");
    case FailureAction::chooseCookiesFile:
        return L("Escolher o arquivo de cookies");
    case FailureAction::tryNightly:
        return L("Tentar a versão nightly");
    }
    return {};
}

QString CardTexts::entry() const
{
    if (!is(DLState::downloading) || !m_item->playlist() || m_item->currentEntry().isEmpty())
        return {};
    return QStringLiteral("— ") + m_item->currentEntry();
}

QString CardTexts::lastFile() const
{
    return m_item && !m_item->files().isEmpty() ? m_item->files().constLast() : QString();
}

QString CardTexts::loginNote() const
{
    if (!m_item)
        return {};
    const ItemLogin &login = m_item->login();
    if (login.handedOver())
        return L("com o login do seu navegador");
    if (!login.browser.isEmpty())
        return LF("com o login de %@", login.browserLabel.isEmpty() ? login.browser : login.browserLabel);
    if (m_item->loginLost())
        return L("sem o login do navegador: ele não fica guardado quando o Vireloom fecha");
    return {};
}

QString CardTexts::log() const
{
    return m_item ? m_item->log().join(u'\n') : QString();
}

QString CardTexts::percentText(double progress)
{
    // The whole-number part, nudged so that 0.29 (stored as 0.28999…) reads 29 %.
    const double percent = std::isfinite(progress) ? std::floor(progress * 100.0 + 1e-9) : 0.0;
    return QString::number(static_cast<int>(std::clamp(percent, 0.0, 100.0))) + u'%';
}

QString CardTexts::progressLine(double progress, const QString &size, const QString &speed, const QString &eta, const QString &playlistPos)
{
    QStringList parts{percentText(progress)};
    if (!size.isEmpty())
        parts << size;
    if (!speed.isEmpty())
        parts << speed;
    if (!eta.isEmpty())
        parts << LF("faltam %@", eta);
    if (!playlistPos.isEmpty())
        parts << LF("item %@", playlistPos);
    return parts.join(QStringLiteral("  ·  "));
}

QString CardTexts::doneLine(qsizetype fileCount, const QString &size)
{
    if (fileCount >= 2)
        return LP("Concluído · %ld arquivo|Concluído · %ld arquivos", fileCount);
    if (!size.isEmpty())
        return LF("Concluído · %@", size);
    return L("Concluído");
}

void CardTexts::followClock()
{
    const bool running = m_item && m_item->state().isActive();
    if (running && !m_clock) {
        m_clock = new QTimer(this);
        m_clock->setInterval(1000);
        connect(m_clock, &QTimer::timeout, this, [this] {
            // A download's line changes on its own output; only a silence adds to it.
            if (is(DLState::processing)
                || (is(DLState::downloading) && m_item->lastOutput() > 0
                    && !silenceNote(QDateTime::currentMSecsSinceEpoch() - m_item->lastOutput()).isEmpty()))
                emit statusChanged();
        });
    }
    if (m_clock) {
        if (running)
            m_clock->start();
        else
            m_clock->stop();
    }
}

QString CardTexts::stepLine(const QString &step, Quality quality, qint64 elapsedMs)
{
    const char *words = QT_TRID_NOOP("Finalizando");
    if (step == u"Merger")
        words = QT_TRID_NOOP("Juntando vídeo e áudio");
    else if (step == u"ExtractAudio" || step == u"FFmpegExtractAudio")
        words = quality == Quality::m4a ? QT_TRID_NOOP("Convertendo para M4A") : QT_TRID_NOOP("Convertendo para MP3");
    else if (step == u"EmbedThumbnail")
        words = QT_TRID_NOOP("Embutindo a miniatura");
    else if (step == u"EmbedSubtitle" || step == u"FFmpegEmbedSubtitle")
        words = QT_TRID_NOOP("Embutindo as legendas");
    else if (step == u"Metadata" || step == u"FFmpegMetadata")
        words = QT_TRID_NOOP("Gravando os metadados");
    else if (step == u"SplitChapters")
        words = QT_TRID_NOOP("Dividindo em capítulos");
    else if (step == u"SponsorBlock" || step == u"ModifyChapters")
        words = QT_TRID_NOOP("Tratando os trechos patrocinados");
    else if (step.startsWith(u"Fixup"))
        words = QT_TRID_NOOP("Corrigindo o arquivo");
    else if (step == u"VideoConvertor" || step == u"VideoRemuxer")
        words = QT_TRID_NOOP("Convertendo o vídeo");
    else if (step == u"MoveFiles")
        words = QT_TRID_NOOP("Movendo para a pasta");
    else if (step == u"Concat")
        words = QT_TRID_NOOP("Juntando as partes");
    return L(words) + QStringLiteral(" · ") + Tools::fmtTime(std::max<qint64>(0, elapsedMs) / 1000.0);
}

QString CardTexts::silenceNote(qint64 silentMs)
{
    if (silentMs < kSilenceMs)
        return {};
    return LF("Sem dados há %ld min", silentMs / 60'000);
}
