#include "settings.h"

#include "base/paths.h"
#include "base/storedfile.h"
#include "settings/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString userStoreFileName()
{
    // The native format on Linux is this same INI syntax, in a file ending in ".conf".
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vireloom"), QStringLiteral("Vireloom")).fileName();
}

std::optional<bool> toBoolean(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == u"true" || text == u"yes" || text == u"on")
        return true;
    if (text == u"false" || text == u"no" || text == u"off" || text.isEmpty())
        return false;
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (ok)
        return number != 0;
    return std::nullopt;
}

std::optional<qint64> toInteger(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qint64 whole = text.toLongLong(&ok);
    if (ok)
        return whole;
    const double number = text.toDouble(&ok);
    if (ok && std::isfinite(number) && std::abs(number) < 9.2e18)
        return static_cast<qint64>(number);
    if (text == u"true")
        return 1;
    if (text == u"false")
        return 0;
    return std::nullopt;
}

std::optional<QString> toText(const QVariant &value)
{
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

// Qt's reader skips lines it cannot make sense of without reporting it, so a file of
// binary junk opens as empty. Content with no key read out of it counts as unreadable.
bool holdsUnreadEntries(const QString &fileName, const QSettings &store)
{
    if (!store.allKeys().isEmpty())
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    return std::ranges::any_of(lines, [](const QByteArray &line) {
        const QByteArray content = line.trimmed();
        return !content.isEmpty() && !content.startsWith('[') && !content.startsWith(';') && !content.startsWith('#');
    });
}

} // namespace

Settings::Settings(QObject *parent)
    : Settings(userStoreFileName(), parent)
{
}

Settings::Settings(const QString &fileName, QObject *parent)
    : QObject(parent)
{
    open(fileName);
    registerDefaults();
}

Settings::~Settings() = default;

// A file Qt cannot read would be replaced by defaults at the first write. The user's
// values would be gone for good, so the file is moved aside first and kept.
void Settings::open(const QString &fileName)
{
    // The settings hold the proxy with its password: the folder and the file are the
    // user's alone. Qt keeps an existing file's mode when it writes the file anew.
    Tools::makePrivateDir(QFileInfo(fileName).absolutePath());
    // Qt writes the settings to the target of a link, and making the file private would
    // change the target's mode: the link gives way to a file of its own, holding what
    // the link led to.
    if (QFileInfo(fileName).isSymLink()) {
        QByteArray content;
        if (QFile target(fileName); StoredFile::kindOf(fileName) == StoredFile::Kind::regular && target.open(QIODevice::ReadOnly))
            content = target.readAll();
        if (StoredFile::dropLink(fileName, lcSettings(), "settings file"))
            Tools::writePrivateFile(fileName, content);
    }
    // Only a regular file is read: a FIFO would keep the start waiting for good.
    const StoredFile::Kind kind = StoredFile::kindOf(fileName);
    if (kind == StoredFile::Kind::regular)
        Tools::makePrivateFile(fileName);
    else if (kind == StoredFile::Kind::missing)
        Tools::writePrivateFile(fileName, {});
    if (kind != StoredFile::Kind::other) {
        m_store = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
        if (m_store->status() != QSettings::FormatError && !holdsUnreadEntries(fileName, *m_store))
            return;
    }

    // Qt holds the file open no longer, and starts from defaults once it has moved.
    m_store.reset();
    m_setAside = StoredFile::setAside(fileName, lcSettings(), "settings file");
    if (!QFileInfo::exists(fileName))
        Tools::writePrivateFile(fileName, {});
    m_store = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
}

QString Settings::fileName() const
{
    return m_store->fileName();
}

// Adding a setting starts here: one row, then its property in AppSettings.
const QList<SettingRow> &Settings::rows()
{
    static const QList<SettingRow> table{
        {SettingsKey::folder, SettingKind::folder, QString()},
        {SettingsKey::quality, SettingKind::text, QStringLiteral("best")},
        {SettingsKey::preferH264, SettingKind::flag, true},
        {SettingsKey::subs, SettingKind::flag, false},
        {SettingsKey::subLangs, SettingKind::text, QStringLiteral("pt.*,en.*")},
        {SettingsKey::embedMeta, SettingKind::flag, true},
        {SettingsKey::embedThumb, SettingKind::flag, true},
        {SettingsKey::cookies, SettingKind::text, QStringLiteral("none")},
        {SettingsKey::audioLanguage, SettingKind::text, QString()},
        // The scheduler takes what a hand-edited file asks for, however many; its stepper offers 1 to 6.
        {SettingsKey::maxConcurrent, SettingKind::count, 2, 1, std::numeric_limits<int>::max()},
        {SettingsKey::concurrentFragments, SettingKind::count, 4, 1, 16},
        {SettingsKey::watchClipboard, SettingKind::flag, true},
        {SettingsKey::soundOnDone, SettingKind::flag, true},
        {SettingsKey::checkEngineUpdates, SettingKind::flag, true},
        {SettingsKey::engineChannel, SettingKind::text, QStringLiteral("stable")},
        {SettingsKey::proxy, SettingKind::text, QString()},
        {SettingsKey::cookiesFile, SettingKind::text, QString()},
        {SettingsKey::sleepRequests, SettingKind::seconds, 0},
        {SettingsKey::sleepInterval, SettingKind::seconds, 0},
        {SettingsKey::useArchive, SettingKind::flag, false},
        // Below a petabyte per second; see OptionCheck::kLargestRate.
        {SettingsKey::rateLimit, SettingKind::count, 0, 0, 999'999'999'999'999},
        {SettingsKey::schemeLocalAddresses, SettingKind::text, QStringLiteral("ask")},
        {SettingsKey::downloadWindow, SettingKind::flag, false},
        {SettingsKey::downloadWindowStart, SettingKind::count, 60, 0, 24 * 60 - 1},
        {SettingsKey::downloadWindowEnd, SettingKind::count, 7 * 60, 0, 24 * 60 - 1},
        // The autostart entry is what counts; this follows it (see Autostart).
        {SettingsKey::startAtLogin, SettingKind::flag, false},
    };
    return table;
}

std::optional<SettingRow> Settings::row(QAnyStringView key)
{
    for (const SettingRow &row : rows()) {
        if (QAnyStringView::compare(row.key, key) == 0)
            return row;
    }
    return std::nullopt;
}

// Defaults live in memory only: a later release may change one, and a user who never
// touched the setting then gets the new one.
void Settings::registerDefaults()
{
    for (const SettingRow &row : rows())
        m_defaults.insert(row.key, row.kind == SettingKind::folder ? QVariant(Tools::defaultFolder()) : row.fallback);
}

std::optional<QVariant> Settings::stored(QAnyStringView key) const
{
    const QVariant value = m_store->value(key);
    if (!value.isValid())
        return std::nullopt;
    return value;
}

std::optional<QString> Settings::string(QAnyStringView key) const
{
    if (const auto value = stored(key)) {
        if (auto text = toText(*value))
            return text;
    }
    const auto registered = m_defaults.constFind(key.toString());
    if (registered != m_defaults.constEnd())
        return toText(*registered);
    return std::nullopt;
}

// A stored value of the wrong kind reads as if it were not there.
bool Settings::boolean(QAnyStringView key) const
{
    if (const auto value = stored(key)) {
        if (const auto flag = toBoolean(*value))
            return *flag;
    }
    return toBoolean(m_defaults.value(key.toString())).value_or(false);
}

qint64 Settings::integer(QAnyStringView key) const
{
    if (const auto value = stored(key)) {
        if (const auto number = toInteger(*value))
            return *number;
    }
    return toInteger(m_defaults.value(key.toString())).value_or(0);
}

qint64 Settings::count(QAnyStringView key) const
{
    const qint64 number = integer(key);
    const auto bounds = row(key);
    return bounds ? std::clamp(number, bounds->floor, bounds->ceiling) : number;
}

bool Settings::contains(QAnyStringView key) const
{
    return m_store->contains(key);
}

QVariant Settings::value(const QString &key) const
{
    return m_store->value(key, m_defaults.value(key));
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    if (m_store->contains(key) && m_store->value(key) == value)
        return;
    m_store->setValue(key, value);
    emit valueChanged(key);
}

void Settings::remove(const QString &key)
{
    if (!m_store->contains(key))
        return;
    m_store->remove(key);
    emit valueChanged(key);
}

QString Settings::folder() const
{
    const auto storedFolder = stored(SettingsKey::folder);
    const QString text = storedFolder ? storedFolder->toString() : QString();
    return text.isEmpty() ? Tools::defaultFolder() : text;
}

bool Settings::uiPlaylist() const
{
    return boolean(SettingsKey::uiPlaylist);
}

QString Settings::cookiesBrowser() const
{
    const QString browser = string(SettingsKey::cookies).value_or(QStringLiteral("none"));
    return browser.isEmpty() ? QStringLiteral("none") : browser;
}

QString Settings::subLangs() const
{
    return string(SettingsKey::subLangs).value_or(QStringLiteral("pt.*,en.*"));
}

SchemeLocalAddresses Settings::schemeLocalAddresses() const
{
    return string(SettingsKey::schemeLocalAddresses) == u"allow" ? SchemeLocalAddresses::allow : SchemeLocalAddresses::ask;
}

double Settings::seconds(QAnyStringView key) const
{
    bool ok = false;
    const double value = string(key).value_or(QString()).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && value > 0 ? value : 0;
}

QString Settings::displayPath(const QString &path)
{
    const QString home = QDir::homePath();
    if (path == home)
        return QStringLiteral("~");
    if (path.startsWith(home + u'/'))
        return u'~' + path.mid(home.size());
    return path;
}
