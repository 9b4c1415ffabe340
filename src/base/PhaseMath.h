// The values of π the code uses, and phase wrapping.
//
// Two of the precisions are deliberate: the analysis and the playback
// chain were specified with these digits, and their results (golden values,
// the analysis cache of existing files) depend on them. New code uses the
// full-precision values.
#pragma once

#include <cmath>

namespace base {

// Full precision.
constexpr double pi = 3.14159265358979323846;
constexpr double twoPi = 2.0 * pi;

// The analysis's five-digit values: phase wraps and the analysis windows.
constexpr double analysisPi = 3.14159;
constexpr double analysisTwoPi = 6.28318;

// The playback chain's values: its Hann window and the vocoder's phase
// unwrapping.
constexpr double chainPi = 3.14159265;
constexpr double chainTwoPi = 6.2831853;

// The principal value of a phase, in [−π, π), computed in double. Keeps a
// running phase from growing until a float loses its precision.
inline float principalAngle(float phase)
{
    const double value = double(phase);
    return float(value - twoPi * std::floor(value / twoPi + 0.5));
}

// y moved by whole turns into (−turn, 0], in float, as the analysis does
// it: floor(y / −turn) · turn + y.
inline float wrapBelowZero(float y, float turn)
{
    return std::floor(y / -turn) * turn + y;
}

} // namespace base
