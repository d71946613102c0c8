#include "runend.h"

#include "engine/commandline.h"
#include "model/downloaditem.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// yt-dlp's words for a media address the site no longer serves: forbidden or gone.
bool expiredMediaAddress(const QStringList &log)
{
    static const QRegularExpression refused(QStringLiteral("HTTP Error (403|410)"));
    return std::any_of(log.begin(), log.end(), [](const QString &line) { return refused.match(line).hasMatch(); });
}

} // namespace

bool deliveredOnlyWhatWasThere(const DownloadItem &item)
{
    // An audio file taken from a video that was there is new.
    const QStringList delivered = item.files();
    return !delivered.isEmpty()
           && std::all_of(delivered.begin(), delivered.end(), [&item](const QString &path) { return item.preexisting().contains(path); });
}

RunEnd endOfRun(const DownloadItem &item, const RunFacts &facts)
{
    // Whatever the user chose, a link that lists several videos is downloaded as a playlist.
    if (facts.readLinkItself && !item.playlist() && !item.userCancelled() && facts.status == kListedSeveral && item.destinations().isEmpty())
        return RunEnd::againAsPlaylist;
    if (item.userCancelled())
        return RunEnd::cancelled;
    // A playlist that produced files is done even when some of its entries failed.
    if (facts.status == 0 || (item.playlist() && !item.files().isEmpty())) {
        // Started before its title was known, the run found another link's file under
        // that title: this link's own file gets a name of its own.
        if (facts.readLinkItself && !item.playlist() && !item.distinctName() && facts.fileOfAnotherLink && deliveredOnlyWhatWasThere(item))
            return RunEnd::againUnderOwnName;
        return RunEnd::done;
    }
    // The media addresses in the probe's reading may have expired before a byte came: the
    // page is read anew, once.
    if (facts.fromReading && item.progress() == 0 && item.files().isEmpty() && expiredMediaAddress(item.log()))
        return RunEnd::againWithFreshReading;
    // An engine that has not proven itself yet gets no say over one that has: the run is
    // tried once with the yt-dlp that last finished a download, which reads the page itself.
    if (facts.engineFault && facts.keptEngineToTry)
        return RunEnd::againWithKeptEngine;
    return RunEnd::failed;
}
