#include "downloadoptionsform.h"

#include "base/format.h"
#include "i18n/i18n.h"

#include <QHash>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QVariantMap>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

using Mode = DownloadOptions::SponsorBlock;

// The name a download gets when no pattern is typed, with the sample it is shown for.
const QString kDefaultPattern = u"%(title).180B.%(ext)s"_s;

QJsonObject sampleMetadata()
{
    return {{u"title"_s, L("Título do vídeo")},
            {u"id"_s, u"a1b2c3"_s},
            {u"ext"_s, u"mp4"_s},
            {u"uploader"_s, L("Canal")},
            {u"upload_date"_s, u"20240131"_s},
            {u"height"_s, 1080},
            {u"resolution"_s, u"1920x1080"_s},
            {u"playlist_index"_s, 1},
            {u"playlist_title"_s, u"Playlist"_s}};
}

// The picture and the sound merged, or the one picked alone.
QString formatId(const QString &video, const QString &audio)
{
    if (!video.isEmpty() && !audio.isEmpty())
        return video + u'+' + audio;
    return video.isEmpty() ? audio : video;
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
    m_audioLanguage.clear();
    m_video.clear();
    m_audio.clear();
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
            parsed.problem = L("Use tempos como 90, 1:30 ou 1:02:03.");
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
            parsed.problem = L("Use um limite como 500K ou 2M (bytes por segundo).");
            return parsed;
        }
    }
    if (!m_outputPattern.isEmpty())
        options.outputPattern = m_outputPattern;
    if (!m_audioLanguage.isEmpty())
        options.audioLanguage = m_audioLanguage;
    if (const QString id = formatId(m_video, m_audio); !id.isEmpty()) {
        options.formatId = id;
        options.formatLabel = formatLabel();
    }
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
        return L("Use tempos como 90, 1:30 ou 1:02:03.");
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
    return parseRate(rate) ? QString() : L("Use um limite como 500K ou 2M (bytes por segundo).");
}

QString DownloadOptionsForm::patternProblem() const
{
    if (m_outputPattern.isEmpty())
        return {};
    return OptionCheck::checkOutputPattern(m_outputPattern).problem.value_or(QString());
}

QString DownloadOptionsForm::categoryLabel(const QString &category)
{
    static const QHash<QString, const char *> words{
        {u"sponsor"_s, QT_TRID_NOOP("Patrocínio")},
        {u"intro"_s, QT_TRID_NOOP("Abertura")},
        {u"outro"_s, QT_TRID_NOOP("Encerramento")},
        {u"selfpromo"_s, QT_TRID_NOOP("Autopromoção")},
        {u"preview"_s, QT_TRID_NOOP("Prévia")},
        {u"filler"_s, QT_TRID_NOOP("Enrolação")},
        {u"interaction"_s, QT_TRID_NOOP("Pedido de interação")},
        {u"music_offtopic"_s, QT_TRID_NOOP("Música: trecho sem música")},
        {u"poi_highlight"_s, QT_TRID_NOOP("Destaque")},
        {u"chapter"_s, QT_TRID_NOOP("Capítulos")},
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

QString DownloadOptionsForm::languageName(const QString &code)
{
    // The language's own name would bring in a country ("en" reads "American English"):
    // the language alone, with the region a code names.
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return code;
    const qsizetype dash = code.indexOf(u'-');
    const QString name = QLocale::languageToString(locale.language());
    return dash > 0 ? u"%1 (%2)"_s.arg(name, code.mid(dash + 1)) : name;
}

QVariantList DownloadOptionsForm::audioTracks() const
{
    QVariantList tracks;
    for (const AudioTrack &track : m_choices.audioTracks) {
        const QString name = languageName(track.language);
        tracks << QVariantMap{{u"code"_s, track.language}, {u"name"_s, track.original ? name + u" · "_s + L("original") : name}};
    }
    return tracks;
}

QVariantList DownloadOptionsForm::subtitleList(const QStringList &codes)
{
    QVariantList list;
    for (const QString &code : codes)
        list << QVariantMap{{u"code"_s, code}, {u"name"_s, languageName(code)}};
    return list;
}

void DownloadOptionsForm::setAudioLanguage(const QString &code)
{
    set(m_audioLanguage, OptionCheck::isLanguageCode(code) ? code : QString());
}

QStringList DownloadOptionsForm::subtitleCodes() const
{
    QStringList langs = m_subLangs.split(u',', Qt::SkipEmptyParts);
    for (QString &lang : langs)
        lang = lang.trimmed();
    return langs;
}

bool DownloadOptionsForm::hasSubtitle(const QString &code) const
{
    return subtitleCodes().contains(code);
}

void DownloadOptionsForm::toggleSubtitle(const QString &code)
{
    QStringList langs = subtitleCodes();
    if (!langs.removeAll(code))
        langs << code;
    setSubLangs(langs.join(u','));
}

const FormatOffer *DownloadOptionsForm::offer(const QString &id) const
{
    const auto found =
        std::find_if(m_choices.formats.begin(), m_choices.formats.end(), [&id](const FormatOffer &format) { return format.id == id; });
    return found == m_choices.formats.end() ? nullptr : &*found;
}

void DownloadOptionsForm::pickFormat(const QString &id)
{
    const FormatOffer *format = offer(id);
    if (!format)
        return;
    if (format->video && format->audio) {
        const bool again = m_video == id && m_audio.isEmpty();
        m_video = again ? QString() : id;
        m_audio.clear();
    } else if (format->video) {
        m_video = m_video == id ? QString() : id;
        // A whole format picked before has its own sound.
        if (const FormatOffer *audio = offer(m_audio); !audio || audio->video)
            m_audio.clear();
    } else {
        m_audio = m_audio == id ? QString() : id;
        if (const FormatOffer *video = offer(m_video); video && video->audio)
            m_video.clear();
    }
    emit changed();
}

void DownloadOptionsForm::clearFormat()
{
    if (m_video.isEmpty() && m_audio.isEmpty())
        return;
    m_video.clear();
    m_audio.clear();
    emit changed();
}

void DownloadOptionsForm::setChoices(const MediaChoices &choices)
{
    if (choices == m_choices)
        return;
    m_choices = choices;
    const bool trackGone = !m_audioLanguage.isEmpty() && !choices.audioTracks.empty()
                           && std::none_of(choices.audioTracks.begin(), choices.audioTracks.end(),
                                           [this](const AudioTrack &track) { return track.language == m_audioLanguage; });
    if (trackGone)
        m_audioLanguage.clear();
    if (!offer(m_video))
        m_video.clear();
    if (!offer(m_audio))
        m_audio.clear();
    emit choicesChanged();
    emit changed();
}

QString DownloadOptionsForm::formatText(const FormatOffer &format)
{
    QStringList parts;
    if (format.width && format.height)
        parts << u"%1×%2"_s.arg(*format.width).arg(*format.height);
    else if (format.height)
        parts << u"%1p"_s.arg(*format.height);
    if (format.fps && *format.fps > 0)
        parts << u"%1 fps"_s.arg(QLocale().toString(*format.fps, 'g', 3));
    const QString codecs = QStringList{format.vcodec, format.acodec}.filter(QRegularExpression(u"."_s)).join(u" + "_s);
    if (!codecs.isEmpty())
        parts << codecs;
    else if (!format.ext.isEmpty())
        parts << format.ext;
    if (format.bytes)
        parts << Tools::fmtBytes(*format.bytes);
    if (format.video && !format.audio)
        parts << L("só vídeo");
    else if (format.audio && !format.video)
        parts << (format.language.isEmpty() ? L("só áudio") : L("só áudio") + u' ' + languageName(format.language));
    return parts.join(u" · "_s);
}

QVariantList DownloadOptionsForm::formats() const
{
    QVariantList list;
    // Best last, as the engine lists them; the picker shows the best first.
    for (auto it = m_choices.formats.rbegin(); it != m_choices.formats.rend(); ++it)
        list << QVariantMap{{u"id"_s, it->id}, {u"text"_s, formatText(*it)}, {u"video"_s, it->video}, {u"audio"_s, it->audio}};
    return list;
}

QString DownloadOptionsForm::formatLabel() const
{
    const FormatOffer *video = offer(m_video);
    const FormatOffer *audio = offer(m_audio);
    if (!video && !audio)
        return {};
    const auto picture = [](const FormatOffer &format) { return format.height ? u"%1p"_s.arg(*format.height) : format.ext; };
    const auto sound = [](const FormatOffer &format) {
        return format.language.isEmpty() ? (format.acodec.isEmpty() ? format.ext : format.acodec) : format.language;
    };
    QString label;
    if (video && audio)
        label = picture(*video) + u" + "_s + sound(*audio);
    else if (video)
        label = video->audio ? picture(*video) : picture(*video) + u' ' + L("sem áudio");
    else
        label = L("Áudio") + u' ' + sound(*audio);
    return label.left(60);
}
