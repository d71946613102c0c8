#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

// Keeps Vireloom to one process per user. The first launch holds a lock file and listens
// on a local socket; a later launch hands its arguments to it and exits. The lock, not the
// socket, decides who is first, so two launches at the same moment still end with one
// instance, and a lock left by a crashed process is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role { Primary, Forwarded, Failed };

    // Messages larger than this are refused unread.
    static constexpr qint64 kMaxMessageBytes = 1 << 20;

    explicit SingleInstance(const QString &socketPath = defaultSocketPath(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // Under $XDG_RUNTIME_DIR, else in a folder of the user's own in the temporary folder,
    // else in the user's cache folder: the first of them that is a folder no other user can
    // enter or replace. Empty when none is.
    static QString defaultSocketPath();

    // Becomes the primary instance, or hands `arguments` to the one that is. A later
    // launch waits a few seconds at most for a primary that is still starting. Fails when
    // the socket's folder is open to other users.
    Role claim(const QStringList &arguments);

    // For a launch that only stores what it was given: takes the lock without listening,
    // so that no instance starts, and none saves, while it writes; hands `arguments` over
    // instead to a primary that answers within the wait. Failed when the lock stays held
    // by an instance that will not take them (too large a message, no answer).
    Role lockWithoutListening(const QStringList &arguments);

    QString socketPath() const { return m_socketPath; }

    // Hands `arguments` to a primary instance already listening at `socketPath`, with
    // nothing but the socket itself: a later launch can do this before it sets up a
    // display connection, which costs more than the hand-over. False when nobody
    // answers, or when the socket's folder is not this user's alone; claim() then
    // decides as usual.
    static bool handOver(const QString &socketPath, const QStringList &arguments);
    // The same, telling apart nobody listening (a new instance may be started) from an
    // instance that was given the arguments but did not say it took them within
    // `answerWaitMs` (it may still take them: they must not be sent twice).
    enum class HandOver { taken, nobody, noAnswer };
    static HandOver handOver(const QString &socketPath, const QStringList &arguments, int answerWaitMs);
    // Whether a primary instance listens at `socketPath`.
    static bool isListening(const QString &socketPath);

    // The wire format, for the sending side and for tests.
    static QByteArray encode(const QStringList &arguments);

signals:
    // A later launch's arguments, as it was given them.
    void argumentsReceived(const QStringList &arguments);

private:
    bool forward(const QStringList &arguments);
    void onConnection();

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
