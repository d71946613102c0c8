#pragma once

#include "model/historyentry.h"

#include <QAbstractListModel>
#include <QList>

// The finished downloads, newest first, as a list model for the history page.
class HistoryList : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(qint64 totalBytes READ totalBytes NOTIFY totalBytesChanged)

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        TitleRole,
        UrlRole,
        FileRole,
        HasFileRole,
        SiteRole,
        QualityRole,
        DateRole,
        ThumbnailRole,
        BytesRole, // -1 while unknown
    };
    Q_ENUM(Role)

    static constexpr qsizetype kCapacity = 1000;

    explicit HistoryList(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_entries.size()); }
    const QList<HistoryEntry> &entries() const { return m_entries; }
    // Sum of the known sizes; entries of unknown size count nothing.
    qint64 totalBytes() const { return m_totalBytes; }

    // Replaces the whole list; used once, when the history is loaded.
    void assign(const QList<HistoryEntry> &entries);
    // Puts the entry first and drops the oldest entries past the capacity.
    void prepend(const HistoryEntry &entry);
    // Removes every entry with this id, keeping the order of the others.
    void removeId(const QUuid &id);
    void clear();

signals:
    void countChanged();
    void totalBytesChanged();

private:
    void removeRange(qsizetype first, qsizetype last);
    void updateTotal();

    QList<HistoryEntry> m_entries;
    qint64 m_totalBytes = 0;
};
