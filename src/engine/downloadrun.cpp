#include "downloadrun.h"

#include "base/childprocess.h"
#include "engine/guardproxy.h"
#include "engine/runfiles.h"
#include "installer/install.h"
#include "model/downloaditem.h"

#include <QDateTime>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <utility>

namespace {

// Some releases (Debian 12's) end a post-processing line with no line break, so it stays
// unfinished while its step runs, which is when the step has to show. A step's name
// arrives in one write: the last one in what waits is the step under way.
void showPendingStep(DownloadItem &item, QByteArrayView pending, const RunOutput &run)
{
    if (!pending.startsWith(QByteArrayView(Marker::postprocess.data(), Marker::postprocess.size())))
        return;
    const QString text = QString::fromUtf8(pending);
    const OutputPieces pieces = splitOutputLine(text);
    const QStringView last = pieces.last();
    if (!last.startsWith(run.markers.postprocess()))
        return;
    item.setLastOutput(QDateTime::currentMSecsSinceEpoch());
    item.setStep(last.sliced(run.markers.postprocess().size()).toString(), QDateTime::currentMSecsSinceEpoch());
    item.setState(DLState::processing);
}

} // namespace

DownloadRun::DownloadRun(DownloadItem *item, const RunOutput &output, Reading reading, QObject *parent)
    : QObject(parent)
    , m_id(item->id())
    , m_item(item)
    , m_output(output)
    , m_reading(reading)
    , m_awaitingReading(reading == Reading::byItself && !item->playlist())
    , m_reader([this](QStringView line) { handle(line); })
{
}

DownloadRun::~DownloadRun()
{
    if (m_process)
        m_process->disconnect(this);
    // A run ended with the application (its process told to stop, or killed) never hears
    // its end: what it was given, a login among it, goes now all the same.
    RunFiles::remove(m_id);
}

void DownloadRun::start(const RunEngine &engine, const QStringList &args, bool guarded)
{
    m_engine = engine;
    m_process = new QProcess(this);
    m_process->setProgram(engine.path);
    m_process->setArguments(args);
    Tools::prepareEngineProcess(*m_process);
    if (guarded)
        m_process->setProcessEnvironment(GuardProxy::guardedEnvironment(m_process->processEnvironment()));
    // One channel: errors arrive in the order yt-dlp wrote them among the other lines.
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardInputFile(QProcess::nullDevice());
    bindToApplication(*m_process);

    connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
        m_reader.feed(m_process->readAllStandardOutput());
        if (m_item)
            showPendingStep(*m_item, m_reader.pending(), m_output);
    });
    // Every line is handled, in order, before the end of the run is told.
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus exitStatus) {
        m_reader.feed(m_process->readAllStandardOutput());
        m_reader.flush();
        release();
        // A process killed by a signal reports the signal's number; never let it read as success.
        emit ended(exitStatus == QProcess::CrashExit && exitCode == 0 ? -1 : exitCode);
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        const QString reason = m_process->errorString();
        release();
        emit failedToStart(reason);
    });
    m_process->start(QIODevice::ReadOnly);
}

// The process is done with its files; the queue deletes the run once it has heard.
void DownloadRun::release()
{
    m_awaitingReading = false;
    RunFiles::remove(m_id);
}

void DownloadRun::handle(QStringView line)
{
    if (m_item) {
        m_item->setLastOutput(QDateTime::currentMSecsSinceEpoch());
        applyOutputLine(*m_item, line, m_output);
    }
    if (m_reading == Reading::byItself && line.startsWith(m_output.markers.reading())) {
        // Once the run has said what its video is called, others may start beside it.
        const bool wasAwaiting = std::exchange(m_awaitingReading, false);
        if (m_item)
            m_item->setPageRead(true);
        if (wasAwaiting)
            emit readingGiven();
    }
}

bool DownloadRun::running() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 DownloadRun::processGroup() const
{
    return m_process && m_process->state() == QProcess::Running ? m_process->processId() : 0;
}

void DownloadRun::interrupt(int graceMs)
{
    if (!running())
        return;
    // An interrupt lets yt-dlp and ffmpeg stop cleanly; one that ignores it is told to
    // terminate after the grace period.
    QProcess *process = m_process;
    if (process->state() == QProcess::Running)
        signalGroup(*process, SIGINT);
    else
        connect(process, &QProcess::started, process, [process] { signalGroup(*process, SIGINT); });
    QTimer::singleShot(graceMs, process, [process] { signalGroup(*process, SIGTERM); });
}

void DownloadRun::terminate(bool waitForStart)
{
    if (!m_process)
        return;
    // A process whose start has not been confirmed yet may not lead its group yet.
    if (waitForStart && m_process->state() == QProcess::Starting)
        m_process->waitForStarted(1000);
    signalGroup(*m_process, SIGTERM);
}

void DownloadRun::waitForEnd(int ms)
{
    if (m_process)
        m_process->waitForFinished(ms);
}

void DownloadRun::kill()
{
    if (m_process && signalGroup(*m_process, SIGKILL))
        m_process->waitForFinished(1000);
}
