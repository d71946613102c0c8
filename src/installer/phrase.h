#pragma once

#include "i18n/i18n.h"

#include <QJsonValue>
#include <QString>

#include <optional>
#include <vector>

// A text for the user kept as what it is made of: a text of the translation table (its
// Portuguese key) and what fills its conversions, each a phrase too. Worded when it is
// shown, it speaks the language of whoever reads it rather than of whoever wrote it, and
// it keeps that when it is stored.
class Phrase
{
public:
    // A text of the translations, with its arguments in the order of its conversions. The
    // key is marked where it is written, Phrase::text(QT_TRID_NOOP("Falhou: %@"), ...), for
    // lupdate to find it.
    static Phrase text(const QString &key, std::vector<Phrase> args = {});
    static Phrase text(const char *key, std::vector<Phrase> args = {});
    // Words from outside (a file name, a host, a system's error message): the same in every
    // language.
    static Phrase verbatim(const QString &words);
    static Phrase number(qint64 value);

    QString worded(Lang lang) const;
    QString worded() const { return worded(appLang()); }

    // A text key becomes {"t": key, "a": [arguments]}, words from outside a string, a number
    // a number.
    QJsonValue toJson() const;
    static std::optional<Phrase> fromJson(const QJsonValue &json);

    friend bool operator==(const Phrase &, const Phrase &) = default;

private:
    enum class Kind { text, verbatim, number };

    Kind m_kind = Kind::verbatim;
    QString m_words;
    qint64 m_number = 0;
    std::vector<Phrase> m_args;
};
