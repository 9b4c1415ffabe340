// The decoder over any bytes, whatever format FFmpeg finds in them.
// Beyond memory errors (the sanitizers) and memory use (libFuzzer's
// limits), it checks what every caller relies on.
#include "AudioDecoder.h"
#include "FuzzSupport.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::quietLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // About 24 s at 44.1 kHz, far more than a codec frame or a damaged
    // stretch: longer outputs only cost time (a few bytes of FLAC make
    // minutes), and the limit's own failure path gets its share.
    constexpr std::int64_t frameLimit = std::int64_t{1} << 20;
    const QString path = fuzz::writeInput("input", data, size);
    AudioDecoder decoder;
    decoder.setFrameLimit(frameLimit);
    DecodedAudio audio;
    if (!decoder.open(path)) {
        fuzz::require(decoder.error() != DecodeError::None, "a refused file says why");
        return 0;
    }
    fuzz::require(decoder.sampleRateHz() >= 8000 && decoder.sampleRateHz() <= 384000, "a recording's rate");
    fuzz::require(decoder.channelCount() == 1 || decoder.channelCount() == 2, "one or two channels");
    if (!decoder.decodeAll(audio)) {
        fuzz::require(decoder.error() != DecodeError::None, "a failed decode says why");
        return 0;
    }
    const auto frames = static_cast<size_t>(audio.numFrames);
    fuzz::require(audio.numFrames >= 0 && audio.numFrames <= frameLimit, "frames within the limit");
    fuzz::require(audio.left.size() == frames && audio.right.size() == frames, "two buffers of the length");
    fuzz::require(audio.sampleRateHz == decoder.sampleRateHz(), "the rate opened with");
    for (size_t i = 0; i < frames; ++i)
        fuzz::require(std::isfinite(audio.left[i]) && std::isfinite(audio.right[i]), "finite samples");
    // The buffers hold no more than twice the frames (growth doubles), or
    // what a believable header announced.
    fuzz::require(decoder.largestBufferFrames()
                      <= std::max<std::int64_t>(2 * audio.numFrames, decoder.estimatedFrames() * 65 / 64)
                          + (std::int64_t{1} << 16),
                  "buffers bounded by the frames");
    return 0;
}
