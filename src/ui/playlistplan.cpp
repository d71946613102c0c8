#include "playlistplan.h"

#include "base/format.h"
#include "engine/failuremessages.h"
#include "engine/playlistlisting.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <numeric>

PlaylistPlan::PlaylistPlan(QObject *parent)
    : QAbstractListModel(parent)
{
}

PlaylistPlan::~PlaylistPlan() = default;

void PlaylistPlan::readWith(PlaylistListing *listing)
{
    if (listing == m_listing)
        return;
    clear();
    delete m_listing;
    m_listing = listing;
    if (!m_listing)
        return;
    m_listing->setParent(this);
    connect(m_listing, &PlaylistListing::read, this,
            [this](const QString &url, const std::optional<MediaInfo> &info, const QStringList &errors) { setListing(url, info, errors); });
}

bool PlaylistPlan::busy() const
{
    return m_listing && m_listing->busy();
}

void PlaylistPlan::setQuality(Quality quality)
{
    if (quality == m_quality)
        return;
    m_quality = quality;
    if (!m_entries.empty())
        emit dataChanged(index(0), index(count() - 1), {SizeRole});
    emit changed();
}

void PlaylistPlan::clear()
{
    if (m_listing)
        m_listing->stop();
    beginResetModel();
    m_entries.clear();
    m_reasons.clear();
    m_picked.clear();
    endResetModel();
    m_url.clear();
    m_problem.clear();
    emit changed();
}

void PlaylistPlan::load(const QString &text)
{
    clear();
    const QString url = text.trimmed();
    if (url.isEmpty() || !m_listing)
        return;
    m_url = url;
    if (const auto problem = m_listing->start(url))
        m_problem = *problem;
    emit changed();
}

void PlaylistPlan::setListing(const QString &url, const std::optional<MediaInfo> &info, const QStringList &errors)
{
    beginResetModel();
    m_url = url;
    m_entries = info ? info->entries : std::vector<PlaylistEntry>();
    m_reasons.assign(m_entries.size(), QString());
    if (info) {
        // The engine reports each entry it could not read as it meets them, in order; when the
        // count differs, which line belongs to which entry is not known, and none is named.
        const bool matched = errors.size() == qsizetype(info->unavailable.size());
        for (size_t i = 0; i < info->unavailable.size(); ++i) {
            m_entries.push_back(PlaylistEntry{info->unavailable[i], {}, {}, {}, {}});
            m_reasons.push_back(matched ? describeFailure(errors.at(qsizetype(i)), {}, FailureContext{}).message
                                        : L("Indisponível"));
        }
        std::vector<size_t> order(m_entries.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) { return m_entries[a].position < m_entries[b].position; });
        std::vector<PlaylistEntry> entries;
        std::vector<QString> reasons;
        for (const size_t i : order) {
            entries.push_back(m_entries[i]);
            reasons.push_back(m_reasons[i]);
        }
        m_entries = std::move(entries);
        m_reasons = std::move(reasons);
    }
    m_picked.resize(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_picked[i] = available(i);
    endResetModel();
    if (!info)
        m_problem = L("Não foi possível ler a lista.");
    else if (!info->isPlaylist || m_entries.empty())
        m_problem = L("Este link não é uma playlist.");
    else
        m_problem.clear();
    emit changed();
}

void PlaylistPlan::toggle(int row)
{
    if (row < 0 || row >= count() || !available(size_t(row)))
        return;
    m_picked[size_t(row)] = !m_picked[size_t(row)];
    emit dataChanged(index(row), index(row), {PickedRole});
    emit changed();
}

void PlaylistPlan::pickAll(bool picked)
{
    if (m_entries.empty())
        return;
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_picked[i] = picked && available(i);
    emit dataChanged(index(0), index(count() - 1), {PickedRole});
    emit changed();
}

int PlaylistPlan::pickedCount() const
{
    return int(std::count(m_picked.begin(), m_picked.end(), true));
}

int PlaylistPlan::availableCount() const
{
    return int(std::count(m_reasons.begin(), m_reasons.end(), QString()));
}

QList<int> PlaylistPlan::playlistItems(const QString &url) const
{
    if (url.trimmed() != m_url || pickedCount() == count())
        return {};
    QList<int> positions;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_picked[i])
            positions << m_entries[i].position;
    }
    return positions;
}

bool PlaylistPlan::nothingPicked(const QString &url) const
{
    return !m_entries.empty() && url.trimmed() == m_url && pickedCount() == 0;
}

QString PlaylistPlan::summary() const
{
    if (m_entries.empty())
        return {};
    double bytes = 0;
    qint64 unknown = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (!m_picked[i])
            continue;
        if (const auto size = estimatedBytes(m_entries[i], m_quality.height(), m_quality.isAudio()))
            bytes += *size;
        else
            ++unknown;
    }
    const int picked = pickedCount();
    QString head = LF("%ld de %ld escolhidos", picked, availableCount());
    if (const int unavailable = count() - availableCount(); unavailable > 0)
        head += QStringLiteral(" · ") + LP("%ld indisponível|%ld indisponíveis", unavailable);
    if (picked == 0)
        return head;
    QString size;
    if (unknown == picked)
        size = L("tamanho desconhecido");
    else if (unknown > 0)
        size = LF("cerca de %@, sem o tamanho de %ld", Tools::fmtBytes(bytes), unknown);
    else
        size = LF("cerca de %@", Tools::fmtBytes(bytes));
    return head + QStringLiteral(" · ") + size;
}

int PlaylistPlan::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PlaylistPlan::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const PlaylistEntry &entry = m_entries[size_t(index.row())];
    switch (role) {
    case TitleRole:
        return entry.title.value_or(LF("Item %ld", entry.position));
    case DurationRole:
        return entry.duration ? Tools::fmtTime(*entry.duration) : QString();
    case SizeRole: {
        const auto size = estimatedBytes(entry, m_quality.height(), m_quality.isAudio());
        return size ? Tools::fmtBytes(*size) : QString();
    }
    case PickedRole:
        return bool(m_picked[size_t(index.row())]);
    case AvailableRole:
        return available(size_t(index.row()));
    case ReasonRole:
        return m_reasons[size_t(index.row())];
    }
    return {};
}

QHash<int, QByteArray> PlaylistPlan::roleNames() const
{
    return {{TitleRole, "title"},   {DurationRole, "duration"},   {SizeRole, "size"},
            {PickedRole, "picked"}, {AvailableRole, "available"}, {ReasonRole, "reason"}};
}
