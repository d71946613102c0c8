#pragma once

#include "model/mediainfo.h"
#include "model/quality.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <QUuid>

#include <vector>

class Downloader;
class QProcess;

// The entries of a playlist before it is downloaded: what the link lists, which of them
// to fetch, and about how much that comes to at the chosen quality. Reading the list runs
// the engine as a child process; its JSON is parsed away from the GUI thread.
class PlaylistPlan : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString url READ url NOTIFY changed)
    Q_PROPERTY(bool busy READ busy NOTIFY changed)
    Q_PROPERTY(QString problem READ problem NOTIFY changed)
    Q_PROPERTY(QString summary READ summary NOTIFY changed)
    Q_PROPERTY(int count READ count NOTIFY changed)

public:
    enum Role { TitleRole = Qt::UserRole + 1, DurationRole, SizeRole, PickedRole };

    explicit PlaylistPlan(QObject *parent = nullptr);
    ~PlaylistPlan() override;

    void setDownloader(Downloader *downloader) { m_downloader = downloader; }
    void setQuality(Quality quality);

    // The link whose entries are listed; empty before a list was read.
    QString url() const { return m_url; }
    bool busy() const { return m_process != nullptr || m_parsing; }
    QString problem() const { return m_problem; }
    // "2 of 3 picked · about 1.2 GB", or what stands in for the size when none is known.
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

    // Takes the probe's JSON as the list (what `load` does when the engine answers).
    void setListing(const QString &url, const std::optional<MediaInfo> &info);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void changed();

private:
    void stopProbe();
    int pickedCount() const;

    QPointer<Downloader> m_downloader;
    QProcess *m_process = nullptr;
    // Names the private files of the running listing.
    QUuid m_runId;
    bool m_parsing = false;
    int m_generation = 0;
    QString m_url;
    QString m_problem;
    Quality m_quality = Quality::best;
    std::vector<PlaylistEntry> m_entries;
    std::vector<bool> m_picked;
};
