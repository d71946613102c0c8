#include "releasecheck.h"

#include "i18n/i18n.h"

#include <QNetworkReply>
#include <QTimer>

namespace {

// The child's own transfer timeout ends it first; this is for a child that hangs anyway.
constexpr int kChildTimeoutMs = ReleaseCheck::kTimeoutMs + 5'000;

} // namespace

ReleaseCheck::ReleaseCheck(QObject *parent)
    : QObject(parent)
{
}

ReleaseCheck::~ReleaseCheck()
{
    abort();
}

void ReleaseCheck::start(const QUrl &latest)
{
    abort();
    if (!m_program.isEmpty()) {
        startChild(latest);
        return;
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(latest);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(kTimeoutMs);
    m_reply = m_network->head(request);
    connect(m_reply, &QNetworkReply::finished, this, &ReleaseCheck::onFinished);
}

void ReleaseCheck::abort()
{
    if (QProcess *child = m_child) {
        m_child = nullptr;
        child->disconnect(this);
        child->kill();
        // Reaped once it has gone; deleting it now would wait for that here.
        connect(child, &QProcess::finished, child, &QObject::deleteLater);
    }
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void ReleaseCheck::fail(const Phrase &reason)
{
    m_failure = reason;
    emit failed(reason.worded());
}

void ReleaseCheck::onFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    const QUrl asked = reply->request().url();
    if (!status.isValid()) {
        fail(networkFailure(reply->error(), asked.host(), reply->errorString()));
    } else if (status.toInt() / 100 == 3 && target.isValid()) {
        emit resolved(asked.resolved(target));
    } else if (status.toInt() == 200) {
        emit resolved(asked);
    } else {
        fail(Phrase::text(QT_TRID_NOOP("HTTP %ld ao baixar %@"), {Phrase::number(status.toInt()), Phrase::verbatim(asked.fileName())}));
    }
}

void ReleaseCheck::startChild(const QUrl &latest)
{
    auto *child = new QProcess(this);
    m_child = child;
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(child, &QProcess::finished, this, &ReleaseCheck::onChildFinished);
    connect(child, &QProcess::errorOccurred, this, [this, child](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || child != m_child)
            return;
        m_child = nullptr;
        child->deleteLater();
        fail(Phrase::verbatim(child->errorString()));
    });
    QTimer::singleShot(kChildTimeoutMs, child, [child] { child->kill(); });
    child->start(m_program, {QStringLiteral("--check-release"), latest.toString(QUrl::FullyEncoded)});
}

void ReleaseCheck::onChildFinished(int exitCode, QProcess::ExitStatus status)
{
    QProcess *child = m_child;
    m_child = nullptr;
    child->deleteLater();

    const QString answer = QString::fromUtf8(child->readAllStandardOutput()).trimmed();
    const QUrl asset(answer, QUrl::StrictMode);
    if (status == QProcess::NormalExit && exitCode == 0 && asset.isValid() && !asset.isRelative())
        emit resolved(asset);
    else if (status == QProcess::NormalExit && exitCode != 0 && !answer.isEmpty())
        fail(Phrase::verbatim(answer));
    else if (status == QProcess::CrashExit)
        fail(Phrase::verbatim(QStringLiteral("the release check crashed: ") + child->errorString()));
    else
        fail(Phrase::verbatim(QStringLiteral("the release check gave no address: ") + answer));
}

Phrase networkFailure(QNetworkReply::NetworkError error, const QString &host, const QString &otherwise)
{
    switch (error) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        // Offline, the first thing to fail is the name of the host.
        return Phrase::text(QT_TRID_NOOP("Sem conexão com a internet: o site de versões (%@) não pôde ser alcançado."),
                            {Phrase::verbatim(host)});
    case QNetworkReply::ConnectionRefusedError:
        return Phrase::text(QT_TRID_NOOP("O site de versões (%@) recusou a conexão."), {Phrase::verbatim(host)});
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return Phrase::text(QT_TRID_NOOP("O site de versões (%@) não respondeu a tempo."), {Phrase::verbatim(host)});
    case QNetworkReply::SslHandshakeFailedError:
        return Phrase::text(QT_TRID_NOOP("A conexão segura com %@ falhou."), {Phrase::verbatim(host)});
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyConnectionClosedError:
        return Phrase::text(QT_TRID_NOOP("O proxy definido em Ajustes não respondeu."));
    default:
        return Phrase::verbatim(otherwise);
    }
}
