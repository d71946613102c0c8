#pragma once

#include <QString>
#include <QStringList>

// What a run that did not deliver leaves in the download folder, and what of it goes.
// yt-dlp names every file of a download after the final name it announced: partial data
// ("clip.mp4.part", "clip.mp4.part-Frag3", "clip.mp4.ytdl"), formats that wait to be
// merged ("clip.f137.mp4"), intermediate files ("clip.temp.mp4") and pictures and
// subtitles fetched for embedding ("clip.webp", "clip.en.vtt").
namespace Leftovers {

enum class Keep {
    // A failed run: what a retry continues from stays, the rest goes.
    resumable,
    // A cancelled run or a removed card: nothing of it stays.
    nothing,
};

struct Run
{
    // The final names the run announced, in the order it did.
    QStringList destinations;
    // Those of them that were already there when announced: the user's, never touched.
    QStringList preexisting;
    // The files the run delivered.
    QStringList arrived;
};

// The files to delete for this run, found in the folders of its destinations.
QStringList toRemove(const Run &run, Keep keep);
// Deletes them; returns how many went.
int remove(const Run &run, Keep keep);

// After a run that delivered: the files it announced, fetched itself and did not deliver,
// which it kept only to convert them (-k keeps a video an audio file was taken from, so
// that one of the user's under that name is never deleted). Nothing beside them goes.
QStringList fetchedForConversion(const Run &run);
int removeFetchedForConversion(const Run &run);

// A download given up for good (an interrupted one the user discarded): what it left for
// its final names goes. A name whose file is there was finished (the engine writes those
// last): it stays with everything beside it.
int removeUnfinished(const QStringList &destinations);

// The folders a run made inside `folder` for its files (a playlist's), left empty once its
// files went: those that were not among `foldersBefore`, the names of the subfolders
// `folder` held when the run started. A folder that still holds anything stays.
int removeEmptyFolders(const QStringList &destinations, const QString &folder, const QStringList &foldersBefore);

} // namespace Leftovers
