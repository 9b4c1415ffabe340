// Four minutes of synthetic stereo music at 44.1 kHz for the analysis
// benchmarks: kick, snare and hi-hat at 118 BPM over sustained chord tones,
// a new triad every bar, the tones panned apart.
#pragma once

#include <cmath>
#include <random>
#include <vector>

namespace benchsong {

constexpr int kRate = 44100;
constexpr int kSeconds = 240;
constexpr double kBpm = 118.0;

struct Stereo
{
    std::vector<float> left, right;
};

inline Stereo synthesise()
{
    const size_t numFrames = size_t(kRate) * kSeconds;
    Stereo s{std::vector<float>(numFrames, 0.0f), std::vector<float>(numFrames, 0.0f)};
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const double beatSec = 60.0 / kBpm;
    const double twoPi = 2.0 * M_PI;

    // Chord tones, a new triad every bar, panned apart.
    const double roots[4] = {110.0, 146.83, 98.0, 130.81};
    for (size_t i = 0; i < numFrames; ++i) {
        const double t = double(i) / kRate;
        const int bar = int(t / (4 * beatSec)) % 4;
        const double f = roots[bar];
        const double tone = 0.08 * std::sin(twoPi * f * t) + 0.06 * std::sin(twoPi * f * 1.26 * t)
                            + 0.05 * std::sin(twoPi * f * 1.5 * t);
        s.left[i] = float(tone * 1.2);
        s.right[i] = float(tone * 0.8);
    }

    // Drums on eighth notes: kick on 1 and 3, snare on 2 and 4, hat on all.
    const int eighths = int(kSeconds / (beatSec / 2));
    for (int e = 0; e < eighths; ++e) {
        const size_t start = size_t(double(e) * beatSec / 2 * kRate);
        const bool kick = e % 4 == 0;
        const bool snare = e % 4 == 2;
        const size_t length = size_t(0.25 * kRate);
        for (size_t i = 0; i < length && start + i < numFrames; ++i) {
            const double t = double(i) / kRate;
            double v = 0.15 * noise(rng) * std::exp(-t * 300.0); // hat
            if (kick)
                v += 0.7 * std::sin(twoPi * (50.0 + 60.0 * std::exp(-t * 30.0)) * t)
                     * std::exp(-t * 12.0);
            if (snare)
                v += 0.4 * noise(rng) * std::exp(-t * 25.0);
            s.left[start + i] += float(v);
            s.right[start + i] += float(v);
        }
    }
    return s;
}

// The analysis thread's mono mix.
inline std::vector<float> mono(const Stereo& s)
{
    std::vector<float> m(s.left.size());
    for (size_t i = 0; i < m.size(); ++i)
        m[i] = (s.left[i] + s.right[i]) * 0.5f;
    return m;
}

} // namespace benchsong
