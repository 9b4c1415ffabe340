// MP3 export through the external encoder, and encoders that fail.
#include "Mp3Encoder.h"

#include "AudioDecoder.h"
#include "AudioFixtures.h"
#include "RowName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Feeds `frames` interleaved frames in 1024-frame hops, as the export does.
bool encode(Mp3Encoder& encoder, const QString& path, const std::vector<float>& x, int rateHz)
{
    if (!encoder.start(path, rateHz))
        return false;
    const auto frames = static_cast<std::int64_t>(x.size() / 2);
    for (std::int64_t done = 0; done < frames; done += 1024) {
        if (!encoder.write(x.data() + 2 * done, std::min<std::int64_t>(1024, frames - done)))
            return false;
    }
    return encoder.finish();
}

TEST(Mp3Encoder, EncodedSweepsDecodeWithTheirDurationAndShape)
{
    if (!Mp3Encoder::isAvailable())
        GTEST_SKIP() << "lame is not installed";
    constexpr int kRate = 44100;
    constexpr int kFrames = 3 * kRate;
    const auto left = fixtures::sweep(kRate, kFrames, 60.0, 8000.0, 0.6f);
    const auto right = fixtures::sweep(kRate, kFrames, 5000.0, 100.0, 0.4f);

    QTemporaryDir dir;
    // Blanks and quotes reach the encoder as one argument.
    const QString path = dir.filePath("my \"best\" take's mix.mp3");
    Mp3Encoder encoder;
    ASSERT_TRUE(encode(encoder, path, fixtures::interleave(left, right), kRate))
        << encoder.errorMessage().toStdString();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";

    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path)) << decoder.errorMessage().toStdString();
    ASSERT_TRUE(decoder.decodeAll(audio));
    EXPECT_EQ(audio.sampleRateHz, kRate);
    EXPECT_EQ(audio.channelCount, 2);
    // The encoder's delay and padding are at most about two MP3 frames.
    EXPECT_NEAR(audio.numFrames, kFrames, 2 * 1152);

    // Compare a middle second, searching the lag across that delay.
    const std::vector<float> leftMid(left.begin() + kRate, left.begin() + kRate + kRate / 2);
    const std::vector<float> rightMid(right.begin() + kRate, right.begin() + kRate + kRate / 2);
    const std::vector<float> decodedLeft(audio.left.begin() + kRate - 1200, audio.left.begin() + 2 * kRate);
    const std::vector<float> decodedRight(audio.right.begin() + kRate - 1200, audio.right.begin() + 2 * kRate);
    int lag = 0;
    // 320 kbit/s keeps a sweep's waveform nearly intact.
    EXPECT_GT(fixtures::bestCorrelation(leftMid, decodedLeft, 1200, &lag), 0.98);
    EXPECT_GT(fixtures::correlationAt(rightMid, decodedRight, lag), 0.98);
    EXPECT_LT(std::fabs(fixtures::correlationAt(leftMid, decodedRight, lag)), 0.2) << "channels kept apart";
}

// Encoders that do not deliver: the export reports an error and leaves the
// file that was there.
struct FailingCase
{
    const char* name;
    const char* script; // empty: the program does not exist
};

std::ostream& operator<<(std::ostream& os, const FailingCase& c)
{
    return os << c.name;
}

class Mp3Failing : public ::testing::TestWithParam<FailingCase>
{
};

TEST_P(Mp3Failing, IsAnErrorNeverASuccess)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("fake-lame");
    if (*GetParam().script) {
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(GetParam().script);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString path = dir.filePath("take.mp3");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old take");
    }
    Mp3Encoder encoder(program);
    const auto x = fixtures::sines(44100, 2, 44100, 440.0, 660.0);
    EXPECT_FALSE(encode(encoder, path, x, 44100));
    EXPECT_FALSE(encoder.errorMessage().isEmpty());
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old take");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), *GetParam().script ? 2 : 1)
        << "no partial output left";
}

INSTANTIATE_TEST_SUITE_P(
    Encoders, Mp3Failing,
    ::testing::Values(FailingCase{"missing", ""},
                      FailingCase{"exits_with_error",
                                  "#!/bin/sh\ncat > /dev/null\necho 'bad input' >&2\nexit 3\n"},
                      FailingCase{"quits_without_reading", "#!/bin/sh\nexit 1\n"},
                      FailingCase{"succeeds_but_writes_nothing", "#!/bin/sh\ncat > /dev/null\nexit 0\n"},
                      FailingCase{"killed", "#!/bin/sh\nkill -9 $$\n"}),
    RowName());

} // namespace
