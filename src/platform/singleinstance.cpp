#include "singleinstance.h"

#include "platform/logging.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView kMagic = "VIRELOOM1";
constexpr QByteArrayView kAck = "OK\n";
constexpr int kHeaderBytes = 9 + 4;
constexpr int kConnectTimeoutMs = 1000;
constexpr int kStartupWaitMs = 5000;

// Whoever can write into the socket's folder can put a socket of their own in its place
// and read the links later launches hand over, so the folder must be a real folder (not
// a link), this user's, and closed to everyone else; its parent must not let anyone else
// swap it (a shared parent such as /tmp needs the sticky bit).
bool isPrivateFolder(const QByteArray &path)
{
    struct stat folder
    {
    };
    if (::lstat(path.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode) || folder.st_uid != ::geteuid()
        || (folder.st_mode & 07777) != 0700)
        return false;
    struct stat parent
    {
    };
    const QByteArray parentPath = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    if (::stat(parentPath.constData(), &parent) != 0)
        return false;
    const bool othersMayRename = (parent.st_mode & (S_IWGRP | S_IWOTH)) && !(parent.st_mode & S_ISVTX);
    return (parent.st_uid == ::geteuid() || parent.st_uid == 0) && !othersMayRename;
}

// Makes `folder` private to this user, or finds it so. A folder that is there already is
// taken as it is or not at all: changing its mode would not undo what was put inside it.
bool makePrivateFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) == 0)
        ::chmod(path.constData(), 0700); // the umask may have taken bits off
    return isPrivateFolder(path);
}

// A lock file is trusted only when it is a plain file of this user's; anything else in
// its place (a link to someone's lock, a file of another user's) is removed, which the
// private folder allows, and a fresh lock is taken.
bool clearForeignLock(const QString &lockPath)
{
    const QByteArray path = QFile::encodeName(lockPath);
    struct stat lock
    {
    };
    if (::lstat(path.constData(), &lock) != 0)
        return errno == ENOENT;
    if (S_ISREG(lock.st_mode) && lock.st_uid == ::geteuid())
        return true;
    qCWarning(lcInstance) << "removing" << lockPath << ": it is not a lock file of this user's";
    return ::unlink(path.constData()) == 0;
}

// Waits until `fd` is ready for `events`, for at most the time left to `deadline`.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    while (true) {
        const int result = ::poll(&entry, 1, int(std::max<qint64>(deadline.remainingTime(), 0)));
        if (result > 0)
            return (entry.revents & events) != 0;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

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
    QStringList candidates;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // Each Flatpak launch has a runtime folder of its own; only this one is shared by all of them.
    const QString flatpakId = qEnvironmentVariable("FLATPAK_ID");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        const QString shared = flatpakId.isEmpty() ? runtime : runtime + QStringLiteral("/app/") + flatpakId;
        QDir().mkpath(shared);
        candidates << shared + QStringLiteral("/vireloom");
    }
    candidates << QDir::tempPath() + QStringLiteral("/vireloom-%1").arg(::geteuid());
    // The temporary folder is everyone's: someone may have made our folder's name first.
    // The user's cache folder is out of their reach.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty()) {
        QDir().mkpath(cache);
        candidates << cache + QStringLiteral("/vireloom-instance");
    }
    for (const QString &folder : std::as_const(candidates)) {
        if (makePrivateFolder(folder))
            return folder + QStringLiteral("/instance.sock");
        qCWarning(lcInstance) << "not using" << folder << "for the instance socket: it is not a folder of this user's alone";
    }
    return {};
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
    const Role role = lockWithoutListening(arguments);
    if (role != Role::Primary)
        return role;
    // Whatever socket file is there was left by an instance that is gone.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server.listen(m_socketPath)) {
        qCWarning(lcInstance) << "cannot listen on" << m_socketPath << m_server.errorString();
        return Role::Failed;
    }
    return Role::Primary;
}

SingleInstance::Role SingleInstance::lockWithoutListening(const QStringList &arguments)
{
    if (m_socketPath.isEmpty()) {
        qCWarning(lcInstance) << "no private folder for the instance socket";
        return Role::Failed;
    }
    if (!isPrivateFolder(QFile::encodeName(QFileInfo(m_socketPath).absolutePath()))) {
        qCWarning(lcInstance) << "the folder of" << m_socketPath << "is open to other users; not using it";
        return Role::Failed;
    }
    const QString lockPath = m_socketPath + QStringLiteral(".lock");
    if (!clearForeignLock(lockPath)) {
        qCWarning(lcInstance) << "cannot remove" << lockPath;
        return Role::Failed;
    }
    m_lock = std::make_unique<QLockFile>(lockPath);
    m_lock->setStaleLockTime(0); // a lock is stale only when its process is gone

    QElapsedTimer waited;
    waited.start();
    while (true) {
        if (m_lock->tryLock(0))
            return Role::Primary;
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

bool SingleInstance::handOver(const QString &socketPath, const QStringList &arguments)
{
    return handOver(socketPath, arguments, kStartupWaitMs) == HandOver::taken;
}

namespace {

// A socket connected to the primary at `socketPath`, -1 when nobody listens there or the
// folder is not this user's alone.
int connectToPrimary(const QString &socketPath)
{
    if (socketPath.isEmpty() || !isPrivateFolder(QFile::encodeName(QFileInfo(socketPath).absolutePath())))
        return -1;
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (size_t(path.size()) >= sizeof address.sun_path)
        return -1;
    address.sun_family = AF_UNIX;
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    // A local connect either succeeds or fails at once; nobody listening is the usual answer
    // for a first launch.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

SingleInstance::HandOver SingleInstance::handOver(const QString &socketPath, const QStringList &arguments, int answerWaitMs)
{
    const int fd = connectToPrimary(socketPath);
    if (fd < 0)
        return HandOver::nobody;
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    const QDeadlineTimer deadline(answerWaitMs);

    const QByteArray message = encode(arguments);
    qsizetype sent = 0;
    while (sent < message.size()) {
        if (!waitFor(fd, POLLOUT, deadline))
            return HandOver::noAnswer;
        const ssize_t written = ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return HandOver::noAnswer;
        sent += std::max<ssize_t>(written, 0);
    }
    QByteArray answer;
    while (answer.size() < kAck.size()) {
        if (!waitFor(fd, POLLIN, deadline))
            return HandOver::noAnswer;
        char buffer[8];
        const ssize_t got = ::recv(fd, buffer, size_t(kAck.size() - answer.size()), 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
            return HandOver::noAnswer;
        answer.append(buffer, std::max<ssize_t>(got, 0));
    }
    return answer == kAck ? HandOver::taken : HandOver::noAnswer;
}

bool SingleInstance::isListening(const QString &socketPath)
{
    const int fd = connectToPrimary(socketPath);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
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
