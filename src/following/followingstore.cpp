#include "followingstore.h"

#include "base/format.h"
#include "base/paths.h"
#include "following/logging.h"
#include "model/downloadoptions.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QSet>

#include <cmath>

namespace {

const QLatin1StringView kVersion("version");
const QLatin1StringView kSources("sources");
const QLatin1StringView kId("id");
const QLatin1StringView kUrl("url");
const QLatin1StringView kTitle("title");
const QLatin1StringView kSite("site");
const QLatin1StringView kEntryCount("entryCount");
const QLatin1StringView kAdded("added");
const QLatin1StringView kLastCheck("lastCheck");
const QLatin1StringView kLastRead("lastRead");
const QLatin1StringView kNextCheck("nextCheck");
const QLatin1StringView kProblem("problem");
const QLatin1StringView kDetail("problemDetail");
const QLatin1StringView kInterval("interval");
const QLatin1StringView kBackoff("backoff");
const QLatin1StringView kPaused("paused");
const QLatin1StringView kQuality("quality");
const QLatin1StringView kAudioOnly("audioOnly");
const QLatin1StringView kSubtitles("subtitles");
const QLatin1StringView kSponsorBlock("sponsorBlock");
const QLatin1StringView kFolder("folder");
const QLatin1StringView kNewSinceVisit("newSinceVisit");
const QLatin1StringView kSeen("seen");
const QLatin1StringView kBacklog("backlog");
const QLatin1StringView kPending("pending");
const QLatin1StringView kHeld("held");
const QLatin1StringView kVouched("vouched");
const QLatin1StringView kLocalNetwork("localNetwork");

constexpr int kFormatVersion = 1;

const std::pair<CheckFailure, QLatin1StringView> kFailureNames[] = {
    {CheckFailure::rateLimited, QLatin1StringView("rateLimited")}, {CheckFailure::vanished, QLatin1StringView("vanished")},
    {CheckFailure::network, QLatin1StringView("network")},         {CheckFailure::engineMissing, QLatin1StringView("engineMissing")},
    {CheckFailure::unreadable, QLatin1StringView("unreadable")},
};

QString dateText(const QDateTime &date)
{
    return date.toUTC().toString(Qt::ISODateWithMs);
}

struct Reader
{
    const QJsonObject &object;
    bool ok = true;

    QString text(QLatin1StringView key, bool required = false)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && !required)
            return {};
        if (!value.isString())
            ok = false;
        return value.toString();
    }

    std::optional<QDateTime> date(QLatin1StringView key, bool required = false)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && !required)
            return std::nullopt;
        const QDateTime date = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        if (!value.isString() || !date.isValid()) {
            ok = false;
            return std::nullopt;
        }
        return date.toUTC();
    }

    std::optional<qint64> whole(QLatin1StringView key)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return std::nullopt;
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || !std::isfinite(number) || number != std::trunc(number) || std::abs(number) >= 9.2e18) {
            ok = false;
            return std::nullopt;
        }
        return static_cast<qint64>(number);
    }

    bool flag(QLatin1StringView key)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return false;
        if (!value.isBool())
            ok = false;
        return value.toBool();
    }

    QStringList texts(QLatin1StringView key)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isArray()) {
            ok = false;
            return {};
        }
        const QJsonArray array = value.toArray();
        QStringList list;
        list.reserve(array.size());
        for (const QJsonValue &item : array) {
            if (!item.isString()) {
                ok = false;
                return {};
            }
            list.append(item.toString());
        }
        return list;
    }
};

// Absent when the value is not a list of entries.
std::optional<QList<FollowEntry>> decodeEntries(const QJsonObject &object, QLatin1StringView key)
{
    QList<FollowEntry> entries;
    const QJsonValue list = object.value(key);
    if (list.isUndefined())
        return entries;
    if (!list.isArray())
        return std::nullopt;
    for (const QJsonValue &value : list.toArray()) {
        const QJsonObject item = value.toObject();
        Reader entry{item};
        FollowEntry decoded{entry.text(kId, true), entry.text(kUrl, true), Tools::cappedTitle(entry.text(kTitle)), entry.flag(kVouched)};
        if (!value.isObject() || !entry.ok)
            return std::nullopt;
        entries.append(std::move(decoded));
    }
    return entries;
}

QJsonArray encodeEntries(const QList<FollowEntry> &entries)
{
    QJsonArray array;
    for (const FollowEntry &entry : entries) {
        QJsonObject object{{kId, entry.id}, {kUrl, entry.url}, {kTitle, entry.title}};
        if (entry.vouched)
            object.insert(kVouched, true);
        array.append(object);
    }
    return array;
}

std::optional<FollowedSource> decodeSource(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    Reader read{object};
    FollowedSource source;
    source.id = QUuid::fromString(read.text(kId, true));
    source.url = read.text(kUrl, true);
    // Files written before titles were capped may hold one of any length.
    source.title = Tools::cappedTitle(read.text(kTitle));
    source.site = Tools::cappedTitle(read.text(kSite));
    source.entryCount = read.whole(kEntryCount);
    const auto added = read.date(kAdded, true);
    source.lastCheck = read.date(kLastCheck);
    source.lastRead = read.date(kLastRead);
    const auto next = read.date(kNextCheck, true);
    if (const QString kind = read.text(kProblem); !kind.isEmpty()) {
        // A kind a later release added reads as the plainest one: the source is retried.
        source.problem.kind = CheckFailure::network;
        for (const auto &[failure, name] : kFailureNames) {
            if (kind == name)
                source.problem.kind = failure;
        }
        source.problem.detail = Tools::cappedTitle(read.text(kDetail));
    }
    source.interval = FollowedSource::clampInterval(read.whole(kInterval).value_or(FollowedSource::kDefaultInterval));
    source.backoff = std::clamp<qint64>(read.whole(kBackoff).value_or(0), 0, FollowedSource::kLongestBackoff);
    source.paused = read.flag(kPaused);
    // A quality this release does not know falls back to the best, like a stored setting.
    source.options.quality = Quality::fromId(read.text(kQuality)).value_or(Quality::best);
    source.options.audioOnly = read.flag(kAudioOnly);
    source.options.subtitles = read.flag(kSubtitles);
    source.options.sponsorBlock = read.flag(kSponsorBlock);
    source.options.folder = read.text(kFolder);
    // A folder the engine would misread ("temp:/…" names its temporary folder, "$HOME"
    // a variable) goes back to the default rather than being used.
    if (!source.options.folder.isEmpty() && OptionCheck::folderProblem(source.options.folder)) {
        qCWarning(lcFollowing) << "the folder" << source.options.folder << "of" << source.url
                               << "is not an absolute path the engine takes as it is; using the default folder";
        source.options.folder.clear();
    }
    source.localAllowed = read.flag(kLocalNetwork);
    source.newSinceVisit = int(std::clamp<qint64>(read.whole(kNewSinceVisit).value_or(0), 0, 1'000'000));
    for (const QString &key : read.texts(kSeen)) {
        bool ok = false;
        const quint64 value = key.toULongLong(&ok, 16);
        if (!ok || key.size() != 16)
            return std::nullopt;
        source.seen.append(value);
    }
    source.backlog = int(std::clamp<qint64>(read.whole(kBacklog).value_or(0), 0, 1'000'000));
    auto pending = decodeEntries(object, kPending);
    auto held = decodeEntries(object, kHeld);
    if (!pending || !held)
        return std::nullopt;
    source.pending = std::move(*pending);
    source.held = std::move(*held);
    if (!read.ok || source.id.isNull() || source.url.isEmpty() || !added || !next)
        return std::nullopt;
    source.added = *added;
    source.nextCheck = *next;
    return source;
}

QJsonObject encodeSource(const FollowedSource &source)
{
    QJsonObject object{
        {kId, source.id.toString(QUuid::WithoutBraces)}, {kUrl, source.url},           {kAdded, dateText(source.added)},
        {kNextCheck, dateText(source.nextCheck)},        {kInterval, source.interval}, {kQuality, source.options.quality.id()},
    };
    if (!source.title.isEmpty())
        object.insert(kTitle, source.title);
    if (!source.site.isEmpty())
        object.insert(kSite, source.site);
    if (source.entryCount)
        object.insert(kEntryCount, *source.entryCount);
    if (source.lastCheck)
        object.insert(kLastCheck, dateText(*source.lastCheck));
    if (source.lastRead)
        object.insert(kLastRead, dateText(*source.lastRead));
    for (const auto &[failure, name] : kFailureNames) {
        if (source.problem.kind == failure) {
            object.insert(kProblem, name);
            object.insert(kDetail, source.problem.detail);
        }
    }
    if (source.backoff > 0)
        object.insert(kBackoff, source.backoff);
    if (source.paused)
        object.insert(kPaused, true);
    if (source.options.audioOnly)
        object.insert(kAudioOnly, true);
    if (source.options.subtitles)
        object.insert(kSubtitles, true);
    if (source.options.sponsorBlock)
        object.insert(kSponsorBlock, true);
    if (!source.options.folder.isEmpty())
        object.insert(kFolder, source.options.folder);
    if (source.newSinceVisit > 0)
        object.insert(kNewSinceVisit, source.newSinceVisit);
    if (source.backlog > 0)
        object.insert(kBacklog, source.backlog);
    QJsonArray seen;
    for (const quint64 key : source.seen)
        seen.append(QStringLiteral("%1").arg(key, 16, 16, QLatin1Char('0')));
    object.insert(kSeen, seen);
    if (!source.pending.isEmpty())
        object.insert(kPending, encodeEntries(source.pending));
    if (!source.held.isEmpty())
        object.insert(kHeld, encodeEntries(source.held));
    if (source.localAllowed)
        object.insert(kLocalNetwork, true);
    return object;
}

} // namespace

namespace FollowingStore {

QString defaultPath()
{
    return Tools::supportDir() + QStringLiteral("/following.json");
}

std::optional<QList<FollowedSource>> decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    // A file from a later release that changed its meaning is kept rather than misread.
    if (root.value(kVersion).toInt(-1) != kFormatVersion || !root.value(kSources).isArray())
        return std::nullopt;
    QList<FollowedSource> sources;
    QSet<QUuid> ids;
    for (const QJsonValue &value : root.value(kSources).toArray()) {
        auto source = decodeSource(value);
        if (!source)
            return std::nullopt;
        // Two sources of one id (an edited file) would be one to every look-up: the other
        // would stay due for ever. The later one is given an id of its own.
        if (ids.contains(source->id)) {
            qCWarning(lcFollowing) << "two followed sources share the id" << source->id << "; giving" << source->url << "a new one";
            source->id = QUuid::createUuid();
        }
        ids.insert(source->id);
        sources.append(std::move(*source));
    }
    return sources;
}

QByteArray encode(const QList<FollowedSource> &sources)
{
    QJsonArray array;
    for (const FollowedSource &source : sources)
        array.append(encodeSource(source));
    return QJsonDocument(QJsonObject{{kVersion, kFormatVersion}, {kSources, array}}).toJson(QJsonDocument::Compact);
}

std::optional<QList<FollowedSource>> read(const QString &path)
{
    const StoredFile::Kind kind = StoredFile::kindOf(path);
    if (kind == StoredFile::Kind::missing)
        return QList<FollowedSource>();
    QFile file(path);
    if (kind != StoredFile::Kind::regular || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(file.readAll());
}

Loaded load(const QString &path)
{
    return StoredFile::load<FollowedSource>(path, decode, lcFollowing(), "following file");
}

bool save(const QString &path, const QList<FollowedSource> &sources)
{
    return StoredFile::save(path, encode(sources), lcFollowing(), "following file");
}

} // namespace FollowingStore

FollowingWriter::FollowingWriter(const QString &path)
    : m_path(path)
{
    m_pool.setMaxThreadCount(1);
    // The thread stays for the next save rather than being started anew for each.
    m_pool.setExpiryTimeout(-1);
}

FollowingWriter::~FollowingWriter()
{
    flush();
}

void FollowingWriter::save(const QList<FollowedSource> &sources)
{
    QMutexLocker lock(&m_mutex);
    // The list is shared, not copied: the sources are values that this thread will not
    // change in place while the writer reads them.
    m_waiting = sources;
    if (m_writing)
        return;
    m_writing = true;
    m_pool.start([this] { writeWaiting(); });
}

void FollowingWriter::writeWaiting()
{
    for (;;) {
        QList<FollowedSource> sources;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_waiting) {
                m_writing = false;
                return;
            }
            sources = std::move(*m_waiting);
            m_waiting.reset();
        }
        const bool saved = FollowingStore::save(m_path, sources);
        QMutexLocker lock(&m_mutex);
        m_lastSaved = saved;
    }
}

bool FollowingWriter::flush()
{
    m_pool.waitForDone();
    QMutexLocker lock(&m_mutex);
    return m_lastSaved;
}
