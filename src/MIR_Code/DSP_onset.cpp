// Onset detection function: the complex-domain method (Bello et al., "On the
// use of phase and energy for musical onset detection in the complex
// domain", 2004) split into three bands, followed by a zero-phase low-pass
// and a moving-mean threshold.
//
// In: windowed frames of N samples (hop N/2) at sample rate sr. Out: per
// frame, the onset function (deviation summed over all bins), the low and
// middle band deviation sums, and a count of high bins that rose by 3 dB.
// Units are the spectrum's own (unnormalised magnitudes).
#include "DSP.h"

#include "CpuDispatch.h"
#include "FFTReal.h"
#include "FastMath.h"
#include "PhaseMath.h"
#include "RhythmMath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

using rhythm::notZero;

void DSP::initialise(float* magnitude, float* phase, float* prevMagnitude, float* prevPhase, float* prevPrevPhase,
                     int n)
{
    for (int i = 0; i < n / 2; ++i) {
        magnitude[i] = 0.0f;
        phase[i] = 0.0f;
        prevMagnitude[i] = 0.0f;
        prevPhase[i] = 0.0f;
        prevPrevPhase[i] = 0.0f;
    }
}

void DSP::hanning(float* w, int n)
{
    for (int i = 0; i < n; ++i)
        w[i] = static_cast<float>(0.5 * (1.0 - std::cos(base::analysisTwoPi * double(i + 1) / double(n + 1))));
}

void DSP::processFrame(const FFTReal& fft, float* spectrum, const float* frame, int n, float* magnitude,
                       float* phase)
{
    fft.do_fft(spectrum, frame);
    // The transform's upper half holds +sin sums: the phase is the angle of
    // sum x[n] e^(-2 pi i k n / N), atan2(-upper, lower).
    base::polarOfBinsExact(spectrum, spectrum + n / 2, magnitude, phase, n / 2);
}

namespace {

// Bins per block of the deviation loop: the angles' sines and cosines are
// taken a block at a time.
constexpr int deviationBlock = 256;

typedef float Vec8 __attribute__((vector_size(32)));
typedef double Vec8d __attribute__((vector_size(64)));

// Per bin of one block, the distance between the bin and its prediction:
// the previous magnitude turned by the phase advance of the two frames
// before, wrapped into (-pi, pi]. Eight bins at a time with the scalar
// arithmetic (floor of the small quotients by adding and removing 1.5·2^23,
// exact; square roots correctly rounded); the sine and cosine are the
// vectorised ones.
TB_AVX2_CLONES void deviationDistances(const float* magnitude, const float* phase, const float* prevMagnitude,
                                       const float* prevPhase, const float* prevPrevPhase, int count,
                                       float* distance)
{
    float angle[deviationBlock] = {};
    float sine[deviationBlock];
    float cosine[deviationBlock];
    const float turn = float(base::analysisTwoPi);
    int k = 0;
    for (; k + 8 <= count; k += 8) {
        Vec8 p, pp, ppp;
        __builtin_memcpy(&p, phase + k, sizeof p);
        __builtin_memcpy(&pp, prevPhase + k, sizeof pp);
        __builtin_memcpy(&ppp, prevPrevPhase + k, sizeof ppp);
        const Vec8 d = (pp * -2.0f + p) + ppp;
        const Vec8 y = __builtin_convertvector(__builtin_convertvector(d, Vec8d) + base::analysisPi, Vec8);
        // y into (-2pi, 0] (base::wrapBelowZero), so the deviation lands in (-pi, pi].
        const Vec8 q = y / -turn;
        const Vec8 magic = Vec8{} + 12582912.0f;
        const Vec8 nearest = (q + magic) - magic;
        const Vec8 whole = nearest > q ? nearest - 1.0f : nearest;
        const Vec8 z = whole * turn + y;
        const Vec8 a = __builtin_convertvector(__builtin_convertvector(z, Vec8d) + base::analysisPi, Vec8);
        __builtin_memcpy(angle + k, &a, sizeof a);
    }
    for (; k < count; ++k) {
        const float d = (prevPhase[k] * -2.0f + phase[k]) + prevPrevPhase[k];
        const float y = static_cast<float>(double(d) + base::analysisPi);
        const float z = base::wrapBelowZero(y, turn);
        angle[k] = static_cast<float>(double(z) + base::analysisPi);
    }
    base::sinCosArray(angle, sine, cosine, count);
    k = 0;
#if defined(__SSE__)
    for (; k + 4 <= count; k += 4) {
        __m128 m, pm, c, sn;
        __builtin_memcpy(&m, magnitude + k, sizeof m);
        __builtin_memcpy(&pm, prevMagnitude + k, sizeof pm);
        __builtin_memcpy(&c, cosine + k, sizeof c);
        __builtin_memcpy(&sn, sine + k, sizeof sn);
        const __m128 re = pm - m * c;
        const __m128 im = m * sn;
        const __m128 r = _mm_sqrt_ps(re * re + im * im);
        __builtin_memcpy(distance + k, &r, sizeof r);
    }
#endif
    for (; k < count; ++k) {
        const float re = prevMagnitude[k] - magnitude[k] * cosine[k];
        const float im = magnitude[k] * sine[k];
        distance[k] = std::sqrt(re * re + im * im);
    }
}

// The smallest float ratio whose level, 20 · log10 in float, exceeds 3 dB.
// The level rises with the ratio, so every larger ratio exceeds it and no
// smaller one does: the onset counts compare ratios and skip the logarithm.
// The floats around the threshold are checked against the logarithm itself;
// should any disagree, NaN: the counts then take the logarithm.
float riseRatio()
{
    const auto rises = [](float ratio) { return 20.0f * std::log10(ratio) > 3.0f; };
    float r = 1.4125375f; // 10^(3/20)
    while (rises(r))
        r = std::nextafter(r, 0.0f);
    while (!rises(r))
        r = std::nextafter(r, 2.0f);
    float x = r;
    for (int i = 0; i < 4096; ++i)
        x = std::nextafter(x, 0.0f);
    for (int i = 0; i < 8192; ++i, x = std::nextafter(x, 2.0f))
        if (rises(x) != (x >= r))
            return std::numeric_limits<float>::quiet_NaN();
    return r;
}

} // namespace

void DSP::getOD_MB(const float* magnitude, const float* phase, float* prevMagnitude, float* prevPhase,
                   float* prevPrevPhase, float* onset, int f, int n, int sampleRate, float** bands)
{
    const int half = n / 2;
    const rhythm::OnsetBands limits = rhythm::onsetBands(n, sampleRate);
    // Below ~10 kHz sample rate the middle band reaches past the spectrum
    // and the high band is empty.
    const int midEnd = std::min(limits.k2, half - 1);
    const int lowEnd = std::min(limits.k1, half - 1);
    const int midStart = std::max(limits.k1, 0);
    const int highStart = std::max(limits.k2, 0);
    const bool highBand = limits.k2 < half;

    // Per bin, the distance between the bin and its prediction: the
    // previous magnitude turned by the phase advance. Each band sums its
    // bins in increasing order; the limit bins count in both neighbours.
    float s1 = 0.0f;
    float s2 = 0.0f;
    float s3 = 0.0f;
    float distances[deviationBlock];
    for (int first = 0; first < half; first += deviationBlock) {
        const int count = std::min(deviationBlock, half - first);
        deviationDistances(magnitude + first, phase + first, prevMagnitude + first, prevPhase + first,
                           prevPrevPhase + first, count, distances);
        for (int i = 0; i < count; ++i) {
            const int k = first + i;
            const float distance = distances[i];
            if (k <= lowEnd)
                s1 += distance;
            if (k >= midStart && k <= midEnd)
                s2 += distance;
            if (highBand && k >= highStart)
                s3 += distance;
        }
    }

    onset[f] += s1;
    bands[0][f] = s1;
    onset[f] += s2;
    bands[1][f] = s2;
    if (highBand) {
        onset[f] += s3;
        // 20 · log10(ratio) > 3 dB, decided by the ratio alone where the
        // threshold could be established.
        static const float rise = riseRatio();
        const bool byRatio = !std::isnan(rise);
        for (int k = highStart; k < half; ++k) {
            const float ratio = (magnitude[k] + notZero) / (notZero + prevMagnitude[k]);
            if (byRatio ? ratio >= rise : 20.0f * std::log10(ratio) > 3.0f)
                bands[2][f] += 1.0f;
        }
    }

    advanceOnsetState(magnitude, phase, prevMagnitude, prevPhase, prevPrevPhase, n);
}

void DSP::advanceOnsetState(const float* magnitude, const float* phase, float* prevMagnitude, float* prevPhase,
                            float* prevPrevPhase, int n)
{
    for (int k = 0; k < n / 2; ++k) {
        prevPrevPhase[k] = prevPhase[k];
        prevPhase[k] = phase[k];
        prevMagnitude[k] = magnitude[k];
    }
}

void DSP::filter(int order, const float* a, const float* b, int np, const float* x, float* y)
{
    if (np <= 0)
        return;
    y[0] = b[0] * x[0];
    for (int i = 1; i < np; ++i) {
        const int m = std::min(i, order);
        float acc = 0.0f;
        for (int j = 0; j <= m; ++j)
            acc += b[j] * x[i - j];
        for (int j = 0; j < m; ++j)
            acc -= a[j + 1] * y[i - 1 - j];
        y[i] = acc;
    }
}

void DSP::smoothingOD(float* x, float* y, int n, int w)
{
    if (n < 1)
        return;
    // Second-order Butterworth low-pass at 0.2 of Nyquist, four decimals.
    static const float b[3] = {0.0675f, 0.1349f, 0.0675f};
    static const float a[3] = {1.0f, -1.1430f, 0.4128f};

    // 1. Remove the whole-number floor (the high band's count never drops to 0).
    const float floorValue = static_cast<float>(static_cast<int>(*std::min_element(x, x + n)));
    for (int i = 0; i < n; ++i)
        x[i] -= floorValue;

    // 2-3. Forward, then backward over the time-reversed output: no phase shift.
    filter(2, a, b, n, x, y);
    for (int i = 0; i < n; ++i)
        x[i] = y[n - 1 - i];
    filter(2, a, b, n, x, y);
    for (int i = 0; i < n; ++i)
        x[i] = y[n - 1 - i];

    // 4-5. Half-wave rectify, then subtract the moving mean.
    for (int i = 0; i < n; ++i)
        y[i] = std::max(0.0f, x[i]);
    subsMean(y, n, w);

    // 6. A function largest at its very start is the first frame's full
    // magnitude sum decaying: clear it up to its first rise.
    int peak = 0;
    float best = 0.0f;
    for (int i = 0; i < n; ++i) {
        if (y[i] > best) {
            best = y[i];
            peak = i;
        }
    }
    if (peak == 0) {
        const int limit = std::min(6 * w, n - 1);
        for (int i = 0; i < limit; ++i) {
            if (y[i + 1] - y[i] > 0.0f) {
                std::fill(y, y + i, 0.0f);
                break;
            }
        }
    }
}

void DSP::subsMean(float* x, int n, int w)
{
    if (n <= 0)
        return;
    const int len = (w % 2 != 0) ? w : w + 1;
    if (len <= 0)
        return;

    std::vector<float> mean(static_cast<size_t>(n));
    if (n <= len) {
        // Shorter than one window: the only mean there is, the overall one.
        float s = 0.0f;
        for (int i = 0; i < n; ++i)
            s += x[i];
        std::fill(mean.begin(), mean.end(), s / float(n));
    } else {
        const int half = (len - 1) / 2;
        float s = 0.0f;
        for (int i = 0; i < len; ++i)
            s += x[i];
        for (int i = 0; i <= half; ++i)
            mean[size_t(i)] = s / float(len);
        // Running sum, updated rather than recomputed.
        for (int i = 0; i <= n - 2 - half - len; ++i) {
            s = s - x[i] + x[len + i];
            mean[size_t(half + 1 + i)] = s / float(len);
        }
        for (int i = n - len; i < n; ++i)
            mean[size_t(i)] = mean[size_t(n - len - 1)];
    }
    for (int i = 0; i < n; ++i)
        x[i] = std::max(0.0f, x[i] - mean[size_t(i)]);
}
