#include "autostart.h"

#include "i18n/i18n.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The id software centres know Vireloom by; the desktop entry is named after it.
constexpr QLatin1StringView kAppId("io.github.vireloom.vireloom");

// An argument of Exec, quoted the way desktops read it: inside double
// quotes, `"`, `` ` ``, `$` and `\` take a backslash; in the file, every backslash is then
// doubled again as a string value escape.
QString quoted(const QString &argument)
{
    QString inner;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            inner += u'\\';
        inner += c;
    }
    inner.replace(u'\\', QStringLiteral("\\\\"));
    // A field code begins with %; a literal one is doubled.
    inner.replace(u'%', QStringLiteral("%%"));
    return u'"' + inner + u'"';
}

bool sameFile(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

} // namespace

namespace Autostart {

QString entryPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/") + kAppId + QStringLiteral(".desktop");
}

QByteArray entry(const QString &program)
{
    const QString name = QFileInfo(program).fileName();
    const QString command = sameFile(QStandardPaths::findExecutable(name), program) && !name.contains(u' ') ? name : quoted(program);
    QByteArray text = "[Desktop Entry]\n"
                      "Type=Application\n"
                      "Name=Vireloom\n"
                      "Comment=Keeps following your channels and feeds in the tray\n"
                      "Icon=vireloom\n";
    text += "Exec=" + command.toUtf8() + " --background\n";
    text += "Terminal=false\n"
            "NoDisplay=true\n"
            "X-GNOME-Autostart-enabled=true\n";
    return text;
}

bool isEnabled(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

bool enable(const QString &program, const QString &path, QString *error)
{
    // A line break would end the Exec line and start a line of the program's choosing.
    if (program.contains(u'\n') || program.contains(u'\r')) {
        if (error)
            *error = QStringLiteral("line break in %1").arg(program);
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray content = entry(program);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool disable(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace Autostart

AutostartSetting::AutostartSetting(Settings *settings, const QString &program, const QString &path, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_program(program)
    , m_path(path)
{
    m_settings->setValue(SettingsKey::startAtLogin, Autostart::isEnabled(m_path));
    connect(m_settings, &Settings::valueChanged, this, &AutostartSetting::apply);
}

void AutostartSetting::apply(const QString &key)
{
    if (key != SettingsKey::startAtLogin || m_undoing)
        return;
    const bool wanted = m_settings->boolean(SettingsKey::startAtLogin);
    if (wanted == Autostart::isEnabled(m_path))
        return;
    QString error;
    if (wanted ? Autostart::enable(m_program, m_path, &error) : Autostart::disable(m_path, &error))
        return;
    m_undoing = true;
    m_settings->setValue(SettingsKey::startAtLogin, !wanted);
    m_undoing = false;
    emit failed(LF(QStringLiteral("Não consegui mudar a inicialização com a sessão: %@"), error));
}
