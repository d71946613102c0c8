#pragma once

#include <QImage>

#include <array>

// Gaussian blur of a layer, approximated by three successive box blurs whose variances
// add up to sigma² (a box of width w has variance (w² − 1) / 12). Everything outside the
// image counts as transparent, as it does for a drawing layer.

// The three odd box widths for a standard deviation, in the order they are applied.
std::array<int, 3> boxWidthsForGaussian(double sigma);

// Blurs `image` in place; it is converted to premultiplied ARGB32 first if needed.
// A sigma below 0.3 leaves the image as it is.
void gaussianBlur(QImage &image, double sigma);

// The distance beyond a shape at which its blur has faded to nothing that shows.
inline double blurReach(double sigma)
{
    return 3.0 * sigma;
}
