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

EngineFreshness assessFreshness(const QString &running, const QString &latest, bool lastCheckFailed, const QDate &today);

// Looks at yt-dlp's latest-release address at start-up and then once a day while
// running, never more than once a day, and not at all while the user has turned it off.
// The look costs one HEAD request on the event loop; what it found is kept in the
// settings, so a restart within the day goes by the last answer.
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

signals:
    void changed();

private:
    void checkIfDue();
    void store(const QString &latest, bool failed);

    Settings *m_settings;
    ReleaseCheck *m_check;
    // Whether a check is due is asked every hour, so a machine that slept past the day
    // checks soon after it wakes.
    QTimer m_timer;
};
