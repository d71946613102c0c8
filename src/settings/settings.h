#pragma once

#include <QList>
#include <QObject>
#include <QSettings>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <optional>

namespace SettingsKey {
inline constexpr QLatin1StringView folder("folder");
inline constexpr QLatin1StringView quality("quality");
inline constexpr QLatin1StringView preferH264("preferH264");
inline constexpr QLatin1StringView subs("subs");
inline constexpr QLatin1StringView subLangs("subLangs");
inline constexpr QLatin1StringView embedMeta("embedMeta");
inline constexpr QLatin1StringView embedThumb("embedThumb");
inline constexpr QLatin1StringView cookies("cookies");
// The audio track downloads prefer: a language code ("de", "pt-BR"); empty for the one the
// site marks as the original, else the interface language's.
inline constexpr QLatin1StringView audioLanguage("audioLanguage");
inline constexpr QLatin1StringView maxConcurrent("maxConcurrent");
// Connections one download opens at once for a stream served in fragments.
inline constexpr QLatin1StringView concurrentFragments("concurrentFragments");
inline constexpr QLatin1StringView watchClipboard("watchClipboard");
inline constexpr QLatin1StringView soundOnDone("soundOnDone");
inline constexpr QLatin1StringView checkEngineUpdates("checkEngineUpdates");
// Which of yt-dlp's releases the engine installs and updates from: "stable" or "nightly".
inline constexpr QLatin1StringView engineChannel("engineChannel");
// Empty text means none: no proxy, no cookies file.
inline constexpr QLatin1StringView proxy("proxy");
inline constexpr QLatin1StringView cookiesFile("cookiesFile");
// Seconds yt-dlp waits between requests and before each entry of a playlist.
inline constexpr QLatin1StringView sleepRequests("sleepRequests");
inline constexpr QLatin1StringView sleepInterval("sleepInterval");
inline constexpr QLatin1StringView useArchive("useArchive");
// Bytes per second each download may take; 0 for no limit.
inline constexpr QLatin1StringView rateLimit("rateLimit");
// Whether a link that a "vireloom:" address points into the local network is fetched
// at once ("allow") or waits for the user's word ("ask").
inline constexpr QLatin1StringView schemeLocalAddresses("schemeLocalAddresses");
// Downloads start only between two times of day (minutes after midnight) when it is on.
inline constexpr QLatin1StringView downloadWindow("downloadWindow");
inline constexpr QLatin1StringView downloadWindowStart("downloadWindowStart");
inline constexpr QLatin1StringView downloadWindowEnd("downloadWindowEnd");
// Vireloom starts in the tray when the user logs in.
inline constexpr QLatin1StringView startAtLogin("startAtLogin");
// Which browser's login worked for which site (see SiteLogins); never registered.
inline constexpr QLatin1StringView siteLogins("siteLogins");
// The input card's last choices; never registered, their readers supply the fall-back.
inline constexpr QLatin1StringView uiQuality("uiQuality");
inline constexpr QLatin1StringView uiPlaylist("uiPlaylist");
// What the last look at yt-dlp's release location found, kept so that a restart does
// not ask again within the day: the latest release, when the look was made, and
// whether it failed.
inline constexpr QLatin1StringView engineLatest("engineLatest");
inline constexpr QLatin1StringView engineCheckedAt("engineCheckedAt");
inline constexpr QLatin1StringView engineCheckFailed("engineCheckFailed");
} // namespace SettingsKey

enum class SchemeLocalAddresses { ask, allow };

// How a setting's stored value is read. The store is a text file a person may edit, so
// every reader copes with any text.
enum class SettingKind {
    text,
    // A path; empty or absent stands for the user's download folder.
    folder,
    // "true", "yes", "on" or a number other than 0, and "false", "no", "off", 0 or empty;
    // anything else reads as the default.
    flag,
    // A whole number, brought within the row's bounds; one that cannot be read is the default.
    count,
    // A number of seconds; one that cannot be read, or is below the row's floor, is the default.
    seconds,
};

// One setting the user can change: its key, how it is read, its default and, for numbers,
// the bounds a reader keeps it within. A control that steps the value may offer less.
struct SettingRow
{
    QLatin1StringView key;
    SettingKind kind;
    QVariant fallback;
    qint64 floor = 0;
    qint64 ceiling = 0;
};

// The user's settings: a persistent key/value store whose defaults come from one table.
// Nothing is cached here: every read asks the store, so a change applies to whatever
// reads next. Controls bound to a key follow valueChanged().
class Settings : public QObject
{
    Q_OBJECT

public:
    // The user's store (~/.config/Vireloom/Vireloom.conf).
    explicit Settings(QObject *parent = nullptr);
    // A store in the given INI file.
    explicit Settings(const QString &fileName, QObject *parent = nullptr);
    ~Settings() override;

    // Every setting the user can change. Keys outside it (the input card's last choices,
    // what the engine checks found) have no default: their readers supply the fall-back.
    static const QList<SettingRow> &rows();
    // The row of `key`, absent for a key outside the table.
    static std::optional<SettingRow> row(QAnyStringView key);

    QString fileName() const;
    // Where an unreadable file was moved when this store opened, if it was.
    QString setAsideFileName() const { return m_setAside; }

    std::optional<QString> string(QAnyStringView key) const;
    bool boolean(QAnyStringView key) const;
    // As stored, without bounds; see count() for a number held within its row's.
    qint64 integer(QAnyStringView key) const;
    qint64 count(QAnyStringView key) const;
    // A number of seconds; anything unreadable or negative reads as no pause.
    double seconds(QAnyStringView key) const;
    bool contains(QAnyStringView key) const;

    Q_INVOKABLE QVariant value(const QString &key) const;
    Q_INVOKABLE void setValue(const QString &key, const QVariant &value);
    Q_INVOKABLE void remove(const QString &key);

    // Values the rest of the program derives from the keys.
    QString folder() const;
    int maxConcurrent() const { return static_cast<int>(count(SettingsKey::maxConcurrent)); }
    int concurrentFragments() const { return static_cast<int>(count(SettingsKey::concurrentFragments)); }
    bool uiPlaylist() const;
    // "none" when empty or absent.
    QString cookiesBrowser() const;
    QString subLangs() const;
    // Anything but "allow" asks: a value that cannot be read must not open the local network.
    SchemeLocalAddresses schemeLocalAddresses() const;

    // A path for display: the home folder written as "~".
    static QString displayPath(const QString &path);

signals:
    void valueChanged(const QString &key);

private:
    void open(const QString &fileName);
    void registerDefaults();
    std::optional<QVariant> stored(QAnyStringView key) const;

    std::unique_ptr<QSettings> m_store;
    QVariantMap m_defaults;
    QString m_setAside;
};
