#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

class DownloadList;

// What the downloads page says about its queue as a whole: whether anything is finished
// (for "clear finished"), whether anything downloads (for the input card's artwork) and
// the item count. It follows the list's rows and state changes, never its progress.
class QueueSummary : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(DownloadList *list READ list WRITE setList NOTIFY listChanged)
    Q_PROPERTY(bool empty READ empty NOTIFY changed)
    Q_PROPERTY(bool hasFinished READ hasFinished NOTIFY changed)
    Q_PROPERTY(bool active READ active NOTIFY changed)
    Q_PROPERTY(QString countText READ countText NOTIFY changed)

public:
    using QObject::QObject;

    DownloadList *list() const { return m_list; }
    void setList(DownloadList *list);

    bool empty() const { return m_count == 0; }
    bool hasFinished() const { return m_hasFinished; }
    bool active() const { return m_active; }
    QString countText() const;

signals:
    void listChanged();
    void changed();

private:
    void update();

    QPointer<DownloadList> m_list;
    int m_count = 0;
    bool m_hasFinished = false;
    bool m_active = false;
};
