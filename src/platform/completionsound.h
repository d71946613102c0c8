#pragma once

#include <QObject>

class QThread;

// Plays the sound theme's "complete" event. The sound server is reached from a thread of
// its own, since connecting to it can take a moment; where there is no library, theme or
// server, nothing happens.
class CompletionSound : public QObject
{
    Q_OBJECT

public:
    explicit CompletionSound(QObject *parent = nullptr);
    ~CompletionSound() override;

    void play();

signals:
    void playRequested();

private:
    QThread *m_thread;
};
