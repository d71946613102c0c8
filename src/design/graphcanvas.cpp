#include "graphcanvas.h"

#include <QColor>

#include <map>
#include <mutex>
#include <utility>

Rgba Rgba::fromColor(const QColor &color, double opacity)
{
    const float a = float(std::clamp(color.alphaF() * opacity, 0.0, 1.0));
    return {color.redF() * a, color.greenF() * a, color.blueF() * a, a};
}

GraphCanvas::GraphCanvas(const QRectF &area, double scale)
    : m_area(area)
    , m_scale(scale)
    , m_image(std::max(1, int(std::ceil(area.width() * scale))), std::max(1, int(std::ceil(area.height() * scale))),
              QImage::Format_ARGB32_Premultiplied)
{
    m_image.setDevicePixelRatio(scale);
    m_image.fill(Qt::transparent);
    m_bits = reinterpret_cast<std::uint32_t *>(m_image.bits());
    m_stride = m_image.bytesPerLine() / 4;
}

double GraphCanvas::Graph::at(double x, double *slope) const
{
    const int last = int(ys.size()) - 1;
    if (last < 1) {
        if (slope)
            *slope = 0;
        return ys.empty() ? 0 : ys[0];
    }
    const double position = std::clamp((x - x0) / step, 0.0, double(last));
    const int i = std::min(int(position), last - 1);
    const double f = position - i;
    const double y0 = ys[size_t(i)];
    const double y1 = ys[size_t(i) + 1];
    if (slope)
        *slope = (y1 - y0) / step;
    return y0 + f * (y1 - y0);
}

std::pair<double, double> GraphCanvas::Graph::band(double reach) const
{
    if (ys.empty())
        return {0, 0};
    // forColumns() reaches reach·√(1 + slope²) up and down each column of a segment.
    double top = ys[0] - reach;
    double bottom = ys[0] + reach;
    for (size_t i = 1; i < ys.size(); ++i) {
        const double slope = (ys[i] - ys[i - 1]) / step;
        const double span = reach * std::sqrt(1 + slope * slope);
        top = std::min(top, std::min(ys[i - 1], ys[i]) - span);
        bottom = std::max(bottom, std::max(ys[i - 1], ys[i]) + span);
    }
    return {top, bottom};
}

int GraphCanvas::firstColumn(double x) const
{
    return std::max(0, int(std::floor((x - m_area.left()) * m_scale)));
}

int GraphCanvas::lastColumn(double x) const
{
    return std::min(m_image.width() - 1, int(std::ceil((x - m_area.left()) * m_scale)));
}

const std::vector<std::uint16_t> &GraphCanvas::blurProfile(double width, double sigma)
{
    // Φ((d + half)/σ) − Φ((d − half)/σ) for d from 0 to three deviations past the line's
    // edge. Only a few widths and deviations are ever asked for, so each is made once.
    static std::mutex lock;
    static std::map<std::pair<double, double>, std::vector<std::uint16_t>> profiles;
    const std::lock_guard guard(lock);
    std::vector<std::uint16_t> &profile = profiles[{width, sigma}];
    if (profile.empty()) {
        const double half = width / 2;
        const double norm = 1 / (sigma * std::sqrt(2.0));
        profile.resize(size_t(std::ceil((half + 3 * sigma) * profileSteps)) + 1);
        for (size_t i = 0; i < profile.size(); ++i) {
            const double d = double(i) / profileSteps;
            profile[i] = std::uint16_t(toCoverage(0.5 * (std::erf((d + half) * norm) - std::erf((d - half) * norm))));
        }
        // The far tail rounds to nothing; pixels there need not be visited at all.
        while (profile.size() > 1 && profile.back() == 0)
            profile.pop_back();
    }
    return profile;
}

void GraphCanvas::disc(QPointF center, double radius, const Rgba &color)
{
    const Paint paint(color);
    const double cx = (center.x() - m_area.left()) * m_scale;
    const double cy = (center.y() - m_area.top()) * m_scale;
    const double r = radius * m_scale;
    const int rowEnd = std::min(m_image.height() - 1, int(std::ceil(cy + r + 1)));
    const int colEnd = std::min(m_image.width() - 1, int(std::ceil(cx + r + 1)));
    for (int y = std::max(0, int(std::floor(cy - r - 1))); y <= rowEnd; ++y) {
        std::uint32_t *line = row(y);
        for (int x = std::max(0, int(std::floor(cx - r - 1))); x <= colEnd; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double d = std::sqrt(dx * dx + dy * dy);
            blend(line + x, paint, toCoverage(r + 0.5 - d));
        }
    }
}

void GraphCanvas::radialDisc(QPointF center, double radius, const Rgba &centerColor)
{
    const Paint paint(centerColor);
    const double cx = (center.x() - m_area.left()) * m_scale;
    const double cy = (center.y() - m_area.top()) * m_scale;
    const double r = radius * m_scale;
    const int rowEnd = std::min(m_image.height() - 1, int(std::ceil(cy + r)));
    const int colEnd = std::min(m_image.width() - 1, int(std::ceil(cx + r)));
    for (int y = std::max(0, int(std::floor(cy - r))); y <= rowEnd; ++y) {
        std::uint32_t *line = row(y);
        for (int x = std::max(0, int(std::floor(cx - r))); x <= colEnd; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < r)
                blend(line + x, paint, toCoverage(1 - d / r));
        }
    }
}
