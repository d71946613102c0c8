#pragma once

#include "engine/queuejournal.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

class DownloadQueue;
class Settings;

// The journal of unfinished downloads, so that they survive a crash, a logout or a kill:
// what the queue holds is written as it changes, and what the last run left unfinished is
// offered back until the user takes it or lets it go.
class InterruptedDownloads : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY changed)
    Q_PROPERTY(QString setAside READ setAside NOTIFY setAsideChanged)

public:
    // The journal is written at most once in this time: a long queue changes many times
    // a second, and each write holds every unfinished download.
    static constexpr int kJournalGapMs = 1000;

    // Reads the journal the last run left, and follows the queue from now on.
    InterruptedDownloads(Settings *settings, DownloadQueue *queue, QObject *parent = nullptr);
    // Writes what is still pending: the journal holds the last word.
    ~InterruptedDownloads() override;

    static QString journalFile();

    // Downloads that had not finished when the application last ended, waiting for the
    // user to take them back or let them go.
    int count() const { return static_cast<int>(m_offered.size()); }
    // Adds them again; those that were running continue from their partial files.
    Q_INVOKABLE void resume();
    Q_INVOKABLE void discard();
    // Where a journal that could not be read was kept, until the user has seen it.
    QString setAside() const { return m_setAside; }
    Q_INVOKABLE void dismissSetAside();

    // Writes now whatever waits to be written.
    void flush();

signals:
    void changed();
    void setAsideChanged();

private:
    void schedule();
    void write();

    Settings *m_settings;
    DownloadQueue *m_queue;
    QList<JournalEntry> m_offered;
    QString m_setAside;
    bool m_writable = true;
    bool m_pending = false;
    QElapsedTimer m_written;
};
