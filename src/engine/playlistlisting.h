#pragma once

#include "model/mediainfo.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

class EngineSetup;
class QProcess;
class Settings;

// Reads what a link lists before anything is downloaded: the engine, run as a child
// process with the settings as they are, prints the playlist's JSON, which is parsed away
// from the GUI thread. One reading at a time; a new one replaces the last.
class PlaylistListing : public QObject
{
    Q_OBJECT

public:
    PlaylistListing(const Settings &settings, const EngineSetup &engine, QObject *parent = nullptr);
    ~PlaylistListing() override;

    // Starts reading `url`. A reason is given at once when it cannot start (no engine, a
    // setting that stops every run); otherwise read() follows.
    std::optional<QString> start(const QString &url);
    // Forgets the reading under way: nothing of it is told.
    void stop();
    bool busy() const { return m_process != nullptr || m_parsing; }

signals:
    // What the reading found (nothing when its JSON could not be read), with the error lines
    // the engine wrote while reading: one per entry it could not read, in order.
    void read(const QString &url, const std::optional<MediaInfo> &info, const QStringList &errors);

private:
    const Settings &m_settings;
    const EngineSetup &m_engine;
    QProcess *m_process = nullptr;
    // Names the private files of the running reading.
    QUuid m_runId;
    bool m_parsing = false;
    int m_generation = 0;
};
