#include "support/apphome.h"
#include "support/httpserver.h"
#include "support/media.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

// The built application, started as a user would start it, with its own home folder:
// later launches hand their addresses to the running one, which downloads them with the
// machine's yt-dlp and ffmpeg from a server on 127.0.0.1.
class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(makeClip(m_media.filePath(u"clip.mp4"_s), 2));
        QVERIFY(m_server.listen());
        m_server.routeFile(u"/media/clip.mp4"_s, m_media.filePath(u"clip.mp4"_s), "video/mp4");
    }

    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(prepareAppHome(QDir(m_home->path())));
    }

    void cleanup()
    {
        for (QProcess *app : std::as_const(m_apps)) {
            if (app->state() != QProcess::NotRunning) {
                app->kill();
                app->waitForFinished(10000);
            }
            delete app;
        }
        m_apps.clear();
    }

    // A launch while one runs hands its address over and leaves; a killed instance leaves its
    // socket behind, and the next one takes it over and downloads what later launches bring.
    void laterLaunchesReachTheRunningOne()
    {
        QProcess *crashed = startApp();
        QCOMPARE(launchAgain({}), 0);
        ::kill(pid_t(crashed->processId()), SIGKILL);
        QVERIFY(crashed->waitForFinished(10000));
        QVERIFY(QFile::exists(QDir(m_home->path()).filePath(u"runtime/vireloom/instance.sock"_s)));

        QProcess *next = startApp();
        QCOMPARE(launchAgain({schemeAddress(m_server.url(u"/media/clip.mp4"_s), u"mp3"_s)}), 0);
        const QString out = QDir(m_home->path()).filePath(u"out"_s);
        QTRY_VERIFY_WITH_TIMEOUT(history().size() == 1, 90000);
        const QJsonObject entry = history().first().toObject();
        const QString file = entry.value(u"file"_s).toString();
        QVERIFY2(file.startsWith(out + u"/"_s) && file.endsWith(u".mp3"_s), QJsonDocument(entry).toJson().constData());
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(entry.value(u"quality"_s).toString(), u"MP3"_s);
        QCOMPARE(next->state(), QProcess::Running);
    }

private:
    QProcessEnvironment environment() const;
    // Starts the application and waits until it holds the single-instance lock.
    QProcess *startApp();
    int launchAgain(const QStringList &arguments);
    QJsonArray history() const;

    HttpServer m_server;
    QTemporaryDir m_media;
    std::unique_ptr<QTemporaryDir> m_home;
    QList<QProcess *> m_apps;
};

QProcessEnvironment TestApp::environment() const
{
    QProcessEnvironment env = appEnvironment(QDir(m_home->path()));
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    return env;
}

QProcess *TestApp::startApp()
{
    auto *app = new QProcess;
    app->setProcessEnvironment(environment());
    app->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app->start(QStringLiteral(VIRELOOM_APP), {});
    m_apps << app;
    QFile lock(QDir(m_home->path()).filePath(u"runtime/vireloom/instance.sock.lock"_s));
    const QByteArray pid = QByteArray::number(app->processId());
    auto holdsLock = [&] {
        if (!lock.open(QIODevice::ReadOnly))
            return false;
        const bool mine = lock.readLine().trimmed() == pid;
        lock.close();
        return mine;
    };
    if (!QTest::qWaitFor(holdsLock, 20000))
        qWarning() << "the application did not take the single-instance lock";
    return app;
}

int TestApp::launchAgain(const QStringList &arguments)
{
    QProcess second;
    second.setProcessEnvironment(environment());
    second.start(QStringLiteral(VIRELOOM_APP), arguments);
    if (!second.waitForFinished(30000))
        return -1;
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
}

QJsonArray TestApp::history() const
{
    QFile file(QDir(m_home->path()).filePath(u"data/Vireloom/history.json"_s));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isArray() ? document.array() : document.object().value(u"entries"_s).toArray();
}

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
