#pragma once

#include "model/mediainfo.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

#include <optional>

class DownloadItem;
class DownloadList;
class EngineSetup;
class GuardProxy;
class QProcess;
class Settings;

// Reads what a link is before it is downloaded: the engine's JSON reading of the page,
// one process per link, a few at a time. A single video's reading is kept for a while,
// so that its download need not read the page again.
class Probes : public QObject
{
    Q_OBJECT

public:
    // At most this many probes run at once; the others wait their turn.
    static constexpr int kMaxRunning = 6;
    // How long a reading serves the download: the media addresses in it expire, so after
    // this the download reads the page anew.
    static constexpr qint64 kReadingFreshMs = 15 * 60 * 1000;

    Probes(Settings *settings, EngineSetup *engine, DownloadList *items, QObject *parent = nullptr);
    // Probes still running are killed: their answers no longer matter.
    ~Probes() override;

    // Probes the item, now or when a turn is free; the answer comes through `answered`.
    void request(const QUuid &id);
    // Forgets the item's probe, running or waiting; no answer comes for it.
    void cancel(const QUuid &id);
    int running() const { return static_cast<int>(m_running.size()); }
    // The proxy guarded items are probed through; without one they are not probed.
    void setGuard(GuardProxy *guard) { m_guard = guard; }

    // Where the reading of a single video is kept until its download ends.
    static QString readingFile(const QUuid &id);
    // The kept reading while it is fresh, empty otherwise.
    QString freshReading(const QUuid &id) const;
    void dropReading(const QUuid &id);

signals:
    // What the probe read, or nothing when it failed or could not run. The item was
    // waiting for it and is still listed.
    void answered(const QUuid &id, const std::optional<MediaInfo> &info);

private:
    void startWaiting();
    void start(DownloadItem *item);
    void answerLater(const QUuid &id);
    void keepReading(const QUuid &id, const QByteArray &json);

    Settings *m_settings;
    EngineSetup *m_engine;
    DownloadList *m_items;
    GuardProxy *m_guard = nullptr;
    QHash<QUuid, QProcess *> m_running;
    QList<QUuid> m_waiting;
    struct Reading
    {
        QString file;
        QDeadlineTimer fresh;
    };
    QHash<QUuid, Reading> m_readings;
};
