#include "historylist.h"

#include <QUrl>
#include <QtNumeric>

#include <limits>

HistoryList::HistoryList(QObject *parent)
    : QAbstractListModel(parent)
{
}

int HistoryList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant HistoryList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const HistoryEntry &entry = m_entries.at(index.row());
    switch (role) {
    case IdRole:
        return entry.id;
    case Qt::DisplayRole:
    case TitleRole:
        return entry.title;
    case UrlRole:
        return entry.url;
    case FileRole:
        return entry.file.value_or(QString());
    case HasFileRole:
        return entry.file.has_value();
    case SiteRole:
        return entry.site;
    case QualityRole:
        return entry.quality;
    case DateRole:
        return entry.date;
    case ThumbnailRole: {
        // Only a page's poster on the web is shown; a local file or any other scheme in a
        // stored entry is not read.
        const QUrl url(entry.thumbnail.value_or(QString()));
        const QString scheme = url.scheme().toLower();
        return url.isValid() && (scheme == u"http" || scheme == u"https") ? url.toString(QUrl::FullyEncoded) : QString();
    }
    case BytesRole:
        return entry.bytes.value_or(-1);
    default:
        return {};
    }
}

QHash<int, QByteArray> HistoryList::roleNames() const
{
    return {
        {IdRole, "entryId"}, {TitleRole, "title"},     {UrlRole, "url"},   {FileRole, "file"},           {HasFileRole, "hasFile"},
        {SiteRole, "site"},  {QualityRole, "quality"}, {DateRole, "date"}, {ThumbnailRole, "thumbnail"}, {BytesRole, "bytes"},
    };
}

void HistoryList::assign(const QList<HistoryEntry> &entries)
{
    if (!m_entries.isEmpty())
        removeRange(0, m_entries.size() - 1);
    if (!entries.isEmpty()) {
        beginInsertRows(QModelIndex(), 0, static_cast<int>(entries.size() - 1));
        m_entries = entries;
        endInsertRows();
    }
    emit countChanged();
    updateTotal();
}

void HistoryList::prepend(const HistoryEntry &entry)
{
    beginInsertRows(QModelIndex(), 0, 0);
    m_entries.prepend(entry);
    endInsertRows();
    if (m_entries.size() > kCapacity)
        removeRange(kCapacity, m_entries.size() - 1);
    emit countChanged();
    updateTotal();
}

void HistoryList::removeId(const QUuid &id)
{
    bool removed = false;
    for (qsizetype row = m_entries.size() - 1; row >= 0; --row) {
        if (m_entries.at(row).id == id) {
            removeRange(row, row);
            removed = true;
        }
    }
    if (removed) {
        emit countChanged();
        updateTotal();
    }
}

void HistoryList::clear()
{
    if (m_entries.isEmpty())
        return;
    removeRange(0, m_entries.size() - 1);
    emit countChanged();
    updateTotal();
}

void HistoryList::removeRange(qsizetype first, qsizetype last)
{
    beginRemoveRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
    m_entries.remove(first, last - first + 1);
    endRemoveRows();
}

void HistoryList::updateTotal()
{
    // Sizes come from a file anyone can edit; a sum past 64 bits stays at the limit.
    qint64 total = 0;
    for (const HistoryEntry &entry : std::as_const(m_entries)) {
        if (qAddOverflow(total, entry.bytes.value_or(0), &total))
            total = entry.bytes.value_or(0) < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    }
    if (total == m_totalBytes)
        return;
    m_totalBytes = total;
    emit totalBytesChanged();
}
