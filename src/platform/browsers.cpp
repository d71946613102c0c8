#include "browsers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Browsers {

const QList<Browser> &all()
{
    using enum Family;
    static const QList<Browser> table{
        {u"chromium"_s,
         u"Chromium"_s,
         chromium,
         u"org.chromium.Chromium"_s,
         u"chromium"_s,
         {},
         u"snap/chromium/common/chromium"_s,
         {u"chromium"_s, u"chromium-browser"_s},
         u"chromium"_s},
        {u"chrome"_s,
         u"Google Chrome"_s,
         chromium,
         u"com.google.Chrome"_s,
         u"google-chrome"_s,
         {},
         {},
         {u"google-chrome"_s, u"google-chrome-stable"_s, u"/opt/google/chrome/chrome"_s},
         u"chrome"_s},
        {u"brave"_s,
         u"Brave"_s,
         chromium,
         u"com.brave.Browser"_s,
         u"BraveSoftware/Brave-Browser"_s,
         {},
         u"snap/brave/current/.config/BraveSoftware/Brave-Browser"_s,
         {u"brave-browser"_s, u"brave"_s, u"/opt/brave.com/brave/brave"_s},
         u"brave"_s},
        {u"vivaldi"_s,
         u"Vivaldi"_s,
         chromium,
         u"com.vivaldi.Vivaldi"_s,
         u"vivaldi"_s,
         {},
         {},
         {u"vivaldi"_s, u"vivaldi-stable"_s, u"/opt/vivaldi/vivaldi"_s},
         u"vivaldi"_s},
        {u"edge"_s,
         u"Microsoft Edge"_s,
         chromium,
         u"com.microsoft.Edge"_s,
         u"microsoft-edge"_s,
         {},
         {},
         {u"microsoft-edge"_s, u"microsoft-edge-stable"_s, u"/opt/microsoft/msedge/msedge"_s},
         u"edge"_s},
        {u"firefox"_s,
         u"Firefox"_s,
         firefox,
         u"org.mozilla.firefox"_s,
         u".mozilla/firefox"_s,
         u".mozilla/native-messaging-hosts"_s,
         u"snap/firefox/common/.mozilla/firefox"_s,
         {u"firefox"_s, u"firefox-esr"_s},
         u"firefox"_s},
        // yt-dlp knows LibreWolf as what it is, a Firefox, given the profile's path.
        {u"librewolf"_s,
         u"LibreWolf"_s,
         firefox,
         u"io.gitlab.librewolf-community"_s,
         u".librewolf"_s,
         u".librewolf/native-messaging-hosts"_s,
         {},
         {u"librewolf"_s},
         u"firefox"_s},
    };
    return table;
}

const Browser *find(const QString &id)
{
    for (const Browser &browser : all()) {
        if (browser.id == id)
            return &browser;
    }
    return nullptr;
}

Roots Roots::current()
{
    const QString home = QDir::homePath();
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = home + u"/.config"_s;
    return {home, config, u"/"_s};
}

namespace {

// What a Flatpak browser sees as its home and configuration folder.
QString flatpakHome(const Browser &browser, const Roots &roots)
{
    return roots.home + u"/.var/app/"_s + browser.flatpakId;
}

} // namespace

QString dataFolder(const Browser &browser, Install install, const Roots &roots)
{
    switch (install) {
    case Install::native:
        return (browser.family == Family::chromium ? roots.configHome : roots.home) + u'/' + browser.dataPath;
    case Install::flatpak:
        return flatpakHome(browser, roots) + (browser.family == Family::chromium ? u"/config/"_s : u"/"_s) + browser.dataPath;
    case Install::snap:
        break;
    }
    return browser.snapDataPath.isEmpty() ? QString() : roots.home + u'/' + browser.snapDataPath;
}

QString hostsFolder(const Browser &browser, Install install, const Roots &roots)
{
    if (install == Install::snap)
        return {};
    if (browser.family == Family::chromium)
        return dataFolder(browser, install, roots) + u"/NativeMessagingHosts"_s;
    return (install == Install::flatpak ? flatpakHome(browser, roots) : roots.home) + u'/' + browser.hostsPath;
}

bool installed(const Browser &browser, Install install, const Roots &roots)
{
    const QString data = dataFolder(browser, install, roots);
    if (!data.isEmpty() && QFileInfo(data).isDir())
        return true;
    const QDir system(roots.system);
    switch (install) {
    case Install::native:
        for (const QString &program : browser.programs) {
            const QStringList candidates = program.startsWith(u'/') ? QStringList{program.mid(1)}
                                                                    : QStringList{u"usr/bin/"_s + program, u"usr/local/bin/"_s + program};
            for (const QString &candidate : candidates) {
                const QFileInfo file(system.filePath(candidate));
                if (file.isFile() && file.isExecutable())
                    return true;
            }
        }
        return false;
    case Install::flatpak:
        return QFileInfo(flatpakHome(browser, roots)).isDir() || system.exists(u"var/lib/flatpak/app/"_s + browser.flatpakId)
               || QFileInfo(roots.home + u"/.local/share/flatpak/app/"_s + browser.flatpakId).isDir();
    case Install::snap:
        // "snap/<name>/...": the Snap's own name.
        return !browser.snapDataPath.isEmpty() && system.exists(u"snap/bin/"_s + browser.snapDataPath.section(u'/', 1, 1));
    }
    return false;
}

QString installName(const Browser &browser, Install install)
{
    switch (install) {
    case Install::native:
        break;
    case Install::flatpak:
        return browser.name + u" (Flatpak)"_s;
    case Install::snap:
        return browser.name + u" (Snap)"_s;
    }
    return browser.name;
}

QString Profile::engineName() const
{
    return browser->engineName + u':' + folder;
}

QString Profile::label() const
{
    const QString install = installName(*browser, this->install);
    return alone ? install : install + u" · "_s + name;
}

namespace {

// The profiles' lists are small; one far larger is not the browser's.
constexpr qint64 kListLimit = 16 * 1024 * 1024;

QByteArray readList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kListLimit)
        return {};
    return file.read(kListLimit);
}

// A name the list gives a profile's folder by: one folder right under the list's, so
// that a list someone wrote by hand cannot point anywhere else.
bool plainFolderName(const QString &name)
{
    return !name.isEmpty() && name != u"."_s && name != u".."_s && !name.contains(u'/') && !name.contains(QChar(0));
}

bool holdsChromiumCookies(const QString &folder)
{
    return QFileInfo(folder + u"/Cookies"_s).isFile() || QFileInfo(folder + u"/Network/Cookies"_s).isFile();
}

// The Chromium family names its profiles in "Local State" (profile.info_cache: folder
// name to its details); where that cannot be read, the folders it makes tell them.
QList<Profile> chromiumProfiles(const Browser &browser, Install install, const QString &data)
{
    QList<std::pair<QString, QString>> named; // folder, name
    const QJsonObject cache = QJsonDocument::fromJson(readList(data + u"/Local State"_s))
                                  .object()
                                  .value(u"profile"_s)
                                  .toObject()
                                  .value(u"info_cache"_s)
                                  .toObject();
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        const QString name = it.value().toObject().value(u"name"_s).toString().trimmed();
        named.append({it.key(), name.isEmpty() ? it.key() : name});
    }
    if (cache.isEmpty()) {
        const QStringList folders = QDir(data).entryList({u"Default"_s, u"Profile *"_s}, QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &folder : folders)
            named.append({folder, folder});
    }
    // The order the browser made them in: "Default", "Profile 1", "Profile 2", … "Profile 10".
    const auto order = [](const QString &folder) {
        if (folder == u"Default"_s)
            return std::pair{-1LL, folder};
        bool numbered = false;
        const qlonglong number = folder.startsWith(u"Profile "_s) ? folder.sliced(8).toLongLong(&numbered) : 0;
        return std::pair{numbered ? number : std::numeric_limits<qlonglong>::max(), folder};
    };
    std::sort(named.begin(), named.end(), [&order](const auto &a, const auto &b) { return order(a.first) < order(b.first); });
    QList<Profile> found;
    for (const auto &[folder, name] : std::as_const(named)) {
        const QString path = data + u'/' + folder;
        if (plainFolderName(folder) && holdsChromiumCookies(path))
            found.append({&browser, install, path, name});
    }
    return found;
}

// The Firefox family lists its profiles in profiles.ini: a [ProfileN] section each, with
// its Name and Path, relative to the list's folder where IsRelative says so; the profile
// an install starts with is the Default of its [Install…] section (older ones mark theirs
// Default=1). Lines that are not "key=value" are passed over.
QList<Profile> firefoxProfiles(const Browser &browser, Install install, const QString &data)
{
    struct Section
    {
        QString name;
        QHash<QString, QString> values;
    };
    QList<Section> sections;
    const QString text = QString::fromUtf8(readList(data + u"/profiles.ini"_s));
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.startsWith(u'\uFEFF'))
            line = line.sliced(1);
        line = line.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            sections.append({line.sliced(1, line.size() - 2).trimmed().toString(), {}});
        } else if (const qsizetype equals = line.indexOf(u'='); equals > 0 && !sections.isEmpty()) {
            sections.last().values.insert(line.first(equals).trimmed().toString().toLower(), line.sliced(equals + 1).trimmed().toString());
        }
    }
    QStringList defaults;
    for (const Section &section : std::as_const(sections)) {
        if (section.name.startsWith(u"Install"_s, Qt::CaseInsensitive) && !section.values.value(u"default"_s).isEmpty())
            defaults << section.values.value(u"default"_s);
    }
    const QDir list(data);
    QList<std::pair<Profile, bool>> found; // the profile, whether an install starts with it
    QStringList seen;
    for (const Section &section : std::as_const(sections)) {
        if (!section.name.startsWith(u"Profile"_s, Qt::CaseInsensitive))
            continue;
        const QString path = section.values.value(u"path"_s);
        if (path.isEmpty() || path.contains(QChar(0)))
            continue;
        const QString relative = section.values.value(u"isrelative"_s);
        const bool isRelative = relative.isEmpty() ? !QDir::isAbsolutePath(path) : relative == u"1"_s;
        const QString folder = QDir::cleanPath(isRelative ? list.filePath(path) : path);
        if (!QDir::isAbsolutePath(folder) || !QFileInfo(folder + u"/cookies.sqlite"_s).isFile())
            continue;
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (seen.contains(canonical))
            continue;
        seen << canonical;
        QString name = section.values.value(u"name"_s);
        if (name.isEmpty())
            name = QFileInfo(folder).fileName();
        const bool isDefault = defaults.isEmpty() ? section.values.value(u"default"_s) == u"1"_s : defaults.contains(path);
        found.append({{&browser, install, folder, name}, isDefault});
    }
    std::stable_partition(found.begin(), found.end(), [](const auto &entry) { return entry.second; });
    QList<Profile> profiles;
    for (const auto &[profile, isDefault] : std::as_const(found))
        profiles << profile;
    return profiles;
}

} // namespace

QList<Profile> profiles(const Roots &roots)
{
    QList<Profile> all;
    for (const Browser &browser : Browsers::all()) {
        for (const Install install : {Install::native, Install::flatpak, Install::snap}) {
            const QString data = dataFolder(browser, install, roots);
            if (data.isEmpty() || !QFileInfo(data).isDir())
                continue;
            QList<Profile> found =
                browser.family == Family::chromium ? chromiumProfiles(browser, install, data) : firefoxProfiles(browser, install, data);
            for (Profile &profile : found)
                profile.alone = found.size() == 1;
            all += found;
        }
    }
    return all;
}

} // namespace Browsers
