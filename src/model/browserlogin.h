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
