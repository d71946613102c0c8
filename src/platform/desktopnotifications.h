#pragma once

#include <QString>

// Desktop notifications through the freedesktop Notifications service. Silent where the
// desktop has no session bus or no notification server.
namespace DesktopNotifications {

void notify(const QString &title, const QString &body);

} // namespace DesktopNotifications
