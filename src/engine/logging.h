#pragma once

#include <QLoggingCategory>

// Downloads, probes and the engine state.
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
