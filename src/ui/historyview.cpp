#include "historyview.h"

#include "base/format.h"
#include "cardtexts.h"
#include "datetext.h"
#include "engine/downloadqueue.h"
#include "history/historybook.h"
#include "history/historylist.h"
#include "history/logging.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "root/downloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

HistoryFilter::HistoryFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
}

void HistoryFilter::setSearch(const QString &search)
{
    if (search == m_search)
        return;
    m_search = search;
    invalidateRowsFilter();
}

bool HistoryFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_search.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    for (int role : {HistoryList::TitleRole, HistoryList::UrlRole, HistoryList::SiteRole}) {
        if (index.data(role).toString().contains(m_search, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QVariant HistoryFilter::data(const QModelIndex &index, int role) const
{
    switch (role) {
    case MissingRole: {
        const QString file = index.data(HistoryList::FileRole).toString();
        return index.data(HistoryList::HasFileRole).toBool() && !QFileInfo::exists(file);
    }
    case AudioRole: {
        const std::optional<Quality> quality = Quality::fromShortLabel(index.data(HistoryList::QualityRole).toString());
        return quality && quality->isAudio();
    }
    case QualityTextRole:
        return L(index.data(HistoryList::QualityRole).toString());
    case SizeTextRole: {
        const qint64 bytes = index.data(HistoryList::BytesRole).toLongLong();
        return bytes >= 1 ? Tools::fmtBytes(double(bytes)) : QString();
    }
    case DateTextRole:
        return DateText::dateTime(index.data(HistoryList::DateRole).toDateTime());
    case SiteTagRole:
        return CardTexts::siteTag(index.data(HistoryList::SiteRole).toString(), index.data(HistoryList::UrlRole).toString());
    default:
        return QSortFilterProxyModel::data(index, role);
    }
}

QHash<int, QByteArray> HistoryFilter::roleNames() const
{
    QHash<int, QByteArray> names = QSortFilterProxyModel::roleNames();
    names.insert(MissingRole, "missing");
    names.insert(AudioRole, "audio");
    names.insert(QualityTextRole, "qualityText");
    names.insert(SizeTextRole, "sizeText");
    names.insert(DateTextRole, "dateText");
    names.insert(SiteTagRole, "siteTag");
    return names;
}

HistoryView::HistoryView(QObject *parent)
    : QObject(parent)
    , m_filter(new HistoryFilter(this))
{
    const auto countChanged = [this] { emit shownCountChanged(); };
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, countChanged);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, countChanged);
    connect(m_filter, &QAbstractItemModel::modelReset, this, countChanged);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, countChanged);
}

void HistoryView::setDownloader(Downloader *downloader)
{
    if (downloader == m_downloader)
        return;
    if (m_downloader)
        m_downloader->history()->disconnect(this);
    m_downloader = downloader;
    HistoryList *list = history();
    m_filter->setSourceModel(list);
    if (list) {
        connect(list, &HistoryList::countChanged, this, &HistoryView::historyChanged);
        connect(list, &HistoryList::totalBytesChanged, this, &HistoryView::historyChanged);
        // The newest entry's date is the same row's data; a change there moves "Último".
        connect(list, &QAbstractItemModel::dataChanged, this, &HistoryView::historyChanged);
    }
    emit downloaderChanged();
    emit historyChanged();
    emit shownCountChanged();
}

void HistoryView::setSearch(const QString &search)
{
    if (search == m_filter->search())
        return;
    m_filter->setSearch(search);
    emit searchChanged();
    emit historyChanged(); // the empty state's wording follows the search
}

HistoryList *HistoryView::history() const
{
    return m_downloader ? m_downloader->history() : nullptr;
}

bool HistoryView::historyEmpty() const
{
    return !history() || history()->count() == 0;
}

QString HistoryView::filesText() const
{
    return QString::number(history() ? history()->count() : 0);
}

QString HistoryView::latestText() const
{
    if (historyEmpty())
        return u"—"_s;
    return DateText::relative(history()->entries().constFirst().date, QDateTime::currentDateTimeUtc());
}

QString HistoryView::emptyText() const
{
    return historyEmpty() ? L("Os downloads concluídos aparecem aqui.") : L("Nada encontrado.");
}

bool HistoryView::downloadAgain(const QString &url, const QString &quality, const QString &file)
{
    if (!m_downloader)
        return false;
    if (!file.isEmpty() && QFileInfo::exists(file)) {
        emit againAsked(url, quality, file);
        return false;
    }
    // Asked for again on purpose, so the download archive must not skip it as already done.
    DownloadOptions options;
    options.ignoreArchive = true;
    m_downloader->queue()->add(url, Quality::fromShortLabel(quality), false, options);
    return true;
}

bool HistoryView::replaceAndDownload(const QString &url, const QString &quality, const QString &file)
{
    if (!m_downloader)
        return false;
    // The trash keeps it: replacing is the user's word, but a mistaken one can be undone.
    // Where there is no trash to take it, the file stays and the new one is named beside it.
    if (QFileInfo::exists(file) && !QFile::moveToTrash(file)) {
        qCWarning(lcHistory) << "could not move to the trash, keeping both:" << file;
        keepBothAndDownload(url, quality, file);
        return false;
    }
    return downloadAgain(url, quality, file);
}

void HistoryView::keepBothAndDownload(const QString &url, const QString &quality, const QString &file)
{
    if (!m_downloader)
        return;
    DownloadOptions options;
    options.ignoreArchive = true;
    options.copy = nextCopy(file);
    m_downloader->queue()->add(url, Quality::fromShortLabel(quality), false, options);
}

int HistoryView::nextCopy(const QString &file)
{
    const QFileInfo info(file);
    const QString stem = info.dir().filePath(info.completeBaseName());
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    int copy = 2;
    while (copy < 9999 && QFileInfo::exists(QStringLiteral("%1 (%2)%3").arg(stem).arg(copy).arg(suffix)))
        ++copy;
    return copy;
}

void HistoryView::remove(int row)
{
    const QModelIndex index = m_filter->index(row, 0);
    if (m_downloader && index.isValid())
        m_downloader->historyBook()->remove(index.data(HistoryList::IdRole).toUuid());
}

void HistoryView::clear()
{
    if (m_downloader)
        m_downloader->historyBook()->clear();
}
