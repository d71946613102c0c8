#include "historybook.h"

#include "base/format.h"
#include "history/historylist.h"
#include "history/historystore.h"
#include "history/logging.h"
#include "model/downloaditem.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <utility>

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
    // Pages choose titles, thumbnails and, through a vireloom: address, even the link; the
    // history is written out whole at every change, so none of them may be of any size.
    if (item.url().size() > Tools::kLinkLimit) {
        qCWarning(lcHistory) << "not recorded: a link of" << item.url().size() << "characters";
        return;
    }
    HistoryEntry entry;
    entry.id = QUuid::createUuid();
    entry.title = Tools::cappedTitle(item.title());
    entry.url = item.url();
    if (!item.files().isEmpty())
        entry.file = item.files().last();
    entry.site = Tools::cappedTitle(item.site());
    entry.quality = item.quality().shortLabel();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    entry.date = now.addMSecs(-now.time().msec());
    if (const auto thumbnail = item.thumbnailUrl()) {
        if (const QString link = thumbnail->toString(QUrl::FullyEncoded); link.size() <= Tools::kLinkLimit)
            entry.thumbnail = link;
    }
    // Files that cannot be measured count nothing; the sum is known even then.
    qint64 bytes = 0;
    for (const QString &file : item.files())
        bytes += QFileInfo(file).size();
    entry.bytes = bytes;

    m_list->prepend(entry);
    save();
}

bool HistoryBook::bringForward(const DownloadItem &item)
{
    const QList<HistoryEntry> &entries = m_list->entries();
    const QString file = item.files().isEmpty() ? QString() : item.files().constLast();
    const auto known = std::find_if(entries.begin(), entries.end(), [&](const HistoryEntry &entry) {
        return file.isEmpty() ? entry.url == item.url() : entry.file == file;
    });
    if (known == entries.end())
        return false;
    HistoryEntry entry = *known;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    entry.date = now.addMSecs(-now.time().msec());
    m_list->removeId(entry.id);
    m_list->prepend(entry);
    save();
    return true;
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

HistoryBook::~HistoryBook()
{
    flush();
}

void HistoryBook::save()
{
    if (!m_writable) {
        qCWarning(lcHistory) << "history not saved: the unreadable file" << m_path << "is still in the way";
        return;
    }
    if (m_savePending)
        return;
    m_savePending = true;
    const qint64 wait = m_saved.isValid() ? std::max<qint64>(0, kSaveGapMs - m_saved.elapsed()) : 0;
    if (wait == 0)
        flush();
    else
        QTimer::singleShot(wait, this, &HistoryBook::flush);
}

void HistoryBook::flush()
{
    if (!std::exchange(m_savePending, false))
        return;
    m_saved.start();
    HistoryStore::save(m_path, m_list->entries());
}
