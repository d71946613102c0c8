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
constexpr int kJavaScriptRow = 11;

// Order matters where phrases meet: a login prompt that also mentions a 403 is
// about the login, and an unsupported link that says "private video" is unsupported.
const std::array<KnownFailure, 13> kKnownFailures{{
    {{u"sign in to confirm", u"login required", u"cookies"},
     "O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”.",
     FailureAction::chooseBrowser},
    {{u"unsupported url"}, "Este link não é suportado (não achei vídeo nele)."},
    {{u"private video"}, "Vídeo privado."},
    {{u"http error 403"}, "Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp.", FailureAction::updateEngine},
    {{u"http error 429"}, "O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador."},
    {{u"requested format is not available"}, "Essa qualidade não existe para este vídeo — tente “Melhor qualidade”."},
    {{u"connection refused", u"network is unreachable", u"name or service not known",
      u"temporary failure in name resolution", u"no address associated with hostname",
      u"nodename nor servname provided", u"getaddrinfo failed", u"failed to resolve"},
     "Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo."},
    {{u"timed out"}, "O site demorou demais para responder. Tente de novo em alguns minutos."},
    {{u"no space left on device", u"disk quota exceeded"},
     "Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral.",
     FailureAction::openSettings},
    {{u"permission denied", u"read-only file system", u"unable to open for writing", u"unable to create directory"},
     "Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral.", FailureAction::openSettings},
    {{u"ffmpeg not found", u"ffprobe not found", u"ffmpeg is not installed"},
     "Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor.",
     FailureAction::installMissing},
    {{u"no supported javascript runtime"}, "O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor.",
     FailureAction::installDeno},
    {{u"nsig extraction failed", u"signature extraction failed", u"unable to extract"},
     "O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor.",
     FailureAction::updateEngine},
}};

bool mentions(QStringView text, const KnownFailure &failure, Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return std::ranges::any_of(failure.phrases, [text, cs](const char16_t *phrase) {
        return phrase && text.contains(QStringView(phrase), cs);
    });
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
    return row < 0 ? message : L(QString::fromUtf8(kKnownFailures[row].message));
}

FailureDescription describeFailure(const QString &raw, const QStringList &log, bool browserChosen)
{
    const KnownFailure &javaScript = kKnownFailures[kJavaScriptRow];
    const bool noRuntime = std::ranges::any_of(log, [&](const QString &line) { return mentions(line, javaScript, Qt::CaseInsensitive); });
    const int row = noRuntime ? kJavaScriptRow : knownRow(raw);
    if (row < 0)
        return {raw, FailureAction::none};
    const KnownFailure &known = kKnownFailures[row];
    const FailureAction action = row == kLoginRow && browserChosen ? FailureAction::updateEngine : known.action;
    return {L(QString::fromUtf8(known.message)), action};
}

QString failureText(const std::optional<QString> &lastError, const QStringList &log, int status)
{
    if (lastError && !lastError->isEmpty())
        return *lastError;
    const auto said = std::find_if(log.rbegin(), log.rend(), [](const QString &line) { return !afterErrorPrefix(line).isEmpty(); });
    if (said != log.rend())
        return *said;
    return LF(QStringLiteral("yt-dlp saiu com código %d"), status);
}
