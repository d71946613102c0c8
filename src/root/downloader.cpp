#include "downloader.h"

#include "base/paths.h"
#include "engine/desktop.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/interrupteddownloads.h"
#include "following/following.h"
#include "history/historybook.h"
#include "history/historylist.h"
#include "i18n/i18n.h"
#include "intake/linkfile.h"
#include "intake/linkintake.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "model/qualitychoice.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// Checks ask for the engine this application runs, wherever it is found.
Following::Environment followingEnvironment(const EngineSetup *engine)
{
    Following::Environment environment = Following::defaultEnvironment();
    environment.engine = [engine] { return engine->ytdlpPath(); };
    return environment;
}
} // namespace

Downloader::Downloader(Settings *settings, QObject *parent, EngineChecks checks)
    : QObject(parent)
    , m_settings(settings)
    , m_engine(new EngineSetup(settings, this))
    , m_history(new HistoryBook(Tools::supportDir() + QStringLiteral("/history.json"), this))
    , m_queue(new DownloadQueue(settings, m_engine, m_history->list(), this))
    , m_interrupted(new InterruptedDownloads(settings, m_queue, this))
    , m_intake(new LinkIntake(settings, this))
    , m_following(new Following(settings, followingEnvironment(m_engine), this))
{
    m_history->load();

    connect(m_intake, &LinkIntake::linkTaken, m_queue,
            [this](const QString &text, const std::optional<Quality> &quality, bool playlist, bool guarded) {
                m_queue->add(text, quality, playlist, {}, guarded);
            });
    connect(m_queue, &DownloadQueue::linkAdded, m_intake, &LinkIntake::noteAdded);
    // Once is once: what was there already keeps its one entry, brought to the top; what
    // the archive knew was not downloaded at all.
    connect(m_queue, &DownloadQueue::downloadFinished, m_history, [this](DownloadItem *item) {
        const bool known = item->alreadyArchived() || item->alreadyThere();
        if (known && m_history->bringForward(*item))
            return;
        if (!item->alreadyArchived())
            m_history->record(*item);
    });
    // A link in the list, or one downloaded before, is not offered from the clipboard: the
    // clipboard keeps what was copied across starts, and so would the offer.
    m_intake->setListed([this](const QString &link) {
        const auto &items = m_queue->items()->items();
        const QList<HistoryEntry> &entries = m_history->list()->entries();
        return std::any_of(items.begin(), items.end(), [&link](const DownloadItem *item) { return item->url() == link; })
               || std::any_of(entries.begin(), entries.end(), [&link](const HistoryEntry &entry) { return entry.url == link; });
    });
    connect(m_intake, &LinkIntake::activationWanted, this, [this] {
        if (m_desktop)
            m_desktop->activateApplication();
    });

    connect(m_following, &Following::newEntries, this, &Downloader::takeFollowed);
    // What an earlier run announced and the queue never took is taken now.
    m_following->announcePending();

    if (checks == EngineChecks::Immediately)
        m_engine->startChecks();
}

void Downloader::takeFollowed(const FollowedSource &source, const QList<FollowEntry> &entries)
{
    const QString title = source.title.isEmpty() ? source.url : source.title;
    const DownloadOptions options = source.downloadOptions(m_following->downloadFolder());
    QStringList taken;
    // Oldest first, so that the newest ends at the top of the list.
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        DownloadOptions entryOptions = options;
        if (!entry->title.trimmed().isEmpty())
            entryOptions.listedTitle = entry->title;
        if (DownloadItem *item = m_queue->addFollowed(entry->url, title, source.downloadQuality(), entryOptions, !entry->vouched);
            item && item->title().isEmpty())
            item->setTitle(entry->title);
        taken << entry->id;
    }
    m_interrupted->flush();
    m_following->delivered(source.id, taken);
    if (m_desktop && !taken.isEmpty())
        m_desktop->notifyFollowed(LP("%ld novo de %@|%ld novos de %@", taken.size(), qint64(taken.size()), title));
}

Downloader::~Downloader()
{
    // The journal takes the last word on what was unfinished while the queue still holds
    // it; then the queue ends its processes.
    delete m_following;
    delete m_intake;
    delete m_interrupted;
    delete m_queue;
}

HistoryList *Downloader::history() const
{
    return m_history->list();
}

void Downloader::setDesktop(Desktop *desktop)
{
    m_desktop = desktop;
    m_queue->setDesktop(desktop);
}

void Downloader::setClipboard(Clipboard *clipboard)
{
    m_intake->setClipboard(clipboard);
}

// A site chooses a file's extension, and some engine releases take whatever it says: a
// ".desktop" or ".sh" opened by the desktop would run. Only what is media, pictures or
// subtitles is opened; anything else is shown in its folder.
bool Downloader::opensAsMedia(const QString &path)
{
    static const QStringList media{u"mp4"_s, u"m4v"_s,  u"m4a"_s,  u"mp3"_s, u"webm"_s, u"mkv"_s,  u"mka"_s,  u"mov"_s, u"avi"_s,
                                   u"flv"_s, u"ogg"_s,  u"oga"_s,  u"ogv"_s, u"opus"_s, u"flac"_s, u"wav"_s,  u"aac"_s, u"3gp"_s,
                                   u"ts"_s,  u"mpg"_s,  u"mpeg"_s, u"wma"_s, u"wmv"_s,  u"aiff"_s, u"alac"_s, u"jpg"_s, u"jpeg"_s,
                                   u"png"_s, u"webp"_s, u"gif"_s,  u"srt"_s, u"vtt"_s,  u"ass"_s,  u"lrc"_s};
    return media.contains(QFileInfo(path).suffix().toLower());
}

void Downloader::open(const QString &path)
{
    if (!m_desktop)
        return;
    if (path.isEmpty())
        m_desktop->openFolder(m_settings->folder());
    else if (!QFileInfo::exists(path))
        emit fileGone(path);
    else if (opensAsMedia(path))
        m_desktop->openFile(path);
    else
        m_desktop->revealFile(path);
}

void Downloader::reveal(const QString &path)
{
    if (!m_desktop)
        return;
    if (path.isEmpty())
        m_desktop->openFolder(m_settings->folder());
    else if (!QFileInfo::exists(path))
        emit fileGone(path);
    else
        m_desktop->revealFile(path);
}

void Downloader::openFolder()
{
    if (m_desktop)
        m_desktop->openFolder(m_settings->folder());
}

void Downloader::openEngineFolder()
{
    if (!m_desktop)
        return;
    QDir().mkpath(Tools::binDir());
    m_desktop->openFolder(Tools::binDir());
}

void Downloader::importLinks(const QString &path)
{
    m_reading.start([this, path] {
        LinkFile file = readLinkFile(path);
        QMetaObject::invokeMethod(
            this,
            [this, path, file = std::move(file)] {
                const QString name = QFileInfo(path).fileName();
                if (file.problem) {
                    emit linksImported(*file.problem);
                    return;
                }
                if (file.links.isEmpty()) {
                    emit linksImported(LF("Não há links em %@.", name));
                    return;
                }
                const DownloadQueue::Added count = m_queue->addLinks(file.links, cardQuality(*m_settings), m_settings->uiPlaylist());
                QString summary = LP("%ld link adicionado|%ld links adicionados", count.added);
                if (count.listed > 0)
                    summary += QStringLiteral(", ") + LP("%ld já estava na fila|%ld já estavam na fila", count.listed);
                emit linksImported(summary);
            },
            Qt::QueuedConnection);
    });
}
