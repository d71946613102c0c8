#include "failuremessages.h"

#include "i18n/i18n.h"

#include <algorithm>
#include <array>

namespace {

struct KnownFailure
{
    std::array<const char16_t *, 8> phrases; // unused slots stay null
    const char *message;
    FailureAction action = FailureAction::none;
};

constexpr int kLoginRow = 0;
constexpr int kForbiddenRow = 3;
constexpr int kNoNetworkRow = 6;
constexpr int kJavaScriptRow = 11;
constexpr int kExtractionRow = 12;
constexpr int kForbiddenHereRow = 14;
constexpr int kCutShortRow = 16;
constexpr int kNoSuchHostRow = 17;
constexpr int kRefusedRow = 18;

// Order matters where phrases meet: a login prompt that also mentions a 403 is
// about the login, and an unsupported link that says "private video" is unsupported.
const std::array<KnownFailure, 19> kKnownFailures{{
    {{u"sign in to confirm", u"login required", u"cookies", u"http error 401"},
     QT_TRID_NOOP("O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”."),
     FailureAction::chooseBrowser},
    {{u"unsupported url"}, QT_TRID_NOOP("Este link não é suportado (não achei vídeo nele).")},
    {{u"private video"}, QT_TRID_NOOP("Vídeo privado.")},
    {{u"http error 403"}, QT_TRID_NOOP("Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp."), FailureAction::updateEngine},
    {{u"http error 429"}, QT_TRID_NOOP("O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador.")},
    {{u"requested format is not available"}, QT_TRID_NOOP("Essa qualidade não existe para este vídeo — tente “Melhor qualidade”.")},
    // Nothing answers at all: no route anywhere, or no name server to ask.
    {{u"network is unreachable", u"temporary failure in name resolution"},
     QT_TRID_NOOP("Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo.")},
    {{u"timed out"}, QT_TRID_NOOP("O site demorou demais para responder. Tente de novo em alguns minutos.")},
    {{u"no space left on device", u"disk quota exceeded"},
     QT_TRID_NOOP("Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral."),
     FailureAction::openSettings},
    {{u"permission denied", u"read-only file system", u"unable to open for writing", u"unable to create directory"},
     QT_TRID_NOOP("Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral."),
     FailureAction::openSettings},
    {{u"ffmpeg not found", u"ffprobe not found", u"ffmpeg is not installed"},
     QT_TRID_NOOP("Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor."),
     FailureAction::installMissing},
    {{u"no supported javascript runtime"},
     QT_TRID_NOOP("O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor."),
     FailureAction::installDeno},
    {{u"nsig extraction failed", u"signature extraction failed", u"unable to extract"},
     QT_TRID_NOOP("O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor."),
     FailureAction::updateEngine},
    {{u"http error 404", u"http error 410"}, QT_TRID_NOOP("O site não tem esta página ou este arquivo (não existe ou foi removido). Confira o link.")},
    // A 403 from a page the engine reads only generically is the site's answer, not an
    // engine that fell behind.
    {{u"http error 403"}, QT_TRID_NOOP("O site negou o acesso a este endereço (403). Talvez ele exija login ou não esteja disponível para você.")},
    {{u"http error 5"}, QT_TRID_NOOP("O site está com problemas no momento (erro do servidor). Tente de novo mais tarde.")},
    {{u"bytes, expected", u"[download] got error", u"incompleteread", u"connection reset by peer", u"remote end closed connection"},
     QT_TRID_NOOP("A conexão caiu antes do fim do download. “Tentar de novo” continua de onde parou.")},
    {{u"name or service not known", u"no address associated with hostname", u"nodename nor servname provided", u"failed to resolve",
      u"getaddrinfo failed"},
     QT_TRID_NOOP("Site não encontrado: este endereço não existe. Confira o link.")},
    {{u"connection refused"}, QT_TRID_NOOP("O site recusou a conexão. Ele pode estar fora do ar; tente de novo mais tarde.")},
}};

// What makes the engine's text hard to read and is no business of the user: the
// request to report the problem to its makers, and the Python exception behind it.
const std::array<QLatin1StringView, 3> kNoiseFrom{QLatin1StringView("; please report this issue"),
                                                  QLatin1StringView(" please report this issue"), QLatin1StringView(" (caused by ")};

bool mentions(QStringView text, const KnownFailure &failure, Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return std::ranges::any_of(failure.phrases,
                               [text, cs](const char16_t *phrase) { return phrase && text.contains(QStringView(phrase), cs); });
}

template<typename Phrases>
bool mentionsAny(const QString &text, const Phrases &phrases)
{
    return std::ranges::any_of(phrases, [&](QLatin1StringView phrase) { return text.contains(phrase, Qt::CaseInsensitive); });
}

// Index of the first row with a phrase in `text`, -1 when none has one.
int knownRow(const QString &text)
{
    const QString lowered = text.toLower();
    const auto row = std::ranges::find_if(kKnownFailures, [&lowered](const KnownFailure &f) { return mentions(lowered, f); });
    return row == kKnownFailures.end() ? -1 : int(row - kKnownFailures.begin());
}

QStringView afterErrorPrefix(QStringView line)
{
    return line.startsWith(QLatin1StringView("ERROR:")) ? line.sliced(6).trimmed() : line.trimmed();
}

} // namespace

QString friendlyError(const QString &message)
{
    const int row = knownRow(message);
    return row < 0 ? message : L(kKnownFailures[row].message);
}

FailureDescription describeFailure(const QString &raw, const QStringList &log, const FailureContext &context)
{
    const auto logMentions = [&log](const auto &phrases) {
        return std::ranges::any_of(log, [&](const QString &line) {
            return std::ranges::any_of(phrases, [&](QLatin1StringView phrase) { return line.contains(phrase, Qt::CaseInsensitive); });
        });
    };
    // yt-dlp stops with a traceback, not an error line, on a cookies file it cannot read.
    static const std::array kBadCookies{QLatin1StringView("cookiejar.LoadError"),
                                        QLatin1StringView("does not look like a Netscape format cookies file")};
    if (!context.cookiesFile.isEmpty() && (logMentions(kBadCookies) || mentionsAny(raw, kBadCookies)))
        return {LF("O arquivo de cookies “%@” não pôde ser lido. Escolha outro em Ajustes ▸ Conexão.", context.cookiesFile),
                FailureAction::chooseCookiesFile};

    // The guard's own answers name it: they are not the site's, nor the user's proxy's.
    if (raw.contains(QLatin1StringView("refused by vireloom: local network"), Qt::CaseInsensitive))
        return {L("Este link leva para a sua rede local, e links vindos de fora não podem chegar a ela. "
                                 "Se você confia nele, cole o link na janela."),
                FailureAction::none};
    if (raw.contains(QLatin1StringView("refused by vireloom: no such host"), Qt::CaseInsensitive))
        return {L(kKnownFailures[kNoSuchHostRow].message), FailureAction::none};
    // The guard reached neither the site nor, when one is set, the user's proxy.
    if (raw.contains(QLatin1StringView("vireloom could not connect"), Qt::CaseInsensitive)) {
        if (context.proxySet)
            return {L("A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio."),
                    FailureAction::openProxy};
        return {L(kKnownFailures[kRefusedRow].message), FailureAction::none};
    }

    const KnownFailure &javaScript = kKnownFailures[kJavaScriptRow];
    const bool noRuntime = std::ranges::any_of(log, [&](const QString &line) { return mentions(line, javaScript, Qt::CaseInsensitive); });
    int row = noRuntime ? kJavaScriptRow : knownRow(raw);
    // A transfer that the engine gave up on part-way broke off, whatever the retries
    // then ran into: the partial file stays, and trying again continues it.
    if (!noRuntime && mentions(raw.toLower(), kKnownFailures[kCutShortRow]))
        row = kCutShortRow;
    if (row == kForbiddenRow && raw.contains(QLatin1StringView("[generic]"), Qt::CaseInsensitive))
        row = kForbiddenHereRow;
    // Through a proxy, the one connection that fails is the one to the proxy.
    if (context.proxySet && (row == kNoNetworkRow || row == kNoSuchHostRow || row == kRefusedRow))
        return {L("A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio."),
                FailureAction::openProxy};
    if (row < 0) {
        // Python's own report of an exception: the engine broke, whatever it was doing.
        static const QLatin1StringView traceback("Traceback (most recent call last)");
        const bool crashed =
            raw.contains(traceback) || std::ranges::any_of(log, [](const QString &line) { return line.contains(traceback); });
        return {unknownFailure(raw), FailureAction::none, crashed};
    }
    const KnownFailure &known = kKnownFailures[row];
    const FailureAction action = row == kLoginRow && context.browserChosen ? FailureAction::updateEngine : known.action;
    return {L(known.message), action, row == kExtractionRow || row == kForbiddenRow, row == kLoginRow || row == kForbiddenHereRow};
}

FailureDescription describeFailure(const QString &raw, const QStringList &log, bool browserChosen)
{
    return describeFailure(raw, log, FailureContext{browserChosen, false, {}});
}

QString guardUnavailable()
{
    return L("Links vindos de fora só passam por um proxy http ou socks5. "
                            "Mude o proxy em Ajustes ▸ Conexão ou cole o link na janela.");
}

QString engineLine(QStringView line)
{
    QStringView text = afterErrorPrefix(line);
    for (QLatin1StringView noise : kNoiseFrom) {
        if (const qsizetype at = text.indexOf(noise, 0, Qt::CaseInsensitive); at >= 0)
            text = text.first(at);
    }
    text = text.trimmed();
    while (text.endsWith(u';') || text.endsWith(u','))
        text.chop(1);
    return text.trimmed().toString();
}

QString unknownFailure(const QString &raw)
{
    const QString said = engineLine(raw);
    if (said.isEmpty())
        return L("O download falhou.");
    return LF("O download falhou. Última mensagem do yt-dlp: %@", said);
}

std::optional<QString> engineSaid(const std::optional<QString> &lastError, const QStringList &log)
{
    if (lastError && !lastError->isEmpty())
        return *lastError;
    // The command line and Vireloom's own notes are not the engine speaking.
    const auto said = std::find_if(log.rbegin(), log.rend(), [](const QString &line) {
        return !afterErrorPrefix(line).isEmpty() && !line.startsWith(QLatin1StringView("$ "))
               && !line.startsWith(QLatin1StringView("Vireloom: "));
    });
    if (said != log.rend())
        return *said;
    return std::nullopt;
}

QString failureText(const std::optional<QString> &lastError, const QStringList &log, int status)
{
    return engineSaid(lastError, log).value_or(LF("yt-dlp saiu com código %d", status));
}

FailureDescription describeRun(const std::optional<QString> &lastError, const QStringList &log, int status, const FailureContext &context)
{
    if (const auto said = engineSaid(lastError, log))
        return describeFailure(*said, log, context);
    return {LF("yt-dlp saiu com código %d", status), FailureAction::none};
}
