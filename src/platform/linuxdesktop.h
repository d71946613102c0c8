#pragma once

#include "engine/desktop.h"
#include "platform/completionsound.h"

#include <QPointer>
#include <QWindow>

#include <functional>

// The desktop as a finished download and the file actions reach it on Linux.
class LinuxDesktop : public Desktop
{
public:
    // The main window, once it exists; without it the window effects do nothing.
    void setWindow(QWindow *window) { m_window = window; }
    // Where to say, in one sentence, that a file or folder could not be opened.
    void setNotice(std::function<void(const QString &)> notice) { m_notice = std::move(notice); }

    void playCompletionSound() override;
    void requestAttention() override;
    // A desktop notification, only while the window is not the active one.
    void notifyFinished(const QString &what) override;
    void notifyFailed(const QString &title, const QString &why) override;
    void notifyFollowed(const QString &what) override;
    void openFile(const QString &path) override;
    void openFolder(const QString &path) override;
    void revealFile(const QString &path) override;
    void openLink(const QUrl &link) override;
    void activateApplication() override;

private:
    std::function<void()> cannotOpen(const QString &what) const;

    QPointer<QWindow> m_window;
    std::function<void(const QString &)> m_notice;
    CompletionSound m_sound;
};
