#pragma once

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

// Asks a latest-release address where it leads, without fetching what it leads to: one
// HEAD request whose redirect is read, not followed. Runs on the event loop of the
// thread that owns it; the answer, or the reason there is none, arrives as a signal.
class ReleaseCheck : public QObject
{
    Q_OBJECT

public:
    // A host that has not answered by then is not going to.
    static constexpr int kTimeoutMs = 15'000;

    explicit ReleaseCheck(QObject *parent = nullptr);
    ~ReleaseCheck() override;

    // Starts over when a check is still running.
    void start(const QUrl &latest);
    void abort();
    bool isRunning() const { return m_reply; }

signals:
    // The release's own address of the asset, or `latest` itself when the host serves it
    // without a redirect.
    void resolved(const QUrl &asset);
    void failed(const QString &reason);

private:
    void onFinished();

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
};
