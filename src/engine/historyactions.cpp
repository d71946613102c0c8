#include "downloader.h"

#include "history/historylist.h"
#include "history/historystore.h"
#include "model/downloaditem.h"
#include "engine/logging.h"
#include "tools/tools.h"

#include <QFileInfo>

void Downloader::loadHistory()
{
    m_historyPath = Tools::supportDir() + QStringLiteral("/history.json");
    HistoryStore::Loaded loaded = HistoryStore::load(m_historyPath);
    m_historyWritable = loaded.writable;
    m_history->assign(loaded.entries);
}

void Downloader::saveHistory()
{
    if (!m_historyWritable) {
        qCWarning(lcEngine) << "history not saved: the unreadable file" << m_historyPath << "is still in the way";
        return;
    }
    HistoryStore::save(m_historyPath, m_history->entries());
}

void Downloader::recordFinished(const DownloadItem &item)
{
    HistoryEntry entry;
    entry.id = QUuid::createUuid();
    entry.title = item.title();
    entry.url = item.url();
    if (!item.files().isEmpty())
        entry.file = item.files().last();
    entry.site = item.site();
    entry.quality = item.quality().shortLabel();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    entry.date = now.addMSecs(-now.time().msec());
    if (const auto thumbnail = item.thumbnailUrl())
        entry.thumbnail = thumbnail->toString(QUrl::FullyEncoded);
    // Files that cannot be measured count nothing; the sum is known even then.
    qint64 bytes = 0;
    for (const QString &file : item.files())
        bytes += QFileInfo(file).size();
    entry.bytes = bytes;

    m_history->prepend(entry);
    saveHistory();
}

qint64 Downloader::totalBytes() const
{
    return m_history->totalBytes();
}

void Downloader::removeHistory(const QUuid &entryId)
{
    m_history->removeId(entryId);
    saveHistory();
}

void Downloader::clearHistory()
{
    m_history->clear();
    saveHistory();
}
