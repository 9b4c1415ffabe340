#include "RecordingDecoding.h"

#include "../platform/AudioFixtures.h"
#include "RowName.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int rate = 44100;

// One test file: a sine per channel (440 Hz left, 660 Hz right, further
// channels at 880 Hz), written as 16-bit PCM WAV.
bool writeTone(const QString& path, std::int64_t frames, int channels, std::int64_t keepBytes = -1)
{
    if (channels <= 2) {
        if (!fixtures::writeWav(path, fixtures::sines(rate, channels, frames, 440.0, 660.0), rate, channels))
            return false;
    } else {
        std::vector<float> x(static_cast<size_t>(frames * channels));
        for (std::int64_t f = 0; f < frames; ++f) {
            for (int c = 0; c < channels; ++c) {
                const double hz = c == 0 ? 440.0 : c == 1 ? 660.0 : 880.0;
                x[static_cast<size_t>(f * channels + c)] =
                    0.3f * static_cast<float>(std::sin(2 * fixtures::kPi * hz * f / rate));
            }
        }
        QByteArray bytes = WavWriter::header(rate, channels, static_cast<std::uint32_t>(x.size() * 2));
        QByteArray pcm(static_cast<int>(x.size() * 2), Qt::Uninitialized);
        WavWriter::toPcm16(x.data(), static_cast<std::int64_t>(x.size()), pcm.data());
        bytes += pcm;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    if (keepBytes >= 0)
        return QFile(path).resize(keepBytes);
    return true;
}

struct DecodeCase
{
    const char* name;
    std::int64_t frames;
    int channels;
    std::int64_t keepBytes; // -1: the whole file
    std::int64_t frameLimit;
    int result;
    int sampleCount;
    int channelCount;
};

class DecodeTable : public ::testing::TestWithParam<DecodeCase>
{
protected:
    QTemporaryDir temp;
};

TEST_P(DecodeTable, FillsTheRecordOrRefusesWithItsCode)
{
    const DecodeCase& c = GetParam();
    const QString path = temp.filePath("take.wav");
    ASSERT_TRUE(writeTone(path, c.frames, c.channels, c.keepBytes));

    DecodedRecording record;
    const int result = decodeRecording(path, record, c.frameLimit, {});
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(record.audioLoaded, c.result == DecodeOk);
    if (c.result != DecodeOk) {
        EXPECT_EQ(record.leftData, nullptr);
        EXPECT_EQ(record.sampleCount, 0);
        return;
    }
    EXPECT_EQ(record.sampleCount, c.sampleCount);
    EXPECT_EQ(record.channelCount, c.channelCount);
    EXPECT_EQ(record.isStereo, c.channelCount == 2);
    EXPECT_EQ(record.sampleRate, rate);
    EXPECT_EQ(record.songInfo, (QStringList{"", "", ""}));
    ASSERT_NE(record.leftData, nullptr);
    ASSERT_NE(record.rightData, nullptr);
    EXPECT_NE(record.leftData, record.rightData) << "two buffers, also for one channel";

    // Left carries the 440 Hz tone, right the 660 Hz one unless the file has
    // one channel, whose right buffer copies the left. Levels are compared,
    // not fixed: a mix-down scales the channels.
    const std::int64_t n = record.sampleCount;
    auto level = [n](const float* x, double hz) { return fixtures::toneLevel(x, n, 1, hz, rate); };
    EXPECT_GT(level(record.leftData, 440.0), 0.05);
    if (c.channelCount == 1) {
        EXPECT_TRUE(std::equal(record.leftData, record.leftData + n, record.rightData));
    } else {
        EXPECT_GT(level(record.leftData, 440.0), 10 * level(record.leftData, 660.0)) << "channels kept apart";
        EXPECT_GT(level(record.rightData, 660.0), 10 * level(record.rightData, 440.0)) << "channels kept apart";
    }
}

const std::int64_t noLimit = AudioDecoder::kDefaultFrameLimit;
// Bytes of a 16-bit stereo WAV holding this many frames.
constexpr std::int64_t stereoBytes(std::int64_t frames)
{
    return WavWriter::kHeaderBytes + frames * 4;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTable,
    ::testing::Values(DecodeCase{"frames_99999_too_small", 99999, 2, -1, noLimit, DecodeTooSmall, 0, 0},
                      DecodeCase{"frames_100000_decode", 100000, 2, -1, noLimit, DecodeOk, 100000, 2},
                      DecodeCase{"mono", 120000, 1, -1, noLimit, DecodeOk, 120000, 1},
                      DecodeCase{"stereo_channels_apart", 150000, 2, -1, noLimit, DecodeOk, 150000, 2},
                      DecodeCase{"six_channels_mixed_to_stereo", 110000, 6, -1, noLimit, DecodeOk, 110000, 2},
                      DecodeCase{"truncated_gives_the_frames_present", 200000, 2, stereoBytes(150000), noLimit,
                                 DecodeOk, 150000, 2},
                      DecodeCase{"truncated_below_the_minimum", 200000, 2, stereoBytes(90000), noLimit,
                                 DecodeTooSmall, 0, 0},
                      DecodeCase{"header_only", 200000, 2, WavWriter::kHeaderBytes, noLimit, DecodeTooSmall, 0, 0},
                      DecodeCase{"past_the_frame_limit", 200000, 2, -1, 150000, DecodeTooLarge, 0, 0},
                      DecodeCase{"within_the_frame_limit", 120000, 2, -1, 150000, DecodeOk, 120000, 2}),
    RowName());

TEST(RecordingDecoding, NoAudioAndNoFileAreRefusedAsUndecodable)
{
    QTemporaryDir temp;
    const QString text = temp.filePath("notes.wav");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(300000, 'x'));
    file.close();

    DecodedRecording record;
    EXPECT_EQ(decodeRecording(text, record, noLimit, {}), DecodeFailed);
    EXPECT_EQ(decodeRecording(temp.filePath("missing.wav"), record, noLimit, {}), DecodeFailed);
    EXPECT_FALSE(record.audioLoaded);
}

TEST(RecordingDecoding, ReportsEveryPercentOnceInOrder)
{
    QTemporaryDir temp;
    const QString path = temp.filePath("take.wav");
    ASSERT_TRUE(writeTone(path, 441000, 2));
    std::vector<int> reported;
    DecodeHooks hooks;
    hooks.progress = [&reported](int percent) { reported.push_back(percent); };
    DecodedRecording record;
    ASSERT_EQ(decodeRecording(path, record, noLimit, hooks), DecodeOk);
    ASSERT_FALSE(reported.empty());
    for (size_t i = 0; i < reported.size(); ++i)
        ASSERT_EQ(reported[i], static_cast<int>(i));
    EXPECT_GE(reported.back(), 99);
    EXPECT_LE(reported.back(), 100);
}

TEST(RecordingDecoding, ASecondDecodeReleasesTheFirstBeforeDecoding)
{
    QTemporaryDir temp;
    const QString first = temp.filePath("first.wav");
    const QString second = temp.filePath("second.wav");
    ASSERT_TRUE(writeTone(first, 300000, 1));
    ASSERT_TRUE(writeTone(second, 200000, 2));

    DecodedRecording record;
    ASSERT_EQ(decodeRecording(first, record, noLimit, {}), DecodeOk);
    const float* firstLeft = record.leftData;

    bool releasedWhileHeld = false;
    bool emptyWhileDecoding = true;
    DecodeHooks hooks;
    hooks.releasing = [&] { releasedWhileHeld = record.audioLoaded && record.leftData == firstLeft; };
    hooks.progress = [&](int) {
        emptyWhileDecoding = emptyWhileDecoding && !record.audioLoaded && record.leftData == nullptr
            && record.rightData == nullptr && record.sampleCount == 0;
    };
    ASSERT_EQ(decodeRecording(second, record, noLimit, hooks), DecodeOk);
    EXPECT_TRUE(releasedWhileHeld) << "the readers are told while the first buffers still exist";
    EXPECT_TRUE(emptyWhileDecoding) << "nothing points at the first buffers while the second decodes";
    EXPECT_EQ(record.sampleCount, 200000);
    EXPECT_TRUE(record.isStereo);

    // A failed decode leaves nothing behind either.
    EXPECT_EQ(decodeRecording(temp.filePath("missing.wav"), record, noLimit, hooks), DecodeFailed);
    EXPECT_FALSE(record.audioLoaded);
    EXPECT_EQ(record.leftData, nullptr);
    EXPECT_TRUE(record.songInfo.isEmpty());
}

struct TagCase
{
    const char* name;
    QStringList metadata;
    const char* text;
    QStringList songInfo;
};

class DecodeLabel : public ::testing::TestWithParam<TagCase>
{
};

TEST_P(DecodeLabel, NamesTheSongByItsTagsElseByItsFileName)
{
    if (!fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir temp;
    const QString wav = temp.filePath("source.wav");
    ASSERT_TRUE(writeTone(wav, 110000, 2));
    const QString path = temp.filePath("Take 1.flac");
    QStringList args{"-c:a", "flac"};
    for (const QString& entry : GetParam().metadata)
        args << "-metadata" << entry;
    ASSERT_TRUE(fixtures::ffmpeg(wav, args, path));

    QStringList texts;
    DecodeHooks hooks;
    hooks.showText = [&texts](const QString& text) { texts << text; };
    DecodedRecording record;
    ASSERT_EQ(decodeRecording(path, record, noLimit, hooks), DecodeOk);
    EXPECT_EQ(texts, QStringList{GetParam().text});
    EXPECT_EQ(record.songInfo, GetParam().songInfo);
}

INSTANTIATE_TEST_SUITE_P(Tags, DecodeLabel,
                         ::testing::Values(TagCase{"none", {}, "Decoding Audio | Take 1.flac", {"", "", ""}},
                                           TagCase{"title_artist_album",
                                                   {"title=Blue Line", "artist=The Trio", "album=Live"},
                                                   "Decoding Audio | The Trio - Blue Line",
                                                   {"Blue Line", "The Trio", "Live"}},
                                           TagCase{"title_without_artist",
                                                   {"title=Blue Line"},
                                                   "Decoding Audio |  - Blue Line",
                                                   {"Blue Line", "", ""}}),
                         RowName());

TEST(RecordingDecoding, TheDefaultLimitIsHalfThePhysicalMemoryAtEightBytesAFrame)
{
    const std::int64_t limit = defaultFrameLimit();
    EXPECT_GT(limit, 10 * 60 * 48000) << "ten minutes fit on any machine this runs on";
    EXPECT_LE(limit, AudioDecoder::kDefaultFrameLimit);
}

} // namespace
