#include "autostart.h"

#include "i18n/i18n.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The id software centres know Vireloom by; the desktop entry is named after it.
constexpr QLatin1StringView kAppId("io.github.vireloom.vireloom");

// An argument of Exec, quoted the way desktops read it: inside double quotes, `"`, `` ` ``,
// `$` and `\` take a backslash; in the file, every backslash is then doubled again as a
// string value escape. A `%` cannot be written at all (see launchProblem()).
QString quoted(const QString &argument)
{
    QString inner;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            inner += u'\\';
        inner += c;
    }
    inner.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + inner + u'"';
}

// A name the desktop runs as it stands: nothing in it is quoted, expanded or a field code.
bool plainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._+-]+$"));
    return plain.match(name).hasMatch();
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
    const QString command = plainName(name) && sameFile(QStandardPaths::findExecutable(name), program) ? name : quoted(program);
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

std::optional<QString> launchProblem(const QString &program)
{
    // GLib splits Exec into words before it expands field codes and then looks for the
    // program under the split name, so a `%` (written `%%`) makes the entry one it never
    // runs; a control character makes the file invalid, a line break would start a line
    // of the program's choosing.
    const auto control = [](QChar c) { return c.category() == QChar::Other_Control; };
    if (program.contains(u'%') || std::any_of(program.begin(), program.end(), control) || !QDir::isAbsolutePath(program))
        return LF("O sistema não consegue iniciar um programa neste caminho: %@", program);
    return std::nullopt;
}

bool enable(const QString &program, const QString &path, QString *error)
{
    if (const auto problem = launchProblem(program)) {
        if (error)
            *error = *problem;
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The entry is the user's to read and the desktop's to run, whatever the umask; a link
    // in its place is replaced, not written through.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path)) {
        if (error)
            *error = QStringLiteral("%1: symbolic link").arg(path);
        return false;
    }
    QSaveFile file(path);
    const QByteArray content = entry(program);
    const bool written =
        file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther)
        && file.write(content) == content.size() && file.flush();
    if (!written || !file.commit()) {
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
    if (wanted ? Autostart::enable(m_program, m_path, &error) : Autostart::disable(m_path, &error)) {
        setProblem({});
        return;
    }
    m_undoing = true;
    m_settings->setValue(SettingsKey::startAtLogin, !wanted);
    m_undoing = false;
    setProblem(LF("Não consegui mudar a inicialização com a sessão: %@", error));
}

void AutostartSetting::setProblem(const QString &problem)
{
    if (problem == m_problem)
        return;
    m_problem = problem;
    emit problemChanged();
}
