#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <type_traits>
#include <variant>

// The interface languages. Portuguese is the language the texts are written in: its text
// is the key every other language's file is looked up by.
enum class Lang {
    en,
    es,
    it,
    fr,
    de,
    ja,
    ru,
    pl,
    nl,
    pt,
    zh_CN,
    zh_TW,
    ko,
    ar,
    he,
    tr,
    uk,
    cs,
    sv,
    id,
    vi,
    hi,
    el,
    hu,
};
inline constexpr size_t kLanguageCount = 24;
inline constexpr std::array<Lang, kLanguageCount> kLanguages{Lang::en, Lang::es, Lang::it, Lang::fr, Lang::de,    Lang::ja,
                                                             Lang::ru, Lang::pl, Lang::nl, Lang::pt, Lang::zh_CN, Lang::zh_TW,
                                                             Lang::ko, Lang::ar, Lang::he, Lang::tr, Lang::uk,    Lang::cs,
                                                             Lang::sv, Lang::id, Lang::vi, Lang::hi, Lang::el,    Lang::hu};

// The first preferred language that the interface speaks, English when none does. Chinese
// written in traditional characters (zh-Hant, or zh from Taiwan, Hong Kong or Macau) gets
// zh_TW, any other Chinese zh_CN.
Lang chooseLang(const QStringList &preferredLanguages);

// Chosen once from the system's preferred languages, fixed for the life of the process.
Lang appLang();

// The language's code as its translation file is named: "pt", "zh_TW".
QString langCode(Lang lang);
// The same as a language tag, the way sites and yt-dlp name languages: "pt", "zh-TW".
QString langTag(Lang lang);
// Arabic and Hebrew are written from right to left, and the window is mirrored for them.
bool isRightToLeft(Lang lang);

// Translates a Portuguese text into `lang`; texts without a translation come back unchanged.
// Only the files of the languages asked for are loaded, each the first time it is needed.
QString translate(const QString &text, Lang lang);
QString translate(const char *text, Lang lang);

// `L("Baixar")`: the text in the interface language. Call sites pass the Portuguese text as
// a plain literal, which is what lupdate reads them by; a text from a table is marked where
// it is written with QT_TRID_NOOP.
QString L(const QString &text);
QString L(const char *text);

// A counted text's key holds its Portuguese forms separated by '|', singular first:
// "%ld arquivo|%ld arquivos". Each language's file holds the forms Qt's plural rule for
// that language chooses from.
inline constexpr QChar kPluralSeparator = u'|';

// Translates a counted text into `lang` and keeps the form that `count` takes there. When
// the language has no translation, the Portuguese forms are chosen by the Portuguese rule.
QString translateCounted(const QString &text, Lang lang, qint64 count);
QString translateCounted(const char *text, Lang lang, qint64 count);

// Unicode's first-strong isolate and its closing mark: text from outside put between them
// keeps its own direction inside a sentence of the other direction (a Latin title in
// Hebrew), and does not turn the sentence's own direction round when it comes first.
inline constexpr QChar kFirstStrongIsolate = QChar(0x2068);
inline constexpr QChar kPopDirectionalIsolate = QChar(0x2069);

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
    bool isText() const { return std::holds_alternative<QString>(m_value); }

private:
    std::variant<qint64, QString> m_value;
};

enum class TextArguments { asGiven, isolated };

// Fills the conversions of `pattern` left to right with `args`. Numbers follow `locale`
// but are never grouped; text arguments are wrapped in isolates when asked. A conversion
// without an argument, or one we do not know, is kept as written so that a broken
// translation shows up instead of crashing.
QString formatPattern(const QString &pattern, std::span<const FormatArg> args, const QLocale &locale,
                      TextArguments text = TextArguments::asGiven);

// formatPattern for a pattern in `lang`: in a right-to-left language the text arguments
// (titles, paths, sizes, messages from outside) are isolated.
QString formatIn(Lang lang, const QString &pattern, std::span<const FormatArg> args);

template<typename... Args>
QString formatWith(Lang lang, const QString &pattern, const Args &...args)
{
    if constexpr (sizeof...(Args) == 0) {
        return formatIn(lang, pattern, {});
    } else {
        const FormatArg converted[] = {FormatArg(args)...};
        return formatIn(lang, pattern, converted);
    }
}

// LF in a given language rather than the process's: the same formatting, for places
// (and tests) that need a specific language.
template<typename Text, typename... Args>
QString LFIn(Lang lang, const Text &format, const Args &...args)
{
    return formatWith(lang, translate(format, lang), args...);
}

template<typename... Args>
QString LF(const QString &format, const Args &...args)
{
    return LFIn(appLang(), format, args...);
}

template<typename... Args>
QString LF(const char *format, const Args &...args)
{
    return LFIn(appLang(), format, args...);
}

// LF for a counted text: `count` picks the form and, when no other arguments are given,
// fills the conversions too: LP("%ld arquivo|%ld arquivos", n). The text comes first, as
// in qtTrId, so that lupdate finds it.
template<typename Text, typename... Args>
QString LPIn(Lang lang, const Text &format, qint64 count, const Args &...args)
{
    const QString pattern = translateCounted(format, lang, count);
    if constexpr (sizeof...(Args) == 0)
        return formatWith(lang, pattern, count);
    else
        return formatWith(lang, pattern, args...);
}

template<typename... Args>
QString LP(const QString &format, qint64 count, const Args &...args)
{
    return LPIn(appLang(), format, count, args...);
}

template<typename... Args>
QString LP(const char *format, qint64 count, const Args &...args)
{
    return LPIn(appLang(), format, count, args...);
}
