#pragma once

#include "model/quality.h"

#include <QObject>
#include <QQmlEngine>
#include <QSortFilterProxyModel>

#include <optional>

class Downloader;
class HistoryList;

// The history as the page lists it: the entries whose title, link or site contain the
// search text, in history order, with the texts a row shows besides the entry's own.
class HistoryFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("the history page's view makes it")

public:
    enum Role {
        MissingRole = Qt::UserRole + 100, // the entry names a file that is not there any more
        AudioRole,
        QualityTextRole,
        SizeTextRole, // empty when the size is unknown or zero
        DateTextRole,
        SiteTagRole, // the site as a tag, empty for the engine's fallback
    };

    explicit HistoryFilter(QObject *parent = nullptr);

    QString search() const { return m_search; }
    // Used as typed: not trimmed, compared without regard to case, accents kept.
    void setSearch(const QString &search);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_search;
};

// The history page's logic: the figures of its tiles, the search, and the row actions.
class HistoryView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Downloader *downloader READ downloader WRITE setDownloader NOTIFY downloaderChanged)
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged)
    Q_PROPERTY(HistoryFilter *entries READ entries CONSTANT)
    Q_PROPERTY(int shownCount READ shownCount NOTIFY shownCountChanged)
    Q_PROPERTY(bool historyEmpty READ historyEmpty NOTIFY historyChanged)
    Q_PROPERTY(QString filesText READ filesText NOTIFY historyChanged)
    Q_PROPERTY(QString latestText READ latestText NOTIFY historyChanged)
    Q_PROPERTY(QString emptyText READ emptyText NOTIFY historyChanged)

public:
    explicit HistoryView(QObject *parent = nullptr);

    Downloader *downloader() const { return m_downloader; }
    void setDownloader(Downloader *downloader);
    QString search() const { return m_filter->search(); }
    void setSearch(const QString &search);
    HistoryFilter *entries() const { return m_filter; }
    int shownCount() const { return m_filter->rowCount(); }

    bool historyEmpty() const;
    QString filesText() const;
    QString latestText() const;
    // What the page says when no row shows.
    QString emptyText() const;

    // Adds the link again with the recorded preset (the default quality when the label is
    // unknown), as one video. While its file is still there, nothing is added: the page
    // asks whether to replace the file or keep both (againAsked), and false comes back.
    Q_INVOKABLE bool downloadAgain(const QString &url, const QString &quality, const QString &file);
    // The answers: the file goes to the trash and the link is downloaded under its name, or
    // the new download is named as a copy beside it. False when the file could not be
    // moved to the trash: then it stays, and the new one is kept beside it.
    Q_INVOKABLE bool replaceAndDownload(const QString &url, const QString &quality, const QString &file);
    Q_INVOKABLE void keepBothAndDownload(const QString &url, const QString &quality, const QString &file);
    // The copy number a file kept beside `file` takes: the first "name (n)" not taken.
    static int nextCopy(const QString &file);
    // The entry on the given row of `entries`.
    Q_INVOKABLE void remove(int row);
    // Empties the history; the downloaded files stay where they are.
    Q_INVOKABLE void clear();

signals:
    void downloaderChanged();
    void searchChanged();
    void shownCountChanged();
    void historyChanged();
    void againAsked(const QString &url, const QString &quality, const QString &file);

private:
    HistoryList *history() const;

    Downloader *m_downloader = nullptr;
    HistoryFilter *m_filter;
};
