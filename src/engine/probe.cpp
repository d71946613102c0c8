#include "downloader.h"

#include "engine/commandline.h"
#include "engine/logging.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "tools/childprocess.h"
#include "tools/tools.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

namespace {
QString engineMissing()
{
    return L(QStringLiteral("Motor não instalado — clique em Instalar agora."));
}
} // namespace

void Downloader::fetchInfo(DownloadItem *item)
{
    if (!m_ytdlpPath) {
        item->setState(DLState::failure(engineMissing()));
        return;
    }
    item->setState(DLState::fetching);
    m_waitingProbes.append(item->id());
    startWaitingProbes();
}

// Probes take their turn: a text with hundreds of links must not start hundreds of
// processes at once.
void Downloader::startWaitingProbes()
{
    while (m_probes.size() < kMaxProbes && !m_waitingProbes.isEmpty()) {
        DownloadItem *item = m_items->find(m_waitingProbes.takeFirst());
        if (!item || item->state().kind() != DLState::fetching || m_probes.contains(item->id()))
            continue;
        // The engine may have gone while the item waited (a refresh found none).
        if (!m_ytdlpPath)
            item->setState(DLState::failure(engineMissing()));
        else
            startProbe(item);
    }
}

void Downloader::startProbe(DownloadItem *item)
{
    const QUuid id = item->id();
    // Settings that cannot be used would send the probe out without the proxy or login
    // asked for; the item goes on unprobed and its download says what is wrong.
    if (settingsProblem(d()) || !prepareRunFiles(id)) {
        QMetaObject::invokeMethod(this, [this, id] {
            applyInfo(id, std::nullopt);
            startWaitingProbes();
        }, Qt::QueuedConnection);
        return;
    }
    const bool withCookies = !d().string(SettingsKey::cookiesFile).value_or(QString()).isEmpty();
    const bool withConfig = !privateConfig(d()).isEmpty();
    auto *process = new QProcess(this);
    process->setProgram(*m_ytdlpPath);
    // A single video is probed with the download's own format choice, so that the sizes it
    // reports are those of what will be fetched.
    const QStringList formats = item->playlist() ? QStringList() : formatSelection(item->quality(), d(), m_ffmpegPath.has_value());
    process->setArguments(probeArgs(item->url(), item->playlist(), d(), withCookies ? runCookiesFile(id) : QString(),
                                    withConfig ? runConfigFile(id) : QString(), formats));
    Tools::prepareEngineProcess(*process);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    // Only the JSON on standard output is read; the probe's complaints are not shown.
    process->setStandardErrorFile(QProcess::nullDevice());
    bindToApplication(*process);

    connect(process, &QProcess::finished, this, [this, process, id](int exitCode, QProcess::ExitStatus exitStatus) {
        const QByteArray out = process->readAllStandardOutput();
        m_probes.remove(id);
        process->deleteLater();
        removeRunFiles(id);
        std::optional<MediaInfo> info;
        if (exitStatus == QProcess::NormalExit && exitCode == 0)
            info = MediaInfo::parse(out);
        // A single video's reading serves its download; a flat playlist listing cannot.
        if (info && !info->isPlaylist)
            keepProbedInfo(id, out);
        applyInfo(id, info);
        startWaitingProbes();
    });
    connect(process, &QProcess::errorOccurred, this, [this, process, id](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCInfo(lcEngine) << "probe did not start:" << process->errorString();
        m_probes.remove(id);
        process->deleteLater();
        // A launch can fail inside startWaitingProbes(); answer from the event loop.
        QMetaObject::invokeMethod(this, [this, id] {
            applyInfo(id, std::nullopt);
            startWaitingProbes();
        }, Qt::QueuedConnection);
    });

    m_probes.insert(id, process);
    process->start(QIODevice::ReadOnly);
}

void Downloader::endProbe(const QUuid &id)
{
    QProcess *process = m_probes.take(id);
    if (!process)
        return;
    removeRunFiles(id);
    // Its answer no longer matters; the object goes once the process has been reaped.
    process->disconnect(this);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    if (!signalGroup(*process, SIGKILL))
        process->kill();
    QMetaObject::invokeMethod(this, &Downloader::startWaitingProbes, Qt::QueuedConnection);
}

void Downloader::applyInfo(const QUuid &id, const std::optional<MediaInfo> &info)
{
    DownloadItem *item = m_items->find(id);
    if (!item || item->state().kind() != DLState::fetching)
        return;
    if (info) {
        m_read.insert(id);
        applyReading(*item, *info);
        // Whatever the user chose, a playlist is downloaded as one.
        if (info->isPlaylist) {
            item->setPlaylist(true);
            item->setPlaylistCount(info->count);
        }
    }
    item->setState(DLState::queued);
    pump();
}

QString Downloader::probedInfoFile(const QUuid &id)
{
    return Tools::cacheDir() + QStringLiteral("/info/") + id.toString(QUuid::WithoutBraces) + QStringLiteral(".json");
}

void Downloader::keepProbedInfo(const QUuid &id, const QByteArray &json)
{
    const QString file = probedInfoFile(id);
    // The reading holds the page's media addresses, which are as good as a login for a
    // while: the user's alone.
    if (!Tools::makePrivateDir(QFileInfo(file).absolutePath()) || !Tools::writePrivateFile(file, json)) {
        qCInfo(lcEngine) << "could not keep the probe's reading in" << file;
        return;
    }
    m_probedInfo.insert(id, {file, QDeadlineTimer(kProbedInfoFreshMs)});
}

void Downloader::dropProbedInfo(const QUuid &id)
{
    if (const auto probed = m_probedInfo.take(id); !probed.file.isEmpty())
        QFile::remove(probed.file);
}
