#include "browserhost.h"

#include "host/logging.h"
#include "i18n/i18n.h"
#include "platform/singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kPollMs = 100;
// A started Vireloom that is gone may have handed over to another one just starting
// (two messages at once): that one is given this long to listen.
constexpr int kGoneGraceMs = 3000;

enum class Read { whole, ended };

Read readExactly(int fd, char *into, qsizetype size)
{
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, into + got, size_t(size - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Read::ended;
        got += n;
    }
    return Read::whole;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

QByteArray notStarted(const QString &reason)
{
    return BrowserMessage::refusedAnswer(BrowserMessage::refusal(BrowserMessage::Code::notStarted, reason));
}

} // namespace

BrowserHost::BrowserHost(Setup setup)
    : m_setup(std::move(setup))
{
}

int BrowserHost::serve(int input, int output)
{
    while (true) {
        quint32 length = 0;
        if (readExactly(input, reinterpret_cast<char *>(&length), sizeof length) == Read::ended)
            return 0;
        // The body is not read: what follows it cannot be found any more, so the session ends.
        if (length > BrowserMessage::kMaxBytes) {
            qCInfo(lcHost) << "refused a message of" << length << "bytes";
            const auto refusal = BrowserMessage::refusal(BrowserMessage::Code::tooLarge);
            return writeAll(output, BrowserMessage::framed(BrowserMessage::refusedAnswer(refusal))) ? 0 : 1;
        }
        QByteArray message(qsizetype(length), Qt::Uninitialized);
        if (readExactly(input, message.data(), message.size()) == Read::ended) {
            const auto refusal = BrowserMessage::refusal(BrowserMessage::Code::notJson);
            writeAll(output, BrowserMessage::framed(BrowserMessage::refusedAnswer(refusal)));
            return 0;
        }
        if (!writeAll(output, BrowserMessage::framed(answer(message))))
            return 1;
    }
}

QByteArray BrowserHost::answer(QByteArrayView json)
{
    const auto read = BrowserMessage::read(json);
    if (const auto *refusal = std::get_if<BrowserMessage::Refusal>(&read)) {
        qCInfo(lcHost).noquote() << "refused a message:" << BrowserMessage::codeName(refusal->code);
        return BrowserMessage::refusedAnswer(*refusal);
    }
    const auto &request = std::get<BrowserMessage::Request>(read);
    if (const auto *download = std::get_if<BrowserMessage::Download>(&request))
        return this->download(*download);
    return BrowserMessage::helloAnswer(m_setup.version, SingleInstance::isListening(m_setup.socketPath));
}

QByteArray BrowserHost::download(const BrowserMessage::Download &download)
{
    const QStringList arguments{BrowserMessage::handoffArgument(download)};
    // The running instance reads no more than this from another launch.
    if (SingleInstance::encode(arguments).size() > SingleInstance::kMaxMessageBytes)
        return BrowserMessage::refusedAnswer(BrowserMessage::refusal(BrowserMessage::Code::tooLarge));

    const QDeadlineTimer deadline(m_setup.answerWaitMs);
    qint64 started = 0;
    std::optional<QDeadlineTimer> gone;
    while (true) {
        switch (SingleInstance::handOver(m_setup.socketPath, arguments, int(std::max<qint64>(deadline.remainingTime(), 1)))) {
        case SingleInstance::HandOver::taken:
            return BrowserMessage::takenAnswer();
        case SingleInstance::HandOver::noAnswer:
            // It may take the link yet: sending it again could download it twice.
            qCWarning(lcHost) << "Vireloom was given a link but did not answer";
            return notStarted(L("O Vireloom está aberto, mas não respondeu. Tente de novo em um instante."));
        case SingleInstance::HandOver::nobody:
            break;
        }
        if (started == 0) {
            started = startApplication();
            if (started == 0)
                return notStarted(L("Não consegui abrir o Vireloom."));
        } else if (!gone && processGone(started)) {
            gone = QDeadlineTimer(kGoneGraceMs);
        }
        if (deadline.hasExpired() || (gone && gone->hasExpired())) {
            qCWarning(lcHost) << "the Vireloom that was started did not listen in time";
            return notStarted(L("O Vireloom não abriu a tempo. Tente de novo."));
        }
        QThread::msleep(kPollMs);
    }
}

qint64 BrowserHost::startApplication() const
{
    if (m_setup.application.isEmpty()) {
        qCWarning(lcHost) << "no Vireloom program to start";
        return 0;
    }
    QProcess process;
    process.setProgram(m_setup.application);
    process.setArguments({u"--background"_s});
    // The browser's pipes are the host's alone: Vireloom holding them would keep the
    // browser waiting, and what it prints would be read as an answer.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setWorkingDirectory(QDir::homePath());
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        qCWarning(lcHost).noquote() << "could not start" << m_setup.application << process.errorString();
        return 0;
    }
    return pid;
}
