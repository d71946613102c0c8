#include "tokens.h"

#include "symbols.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>

QColor colorFromHex(std::uint32_t hex)
{
    return QColor(int((hex >> 16) & 0xFF), int((hex >> 8) & 0xFF), int(hex & 0xFF));
}

double fract(double x)
{
    return x - std::floor(x);
}

QColor withOpacity(const QColor &color, double opacity)
{
    QColor c = color;
    c.setAlphaF(float(std::clamp(opacity, 0.0, 1.0)));
    return c;
}

QFont DS::mono(double size, QFont::Weight weight)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(std::max(1, int(std::lround(size))));
    font.setWeight(weight);
    return font;
}

double meterShownFraction(double fraction)
{
    if (std::isnan(fraction) || fraction < 0.01)
        return 0.01;
    return std::min(fraction, 1.0);
}

DesignSystem::DesignSystem(QObject *parent) : QObject(parent) {}

QString DesignSystem::iconFamily() const
{
    return iconFontFamily();
}

QFont DesignSystem::mono(double size, int weight) const
{
    return DS::mono(size, QFont::Weight(weight));
}

QString DesignSystem::glyph(const QString &symbol) const
{
    return symbolGlyph(symbol);
}

double DesignSystem::meterFraction(double fraction) const
{
    return meterShownFraction(fraction);
}
