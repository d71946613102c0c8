#include "platform/completionsound.h"
#include "platform/desktopnotifications.h"
#include "platform/filemanager.h"
#include "platform/systemclipboard.h"
#include "support/files.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Stands in for the desktop's file manager on a private session bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shown;

public slots:
    void ShowItems(const QStringList &uris, const QString &) { shown += uris; }
};

class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList received;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body, const QStringList &,
                const QVariantMap &, int)
    {
        received << summary << body;
        return 1;
    }
};

// Catches what would otherwise open in the user's applications.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

// Runs twice: inside a private session bus (VIRELOOM_EXPECT_BUS=1) and with no bus at
// all, where every effect must fall back or stay silent.
class TestDesktopEffects : public QObject
{
    Q_OBJECT

    bool m_expectBus = false;
    QTemporaryDir m_dir;
    OpenedUrls m_opened;

private slots:
    void initTestCase()
    {
        m_expectBus = qEnvironmentVariableIntValue("VIRELOOM_EXPECT_BUS") == 1;
        QCOMPARE(QDBusConnection::sessionBus().isConnected(), m_expectBus);
        QDesktopServices::setUrlHandler(u"file"_s, &m_opened, "open");
    }

    void revealShowsTheFileOrItsFolder()
    {
        // Without a file manager on the bus, or without a bus, the folder opens instead.
        const QString file = m_dir.filePath(u"clip #1.mp4"_s);
        FileManager::reveal(file);
        QTRY_COMPARE(m_opened.urls, QList<QUrl>{QUrl::fromLocalFile(m_dir.path())});
        if (!m_expectBus)
            return;

        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeFileManager manager;
        QVERIFY(bus.registerObject(u"/org/freedesktop/FileManager1"_s, &manager, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(u"org.freedesktop.FileManager1"_s));
        m_opened.urls.clear();
        FileManager::reveal(file);
        QTRY_COMPARE(manager.shown, QStringList{QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)});
        QVERIFY(manager.shown.first().contains(u"%20%231.mp4"_s));
        // The bus answers in order: once it has answered a question asked now, the file manager's
        // answer is in too, and a folder opened on a failed request would be open.
        QVERIFY(bus.interface()->isServiceRegistered(u"org.freedesktop.FileManager1"_s));
        QCoreApplication::processEvents();
        QVERIFY(m_opened.urls.isEmpty());
        bus.unregisterService(u"org.freedesktop.FileManager1"_s);
    }

    // "Open" says when the desktop has no application for the file: no association for its
    // type (or a type it derives from) in the XDG folders. A folder's type is inode/directory.
    void openSaysWhenNothingCanOpenIt()
    {
        QTemporaryDir xdg;
        static constexpr const char *kFolders[] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"};
        for (const char *name : kFolders)
            qputenv(name, xdg.filePath(QString::fromLatin1(name)).toUtf8());
        const auto restore = qScopeGuard([] { std::ranges::for_each(kFolders, qunsetenv); });
        const QString clip = m_dir.filePath(u"clip.mp4"_s);
        QVERIFY(!FileManager::hasApplicationFor(clip));
        QVERIFY(!FileManager::hasApplicationFor(m_dir.path()));
        int failures = 0;
        m_opened.urls.clear();
        FileManager::open(clip, [&failures] { ++failures; });
        // The desktop is still asked; the window is told that nothing was there to answer.
        QCOMPARE(m_opened.urls, QList<QUrl>{QUrl::fromLocalFile(clip)});
        QCOMPARE(failures, 1);

        const auto write = [&xdg](const QString &name, const QByteArray &content) {
            return QDir().mkpath(QFileInfo(xdg.filePath(name)).path()) && writeFile(xdg.filePath(name), content);
        };
        QVERIFY(write(u"XDG_DATA_DIRS/applications/mimeinfo.cache"_s, "[MIME Cache]\nvideo/x-matroska=player.desktop;\ninode/directory=;\n"));
        QVERIFY(!FileManager::hasApplicationFor(clip));
        QVERIFY(!FileManager::hasApplicationFor(m_dir.path()));
        QVERIFY(write(u"XDG_CONFIG_HOME/mimeapps.list"_s,
                      "[Removed Associations]\ninode/directory=files.desktop;\n[Default Applications]\nvideo/mp4=player.desktop\n"));
        QVERIFY(FileManager::hasApplicationFor(clip));
        QVERIFY(!FileManager::hasApplicationFor(m_dir.path()));
        FileManager::open(clip, [&failures] { ++failures; });
        QCOMPARE(failures, 1);
    }

    void notificationsShowTitlesAsText()
    {
        if (!m_expectBus) {
            DesktopNotifications::notify(u"Done"_s, u"clip.mp4"_s); // no bus: nothing to reach, nothing breaks
            return;
        }
        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeNotifications server;
        QVERIFY(bus.registerObject(u"/org/freedesktop/Notifications"_s, &server, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(u"org.freedesktop.Notifications"_s));
        DesktopNotifications::notify(u"Concluído"_s, u"<b>clip</b> & co.mp4"_s);
        QTRY_COMPARE(server.received, (QStringList{u"Concluído"_s, u"&lt;b&gt;clip&lt;/b&gt; &amp; co.mp4"_s}));
        bus.unregisterService(u"org.freedesktop.Notifications"_s);
    }

    void soundWithoutServerIsSilent()
    {
        // Destroyed while its thread may still be looking for a server: must neither crash nor hang.
        CompletionSound sound;
        sound.play();
        sound.play();
    }

    void clipboardChangesAreCounted()
    {
        QClipboard *system = QGuiApplication::clipboard();
        system->clear();
        SystemClipboard clipboard(system);
        const qint64 start = clipboard.changeCount();
        QVERIFY(start >= 0);

        system->setText(u"https://example.org/a"_s);
        QTRY_COMPARE(clipboard.changeCount(), start + 1);
        QCOMPARE(clipboard.text(), u"https://example.org/a"_s);
        clipboard.noticeActivation();
        QCOMPARE(clipboard.changeCount(), start + 1);

        // A change nobody announced is still noticed when the application comes back, once.
        {
            const QSignalBlocker silent(system);
            system->setText(u"https://example.org/b"_s);
        }
        QCOMPARE(clipboard.changeCount(), start + 1);
        clipboard.noticeActivation();
        QCOMPARE(clipboard.changeCount(), start + 2);
        clipboard.noticeActivation();
        QCOMPARE(clipboard.changeCount(), start + 2);

        system->clear();
        QTRY_COMPARE(clipboard.changeCount(), start + 3);
        QCOMPARE(clipboard.text(), std::nullopt);
    }
};

QTEST_MAIN(TestDesktopEffects)
#include "tst_desktopeffects.moc"
