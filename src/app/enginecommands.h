#pragma once

#include "app/launchoptions.h"

// Runs --update-engine or --engine-status without a window and without the
// single-instance guard: a running instance keeps its downloads, and the engine folder's
// lock keeps the two from installing at once. Returns the exit code.
int runEngineCommand(LaunchOptions::Action action, int argc, char **argv);

// The child that FreshnessMonitor starts for its daily look at the latest release: writes
// where `address` leads, or why that is unknown, and returns the exit code.
int runReleaseCheck(const QString &address, int argc, char **argv);
