#include "ADRess.h"

#include <cmath>

float plotarray[200];
float grapharray[400];

namespace {

// keepSource: ADRess (solo) when true, ADRessInvert (mute) when false.
void isolate(bool keepSource, float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight,
             const float* phasesRight, float azimuth, float range, float cut, float bleed, int n,
             bool hipass)
{
    const float side = std::fabs(azimuth);
    const float gain = (bleed / 100.0f) * (bleed / 100.0f);

    for (int k = 0; k < n / 2; ++k) {
        const float left = magnitudesLeft[k];
        const float right = magnitudesRight[k];
        // Opposite phases place a bin like equal ones: the sign goes with fabs.
        const float agreement = std::cos(phasesLeft[k] - phasesRight[k]);
        // A silent channel gives an infinite or undefined ratio; every
        // comparison below is false for NaN, which decides such bins.
        const float ratioLeft = std::fabs(float(double(right / left * agreement) + 1e-15));
        const float ratioRight = std::fabs(float(double(left / right * agreement) + 1e-15));
        const float distanceLeft = std::fabs(side - ratioLeft);
        const float distanceRight = std::fabs(side - ratioRight);

        // The range checks come first: they keep NaN away from the casts.
        if (ratioRight >= 0.0f && ratioRight <= 1.0f) {
            const int position = int(std::floor((1.0f - ratioRight) * 100.0f + 100.0f));
            if (position >= 0 && position <= 199)
                plotarray[position] += right;
        }
        if (ratioLeft >= 0.0f && ratioLeft <= 1.0f) {
            const int position = int(std::floor(ratioLeft * 100.0f));
            if (position <= 199)
                plotarray[position] += left;
        }

        if (azimuth == 0.0f)
            continue;
        const float bin = float(k);
        const bool inBand = hipass ? bin > cut : bin < cut;
        const bool near = azimuth < 0.0f ? range >= distanceLeft : range >= distanceRight;
        const bool isSource = inBand && near;
        if (keepSource != isSource) {
            magnitudesLeft[k] = left * gain;
            magnitudesRight[k] = right * gain;
        }
    }

    for (float& value : plotarray)
        value = float(double(value) * 0.9);

    grapharray[0] = plotarray[0];
    for (int j = 1; j <= 398; ++j) {
        grapharray[j] = (j % 2 == 0) ? plotarray[j / 2]
                                     : (plotarray[(j - 1) / 2] + plotarray[(j + 1) / 2]) * 0.5f;
    }
    grapharray[399] = plotarray[199];
}

} // namespace

void ADRess(float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight,
            const float* phasesRight, float azimuth, float range, float cut, float bleed, int n,
            bool /*softBypass*/, bool hipass)
{
    isolate(true, magnitudesLeft, phasesLeft, magnitudesRight, phasesRight, azimuth, range, cut,
            bleed, n, hipass);
}

void ADRessInvert(float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight,
                  const float* phasesRight, float azimuth, float range, float cut, float bleed,
                  int n, bool /*softBypass*/, bool hipass)
{
    isolate(false, magnitudesLeft, phasesLeft, magnitudesRight, phasesRight, azimuth, range, cut,
            bleed, n, hipass);
}
