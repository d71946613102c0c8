#pragma once

#include "app/launchoptions.h"

// Runs --update-engine or --engine-status without a window and without the
// single-instance guard: a running instance keeps its downloads, and the engine folder's
// lock keeps the two from installing at once. Returns the exit code.
int runEngineCommand(LaunchOptions::Action action, int argc, char **argv);
