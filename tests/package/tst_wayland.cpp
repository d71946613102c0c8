#include "support/files.h"
#include "support/httpserver.h"
#include "support/media.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {
constexpr int kRun = 90000;
const QString kSocket = u"vireloom-test"_s;

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
} // namespace

// The built application on Wayland, under Debian's weston, started as a user would start it
// with its own home folder: later launches hand their addresses to the running one, which
// downloads them with the machine's yt-dlp and ffmpeg. weston runs on the X server the test
// command provides, because its headless backend offers no seat, and without a seat a client has
// no keyboard focus and no clipboard. Nothing here talks X: the application and wl-copy see only
// the compositor.
class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariableIsEmpty("DISPLAY"));
        QVERIFY(makeClip(m_root.filePath(u"clip.mp4"_s), 2));
        QVERIFY(m_server.listen());
        m_server.routeFile(u"/media/clip.mp4"_s, m_root.filePath(u"clip.mp4"_s), "video/mp4");
        m_server.routeFile(u"/media/copied.mp4"_s, m_root.filePath(u"clip.mp4"_s), "video/mp4");

        // A home of the application's own: config, data, a private runtime folder and the
        // download folder "out", with settings that download there without a sound and never
        // ask the release location (only 127.0.0.1 is ever contacted), and that let a
        // vireloom: address fetch from 127.0.0.1 without asking.
        const QDir root(m_root.path());
        for (const QString &folder : {u"config/Vireloom"_s, u"data"_s, u"runtime"_s, u"out"_s})
            QVERIFY(root.mkpath(folder));
        QFile::setPermissions(root.filePath(u"runtime"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(writeFile(root.filePath(u"config/Vireloom/Vireloom.conf"_s),
                          "[General]\nfolder=" + root.filePath(u"out"_s).toUtf8()
                              + "\nsoundOnDone=false\ncheckEngineUpdates=false\nschemeLocalAddresses=allow\n"));
        // No on-screen keyboard over the window.
        QVERIFY(writeFile(root.filePath(u"weston.ini"_s), "[core]\nidle-time=0\n[input-method]\npath=\n"));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_RUNTIME_DIR"_s, root.filePath(u"runtime"_s));
        m_weston.setProcessEnvironment(env);
        // Its start-up report would drown the test's own output; it stays in the folder for a look.
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.setStandardOutputFile(root.filePath(u"weston.log"_s));
        m_weston.start(u"weston"_s, {u"--backend=x11-backend.so"_s, u"--use-pixman"_s, u"--width=1280"_s, u"--height=800"_s,
                                     u"--socket="_s + kSocket, u"--config="_s + root.filePath(u"weston.ini"_s), u"--debug"_s});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(root.filePath(u"runtime/"_s + kSocket)), 20000);
    }

    void cleanupTestCase()
    {
        stop(m_copy);
        stop(m_app);
        stop(m_weston);
    }

    // A launch while one runs hands over and leaves; a killed instance leaves its socket behind,
    // and the next one takes it over.
    void windowComesUpAfterACrash()
    {
        QProcess crashed;
        crashed.setProcessEnvironment(environment());
        crashed.start(QStringLiteral(VIRELOOM_APP), {});
        QVERIFY(waitForLock(crashed));
        QProcess second;
        second.setProcessEnvironment(environment());
        second.start(QStringLiteral(VIRELOOM_APP), {});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        ::kill(pid_t(crashed.processId()), SIGKILL);
        QVERIFY(crashed.waitForFinished(10000));
        QVERIFY(QFile::exists(m_root.filePath(u"runtime/vireloom/instance.sock"_s)));

        m_app.setProcessEnvironment(environment());
        m_app.setProcessChannelMode(QProcess::MergedChannels);
        connect(&m_app, &QProcess::readyRead, this, [this] { m_log += m_app.readAll(); });
        m_app.start(QStringLiteral(VIRELOOM_APP), {});
        QVERIFY(waitForLock(m_app));
        QTRY_VERIFY2_WITH_TIMEOUT(appLog().contains(u"first frame at"_s), qPrintable(appLog()), 30000);
        // The compositor holds the window as a top-level surface under the desktop entry's name.
        QTRY_VERIFY_WITH_TIMEOUT(sceneGraph().contains(u"top-level window 'Vireloom' of vireloom"_s), 10000);
    }

    void laterLaunchDownloads()
    {
        // As from a browser: xdg-open finds the handler of the scheme through the desktop entry.
        const QDir root(m_root.path());
        QVERIFY(root.mkpath(u"data/applications"_s));
        QVERIFY(QFile::copy(QStringLiteral(VIRELOOM_DESKTOP_ENTRY), root.filePath(u"data/applications/vireloom.desktop"_s)));
        QProcess xdg;
        xdg.setProcessEnvironment(environment());
        xdg.start(u"xdg-mime"_s, {u"default"_s, u"vireloom.desktop"_s, u"x-scheme-handler/vireloom"_s});
        QVERIFY(xdg.waitForFinished(10000));
        QCOMPARE(xdg.exitCode(), 0);

        const QByteArray link = QUrl::toPercentEncoding(m_server.url(u"/media/clip.mp4"_s).toString());
        xdg.start(u"xdg-open"_s, {u"vireloom://download?url="_s + QString::fromLatin1(link) + u"&quality=mp3"_s});
        QVERIFY(xdg.waitForFinished(30000));
        QCOMPARE(xdg.exitCode(), 0);

        QTRY_VERIFY_WITH_TIMEOUT(history().size() == 1, kRun);
        const QJsonObject entry = history().first().toObject();
        const QString file = entry.value(u"file"_s).toString();
        QVERIFY2(file.startsWith(root.filePath(u"out/"_s)) && file.endsWith(u".mp3"_s), QJsonDocument(entry).toJson().constData());
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(entry.value(u"quality"_s).toString(), u"MP3"_s);
        QCOMPARE(m_app.state(), QProcess::Running);
    }

    void copiedLinkIsOffered()
    {
        // wl-copy briefly takes the keyboard focus to set the selection; the window, focused again,
        // finds the new text by its fingerprint since no change reached it unfocused.
        const QString link = m_server.url(u"/media/copied.mp4"_s).toString();
        m_copy.setProcessEnvironment(environment());
        m_copy.start(u"wl-copy"_s, {u"--foreground"_s, link});
        QTRY_VERIFY2_WITH_TIMEOUT(appLog().contains(u"clipboard offer: "_s + link), qPrintable(appLog()), 30000);
    }

    void terminationQuitsCleanly()
    {
        m_app.terminate();
        QVERIFY(m_app.waitForFinished(30000));
        QCOMPARE(m_app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_app.exitCode(), 0);
        QVERIFY2(!appLog().contains(u"Wayland connection"_s), qPrintable(appLog()));
    }

private:
    QProcessEnvironment environment() const;
    bool waitForLock(const QProcess &app) const;
    QJsonArray history() const;
    QString sceneGraph() const;
    QString appLog() const { return QString::fromUtf8(m_log); }

    HttpServer m_server;
    QTemporaryDir m_root;
    QProcess m_weston;
    QProcess m_app;
    QProcess m_copy;
    QByteArray m_log;
};

// The program's environment in its own home, with no session bus to reach and only the
// compositor to show on.
QProcessEnvironment TestWayland::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, m_root.path());
    for (const auto &[name, folder] : {std::pair{"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"}, {"XDG_RUNTIME_DIR", "runtime"}})
        env.insert(QString::fromLatin1(name), m_root.filePath(QString::fromLatin1(folder)));
    env.insert(u"QT_QUICK_BACKEND"_s, u"software"_s);
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent/bus"_s);
    env.insert(u"WAYLAND_DISPLAY"_s, kSocket);
    // The desktop entry runs `vireloom` from the PATH; no desktop environment is named, so xdg-open
    // uses the freedesktop defaults.
    env.insert(u"PATH"_s, QFileInfo(QStringLiteral(VIRELOOM_APP)).path() + u':' + env.value(u"PATH"_s));
    env.remove(u"XDG_CURRENT_DESKTOP"_s);
    env.remove(u"DISPLAY"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
    env.insert(u"QT_LOGGING_RULES"_s, u"vireloom.app.debug=true"_s);
    return env;
}

// Until the application holds the single-instance lock.
bool TestWayland::waitForLock(const QProcess &app) const
{
    const QByteArray pid = QByteArray::number(app.processId());
    const QString lock = m_root.filePath(u"runtime/vireloom/instance.sock.lock"_s);
    return QTest::qWaitFor([&] { return readFile(lock).split('\n').first().trimmed() == pid; }, 20000);
}

QJsonArray TestWayland::history() const
{
    const QJsonDocument document = QJsonDocument::fromJson(readFile(m_root.filePath(u"data/Vireloom/history.json"_s)));
    return document.isArray() ? document.array() : document.object().value(u"entries"_s).toArray();
}

QString TestWayland::sceneGraph() const
{
    QProcess debug;
    debug.setProcessEnvironment(environment());
    debug.start(u"weston-debug"_s, {u"scene-graph"_s});
    debug.waitForFinished(10000);
    return QString::fromUtf8(debug.readAllStandardOutput());
}

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"
