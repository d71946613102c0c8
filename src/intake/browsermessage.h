#pragma once

#include "model/browserlogin.h"
#include "model/quality.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

// The messages of the browser companion, an extension that sends the page or link the
// user points at, with the site's cookies when its option says so. The browser starts
// Vireloom's native messaging host for them, which reads each one here before anything
// of it goes further: one object of typed fields, one http or https link, cookies that
// cannot break the cookies file they are written to. Fields nobody knows are ignored.
namespace BrowserMessage {

// Longer messages are refused without reading them.
inline constexpr qint64 kMaxBytes = 1 << 20;
inline constexpr int kMaxCookies = 300;
// The host's name, as the browsers' host manifests give it.
inline constexpr QLatin1StringView kHostName("io.github.vireloom.vireloom");

// Why a message is refused, as the protocol names it for the extension.
enum class Code { tooLarge, notJson, badField, unknownKind, badLink, badCookie, notStarted };

struct Refusal
{
    Code code;
    // A sentence for the user, in the interface language.
    QString reason;

    friend bool operator==(const Refusal &, const Refusal &) = default;
};

struct Hello
{
    friend bool operator==(const Hello &, const Hello &) = default;
};

// A link to download. The user chose it in the browser, as if typed into the window.
struct Download
{
    QString url;
    // The page the link was found on, when it is a web page; empty otherwise.
    QString page;
    // Absent for the default quality.
    std::optional<Quality> quality;
    bool playlist = false;
    BrowserCookies cookies;

    friend bool operator==(const Download &, const Download &) = default;
};

using Request = std::variant<Hello, Download>;

// Reads one message's JSON text.
std::variant<Request, Refusal> read(QByteArrayView json);

QString codeName(Code code);
Refusal refusal(Code code, const QString &detail = {});

// The answers, as JSON text.
QByteArray helloAnswer(const QString &version, bool running);
QByteArray takenAnswer();
QByteArray refusedAnswer(const Refusal &refusal);

// The native messaging framing: the length in the machine's byte order, then the text.
QByteArray framed(const QByteArray &json);

// How a download reaches the running instance: one argument of the single-instance
// message, which never touches the disk. It is read back with the same checks.
QString handoffArgument(const Download &download);
bool isHandoffArgument(QStringView argument);
std::optional<Download> fromHandoff(QStringView argument);

} // namespace BrowserMessage
