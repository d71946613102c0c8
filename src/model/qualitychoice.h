#pragma once

#include "model/quality.h"

class Settings;

// The presets the settings choose. Each reads the stored id anew, so a change applies to
// whatever asks next.

// The default preset; a stored id that names none reads as best.
Quality defaultQuality(const Settings &settings);
// The input card's own choice: best until the user picks another.
Quality uiQuality(const Settings &settings);
// The preset of links dropped or taken from the clipboard banner: the input card's choice
// once it has been made, the default preset until then.
Quality uiQualityOrDefault(const Settings &settings);
