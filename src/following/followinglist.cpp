#include "followinglist.h"

#include "following/following.h"
#include "settings/settings.h"

FollowingList::FollowingList(Following *following)
    : QAbstractListModel(following)
    , m_following(following)
{
    m_newCount = newCount();
}

int FollowingList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_following->sources().size());
}

int FollowingList::newCount() const
{
    int total = 0;
    for (const FollowedSource &source : m_following->sources())
        total += source.newSinceVisit;
    return total;
}

QString FollowingList::stateName(const FollowedSource &source, bool checking)
{
    if (checking)
        return QStringLiteral("checking");
    if (source.paused)
        return QStringLiteral("paused");
    if (source.problem.isFailure())
        return QStringLiteral("failed");
    return source.hasBeenRead() ? QStringLiteral("ok") : QStringLiteral("waiting");
}

QString FollowingList::problemName(CheckFailure failure)
{
    switch (failure) {
    case CheckFailure::none:
        return {};
    case CheckFailure::rateLimited:
        return QStringLiteral("rateLimited");
    case CheckFailure::vanished:
        return QStringLiteral("vanished");
    case CheckFailure::network:
        return QStringLiteral("network");
    case CheckFailure::engineMissing:
        return QStringLiteral("engineMissing");
    case CheckFailure::unreadable:
        return QStringLiteral("unreadable");
    }
    return {};
}

QVariant FollowingList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FollowedSource &source = m_following->sources().at(index.row());
    const bool checking = m_following->checkingSource() == source.id;
    switch (role) {
    case IdRole:
        return source.id;
    case UrlRole:
        return source.url;
    case Qt::DisplayRole:
    case TitleRole:
        return source.title.isEmpty() ? source.url : source.title;
    case SiteRole:
        return source.site;
    case EntryCountRole:
        return source.entryCount.value_or(-1);
    case AddedRole:
        return source.added;
    case LastCheckRole:
        return source.lastCheck.value_or(QDateTime());
    case NextCheckRole:
        return source.paused ? QDateTime() : source.nextCheck;
    case StateRole:
        return stateName(source, checking);
    case ProblemRole:
        return problemName(source.problem.kind);
    case ProblemDetailRole:
        return source.problem.detail;
    case IntervalRole:
        return source.interval;
    case BackoffRole:
        return source.backoff;
    case PausedRole:
        return source.paused;
    case QualityRole:
        return source.downloadQuality().id();
    case AudioOnlyRole:
        return source.options.audioOnly;
    case SubtitlesRole:
        return source.options.subtitles;
    case SponsorBlockRole:
        return source.options.sponsorBlock;
    case FolderRole:
        return Settings::displayPath(source.downloadFolder(m_following->downloadFolder()));
    case FolderChosenRole:
        return !source.options.folder.isEmpty();
    case NewSinceVisitRole:
        return source.newSinceVisit;
    case HeldCountRole:
        return int(source.held.size());
    case FolderProblemRole:
        return m_following->folderProblem(source.id);
    default:
        return {};
    }
}

QHash<int, QByteArray> FollowingList::roleNames() const
{
    return {
        {IdRole, "sourceId"},
        {UrlRole, "url"},
        {TitleRole, "title"},
        {SiteRole, "site"},
        {EntryCountRole, "entryCount"},
        {AddedRole, "added"},
        {LastCheckRole, "lastCheck"},
        {NextCheckRole, "nextCheck"},
        {StateRole, "state"},
        {ProblemRole, "problem"},
        {ProblemDetailRole, "problemDetail"},
        {IntervalRole, "interval"},
        {BackoffRole, "backoff"},
        {PausedRole, "paused"},
        {QualityRole, "quality"},
        {AudioOnlyRole, "audioOnly"},
        {SubtitlesRole, "subtitles"},
        {SponsorBlockRole, "sponsorBlock"},
        {FolderRole, "folder"},
        {FolderChosenRole, "folderChosen"},
        {NewSinceVisitRole, "newSinceVisit"},
        {HeldCountRole, "heldCount"},
        {FolderProblemRole, "folderProblem"},
    };
}

void FollowingList::beginInsert(int row)
{
    beginInsertRows({}, row, row);
}

void FollowingList::endInsert()
{
    endInsertRows();
    emit countChanged();
}

void FollowingList::beginRemove(int row)
{
    beginRemoveRows({}, row, row);
}

void FollowingList::endRemove()
{
    endRemoveRows();
    emit countChanged();
    if (const int total = newCount(); total != m_newCount) {
        m_newCount = total;
        emit newCountChanged();
    }
}

void FollowingList::changed(int row, const FollowedSource &before, bool checkEnded)
{
    const FollowedSource &after = m_following->sources().at(row);
    QList<int> roles;
    const auto note = [&roles](bool differs, std::initializer_list<int> affected) {
        if (differs)
            roles.append(affected);
    };
    note(before.title != after.title, {TitleRole, Qt::DisplayRole, FolderRole});
    note(before.site != after.site, {SiteRole});
    note(before.entryCount != after.entryCount, {EntryCountRole});
    note(before.lastCheck != after.lastCheck, {LastCheckRole});
    note(before.nextCheck != after.nextCheck || before.paused != after.paused, {NextCheckRole});
    note(checkEnded || before.problem.kind != after.problem.kind || before.paused != after.paused
             || before.lastRead.has_value() != after.lastRead.has_value(),
         {StateRole});
    note(before.problem.kind != after.problem.kind, {ProblemRole});
    note(before.problem.detail != after.problem.detail, {ProblemDetailRole});
    note(before.interval != after.interval, {IntervalRole});
    note(before.backoff != after.backoff, {BackoffRole});
    note(before.paused != after.paused, {PausedRole});
    note(before.options != after.options, {QualityRole, AudioOnlyRole, SubtitlesRole, SponsorBlockRole, FolderRole, FolderChosenRole});
    note(before.newSinceVisit != after.newSinceVisit, {NewSinceVisitRole});
    note(before.held.size() != after.held.size(), {HeldCountRole});
    if (!roles.isEmpty())
        emit dataChanged(index(row), index(row), roles);
    if (before.newSinceVisit != after.newSinceVisit) {
        m_newCount = newCount();
        emit newCountChanged();
    }
}

void FollowingList::checkingChanged(int row)
{
    emit dataChanged(index(row), index(row), {StateRole});
}

void FollowingList::folderProblemChanged(int row)
{
    emit dataChanged(index(row), index(row), {FolderProblemRole});
}
