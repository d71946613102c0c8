#pragma once

#include "engine/commandline.h"

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>

class DownloadItem;
struct MediaInfo;

// The fields of a progress line, "VIRLOP|" and the run's token followed by seven fields
// separated by "|", and an eighth, the format being fetched, which tells the parts of a
// download apart (empty where it is missing).
struct ProgressFields
{
    std::optional<double> downloaded;
    std::optional<double> total;
    std::optional<double> totalEstimate;
    std::optional<double> speed;
    std::optional<double> eta;
    std::optional<qint64> playlistIndex;
    std::optional<qint64> playlistCount;
    QStringView part;

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

// How far a run has come over all it fetches. A download whose video and audio come apart
// reports each part from zero, and a playlist each entry: the fraction shown covers the
// whole and never goes back.
struct ProgressTrack
{
    // Bytes of the current entry's parts already fetched, and the part being fetched now,
    // by its number and its format.
    double partsDone = 0;
    int part = 0;
    QString partFormat;
    double partTotal = 0;
    // The playlist entry the parts belong to, 0 before the first.
    qint64 entry = 0;
    double shown = 0;
    // Whether a progress line has come yet (logged once, for measurements).
    bool started = false;
};

struct RunOutput
{
    RunMarkers markers;
    // Where the run puts its files. A file line naming anything outside it is not
    // believed: "Open" and "Show in folder" must never act on a file elsewhere.
    QString folder;
    ProgressTrack track = {};
    // When the run started (ms since the epoch). A file announced as a destination that
    // was there already and last written before it is not this run's, however late its
    // line is read; one written since is (the engine may have finished it meanwhile).
    qint64 startedAt = 0;
};
// Applies one output line to its item: progress, post-processing, title and file
// lines update the fields they name; every other line goes to the log.
void applyOutputLine(DownloadItem &item, QStringView line, RunOutput &run);

// What a reading of the page says of a video (from a probe, or from the run itself): its
// title, picture, length, uploader, site and the size of what is fetched.
void applyReading(DownloadItem &item, const MediaInfo &info);

// A title or path as the run prints it: JSON-encoded text, or the engine's "NA" for none.
QString decodedField(QStringView field);
// Whether `path` names something inside `folder` (both made absolute and resolved).
bool liesInside(const QString &path, const QString &folder);

// The log keeps at most this many lines plus the newest one; past that, the oldest
// kLogTrim lines go at once.
inline constexpr qsizetype kLogLimit = 500;
inline constexpr qsizetype kLogTrim = 100;
