#pragma once

#include "base/toolrun.h"
#include "following/followedsource.h"
#include "following/sourcelisting.h"

#include <QObject>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <optional>

class Settings;

// What one check found: a listing, or why there is none.
struct CheckResult
{
    std::optional<SourceListing> listing;
    CheckProblem problem;
};

// One reading of one source by yt-dlp, on the event loop of the thread that starts it:
// nothing waits for the engine. finished() is emitted once per start(), also when the
// engine cannot be started or takes longer than the time limit; stop() ends the run
// without it.
class SourceCheck : public QObject
{
    Q_OBJECT

public:
    explicit SourceCheck(QObject *parent = nullptr);
    ~SourceCheck() override;

    // `engine` is yt-dlp's path; absent, the check fails at once (from the event loop).
    void start(const QUuid &source, const QString &url, int limit, const Settings &settings, const std::optional<QString> &engine);
    void stop();
    bool isRunning() const { return m_running; }
    const QUuid &source() const { return m_source; }

    // A run that takes longer is stopped and counts as a network failure.
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }

signals:
    void finished(const QUuid &source, const CheckResult &result);

private:
    void end(const CheckResult &result);
    void removeRunFiles();
    QString runFile(const char *suffix) const;

    ToolRun m_run;
    QTimer m_timer;
    QUuid m_source;
    QUuid m_runId;
    bool m_running = false;
    std::chrono::milliseconds m_timeLimit{std::chrono::minutes(3)};
};
