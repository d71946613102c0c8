#pragma once

#include "base/childprocess.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>

// Runs a tool to completion on the calling thread's event loop: the asynchronous
// counterpart of Tools::run, for the GUI thread. Exactly one of finished() or
// failedToStart() is emitted per start(); stop() kills the child and emits neither.
// A child that writes more than kOutputLimit bytes to either stream is killed and
// finishes with RunResult::outputTooLarge: no listing or version answer comes near it,
// and what a misbehaving engine prints must not fill the memory.
class ToolRun : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kOutputLimit = 16 << 20;

    explicit ToolRun(QObject *parent = nullptr);
    ~ToolRun() override;

    void start(const QString &path, const QStringList &args, const std::optional<QProcessEnvironment> &env = std::nullopt);
    void stop();
    bool isRunning() const;

signals:
    void finished(const RunResult &result);
    void failedToStart(const QString &error);

private:
    void collect();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);

    QProcess m_process;
    QByteArray m_out;
    QByteArray m_err;
    bool m_stopped = false;
    bool m_tooLarge = false;
};
