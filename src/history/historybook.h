#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QUuid>

class DownloadItem;
class HistoryList;

// The history as the application keeps it: the list the history page shows, mirrored to
// one file. A change is saved at once, unless the last save was less than kSaveGapMs
// ago: then once that time is up, with whatever changed meanwhile, so that a long queue
// finishing many downloads a second does not write the whole file for each. Whatever is
// still unsaved is saved when the book goes. A file found unreadable at start that could
// not be moved aside either is never written over in this run, so nothing the user had
// is lost to the next save.
class HistoryBook : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSaveGapMs = 1000;

    explicit HistoryBook(const QString &path, QObject *parent = nullptr);
    ~HistoryBook() override;

    HistoryList *list() const { return m_list; }
    const QString &path() const { return m_path; }
    bool writable() const { return m_writable; }

    // Replaces the list with the file's entries; called once, at start.
    void load();
    // Puts a finished download first, as one entry with its files' sizes, and saves.
    void record(const DownloadItem &item);
    // Moves the entry of what the item found already there to the top, dated now: its
    // file, or for a link the download archive knew, its link. False when none is listed.
    bool bringForward(const DownloadItem &item);
    // Removes every entry with this id and saves, even when none had it.
    void remove(const QUuid &id);
    void clear();

    // Saves now what is still unsaved.
    void flush();

private:
    void save();

    HistoryList *m_list;
    const QString m_path;
    bool m_writable = true;
    bool m_savePending = false;
    QElapsedTimer m_saved;
};
