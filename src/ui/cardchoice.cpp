#include "cardchoice.h"

#include "model/qualitychoice.h"
#include "settings/settings.h"

CardChoice::CardChoice(Settings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_quality(cardQuality(settings))
    , m_playlist(settings.uiPlaylist())
{
}

void CardChoice::setQuality(Quality quality)
{
    if (quality == m_quality)
        return;
    m_quality = quality;
    m_settings.setValue(SettingsKey::uiQuality, quality.id());
    emit qualityChanged();
}

void CardChoice::setPlaylist(bool playlist)
{
    if (playlist == m_playlist)
        return;
    m_playlist = playlist;
    m_settings.setValue(SettingsKey::uiPlaylist, playlist);
    emit playlistChanged();
}
