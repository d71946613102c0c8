#include "queuesummary.h"

#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"

void QueueSummary::setList(DownloadList *list)
{
    if (m_list == list)
        return;
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    if (list) {
        connect(list, &DownloadList::countChanged, this, &QueueSummary::update);
        connect(list, &DownloadList::itemStateChanged, this, &QueueSummary::update);
    }
    emit listChanged();
    update();
}

QString QueueSummary::countText() const
{
    return LP("%ld item|%ld itens", m_count);
}

void QueueSummary::update()
{
    int count = 0;
    bool finished = false;
    bool active = false;
    if (m_list) {
        count = m_list->count();
        for (const DownloadItem *item : m_list->items()) {
            finished = finished || item->state().isFinished();
            active = active || item->state().isActive();
            if (finished && active)
                break;
        }
    }
    if (count == m_count && finished == m_hasFinished && active == m_active)
        return;
    m_count = count;
    m_hasFinished = finished;
    m_active = active;
    emit changed();
}
