#pragma once

#include "model/wantedsetting.h"
#include "ui/browsercompanion.h"
#include "ui/cardchoice.h"
#include "ui/notice.h"

#include <QObject>
#include <QString>
#include <QUrl>

class Downloader;
class DownloadItem;

// The window's own logic, next to the model: the section on show, what the sidebar
// shows, where drops go, the log sheet, copying and the quit confirmation. QML binds to
// it and calls it.
class Shell : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString badge READ badge NOTIFY activityChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY activityChanged)
    Q_PROPERTY(QString totalText READ totalText NOTIFY historyChanged)
    Q_PROPERTY(QString fileCountText READ fileCountText NOTIFY historyChanged)
    Q_PROPERTY(QString engineText READ engineText NOTIFY engineChanged)
    Q_PROPERTY(bool engineComplete READ engineComplete NOTIFY engineChanged)
    Q_PROPERTY(Notice *notice READ notice CONSTANT)
    Q_PROPERTY(CardChoice *cardChoice READ cardChoice CONSTANT)
    Q_PROPERTY(BrowserCompanion *browsers READ browsers CONSTANT)
    Q_PROPERTY(AppSection section READ section WRITE setSection NOTIFY sectionChanged)
    // Why starting at login could not be switched, for its settings row; empty when it could.
    Q_PROPERTY(QString startAtLoginProblem READ startAtLoginProblem NOTIFY startAtLoginProblemChanged)
    // The window has shown its first frame: the background and the sidebar. The page,
    // and whatever else that frame does not need, are made after it.
    Q_PROPERTY(bool windowDrawn READ windowDrawn NOTIFY windowDrawnChanged)

public:
    enum class AppSection { downloads, history, following, settings };
    Q_ENUM(AppSection)

    explicit Shell(Downloader *downloader, QObject *parent = nullptr);

    Downloader *downloader() const { return m_downloader; }
    // The window's one short notice, for what could not be done.
    Notice *notice() { return &m_notice; }
    // The input card's choices, which links dropped on the window or taken from the
    // clipboard offer are added with too.
    CardChoice *cardChoice() { return &m_cardChoice; }
    // The browsers of this machine: the extension's host, their profiles' logins.
    BrowserCompanion *browsers() { return &m_browsers; }

    AppSection section() const { return m_section; }
    void setSection(AppSection section);
    // The row the settings page should show first, once: asking clears it, so a later
    // visit opens at the top.
    Q_INVOKABLE WantedSetting takeSettingsFocus();
    // Shows the settings page at a row.
    void showSetting(WantedSetting row);

    QString startAtLoginProblem() const { return m_startAtLoginProblem; }
    void setStartAtLoginProblem(const QString &problem);

    bool windowDrawn() const { return m_windowDrawn; }
    void setWindowDrawn();
    // The page asked for has been built and is on its way in.
    Q_INVOKABLE void notePageShown();

    // Adds with the input card's remembered choices and shows the downloads page.
    Q_INVOKABLE void addFromUI(const QString &text);

    // The downloads item's badge: the number of unfinished items, empty when there are none.
    QString badge() const;
    // Something is probing, waiting or downloading.
    bool busy() const;
    QString totalText() const;
    QString fileCountText() const;
    QString engineText() const;
    bool engineComplete() const;

    // A drop on the window: every link found in the dropped addresses, or else in the
    // dropped text, is added; the downloads page is shown whatever the drop held, and a
    // notice says so when it held no link.
    Q_INVOKABLE void handleDrop(const QList<QUrl> &urls, const QString &text);
    // Queues the links of a text file with the input card's choices; the notice sums it up.
    Q_INVOKABLE void importLinks(const QUrl &file);
    // A local ".txt" file: dropped, it is a list of links to import.
    static bool isLinkFile(const QUrl &url);
    // Downloads the link on the clipboard (Ctrl+Shift+V), or says that there is none.
    Q_INVOKABLE void addFromClipboard();
    // What a drag over the window carries holds a link to download: an address, or a text
    // with a web link somewhere in it.
    Q_INVOKABLE bool dragHoldsLink(const QList<QUrl> &urls, const QString &text) const;

    Q_INVOKABLE void showLog(DownloadItem *item);
    // Puts the text on the clipboard, in place of what it held: the one place the window
    // writes to the clipboard.
    Q_INVOKABLE void copy(const QString &text) const;

    // Quits at once when nothing downloads; otherwise asks first.
    Q_INVOKABLE void requestQuit();
    // The answer "quit anyway": running downloads are asked to stop, then the application quits.
    Q_INVOKABLE void quitAnyway();
    Q_INVOKABLE int runningDownloads() const;
    Q_INVOKABLE QString quitQuestion(int running) const;

signals:
    void sectionChanged();
    void startAtLoginProblemChanged();
    void windowDrawnChanged();
    // The first page of this run is shown, once.
    void firstPageShown();
    void activityChanged();
    void historyChanged();
    void engineChanged();
    void logRequested(DownloadItem *item);
    void quitConfirmationRequested(int running);
    // Nothing stands in the way of quitting any more.
    void quitAccepted();

private:
    Downloader *m_downloader;
    Notice m_notice;
    CardChoice m_cardChoice;
    BrowserCompanion m_browsers;
    AppSection m_section = AppSection::downloads;
    WantedSetting m_settingsFocus = WantedSetting::none;
    QString m_startAtLoginProblem;
    bool m_windowDrawn = false;
    bool m_pageShown = false;
};
