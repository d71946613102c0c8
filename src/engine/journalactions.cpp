#include "downloader.h"

#include "base/paths.h"
#include "engine/logging.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "settings/settings.h"

#include <QTimer>

#include <algorithm>

QString Downloader::journalFile()
{
    return Tools::supportDir() + QStringLiteral("/queue.json");
}

void Downloader::loadJournal()
{
    QueueJournal::Loaded loaded = QueueJournal::load(journalFile());
    m_interrupted = std::move(loaded.entries);
    m_journalSetAside = loaded.setAside;
    m_journalWritable = loaded.writable;
    if (!m_interrupted.isEmpty())
        qCInfo(lcEngine) << m_interrupted.size() << "interrupted downloads offered back";
}

// Changes come in bursts (a text with many links, a playlist moving between entries), so
// they are written once the current burst has been handled, not once per change.
void Downloader::scheduleJournal()
{
    if (m_journalPending)
        return;
    m_journalPending = true;
    const qint64 wait = m_journalWritten.isValid() ? std::max<qint64>(0, kJournalGapMs - m_journalWritten.elapsed()) : 0;
    QTimer::singleShot(wait, this, [this] {
        if (m_journalPending)
            writeJournal();
    });
}

void Downloader::writeJournal()
{
    m_journalPending = false;
    m_journalWritten.start();
    if (!m_journalWritable)
        return;
    QList<JournalEntry> entries;
    for (const DownloadItem *item : m_items->items()) {
        if (!item->state().isFinished())
            entries << JournalEntry::of(*item, item->options().folder.value_or(settings().folder()));
    }
    // Those still on offer stay in the journal until the user has answered.
    entries << m_interrupted;
    QueueJournal::save(journalFile(), entries);
}

void Downloader::resumeInterrupted()
{
    const QList<JournalEntry> entries = std::exchange(m_interrupted, {});
    if (entries.isEmpty())
        return;
    emit interruptedChanged();
    // Oldest first, so that the list ends in the order it had.
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        auto *item = new DownloadItem(it->url, it->quality, it->playlist);
        DownloadOptions options = it->options;
        // A run that was cut short finds its partial files only in the folder it wrote to.
        if (it->stage == JournalEntry::Stage::running)
            options.folder = it->folder;
        item->setOptions(options);
        if (!it->title.isEmpty())
            item->setTitle(it->title);
        item->setSite(it->site);
        item->setUploader(it->uploader);
        item->setThumbnail(it->thumbnail);
        item->setDuration(it->duration);
        item->setPlaylistCount(it->playlistCount);
        m_items->prepend(item);
        if (it->stage == JournalEntry::Stage::fetching)
            fetchInfo(item);
        else
            item->setState(DLState::queued);
    }
    pump();
    scheduleJournal();
}

void Downloader::discardInterrupted()
{
    if (m_interrupted.isEmpty())
        return;
    m_interrupted.clear();
    emit interruptedChanged();
    scheduleJournal();
}

void Downloader::dismissJournalSetAside()
{
    if (m_journalSetAside.isEmpty())
        return;
    m_journalSetAside.clear();
    emit journalSetAsideChanged();
}
