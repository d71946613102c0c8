#include "appsettings.h"

#include "engine/downloadwindow.h"
#include "i18n/i18n.h"
#include "installer/releases.h"
#include "model/downloadoptions.h"
#include "model/qualitychoice.h"

#include <QFileInfo>
#include <QMetaProperty>
#include <QtNumeric>

#include <algorithm>
#include <limits>

AppSettings::AppSettings(Settings *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
    const QMetaObject *meta = metaObject();
    for (const SettingRow &row : Settings::rows()) {
        const int index = meta->indexOfProperty(QByteArray(row.key.data(), row.key.size()).constData());
        if (index >= 0 && meta->property(index).hasNotifySignal())
            m_notifiers.insert(row.key, meta->property(index).notifySignal());
    }
    connect(m_settings, &Settings::valueChanged, this, &AppSettings::announce);
}

void AppSettings::announce(const QString &key)
{
    const auto notifier = m_notifiers.constFind(key);
    if (notifier != m_notifiers.constEnd())
        notifier->invoke(this);
}

bool AppSettings::flag(QLatin1StringView key) const
{
    return m_settings->boolean(key);
}

void AppSettings::write(QLatin1StringView key, const QVariant &value)
{
    m_settings->setValue(key, value);
}

void AppSettings::writeCount(QLatin1StringView key, qint64 value)
{
    const auto row = Settings::row(key);
    write(key, row ? std::clamp(value, row->floor, row->ceiling) : value);
}

QString AppSettings::folder() const
{
    return m_settings->folder();
}

QString AppSettings::folderText() const
{
    return Settings::displayPath(m_settings->folder());
}

QUrl AppSettings::folderUrl() const
{
    return QUrl::fromLocalFile(m_settings->folder());
}

QString AppSettings::chooseFolder(const QUrl &folder)
{
    if (!folder.isLocalFile())
        return {};
    QString path = folder.toLocalFile();
    if (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return {};
    // The engine would write somewhere else than the folder shown.
    if (const auto why = OptionCheck::folderProblem(path))
        return *why;
    write(SettingsKey::folder, path);
    return {};
}

QString AppSettings::quality() const
{
    return defaultQuality(*m_settings).id();
}

QString AppSettings::subLangs() const
{
    return m_settings->subLangs();
}

QString AppSettings::cookies() const
{
    return m_settings->cookiesBrowser();
}

int AppSettings::maxConcurrent() const
{
    return int(std::clamp<qint64>(m_settings->integer(SettingsKey::maxConcurrent), std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

void AppSettings::stepMaxConcurrent(int delta)
{
    write(SettingsKey::maxConcurrent, int(std::clamp<qint64>(qint64(maxConcurrent()) + delta, maxConcurrentFloor(), maxConcurrentCeiling())));
}

int AppSettings::concurrentFragmentsFloor() const
{
    return int(Settings::row(SettingsKey::concurrentFragments)->floor);
}

int AppSettings::concurrentFragmentsCeiling() const
{
    return int(Settings::row(SettingsKey::concurrentFragments)->ceiling);
}

void AppSettings::stepConcurrentFragments(int delta)
{
    write(SettingsKey::concurrentFragments,
          std::clamp(concurrentFragments() + delta, concurrentFragmentsFloor(), concurrentFragmentsCeiling()));
}

QString AppSettings::proxy() const
{
    return m_settings->string(SettingsKey::proxy).value_or(QString());
}

QString AppSettings::offerProxy(const QString &proxy)
{
    const QString text = proxy.trimmed();
    if (!text.isEmpty()) {
        if (auto why = OptionCheck::proxyProblem(text))
            return *why;
    }
    write(SettingsKey::proxy, text);
    return QString();
}

QString AppSettings::cookiesFile() const
{
    return m_settings->string(SettingsKey::cookiesFile).value_or(QString());
}

QString AppSettings::cookiesFileText() const
{
    return Settings::displayPath(cookiesFile());
}

QUrl AppSettings::cookiesFileFolder() const
{
    const QString file = cookiesFile();
    return QUrl::fromLocalFile(file.isEmpty() ? m_settings->folder() : QFileInfo(file).absolutePath());
}

QString AppSettings::chooseCookiesFile(const QUrl &file)
{
    const QString path = file.isLocalFile() ? file.toLocalFile() : QString();
    if (auto why = OptionCheck::cookiesFileProblem(path))
        return *why;
    write(SettingsKey::cookiesFile, path);
    return QString();
}

QString AppSettings::offerSeconds(QLatin1StringView key, const QString &text)
{
    bool ok = false;
    const double seconds = QString(text).replace(u',', u'.').trimmed().toDouble(&ok);
    if (auto why = OptionCheck::pauseProblem(ok ? seconds : qQNaN()))
        return *why;
    write(key, seconds);
    return QString();
}

void AppSettings::stepSeconds(QLatin1StringView key, int delta)
{
    write(key, std::clamp(m_settings->seconds(key) + delta, 0.0, pauseCeiling()));
}

QString AppSettings::engineChannel() const
{
    return Releases::channelNamed(m_settings->string(SettingsKey::engineChannel).value_or(QString())) == Releases::Channel::nightly
               ? QStringLiteral("nightly")
               : QStringLiteral("stable");
}

void AppSettings::setEngineChannel(const QString &channel)
{
    if (channel == u"stable" || channel == u"nightly")
        write(SettingsKey::engineChannel, channel);
}

QString AppSettings::schemeLocalAddresses() const
{
    return m_settings->schemeLocalAddresses() == SchemeLocalAddresses::allow ? QStringLiteral("allow") : QStringLiteral("ask");
}

void AppSettings::setSchemeLocalAddresses(const QString &value)
{
    if (value == u"allow" || value == u"ask")
        write(SettingsKey::schemeLocalAddresses, value);
}

QString AppSettings::downloadWindowWaitingText() const
{
    const DownloadWindow window = DownloadWindow::fromSettings(*m_settings);
    return window.isOn() ? window.waitingText() : QString();
}

QString AppSettings::rateLimitText() const
{
    const qint64 rate = rateLimit();
    return rate > 0 ? OptionCheck::formatRate(rate) : QString();
}

QString AppSettings::offerRateLimit(const QString &text)
{
    const auto rate = text.trimmed().isEmpty() ? std::optional<qint64>(0) : OptionCheck::parseRate(text);
    if (!rate)
        return L("Use um limite como 500K ou 2M (bytes por segundo).");
    setRateLimit(*rate);
    // The text typed gives way to the stored value's own ("2M" becomes "2 MB/s").
    emit rateLimitChanged();
    return {};
}

QString AppSettings::offerAudioLanguage(const QString &code)
{
    const QString wanted = code.trimmed();
    if (!wanted.isEmpty()) {
        if (const auto why = OptionCheck::languageCodeProblem(wanted))
            return *why;
    }
    write(SettingsKey::audioLanguage, wanted);
    emit audioLanguageChanged();
    return {};
}
