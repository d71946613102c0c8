#include "downloaditem.h"

namespace {

// Stores `value` and tells observers, but only when something actually changed,
// so a progress line that repeats the last figures redraws nothing.
template<typename T, typename Signal>
void assign(DownloadItem *item, T &field, const T &value, Signal signal)
{
    if (field == value)
        return;
    field = value;
    (item->*signal)();
}

} // namespace

DownloadItem::DownloadItem(const QString &url, Quality quality, bool playlist, QObject *parent)
    : QObject(parent)
    , m_id(QUuid::createUuid())
    , m_url(url)
    , m_quality(quality)
    , m_title(url)
    , m_playlist(playlist)
{
}

void DownloadItem::setTitle(const QString &title)
{
    assign(this, m_title, title, &DownloadItem::titleChanged);
}

void DownloadItem::setThumbnail(const std::optional<QUrl> &thumbnail)
{
    assign(this, m_thumbnail, thumbnail, &DownloadItem::thumbnailChanged);
}

void DownloadItem::setSite(const QString &site)
{
    assign(this, m_site, site, &DownloadItem::siteChanged);
}

void DownloadItem::setUploader(const QString &uploader)
{
    assign(this, m_uploader, uploader, &DownloadItem::uploaderChanged);
}

void DownloadItem::setSource(const QString &source)
{
    assign(this, m_source, source, &DownloadItem::sourceChanged);
}

void DownloadItem::setWaitsUntil(const std::optional<QDateTime> &until)
{
    assign(this, m_waitsUntil, until, &DownloadItem::waitsUntilChanged);
}

void DownloadItem::setDuration(std::optional<double> duration)
{
    assign(this, m_duration, duration, &DownloadItem::durationChanged);
}

void DownloadItem::setPlaylist(bool playlist)
{
    assign(this, m_playlist, playlist, &DownloadItem::playlistChanged);
}

void DownloadItem::setPlaylistCount(std::optional<int> count)
{
    assign(this, m_playlistCount, count, &DownloadItem::playlistCountChanged);
}

void DownloadItem::setState(const DLState &state)
{
    assign(this, m_state, state, &DownloadItem::stateChanged);
    if (state.kind() != DLState::failed)
        setFailureAction(FailureAction::none);
}

void DownloadItem::setFailureAction(FailureAction action)
{
    assign(this, m_failureAction, action, &DownloadItem::failureActionChanged);
}

void DownloadItem::setProgress(double progress)
{
    assign(this, m_progress, progress, &DownloadItem::progressChanged);
}

void DownloadItem::setSpeed(std::optional<double> speed)
{
    assign(this, m_speed, speed, &DownloadItem::speedChanged);
}

void DownloadItem::setEta(std::optional<double> eta)
{
    assign(this, m_eta, eta, &DownloadItem::etaChanged);
}

void DownloadItem::setSize(std::optional<double> bytes)
{
    assign(this, m_size, bytes, &DownloadItem::sizeChanged);
}

void DownloadItem::setPlaylistPos(const QString &playlistPos)
{
    assign(this, m_playlistPos, playlistPos, &DownloadItem::playlistPosChanged);
}

void DownloadItem::setCurrentEntry(const QString &currentEntry)
{
    assign(this, m_currentEntry, currentEntry, &DownloadItem::currentEntryChanged);
}

void DownloadItem::setFiles(const QStringList &files)
{
    assign(this, m_files, files, &DownloadItem::filesChanged);
}

void DownloadItem::appendFile(const QString &path)
{
    m_files.append(path);
    emit filesChanged();
}

void DownloadItem::noteDestination(const QString &path, bool existed)
{
    if (existed && !m_preexisting.contains(path))
        m_preexisting.append(path);
    if (!m_destinations.contains(path)) {
        m_destinations.append(path);
        emit destinationsChanged();
    }
}

void DownloadItem::clearDestinations()
{
    m_destinations.clear();
    m_preexisting.clear();
}

void DownloadItem::setEntryOutcome(const QList<EntryFailure> &failed, qsizetype planned, qsizetype arrived)
{
    m_failedEntries = failed;
    m_plannedEntries = planned;
    m_arrivedEntries = arrived;
}

void DownloadItem::setStep(const QString &step, qint64 since)
{
    if (m_step == step)
        return;
    m_step = step;
    m_stepSince = since;
    emit stepChanged();
}
