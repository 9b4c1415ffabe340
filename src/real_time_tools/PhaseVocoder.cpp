#include "PhaseVocoder.h"

#include "CpuDispatch.h"
#include "PhaseMath.h"

#include <cmath>

namespace {

// The vocoder's own constants: keep them, the results are defined with them.
constexpr double twoPi = base::chainTwoPi;
constexpr double pi = base::chainPi;

// Rises in more than about 65 % of the 2048 bins mark a transient.
constexpr int transientRises = 1331;

} // namespace

namespace {

typedef float Vec8 __attribute__((vector_size(32)));
typedef double Vec8d __attribute__((vector_size(64)));

// floor in lanes, exactly std::floor for |x| below 2^51 (phases and their
// turn counts are far below): adding and removing 1.5 · 2^52 rounds to the
// nearest integer, one less where that lies above x.
#define TB_FLOOR8D(x)                                                                                             \
    (__extension__({                                                                                              \
        const Vec8d x_ = (x);                                                                                     \
        const Vec8d magic_ = Vec8d{} + 6755399441055744.0;                                                        \
        const Vec8d r_ = (x_ + magic_) - magic_;                                                                  \
        r_ > x_ ? r_ - 1.0 : r_;                                                                                  \
    }))

// The synthesis phase of every bin: the previous one advanced at the
// frequency measured between the two analysis frames. The arithmetic, in
// float and double as written, matches the scalar form bit for bit (no
// fused operations; the vector floor is exact).
TB_AVX2_CLONES void advancePhases(const float* phases, const float* previousPhases, float* estimate,
                                  float* previousEstimate, int bins, int n, float analysisHop, float synthesisHop,
                                  bool atRecordingStart)
{
    const double frameLength = double(float(n));
    int k = 0;
    for (; k + 8 <= bins; k += 8) {
        Vec8 ph, pph, pe;
        __builtin_memcpy(&ph, phases + k, sizeof ph);
        __builtin_memcpy(&pph, previousPhases + k, sizeof pph);
        __builtin_memcpy(&pe, previousEstimate + k, sizeof pe);
        const Vec8d kd = Vec8d{0, 1, 2, 3, 4, 5, 6, 7} + double(k);
        const Vec8 omega = __builtin_convertvector(kd * twoPi / frameLength, Vec8);
        const Vec8d delta = __builtin_convertvector((ph - pph) - analysisHop * omega, Vec8d);
        const Vec8 turns = __builtin_convertvector(delta / twoPi, Vec8);
        const Vec8d nearest = TB_FLOOR8D(__builtin_convertvector(turns, Vec8d) + 0.5);
        const Vec8 twiceNearest = __builtin_convertvector(nearest, Vec8) * -2.0f;
        const Vec8 deviation =
            __builtin_convertvector(__builtin_convertvector(twiceNearest, Vec8d) * pi + delta, Vec8);
        Vec8 value = (deviation / analysisHop + omega) * synthesisHop + pe;
        if (atRecordingStart) {
            value = ph;
        } else {
            const Vec8d v = __builtin_convertvector(value, Vec8d);
            value = __builtin_convertvector(v - base::twoPi * TB_FLOOR8D(v / base::twoPi + 0.5), Vec8);
        }
        __builtin_memcpy(estimate + k, &value, sizeof value);
        __builtin_memcpy(previousEstimate + k, &value, sizeof value);
    }
    for (; k < bins; ++k) {
        const float omega = float(double(k) * twoPi / frameLength);
        const double delta = double((phases[k] - previousPhases[k]) - analysisHop * omega);
        const float turns = float(delta / twoPi);
        const double nearest = std::floor(double(turns) + 0.5);
        const float deviation = float(double(float(nearest) * -2.0f) * pi + delta);
        float value = (deviation / analysisHop + omega) * synthesisHop + previousEstimate[k];
        // Wrapped: without it the estimates grow by up to Hs·π per step and a
        // float loses a radian of precision after about two minutes.
        value = atRecordingStart ? phases[k] : base::principalAngle(value);
        estimate[k] = value;
        previousEstimate[k] = value;
    }
}

} // namespace

void TimePitch(int mode, const float* phases, const float* previousPhases, float* estimate,
               float* previousEstimate, int n, float interp, float* peaks, const float* magnitudes,
               const float* previousMagnitudes, int* lastTransient, int position)
{
    const int bins = n / 2;
    // Synthesis hop, and the analysis hop between the two frames once
    // resampled: one chain hop of input is 1024 / interp frame samples.
    const float synthesisHop = float(n / 4);
    const float analysisHop = std::floor(synthesisHop / interp);
    const int lockLimit = mode == 3 ? n / 4 : n / 8;
    const int transientStart = mode == 2 ? 1500 : 200;
    const bool atRecordingStart = position < bins;

    advancePhases(phases, previousPhases, estimate, previousEstimate, bins, n, analysisHop, synthesisHop,
                  atRecordingStart);

    peaks[0] = 0.0f;
    int peakCount = 0;
    int rises = 0;
    for (int k = 0; k < bins; ++k) {
        if (k >= 3 && k < bins - 3) {
            const float m = magnitudes[k];
            if (m > magnitudes[k - 1] && m > magnitudes[k + 1] && m > magnitudes[k - 2] && m > magnitudes[k + 2])
                peaks[++peakCount] = float(k);
        }
        if (magnitudes[k] - previousMagnitudes[k] > 0.0f)
            ++rises;
    }

    // Identity phase locking: every bin of a peak's region (midpoint to
    // midpoint between neighbouring peaks) keeps its analysis phase distance
    // to the peak.
    if (lockLimit >= 1 && peakCount >= 1) {
        for (int p = 1;; ++p) {
            const int peak = int(peaks[p]);
            const float peakPhase = phases[peak];
            const int start = p == 1 ? 0 : int(std::floor((peaks[p] - peaks[p - 1]) * 0.5f + peaks[p - 1]));
            const int end = p == peakCount ? int(peaks[p] + 3.0f)
                                           : int(std::floor((peaks[p + 1] - peaks[p]) * 0.5f + peaks[p]));
            for (int j = start; j < end && j < bins; ++j) {
                if (j == peak)
                    continue;
                estimate[j] = estimate[peak] - (peakPhase - phases[j]);
                previousEstimate[j] = estimate[j];
            }
            if (peak >= lockLimit || p == peakCount)
                break;
        }
    }

    // Transient: the upper bins restart from the analysis phases, once per
    // rising edge of the rise count.
    if (rises >= transientRises && rises > *lastTransient && transientStart < bins) {
        for (int j = transientStart; j < bins; ++j) {
            estimate[j] = phases[j];
            previousEstimate[j] = phases[j];
        }
    }
    *lastTransient = rises;
}

void Reset_Phases(const float* phases, float* estimate, float* previousEstimate, int n)
{
    for (int k = 0; k < n / 2; ++k) {
        estimate[k] = phases[k];
        previousEstimate[k] = phases[k];
    }
}
