#include "portalfilechooser.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QWindow>

Q_LOGGING_CATEGORY(lcChooser, "vireloom.ui.chooser")

using namespace Qt::StringLiterals;

namespace {

const QString kPortalService = u"org.freedesktop.portal.Desktop"_s;
const QString kPortalPath = u"/org/freedesktop/portal/desktop"_s;
const QString kFileChooser = u"org.freedesktop.portal.FileChooser"_s;
// The first version that chooses folders (SaveFiles, and OpenFile's "directory").
constexpr uint kFolderVersion = 3;
// How soon an answer of "ended otherwise" (2) means the backend failed rather than that
// the user dismissed the dialog: too soon for a person to have read it.
constexpr qint64 kRefusalMs = 1000;
// The file name a folder is chosen for; only the folder it lands in is kept.
constexpr char kFolderPlaceholder[] = "Vireloom";

void registerTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<PortalFilter::Rule>();
        qDBusRegisterMetaType<QList<PortalFilter::Rule>>();
        qDBusRegisterMetaType<PortalFilter>();
        qDBusRegisterMetaType<QList<PortalFilter>>();
        qDBusRegisterMetaType<QList<QByteArray>>();
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const PortalFilter::Rule &rule)
{
    argument.beginStructure();
    argument << rule.type << rule.pattern;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalFilter::Rule &rule)
{
    argument.beginStructure();
    argument >> rule.type >> rule.pattern;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const PortalFilter &filter)
{
    argument.beginStructure();
    argument << filter.name << filter.rules;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalFilter &filter)
{
    argument.beginStructure();
    argument >> filter.name >> filter.rules;
    argument.endStructure();
    return argument;
}

QList<PortalFilter> portalFilters(const QStringList &nameFilters)
{
    static const QRegularExpression shape(u"^(.*)\\(([^()]*)\\)\\s*$"_s);
    QList<PortalFilter> filters;
    for (const QString &nameFilter : nameFilters) {
        const QRegularExpressionMatch match = shape.match(nameFilter);
        if (!match.hasMatch())
            continue;
        PortalFilter filter{match.captured(1).trimmed(), {}};
        for (const QString &pattern : match.captured(2).split(u' ', Qt::SkipEmptyParts))
            filter.rules.append({0, pattern});
        if (!filter.name.isEmpty() && !filter.rules.isEmpty())
            filters.append(filter);
    }
    return filters;
}

QUrl PortalFileChooser::chosenUrl(const QUrl &answered, bool folder)
{
    // A folder's answer is the placeholder file in it (or, where that name is taken, the
    // name the backend made unique): the folder is the one it is in.
    if (!folder)
        return answered;
    return answered.adjusted(QUrl::RemoveFilename | QUrl::StripTrailingSlash);
}

PortalFileChooser::PortalFileChooser(QObject *parent)
    : QObject(parent)
{
    registerTypes();
}

QString PortalFileChooser::parentHandle(const QWindow *window)
{
    // On Wayland the handle would have to be exported through xdg-foreign first; without
    // one the dialog still opens, only not tied to the window.
    if (!window || QGuiApplication::platformName() != u"xcb")
        return {};
    return u"x11:"_s + QString::number(window->winId(), 16);
}

void PortalFileChooser::open(QWindow *parent)
{
    if (busy())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        emit unavailable();
        return;
    }
    m_asking = true;
    emit busyChanged();
    // The version says whether folders can be chosen; asked each time, since the portal
    // may have come or gone since.
    QDBusMessage get = QDBusMessage::createMethodCall(kPortalService, kPortalPath, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << kFileChooser << u"version"_s;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(get, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, handle = parentHandle(parent)](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        const uint version = reply.isValid() ? reply.value().variant().toUInt() : 0;
        if (reply.isError())
            qCDebug(lcChooser) << "no file chooser portal:" << reply.error().message();
        ask(version, handle);
    });
}

void PortalFileChooser::ask(uint version, const QString &parent)
{
    if (version == 0 || (m_selectFolder && version < kFolderVersion)) {
        finish();
        emit unavailable();
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    static uint requests = 0;
    const QString token = u"vireloom%1"_s.arg(++requests);
    // The request's path is known before the call, so its answer cannot come before we listen.
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    listenAt(u"/org/freedesktop/portal/desktop/request/%1/%2"_s.arg(sender, token));

    QVariantMap options{{u"handle_token"_s, token}, {u"modal"_s, true}};
    if (!m_acceptLabel.isEmpty())
        options.insert(u"accept_label"_s, m_acceptLabel);
    if (m_currentFolder.isLocalFile())
        options.insert(u"current_folder"_s, QByteArray(m_currentFolder.toLocalFile().toUtf8() + '\0'));
    // A folder is asked for as the place to save files in, which is what it is: the
    // backends open that dialog at `current_folder` (with its "New folder"), while some
    // (GTK's 1.14, Debian 12's) ignore it on OpenFile and open on "Recent". The answer names
    // the placeholder inside the chosen folder.
    if (m_selectFolder)
        options.insert(u"files"_s, QVariant::fromValue(QList<QByteArray>{QByteArray(kFolderPlaceholder) + '\0'}));
    else
        options.insert(u"multiple"_s, false);
    if (const QList<PortalFilter> filters = portalFilters(m_nameFilters); !m_selectFolder && !filters.isEmpty()) {
        options.insert(u"filters"_s, QVariant::fromValue(filters));
        options.insert(u"current_filter"_s, QVariant::fromValue(filters.first()));
    }
    m_askedFolder = m_selectFolder;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kFileChooser, m_selectFolder ? u"SaveFiles"_s : u"OpenFile"_s);
    call << parent << m_title << options;
    m_asked.start();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *pending) {
        pending->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *pending;
        if (reply.isError()) {
            qCDebug(lcChooser) << "the portal refused the dialog:" << reply.error().message();
            finish();
            emit unavailable();
            return;
        }
        // Portals older than the handle token answer at a path of their own.
        if (reply.value().path() != m_requestPath)
            listenAt(reply.value().path());
    });
}

void PortalFileChooser::listenAt(const QString &path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!m_requestPath.isEmpty())
        bus.disconnect(QString(), m_requestPath, u"org.freedesktop.portal.Request"_s, u"Response"_s, this,
                       SLOT(handleResponse(uint, QVariantMap)));
    m_requestPath = path;
    m_asking = false;
    bus.connect(QString(), path, u"org.freedesktop.portal.Request"_s, u"Response"_s, this, SLOT(handleResponse(uint, QVariantMap)));
    emit busyChanged();
}

void PortalFileChooser::finish()
{
    if (!m_requestPath.isEmpty())
        QDBusConnection::sessionBus().disconnect(QString(), m_requestPath, u"org.freedesktop.portal.Request"_s, u"Response"_s, this,
                                                 SLOT(handleResponse(uint, QVariantMap)));
    m_requestPath.clear();
    m_asking = false;
    emit busyChanged();
}

void PortalFileChooser::handleResponse(uint response, const QVariantMap &results)
{
    finish();
    const QStringList uris = results.value(u"uris"_s).toStringList();
    if (response == 0 && !uris.isEmpty())
        emit accepted(chosenUrl(QUrl(uris.constFirst()), m_askedFolder));
    else if (response == 2 && m_asked.elapsed() < kRefusalMs)
        // Ended before anyone could have seen it: the backend could not show the dialog.
        emit unavailable();
    else
        // Cancelled, or closed some other way: GTK's backend answers 2 for Escape and for
        // the window's close button, which must not bring up a second dialog.
        emit rejected();
}
