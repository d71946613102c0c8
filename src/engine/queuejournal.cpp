#include "queuejournal.h"

#include "base/storedfile.h"
#include "engine/logging.h"
#include "engine/progress.h"
#include "model/downloaditem.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

constexpr int kVersion = 1;

QString stageName(JournalEntry::Stage stage)
{
    switch (stage) {
    case JournalEntry::Stage::queued:
        return u"queued"_s;
    case JournalEntry::Stage::running:
        return u"running"_s;
    case JournalEntry::Stage::fetching:
        break;
    }
    return u"fetching"_s;
}

std::optional<JournalEntry::Stage> stageFrom(const QString &name)
{
    for (const auto stage : {JournalEntry::Stage::fetching, JournalEntry::Stage::queued, JournalEntry::Stage::running}) {
        if (stageName(stage) == name)
            return stage;
    }
    return std::nullopt;
}

std::optional<JournalEntry> decodeEntry(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const auto text = [&object](const char *key) { return object.value(QLatin1StringView(key)); };
    const QJsonValue url = text("url"), quality = text("quality"), playlist = text("playlist"), stage = text("stage"),
                     folder = text("folder"), title = text("title"), site = text("site"), uploader = text("uploader"),
                     thumbnail = text("thumbnail"), duration = text("duration"), count = text("playlistCount"), options = text("options"),
                     guarded = text("guarded"), partial = text("partial"), browserLogin = text("browserLogin"),
                     loginBrowser = text("loginBrowser"), loginLabel = text("loginLabel");
    if (!value.isObject() || !url.isString() || !quality.isString() || !playlist.isBool() || !stage.isString() || !folder.isString()
        || !title.isString() || !site.isString() || !uploader.isString() || !(thumbnail.isUndefined() || thumbnail.isString())
        || !(duration.isUndefined() || duration.isDouble()) || !(count.isUndefined() || count.isDouble()) || !options.isObject()
        || !(guarded.isUndefined() || guarded.isBool()) || !(browserLogin.isUndefined() || browserLogin.isBool())
        || !(loginBrowser.isUndefined() || loginBrowser.isString()) || !(loginLabel.isUndefined() || loginLabel.isString()))
        return std::nullopt;

    JournalEntry entry;
    const auto preset = Quality::fromId(quality.toString());
    const auto parsedStage = stageFrom(stage.toString());
    const auto parsedOptions = DownloadOptions::fromJson(options.toObject());
    const QUrl link(url.toString());
    if (!preset || !parsedStage || !parsedOptions || !link.isValid() || (link.scheme() != u"http" && link.scheme() != u"https")
        || !QFileInfo(folder.toString()).isAbsolute())
        return std::nullopt;
    entry.url = url.toString();
    entry.quality = *preset;
    entry.playlist = playlist.toBool();
    entry.stage = *parsedStage;
    entry.options = *parsedOptions;
    entry.folder = folder.toString();
    entry.title = title.toString();
    entry.site = site.toString();
    entry.uploader = uploader.toString();
    if (thumbnail.isString())
        entry.thumbnail = QUrl(thumbnail.toString());
    if (duration.isDouble())
        entry.duration = duration.toDouble();
    if (count.isDouble())
        entry.playlistCount = count.toInt();
    entry.guarded = guarded.toBool(true);
    entry.browserLogin = browserLogin.toBool(false);
    entry.loginBrowser = loginBrowser.toString();
    entry.loginLabel = loginLabel.toString();
    // A list that is not one of names in the folder is left out, not the download.
    for (const QJsonValue &name : partial.toArray()) {
        if (name.isString() && liesInside(name.toString(), entry.folder))
            entry.partial << name.toString();
    }
    return entry;
}

} // namespace

JournalEntry JournalEntry::of(const DownloadItem &item, const QString &folder)
{
    JournalEntry entry;
    entry.url = item.url();
    entry.quality = item.quality();
    entry.playlist = item.playlist();
    entry.options = item.options();
    const DLState::Kind kind = item.state().kind();
    entry.stage = kind == DLState::fetching ? Stage::fetching : kind == DLState::queued ? Stage::queued : Stage::running;
    entry.folder = folder;
    entry.title = item.title();
    entry.site = item.site();
    entry.uploader = item.uploader();
    entry.thumbnail = item.thumbnailUrl();
    entry.duration = item.duration();
    entry.playlistCount = item.playlistCount();
    entry.guarded = item.guarded();
    entry.browserLogin = item.login().handedOver() || item.loginLost();
    entry.loginBrowser = item.login().browser;
    entry.loginLabel = item.login().browserLabel;
    if (entry.stage == Stage::running) {
        for (const QString &destination : item.destinations()) {
            if (!item.preexisting().contains(destination))
                entry.partial << destination;
        }
    }
    return entry;
}

namespace QueueJournal {

QByteArray encode(const QList<JournalEntry> &entries)
{
    QJsonArray items;
    for (const JournalEntry &entry : entries) {
        QJsonObject object{
            {u"url"_s, entry.url},
            {u"quality"_s, entry.quality.id()},
            {u"playlist"_s, entry.playlist},
            {u"stage"_s, stageName(entry.stage)},
            {u"folder"_s, entry.folder},
            {u"title"_s, entry.title},
            {u"site"_s, entry.site},
            {u"uploader"_s, entry.uploader},
            {u"options"_s, entry.options.toJson()},
            {u"guarded"_s, entry.guarded},
        };
        if (entry.thumbnail)
            object.insert(u"thumbnail"_s, entry.thumbnail->toString(QUrl::FullyEncoded));
        if (entry.duration)
            object.insert(u"duration"_s, *entry.duration);
        if (entry.playlistCount)
            object.insert(u"playlistCount"_s, *entry.playlistCount);
        if (!entry.partial.isEmpty())
            object.insert(u"partial"_s, QJsonArray::fromStringList(entry.partial));
        if (entry.browserLogin)
            object.insert(u"browserLogin"_s, true);
        if (!entry.loginBrowser.isEmpty()) {
            object.insert(u"loginBrowser"_s, entry.loginBrowser);
            object.insert(u"loginLabel"_s, entry.loginLabel);
        }
        items.append(object);
    }
    return QJsonDocument(QJsonObject{{u"version"_s, kVersion}, {u"items"_s, items}}).toJson(QJsonDocument::Compact);
}

std::optional<QList<JournalEntry>> decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject() || root.value(u"version"_s) != kVersion
        || !root.value(u"items"_s).isArray())
        return std::nullopt;
    QList<JournalEntry> entries;
    for (const QJsonValue &value : root.value(u"items"_s).toArray()) {
        auto entry = decodeEntry(value);
        if (!entry)
            return std::nullopt;
        entries.append(std::move(*entry));
    }
    return entries;
}

Loaded load(const QString &path)
{
    return StoredFile::load<JournalEntry>(path, decode, lcEngine(), "queue journal");
}

bool save(const QString &path, const QList<JournalEntry> &entries)
{
    return StoredFile::save(path, encode(entries), lcEngine(), "queue journal");
}

} // namespace QueueJournal
