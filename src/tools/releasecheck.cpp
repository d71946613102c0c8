#include "releasecheck.h"

#include "i18n/i18n.h"

#include <QNetworkReply>

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
    QNetworkRequest request(latest);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(kTimeoutMs);
    m_reply = m_network.head(request);
    connect(m_reply, &QNetworkReply::finished, this, &ReleaseCheck::onFinished);
}

void ReleaseCheck::abort()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
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
        emit failed(reply->errorString());
    } else if (status.toInt() / 100 == 3 && target.isValid()) {
        emit resolved(asked.resolved(target));
    } else if (status.toInt() == 200) {
        emit resolved(asked);
    } else {
        emit failed(LF(QStringLiteral("HTTP %ld ao baixar %@"), qint64(status.toInt()), asked.fileName()));
    }
}
