#include "format.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Tools {

QString fmtTime(double seconds)
{
    // Anything past what a 64-bit count of seconds holds is no duration a person reads.
    if (!std::isfinite(seconds) || seconds < 0 || seconds >= 9.2e18)
        return {};
    const qint64 t = std::llround(seconds);
    const qint64 h = t / 3600;
    const qint64 m = (t % 3600) / 60;
    const qint64 s = t % 60;
    if (t < 3600)
        return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
}

QString fmtBytes(double bytes)
{
    if (!std::isfinite(bytes))
        return {};
    const double clamped = std::clamp(std::trunc(bytes), -9.2e18, 9.2e18);
    return QLocale::system().formattedDataSize(static_cast<qint64>(clamped), 1, QLocale::DataSizeSIFormat);
}

QString cappedTitle(const QString &title)
{
    if (title.size() <= kTitleLimit)
        return title;
    qsizetype cut = kTitleLimit - 1;
    if (title.at(cut - 1).isHighSurrogate())
        --cut;
    return title.first(cut) + u'\u2026';
}

} // namespace Tools
