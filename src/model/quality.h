#pragma once

#include <QString>

#include <array>
#include <optional>

// A quality preset the user picks for a link. The id is what the settings store,
// the URL scheme and the history keep.
class Quality
{
public:
    enum Preset { best, p2160, p1440, p1080, p720, p480, mp3, m4a };

    constexpr Quality(Preset preset = best)
        : m_preset(preset)
    {
    }

    static std::optional<Quality> fromId(QStringView id);
    // The preset whose shortLabel() this is, as the history stores it.
    static std::optional<Quality> fromShortLabel(QStringView label);
    static const std::array<Quality, 8> &allCases();

    constexpr Preset preset() const { return m_preset; }
    QString id() const;
    // Menu text in the interface language.
    QString label() const;
    // Compact text, untranslated: views pass it through L when they show it.
    QString shortLabel() const;
    // Upper bound on the video height, absent for best and the audio presets.
    std::optional<int> height() const;
    constexpr bool isAudio() const { return m_preset == mp3 || m_preset == m4a; }

    friend constexpr bool operator==(Quality a, Quality b) = default;

private:
    Preset m_preset;
};

size_t qHash(Quality quality, size_t seed = 0) noexcept;
