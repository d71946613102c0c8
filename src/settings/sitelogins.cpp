#include "sitelogins.h"

#include "settings/logging.h"
#include "settings/settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

std::optional<QList<SiteLogins::Entry>> decode(const QString &text)
{
    QList<SiteLogins::Entry> entries;
    if (text.trimmed().isEmpty())
        return entries;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    for (const QJsonValue &value : document.array()) {
        const QJsonObject object = value.toObject();
        const QString site = object.value(u"site"_s).toString(), browser = object.value(u"browser"_s).toString();
        if (site.isEmpty() || browser.isEmpty())
            return std::nullopt;
        entries.append({site, browser, object.value(u"label"_s).toString(browser)});
    }
    return entries;
}

} // namespace

SiteLogins::SiteLogins(Settings *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
    connect(m_settings, &Settings::valueChanged, this, [this](const QString &key) {
        if (key == SettingsKey::siteLogins)
            emit changed();
    });
}

QString SiteLogins::siteOf(const QString &host)
{
    QString site = host.toLower();
    if (site.startsWith(u"www."_s))
        site.remove(0, 4);
    return site;
}

QList<SiteLogins::Entry> SiteLogins::entries() const
{
    return decode(m_settings->string(SettingsKey::siteLogins).value_or(QString())).value_or(QList<Entry>());
}

std::optional<SiteLogins::Entry> SiteLogins::forHost(const QString &host) const
{
    const QList<Entry> table = entries();
    // "m.example.com" takes what was remembered for "example.com"; a name of one label
    // (a top-level domain) is no site.
    for (QString site = siteOf(host); site.contains(u'.'); site = site.section(u'.', 1)) {
        const auto entry = std::find_if(table.begin(), table.end(), [&site](const Entry &e) { return e.site == site; });
        if (entry != table.end())
            return *entry;
    }
    return std::nullopt;
}

void SiteLogins::remember(const QString &host, const QString &browser, const QString &label)
{
    const QString site = siteOf(host);
    const auto table = decode(m_settings->string(SettingsKey::siteLogins).value_or(QString()));
    // A table someone broke by hand is theirs to mend: it is not written over.
    if (!table || site.isEmpty()) {
        qCWarning(lcSettings) << "not remembering a login for" << site << ": the table of site logins cannot be read";
        return;
    }
    QList<Entry> entries = *table;
    entries.removeIf([&site](const Entry &entry) { return entry.site == site; });
    entries.append({site, browser, label});
    store(entries);
}

void SiteLogins::forget(const QString &site)
{
    const auto table = decode(m_settings->string(SettingsKey::siteLogins).value_or(QString()));
    if (!table)
        return;
    QList<Entry> entries = *table;
    if (entries.removeIf([&site](const Entry &entry) { return entry.site == site; }) > 0)
        store(entries);
}

void SiteLogins::store(const QList<Entry> &entries)
{
    QList<Entry> sorted = entries;
    std::sort(sorted.begin(), sorted.end(), [](const Entry &a, const Entry &b) { return a.site < b.site; });
    QJsonArray array;
    for (const Entry &entry : sorted)
        array.append(QJsonObject{{u"site"_s, entry.site}, {u"browser"_s, entry.browser}, {u"label"_s, entry.label}});
    if (sorted.isEmpty())
        m_settings->remove(QString(SettingsKey::siteLogins));
    else
        m_settings->setValue(QString(SettingsKey::siteLogins), QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}
