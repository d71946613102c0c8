#include "i18n.h"

#include "i18n/logging.h"

#include <QFile>
#include <QHash>
#include <QLoggingCategory>

#include <algorithm>

namespace {

constexpr std::array<std::pair<QLatin1StringView, Lang>, kTranslationColumns + 1> kLanguageCodes{{
    {QLatin1StringView("pt"), Lang::pt},
    {QLatin1StringView("en"), Lang::en},
    {QLatin1StringView("es"), Lang::es},
    {QLatin1StringView("it"), Lang::it},
    {QLatin1StringView("fr"), Lang::fr},
    {QLatin1StringView("de"), Lang::de},
    {QLatin1StringView("ja"), Lang::ja},
    {QLatin1StringView("ru"), Lang::ru},
    {QLatin1StringView("pl"), Lang::pl},
    {QLatin1StringView("nl"), Lang::nl},
}};

QString unescapeCell(QStringView cell)
{
    QString text = cell.toString();
    text.replace(QLatin1StringView("\\n"), QLatin1StringView("\n"));
    return text;
}

struct Table
{
    QList<TranslationRow> rows;
    QHash<QString, qsizetype> index;
};

// The table is a tab-separated file whose header names the language of each column,
// so a reordered file still reads right. Rows that do not have a cell per language are left
// out and reported, rather than shifting a language into the wrong column.
Table loadTable()
{
    Table table;
    QFile file(QStringLiteral(":/i18n/translations.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcI18n) << "translation table missing:" << file.errorString();
        return table;
    }
    const QString content = QString::fromUtf8(file.readAll());
    const QStringList lines = content.split(u'\n');
    if (lines.isEmpty())
        return table;

    const QStringList header = lines.first().trimmed().split(u'\t');
    qsizetype keyColumn = -1;
    std::array<qsizetype, kTranslationColumns> columns;
    columns.fill(-1);
    for (qsizetype c = 0; c < header.size(); ++c) {
        for (const auto &[code, lang] : kLanguageCodes) {
            if (header[c] != code)
                continue;
            if (lang == Lang::pt)
                keyColumn = c;
            else
                columns[static_cast<size_t>(lang)] = c;
        }
    }
    if (keyColumn < 0 || std::ranges::find(columns, -1) != columns.end()) {
        qCWarning(lcI18n) << "translation table header lacks a language:" << lines.first();
        return table;
    }

    for (qsizetype n = 1; n < lines.size(); ++n) {
        QStringView line(lines[n]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QList<QStringView> cells = line.split(u'\t');
        if (cells.size() != header.size()) {
            qCWarning(lcI18n) << "translation table line" << n + 1 << "has" << cells.size() << "cells";
            continue;
        }
        TranslationRow row;
        row.key = unescapeCell(cells[keyColumn]);
        for (size_t lang = 0; lang < columns.size(); ++lang)
            row.translations[lang] = unescapeCell(cells[columns[lang]]);
        if (table.index.contains(row.key)) {
            qCWarning(lcI18n) << "translation table repeats the key" << row.key;
            continue;
        }
        table.index.insert(row.key, table.rows.size());
        table.rows.append(std::move(row));
    }
    return table;
}

const Table &table()
{
    static const Table loaded = loadTable();
    return loaded;
}

} // namespace

Lang chooseLang(const QStringList &preferredLanguages)
{
    for (const QString &entry : preferredLanguages) {
        const QString prefix = entry.left(2).toLower();
        for (const auto &[code, lang] : kLanguageCodes) {
            if (prefix == code)
                return lang;
        }
    }
    return Lang::en;
}

Lang appLang()
{
    static const Lang lang = chooseLang(QLocale::system().uiLanguages());
    return lang;
}

namespace {

// The translation, or the Portuguese key when there is none, with the language it is in.
std::pair<QString, Lang> lookUp(const QString &text, Lang lang)
{
    if (lang == Lang::pt)
        return {text, Lang::pt};
    const Table &t = table();
    const auto found = t.index.constFind(text);
    if (found == t.index.constEnd())
        return {text, Lang::pt};
    const QString &translated = t.rows[*found].translations[static_cast<size_t>(lang)];
    if (translated.isEmpty())
        return {text, Lang::pt};
    return {translated, lang};
}

} // namespace

QString translate(const QString &text, Lang lang)
{
    return lookUp(text, lang).first;
}

int pluralFormCount(Lang lang)
{
    switch (lang) {
    case Lang::ja:
        return 1;
    case Lang::ru:
    case Lang::pl:
        return 3;
    default:
        return 2;
    }
}

int pluralForm(Lang lang, qint64 count)
{
    const quint64 n = count < 0 ? 0 - quint64(count) : quint64(count);
    const quint64 units = n % 10;
    const quint64 tens = n % 100;
    const bool fewEnding = units >= 2 && units <= 4 && !(tens >= 12 && tens <= 14);
    switch (lang) {
    case Lang::ja:
        return 0;
    case Lang::ru:
        if (units == 1 && tens != 11)
            return 0;
        return fewEnding ? 1 : 2;
    case Lang::pl:
        if (n == 1)
            return 0;
        return fewEnding ? 1 : 2;
    case Lang::fr:
    case Lang::pt:
        return n <= 1 ? 0 : 1;
    default:
        return n == 1 ? 0 : 1;
    }
}

QString translateCounted(const QString &text, Lang lang, qint64 count)
{
    const auto [translated, writtenIn] = lookUp(text, lang);
    const QList<QStringView> forms = QStringView(translated).split(kPluralSeparator);
    // A text with too few forms falls back to its last one rather than to nothing.
    const qsizetype form = std::min<qsizetype>(pluralForm(writtenIn, count), forms.size() - 1);
    return forms[form].toString();
}

QList<TranslationRow> translationRows()
{
    return table().rows;
}

QString L(const QString &text)
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

QString formatPattern(const QString &pattern, std::span<const FormatArg> args, const QLocale &locale)
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
        if (nextArg < args.size())
            result += args[nextArg++].toString(locale);
        else
            result += QStringView(pattern).sliced(i, end - i);
        i = end - 1;
    }
    return result;
}

QString langCode(Lang lang)
{
    for (const auto &[code, known] : kLanguageCodes) {
        if (known == lang)
            return code;
    }
    return QStringLiteral("en");
}
