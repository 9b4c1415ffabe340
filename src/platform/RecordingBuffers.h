// The two buffers a recording is decoded into, filled from interleaved
// frames of one or two channels. The room is reserved ahead, not filled, so
// each sample is written once; beyond it the buffers grow by doubling.
// Allocation failures throw std::bad_alloc (or std::length_error), for the
// decoder to turn into its "too large".
#pragma once

#include "SampleBuffer.h"

#include <cstdint>

struct DecodedAudio;

class RecordingBuffers
{
public:
    // Room for `frames`; when the memory will not give that much (a
    // header's claim can be wrong), for at most `fallbackFrames`.
    RecordingBuffers(int channels, std::int64_t frames, std::int64_t fallbackFrames);

    void append(const float* interleaved, std::int64_t numFrames);
    std::int64_t numFrames() const { return numFrames_; }
    // The frames the buffers have room for now.
    std::int64_t capacityFrames() const { return static_cast<std::int64_t>(left_.capacity()); }

    // Moves the buffers and the frame count into `out`: a one-channel
    // recording's right buffer is a copy of its left, and room that a
    // header promised but the file did not fill is given back.
    void finishInto(DecodedAudio& out);

private:
    static constexpr std::int64_t kBlockFrames = 4096;

    int channels_;
    SampleBuffer left_;
    SampleBuffer right_;
    std::int64_t numFrames_ = 0;
};
