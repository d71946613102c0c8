#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QTimer>

class QQuickWindow;
class Settings;

// Where the main window opens and how small it may get: the size, position and maximised
// state of the last run, kept inside the screen's available area at whatever scale the
// desktop draws, and written back as the window moves.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // The design's default and minimum content sizes.
    static constexpr QSize defaultSize{1080, 720};
    static constexpr QSize designMinimum{960, 640};
    // Room kept for the title bar and frame the window manager adds around the content:
    // the window's position is its content's, so the title bar lies above it.
    static constexpr QMargins frame{8, 32, 8, 8};
    static constexpr QSize decoration{frame.left() + frame.right(), frame.top() + frame.bottom()};

    WindowPlacement(QQuickWindow *window, Settings *settings);

    // The minimum size that still fits `available` once decorated.
    static QSize minimumFor(const QRect &available);
    // `wanted` made to fit `available`: no larger than it leaves room for, no smaller than
    // the minimum, and moved inside it. A rectangle without a position is centred.
    static QRect fitted(const QRect &wanted, const QRect &available);

private:
    void restore();
    void noteGeometry();
    void save();

    QQuickWindow *m_window;
    Settings *m_settings;
    QRect m_normal;
    QTimer m_saveLater;
};
