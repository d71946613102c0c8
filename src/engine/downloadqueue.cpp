#include "downloadqueue.h"

#include "base/childprocess.h"
#include "base/format.h"
#include "base/paths.h"
#include "engine/commandline.h"
#include "engine/desktop.h"
#include "engine/downloadrun.h"
#include "engine/downloadwindow.h"
#include "engine/enginesetup.h"
#include "engine/failuremessages.h"
#include "engine/guardproxy.h"
#include "engine/leftovers.h"
#include "engine/logging.h"
#include "engine/probes.h"
#include "engine/runend.h"
#include "engine/runfiles.h"
#include "history/historylist.h"
#include "i18n/i18n.h"
#include "installer/install.h"
#include "intake/linkextraction.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "model/qualitychoice.h"
#include "settings/settings.h"
#include "settings/sitelogins.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

QString engineMissing()
{
    return L("Motor não instalado — clique em Instalar agora.");
}

// The folder of a browser profile as the engine is given it ("firefox:/home/me/..."); a
// profile that is gone would fail the download for a reason that has nothing to do with it.
bool profileExists(const QString &browser)
{
    const qsizetype colon = browser.indexOf(u':');
    return colon > 0 && QFileInfo(browser.sliced(colon + 1)).isDir();
}

// What a run of the item left in the folder, as the leftovers are judged by.
Leftovers::Run leftoversOf(const DownloadItem &item)
{
    return {item.destinations(), item.preexisting(), item.files()};
}

} // namespace

DownloadQueue::DownloadQueue(Settings *settings, EngineSetup *engine, const HistoryList *history, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_engine(engine)
    , m_history(history)
    , m_items(new DownloadList(this))
    , m_probes(new Probes(settings, engine, m_items, this))
    , m_guard(new GuardProxy(GuardRule::publicOnly(), this))
    , m_siteLogins(new SiteLogins(settings, this))
    , m_windowTimer(new QTimer(this))
    , m_now([] { return QDateTime::currentDateTime(); })
{
    connect(m_items, &DownloadList::countChanged, this, &DownloadQueue::updateActiveCount);
    connect(m_items, &DownloadList::itemStateChanged, this, &DownloadQueue::updateActiveCount);
    // What the probe read of a page serves only that download.
    connect(m_items, &DownloadList::itemStateChanged, this, [this](DownloadItem *item) {
        if (item->state().isFinished())
            m_probes->dropReading(item->id());
    });
    connect(m_probes, &Probes::answered, this, &DownloadQueue::applyInfo);
    m_probes->setGuard(m_guard);
    m_windowTimer->setSingleShot(true);
    connect(m_windowTimer, &QTimer::timeout, this, &DownloadQueue::pump);
    // A window moved or switched off lets waiting items go, or holds new ones back.
    connect(m_settings, &Settings::valueChanged, this, [this](const QString &key) {
        if (key.startsWith(SettingsKey::downloadWindow))
            pump();
    });
}

void DownloadQueue::add(const QString &text, std::optional<Quality> quality, bool playlist, const DownloadOptions &options, bool guarded)
{
    const QStringList links = ::extractURLs(text);
    for (const QString &link : links)
        take(link, quality.value_or(defaultQuality(*m_settings)), playlist, options, {}, guarded);
}

DownloadQueue::Added DownloadQueue::addLinks(const QStringList &links, Quality quality, bool playlist)
{
    QSet<QString> listed;
    for (const DownloadItem *item : m_items->items()) {
        if (!item->state().isFinished())
            listed.insert(item->url());
    }
    Added count;
    for (const QString &link : links) {
        if (listed.contains(link)) {
            ++count.listed;
            continue;
        }
        listed.insert(link);
        take(link, quality, playlist, {}, {}, false);
        ++count.added;
    }
    return count;
}

DownloadItem *DownloadQueue::addFollowed(const QString &link, const QString &source, Quality quality, const DownloadOptions &options,
                                         bool guarded)
{
    const QStringList links = ::extractURLs(link);
    return links.size() == 1 ? take(links.first(), quality, false, options, source, guarded) : nullptr;
}

DownloadItem *DownloadQueue::addFromBrowser(const BrowserMessage::Download &download)
{
    const QStringList links = ::extractURLs(download.url);
    if (links.size() != 1)
        return nullptr;
    // "Send again" from the browser, for a link that failed here: the same card tries
    // again with what the browser gave, rather than a second card beside it.
    for (DownloadItem *item : m_items->items()) {
        const DLState::Kind state = item->state().kind();
        if (item->url() == links.first() && (state == DLState::failed || state == DLState::cancelled) && !runs(item->id())) {
            item->setLogin(ItemLogin{download.cookies, {}, {}});
            item->setLoginLost(false);
            if (!download.page.isEmpty())
                item->setPage(download.page);
            retry(item);
            return item;
        }
    }
    DownloadItem *item = take(links.first(), download.quality.value_or(defaultQuality(*m_settings)), download.playlist, {}, {}, false,
                              ItemLogin{download.cookies, {}, {}});
    item->setPage(download.page);
    return item;
}

DownloadItem *DownloadQueue::take(const QString &link, Quality quality, bool playlist, const DownloadOptions &options,
                                  const QString &source, bool guarded, const ItemLogin &login)
{
    emit linkAdded(link);
    auto *item = new DownloadItem(link, quality, playlist);
    item->setOptions(options);
    item->setLogin(login);
    // A site whose downloads worked with a browser's login uses it from the start.
    if (login.isEmpty()) {
        if (const auto remembered = m_siteLogins->forHost(QUrl(link).host()); remembered && profileExists(remembered->browser))
            item->setLogin(ItemLogin{{}, remembered->browser, remembered->label});
    }
    // Known before it starts: a followed entry always goes through the archive, and what
    // came from outside runs behind the guard from its first reading on.
    item->setSource(source);
    item->setGuarded(guarded);
    m_items->prepend(item);
    if (startsAtOnce(*item))
        start(item);
    else
        fetchInfo(item);
    return item;
}

void DownloadQueue::setGuard(GuardProxy *guard)
{
    delete std::exchange(m_guard, guard);
    m_guard->setParent(this);
    m_probes->setGuard(m_guard);
}

void DownloadQueue::startNow(DownloadItem *item)
{
    if (!item || item->state().kind() != DLState::queued)
        return;
    item->setStartsNow(true);
    pump();
}

void DownloadQueue::setClock(std::function<QDateTime()> now)
{
    m_now = std::move(now);
}

// Alone, a link need not wait for a probe: its run reads the page once and says what it
// fetches. Beside other downloads it is probed first, so that a title two links share is
// known before either file is named.
bool DownloadQueue::startsAtOnce(const DownloadItem &item) const
{
    // A section is checked against the video's length before anything is fetched.
    if (!m_startsAtOnce || item.options().section || !m_engine->ytdlpPath() || !DownloadWindow::fromSettings(*m_settings).isOpen(m_now()))
        return false;
    const QList<DownloadItem *> &items = m_items->items();
    return std::none_of(items.begin(), items.end(),
                        [&item](const DownloadItem *other) { return other != &item && !other->state().isFinished(); });
}

void DownloadQueue::restore(DownloadItem *item, bool probe)
{
    m_items->prepend(item);
    if (probe)
        fetchInfo(item);
    else
        item->setState(DLState::queued);
}

void DownloadQueue::pump()
{
    // A run that read its link itself has not said yet what its file is called; whatever
    // starts now could pick the same name.
    if (std::any_of(m_runs.cbegin(), m_runs.cend(), [](const DownloadRun *run) { return run->holdsOthersBack(); }))
        return;
    // Outside the download window queued items wait for it to open, unless the user
    // asked for one at once; what runs goes on.
    const DownloadWindow window = DownloadWindow::fromSettings(*m_settings);
    const QDateTime now = m_now();
    const std::optional<QDateTime> opening = window.isOpen(now) ? std::nullopt : std::optional(window.nextOpening(now));
    const int limit = m_settings->maxConcurrent();
    int running = 0;
    for (const DownloadItem *item : m_items->items()) {
        if (item->state().isActive())
            ++running;
    }
    // Oldest first: new items are at the front. A copy, because a start can fail at
    // once and change what the list shows.
    const QList<DownloadItem *> items = m_items->items();
    for (auto it = items.crbegin(); it != items.crend() && running < limit; ++it) {
        DownloadItem *item = *it;
        if (item->state().kind() != DLState::queued)
            continue;
        if (opening && !item->startsNow()) {
            item->setWaitsUntil(opening);
            continue;
        }
        start(item);
        // A start that failed at once (no engine, no launch) holds no slot.
        if (item->state().isActive())
            ++running;
    }
    // Those still held back are looked at again when the window opens.
    if (opening) {
        const bool anyWaits = std::any_of(items.begin(), items.end(), [](const DownloadItem *item) {
            return item->state().kind() == DLState::queued && item->waitsUntil();
        });
        if (anyWaits)
            m_windowTimer->start(std::clamp<qint64>(now.msecsTo(*opening), 0, std::numeric_limits<int>::max()));
    }
}

void DownloadQueue::retry(DownloadItem *item)
{
    // An item whose process still runs is not started a second time.
    if (!item || runs(item->id()))
        return;
    item->setUserCancelled(false);
    item->setProgress(0.0);
    item->setState(DLState::queued);
    pump();
}

void DownloadQueue::retryWithLogin(DownloadItem *item, const QString &browser, const QString &label)
{
    if (!item || runs(item->id()) || browser.isEmpty())
        return;
    item->setLogin(ItemLogin{{}, browser, label});
    item->setLoginLost(false);
    item->setLoginChosen(true);
    retry(item);
}

void DownloadQueue::remove(DownloadItem *item)
{
    if (!item)
        return;
    const QUuid id = item->id();
    if (item->state().isActive())
        cancel(item);
    // What a failed run kept for a retry is of no use once its card is gone.
    else if (!runs(id) && (item->state().kind() == DLState::failed || item->state().kind() == DLState::cancelled))
        Leftovers::remove(leftoversOf(*item), Leftovers::Keep::nothing);
    // A probe still running for it is of no use any more, nor what one read.
    m_probes->cancel(id);
    m_probes->dropReading(id);
    m_items->removeIf([&id](const DownloadItem *candidate) { return candidate->id() == id; });
    forgetRemovedItems();
}

void DownloadQueue::clearFinished()
{
    m_items->removeIf([](const DownloadItem *item) { return item->state().isFinished(); });
    forgetRemovedItems();
}

void DownloadQueue::forgetRemovedItems()
{
    for (DownloadRun *run : std::as_const(m_runs)) {
        if (!m_items->find(run->id()))
            run->forgetItem();
    }
}

void DownloadQueue::updateActiveCount()
{
    int count = 0;
    for (const DownloadItem *item : m_items->items()) {
        if (!item->state().isFinished())
            ++count;
    }
    if (count == m_activeCount)
        return;
    m_activeCount = count;
    emit activeCountChanged();
}

void DownloadQueue::start(DownloadItem *item, const RunEngine *engine)
{
    if (!m_engine->ytdlpPath()) {
        item->setState(DLState::failure(L("Motor não instalado")));
        return;
    }
    if (const auto problem = settingsProblem(*m_settings)) {
        item->setState(DLState::failure(*problem));
        return;
    }
    // A missing folder is created; if that fails, yt-dlp reports the write failure itself.
    const QString folder = item->options().folder.value_or(m_settings->folder());
    // The same choice of the link is in the folder: it is that file, and no run touches it
    // (the engine would embed its metadata and picture in it once more).
    if (!item->playlist() && !item->options().ignoreArchive) {
        const NameMarks marks = nameMarks(item->quality(), item->options(), filesOfLink(item->url()), folder);
        if (!marks.reusedFile.isEmpty() && QFileInfo(marks.reusedFile).isFile()) {
            for (const HistoryEntry &entry : m_history->entries()) {
                if (entry.file == marks.reusedFile && item->title().isEmpty()) {
                    item->setTitle(entry.title);
                    item->setSite(entry.site);
                }
            }
            item->setFiles({marks.reusedFile});
            item->setAlreadyThere(true);
            item->setSize(double(QFileInfo(marks.reusedFile).size()));
            item->setState(DLState::done);
            item->setProgress(1.0);
            emit downloadFinished(item);
            QMetaObject::invokeMethod(this, &DownloadQueue::pump, Qt::QueuedConnection);
            return;
        }
    }
    QDir().mkpath(folder);
    // What came from outside unvouched for reaches only the public internet, whatever its
    // pages redirect to: its run goes through the guard.
    QString guard;
    if (item->guarded()) {
        const auto route = m_guard->route(m_settings->string(SettingsKey::proxy).value_or(QString()));
        if (!route) {
            item->setState(DLState::failure(guardUnavailable()));
            item->setFailureAction(FailureAction::openProxy);
            return;
        }
        guard = *route;
    }
    if (!RunFiles::prepare(item->id(), *m_settings, guard, item->login())) {
        item->setState(DLState::failure(L("O arquivo de cookies não existe ou não pode ser lido.")));
        return;
    }

    item->setWaitsUntil(std::nullopt);
    item->setStartsNow(false);
    item->setState(DLState::downloading);
    item->setProgress(0.0);
    item->setSpeed(std::nullopt);
    item->setEta(std::nullopt);
    item->setPlaylistPos(QString());
    item->setUserCancelled(false);
    item->setLastError(std::nullopt);
    item->setFiles({});
    item->setAlreadyArchived(false);
    item->setAlreadyThere(false);
    item->setStep(QString(), 0);
    item->setLastOutput(QDateTime::currentMSecsSinceEpoch());
    item->clearDestinations();
    item->ledger() = {};
    item->setEntryOutcome({}, 0, 0);
    item->setDistinctName(item->distinctName() || nameTakenByAnother(*item));

    // yt-dlp creates the archive with its own umask; made first, it is the user's alone.
    if (usesArchive(*item) && !QFileInfo::exists(RunFiles::archive()))
        Tools::writePrivateFile(RunFiles::archive(), {});

    item->setEngineNote(QString());
    RunEngine runEngine = engine ? *engine : RunEngine{*m_engine->ytdlpPath(), m_engine->ytdlpVersion()};
    if (!runEngine.kept) {
        runEngine.fallback = m_engine->keptYtdlpPath();
        runEngine.fallbackVersion = m_engine->keptYtdlpVersion();
    }

    const RunOutput output{RunMarkers::random(), folder, {}, QDateTime::currentMSecsSinceEpoch()};
    const QStringList args = buildArgs(*item, output.markers.token(), runEngine.version);
    // Given the probe's reading, the command line names a file; the log still says which
    // page it came from.
    const bool fromProbedInfo = args.contains(QStringLiteral("--load-info-json"));
    item->setLog({QStringLiteral("$ yt-dlp ") + args.join(u' ') + (fromProbedInfo ? QStringLiteral(" # ") + item->url() : QString())});
    // Which login the run has, never what it holds.
    if (const ItemLogin &login = item->login(); login.handedOver())
        item->appendLog(QStringLiteral("Vireloom: login: from the browser, %1 %2")
                            .arg(login.cookies.size())
                            .arg(login.cookies.size() == 1 ? QStringLiteral("cookie") : QStringLiteral("cookies")));
    else if (!login.browser.isEmpty())
        item->appendLog(QStringLiteral("Vireloom: login: read by yt-dlp from %1").arg(login.browserLabel));
    else if (item->loginLost())
        item->appendLog(QStringLiteral("Vireloom: login: none; the one the browser handed over was not kept when Vireloom closed"));

    const DownloadRun::Reading reading = fromProbedInfo     ? DownloadRun::Reading::fromProbe
                                         : item->pageRead() ? DownloadRun::Reading::before
                                                            : DownloadRun::Reading::byItself;
    auto *run = new DownloadRun(item, output, reading, this);
    // A playlist's entries go into a folder of its own, which a run given up leaves empty.
    if (item->playlist())
        run->setFoldersBefore(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden));
    connect(run, &DownloadRun::ended, this, [this, run](int status) { finish(run, status); });
    connect(run, &DownloadRun::failedToStart, this, [this, run](const QString &error) { failLaunch(run, error); });
    connect(run, &DownloadRun::readingGiven, this, &DownloadQueue::pump, Qt::QueuedConnection);
    m_runs.insert(item->id(), run);
    run->start(runEngine, args, item->guarded());
}

// A file is named after its title, so two links with one title would land on one name,
// and the engine would skip the second as already downloaded. The title is all that is
// known before the run; another link running, done, or in the history with a file still
// there holds the name.
bool DownloadQueue::nameTakenByAnother(const DownloadItem &item) const
{
    if (item.playlist() || item.options().outputPattern)
        return false;
    const auto sameTitleOtherLink = [&item](const QString &title, const QString &url) {
        return !title.isEmpty() && title == item.title() && url != item.url();
    };
    for (const DownloadItem *other : m_items->items()) {
        const DLState::Kind kind = other->state().kind();
        const bool holds = kind == DLState::downloading || kind == DLState::processing || kind == DLState::done;
        if (other != &item && holds && !other->distinctName() && sameTitleOtherLink(other->title(), other->url()))
            return true;
    }
    const QList<HistoryEntry> &entries = m_history->entries();
    return std::any_of(entries.begin(), entries.end(), [&](const HistoryEntry &entry) {
        return sameTitleOtherLink(entry.title, entry.url) && entry.file && QFileInfo::exists(*entry.file);
    });
}

bool DownloadQueue::fileOfAnotherLink(const DownloadItem &item) const
{
    const QStringList &files = item.files();
    for (const DownloadItem *other : m_items->items()) {
        if (other != &item && other->url() != item.url()
            && std::any_of(files.begin(), files.end(), [other](const QString &file) { return other->files().contains(file); }))
            return true;
    }
    const QList<HistoryEntry> &entries = m_history->entries();
    return std::any_of(entries.begin(), entries.end(),
                       [&](const HistoryEntry &entry) { return entry.url != item.url() && entry.file && files.contains(*entry.file); });
}

QList<FileOfLink> DownloadQueue::filesOfLink(const QString &url) const
{
    QList<FileOfLink> files;
    for (const HistoryEntry &entry : m_history->entries()) {
        if (entry.url == url && entry.file && QFileInfo::exists(*entry.file))
            files.append({*entry.file, Quality::fromShortLabel(entry.quality)});
    }
    return files;
}

void DownloadQueue::failLaunch(DownloadRun *run, const QString &error)
{
    qCWarning(lcEngine) << "yt-dlp did not start:" << error;
    if (m_runs.value(run->id()) == run)
        m_runs.remove(run->id());
    run->deleteLater();
    if (DownloadItem *item = run->item())
        item->setState(DLState::failure(LF("Não consegui iniciar o yt-dlp: %@", error)));
    // The slot this start took is free again; other queued items may go. Queued, because
    // a launch can fail inside pump() itself.
    QMetaObject::invokeMethod(this, &DownloadQueue::pump, Qt::QueuedConnection);
}

FailureContext DownloadQueue::failureContext(const DownloadItem &item) const
{
    // A login of the item's own takes the place of the settings' browser and cookies file.
    if (!item.login().isEmpty())
        return {!item.login().browser.isEmpty(), !privateConfig(*m_settings).isEmpty(), {}};
    return {m_settings->cookiesBrowser() != u"none", !privateConfig(*m_settings).isEmpty(),
            m_settings->string(SettingsKey::cookiesFile).value_or(QString())};
}

void DownloadQueue::finish(DownloadRun *run, int status)
{
    if (m_runs.value(run->id()) == run)
        m_runs.remove(run->id());
    run->deleteLater();
    DownloadItem *item = run->item();
    if (!item) {
        pump();
        return;
    }
    item->setSpeed(std::nullopt);
    item->setEta(std::nullopt);

    const RunEngine &engine = run->engine();
    RunFacts facts{status, run->readsLinkItself(), run->fromReading(), fileOfAnotherLink(*item)};
    facts.engineFault = status != 0 && describeRun(item->lastError(), item->log(), status, failureContext(*item)).engineFault;
    facts.keptEngineToTry = !engine.kept && engine.fallback && QFileInfo(*engine.fallback).isExecutable();
    switch (endOfRun(*item, facts)) {
    case RunEnd::againAsPlaylist:
        qCInfo(lcEngine) << "the link lists several videos; downloading it as a playlist";
        item->setPlaylist(true);
        start(item);
        return;
    case RunEnd::againUnderOwnName:
        item->setDistinctName(true);
        start(item);
        return;
    case RunEnd::againWithFreshReading:
        qCInfo(lcEngine) << "the probe's media addresses were refused; reading the page anew";
        m_probes->dropReading(item->id());
        start(item);
        return;
    case RunEnd::againWithKeptEngine: {
        qCInfo(lcEngine) << "yt-dlp" << engine.version << "failed where the engine is to blame; trying" << engine.fallbackVersion
                         << "which last finished a download";
        // What the new engine read of the page is no better than the rest of its work.
        m_probes->dropReading(item->id());
        const QStringList failedRun = item->log();
        const RunEngine kept{*engine.fallback, engine.fallbackVersion, true, engine.version, std::nullopt, {}};
        start(item, &kept);
        // The log sheet shows both runs: why the first one failed is worth seeing.
        item->setLog(failedRun
                     + QStringList{QStringLiteral("Vireloom: yt-dlp %1 failed; trying again with yt-dlp %2, the last one that worked")
                                       .arg(engine.version, engine.fallbackVersion)}
                     + item->log());
        return;
    }
    case RunEnd::cancelled:
        // The engine has exited, so nothing writes to what it left any more.
        Leftovers::remove(leftoversOf(*item), Leftovers::Keep::nothing);
        item->setState(DLState::cancelled);
        break;
    case RunEnd::done:
        if (engine.kept) {
            // The new engine failed this link and the kept one did not: it is not used again.
            item->setEngineNote(LF("Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado.",
                                   engine.version, engine.failedVersion));
            m_engine->setAside();
        } else {
            m_engine->noteFinished(engine.path);
        }
        complete(*item);
        break;
    case RunEnd::failed:
        fail(*item, status);
        break;
    }
    if (item->playlist() && item->state().kind() != DLState::done)
        Leftovers::removeEmptyFolders(item->destinations(), run->folder(), run->foldersBefore());
    pump();
}

void DownloadQueue::complete(DownloadItem &item)
{
    const Leftovers::Run leftovers = leftoversOf(item);
    // yt-dlp says nothing of what its archive skips (printing makes it quiet), but a
    // successful run with the archive that produced no file skipped everything: nothing
    // new was downloaded, so there is nothing to record.
    const bool allKnown = item.files().isEmpty() && usesArchive(item) && !item.options().ignoreArchive;
    item.setAlreadyArchived(allKnown);
    // Every file it delivered was there before it started: the engine found them and made
    // nothing new.
    const bool allThere = deliveredOnlyWhatWasThere(item);
    item.setAlreadyThere(allThere);
    // What the run fetched only to convert it (the video an audio file was taken from).
    Leftovers::removeFetchedForConversion(leftovers);
    if (item.playlist()) {
        Leftovers::remove(leftovers, Leftovers::Keep::resumable);
        recordEntryOutcome(item, failureContext(item));
    }
    // The bar counted what was fetched; a conversion makes another file of another size.
    qint64 arrived = 0;
    for (const QString &file : item.files())
        arrived += QFileInfo(file).size();
    if (arrived > 0)
        item.setSize(double(arrived));
    item.setState(DLState::done);
    item.setProgress(1.0);
    // The login chosen after a failure got through: the site's next links take it.
    if (item.loginChosen() && !item.login().browser.isEmpty())
        m_siteLogins->remember(QUrl(item.url()).host(), item.login().browser, item.login().browserLabel);
    item.setLoginChosen(false);
    // For the measurements: QT_LOGGING_RULES="vireloom.engine.debug=true".
    qCDebug(lcEngine) << "download done at" << QDateTime::currentMSecsSinceEpoch();
    emit downloadFinished(&item);
    if (m_desktop && !allKnown && !allThere) {
        if (m_settings->boolean(SettingsKey::soundOnDone))
            m_desktop->playCompletionSound();
        m_desktop->requestAttention();
        announceFinished(item.title());
    }
}

void DownloadQueue::fail(DownloadItem &item, int status)
{
    const FailureDescription failure = describeRun(item.lastError(), item.log(), status, failureContext(item));
    // A file under its final name that the run never delivered is broken; only what a
    // retry continues from stays.
    Leftovers::remove(leftoversOf(item), Leftovers::Keep::resumable);
    item.setState(DLState::failure(failure.message));
    // The engine failed and no newer stable release is out to update to: the nightly build
    // carries the fixes that have not made it into one yet.
    const bool newestStable =
        m_engine->freshness() == EngineFreshness::current
        && Releases::channelNamed(m_settings->string(SettingsKey::engineChannel).value_or(QString())) == Releases::Channel::stable;
    item.setFailureAction(failure.engineFault && newestStable ? FailureAction::tryNightly : failure.action);
    item.setLoginWanted(failure.loginWanted);
    if (m_desktop)
        m_desktop->notifyFailed(item.title(), failure.message);
}

// The entries the run was to fetch: those picked, else all the probe counted, else those
// the run itself named.
void DownloadQueue::recordEntryOutcome(DownloadItem &item, const FailureContext &context)
{
    QList<qint64> planned;
    if (!item.options().playlistItems.isEmpty()) {
        for (const int position : item.options().playlistItems)
            planned << position;
    } else if (const auto count = item.playlistCount(); count && *count > 0) {
        for (qint64 n = 1; n <= *count; ++n)
            planned << n;
    }
    const PlaylistLedger &ledger = item.ledger();
    QList<DownloadItem::EntryFailure> failed;
    for (const PlaylistLedger::Failure &failure : ledger.failures(planned))
        failed.append({failure.index, describeFailure(failure.error, {}, context).message});
    const qsizetype arrived = ledger.deliveredEntries().size();
    item.setEntryOutcome(failed, std::max<qsizetype>(planned.size(), arrived + failed.size()), arrived);
}

void DownloadQueue::retryFailedEntries(DownloadItem *item)
{
    if (!item || runs(item->id()) || !item->partlyFailed())
        return;
    DownloadOptions options = item->options();
    options.playlistItems.clear();
    for (const DownloadItem::EntryFailure &failure : item->failedEntries())
        options.playlistItems << static_cast<int>(failure.index);
    item->setOptions(options);
    retry(item);
}

// Downloads that end within a moment of each other make one notification between them.
void DownloadQueue::announceFinished(const QString &title)
{
    m_finishedTitles << title;
    if (!m_announceTimer) {
        m_announceTimer = new QTimer(this);
        m_announceTimer->setSingleShot(true);
        m_announceTimer->setInterval(kAnnounceGatherMs);
        connect(m_announceTimer, &QTimer::timeout, this, [this] {
            const QStringList titles = std::exchange(m_finishedTitles, {});
            if (!m_desktop || titles.isEmpty())
                return;
            m_desktop->notifyFinished(
                titles.size() == 1 ? titles.first() : LP("%ld download concluído|%ld downloads concluídos", titles.size()));
        });
    }
    m_announceTimer->start();
}

void DownloadQueue::runFailureAction(DownloadItem *item)
{
    if (!item)
        return;
    switch (item->failureAction()) {
    case FailureAction::none:
        return;
    case FailureAction::updateEngine:
        m_engine->install(true);
        return;
    case FailureAction::installDeno:
    case FailureAction::installMissing:
        m_engine->install(false);
        return;
    case FailureAction::chooseBrowser:
        emit settingWanted(WantedSetting::browser);
        return;
    case FailureAction::openSettings:
        emit settingWanted(WantedSetting::folder);
        return;
    case FailureAction::openProxy:
        emit settingWanted(WantedSetting::proxy);
        return;
    case FailureAction::chooseCookiesFile:
        emit settingWanted(WantedSetting::cookiesFile);
        return;
    case FailureAction::tryNightly:
        m_settings->setValue(QString(SettingsKey::engineChannel), QStringLiteral("nightly"));
        m_engine->install(true);
        return;
    }
}

void DownloadQueue::cancel(DownloadItem *item)
{
    if (!item)
        return;
    item->setUserCancelled(true);

    if (DownloadRun *run = m_runs.value(item->id()); run && run->running()) {
        run->interrupt(kCancelGraceMs);
        return;
    }

    m_probes->cancel(item->id());
    item->setState(DLState::cancelled);
    pump();
}

void DownloadQueue::terminateAll()
{
    for (DownloadRun *run : std::as_const(m_runs))
        run->terminate();
}

qint64 DownloadQueue::processGroup(const QUuid &id) const
{
    const DownloadRun *run = m_runs.value(id);
    return run ? run->processGroup() : 0;
}

DownloadQueue::~DownloadQueue()
{
    // Nothing may reach back into a half-destroyed object, nor into its items.
    const QList<DownloadRun *> runs = m_runs.values();
    for (DownloadRun *run : runs) {
        run->disconnect(this);
        run->forgetItem();
    }
    for (DownloadRun *run : runs)
        run->terminate(true);
    // The event loop is gone by now, so this is the one place that waits on processes,
    // and only briefly; whatever ignores the request is killed.
    const QDeadlineTimer grace(1000);
    for (DownloadRun *run : runs)
        run->waitForEnd(static_cast<int>(std::max<qint64>(0, grace.remainingTime())));
    for (DownloadRun *run : runs)
        run->kill();
}

void DownloadQueue::fetchInfo(DownloadItem *item)
{
    if (!m_engine->ready()) {
        item->setState(DLState::failure(engineMissing()));
        return;
    }
    item->setState(DLState::fetching);
    m_probes->request(item->id());
}

void DownloadQueue::applyInfo(const QUuid &id, const std::optional<MediaInfo> &info)
{
    DownloadItem *item = m_items->find(id);
    if (!item || item->state().kind() != DLState::fetching)
        return;
    // The engine may have gone while the item waited for its turn (a refresh found none).
    if (!info && !m_engine->ready()) {
        item->setState(DLState::failure(engineMissing()));
        return;
    }
    if (info) {
        item->setPageRead(true);
        applyReading(*item, *info);
        // Whatever the user chose, a playlist is downloaded as one.
        if (info->isPlaylist) {
            item->setPlaylist(true);
            item->setPlaylistCount(info->count);
        }
        if (const auto problem = sectionProblem(*item)) {
            item->setState(DLState::failure(*problem));
            return;
        }
    }
    item->setState(DLState::queued);
    pump();
}

// The engine downloads a section that begins past the end whole, as if none were asked for.
std::optional<QString> DownloadQueue::sectionProblem(const DownloadItem &item)
{
    const auto &section = item.options().section;
    if (!section || item.playlist() || !item.duration() || section->start < *item.duration())
        return std::nullopt;
    return LF("A parte pedida começa depois do fim do vídeo, que dura %@.", Tools::fmtTime(*item.duration()));
}

QStringList DownloadQueue::buildArgs(const DownloadItem &item, const QString &token, const QString &engineVersion) const
{
    DownloadRequest request{item.url(), item.quality(), item.playlist(), item.options(), {}, {}, {}, token, {}};
    request.infoJson = m_probes->freshReading(item.id());
    if (RunFiles::hasCookiesFile(*m_settings, item.login()))
        request.cookiesFile = RunFiles::cookies(item.id());
    // The item's own login replaces the browser chosen in the settings.
    if (!item.login().isEmpty())
        request.cookiesBrowser = item.login().browser;
    if (item.guarded() || !privateConfig(*m_settings).isEmpty())
        request.configFile = RunFiles::config(item.id());
    request.guarded = item.guarded();
    if (usesArchive(item))
        request.archiveFile = RunFiles::archive();
    request.noQuiet = engineHasNoQuiet(engineVersion.isEmpty() ? m_engine->ytdlpVersion() : engineVersion);
    request.unread = readsLinkItself(item);
    request.distinctName = item.distinctName() && !request.playlist;
    if (!request.playlist)
        request.marks =
            nameMarks(item.quality(), item.options(), filesOfLink(item.url()), item.options().folder.value_or(m_settings->folder()));
    return ::buildArgs(request, *m_settings, m_engine->ffmpegPath());
}

// The archive is the record of what a followed source's entries fetched, so that an entry
// announced twice (after a crash) is fetched once, whatever the setting says for links.
bool DownloadQueue::usesArchive(const DownloadItem &item) const
{
    return m_settings->boolean(SettingsKey::useArchive) || !item.source().isEmpty();
}

// A link nothing has read yet: neither a probe nor an earlier run of it.
bool DownloadQueue::readsLinkItself(const DownloadItem &item) const
{
    return !item.pageRead();
}
