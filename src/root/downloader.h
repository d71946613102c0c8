#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

class Clipboard;
class Desktop;
class DownloadQueue;
class EngineSetup;
class Following;
struct FollowedSource;
struct FollowEntry;
class HistoryBook;
class HistoryList;
class InterruptedDownloads;
class LinkIntake;
class Settings;

// The application's one model object, created once in main() and observed by every view:
// it owns the services and joins them. The engine programs, the download queue, the
// journal of interrupted downloads, the links that come from outside, the followed
// sources and the history each live in a service of their own; views bind to the ones
// they need.
class Downloader : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("engine/downloadqueue.h")
    Q_MOC_INCLUDE("engine/enginesetup.h")
    Q_MOC_INCLUDE("engine/interrupteddownloads.h")
    Q_MOC_INCLUDE("following/following.h")
    Q_MOC_INCLUDE("history/historylist.h")
    Q_MOC_INCLUDE("intake/linkintake.h")
    Q_PROPERTY(EngineSetup *engine READ engine CONSTANT)
    Q_PROPERTY(DownloadQueue *queue READ queue CONSTANT)
    Q_PROPERTY(InterruptedDownloads *interrupted READ interrupted CONSTANT)
    Q_PROPERTY(LinkIntake *intake READ intake CONSTANT)
    Q_PROPERTY(HistoryList *history READ history CONSTANT)
    Q_PROPERTY(Following *following READ following CONSTANT)

public:
    // When the engine's version query and the release check begin: with the object, or
    // once engine()->startChecks() is called (the application waits for its first frame,
    // so that neither a TLS set-up nor a Python start-up competes with it).
    enum class EngineChecks { Immediately, OnRequest };

    // Loads the history and the journal, then finds the engine programs.
    explicit Downloader(Settings *settings, QObject *parent = nullptr, EngineChecks checks = EngineChecks::Immediately);
    // Writes the journal, then ends every engine process that still runs.
    ~Downloader() override;

    Settings &settings() const { return *m_settings; }
    EngineSetup *engine() const { return m_engine; }
    DownloadQueue *queue() const { return m_queue; }
    InterruptedDownloads *interrupted() const { return m_interrupted; }
    LinkIntake *intake() const { return m_intake; }
    Following *following() const { return m_following; }
    HistoryBook *historyBook() const { return m_history; }
    HistoryList *history() const;

    // The desktop and the clipboard are the application's; without them the effects
    // they stand for simply do not happen.
    void setDesktop(Desktop *desktop);
    Desktop *desktop() const { return m_desktop; }
    void setClipboard(Clipboard *clipboard);

    // Open or show a file; without one, the download folder. A file that is not media is
    // shown rather than opened; one that is gone is announced with fileGone().
    Q_INVOKABLE void open(const QString &path);
    static bool opensAsMedia(const QString &path);
    Q_INVOKABLE void reveal(const QString &path);
    Q_INVOKABLE void openFolder();
    // The folder that holds the engine programs Vireloom installed.
    Q_INVOKABLE void openEngineFolder();

    // Queues every link of a text file with the input card's last choices (read from the
    // settings, where the card keeps them). The file is read on a worker; what came of it
    // arrives through `linksImported`.
    Q_INVOKABLE void importLinks(const QString &path);

signals:
    // A file asked to be opened or shown is no longer where it was saved.
    void fileGone(const QString &path);
    // One sentence on a file of links: how many were added and how many were in the queue
    // already, or why nothing was.
    void linksImported(const QString &summary);

private:
    // What a check of a followed source found new goes into the queue, with the source's
    // choices, and the source hears once the journal holds it.
    void takeFollowed(const FollowedSource &source, const QList<FollowEntry> &entries);

    Settings *m_settings;
    Desktop *m_desktop = nullptr;
    EngineSetup *m_engine;
    HistoryBook *m_history;
    DownloadQueue *m_queue;
    InterruptedDownloads *m_interrupted;
    LinkIntake *m_intake;
    Following *m_following;
    // Reads files of links; last, so that it is gone (and its reads done) before the rest.
    QThreadPool m_reading;
};
