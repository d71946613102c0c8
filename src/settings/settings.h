#pragma once

#include "model/quality.h"

#include <QObject>
#include <QSettings>
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
inline constexpr QLatin1StringView maxConcurrent("maxConcurrent");
// Connections one download opens at once for a stream served in fragments.
inline constexpr QLatin1StringView concurrentFragments("concurrentFragments");
inline constexpr QLatin1StringView watchClipboard("watchClipboard");
inline constexpr QLatin1StringView soundOnDone("soundOnDone");
inline constexpr QLatin1StringView checkEngineUpdates("checkEngineUpdates");
// Empty text means none: no proxy, no cookies file.
inline constexpr QLatin1StringView proxy("proxy");
inline constexpr QLatin1StringView cookiesFile("cookiesFile");
// Seconds yt-dlp waits between requests and before each entry of a playlist.
inline constexpr QLatin1StringView sleepRequests("sleepRequests");
inline constexpr QLatin1StringView sleepInterval("sleepInterval");
inline constexpr QLatin1StringView useArchive("useArchive");
// Whether a link that a "vireloom:" address points into the local network is fetched
// at once ("allow") or waits for the user's word ("ask").
inline constexpr QLatin1StringView schemeLocalAddresses("schemeLocalAddresses");
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

// The user's settings: a persistent key/value store with fall-back values registered in
// memory at every start. Nothing is cached here: every read asks the store, so a change
// applies to whatever reads next. Controls bound to a key follow valueChanged().
class Settings : public QObject
{
    Q_OBJECT

public:
    // The user's store (~/.config/Vireloom/Vireloom.conf).
    explicit Settings(QObject *parent = nullptr);
    // A store in the given INI file.
    explicit Settings(const QString &fileName, QObject *parent = nullptr);
    ~Settings() override;

    QString fileName() const;
    // Where an unreadable file was moved when this store opened, if it was.
    QString setAsideFileName() const { return m_setAside; }

    void registerDefaults(const QVariantMap &defaults);
    // The application keys with their defaults.
    void registerAppDefaults();

    std::optional<QString> string(QAnyStringView key) const;
    bool boolean(QAnyStringView key) const;
    qint64 integer(QAnyStringView key) const;
    bool contains(QAnyStringView key) const;

    Q_INVOKABLE QVariant value(const QString &key) const;
    Q_INVOKABLE void setValue(const QString &key, const QVariant &value);
    Q_INVOKABLE void remove(const QString &key);

    // Values the rest of the program derives from the keys.
    QString folder() const;
    int maxConcurrent() const;
    // Within its bounds, whatever is stored; an unreadable value reads as the default.
    int concurrentFragments() const;
    static constexpr int kFragmentsFloor = 1;
    static constexpr int kFragmentsCeiling = 16;
    static constexpr int kFragmentsDefault = 4;
    Quality defaultQuality() const;
    // The quality of links dropped or taken from the clipboard banner.
    Quality uiQualityOrDefault() const;
    // The input card's own choice: best until the user picks another.
    Quality uiQuality() const;
    bool uiPlaylist() const;
    // "none" when empty or absent.
    QString cookiesBrowser() const;
    QString subLangs() const;
    // Anything but "allow" asks: a value that cannot be read must not open the local network.
    SchemeLocalAddresses schemeLocalAddresses() const;
    // A number of seconds; anything unreadable or negative reads as no pause.
    double seconds(QAnyStringView key) const;

    // A path for display: the home folder written as "~".
    static QString displayPath(const QString &path);

signals:
    void valueChanged(const QString &key);

private:
    void open(const QString &fileName);
    std::optional<QVariant> stored(QAnyStringView key) const;

    std::unique_ptr<QSettings> m_store;
    QVariantMap m_defaults;
    QString m_setAside;
};
