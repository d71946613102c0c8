#pragma once

#include "following/followedsource.h"
#include "ui/optionlist.h"

#include <QDateTime>
#include <QObject>
#include <QQmlEngine>
#include <QTimer>

// The Following page's logic besides the list itself: the words of a source's state, its
// menus, its dates, and the times of day of the download window on the settings page.
class FollowingView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(OptionList *qualityOptions READ qualityOptions CONSTANT)
    Q_PROPERTY(OptionList *intervalOptions READ intervalOptions CONSTANT)
    // The time the page's relative dates are worded against, moved on every half minute so
    // that "2 minutes ago" does not stay on screen for an hour.
    Q_PROPERTY(QDateTime now READ now NOTIFY nowChanged)

public:
    explicit FollowingView(QObject *parent = nullptr);

    OptionList *qualityOptions() const { return m_qualities; }
    // How often a source is checked: values are seconds, as Following::setInterval takes them.
    OptionList *intervalOptions() const { return m_intervals; }

    QDateTime now() const { return m_now; }

    // What a source's state means, in the interface language, from the names the
    // following list gives its state and its last failure; `backoff` in seconds.
    Q_INVOKABLE static QString stateText(const QString &state, const QString &problem, qint64 backoff, bool paused);
    static QString stateText(const FollowedSource &source, bool checking);
    // "2 hours ago", "in 3 hours", as the history words its dates; a dash for no date.
    Q_INVOKABLE static QString when(const QDateTime &date, const QDateTime &now);
    // Minutes after midnight as "HH:MM".
    Q_INVOKABLE static QString clock(int minutes);
    // The site as a card names it: the engine's catch-all "generic" names nothing.
    Q_INVOKABLE static QString site(const QString &site);
    // Minutes after midnight of a typed time of day ("1:30", "01:30", "7", "0730"); -1 for
    // anything that is not one.
    Q_INVOKABLE static int minutesOf(const QString &text);

signals:
    void nowChanged();

private:
    QDateTime m_now;
    QTimer m_clock;
    OptionList *m_qualities;
    OptionList *m_intervals;
};
