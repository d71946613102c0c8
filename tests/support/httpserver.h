#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTcpServer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for tests: fixed answers per path, byte ranges,
// redirects, throttled or cut-short bodies. It runs on the event loop of the thread that
// created it, so the test must keep that loop turning while a client talks to it.
class HttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        QString bodyFile; // served instead of `body` when set
        QByteArray contentType = "application/octet-stream";
        QList<QPair<QByteArray, QByteArray>> headers;
        // Bytes per second; 0 sends at once.
        int throttle = 0;
        // Announce the full length, then close after this many body bytes (-1: never).
        qint64 cutAfter = -1;
        // Announce the full length, send this many body bytes, then send nothing more
        // while keeping the connection open, like a server that hangs (-1: never).
        qint64 stallAfter = -1;
        // Served only to a request that sends this cookie ("name=value"), as a site that
        // needs a login; others get 401 and "login required".
        QByteArray requiredCookie;
    };

    explicit HttpServer(QObject *parent = nullptr);

    bool listen();
    QUrl url(const QString &path = QString()) const;

    void route(const QString &path, const Response &response);
    // A fixed body of `type`, answered at once with `status`.
    void route(const QString &path, const QByteArray &body, const QByteArray &type, int status = 200)
    {
        route(path, Response{status, body, {}, type});
    }
    void routeFile(const QString &path, const QString &file, const QByteArray &contentType);
    void redirect(const QString &from, const QString &to, int status = 302);

    int requestCount(const QString &path) const { return m_requests.value(path); }
    QStringList requestedPaths() const { return m_order; }
    // The first byte each ranged request for `path` asked for, in order.
    QList<qint64> rangeStarts(const QString &path) const { return m_rangeStarts.value(path); }
    // The Cookie header of each request for `path`, in order (empty for none).
    QList<QByteArray> cookiesSent(const QString &path) const { return m_cookies.value(path); }

private:
    void onConnection();
    void serve(class QTcpSocket *socket, const QByteArray &head);

    QTcpServer m_server;
    QHash<QString, Response> m_routes;
    QHash<QString, int> m_requests;
    QStringList m_order;
    QHash<QString, QList<qint64>> m_rangeStarts;
    QHash<QString, QList<QByteArray>> m_cookies;
};
