// The one kit of synthetic test signals, shared by the tests and the
// benchmarks: tones, chords, sweeps, noise, click tracks, and a few
// complete recordings built from them. Standard library only, so every
// test binary and benchmark can use it. Vectors are sized exactly, so
// AddressSanitizer sees any read past their end.
//
// Sample values are full scale ±1; frames count positions per channel.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace synth {

constexpr double twoPi = 6.283185307179586;

struct Stereo
{
    std::vector<float> left;
    std::vector<float> right;
    int frames() const { return int(left.size()); }
};

// ---------------------------------------------------------------------------
// Tones

// One tone of a stereo mix: amplitude · sin(2π · hz · i / rate), times a
// gain per channel (0 leaves that channel out).
struct Tone
{
    double frequencyHz;
    float amplitude;
    float leftGain;
    float rightGain;
};

inline Stereo tones(const std::vector<Tone>& parts, int frames, double rateHz = 44100.0)
{
    Stereo s{std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames))};
    for (const Tone& t : parts) {
        for (int i = 0; i < frames; ++i) {
            const float v = t.amplitude * float(std::sin(twoPi * t.frequencyHz * i / rateHz));
            s.left[size_t(i)] += v * t.leftGain;
            s.right[size_t(i)] += v * t.rightGain;
        }
    }
    return s;
}

// Interleaved frames: a sine at leftHz on the left, one at rightHz on the
// right; with one channel, the left sine only.
inline std::vector<float> interleavedSines(int rateHz, int channels, std::int64_t numFrames, double leftHz,
                                           double rightHz, float amplitude = 0.5f)
{
    const Stereo s =
        tones({{leftHz, amplitude, 1.0f, 0.0f}, {rightHz, amplitude, 0.0f, 1.0f}}, int(numFrames), double(rateHz));
    std::vector<float> x(size_t(numFrames * channels));
    for (std::int64_t f = 0; f < numFrames; ++f) {
        x[size_t(f * channels)] = s.left[size_t(f)];
        if (channels == 2)
            x[size_t(2 * f + 1)] = s.right[size_t(f)];
    }
    return x;
}

inline std::vector<float> interleave(const std::vector<float>& left, const std::vector<float>& right)
{
    std::vector<float> x(2 * left.size());
    for (size_t i = 0; i < left.size(); ++i) {
        x[2 * i] = left[i];
        x[2 * i + 1] = right[i];
    }
    return x;
}

// Adds amplitude · sin over samples [first, last) of a mono buffer.
inline void addSine(std::vector<float>& x, int sampleRate, double hz, double amplitude, size_t first, size_t last)
{
    const double step = twoPi * hz / double(sampleRate);
    for (size_t i = first; i < last && i < x.size(); ++i)
        x[i] += float(amplitude * std::sin(step * double(i)));
}

// A logarithmic sweep: never periodic, so a correlation finds one lag only.
inline std::vector<float> sweep(int rateHz, std::int64_t numFrames, double fromHz, double toHz, float amplitude)
{
    std::vector<float> x(static_cast<size_t>(numFrames));
    const double seconds = double(numFrames) / rateHz;
    const double k = std::log(toHz / fromHz);
    for (std::int64_t f = 0; f < numFrames; ++f) {
        const double t = double(f) / rateHz;
        const double phase = twoPi * fromHz * seconds / k * (std::exp(t / seconds * k) - 1.0);
        x[size_t(f)] = amplitude * float(std::sin(phase));
    }
    return x;
}

// ---------------------------------------------------------------------------
// Notes and chords

inline double midiToHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// A tone with four harmonics falling by half each, below 0.45 of the rate.
inline void addHarmonicTone(std::vector<float>& x, int sampleRate, double hz, double amplitude, size_t first,
                            size_t last)
{
    double a = amplitude;
    for (int h = 1; h <= 4; ++h, a *= 0.5)
        if (hz * h < 0.45 * sampleRate)
            addSine(x, sampleRate, hz * h, a, first, last);
}

// Intervals above the root of the chord types "" (major), "m" and "7".
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

// ---------------------------------------------------------------------------
// Noise and clicks

inline std::vector<float> whiteNoise(int numFrames, float amplitude, unsigned seed)
{
    std::vector<float> x(static_cast<size_t>(numFrames));
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> dist(-amplitude, amplitude);
    for (float& v : x)
        v = dist(rng);
    return x;
}

// Sample positions of clicks at a steady tempo, the first at firstSample.
inline std::vector<int> clickPositions(float bpm, int sampleRate, int numFrames, int firstSample)
{
    std::vector<int> positions;
    const double step = 60.0 * double(sampleRate) / double(bpm);
    for (double s = firstSample; s < numFrames; s += step)
        positions.push_back(int(std::lround(s)));
    return positions;
}

// A dry drum hit at each position: 10 ms of noise decaying with a 2 ms
// time constant, peak `amplitude`.
inline void addNoiseBursts(std::vector<float>& x, const std::vector<int>& positions, int sampleRate,
                           float amplitude, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    const int length = sampleRate / 100;
    const float decay = 1.0f / (0.002f * float(sampleRate));
    const int numFrames = int(x.size());
    for (int p : positions) {
        for (int i = 0; i < length && p + i < numFrames; ++i) {
            if (p + i >= 0)
                x[size_t(p + i)] += amplitude * dist(rng) * std::exp(-float(i) * decay);
        }
    }
}

// A click track: bursts of peak 0.8 at the positions over silence.
inline std::vector<float> clickTrack(const std::vector<int>& positions, int sampleRate, int numFrames,
                                     unsigned seed = 1)
{
    std::vector<float> x(size_t(numFrames), 0.0f);
    addNoiseBursts(x, positions, sampleRate, 0.8f, seed);
    return x;
}

// A tone burst starting at `at`: a 1 ms rise, then amplitude decaying with
// the time constant decayMs, `lengthMs` long in all (its own frequency
// tells it apart from other bursts).
inline void addToneBurst(std::vector<float>& x, int sampleRate, int at, double hz, float amplitude, double decayMs,
                         double lengthMs)
{
    const int rise = std::max(1, sampleRate / 1000);
    const int length = int(lengthMs * sampleRate / 1000.0);
    const double decay = decayMs * sampleRate / 1000.0;
    for (int i = 0; i < length && at + i < int(x.size()); ++i) {
        if (at + i < 0)
            continue;
        double envelope = std::exp(-double(i) / decay);
        if (i < rise)
            envelope *= 0.5 * (1.0 - std::cos(twoPi * 0.5 * double(i) / rise));
        x[size_t(at + i)] += float(amplitude * envelope * std::sin(twoPi * hz * double(i) / sampleRate));
    }
}

// A kick drum at `at`: a pitch-falling low sine (110 → 50 Hz) decaying over
// about 80 ms, a quarter second long, peak about `amplitude`.
inline void addKick(std::vector<float>& x, int sampleRate, int at, float amplitude)
{
    const int length = sampleRate / 4;
    for (int i = 0; i < length && at + i < int(x.size()); ++i) {
        if (at + i < 0)
            continue;
        const double t = double(i) / sampleRate;
        x[size_t(at + i)] +=
            float(amplitude * std::sin(twoPi * (50.0 + 60.0 * std::exp(-t * 30.0)) * t) * std::exp(-t * 12.0));
    }
}

// ---------------------------------------------------------------------------
// Whole recordings

// Drums-like: decaying noise bursts every burstEvery frames over two tones,
// the channels panned apart, peak below 1. The playback chain's test and
// benchmark signal.
inline Stereo transientRich(int frames, unsigned seed, int burstEvery = 5000, double rateHz = 44100.0)
{
    Stereo s = tones({{220.0, 0.2f, 1.0f, 0.6f}, {1318.5, 0.1f, 0.5f, 1.0f}}, frames, rateHz);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (int i = 0; i < frames; ++i) {
        const float envelope = 0.6f * std::exp(-float(i % burstEvery) / 300.0f);
        s.left[size_t(i)] += envelope * noise(rng);
        s.right[size_t(i)] += envelope * noise(rng);
    }
    return s;
}

// A C major triad (C3 E3 G3), a little louder on the left as a mix would
// have it, under a click every half second from a quarter second on.
inline Stereo triadUnderClicks(int sampleRate, int frames)
{
    Stereo s = tones({{130.81, 0.15f, 1.2f, 0.8f}, {164.81, 0.15f, 1.2f, 0.8f}, {196.00, 0.15f, 1.2f, 0.8f}},
                     frames, double(sampleRate));
    std::vector<int> positions;
    for (int p = sampleRate / 4; p < frames; p += sampleRate / 2)
        positions.push_back(p);
    std::vector<float> clicks(size_t(frames), 0.0f);
    addNoiseBursts(clicks, positions, sampleRate, 0.4f, 7);
    for (int i = 0; i < frames; ++i) {
        s.left[size_t(i)] += clicks[size_t(i)];
        s.right[size_t(i)] += clicks[size_t(i)];
    }
    return s;
}

// Music for the analysis benchmarks: kick, snare and hi-hat at `bpm` over
// sustained tones, a new triad every bar, the tones panned apart.
inline Stereo drumsAndChords(int sampleRate, int seconds, double bpm)
{
    const size_t numFrames = size_t(sampleRate) * size_t(seconds);
    Stereo s{std::vector<float>(numFrames, 0.0f), std::vector<float>(numFrames, 0.0f)};
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const double beatSec = 60.0 / bpm;

    const double roots[4] = {110.0, 146.83, 98.0, 130.81};
    for (size_t i = 0; i < numFrames; ++i) {
        const double t = double(i) / sampleRate;
        const int bar = int(t / (4 * beatSec)) % 4;
        const double f = roots[bar];
        const double tone = 0.08 * std::sin(twoPi * f * t) + 0.06 * std::sin(twoPi * f * 1.26 * t)
            + 0.05 * std::sin(twoPi * f * 1.5 * t);
        s.left[i] = float(tone * 1.2);
        s.right[i] = float(tone * 0.8);
    }

    // Eighth notes: kick on 1 and 3, snare on 2 and 4, hat on all.
    const int eighths = int(seconds / (beatSec / 2));
    for (int e = 0; e < eighths; ++e) {
        const size_t start = size_t(double(e) * beatSec / 2 * sampleRate);
        const bool kick = e % 4 == 0;
        const bool snare = e % 4 == 2;
        const size_t length = size_t(0.25 * sampleRate);
        for (size_t i = 0; i < length && start + i < numFrames; ++i) {
            const double t = double(i) / sampleRate;
            double v = 0.15 * noise(rng) * std::exp(-t * 300.0);
            if (kick)
                v += 0.7 * std::sin(twoPi * (50.0 + 60.0 * std::exp(-t * 30.0)) * t) * std::exp(-t * 12.0);
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

} // namespace synth
