#include "settingsview.h"

#include "i18n/i18n.h"
#include "model/quality.h"
#include "settings/settings.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace {

QVariantMap option(const QString &value, const QString &label)
{
    return {{u"value"_s, value}, {u"label"_s, label}};
}

} // namespace

SettingsView::SettingsView(QObject *parent) : QObject(parent)
{
    // The browsers whose cookies yt-dlp reads on Linux; only "none" has a translated label.
    m_browsers = {option(u"none"_s, L(u"Não usar"_s)), option(u"chrome"_s, u"Chrome"_s),
                  option(u"firefox"_s, u"Firefox"_s),  option(u"brave"_s, u"Brave"_s),
                  option(u"edge"_s, u"Edge"_s),        option(u"vivaldi"_s, u"Vivaldi"_s),
                  option(u"opera"_s, u"Opera"_s),      option(u"chromium"_s, u"Chromium"_s)};
}

QVariantList SettingsView::qualityOptions() const
{
    QVariantList options;
    for (const Quality &quality : Quality::allCases())
        options << option(quality.id(), quality.label());
    return options;
}

QVariantList SettingsView::browserOptions() const
{
    return m_browsers;
}

QString SettingsView::engineChip(const QString &path, const QString &version)
{
    if (path.isEmpty())
        return L(u"não encontrado"_s);
    return version.isEmpty() ? L(u"instalado"_s) : version;
}

QString SettingsView::displayPath(const QString &path)
{
    return Settings::displayPath(path);
}

QString SettingsView::bookmarklet()
{
    return u"javascript:location.href='vireloom://download?url='+encodeURIComponent(location.href)"_s;
}

QString SettingsView::schemePrefix()
{
    return u"vireloom://download?url="_s;
}

QString SettingsView::schemeHelp()
{
    return u"vireloom://download?url=<link>   ·   &quality=mp3 | p1080   ·   &playlist=1"_s;
}

void SettingsView::copy(const QString &text) const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}
