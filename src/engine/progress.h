#pragma once

#include "engine/commandline.h"

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>

class DownloadItem;

// The fields of a progress line, "VIRLOP|" followed by seven fields separated by "|".
struct ProgressFields
{
    std::optional<double> downloaded;
    std::optional<double> total;
    std::optional<double> totalEstimate;
    std::optional<double> speed;
    std::optional<double> eta;
    std::optional<qint64> playlistIndex;
    std::optional<qint64> playlistCount;

    friend bool operator==(const ProgressFields &, const ProgressFields &) = default;
};

// The fields after a progress line's marker and token; absent when there are fewer than
// seven.
std::optional<ProgressFields> parseProgressFields(QStringView fields);

// A decimal number; "NA", empty text and anything not finite are not numbers.
std::optional<double> parseNumber(QStringView field);
// A decimal integer with an optional sign.
std::optional<qint64> parseWhole(QStringView field);

// The engine's lines that one output line is made of. Some yt-dlp releases (Debian 12
// ships one) print post-processing lines without a line break, so the next line is
// glued to them: "VIRLOPP|MetadataVIRLOPP|MoveFilesVIRLOFILE|/x/clip.mp4". A
// post-processing step is a bare name; wherever another marker, an "ERROR:" or
// "WARNING:" prefix, or any character that cannot be part of a name begins, the next
// line begins too. Every other line is left whole.
using OutputPieces = QVarLengthArray<QStringView, 4>;
OutputPieces splitOutputLine(QStringView line);

// Applies one output line to its item: progress, post-processing, title and file
// lines update the fields they name; every other line goes to the log.
struct RunOutput
{
    RunMarkers markers;
    // Where the run puts its files. A file line naming anything outside it is not
    // believed: "Open" and "Show in folder" must never act on a file elsewhere.
    QString folder;
};
void applyOutputLine(DownloadItem &item, QStringView line, const RunOutput &run);

// A title or path as the run prints it: JSON-encoded text, or the engine's "NA" for none.
QString decodedField(QStringView field);
// Whether `path` names something inside `folder` (both made absolute and resolved).
bool liesInside(const QString &path, const QString &folder);

// The log keeps at most this many lines plus the newest one; past that, the oldest
// kLogTrim lines go at once.
inline constexpr qsizetype kLogLimit = 500;
inline constexpr qsizetype kLogTrim = 100;
