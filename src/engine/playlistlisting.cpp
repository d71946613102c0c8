#include "playlistlisting.h"

#include "base/childprocess.h"
#include "base/paths.h"
#include "engine/commandline.h"
#include "engine/enginesetup.h"
#include "engine/runfiles.h"
#include "i18n/i18n.h"
#include "installer/install.h"

#include <QProcess>
#include <QThread>

#include <csignal>
#include <memory>
#include <utility>

PlaylistListing::PlaylistListing(const Settings &settings, const EngineSetup &engine, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_engine(engine)
{
}

PlaylistListing::~PlaylistListing()
{
    stop();
}

void PlaylistListing::stop()
{
    ++m_generation;
    m_parsing = false;
    if (!m_process)
        return;
    m_process->disconnect(this);
    signalGroup(*m_process, SIGKILL);
    RunFiles::remove(m_runId);
    // The process is reaped once it has gone, off this call.
    connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
    if (m_process->state() == QProcess::NotRunning)
        m_process->deleteLater();
    m_process->setParent(nullptr);
    m_process = nullptr;
}

std::optional<QString> PlaylistListing::start(const QString &url)
{
    stop();
    const auto engine = m_engine.ytdlpPath();
    if (!engine)
        return L("Motor não instalado");
    if (const auto why = settingsProblem(m_settings))
        return why;
    m_runId = QUuid::createUuid();
    QString config;
    if (const QByteArray content = privateConfig(m_settings); !content.isEmpty()) {
        config = RunFiles::config(m_runId);
        if (!Tools::writePrivateFile(config, content))
            return L("Não foi possível ler a lista.");
    }
    m_process = new QProcess(this);
    m_process->setProgram(*engine);
    m_process->setArguments(planArgs(url, m_settings, config));
    Tools::prepareEngineProcess(*m_process);
    m_process->setStandardInputFile(QProcess::nullDevice());
    bindToApplication(*m_process);
    const int generation = m_generation;
    connect(m_process, &QProcess::finished, this, [this, generation, url] {
        QProcess *process = std::exchange(m_process, nullptr);
        process->deleteLater();
        RunFiles::remove(m_runId);
        // A long list is megabytes of JSON: it is read on a worker so the window keeps drawing.
        auto result = std::make_shared<std::optional<MediaInfo>>();
        QThread *worker = QThread::create([result, json = process->readAllStandardOutput()] { *result = MediaInfo::parse(json); });
        QStringList errors;
        for (const QString &line : QString::fromUtf8(process->readAllStandardError()).split(u'\n')) {
            if (line.startsWith(u"ERROR:"))
                errors << line.trimmed();
        }
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        connect(worker, &QThread::finished, this, [this, result, generation, errors, url] {
            if (generation != m_generation)
                return;
            m_parsing = false;
            emit read(url, *result, errors);
        });
        m_parsing = true;
        worker->start();
    });
    connect(m_process, &QProcess::errorOccurred, this, [this, url](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        stop();
        emit read(url, std::nullopt, {});
    });
    m_process->start();
    return std::nullopt;
}
