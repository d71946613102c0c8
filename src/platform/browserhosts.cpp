#include "browserhosts.h"

#include "base/paths.h"
#include "intake/browsermessage.h"
#include "platform/logging.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;
using Browsers::Install;

namespace {

// What was written: each manifest with the digest of what it held, and the folders made
// for them.
struct Record
{
    QHash<QString, QByteArray> manifests;
    QStringList folders;
};

QByteArray digest(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

// A record that cannot be read vouches for nothing: nothing is removed on its word.
Record loadRecord(const QString &file)
{
    Record record;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return record;
    const QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
    const QJsonObject manifests = root.value(u"manifests"_s).toObject();
    for (auto it = manifests.begin(); it != manifests.end(); ++it) {
        if (it.value().isString())
            record.manifests.insert(it.key(), it.value().toString().toLatin1());
    }
    for (const QJsonValue &folder : root.value(u"folders"_s).toArray()) {
        if (folder.isString())
            record.folders << folder.toString();
    }
    return record;
}

bool saveRecord(const QString &file, const Record &record)
{
    QJsonObject manifests;
    for (auto it = record.manifests.begin(); it != record.manifests.end(); ++it)
        manifests.insert(it.key(), QString::fromLatin1(it.value()));
    const QJsonObject root{{u"version"_s, 1}, {u"manifests"_s, manifests}, {u"folders"_s, QJsonArray::fromStringList(record.folders)}};
    if (record.manifests.isEmpty() && record.folders.isEmpty())
        return !QFileInfo::exists(file) || QFile::remove(file);
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(QJsonDocument(root).toJson()) >= 0 && out.commit();
}

BrowserHosts::State stateOf(const BrowserHosts::Place &place, const QString &hostProgram, const Record &record)
{
    const QFileInfo info(place.file);
    if (!info.exists() && !info.isSymLink())
        return BrowserHosts::State::missing;
    // A link leads to a file somewhere else, which is not ours to write or remove.
    if (info.isSymLink() || !info.isFile())
        return BrowserHosts::State::other;
    QFile file(place.file);
    if (!file.open(QIODevice::ReadOnly))
        return BrowserHosts::State::other;
    const QByteArray content = file.readAll();
    if (content == BrowserHosts::manifest(place.browser->family, hostProgram))
        return BrowserHosts::State::current;
    if (record.manifests.value(place.file) == digest(content))
        return BrowserHosts::State::outdated;
    return BrowserHosts::State::other;
}

// Makes the folder and whatever it lacks above it; those made are added to `made`.
bool makeFolder(const QString &path, QStringList &made)
{
    QStringList missing;
    for (QDir dir(path); !dir.exists(); dir.setPath(QFileInfo(dir.path()).path()))
        missing.prepend(dir.path());
    if (!QDir().mkpath(path))
        return false;
    made += missing;
    return true;
}

bool writeManifest(const QString &path, const QByteArray &content)
{
    QSaveFile out(path);
    // Browsers run as this user, but a system-wide one may read it as another.
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.commit()
           && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

namespace BrowserHosts {

QByteArray manifest(Browsers::Family family, const QString &hostProgram)
{
    QJsonObject object{
        {u"name"_s, BrowserMessage::kHostName},
        {u"description"_s, u"Vireloom: sends links from the browser to Vireloom"_s},
        {u"path"_s, hostProgram},
        {u"type"_s, u"stdio"_s},
    };
    if (family == Browsers::Family::chromium)
        object.insert(u"allowed_origins"_s, QJsonArray{kChromiumOrigin});
    else
        object.insert(u"allowed_extensions"_s, QJsonArray{kFirefoxExtension});
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QList<Place> places(const Browsers::Roots &roots)
{
    QList<Place> list;
    for (const Browsers::Browser &browser : Browsers::all()) {
        for (const Install install : {Install::native, Install::flatpak}) {
            const QString folder = Browsers::hostsFolder(browser, install, roots);
            list.append({&browser, install, folder + u'/' + BrowserMessage::kHostName + u".json"_s});
        }
    }
    return list;
}

QList<Entry> status(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile)
{
    const Record record = loadRecord(recordFile);
    QList<Entry> entries;
    for (const Place &place : places(roots))
        entries.append({place, Browsers::installed(*place.browser, place.install, roots), stateOf(place, hostProgram, record)});
    return entries;
}

Outcome registerBrowsers(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile)
{
    Record record = loadRecord(recordFile);
    Outcome outcome;
    for (const Entry &entry : status(roots, hostProgram, recordFile)) {
        if (!entry.installed)
            continue;
        if (entry.state == State::other) {
            outcome.kept << entry.place;
            continue;
        }
        const QByteArray content = manifest(entry.place.browser->family, hostProgram);
        QStringList made;
        if (!makeFolder(QFileInfo(entry.place.file).path(), made) || !writeManifest(entry.place.file, content)) {
            qCWarning(lcBrowsers) << "could not write" << entry.place.file;
            outcome.failed << entry.place;
            continue;
        }
        record.manifests.insert(entry.place.file, digest(content));
        for (const QString &folder : std::as_const(made)) {
            if (!record.folders.contains(folder))
                record.folders << folder;
        }
        outcome.written << entry.place;
    }
    if (!saveRecord(recordFile, record))
        qCWarning(lcBrowsers) << "could not keep the record of the manifests in" << recordFile;
    return outcome;
}

Outcome unregisterBrowsers(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile)
{
    Record record = loadRecord(recordFile);
    Outcome outcome;
    for (const Entry &entry : status(roots, hostProgram, recordFile)) {
        switch (entry.state) {
        case State::missing:
            break;
        case State::other:
            outcome.kept << entry.place;
            break;
        case State::current:
        case State::outdated:
            if (QFile::remove(entry.place.file)) {
                outcome.removed << entry.place;
                record.manifests.remove(entry.place.file);
            } else {
                outcome.failed << entry.place;
            }
            break;
        }
    }
    // Deepest first; a folder that holds anything, ours or not, stays.
    QStringList folders = record.folders;
    std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &folder : std::as_const(folders)) {
        if (QDir().rmdir(folder) || !QFileInfo::exists(folder))
            record.folders.removeAll(folder);
    }
    if (!saveRecord(recordFile, record))
        qCWarning(lcBrowsers) << "could not keep the record of the manifests in" << recordFile;
    return outcome;
}

QString hostProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {here.filePath(u"vireloom-browser-host"_s), here.filePath(QStringLiteral(VIRELOOM_APP_TO_HOST))}) {
        const QFileInfo program(candidate);
        if (program.isFile() && program.isExecutable())
            return program.canonicalFilePath();
    }
    return {};
}

bool Outcome::wroteFlatpak() const
{
    return std::any_of(written.begin(), written.end(), [](const Place &place) { return place.install == Browsers::Install::flatpak; });
}

QString extensionFolder()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {here.path(), here.filePath(QStringLiteral(VIRELOOM_APP_TO_EXTENSION))}) {
        const QDir folder(candidate);
        if (folder.exists(kChromiumPackage) || folder.exists(kFirefoxPackage))
            return QFileInfo(folder.path()).canonicalFilePath();
    }
    return {};
}

QString defaultRecordFile()
{
    return Tools::supportDir() + u"/browser-hosts.json"_s;
}

} // namespace BrowserHosts
