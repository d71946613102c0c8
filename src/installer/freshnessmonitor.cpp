#include "freshnessmonitor.h"

#include "installer/logging.h"
#include "installer/releasecheck.h"
#include "installer/releases.h"
#include "settings/settings.h"

#include <QDateTime>
#include <QLoggingCategory>

#include <algorithm>

namespace {

constexpr int kPollMs = 3600 * 1000;

QString &checkProgram()
{
    static QString program;
    return program;
}

std::optional<QList<int>> versionParts(QStringView version)
{
    const QList<QStringView> fields = version.trimmed().split(u'.');
    if (fields.size() < 3)
        return std::nullopt;
    QList<int> parts;
    for (QStringView field : fields) {
        bool ok = false;
        const int n = field.toInt(&ok);
        if (!ok || n < 0)
            return std::nullopt;
        parts << n;
    }
    return parts;
}

} // namespace

std::optional<QDate> releaseDate(QStringView version)
{
    const auto parts = versionParts(version);
    if (!parts)
        return std::nullopt;
    const QDate date((*parts)[0], (*parts)[1], (*parts)[2]);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<int> compareVersions(QStringView a, QStringView b)
{
    const auto left = versionParts(a);
    const auto right = versionParts(b);
    if (!left || !right)
        return std::nullopt;
    const auto order = std::lexicographical_compare_three_way(left->begin(), left->end(), right->begin(), right->end());
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

std::optional<qint64> ageInDays(QStringView version, const QDate &today)
{
    const auto date = releaseDate(version);
    return date ? std::optional(date->daysTo(today)) : std::nullopt;
}

EngineFreshness assessFreshness(const QString &running, const QString &latest, bool lastCheckFailed, const QDate &today)
{
    const auto age = ageInDays(running, today);
    if (!age)
        return EngineFreshness::unknown;
    const auto order = compareVersions(latest, running);
    if (order && *order > 0)
        return EngineFreshness::updateAvailable;
    if ((lastCheckFailed || !order) && *age > kOutdatedAfterDays)
        return EngineFreshness::outdated;
    return order && !lastCheckFailed ? EngineFreshness::current : EngineFreshness::unknown;
}

FreshnessMonitor::FreshnessMonitor(Settings *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_check(new ReleaseCheck(this))
{
    m_check->setProgram(checkProgram());
    connect(m_check, &ReleaseCheck::resolved, this, [this](const QUrl &asset) {
        const QString release = Releases::releaseTag(asset);
        if (release.isEmpty())
            qCInfo(lcFreshness) << "the release location names no release:" << asset;
        store(release, release.isEmpty());
    });
    connect(m_check, &ReleaseCheck::failed, this, [this](const QString &reason) {
        qCInfo(lcFreshness) << "no answer from the release location:" << reason;
        store(QString(), true);
    });
    connect(m_settings, &Settings::valueChanged, this, [this](const QString &key) {
        // What the other channel's latest release was says nothing of this one's.
        if (key == SettingsKey::engineChannel) {
            m_check->abort();
            m_settings->remove(QString(SettingsKey::engineLatest));
            m_settings->remove(QString(SettingsKey::engineCheckedAt));
            checkIfDue();
            emit changed();
            return;
        }
        if (key != SettingsKey::checkEngineUpdates)
            return;
        if (enabled())
            checkIfDue();
        else
            m_check->abort();
        emit changed();
    });
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &FreshnessMonitor::checkIfDue);
}

void FreshnessMonitor::setCheckProgram(const QString &program)
{
    checkProgram() = program;
}

void FreshnessMonitor::start()
{
    m_timer.start();
    checkIfDue();
}

bool FreshnessMonitor::enabled() const
{
    return m_settings->boolean(SettingsKey::checkEngineUpdates);
}

QString FreshnessMonitor::latest() const
{
    return m_settings->string(SettingsKey::engineLatest).value_or(QString());
}

bool FreshnessMonitor::lastCheckFailed() const
{
    return m_settings->boolean(SettingsKey::engineCheckFailed);
}

bool FreshnessMonitor::checking() const
{
    return m_check->isRunning();
}

EngineFreshness FreshnessMonitor::assess(const QString &running) const
{
    // With the look turned off no release is known, and an engine older than an engine
    // should be is said to be so all the same.
    if (!enabled())
        return assessFreshness(running, QString(), true, QDate::currentDate());
    return assessFreshness(running, latest(), lastCheckFailed(), QDate::currentDate());
}

void FreshnessMonitor::record(const QString &latest)
{
    m_settings->setValue(SettingsKey::engineCheckedAt, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    store(latest, false);
}

void FreshnessMonitor::checkIfDue()
{
    if (!enabled() || m_check->isRunning())
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime last = QDateTime::fromString(m_settings->string(SettingsKey::engineCheckedAt).value_or(QString()), Qt::ISODate);
    // A clock set back would otherwise hold the next check off for as long.
    if (last.isValid() && last <= now && last.secsTo(now) < kCheckIntervalSecs)
        return;
    // An attempt counts whatever comes of it: offline, the next one waits for tomorrow.
    m_settings->setValue(SettingsKey::engineCheckedAt, now.toString(Qt::ISODate));
    m_check->start(Releases::ytDlp(Releases::channelNamed(m_settings->string(SettingsKey::engineChannel).value_or(QString()))));
}

void FreshnessMonitor::store(const QString &latest, bool failed)
{
    if (!latest.isEmpty())
        m_settings->setValue(SettingsKey::engineLatest, latest);
    m_settings->setValue(SettingsKey::engineCheckFailed, failed);
    emit changed();
}
