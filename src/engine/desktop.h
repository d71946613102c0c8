#pragma once

#include <QString>
#include <QUrl>

// What a finished download and the file actions ask of the desktop. The application
// provides the real one; tests record the calls. Every operation is best effort: the
// desktop may lack a sound server or a file manager, and nothing reports that.
class Desktop
{
public:
    virtual ~Desktop() = default;

    virtual void playCompletionSound() = 0;
    // Asks for the user's attention once, without insisting.
    virtual void requestAttention() = 0;
    // Tells the user, where the window cannot, that a download finished: its title, or
    // how many finished together.
    virtual void notifyFinished(const QString &what) = 0;
    // Tells the user, where the window cannot, that a download failed and why.
    virtual void notifyFailed(const QString &title, const QString &why) = 0;
    // Tells the user that a check of a followed source queued new entries: "3 new from …".
    virtual void notifyFollowed(const QString &what) = 0;
    virtual void openFile(const QString &path) = 0;
    virtual void openFolder(const QString &path) = 0;
    // Shows the file selected in a file-manager window.
    virtual void revealFile(const QString &path) = 0;
    // Opens a web page in the user's browser.
    virtual void openLink(const QUrl &link) = 0;
    // Brings the application's window to the front.
    virtual void activateApplication() = 0;
};
