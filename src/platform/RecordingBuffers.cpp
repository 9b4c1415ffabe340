#include "RecordingBuffers.h"

#include "AudioDecoder.h"

#include <algorithm>
#include <new>
#include <utility>

RecordingBuffers::RecordingBuffers(int channels, std::int64_t frames, std::int64_t fallbackFrames)
    : channels_(channels)
{
    try {
        left_.reserve(static_cast<size_t>(frames));
        right_.reserve(static_cast<size_t>(channels == 2 ? frames : 0));
    } catch (const std::bad_alloc&) {
        // Only the frames themselves count.
        left_ = SampleBuffer();
        right_ = SampleBuffer();
        const std::int64_t fallback = std::min(frames, fallbackFrames);
        left_.reserve(static_cast<size_t>(fallback));
        right_.reserve(static_cast<size_t>(channels == 2 ? fallback : 0));
    }
}

void RecordingBuffers::append(const float* interleaved, std::int64_t numFrames)
{
    if (channels_ != 2) {
        left_.insert(left_.end(), interleaved, interleaved + numFrames);
        numFrames_ += numFrames;
        return;
    }
    float left[kBlockFrames];
    float right[kBlockFrames];
    while (numFrames > 0) {
        const std::int64_t n = std::min(numFrames, kBlockFrames);
        for (std::int64_t f = 0; f < n; ++f) {
            left[f] = interleaved[2 * f];
            right[f] = interleaved[2 * f + 1];
        }
        left_.insert(left_.end(), left, left + n);
        right_.insert(right_.end(), right, right + n);
        interleaved += 2 * n;
        numFrames -= n;
        numFrames_ += n;
    }
}

void RecordingBuffers::finishInto(DecodedAudio& out)
{
    if (channels_ == 1)
        right_ = left_;
    // A header that promised much more than the file held (a truncated
    // file) would leave that much memory idle.
    if (left_.capacity() - left_.size() > left_.size() / 8) {
        left_.shrink_to_fit();
        right_.shrink_to_fit();
    }
    out.left = std::move(left_);
    out.right = std::move(right_);
    out.numFrames = numFrames_;
}
