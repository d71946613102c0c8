#include "followinglist.h"

#include "following/following.h"
#include "i18n/i18n.h"
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

QString FollowingList::stateText(const FollowedSource &source, bool checking)
{
    if (checking)
        return L(QStringLiteral("Verificando…"));
    if (source.paused)
        return L(QStringLiteral("Pausada"));
    switch (source.problem.kind) {
    case CheckFailure::none:
        break;
    case CheckFailure::rateLimited:
        if (source.backoff > 0)
            return LF(QStringLiteral("O site pediu uma pausa: verificando a cada %ld h"), source.backoff / 3600);
        return L(QStringLiteral("O site pediu uma pausa: tentando de novo mais tarde"));
    case CheckFailure::vanished:
        return L(QStringLiteral("Não encontrada: o link sumiu, é privado ou não é uma lista"));
    case CheckFailure::network:
        return L(QStringLiteral("Não consegui falar com o site: tentando de novo mais tarde"));
    case CheckFailure::engineMissing:
        return L(QStringLiteral("Motor não instalado — clique em Instalar agora."));
    case CheckFailure::unreadable:
        return L(QStringLiteral("O yt-dlp não conseguiu listar esta fonte"));
    }
    return source.hasBeenRead() ? L(QStringLiteral("Em dia")) : L(QStringLiteral("Aguardando a primeira leitura"));
}

QVariant FollowingList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FollowedSource &source = m_following->sources().at(index.row());
    const bool checking = m_following->checkingSource() == source.id;
    switch (role) {
    case IdRole: return source.id;
    case UrlRole: return source.url;
    case Qt::DisplayRole:
    case TitleRole: return source.title.isEmpty() ? source.url : source.title;
    case SiteRole: return source.site;
    case EntryCountRole: return source.entryCount.value_or(-1);
    case AddedRole: return source.added;
    case LastCheckRole: return source.lastCheck.value_or(QDateTime());
    case NextCheckRole: return source.paused ? QDateTime() : source.nextCheck;
    case StateRole: return stateName(source, checking);
    case StateTextRole: return stateText(source, checking);
    case ProblemDetailRole: return source.problem.detail;
    case IntervalRole: return source.interval;
    case BackoffRole: return source.backoff;
    case PausedRole: return source.paused;
    case QualityRole: return source.downloadQuality().id();
    case AudioOnlyRole: return source.options.audioOnly;
    case SubtitlesRole: return source.options.subtitles;
    case SponsorBlockRole: return source.options.sponsorBlock;
    case FolderRole: return Settings::displayPath(source.downloadFolder(m_following->downloadFolder()));
    case FolderChosenRole: return !source.options.folder.isEmpty();
    case NewSinceVisitRole: return source.newSinceVisit;
    case HeldCountRole: return int(source.held.size());
    case FolderProblemRole: return m_following->folderProblem(source.id);
    default: return {};
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
        {StateTextRole, "stateText"},
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

void FollowingList::changed(int row, const FollowedSource &before)
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
    note(before.problem != after.problem || before.paused != after.paused || before.lastRead.has_value() != after.lastRead.has_value()
             || before.backoff != after.backoff,
         {StateRole, StateTextRole, ProblemDetailRole});
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
    emit dataChanged(index(row), index(row), {StateRole, StateTextRole});
}

void FollowingList::folderProblemChanged(int row)
{
    emit dataChanged(index(row), index(row), {FolderProblemRole});
}
