#include "blur.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

std::array<int, 3> boxWidthsForGaussian(double sigma)
{
    constexpr int n = 3;
    const double ideal = std::sqrt(12.0 * sigma * sigma / n + 1.0);
    int lower = int(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    lower = std::max(lower, 1);
    const int upper = lower + 2;
    // How many of the passes use the narrower box so that the variances add up best.
    const double idealNarrow = (12.0 * sigma * sigma - n * lower * lower - 4.0 * n * lower - 3.0 * n) / (-4.0 * lower - 4.0);
    const int narrow = std::clamp(int(std::lround(idealNarrow)), 0, n);
    std::array<int, 3> widths{};
    for (int i = 0; i < n; ++i)
        widths[size_t(i)] = i < narrow ? lower : upper;
    return widths;
}

namespace {

// One box pass along a line of `count` pixels, read `srcStep` and written `dstStep` apart.
// Sums are kept per channel of premultiplied ARGB, so colour and coverage blur alike.
void boxLine(const std::uint32_t *src, int srcStep, std::uint32_t *dst, int dstStep, int count, int radius)
{
    const int width = 2 * radius + 1;
    // Fixed-point reciprocal: (sum * scale) >> 32 == round(sum / width) within one unit.
    const std::uint64_t scale = ((std::uint64_t(1) << 32) + std::uint64_t(width) / 2) / std::uint64_t(width);
    std::uint32_t a = 0, r = 0, g = 0, b = 0;
    auto add = [&](std::uint32_t p) {
        a += p >> 24;
        r += (p >> 16) & 0xFF;
        g += (p >> 8) & 0xFF;
        b += p & 0xFF;
    };
    auto remove = [&](std::uint32_t p) {
        a -= p >> 24;
        r -= (p >> 16) & 0xFF;
        g -= (p >> 8) & 0xFF;
        b -= p & 0xFF;
    };
    auto out = [&](std::uint32_t sum) { return std::uint32_t((std::uint64_t(sum) * scale + (std::uint64_t(1) << 31)) >> 32); };
    for (int i = 0; i < std::min(radius, count); ++i)
        add(src[i * srcStep]);
    for (int i = 0; i < count; ++i) {
        const int enter = i + radius;
        if (enter < count)
            add(src[enter * srcStep]);
        const int leave = i - radius - 1;
        if (leave >= 0)
            remove(src[leave * srcStep]);
        dst[i * dstStep] = (std::min<std::uint32_t>(out(a), 255) << 24) | (std::min<std::uint32_t>(out(r), 255) << 16)
                           | (std::min<std::uint32_t>(out(g), 255) << 8) | std::min<std::uint32_t>(out(b), 255);
    }
}

} // namespace

void gaussianBlur(QImage &image, double sigma)
{
    if (sigma < 0.3 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    const int w = image.width();
    const int h = image.height();
    const int stride = int(image.bytesPerLine() / 4);
    auto *pixels = reinterpret_cast<std::uint32_t *>(image.bits());
    std::vector<std::uint32_t> scratch(size_t(w) * size_t(h));

    for (const int boxWidth : boxWidthsForGaussian(sigma)) {
        const int radius = (boxWidth - 1) / 2;
        if (radius == 0)
            continue;
        for (int y = 0; y < h; ++y)
            boxLine(pixels + y * stride, 1, scratch.data() + size_t(y) * size_t(w), 1, w, radius);
        for (int x = 0; x < w; ++x)
            boxLine(scratch.data() + x, w, pixels + x, stride, h, radius);
    }
}
