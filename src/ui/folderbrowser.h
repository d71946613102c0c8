#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The folder the window's own file chooser shows, where the desktop offers no chooser of
// its own: the folder above it, its path as the window writes paths, the filters a file
// chooser offers, and a new folder made inside it. The chooser's list of entries is Qt's
// FolderListModel, which reads the folder away from the window's thread.
class FolderBrowser : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QUrl folder READ folder WRITE setFolder NOTIFY folderChanged)
    Q_PROPERTY(QUrl parentFolder READ parentFolder NOTIFY folderChanged)
    Q_PROPERTY(QString folderText READ folderText NOTIFY folderChanged)
    Q_PROPERTY(QStringList nameFilters READ nameFilters WRITE setNameFilters NOTIFY nameFiltersChanged)
    Q_PROPERTY(int filterIndex READ filterIndex WRITE setFilterIndex NOTIFY nameFiltersChanged)
    Q_PROPERTY(QStringList patterns READ patterns NOTIFY nameFiltersChanged)

public:
    explicit FolderBrowser(QObject *parent = nullptr);

    QUrl folder() const { return QUrl::fromLocalFile(m_path); }
    // Shows a local folder; one that is gone shows the nearest folder above it that is
    // still there, and anything else the home folder.
    void setFolder(const QUrl &folder);
    // Empty at the root.
    QUrl parentFolder() const;
    QString folderText() const;

    // Qt's name filters ("Cookies files (*.txt)"); the first is chosen.
    QStringList nameFilters() const { return m_nameFilters; }
    void setNameFilters(const QStringList &filters);
    int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index);
    // The chosen filter's patterns; none (every file) without filters.
    QStringList patterns() const;

    // Makes a folder of that name in the one shown and shows it; the reason, in the
    // window's language, when it could not, and then nothing changes.
    Q_INVOKABLE QString makeFolder(const QString &name);

signals:
    void folderChanged();
    void nameFiltersChanged();

private:
    QString m_path;
    QStringList m_nameFilters;
    int m_filterIndex = 0;
};
