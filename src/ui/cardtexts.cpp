#include "cardtexts.h"

#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "tools/tools.h"


#include <algorithm>
#include <cmath>

void CardTexts::setItem(DownloadItem *item)
{
    if (m_item == item)
        return;
    if (m_item)
        disconnect(m_item, nullptr, this, nullptr);
    m_item = item;
    if (item) {
        connect(item, &DownloadItem::playlistChanged, this, &CardTexts::playlistChipChanged);
        connect(item, &DownloadItem::playlistCountChanged, this, &CardTexts::playlistChipChanged);
        connect(item, &DownloadItem::durationChanged, this, &CardTexts::durationChipChanged);
        connect(item, &DownloadItem::thumbnailChanged, this, &CardTexts::thumbnailChanged);
        connect(item, &DownloadItem::stateChanged, this, &CardTexts::stateChanged);
        connect(item, &DownloadItem::failureActionChanged, this, &CardTexts::failureActionChanged);
        for (auto signal : {&DownloadItem::stateChanged, &DownloadItem::progressChanged})
            connect(item, signal, this, &CardTexts::fractionChanged);
        for (auto signal : {&DownloadItem::stateChanged, &DownloadItem::progressChanged, &DownloadItem::sizeTextChanged,
                            &DownloadItem::speedChanged, &DownloadItem::etaChanged, &DownloadItem::playlistPosChanged,
                            &DownloadItem::filesChanged})
            connect(item, signal, this, &CardTexts::statusChanged);
        for (auto signal : {&DownloadItem::stateChanged, &DownloadItem::playlistChanged, &DownloadItem::currentEntryChanged})
            connect(item, signal, this, &CardTexts::entryChanged);
        connect(item, &DownloadItem::filesChanged, this, &CardTexts::lastFileChanged);
        connect(item, &DownloadItem::siteChanged, this, &CardTexts::siteChipChanged);
        for (auto signal : {&DownloadItem::titleChanged, &DownloadItem::stateChanged, &DownloadItem::progressChanged,
                            &DownloadItem::sizeTextChanged, &DownloadItem::filesChanged})
            connect(item, signal, this, &CardTexts::updateSpoken);
        for (auto signal : {&DownloadItem::titleChanged, &DownloadItem::stateChanged, &DownloadItem::progressChanged,
                            &DownloadItem::sizeTextChanged, &DownloadItem::speedChanged, &DownloadItem::etaChanged,
                            &DownloadItem::playlistPosChanged, &DownloadItem::currentEntryChanged,
                            &DownloadItem::filesChanged})
            connect(item, signal, this, &CardTexts::logChanged);
    }
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
    updateSpoken();
}

QString CardTexts::siteChip() const
{
    return m_item ? siteTag(m_item->site()) : QString();
}

QString CardTexts::siteTag(const QString &site)
{
    const QString trimmed = site.trimmed();
    return trimmed.compare(u"generic", Qt::CaseInsensitive) == 0 ? QString() : trimmed;
}

QString CardTexts::spoken() const
{
    return m_spoken;
}

void CardTexts::updateSpoken()
{
    const QString next = m_item ? spokenText(m_item->title(), state(), m_item->progress(), status()) : QString();
    if (next == m_spoken)
        return;
    m_spoken = next;
    emit spokenChanged();
}

QString CardTexts::spokenText(const QString &title, DLState::Kind state, double progress, const QString &status)
{
    QString what = status;
    if (state == DLState::downloading) {
        const double tens = std::isfinite(progress) ? std::floor(std::clamp(progress, 0.0, 1.0) * 10.0 + 1e-9) * 0.1 : 0.0;
        what = L(QStringLiteral("Baixando")) + QStringLiteral(", ") + percentText(tens);
    }
    return title.isEmpty() ? what : title + QStringLiteral(", ") + what;
}

QString CardTexts::qualityChip() const
{
    return m_item ? L(m_item->quality().shortLabel()) : QString();
}

bool CardTexts::audio() const
{
    return m_item && m_item->quality().isAudio();
}

QString CardTexts::playlistChip() const
{
    return m_item ? playlistText(m_item->playlist(), m_item->playlistCount(), m_item->options().playlistItems.size())
                  : QString();
}

QString CardTexts::playlistText(bool playlist, std::optional<int> count, qsizetype picked)
{
    if (!playlist)
        return {};
    if (picked > 0 && count && picked < *count)
        return LF(QStringLiteral("Playlist · %ld de %ld"), picked, *count);
    if (picked > 0 && !count)
        return LF(QStringLiteral("Playlist · %ld"), picked);
    if (count)
        return LF(QStringLiteral("Playlist · %ld"), *count);
    return L(QStringLiteral("Playlist"));
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
        return L(QStringLiteral("Lendo informações…"));
    case DLState::queued:
        return L(QStringLiteral("Na fila"));
    case DLState::downloading:
        return progressLine(item.progress(), item.sizeText(), item.speed(), item.eta(), item.playlistPos());
    case DLState::processing:
        return L(QStringLiteral("Finalizando — juntando áudio e vídeo…"));
    case DLState::done:
        return doneLine(item.files().size(), item.sizeText());
    case DLState::cancelled:
        return L(QStringLiteral("Cancelado"));
    case DLState::failed:
        return item.failureMessage();
    }
    return {};
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
        return L(QStringLiteral("Atualizar yt-dlp"));
    case FailureAction::chooseBrowser:
        return L(QStringLiteral("Escolher navegador"));
    case FailureAction::installDeno:
        return L(QStringLiteral("Instalar Deno"));
    case FailureAction::installMissing:
        return L(QStringLiteral("Instalar o que falta"));
    case FailureAction::openSettings:
        return L(QStringLiteral("Abrir ajustes"));
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

QString CardTexts::progressLine(double progress, const QString &size, const QString &speed, const QString &eta,
                                const QString &playlistPos)
{
    QStringList parts{percentText(progress)};
    if (!size.isEmpty())
        parts << size;
    if (!speed.isEmpty())
        parts << speed;
    if (!eta.isEmpty())
        parts << LF(QStringLiteral("faltam %@"), eta);
    if (!playlistPos.isEmpty())
        parts << LF(QStringLiteral("item %@"), playlistPos);
    return parts.join(QStringLiteral("  ·  "));
}

QString CardTexts::doneLine(qsizetype fileCount, const QString &size)
{
    if (fileCount >= 2)
        return LP(fileCount, QStringLiteral("Concluído · %ld arquivo|Concluído · %ld arquivos"));
    if (!size.isEmpty())
        return LF(QStringLiteral("Concluído · %@"), size);
    return L(QStringLiteral("Concluído"));
}
