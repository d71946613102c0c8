#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class Settings;

// The XDG autostart entry that starts Vireloom in the tray, without its window, when the
// user logs in: $XDG_CONFIG_HOME/autostart/<application id>.desktop.
namespace Autostart {

// ~/.config/autostart/… when XDG_CONFIG_HOME is unset or not an absolute path.
QString entryPath();

// The entry, running `program` with --background. A program that the desktop finds on
// its PATH by name is written as the bare name, so that the entry survives the program
// being updated in place; any other is written as its full path, quoted.
QByteArray entry(const QString &program);

// Present, and not switched off by the desktop's own start-up settings (which mark an
// entry Hidden, or X-GNOME-Autostart-enabled=false, rather than remove it).
bool isEnabled(const QString &path = entryPath());

// Why the desktop could not start `program` from an entry, in the interface language;
// absent when it can.
std::optional<QString> launchProblem(const QString &program);

// Writes the entry atomically; false, with the reason in `error`, when it cannot be.
bool enable(const QString &program, const QString &path = entryPath(), QString *error = nullptr);
// Removes the entry; true when none is left.
bool disable(const QString &path = entryPath(), QString *error = nullptr);

} // namespace Autostart

// Keeps the "start when I log in" setting and the entry in step. The entry is what the
// desktop reads and what a user may remove elsewhere, so at start the setting takes its
// state from the entry; from then on, changing the setting writes or removes the entry.
// A change that cannot be carried out is undone in the setting and reported.
class AutostartSetting : public QObject
{
    Q_OBJECT

public:
    AutostartSetting(Settings *settings, const QString &program, const QString &path = Autostart::entryPath(), QObject *parent = nullptr);

    // Why the last change could not be carried out, in the interface language with the
    // system's reason; empty once one could.
    QString problem() const { return m_problem; }

signals:
    void problemChanged();

private:
    void apply(const QString &key);
    void setProblem(const QString &problem);

    Settings *m_settings;
    QString m_program;
    QString m_path;
    bool m_undoing = false;
    QString m_problem;
};
