#include "settingsview.h"

#include "i18n/i18n.h"
#include "installer/freshnessmonitor.h"
#include "settings/settings.h"

#include <QDate>

using namespace Qt::StringLiterals;

SettingsView::SettingsView(QObject *parent)
    : QObject(parent)
    , m_qualities(OptionList::qualities(this))
    , m_browsers(new OptionList({{u"none"_s, L("Não usar")},
                                 {u"chrome"_s, u"Chrome"_s},
                                 {u"firefox"_s, u"Firefox"_s},
                                 {u"brave"_s, u"Brave"_s},
                                 {u"edge"_s, u"Edge"_s},
                                 {u"vivaldi"_s, u"Vivaldi"_s},
                                 {u"opera"_s, u"Opera"_s},
                                 {u"chromium"_s, u"Chromium"_s}},
                                this))
    , m_channels(new OptionList({{u"stable"_s, L("Estável")}, {u"nightly"_s, L("Nightly (de toda noite)")}}, this))
{
}

QString SettingsView::engineChip(const QString &path, const QString &version)
{
    if (path.isEmpty())
        return L("não encontrado");
    return version.isEmpty() ? L("instalado") : version;
}

bool SettingsView::engineChipWarns(const QString &version)
{
    return ageInDays(version, QDate::currentDate()).value_or(0) > kOutdatedAfterDays;
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
