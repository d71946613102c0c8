#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>

#include <optional>

class ReleaseCheck;
class Settings;

// How the yt-dlp in use stands against the latest release its makers published.
enum class EngineFreshness {
    unknown, // nothing to go by, or the user turned the check off
    current, // the last check found nothing newer
    updateAvailable, // a newer release exists
    outdated, // older than kOutdatedAfterDays and no check could tell
};

// Sites change every few weeks; an engine this old fails on the biggest of them.
inline constexpr int kOutdatedAfterDays = 60;

// yt-dlp's versions are release dates ("2026.10.26"); nightly builds add a time.
std::optional<QDate> releaseDate(QStringView version);
// Below, at or above zero as `a` is older than, the same as or newer than `b`; absent
// when either is not a version.
std::optional<int> compareVersions(QStringView a, QStringView b);
// Whole days since the release `version` was made, absent when it names no date.
std::optional<qint64> ageInDays(QStringView version, const QDate &today);

// The same for ffmpeg's and Deno's versions, by the numbers they begin with
// ("5.1.6-0+deb12u1" is 5.1.6, and as new as "5.1.6"); absent when either begins with none.
std::optional<int> compareComponentVersions(QStringView a, QStringView b);

// A newer release than the ffmpeg or Deno at `path`, which answered `version`, is out. Only
// the engine folder's own copies count: the system's programs are its package manager's
// to update, and are never said to be behind.
bool componentBehind(const std::optional<QString> &path, const QString &version, const QString &latest);

EngineFreshness assessFreshness(const QString &running, const QString &latest, bool lastCheckFailed, const QDate &today);

// Looks at yt-dlp's latest-release address at start-up and then once a day while
// running, never more than once a day, and not at all while the user has turned it off.
// ffmpeg's (whose builds hold ffprobe too) and Deno's are looked at with it. Each look
// costs one HEAD request on the event loop; what it found is kept in the settings, so a
// restart within the day goes by the last answer.
class FreshnessMonitor : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kCheckIntervalSecs = 24 * 3600;

    explicit FreshnessMonitor(Settings *settings, QObject *parent = nullptr);

    // The program whose child makes the look (see ReleaseCheck), for monitors made from
    // now on; without one, the look is made in this process.
    static void setCheckProgram(const QString &program);

    void start();
    bool enabled() const;
    QString latest() const;
    bool lastCheckFailed() const;
    bool checking() const;
    // How `running` stands by what the last check found; unknown while checks are off.
    EngineFreshness assess(const QString &running) const;
    // A release learnt some other way, as by installing it, counts as a check made now.
    void record(const QString &latest);

    // The rest of the engine, published elsewhere.
    enum class Component { ffmpeg, deno };
    // The latest release of `component` as last seen; empty when none has been, or while
    // checks are off.
    QString latestOf(Component component) const;

signals:
    void changed();

private:
    void checkIfDue();
    void store(const QString &latest, bool failed);

    void checkComponent(Component component);
    void abortChecks();

    Settings *m_settings;
    ReleaseCheck *m_check;
    ReleaseCheck *m_componentChecks[2];
    // Whether a check is due is asked every hour, so a machine that slept past the day
    // checks soon after it wakes.
    QTimer m_timer;
};
