#include "interrupteddownloads.h"

#include "base/paths.h"
#include "engine/downloadqueue.h"
#include "engine/leftovers.h"
#include "engine/logging.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"

#include <QTimer>

#include <algorithm>
#include <utility>

InterruptedDownloads::InterruptedDownloads(Settings *settings, DownloadQueue *queue, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_queue(queue)
{
    QueueJournal::Loaded loaded = QueueJournal::load(journalFile());
    m_offered = std::move(loaded.entries);
    m_setAside = loaded.setAside;
    m_writable = loaded.writable;
    if (!m_offered.isEmpty())
        qCInfo(lcEngine) << m_offered.size() << "interrupted downloads offered back";
    // Whatever changes which downloads are unfinished, or where they stand, is written.
    connect(m_queue->items(), &DownloadList::countChanged, this, &InterruptedDownloads::schedule);
    connect(m_queue->items(), &DownloadList::itemStateChanged, this, &InterruptedDownloads::schedule);
    // A run's file names are what Discard cleans up after, should it be cut short.
    connect(m_queue->items(), &DownloadList::itemDestinationsChanged, this, &InterruptedDownloads::schedule);
}

InterruptedDownloads::~InterruptedDownloads()
{
    flush();
}

QString InterruptedDownloads::journalFile()
{
    return Tools::supportDir() + QStringLiteral("/queue.json");
}

void InterruptedDownloads::flush()
{
    if (m_pending)
        write();
}

// Changes come in bursts (a text with many links, a playlist moving between entries), so
// they are written once the current burst has been handled, not once per change.
void InterruptedDownloads::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    const qint64 wait = m_written.isValid() ? std::max<qint64>(0, kJournalGapMs - m_written.elapsed()) : 0;
    QTimer::singleShot(wait, this, &InterruptedDownloads::flush);
}

void InterruptedDownloads::write()
{
    m_pending = false;
    m_written.start();
    if (!m_writable)
        return;
    QList<JournalEntry> entries;
    for (const DownloadItem *item : m_queue->items()->items()) {
        if (!item->state().isFinished())
            entries << JournalEntry::of(*item, item->options().folder.value_or(m_settings->folder()));
    }
    // Those still on offer stay in the journal until the user has answered.
    entries << m_offered;
    QueueJournal::save(journalFile(), entries);
}

void InterruptedDownloads::resume()
{
    const QList<JournalEntry> entries = std::exchange(m_offered, {});
    if (entries.isEmpty())
        return;
    emit changed();
    // Oldest first, so that the list ends in the order it had.
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        auto *item = new DownloadItem(it->url, it->quality, it->playlist);
        DownloadOptions options = it->options;
        // A run that was cut short finds its partial files only in the folder it wrote to.
        if (it->stage == JournalEntry::Stage::running)
            options.folder = it->folder;
        item->setOptions(options);
        // A resumed run keeps behind the guard what came from outside.
        item->setGuarded(it->guarded);
        // The login the browser handed over was never written down: the download goes on
        // without it. A browser profile's is read from the browser again.
        item->setLoginLost(it->browserLogin);
        if (!it->loginBrowser.isEmpty())
            item->setLogin(ItemLogin{{}, it->loginBrowser, it->loginLabel});
        if (!it->title.isEmpty())
            item->setTitle(it->title);
        item->setSite(it->site);
        item->setUploader(it->uploader);
        item->setThumbnail(it->thumbnail);
        item->setDuration(it->duration);
        item->setPlaylistCount(it->playlistCount);
        m_queue->restore(item, it->stage == JournalEntry::Stage::fetching);
    }
    m_queue->pump();
    schedule();
}

void InterruptedDownloads::discard()
{
    if (m_offered.isEmpty())
        return;
    // What the runs that were cut short left (partial data, pictures, subtitles) is of no
    // use to anyone now; a file under its final name is whole and stays.
    for (const JournalEntry &entry : std::exchange(m_offered, {}))
        Leftovers::removeUnfinished(entry.partial);
    emit changed();
    schedule();
}

void InterruptedDownloads::dismissSetAside()
{
    if (m_setAside.isEmpty())
        return;
    m_setAside.clear();
    emit setAsideChanged();
}
