#include "desktopmotionpreference.h"

#include "designlog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString gnomeInterface = QStringLiteral("org.gnome.desktop.interface");

// The portal's Read wraps the value in a second variant; ReadOne and the change signal do not.
QVariant unwrap(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

DesktopMotionPreference::DesktopMotionPreference(QObject *parent)
    : QObject(parent)
{
}

std::optional<bool> DesktopMotionPreference::reducedFromSetting(const QString &group, const QString &key, const QVariant &value)
{
    const QVariant plain = unwrap(value);
    // reduced-motion: 0 no preference, 1 reduce.
    if (group == appearance && key == QLatin1String("reduced-motion") && plain.canConvert<uint>())
        return plain.toUInt() == 1;
    if (group == gnomeInterface && key == QLatin1String("enable-animations") && plain.metaType() == QMetaType::fromType<bool>())
        return !plain.toBool();
    return std::nullopt;
}

std::optional<bool> DesktopMotionPreference::reducedFromAnimationsValue(const QByteArray &output)
{
    const QByteArray value = output.trimmed();
    if (value == "true")
        return false;
    if (value == "false")
        return true;
    return std::nullopt;
}

void DesktopMotionPreference::start()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        bus.connect(portalService, portalPath, portalSettings, QStringLiteral("SettingChanged"), this,
                    SLOT(settingChanged(QString, QString, QDBusVariant)));
        readPortal(appearance, QStringLiteral("reduced-motion"));
        readPortal(gnomeInterface, QStringLiteral("enable-animations"));
    }
    readGnomeSettings();
    // gsettings has no change signal to us: look again whenever the user comes back.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            readGnomeSettings();
    });
}

bool DesktopMotionPreference::isReduced() const
{
    return std::any_of(m_answers.begin(), m_answers.end(), [](const auto &answer) { return answer.second; });
}

void DesktopMotionPreference::readPortal(const QString &group, const QString &key)
{
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, portalSettings, QStringLiteral("Read"));
    call << group << key;
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, group, key] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        if (!reply.isError())
            record(QStringLiteral("portal ") + group + u' ' + key, reducedFromSetting(group, key, reply.value().variant()));
    });
}

void DesktopMotionPreference::settingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (const auto reduced = reducedFromSetting(group, key, value.variant()))
        record(QStringLiteral("portal ") + group + u' ' + key, reduced);
}

void DesktopMotionPreference::readGnomeSettings()
{
    QString program = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    QStringList arguments{QStringLiteral("get"), gnomeInterface, QStringLiteral("enable-animations")};
    if (program.isEmpty()) {
        program = QStandardPaths::findExecutable(QStringLiteral("dconf"));
        arguments = {QStringLiteral("read"), QStringLiteral("/org/gnome/desktop/interface/enable-animations")};
    }
    if (program.isEmpty())
        return;
    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    connect(process, &QProcess::finished, this, [this, process](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if (status == QProcess::NormalExit && code == 0)
            record(QStringLiteral("gnome settings"), reducedFromAnimationsValue(process->readAllStandardOutput()));
    });
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start(program, arguments, QIODevice::ReadOnly);
}

void DesktopMotionPreference::record(const QString &source, std::optional<bool> reduced)
{
    if (!reduced)
        return;
    const bool before = isReduced();
    m_answers[source] = *reduced;
    qCDebug(lcDesign) << "reduced motion from" << source << ":" << *reduced;
    if (isReduced() != before)
        emit changed();
}
