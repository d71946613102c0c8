#pragma once

#include "intake/browsermessage.h"

#include <QByteArray>
#include <QString>

// One session of the browser companion's native messaging host. The browser starts the
// host for its messages, writes each on the host's standard input and reads the answer
// from its standard output; the host reads every message (BrowserMessage), hands a link
// to the running Vireloom through the single-instance socket, starting Vireloom in the
// tray when none runs, and answers whether the link was taken. A message it refuses
// changes nothing.
class BrowserHost
{
public:
    struct Setup
    {
        // The single-instance socket of this user's Vireloom.
        QString socketPath;
        // The program started when no Vireloom runs; empty when none was found.
        QString application;
        QString version;
        // How long a Vireloom that was started, or one that is busy, may take to answer.
        int answerWaitMs = 30000;
    };

    explicit BrowserHost(Setup setup);

    // Answers each message of `input` on `output` until the input ends, or stops making
    // sense (a message too long to read, a length with no message after it). The exit
    // status: 0, or 1 when an answer could not be written.
    int serve(int input, int output);
    // The answer to one message's text.
    QByteArray answer(QByteArrayView json);

private:
    QByteArray download(const BrowserMessage::Download &download);
    // Starts Vireloom in the tray; its process id, or 0 when it did not start.
    qint64 startApplication() const;

    Setup m_setup;
};
