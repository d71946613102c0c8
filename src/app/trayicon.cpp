#include "trayicon.h"

#include "engine/downloadqueue.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "ui/shell.h"

#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(Shell *shell, QObject *parent)
    : QObject(parent)
    , m_shell(shell)
    , m_menu(new QMenu)
    , m_icon(new QSystemTrayIcon(QGuiApplication::windowIcon(), this))
{
    m_menu->addAction(L("Mostrar o Vireloom"), this, &TrayIcon::showWindowRequested);
    m_activity = m_menu->addAction(QString());
    m_activity->setEnabled(false);
    m_menu->addSeparator();
    m_menu->addAction(L("Sair"), this, [this] {
        emit showWindowRequested();
        m_shell->requestQuit();
    });
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(QStringLiteral("Vireloom"));
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            emit showWindowRequested();
    });
    connect(m_shell->downloader()->queue()->items(), &DownloadList::itemStateChanged, this, &TrayIcon::updateActivity);
    connect(m_shell->downloader()->queue()->items(), &DownloadList::countChanged, this, &TrayIcon::updateActivity);
    updateActivity();
    m_icon->show();
}

TrayIcon::~TrayIcon()
{
    delete m_menu;
}

void TrayIcon::updateActivity()
{
    const int running = m_shell->runningDownloads();
    const QString text = m_shell->quitQuestion(running);
    m_activity->setText(text);
    m_activity->setVisible(running > 0);
    m_icon->setToolTip(running > 0 ? QStringLiteral("Vireloom — ") + text : QStringLiteral("Vireloom"));
}
