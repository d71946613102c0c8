#include "logging.h"

Q_LOGGING_CATEGORY(lcInstaller, "vireloom.installer", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFreshness, "vireloom.freshness", QtInfoMsg)
