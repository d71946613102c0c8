#include "datetext.h"

#include <cmath>
#include <memory>
#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/reldatefmt.h>
#include <unicode/unistr.h>

namespace {

icu::Locale icuLocale(const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale result = icu::Locale::forLanguageTag(locale.bcp47Name().toStdString(), status);
    return U_SUCCESS(status) ? result : icu::Locale::getDefault();
}

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

} // namespace

namespace DateText {

QString relative(const QDateTime &date, const QDateTime &now, const QLocale &locale)
{
    const double seconds = double(now.secsTo(date));
    const double magnitude = std::abs(seconds);
    URelativeDateTimeUnit unit = UDAT_REL_UNIT_SECOND;
    double amount = seconds;
    constexpr double minute = 60, hour = 3600, day = 86400;
    if (magnitude >= 365 * day) {
        unit = UDAT_REL_UNIT_YEAR;
        amount = seconds / (365.2425 * day);
    } else if (magnitude >= 30 * day) {
        unit = UDAT_REL_UNIT_MONTH;
        amount = seconds / (30.436875 * day);
    } else if (magnitude >= 7 * day) {
        unit = UDAT_REL_UNIT_WEEK;
        amount = seconds / (7 * day);
    } else if (magnitude >= day) {
        unit = UDAT_REL_UNIT_DAY;
        amount = seconds / day;
    } else if (magnitude >= hour) {
        unit = UDAT_REL_UNIT_HOUR;
        amount = seconds / hour;
    } else if (magnitude >= minute) {
        unit = UDAT_REL_UNIT_MINUTE;
        amount = seconds / minute;
    }
    amount = std::trunc(amount);

    UErrorCode status = U_ZERO_ERROR;
    icu::RelativeDateTimeFormatter formatter(icuLocale(locale), nullptr, UDAT_STYLE_LONG, UDISPCTX_CAPITALIZATION_NONE, status);
    icu::UnicodeString text;
    // The named form says "yesterday" or "now" where the locale has such a word.
    formatter.format(amount, unit, text, status);
    if (U_FAILURE(status))
        return locale.toString(date.toLocalTime(), QLocale::ShortFormat);
    return fromIcu(text);
}

QString dateTime(const QDateTime &date, const QLocale &locale)
{
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateTimeInstance(icu::DateFormat::kMedium, icu::DateFormat::kShort, icuLocale(locale)));
    if (!format)
        return locale.toString(date.toLocalTime(), QLocale::ShortFormat);
    icu::UnicodeString text;
    format->format(UDate(date.toMSecsSinceEpoch()), text);
    return fromIcu(text);
}

} // namespace DateText
