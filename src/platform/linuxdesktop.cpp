#include "linuxdesktop.h"

#include "i18n/i18n.h"
#include "platform/desktopnotifications.h"
#include "platform/filemanager.h"

void LinuxDesktop::playCompletionSound()
{
    m_sound.play();
}

void LinuxDesktop::requestAttention()
{
    if (m_window)
        m_window->alert(0);
}

void LinuxDesktop::notifyFinished(const QString &what)
{
    if (m_window && m_window->isActive())
        return;
    DesktopNotifications::notify(L(QStringLiteral("Concluído")), what);
}

void LinuxDesktop::notifyFailed(const QString &title, const QString &why)
{
    if (m_window && m_window->isActive())
        return;
    DesktopNotifications::notify(LF(QStringLiteral("Falhou: %@"), title), why);
}

void LinuxDesktop::openFile(const QString &path)
{
    FileManager::open(path);
}

void LinuxDesktop::openFolder(const QString &path)
{
    FileManager::open(path);
}

void LinuxDesktop::revealFile(const QString &path)
{
    FileManager::reveal(path);
}

void LinuxDesktop::activateApplication()
{
    if (!m_window)
        return;
    if (m_window->windowStates() & Qt::WindowMinimized)
        m_window->setWindowStates(m_window->windowStates() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->requestActivate();
}
