#include "linuxdesktop.h"

#include "i18n/i18n.h"
#include "platform/desktopnotifications.h"
#include "platform/filemanager.h"

#include <QDesktopServices>
#include <QFileInfo>

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
    DesktopNotifications::notify(L("Concluído"), what);
}

void LinuxDesktop::notifyFailed(const QString &title, const QString &why)
{
    if (m_window && m_window->isActive())
        return;
    DesktopNotifications::notify(LF("Falhou: %@", title), why);
}

void LinuxDesktop::notifyFollowed(const QString &what)
{
    // Said even with the window in front: entries arrive on their own, often at night.
    DesktopNotifications::notify(QStringLiteral("Vireloom"), what);
}

std::function<void()> LinuxDesktop::cannotOpen(const QString &what) const
{
    return [notice = m_notice, what] {
        if (notice)
            notice(what);
    };
}

void LinuxDesktop::openFile(const QString &path)
{
    FileManager::open(path, cannotOpen(L("Nenhum aplicativo pôde abrir o arquivo.")));
}

void LinuxDesktop::openFolder(const QString &path)
{
    FileManager::open(path, cannotOpen(LF("Nenhum gerenciador de arquivos pôde abrir %@.", path)));
}

void LinuxDesktop::revealFile(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    FileManager::reveal(path, cannotOpen(LF("Nenhum gerenciador de arquivos pôde abrir %@.", folder)));
}

void LinuxDesktop::openLink(const QUrl &link)
{
    if (!QDesktopServices::openUrl(link))
        cannotOpen(L("Nenhum navegador pôde abrir o link."))();
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
