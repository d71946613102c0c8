#include "logging.h"

Q_LOGGING_CATEGORY(lcFollowing, "vireloom.following", QtInfoMsg)
