#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class DesktopMotionPreference;
class QJSEngine;
class QQmlEngine;

// When the drawings of the windows may move. They rest on a still frame while the desktop
// asks for reduced motion, and, unless the application is busy (downloads running),
// while their window is in the background or has had no input for restDelay(). Each
// window's FrameClock applies it; QML sets `Motion.busy`.
class Motion : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool busy READ isBusy WRITE setBusy NOTIFY changed)
    Q_PROPERTY(bool reduced READ isReduced NOTIFY changed)

public:
    static Motion *instance();
    // The same instance for every QML engine, owned by C++.
    static Motion *create(QQmlEngine *, QJSEngine *);

    bool isBusy() const { return m_busy; }
    void setBusy(bool busy);
    bool isReduced() const { return m_reduced; }
    void setReduced(bool reduced);
    // Milliseconds without input after which an active window that is not busy rests.
    int restDelay() const { return m_restDelay; }
    void setRestDelay(int milliseconds);

    // Starts following the desktop's reduced-motion preference (read without waiting).
    void followDesktop();

signals:
    void changed();

private:
    Motion() = default;

    bool m_busy = false;
    bool m_reduced = false;
    int m_restDelay = 8000;
    DesktopMotionPreference *m_desktop = nullptr;
};
