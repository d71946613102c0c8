#pragma once

#include "following/followedsource.h"
#include "ui/optionlist.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QTimer>
#include <QUuid>

class Following;

// The Following page's logic besides the list itself: following a link and what came of
// it, the words of a source's state, its menus, its dates, and the times of day of the
// download window on the settings page.
class FollowingView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("ui/followingtypes.h")
    Q_PROPERTY(Following *following READ following WRITE setFollowing NOTIFY followingChanged)
    Q_PROPERTY(OptionList *qualityOptions READ qualityOptions CONSTANT)
    Q_PROPERTY(OptionList *intervalOptions READ intervalOptions CONSTANT)
    // The time the page's relative dates are worded against, moved on every half minute so
    // that "2 minutes ago" does not stay on screen for an hour.
    Q_PROPERTY(QDateTime now READ now NOTIFY nowChanged)
    // What following a link last came to, in words; empty while there is nothing to say.
    Q_PROPERTY(QString outcome READ outcome NOTIFY outcomeChanged)
    Q_PROPERTY(bool outcomeRefused READ outcomeRefused NOTIFY outcomeChanged)

public:
    explicit FollowingView(QObject *parent = nullptr);

    Following *following() const { return m_following; }
    void setFollowing(Following *following);

    OptionList *qualityOptions() const { return m_qualities; }
    // How often a source is checked: values are seconds, as Following::setInterval takes them.
    OptionList *intervalOptions() const { return m_intervals; }

    QDateTime now() const { return m_now; }
    QString outcome() const { return m_outcome; }
    bool outcomeRefused() const { return m_outcomeRefused; }

    // Follows `url` with the quality of that id, reading the newest entries too when
    // `latest`. False when the link is refused at once; the outcome says why, or that the
    // first reading has begun, until that reading ends.
    Q_INVOKABLE bool follow(const QString &url, bool latest, const QString &quality);
    // The user is typing another link: what the last one came to is no longer the point.
    Q_INVOKABLE void clearOutcome();

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
    void followingChanged();
    void nowChanged();
    void outcomeChanged();

private:
    void setOutcome(const QString &text, bool refused);
    // Ends the word that the first reading of `m_reading` has begun once it has ended.
    void noteSourcesChanged();
    void onFollowRefused(const QUuid &id, const QString &url);

    QPointer<Following> m_following;
    QDateTime m_now;
    QTimer m_clock;
    OptionList *m_qualities;
    OptionList *m_intervals;
    QString m_outcome;
    bool m_outcomeRefused = false;
    // The source just followed whose first reading the outcome speaks of.
    QUuid m_reading;
};
