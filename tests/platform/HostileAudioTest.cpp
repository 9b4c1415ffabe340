// Files written to cost memory: FLAC frames that switch their sample rate,
// length fields that claim far more than the file holds. Each must decode
// to exactly its frames, with buffers no larger than those frames, and a
// good recording must not be refused because its header lies.
#include "AudioDecoder.h"

#include "FlacStream.h"
#include "RowName.h"
#include "SyntheticSignals.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr int kBlock = 4096;
constexpr std::int32_t kLevel = 1000;              // every intact frame holds this constant
constexpr std::uint64_t kAllOnes = 0xfffffffffULL; // the 36-bit length field
// Room for one codec frame (FLAC's longest block) or the decoder's first
// allocation beyond the frames returned.
constexpr std::int64_t kSlackFrames = 1 << 16;

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct HostileFlac
{
    const char* name;
    int streamRateHz;
    std::uint64_t totalFrames;
    std::vector<int> frameRatesHz; // one 4096-frame block each; 0: the stream's
    DecodeError expected;
    std::int64_t expectedFrames;
    std::vector<int> silentBlocks;
    const char* reason;
};

std::ostream& operator<<(std::ostream& os, const HostileFlac& c)
{
    return os << c.name;
}

class DecoderHostileFlac : public ::testing::TestWithParam<HostileFlac>
{
};

TEST_P(DecoderHostileFlac, GivesExactlyItsFramesInBoundedMemory)
{
    const HostileFlac& c = GetParam();
    flac::StreamInfo info;
    info.rateHz = c.streamRateHz;
    info.totalFrames = c.totalFrames;
    std::vector<flac::Frame> frames;
    for (int rate : c.frameRatesHz) {
        flac::Frame f;
        f.rateHz = rate;
        f.constant = {kLevel};
        frames.push_back(f);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.flac"));
    const QByteArray bytes = flac::file(info, frames);
    ASSERT_TRUE(writeBytes(path, bytes));

    AudioDecoder decoder;
    DecodedAudio audio;
    const bool decoded = decoder.open(path) && decoder.decodeAll(audio);
    EXPECT_LE(decoder.largestBufferFrames(), audio.numFrames + kSlackFrames) << bytes.size() << " bytes";
    if (c.expected != DecodeError::None) {
        EXPECT_FALSE(decoded) << c.reason;
        EXPECT_EQ(decoder.error(), c.expected) << c.reason;
        return;
    }
    ASSERT_TRUE(decoded) << decoder.errorMessage().toStdString();
    EXPECT_EQ(audio.sampleRateHz, c.streamRateHz);
    ASSERT_EQ(audio.numFrames, c.expectedFrames) << c.reason;
    const float level = kLevel / 32768.0f;
    for (std::int64_t i = 0; i < audio.numFrames; ++i) {
        const int block = static_cast<int>(i / kBlock);
        const bool silent = std::find(c.silentBlocks.begin(), c.silentBlocks.end(), block) != c.silentBlocks.end();
        ASSERT_EQ(audio.left[static_cast<size_t>(i)], silent ? 0.0f : level) << "frame " << i << ": " << c.reason;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reproducers, DecoderHostileFlac,
    ::testing::Values(
        HostileFlac{"rate_drops_to_10_hz_at_the_end",
                    44100,
                    0,
                    {44100, 10},
                    DecodeError::None,
                    kBlock,
                    {},
                    "a switched frame is damage, and damage at the very end is left out"},
        HostileFlac{"rate_drops_to_1_hz_midway",
                    44100,
                    0,
                    {44100, 1, 44100},
                    DecodeError::None,
                    3 * kBlock,
                    {1},
                    "silence of the switched frame's length keeps the time of what follows"},
        HostileFlac{"rate_rises_to_96_khz_midway",
                    44100,
                    3 * kBlock,
                    {44100, 96000, 44100},
                    DecodeError::None,
                    3 * kBlock,
                    {1},
                    "never resampled, whichever way the rate goes"},
        HostileFlac{"every_frame_switched",
                    44100,
                    0,
                    {10, 10, 10},
                    DecodeError::Damaged,
                    0,
                    {},
                    "not one frame decodes at the stream's rate"},
        HostileFlac{"streaminfo_781_khz_then_100_hz",
                    781000,
                    0,
                    {100},
                    DecodeError::NotAudio,
                    0,
                    {},
                    "no recording has that rate"},
        HostileFlac{"streaminfo_7999_hz", 7999, 0, {0}, DecodeError::NotAudio, 0, {}, "below the lowest rate"},
        HostileFlac{"streaminfo_8_khz", 8000, 0, {0, 0}, DecodeError::None, 2 * kBlock, {}, "the lowest rate"},
        HostileFlac{
            "streaminfo_384_khz", 384000, 0, {0, 0}, DecodeError::None, 2 * kBlock, {}, "the highest rate"},
        HostileFlac{
            "streaminfo_384010_hz", 384010, 0, {0}, DecodeError::NotAudio, 0, {}, "above the highest rate"},
        HostileFlac{"length_all_ones",
                    44100,
                    kAllOnes,
                    {44100},
                    DecodeError::None,
                    kBlock,
                    {},
                    "a file claiming more than it holds gives the frames present"},
        HostileFlac{"length_past_the_frame_limit",
                    44100,
                    std::uint64_t{1} << 32,
                    {44100, 44100},
                    DecodeError::None,
                    2 * kBlock,
                    {},
                    "a claim the limit would cut is still no reason to reserve it"}),
    RowName());

// A real recording: five seconds of two tones, 16-bit stereo, verbatim.
constexpr int kRate = 44100;
constexpr int kSeconds = 5;

std::vector<std::int32_t> tones()
{
    const auto x = synth::interleavedSines(kRate, 2, kSeconds * kRate, 440.0, 1000.0, 0.4f);
    std::vector<std::int32_t> samples(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        samples[i] = static_cast<std::int32_t>(std::lround(x[i] * 32767.0f));
    return samples;
}

// The address space the process maps now, from /proc.
std::uint64_t mappedBytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmSize:") {
            std::uint64_t kiB = 0;
            status >> kiB;
            return kiB * 1024;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// Runs in the death test's child: limits the address space to what is
// mapped already plus room for a few copies of the recording, then decodes.
// The limit counts from the current size so that AddressSanitizer's shadow
// mappings, terabytes of them, do not make it meaningless; either way the
// header's claim (gigabytes per channel) cannot be mapped.
// Exit codes: 0 decoded whole; 10 no limit set; 11 not opened; 12 wrong
// length; 13 wrong samples; 20 + the error code when decoding failed
// (26: refused as too large).
int decodeUnderLimit(const QString& path, const std::vector<std::int32_t>& source)
{
    const std::uint64_t headroom = std::uint64_t{1} << 30;
    const rlimit limit{mappedBytes() + headroom, RLIM_INFINITY};
    if (limit.rlim_cur == headroom || setrlimit(RLIMIT_AS, &limit) != 0)
        return 10;
    AudioDecoder decoder;
    DecodedAudio audio;
    if (!decoder.open(path))
        return 11;
    if (!decoder.decodeAll(audio))
        return 20 + static_cast<int>(decoder.error());
    if (audio.numFrames != kSeconds * kRate)
        return 12;
    for (size_t f = 0; f < static_cast<size_t>(audio.numFrames); ++f) {
        if (audio.left[f] != source[2 * f] / 32768.0f || audio.right[f] != source[2 * f + 1] / 32768.0f)
            return 13;
    }
    return 0;
}

struct WrongLength
{
    const char* name;
    std::uint64_t totalFrames;
};

std::ostream& operator<<(std::ostream& os, const WrongLength& c)
{
    return os << c.name;
}

class DecoderWrongLength : public ::testing::TestWithParam<WrongLength>
{
};

TEST_P(DecoderWrongLength, DecodesWholeUnderAnAddressSpaceLimit)
{
    // A new process rather than a fork: other tests of this binary may
    // have left threads running.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto source = tones();
    flac::StreamInfo info;
    info.rateHz = kRate;
    info.channels = 2;
    info.totalFrames = GetParam().totalFrames;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wrong-length.flac"));
    ASSERT_TRUE(writeBytes(path, flac::file(info, flac::verbatimFrames(source, 2, kBlock))));

    // The child runs this body again and leaves by _Exit, so it removes
    // its own folder.
    EXPECT_EXIT(
        {
            const int code = decodeUnderLimit(path, source);
            dir.remove();
            std::_Exit(code);
        },
        ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Lengths, DecoderWrongLength,
                         ::testing::Values(WrongLength{"all_ones", kAllOnes},
                                           // Plausible for the file's size, so worth reserving:
                                           // the reserve fails under the limit.
                                           WrongLength{"four_billion_frames", std::uint64_t{1} << 32}),
                         RowName());

} // namespace
