#pragma once

#include "following/followedsource.h"

#include <QAbstractListModel>

class Following;

// The followed sources as the Following page shows them, in the order they were added.
// Texts from outside (titles, sites, links, the engine's words) are plain text.
class FollowingList : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int newCount READ newCount NOTIFY newCountChanged)

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        UrlRole,
        // The source's own title, or its link until it has been read.
        TitleRole,
        SiteRole,
        // -1 while unknown.
        EntryCountRole,
        AddedRole,
        // Invalid dates while there is none.
        LastCheckRole,
        NextCheckRole,
        // "waiting" (never read yet), "checking", "ok", "failed" or "paused". A paused
        // source checked on the user's word is "checking" once, and "paused" again after.
        StateRole,
        // Why the last check failed, as problemName() names it; empty when it did not.
        ProblemRole,
        // The engine's own words about the last failure; empty when it did not fail.
        ProblemDetailRole,
        // Seconds.
        IntervalRole,
        // Seconds; 0 while the site has not asked for a pause.
        BackoffRole,
        PausedRole,
        QualityRole,
        AudioOnlyRole,
        SubtitlesRole,
        SponsorBlockRole,
        // The folder the downloads go to now; the one chosen, or the default.
        FolderRole,
        FolderChosenRole,
        NewSinceVisitRole,
        // Entries that point into the local network and wait for the user's word.
        HeldCountRole,
        // Why the folder last chosen for the source was refused; empty when none was.
        FolderProblemRole,
    };
    Q_ENUM(Role)

    explicit FollowingList(Following *following);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return rowCount(); }
    // Entries announced since the last visit, over every source.
    int newCount() const;

    // The state of a source as StateRole names it, and its last failure as ProblemRole
    // does: names for the views to word, never words themselves.
    static QString stateName(const FollowedSource &source, bool checking);
    static QString problemName(CheckFailure failure);

signals:
    void countChanged();
    void newCountChanged();

private:
    friend class Following;
    void beginInsert(int row);
    void endInsert();
    void beginRemove(int row);
    void endRemove();
    // Announces the roles in which the source at `row` differs from `before`; its state
    // too when a check of it has just ended, whatever the check changed.
    void changed(int row, const FollowedSource &before, bool checkEnded = false);
    void checkingChanged(int row);
    void folderProblemChanged(int row);

    const Following *m_following;
    int m_newCount = 0;
};
