// Whole-file decoding through FFmpeg: any file FFmpeg recognises by its
// content (".wav", ".mp3", ".wma", ".ogg", ".flac", ".m4a", ".mp4", ".aac",
// ".aiff", ".aif" among them; the extension is not trusted) comes out as
// interleaved 32-bit float frames (nominal range -1 .. 1) at the file's own
// rate. One-channel files stay one channel, two channels are a stereo pair
// whatever speakers the file names, and files with more channels are mixed
// down to stereo (ChannelMixDown.h).
//
// A file that cannot be decoded gives an error code and a message, never a
// crash: a truncated file, or one whose header claims more than it holds,
// gives exactly the frames present, in memory for those frames only (a
// claim the file's size cannot back is not reserved); a frame inside a
// file that fails to decode (or fails its checksum, for FLAC) becomes
// silence of its length, so the rest keeps its time (at the very end it is
// simply left out). A frame announcing another sample rate than the
// stream's counts as such damage, never resampled; a stream rate outside
// 8 to 384 kHz is no recording (NotAudio).
//
// Use: open(), read estimatedFrames() (known before decoding, for progress
// and for refusing short files), then read() chunks or decodeAll() into
// two channel buffers. GUI thread or any single thread; no Qt event loop is
// needed.
#pragma once

#include "DecodeError.h"
#include "SampleBuffer.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// A decoded recording as the shell keeps it: two buffers of equal length.
struct DecodedAudio
{
    SampleBuffer left;
    SampleBuffer right; // for a one-channel file, a copy of left
    std::int64_t numFrames = 0;
    int sampleRateHz = 0;
    int channelCount = 0;       // 1 or 2, as delivered
    int sourceChannelCount = 0; // as stored in the file
};

class AudioDecoder
{
public:
    // Called with each whole percent of the estimated length reached
    // (0, 1, 2 ... at most 100, each at most once and in order); the caller
    // may let pending events run in it.
    using Progress = std::function<void(int percent)>;

    // The shell counts frames in an int.
    static constexpr std::int64_t kDefaultFrameLimit = 0x7fffffff;

    AudioDecoder();
    ~AudioDecoder();
    AudioDecoder(const AudioDecoder&) = delete;
    AudioDecoder& operator=(const AudioDecoder&) = delete;

    // Closes any previous file first.
    bool open(const QString& path);
    void close();

    DecodeError error() const { return error_; }
    QString errorMessage() const { return decodeErrorMessage(error_); }

    int sampleRateHz() const;
    int channelCount() const;       // 1 or 2
    int sourceChannelCount() const; // as stored in the file
    // From the file's header or its bit rate; 0 when the file does not say.
    std::int64_t estimatedFrames() const;

    // Up to maxFrames interleaved frames of channelCount() floats; fewer
    // only at the end of the file. 0 at the end or after an error.
    std::int64_t read(float* interleaved, std::int64_t maxFrames);
    bool atEnd() const;
    // Frames delivered so far; the exact length once atEnd().
    std::int64_t framesRead() const;

    // Decodes what read() has not delivered into out (replacing its
    // content), reporting progress against estimatedFrames(). On failure
    // out is left as it was and error() says why: TooLarge past
    // setFrameLimit() or when the buffers cannot be allocated.
    bool decodeAll(DecodedAudio& out, const Progress& progress = {});
    void setFrameLimit(std::int64_t maxFrames) { frameLimit_ = maxFrames; }

    // The most frames any of this file's buffers had room for: the queue
    // of converted frames and decodeAll()'s output. A small file keeps it
    // near the frames it gives, whatever its headers claim.
    std::int64_t largestBufferFrames() const;

private:
    struct Impl;
    bool fail(DecodeError error);

    std::unique_ptr<Impl> d_;
    DecodeError error_ = DecodeError::None;
    std::int64_t frameLimit_ = kDefaultFrameLimit;
};
