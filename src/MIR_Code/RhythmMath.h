// Small helpers shared by the onset, tempo and beat stages: the rounding the
// analysis uses, frame-lag <-> BPM conversion, the onset band limits and the
// autocorrelation length. Single precision throughout, as the stages are.
#pragma once

#include <cmath>

namespace rhythm {

// Added to divisors so that they are never 0.
constexpr float notZero = 1e-21f;

// Tempo used when a recording shows no periodicity at all (silence, a lone
// click): the mode of the tempo prior, so a fallback grid looks like the
// guess the estimator would make anyway.
constexpr float defaultTempoBpm = 120.0f;

// Nearest integer, halves away from zero.
inline int roundHalfAway(float x)
{
    return static_cast<int>(std::round(x));
}

// The lag in frames of a tempo: 60 / ((hop * bpm) / sr), rounded.
// 250 BPM at 44.1 kHz, hop 512: 21 frames; 55 BPM: 94 frames.
inline int lagForTempo(float bpm, int hop, int sampleRate)
{
    return roundHalfAway(60.0f / ((float(hop) * bpm) / float(sampleRate)));
}

// The tempo of a lag in frames. Lag 43 at 44.1 kHz, hop 512: 120.2 BPM.
inline float tempoForLag(int lag, int hop, int sampleRate)
{
    return (float(sampleRate) * 60.0f) / (float(hop * lag) + notZero);
}

// Smallest power of two not below n, at least 1. Counted in integers: the
// float form 2^ceil(log10(n) / 0.30103) falls one power short at
// n = 2^20 + 1 and the copy into the transform then runs past its end.
inline int nextPowerOfTwo(int n)
{
    int m = 1;
    while (m < n)
        m <<= 1;
    return m;
}

// Bin limits of the three onset bands for a frame of n samples: low is
// 0 .. k1 (up to ~200 Hz), middle k1 .. k2 (to ~5 kHz), high k2 .. n/2 - 1.
// The limit bins belong to both neighbouring bands.
struct OnsetBands
{
    int k1;
    int k2;
};

inline OnsetBands onsetBands(int n, int sampleRate)
{
    const float low = (200.0f * float(n)) / float(sampleRate);
    const float mid = float(n * 5000) / float(sampleRate);
    OnsetBands bands;
    bands.k1 = static_cast<int>(std::ceil(low) - 1.0f);
    bands.k2 = static_cast<int>(double(mid) + 0.5 - 1.0);
    return bands;
}

} // namespace rhythm
