#include "failuremessages.h"

#include "i18n/i18n.h"

#include <array>

namespace {

struct KnownFailure
{
    std::array<const char16_t *, 3> phrases; // unused slots stay null
    const char *message;
};

// Order matters where phrases meet: a login prompt that also mentions a 403 is
// about the login, and an unsupported link that says "private video" is unsupported.
const std::array<KnownFailure, 6> kKnownFailures{{
    {{u"sign in to confirm", u"login required", u"cookies"},
     "O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”."},
    {{u"unsupported url"}, "Este link não é suportado (não achei vídeo nele)."},
    {{u"private video"}, "Vídeo privado."},
    {{u"http error 403"}, "Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp."},
    {{u"http error 429"}, "O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador."},
    {{u"requested format is not available"}, "Essa qualidade não existe para este vídeo — tente “Melhor qualidade”."},
}};

} // namespace

QString friendlyError(const QString &message)
{
    const QString lowered = message.toLower();
    for (const KnownFailure &failure : kKnownFailures) {
        for (const char16_t *phrase : failure.phrases) {
            if (phrase && lowered.contains(QStringView(phrase)))
                return L(QString::fromUtf8(failure.message));
        }
    }
    return message;
}
