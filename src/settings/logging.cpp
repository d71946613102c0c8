#include "logging.h"

Q_LOGGING_CATEGORY(lcSettings, "vireloom.settings", QtInfoMsg)
