#pragma once

#include <QString>

// How durations and byte counts read wherever they are shown.
namespace Tools {

// "m:ss" below an hour, "h:mm:ss" from there; empty for what is no duration.
QString fmtTime(double seconds);
// Decimal units (12.3 MB); empty for what is no number.
QString fmtBytes(double bytes);

} // namespace Tools
