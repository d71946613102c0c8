#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Settings;

// Which browser's login worked for a site, so that the next link from that site uses it at
// once. Kept in the settings under one key as a small table; only where the login is
// (a browser profile), never what it holds.
class SiteLogins : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        // The site's host, without "www.".
        QString site;
        // The profile as the engine reads it ("firefox:/home/me/.mozilla/firefox/x.default").
        QString browser;
        // The profile as the user knows it.
        QString label;

        friend bool operator==(const Entry &, const Entry &) = default;
    };

    explicit SiteLogins(Settings *settings, QObject *parent = nullptr);

    // The table, sites in alphabetical order. A value that cannot be read is an empty table.
    QList<Entry> entries() const;
    // The entry for a link's host: its own, else that of the nearest domain above it.
    std::optional<Entry> forHost(const QString &host) const;
    // Remembers the login for the link's site (its host, without "www."); an earlier
    // choice for that site gives way.
    void remember(const QString &host, const QString &browser, const QString &label);
    void forget(const QString &site);

    // What a host is filed under.
    static QString siteOf(const QString &host);

signals:
    void changed();

private:
    void store(const QList<Entry> &entries);

    Settings *m_settings;
};
