#include "platform/browserhosts.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using BrowserHosts::State;
using Browsers::Install;

namespace {

const QString kName = u"io.github.vireloom.vireloom.json"_s;

// Every browser as it is set up for a user who has run them all, natively and as Flatpaks.
const QStringList kManifests{
    u".config/chromium/NativeMessagingHosts"_s,
    u".config/google-chrome/NativeMessagingHosts"_s,
    u".config/BraveSoftware/Brave-Browser/NativeMessagingHosts"_s,
    u".config/vivaldi/NativeMessagingHosts"_s,
    u".config/microsoft-edge/NativeMessagingHosts"_s,
    u".mozilla/native-messaging-hosts"_s,
    u".librewolf/native-messaging-hosts"_s,
    u".var/app/org.chromium.Chromium/config/chromium/NativeMessagingHosts"_s,
    u".var/app/com.google.Chrome/config/google-chrome/NativeMessagingHosts"_s,
    u".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser/NativeMessagingHosts"_s,
    u".var/app/com.vivaldi.Vivaldi/config/vivaldi/NativeMessagingHosts"_s,
    u".var/app/com.microsoft.Edge/config/microsoft-edge/NativeMessagingHosts"_s,
    u".var/app/org.mozilla.firefox/.mozilla/native-messaging-hosts"_s,
    u".var/app/io.gitlab.librewolf-community/.librewolf/native-messaging-hosts"_s,
};

QJsonObject jsonOf(const QString &file)
{
    return QJsonDocument::fromJson(readFile(file)).object();
}

QStringList filesOf(const QList<BrowserHosts::Place> &places, const QString &home)
{
    QStringList files;
    for (const BrowserHosts::Place &place : places)
        files << QDir(home).relativeFilePath(place.file);
    files.sort();
    return files;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestBrowserHosts : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    Browsers::Roots m_roots;
    QString m_record;
    const QString m_host = u"/usr/libexec/vireloom/vireloom-browser-host"_s;

    QString home(const QString &path = {}) const { return path.isEmpty() ? m_roots.home : m_roots.home + u'/' + path; }
    void makeFolder(const QString &path) const { QVERIFY(QDir().mkpath(home(path))); }
    void makeProgram(const QString &path) const
    {
        const QString file = m_roots.system + u'/' + path;
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(writeFile(file, "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    }
    // Each browser has run for the user once, so each has its folder.
    void runEveryBrowser() const
    {
        for (const QString &data : {u".config/chromium"_s, u".config/google-chrome"_s, u".config/BraveSoftware/Brave-Browser"_s,
                                    u".config/vivaldi"_s, u".config/microsoft-edge"_s, u".mozilla/firefox"_s, u".librewolf"_s})
            makeFolder(data);
        for (const Browsers::Browser &browser : Browsers::all())
            makeFolder(u".var/app/"_s + browser.flatpakId);
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        m_roots = {m_root->filePath(u"home"_s), m_root->filePath(u"home/.config"_s), m_root->filePath(u"system"_s)};
        QVERIFY(QDir().mkpath(m_roots.home) && QDir().mkpath(m_roots.system));
        m_record = m_root->filePath(u"support/browser-hosts.json"_s);
        QVERIFY(QDir().mkpath(QFileInfo(m_record).path()));
    }

    void cleanup() { m_root.reset(); }

    void writesEveryBrowsersManifest()
    {
        runEveryBrowser();
        const BrowserHosts::Outcome outcome = BrowserHosts::registerBrowsers(m_roots, m_host, m_record);
        QStringList expected;
        for (const QString &folder : kManifests)
            expected << folder + u'/' + kName;
        QCOMPARE(filesOf(outcome.written, home()), sorted(expected));
        QVERIFY(outcome.failed.isEmpty() && outcome.kept.isEmpty());

        for (const BrowserHosts::Place &place : outcome.written) {
            const QJsonObject manifest = jsonOf(place.file);
            QCOMPARE(manifest.value(u"name"_s), u"io.github.vireloom.vireloom"_s);
            QCOMPARE(manifest.value(u"path"_s), m_host);
            QCOMPARE(manifest.value(u"type"_s), u"stdio"_s);
            QVERIFY(!manifest.value(u"description"_s).toString().isEmpty());
            if (place.browser->family == Browsers::Family::chromium) {
                QCOMPARE(manifest.value(u"allowed_origins"_s), QJsonArray{u"chrome-extension://fdgalamgdgiegcbnmdbopphkkopldjbi/"_s});
                QVERIFY(!manifest.contains(u"allowed_extensions"_s));
            } else {
                QCOMPARE(manifest.value(u"allowed_extensions"_s), QJsonArray{u"companion@vireloom.github.io"_s});
                QVERIFY(!manifest.contains(u"allowed_origins"_s));
            }
            // Readable by the browser whoever runs it, writable by the user alone.
            QCOMPARE(QFileInfo(place.file).permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther), QFileDevice::Permissions());
        }
        for (const BrowserHosts::Entry &entry : BrowserHosts::status(m_roots, m_host, m_record))
            QCOMPARE(entry.state, State::current);

        // Set up again, nothing changes.
        const BrowserHosts::Outcome again = BrowserHosts::registerBrowsers(m_roots, m_host, m_record);
        QCOMPARE(again.written.size(), expected.size());
        QVERIFY(again.kept.isEmpty());
    }

    // Only browsers on the machine are set up: a program in the system's folders, a
    // Flatpak installed for everyone, a browser that has run.
    void writesOnlyForBrowsersFound()
    {
        makeProgram(u"usr/bin/chromium"_s);
        makeProgram(u"opt/google/chrome/chrome"_s);
        makeFolder(u".librewolf"_s);
        QVERIFY(QDir().mkpath(m_roots.system + u"/var/lib/flatpak/app/org.mozilla.firefox"_s));
        // A program file that cannot run is not a browser.
        QVERIFY(QDir().mkpath(m_roots.system + u"/usr/bin"_s));
        QVERIFY(writeFile(m_roots.system + u"/usr/bin/vivaldi"_s, "not a program"));

        const BrowserHosts::Outcome outcome = BrowserHosts::registerBrowsers(m_roots, m_host, m_record);
        QCOMPARE(filesOf(outcome.written, home()),
                 sorted({u".config/chromium/NativeMessagingHosts/"_s + kName, u".config/google-chrome/NativeMessagingHosts/"_s + kName,
                         u".librewolf/native-messaging-hosts/"_s + kName,
                         u".var/app/org.mozilla.firefox/.mozilla/native-messaging-hosts/"_s + kName}));
        QVERIFY(!QFileInfo::exists(home(u".config/vivaldi"_s)));
        QVERIFY(!QFileInfo::exists(home(u".mozilla"_s)));

        int installed = 0;
        for (const BrowserHosts::Entry &entry : BrowserHosts::status(m_roots, m_host, m_record)) {
            installed += entry.installed;
            QCOMPARE(entry.state, entry.installed ? State::current : State::missing);
        }
        QCOMPARE(installed, 4);
    }

    // Removing takes away what was written and the folders made for it, and nothing else:
    // other programs' manifests, a manifest of our name that someone else wrote or changed,
    // and what the folders held before.
    void unregisterLeavesForeignFiles()
    {
        runEveryBrowser();
        makeFolder(u".mozilla/native-messaging-hosts"_s);
        const QString otherHost = home(u".mozilla/native-messaging-hosts/org.keepassxc.keepassxc_browser.json"_s);
        QVERIFY(writeFile(otherHost, R"({"name":"org.keepassxc.keepassxc_browser"})"));
        // Someone's own manifest under our name: set-up leaves it, and so does removal.
        makeFolder(u".config/vivaldi/NativeMessagingHosts"_s);
        const QString handWritten = home(u".config/vivaldi/NativeMessagingHosts/"_s + kName);
        const QByteArray handWrittenContent = R"({"name":"io.github.vireloom.vireloom","path":"/home/me/build/host","type":"stdio"})";
        QVERIFY(writeFile(handWritten, handWrittenContent));
        // A link under our name: what it points at is not ours to write or remove.
        makeFolder(u".config/microsoft-edge/NativeMessagingHosts"_s);
        const QString elsewhere = m_root->filePath(u"elsewhere.json"_s);
        QVERIFY(writeFile(elsewhere, "{}"));
        QVERIFY(QFile::link(elsewhere, home(u".config/microsoft-edge/NativeMessagingHosts/"_s + kName)));

        const BrowserHosts::Outcome registered = BrowserHosts::registerBrowsers(m_roots, m_host, m_record);
        QCOMPARE(filesOf(registered.kept, home()),
                 sorted({u".config/vivaldi/NativeMessagingHosts/"_s + kName, u".config/microsoft-edge/NativeMessagingHosts/"_s + kName}));
        QCOMPARE(registered.written.size(), kManifests.size() - 2);
        QCOMPARE(readFile(handWritten), handWrittenContent);
        QCOMPARE(readFile(elsewhere), QByteArray("{}"));

        // The user edits one of ours: it is theirs now.
        const QString edited = home(u".config/chromium/NativeMessagingHosts/"_s + kName);
        QVERIFY(writeFile(edited, readFile(edited).replace(m_host.toUtf8(), "/opt/mine/host")));

        const BrowserHosts::Outcome removed = BrowserHosts::unregisterBrowsers(m_roots, m_host, m_record);
        QCOMPARE(removed.removed.size(), kManifests.size() - 3);
        QCOMPARE(filesOf(removed.kept, home()),
                 sorted({u".config/vivaldi/NativeMessagingHosts/"_s + kName, u".config/microsoft-edge/NativeMessagingHosts/"_s + kName,
                         u".config/chromium/NativeMessagingHosts/"_s + kName}));
        QCOMPARE(readFile(otherHost), QByteArray(R"({"name":"org.keepassxc.keepassxc_browser"})"));
        QCOMPARE(readFile(handWritten), handWrittenContent);
        QVERIFY(QFileInfo(home(u".config/microsoft-edge/NativeMessagingHosts/"_s + kName)).isSymLink());
        QCOMPARE(readFile(elsewhere), QByteArray("{}"));
        QVERIFY(QFileInfo::exists(edited));
        // The folders it made, emptied, went; those that were there or still hold files stay.
        QVERIFY(!QFileInfo::exists(home(u".config/google-chrome/NativeMessagingHosts"_s)));
        QVERIFY(QFileInfo(home(u".config/google-chrome"_s)).isDir());
        QVERIFY(!QFileInfo::exists(home(u".var/app/org.chromium.Chromium/config"_s)));
        QVERIFY(QFileInfo(home(u".var/app/org.chromium.Chromium"_s)).isDir());
        QVERIFY(QFileInfo(home(u".mozilla/native-messaging-hosts"_s)).isDir());
        for (const BrowserHosts::Entry &entry : BrowserHosts::status(m_roots, m_host, m_record))
            QVERIFY(entry.state == State::missing || entry.state == State::other);
    }

    // A manifest written for another host program (another build, an installation moved) is
    // still Vireloom's: it shows as outdated, is replaced by setting up, and removed.
    void anotherInstallationsManifest()
    {
        makeFolder(u".config/chromium"_s);
        const QString old = u"/home/me/vireloom/build/src/vireloom-browser-host"_s;
        QCOMPARE(BrowserHosts::registerBrowsers(m_roots, old, m_record).written.size(), 1);
        const auto stateNow = [this] {
            for (const BrowserHosts::Entry &entry : BrowserHosts::status(m_roots, m_host, m_record)) {
                if (entry.place.browser->id == u"chromium" && entry.place.install == Install::native)
                    return entry.state;
            }
            return State::missing;
        };
        QCOMPARE(stateNow(), State::outdated);
        QCOMPARE(BrowserHosts::unregisterBrowsers(m_roots, m_host, m_record).removed.size(), 1);
        QCOMPARE(stateNow(), State::missing);

        QCOMPARE(BrowserHosts::registerBrowsers(m_roots, old, m_record).written.size(), 1);
        QCOMPARE(BrowserHosts::registerBrowsers(m_roots, m_host, m_record).written.size(), 1);
        QCOMPARE(stateNow(), State::current);
        // Without the record, only a manifest exactly as this installation writes it is known as ours.
        QVERIFY(QFile::remove(m_record));
        QCOMPARE(BrowserHosts::unregisterBrowsers(m_roots, m_host, m_record).removed.size(), 1);
    }

    // The profiles whose logins a download can be tried with: those each browser's list
    // names and whose folder holds a cookie store, natively, as Flatpaks and as Snaps; the
    // default of each install first.
    void profilesOfEveryInstall()
    {
        const auto profile = [this](const QString &folder, const QString &store) {
            makeFolder(folder + u'/' + QFileInfo(store).path());
            QVERIFY(writeFile(home(folder + u'/' + store), "SQLite format 3"));
        };
        // Chromium: named in Local State; a listed profile without its folder, a folder the
        // list does not name and a name that leads out of the user data are not offered.
        profile(u".config/chromium/Default"_s, u"Cookies"_s);
        profile(u".config/chromium/Profile 2"_s, u"Network/Cookies"_s);
        profile(u".config/chromium/Profile 10"_s, u"Cookies"_s);
        profile(u".config/chromium/Profile 4"_s, u"Cookies"_s);
        makeFolder(u".config/chromium/Profile 5"_s);
        profile(u".config/escape"_s, u"Cookies"_s);
        QVERIFY(writeFile(home(u".config/chromium/Local State"_s), R"({"profile": {"info_cache": {
            "Profile 10": {"name": "Ten"}, "Default": {"name": "Person 1"}, "Profile 2": {"name": "Work"},
            "Profile 3": {"name": "Deleted"}, "Profile 5": {"name": "No cookies"}, "../escape": {"name": "Out"}}}})"));
        // Brave as a Flatpak, its Local State broken: its profile folders tell.
        const QString brave = u".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser"_s;
        profile(brave + u"/Default"_s, u"Cookies"_s);
        profile(brave + u"/Profile 1"_s, u"Cookies"_s);
        profile(brave + u"/System Profile"_s, u"Cookies"_s);
        QVERIFY(writeFile(home(brave + u"/Local State"_s), "{\"profile\": {\"info_cache\": {\"Default\": "));
        // Chromium as a Snap, with one profile and no Local State.
        profile(u"snap/chromium/common/chromium/Default"_s, u"Cookies"_s);
        // Firefox: relative and absolute paths, the install's default first, written with
        // Windows line ends; a profile without cookies is not offered.
        profile(u".mozilla/firefox/wxyz.default"_s, u"cookies.sqlite"_s);
        profile(u".mozilla/firefox/abcd.default-release"_s, u"cookies.sqlite"_s);
        profile(u"elsewhere/firefox-profile"_s, u"cookies.sqlite"_s);
        makeFolder(u".mozilla/firefox/empty.profile"_s);
        const QByteArray ini = "[Install4F96D1932A9F858E]\r\nDefault=abcd.default-release\r\nLocked=1\r\n\r\n"
                               "[Profile1]\r\nName=default\r\nIsRelative=1\r\nPath=wxyz.default\r\nDefault=1\r\n\r\n"
                               "[Profile0]\r\nName=default-release\r\nIsRelative=1\r\nPath=abcd.default-release\r\n\r\n"
                               "[Profile2]\r\nName=Elsewhere\r\nIsRelative=0\r\nPath="
                               + home(u"elsewhere/firefox-profile"_s).toUtf8()
                               + "\r\n\r\n[Profile3]\r\nName=Empty\r\nIsRelative=1\r\nPath=empty.profile\r\n"
                                 "[Profile4]\r\nName=Again\r\nIsRelative=1\r\nPath=./wxyz.default\r\n"
                                 "[General]\r\nStartWithLastProfile=1\r\nVersion=2\r\n";
        QVERIFY(writeFile(home(u".mozilla/firefox/profiles.ini"_s), ini));
        // Firefox as a Snap, its list half broken: what can be read is.
        profile(u"snap/firefox/common/.mozilla/firefox/snap.default"_s, u"cookies.sqlite"_s);
        QVERIFY(writeFile(home(u"snap/firefox/common/.mozilla/firefox/profiles.ini"_s),
                          QByteArray("garbage\n[Profile0\nName=broken\n=\n[Profile1]\nName=Snap one\nPath=snap.default\n")
                              + QByteArray("\xff\xfe\0\n", 4)));
        // LibreWolf as a Flatpak has run but has no list yet.
        makeFolder(u".var/app/io.gitlab.librewolf-community/.librewolf"_s);

        QStringList found;
        for (const Browsers::Profile &each : Browsers::profiles(m_roots))
            found << each.label() + u" = "_s + each.engineName().replace(home(), u"~"_s);
        QCOMPARE(found,
                 (QStringList{
                     u"Chromium · Person 1 = chromium:~/.config/chromium/Default"_s,
                     u"Chromium · Work = chromium:~/.config/chromium/Profile 2"_s,
                     u"Chromium · Ten = chromium:~/.config/chromium/Profile 10"_s,
                     u"Chromium (Snap) = chromium:~/snap/chromium/common/chromium/Default"_s,
                     u"Brave (Flatpak) · Default = brave:~/"_s + brave + u"/Default"_s,
                     u"Brave (Flatpak) · Profile 1 = brave:~/"_s + brave + u"/Profile 1"_s,
                     u"Firefox · default-release = firefox:~/.mozilla/firefox/abcd.default-release"_s,
                     u"Firefox · default = firefox:~/.mozilla/firefox/wxyz.default"_s,
                     u"Firefox · Elsewhere = firefox:~/elsewhere/firefox-profile"_s,
                     u"Firefox (Snap) = firefox:~/snap/firefox/common/.mozilla/firefox/snap.default"_s,
                 }));
    }

    // A list that cannot be read gives what the folders show (Chromium) or nothing
    // (Firefox); none of them stops the others from being read.
    void unreadableProfileLists_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << QByteArray("{\"profile\": {\"info_ca");
        QTest::newRow("an array") << QByteArray("[1, 2, 3]");
        QTest::newRow("wrong types") << QByteArray(R"({"profile": {"info_cache": [{"name": 1}]}, "x": null})");
        QTest::newRow("binary") << QByteArray("\0\xff\xfe[Profile0]\0Path=\0\n", 21);
        QTest::newRow("no path") << QByteArray("[Profile0]\nName=x\nIsRelative=1\nPath=\n");
    }

    void unreadableProfileLists()
    {
        QFETCH(QByteArray, content);
        makeFolder(u".config/vivaldi/Default"_s);
        QVERIFY(writeFile(home(u".config/vivaldi/Default/Cookies"_s)));
        QVERIFY(writeFile(home(u".config/vivaldi/Local State"_s), content));
        makeFolder(u".librewolf/x.default"_s);
        QVERIFY(writeFile(home(u".librewolf/x.default/cookies.sqlite"_s)));
        QVERIFY(writeFile(home(u".librewolf/profiles.ini"_s), content));
        // The list of another Firefox is whole.
        makeFolder(u".mozilla/firefox/y.default"_s);
        QVERIFY(writeFile(home(u".mozilla/firefox/y.default/cookies.sqlite"_s)));
        QVERIFY(writeFile(home(u".mozilla/firefox/profiles.ini"_s), "[Profile0]\nName=y\nIsRelative=1\nPath=y.default\n"));

        QStringList found;
        for (const Browsers::Profile &each : Browsers::profiles(m_roots))
            found << each.label();
        QCOMPARE(found, (QStringList{u"Vivaldi"_s, u"Firefox"_s}));
    }

    // The command line, as a user types it, for a home of its own.
    void commandLine()
    {
        makeFolder(u".config/chromium"_s);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, home());
        env.insert(u"XDG_CONFIG_HOME"_s, home(u".config"_s));
        env.insert(u"XDG_DATA_HOME"_s, home(u".local/share"_s));
        const auto run = [&env](const QString &option) {
            QProcess vireloom;
            vireloom.setProcessEnvironment(env);
            vireloom.start(QStringLiteral(VIRELOOM_APP), {option});
            vireloom.waitForFinished(30000);
            return std::pair{vireloom.exitCode(), QString::fromUtf8(vireloom.readAllStandardOutput())};
        };
        const QString manifest = home(u".config/chromium/NativeMessagingHosts/"_s + kName);
        const auto [registered, said] = run(u"--register-browsers"_s);
        QCOMPARE(registered, 0);
        QVERIFY2(said.contains(u"Chromium: ~/.config/chromium/NativeMessagingHosts/"_s + kName), qPrintable(said));
        // It names the host built beside the application.
        QCOMPARE(jsonOf(manifest).value(u"path"_s).toString(), QFileInfo(QStringLiteral(VIRELOOM_BROWSER_HOST)).canonicalFilePath());
        const auto [unregistered, saidAfter] = run(u"--unregister-browsers"_s);
        QCOMPARE(unregistered, 0);
        QVERIFY2(saidAfter.contains(u"Chromium: "_s), qPrintable(saidAfter));
        QVERIFY(!QFileInfo::exists(manifest));
        QVERIFY(QFileInfo(home(u".config/chromium"_s)).isDir());
    }
};

QTEST_GUILESS_MAIN(TestBrowserHosts)
#include "tst_browserhosts.moc"
