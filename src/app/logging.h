#pragma once

#include <QLoggingCategory>

// Logging categories of this folder; each shows from info up unless QT_LOGGING_RULES says
// otherwise (for example "vireloom.engine.debug=true").

// Start-up and the command line.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
