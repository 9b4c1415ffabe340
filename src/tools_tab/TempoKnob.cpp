#include "TempoKnob.h"

#include <cmath>
#include <limits>

namespace tempoknob {

float factorAt(int position)
{
    if (position == centre)
        return 1.0f;
    float r = 1.0f;
    if (position > 0)
        r = float(position) / 100.0f + 1.0f;
    else if (position < 0)
        r = 1.0f / (float(-position) / 100.0f + 1.0f);
    r -= 1.0f;
    return r < 1.0f ? float(double(r) * 0.75 + 0.25) : r;
}

int nearestPosition(float factor)
{
    if (factor == 1.0f)
        return centre;
    if (std::isnan(factor))
        return lowest;
    // The knob's side follows the tempo's: 100 plays 1.0 as well, but
    // turned right of the centre it must not stand for a slower tempo.
    const int first = factor < 1.0f ? lowest : centre + 1;
    const int last = factor < 1.0f ? centre - 1 : highest;
    int best = first;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int position = first; position <= last; ++position) {
        const double distance = std::fabs(double(factorAt(position)) - double(factor));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = position;
        }
    }
    return best;
}

} // namespace tempoknob
