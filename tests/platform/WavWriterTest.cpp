// The one WAV writer: header fields, the 16-bit rule, a round trip through
// the decoder, and failures that must never look like success.
#include "WavWriter.h"

#include "AudioDecoder.h"
#include "AudioFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <sys/resource.h>

namespace {

struct Pcm16Case
{
    float in;
    std::int16_t out;
};

std::ostream& operator<<(std::ostream& os, const Pcm16Case& c)
{
    return os << c.in << "->" << c.out;
}

class WavPcm16 : public ::testing::TestWithParam<Pcm16Case>
{
};

TEST_P(WavPcm16, ScalesTruncatesAndLimits)
{
    EXPECT_EQ(WavWriter::toPcm16(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Rule, WavPcm16,
                         ::testing::Values(Pcm16Case{1.0f, 32767}, Pcm16Case{-1.0f, -32768},
                                           Pcm16Case{0.99999f, 32767}, Pcm16Case{-0.5f, -16384},
                                           Pcm16Case{1.5f, 32767}, Pcm16Case{-1.5f, -32768}, Pcm16Case{2.0e-5f, 0},
                                           Pcm16Case{-2.0e-5f, 0}, Pcm16Case{0.25f + 1.0f / 65536, 8192},
                                           Pcm16Case{-(0.25f + 1.0f / 65536), -8192},
                                           Pcm16Case{std::numeric_limits<float>::quiet_NaN(), 0},
                                           Pcm16Case{std::numeric_limits<float>::infinity(), 32767},
                                           Pcm16Case{-std::numeric_limits<float>::infinity(), -32768}));

struct HeaderCase
{
    std::int64_t frames;
    int rateHz;
    int channels;
};

std::ostream& operator<<(std::ostream& os, const HeaderCase& c)
{
    return os << c.frames << "_" << c.rateHz << "_" << c.channels;
}

class WavHeader : public ::testing::TestWithParam<HeaderCase>
{
};

TEST_P(WavHeader, LengthsAndFormatAreFilledIn)
{
    const HeaderCase c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("h.wav");
    const std::vector<float> x(static_cast<size_t>(c.frames * c.channels), 0.1f);
    WavWriter writer;
    ASSERT_TRUE(writer.open(path, c.rateHz, c.channels));
    // Written in uneven pieces, as the exports write them.
    std::int64_t done = 0;
    for (std::int64_t piece = 1; done < c.frames; piece = piece * 3 + 1) {
        const std::int64_t n = std::min(piece, c.frames - done);
        ASSERT_TRUE(writer.write(x.data() + done * c.channels, n));
        done += n;
    }
    ASSERT_TRUE(writer.close()) << writer.errorMessage().toStdString();

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const std::int64_t dataBytes = c.frames * c.channels * 2;
    ASSERT_EQ(bytes.size(), 44 + dataBytes);
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 4), 36 + dataBytes);
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 16), 16u);
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 20), 1u);
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 22), c.channels);
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 24), static_cast<quint32>(c.rateHz));
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 28), static_cast<quint32>(c.rateHz * c.channels * 2));
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 32), c.channels * 2);
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 34), 16u);
    EXPECT_EQ(bytes.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 40), dataBytes);
    if (c.frames > 0) {
        // The last frame is complete, right sample included.
        EXPECT_EQ(qFromLittleEndian<qint16>(p + bytes.size() - 2), WavWriter::toPcm16(0.1f));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WavHeader,
                         ::testing::Values(HeaderCase{1000, 44100, 2}, // a 4044-byte file
                                           HeaderCase{1001, 48000, 2}, HeaderCase{333, 22050, 1},
                                           HeaderCase{0, 44100, 2}));

TEST(WavWriter, DecodesBackWithinOneStep)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("round.wav");
    const auto left = fixtures::sweep(44100, 44100, 50.0, 15000.0, 0.99f);
    auto right = fixtures::sweep(44100, 44100, 12000.0, 80.0, 0.7f);
    right[0] = 1.0f; // the limits
    right[1] = -1.0f;
    const auto x = fixtures::interleave(left, right);
    ASSERT_TRUE(fixtures::writeWav(path, x, 44100, 2));

    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path));
    ASSERT_TRUE(decoder.decodeAll(audio));
    ASSERT_EQ(audio.numFrames, 44100);
    for (size_t i = 0; i < 44100; ++i) {
        // Truncation toward zero loses less than one 16-bit step.
        ASSERT_NEAR(audio.left[i], left[i], 1.0 / 32768) << i;
        ASSERT_NEAR(audio.right[i], right[i], 1.0 / 32768) << i;
    }
}

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<missing>");
}

TEST(WavWriter, UnwritablePathIsAnError)
{
    QTemporaryDir dir;
    const QString notADir = dir.filePath("file");
    QFile blocker(notADir);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    WavWriter writer;
    EXPECT_FALSE(writer.open(notADir + "/out.wav", 44100));
    EXPECT_FALSE(writer.errorMessage().isEmpty());
    const float frame[2] = {0.1f, 0.1f};
    EXPECT_FALSE(writer.write(frame, 1));
    EXPECT_FALSE(writer.close());
}

// A disk that fills up mid-way: the writer says so, and the file that was
// there before is still there.
TEST(WavWriter, FullDiskIsAnErrorAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("take.wav");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old take");
    }
    const std::vector<float> x(2 * 44100, 0.2f);

    // The file-size limit stands in for a full disk: writes past it fail
    // with EFBIG (the signal it would raise is ignored meanwhile).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    WavWriter writer;
    bool ok = writer.open(path, 44100);
    for (int i = 0; ok && i < 4; ++i)
        ok = writer.write(x.data(), 44100);
    ok = writer.close() && ok;

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_FALSE(writer.errorMessage().isEmpty());
    EXPECT_EQ(readAll(path), "old take");
}

TEST(WavWriter, AnUnclosedWriterLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("abandoned.wav");
    {
        WavWriter writer;
        ASSERT_TRUE(writer.open(path, 44100));
        const float frame[2] = {0.1f, 0.1f};
        ASSERT_TRUE(writer.write(frame, 1));
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
