#pragma once

#include "installer/phrase.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QUrl>

// Asks a latest-release address where it leads, without fetching what it leads to: one
// HEAD request whose redirect is read, not followed. Runs on the event loop of the
// thread that owns it; the answer, or the reason there is none, arrives as a signal.
//
// Given a program, the request is made by a short-lived child instead,
// `program --check-release URL`, which answers on one line. A long-running process
// that looks once a day then never loads the TLS library for it.
class ReleaseCheck : public QObject
{
    Q_OBJECT

public:
    // A host that has not answered by then is not going to.
    static constexpr int kTimeoutMs = 15'000;

    explicit ReleaseCheck(QObject *parent = nullptr);
    ~ReleaseCheck() override;

    void setProgram(const QString &program) { m_program = program; }

    // Starts over when a check is still running.
    void start(const QUrl &latest);
    void abort();
    bool isRunning() const { return m_reply || m_child; }
    // Why the last check failed, for a reader in another language than failed() was worded in.
    Phrase failure() const { return m_failure; }

signals:
    // The release's own address of the asset, or `latest` itself when the host serves it
    // without a redirect.
    void resolved(const QUrl &asset);
    void failed(const QString &reason);

private:
    void fail(const Phrase &reason);
    void onFinished();
    void startChild(const QUrl &latest);
    void onChildFinished(int exitCode, QProcess::ExitStatus status);

    QString m_program;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QPointer<QProcess> m_child;
    Phrase m_failure;
};

// A request that got no answer, in words that say what failed: no network, a refusal, no
// answer in time, a failed secure connection or proxy; anything else as `otherwise`.
Phrase networkFailure(QNetworkReply::NetworkError error, const QString &host, const QString &otherwise);
