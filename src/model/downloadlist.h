#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QUuid>

#include <functional>

class DownloadItem;

// The download list, newest first. It owns its items; an item that leaves the list is
// deleted once control returns to the event loop, so a view that still holds it for
// the current frame reads a live object.
class DownloadList : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { ItemRole = Qt::UserRole + 1, IdRole, UrlRole, TitleRole, StateRole };
    Q_ENUM(Role)

    explicit DownloadList(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_items.size()); }
    DownloadItem *at(int row) const { return m_items.at(row); }
    const QList<DownloadItem *> &items() const { return m_items; }
    Q_INVOKABLE DownloadItem *find(const QUuid &id) const { return m_byId.value(id); }
    bool contains(const DownloadItem *item) const;

    void prepend(DownloadItem *item);
    // Removes every item for which `matches` holds, a row range at a time.
    void removeIf(const std::function<bool(const DownloadItem *)> &matches);

signals:
    void countChanged();
    // An item's state changed; the list's own counts depend on it.
    void itemStateChanged(DownloadItem *item);
    void itemDestinationsChanged(DownloadItem *item);

private:
    void notifyRole(DownloadItem *item, int role);

    QList<DownloadItem *> m_items;
    QHash<QUuid, DownloadItem *> m_byId;
};
