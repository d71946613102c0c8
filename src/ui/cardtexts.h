#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>
#include <QUrl>

class DownloadItem;

// What a download card writes about its item: the facts row, the status line of each
// state and the file its buttons act on. It listens to the item's own signals and
// announces each text separately, so a progress line only redraws the line itself.
class CardTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(DownloadItem *item READ item WRITE setItem NOTIFY itemChanged)
    Q_PROPERTY(QString qualityChip READ qualityChip NOTIFY itemChanged)
    Q_PROPERTY(bool audio READ audio NOTIFY itemChanged)
    Q_PROPERTY(QString playlistChip READ playlistChip NOTIFY playlistChipChanged)
    Q_PROPERTY(QString durationChip READ durationChip NOTIFY durationChipChanged)
    Q_PROPERTY(QUrl thumbnail READ thumbnail NOTIFY thumbnailChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString entry READ entry NOTIFY entryChanged)
    Q_PROPERTY(QString lastFile READ lastFile NOTIFY lastFileChanged)

public:
    using QObject::QObject;

    DownloadItem *item() const { return m_item; }
    void setItem(DownloadItem *item);

    // The short quality name in the interface language ("Best", "1080p", "MP3").
    QString qualityChip() const;
    bool audio() const;
    // Empty when the item is not a playlist.
    QString playlistChip() const;
    // Empty when the duration is unknown or zero.
    QString durationChip() const;
    // Only web pictures are fetched: a thumbnail address from a page names no local file.
    QUrl thumbnail() const;
    // The one line under the bar, or beside the symbol of a failure, for the current state.
    QString status() const;
    // "— entry" after the progress line of a playlist, empty otherwise.
    QString entry() const;
    QString lastFile() const;

    Q_INVOKABLE void copyLink() const;

    // The pieces as functions of plain values, for the card and its tests.
    static QString percentText(double progress);
    static QString progressLine(double progress, const QString &size, const QString &speed,
                                const QString &eta, const QString &playlistPos);
    static QString doneLine(qsizetype fileCount, const QString &size);

signals:
    void itemChanged();
    void playlistChipChanged();
    void durationChipChanged();
    void thumbnailChanged();
    void statusChanged();
    void entryChanged();
    void lastFileChanged();

private:
    QPointer<DownloadItem> m_item;
};
