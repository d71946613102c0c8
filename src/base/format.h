#pragma once

#include <QString>

// How durations and byte counts read wherever they are shown.
namespace Tools {

// "m:ss" below an hour, "h:mm:ss" from there; empty for what is no duration.
QString fmtTime(double seconds);
// Decimal units (12.3 MB); empty for what is no number.
QString fmtBytes(double bytes);

// Texts from outside are kept to sizes no real one reaches, so that a hostile page or
// feed cannot make the files that hold them grow without end. A title longer than
// kTitleLimit characters is cut there (never inside a surrogate pair) and ends in "…";
// a link or an id longer than kLinkLimit is of no use cut, so it is left out.
inline constexpr qsizetype kTitleLimit = 2000;
inline constexpr qsizetype kLinkLimit = 16384;
QString cappedTitle(const QString &title);

} // namespace Tools
