#include "downloadoptionsform.h"

#include "i18n/i18n.h"

#include <QHash>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

using Mode = DownloadOptions::SponsorBlock;

// The name a download gets when no pattern is typed, with the sample it is shown for.
const QString kDefaultPattern = u"%(title).180B.%(ext)s"_s;

QJsonObject sampleMetadata()
{
    return {{u"title"_s, L(u"Título do vídeo"_s)},
            {u"id"_s, u"a1b2c3"_s},
            {u"ext"_s, u"mp4"_s},
            {u"uploader"_s, L(u"Canal"_s)},
            {u"upload_date"_s, u"20240131"_s},
            {u"height"_s, 1080},
            {u"resolution"_s, u"1920x1080"_s},
            {u"playlist_index"_s, 1},
            {u"playlist_title"_s, u"Playlist"_s}};
}

} // namespace

QString DownloadOptionsForm::sponsorMode() const
{
    return OptionCheck::sponsorModeName(m_sponsor);
}

void DownloadOptionsForm::setSponsorMode(const QString &mode)
{
    const Mode next = OptionCheck::sponsorModeFrom(mode).value_or(Mode::off);
    if (next == m_sponsor)
        return;
    m_sponsor = next;
    // Categories only marking knows cannot be cut out; turning blocking on starts with sponsors.
    const QStringList &known = OptionCheck::sponsorCategories(next);
    m_categories.removeIf([&known](const QString &c) { return !known.contains(c); });
    if (next != Mode::off && m_categories.isEmpty())
        m_categories << u"sponsor"_s;
    emit changed();
}

QStringList DownloadOptionsForm::availableCategories() const
{
    return m_sponsor == Mode::off ? QStringList() : OptionCheck::sponsorCategories(m_sponsor);
}

void DownloadOptionsForm::toggleCategory(const QString &category)
{
    QStringList next = m_categories;
    if (!next.removeOne(category) && availableCategories().contains(category))
        next << category;
    setSponsorCategories(next);
}

void DownloadOptionsForm::reset()
{
    m_start.clear();
    m_end.clear();
    m_splitChapters = false;
    m_sponsor = Mode::off;
    m_categories.clear();
    m_subLangs.clear();
    m_rateLimit.clear();
    m_outputPattern.clear();
    emit changed();
}

void DownloadOptionsForm::setMetadata(const QJsonObject &metadata)
{
    set(m_metadata, metadata);
}

DownloadOptionsForm::Parsed DownloadOptionsForm::parse() const
{
    Parsed parsed;
    DownloadOptions &options = parsed.options;
    const QString start = m_start.trimmed();
    const QString end = m_end.trimmed();
    if (!start.isEmpty() || !end.isEmpty()) {
        const auto from = start.isEmpty() ? std::optional(0.0) : OptionCheck::parseTimecode(start);
        const auto to = end.isEmpty() ? std::nullopt : OptionCheck::parseTimecode(end);
        if (!from || (!end.isEmpty() && !to)) {
            parsed.problem = L(u"Use tempos como 90, 1:30 ou 1:02:03."_s);
            return parsed;
        }
        options.section = DownloadOptions::TimeRange{*from, to};
    }
    options.splitChapters = m_splitChapters;
    options.sponsorBlock = m_sponsor;
    if (m_sponsor != Mode::off)
        options.sponsorCategories = m_categories;
    if (const QString langs = m_subLangs.trimmed(); !langs.isEmpty()) {
        options.subtitles = true;
        options.subLangs = langs;
    }
    if (const QString rate = m_rateLimit.trimmed(); !rate.isEmpty()) {
        options.rateLimit = parseRate(rate);
        if (!options.rateLimit) {
            parsed.problem = L(u"Use um limite como 500K ou 2M (bytes por segundo)."_s);
            return parsed;
        }
    }
    if (!m_outputPattern.isEmpty())
        options.outputPattern = m_outputPattern;
    // The values that parsed are checked as the engine checks them, in the sheet's order.
    parsed.problem = OptionCheck::problem(options);
    return parsed;
}

QString DownloadOptionsForm::problem() const
{
    return parse().problem.value_or(QString());
}

QString DownloadOptionsForm::sectionProblem() const
{
    const QString start = m_start.trimmed();
    const QString end = m_end.trimmed();
    if (start.isEmpty() && end.isEmpty())
        return {};
    const auto from = start.isEmpty() ? std::optional(0.0) : OptionCheck::parseTimecode(start);
    const auto to = end.isEmpty() ? std::nullopt : OptionCheck::parseTimecode(end);
    if (!from || (!end.isEmpty() && !to))
        return L(u"Use tempos como 90, 1:30 ou 1:02:03."_s);
    return OptionCheck::timeRangeProblem({*from, to}).value_or(QString());
}

QString DownloadOptionsForm::sponsorProblem() const
{
    return OptionCheck::categoriesProblem(m_sponsor, m_categories).value_or(QString());
}

QString DownloadOptionsForm::subLangsProblem() const
{
    const QString langs = m_subLangs.trimmed();
    return langs.isEmpty() ? QString() : OptionCheck::subLangsProblem(langs).value_or(QString());
}

QString DownloadOptionsForm::rateLimitProblem() const
{
    const QString rate = m_rateLimit.trimmed();
    if (rate.isEmpty())
        return {};
    return parseRate(rate) ? QString() : L(u"Use um limite como 500K ou 2M (bytes por segundo)."_s);
}

QString DownloadOptionsForm::patternProblem() const
{
    if (m_outputPattern.isEmpty())
        return {};
    return OptionCheck::checkOutputPattern(m_outputPattern).problem.value_or(QString());
}

QString DownloadOptionsForm::categoryLabel(const QString &category)
{
    static const QHash<QString, QString> words{
        {u"sponsor"_s, u"Patrocínio"_s},
        {u"intro"_s, u"Abertura"_s},
        {u"outro"_s, u"Encerramento"_s},
        {u"selfpromo"_s, u"Autopromoção"_s},
        {u"preview"_s, u"Prévia"_s},
        {u"filler"_s, u"Enrolação"_s},
        {u"interaction"_s, u"Pedido de interação"_s},
        {u"music_offtopic"_s, u"Música: trecho sem música"_s},
        {u"poi_highlight"_s, u"Destaque"_s},
        {u"chapter"_s, u"Capítulos"_s},
    };
    const auto found = words.constFind(category);
    return found == words.constEnd() ? category : L(*found);
}

std::optional<DownloadOptions> DownloadOptionsForm::options() const
{
    Parsed parsed = parse();
    if (parsed.problem)
        return std::nullopt;
    return parsed.options;
}

bool DownloadOptionsForm::edited() const
{
    const auto options = this->options();
    return !options || !options->isDefault();
}

QString DownloadOptionsForm::preview() const
{
    const QString &pattern = m_outputPattern.isEmpty() ? kDefaultPattern : m_outputPattern;
    if (OptionCheck::checkOutputPattern(pattern).problem)
        return QString();
    return fillPattern(pattern, m_metadata.isEmpty() ? sampleMetadata() : m_metadata);
}

std::optional<qint64> DownloadOptionsForm::parseRate(QStringView text)
{
    return OptionCheck::parseRate(text);
}

QString DownloadOptionsForm::fillPattern(QStringView pattern, const QJsonObject &metadata)
{
    // A field: its names (alternatives after commas), a default after "|", then the
    // conversion with its flags, width and precision.
    static const QRegularExpression field(
        u"%%|%\\(([A-Za-z0-9_,]+)(?:\\|([^)]*))?\\)([-#0+ ]*)(\\d*)(?:\\.(\\d+))?([diouxXeEfFgGcrsaBlSjhqDU])"_s);
    QString name;
    qsizetype done = 0;
    for (auto it = field.globalMatch(pattern); it.hasNext();) {
        const auto match = it.next();
        name += pattern.sliced(done, match.capturedStart() - done);
        done = match.capturedEnd();
        if (match.captured() == u"%%") {
            name += u'%';
            continue;
        }
        QString value = match.hasCaptured(2) ? match.captured(2) : u"NA"_s;
        bool number = false;
        for (const QString &key : match.captured(1).split(u',')) {
            if (const QJsonValue v = metadata.value(key); !v.isUndefined() && !v.isNull()) {
                number = v.isDouble();
                value = number ? QString::number(v.toDouble(), 'g', 15) : v.toString();
                break;
            }
        }
        // A "/" inside a value would be a folder; yt-dlp writes a look-alike instead.
        value.replace(u'/', u'⧸');
        if (match.hasCaptured(5))
            value.truncate(match.captured(5).toInt());
        // Numbers keep their width, as in "%(playlist_index)03d".
        if (number && match.captured(6) == u"d")
            value = value.rightJustified(match.captured(4).toInt(), match.captured(3).contains(u'0') ? u'0' : u' ');
        name += value;
    }
    return name + pattern.sliced(done).toString();
}
