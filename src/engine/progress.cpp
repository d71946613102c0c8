#include "progress.h"

#include "engine/commandline.h"
#include "engine/logging.h"
#include "intake/urlscheme.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "model/mediainfo.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The window fetches a poster whose own address is in the local network as it is (the
// user's own pages have such posters); a guarded item's page is remote text, so its poster
// may not be one.
std::optional<QUrl> posterFor(const DownloadItem &item, const std::optional<QUrl> &poster)
{
    if (poster && item.guarded() && isLocalNetworkHost(poster->host()))
        return std::nullopt;
    return poster;
}

// The field as ASCII in `out`, without a leading "+" (which the decimal syntax allows but
// std::from_chars does not). False for anything that cannot be a number.
bool asciiNumber(QStringView field, std::array<char, 64> &out, qsizetype &length)
{
    if (field.startsWith(u'+')) {
        field = field.sliced(1);
        if (field.startsWith(u'-'))
            return false;
    }
    if (field.isEmpty() || field.size() > qsizetype(out.size()))
        return false;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field[i].unicode();
        if (c > 0x7f)
            return false;
        out[i] = static_cast<char>(c);
    }
    length = field.size();
    return true;
}

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

bool startsLine(QStringView text)
{
    return text.startsWith(Marker::progress) || text.startsWith(Marker::postprocess) || text.startsWith(Marker::title)
           || text.startsWith(Marker::file) || text.startsWith(Marker::destination) || text.startsWith(QLatin1StringView("ERROR:"))
           || text.startsWith(QLatin1StringView("WARNING:"));
}

// Length of the post-processing line at the start of `text`: the marker, the run's
// token and its "|", then the step's name.
qsizetype postprocessLength(QStringView text)
{
    qsizetype at = Marker::postprocess.size();
    qsizetype token = at;
    while (token < text.size() && isNameChar(text[token]))
        ++token;
    if (token < text.size() && text[token] == u'|')
        at = token + 1;
    while (at < text.size() && isNameChar(text[at]) && !startsLine(text.sliced(at)))
        ++at;
    return at;
}

QStringView trimSpacesAndTabs(QStringView text)
{
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    return text;
}

// The fraction of the whole run that this progress line stands for, with the size of
// the whole when it is known; absent when the line gives no total.
struct Overall
{
    double fraction = 0;
    std::optional<double> bytes;
};

std::optional<Overall> overallProgress(const DownloadItem &item, const ProgressFields &fields, ProgressTrack &track)
{
    const auto total = fields.total ? fields.total : fields.totalEstimate;
    if (!total || *total <= 0)
        return std::nullopt;
    // A negative count, which only broken output gives, shows nothing done.
    const double downloaded = std::max(fields.downloaded.value_or(0.0), 0.0);

    const bool inPlaylist = fields.playlistIndex && fields.playlistCount && *fields.playlistCount >= 2;
    // A line that does not say which entry it is about says nothing of the whole.
    if (!inPlaylist && track.entry != 0)
        return std::nullopt;
    if (inPlaylist && *fields.playlistIndex != track.entry) {
        track = {0, 0, {}, 0, *fields.playlistIndex, track.shown, track.started};
        track.partFormat = fields.part.toString();
    } else if (fields.part != track.partFormat) {
        // Another format: the previous part is complete. (Counts go up and down within a
        // part, as fragments fetched side by side each report theirs.)
        if (!track.partFormat.isEmpty()) {
            track.partsDone += track.partTotal;
            ++track.part;
        }
        track.partFormat = fields.part.toString();
    }
    track.partTotal = *total;

    const double partFraction = std::min(downloaded / *total, 1.0);
    double whole = track.partsDone + *total;
    double fraction = 0;
    // The probe's size of everything the download fetches stands for the parts still to
    // come; without it, each part the probe expects counts the same.
    const std::optional<double> expected = inPlaylist ? std::nullopt : item.expectedBytes();
    if (expected && *expected > 0) {
        whole = std::max(whole, *expected);
        fraction = std::min((track.partsDone + downloaded) / whole, 1.0);
    } else {
        const int parts = std::max(item.expectedParts(), track.part + 1);
        fraction = (track.part + partFraction) / parts;
    }
    if (inPlaylist) {
        const QList<int> &picked = item.options().playlistItems;
        const qsizetype at = picked.indexOf(int(*fields.playlistIndex));
        const double before = picked.isEmpty() ? double(*fields.playlistIndex - 1) : double(std::max<qsizetype>(at, 0));
        const double count = picked.isEmpty() ? double(*fields.playlistCount) : double(picked.size());
        fraction = std::clamp((before + fraction) / count, 0.0, 1.0);
        return Overall{fraction, *total};
    }
    return Overall{fraction, whole};
}

void applyProgress(DownloadItem &item, const ProgressFields &fields, ProgressTrack &track)
{
    // For the download measurements: QT_LOGGING_RULES="vireloom.engine.debug=true".
    if (!std::exchange(track.started, true))
        qCDebug(lcEngine) << "first progress at" << QDateTime::currentMSecsSinceEpoch();
    if (const auto overall = overallProgress(item, fields, track)) {
        track.shown = std::max(track.shown, overall->fraction);
        item.setProgress(track.shown);
        if (overall->bytes)
            item.setSize(overall->bytes);
    }
    if (item.state().kind() != DLState::downloading)
        item.setState(DLState::downloading);
    item.setSpeed(fields.speed);
    item.setEta(fields.eta);
    if (fields.playlistIndex && fields.playlistCount && *fields.playlistCount >= 2)
        item.setPlaylistPos(QString::number(*fields.playlistIndex) + u'/' + QString::number(*fields.playlistCount));
}

void appendLog(DownloadItem &item, const QString &line)
{
    item.appendLog(line);
    if (item.log().size() > kLogLimit)
        item.removeOldestLog(kLogTrim);
}

// What an entry of a playlist that was not probed says of the list it belongs to.
void applyListReading(DownloadItem &item, const QJsonObject &entry)
{
    const MediaInfo info = MediaInfo::fromObject(entry);
    for (const auto *key : {"playlist_title", "playlist"}) {
        if (const QString name = entry.value(QLatin1StringView(key)).toString(); !name.isEmpty()) {
            item.setTitle(name);
            break;
        }
    }
    for (const auto *key : {"playlist_count", "n_entries"}) {
        // 0 when it is missing or not a number.
        if (const double count = entry.value(QLatin1StringView(key)).toDouble(); count >= 1 && count <= std::numeric_limits<int>::max()) {
            item.setPlaylistCount(int(count));
            break;
        }
    }
    if (item.thumbnail().isEmpty())
        item.setThumbnail(posterFor(item, info.thumbnail));
    if (item.site().isEmpty())
        item.setSite(info.site.value_or(QString()));
}

void applyPiece(DownloadItem &item, QStringView line, RunOutput &run)
{
    const RunMarkers &markers = run.markers;
    if (line.startsWith(markers.progress())) {
        if (const auto fields = parseProgressFields(line.sliced(markers.progress().size())))
            applyProgress(item, *fields, run.track);
        return;
    }
    if (line.startsWith(markers.postprocess())) {
        item.setStep(line.sliced(markers.postprocess().size()).toString(), QDateTime::currentMSecsSinceEpoch());
        item.setState(DLState::processing);
        return;
    }
    if (line.startsWith(markers.title())) {
        const QString text = decodedField(line.sliced(markers.title().size()));
        if (item.playlist())
            item.setCurrentEntry(text);
        else if (!text.isEmpty() && text != u"NA")
            item.setTitle(chosenTitle(text, item.url(), item.options()));
        return;
    }
    if (line.startsWith(markers.reading())) {
        // "<sizes of the parts>|<the page's fields>": the sizes are numbers only.
        const QStringView rest = line.sliced(markers.reading().size());
        const qsizetype bar = rest.indexOf(u'|');
        if (bar < 0)
            return;
        QJsonObject page = QJsonDocument::fromJson(rest.sliced(bar + 1).toUtf8()).object();
        if (item.playlist()) {
            applyListReading(item, page);
            return;
        }
        if (const QJsonDocument parts = QJsonDocument::fromJson(rest.first(bar).toUtf8()); parts.isArray())
            page.insert(QLatin1StringView("requested_formats"), parts.array());
        applyReading(item, MediaInfo::fromObject(page));
        return;
    }
    if (line.startsWith(markers.destination())) {
        // The entry's place in its playlist ("NA" outside one), then its final name.
        const QStringView rest = line.sliced(markers.destination().size());
        const qsizetype bar = rest.indexOf(u'|');
        const QString path = decodedField(bar < 0 ? rest : rest.sliced(bar + 1));
        item.ledger().named(bar < 0 ? std::nullopt : parseWhole(rest.first(bar)));
        // Announced before the download starts: a file there already is not this run's.
        if (liesInside(path, run.folder)) {
            const QFileInfo file(path);
            item.noteDestination(path, file.exists() && file.lastModified().toMSecsSinceEpoch() < run.startedAt);
        }
        return;
    }
    if (line.startsWith(markers.file())) {
        const QString path = decodedField(line.sliced(markers.file().size()));
        if (liesInside(path, run.folder)) {
            item.appendFile(path);
            item.ledger().delivered();
        } else
            appendLog(item, QStringLiteral("Vireloom: ignored a file outside the download folder: ") + path);
        return;
    }

    appendLog(item, line.toString());
    if (line.startsWith(QLatin1StringView("ERROR:"))) {
        item.setLastError(trimSpacesAndTabs(line.sliced(6)).toString());
        item.ledger().error(*item.lastError());
    } else if (item.lastError() && item.lastError()->isEmpty()) {
        // Some releases end "ERROR: " with a carriage return and give the reason on the
        // line after it.
        if (const QStringView reason = trimSpacesAndTabs(line); !reason.isEmpty()) {
            item.setLastError(reason.toString());
            item.ledger().completeLastError(*item.lastError());
        }
    }
}

} // namespace

std::optional<double> parseNumber(QStringView field)
{
    std::array<char, 64> ascii;
    qsizetype length = 0;
    if (!asciiNumber(field, ascii, length))
        return std::nullopt;
    double number = 0;
    // "inf" and "nan" parse, and values past what a double holds are out of range: none
    // of them is a number here.
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + length, number, std::chars_format::general);
    if (error != std::errc() || end != ascii.data() + length || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<qint64> parseWhole(QStringView field)
{
    std::array<char, 64> ascii;
    qsizetype length = 0;
    if (!asciiNumber(field, ascii, length))
        return std::nullopt;
    qint64 number = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + length, number, 10);
    if (error != std::errc() || end != ascii.data() + length)
        return std::nullopt;
    return number;
}

std::optional<ProgressFields> parseProgressFields(QStringView rest)
{
    std::array<QStringView, 7> field;
    QStringView part;
    for (qsizetype i = 0; i < 7; ++i) {
        const qsizetype bar = rest.indexOf(u'|');
        if (bar < 0) {
            if (i < 6)
                return std::nullopt;
            field[i] = rest;
            break;
        }
        field[i] = rest.first(bar);
        rest = rest.sliced(bar + 1);
        if (i == 6)
            part = rest.first(rest.indexOf(u'|') < 0 ? rest.size() : rest.indexOf(u'|'));
    }
    ProgressFields fields;
    fields.downloaded = parseNumber(field[0]);
    fields.total = parseNumber(field[1]);
    fields.totalEstimate = parseNumber(field[2]);
    fields.speed = parseNumber(field[3]);
    fields.eta = parseNumber(field[4]);
    fields.playlistIndex = parseWhole(field[5]);
    fields.playlistCount = parseWhole(field[6]);
    fields.part = part;
    return fields;
}

OutputPieces splitOutputLine(QStringView line)
{
    OutputPieces pieces;
    while (line.startsWith(Marker::postprocess)) {
        const qsizetype length = postprocessLength(line);
        pieces.append(line.first(length));
        line = line.sliced(length);
        // Blanks left after a glued step are not a line of their own.
        if (line.trimmed().isEmpty())
            return pieces;
    }
    pieces.append(line);
    return pieces;
}

void applyReading(DownloadItem &item, const MediaInfo &info)
{
    // The probe reads the page alone: a bare media link's page names it by its file name.
    if (info.title && !info.title->isEmpty())
        item.setTitle(chosenTitle(*info.title, item.url(), item.options()));
    item.setThumbnail(posterFor(item, info.thumbnail));
    item.setDuration(info.duration);
    item.setExpectedBytes(info.chosenBytes);
    item.setExpectedParts(info.chosenParts);
    item.setUploader(info.uploader.value_or(QString()));
    item.setSite(info.site.value_or(QString()));
}

void applyOutputLine(DownloadItem &item, QStringView line, RunOutput &run)
{
    for (QStringView piece : splitOutputLine(line))
        applyPiece(item, piece, run);
}

QString decodedField(QStringView field)
{
    if (!field.startsWith(u'"'))
        return field.toString();
    const QJsonDocument document = QJsonDocument::fromJson('[' + field.toUtf8() + ']');
    if (!document.isArray() || document.array().size() != 1 || !document.array().first().isString())
        return field.toString();
    return document.array().first().toString();
}

bool liesInside(const QString &path, const QString &folder)
{
    const auto resolved = [](const QString &name) {
        const QFileInfo info(name);
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    };
    if (path.isEmpty() || folder.isEmpty() || !QFileInfo(path).isAbsolute())
        return false;
    QString base = resolved(folder);
    if (!base.endsWith(u'/'))
        base += u'/';
    return resolved(path).startsWith(base);
}
