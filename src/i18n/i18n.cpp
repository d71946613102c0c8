#include "i18n.h"

#include "i18n/logging.h"

#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <limits>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

struct LanguageInfo
{
    Lang lang;
    QLatin1StringView code;
    QLatin1StringView tag;
};

constexpr std::array<LanguageInfo, kLanguageCount> kLanguageInfo{{
    {Lang::en, "en"_L1, "en"_L1}, {Lang::es, "es"_L1, "es"_L1},          {Lang::it, "it"_L1, "it"_L1},
    {Lang::fr, "fr"_L1, "fr"_L1}, {Lang::de, "de"_L1, "de"_L1},          {Lang::ja, "ja"_L1, "ja"_L1},
    {Lang::ru, "ru"_L1, "ru"_L1}, {Lang::pl, "pl"_L1, "pl"_L1},          {Lang::nl, "nl"_L1, "nl"_L1},
    {Lang::pt, "pt"_L1, "pt"_L1}, {Lang::zh_CN, "zh_CN"_L1, "zh-CN"_L1}, {Lang::zh_TW, "zh_TW"_L1, "zh-TW"_L1},
    {Lang::ko, "ko"_L1, "ko"_L1}, {Lang::ar, "ar"_L1, "ar"_L1},          {Lang::he, "he"_L1, "he"_L1},
    {Lang::tr, "tr"_L1, "tr"_L1}, {Lang::uk, "uk"_L1, "uk"_L1},          {Lang::cs, "cs"_L1, "cs"_L1},
    {Lang::sv, "sv"_L1, "sv"_L1}, {Lang::id, "id"_L1, "id"_L1},          {Lang::vi, "vi"_L1, "vi"_L1},
    {Lang::hi, "hi"_L1, "hi"_L1}, {Lang::el, "el"_L1, "el"_L1},          {Lang::hu, "hu"_L1, "hu"_L1},
}};

// Indexed by Lang, so each row stands where its language's value says.
constexpr bool inLanguageOrder()
{
    for (size_t i = 0; i < kLanguageInfo.size(); ++i) {
        if (static_cast<size_t>(kLanguageInfo[i].lang) != i || kLanguages[i] != kLanguageInfo[i].lang)
            return false;
    }
    return true;
}
static_assert(inLanguageOrder());

const LanguageInfo &info(Lang lang)
{
    return kLanguageInfo[static_cast<size_t>(lang)];
}

// Every file's messages sit in this one context: the key alone says which text is meant.
constexpr char kContext[] = "Vireloom";

// Each language's compiled file, loaded the first time that language is asked for, so a
// process holds the interface language's texts (and the Portuguese plural forms when a
// counted text lacks a translation) rather than every language's.
const QTranslator *catalogue(Lang lang)
{
    static std::array<std::once_flag, kLanguageCount> once;
    static std::array<const QTranslator *, kLanguageCount> loaded{};
    const auto index = static_cast<size_t>(lang);
    std::call_once(once[index], [lang, index] {
        // Kept until the process ends, like the language itself.
        auto *translator = new QTranslator;
        const QString file = u":/i18n/vireloom_"_s + langCode(lang) + u".qm"_s;
        if (translator->load(file)) {
            loaded[index] = translator;
        } else {
            qCWarning(lcI18n) << "translation file missing:" << file;
            delete translator;
        }
    });
    return loaded[index];
}

// Qt's plural rules take an int. Counts beyond it keep their last digits, which is all the
// rules look at once a number is large.
int countForRules(qint64 count)
{
    quint64 n = count < 0 ? 0 - quint64(count) : quint64(count);
    if (n > quint64(std::numeric_limits<int>::max()))
        n = 1'000'000'000 + n % 1'000'000;
    return int(n);
}

QString lookUp(const char *key, Lang lang, int count)
{
    if (const QTranslator *translator = catalogue(lang))
        return translator->translate(kContext, key, nullptr, count);
    return {};
}

// A sentence of a right-to-left language that opens with a Latin name ("yt-dlp", "HTTP
// 404") would be laid out from the left, the way its first letter runs, and its words would
// come out of order: a right-to-left mark in front gives it its language's direction.
QString inOwnDirection(QString text, Lang lang)
{
    if (!isRightToLeft(lang))
        return text;
    // The conversions' letters are no words: what fills them is a number, or a text that is
    // isolated in these languages.
    static const QRegularExpression conversion(u"%(?:@|l*d)"_s);
    if (QString(text).remove(conversion).isRightToLeft())
        return text;
    const bool hasRightToLeft = std::ranges::any_of(text, [](QChar c) {
        const QChar::Direction d = c.direction();
        return d == QChar::DirR || d == QChar::DirAL;
    });
    return hasRightToLeft ? QChar(0x200F) + text : text;
}

QString counted(const QByteArray &key, Lang lang, qint64 count)
{
    // A text without forms has one translation, whatever the count.
    if (!key.contains('|'))
        return translate(key.constData(), lang);
    const int n = countForRules(count);
    if (lang != Lang::pt) {
        if (QString found = lookUp(key.constData(), lang, n); !found.isNull())
            return inOwnDirection(found, lang);
    }
    if (QString found = lookUp(key.constData(), Lang::pt, n); !found.isNull())
        return found;
    // A counted text newer than the files: its general form, until the files are updated.
    const QString text = QString::fromUtf8(key);
    return text.sliced(text.lastIndexOf(kPluralSeparator) + 1);
}

} // namespace

Lang chooseLang(const QStringList &preferredLanguages)
{
    for (const QString &entry : preferredLanguages) {
        const QStringList subtags = entry.toLower().replace(u'_', u'-').split(u'-', Qt::SkipEmptyParts);
        if (subtags.isEmpty())
            continue;
        QString language = subtags.first();
        // Codes older systems still hand out for Hebrew and Indonesian.
        if (language == "iw"_L1)
            language = u"he"_s;
        else if (language == "in"_L1)
            language = u"id"_s;
        if (language == "zh"_L1) {
            const QStringList rest = subtags.sliced(1);
            if (rest.contains("hans"_L1))
                return Lang::zh_CN;
            const bool traditional = rest.contains("hant"_L1) || rest.contains("tw"_L1) || rest.contains("hk"_L1) || rest.contains("mo"_L1);
            return traditional ? Lang::zh_TW : Lang::zh_CN;
        }
        for (const LanguageInfo &known : kLanguageInfo) {
            if (language == known.code)
                return known.lang;
        }
    }
    return Lang::en;
}

Lang appLang()
{
    static const Lang lang = chooseLang(QLocale::system().uiLanguages());
    return lang;
}

QString langCode(Lang lang)
{
    return info(lang).code;
}

QString langTag(Lang lang)
{
    return info(lang).tag;
}

bool isRightToLeft(Lang lang)
{
    return lang == Lang::ar || lang == Lang::he;
}

QString translate(const char *text, Lang lang)
{
    if (lang != Lang::pt) {
        if (QString found = lookUp(text, lang, -1); !found.isNull())
            return inOwnDirection(found, lang);
    }
    return QString::fromUtf8(text);
}

QString translate(const QString &text, Lang lang)
{
    if (lang == Lang::pt)
        return text;
    QString found = lookUp(text.toUtf8().constData(), lang, -1);
    return found.isNull() ? text : inOwnDirection(found, lang);
}

QString translateCounted(const char *text, Lang lang, qint64 count)
{
    return counted(QByteArray(text), lang, count);
}

QString translateCounted(const QString &text, Lang lang, qint64 count)
{
    return counted(text.toUtf8(), lang, count);
}

QString L(const QString &text)
{
    return translate(text, appLang());
}

QString L(const char *text)
{
    return translate(text, appLang());
}

QString FormatArg::toString(const QLocale &locale) const
{
    if (const auto *number = std::get_if<qint64>(&m_value)) {
        QLocale ungrouped = locale;
        ungrouped.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
        return ungrouped.toString(*number);
    }
    return std::get<QString>(m_value);
}

QString formatPattern(const QString &pattern, std::span<const FormatArg> args, const QLocale &locale, TextArguments text)
{
    QString result;
    result.reserve(pattern.size() + 16);
    size_t nextArg = 0;
    const qsizetype size = pattern.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = pattern[i];
        if (c != u'%' || i + 1 >= size) {
            result += c;
            continue;
        }
        if (pattern[i + 1] == u'%') {
            result += u'%';
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (pattern[end] == u'@') {
            ++end;
        } else {
            while (end < size && pattern[end] == u'l')
                ++end;
            if (end < size && (pattern[end] == u'd' || pattern[end] == u'i'))
                ++end;
            else
                end = i + 1; // not a conversion we know
        }
        if (end == i + 1) {
            result += c;
            continue;
        }
        if (nextArg < args.size()) {
            const FormatArg &arg = args[nextArg++];
            if (text == TextArguments::isolated && arg.isText())
                result += kFirstStrongIsolate + arg.toString(locale) + kPopDirectionalIsolate;
            else
                result += arg.toString(locale);
        } else {
            result += QStringView(pattern).sliced(i, end - i);
        }
        i = end - 1;
    }
    return result;
}

QString formatIn(Lang lang, const QString &pattern, std::span<const FormatArg> args)
{
    return formatPattern(pattern, args, QLocale::system(), isRightToLeft(lang) ? TextArguments::isolated : TextArguments::asGiven);
}
