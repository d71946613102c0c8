#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Dates as the history shows them, worded by ICU in the system locale.
namespace DateText {

// "2 hours ago", "yesterday", "in 3 days": the largest whole unit between `date` and `now`,
// in the long style, with the locale's own words where it has them.
QString relative(const QDateTime &date, const QDateTime &now, const QLocale &locale = QLocale::system());
// Medium date with short time, in local time: "Dec 5, 2026, 8:30 AM".
QString dateTime(const QDateTime &date, const QLocale &locale = QLocale::system());

} // namespace DateText
