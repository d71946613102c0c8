#include "freshnessmonitor.h"

#include "base/paths.h"
#include "installer/logging.h"
#include "installer/releasecheck.h"
#include "installer/releases.h"
#include "settings/settings.h"

#include <QDateTime>
#include <QFileInfo>
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

// What is known of ffmpeg's and Deno's latest releases is kept under these, beside
// yt-dlp's; they are the engine's business, never the user's to set.
QString latestKey(FreshnessMonitor::Component component)
{
    return component == FreshnessMonitor::Component::ffmpeg ? QStringLiteral("engineLatestFFmpeg") : QStringLiteral("engineLatestDeno");
}

// The numbers a version begins with: "5.1.6-0+deb12u1" gives 5, 1, 6.
QList<int> leadingNumbers(QStringView version)
{
    QList<int> numbers;
    for (QStringView field : version.trimmed().split(u'.')) {
        qsizetype digits = 0;
        while (digits < field.size() && field[digits].isDigit())
            ++digits;
        if (digits == 0)
            break;
        numbers << field.first(digits).toInt();
        if (digits < field.size())
            break;
    }
    return numbers;
}

} // namespace

std::optional<int> compareComponentVersions(QStringView a, QStringView b)
{
    QList<int> left = leadingNumbers(a);
    QList<int> right = leadingNumbers(b);
    if (left.isEmpty() || right.isEmpty())
        return std::nullopt;
    // "7.1" and "7.1.0" are one release.
    while (left.size() < right.size())
        left << 0;
    while (right.size() < left.size())
        right << 0;
    const auto order = std::lexicographical_compare_three_way(left.begin(), left.end(), right.begin(), right.end());
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool componentBehind(const std::optional<QString> &path, const QString &version, const QString &latest)
{
    if (!path || latest.isEmpty() || QFileInfo(*path).absolutePath() != QFileInfo(Tools::binDir()).absoluteFilePath())
        return false;
    return compareComponentVersions(latest, version).value_or(0) > 0;
}

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
    , m_componentChecks{new ReleaseCheck(this), new ReleaseCheck(this)}
{
    m_check->setProgram(checkProgram());
    for (const Component component : {Component::ffmpeg, Component::deno}) {
        ReleaseCheck *check = m_componentChecks[int(component)];
        check->setProgram(checkProgram());
        connect(check, &ReleaseCheck::resolved, this, [this, component](const QUrl &asset) {
            const QString release = component == Component::ffmpeg ? Releases::ffmpegRelease(asset) : Releases::denoRelease(asset);
            if (release.isEmpty()) {
                qCInfo(lcFreshness) << "the release location names no release:" << asset;
                return;
            }
            m_settings->setValue(latestKey(component), release);
            emit changed();
        });
        // What was seen before stays: the release it names is out all the same.
        connect(check, &ReleaseCheck::failed, this,
                [](const QString &reason) { qCInfo(lcFreshness) << "no answer from a release location:" << reason; });
    }
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
            abortChecks();
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
            abortChecks();
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
    return m_check->isRunning() || m_componentChecks[0]->isRunning() || m_componentChecks[1]->isRunning();
}

QString FreshnessMonitor::latestOf(Component component) const
{
    return enabled() ? m_settings->string(latestKey(component)).value_or(QString()) : QString();
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
    if (!enabled() || checking())
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime last = QDateTime::fromString(m_settings->string(SettingsKey::engineCheckedAt).value_or(QString()), Qt::ISODate);
    // A clock set back would otherwise hold the next check off for as long.
    if (last.isValid() && last <= now && last.secsTo(now) < kCheckIntervalSecs)
        return;
    // An attempt counts whatever comes of it: offline, the next one waits for tomorrow.
    m_settings->setValue(SettingsKey::engineCheckedAt, now.toString(Qt::ISODate));
    m_check->start(Releases::ytDlp(Releases::channelNamed(m_settings->string(SettingsKey::engineChannel).value_or(QString()))));
    checkComponent(Component::ffmpeg);
    checkComponent(Component::deno);
}

void FreshnessMonitor::abortChecks()
{
    m_check->abort();
    for (ReleaseCheck *check : m_componentChecks)
        check->abort();
}

void FreshnessMonitor::checkComponent(Component component)
{
    // ffprobe is built with ffmpeg and published beside it: ffmpeg's release is both's.
    m_componentChecks[int(component)]->start(component == Component::ffmpeg ? Releases::ffmpegComponent(QStringLiteral("ffmpeg"))
                                                                            : Releases::deno());
}

void FreshnessMonitor::store(const QString &latest, bool failed)
{
    if (!latest.isEmpty())
        m_settings->setValue(SettingsKey::engineLatest, latest);
    m_settings->setValue(SettingsKey::engineCheckFailed, failed);
    emit changed();
}
