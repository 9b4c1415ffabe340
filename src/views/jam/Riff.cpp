#include "Riff.h"

#include <algorithm>
#include <cmath>

Riff::Riff(QObject* parent) : QObject(parent)
{
    for (auto& factor : factors)
        factor.store(1.0f, std::memory_order_relaxed);
}

void Riff::setInterpFactor(float factor, int step)
{
    if (step < 0 || step >= stepCount)
        return;
    // The player takes the logarithm of the factor: keep it a finite ratio
    // the pitch boxes can make.
    if (!std::isfinite(factor) || factor <= 0.0f)
        factor = 1.0f;
    factor = std::clamp(factor, lowestFactor, highestFactor);
    factors[step].store(factor, std::memory_order_relaxed);
}

float Riff::interpFactor(int step) const
{
    if (step < 0 || step >= stepCount)
        return 1.0f;
    return factors[step].load(std::memory_order_relaxed);
}
