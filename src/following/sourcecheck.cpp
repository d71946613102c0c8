#include "sourcecheck.h"

#include "base/paths.h"
#include "engine/commandline.h"
#include "following/logging.h"
#include "settings/settings.h"

#include <QFile>

SourceCheck::SourceCheck(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        qCInfo(lcFollowing) << "check of" << m_source << "took too long; stopped";
        m_run.stop();
        end({std::nullopt, {CheckFailure::network, QStringLiteral("timed out")}});
    });
    connect(&m_run, &ToolRun::finished, this, [this](const RunResult &run) {
        CheckResult result;
        if (run.outputTooLarge) {
            end({std::nullopt, {CheckFailure::unreadable, QStringLiteral("more than %1 MiB of output").arg(ToolRun::kOutputLimit >> 20)}});
            return;
        }
        if (run.status == 0)
            result.listing = parseListing(run.out.toUtf8());
        if (result.listing && !result.listing->isList) {
            result.problem = {CheckFailure::vanished, QStringLiteral("not a list")};
            result.listing.reset();
        } else if (!result.listing) {
            result.problem = run.status == 0 ? CheckProblem{CheckFailure::unreadable, {}} : classifyFailure(run.err);
        }
        end(result);
    });
    connect(&m_run, &ToolRun::failedToStart, this, [this](const QString &error) {
        end({std::nullopt, {CheckFailure::engineMissing, error}});
    });
}

SourceCheck::~SourceCheck()
{
    removeRunFiles();
}

QString SourceCheck::runFile(const char *suffix) const
{
    return Tools::privateDir() + QStringLiteral("/follow-") + m_runId.toString(QUuid::WithoutBraces) + QLatin1StringView(suffix);
}

void SourceCheck::start(const QUuid &source, const QString &url, int limit, const Settings &settings, const std::optional<QString> &engine)
{
    Q_ASSERT_X(!m_running, "SourceCheck::start", "one check at a time");
    m_source = source;
    m_runId = QUuid::createUuid();
    m_running = true;
    const auto failLater = [this](CheckProblem problem) {
        QMetaObject::invokeMethod(
            this,
            [this, problem] {
                end({std::nullopt, problem});
            },
            Qt::QueuedConnection);
    };
    if (!engine) {
        failLater({CheckFailure::engineMissing, {}});
        return;
    }
    // Without the proxy or the login the user set, the check would reach the site
    // directly or as someone else: it fails instead, saying why.
    if (const auto problem = settingsProblem(settings)) {
        failLater({CheckFailure::network, *problem});
        return;
    }
    QString configFile;
    if (const QByteArray config = privateConfig(settings); !config.isEmpty()) {
        configFile = runFile(".conf");
        if (!Tools::writePrivateFile(configFile, config)) {
            failLater({CheckFailure::network, QStringLiteral("cannot write %1").arg(configFile)});
            return;
        }
    }
    // yt-dlp writes its cookie jar back into the file it reads, so it reads a copy.
    QString cookiesFile;
    if (const QString original = settings.string(SettingsKey::cookiesFile).value_or(QString()); !original.isEmpty()) {
        cookiesFile = runFile(".cookies");
        QFile file(original);
        if (!file.open(QIODevice::ReadOnly) || !Tools::writePrivateFile(cookiesFile, file.readAll())) {
            removeRunFiles();
            failLater({CheckFailure::network, QStringLiteral("cannot read %1").arg(original)});
            return;
        }
    }
    m_timer.start(m_timeLimit);
    m_run.start(*engine, listingArgs(url, limit, settings, cookiesFile, configFile), Tools::env());
}

void SourceCheck::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_timer.stop();
    m_run.stop();
    removeRunFiles();
}

void SourceCheck::end(const CheckResult &result)
{
    if (!m_running)
        return;
    m_running = false;
    m_timer.stop();
    removeRunFiles();
    emit finished(m_source, result);
}

void SourceCheck::removeRunFiles()
{
    if (m_runId.isNull())
        return;
    QFile::remove(runFile(".conf"));
    QFile::remove(runFile(".cookies"));
}
