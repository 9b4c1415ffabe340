#include "ADRess.h"

#include "CpuDispatch.h"
#include "FastMath.h"

#include <algorithm>
#include <cmath>

float plotarray[200];
float grapharray[400];

namespace {

typedef float Vec8 __attribute__((vector_size(32)));
typedef double Vec8d __attribute__((vector_size(64)));
typedef int Int8 __attribute__((vector_size(32)));

// Bins per block: the blocks' working arrays live on the stack.
constexpr int block = 256;

// Where each bin sits between the channels: the ratio of the other
// channel's magnitude to this one's, weighted by how far the two phases
// agree (opposite phases place a bin like equal ones: the sign goes with
// fabs). A silent channel gives an infinite or undefined ratio. The
// arithmetic matches the scalar form bit for bit.
TB_AVX2_CLONES void sideRatios(const float* left, const float* right, const float* agreement, float* ratioLeft,
                               float* ratioRight, int count)
{
    const Vec8 sign = (Vec8)(Int8{} + 0x7fffffff);
    int k = 0;
    for (; k + 8 <= count; k += 8) {
        Vec8 l, r, a;
        __builtin_memcpy(&l, left + k, sizeof l);
        __builtin_memcpy(&r, right + k, sizeof r);
        __builtin_memcpy(&a, agreement + k, sizeof a);
        const Vec8 rl = __builtin_convertvector(__builtin_convertvector(r / l * a, Vec8d) + 1e-15, Vec8);
        const Vec8 rr = __builtin_convertvector(__builtin_convertvector(l / r * a, Vec8d) + 1e-15, Vec8);
        const Vec8 absLeft = (Vec8)((Int8)rl & (Int8)sign);
        const Vec8 absRight = (Vec8)((Int8)rr & (Int8)sign);
        __builtin_memcpy(ratioLeft + k, &absLeft, sizeof absLeft);
        __builtin_memcpy(ratioRight + k, &absRight, sizeof absRight);
    }
    for (; k < count; ++k) {
        ratioLeft[k] = std::fabs(float(double(right[k] / left[k] * agreement[k]) + 1e-15));
        ratioRight[k] = std::fabs(float(double(left[k] / right[k] * agreement[k]) + 1e-15));
    }
}

// keepSource: ADRess (solo) when true, ADRessInvert (mute) when false.
void isolate(bool keepSource, float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight,
             const float* phasesRight, float azimuth, float range, float cut, float bleed, int n, bool hipass)
{
    const float side = std::fabs(azimuth);
    const float gain = (bleed / 100.0f) * (bleed / 100.0f);

    float difference[block];
    float agreement[block];
    float unused[block];
    float ratiosLeft[block];
    float ratiosRight[block];
    for (int first = 0; first < n / 2; first += block) {
        const int count = std::min(block, n / 2 - first);
        for (int i = 0; i < count; ++i)
            difference[i] = phasesLeft[first + i] - phasesRight[first + i];
        base::sinCosArray(difference, unused, agreement, count);
        sideRatios(magnitudesLeft + first, magnitudesRight + first, agreement, ratiosLeft, ratiosRight, count);

        for (int i = 0; i < count; ++i) {
            const int k = first + i;
            const float left = magnitudesLeft[k];
            const float right = magnitudesRight[k];
            const float ratioLeft = ratiosLeft[i];
            const float ratioRight = ratiosRight[i];
            const float distanceLeft = std::fabs(side - ratioLeft);
            const float distanceRight = std::fabs(side - ratioRight);

            // The range checks come first: they keep NaN away from the casts;
            // every comparison is false for NaN, which decides such bins.
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
    }

    for (float& value : plotarray)
        value = float(double(value) * 0.9);

    grapharray[0] = plotarray[0];
    for (int j = 1; j <= 398; ++j) {
        grapharray[j] = (j % 2 == 0) ? plotarray[j / 2] : (plotarray[(j - 1) / 2] + plotarray[(j + 1) / 2]) * 0.5f;
    }
    grapharray[399] = plotarray[199];
}

} // namespace

void ADRess(float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight, const float* phasesRight,
            float azimuth, float range, float cut, float bleed, int n, bool /*softBypass*/, bool hipass)
{
    isolate(true, magnitudesLeft, phasesLeft, magnitudesRight, phasesRight, azimuth, range, cut, bleed, n, hipass);
}

void ADRessInvert(float* magnitudesLeft, const float* phasesLeft, float* magnitudesRight, const float* phasesRight,
                  float azimuth, float range, float cut, float bleed, int n, bool /*softBypass*/, bool hipass)
{
    isolate(false, magnitudesLeft, phasesLeft, magnitudesRight, phasesRight, azimuth, range, cut, bleed, n,
            hipass);
}
