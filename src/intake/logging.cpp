#include "logging.h"

Q_LOGGING_CATEGORY(lcIntake, "vireloom.intake", QtInfoMsg)
