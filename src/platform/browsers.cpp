#include "browsers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

} // namespace Browsers
