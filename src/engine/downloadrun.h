#pragma once

#include "engine/linereader.h"
#include "engine/progress.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

class DownloadItem;
class QProcess;

// The yt-dlp a run starts: the one in use, or the one kept because it last finished a
// download (see Tools::keptYtDlp()).
struct RunEngine
{
    QString path;
    QString version;
    // This is the kept one, tried after `failedVersion` failed.
    bool kept = false;
    QString failedVersion;
    // With the one in use: the kept yt-dlp as it was when the run started, to try when
    // this one fails.
    std::optional<QString> fallback;
    QString fallbackVersion;
};

// One run of yt-dlp for one download: it owns the process, cuts its output into lines and
// applies each to its item, and removes the run's private files when the process is gone.
// It holds its item until the queue lets go of it (the item was removed); the process
// then runs on to its end, printing to no one.
class DownloadRun : public QObject
{
    Q_OBJECT

public:
    // How the run began: from the probe's reading (the command line names a file instead
    // of the link), or with the link alone, which the run reads itself.
    enum class Reading { fromProbe, byItself, before };

    DownloadRun(DownloadItem *item, const RunOutput &output, Reading reading, QObject *parent = nullptr);
    ~DownloadRun() override;

    QUuid id() const { return m_id; }
    // Null once the queue has let go of it.
    DownloadItem *item() const { return m_item; }
    void forgetItem() { m_item = nullptr; }

    // Given the probe's reading, the run names a file; a restart with fresh media
    // addresses is only for such a run.
    bool fromReading() const { return m_reading == Reading::fromProbe; }
    // Nothing had read the link before this run: its title was not known when it began.
    bool readsLinkItself() const { return m_reading == Reading::byItself; }
    // A single video read by its own run has not said yet what it fetches, so what starts
    // beside it could pick the same file name.
    bool holdsOthersBack() const { return m_awaitingReading; }
    // Where the run puts its files, and the subfolders that were there when it began (a
    // playlist's run makes one of its own).
    QString folder() const { return m_output.folder; }
    const QStringList &foldersBefore() const { return m_foldersBefore; }
    void setFoldersBefore(const QStringList &folders) { m_foldersBefore = folders; }

    // Starts the engine; every line it prints is applied before ended() is emitted.
    void start(const RunEngine &engine, const QStringList &args, bool guarded);
    const RunEngine &engine() const { return m_engine; }
    // Applies one line of the run's output to its item.
    void handle(QStringView line);

    bool running() const;
    // The process group of the run (it holds yt-dlp's own children), 0 when none runs.
    qint64 processGroup() const;
    // Asks the run to stop cleanly (an interrupt, as from a terminal), and to terminate if it
    // has not within `graceMs`.
    void interrupt(int graceMs);
    // Asks the run to terminate now; `waitForStart` waits a moment for a process still
    // starting (where no event loop is left to tell the queue it has).
    void terminate(bool waitForStart = false);
    // Only where no event loop is left: at the end of the application.
    void waitForEnd(int ms);
    void kill();

signals:
    // The run has said what it fetches (its title and file name are known).
    void readingGiven();
    // `status` is the exit code, or the signal's number (-1 for a crash that gave none).
    void ended(int status);
    void failedToStart(const QString &error);

private:
    void release();

    QUuid m_id;
    QPointer<DownloadItem> m_item;
    RunOutput m_output;
    QStringList m_foldersBefore;
    Reading m_reading;
    RunEngine m_engine;
    bool m_awaitingReading = false;
    LineReader m_reader;
    QProcess *m_process = nullptr;
};
