// What a listener would measure in played or rendered output: the level
// of one frequency over a stretch, where a sound starts, and the left
// channel of everything pushed to a stream.
#pragma once

#include "PlayerTestSupport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace heard {

// The amplitude of a sine at `hz` in x[from, from + n) (frames outside x
// count as silence), under a Blackman window: its side lobes stay below
// -58 dB, so tones a few hundred Hz apart do not leak into each other.
inline double levelAt(const std::vector<float>& x, int from, int n, int rateHz, double hz)
{
    double re = 0.0;
    double im = 0.0;
    double weights = 0.0;
    for (int i = 0; i < n; ++i) {
        const double phase = synth::twoPi * double(i) / double(n - 1);
        const double w = 0.42 - 0.5 * std::cos(phase) + 0.08 * std::cos(2.0 * phase);
        weights += w;
        const int at = from + i;
        if (at < 0 || at >= int(x.size()))
            continue;
        const double angle = synth::twoPi * hz * double(at) / double(rateHz);
        re += w * double(x[size_t(at)]) * std::cos(angle);
        im += w * double(x[size_t(at)]) * std::sin(angle);
    }
    return 2.0 * std::sqrt(re * re + im * im) / weights;
}

inline double decibels(double ratio)
{
    return 20.0 * std::log10(std::max(ratio, 1e-12));
}

// The first frame at or after `from` where |x| reaches `fraction` of the
// loudest sample in x[from, from + n); -1 for silence.
inline int onsetIn(const std::vector<float>& x, int from, int n, float fraction)
{
    const int end = std::min(int(x.size()), from + n);
    float loudest = 0.0f;
    for (int i = std::max(from, 0); i < end; ++i)
        loudest = std::max(loudest, std::fabs(x[size_t(i)]));
    if (loudest == 0.0f)
        return -1;
    for (int i = std::max(from, 0); i < end; ++i) {
        if (std::fabs(x[size_t(i)]) >= fraction * loudest)
            return i;
    }
    return -1;
}

// Frames pushed to `stream` so far.
inline int pushedFrames(const player_test::ProbeOutput& probe, StreamHandle stream)
{
    int frames = 0;
    for (const player_test::ProbeOutput::Push& push : probe.pushes) {
        if (push.stream == stream)
            frames += int(push.frames.size() / 2);
    }
    return frames;
}

// The left channel of every block pushed to `stream`, in order.
inline std::vector<float> pushedLeft(const player_test::ProbeOutput& probe, StreamHandle stream)
{
    std::vector<float> left;
    for (const player_test::ProbeOutput::Push& push : probe.pushes) {
        if (push.stream != stream)
            continue;
        for (size_t f = 0; f < push.frames.size() / 2; ++f)
            left.push_back(push.frames[2 * f]);
    }
    return left;
}

} // namespace heard
