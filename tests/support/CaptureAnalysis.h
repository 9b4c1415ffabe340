// Reading a recording of what was played (interleaved stereo float frames):
// where the sound is, the silent runs inside it, the source position of
// every frame of a position signal, and the frequency of a tone.
// Standard library only.
#pragma once

#include "SyntheticSignals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace capture {

inline std::int64_t frameCount(const std::vector<float>& x)
{
    return std::int64_t(x.size() / 2);
}

// A recording whose every frame tells its own position: the left channel
// rises in equal steps from level / frames to level, the right stays at
// level. Their ratio survives any gain the two channels share (the volume,
// the window overlap, fades), so frame i plays back as (i + 1) / frames.
inline synth::Stereo positionSignal(int frames, float level = 0.5f)
{
    synth::Stereo s{std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames), level)};
    for (int i = 0; i < frames; ++i)
        s.left[size_t(i)] = float(double(level) * (double(i) + 1.0) / double(frames));
    return s;
}

// First and last frame of something, both included; empty when first < 0.
struct Span
{
    std::int64_t first = -1;
    std::int64_t last = -1;
    bool empty() const { return first < 0; }
    std::int64_t frames() const { return empty() ? 0 : last - first + 1; }
};

inline bool sounds(const std::vector<float>& x, std::int64_t frame, float threshold)
{
    return std::fabs(x[size_t(2 * frame)]) >= threshold || std::fabs(x[size_t(2 * frame + 1)]) >= threshold;
}

// From the first to the last frame where a channel reaches threshold.
inline Span soundSpan(const std::vector<float>& x, float threshold, std::int64_t from = 0)
{
    Span s;
    for (std::int64_t f = from; f < frameCount(x); ++f) {
        if (!sounds(x, f, threshold))
            continue;
        if (s.empty())
            s.first = f;
        s.last = f;
    }
    return s;
}

// The runs of frames below threshold in both channels inside span.
inline std::vector<Span> silentRuns(const std::vector<float>& x, Span span, float threshold)
{
    std::vector<Span> runs;
    for (std::int64_t f = span.first; !span.empty() && f <= span.last; ++f) {
        if (sounds(x, f, threshold))
            continue;
        if (!runs.empty() && runs.back().last == f - 1)
            runs.back().last = f;
        else
            runs.push_back({f, f});
    }
    return runs;
}

// Where consecutive sounding frames of a position signal do not come from
// consecutive source frames.
struct Jump
{
    std::int64_t frame; // the captured frame after the jump
    double from;        // source position before it
    double to;          // and after it
};

struct PositionTrack
{
    std::int64_t mapped = 0;   // sounding frames read back to a source frame
    std::int64_t unmapped = 0; // sounding frames that are no source frame
    double first = std::numeric_limits<double>::quiet_NaN();
    double last = std::numeric_limits<double>::quiet_NaN();
    double highest = -1.0;
    std::vector<Jump> jumps;
};

// Reads every frame whose right channel reaches threshold back to the
// frame of positionSignal(sourceFrames) it plays: exactly (within
// tolerance frames) a source frame, or it counts as unmapped.
inline PositionTrack trackPositions(const std::vector<float>& x, int sourceFrames, float threshold,
                                    double tolerance)
{
    PositionTrack t;
    bool havePrevious = false;
    double previous = 0.0;
    for (std::int64_t f = 0; f < frameCount(x); ++f) {
        const double right = x[size_t(2 * f + 1)];
        if (std::fabs(right) < threshold)
            continue;
        const double p = double(x[size_t(2 * f)]) / right * double(sourceFrames) - 1.0;
        if (std::fabs(p - std::round(p)) > tolerance || p < -tolerance || p > sourceFrames - 1 + tolerance) {
            ++t.unmapped;
            continue;
        }
        ++t.mapped;
        if (std::isnan(t.first))
            t.first = p;
        t.last = p;
        t.highest = std::max(t.highest, p);
        if (havePrevious && std::fabs(p - previous - 1.0) > tolerance)
            t.jumps.push_back({f, previous, p});
        previous = p;
        havePrevious = true;
    }
    return t;
}

// The mean frequency of a tone in one channel over span: rising zero
// crossings, each placed between its two samples by linear interpolation.
// 0 with fewer than two crossings.
inline double toneFrequencyHz(const std::vector<float>& x, int channel, Span span, double rateHz)
{
    double firstCrossing = -1.0;
    double lastCrossing = -1.0;
    std::int64_t crossings = 0;
    for (std::int64_t f = std::max<std::int64_t>(span.first, 0) + 1; !span.empty() && f <= span.last; ++f) {
        const double a = x[size_t(2 * (f - 1) + channel)];
        const double b = x[size_t(2 * f + channel)];
        if (!(a < 0.0 && b >= 0.0))
            continue;
        const double t = double(f - 1) + a / (a - b);
        if (crossings == 0)
            firstCrossing = t;
        lastCrossing = t;
        ++crossings;
    }
    if (crossings < 2)
        return 0.0;
    return double(crossings - 1) * rateHz / (lastCrossing - firstCrossing);
}

inline double centsBetween(double hz, double referenceHz)
{
    return 1200.0 * std::log2(hz / referenceHz);
}

} // namespace capture
