#include "MetronomeClick.h"

#include <algorithm>
#include <cmath>

namespace {

// Two inharmonic partials, as a struck block of wood rings; decay to about
// -60 dB at the end of the table, a 1 ms rise so the start does not crack,
// and a short fade that lands exactly on 0.
std::array<float, metronomeClickFrames> makeClick()
{
    constexpr double rateHz = 44100.0;
    constexpr double twoPi = 6.283185307179586;
    constexpr double lowHz = 1800.0;
    constexpr double highHz = 2950.0;
    constexpr double decayFrames = 150.0;
    constexpr int riseFrames = 44;
    constexpr int fadeFrames = 64;

    std::array<double, metronomeClickFrames> raw{};
    for (int i = 0; i < metronomeClickFrames; ++i) {
        const double t = double(i) / rateHz;
        double envelope = std::exp(-double(i) / decayFrames);
        if (i < riseFrames)
            envelope *= 0.5 * (1.0 - std::cos(twoPi * 0.5 * double(i) / riseFrames));
        const int fromEnd = metronomeClickFrames - 1 - i;
        if (fromEnd < fadeFrames)
            envelope *= double(fromEnd) / fadeFrames;
        raw[size_t(i)] = envelope * (std::sin(twoPi * lowHz * t) + 0.6 * std::sin(twoPi * highHz * t));
    }
    double peak = 0.0;
    for (double v : raw)
        peak = std::max(peak, std::fabs(v));
    std::array<float, metronomeClickFrames> click{};
    for (int i = 0; i < metronomeClickFrames; ++i)
        click[size_t(i)] = float(raw[size_t(i)] * double(metronomeClickPeak) / peak);
    return click;
}

} // namespace

const std::array<float, metronomeClickFrames>& metronomeClick()
{
    static const std::array<float, metronomeClickFrames> click = makeClick();
    return click;
}
