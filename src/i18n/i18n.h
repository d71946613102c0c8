#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>
#include <type_traits>
#include <variant>

// The interface language. The raw values are the column of each language in the
// translation table, Portuguese being the table's key rather than a column.
enum class Lang { en = 0, es = 1, it = 2, fr = 3, de = 4, ja = 5, ru = 6, pl = 7, nl = 8, pt = 9 };
inline constexpr size_t kTranslationColumns = 9;

// The first preferred language that the interface speaks, English when none does.
Lang chooseLang(const QStringList &preferredLanguages);

// Chosen once from the system's preferred languages, fixed for the life of the process.
Lang appLang();

// The language's two-letter code, as the translation table's header names it ("pt", "en").
QString langCode(Lang lang);

// Translates a Portuguese text into `lang`; texts without an entry come back unchanged.
QString translate(const QString &text, Lang lang);

// Number of keys in the translation table, and the key rows themselves, for checking it.
struct TranslationRow
{
    QString key;
    std::array<QString, kTranslationColumns> translations;
};
QList<TranslationRow> translationRows();

QString L(const QString &text);

// A text that depends on a number holds one form per plural category of its language,
// separated by '|', in the order that `pluralForm` counts them: "%ld arquivo|%ld arquivos".
inline constexpr QChar kPluralSeparator = u'|';

// How many forms a text written in `lang` has for whole numbers, and which of them `count`
// takes, by the language's CLDR rule: one form in Japanese; one, few and many in Russian
// and Polish; one and other elsewhere.
int pluralFormCount(Lang lang);
int pluralForm(Lang lang, qint64 count);

// Translates a counted text into `lang` and keeps the form that `count` takes there. When
// the table has no translation the Portuguese forms are chosen by the Portuguese rule.
QString translateCounted(const QString &text, Lang lang, qint64 count);

// One argument of a printf-style format: %ld and %d take whole numbers, %@ takes text.
class FormatArg
{
public:
    template<typename T>
    requires std::is_integral_v<T> FormatArg(T value)
        : m_value(static_cast<qint64>(value))
    {
    }
    FormatArg(const QString &text)
        : m_value(text)
    {
    }
    FormatArg(const char *utf8)
        : m_value(QString::fromUtf8(utf8))
    {
    }

    QString toString(const QLocale &locale) const;

private:
    std::variant<qint64, QString> m_value;
};

// Fills the conversions of `pattern` left to right with `args`. Numbers follow `locale`
// but are never grouped. A conversion without an argument, or one we do not know, is
// kept as written so that a broken translation shows up instead of crashing.
QString formatPattern(const QString &pattern, std::span<const FormatArg> args, const QLocale &locale);

template<typename... Args>
QString formatWith(const QString &pattern, const Args &...args)
{
    if constexpr (sizeof...(Args) == 0) {
        return formatPattern(pattern, {}, QLocale::system());
    } else {
        const FormatArg converted[] = {FormatArg(args)...};
        return formatPattern(pattern, converted, QLocale::system());
    }
}

// LF in a given language rather than the process's: the same formatting, for places
// (and tests) that need a specific language.
template<typename... Args>
QString LFIn(Lang lang, const QString &format, const Args &...args)
{
    return formatWith(translate(format, lang), args...);
}

template<typename... Args>
QString LF(const QString &format, const Args &...args)
{
    return LFIn(appLang(), format, args...);
}

// LF for a counted text: `count` picks the plural form and, when no other arguments are
// given, fills the conversions too: LP(n, "%ld arquivo|%ld arquivos").
template<typename... Args>
QString LPIn(Lang lang, qint64 count, const QString &format, const Args &...args)
{
    const QString pattern = translateCounted(format, lang, count);
    if constexpr (sizeof...(Args) == 0)
        return formatWith(pattern, count);
    else
        return formatWith(pattern, args...);
}

template<typename... Args>
QString LP(qint64 count, const QString &format, const Args &...args)
{
    return LPIn(appLang(), count, format, args...);
}
