#include "quality.h"

#include "i18n/i18n.h"

#include <QHashFunctions>

namespace {

struct PresetInfo
{
    QLatin1StringView id;
    const char *label;
    QLatin1StringView shortLabel;
    int height;
    bool translated;
};

// In declaration order, which is also the order of every quality menu. The short label of
// the best preset is stored as it is here and translated where it is shown.
constexpr std::array<PresetInfo, 8> kPresets{{
    {QLatin1StringView("best"), QT_TRID_NOOP("Melhor qualidade"), QLatin1StringView(QT_TRID_NOOP("Melhor")), 0, true},
    {QLatin1StringView("p2160"), "4K (2160p)", QLatin1StringView("4K"), 2160, false},
    {QLatin1StringView("p1440"), "1440p", QLatin1StringView("1440p"), 1440, false},
    {QLatin1StringView("p1080"), "1080p", QLatin1StringView("1080p"), 1080, false},
    {QLatin1StringView("p720"), "720p", QLatin1StringView("720p"), 720, false},
    {QLatin1StringView("p480"), "480p", QLatin1StringView("480p"), 480, false},
    {QLatin1StringView("mp3"), QT_TRID_NOOP("Só áudio — MP3"), QLatin1StringView("MP3"), 0, true},
    {QLatin1StringView("m4a"), QT_TRID_NOOP("Só áudio — M4A"), QLatin1StringView("M4A"), 0, true},
}};

const PresetInfo &info(Quality quality)
{
    return kPresets[static_cast<size_t>(quality.preset())];
}

} // namespace

std::optional<Quality> Quality::fromId(QStringView id)
{
    for (size_t i = 0; i < kPresets.size(); ++i) {
        if (id == kPresets[i].id)
            return Quality(static_cast<Preset>(i));
    }
    return std::nullopt;
}

const std::array<Quality, 8> &Quality::allCases()
{
    static constexpr std::array<Quality, 8> cases{best, p2160, p1440, p1080, p720, p480, mp3, m4a};
    return cases;
}

QString Quality::id() const
{
    return info(*this).id;
}

QString Quality::label() const
{
    const PresetInfo &preset = info(*this);
    return preset.translated ? L(preset.label) : QString::fromUtf8(preset.label);
}

std::optional<Quality> Quality::fromShortLabel(QStringView label)
{
    for (const Quality &quality : allCases()) {
        if (quality.shortLabel() == label)
            return quality;
    }
    return std::nullopt;
}

QString Quality::shortLabel() const
{
    return info(*this).shortLabel;
}

std::optional<int> Quality::height() const
{
    const int height = info(*this).height;
    return height > 0 ? std::optional<int>(height) : std::nullopt;
}

size_t qHash(Quality quality, size_t seed) noexcept
{
    return qHash(quality.id(), seed);
}
