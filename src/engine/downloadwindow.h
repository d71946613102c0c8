#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

class Settings;

// The hours in which downloads may start, for example 01:00 to 07:00. Off, every moment
// is open. Times of day are read in the time zone of the moment asked about; an end
// before the start runs across midnight, and an end equal to the start leaves the whole
// day open. A download that runs when the window closes goes on.
class DownloadWindow
{
public:
    // Off.
    DownloadWindow() = default;
    DownloadWindow(QTime start, QTime end);
    // As the settings have it now.
    static DownloadWindow fromSettings(const Settings &settings);

    bool isOn() const { return m_on; }
    QTime start() const { return m_start; }
    QTime end() const { return m_end; }

    bool isOpen(const QDateTime &moment) const;
    // `moment` itself when the window is open then, else the next time it opens.
    QDateTime nextOpening(const QDateTime &moment) const;

    // What a download that waits for the window says, in the interface language:
    // "Waiting for 01:00".
    QString waitingText() const { return waitingText(m_start); }
    static QString waitingText(QTime opening);

    friend bool operator==(const DownloadWindow &, const DownloadWindow &) = default;

private:
    bool m_on = false;
    QTime m_start{0, 0};
    QTime m_end{0, 0};
};
