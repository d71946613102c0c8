#include "sourcelisting.h"

#include "base/childprocess.h"
#include "base/format.h"
#include "engine/commandline.h"
#include "settings/settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

QString firstText(const QJsonObject &object, std::initializer_list<QLatin1StringView> keys)
{
    for (const QLatin1StringView key : keys) {
        const QJsonValue value = object.value(key);
        if (value.isString() && !value.toString().isEmpty())
            return value.toString();
    }
    return {};
}

} // namespace

std::optional<SourceListing> parseListing(QByteArrayView json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    SourceListing listing;
    listing.title = Tools::cappedTitle(firstText(root, {QLatin1StringView("title"), QLatin1StringView("playlist_title")}));
    listing.site = Tools::cappedTitle(firstText(root, {QLatin1StringView("extractor_key"), QLatin1StringView("extractor")}));
    listing.isList = root.value(QLatin1StringView("_type")).toString() == u"playlist";
    if (!listing.isList)
        return listing;

    QSet<QString> ids;
    for (const QJsonValue &value : root.value(QLatin1StringView("entries")).toArray()) {
        // Entries the site hides (private, removed) come as null.
        if (!value.isObject())
            continue;
        const QJsonObject object = value.toObject();
        FollowEntry entry;
        entry.url = firstText(object, {QLatin1StringView("url"), QLatin1StringView("webpage_url")});
        if (entry.url.isEmpty())
            continue;
        entry.id = firstText(object, {QLatin1StringView("id")});
        if (entry.id.isEmpty())
            entry.id = entry.url;
        entry.title = Tools::cappedTitle(firstText(object, {QLatin1StringView("title")}));
        // A link or id no real source gives would be kept and written out at every save.
        if (entry.url.size() > Tools::kLinkLimit || entry.id.size() > Tools::kLinkLimit)
            continue;
        if (ids.contains(entry.id))
            continue;
        ids.insert(entry.id);
        listing.entries.append(std::move(entry));
    }
    const QJsonValue count = root.value(QLatin1StringView("playlist_count"));
    if (count.isDouble() && count.toDouble() >= 0 && count.toDouble() == double(count.toInteger()))
        listing.count = count.toInteger();
    else
        listing.count = listing.entries.size();
    return listing;
}

CheckProblem classifyFailure(QStringView errors)
{
    CheckProblem problem;
    // The last error line says what stopped the engine; earlier ones are about entries.
    const QStringList lines = errors.toString().split(u'\n', Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (line->startsWith(u"ERROR:")) {
            problem.detail = line->trimmed();
            break;
        }
    }
    if (problem.detail.isEmpty() && !lines.isEmpty())
        problem.detail = lines.constLast().trimmed();
    // Long engine messages end in advice about reporting bugs, which is not the user's business.
    if (const qsizetype advice = problem.detail.indexOf(u"; please report this issue"); advice > 0)
        problem.detail.truncate(advice);

    const QString text = problem.detail.toLower();
    const auto mentions = [&text](std::initializer_list<const char16_t *> phrases) {
        return std::any_of(phrases.begin(), phrases.end(), [&text](const char16_t *phrase) { return text.contains(phrase); });
    };
    if (mentions({u"http error 429", u"too many requests", u"sign in to confirm"}))
        problem.kind = CheckFailure::rateLimited;
    else if (mentions({u"http error 404", u"http error 410", u"unsupported url", u"does not exist", u"this channel is not available"}))
        problem.kind = CheckFailure::vanished;
    else
        problem.kind = CheckFailure::network;
    return problem;
}

QStringList listingArgs(const QString &url, int limit, const Settings &settings, const QString &cookiesFile, const QString &configFile)
{
    QStringList args{Tools::kIgnoreConfig, QStringLiteral("-J"), QStringLiteral("--flat-playlist"), QStringLiteral("--no-warnings"),
                     QStringLiteral("--playlist-end"), QString::number(qMax(1, limit)),
                     // A site that does not answer must not hold up the sources after it.
                     QStringLiteral("--socket-timeout"), QStringLiteral("30")};
    if (const double pause = settings.seconds(SettingsKey::sleepRequests); pause > 0)
        args << QStringLiteral("--sleep-requests") << QString::number(pause);
    args << connectionArgs(settings, cookiesFile, configFile);
    args << QStringLiteral("--yes-playlist") << QStringLiteral("--") << url;
    return args;
}
