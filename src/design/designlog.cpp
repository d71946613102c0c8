#include "designlog.h"

Q_LOGGING_CATEGORY(lcDesign, "vireloom.design", QtInfoMsg)
