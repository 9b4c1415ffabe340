// A short stereo recording for the analysis thread's tests: a C major
// triad under a click on every beat at 120 BPM, a little over the 100,000
// frames the decoder asks for at least.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace analysistest {

struct Recording
{
    static constexpr int sampleRate = 22050;
    static constexpr int frames = 5 * sampleRate;
    std::vector<float> left = std::vector<float>(size_t(frames), 0.0f);
    std::vector<float> right = std::vector<float>(size_t(frames), 0.0f);

    Recording()
    {
        const double twoPi = 2.0 * M_PI;
        const double notesHz[] = {130.81, 164.81, 196.00}; // C3 E3 G3
        for (size_t i = 0; i < left.size(); ++i) {
            double v = 0.0;
            for (double hz : notesHz)
                v += 0.15 * std::sin(twoPi * hz * double(i) / sampleRate);
            // The chord a little louder on the left, as a mix would have it.
            left[i] = float(1.2 * v);
            right[i] = float(0.8 * v);
        }
        // 10 ms noise bursts every half second.
        uint32_t seed = 7u;
        const size_t beat = size_t(sampleRate / 2);
        const size_t burst = size_t(sampleRate / 100);
        for (size_t start = beat / 2; start < left.size(); start += beat) {
            for (size_t i = 0; i < burst && start + i < left.size(); ++i) {
                seed = seed * 1664525u + 1013904223u;
                const double noise = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
                const float v = float(0.4 * noise * std::exp(-double(i) / double(burst / 5)));
                left[start + i] += v;
                right[start + i] += v;
            }
        }
    }
};

} // namespace analysistest
