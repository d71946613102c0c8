#pragma once

#include <QList>
#include <QString>

#include <optional>

// One cookie of the user's browser, handed over with a link by the browser companion. Its
// value is as good as the user's password for the site: it is kept in memory only, and
// reaches the engine through the run's private cookies file alone.
struct BrowserCookie
{
    QString name;
    QString value;
    QString domain;
    QString path = QStringLiteral("/");
    bool secure = false;
    bool httpOnly = false;
    // Sent to the domain itself only, not to its subdomains.
    bool hostOnly = false;
    // Seconds since the epoch; absent for a cookie that lasts as long as the browser runs.
    std::optional<qint64> expires;

    friend bool operator==(const BrowserCookie &, const BrowserCookie &) = default;
};

using BrowserCookies = QList<BrowserCookie>;

// The login an item's runs use in place of the settings' (the browser and the cookies file
// chosen there): the cookies the browser companion handed over with the link, or a
// browser profile whose cookies the engine reads itself. It lives as long as the item.
struct ItemLogin
{
    BrowserCookies cookies;
    // A profile as yt-dlp's --cookies-from-browser takes it ("firefox:/home/me/.mozilla/...").
    QString browser;
    // That profile as the user knows it ("Firefox", "Chromium (Flatpak) · Work").
    QString browserLabel;

    bool isEmpty() const { return cookies.isEmpty() && browser.isEmpty(); }
    bool handedOver() const { return !cookies.isEmpty(); }

    friend bool operator==(const ItemLogin &, const ItemLogin &) = default;
};
