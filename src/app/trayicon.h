#pragma once

#include <QObject>

class QAction;
class QMenu;
class QSystemTrayIcon;
class Shell;

// The icon in the desktop's tray: it brings the window back (closing the window leaves
// Vireloom and its downloads running), shows how many downloads run, and quits.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(Shell *shell, QObject *parent = nullptr);
    ~TrayIcon() override;

signals:
    void showWindowRequested();

private:
    void updateActivity();

    Shell *m_shell;
    QMenu *m_menu;
    QAction *m_activity;
    QSystemTrayIcon *m_icon;
};
