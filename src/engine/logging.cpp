#include "logging.h"

Q_LOGGING_CATEGORY(lcEngine, "vireloom.engine", QtInfoMsg)
