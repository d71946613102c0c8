#include "httpserver.h"

#include <QFile>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// Sends `body` a slice at a time so a client sees a slow transfer it can interrupt.
void sendThrottled(QTcpSocket *socket, QByteArray body, int bytesPerSecond, qint64 cutAfter)
{
    const int slice = std::max(1, bytesPerSecond / 10);
    auto *timer = new QTimer(socket);
    auto offset = std::make_shared<qint64>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, body, slice, offset, cutAfter] {
        const qint64 limit = cutAfter >= 0 ? std::min<qint64>(cutAfter, body.size()) : body.size();
        if (socket->state() != QAbstractSocket::ConnectedState) {
            timer->stop();
            return;
        }
        const qint64 n = std::min<qint64>(slice, limit - *offset);
        if (n > 0) {
            socket->write(body.constData() + *offset, n);
            *offset += n;
        }
        if (*offset >= limit) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(100);
}

} // namespace

HttpServer::HttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpServer::onConnection);
}

bool HttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl HttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void HttpServer::route(const QString &path, const Response &response)
{
    m_routes.insert(path, response);
}

void HttpServer::routeFile(const QString &path, const QString &file, const QByteArray &contentType)
{
    Response response;
    response.bodyFile = file;
    response.contentType = contentType;
    route(path, response);
}

void HttpServer::redirect(const QString &from, const QString &to, int status)
{
    Response response;
    response.status = status;
    response.headers.append({"Location", to.toUtf8()});
    route(from, response);
}

void HttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        // One request per connection: every answer closes it.
        auto buffer = std::make_shared<QByteArray>();
        auto answered = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer, answered] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (*answered || end < 0)
                return;
            *answered = true;
            serve(socket, buffer->left(end));
        });
    }
}

void HttpServer::serve(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    const QByteArray method = requestLine.value(0);
    const QString path = QUrl(QString::fromUtf8(requestLine.value(1))).path();
    QByteArray range;
    QByteArray cookies;
    for (const QByteArray &line : lines) {
        if (line.toLower().startsWith("range:"))
            range = line.mid(6).trimmed();
        if (line.toLower().startsWith("cookie:"))
            cookies = line.mid(7).trimmed();
    }
    m_requests[path] += 1;
    m_order.append(path);
    m_cookies[path].append(cookies);

    Response response = m_routes.value(path, Response{404, "not found\n", {}, "text/plain"});
    if (!response.requiredCookie.isEmpty()) {
        const QList<QByteArray> sent = cookies.split(';');
        const bool loggedIn =
            std::any_of(sent.begin(), sent.end(), [&](const QByteArray &c) { return c.trimmed() == response.requiredCookie; });
        if (!loggedIn)
            response = Response{401, "login required\n", {}, "text/plain"};
    }
    QByteArray body = response.body;
    if (!response.bodyFile.isEmpty()) {
        QFile file(response.bodyFile);
        body = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    int status = response.status;
    QList<QPair<QByteArray, QByteArray>> headers = response.headers;
    static const QRegularExpression byteRange(QStringLiteral("^bytes=(\\d+)-(\\d*)$"));
    const auto match = byteRange.match(QString::fromLatin1(range));
    if (status == 200 && match.hasMatch()) {
        const qint64 first = match.captured(1).toLongLong();
        m_rangeStarts[path].append(first);
        const qint64 last = match.captured(2).isEmpty() ? body.size() - 1 : std::min<qint64>(match.captured(2).toLongLong(), body.size() - 1);
        if (first >= body.size() || first > last) {
            status = 416;
            headers.append({"Content-Range", "bytes */" + QByteArray::number(body.size())});
            body.clear();
        } else {
            status = 206;
            headers.append({"Content-Range",
                            "bytes " + QByteArray::number(first) + '-' + QByteArray::number(last) + '/' + QByteArray::number(body.size())});
            body = body.mid(first, last - first + 1);
        }
    }

    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + (status < 400 ? " OK\r\n" : " Error\r\n");
    out += "Content-Type: " + response.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Accept-Ranges: bytes\r\nConnection: close\r\n";
    for (const auto &[name, value] : std::as_const(headers))
        out += name + ": " + value + "\r\n";
    out += "\r\n";
    socket->write(out);

    if (method == "HEAD") {
        socket->disconnectFromHost();
        return;
    }
    if (response.stallAfter >= 0) {
        socket->write(body.left(response.stallAfter));
        return;
    }
    if (response.throttle > 0 || response.cutAfter >= 0) {
        sendThrottled(socket, body, response.throttle > 0 ? response.throttle : 1 << 30, response.cutAfter);
        return;
    }
    socket->write(body);
    socket->disconnectFromHost();
}
