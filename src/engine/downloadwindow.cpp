#include "downloadwindow.h"

#include "i18n/i18n.h"
#include "settings/settings.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

QTime minutesOfDay(qint64 minutes)
{
    return QTime(0, 0).addSecs(int(minutes % (24 * 60)) * 60);
}

} // namespace

DownloadWindow::DownloadWindow(QTime start, QTime end)
    : m_on(true)
    // Minutes are what the settings hold; seconds would only make the arithmetic lie.
    , m_start(start.hour(), start.minute())
    , m_end(end.hour(), end.minute())
{
}

DownloadWindow DownloadWindow::fromSettings(const Settings &settings)
{
    if (!settings.boolean(SettingsKey::downloadWindow))
        return {};
    return {minutesOfDay(settings.count(SettingsKey::downloadWindowStart)), minutesOfDay(settings.count(SettingsKey::downloadWindowEnd))};
}

bool DownloadWindow::isOpen(const QDateTime &moment) const
{
    if (!m_on || m_start == m_end)
        return true;
    const QTime time = moment.time();
    if (m_start < m_end)
        return time >= m_start && time < m_end;
    return time >= m_start || time < m_end;
}

QDateTime DownloadWindow::nextOpening(const QDateTime &moment) const
{
    if (isOpen(moment))
        return moment;
    QDateTime opening = moment;
    opening.setTime(m_start);
    // Closed before the start on the same day means it opens later that day; closed after
    // it (a window that ended earlier today) means tomorrow.
    if (opening <= moment) {
        opening = moment.addDays(1);
        opening.setTime(m_start);
    }
    // A start that a clock change skips that day opens the window when the clock moves on.
    for (int hour = 1; !opening.isValid() && hour <= 2; ++hour) {
        opening = moment.addDays(opening.date() > moment.date() ? 1 : 0);
        opening.setTime(m_start.addSecs(hour * 3600));
    }
    return opening;
}

QString DownloadWindow::waitingText(QTime opening)
{
    // The locale's own short time, without the seconds some locales put in it.
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]ss")));
    return LF("Aguardando até %@", locale.toString(opening, format));
}
