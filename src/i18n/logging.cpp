#include "logging.h"

Q_LOGGING_CATEGORY(lcI18n, "vireloom.i18n", QtInfoMsg)
