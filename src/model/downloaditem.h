#pragma once

#include "model/browserlogin.h"
#include "model/dlstate.h"
#include "model/downloadoptions.h"
#include "model/failureaction.h"
#include "model/playlistledger.h"
#include "model/quality.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <algorithm>
#include <optional>

// One link in the download list. Observed fields notify on change; the log, the last
// error and the cancel flag are plain fields that notify nobody,
// so the engine can write them at output speed without redrawing anything.
class DownloadItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QString site READ site NOTIFY siteChanged)
    Q_PROPERTY(QString uploader READ uploader NOTIFY uploaderChanged)
    // The followed source that brought it, empty for a link the user gave.
    Q_PROPERTY(QString source READ source NOTIFY sourceChanged)
    Q_PROPERTY(QString stateName READ stateName NOTIFY stateChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QStringList files READ files NOTIFY filesChanged)

public:
    // What a change touched (see changed()).
    enum Change : quint32 {
        Title = 1 << 0,
        Thumbnail = 1 << 1,
        Site = 1 << 2,
        Uploader = 1 << 3,
        Source = 1 << 4,
        WaitsUntil = 1 << 5,
        Duration = 1 << 6,
        Playlist = 1 << 7,
        PlaylistCount = 1 << 8,
        State = 1 << 9,
        Failure = 1 << 10,
        Progress = 1 << 11,
        Speed = 1 << 12,
        Eta = 1 << 13,
        Size = 1 << 14,
        PlaylistPos = 1 << 15,
        CurrentEntry = 1 << 16,
        Files = 1 << 17,
        Step = 1 << 18,
        // A run announced another final name (see destinations()).
        Destinations = 1 << 19,
        Login = 1 << 20,
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    DownloadItem(const QString &url, Quality quality, bool playlist, QObject *parent = nullptr);

    QUuid id() const { return m_id; }
    QString url() const { return m_url; }
    Quality quality() const { return m_quality; }

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    std::optional<QUrl> thumbnailUrl() const { return m_thumbnail; }
    // What the probe expects the download to fetch, all parts together; absent when unknown.
    std::optional<double> expectedBytes() const { return m_expectedBytes; }
    void setExpectedBytes(std::optional<double> bytes) { m_expectedBytes = bytes; }
    // How many files it fetches one after the other (video and audio apart: 2).
    int expectedParts() const { return m_expectedParts; }
    void setExpectedParts(int parts) { m_expectedParts = std::max(parts, 1); }
    QUrl thumbnail() const { return m_thumbnail.value_or(QUrl()); }
    void setThumbnail(const std::optional<QUrl> &thumbnail);
    QString site() const { return m_site; }
    void setSite(const QString &site);
    QString uploader() const { return m_uploader; }
    void setUploader(const QString &uploader);
    QString source() const { return m_source; }
    void setSource(const QString &source);
    // When a queued item may start, as the download window has it; absent while nothing
    // holds it back.
    std::optional<QDateTime> waitsUntil() const { return m_waitsUntil; }
    void setWaitsUntil(const std::optional<QDateTime> &until);
    // A link from outside (a vireloom: address, a followed source) that the user has not
    // vouched for: its runs may reach only the public internet, whatever its pages redirect to.
    bool guarded() const { return m_guarded; }
    void setGuarded(bool guarded) { m_guarded = guarded; }
    // The login its runs use instead of the settings'; empty for the settings'.
    const ItemLogin &login() const { return m_login; }
    void setLogin(const ItemLogin &login);
    // It came back after Vireloom was closed, without the login the browser had handed
    // over: that was never kept anywhere but in memory.
    bool loginLost() const { return m_loginLost; }
    void setLoginLost(bool lost);
    // The web page the browser found the link on, empty when it did not say: where the
    // user would log in.
    QString page() const { return m_page; }
    void setPage(const QString &page);
    // Its login was chosen after a failure: when it works, the site is remembered with it.
    bool loginChosen() const { return m_loginChosen; }
    void setLoginChosen(bool chosen) { m_loginChosen = chosen; }
    // The user asked for it to start outside the download window.
    bool startsNow() const { return m_startsNow; }
    void setStartsNow(bool now) { m_startsNow = now; }
    std::optional<double> duration() const { return m_duration; }
    void setDuration(std::optional<double> duration);
    bool playlist() const { return m_playlist; }
    void setPlaylist(bool playlist);
    std::optional<int> playlistCount() const { return m_playlistCount; }
    void setPlaylistCount(std::optional<int> count);
    const DLState &state() const { return m_state; }
    QString stateName() const { return m_state.name(); }
    QString failureMessage() const { return m_state.message(); }
    // Leaving the failed state drops its action: a retried item has nothing to fix yet.
    void setState(const DLState &state);
    FailureAction failureAction() const { return m_failureAction; }
    void setFailureAction(FailureAction action);
    // It failed because the site wants a login, or a check that the visitor is no bot:
    // another login may get it through.
    bool loginWanted() const { return m_loginWanted; }
    void setLoginWanted(bool wanted);
    double progress() const { return m_progress; }
    void setProgress(double progress);
    // What the run last said of its pace: bytes per second and seconds left; absent
    // when it said nothing of them.
    std::optional<double> speed() const { return m_speed; }
    void setSpeed(std::optional<double> bytesPerSecond);
    std::optional<double> eta() const { return m_eta; }
    void setEta(std::optional<double> seconds);
    // The size in bytes of what the download fetches, or of what it delivered once done;
    // absent while unknown.
    std::optional<double> size() const { return m_size; }
    void setSize(std::optional<double> bytes);
    QString playlistPos() const { return m_playlistPos; }
    void setPlaylistPos(const QString &playlistPos);
    QString currentEntry() const { return m_currentEntry; }
    void setCurrentEntry(const QString &currentEntry);
    // The post-processing step under way ("Merger", "ExtractAudio"), and since when, in
    // milliseconds since the epoch; empty while none is.
    QString step() const { return m_step; }
    qint64 stepSince() const { return m_stepSince; }
    void setStep(const QString &step, qint64 since);
    // When the run last printed anything, in milliseconds since the epoch.
    qint64 lastOutput() const { return m_lastOutput; }
    void setLastOutput(qint64 at) { m_lastOutput = at; }
    QStringList files() const { return m_files; }
    void setFiles(const QStringList &files);
    void appendFile(const QString &path);

    const QStringList &log() const { return m_log; }
    void appendLog(const QString &line) { m_log.append(line); }
    void removeOldestLog(qsizetype count) { m_log.remove(0, std::min(count, m_log.size())); }
    void setLog(const QStringList &log) { m_log = log; }
    const std::optional<QString> &lastError() const { return m_lastError; }
    void setLastError(const std::optional<QString> &error) { m_lastError = error; }
    bool userCancelled() const { return m_userCancelled; }
    void setUserCancelled(bool cancelled) { m_userCancelled = cancelled; }
    // Given when the item is added, like its quality.
    const DownloadOptions &options() const { return m_options; }
    void setOptions(const DownloadOptions &options) { m_options = options; }
    // The last run found nothing that the download archive did not already list.
    bool alreadyArchived() const { return m_alreadyArchived; }
    void setAlreadyArchived(bool archived) { m_alreadyArchived = archived; }
    // What became of each entry of a playlist in the last run, as its output told.
    PlaylistLedger &ledger() { return m_ledger; }
    const PlaylistLedger &ledger() const { return m_ledger; }
    // The entries of a playlist that failed, each with its sentence, and how many of how
    // many arrived; set when the run ends. A run that ends with some failed is done all
    // the same, with what arrived.
    struct EntryFailure
    {
        qint64 index = 0;
        QString message;
    };
    const QList<EntryFailure> &failedEntries() const { return m_failedEntries; }
    qsizetype plannedEntries() const { return m_plannedEntries; }
    qsizetype arrivedEntries() const { return m_arrivedEntries; }
    void setEntryOutcome(const QList<EntryFailure> &failed, qsizetype planned, qsizetype arrived);
    bool partlyFailed() const { return m_state.kind() == DLState::done && !m_failedEntries.isEmpty(); }
    // Another link with the same title has its file under the title alone: this one's name
    // carries the site's id too.
    bool distinctName() const { return m_distinctName; }
    void setDistinctName(bool distinct) { m_distinctName = distinct; }
    // The last run delivered only files that were in the folder before it started.
    bool alreadyThere() const { return m_alreadyThere; }
    void setAlreadyThere(bool there) { m_alreadyThere = there; }
    // Which engine did the work, when it was not the yt-dlp in use; set before the state
    // that shows it.
    QString engineNote() const { return m_engineNote; }
    void setEngineNote(const QString &note) { m_engineNote = note; }

    // A reading of the page gave the title and sizes: a probe's, or an earlier run's own.
    // A run of an item without one reads the link itself.
    bool pageRead() const { return m_pageRead; }
    void setPageRead(bool read) { m_pageRead = read; }
    // The final names the last run announced, and those of them that were already there.
    const QStringList &destinations() const { return m_destinations; }
    const QStringList &preexisting() const { return m_preexisting; }
    void noteDestination(const QString &path, bool existed);
    void clearDestinations();

signals:
    // Everything that changed in one go, for whatever shows the item: it answers in one place.
    void changed(DownloadItem::Changes what);
    // The properties QML reads from the item itself.
    void titleChanged();
    void siteChanged();
    void uploaderChanged();
    void sourceChanged();
    void stateChanged();
    void progressChanged();
    void filesChanged();

private:
    // Stores `value` and tells observers, only when something actually changed, so that a
    // progress line that repeats the last figures redraws nothing.
    template<typename T>
    void assign(T &field, const T &value, Change what, void (DownloadItem::*property)() = nullptr);

    const QUuid m_id;
    const QString m_url;
    const Quality m_quality;
    QString m_title;
    std::optional<QUrl> m_thumbnail;
    QString m_site;
    QString m_uploader;
    QString m_source;
    bool m_guarded = false;
    ItemLogin m_login;
    bool m_loginLost = false;
    bool m_loginChosen = false;
    QString m_page;
    std::optional<QDateTime> m_waitsUntil;
    bool m_startsNow = false;
    std::optional<double> m_duration;
    bool m_playlist;
    std::optional<int> m_playlistCount;
    DLState m_state;
    FailureAction m_failureAction = FailureAction::none;
    bool m_loginWanted = false;
    double m_progress = 0.0;
    std::optional<double> m_expectedBytes;
    int m_expectedParts = 1;
    std::optional<double> m_speed;
    std::optional<double> m_eta;
    std::optional<double> m_size;
    QString m_playlistPos;
    QString m_currentEntry;
    QStringList m_files;
    QString m_step;
    qint64 m_stepSince = 0;
    qint64 m_lastOutput = 0;

    QStringList m_log;
    std::optional<QString> m_lastError;
    bool m_userCancelled = false;
    DownloadOptions m_options;
    bool m_alreadyArchived = false;
    bool m_alreadyThere = false;
    QString m_engineNote;
    bool m_pageRead = false;
    PlaylistLedger m_ledger;
    QList<EntryFailure> m_failedEntries;
    qsizetype m_plannedEntries = 0;
    qsizetype m_arrivedEntries = 0;
    bool m_distinctName = false;
    QStringList m_destinations;
    QStringList m_preexisting;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DownloadItem::Changes)
