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
enum class Lang { en = 0, es = 1, it = 2, fr = 3, de = 4, pt = 5 };

std::optional<Lang> langFromRaw(int raw);

// The first preferred language that the interface speaks, English when none does.
Lang chooseLang(const QStringList &preferredLanguages);

// Chosen once from the system's preferred languages, fixed for the life of the process.
Lang appLang();

// Translates a Portuguese text into `lang`; texts without an entry come back unchanged.
QString translate(const QString &text, Lang lang);

// Number of keys in the translation table, and the key rows themselves, for checking it.
struct TranslationRow
{
    QString key;
    std::array<QString, 5> translations;
};
QList<TranslationRow> translationRows();

QString L(const QString &text);

// One argument of a printf-style format: %ld and %d take whole numbers, %@ takes text.
class FormatArg
{
public:
    template<typename T>
        requires std::is_integral_v<T>
    FormatArg(T value) : m_value(static_cast<qint64>(value)) {}
    FormatArg(const QString &text) : m_value(text) {}
    FormatArg(const char *utf8) : m_value(QString::fromUtf8(utf8)) {}

    QString toString(const QLocale &locale) const;

private:
    std::variant<qint64, QString> m_value;
};

// Fills the conversions of `pattern` left to right with `args`. Numbers follow `locale`
// but are never grouped. A conversion without an argument, or one we do not know, is
// kept as written so that a broken translation shows up instead of crashing.
QString formatPattern(const QString &pattern, std::span<const FormatArg> args, const QLocale &locale);

// LF in a given language rather than the process's: the same formatting, for places
// (and tests) that need a specific language.
template<typename... Args>
QString LFIn(Lang lang, const QString &format, const Args &...args)
{
    if constexpr (sizeof...(Args) == 0) {
        return formatPattern(translate(format, lang), {}, QLocale::system());
    } else {
        const FormatArg converted[] = {FormatArg(args)...};
        return formatPattern(translate(format, lang), converted, QLocale::system());
    }
}

template<typename... Args>
QString LF(const QString &format, const Args &...args)
{
    return LFIn(appLang(), format, args...);
}
