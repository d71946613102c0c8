#pragma once

#include <QLoggingCategory>

// Logging categories of this folder; each shows from info up unless QT_LOGGING_RULES says
// otherwise (for example "vireloom.engine.debug=true").

// The settings store: values that could not be read or written.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
