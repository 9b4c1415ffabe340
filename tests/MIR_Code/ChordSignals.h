// Synthesised test signals for the chord analysis: harmonic tones and
// chords, written into mono float buffers.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace chordsignals {

inline double midiToHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// Adds a sine of the given amplitude over samples [first, last).
inline void addSine(std::vector<float>& x, int sampleRate, double hz, double amplitude, size_t first, size_t last)
{
    const double step = 2.0 * M_PI * hz / double(sampleRate);
    for (size_t i = first; i < last && i < x.size(); ++i)
        x[i] += float(amplitude * std::sin(step * double(i)));
}

// A tone with four harmonics falling by half each.
inline void addHarmonicTone(std::vector<float>& x, int sampleRate, double hz, double amplitude, size_t first,
                            size_t last)
{
    double a = amplitude;
    for (int h = 1; h <= 4; ++h, a *= 0.5)
        if (hz * h < 0.45 * sampleRate)
            addSine(x, sampleRate, hz * h, a, first, last);
}

// Chord intervals above the root of the three types the recognition names.
inline std::vector<int> intervalsOf(const std::string& suffix)
{
    if (suffix == "m")
        return {0, 3, 7};
    if (suffix == "7")
        return {0, 4, 7, 10};
    return {0, 4, 7};
}

// The chord rooted on pitch class `root` (0 = C), voiced from C3 upwards,
// shifted by `cents`, over samples [first, last).
inline void addChord(std::vector<float>& x, int sampleRate, int root, const std::string& suffix, double cents,
                     size_t first, size_t last)
{
    for (int interval : intervalsOf(suffix))
        addHarmonicTone(x, sampleRate, midiToHz(48.0 + root + interval + cents / 100.0), 0.15, first, last);
}

// A short decaying noise burst at each position (a steady pulse).
inline void addClicks(std::vector<float>& x, const std::vector<size_t>& positions, int sampleRate)
{
    uint32_t seed = 12345u;
    const size_t length = size_t(sampleRate / 100); // 10 ms
    for (size_t p : positions) {
        for (size_t i = 0; i < length && p + i < x.size(); ++i) {
            seed = seed * 1664525u + 1013904223u;
            const double noise = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
            x[p + i] += float(0.3 * noise * std::exp(-double(i) / double(length / 5)));
        }
    }
}

} // namespace chordsignals
