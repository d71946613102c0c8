#include "downloadlist.h"

#include "model/downloaditem.h"

DownloadList::DownloadList(QObject *parent)
    : QAbstractListModel(parent)
{
}

int DownloadList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant DownloadList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    DownloadItem *item = m_items.at(index.row());
    switch (role) {
    case ItemRole:
        return QVariant::fromValue(item);
    case IdRole:
        return item->id();
    case UrlRole:
        return item->url();
    case Qt::DisplayRole:
    case TitleRole:
        return item->title();
    case StateRole:
        return item->stateName();
    default:
        return {};
    }
}

QHash<int, QByteArray> DownloadList::roleNames() const
{
    return {{ItemRole, "item"}, {IdRole, "itemId"}, {UrlRole, "url"}, {TitleRole, "title"}, {StateRole, "state"}};
}

bool DownloadList::contains(const DownloadItem *item) const
{
    return item && m_byId.value(item->id()) == item;
}

void DownloadList::prepend(DownloadItem *item)
{
    item->setParent(this);
    connect(item, &DownloadItem::changed, this, [this, item](DownloadItem::Changes what) {
        if (what & DownloadItem::Title)
            notifyRole(item, TitleRole);
        if (what & DownloadItem::State) {
            notifyRole(item, StateRole);
            emit itemStateChanged(item);
        }
        if (what & DownloadItem::Destinations)
            emit itemDestinationsChanged(item);
    });

    beginInsertRows(QModelIndex(), 0, 0);
    m_items.prepend(item);
    m_byId.insert(item->id(), item);
    endInsertRows();
    emit countChanged();
}

void DownloadList::removeIf(const std::function<bool(const DownloadItem *)> &matches)
{
    bool removed = false;
    // From the end, so that the rows still to be visited keep their numbers.
    for (qsizetype last = m_items.size() - 1; last >= 0; --last) {
        if (!matches(m_items.at(last)))
            continue;
        qsizetype first = last;
        while (first > 0 && matches(m_items.at(first - 1)))
            --first;

        beginRemoveRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
        for (qsizetype row = first; row <= last; ++row) {
            DownloadItem *item = m_items.at(row);
            m_byId.remove(item->id());
            item->disconnect(this);
            item->deleteLater();
        }
        m_items.remove(first, last - first + 1);
        endRemoveRows();
        removed = true;
        last = first;
    }
    if (removed)
        emit countChanged();
}

void DownloadList::notifyRole(DownloadItem *item, int role)
{
    const qsizetype row = m_items.indexOf(item);
    if (row < 0)
        return;
    const QModelIndex changed = index(static_cast<int>(row));
    emit dataChanged(changed, changed, {role});
}
