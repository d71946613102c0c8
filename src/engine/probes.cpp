#include "probes.h"

#include "base/childprocess.h"
#include "base/paths.h"
#include "engine/commandline.h"
#include "engine/enginesetup.h"
#include "engine/guardproxy.h"
#include "engine/logging.h"
#include "engine/runfiles.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

Probes::Probes(Settings *settings, EngineSetup *engine, DownloadList *items, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_engine(engine)
    , m_items(items)
{
}

Probes::~Probes()
{
    for (auto it = m_running.cbegin(); it != m_running.cend(); ++it) {
        QProcess *process = it.value();
        process->disconnect(this);
        if (process->state() == QProcess::Starting)
            process->waitForStarted(1000);
        if (signalGroup(*process, SIGKILL))
            process->waitForFinished(1000);
        // Its end is not heard any more: what it was given, a login among it, goes now.
        RunFiles::remove(it.key());
    }
    for (const Reading &reading : std::as_const(m_readings))
        QFile::remove(reading.file);
}

void Probes::request(const QUuid &id)
{
    m_waiting.append(id);
    startWaiting();
}

// Probes take their turn: a text with hundreds of links must not start hundreds of
// processes at once.
void Probes::startWaiting()
{
    while (m_running.size() < kMaxRunning && !m_waiting.isEmpty()) {
        DownloadItem *item = m_items->find(m_waiting.takeFirst());
        if (!item || item->state().kind() != DLState::fetching || m_running.contains(item->id()))
            continue;
        start(item);
    }
}

// A probe that cannot run answers with nothing, from the event loop: its item may be in
// the middle of being added.
void Probes::answerLater(const QUuid &id)
{
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            if (const DownloadItem *item = m_items->find(id); item && item->state().kind() == DLState::fetching)
                emit answered(id, std::nullopt);
            startWaiting();
        },
        Qt::QueuedConnection);
}

void Probes::start(DownloadItem *item)
{
    const QUuid id = item->id();
    // The engine may have gone while the item waited (a refresh found none). Settings
    // that cannot be used would send the probe out without the proxy or login asked
    // for: the item goes on unprobed, and its download says what is wrong.
    const std::optional<QString> ytdlp = m_engine->ytdlpPath();
    // A guarded item's probe reads its page through the guard, as its download will; when
    // the guard cannot go, neither does the probe.
    std::optional<QString> guard;
    if (item->guarded() && m_guard)
        guard = m_guard->route(m_settings->string(SettingsKey::proxy).value_or(QString()));
    if (!ytdlp || settingsProblem(*m_settings) || (item->guarded() && !guard)
        || !RunFiles::prepare(id, *m_settings, guard.value_or(QString()), item->login())) {
        answerLater(id);
        return;
    }
    const bool withCookies = RunFiles::hasCookiesFile(*m_settings, item->login());
    // The item's own login replaces the browser chosen in the settings.
    const std::optional<QString> browser = item->login().isEmpty() ? std::nullopt : std::optional(item->login().browser);
    // A reading made with a login holds it (the engine puts the cookies beside each format),
    // so it is not kept on disk: the download reads the page again.
    const bool keep = item->login().isEmpty();
    const bool withConfig = guard || !privateConfig(*m_settings).isEmpty();
    auto *process = new QProcess(this);
    process->setProgram(*ytdlp);
    // A single video is probed with the download's own format choice, so that the sizes it
    // reports are those of what will be fetched.
    QStringList formats = item->playlist()
                              ? QStringList()
                              : formatSelection(item->quality(), *m_settings, m_engine->ffmpegPath().has_value(), item->options());
    if (guard)
        formats = guardedFormats(formats);
    process->setArguments(probeArgs(item->url(), item->playlist(), *m_settings, withCookies ? RunFiles::cookies(id) : QString(),
                                    withConfig ? RunFiles::config(id) : QString(), formats, browser));
    Tools::prepareEngineProcess(*process);
    if (guard)
        process->setProcessEnvironment(GuardProxy::guardedEnvironment(process->processEnvironment()));
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    // Only the JSON on standard output is read; the probe's complaints are not shown.
    process->setStandardErrorFile(QProcess::nullDevice());
    bindToApplication(*process);

    connect(process, &QProcess::finished, this, [this, process, id, keep](int exitCode, QProcess::ExitStatus exitStatus) {
        const QByteArray out = process->readAllStandardOutput();
        m_running.remove(id);
        process->deleteLater();
        RunFiles::remove(id);
        std::optional<MediaInfo> info;
        if (exitStatus == QProcess::NormalExit && exitCode == 0)
            info = MediaInfo::parse(out);
        // A single video's reading serves its download; a flat playlist listing cannot.
        if (info && !info->isPlaylist && keep)
            keepReading(id, out);
        if (const DownloadItem *item = m_items->find(id); item && item->state().kind() == DLState::fetching)
            emit answered(id, info);
        startWaiting();
    });
    connect(process, &QProcess::errorOccurred, this, [this, process, id](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCInfo(lcEngine) << "probe did not start:" << process->errorString();
        m_running.remove(id);
        process->deleteLater();
        RunFiles::remove(id);
        answerLater(id);
    });

    m_running.insert(id, process);
    process->start(QIODevice::ReadOnly);
}

void Probes::cancel(const QUuid &id)
{
    m_waiting.removeAll(id);
    QProcess *process = m_running.take(id);
    if (!process)
        return;
    RunFiles::remove(id);
    // Its answer no longer matters; the object goes once the process has been reaped.
    process->disconnect(this);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    if (!signalGroup(*process, SIGKILL))
        process->kill();
    QMetaObject::invokeMethod(this, &Probes::startWaiting, Qt::QueuedConnection);
}

QString Probes::readingFile(const QUuid &id)
{
    return Tools::cacheDir() + QStringLiteral("/info/") + id.toString(QUuid::WithoutBraces) + QStringLiteral(".json");
}

QString Probes::freshReading(const QUuid &id) const
{
    const auto reading = m_readings.constFind(id);
    return reading != m_readings.cend() && !reading->fresh.hasExpired() ? reading->file : QString();
}

void Probes::keepReading(const QUuid &id, const QByteArray &json)
{
    const QString file = readingFile(id);
    // The reading holds the page's media addresses, which are as good as a login for a
    // while: the user's alone.
    if (!Tools::makePrivateDir(QFileInfo(file).absolutePath()) || !Tools::writePrivateFile(file, json)) {
        qCInfo(lcEngine) << "could not keep the probe's reading in" << file;
        return;
    }
    m_readings.insert(id, {file, QDeadlineTimer(kReadingFreshMs)});
}

void Probes::dropReading(const QUuid &id)
{
    if (const Reading reading = m_readings.take(id); !reading.file.isEmpty())
        QFile::remove(reading.file);
}
