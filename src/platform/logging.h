#pragma once

#include <QLoggingCategory>

// Logging categories of this folder; each shows from info up unless QT_LOGGING_RULES says
// otherwise (for example "vireloom.engine.debug=true").

// The completion sound.
Q_DECLARE_LOGGING_CATEGORY(lcSound)

// The single instance and its socket.
Q_DECLARE_LOGGING_CATEGORY(lcInstance)

// The browsers: their host manifests and their profiles.
Q_DECLARE_LOGGING_CATEGORY(lcBrowsers)
