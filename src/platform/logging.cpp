#include "logging.h"

Q_LOGGING_CATEGORY(lcSound, "vireloom.sound", QtInfoMsg)
Q_LOGGING_CATEGORY(lcInstance, "vireloom.instance", QtInfoMsg)
