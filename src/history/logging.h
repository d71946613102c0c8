#pragma once

#include <QLoggingCategory>

// Reading and writing the history file.
Q_DECLARE_LOGGING_CATEGORY(lcHistory)
