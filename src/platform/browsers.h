#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The web browsers Vireloom works with on Linux: where each keeps its profiles and its
// native messaging host manifests, installed from the distribution, as a Flatpak or as a
// Snap. Everything is worked out from the folders given, so that tests can give their own.
namespace Browsers {

// How the browser reads host manifests and cookies: as Chromium does, or as Firefox does.
enum class Family { chromium, firefox };
enum class Install { native, flatpak, snap };

struct Browser
{
    // A short name of our own ("chromium", "chrome", "librewolf").
    QString id;
    // The browser's name as its makers write it; the same in every language.
    QString name;
    Family family;
    QString flatpakId;
    // Where its user data is, below the configuration folder (Chromium family), or its
    // profiles.ini below the home folder (Firefox family).
    QString dataPath;
    // The Firefox family's host manifests, below the home folder.
    QString hostsPath;
    // Its user data inside a Snap, below the home folder; empty when it has none.
    QString snapDataPath;
    // Program names looked for in the system's program folders, and absolute paths.
    QStringList programs;
    // The name yt-dlp reads its cookies by; a profile is then given by its path.
    QString engineName;
};

const QList<Browser> &all();
const Browser *find(const QString &id);

// The folders everything is found from: the user's home, their configuration folder
// ($XDG_CONFIG_HOME, usually ~/.config) and the root of the system.
struct Roots
{
    QString home;
    QString configHome;
    QString system = QStringLiteral("/");

    // Those of this user and this machine.
    static Roots current();
};

// Where one install of a browser keeps its user data: the Chromium family's user-data
// folder, the Firefox family's folder of profiles.ini.
QString dataFolder(const Browser &browser, Install install, const Roots &roots);
// The folder it reads this user's host manifests from; empty for a Snap, which cannot
// start programs outside its confinement.
QString hostsFolder(const Browser &browser, Install install, const Roots &roots);
// Whether this install of the browser is on the machine: its program is there, it has run
// for this user (its user data exists), or Flatpak holds it.
bool installed(const Browser &browser, Install install, const Roots &roots);

// How an install is named to the user: "Chromium", "Chromium (Flatpak)".
QString installName(const Browser &browser, Install install);

// One profile of an install whose logins the engine can read: it holds the browser's
// cookie store.
struct Profile
{
    const Browser *browser = nullptr;
    Install install = Install::native;
    // The profile's own folder.
    QString folder;
    // As the browser names it ("Person 1", "default-release").
    QString name;
    // The only profile of its install: its name adds nothing to the install's.
    bool alone = true;

    // As yt-dlp's --cookies-from-browser takes it: "chromium:/home/me/.config/chromium/Default".
    QString engineName() const;
    // As the user knows it: "Chromium", "Firefox (Flatpak) · Work".
    QString label() const;

    friend bool operator==(const Profile &, const Profile &) = default;
};

// Every profile with a cookie store in every install of every browser, in the order of
// the browsers' table, each install's default first. Reads a few small files; a list of
// profiles that cannot be read gives those its folders show.
QList<Profile> profiles(const Roots &roots);

} // namespace Browsers
