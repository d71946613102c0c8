#include "downloadoptions.h"

#include "i18n/i18n.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QLatin1StringView kSection("section");
const QLatin1StringView kStart("start");
const QLatin1StringView kEnd("end");
const QLatin1StringView kSplitChapters("splitChapters");
const QLatin1StringView kSponsorBlock("sponsorBlock");
const QLatin1StringView kSponsorCategories("sponsorCategories");
const QLatin1StringView kSubtitles("subtitles");
const QLatin1StringView kSubLangs("subLangs");
const QLatin1StringView kRateLimit("rateLimit");
const QLatin1StringView kAudioLanguage("audioLanguage");
const QLatin1StringView kFormatId("formatId");
const QLatin1StringView kFormatLabel("formatLabel");
const QLatin1StringView kOutputPattern("outputPattern");
const QLatin1StringView kPlaylistItems("playlistItems");
const QLatin1StringView kIgnoreArchive("ignoreArchive");
const QLatin1StringView kFolder("folder");
const QLatin1StringView kCopy("copy");
const QLatin1StringView kListedTitle("listedTitle");

// A week is more than any media a time range is cut from; a larger number is a typo.
constexpr double kLongestMedia = 24 * 3600.0 * 7;
// More copies of one file than anybody keeps; a stored number past it was not written here.
constexpr double kMaxCopy = 9999;

bool isWhole(double number)
{
    return std::isfinite(number) && number == std::trunc(number);
}

bool hasControl(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

QString insideFolder()
{
    return L("O nome precisa ficar dentro da pasta de downloads.");
}

QString malformedField()
{
    return L(
        "Escreva um campo com %( e )s em volta do nome, como em %(title)s. Nomes que você pode usar: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.");
}

} // namespace

QJsonObject DownloadOptions::toJson() const
{
    QJsonObject json;
    if (section) {
        QJsonObject range{{kStart, section->start}};
        if (section->end)
            range.insert(kEnd, *section->end);
        json.insert(kSection, range);
    }
    if (splitChapters)
        json.insert(kSplitChapters, true);
    if (sponsorBlock != SponsorBlock::off) {
        json.insert(kSponsorBlock, OptionCheck::sponsorModeName(sponsorBlock));
        json.insert(kSponsorCategories, QJsonArray::fromStringList(sponsorCategories));
    }
    if (subtitles)
        json.insert(kSubtitles, *subtitles);
    if (subLangs)
        json.insert(kSubLangs, *subLangs);
    if (rateLimit)
        json.insert(kRateLimit, *rateLimit);
    if (audioLanguage)
        json.insert(kAudioLanguage, *audioLanguage);
    if (formatId)
        json.insert(kFormatId, *formatId);
    if (formatLabel)
        json.insert(kFormatLabel, *formatLabel);
    if (outputPattern)
        json.insert(kOutputPattern, *outputPattern);
    if (!playlistItems.isEmpty()) {
        QJsonArray items;
        for (const int position : playlistItems)
            items.append(position);
        json.insert(kPlaylistItems, items);
    }
    if (ignoreArchive)
        json.insert(kIgnoreArchive, true);
    if (folder)
        json.insert(kFolder, *folder);
    if (copy > 0)
        json.insert(kCopy, copy);
    if (listedTitle)
        json.insert(kListedTitle, *listedTitle);
    return json;
}

std::optional<DownloadOptions> DownloadOptions::fromJson(const QJsonObject &json)
{
    DownloadOptions options;
    bool ok = true;
    const auto optionalText = [&](QLatin1StringView key) -> std::optional<QString> {
        const QJsonValue value = json.value(key);
        if (value.isUndefined())
            return std::nullopt;
        ok = ok && value.isString();
        return value.toString();
    };
    const auto flag = [&](QLatin1StringView key) {
        const QJsonValue value = json.value(key);
        ok = ok && (value.isUndefined() || value.isBool());
        return value.toBool();
    };

    if (const QJsonValue value = json.value(kSection); !value.isUndefined()) {
        const QJsonObject range = value.toObject();
        const QJsonValue start = range.value(kStart);
        const QJsonValue end = range.value(kEnd);
        ok = ok && value.isObject() && start.isDouble() && (end.isUndefined() || end.isDouble());
        options.section = TimeRange{start.toDouble(), end.isDouble() ? std::optional(end.toDouble()) : std::nullopt};
    }
    options.splitChapters = flag(kSplitChapters);
    if (const auto mode = optionalText(kSponsorBlock)) {
        const auto parsed = OptionCheck::sponsorModeFrom(*mode);
        ok = ok && parsed.has_value();
        options.sponsorBlock = parsed.value_or(SponsorBlock::off);
        const QJsonValue categories = json.value(kSponsorCategories);
        ok = ok && categories.isArray();
        for (const QJsonValue &category : categories.toArray()) {
            ok = ok && category.isString();
            options.sponsorCategories << category.toString();
        }
    }
    if (const QJsonValue value = json.value(kSubtitles); !value.isUndefined()) {
        ok = ok && value.isBool();
        options.subtitles = value.toBool();
    }
    options.subLangs = optionalText(kSubLangs);
    if (const QJsonValue value = json.value(kRateLimit); !value.isUndefined()) {
        // 0 lifts the settings' limit for this download.
        ok = ok && value.isDouble() && isWhole(value.toDouble()) && value.toDouble() >= 0 && value.toDouble() < 1e15;
        options.rateLimit = static_cast<qint64>(value.toDouble());
    }
    options.outputPattern = optionalText(kOutputPattern);
    options.audioLanguage = optionalText(kAudioLanguage);
    options.formatId = optionalText(kFormatId);
    options.formatLabel = optionalText(kFormatLabel);
    if (const QJsonValue value = json.value(kPlaylistItems); !value.isUndefined()) {
        ok = ok && value.isArray();
        for (const QJsonValue &position : value.toArray()) {
            const double number = position.toDouble(-1);
            ok = ok && isWhole(number) && number >= 1 && number <= 1e9
                 && (options.playlistItems.isEmpty() || number > options.playlistItems.last());
            options.playlistItems << static_cast<int>(number);
        }
    }
    options.ignoreArchive = flag(kIgnoreArchive);
    if (const QJsonValue value = json.value(kCopy); !value.isUndefined()) {
        ok = ok && value.isDouble() && isWhole(value.toDouble()) && value.toDouble() >= 2 && value.toDouble() <= kMaxCopy;
        options.copy = static_cast<int>(value.toDouble());
    }
    options.folder = optionalText(kFolder);
    if (options.folder)
        ok = ok && !OptionCheck::folderProblem(*options.folder);
    options.listedTitle = optionalText(kListedTitle);

    if (!ok || OptionCheck::problem(options))
        return std::nullopt;
    return options;
}

namespace OptionCheck {

QString sponsorModeName(DownloadOptions::SponsorBlock mode)
{
    switch (mode) {
    case DownloadOptions::SponsorBlock::mark:
        return u"mark"_s;
    case DownloadOptions::SponsorBlock::remove:
        return u"remove"_s;
    case DownloadOptions::SponsorBlock::off:
        break;
    }
    return u"off"_s;
}

std::optional<DownloadOptions::SponsorBlock> sponsorModeFrom(QStringView name)
{
    if (name == u"off")
        return DownloadOptions::SponsorBlock::off;
    if (name == u"mark")
        return DownloadOptions::SponsorBlock::mark;
    if (name == u"remove")
        return DownloadOptions::SponsorBlock::remove;
    return std::nullopt;
}

const QStringList &sponsorCategories(DownloadOptions::SponsorBlock mode)
{
    static const QStringList removable{u"sponsor"_s, u"intro"_s,  u"outro"_s,       u"selfpromo"_s,
                                       u"preview"_s, u"filler"_s, u"interaction"_s, u"music_offtopic"_s};
    static const QStringList markable = removable + QStringList{u"poi_highlight"_s, u"chapter"_s};
    return mode == DownloadOptions::SponsorBlock::mark ? markable : removable;
}

std::optional<double> parseTimecode(QStringView text)
{
    text = text.trimmed();
    const QList<QStringView> parts = text.split(u':');
    if (text.isEmpty() || parts.size() > 3)
        return std::nullopt;
    double seconds = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringView part = parts[i];
        const bool last = i == parts.size() - 1;
        // Only the seconds may carry a fraction; signs, exponents and spaces are not times.
        const bool digitsOnly =
            !part.isEmpty() && std::all_of(part.begin(), part.end(), [last](QChar c) { return c.isDigit() || (last && c == u'.'); });
        bool ok = false;
        const double value = part.toDouble(&ok);
        if (!digitsOnly || !ok || part.count(u'.') > 1 || (i > 0 && value >= 60))
            return std::nullopt;
        seconds = seconds * 60 + value;
    }
    return seconds;
}

QString formatTimecode(double seconds)
{
    const qint64 whole = static_cast<qint64>(seconds);
    const double fraction = seconds - static_cast<double>(whole);
    QString text = whole >= 3600
                       ? u"%1:%2:%3"_s.arg(whole / 3600).arg(whole / 60 % 60, 2, 10, QChar(u'0')).arg(whole % 60, 2, 10, QChar(u'0'))
                       : u"%1:%2"_s.arg(whole / 60).arg(whole % 60, 2, 10, QChar(u'0'));
    if (fraction >= 0.0005)
        text += QString::number(fraction, 'f', 3).mid(1).remove(QRegularExpression(u"0+$"_s));
    return text;
}

std::optional<QString> timeRangeProblem(const DownloadOptions::TimeRange &range)
{
    const bool startOk = std::isfinite(range.start) && range.start >= 0 && range.start < kLongestMedia;
    const bool endOk = !range.end || (std::isfinite(*range.end) && *range.end > range.start && *range.end <= kLongestMedia);
    if (startOk && endOk)
        return std::nullopt;
    return L("O início precisa vir antes do fim.");
}

// Comma-separated patterns of the engine's own syntax. A leading exclusion excludes
// nothing yet, so a list never starts with "-" and can never pass for an option.
std::optional<QString> subLangsProblem(QStringView langs)
{
    static const QString allowed = u"._-*+?^$|()[]"_s;
    const QList<QStringView> patterns = langs.split(u',');
    const bool ok = !langs.isEmpty() && !langs.startsWith(u'-') && std::all_of(patterns.begin(), patterns.end(), [](QStringView p) {
        return !p.isEmpty() && p != u"-" && std::all_of(p.begin(), p.end(), [](QChar c) {
            return (c.isLetterOrNumber() && c.unicode() < 0x80) || allowed.contains(c);
        });
    });
    if (ok)
        return std::nullopt;
    return L("Use códigos de idioma separados por vírgula, como en.*,pt.");
}

std::optional<QString> categoriesProblem(DownloadOptions::SponsorBlock mode, const QStringList &categories)
{
    if (mode == DownloadOptions::SponsorBlock::off)
        return std::nullopt;
    const QStringList &known = sponsorCategories(mode);
    QStringList distinct = categories;
    if (categories.isEmpty() || !std::all_of(categories.begin(), categories.end(), [&](const QString &c) { return known.contains(c); })
        || distinct.removeDuplicates() != 0)
        return L("Escolha ao menos uma categoria.");
    return std::nullopt;
}

std::optional<QString> proxyProblem(QStringView proxy)
{
    static const QStringList schemes{u"http"_s, u"https"_s, u"socks4"_s, u"socks4a"_s, u"socks5"_s, u"socks5h"_s};
    const QUrl url(proxy.toString(), QUrl::StrictMode);
    const bool ok = url.isValid() && schemes.contains(url.scheme()) && !url.host().isEmpty() && !hasControl(proxy) && !proxy.contains(u' ')
                    && (url.path().isEmpty() || url.path() == u"/") && !url.hasQuery() && !url.hasFragment();
    if (ok)
        return std::nullopt;
    return L("Use um endereço como socks5://127.0.0.1:1080 ou http://proxy:8080.");
}

std::optional<QString> cookiesFileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.isAbsolute() && info.isFile() && info.isReadable() && !hasControl(path))
        return std::nullopt;
    return L("O arquivo de cookies não existe ou não pode ser lido.");
}

std::optional<QString> folderProblem(const QString &path)
{
    if (!QFileInfo(path).isAbsolute() || hasControl(path))
        return L("A pasta precisa ser um caminho absoluto, sem caracteres de controle.");
    // What os.path.expandvars replaces on POSIX: "$" before an ASCII word character or "{".
    static const QRegularExpression variable(u"\\$[A-Za-z0-9_{]"_s);
    if (variable.match(path).hasMatch() || path.trimmed() != path)
        return L(
            "O yt-dlp leria este caminho de outro jeito (troca “$nome” por variáveis e corta espaços nas pontas): escolha outra pasta.");
    return std::nullopt;
}

std::optional<QString> pauseProblem(double seconds)
{
    if (std::isfinite(seconds) && seconds >= 0 && seconds <= longestPause)
        return std::nullopt;
    return L("Use um número de segundos entre 0 e 600.");
}

// yt-dlp reads the pattern three ways before it fills in a name: a leading "word:" (or
// "WORD,other:", in any case) picks one of its other templates, "~" and "$NAME" are
// expanded to paths from the environment, and a literal "/" or ".." in the text is a
// folder like any other. Field values are safe on their own (a "/" in a title becomes
// "⧸"), except that a value may be "..": folder parts may therefore only hold plain
// fields printed as they are ("%(title)s"), which the command line keeps from taking
// such a value. Any other conversion can make dots of what was not: a cut ("%(title).1s"
// of ".x", twice) or a normalisation ("%(title)+U" of "‥").
OutputPattern checkOutputPattern(QStringView pattern)
{
    OutputPattern result;
    const auto refuse = [&result](const QString &why) {
        result.problem = why;
        result.folderFields.clear();
        return result;
    };
    if (pattern.trimmed().isEmpty())
        return refuse(L("O nome não pode ficar vazio."));
    static const QRegularExpression typePrefix(u"^\\s*\\w+(?:\\s*,\\s*\\w+)*\\s*:"_s);
    if (pattern.startsWith(u'/') || pattern.startsWith(u'~') || pattern.startsWith(u'-') || pattern.contains(u'$') || hasControl(pattern)
        || typePrefix.match(pattern).hasMatch())
        return refuse(insideFolder());

    // Literal text of the current folder part, and whether a field stands in it.
    QString literal;
    QStringList fieldsHere;
    const auto endPart = [&](bool folder) -> bool {
        // Fields never read as dots alone, so only a part without any can name "." or "..".
        if (fieldsHere.isEmpty() && (literal.isEmpty() || literal == u"." || literal == u".."))
            return false;
        if (folder)
            result.folderFields << fieldsHere;
        literal.clear();
        fieldsHere.clear();
        return true;
    };

    static const QRegularExpression conversion(u"^[-#0+ ]*\\d*(?:\\.\\d+)?[diouxXeEfFgGcrsaBlSjhqDU]"_s);
    static const QRegularExpression plainField(u"^([A-Za-z_][A-Za-z0-9_]*(?:,[A-Za-z_][A-Za-z0-9_]*)*)(?:\\|([^%()/]*))?$"_s);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'/') {
            if (!endPart(true))
                return refuse(insideFolder());
            continue;
        }
        if (c != u'%') {
            literal += c;
            continue;
        }
        if (pattern.sliced(i).startsWith(u"%%")) {
            literal += u'%';
            ++i;
            continue;
        }
        if (i + 1 >= pattern.size() || pattern[i + 1] != u'(')
            return refuse(malformedField());
        // The key ends at the parenthesis that closes the one after "%".
        qsizetype depth = 0;
        qsizetype close = -1;
        for (qsizetype j = i + 1; j < pattern.size(); ++j) {
            if (pattern[j] == u'(')
                ++depth;
            else if (pattern[j] == u')' && --depth == 0) {
                close = j;
                break;
            }
        }
        if (close < 0)
            return refuse(malformedField());
        const auto format = conversion.match(pattern.sliced(close + 1));
        if (!format.hasMatch())
            return refuse(malformedField());
        const QStringView key = pattern.sliced(i + 2, close - i - 2);
        if (key.isEmpty())
            return refuse(malformedField());
        // Folder parts are only known once their "/" comes; keep what a plain field names,
        // and mark anything else so that a later "/" refuses it.
        const auto plain = plainField.match(key);
        if (!plain.hasMatch() || format.captured() != u"s")
            fieldsHere << QString();
        else
            fieldsHere << plain.captured(1).split(u',');
        i = close + format.capturedLength();
    }
    if (!endPart(false))
        return refuse(insideFolder());
    if (result.folderFields.contains(QString()))
        return refuse(malformedField());
    if (!pattern.endsWith(u".%(ext)s"))
        return refuse(L("O nome precisa terminar em .%(ext)s."));
    result.folderFields.removeDuplicates();
    return result;
}

QString playlistItemsArg(const QList<int> &positions)
{
    QStringList runs;
    for (qsizetype i = 0; i < positions.size();) {
        qsizetype j = i;
        while (j + 1 < positions.size() && positions[j + 1] == positions[j] + 1)
            ++j;
        runs << (j > i ? u"%1:%2"_s.arg(positions[i]).arg(positions[j]) : QString::number(positions[i]));
        i = j + 1;
    }
    return runs.join(u',');
}

std::optional<QString> problem(const DownloadOptions &options)
{
    if (options.section) {
        if (auto why = timeRangeProblem(*options.section))
            return why;
        // The engine splits a cut by the chapters of the whole video: parts past the cut
        // come out as near-empty files and the others at the wrong times.
        if (options.splitChapters)
            return L("Dividir em capítulos não funciona junto com um trecho de tempo: escolha um dos dois.");
    }
    if (auto why = categoriesProblem(options.sponsorBlock, options.sponsorCategories))
        return why;
    if (options.subLangs) {
        if (auto why = subLangsProblem(*options.subLangs))
            return why;
    }
    if (options.audioLanguage) {
        if (auto why = languageCodeProblem(*options.audioLanguage))
            return why;
    }
    if (options.formatId && !isFormatId(*options.formatId))
        return L("Escolha o formato outra vez na lista.");
    if (options.rateLimit && (*options.rateLimit < 0 || *options.rateLimit >= kLargestRate))
        return L("Use um limite como 500K ou 2M (bytes por segundo).");
    if (options.outputPattern) {
        if (auto why = checkOutputPattern(*options.outputPattern).problem)
            return why;
    }
    const auto &items = options.playlistItems;
    if (!items.isEmpty()
        && (items.first() < 1 || !std::is_sorted(items.begin(), items.end()) || std::adjacent_find(items.begin(), items.end()) != items.end()))
        return L("Escolha ao menos um item da playlist.");
    return std::nullopt;
}

bool isLanguageCode(QStringView code)
{
    static const QRegularExpression tag(u"^[A-Za-z]{2,3}(-[A-Za-z0-9]{1,8}){0,2}$"_s);
    return tag.match(code).hasMatch();
}

bool isFormatId(QStringView id)
{
    static const QRegularExpression ids(u"^[A-Za-z0-9_.=-]{1,80}(\\+[A-Za-z0-9_.=-]{1,80})?$"_s);
    return ids.match(id).hasMatch();
}

std::optional<QString> languageCodeProblem(QStringView code)
{
    if (isLanguageCode(code))
        return std::nullopt;
    return L("Use um código de idioma como en, de ou pt-BR.");
}

std::optional<qint64> parseRate(QStringView text)
{
    // "2M", "2 MB", "2 MB/s", "1.5m", "500K", "800": as yt-dlp reads a rate, in steps of 1024.
    static const QRegularExpression rate(u"^(\\d+(?:[.,]\\d+)?)\\s*(?:([KkMmGg])i?)?\\s*(?:[Bb])?\\s*(?:/\\s*s)?$"_s);
    const auto match = rate.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QString unit = match.captured(2).toUpper();
    const double scale = unit == u"K" ? 1024.0 : unit == u"M" ? 1024.0 * 1024 : unit == u"G" ? 1024.0 * 1024 * 1024 : 1.0;
    const double bytes = std::round(match.captured(1).replace(u',', u'.').toDouble() * scale);
    if (bytes < 0 || bytes >= kLargestRate)
        return std::nullopt;
    return static_cast<qint64>(bytes);
}

QString formatRate(qint64 bytesPerSecond)
{
    // In the same steps of 1024 the field reads, so that "2M" comes back as "2 MB/s".
    const auto shown = [](double value, const char *unit) {
        const double rounded = std::round(value * 10) / 10;
        return QLocale().toString(rounded, 'f', rounded == std::trunc(rounded) ? 0 : 1) + u' ' + QLatin1StringView(unit);
    };
    const double value = static_cast<double>(bytesPerSecond);
    if (value >= 1024.0 * 1024 * 1024)
        return shown(value / (1024.0 * 1024 * 1024), "GB/s");
    if (value >= 1024.0 * 1024)
        return shown(value / (1024.0 * 1024), "MB/s");
    if (value >= 1024.0)
        return shown(value / 1024.0, "KB/s");
    return QString::number(bytesPerSecond) + u" B/s"_s;
}

} // namespace OptionCheck
