#include "windowplacement.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kGeometryKey = u"window/geometry"_s;
const QString kMaximizedKey = u"window/maximized"_s;
constexpr int kSaveDelayMs = 500;

} // namespace

WindowPlacement::WindowPlacement(QQuickWindow *window, Settings *settings)
    : QObject(window)
    , m_window(window)
    , m_settings(settings)
{
    m_saveLater.setSingleShot(true);
    m_saveLater.setInterval(kSaveDelayMs);
    connect(&m_saveLater, &QTimer::timeout, this, &WindowPlacement::save);
    restore();
    for (auto signal : {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
        connect(window, signal, this, &WindowPlacement::noteGeometry);
    connect(window, &QWindow::windowStateChanged, this, [this] { m_saveLater.start(); });
    connect(window, &QWindow::screenChanged, this, [this](QScreen *screen) {
        if (screen)
            m_window->setMinimumSize(minimumFor(screen->availableGeometry()));
    });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &WindowPlacement::save);
}

QSize WindowPlacement::minimumFor(const QRect &available)
{
    const QSize room = available.size() - decoration;
    return designMinimum.boundedTo(room).expandedTo(QSize(1, 1));
}

QRect WindowPlacement::fitted(const QRect &wanted, const QRect &available)
{
    const QSize room = (available.size() - decoration).expandedTo(QSize(1, 1));
    const QSize size = wanted.size().boundedTo(room).expandedTo(minimumFor(available));
    QRect placed(wanted.topLeft(), size);
    if (wanted.topLeft() == QPoint() || !available.intersects(QRect(wanted.topLeft(), size)))
        placed.moveCenter(available.center());
    // Whole inside, title bar included, so the window can always be grabbed and moved.
    const int left = available.left() + frame.left();
    const int top = available.top() + frame.top();
    const int right = available.right() - frame.right() - size.width() + 1;
    const int bottom = available.bottom() - frame.bottom() - size.height() + 1;
    placed.moveLeft(std::clamp(placed.left(), left, std::max(left, right)));
    placed.moveTop(std::clamp(placed.top(), top, std::max(top, bottom)));
    return placed;
}

void WindowPlacement::restore()
{
    const QScreen *screen = m_window->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), defaultSize);
    const QRect stored = m_settings->value(kGeometryKey).toRect();
    const QRect wanted = stored.isValid() ? stored : QRect(QPoint(), defaultSize);
    m_window->setMinimumSize(minimumFor(available));
    m_normal = fitted(wanted, available);
    m_window->setGeometry(m_normal);
    if (m_settings->value(kMaximizedKey).toBool())
        m_window->setWindowStates(Qt::WindowMaximized);
}

void WindowPlacement::noteGeometry()
{
    // A maximised or full-screen window keeps the size it returns to.
    if (m_window->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    m_normal = m_window->geometry();
    m_saveLater.start();
}

void WindowPlacement::save()
{
    m_saveLater.stop();
    m_settings->setValue(kGeometryKey, m_normal);
    m_settings->setValue(kMaximizedKey, bool(m_window->windowStates() & Qt::WindowMaximized));
}
