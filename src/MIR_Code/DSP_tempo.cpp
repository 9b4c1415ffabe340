// Tempo and beats per bar from the three smoothed onset band functions:
// autocorrelation per band, a comb over each lag and its multiples 2, 3
// and 4 (after Davies & Plumbley, "Context-dependent beat tracking of
// musical audio", 2007), the band combs summed after normalisation, and a
// choice among the peak lag, its sub-multiples and multiples weighted by a
// Rayleigh prior with its mode at 120 BPM. The metre comes from the summed
// autocorrelation at multiples of the beat lag.
//
// In: band functions at frame rate (hop samples per frame). Out: tempo in
// BPM, a per-frame tempo in BPM, beats per bar.
#include "DSP.h"

#include "FFTReal.h"
#include "RhythmMath.h"

#include <algorithm>
#include <cmath>
#include <vector>

using rhythm::notZero;

namespace {

// Largest of acf[from .. to] and 0; indexes outside the array count as 0.
float positiveMax(const float* acf, int size, int from, int to)
{
    float best = 0.0f;
    for (int i = std::max(from, 0); i <= to && i < size; ++i)
        best = std::max(best, acf[i]);
    return best;
}

} // namespace

float DSP::tempoDec(const float* onset, int hop, int n, int sampleRate, float* frameTempo, int weightMode,
                    int segmentMode, const float* const* bands, int* beatsPerBar)
{
    // 1. Lag range of 250 .. 55 BPM, comb length, autocorrelation length.
    const int lagMin = rhythm::lagForTempo(250.0f, hop, sampleRate);
    const int lagMax = rhythm::lagForTempo(55.0f, hop, sampleRate);
    const int combLength = 2 * lagMax;
    const int acfLength = rhythm::nextPowerOfTwo(std::max(n, 1));

    // 2. Per band: autocorrelation and comb, each normalised to its own
    // maximum and summed.
    std::vector<float> comb(size_t(combLength), 0.0f);
    std::vector<float> acf(size_t(acfLength), 0.0f);
    std::vector<float> combSum(size_t(combLength), 0.0f);
    std::vector<float> acfSum(size_t(acfLength), 0.0f);
    // The comb's reach: lags below 126 frames (41 BPM at 44.1 kHz) as at hop
    // 512, the whole lag range at hop 1024, and at 22.05 kHz (hop 256, the
    // frame rate of 44.1 kHz) the same lags as at 44.1 kHz. A short
    // recording's autocorrelation bounds it further, so that no read leaves
    // it.
    const int combGuard = std::min(acfLength, std::max(hop, 512));
    for (int b = 0; b < 3; ++b) {
        std::fill(comb.begin(), comb.end(), 0.0f);
        getTempo(bands[b], combGuard, n, 0, acfLength, onset, comb.data(), acf.data(), lagMin, combLength);
        float combMax = 0.0f;
        for (float c : comb)
            combMax = std::max(combMax, c);
        float acfMax = 0.0f;
        for (float v : acf)
            acfMax = std::max(acfMax, v);
        for (int i = 0; i < combLength; ++i)
            combSum[size_t(i)] = comb[size_t(i)] / (combMax + notZero) + combSum[size_t(i)];
        for (int i = 0; i < acfLength; ++i)
            acfSum[size_t(i)] = acf[size_t(i)] / (notZero + acfMax) + acfSum[size_t(i)];
    }

    // 3. Rayleigh prior with its mode at the lag of 120 BPM (not rounded).
    const float beta = 60.0f / ((120.0f * float(hop)) / float(sampleRate));
    std::vector<float> weights(static_cast<size_t>(combLength));
    for (int i = 0; i < combLength; ++i) {
        const float fi = float(i);
        weights[size_t(i)] = (fi / (beta * beta)) * std::exp(-(fi * fi) / (2.0f * beta * beta));
    }

    // 4-5. Tempo and its beat lag.
    const float tempo = afterWeight(combSum.data(), hop, sampleRate, weights.data(), lagMin, combLength);
    const float lagExact = float(sampleRate * 60) / (float(hop) * tempo);
    const int beatLag = std::max(1, static_cast<int>(double(lagExact) + 0.5));

    // 6. Metre.
    *beatsPerBar = getMetreACF(acfSum.data(), n, beatLag);

    // 7. The lag the beat tracker follows: the unweighted comb peak within
    // +-16 % of the beat lag. Where that range holds nothing positive (no
    // periodicity: the tempo is the fallback) the beat lag itself, so the
    // tracker follows the tempo that is reported.
    const int lo = static_cast<int>(double(beatLag) - 0.16 * double(beatLag) + 0.5);
    const int hi = std::min(static_cast<int>(0.16 * double(beatLag) + double(beatLag) + 0.5), combLength - 1);
    int offset = 0;
    float best = 0.0f;
    for (int i = lo; i <= hi; ++i) {
        if (i >= 0 && combSum[size_t(i)] > best) {
            best = combSum[size_t(i)];
            offset = i - lo;
        }
    }
    const int followedLag = best > 0.0f ? lo + offset : beatLag;
    const float followedTempo = float(sampleRate * 60) / (float(followedLag * hop) + notZero);
    std::fill(frameTempo, frameTempo + std::max(n, 0), followedTempo);

    return tempo;
}

void DSP::getTempo(const float* band, int guard, int n, int unusedSegments, int acfLength,
                   const float* unusedOnset, float* comb, float* acf, int lagMin, int combLength)
{
    getAcf(band, acfLength, acf, n);

    // The comb reads acf up to 4 * lag + 3: stop where that would leave it.
    const int lagEnd = std::min(combLength, (guard - 5) / 4);
    for (int lag = std::max(lagMin, 1); lag < lagEnd; ++lag) {
        float c = std::max(acf[lag], 0.0f);
        c = 0.5f * positiveMax(acf, acfLength, 2 * lag - 1, 2 * lag + 1) + c;
        c = positiveMax(acf, acfLength, 3 * lag - 2, 3 * lag + 2) / 3.0f + c;
        c = 0.25f * positiveMax(acf, acfLength, 4 * lag - 3, 4 * lag + 3) + c;
        comb[lag] = c;
    }
}

void DSP::getAcf(const float* x, int m, float* acf, int n)
{
    std::vector<float> padded(size_t(m), 0.0f);
    std::copy(x, x + std::min(n, m), padded.begin());
    std::vector<float> spectrum(static_cast<size_t>(m));
    FFTReal fft(m);
    fft.do_fft(spectrum.data(), padded.data());

    // Power per bin into the real half only; bin 0 carries the Nyquist
    // energy too (the transform pairs them), every imaginary part is 0.
    const int half = m / 2;
    std::vector<float>& power = padded;
    std::fill(power.begin(), power.end(), 0.0f);
    for (int k = 0; k < half; ++k) {
        const float re = spectrum[size_t(k)];
        const float im = spectrum[size_t(half + k)];
        const float magnitude = std::sqrt(re * re + im * im);
        power[size_t(k)] = magnitude * magnitude;
    }
    fft.do_ifft(power.data(), acf);
}

float DSP::afterWeight(const float* combSum, int hop, int sampleRate, const float* weights, int lagMin,
                       int combLength)
{
    // 1. The peak lag of the summed combs.
    int peak = 0;
    float best = 0.0f;
    for (int i = 0; i < combLength; ++i) {
        if (combSum[i] > best) {
            best = combSum[i];
            peak = i;
        }
    }
    // Nothing periodic (silence, a lone click): no lag to choose from.
    if (peak == 0)
        return rhythm::defaultTempoBpm;

    // 2-4. Candidates: the running best index over each five-lag window
    // around the sub-multiples and multiples of the peak.
    const int half = combLength / 2;
    const int minLag = std::max(lagMin, 1);
    std::vector<int> candidates;
    auto addWindow = [&](int centre) {
        float windowBest = 0.0f;
        int index = 0;
        for (int lag = centre - 2; lag <= centre + 2; ++lag) {
            if (lag >= 0 && lag < combLength && combSum[lag] > windowBest) {
                windowBest = combSum[lag];
                index = lag;
            }
            candidates.push_back(index);
        }
    };
    if (peak <= half) {
        for (int d = peak / minLag; d >= 1; --d)
            addWindow(peak / d);
        for (int m = 2; m <= half / peak; ++m)
            addWindow(m * peak);
    } else {
        for (int d = peak / minLag; d >= 2; --d)
            addWindow(peak / d);
    }

    // 5. Lags at or past lagMax are too slow, but only trailing ones go.
    while (!candidates.empty() && candidates.back() >= half)
        candidates.pop_back();

    // 6. The first candidate with the largest weighted comb value.
    float bestScore = 0.0f;
    int chosen = 0;
    for (int lag : candidates) {
        const float score = combSum[lag] * weights[lag];
        if (score > bestScore) {
            bestScore = score;
            chosen = lag;
        }
    }
    // No candidate carries any weight: lag 0 would give an infinite tempo.
    if (bestScore <= 0.0f || chosen <= 0)
        return rhythm::defaultTempoBpm;

    // 7. The chosen lag as a tempo in BPM.
    return (float(sampleRate) * 60.0f) / (float(hop * chosen) + notZero);
}

int DSP::getMetreACF(const float* acfSum, int n, int beatLag)
{
    // The summed autocorrelation has at least n entries; every read stays
    // below n.
    auto windowMax = [&](int centre) {
        float best = 0.0f;
        for (int i = std::max(centre - 2, 0); i <= centre + 2 && i < n; ++i)
            best = std::max(best, acfSum[i]);
        return best;
    };
    int result = 2;
    float bestScore = 0.0f;
    for (int candidate = 2; candidate <= 11; ++candidate) {
        const int m = candidate * beatLag;
        float score = 0.0f;
        if (22 * beatLag + 2 >= n)
            score = (m + 2 < n) ? windowMax(m) : 0.0f;
        else
            score = windowMax(m) + windowMax(2 * m);
        if (score > bestScore) {
            bestScore = score;
            result = candidate;
        }
    }
    return result;
}

void DSP::getTimeSeg(int& beatsPerBar)
{
    if (beatsPerBar == 2)
        beatsPerBar = 4;
    else if (beatsPerBar == 10)
        beatsPerBar = 5;
}
