#pragma once

#include "model/mediainfo.h"
#include "model/quality.h"

#include <QAbstractListModel>
#include <QString>

#include <vector>

class PlaylistListing;

// The entries of a playlist before it is downloaded, as the playlist sheet shows them:
// what the link lists, which of them to fetch, and about how much that comes to at the
// chosen quality. An entry the engine could not read stays in the list at its place,
// unavailable, with the reason the engine gave; it cannot be picked. The engine's
// PlaylistListing reads the list.
class PlaylistPlan : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString url READ url NOTIFY changed)
    Q_PROPERTY(bool busy READ busy NOTIFY changed)
    Q_PROPERTY(QString problem READ problem NOTIFY changed)
    Q_PROPERTY(QString summary READ summary NOTIFY changed)
    Q_PROPERTY(int count READ count NOTIFY changed)

public:
    enum Role { TitleRole = Qt::UserRole + 1, DurationRole, SizeRole, PickedRole, AvailableRole, ReasonRole };

    explicit PlaylistPlan(QObject *parent = nullptr);
    ~PlaylistPlan() override;

    // What reads the lists; the plan takes it over. Without one, load() reads nothing.
    void readWith(PlaylistListing *listing);
    void setQuality(Quality quality);

    // The link whose entries are listed; empty before a list was read.
    QString url() const { return m_url; }
    bool busy() const;
    QString problem() const { return m_problem; }
    // "2 of 3 picked · about 1.2 GB", or what stands in for the size when none is known;
    // the entries that cannot be picked are counted apart ("· 1 unavailable").
    QString summary() const;
    int count() const { return int(m_entries.size()); }

    // Reads the entries of `url`, replacing any list read before.
    Q_INVOKABLE void load(const QString &url);
    Q_INVOKABLE void toggle(int row);
    Q_INVOKABLE void pickAll(bool picked);
    // Forgets the list, as when the link it was read for is submitted or changed.
    void clear();

    // The positions to ask for when `url` is downloaded: empty when no list was read for
    // it or every entry is picked, so the whole playlist goes.
    QList<int> playlistItems(const QString &url) const;
    // A list was read for `url` and nothing in it is picked: nothing to download.
    bool nothingPicked(const QString &url) const;

    // Takes the probe's JSON as the list (what `load` does when the engine answers), with
    // the error lines the engine wrote while reading it: one per entry it could not read,
    // in order.
    void setListing(const QString &url, const std::optional<MediaInfo> &info, const QStringList &errors = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void changed();

private:
    int pickedCount() const;

    PlaylistListing *m_listing = nullptr;
    QString m_url;
    QString m_problem;
    Quality m_quality = Quality::best;
    bool available(size_t row) const { return m_reasons[row].isEmpty(); }
    int availableCount() const;

    std::vector<PlaylistEntry> m_entries;
    // Why each entry cannot be fetched; empty for those that can.
    std::vector<QString> m_reasons;
    std::vector<bool> m_picked;
};
