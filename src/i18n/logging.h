#pragma once

#include <QLoggingCategory>

// Logging categories of this folder; each shows from info up unless QT_LOGGING_RULES says
// otherwise (for example "vireloom.engine.debug=true").

// The interface languages and the translation table.
Q_DECLARE_LOGGING_CATEGORY(lcI18n)
