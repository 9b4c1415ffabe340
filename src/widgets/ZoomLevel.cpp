#include "ZoomLevel.h"

#include <array>
#include <climits>
#include <cmath>

namespace {

// Each power from the previous one, multiplied in double and stored as
// float: the values the level pictures were always rendered for.
const std::array<float, ZoomLevel::levelCount> factors = [] {
    std::array<float, ZoomLevel::levelCount> result{};
    float factor = 1.0f;
    for (float& f : result) {
        f = factor;
        factor = float(double(factor) * 0.66);
    }
    return result;
}();

} // namespace

int saturatingInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

ZoomLevel ZoomLevel::fromLevel(int level)
{
    return ZoomLevel(level < 0 ? 0 : level > deepestLevel ? deepestLevel : level);
}

ZoomLevel ZoomLevel::nearest(float factor)
{
    if (!std::isfinite(factor) || factor <= 0.0f)
        return ZoomLevel();
    int best = 0;
    for (int k = 1; k < levelCount; ++k) {
        if (std::fabs(factors[size_t(k)] - factor) < std::fabs(factors[size_t(best)] - factor))
            best = k;
    }
    return ZoomLevel(best);
}

float ZoomLevel::factorOf(int level)
{
    return factors[size_t(fromLevel(level).index)];
}

int ZoomLevel::canvasWidth(int viewWidth) const
{
    if (viewWidth <= 0)
        return 0;
    return saturatingInt(float(viewWidth) / factor());
}

FrameScale::FrameScale(int64_t frames, int canvasWidth)
{
    if (frames > 0 && canvasWidth > 0)
        perPixel = float(frames) / float(canvasWidth);
}

float FrameScale::pixelOf(float frame) const
{
    return perPixel > 0.0f ? frame / perPixel : 0.0f;
}

int FrameScale::roundedPixelOf(float frame) const
{
    return saturatingInt(std::floor(double(pixelOf(frame)) + 0.5));
}
