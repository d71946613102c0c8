#include "following.h"

#include "base/paths.h"
#include "following/followinglist.h"
#include "following/followingstore.h"
#include "following/logging.h"
#include "intake/urlscheme.h"
#include "model/downloadoptions.h"
#include "model/qualitychoice.h"
#include "settings/settings.h"

#include <QDir>
#include <QHostInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace {

// Sources found overdue at start wait this long at least: the application is still
// starting, and a machine that just woke may not be online yet.
constexpr qint64 kStartDelay = 60;
// Overdue sources at start are spread over at most this many seconds.
constexpr qint64 kStartSpread = 15 * 60;
// The timer never sleeps longer than this: after a suspend the monotonic clock it runs
// on lags the wall clock that the schedule is written in.
constexpr qint64 kLongestSleep = 60;
// A source that could not be reached is tried again sooner than its interval.
constexpr qint64 kRetryAfterFailure = 30 * 60;
// The random share of an interval added to each check's time, at most this many seconds.
constexpr qint64 kLongestOffset = 30 * 60;

std::optional<QString> normalisedLink(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || (url.scheme() != u"http" && url.scheme() != u"https"))
        return std::nullopt;
    return url.toString(QUrl::FullyEncoded);
}

} // namespace

Following::Environment Following::defaultEnvironment()
{
    Environment environment;
    environment.file = QString();
    environment.now = [] { return QDateTime::currentDateTimeUtc(); };
    environment.random = [] { return QRandomGenerator::global()->generateDouble(); };
    environment.engine = [] { return Tools::find(QStringLiteral("yt-dlp")); };
    environment.lookup = [](const QString &host, QObject *context, std::function<void(const QList<QHostAddress> &)> answer) {
        QHostInfo::lookupHost(host, context, [answer = std::move(answer)](const QHostInfo &info) {
            answer(info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>());
        });
    };
    return environment;
}

Following::Following(Settings *settings, QObject *parent)
    : Following(settings, defaultEnvironment(), parent)
{
}

Following::Following(Settings *settings, Environment environment, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_env(std::move(environment))
{
    if (m_env.file.isEmpty())
        m_env.file = FollowingStore::defaultPath();
    if (!m_env.now)
        m_env.now = defaultEnvironment().now;
    if (!m_env.random)
        m_env.random = defaultEnvironment().random;
    if (!m_env.engine)
        m_env.engine = defaultEnvironment().engine;
    if (!m_env.lookup)
        m_env.lookup = defaultEnvironment().lookup;
    m_env.listingLimit = std::max(1, m_env.listingLimit);

    FollowingStore::Loaded loaded = FollowingStore::load(m_env.file);
    m_setAside = loaded.setAside;
    if (loaded.writable)
        m_writer = std::make_unique<FollowingWriter>(m_env.file);
    else
        qCWarning(lcFollowing) << "following file left untouched in this run:" << m_env.file;
    m_sources = std::move(loaded.entries);

    const QDateTime start = now();
    for (FollowedSource &source : m_sources) {
        const QDateTime earliest = start.addSecs(kStartDelay);
        if (source.nextCheck < earliest) {
            const qint64 spread = std::min(source.effectiveInterval() / 4, kStartSpread);
            source.nextCheck = earliest.addSecs(qint64(m_env.random() * double(spread)));
        }
    }
    m_list = new FollowingList(this);

    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Following::checkDue);
    schedule();
}

// Nothing is announced from here: whoever listens may be gone already.
Following::~Following()
{
    if (m_check)
        m_check->stop();
}

const FollowedSource *Following::find(const QUuid &id) const
{
    const int row = indexOf(id);
    return row < 0 ? nullptr : &m_sources.at(row);
}

int Following::indexOf(const QUuid &id) const
{
    for (int row = 0; row < m_sources.size(); ++row) {
        if (m_sources.at(row).id == id)
            return row;
    }
    return -1;
}

QString Following::downloadFolder() const
{
    return m_settings->folder();
}

QUuid Following::checkingSource() const
{
    return m_check ? m_check->source() : QUuid();
}

std::optional<QUuid> Following::add(const QString &url, int backlog, const std::optional<SourceOptions> &options)
{
    const auto link = normalisedLink(url);
    if (!link)
        return std::nullopt;
    for (const FollowedSource &source : std::as_const(m_sources)) {
        if (source.url == *link)
            return source.id;
    }
    FollowedSource source;
    source.id = QUuid::createUuid();
    source.url = *link;
    source.added = now();
    source.nextCheck = source.added;
    source.backlog = std::clamp(backlog, 0, m_env.listingLimit);
    if (options) {
        source.options = *options;
    } else {
        source.options.quality = defaultQuality(*m_settings);
    }
    // Following a source in the local network is the user's word for its entries.
    const QString host = QUrl(source.url).host();
    const HostReach reach = reachWithoutLookup(host, namesResolvedByProxy());
    source.localAllowed = reach == HostReach::localNetwork;
    if (reach == HostReach::lookUp) {
        m_awaitingSourceLookup.insert(source.id, {});
        m_env.lookup(host, this, [this, id = source.id](const QList<QHostAddress> &addresses) {
            const QList<QList<FollowEntry>> waiting = m_awaitingSourceLookup.take(id);
            const int row = indexOf(id);
            if (row < 0)
                return;
            // A failed lookup allows nothing: the source's entries are asked about.
            if (!addresses.isEmpty() && answerReachesLocalNetwork(addresses))
                update(row, [](FollowedSource &followed) { followed.localAllowed = true; });
            for (const QList<FollowEntry> &entries : waiting)
                screen(id, entries);
        });
    }
    const int row = int(m_sources.size());
    m_list->beginInsert(row);
    m_sources.append(source);
    m_list->endInsert();
    save();
    emit sourcesChanged();
    m_requested.append(source.id);
    scheduleSoon();
    return source.id;
}

QString Following::follow(const QString &url, int backlog)
{
    const auto id = add(url, backlog);
    return id ? id->toString(QUuid::WithoutBraces) : QString();
}

bool Following::remove(const QUuid &id)
{
    const int row = indexOf(id);
    if (row < 0)
        return false;
    if (checkingSource() == id) {
        stopCheck();
        scheduleSoon();
    }
    drop(row);
    schedule();
    return true;
}

void Following::drop(int row)
{
    const QUuid id = m_sources.at(row).id;
    m_requested.removeAll(id);
    m_awaitingSourceLookup.remove(id);
    m_folderProblems.remove(id);
    m_list->beginRemove(row);
    m_sources.removeAt(row);
    m_list->endRemove();
    save();
    emit sourcesChanged();
}

void Following::setPaused(const QUuid &id, bool paused)
{
    const int row = indexOf(id);
    if (row < 0 || m_sources.at(row).paused == paused)
        return;
    // A paused source asks the site nothing more, not even the check under way.
    if (paused && checkingSource() == id) {
        stopCheck();
        scheduleSoon();
    }
    if (paused)
        m_requested.removeAll(id);
    const QDateTime moment = now();
    update(row, [&](FollowedSource &source) {
        source.paused = paused;
        // Resumed long after it was due, it is checked within the minute.
        if (!paused && source.nextCheck < moment)
            source.nextCheck = moment.addSecs(qint64(m_env.random() * 60));
    });
    schedule();
}

void Following::checkNow(const QUuid &id)
{
    if (indexOf(id) < 0 || checkingSource() == id || m_requested.contains(id))
        return;
    m_requested.append(id);
    scheduleSoon();
}

void Following::checkAll()
{
    for (const FollowedSource &source : std::as_const(m_sources)) {
        if (!source.paused && checkingSource() != source.id && !m_requested.contains(source.id))
            m_requested.append(source.id);
    }
    scheduleSoon();
}

bool Following::setOptions(const QUuid &id, const SourceOptions &options)
{
    const int row = indexOf(id);
    if (row < 0)
        return false;
    update(row, [&](FollowedSource &source) { source.options = options; });
    return true;
}

bool Following::changeOptions(const QUuid &id, const std::function<void(SourceOptions &)> &change)
{
    const FollowedSource *source = find(id);
    if (!source)
        return false;
    SourceOptions options = source->options;
    change(options);
    return setOptions(id, options);
}

bool Following::setQuality(const QUuid &id, const QString &quality)
{
    const auto preset = Quality::fromId(quality);
    return preset && changeOptions(id, [&](SourceOptions &options) { options.quality = *preset; });
}

bool Following::setAudioOnly(const QUuid &id, bool on)
{
    return changeOptions(id, [on](SourceOptions &options) { options.audioOnly = on; });
}

bool Following::setSubtitles(const QUuid &id, bool on)
{
    return changeOptions(id, [on](SourceOptions &options) { options.subtitles = on; });
}

bool Following::setSponsorBlock(const QUuid &id, bool on)
{
    return changeOptions(id, [on](SourceOptions &options) { options.sponsorBlock = on; });
}

bool Following::chooseFolder(const QUuid &id, const QUrl &folder)
{
    if (!folder.isEmpty() && (!folder.isLocalFile() || folder.toLocalFile().isEmpty()))
        return false;
    QString path = folder.isEmpty() ? QString() : QDir::cleanPath(folder.toLocalFile());
    const int row = indexOf(id);
    if (row < 0)
        return false;
    const auto why = path.isEmpty() ? std::nullopt : OptionCheck::folderProblem(path);
    if (m_folderProblems.value(id) != why.value_or(QString())) {
        if (why)
            m_folderProblems.insert(id, *why);
        else
            m_folderProblems.remove(id);
        m_list->folderProblemChanged(row);
    }
    return !why && changeOptions(id, [&](SourceOptions &options) { options.folder = path; });
}

bool Following::setInterval(const QUuid &id, qint64 seconds)
{
    const int row = indexOf(id);
    if (row < 0)
        return false;
    const QDateTime moment = now();
    update(row, [&](FollowedSource &source) {
        source.interval = FollowedSource::clampInterval(seconds);
        if (source.backoff <= source.interval)
            source.backoff = 0;
        const QDateTime from = source.lastCheck.value_or(moment);
        source.nextCheck = std::max(moment, from.addSecs(source.effectiveInterval()));
    });
    schedule();
    return true;
}

void Following::visited()
{
    bool any = false;
    for (int row = 0; row < m_sources.size(); ++row) {
        if (m_sources.at(row).newSinceVisit > 0) {
            any = true;
            const FollowedSource before = m_sources.at(row);
            m_sources[row].newSinceVisit = 0;
            m_list->changed(row, before);
        }
    }
    if (any) {
        save();
        emit sourcesChanged();
    }
}

void Following::delivered(const QUuid &id, const QStringList &entryIds)
{
    const int row = indexOf(id);
    if (row < 0)
        return;
    update(row, [&](FollowedSource &source) {
        source.pending.removeIf([&entryIds](const FollowEntry &entry) { return entryIds.contains(entry.id); });
    });
}

void Following::announcePending()
{
    const QList<FollowedSource> sources = m_sources;
    for (const FollowedSource &source : sources) {
        if (!source.pending.isEmpty())
            screen(source.id, source.pending);
    }
}

void Following::downloadHeld(const QUuid &id)
{
    const int row = indexOf(id);
    if (row < 0 || m_sources.at(row).held.isEmpty())
        return;
    QList<FollowEntry> released = m_sources.at(row).held;
    for (FollowEntry &entry : released)
        entry.vouched = true;
    // Pending again, now vouched for: a crash before the queue takes them loses nothing.
    update(row, [&released](FollowedSource &source) {
        source.held.clear();
        source.pending += released;
    });
    emit newEntries(m_sources.at(row), released);
}

void Following::ignoreHeld(const QUuid &id)
{
    const int row = indexOf(id);
    if (row >= 0)
        update(row, [](FollowedSource &source) { source.held.clear(); });
}

bool Following::namesResolvedByProxy() const
{
    // Through a proxy the proxy resolves names, and this machine's answer says nothing.
    return !m_settings->string(SettingsKey::proxy).value_or(QString()).trimmed().isEmpty();
}

void Following::screen(const QUuid &id, const QList<FollowEntry> &entries)
{
    const int row = indexOf(id);
    if (row < 0 || entries.isEmpty())
        return;
    if (const auto waiting = m_awaitingSourceLookup.find(id); waiting != m_awaitingSourceLookup.end()) {
        waiting->append(entries);
        return;
    }
    const bool allowAll = m_settings->schemeLocalAddresses() == SchemeLocalAddresses::allow;
    const bool sourceAllowed = m_sources.at(row).localAllowed;
    const bool proxyResolves = namesResolvedByProxy();

    struct Screening
    {
        QList<FollowEntry> entries;
        QList<bool> held;
        QHash<QString, QList<qsizetype>> toLookUp;
        qsizetype answersDue = 0;
    };
    auto screening = std::make_shared<Screening>();
    screening->entries = entries;
    screening->held.fill(false, entries.size());
    // A local entry of a source the user followed although it is local goes unguarded.
    const auto settleLocal = [&](qsizetype n) {
        if (sourceAllowed)
            screening->entries[n].vouched = true;
        else
            screening->held[n] = true;
    };
    for (qsizetype n = 0; n < entries.size(); ++n) {
        if (entries.at(n).vouched)
            continue;
        // The settings let links into the local network: nothing is guarded.
        if (allowAll) {
            screening->entries[n].vouched = true;
            continue;
        }
        const QString host = QUrl(entries.at(n).url).host();
        switch (reachWithoutLookup(host, proxyResolves)) {
        case HostReach::internet:
            break;
        case HostReach::localNetwork:
            settleLocal(n);
            break;
        case HostReach::lookUp:
            screening->toLookUp[host.toLower()].append(n);
            break;
        }
    }
    if (screening->toLookUp.isEmpty()) {
        screened(id, screening->entries, screening->held);
        return;
    }
    screening->answersDue = screening->toLookUp.size();
    const QStringList hosts = screening->toLookUp.keys();
    for (const QString &host : hosts) {
        m_env.lookup(host, this, [this, id, host, screening, sourceAllowed](const QList<QHostAddress> &addresses) {
            const bool local = answerReachesLocalNetwork(addresses);
            for (const qsizetype n : screening->toLookUp.value(host)) {
                if (!local)
                    continue;
                // A lookup that failed asks even for a source allowed into the local network.
                if (sourceAllowed && !addresses.isEmpty())
                    screening->entries[n].vouched = true;
                else
                    screening->held[n] = true;
            }
            if (--screening->answersDue == 0)
                screened(id, screening->entries, screening->held);
        });
    }
}

void Following::screened(const QUuid &id, const QList<FollowEntry> &entries, const QList<bool> &held)
{
    const int row = indexOf(id);
    if (row < 0)
        return;
    QList<FollowEntry> going;
    QList<FollowEntry> holding;
    for (qsizetype n = 0; n < entries.size(); ++n)
        (held.at(n) ? holding : going).append(entries.at(n));
    if (!holding.isEmpty()) {
        qCInfo(lcFollowing) << holding.size() << "entries of" << m_sources.at(row).url << "point into the local network; asking";
        const qsizetype keep = std::max<qsizetype>(qsizetype(m_env.listingLimit) * 4, 200);
        update(row, [&holding, keep](FollowedSource &source) {
            for (const FollowEntry &entry : std::as_const(holding)) {
                source.pending.removeIf([&entry](const FollowEntry &other) { return other.id == entry.id; });
                if (std::none_of(source.held.begin(), source.held.end(), [&entry](const FollowEntry &other) { return other.id == entry.id; }))
                    source.held.append(entry);
            }
            if (source.held.size() > keep)
                source.held.remove(0, source.held.size() - keep);
        });
    }
    if (!going.isEmpty())
        emit newEntries(m_sources.at(row), going);
}

void Following::update(int row, const std::function<void(FollowedSource &)> &change)
{
    const FollowedSource before = m_sources.at(row);
    change(m_sources[row]);
    if (m_sources.at(row) == before)
        return;
    m_list->changed(row, before);
    save();
    emit sourcesChanged();
}

void Following::save()
{
    if (m_writer)
        m_writer->save(m_sources);
}

bool Following::flush()
{
    return m_writer && m_writer->flush();
}

qint64 Following::offset(qint64 interval) const
{
    return qint64(m_env.random() * double(std::min(interval / 10, kLongestOffset)));
}

void Following::scheduleSoon()
{
    m_timer.start(0);
}

// Arms the timer for the earliest due source, or for a minute from now at most.
void Following::schedule()
{
    if (m_check)
        return;
    if (!m_requested.isEmpty()) {
        scheduleSoon();
        return;
    }
    const QDateTime moment = now();
    std::optional<QDateTime> due;
    for (const FollowedSource &source : std::as_const(m_sources)) {
        if (!source.paused && (!due || source.nextCheck < *due))
            due = source.nextCheck;
    }
    if (!due) {
        m_timer.stop();
        m_nextWake = {};
        return;
    }
    const qint64 wait = std::clamp<qint64>(moment.msecsTo(*due), 0, kLongestSleep * 1000);
    m_nextWake = moment.addMSecs(wait);
    m_timer.start(std::chrono::milliseconds(wait));
}

void Following::checkDue()
{
    if (m_check)
        return;
    while (!m_requested.isEmpty()) {
        const int row = indexOf(m_requested.takeFirst());
        if (row >= 0) {
            startCheck(row);
            return;
        }
    }
    const QDateTime moment = now();
    int next = -1;
    for (int row = 0; row < m_sources.size(); ++row) {
        const FollowedSource &source = m_sources.at(row);
        if (!source.paused && source.nextCheck <= moment && (next < 0 || source.nextCheck < m_sources.at(next).nextCheck))
            next = row;
    }
    if (next >= 0)
        startCheck(next);
    else
        schedule();
}

void Following::startCheck(int row)
{
    const FollowedSource &source = m_sources.at(row);
    m_timer.stop();
    m_nextWake = {};
    m_check = new SourceCheck(this);
    m_check->setTimeLimit(m_env.checkTimeLimit);
    connect(m_check, &SourceCheck::finished, this, &Following::onChecked);
    qCDebug(lcFollowing) << "checking" << source.url;
    m_check->start(source.id, source.url, m_env.listingLimit, *m_settings, m_env.engine());
    m_list->checkingChanged(row);
    emit checkStarted(source.id);
    emit checkingChanged();
}

void Following::stopCheck()
{
    if (!m_check)
        return;
    const QUuid id = m_check->source();
    m_check->stop();
    m_check->deleteLater();
    m_check = nullptr;
    if (const int row = indexOf(id); row >= 0)
        m_list->checkingChanged(row);
    emit checkingChanged();
}

void Following::applyListing(FollowedSource &source, const SourceListing &listing, QList<FollowEntry> &announced) const
{
    if (!listing.title.isEmpty())
        source.title = listing.title;
    if (!listing.site.isEmpty())
        source.site = listing.site;
    source.entryCount = listing.count;

    const QSet<quint64> seen(source.seen.cbegin(), source.seen.cend());
    QList<quint64> listed;
    listed.reserve(listing.entries.size());
    for (const FollowEntry &entry : listing.entries)
        listed.append(FollowedSource::entryKey(entry.id));
    if (!source.hasBeenRead()) {
        // The first reading: "from now on" announces nothing, "also the latest N" the N newest.
        announced = listing.entries.first(std::min<qsizetype>(source.backlog, listing.entries.size()));
        source.backlog = 0;
    } else {
        for (qsizetype n = 0; n < listing.entries.size(); ++n) {
            if (!seen.contains(listed.at(n)))
                announced.append(listing.entries.at(n));
        }
    }

    // What is listed now comes first; older keys follow until the list is a few listings
    // long. An entry that left the listing that long ago does not come back into it.
    const qsizetype keep = std::max<qsizetype>(qsizetype(m_env.listingLimit) * 4, 200);
    QList<quint64> ids = listed;
    const QSet<quint64> listedNow(listed.cbegin(), listed.cend());
    for (const quint64 key : std::as_const(source.seen)) {
        if (ids.size() >= keep)
            break;
        if (!listedNow.contains(key))
            ids.append(key);
    }
    source.seen = std::move(ids);
    source.newSinceVisit += int(announced.size());
    // Waiting for the queue's word; a queue that never gives it does not make this grow
    // without end.
    source.pending += announced;
    if (source.pending.size() > keep)
        source.pending.remove(0, source.pending.size() - keep);
}

void Following::onChecked(const QUuid &id, const CheckResult &result)
{
    if (m_check) {
        m_check->deleteLater();
        m_check = nullptr;
    }
    const int row = indexOf(id);
    if (row < 0) {
        emit checkingChanged();
        schedule();
        return;
    }
    // A first check that finds nothing to follow refuses the follow: kept, the source
    // would sit on the page failing for good, under a folder named after its link.
    if (!result.listing && result.problem.kind == CheckFailure::vanished && !m_sources.at(row).lastCheck) {
        const QString url = m_sources.at(row).url;
        qCInfo(lcFollowing) << "nothing to follow at" << url << "; not followed:" << result.problem.detail;
        drop(row);
        emit followRefused(id, url);
        emit checkingChanged();
        emit checkFinished(id);
        schedule();
        return;
    }
    const QDateTime moment = now();
    QList<FollowEntry> announced;
    const FollowedSource before = m_sources.at(row);
    FollowedSource &source = m_sources[row];
    source.lastCheck = moment;
    if (result.listing) {
        applyListing(source, *result.listing, announced);
        source.lastRead = moment;
        source.problem = {};
        source.backoff = 0;
        source.nextCheck = moment.addSecs(source.interval + offset(source.interval));
    } else {
        source.problem = result.problem;
        qint64 wait = source.effectiveInterval();
        switch (result.problem.kind) {
        case CheckFailure::rateLimited:
            // Each time the site asks again, it is asked half as often, down to once a day.
            source.backoff = std::min(source.effectiveInterval() * 2, std::max(FollowedSource::kLongestBackoff, source.interval));
            if (source.backoff <= source.interval)
                source.backoff = 0;
            wait = source.effectiveInterval();
            break;
        case CheckFailure::vanished:
            break;
        default:
            wait = std::min(wait, kRetryAfterFailure);
        }
        source.nextCheck = moment.addSecs(wait + offset(wait));
        qCInfo(lcFollowing) << "check of" << source.url << "failed:" << result.problem.detail;
    }
    // The check has ended: the state says so even when the check changed nothing else.
    m_list->changed(row, before, true);
    // The file is asked to record the entries as seen before they are announced. A crash
    // before it is written announces them again, which the download archive makes harmless.
    save();
    emit sourcesChanged();
    emit checkingChanged();
    emit checkFinished(id);
    screen(id, announced);
    schedule();
}
