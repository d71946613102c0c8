#pragma once

#include "model/quality.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

class Settings;

// The input card's choice of quality and of "whole playlist", held by the window for the
// card and for what comes in beside it (links dropped on the window, the clipboard offer).
// It starts from what was chosen at the last start, else the default preset, and keeps
// each new choice for the next start.
class CardChoice : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("the Shell holds the input card's choice")

public:
    explicit CardChoice(Settings &settings, QObject *parent = nullptr);

    Quality quality() const { return m_quality; }
    void setQuality(Quality quality);
    bool playlist() const { return m_playlist; }
    void setPlaylist(bool playlist);

signals:
    void qualityChanged();
    void playlistChanged();

private:
    Settings &m_settings;
    Quality m_quality;
    bool m_playlist;
};
