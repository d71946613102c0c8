#include "downloader.h"

#include "engine/desktop.h"
#include "engine/leftovers.h"
#include "intake/linkextraction.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"
#include "tools/tools.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

void Downloader::add(const QString &text, std::optional<Quality> quality, bool playlist, const DownloadOptions &options)
{
    const QStringList links = ::extractURLs(text);
    for (const QString &link : links) {
        if (m_clipboardSuggestion.noteAdded(link))
            emit clipboardSuggestionChanged();
        auto *item = new DownloadItem(link, quality.value_or(d().defaultQuality()), playlist);
        item->setOptions(options);
        m_items->prepend(item);
        if (startsAtOnce(*item))
            start(item);
        else
            fetchInfo(item);
    }
}

// Alone, a single video need not wait for a probe: its run reads the page once and says
// what it fetches. Beside other downloads it is probed first, so that a title two links
// share is known before either file is named.
bool Downloader::startsAtOnce(const DownloadItem &item) const
{
    if (!m_startsAtOnce || item.playlist() || !m_ytdlpPath)
        return false;
    const QList<DownloadItem *> &items = m_items->items();
    return std::none_of(items.begin(), items.end(),
                        [&item](const DownloadItem *other) { return other != &item && !other->state().isFinished(); });
}

void Downloader::addFromUI(const QString &text)
{
    add(text, d().uiQualityOrDefault(), d().uiPlaylist());
    setSection(AppSection::downloads);
}

void Downloader::pump()
{
    // A run that read its link itself has not said yet what its file is called; whatever
    // starts now could pick the same name.
    if (!m_awaitingReading.isEmpty())
        return;
    const int limit = d().maxConcurrent();
    int running = 0;
    for (const DownloadItem *item : m_items->items()) {
        if (item->state().isActive())
            ++running;
    }
    // Oldest first: new items are at the front. A copy, because a start can fail at
    // once and change what the list shows.
    const QList<DownloadItem *> items = m_items->items();
    for (auto it = items.crbegin(); it != items.crend() && running < limit; ++it) {
        DownloadItem *item = *it;
        if (item->state().kind() != DLState::queued)
            continue;
        start(item);
        // A start that failed at once (no engine, no launch) holds no slot.
        if (item->state().isActive())
            ++running;
    }
}

void Downloader::retry(DownloadItem *item)
{
    // An item whose process still runs is not started a second time.
    if (!item || item->process())
        return;
    item->setUserCancelled(false);
    item->setProgress(0.0);
    item->setState(DLState::queued);
    pump();
}

void Downloader::remove(DownloadItem *item)
{
    if (!item)
        return;
    const QUuid id = item->id();
    if (item->state().isActive())
        cancel(item);
    // What a failed run kept for a retry is of no use once its card is gone.
    else if (!item->process() && (item->state().kind() == DLState::failed || item->state().kind() == DLState::cancelled))
        Leftovers::remove({item->destinations(), item->preexisting(), item->files()}, Leftovers::Keep::nothing);
    // A probe still running for it is of no use any more, nor what one read.
    endProbe(id);
    dropProbedInfo(id);
    m_read.remove(id);
    m_waitingProbes.removeAll(id);
    m_items->removeIf([&id](const DownloadItem *candidate) { return candidate->id() == id; });
}

void Downloader::clearFinished()
{
    m_items->removeIf([](const DownloadItem *item) { return item->state().isFinished(); });
}

void Downloader::updateActiveCount()
{
    int count = 0;
    for (const DownloadItem *item : m_items->items()) {
        if (!item->state().isFinished())
            ++count;
    }
    if (count == m_activeCount)
        return;
    m_activeCount = count;
    emit activeCountChanged();
}

// A site chooses a file's extension, and some engine releases take whatever it says: a
// ".desktop" or ".sh" opened by the desktop would run. Only what is media, pictures or
// subtitles is opened; anything else is shown in its folder.
bool Downloader::opensAsMedia(const QString &path)
{
    static const QStringList media{
        u"mp4"_s,  u"m4v"_s, u"m4a"_s, u"mp3"_s, u"webm"_s, u"mkv"_s, u"mka"_s,  u"mov"_s,  u"avi"_s, u"flv"_s,
        u"ogg"_s,  u"oga"_s, u"ogv"_s, u"opus"_s, u"flac"_s, u"wav"_s, u"aac"_s, u"3gp"_s,  u"ts"_s,  u"mpg"_s,
        u"mpeg"_s, u"wma"_s, u"wmv"_s, u"aiff"_s, u"alac"_s, u"jpg"_s, u"jpeg"_s, u"png"_s, u"webp"_s, u"gif"_s,
        u"srt"_s,  u"vtt"_s, u"ass"_s, u"lrc"_s};
    return media.contains(QFileInfo(path).suffix().toLower());
}

void Downloader::open(const QString &path)
{
    if (!m_desktop)
        return;
    if (path.isEmpty() || !QFileInfo::exists(path))
        m_desktop->openFolder(d().folder());
    else if (opensAsMedia(path))
        m_desktop->openFile(path);
    else
        m_desktop->revealFile(path);
}

void Downloader::reveal(const QString &path)
{
    if (!m_desktop)
        return;
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_desktop->revealFile(path);
    else
        m_desktop->openFolder(d().folder());
}

void Downloader::openFolder()
{
    if (m_desktop)
        m_desktop->openFolder(d().folder());
}

void Downloader::openEngineFolder()
{
    if (!m_desktop)
        return;
    QDir().mkpath(Tools::binDir());
    m_desktop->openFolder(Tools::binDir());
}

void Downloader::setSection(AppSection section)
{
    if (m_section == section)
        return;
    m_section = section;
    emit sectionChanged();
}
