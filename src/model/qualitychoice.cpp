#include "qualitychoice.h"

#include "settings/settings.h"

Quality defaultQuality(const Settings &settings)
{
    const auto id = settings.string(SettingsKey::quality);
    return id ? Quality::fromId(*id).value_or(Quality::best) : Quality::best;
}

Quality cardQuality(const Settings &settings)
{
    if (const auto id = settings.string(SettingsKey::uiQuality)) {
        if (const auto quality = Quality::fromId(*id))
            return *quality;
    }
    return defaultQuality(settings);
}
