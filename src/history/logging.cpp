#include "logging.h"

Q_LOGGING_CATEGORY(lcHistory, "vireloom.history", QtInfoMsg)
