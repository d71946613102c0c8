#pragma once

#include <QLoggingCategory>

// Logging categories of this folder; each shows from info up unless QT_LOGGING_RULES says
// otherwise (for example "vireloom.engine.debug=true").

// The history file and the list kept in step with it.
Q_DECLARE_LOGGING_CATEGORY(lcHistory)
