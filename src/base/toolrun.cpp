#include "toolrun.h"

#include "base/childprocess.h"
#include "base/paths.h"

ToolRun::ToolRun(QObject *parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ToolRun::collect);
    connect(&m_process, &QProcess::readyReadStandardError, this, &ToolRun::collect);
    connect(&m_process, &QProcess::finished, this, &ToolRun::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &ToolRun::onError);
}

ToolRun::~ToolRun()
{
    // A killed child is reaped at once; waiting here keeps it from lingering as a zombie.
    if (isRunning()) {
        stop();
        m_process.waitForFinished(1000);
    }
}

void ToolRun::start(const QString &path, const QStringList &args, const std::optional<QProcessEnvironment> &env)
{
    Q_ASSERT_X(!isRunning(), "ToolRun::start", "one run at a time");
    m_stopped = false;
    m_tooLarge = false;
    m_out.clear();
    m_err.clear();
    m_process.setProgram(path);
    m_process.setArguments(args);
    m_process.setProcessEnvironment(env ? *env : QProcessEnvironment::systemEnvironment());
    m_process.setWorkingDirectory(Tools::engineWorkDir());
    m_process.setStandardInputFile(QProcess::nullDevice());
    bindToApplication(m_process);
    m_process.start(QIODevice::ReadOnly);
}

void ToolRun::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // The child is reaped asynchronously; its finished signal is then swallowed.
    m_stopped = true;
    m_process.kill();
}

bool ToolRun::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

void ToolRun::collect()
{
    if (m_tooLarge) {
        m_process.readAllStandardOutput();
        m_process.readAllStandardError();
        return;
    }
    m_out += m_process.readAllStandardOutput();
    m_err += m_process.readAllStandardError();
    if (m_out.size() > kOutputLimit || m_err.size() > kOutputLimit) {
        m_tooLarge = true;
        m_out.clear();
        m_err.clear();
        m_process.kill();
    }
}

void ToolRun::onFinished(int exitCode, QProcess::ExitStatus)
{
    collect();
    if (m_stopped) {
        m_out.clear();
        m_err.clear();
        return;
    }
    RunResult result;
    result.status = m_tooLarge ? -1 : exitCode;
    result.outputTooLarge = m_tooLarge;
    result.out = QString::fromUtf8(m_out);
    result.err = QString::fromUtf8(m_err);
    m_out.clear();
    m_err.clear();
    emit finished(result);
}

void ToolRun::onError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart && !m_stopped)
        emit failedToStart(m_process.errorString());
}
