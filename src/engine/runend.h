#pragma once

class DownloadItem;

// What a run leaves besides what its item holds.
struct RunFacts
{
    // The exit code, or the signal's number when the process was killed.
    int status = 0;
    // Nothing had read the link before the run (see DownloadRun::readsLinkItself()).
    bool readLinkItself = false;
    // The run was given the probe's reading instead of the link.
    bool fromReading = false;
    // A file the run delivered is another link's (another item's, or the history's).
    bool fileOfAnotherLink = false;
    // The failure points at the engine (see FailureDescription::engineFault()).
    bool engineFault = false;
    // The run's yt-dlp has not finished a download since it was installed, and the one
    // that last did is kept (see Tools::keptYtDlp()).
    bool keptEngineToTry = false;
};

// How a run ends: done, failed or cancelled, or started again, once, in another way.
enum class RunEnd {
    done,
    failed,
    cancelled,
    // The link lists several videos and the run stopped before fetching any.
    againAsPlaylist,
    // The run found another link's file under its title.
    againUnderOwnName,
    // The media addresses the probe read were refused before a byte came.
    againWithFreshReading,
    // A new yt-dlp failed where the one that last worked may not.
    againWithKeptEngine,
};

// Decides the end of a run from its item as the run left it and the run's facts; the
// queue carries it out.
RunEnd endOfRun(const DownloadItem &item, const RunFacts &facts);

// Every file the item's run delivered was in the folder before the run started.
bool deliveredOnlyWhatWasThere(const DownloadItem &item);
