#include "engine/guardproxy.h"
#include "support/httpserver.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWait = 20000;

// A server that keeps the head of every request it gets and answers each with `answer`,
// then hangs up: it shows what the guard forwarded, as an origin or as the next proxy.
class RecordingServer : public QObject
{
public:
    explicit RecordingServer(QByteArray answer)
        : m_answer(std::move(answer))
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                auto buffer = std::make_shared<QByteArray>();
                connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                    const bool answered = buffer->contains("\r\n\r\n");
                    *buffer += socket->readAll();
                    if (const qsizetype end = buffer->indexOf("\r\n\r\n"); !answered && end >= 0) {
                        heads << buffer->first(end);
                        socket->write(m_answer);
                        socket->disconnectFromHost();
                    }
                });
            }
        });
    }
    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    quint16 port() const { return m_server.serverPort(); }

    int connections = 0;
    QList<QByteArray> heads;

private:
    QTcpServer m_server;
    QByteArray m_answer;
};

// Sends `request` to the guard and reads until it hangs up. With `inner`, the request is a
// CONNECT: once it is answered, `inner` is sent through the tunnel.
QByteArray exchange(quint16 port, const QByteArray &request, const QByteArray &inner = {})
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!QTest::qWaitFor([&socket] { return socket.state() == QAbstractSocket::ConnectedState; }, kWait))
        return "no connection";
    socket.write(request);
    QByteArray got;
    if (!inner.isEmpty()) {
        (void)QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                return got.contains("\r\n\r\n") || socket.state() != QAbstractSocket::ConnectedState;
            },
            kWait);
        if (got.startsWith("HTTP/1.1 200"))
            socket.write(inner);
    }
    (void)QTest::qWaitFor(
        [&] {
            got += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        kWait);
    return got + socket.readAll();
}

// Lets the given port through as if it were on the internet, and nothing else.
GuardRule onlyPort(quint16 allowed)
{
    return {[](const QString &) { return true; }, [allowed](const QHostAddress &, quint16 port) { return port == allowed; }};
}

} // namespace

class TestGuardProxy : public QObject
{
    Q_OBJECT

private slots:
    // A plain request goes to its destination in origin form, without what concerns only
    // the hop to the guard, and both sides hear that the connection ends with it.
    void forwardsPlainRequests()
    {
        RecordingServer origin("HTTP/1.1 200 OK\r\nConnection: keep-alive\r\nKeep-Alive: timeout=5\r\nContent-Length: 5\r\n\r\nhello");
        QVERIFY(origin.listen());
        GuardProxy guard(onlyPort(origin.port()));
        QVERIFY(guard.start());
        const QByteArray target = "http://127.0.0.1:" + QByteArray::number(origin.port());
        const QByteArray answer = exchange(guard.port(), "GET " + target
                                                             + "/a/b?c=d HTTP/1.1\r\nHost: example.org\r\n"
                                                               "Proxy-Connection: keep-alive\r\nProxy-Authorization: Basic eDp5\r\n"
                                                               "Connection: keep-alive, X-Hop\r\nX-Hop: 1\r\nRange: bytes=3-\r\n\r\n");
        QCOMPARE(answer, QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello"));
        QCOMPARE(origin.heads.size(), 1);
        QCOMPARE(origin.heads.first(), QByteArray("GET /a/b?c=d HTTP/1.1\r\nHost: example.org\r\nRange: bytes=3-\r\nConnection: close"));
    }

    // Megabytes pass whole, whichever side is faster.
    void relaysLargeBodiesWhole()
    {
        HttpServer origin;
        QByteArray body(6 * 1024 * 1024, Qt::Uninitialized);
        for (qsizetype i = 0; i < body.size(); ++i)
            body[i] = char(i * 7 + i / 4096);
        origin.route(u"/big"_s, body, "application/octet-stream");
        QVERIFY(origin.listen());
        GuardProxy guard(onlyPort(origin.url().port()));
        QVERIFY(guard.start());
        const QByteArray answer = exchange(guard.port(), "GET " + origin.url(u"/big"_s).toEncoded() + " HTTP/1.1\r\n\r\n");
        QVERIFY(answer.startsWith("HTTP/1.1 200"));
        QCOMPARE(answer.sliced(answer.indexOf("\r\n\r\n") + 4), body);
        // Through a tunnel as well.
        const QByteArray authority = "127.0.0.1:" + QByteArray::number(origin.url().port());
        const QByteArray tunnelled = exchange(guard.port(), "CONNECT " + authority + " HTTP/1.1\r\nHost: " + authority + "\r\n\r\n",
                                              "GET /big HTTP/1.1\r\nHost: x\r\n\r\n");
        QVERIFY(tunnelled.startsWith("HTTP/1.1 200 Connection established\r\n\r\nHTTP/1.1 200"));
        QVERIFY(tunnelled.endsWith(body));
    }

    // What the rule refuses is answered by the guard and never connected to, by either form
    // of request: every form of a local address, a name that resolves to one, a name that
    // resolves nowhere.
    void refusesTheLocalNetwork_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("permissiveHostRule");
        QTest::addColumn<int>("status");
        QTest::newRow("loopback") << QByteArray("GET http://127.0.0.1%1/admin?reboot HTTP/1.1") << false << 403;
        QTest::newRow("IPv6 loopback") << QByteArray("GET http://[::1]%1/ HTTP/1.1") << false << 403;
        QTest::newRow("decimal") << QByteArray("GET http://2130706433%1/ HTTP/1.1") << false << 403;
        QTest::newRow("shorthand") << QByteArray("GET http://0x7f.1%1/ HTTP/1.1") << false << 403;
        QTest::newRow("mapped IPv6") << QByteArray("CONNECT [::ffff:127.0.0.1]%1 HTTP/1.1") << false << 403;
        QTest::newRow("private") << QByteArray("CONNECT 192.168.0.1%1 HTTP/1.1") << false << 403;
        QTest::newRow("localhost, trailing dot") << QByteArray("CONNECT localhost.%1 HTTP/1.1") << false << 403;
        // The host passes as a name; what it resolves to does not.
        QTest::newRow("resolves to loopback") << QByteArray("GET http://localhost%1/ HTTP/1.1") << true << 403;
        QTest::newRow("resolves to loopback, CONNECT") << QByteArray("CONNECT localhost%1 HTTP/1.1") << true << 403;
        QTest::newRow("resolves nowhere") << QByteArray("GET http://media.invalid%1/ HTTP/1.1") << false << 502;
        QTest::newRow("origin form") << QByteArray("GET / HTTP/1.1") << false << 400;
        QTest::newRow("https in plain") << QByteArray("GET https://example.org%1/ HTTP/1.1") << false << 400;
        QTest::newRow("userinfo") << QByteArray("GET http://example.org%1@127.0.0.1/ HTTP/1.1") << false << 400;
        QTest::newRow("CONNECT without port") << QByteArray("CONNECT 127.0.0.1 HTTP/1.1") << false << 400;
    }
    void refusesTheLocalNetwork()
    {
        QFETCH(QByteArray, request);
        QFETCH(bool, permissiveHostRule);
        QFETCH(int, status);
        RecordingServer local("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nsecret");
        QVERIFY(local.listen());
        GuardRule rule = GuardRule::publicOnly();
        if (permissiveHostRule)
            rule.host = [](const QString &) { return true; };
        GuardProxy guard(rule);
        QVERIFY(guard.start());
        request.replace("%1", ':' + QByteArray::number(local.port()));
        const QByteArray answer = exchange(guard.port(), request + "\r\n\r\n", request.startsWith("CONNECT") ? "GET / HTTP/1.1\r\n\r\n" : "");
        const QByteArray refused = "HTTP/1.1 403 " + QByteArray(GuardProxy::kRefusedReason.data()) + "\r\n";
        QVERIFY2(status == 403 ? answer.startsWith(refused) : answer.startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '), answer.constData());
        QCOMPARE(local.connections, 0);
    }

    void refusesHugeHeads()
    {
        GuardProxy guard(onlyPort(1));
        QVERIFY(guard.start());
        // Just over the limit, and all of it read by the guard before it answers.
        const QByteArray answer = exchange(guard.port(), "GET http://example.org/ HTTP/1.1\r\nX: " + QByteArray(65501, 'a'));
        QVERIFY2(answer.startsWith("HTTP/1.1 431 "), answer.left(80).constData());
    }

    // Through the user's HTTP proxy: a plain request is handed over for the address the
    // guard checked (the name stays in Host), with the proxy's login; a tunnel is asked for
    // by address as well. The proxy is never asked to resolve a name.
    void goesOnThroughTheUsersProxy()
    {
        RecordingServer proxy("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
        QVERIFY(proxy.listen());
        GuardProxy guard({[](const QString &) { return true; },
                          [](const QHostAddress &address, quint16 port) { return address.isLoopback() && port == 8080; }});
        QVERIFY(guard.start());
        QNetworkProxy upstream(QNetworkProxy::HttpProxy, u"127.0.0.1"_s, proxy.port(), u"user"_s, u"pass"_s);
        guard.setUpstream(upstream);

        const QByteArray plain = exchange(guard.port(), "GET http://localhost:8080/page HTTP/1.1\r\n\r\n");
        QVERIFY2(plain.endsWith("\r\n\r\nok"), plain.constData());
        QCOMPARE(proxy.heads.size(), 1);
        const QList<QByteArray> lines = proxy.heads.first().split('\n');
        QVERIFY2(lines.first().startsWith("GET http://127.0.0.1:8080/page ") || lines.first().startsWith("GET http://[::1]:8080/page "),
                 lines.first().constData());
        QVERIFY(proxy.heads.first().contains("\r\nHost: localhost:8080\r\n"));
        QVERIFY(proxy.heads.first().contains("\r\nProxy-Authorization: Basic dXNlcjpwYXNz"));

        exchange(guard.port(), "CONNECT localhost:8080 HTTP/1.1\r\n\r\n", "hello");
        QTRY_COMPARE_WITH_TIMEOUT(proxy.heads.size(), 2, kWait);
        QVERIFY2(proxy.heads.last().startsWith("CONNECT 127.0.0.1:8080 ") || proxy.heads.last().startsWith("CONNECT [::1]:8080 "),
                 proxy.heads.last().constData());
    }

    // Proxies only Qt cannot speak are not chained to: the run must not go at all.
    void routesOnlyThroughProxiesItSpeaks_data()
    {
        QTest::addColumn<QString>("proxy");
        QTest::addColumn<bool>("routed");
        QTest::newRow("none") << QString() << true;
        QTest::newRow("http") << u"http://user:pw@127.0.0.1:3128"_s << true;
        QTest::newRow("socks5h") << u"socks5h://127.0.0.1:1080"_s << true;
        QTest::newRow("socks4") << u"socks4://127.0.0.1:1080"_s << false;
        QTest::newRow("https") << u"https://127.0.0.1:3128"_s << false;
    }
    void routesOnlyThroughProxiesItSpeaks()
    {
        QFETCH(QString, proxy);
        QFETCH(bool, routed);
        GuardProxy guard;
        const std::optional<QString> route = guard.route(proxy);
        QCOMPARE(route.has_value(), routed);
        if (route)
            QCOMPARE(*route, u"http://127.0.0.1:%1"_s.arg(guard.port()));
    }

    // No variable is left that would let the engine or ffmpeg go around the guard.
    void environmentNamesNoOtherProxy()
    {
        QProcessEnvironment environment;
        for (const char *name : {"http_proxy", "HTTPS_PROXY", "all_proxy", "no_proxy", "NO_PROXY", "ftp_proxy", "PATH", "PROXY_NOTE"})
            environment.insert(QString::fromLatin1(name), u"x"_s);
        QCOMPARE(GuardProxy::guardedEnvironment(environment).keys(), (QStringList{u"PATH"_s, u"PROXY_NOTE"_s}));
    }
};

QTEST_GUILESS_MAIN(TestGuardProxy)
#include "tst_guardproxy.moc"
