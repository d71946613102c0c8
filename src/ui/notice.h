#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// The window's short notice: one sentence about something that could not be done, shown
// for a few seconds at the foot of the window and read out by screen readers. There is
// only ever one: a new notice takes the place of the one showing, and the same notice
// given again only shows longer. It goes by itself, or when dismissed; while the pointer
// or the keyboard rests on it, it stays.
class Notice : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("the Shell holds the window's notice")
    Q_PROPERTY(QString text READ text NOTIFY changed)
    Q_PROPERTY(bool shown READ shown NOTIFY changed)

public:
    explicit Notice(QObject *parent = nullptr);

    QString text() const { return m_text; }
    bool shown() const { return m_shown; }
    // How long `text` stays: long enough to read it, a little longer for a long one.
    static int durationFor(const QString &text);

    Q_INVOKABLE void show(const QString &text);
    Q_INVOKABLE void dismiss();
    // The pointer or the keyboard is on the notice: it waits for them to leave.
    Q_INVOKABLE void hold(bool held);

signals:
    void changed();

private:
    QString m_text;
    bool m_shown = false;
    bool m_held = false;
    QTimer m_timer;
};
