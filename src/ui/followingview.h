#pragma once

#include "ui/optionlist.h"

#include <QDateTime>
#include <QObject>
#include <QQmlEngine>

// The Following page's logic besides the list itself: its menus, its dates, and the times
// of day of the download window on the settings page.
class FollowingView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(OptionList *qualityOptions READ qualityOptions CONSTANT)
    Q_PROPERTY(OptionList *intervalOptions READ intervalOptions CONSTANT)

public:
    explicit FollowingView(QObject *parent = nullptr);

    OptionList *qualityOptions() const { return m_qualities; }
    // How often a source is checked: values are seconds, as Following::setInterval takes them.
    OptionList *intervalOptions() const { return m_intervals; }

    // "2 hours ago", "in 3 hours", as the history words its dates; a dash for no date.
    Q_INVOKABLE static QString when(const QDateTime &date);
    static QString when(const QDateTime &date, const QDateTime &now);
    // Minutes after midnight as "HH:MM".
    Q_INVOKABLE static QString clock(int minutes);
    // Minutes after midnight of a typed time of day ("1:30", "01:30", "7", "0730"); -1 for
    // anything that is not one.
    Q_INVOKABLE static int minutesOf(const QString &text);

private:
    OptionList *m_qualities;
    OptionList *m_intervals;
};
