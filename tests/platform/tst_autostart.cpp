#include "platform/autostart.h"
#include "settings/settings.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
    // however odd the program's path.
    void entryStartsTheProgramInTheBackground_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"bin"_s << u"\"%1/bin/vireloom\" --background"_s;
        QTest::newRow("odd characters") << u"my $HOME \"x\" 100%"_s
                                        << u"\"%1/my \\\\$HOME \\\\\"x\\\\\" 100%%/vireloom\" --background"_s;
    }

    void entryStartsTheProgramInTheBackground()
    {
        QFETCH(QString, folder);
        QFETCH(QString, exec);
        const QString program = m_root->filePath(folder + u"/vireloom"_s);
        QVERIFY(QDir().mkpath(QFileInfo(program).absolutePath()) && writeFile(program, "#!/bin/sh\n"));
        QVERIFY(!Autostart::isEnabled(entryPath()));
        QVERIFY(Autostart::enable(program, entryPath()));
        QVERIFY(Autostart::isEnabled(entryPath()));
        QCOMPARE(execLine(entryPath()), exec.arg(m_root->path()));
        QCOMPARE(QProcess::execute(u"desktop-file-validate"_s, {entryPath()}), 0);
        QVERIFY(Autostart::disable(entryPath()));
        QVERIFY(!QFileInfo::exists(entryPath()));
        QVERIFY(Autostart::disable(entryPath()));
    }

    // A program the desktop finds on its PATH is named bare, so that it survives updates.
    void programOnThePathIsNamedBare()
    {
        const QString sh = QFileInfo(u"/bin/sh"_s).canonicalFilePath();
        QVERIFY(Autostart::entry(u"/usr/bin/env"_s).contains("Exec=env --background\n"));
        QVERIFY(!Autostart::entry(sh + u"-not-there"_s).contains("Exec=sh"));
        QVERIFY(!Autostart::enable(u"/opt/x\n[Desktop Entry]\nExec=evil"_s, entryPath()));
        QVERIFY(!QFileInfo::exists(entryPath()));
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

        // A file where the folder should be: nothing can be written under it.
        QVERIFY(writeFile(m_root->filePath(u"blocked"_s), "file"));
        Settings other(m_root->filePath(u"other.ini"_s));
        AutostartSetting blocked(&other, u"/usr/bin/vireloom"_s, m_root->filePath(u"blocked/autostart/v.desktop"_s));
        QSignalSpy failed(&blocked, &AutostartSetting::failed);
        other.setValue(SettingsKey::startAtLogin, true);
        QCOMPARE(failed.size(), 1);
        QVERIFY(failed.at(0).at(0).toString().startsWith(u"Couldn’t change starting at login: "_s));
        QVERIFY(!other.boolean(SettingsKey::startAtLogin));
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
