#include "singleinstance.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <unistd.h>

#include <cstring>
#include <memory>

Q_LOGGING_CATEGORY(lcInstance, "vireloom.instance")

namespace {

constexpr QByteArrayView kMagic = "VIRELOOM1";
constexpr QByteArrayView kAck = "OK\n";
constexpr int kHeaderBytes = 9 + 4;
constexpr int kConnectTimeoutMs = 1000;
constexpr int kStartupWaitMs = 5000;

} // namespace

SingleInstance::SingleInstance(const QString &socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
}

QString SingleInstance::defaultSocketPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // Each Flatpak launch has a runtime folder of its own; only this one is shared by all of them.
    const QString flatpakId = qEnvironmentVariable("FLATPAK_ID");
    if (!flatpakId.isEmpty() && !folder.isEmpty())
        folder += QStringLiteral("/app/") + flatpakId;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath() + QStringLiteral("/vireloom-%1").arg(::getuid());
    else
        folder += QStringLiteral("/vireloom");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder + QStringLiteral("/instance.sock");
}

QByteArray SingleInstance::encode(const QStringList &arguments)
{
    const QByteArray payload = QJsonDocument(QJsonArray::fromStringList(arguments)).toJson(QJsonDocument::Compact);
    QByteArray message(kMagic.data(), kMagic.size());
    const quint32 size = qToBigEndian(quint32(payload.size()));
    message.append(reinterpret_cast<const char *>(&size), sizeof size);
    message.append(payload);
    return message;
}

SingleInstance::Role SingleInstance::claim(const QStringList &arguments)
{
    m_lock = std::make_unique<QLockFile>(m_socketPath + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // a lock is stale only when its process is gone

    QElapsedTimer waited;
    waited.start();
    while (true) {
        if (m_lock->tryLock(0)) {
            // Whatever socket file is there was left by an instance that is gone.
            QLocalServer::removeServer(m_socketPath);
            if (!m_server.listen(m_socketPath)) {
                qCWarning(lcInstance) << "cannot listen on" << m_socketPath << m_server.errorString();
                return Role::Failed;
            }
            return Role::Primary;
        }
        if (forward(arguments))
            return Role::Forwarded;
        // The primary may hold the lock but not listen yet, or be just dying.
        if (waited.elapsed() > kStartupWaitMs) {
            qCWarning(lcInstance) << "another instance holds" << m_lock->fileName() << "but does not answer";
            return Role::Failed;
        }
        QThread::msleep(50);
    }
}

bool SingleInstance::forward(const QStringList &arguments)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(encode(arguments));
    if (!socket.waitForBytesWritten(kConnectTimeoutMs))
        return false;
    while (socket.bytesAvailable() < kAck.size()) {
        if (!socket.waitForReadyRead(kStartupWaitMs))
            return false;
    }
    return socket.read(kAck.size()) == kAck;
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A launch that connects and then says nothing is not waited for.
        QTimer::singleShot(kStartupWaitMs, socket, [socket] { socket->abort(); });
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->size() < kHeaderBytes)
                return;
            quint32 announced = 0;
            memcpy(&announced, buffer->constData() + kMagic.size(), sizeof announced);
            announced = qFromBigEndian(announced);
            if (!buffer->startsWith(kMagic) || announced > kMaxMessageBytes) {
                qCWarning(lcInstance) << "refused a message from another launch: bad header or" << announced << "bytes";
                buffer->clear();
                socket->abort();
                return;
            }
            if (buffer->size() < kHeaderBytes + qsizetype(announced))
                return;
            const QJsonDocument document = QJsonDocument::fromJson(buffer->mid(kHeaderBytes, announced));
            buffer->clear();
            QStringList arguments;
            bool valid = document.isArray();
            for (const QJsonValue &value : document.array()) {
                valid = valid && value.isString();
                arguments << value.toString();
            }
            if (!valid) {
                qCWarning(lcInstance) << "refused a malformed message from another launch";
                socket->abort();
                return;
            }
            socket->write(kAck.data(), kAck.size());
            socket->flush();
            socket->disconnectFromServer();
            emit argumentsReceived(arguments);
        });
    }
}
