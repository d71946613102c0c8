#include "logging.h"

Q_LOGGING_CATEGORY(lcApp, "vireloom.app", QtInfoMsg)
