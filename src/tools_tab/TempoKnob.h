// The tempo knob's positions and the tempo factors (output / input tempo)
// they play: 0 … 98 rise linearly from a quarter, 99 is the original tempo,
// 100 … 199 play position / 100. So 0 → 0.25, 50 → 0.625, 98 → 0.985,
// 99 and 100 → 1.0, 150 → 1.5, 199 → 1.99.
#pragma once

namespace tempoknob {

constexpr int lowest = 0;
constexpr int centre = 99; // the original tempo; the knob's rest
constexpr int highest = 199;

// The factor a position plays (any int: the mapping's own formula).
float factorAt(int position);

// The position whose factor lies nearest to `factor` (the lower one of two
// as near), on the centre's side the tempo lies: 0 … 98 below 1, 100 … 199
// above. The centre only for exactly 1: a knob at rest bypasses the tempo
// tool, so another tempo must not read as it. NaN gives 0.
int nearestPosition(float factor);

} // namespace tempoknob
