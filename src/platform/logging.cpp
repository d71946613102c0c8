#include "logging.h"

Q_LOGGING_CATEGORY(lcSound, "vireloom.sound", QtInfoMsg)
Q_LOGGING_CATEGORY(lcInstance, "vireloom.instance", QtInfoMsg)
Q_LOGGING_CATEGORY(lcBrowsers, "vireloom.browsers", QtInfoMsg)
