// Sample-rate conversion of interleaved stereo float frames for the output
// streams: band-limited interpolation with a Kaiser-windowed sinc (beta 8,
// 24 zero crossings each side of the cutoff, cutoff 0.95 of the lower
// Nyquist frequency), read from a table with linear interpolation.
//
// Output frame k sits at input time k * inRate / outRate, so no delay is
// added; producing it needs halfWidthFrames() input frames beyond it.
//
// configure() allocates; reset() and process() never do, so process() may
// run in the audio callback. One instance per stream, used by one thread at
// a time.
#pragma once

#include <cmath>
#include <cstring>
#include <vector>

class Resampler
{
public:
    // Rates in Hz, both positive. Equal rates make process() a plain copy.
    void configure(int inRateHz, int outRateHz);
    // Forgets all input seen so far; the next input starts afresh.
    void reset();

    bool isBypass() const { return bypass_; }
    double halfWidthFrames() const { return halfWidth_; }
    // Input frames per output frame.
    double step() const { return step_; }

    // Adds up to numFrames output frames to outAdd, pulling input through
    // source.pull(float* dst, int maxFrames) -> frames delivered. Returns the
    // frames produced: fewer than numFrames when the source ran dry (the
    // rest of outAdd is left as it was).
    template <class Source>
    int process(Source& source, float* outAdd, int numFrames);

private:
    float kernelAt(double distanceFrames) const;

    static constexpr int kTablePoints = 8192;

    int inRateHz_ = 0;
    int outRateHz_ = 0;
    bool bypass_ = true;
    double step_ = 1.0;      // input frames per output frame
    double halfWidth_ = 0.0; // kernel reach on each side, input frames
    double tableScale_ = 0.0;
    std::vector<float> table_;   // kernel over distance 0 .. halfWidth_
    std::vector<float> history_; // interleaved input frames
    int capacityFrames_ = 0;
    int countFrames_ = 0; // valid frames in history_
    double time_ = 0.0;   // history_ position of the next output frame
};

inline float Resampler::kernelAt(double distanceFrames) const
{
    const double x = distanceFrames * tableScale_;
    const int i = static_cast<int>(x);
    if (i >= kTablePoints)
        return 0.0f;
    const float frac = static_cast<float>(x - i);
    return table_[i] + (table_[i + 1] - table_[i]) * frac;
}

template <class Source>
int Resampler::process(Source& source, float* outAdd, int numFrames)
{
    if (bypass_) {
        // Equal rates: no history, the source's frames go straight through.
        int produced = 0;
        float scratch[2 * 256];
        while (produced < numFrames) {
            const int want = std::min(numFrames - produced, 256);
            const int got = source.pull(scratch, want);
            for (int i = 0; i < 2 * got; ++i)
                outAdd[2 * produced + i] += scratch[i];
            produced += got;
            if (got < want)
                break;
        }
        return produced;
    }

    int produced = 0;
    while (produced < numFrames) {
        const int last = static_cast<int>(std::floor(time_ + halfWidth_));
        if (last >= countFrames_) {
            // Drop the frames no later output reaches, then pull just what
            // the remaining outputs need, so the stream's queue keeps
            // counting the rest.
            const int first = static_cast<int>(std::floor(time_ - halfWidth_));
            if (first > 0) {
                std::memmove(history_.data(), history_.data() + 2 * first,
                             sizeof(float) * 2 * static_cast<size_t>(countFrames_ - first));
                countFrames_ -= first;
                time_ -= first;
            }
            const int lastNow = static_cast<int>(std::floor(time_ + halfWidth_));
            const double ahead = (numFrames - produced - 1) * step_;
            int want = lastNow + 1 - countFrames_ + static_cast<int>(std::ceil(ahead));
            want = std::min(want, capacityFrames_ - countFrames_);
            countFrames_ += source.pull(history_.data() + 2 * countFrames_, want);
            if (lastNow >= countFrames_)
                return produced;
        }
        const int lo = static_cast<int>(std::floor(time_ - halfWidth_)) + 1;
        const int hi = static_cast<int>(std::floor(time_ + halfWidth_));
        float left = 0.0f;
        float right = 0.0f;
        for (int i = std::max(lo, 0); i <= hi; ++i) {
            const float w = kernelAt(std::fabs(time_ - i));
            left += w * history_[2 * i];
            right += w * history_[2 * i + 1];
        }
        outAdd[2 * produced] += left;
        outAdd[2 * produced + 1] += right;
        ++produced;
        time_ += step_;
    }
    return produced;
}
