#pragma once

#include <QList>
#include <QQuickItem>
#include <QStringView>

// Lookups through the visual tree of a window. Delegates and popups are not QObject
// children of the window, so findChild does not reach them; their visual parents do.

// Every item below `root`, itself included, for which `matches` holds, breadth first.
template<typename Predicate>
QList<QQuickItem *> findItems(QQuickItem *root, Predicate matches)
{
    QList<QQuickItem *> found;
    for (QList<QQuickItem *> pending{root}; !pending.isEmpty();) {
        QQuickItem *item = pending.takeFirst();
        if (matches(item))
            found << item;
        pending += item->childItems();
    }
    return found;
}

inline QList<QQuickItem *> findItemsNamed(QQuickItem *root, QStringView name)
{
    return findItems(root, [name](const QQuickItem *item) { return item->objectName() == name; });
}

// The first item called `name` below `root`, or null.
inline QQuickItem *findItem(QQuickItem *root, QStringView name)
{
    return findItemsNamed(root, name).value(0);
}
