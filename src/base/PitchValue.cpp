#include "PitchValue.h"

#include <cmath>

namespace pitchvalue {

namespace {

// Rests this close to a whole hundredth are that hundredth: the error a
// ratio picks up in single precision, far below the next hundredth.
constexpr double hundredthNoise = 1e-3;

int floorDiv(int a, int b)
{
    return int(std::floor(double(a) / double(b)));
}

} // namespace

Split split(int hundredths)
{
    const int semitones = floorDiv(hundredths + 50, 100);
    return {semitones, hundredths - 100 * semitones};
}

Split splitStored(double semitones)
{
    if (!std::isfinite(semitones))
        return {};
    return split(int(std::lround(semitones * 100.0)));
}

Split splitShown(double semitones)
{
    if (!std::isfinite(semitones))
        return {};
    const int whole = int(std::floor(semitones + 0.5));
    double rest = (semitones - whole) * 100.0;
    const double nearest = std::round(rest);
    rest = std::fabs(rest - nearest) < hundredthNoise ? nearest : std::trunc(rest);
    // A rest that rounded up to 50 belongs to the semitone above.
    return split(100 * whole + int(rest));
}

double semitonesOfRatio(double ratio)
{
    return 12.0 * std::log2(ratio);
}

float ratioOfSemitones(double semitones)
{
    return float(std::pow(2.0, semitones / 12.0));
}

float ratioOfSemitonesSingleTwelfth(float semitones)
{
    return float(std::pow(2.0, double(semitones / 12.0f)));
}

} // namespace pitchvalue
