#pragma once

#include "model/dlstate.h"
#include "model/historyentry.h"
#include "support/fakeclipboard.h"
#include "support/recordingdesktop.h"

#include <QDate>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// Every item below `root`, itself included, for which `matches` holds, breadth first.
// Delegates and popups are not QObject children of the window, so findChild does not
// reach them; their visual parents do.
template<typename Predicate>
QList<QQuickItem *> findItems(QQuickItem *root, Predicate matches)
{
    QList<QQuickItem *> found;
    for (QList<QQuickItem *> pending{root}; !pending.isEmpty();) {
        QQuickItem *item = pending.takeFirst();
        if (matches(item))
            found << item;
        pending += item->childItems();
    }
    return found;
}

// A fake engine program's script that answers with today's date, the version of a
// release young enough that no banner calls it old.
inline QByteArray currentEngine()
{
    return "echo " + QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toLatin1();
}

class Downloader;
class QQmlIncubationController;
class DownloadItem;
class Settings;
class Shell;

// The main window as the application builds it, over a folder of its own: HOME, the
// support folder, the settings file and the folder searched for engine programs all lie
// inside it. The desktop records what it is asked and the clipboard suggestion reads
// `clipboard`. The Downloader is made on first use, so a test can prepare the engine,
// the settings or the history it starts from.
class WindowFixture
{
public:
    // `systemDirs` are searched for engine programs after the support folder's; by
    // default an empty folder of the fixture's own.
    explicit WindowFixture(const QStringList &systemDirs = {});
    ~WindowFixture();

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    Settings &settings() { return *m_settings; }
    Downloader &downloader();
    Shell &shell();
    QQuickWindow *window() const { return m_window; }

    // Loads and shows the window at `size` (by default the design's), whatever room the
    // test's screen has; false when it could not be shown.
    [[nodiscard]] bool show(QSize size = {1080, 720});

    // Waits for the page of the current section where it is still being built.
    bool waitForPage() const;
    // Waits until the page has faded in and every card's entrance has played out, so
    // that what is seen is where it stays.
    [[nodiscard]] bool waitForEntrances() const;
    QQuickItem *find(QStringView name, QQuickItem *under = nullptr) const;
    QList<QQuickItem *> findAll(QStringView name) const;
    // The item's "text", or a note naming what is missing.
    QString textOf(QStringView name, QQuickItem *under = nullptr) const;

    // Scrolls the item into view, waits for the window's layout, then clicks its middle.
    void click(QQuickItem *item, Qt::MouseButton button = Qt::LeftButton);
    // Key events one character at a time to the item with the focus.
    void typeText(const QString &text);

    // A shell script in the engine folder, as an installed engine program would be.
    void makeProgram(const QString &name, const QByteArray &body);
    DownloadItem *addItem(const DLState &state, const QString &title = QStringLiteral("A clip"));
    HistoryEntry addEntry(const QString &title, const QString &url, const QString &site = {},
                          const QString &quality = QStringLiteral("1080p"), std::optional<QString> file = {});

    RecordingDesktop desktop;
    FakeClipboard clipboard;
    // Pages are built a millisecond at a time between frames, as on a busy machine, so
    // that what depends on the order in which their items come shows up every time.
    bool buildInSlices = false;

private:
    QTemporaryDir m_root;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<Shell> m_shell;
    // Before the engine, which it must outlive.
    std::unique_ptr<QQmlIncubationController> m_incubation;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow *m_window = nullptr;
};
