#pragma once

#include "model/quality.h"

class Settings;

// The default preset; a stored id that names none reads as best. It is read anew each
// time, so a change applies to whatever asks next.
Quality defaultQuality(const Settings &settings);
// The input card's choice as the last start left it; until one was made, or when the
// stored one names no preset, the default preset.
Quality cardQuality(const Settings &settings);
