#include "platform/autostart.h"
#include "settings/settings.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestAutostart : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;

    QString entryPath() const { return m_root->filePath(u"config/autostart/io.github.vireloom.vireloom.desktop"_s); }

    static QString execLine(const QString &path)
    {
        for (const QByteArray &line : readFile(path).split('\n')) {
            if (line.startsWith("Exec="))
                return QString::fromUtf8(line.mid(5));
        }
        return {};
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        qputenv("XDG_CONFIG_HOME", m_root->filePath(u"config"_s).toLocal8Bit());
    }

    void entryFollowsXdgConfigHome()
    {
        QCOMPARE(Autostart::entryPath(), entryPath());
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(Autostart::entryPath(), QDir::homePath() + u"/.config/autostart/io.github.vireloom.vireloom.desktop"_s);
    }

    // The entry the desktop reads: valid, and starting the program in the background,
    // however odd the program's path. The desktop itself (GLib, as `gio launch`) runs it.
    void entryStartsTheProgramInTheBackground_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"bin"_s << u"\"%1/bin/vireloom\" --background"_s;
        QTest::newRow("odd characters") << u"my $HOME \"x\" a\\b;c `d` 'e'"_s
                                        << u"\"%1/my \\\\$HOME \\\\\"x\\\\\" a\\\\\\\\b;c \\\\`d\\\\` 'e'/vireloom\" --background"_s;
    }

    void entryStartsTheProgramInTheBackground()
    {
        QFETCH(QString, folder);
        QFETCH(QString, exec);
        const QString program = m_root->filePath(folder + u"/vireloom"_s);
        const QString marker = m_root->filePath(u"started-with"_s);
        QVERIFY(QDir().mkpath(QFileInfo(program).absolutePath()));
        QVERIFY(writeFile(program, "#!/bin/sh\necho \"$@\" > \"$MARKER\"\n"));
        QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QVERIFY(!Autostart::isEnabled(entryPath()));
        QVERIFY(Autostart::enable(program, entryPath()));
        QVERIFY(Autostart::isEnabled(entryPath()));
        QCOMPARE(execLine(entryPath()), exec.arg(m_root->path()));
        QCOMPARE(QProcess::execute(u"desktop-file-validate"_s, {entryPath()}), 0);

        QProcess gio;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"MARKER"_s, marker);
        gio.setProcessEnvironment(env);
        gio.start(u"gio"_s, {u"launch"_s, entryPath()});
        QVERIFY(gio.waitForFinished(30000));
        QCOMPARE(gio.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(readFile(marker), QByteArray("--background\n"), 10000);

        QVERIFY(Autostart::disable(entryPath()));
        QVERIFY(!QFileInfo::exists(entryPath()));
        QVERIFY(Autostart::disable(entryPath()));
    }

    // Paths the desktop cannot start a program from are refused with a reason, and no
    // entry is written: GLib splits Exec before it expands "%%", so an entry with a `%`
    // never runs; a control character makes the entry invalid.
    void unlaunchablePathsAreRefused_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("percent") << u"/opt/100%/vireloom"_s;
        QTest::newRow("field code") << u"/opt/vire%uloom"_s;
        QTest::newRow("tab") << u"/opt/a\tb/vireloom"_s;
        QTest::newRow("escape") << u"/opt/a\x1b[2J/vireloom"_s;
        QTest::newRow("line break") << u"/opt/x\n[Desktop Entry]\nExec=evil"_s;
        QTest::newRow("relative") << u"bin/vireloom"_s;
    }

    void unlaunchablePathsAreRefused()
    {
        QFETCH(QString, program);
        QVERIFY(Autostart::launchProblem(program));
        QString error;
        QVERIFY(!Autostart::enable(program, entryPath(), &error));
        QVERIFY2(error.startsWith(u"The desktop can’t start a program at this path: "_s), qPrintable(error));
        QVERIFY(!QFileInfo::exists(entryPath()));
    }

    // The entry is readable by all whatever the umask, and an entry that is a link is
    // replaced rather than written through.
    void entryIsAFileOfItsOwn()
    {
        const QString target = m_root->filePath(u"elsewhere"_s);
        QVERIFY(writeFile(target, "mine"));
        QVERIFY(QDir().mkpath(QFileInfo(entryPath()).absolutePath()));
        QVERIFY(QFile::link(target, entryPath()));
        const mode_t before = ::umask(077);
        const bool enabled = Autostart::enable(u"/usr/bin/vireloom"_s, entryPath());
        ::umask(before);
        QVERIFY(enabled);
        QVERIFY(!QFileInfo(entryPath()).isSymLink());
        QCOMPARE(int(QFileInfo(entryPath()).permissions()) & 0x7777, 0x6644);
        QCOMPARE(readFile(target), QByteArray("mine"));
    }

    // A program the desktop finds on its PATH is named bare, so that it survives updates;
    // but only a name of plain characters: one with a quote, a `$`, a `;` or a field code
    // is written as its quoted full path.
    void onlyPlainNamesAreWrittenBare_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bare");
        QTest::newRow("plain") << u"vireloom-1.2_x+y"_s << true;
        QTest::newRow("dollar") << u"vire$HOME"_s << false;
        QTest::newRow("semicolon") << u"vire;loom"_s << false;
        QTest::newRow("quote") << u"vire'loom"_s << false;
        QTest::newRow("backslash") << u"vire\\loom"_s << false;
        QTest::newRow("blank") << u"vire loom"_s << false;
    }

    void onlyPlainNamesAreWrittenBare()
    {
        QFETCH(QString, name);
        QFETCH(bool, bare);
        const QString folder = m_root->filePath(u"path"_s);
        const QString program = folder + u'/' + name;
        QVERIFY(QDir().mkpath(folder) && writeFile(program, "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(folder) + ':' + path);
        const QByteArray entry = Autostart::entry(program);
        qputenv("PATH", path);
        QCOMPARE(entry.contains("Exec=" + name.toUtf8() + " --background\n"), bare);
        QCOMPARE(entry.contains("Exec=\"" + QFile::encodeName(folder)), !bare);
    }

    // The desktop's own start-up settings switch an entry off without removing it.
    void switchedOffByTheDesktop_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("plain") << QByteArray("[Desktop Entry]\nType=Application\nExec=vireloom --background\n") << true;
        QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nExec=vireloom --background\nHidden=true\n") << false;
        QTest::newRow("GNOME switch") << QByteArray("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n") << false;
        QTest::newRow("hidden in another group") << QByteArray("[Desktop Entry]\nExec=v\n[Desktop Action x]\nHidden=true\n") << true;
    }

    void switchedOffByTheDesktop()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, enabled);
        QVERIFY(QDir().mkpath(QFileInfo(entryPath()).absolutePath()) && writeFile(entryPath(), content));
        QCOMPARE(Autostart::isEnabled(entryPath()), enabled);
    }

    // The setting starts from the entry, writes and removes it, and goes back with a
    // message when the entry cannot be written.
    void settingDrivesTheEntry()
    {
        Settings settings(m_root->filePath(u"settings.ini"_s));
        settings.setValue(SettingsKey::startAtLogin, true);
        {
            AutostartSetting setting(&settings, u"/usr/bin/vireloom"_s, entryPath());
            QVERIFY(!settings.boolean(SettingsKey::startAtLogin));
            settings.setValue(SettingsKey::startAtLogin, true);
            QVERIFY(Autostart::isEnabled(entryPath()));
            settings.setValue(SettingsKey::startAtLogin, false);
            QVERIFY(!QFileInfo::exists(entryPath()));
            settings.setValue(SettingsKey::startAtLogin, true);
        }
        AutostartSetting again(&settings, u"/usr/bin/vireloom"_s, entryPath());
        QVERIFY(settings.boolean(SettingsKey::startAtLogin));

        // A file where the folder should be: nothing can be written under it; the words go
        // once a change can be carried out.
        const QString blocking = m_root->filePath(u"blocked"_s);
        QVERIFY(writeFile(blocking, "file"));
        Settings other(m_root->filePath(u"other.ini"_s));
        AutostartSetting blocked(&other, u"/usr/bin/vireloom"_s, blocking + u"/autostart/v.desktop"_s);
        QSignalSpy problem(&blocked, &AutostartSetting::problemChanged);
        other.setValue(SettingsKey::startAtLogin, true);
        QCOMPARE(problem.size(), 1);
        QVERIFY(blocked.problem().startsWith(u"Couldn’t change starting at login: "_s));
        QVERIFY(!other.boolean(SettingsKey::startAtLogin));
        QVERIFY(QFile::remove(blocking));
        other.setValue(SettingsKey::startAtLogin, true);
        QVERIFY(blocked.problem().isEmpty());
        QVERIFY(Autostart::isEnabled(blocking + u"/autostart/v.desktop"_s));
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
