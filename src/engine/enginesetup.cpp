#include "enginesetup.h"

#include "base/paths.h"
#include "base/toolrun.h"
#include "engine/logging.h"
#include "installer/engineinstaller.h"
#include "installer/install.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

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
    connect(this, &EngineSetup::keptYtdlpChanged, this, &EngineSetup::freshnessChanged);
    // Whether ffmpeg or Deno is behind depends on where each is and what it answers.
    connect(this, &EngineSetup::componentVersionsChanged, this, &EngineSetup::freshnessChanged);
    connect(this, &EngineSetup::engineChanged, this, &EngineSetup::freshnessChanged);
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
    refreshCopy(m_previous, Tools::previousYtDlp(), &EngineSetup::previousYtdlpChanged);
    refreshCopy(m_kept, Tools::keptYtDlp(), &EngineSetup::keptYtdlpChanged);
    refreshCopy(m_setAside, Tools::setAsideYtDlpPath(), &EngineSetup::keptYtdlpChanged);
    queryComponentVersions();
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

void EngineSetup::updateOthers()
{
    bool ffmpeg = ffmpegUpdateAvailable();
    bool deno = denoUpdateAvailable() || denoTooOld();
    if (!ffmpeg && !deno)
        ffmpeg = deno = true;
    m_installer->install(false, Releases::channelNamed(m_settings->string(SettingsKey::engineChannel).value_or(QString())), ffmpeg, deno);
}

void EngineSetup::install(bool forceYtDlp)
{
    m_installer->install(forceYtDlp, Releases::channelNamed(m_settings->string(SettingsKey::engineChannel).value_or(QString())));
}

void EngineSetup::rollBack()
{
    m_installer->rollBack();
}

EngineFreshness EngineSetup::freshness() const
{
    // The newest release is the one set aside: nothing newer to update to.
    const QString latest = m_freshness->latest();
    if (!m_setAside.version.isEmpty() && !latest.isEmpty() && compareVersions(latest, m_setAside.version).value_or(1) <= 0
        && m_freshness->enabled())
        return EngineFreshness::current;
    return m_freshness->assess(m_ytdlpVersion);
}

QString EngineSetup::ytdlpLatest() const
{
    return m_freshness->latest();
}

// ffmpeg and Deno answer on one line each, asked in the background.
void EngineSetup::queryComponentVersions()
{
    const auto ask = [this](const std::optional<QString> &path, QString EngineSetup::*version, const QString &option) {
        if (!path) {
            if (!(this->*version).isEmpty()) {
                (this->*version).clear();
                emit componentVersionsChanged();
            }
            return;
        }
        auto *query = new ToolRun(this);
        auto answer = [this, query, version](const QString &found) {
            query->deleteLater();
            if (this->*version == found)
                return;
            this->*version = found;
            emit componentVersionsChanged();
        };
        connect(query, &ToolRun::finished, this,
                [answer](const RunResult &result) { answer(result.status != 0 ? QString() : Tools::componentVersionIn(result.out)); });
        connect(query, &ToolRun::failedToStart, this, [answer] { answer(QString()); });
        query->start(*path, {option}, Tools::env());
    };
    ask(m_ffmpegPath, &EngineSetup::m_ffmpegVersion, QStringLiteral("-version"));
    ask(m_denoPath, &EngineSetup::m_denoVersion, QStringLiteral("--version"));
}

void EngineSetup::refreshCopy(Copy &copy, const std::optional<QString> &path, void (EngineSetup::*changed)())
{
    if (!path) {
        copy.stamp.clear();
        if (copy.path || !copy.version.isEmpty()) {
            copy = {};
            emit(this->*changed)();
        }
        return;
    }
    const QFileInfo kept(*path);
    const QString stamp =
        *path + u'|' + kept.symLinkTarget() + u'|' + kept.lastModified().toString(Qt::ISODateWithMs) + u'|' + QString::number(kept.size());
    if (stamp == copy.stamp)
        return;
    copy.stamp = stamp;
    // Where it is counts at once; its version follows when it answers.
    if (copy.path != path) {
        copy.path = path;
        copy.version.clear();
        emit(this->*changed)();
    }
    auto *query = new ToolRun(this);
    auto answer = [this, &copy, query, stamp, changed](const QString &version) {
        query->deleteLater();
        if (copy.stamp != stamp || copy.version == version)
            return;
        copy.version = version;
        emit(this->*changed)();
    };
    connect(query, &ToolRun::finished, this, [answer](const RunResult &result) { answer(result.out.trimmed()); });
    connect(query, &ToolRun::failedToStart, this, [answer] { answer(QString()); });
    query->start(*path, {Tools::kIgnoreConfig, QStringLiteral("--version")}, Tools::env());
}

void EngineSetup::noteFinished(const QString &program)
{
    // The usual case, the one in use finishing once more, costs a look at two names.
    const QString worked = QDir(Tools::binDir()).filePath(QStringLiteral("yt-dlp.worked"));
    if (QFileInfo(worked).canonicalFilePath() == QFileInfo(program).canonicalFilePath() && QFileInfo::exists(worked))
        return;
    inBackground([program] { Tools::keepWorkingYtDlp(program); });
}

void EngineSetup::setAside()
{
    inBackground([] { Tools::setAsideYtDlp(); });
}

void EngineSetup::trySetAsideAgain()
{
    inBackground([] { Tools::restoreSetAsideYtDlp(); });
}

void EngineSetup::inBackground(std::function<void()> work)
{
    QThread *worker = QThread::create([work = std::move(work)] {
        try {
            work();
        } catch (const std::exception &error) {
            qCWarning(lcEngine) << "changing the kept yt-dlp failed:" << error.what();
        }
    });
    worker->setObjectName(QStringLiteral("engine copies"));
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, &EngineSetup::refresh);
    worker->start();
}

void EngineSetup::setYtdlpVersion(const QString &version)
{
    if (m_ytdlpVersion == version)
        return;
    m_ytdlpVersion = version;
    emit ytdlpVersionChanged();
}
