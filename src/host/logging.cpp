#include "logging.h"

Q_LOGGING_CATEGORY(lcHost, "vireloom.host", QtInfoMsg)
