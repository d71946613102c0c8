#include "downloader.h"

#include "base/childprocess.h"
#include "base/paths.h"
#include "history/historybook.h"
#include "history/historylist.h"
#include "installer/engineinstaller.h"
#include "installer/install.h"
#include "installer/toolrun.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcEngine, "vireloom.engine")

namespace {
// Where the last failed installation is kept, so that it survives a restart.
constexpr QLatin1StringView kInstallFailureKey("engineInstallFailure");
constexpr QLatin1StringView kInstallFailedAtKey("engineInstallFailedAt");
} // namespace

Downloader::Downloader(Settings *settings, QObject *parent, EngineChecks checks)
    : QObject(parent)
    , m_settings(settings)
    , m_installer(new EngineInstaller(this))
    , m_freshness(new FreshnessMonitor(settings, this))
    , m_items(new DownloadList(this))
    , m_history(new HistoryBook(Tools::supportDir() + QStringLiteral("/history.json"), this))
{
    connect(m_items, &DownloadList::countChanged, this, &Downloader::updateActiveCount);
    connect(m_items, &DownloadList::itemStateChanged, this, &Downloader::updateActiveCount);
    // What the probe read of a page serves only that download.
    connect(m_items, &DownloadList::itemStateChanged, this, [this](DownloadItem *item) {
        if (item->state().isFinished())
            dropProbedInfo(item->id());
    });
    connect(m_history->list(), &HistoryList::totalBytesChanged, this, &Downloader::totalBytesChanged);
    loadHistory();
    loadJournal();
    // Whatever changes which downloads are unfinished, or where they stand, is written.
    connect(m_items, &DownloadList::countChanged, this, &Downloader::scheduleJournal);
    connect(m_items, &DownloadList::itemStateChanged, this, &Downloader::scheduleJournal);

    connect(m_installer, &EngineInstaller::installingChanged, this, &Downloader::installingChanged);
    // While an installation runs, no failure is shown.
    connect(m_installer, &EngineInstaller::installingChanged, this, &Downloader::installFailureChanged);
    connect(m_installer, &EngineInstaller::statusChanged, this, &Downloader::installStatusChanged);
    connect(m_installer, &EngineInstaller::finished, this, [this](bool succeeded) {
        if (succeeded) {
            m_settings->remove(QString(kInstallFailureKey));
            m_settings->remove(QString(kInstallFailedAtKey));
        } else {
            m_settings->setValue(QString(kInstallFailureKey), m_installer->storedFailure());
            m_settings->setValue(QString(kInstallFailedAtKey), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        }
        emit installFailureChanged();
        refreshEngine();
    });
    connect(m_installer, &EngineInstaller::latestYtDlpSeen, m_freshness, &FreshnessMonitor::record);
    connect(m_freshness, &FreshnessMonitor::changed, this, &Downloader::freshnessChanged);
    connect(this, &Downloader::ytdlpVersionChanged, this, &Downloader::freshnessChanged);

    locateEngine();
    if (checks == EngineChecks::Immediately)
        startEngineChecks();
}

void Downloader::startEngineChecks()
{
    if (m_engineChecksStarted)
        return;
    m_engineChecksStarted = true;
    queryEngineVersions();
    m_freshness->start();
}

void Downloader::loadHistory()
{
    m_history->load();
}

HistoryList *Downloader::history() const
{
    return m_history->list();
}

qint64 Downloader::totalBytes() const
{
    return m_history->list()->totalBytes();
}

void Downloader::removeHistory(const QUuid &entryId)
{
    m_history->remove(entryId);
}

void Downloader::clearHistory()
{
    m_history->clear();
}

bool Downloader::installing() const
{
    return m_installer->installing();
}

QString Downloader::installStatus() const
{
    return m_installer->status();
}

QString Downloader::installFailure() const
{
    if (m_installer->installing())
        return {};
    return EngineInstaller::wordStoredFailure(settings().string(kInstallFailureKey).value_or(QString()));
}

QDateTime Downloader::installFailedAt() const
{
    if (installFailure().isEmpty())
        return {};
    return QDateTime::fromString(settings().string(kInstallFailedAtKey).value_or(QString()), Qt::ISODate);
}

void Downloader::refreshEngine()
{
    locateEngine();
    queryEngineVersions();
}

void Downloader::locateEngine()
{
    const auto ytdlp = Tools::find(QStringLiteral("yt-dlp"));
    const auto ffmpeg = Tools::find(QStringLiteral("ffmpeg"));
    const auto deno = Tools::find(QStringLiteral("deno"));
    if (ytdlp != m_ytdlpPath || ffmpeg != m_ffmpegPath || deno != m_denoPath) {
        m_ytdlpPath = ytdlp;
        m_ffmpegPath = ffmpeg;
        m_denoPath = deno;
        emit engineChanged();
    }
}

void Downloader::queryEngineVersions()
{
    refreshPrevious();
    if (!m_ytdlpPath) {
        setYtdlpVersion(QString());
        return;
    }

    // The previous version stays on show until this query answers; when refreshes
    // overlap, the last query to finish wins.
    auto *query = new ToolRun(this);
    connect(query, &ToolRun::finished, this, [this, query](const RunResult &result) {
        setYtdlpVersion(result.out.trimmed());
        query->deleteLater();
    });
    connect(query, &ToolRun::failedToStart, this, [this, query](const QString &error) {
        qCInfo(lcEngine) << "yt-dlp did not start for --version:" << error;
        setYtdlpVersion(QString());
        query->deleteLater();
    });
    query->start(*m_ytdlpPath, {Tools::kIgnoreConfig, QStringLiteral("--version")}, Tools::env());
}

void Downloader::installEngine(bool forceYtDlp)
{
    m_installer->install(forceYtDlp);
}

void Downloader::rollBackEngine()
{
    m_installer->rollBack();
}

EngineFreshness Downloader::engineFreshness() const
{
    return m_freshness->assess(m_ytdlpVersion);
}

QString Downloader::ytdlpLatest() const
{
    return m_freshness->latest();
}

void Downloader::refreshPrevious()
{
    const std::optional<QString> path = Tools::previousYtDlp();
    if (!path) {
        m_previousStamp.clear();
        setPrevious(std::nullopt, QString());
        return;
    }
    const QFileInfo kept(*path);
    const QString stamp = kept.symLinkTarget() + u'|' + kept.lastModified().toString(Qt::ISODateWithMs) + u'|'
        + QString::number(kept.size());
    if (stamp == m_previousStamp)
        return;
    m_previousStamp = stamp;
    auto *query = new ToolRun(this);
    auto answer = [this, query, path](const QString &version) {
        setPrevious(path, version);
        query->deleteLater();
    };
    connect(query, &ToolRun::finished, this, [answer](const RunResult &result) { answer(result.out.trimmed()); });
    connect(query, &ToolRun::failedToStart, this, [answer] { answer(QString()); });
    query->start(*path, {Tools::kIgnoreConfig, QStringLiteral("--version")}, Tools::env());
}

void Downloader::setPrevious(const std::optional<QString> &path, const QString &version)
{
    if (m_previousPath == path && m_previousVersion == version)
        return;
    m_previousPath = path;
    m_previousVersion = version;
    emit previousYtdlpChanged();
}

void Downloader::setYtdlpVersion(const QString &version)
{
    if (m_ytdlpVersion == version)
        return;
    m_ytdlpVersion = version;
    emit ytdlpVersionChanged();
}
