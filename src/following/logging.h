#pragma once

#include <QLoggingCategory>

// Followed sources: their file, their checks and the schedule.
Q_DECLARE_LOGGING_CATEGORY(lcFollowing)
