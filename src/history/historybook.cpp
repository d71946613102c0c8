#include "historybook.h"

#include "history/historylist.h"
#include "history/historystore.h"
#include "history/logging.h"
#include "model/downloaditem.h"

#include <QFileInfo>

HistoryBook::HistoryBook(const QString &path, QObject *parent)
    : QObject(parent)
    , m_list(new HistoryList(this))
    , m_path(path)
{
}

void HistoryBook::load()
{
    HistoryStore::Loaded loaded = HistoryStore::load(m_path);
    m_writable = loaded.writable;
    m_list->assign(loaded.entries);
}

void HistoryBook::record(const DownloadItem &item)
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

    m_list->prepend(entry);
    save();
}

void HistoryBook::remove(const QUuid &id)
{
    m_list->removeId(id);
    save();
}

void HistoryBook::clear()
{
    m_list->clear();
    save();
}

void HistoryBook::save()
{
    if (!m_writable) {
        qCWarning(lcHistory) << "history not saved: the unreadable file" << m_path << "is still in the way";
        return;
    }
    HistoryStore::save(m_path, m_list->entries());
}
