#include "commandline.h"

#include "base/childprocess.h"
#include "base/paths.h"
#include "i18n/i18n.h"
#include "model/downloaditem.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Each alternative a format selector tries for the audio, best first, with the catch-all
// last: ba[language^=de] before ba. The filters hold checked codes only (isLanguageCode),
// so nothing typed can change what the selector says.
QStringList audioAlternatives(const QStringList &filters, const QString &base)
{
    QStringList alternatives;
    for (const QString &filter : filters)
        alternatives << base + filter;
    return alternatives << base;
}

QStringList formatGroup(Quality quality, bool withFFmpeg, const QStringList &audio)
{
    const QString mp4 = QStringLiteral("mp4");
    // The audio is taken from a file named like the final one. Where a video of that name
    // is in the folder already, the engine takes it for that file and converts it; kept
    // (-k), the video stays as it was, and a file already under the audio's name is left
    // alone too. What this run fetched for the conversion is removed once it is done.
    const QStringList keep{QStringLiteral("-k"), QStringLiteral("--no-post-overwrites")};
    // Video and audio come apart only with ffmpeg to merge them; a single file keeps the
    // track it was made with.
    const auto merged = [&audio](const QString &video) {
        QStringList alternatives;
        for (const QString &track : audioAlternatives(audio, QStringLiteral("ba")))
            alternatives << video + u'+' + track;
        return alternatives.join(u'/');
    };
    if (quality == Quality::mp3) {
        if (!withFFmpeg)
            return {QStringLiteral("-f"), QStringLiteral("ba[ext=m4a]/ba/b")};
        return QStringList{QStringLiteral("-f"),  audioAlternatives(audio, QStringLiteral("ba")).join(u'/') + QStringLiteral("/b"),
                           QStringLiteral("-x"),  QStringLiteral("--audio-format"),
                           QStringLiteral("mp3"), QStringLiteral("--audio-quality"),
                           QStringLiteral("0")}
               + keep;
    }
    if (quality == Quality::m4a) {
        if (!withFFmpeg)
            return {QStringLiteral("-f"), QStringLiteral("ba[ext=m4a]/ba/b")};
        // The language matters more than the container, which the conversion sees to.
        QStringList alternatives;
        for (const QString &filter : audio)
            alternatives << QStringLiteral("ba[ext=m4a]") + filter << QStringLiteral("ba") + filter;
        alternatives << QStringLiteral("ba[ext=m4a]/ba/b");
        return QStringList{QStringLiteral("-f"), alternatives.join(u'/'), QStringLiteral("-x"), QStringLiteral("--audio-format"),
                           QStringLiteral("m4a")}
               + keep;
    }
    if (const auto height = quality.height()) {
        const QString n = QString::number(*height);
        if (!withFFmpeg)
            return {QStringLiteral("-f"), QStringLiteral("b[height<=%1]/b").arg(n)};
        return {QStringLiteral("-f"), merged(QStringLiteral("bv*[height<=%1]").arg(n)) + QStringLiteral("/b[height<=%1]/bv*+ba/b").arg(n),
                QStringLiteral("--merge-output-format"), mp4};
    }
    if (!withFFmpeg)
        return {QStringLiteral("-f"), QStringLiteral("b")};
    return {QStringLiteral("-f"), merged(QStringLiteral("bv*")) + QStringLiteral("/b"), QStringLiteral("--merge-output-format"), mp4};
}

// The preset's format choice, or the format the user picked from the reading's list in
// its place; merging and converting stay the preset's.
QStringList chosenFormats(Quality quality, bool withFFmpeg, const DownloadOptions &options, const Settings &settings)
{
    QStringList formats = formatGroup(quality, withFFmpeg, audioFilters(options, settings));
    if (!options.formatId || !OptionCheck::isFormatId(*options.formatId))
        return formats;
    formats[1] = *options.formatId;
    if (withFFmpeg && options.formatId->contains(u'+') && !formats.contains(QStringLiteral("--merge-output-format")))
        formats << QStringLiteral("--merge-output-format") << QStringLiteral("mp4");
    return formats;
}

// Field values that are only dots, blanks or control characters would name the folder
// itself or its parent once yt-dlp has cleaned them up; they become "_" first.
const QString kDotsOnly = QStringLiteral("^[\\s.\\x00-\\x1f\\x7f]*$");

QString number(double value)
{
    return QString::number(value, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// A followed entry whose page names it only by its link's file name takes its listed title,
// in the engine itself, so that the file, the printed title and the embedded metadata all
// carry it. The pattern matches that name alone; the title is a replacement text, where
// only a backslash is special. It never enters the output template.
QStringList listedTitleArgs(const DownloadRequest &request)
{
    const QString bare = bareLinkTitle(request.url);
    if (!request.options.listedTitle || request.options.listedTitle->trimmed().isEmpty() || bare.isEmpty()
        || *request.options.listedTitle == bare)
        return {};
    QString replacement = *request.options.listedTitle;
    replacement.replace(u'\\', QStringLiteral("\\\\"));
    return {QStringLiteral("--replace-in-metadata"), QStringLiteral("title"), u'^' + QRegularExpression::escape(bare) + u'$', replacement};
}

QStringList optionArgs(const DownloadRequest &request, const Settings &settings, bool withFFmpeg)
{
    const DownloadOptions &options = request.options;
    QStringList args = listedTitleArgs(request);
    if (!request.archiveFile.isEmpty() && !options.ignoreArchive)
        args << QStringLiteral("--download-archive") << request.archiveFile;
    if (request.playlist) {
        if (const double pause = settings.seconds(SettingsKey::sleepRequests); pause > 0)
            args << QStringLiteral("--sleep-requests") << number(pause);
        if (const double pause = settings.seconds(SettingsKey::sleepInterval); pause > 0)
            args << QStringLiteral("--sleep-interval") << number(pause);
        if (!options.playlistItems.isEmpty())
            args << QStringLiteral("--playlist-items") << OptionCheck::playlistItemsArg(options.playlistItems);
    }
    // The download's own limit, else the settings'; 0 is none.
    if (const qint64 rate = options.rateLimit.value_or(settings.count(SettingsKey::rateLimit)); rate > 0)
        args << QStringLiteral("-r") << QString::number(rate);
    // Cutting, splitting and removing segments are ffmpeg's work.
    if (withFFmpeg) {
        if (options.section) {
            const QString end = options.section->end ? number(*options.section->end) : QStringLiteral("inf");
            args << QStringLiteral("--download-sections") << u'*' + number(options.section->start) + u'-' + end;
        }
        if (options.splitChapters)
            args << QStringLiteral("--split-chapters");
        if (options.sponsorBlock != DownloadOptions::SponsorBlock::off) {
            args << (options.sponsorBlock == DownloadOptions::SponsorBlock::mark ? QStringLiteral("--sponsorblock-mark")
                                                                                 : QStringLiteral("--sponsorblock-remove"))
                 << options.sponsorCategories.join(u',');
        }
    }
    return args;
}

// Text taken as it is into an output template, where only "%" is special.
QString literal(QString text)
{
    return text.replace(u'%', QStringLiteral("%%"));
}

QString outputTemplate(const DownloadRequest &request)
{
    const DownloadOptions &options = request.options;
    if (options.outputPattern)
        return *options.outputPattern;
    const QString section = options.section ? literal(sectionMark(*options.section)) : QString();
    if (request.playlist)
        return QStringLiteral("%(playlist_title,playlist|Playlist)s/%(playlist_index)s - %(title).150B") + section
               + QStringLiteral(".%(ext)s");
    if (!request.marks.reuse.isEmpty())
        return literal(request.marks.reuse) + QStringLiteral(".%(ext)s");
    QString name = request.distinctName ? QStringLiteral("%(title).160B [%(id)s]") : QStringLiteral("%(title).180B");
    if (request.marks.height)
        name += QStringLiteral("%(vireloom_height|)s");
    name += section;
    if (options.copy > 0)
        name += QStringLiteral(" (%1)").arg(options.copy);
    return name + QStringLiteral(".%(ext)s");
}

// The page of a single embedded video names it "Title (1)", as if the page had several:
// the number goes, and stays where the page does hold several (they have places in it).
// A reading given back to the engine has had it removed already.
QStringList embedTitleArgs(const DownloadRequest &request)
{
    if (request.playlist || !request.infoJson.isEmpty())
        return {};
    return {QStringLiteral("--parse-metadata"),
            QStringLiteral("%(extractor_key)s|%(playlist_index|)s|%(title)s:^HTML5MediaEmbed\\|\\|(?P<title>.+) \\(1\\)$")};
}

} // namespace

QString bareLinkTitle(const QString &url)
{
    // As the engine names what its generic extractor finds: the last part of the path,
    // query and fragment left out, decoded, without what follows its last dot.
    const QString path = QUrl(url).path(QUrl::FullyEncoded);
    QString name = path.section(u'/', -1, -1, QString::SectionSkipEmpty);
    name = QUrl::fromPercentEncoding(name.toUtf8());
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0 && name.first(dot).contains(QRegularExpression(QStringLiteral("[^.]"))))
        name.truncate(dot);
    return name;
}

QString chosenTitle(const QString &pageTitle, const QString &url, const DownloadOptions &options)
{
    if (options.listedTitle && !options.listedTitle->trimmed().isEmpty() && pageTitle == bareLinkTitle(url))
        return *options.listedTitle;
    return pageTitle;
}

RunMarkers::RunMarkers(const QString &token)
    : m_token(token)
    , m_progress(Marker::progress + token + u'|')
    , m_postprocess(Marker::postprocess + token + u'|')
    , m_title(Marker::title + token + u'|')
    , m_file(Marker::file + token + u'|')
    , m_destination(Marker::destination + token + u'|')
    , m_reading(Marker::reading + token + u'|')
{
}

RunMarkers RunMarkers::random()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString token;
    for (quint32 word : words)
        token += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    return RunMarkers(token);
}

QStringList cookieArgs(const Settings &settings)
{
    const QString browser = settings.cookiesBrowser();
    if (browser == u"none")
        return {};
    return {QStringLiteral("--cookies-from-browser"), browser};
}

QStringList connectionArgs(const Settings &settings, const QString &cookiesFile, const QString &configFile,
                           const std::optional<QString> &browser)
{
    QStringList args = !browser             ? cookieArgs(settings)
                       : browser->isEmpty() ? QStringList()
                                            : QStringList{QStringLiteral("--cookies-from-browser"), *browser};
    if (!cookiesFile.isEmpty())
        args << QStringLiteral("--cookies") << cookiesFile;
    // Read even with --ignore-config, and unlike an argument, not visible to other users.
    if (!configFile.isEmpty())
        args << QStringLiteral("--config-locations") << configFile;
    return args;
}

QByteArray privateConfig(const Settings &settings, const QString &guard)
{
    const QString proxy = guard.isEmpty() ? settings.string(SettingsKey::proxy).value_or(QString()).trimmed() : guard;
    if (proxy.isEmpty())
        return {};
    // Configuration files are split like a POSIX shell line: inside single quotes
    // everything is literal, and a quote itself is closed, escaped and reopened.
    QString quoted = proxy;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return QStringLiteral("--proxy '%1'\n").arg(quoted).toUtf8();
}

QStringList guardedFormats(QStringList formats)
{
    // A filter after a group applies to every format the group may pick.
    static const QString httpOnly = QStringLiteral("[protocol~='^(https?|m3u8(_native)?|http_dash_segments(_generator)?|f4m|ism|mhtml)$']");
    for (qsizetype i = 0; i + 1 < formats.size(); ++i) {
        if (formats[i] == u"-f") {
            formats[i + 1] = u'(' + formats[i + 1] + u')' + httpOnly;
            break;
        }
    }
    return formats;
}

std::optional<QString> settingsProblem(const Settings &settings)
{
    // A folder the engine would read as another one: files would land outside it.
    if (auto why = OptionCheck::folderProblem(settings.folder()))
        return why;
    if (const QString proxy = settings.string(SettingsKey::proxy).value_or(QString()).trimmed(); !proxy.isEmpty()) {
        if (auto why = OptionCheck::proxyProblem(proxy))
            return why;
    }
    if (const QString file = settings.string(SettingsKey::cookiesFile).value_or(QString()); !file.isEmpty())
        return OptionCheck::cookiesFileProblem(file);
    return std::nullopt;
}

QStringList buildArgs(const DownloadRequest &request, const Settings &settings, const std::optional<QString> &ffmpegPath)
{
    const DownloadOptions &options = request.options;
    const QString folderTemplate = outputTemplate(request);
    const RunMarkers markers(request.token);
    QStringList args{Tools::kIgnoreConfig};
    if (request.noQuiet)
        args << QStringLiteral("--no-quiet");
    args << QStringList{
        QStringLiteral("--newline"),
        QStringLiteral("--progress"),
        QStringLiteral("--no-simulate"),
        QStringLiteral("--no-colors"),
        QStringLiteral("--no-mtime"),
        QStringLiteral("--print"),
        QStringLiteral("video:") + markers.destination() + QStringLiteral("%(playlist_index)s|%(filename)j"),
        QStringLiteral("--print"),
        QStringLiteral("before_dl:") + markers.title() + QStringLiteral("%(title)j"),
        QStringLiteral("--print"),
        QStringLiteral("after_move:") + markers.file() + QStringLiteral("%(filepath)j"),
        QStringLiteral("--progress-template"),
        QStringLiteral("download:") + markers.progress()
            + QStringLiteral("%(progress.downloaded_bytes)s|%(progress.total_bytes)s|"
                             "%(progress.total_bytes_estimate)s|%(progress.speed)s|%(progress.eta)s|"
                             "%(info.playlist_index)s|%(info.n_entries)s|%(info.format_id)s"),
        QStringLiteral("--progress-template"),
        QStringLiteral("postprocess:") + markers.postprocess() + QStringLiteral("%(progress.postprocessor)s"),
        QStringLiteral("-P"),
        options.folder.value_or(settings.folder()),
        QStringLiteral("-o"),
        folderTemplate,
        // Streams served in fragments (most sites' video) arrive several fragments at a
        // time; a single file is fetched as before.
        QStringLiteral("--concurrent-fragments"),
        QString::number(settings.concurrentFragments()),
    };

    if (request.unread) {
        // Sizes are numbers only, so the first "|" ends them; the JSON after it may hold any text.
        args << QStringLiteral("--print")
             << QStringLiteral("video:") + markers.reading()
                    + QStringLiteral("%(requested_formats.:.{filesize,filesize_approx,tbr})j|"
                                     "%(.{title,thumbnail,duration,uploader,channel,extractor_key,extractor,"
                                     "filesize,filesize_approx,tbr,playlist_title,playlist,playlist_count,n_entries})j");
        // Only a playlist's entries have a place in one.
        if (!request.playlist)
            args << QStringLiteral("--match-filter") << QStringLiteral("!playlist_index") << QStringLiteral("--break-on-reject");
    }

    const bool withFFmpeg = ffmpegPath.has_value();
    if (withFFmpeg)
        args << QStringLiteral("--ffmpeg-location") << *ffmpegPath;
    const QStringList formats = chosenFormats(request.quality, withFFmpeg, options, settings);
    args << (request.guarded ? guardedFormats(formats) : formats);
    if (withFFmpeg && !request.quality.isAudio()) {
        if (settings.boolean(SettingsKey::preferH264))
            args << QStringLiteral("-S") << QStringLiteral("vcodec:h264,res,acodec:m4a");
        if (options.subtitles.value_or(settings.boolean(SettingsKey::subs))) {
            args << QStringLiteral("--write-subs") << QStringLiteral("--sub-langs") << options.subLangs.value_or(settings.subLangs())
                 << QStringLiteral("--embed-subs");
        }
    }
    if (withFFmpeg && settings.boolean(SettingsKey::embedMeta))
        args << QStringLiteral("--embed-metadata");
    if (withFFmpeg && settings.boolean(SettingsKey::embedThumb))
        args << QStringLiteral("--embed-thumbnail");
    args << connectionArgs(settings, request.cookiesFile, request.configFile, request.cookiesBrowser);
    args << optionArgs(request, settings, withFFmpeg);
    args << embedTitleArgs(request);
    if (request.marks.height && request.marks.reuse.isEmpty() && !request.playlist && !options.outputPattern) {
        // Known only once the format is chosen: the field is set then, and only for a height.
        args << QStringLiteral("--parse-metadata") << QStringLiteral("video: (%(height)sp):^(?P<vireloom_height> \\(\\d+p\\))$");
    }
    if (const QStringList fields = OptionCheck::checkOutputPattern(folderTemplate).folderFields; !fields.isEmpty())
        args << QStringLiteral("--replace-in-metadata") << fields.join(u',') << kDotsOnly << QStringLiteral("_");
    if (request.playlist)
        args << QStringLiteral("--yes-playlist") << QStringLiteral("--ignore-errors");
    else
        args << QStringLiteral("--no-playlist");
    if (!request.infoJson.isEmpty())
        args << QStringLiteral("--load-info-json") << request.infoJson;
    else
        args << QStringLiteral("--") << request.url;
    return args;
}

QStringList audioFilters(const DownloadOptions &options, const Settings &settings)
{
    const auto byCode = [](const QString &code) {
        QStringList filters{QStringLiteral("[language^=%1]").arg(code)};
        // "pt-BR" takes a track tagged only "pt" before any other.
        if (const qsizetype dash = code.indexOf(u'-'); dash > 0)
            filters << QStringLiteral("[language^=%1]").arg(code.first(dash));
        return filters;
    };
    if (options.audioLanguage && OptionCheck::isLanguageCode(*options.audioLanguage))
        return byCode(*options.audioLanguage);
    const QString wanted = settings.string(SettingsKey::audioLanguage).value_or(QString()).trimmed();
    // A hand-edited value that is no code reads as none: it must not reach the selector.
    if (!wanted.isEmpty() && OptionCheck::isLanguageCode(wanted))
        return byCode(wanted);
    // The track the site calls the original (as sites with dubbed tracks name it), else the
    // one in the interface language.
    return QStringList{QStringLiteral("[format_note*=original]")} + byCode(langTag(appLang()));
}

QStringList formatSelection(Quality quality, const Settings &settings, bool withFFmpeg, const DownloadOptions &options)
{
    QStringList args = chosenFormats(quality, withFFmpeg, options, settings).first(2);
    if (withFFmpeg && !quality.isAudio() && settings.boolean(SettingsKey::preferH264))
        args << QStringLiteral("-S") << QStringLiteral("vcodec:h264,res,acodec:m4a");
    return args;
}

bool engineHasNoQuiet(const QString &version)
{
    // Releases are named by date; the first one known to have the option is taken as
    // the line, the option itself being younger than Debian 12's 2023.03.04.
    static const QRegularExpression dated(QStringLiteral("^(\\d{4})\\.(\\d{2})\\.(\\d{2})(\\.\\d+)?$"));
    const auto match = dated.match(version.trimmed());
    if (!match.hasMatch())
        return false;
    const int day = match.captured(1).toInt() * 10000 + match.captured(2).toInt() * 100 + match.captured(3).toInt();
    return day >= 20240101;
}

QStringList probeArgs(const QString &url, bool playlist, const Settings &settings, const QString &cookiesFile, const QString &configFile,
                      const QStringList &formats, const std::optional<QString> &browser)
{
    QStringList args{Tools::kIgnoreConfig, QStringLiteral("-J"), QStringLiteral("--flat-playlist"), QStringLiteral("--no-warnings")};
    args << formats;
    args << connectionArgs(settings, cookiesFile, configFile, browser);
    if (!playlist)
        args << embedTitleArgs({url});
    args << (playlist ? QStringLiteral("--yes-playlist") : QStringLiteral("--no-playlist"));
    args << QStringLiteral("--") << url;
    return args;
}

QStringList planArgs(const QString &url, const Settings &settings, const QString &configFile)
{
    QStringList args{Tools::kIgnoreConfig, QStringLiteral("-J"), QStringLiteral("--no-warnings"), QStringLiteral("--ignore-errors")};
    args << connectionArgs(settings, {}, configFile);
    args << QStringLiteral("--yes-playlist") << QStringLiteral("--") << url;
    return args;
}

QString sectionMark(const DownloadOptions::TimeRange &range)
{
    const QString end = range.end ? OptionCheck::formatTimecode(*range.end) : QString();
    return QStringLiteral(" (%1-%2)").arg(OptionCheck::formatTimecode(range.start), end);
}

NameMarks nameMarks(Quality quality, const DownloadOptions &options, const QList<FileOfLink> &files, const QString &folder)
{
    NameMarks marks;
    if (options.outputPattern)
        return marks;
    const QDir home(folder);
    // A cut's name holds its range; a kept copy's, its number. Neither is the download itself.
    static const QRegularExpression cutOrCopy(QStringLiteral(R"( \((\d+:[\d:.]+-([\d:.]+)?|\d+)\)$)"));
    for (const FileOfLink &file : files) {
        const QString relative = home.relativeFilePath(file.path);
        if (relative.startsWith(QLatin1StringView("../")) || QDir::isAbsolutePath(relative))
            continue;
        const QFileInfo info(relative);
        const QString stem = info.path() == u"." ? info.completeBaseName() : info.path() + u'/' + info.completeBaseName();
        if (file.quality == quality) {
            const bool sameCut = options.section ? stem.endsWith(sectionMark(*options.section)) : !cutOrCopy.match(stem).hasMatch();
            if (options.copy == 0 && marks.reuse.isEmpty() && sameCut) {
                marks.reuse = stem;
                marks.reusedFile = file.path;
            }
        } else if (!quality.isAudio() && (!file.quality || !file.quality->isAudio())) {
            marks.height = true;
        }
    }
    if (!marks.reuse.isEmpty())
        marks.height = false;
    return marks;
}
