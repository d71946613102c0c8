#include "guardproxy.h"

#include "engine/logging.h"
#include "intake/urlscheme.h"

#include <QHostInfo>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

std::optional<QNetworkProxy> networkProxyFor(const QString &proxy)
{
    const QString text = proxy.trimmed();
    if (text.isEmpty())
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    QNetworkProxy result;
    if (scheme == u"http") {
        result = QNetworkProxy(QNetworkProxy::HttpProxy, url.host(), static_cast<quint16>(url.port(80)));
    } else if (scheme == u"socks5" || scheme == u"socks5h") {
        // Qt lets a SOCKS5 proxy resolve names, as socks5h asks; with socks5 the engine
        // resolves them itself, which reveals no more than the engine does.
        result = QNetworkProxy(QNetworkProxy::Socks5Proxy, url.host(), static_cast<quint16>(url.port(1080)));
    } else {
        return std::nullopt;
    }
    result.setUser(url.userName(QUrl::FullyDecoded));
    result.setPassword(url.password(QUrl::FullyDecoded));
    return result;
}

GuardRule GuardRule::publicOnly()
{
    return {[](const QString &host) { return !isLocalNetworkHost(host); },
            [](const QHostAddress &address, quint16) { return !isLocalNetworkAddress(address); }};
}

struct GuardProxy::Shared
{
    GuardRule rule;
    mutable QMutex lock;
    QNetworkProxy upstream{QNetworkProxy::NoProxy};
};

namespace {

// A request head larger than this is no request a download makes.
constexpr qsizetype kMaxHead = 64 * 1024;
// What one side may hold unsent before the other side is read no further, so that a slow
// reader slows the writer down instead of filling memory.
constexpr qint64 kHighWater = 1024 * 1024;
constexpr qint64 kChunk = 256 * 1024;
constexpr int kHeadTimeoutMs = 30'000;

struct Target
{
    QString host;
    quint16 port = 0;
};

// "host:port" or "[v6]:port", as a CONNECT names its destination.
std::optional<Target> parseAuthority(const QByteArray &authority, bool portRequired, quint16 defaultPort)
{
    if (authority.isEmpty() || authority.contains('@') || authority.contains('/'))
        return std::nullopt;
    const QUrl url(QStringLiteral("http://") + QString::fromLatin1(authority), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || (portRequired && url.port() < 0) || url.port() == 0)
        return std::nullopt;
    return Target{url.host(), static_cast<quint16>(url.port(defaultPort))};
}

bool isHopByHop(const QByteArray &name, const QList<QByteArray> &named)
{
    static const QList<QByteArray> always{"connection", "proxy-connection", "keep-alive", "proxy-authorization", "proxy-authenticate",
                                          "te",         "upgrade"};
    const QByteArray lowered = name.trimmed().toLower();
    return always.contains(lowered) || named.contains(lowered);
}

// The header lines of a head without those that concern only this hop, with
// "Connection: close": one exchange per connection, so the proxy never has to find where
// one message ends and the next begins.
QByteArray endToEndHeaders(const QList<QByteArray> &lines, bool *hasHost = nullptr)
{
    QList<QByteArray> named;
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.first(colon).trimmed().toLower() == "connection") {
            for (const QByteArray &option : line.sliced(colon + 1).split(','))
                named << option.trimmed().toLower();
        }
    }
    QByteArray out;
    bool dropping = false;
    for (const QByteArray &line : lines) {
        // A folded line continues the header before it.
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (!dropping)
                out += line + "\r\n";
            continue;
        }
        const QByteArray name = line.first(std::max<qsizetype>(0, line.indexOf(':')));
        dropping = isHopByHop(name, named);
        if (dropping)
            continue;
        if (hasHost && name.trimmed().toLower() == "host")
            *hasHost = true;
        out += line + "\r\n";
    }
    return out + "Connection: close\r\n";
}

class GuardConnection : public QObject
{
public:
    GuardConnection(QTcpSocket *client, std::shared_ptr<const GuardProxy::Shared> shared, QObject *parent)
        : QObject(parent)
        , m_shared(std::move(shared))
        , m_client(client)
    {
        m_client->setParent(this);
        m_client->setReadBufferSize(kChunk);
        connect(m_client, &QTcpSocket::readyRead, this, &GuardConnection::clientReadable);
        connect(m_client, &QTcpSocket::bytesWritten, this, [this] { pump(m_upstream, m_client); });
        connect(m_client, &QTcpSocket::disconnected, this, [this] { sideClosed(m_client); });
        connect(m_client, &QTcpSocket::errorOccurred, this, [this] { sideClosed(m_client); });
        m_headTimer.setSingleShot(true);
        connect(&m_headTimer, &QTimer::timeout, this, [this] { answer(408, "Request Timeout"); });
        m_headTimer.start(kHeadTimeoutMs);
        clientReadable();
    }

private:
    enum class Stage { head, resolving, connecting, relaying, done };

    void clientReadable()
    {
        if (m_stage == Stage::relaying) {
            pump(m_client, m_upstream);
            return;
        }
        if (m_stage != Stage::head)
            return;
        m_buffer += m_client->read(kMaxHead + 4 - m_buffer.size());
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_buffer.size() > kMaxHead)
                answer(431, "Request Header Fields Too Large");
            return;
        }
        m_headTimer.stop();
        const QByteArray head = m_buffer.first(end);
        m_buffer.remove(0, end + 4);
        if (!parseRequest(head))
            answer(400, "Bad Request");
        else
            resolve();
    }

    bool parseRequest(const QByteArray &head)
    {
        QList<QByteArray> lines = head.split('\n');
        for (QByteArray &line : lines) {
            if (line.endsWith('\r'))
                line.chop(1);
        }
        const QList<QByteArray> request = lines.takeFirst().split(' ');
        if (request.size() != 3 || !request[2].startsWith("HTTP/1."))
            return false;
        const QByteArray &method = request[0];
        const QByteArray &target = request[1];
        for (const QByteArray &line : std::as_const(lines)) {
            if (!line.startsWith(' ') && !line.startsWith('\t') && line.indexOf(':') <= 0)
                return false;
        }
        if (method == "CONNECT") {
            const auto parsed = parseAuthority(target, true, 0);
            if (!parsed)
                return false;
            m_target = *parsed;
            m_tunnel = true;
            return true;
        }
        // Only a proxy's form of request: an absolute http address. Anything in https goes
        // through CONNECT.
        if (!target.toLower().startsWith("http://"))
            return false;
        const QByteArray rest = target.sliced(7);
        qsizetype split = rest.size();
        for (const char stop : {'/', '?', '#'}) {
            if (const qsizetype at = rest.indexOf(stop); at >= 0)
                split = std::min(split, at);
        }
        const QByteArray authority = rest.first(split);
        const auto parsed = parseAuthority(authority, false, 80);
        if (!parsed)
            return false;
        m_target = *parsed;
        QByteArray path = rest.sliced(split);
        if (const qsizetype fragment = path.indexOf('#'); fragment >= 0)
            path.truncate(fragment);
        if (!path.startsWith('/'))
            path.prepend('/');
        bool hasHost = false;
        const QByteArray headers = endToEndHeaders(lines, &hasHost);
        m_requestLine = {method, path, request[2]};
        m_forwardHeaders = (hasHost ? QByteArray() : "Host: " + authority + "\r\n") + headers;
        return true;
    }

    void resolve()
    {
        m_stage = Stage::resolving;
        if (!m_shared->rule.host(m_target.host)) {
            refuse();
            return;
        }
        // A name reserved never to resolve is not asked about.
        if (resolvesNowhere(m_target.host)) {
            answer(502, GuardProxy::kUnresolvedReason.latin1());
            return;
        }
        if (const QHostAddress literal(m_target.host); !literal.isNull()) {
            check({literal});
            return;
        }
        QHostInfo::lookupHost(m_target.host, this, [this](const QHostInfo &info) {
            if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
                qCInfo(lcEngine) << "guard: no address for" << m_target.host;
                answer(502, GuardProxy::kUnresolvedReason.latin1());
                return;
            }
            check(info.addresses());
        });
    }

    void check(const QList<QHostAddress> &addresses)
    {
        for (const QHostAddress &address : addresses) {
            if (!m_shared->rule.address(address, m_target.port)) {
                refuse();
                return;
            }
        }
        m_addresses = addresses;
        connectNext();
    }

    void refuse()
    {
        qCInfo(lcEngine) << "guard: refused" << m_target.host << m_target.port << "(local network)";
        answer(403, GuardProxy::kRefusedReason.latin1());
    }

    // The addresses checked are the ones connected to, in the resolver's order.
    void connectNext()
    {
        m_stage = Stage::connecting;
        if (m_addresses.isEmpty()) {
            answer(502, GuardProxy::kUnreachableReason.latin1());
            return;
        }
        if (m_upstream)
            m_upstream->deleteLater();
        m_upstream = new QTcpSocket(this);
        QNetworkProxy proxy;
        {
            QMutexLocker locker(&m_shared->lock);
            proxy = m_shared->upstream;
        }
        if (proxy.type() == QNetworkProxy::DefaultProxy)
            proxy = QNetworkProxy::applicationProxy();
        m_upstream->setReadBufferSize(kChunk);
        QTcpSocket *socket = m_upstream;
        connect(socket, &QTcpSocket::connected, this, &GuardConnection::connected);
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
            if (socket != m_upstream)
                return;
            if (m_stage == Stage::connecting)
                connectNext();
            else
                sideClosed(socket);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (socket == m_upstream && m_stage == Stage::relaying)
                sideClosed(socket);
        });
        const QHostAddress address = m_addresses.takeFirst();
        // A plain request is handed to an HTTP proxy as a request for the checked address,
        // as any client would hand it: many proxies tunnel only to port 443.
        if (!m_tunnel && proxy.type() == QNetworkProxy::HttpProxy) {
            const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address.toString() + u']' : address.toString();
            m_requestLine[1] = "http://" + host.toLatin1() + ':' + QByteArray::number(m_target.port) + m_requestLine[1];
            if (!proxy.user().isEmpty()) {
                m_forwardHeaders += "Proxy-Authorization: Basic " + (proxy.user() + u':' + proxy.password()).toUtf8().toBase64() + "\r\n";
            }
            m_addresses.clear();
            socket->setProxy(QNetworkProxy::NoProxy);
            socket->connectToHost(proxy.hostName(), proxy.port());
            return;
        }
        socket->setProxy(proxy);
        socket->connectToHost(address, m_target.port);
    }

    void connected()
    {
        m_stage = Stage::relaying;
        connect(m_upstream, &QTcpSocket::readyRead, this, [this] { pump(m_upstream, m_client); });
        connect(m_upstream, &QTcpSocket::bytesWritten, this, [this] { pump(m_client, m_upstream); });
        if (m_tunnel) {
            m_client->write("HTTP/1.1 200 Connection established\r\n\r\n");
            m_responseStarted = true;
        } else {
            m_upstream->write(m_requestLine.join(' ') + "\r\n" + m_forwardHeaders + "\r\n");
        }
        m_upstream->write(std::exchange(m_buffer, {}));
        pump(m_client, m_upstream);
    }

    // Moves what `from` holds to `to` while `to` keeps up.
    void pump(QTcpSocket *from, QTcpSocket *to)
    {
        if (m_stage != Stage::relaying || !from || !to)
            return;
        while (to->bytesToWrite() < kHighWater && from->bytesAvailable() > 0) {
            const QByteArray chunk = from->read(kChunk);
            if (from == m_upstream && !m_responseStarted)
                responseBytes(chunk);
            else
                to->write(chunk);
        }
        finishIfDrained(from, to);
    }

    // The origin's answer gets "Connection: close" too, so that the engine does not send
    // a second request on a connection that ends with this answer.
    void responseBytes(const QByteArray &chunk)
    {
        m_responseHead += chunk;
        while (!m_responseStarted) {
            const qsizetype end = m_responseHead.indexOf("\r\n\r\n");
            if (end < 0) {
                if (m_responseHead.size() > kMaxHead) {
                    m_client->write(std::exchange(m_responseHead, {}));
                    m_responseStarted = true;
                }
                return;
            }
            QList<QByteArray> lines = m_responseHead.first(end).split('\n');
            for (QByteArray &line : lines) {
                if (line.endsWith('\r'))
                    line.chop(1);
            }
            const QByteArray status = lines.takeFirst();
            m_responseHead.remove(0, end + 4);
            m_client->write(status + "\r\n" + endToEndHeaders(lines) + "\r\n");
            // An interim answer (100 Continue) is followed by the real one.
            const QList<QByteArray> words = status.split(' ');
            const bool interim = words.size() > 1 && words[1].startsWith('1') && words[1] != "101";
            if (!interim) {
                m_responseStarted = true;
                m_client->write(std::exchange(m_responseHead, {}));
            }
        }
    }

    void sideClosed(QTcpSocket *side)
    {
        if (m_stage == Stage::done)
            return;
        if (m_stage != Stage::relaying) {
            // The engine went away before anything was forwarded.
            if (side == m_client)
                close();
            return;
        }
        QTcpSocket *other = side == m_client ? m_upstream : m_client;
        pump(side, other);
        finishIfDrained(side, other);
    }

    // Once one side has ended and all it sent has been passed on, the other is ended too.
    void finishIfDrained(QTcpSocket *from, QTcpSocket *to)
    {
        if (from->state() == QAbstractSocket::ConnectedState || from->bytesAvailable() > 0)
            return;
        if (from == m_upstream && !m_responseStarted && !m_responseHead.isEmpty())
            m_client->write(std::exchange(m_responseHead, {}));
        m_stage = Stage::done;
        to->disconnectFromHost();
        from->abort();
        goWhenClosed(to);
    }

    // Gone once the socket has passed on what it holds and closed, however slowly its peer
    // reads (a download with a rate limit), or has failed.
    void goWhenClosed(QTcpSocket *socket)
    {
        if (socket->state() == QAbstractSocket::UnconnectedState) {
            deleteLater();
            return;
        }
        connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
        connect(socket, &QTcpSocket::errorOccurred, this, &QObject::deleteLater);
    }

    void answer(int code, const char *reason)
    {
        if (m_stage == Stage::done)
            return;
        const QByteArray body = QByteArray(reason) + '\n';
        m_client->write("HTTP/1.1 " + QByteArray::number(code) + ' ' + reason
                        + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " + QByteArray::number(body.size())
                        + "\r\nConnection: close\r\n\r\n" + body);
        close();
    }

    void close()
    {
        m_stage = Stage::done;
        m_headTimer.stop();
        if (m_upstream)
            m_upstream->abort();
        m_client->disconnectFromHost();
        goWhenClosed(m_client);
    }

    std::shared_ptr<const GuardProxy::Shared> m_shared;
    QTcpSocket *m_client;
    QTcpSocket *m_upstream = nullptr;
    QTimer m_headTimer;
    Stage m_stage = Stage::head;
    QByteArray m_buffer;
    Target m_target;
    bool m_tunnel = false;
    // The plain request as it goes out: method, target and version, then its header lines.
    QList<QByteArray> m_requestLine;
    QByteArray m_forwardHeaders;
    QList<QHostAddress> m_addresses;
    bool m_responseStarted = false;
    QByteArray m_responseHead;
};

// Lives on the guard's thread; the connections it accepts are its children.
class GuardServer : public QTcpServer
{
public:
    explicit GuardServer(std::shared_ptr<const GuardProxy::Shared> shared)
        : m_shared(std::move(shared))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *client = nextPendingConnection())
                new GuardConnection(client, m_shared, this);
        });
    }

private:
    std::shared_ptr<const GuardProxy::Shared> m_shared;
};

// A socket listening on 127.0.0.1 at a port the system picks; -1 when there is none.
int listeningSocket(quint16 *port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, SOMAXCONN) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

} // namespace

GuardProxy::GuardProxy(GuardRule rule, QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->rule = std::move(rule);
}

GuardProxy::~GuardProxy()
{
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
    }
}

bool GuardProxy::start()
{
    if (m_started)
        return m_port != 0;
    m_started = true;
    quint16 port = 0;
    const int fd = listeningSocket(&port);
    if (fd < 0) {
        qCWarning(lcEngine) << "guard: could not listen on 127.0.0.1";
        return false;
    }
    m_port = port;
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("guard proxy"));
    auto *server = new GuardServer(m_shared);
    server->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, server, &QObject::deleteLater);
    QMetaObject::invokeMethod(
        server,
        [server, fd] {
            if (!server->setSocketDescriptor(fd)) {
                qCWarning(lcEngine) << "guard: could not take the listening socket:" << server->errorString();
                ::close(fd);
            }
        },
        Qt::QueuedConnection);
    m_thread->start();
    qCInfo(lcEngine) << "guard proxy listening on 127.0.0.1 port" << m_port;
    return true;
}

std::optional<QString> GuardProxy::route(const QString &userProxy)
{
    const std::optional<QNetworkProxy> upstream = networkProxyFor(userProxy);
    if (!upstream || !start())
        return std::nullopt;
    setUpstream(*upstream);
    return address();
}

QString GuardProxy::address() const
{
    return m_port == 0 ? QString() : QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void GuardProxy::setUpstream(const QNetworkProxy &proxy)
{
    QMutexLocker locker(&m_shared->lock);
    m_shared->upstream = proxy;
}

QNetworkProxy GuardProxy::upstream() const
{
    QMutexLocker locker(&m_shared->lock);
    return m_shared->upstream;
}

QProcessEnvironment GuardProxy::guardedEnvironment(QProcessEnvironment environment)
{
    const QStringList keys = environment.keys();
    for (const QString &key : keys) {
        if (key.endsWith(QLatin1StringView("_proxy"), Qt::CaseInsensitive))
            environment.remove(key);
    }
    return environment;
}
