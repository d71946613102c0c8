#pragma once

#include "platform/browsers.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The browsers' manifests of Vireloom's native messaging host, which let the browser
// companion reach it: written for this user into each browser found on the machine,
// natively or as a Flatpak, and removed again. What was written is recorded, so that
// removing takes away only files Vireloom wrote and that nobody changed since.
namespace BrowserHosts {

// The extension ids the manifests let in: the Chromium family's fixed by the extension's
// key, Firefox's given in its manifest.
inline constexpr QLatin1StringView kChromiumOrigin("chrome-extension://fdgalamgdgiegcbnmdbopphkkopldjbi/");
inline constexpr QLatin1StringView kFirefoxExtension("companion@vireloom.github.io");

// The manifest for a browser of `family`, naming the host program.
QByteArray manifest(Browsers::Family family, const QString &hostProgram);

struct Place
{
    const Browsers::Browser *browser = nullptr;
    Browsers::Install install = Browsers::Install::native;
    QString file;

    friend bool operator==(const Place &, const Place &) = default;
};
// Every place a manifest of ours may be: each browser, native and as a Flatpak.
QList<Place> places(const Browsers::Roots &roots);

enum class State {
    missing,
    // Ours, naming this host program.
    current,
    // Ours, written by another Vireloom (another build or place) or for another host.
    outdated,
    // A file under our name that Vireloom did not write, or that was changed since.
    other,
};

struct Entry
{
    Place place;
    bool installed = false;
    State state = State::missing;
};
QList<Entry> status(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile);

struct Outcome
{
    QList<Place> written;
    QList<Place> removed;
    // Left alone: not Vireloom's (see State::other).
    QList<Place> kept;
    QList<Place> failed;

    // A Flatpak browser was written to: its sandbox may not let it start the host.
    bool wroteFlatpak() const;
};
// Writes the manifest into every browser found on the machine.
Outcome registerBrowsers(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile);
// Removes every manifest Vireloom wrote, and the folders it made for them once empty.
Outcome unregisterBrowsers(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile);

// Where the record of what was written is kept: the support folder.
QString defaultRecordFile();
// The host program installed with this application: beside it (the build tree), or
// where the installation puts it; empty when it is in neither place.
QString hostProgram();

// The folder with the extension's packages for this application: the unpacked Chromium
// one ("vireloom-chromium") and Firefox's "vireloom-firefox.xpi". Beside the program in the
// build tree, else where the installation puts them; empty when neither holds them.
QString extensionFolder();
inline constexpr QLatin1StringView kChromiumPackage("vireloom-chromium");
inline constexpr QLatin1StringView kFirefoxPackage("vireloom-firefox.xpi");

} // namespace BrowserHosts
