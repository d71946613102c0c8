#include "ui/folderbrowser.h"
#include "ui/portalfilechooser.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// Answers as the desktop portal's FileChooser does, from a connection of its own: records
// what was asked and, once the call has returned, sends the Response of its request.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")
    Q_PROPERTY(uint version READ version)

public:
    explicit FakePortal(QDBusConnection connection)
        : m_connection(connection)
    {
    }

    uint version() const { return m_version; }

    uint m_version = 4;
    uint m_response = 0;
    // How long the dialog stays up before it answers.
    int m_answerAfterMs = 0;
    QStringList m_uris;
    int m_calls = 0;
    QString m_method;
    QString m_parent;
    QString m_title;
    QVariantMap m_options;

public slots:
    QDBusObjectPath OpenFile(const QString &parent, const QString &title, const QVariantMap &options, const QDBusMessage &message)
    {
        return answer(u"OpenFile"_s, parent, title, options, message);
    }

    QDBusObjectPath SaveFiles(const QString &parent, const QString &title, const QVariantMap &options, const QDBusMessage &message)
    {
        return answer(u"SaveFiles"_s, parent, title, options, message);
    }

private:
    QDBusObjectPath answer(const QString &method, const QString &parent, const QString &title, const QVariantMap &options,
                           const QDBusMessage &message)
    {
        ++m_calls;
        m_method = method;
        m_parent = parent;
        m_title = title;
        m_options = options;
        QString sender = message.service().mid(1);
        sender.replace(u'.', u'_');
        const QString path = u"/org/freedesktop/portal/desktop/request/%1/%2"_s.arg(sender, options.value(u"handle_token"_s).toString());
        QTimer::singleShot(m_answerAfterMs, this, [this, path] {
            QDBusMessage response = QDBusMessage::createSignal(path, u"org.freedesktop.portal.Request"_s, u"Response"_s);
            response << m_response << QVariantMap{{u"uris"_s, m_uris}};
            m_connection.send(response);
        });
        return QDBusObjectPath(path);
    }

    QDBusConnection m_connection;
};

class TestFileChooser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_bus = qEnvironmentVariableIntValue("VIRELOOM_EXPECT_BUS") == 1;
        QCOMPARE(QDBusConnection::sessionBus().isConnected(), m_bus);
    }

    void nameFiltersBecomePortalFilters()
    {
        using Rule = PortalFilter::Rule;
        const QList<PortalFilter> filters =
            portalFilters({u"Cookie files (*.txt)"_s, u"Pictures (*.png *.jpg)"_s, u"All files (*)"_s, u"no patterns"_s, u"Empty ()"_s});
        const QList<PortalFilter> expected{{u"Cookie files"_s, {Rule{0, u"*.txt"_s}}},
                                           {u"Pictures"_s, {Rule{0, u"*.png"_s}, Rule{0, u"*.jpg"_s}}},
                                           {u"All files"_s, {Rule{0, u"*"_s}}}};
        QCOMPARE(filters, expected);
    }

    // Without a session bus there is no portal to ask: the window's own chooser is shown instead.
    void withoutPortalTheQtDialogOpens()
    {
        if (m_bus)
            return;
        PortalFileChooser chooser;
        QSignalSpy unavailable(&chooser, &PortalFileChooser::unavailable);
        chooser.open();
        QCOMPARE(unavailable.count(), 1);
        QVERIFY(!chooser.busy());
    }

    void portalAnswers_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<uint>("version");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<uint>("response");
        QTest::addColumn<QString>("answered");
        QTest::addColumn<QString>("outcome");

        const QString file = u"/home/someone/cookies.txt"_s;
        // A folder is chosen as the place of a file to save: the answer names that file in it.
        const QString inFolder = u"/home/someone/Vídeos/Vireloom"_s;
        QTest::newRow("file picked") << true << 4u << false << 0u << file << u"accepted"_s;
        QTest::newRow("folder picked") << true << 3u << true << 0u << inFolder << u"accepted"_s;
        QTest::newRow("folder picked, holding a file of that name")
            << true << 4u << true << 0u << u"/home/someone/Vídeos/Vireloom(1)"_s << u"accepted"_s;
        QTest::newRow("cancelled") << true << 4u << false << 1u << file << u"rejected"_s;
        // "Ended otherwise" at once: the backend gave up without showing a dialog.
        QTest::newRow("the backend could not show it") << true << 4u << true << 2u << inFolder << u"unavailable"_s;
        // The same answer once the dialog has been up a while: GTK's for Escape or the
        // close button. No second dialog follows.
        QTest::newRow("dismissed") << true << 4u << true << 2u << inFolder << u"rejected"_s;
        // Before version 3 the portal cannot choose folders: it is not asked at all.
        QTest::newRow("folder, old portal") << true << 2u << true << 0u << inFolder << u"unavailable"_s;
        QTest::newRow("file, old portal") << true << 2u << false << 0u << file << u"accepted"_s;
        QTest::newRow("no portal on the bus") << false << 4u << false << 0u << file << u"unavailable"_s;
    }

    void portalAnswers()
    {
        if (!m_bus)
            return;
        QFETCH(bool, registered);
        QFETCH(uint, version);
        QFETCH(bool, folder);
        QFETCH(uint, response);
        QFETCH(QString, answered);
        QFETCH(QString, outcome);

        QDBusConnection own = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"fakeportal"_s);
        QVERIFY(own.isConnected());
        FakePortal portal(own);
        portal.m_version = version;
        portal.m_response = response;
        portal.m_answerAfterMs = QByteArrayView(QTest::currentDataTag()) == "dismissed" ? 1500 : 0;
        const QString picked = folder ? u"/home/someone/Vídeos"_s : u"/home/someone/cookies.txt"_s;
        portal.m_uris = {QUrl::fromLocalFile(answered).toString(QUrl::FullyEncoded)};
        if (registered) {
            QVERIFY(own.registerObject(u"/org/freedesktop/portal/desktop"_s, &portal,
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
            QVERIFY(own.registerService(u"org.freedesktop.portal.Desktop"_s));
        }
        const auto unregister = qScopeGuard([&own] {
            own.unregisterService(u"org.freedesktop.portal.Desktop"_s);
            own.unregisterObject(u"/org/freedesktop/portal/desktop"_s);
            QDBusConnection::disconnectFromBus(u"fakeportal"_s);
        });

        PortalFileChooser chooser;
        chooser.setProperty("title", u"Choose the cookies file"_s);
        chooser.setProperty("acceptLabel", u"Choose"_s);
        chooser.setProperty("selectFolder", folder);
        chooser.setProperty("nameFilters", QStringList{u"Cookie files (*.txt)"_s, u"All files (*)"_s});
        chooser.setProperty("currentFolder", QUrl::fromLocalFile(u"/home/someone/Downloads"_s));
        QSignalSpy accepted(&chooser, &PortalFileChooser::accepted);
        QSignalSpy rejected(&chooser, &PortalFileChooser::rejected);
        QSignalSpy unavailable(&chooser, &PortalFileChooser::unavailable);
        chooser.open();
        QVERIFY(chooser.busy());
        chooser.open(); // a second click while the dialog is up asks for nothing more
        QTRY_COMPARE(accepted.count() + rejected.count() + unavailable.count(), 1);
        QVERIFY(!chooser.busy());
        QCOMPARE(unavailable.count(), outcome == u"unavailable" ? 1 : 0);
        QCOMPARE(rejected.count(), outcome == u"rejected" ? 1 : 0);
        if (outcome == u"accepted")
            QCOMPARE(accepted.constFirst().constFirst().toUrl(), QUrl::fromLocalFile(picked));

        const bool asked = registered && (!folder || version >= 3);
        QCOMPARE(portal.m_calls, asked ? 1 : 0);
        if (!asked)
            return;
        QCOMPARE(portal.m_parent, QString());
        QCOMPARE(portal.m_title, u"Choose the cookies file"_s);
        QCOMPARE(portal.m_options.value(u"accept_label"_s).toString(), u"Choose"_s);
        // A folder is asked for with SaveFiles, which opens at current_folder; GTK's 1.14
        // backend chooses folders with OpenFile too, but ignores current_folder there.
        QCOMPARE(portal.m_method, folder ? u"SaveFiles"_s : u"OpenFile"_s);
        QVERIFY(!portal.m_options.contains(u"directory"_s));
        if (folder) {
            // One file, named with the NUL the portal's byte strings end in.
            const auto files = qdbus_cast<QList<QByteArray>>(portal.m_options.value(u"files"_s));
            QCOMPARE(files, QList<QByteArray>{QByteArray("Vireloom\0", 9)});
        } else {
            QCOMPARE(portal.m_options.value(u"multiple"_s).toBool(), false);
        }
        // The folder goes as the bytes of its path, ending in a NUL, as the portal wants it.
        QCOMPARE(portal.m_options.value(u"current_folder"_s).toByteArray(), QByteArray("/home/someone/Downloads\0", 24));
        // A folder chooser has nothing to filter; a file chooser offers the filters, the first chosen.
        QCOMPARE(portal.m_options.contains(u"filters"_s), !folder);
        if (!folder) {
            const auto filters = qdbus_cast<QList<PortalFilter>>(portal.m_options.value(u"filters"_s));
            QCOMPARE(filters, portalFilters({u"Cookie files (*.txt)"_s, u"All files (*)"_s}));
            QCOMPARE(qdbus_cast<PortalFilter>(portal.m_options.value(u"current_filter"_s)), filters.constFirst());
        }
    }

    // The window's own chooser makes a new folder in the one it shows and then shows it; a
    // name no folder can have, or one taken, is refused with a reason and makes nothing.
    void newFolderInTheOneShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a name") << u"Clips"_s << u"Clips"_s << QString();
        QTest::newRow("spaces around it") << u"  Clips 2 "_s << u"Clips 2"_s << QString();
        QTest::newRow("no name") << u"   "_s << QString() << u"Give the new folder a name."_s;
        QTest::newRow("a path") << u"a/b"_s << QString() << u"A folder name can’t be “.” or “..”, nor contain “/”."_s;
        QTest::newRow("the folder above") << u".."_s << QString() << u"A folder name can’t be “.” or “..”, nor contain “/”."_s;
        QTest::newRow("taken by a file") << u"taken"_s << QString() << u"“taken” already exists in this folder."_s;
    }

    void newFolderInTheOneShown()
    {
        QFETCH(QString, name);
        QFETCH(QString, made);
        QFETCH(QString, refusal);
        QTemporaryDir root;
        QFile taken(root.filePath(u"taken"_s));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        FolderBrowser browser;
        browser.setFolder(QUrl::fromLocalFile(root.path()));
        QSignalSpy shown(&browser, &FolderBrowser::folderChanged);
        QCOMPARE(browser.makeFolder(name), refusal);
        const QStringList entries = QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        if (made.isEmpty()) {
            QCOMPARE(entries, QStringList{u"taken"_s});
            QCOMPARE(shown.count(), 0);
        } else {
            QCOMPARE(entries, (QStringList{made, u"taken"_s}));
            QCOMPARE(browser.folder(), QUrl::fromLocalFile(root.filePath(made)));
            QCOMPARE(browser.parentFolder(), QUrl::fromLocalFile(root.path()));
        }
    }

    // A folder that is gone opens the chooser at the nearest one above it still there;
    // what is no local folder at all, at home.
    void chooserOpensAtAFolderThatIsThere()
    {
        QTemporaryDir root;
        FolderBrowser browser;
        browser.setFolder(QUrl::fromLocalFile(root.filePath(u"gone/deeper"_s)));
        QCOMPARE(browser.folder(), QUrl::fromLocalFile(root.path()));
        browser.setFolder(QUrl(u"https://example.org/folder"_s));
        QCOMPARE(browser.folder(), QUrl::fromLocalFile(QDir::homePath()));
        browser.setFolder(QUrl::fromLocalFile(u"/"_s));
        QCOMPARE(browser.parentFolder(), QUrl());
    }

private:
    bool m_bus = false;
};

QTEST_MAIN(TestFileChooser)
#include "tst_filechooser.moc"
