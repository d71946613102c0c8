#pragma once

#include <QLoggingCategory>

// Logging categories of this folder; each shows from info up unless QT_LOGGING_RULES says
// otherwise (for example "vireloom.engine.debug=true").

// Installing and updating the engine programs.
Q_DECLARE_LOGGING_CATEGORY(lcInstaller)

// The daily release check and the engine's age.
Q_DECLARE_LOGGING_CATEGORY(lcFreshness)
