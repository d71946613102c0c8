#include "downloaditem.h"

template<typename T>
void DownloadItem::assign(T &field, const T &value, Change what, void (DownloadItem::*property)())
{
    if (field == value)
        return;
    field = value;
    if (property)
        (this->*property)();
    emit changed(what);
}

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
    assign(m_title, title, Title, &DownloadItem::titleChanged);
}

void DownloadItem::setThumbnail(const std::optional<QUrl> &thumbnail)
{
    assign(m_thumbnail, thumbnail, Thumbnail);
}

void DownloadItem::setSite(const QString &site)
{
    assign(m_site, site, Site, &DownloadItem::siteChanged);
}

void DownloadItem::setUploader(const QString &uploader)
{
    assign(m_uploader, uploader, Uploader, &DownloadItem::uploaderChanged);
}

void DownloadItem::setSource(const QString &source)
{
    assign(m_source, source, Source, &DownloadItem::sourceChanged);
}

void DownloadItem::setLogin(const ItemLogin &login)
{
    assign(m_login, login, Login);
}

void DownloadItem::setLoginLost(bool lost)
{
    assign(m_loginLost, lost, Login);
}

void DownloadItem::setWaitsUntil(const std::optional<QDateTime> &until)
{
    assign(m_waitsUntil, until, WaitsUntil);
}

void DownloadItem::setDuration(std::optional<double> duration)
{
    assign(m_duration, duration, Duration);
}

void DownloadItem::setPlaylist(bool playlist)
{
    assign(m_playlist, playlist, Playlist);
}

void DownloadItem::setPlaylistCount(std::optional<int> count)
{
    assign(m_playlistCount, count, PlaylistCount);
}

void DownloadItem::setState(const DLState &state)
{
    assign(m_state, state, State, &DownloadItem::stateChanged);
    if (state.kind() != DLState::failed) {
        setFailureAction(FailureAction::none);
        setLoginWanted(false);
    }
}

void DownloadItem::setFailureAction(FailureAction action)
{
    assign(m_failureAction, action, Failure);
}

void DownloadItem::setLoginWanted(bool wanted)
{
    assign(m_loginWanted, wanted, Failure);
}

void DownloadItem::setPage(const QString &page)
{
    m_page = page;
}

void DownloadItem::setProgress(double progress)
{
    assign(m_progress, progress, Progress, &DownloadItem::progressChanged);
}

void DownloadItem::setSpeed(std::optional<double> speed)
{
    assign(m_speed, speed, Speed);
}

void DownloadItem::setEta(std::optional<double> eta)
{
    assign(m_eta, eta, Eta);
}

void DownloadItem::setSize(std::optional<double> bytes)
{
    assign(m_size, bytes, Size);
}

void DownloadItem::setPlaylistPos(const QString &playlistPos)
{
    assign(m_playlistPos, playlistPos, PlaylistPos);
}

void DownloadItem::setCurrentEntry(const QString &currentEntry)
{
    assign(m_currentEntry, currentEntry, CurrentEntry);
}

void DownloadItem::setFiles(const QStringList &files)
{
    assign(m_files, files, Files, &DownloadItem::filesChanged);
}

void DownloadItem::appendFile(const QString &path)
{
    m_files.append(path);
    emit filesChanged();
    emit changed(Files);
}

void DownloadItem::noteDestination(const QString &path, bool existed)
{
    if (existed && !m_preexisting.contains(path))
        m_preexisting.append(path);
    if (!m_destinations.contains(path)) {
        m_destinations.append(path);
        emit changed(Destinations);
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
    emit changed(Step);
}
