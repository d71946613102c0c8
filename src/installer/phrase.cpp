#include "phrase.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

Phrase Phrase::text(const QString &key, std::vector<Phrase> args)
{
    Phrase phrase;
    phrase.m_kind = Kind::text;
    phrase.m_words = key;
    phrase.m_args = std::move(args);
    return phrase;
}

Phrase Phrase::text(const char *key, std::vector<Phrase> args)
{
    return text(QString::fromUtf8(key), std::move(args));
}

Phrase Phrase::verbatim(const QString &words)
{
    Phrase phrase;
    phrase.m_words = words;
    return phrase;
}

Phrase Phrase::number(qint64 value)
{
    Phrase phrase;
    phrase.m_kind = Kind::number;
    phrase.m_number = value;
    return phrase;
}

QString Phrase::worded(Lang lang) const
{
    switch (m_kind) {
    case Kind::verbatim:
        return m_words;
    case Kind::number:
        return formatPattern(u"%ld"_s, std::vector<FormatArg>{m_number}, QLocale::system());
    case Kind::text:
        break;
    }
    std::vector<FormatArg> args;
    args.reserve(m_args.size());
    for (const Phrase &arg : m_args) {
        if (arg.m_kind == Kind::number)
            args.emplace_back(arg.m_number);
        else
            args.emplace_back(arg.worded(lang));
    }
    return formatIn(lang, translate(m_words, lang), args);
}

QJsonValue Phrase::toJson() const
{
    switch (m_kind) {
    case Kind::verbatim:
        return m_words;
    case Kind::number:
        return double(m_number);
    case Kind::text:
        break;
    }
    QJsonObject object{{u"t"_s, m_words}};
    if (!m_args.empty()) {
        QJsonArray args;
        for (const Phrase &arg : m_args)
            args.append(arg.toJson());
        object.insert(u"a"_s, args);
    }
    return object;
}

std::optional<Phrase> Phrase::fromJson(const QJsonValue &json)
{
    if (json.isString())
        return verbatim(json.toString());
    if (json.isDouble())
        return number(qint64(json.toDouble()));
    const QJsonObject object = json.toObject();
    const QJsonValue key = object.value(u"t"_s);
    const QJsonValue args = object.value(u"a"_s);
    if (!json.isObject() || !key.isString() || !(args.isUndefined() || args.isArray()))
        return std::nullopt;
    std::vector<Phrase> parts;
    for (const QJsonValue &arg : args.toArray()) {
        auto part = fromJson(arg);
        if (!part)
            return std::nullopt;
        parts.push_back(std::move(*part));
    }
    return text(key.toString(), std::move(parts));
}
