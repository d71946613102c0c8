#pragma once

#include "model/downloadoptions.h"
#include "settings/settings.h"

#include <QHash>
#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <QUrl>

// The settings as QML binds to them: one typed property per key, each announcing only its
// own changes, and each read through the same typed reader the engine uses, so that a
// control always shows what the next download will do. A new key takes its row in the
// settings table and a Q_PROPERTY here named as the key, with its getter, setter and
// "<key>Changed" signal: the table tells which signal announces which key.
class AppSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString folder READ folder NOTIFY folderChanged)
    Q_PROPERTY(QString folderText READ folderText NOTIFY folderChanged)
    Q_PROPERTY(QUrl folderUrl READ folderUrl NOTIFY folderChanged)
    Q_PROPERTY(QString quality READ quality WRITE setQuality NOTIFY qualityChanged)
    Q_PROPERTY(bool preferH264 READ preferH264 WRITE setPreferH264 NOTIFY preferH264Changed)
    Q_PROPERTY(bool subs READ subs WRITE setSubs NOTIFY subsChanged)
    Q_PROPERTY(QString subLangs READ subLangs WRITE setSubLangs NOTIFY subLangsChanged)
    Q_PROPERTY(bool embedMeta READ embedMeta WRITE setEmbedMeta NOTIFY embedMetaChanged)
    Q_PROPERTY(bool embedThumb READ embedThumb WRITE setEmbedThumb NOTIFY embedThumbChanged)
    Q_PROPERTY(QString cookies READ cookies WRITE setCookies NOTIFY cookiesChanged)
    Q_PROPERTY(QString audioLanguage READ audioLanguage NOTIFY audioLanguageChanged)
    Q_PROPERTY(int maxConcurrent READ maxConcurrent NOTIFY maxConcurrentChanged)
    Q_PROPERTY(int maxConcurrentFloor READ maxConcurrentFloor CONSTANT)
    Q_PROPERTY(int maxConcurrentCeiling READ maxConcurrentCeiling CONSTANT)
    Q_PROPERTY(int concurrentFragments READ concurrentFragments NOTIFY concurrentFragmentsChanged)
    Q_PROPERTY(int concurrentFragmentsFloor READ concurrentFragmentsFloor CONSTANT)
    Q_PROPERTY(int concurrentFragmentsCeiling READ concurrentFragmentsCeiling CONSTANT)
    Q_PROPERTY(bool watchClipboard READ watchClipboard WRITE setWatchClipboard NOTIFY watchClipboardChanged)
    Q_PROPERTY(bool soundOnDone READ soundOnDone WRITE setSoundOnDone NOTIFY soundOnDoneChanged)
    Q_PROPERTY(bool checkEngineUpdates READ checkEngineUpdates WRITE setCheckEngineUpdates NOTIFY checkEngineUpdatesChanged)
    Q_PROPERTY(QString engineChannel READ engineChannel WRITE setEngineChannel NOTIFY engineChannelChanged)
    Q_PROPERTY(QString proxy READ proxy NOTIFY proxyChanged)
    Q_PROPERTY(QString cookiesFile READ cookiesFile NOTIFY cookiesFileChanged)
    Q_PROPERTY(QString cookiesFileText READ cookiesFileText NOTIFY cookiesFileChanged)
    Q_PROPERTY(QUrl cookiesFileFolder READ cookiesFileFolder NOTIFY cookiesFileChanged)
    Q_PROPERTY(double sleepRequests READ sleepRequests NOTIFY sleepRequestsChanged)
    Q_PROPERTY(double sleepInterval READ sleepInterval NOTIFY sleepIntervalChanged)
    Q_PROPERTY(double pauseCeiling READ pauseCeiling CONSTANT)
    Q_PROPERTY(bool useArchive READ useArchive WRITE setUseArchive NOTIFY useArchiveChanged)
    Q_PROPERTY(qint64 rateLimit READ rateLimit WRITE setRateLimit NOTIFY rateLimitChanged)
    Q_PROPERTY(QString rateLimitText READ rateLimitText NOTIFY rateLimitChanged)
    Q_PROPERTY(QString schemeLocalAddresses READ schemeLocalAddresses WRITE setSchemeLocalAddresses NOTIFY schemeLocalAddressesChanged)
    Q_PROPERTY(bool downloadWindow READ downloadWindow WRITE setDownloadWindow NOTIFY downloadWindowChanged)
    Q_PROPERTY(int downloadWindowStart READ downloadWindowStart WRITE setDownloadWindowStart NOTIFY downloadWindowStartChanged)
    Q_PROPERTY(int downloadWindowEnd READ downloadWindowEnd WRITE setDownloadWindowEnd NOTIFY downloadWindowEndChanged)
    Q_PROPERTY(bool startAtLogin READ startAtLogin WRITE setStartAtLogin NOTIFY startAtLoginChanged)

public:
    explicit AppSettings(Settings *settings, QObject *parent = nullptr);

    QString folder() const;
    // The download folder with the home folder written as "~".
    QString folderText() const;
    QUrl folderUrl() const;
    // Stores the folder the chooser returned; a location that is not a local folder changes
    // nothing. Returns why a folder was refused, empty when it was taken or ignored.
    Q_INVOKABLE QString chooseFolder(const QUrl &folder);

    // The preset the engine will use: a stored id that names none reads as "best".
    QString quality() const;
    void setQuality(const QString &id) { write(SettingsKey::quality, id); }
    bool preferH264() const { return flag(SettingsKey::preferH264); }
    void setPreferH264(bool on) { write(SettingsKey::preferH264, on); }
    bool subs() const { return flag(SettingsKey::subs); }
    void setSubs(bool on) { write(SettingsKey::subs, on); }
    QString subLangs() const;
    void setSubLangs(const QString &patterns) { write(SettingsKey::subLangs, patterns); }
    bool embedMeta() const { return flag(SettingsKey::embedMeta); }
    void setEmbedMeta(bool on) { write(SettingsKey::embedMeta, on); }
    bool embedThumb() const { return flag(SettingsKey::embedThumb); }
    void setEmbedThumb(bool on) { write(SettingsKey::embedThumb, on); }
    // The browser whose cookies the engine takes, "none" for none.
    QString cookies() const;
    void setCookies(const QString &browser) { write(SettingsKey::cookies, browser); }
    // A language code, or empty for the original track; offered text is checked first.
    QString audioLanguage() const { return m_settings->string(SettingsKey::audioLanguage).value_or(QString()); }
    Q_INVOKABLE QString offerAudioLanguage(const QString &code);
    // As stored, even outside the stepper's range: the scheduler reads below 1 as 1.
    int maxConcurrent() const;
    static constexpr int maxConcurrentFloor() { return 1; }
    static constexpr int maxConcurrentCeiling() { return 6; }
    // One step of the stepper, kept within its range.
    Q_INVOKABLE void stepMaxConcurrent(int delta);
    int concurrentFragments() const { return m_settings->concurrentFragments(); }
    int concurrentFragmentsFloor() const;
    int concurrentFragmentsCeiling() const;
    Q_INVOKABLE void stepConcurrentFragments(int delta);
    bool watchClipboard() const { return flag(SettingsKey::watchClipboard); }
    void setWatchClipboard(bool on) { write(SettingsKey::watchClipboard, on); }
    bool soundOnDone() const { return flag(SettingsKey::soundOnDone); }
    void setSoundOnDone(bool on) { write(SettingsKey::soundOnDone, on); }
    bool checkEngineUpdates() const { return flag(SettingsKey::checkEngineUpdates); }
    void setCheckEngineUpdates(bool on) { write(SettingsKey::checkEngineUpdates, on); }
    // "stable" or "nightly"; anything else stored reads as "stable".
    QString engineChannel() const;
    void setEngineChannel(const QString &channel);

    // The values below are checked before they are stored. Each offer stores the value and
    // answers an empty text, or answers why the value is refused and leaves the stored one
    // as it was. An empty proxy or a cleared cookies file means none.
    QString proxy() const;
    Q_INVOKABLE QString offerProxy(const QString &proxy);
    QString cookiesFile() const;
    QString cookiesFileText() const;
    // Where the chooser starts: beside the file in use, else in the download folder.
    QUrl cookiesFileFolder() const;
    Q_INVOKABLE QString chooseCookiesFile(const QUrl &file);
    Q_INVOKABLE void clearCookiesFile() { write(SettingsKey::cookiesFile, QString()); }
    // Seconds, as the engine will read them.
    double sleepRequests() const { return m_settings->seconds(SettingsKey::sleepRequests); }
    double sleepInterval() const { return m_settings->seconds(SettingsKey::sleepInterval); }
    static constexpr double pauseCeiling() { return OptionCheck::longestPause; }
    // Typed text, with a comma read as the decimal point.
    Q_INVOKABLE QString offerSleepRequests(const QString &seconds) { return offerSeconds(SettingsKey::sleepRequests, seconds); }
    Q_INVOKABLE QString offerSleepInterval(const QString &seconds) { return offerSeconds(SettingsKey::sleepInterval, seconds); }
    // One step of a stepper, kept within 0 and the ceiling.
    Q_INVOKABLE void stepSleepRequests(int delta) { stepSeconds(SettingsKey::sleepRequests, delta); }
    Q_INVOKABLE void stepSleepInterval(int delta) { stepSeconds(SettingsKey::sleepInterval, delta); }
    bool useArchive() const { return flag(SettingsKey::useArchive); }
    void setUseArchive(bool on) { write(SettingsKey::useArchive, on); }
    // Bytes per second, 0 for none.
    qint64 rateLimit() const { return m_settings->count(SettingsKey::rateLimit); }
    void setRateLimit(qint64 bytesPerSecond) { writeCount(SettingsKey::rateLimit, bytesPerSecond); }
    // "2 MB/s", or empty for none; the field shows it and takes it back as typed.
    QString rateLimitText() const;
    // "2M", "2 MB/s", "500K", "0" or empty (none).
    Q_INVOKABLE QString offerRateLimit(const QString &text);
    // "ask" or "allow"; any other value is not stored.
    QString schemeLocalAddresses() const;
    void setSchemeLocalAddresses(const QString &value);
    bool downloadWindow() const { return flag(SettingsKey::downloadWindow); }
    void setDownloadWindow(bool on) { write(SettingsKey::downloadWindow, on); }
    // Minutes after midnight, 0 to 1439; a value outside is brought within.
    int downloadWindowStart() const { return int(m_settings->count(SettingsKey::downloadWindowStart)); }
    void setDownloadWindowStart(int minutes) { writeCount(SettingsKey::downloadWindowStart, minutes); }
    int downloadWindowEnd() const { return int(m_settings->count(SettingsKey::downloadWindowEnd)); }
    void setDownloadWindowEnd(int minutes) { writeCount(SettingsKey::downloadWindowEnd, minutes); }
    // "Waiting for 01:00" as a download outside the window says it; empty while it is off.
    Q_INVOKABLE QString downloadWindowWaitingText() const;
    // Written here, then carried out by Autostart, which writes or removes the entry.
    bool startAtLogin() const { return flag(SettingsKey::startAtLogin); }
    void setStartAtLogin(bool on) { write(SettingsKey::startAtLogin, on); }

signals:
    void folderChanged();
    void qualityChanged();
    void preferH264Changed();
    void subsChanged();
    void subLangsChanged();
    void embedMetaChanged();
    void embedThumbChanged();
    void cookiesChanged();
    void audioLanguageChanged();
    void maxConcurrentChanged();
    void concurrentFragmentsChanged();
    void watchClipboardChanged();
    void soundOnDoneChanged();
    void checkEngineUpdatesChanged();
    void engineChannelChanged();
    void proxyChanged();
    void cookiesFileChanged();
    void sleepRequestsChanged();
    void sleepIntervalChanged();
    void useArchiveChanged();
    void rateLimitChanged();
    void schemeLocalAddressesChanged();
    void downloadWindowChanged();
    void downloadWindowStartChanged();
    void downloadWindowEndChanged();
    void startAtLoginChanged();

private:
    bool flag(QLatin1StringView key) const;
    void write(QLatin1StringView key, const QVariant &value);
    void writeCount(QLatin1StringView key, qint64 value);
    void announce(const QString &key);
    QString offerSeconds(QLatin1StringView key, const QString &text);
    void stepSeconds(QLatin1StringView key, int delta);

    Settings *m_settings;
    // The signal of the property named as each key of the settings table.
    QHash<QString, QMetaMethod> m_notifiers;
};
