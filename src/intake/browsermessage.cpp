#include "browsermessage.h"

#include "i18n/i18n.h"
#include "intake/linkextraction.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <cmath>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView kHandoffPrefix("--browser-link=");
// Past the year 3000 a date is as good as never; the cookies file needs a whole number.
constexpr double kLatestExpiry = 32503680000.0;

struct Failure
{
    BrowserMessage::Code code;
    QString detail;
};

bool hasControlOrSpace(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; });
}

bool hasControl(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// The link as the rest of the program takes it; absent unless it is one http or https
// link and nothing else. A leading "-" would read as an option to some program down the
// line, so it is refused even though the engine's command line ends its options first.
std::optional<QString> oneWebLink(const QString &text)
{
    if (text.isEmpty() || text.startsWith(u'-') || hasControlOrSpace(text))
        return std::nullopt;
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return std::nullopt;
    const QStringList links = extractURLs(text);
    if (links.size() != 1)
        return std::nullopt;
    return links.first();
}

// A domain as a cookies file can hold it: a host name or address, perhaps with the
// leading dot of a domain cookie. Anything else could end the field or the line.
bool isCookieDomain(const QString &domain)
{
    if (domain.isEmpty() || domain == u".")
        return false;
    return std::all_of(domain.begin(), domain.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'_'
               || c == u':' || c == u'[' || c == u']';
    });
}

// An optional field: absent or null means not given.
bool given(const QJsonValue &value)
{
    return !value.isUndefined() && !value.isNull();
}

std::variant<BrowserCookie, Failure> readCookie(const QJsonValue &value)
{
    const Failure bad{BrowserMessage::Code::badCookie, {}};
    if (!value.isObject())
        return bad;
    const QJsonObject object = value.toObject();
    const QJsonValue name = object.value("name"_L1), text = object.value("value"_L1), domain = object.value("domain"_L1),
                     path = object.value("path"_L1), expires = object.value("expirationDate"_L1);
    if (!name.isString() || !text.isString() || !domain.isString() || (given(path) && !path.isString())
        || (given(expires) && !expires.isDouble()))
        return bad;
    BrowserCookie cookie;
    for (const auto &[key, flag] : {std::pair{"secure", &cookie.secure}, {"httpOnly", &cookie.httpOnly}, {"hostOnly", &cookie.hostOnly}}) {
        const QJsonValue field = object.value(QLatin1StringView(key));
        if (given(field) && !field.isBool())
            return bad;
        *flag = field.toBool(false);
    }
    cookie.name = name.toString();
    cookie.value = text.toString();
    cookie.domain = domain.toString();
    if (given(path))
        cookie.path = path.toString();
    // Each field is one column of a line in the cookies file: a tab or a line break would
    // make another cookie of the rest.
    if (hasControl(cookie.name) || hasControl(cookie.value) || !isCookieDomain(cookie.domain) || !cookie.path.startsWith(u'/')
        || hasControl(cookie.path))
        return bad;
    if (given(expires)) {
        const double seconds = expires.toDouble();
        if (!std::isfinite(seconds) || seconds < 0)
            return bad;
        cookie.expires = static_cast<qint64>(std::min(seconds, kLatestExpiry));
    }
    return cookie;
}

std::variant<BrowserMessage::Download, Failure> readDownload(const QJsonObject &object)
{
    using BrowserMessage::Code;
    const QJsonValue url = object.value("url"_L1), page = object.value("page"_L1), quality = object.value("quality"_L1),
                     playlist = object.value("playlist"_L1), cookies = object.value("cookies"_L1);
    if (!url.isString())
        return Failure{Code::badField, u"url"_s};
    for (const auto &[field, value] : {std::pair{"page", page}, {"quality", quality}}) {
        if (given(value) && !value.isString())
            return Failure{Code::badField, QLatin1StringView(field)};
    }
    if (given(playlist) && !playlist.isBool())
        return Failure{Code::badField, u"playlist"_s};
    if (given(cookies) && !cookies.isArray())
        return Failure{Code::badField, u"cookies"_s};

    BrowserMessage::Download download;
    const auto link = oneWebLink(url.toString());
    if (!link)
        return Failure{Code::badLink, {}};
    download.url = *link;
    // The page only tells where the link came from; one that is no web page is left out.
    download.page = oneWebLink(page.toString()).value_or(QString());
    // A preset this release does not know (a newer companion's) gives the default, as a
    // vireloom: address does.
    download.quality = Quality::fromId(quality.toString());
    download.playlist = playlist.toBool(false);
    const QJsonArray list = cookies.toArray();
    if (list.size() > BrowserMessage::kMaxCookies)
        return Failure{Code::badCookie, {}};
    for (const QJsonValue &entry : list) {
        auto cookie = readCookie(entry);
        if (const auto *failure = std::get_if<Failure>(&cookie))
            return *failure;
        download.cookies.append(std::get<BrowserCookie>(std::move(cookie)));
    }
    return download;
}

QJsonObject toJson(const BrowserMessage::Download &download)
{
    QJsonArray cookies;
    for (const BrowserCookie &cookie : download.cookies) {
        QJsonObject entry{{u"name"_s, cookie.name},        {u"value"_s, cookie.value},   {u"domain"_s, cookie.domain},
                          {u"path"_s, cookie.path},        {u"secure"_s, cookie.secure}, {u"httpOnly"_s, cookie.httpOnly},
                          {u"hostOnly"_s, cookie.hostOnly}};
        if (cookie.expires)
            entry.insert(u"expirationDate"_s, double(*cookie.expires));
        cookies.append(entry);
    }
    QJsonObject object{{u"kind"_s, u"download"_s}, {u"url"_s, download.url}, {u"playlist"_s, download.playlist}, {u"cookies"_s, cookies}};
    if (!download.page.isEmpty())
        object.insert(u"page"_s, download.page);
    if (download.quality)
        object.insert(u"quality"_s, download.quality->id());
    return object;
}

} // namespace

namespace BrowserMessage {

std::variant<Request, Refusal> read(QByteArrayView json)
{
    if (json.size() > kMaxBytes)
        return refusal(Code::tooLarge);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refusal(Code::notJson);
    const QJsonObject object = document.object();
    const QJsonValue kind = object.value("kind"_L1);
    if (given(kind) && !kind.isString())
        return refusal(Code::badField, u"kind"_s);
    if (kind == u"hello"_s)
        return Request(Hello{});
    if (kind != u"download"_s)
        return refusal(Code::unknownKind);
    auto download = readDownload(object);
    if (const auto *failure = std::get_if<Failure>(&download))
        return refusal(failure->code, failure->detail);
    return Request(std::get<Download>(std::move(download)));
}

QString codeName(Code code)
{
    switch (code) {
    case Code::tooLarge:
        return u"too-large"_s;
    case Code::notJson:
        return u"not-json"_s;
    case Code::badField:
        return u"bad-field"_s;
    case Code::unknownKind:
        return u"unknown-kind"_s;
    case Code::badLink:
        return u"bad-link"_s;
    case Code::badCookie:
        return u"bad-cookie"_s;
    case Code::notStarted:
        break;
    }
    return u"not-started"_s;
}

Refusal refusal(Code code, const QString &detail)
{
    switch (code) {
    case Code::tooLarge:
        return {code, L("O navegador mandou uma mensagem grande demais para o Vireloom.")};
    case Code::notJson:
        return {code, L("O Vireloom não entendeu a mensagem do navegador.")};
    case Code::badField:
        return {code, LF("A mensagem do navegador tem o campo “%@” com um valor do tipo errado.", detail)};
    case Code::unknownKind:
        return {code, L("O Vireloom não conhece este pedido do navegador. Atualize o Vireloom ou a extensão.")};
    case Code::badLink:
        return {code, L("O Vireloom baixa um link http ou https por vez, e este não é um.")};
    case Code::badCookie:
        return {code, L("O login que o navegador mandou não pôde ser lido; nada foi baixado.")};
    case Code::notStarted:
        break;
    }
    return {code, detail.isEmpty() ? L("Não consegui abrir o Vireloom.") : detail};
}

QByteArray helloAnswer(const QString &version, bool running)
{
    return QJsonDocument(QJsonObject{{u"ok"_s, true}, {u"version"_s, version}, {u"running"_s, running}}).toJson(QJsonDocument::Compact);
}

QByteArray takenAnswer()
{
    return QJsonDocument(QJsonObject{{u"taken"_s, true}}).toJson(QJsonDocument::Compact);
}

QByteArray refusedAnswer(const Refusal &refusal)
{
    return QJsonDocument(QJsonObject{{u"taken"_s, false}, {u"code"_s, codeName(refusal.code)}, {u"reason"_s, refusal.reason}})
        .toJson(QJsonDocument::Compact);
}

QByteArray framed(const QByteArray &json)
{
    const quint32 size = quint32(json.size());
    QByteArray message(sizeof size, Qt::Uninitialized);
    std::memcpy(message.data(), &size, sizeof size);
    return message + json;
}

QString handoffArgument(const Download &download)
{
    return kHandoffPrefix + QString::fromUtf8(QJsonDocument(toJson(download)).toJson(QJsonDocument::Compact));
}

bool isHandoffArgument(QStringView argument)
{
    return argument.startsWith(kHandoffPrefix);
}

std::optional<Download> fromHandoff(QStringView argument)
{
    if (!isHandoffArgument(argument))
        return std::nullopt;
    const auto request = read(argument.sliced(kHandoffPrefix.size()).toUtf8());
    const auto *parsed = std::get_if<Request>(&request);
    const auto *download = parsed ? std::get_if<Download>(parsed) : nullptr;
    return download ? std::optional(*download) : std::nullopt;
}

} // namespace BrowserMessage
