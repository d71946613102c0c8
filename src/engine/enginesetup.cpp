#include "enginesetup.h"

#include "base/paths.h"
#include "base/toolrun.h"
#include "engine/logging.h"
#include "installer/engineinstaller.h"
#include "installer/install.h"
#include "settings/settings.h"

#include <QFileInfo>

namespace {
// Where the last failed installation is kept, so that it survives a restart.
constexpr QLatin1StringView kInstallFailureKey("engineInstallFailure");
constexpr QLatin1StringView kInstallFailedAtKey("engineInstallFailedAt");
} // namespace

EngineSetup::EngineSetup(Settings *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_installer(new EngineInstaller(this))
    , m_freshness(new FreshnessMonitor(settings, this))
{
    connect(m_installer, &EngineInstaller::installingChanged, this, &EngineSetup::installingChanged);
    // While an installation runs, no failure is shown.
    connect(m_installer, &EngineInstaller::installingChanged, this, &EngineSetup::installFailureChanged);
    connect(m_installer, &EngineInstaller::statusChanged, this, &EngineSetup::installStatusChanged);
    connect(m_installer, &EngineInstaller::finished, this, [this](bool succeeded) {
        if (succeeded) {
            m_settings->remove(QString(kInstallFailureKey));
            m_settings->remove(QString(kInstallFailedAtKey));
        } else {
            m_settings->setValue(QString(kInstallFailureKey), m_installer->storedFailure());
            m_settings->setValue(QString(kInstallFailedAtKey), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        }
        emit installFailureChanged();
        refresh();
    });
    connect(m_installer, &EngineInstaller::latestYtDlpSeen, m_freshness, &FreshnessMonitor::record);
    connect(m_freshness, &FreshnessMonitor::changed, this, &EngineSetup::freshnessChanged);
    connect(this, &EngineSetup::ytdlpVersionChanged, this, &EngineSetup::freshnessChanged);
    locate();
}

void EngineSetup::startChecks()
{
    if (m_checksStarted)
        return;
    m_checksStarted = true;
    queryVersions();
    m_freshness->start();
}

bool EngineSetup::installing() const
{
    return m_installer->installing();
}

QString EngineSetup::installStatus() const
{
    return m_installer->status();
}

QString EngineSetup::installFailure() const
{
    if (m_installer->installing())
        return {};
    return EngineInstaller::wordStoredFailure(m_settings->string(kInstallFailureKey).value_or(QString()));
}

QDateTime EngineSetup::installFailedAt() const
{
    if (installFailure().isEmpty())
        return {};
    return QDateTime::fromString(m_settings->string(kInstallFailedAtKey).value_or(QString()), Qt::ISODate);
}

void EngineSetup::refresh()
{
    locate();
    queryVersions();
}

void EngineSetup::locate()
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

void EngineSetup::queryVersions()
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

void EngineSetup::install(bool forceYtDlp)
{
    m_installer->install(forceYtDlp);
}

void EngineSetup::rollBack()
{
    m_installer->rollBack();
}

EngineFreshness EngineSetup::freshness() const
{
    return m_freshness->assess(m_ytdlpVersion);
}

QString EngineSetup::ytdlpLatest() const
{
    return m_freshness->latest();
}

void EngineSetup::refreshPrevious()
{
    const std::optional<QString> path = Tools::previousYtDlp();
    if (!path) {
        m_previousStamp.clear();
        setPrevious(std::nullopt, QString());
        return;
    }
    const QFileInfo kept(*path);
    const QString stamp = kept.symLinkTarget() + u'|' + kept.lastModified().toString(Qt::ISODateWithMs) + u'|' + QString::number(kept.size());
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

void EngineSetup::setPrevious(const std::optional<QString> &path, const QString &version)
{
    if (m_previousPath == path && m_previousVersion == version)
        return;
    m_previousPath = path;
    m_previousVersion = version;
    emit previousYtdlpChanged();
}

void EngineSetup::setYtdlpVersion(const QString &version)
{
    if (m_ytdlpVersion == version)
        return;
    m_ytdlpVersion = version;
    emit ytdlpVersionChanged();
}
