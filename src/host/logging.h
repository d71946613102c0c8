#pragma once

#include <QLoggingCategory>

// Logging categories of this folder; each shows from info up unless QT_LOGGING_RULES says
// otherwise. What the host writes goes to the browser's own log.

// The browser companion's native messaging host.
Q_DECLARE_LOGGING_CATEGORY(lcHost)
