// The decoder over every format the application opens, with fixtures
// encoded by the test from synthesised signals, and over bad input.
#include "AudioDecoder.h"

#include "AudioFixtures.h"
#include "RowName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include <unistd.h>

namespace {

constexpr double kLeftHz = 440.0;
constexpr double kRightHz = 1000.0;
constexpr float kAmplitude = 0.5f;

struct FormatCase
{
    const char* name;
    const char* extension;
    QStringList codecArgs; // empty: our own WAV writer
    int rateHz;
    int channels;
    std::int64_t lengthTolerance;   // frames
    std::int64_t estimateTolerance; // frames
    const char* reason;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c)
{
    return os << c.name;
}

// What the process writes to its standard error while work runs.
std::string stderrOf(const std::function<void()>& work)
{
    std::fflush(stderr);
    FILE* sink = std::tmpfile();
    const int saved = dup(STDERR_FILENO);
    if (sink == nullptr || saved < 0) {
        ADD_FAILURE() << "cannot capture standard error";
        work();
        return {};
    }
    dup2(fileno(sink), STDERR_FILENO);
    work();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text;
    std::rewind(sink);
    char buffer[512];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, sink)) > 0;)
        text.append(buffer, n);
    std::fclose(sink);
    return text;
}

// A second of the two tones, encoded into `extension` in dir.
QString makeFixture(const QTemporaryDir& dir, const FormatCase& c, double seconds = 1.0)
{
    const auto frames = static_cast<std::int64_t>(seconds * c.rateHz);
    const auto signal = fixtures::sines(c.rateHz, c.channels, frames, kLeftHz, kRightHz, kAmplitude);
    const QString wav = dir.filePath(QStringLiteral("source-%1-%2.wav").arg(c.rateHz).arg(c.channels));
    if (!fixtures::writeWav(wav, signal, c.rateHz, c.channels))
        return {};
    if (c.codecArgs.isEmpty())
        return wav;
    const QString out = dir.filePath(QStringLiteral("fixture-%1-%2").arg(c.rateHz).arg(c.channels) + c.extension);
    return fixtures::ffmpeg(wav, c.codecArgs, out) ? out : QString();
}

class DecoderFormats : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(DecoderFormats, DecodesAtNativeRateWithChannelsApart)
{
    const FormatCase& c = GetParam();
    if (!c.codecArgs.isEmpty() && !fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    const QString path = makeFixture(dir, c);
    ASSERT_FALSE(path.isEmpty());

    AudioDecoder decoder;
    DecodedAudio audio;
    bool opened = false;
    bool decoded = false;
    // A good file prints nothing: FFmpeg's warnings about the samples a
    // Vorbis or MP3 stream skips at its start go to our log category.
    const std::string printed = stderrOf([&] {
        opened = decoder.open(path);
        decoded = opened && decoder.decodeAll(audio);
    });
    EXPECT_EQ(printed, "");
    ASSERT_TRUE(opened) << decoder.errorMessage().toStdString();
    EXPECT_EQ(decoder.sampleRateHz(), c.rateHz);
    EXPECT_EQ(decoder.channelCount(), c.channels);
    EXPECT_NEAR(decoder.estimatedFrames(), c.rateHz, c.estimateTolerance) << c.reason;
    ASSERT_TRUE(decoded) << decoder.errorMessage().toStdString();
    EXPECT_NEAR(audio.numFrames, c.rateHz, c.lengthTolerance) << c.reason;
    ASSERT_EQ(audio.left.size(), static_cast<size_t>(audio.numFrames));
    ASSERT_EQ(audio.right.size(), audio.left.size());

    // The middle half: clear of codec start-up and padding.
    const std::int64_t from = audio.numFrames / 4;
    const std::int64_t n = audio.numFrames / 2;
    const float* left = audio.left.data() + from;
    const float* right = audio.right.data() + from;
    const double leftOwn = fixtures::toneLevel(left, n, 1, kLeftHz, c.rateHz);
    // A lossy codec keeps a tone's level within a few percent.
    EXPECT_NEAR(leftOwn, kAmplitude, 0.05 * kAmplitude);
    if (c.channels == 2) {
        const double rightOwn = fixtures::toneLevel(right, n, 1, kRightHz, c.rateHz);
        EXPECT_NEAR(rightOwn, kAmplitude, 0.05 * kAmplitude);
        // Joint-stereo coding may leak a little; 30 dB apart is still apart.
        EXPECT_LT(fixtures::toneLevel(left, n, 1, kRightHz, c.rateHz), leftOwn * 0.03);
        EXPECT_LT(fixtures::toneLevel(right, n, 1, kLeftHz, c.rateHz), rightOwn * 0.03);
    } else {
        EXPECT_EQ(audio.right, audio.left);
    }
}

const QStringList kMp3{"-c:a", "libmp3lame", "-b:a", "192k"};
const QStringList kAac{"-c:a", "aac", "-b:a", "192k"};

INSTANTIATE_TEST_SUITE_P(
    EveryExtension, DecoderFormats,
    ::testing::Values(
        FormatCase{"wav_44100_2", ".wav", {}, 44100, 2, 0, 0, "PCM is exact"},
        FormatCase{"wav_48000_1", ".wav", {}, 48000, 1, 0, 0, "PCM is exact"},
        FormatCase{"mp3_44100_2", ".mp3", kMp3, 44100, 2, 0, 2 * 1152,
                   "the LAME header gives the exact length; the estimate counts whole MP3 frames, the "
                   "encoder's delay and padding included"},
        FormatCase{"mp3_48000_1", ".mp3", kMp3, 48000, 1, 0, 2 * 1152,
                   "the LAME header gives the exact length; the estimate counts whole MP3 frames, the "
                   "encoder's delay and padding included"},
        FormatCase{"wma_44100_2",
                   ".wma",
                   {"-c:a", "wmav2", "-b:a", "128k"},
                   44100,
                   2,
                   2048,
                   2048,
                   "WMA pads to whole 2048-frame blocks"},
        FormatCase{"ogg_48000_2",
                   ".ogg",
                   {"-c:a", "libvorbis", "-q:a", "6"},
                   48000,
                   2,
                   0,
                   0,
                   "Ogg granule positions give the exact length"},
        FormatCase{"flac_44100_2", ".flac", {"-c:a", "flac"}, 44100, 2, 0, 0, "lossless, exact"},
        FormatCase{"flac_48000_1", ".flac", {"-c:a", "flac"}, 48000, 1, 0, 0, "lossless, exact"},
        FormatCase{"m4a_44100_2", ".m4a", kAac, 44100, 2, 1024, 0,
                   "the MP4 edit list trims AAC's priming, but FFmpeg keeps the padding of the last "
                   "1024-frame block"},
        FormatCase{"mp4_48000_2", ".mp4", kAac, 48000, 2, 1024, 0,
                   "the MP4 edit list trims AAC's priming, but FFmpeg keeps the padding of the last "
                   "1024-frame block"},
        FormatCase{"aac_44100_2", ".aac", kAac + QStringList{"-f", "adts"}, 44100, 2, 2048, 44100 / 5,
                   "raw ADTS keeps AAC's 1024-frame priming and pads the last block; its length is guessed "
                   "from the bit rate"},
        FormatCase{"aiff_44100_2", ".aiff", {"-c:a", "pcm_s16be"}, 44100, 2, 0, 0, "PCM is exact"},
        FormatCase{"aif_48000_1", ".aif", {"-c:a", "pcm_s16be", "-f", "aiff"}, 48000, 1, 0, 0, "PCM is exact"}),
    RowName());

// --- Bad input -----------------------------------------------------------

struct BadCase
{
    const char* name;
    const char* fileName;
    std::function<bool(const QString& path, const QTemporaryDir& dir)> make; // null: no file
    DecodeError expected;
};

std::ostream& operator<<(std::ostream& os, const BadCase& c)
{
    return os << c.name;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray randomBytes(int n, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray bytes(n, '\0');
    for (char& b : bytes)
        b = static_cast<char>(rng() & 0xff);
    return bytes;
}

class DecoderBadInput : public ::testing::TestWithParam<BadCase>
{
};

TEST_P(DecoderBadInput, GivesAnErrorCodeAndMessage)
{
    const BadCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(c.fileName));
    if (c.make) {
        ASSERT_TRUE(c.make(path, dir));
    }

    AudioDecoder decoder;
    DecodedAudio audio;
    audio.numFrames = 7; // must survive a failed decode
    const bool decoded = decoder.open(path) && decoder.decodeAll(audio);
    EXPECT_FALSE(decoded);
    EXPECT_EQ(decoder.error(), c.expected) << decoder.errorMessage().toStdString();
    EXPECT_FALSE(decoder.errorMessage().isEmpty());
    EXPECT_EQ(audio.numFrames, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecoderBadInput,
    ::testing::Values(
        BadCase{"missing", "missing.wav", nullptr, DecodeError::FileNotFound},
        BadCase{"folder", "folder.mp3", [](const QString& p, const QTemporaryDir&) { return QDir().mkdir(p); },
                DecodeError::FileUnreadable},
        BadCase{"empty", "empty.wav", [](const QString& p, const QTemporaryDir&) { return writeBytes(p, {}); },
                DecodeError::FileEmpty},
        BadCase{"text_named_mp3", "notes.mp3",
                [](const QString& p, const QTemporaryDir&) {
                    return writeBytes(p, QByteArray("These are my practice notes.\n").repeated(200));
                },
                DecodeError::NotAudio},
        BadCase{"random_named_mp3", "noise.mp3",
                [](const QString& p, const QTemporaryDir&) { return writeBytes(p, randomBytes(200000, 7)); },
                DecodeError::NotAudio},
        BadCase{"random_named_flac", "noise.flac",
                [](const QString& p, const QTemporaryDir&) { return writeBytes(p, randomBytes(200000, 11)); },
                DecodeError::NotAudio},
        BadCase{"one_mp3_frame_in_noise", "noise.mp3",
                [](const QString& p, const QTemporaryDir& dir) {
                    // One real MP3 frame among arbitrary bytes: FFmpeg takes it
                    // for MP3 with the lowest confidence and would decode noise.
                    if (!fixtures::haveFfmpeg())
                        return false;
                    const QString wav = dir.filePath("s.wav");
                    const QString mp3 = dir.filePath("s.mp3");
                    if (!fixtures::writeWav(wav, fixtures::sines(44100, 2, 44100, kLeftHz, kRightHz), 44100, 2)
                        || !fixtures::ffmpeg(wav, kMp3, mp3))
                        return false;
                    QFile f(mp3);
                    if (!f.open(QIODevice::ReadOnly))
                        return false;
                    const QByteArray encoded = f.readAll();
                    int sync = encoded.size() / 2;
                    while (sync + 1 < encoded.size()
                           && !(static_cast<uchar>(encoded[sync]) == 0xff
                                && (static_cast<uchar>(encoded[sync + 1]) & 0xe0) == 0xe0))
                        ++sync;
                    return writeBytes(p, randomBytes(3000, 9) + encoded.mid(sync, 1200) + randomBytes(3000, 10));
                },
                DecodeError::NotAudio},
        BadCase{"header_then_garbage", "damaged.flac",
                [](const QString& p, const QTemporaryDir& dir) {
                    // A real FLAC header and stream info, then noise instead of frames.
                    if (!fixtures::haveFfmpeg())
                        return false;
                    const auto x = fixtures::sines(44100, 2, 44100, kLeftHz, kRightHz);
                    const QString wav = dir.filePath("s.wav");
                    const QString flac = dir.filePath("s.flac");
                    if (!fixtures::writeWav(wav, x, 44100, 2) || !fixtures::ffmpeg(wav, {"-c:a", "flac"}, flac))
                        return false;
                    QFile f(flac);
                    if (!f.open(QIODevice::ReadOnly))
                        return false;
                    return writeBytes(p, f.read(42) + randomBytes(100000, 3));
                },
                DecodeError::NotAudio}),
    RowName());

// Tones with a little noise: enough content that every codec writes many
// packets (a pure tone fits a few Ogg pages).
std::vector<float> noisyTones(int rateHz, std::int64_t numFrames)
{
    auto x = fixtures::sines(rateHz, 2, numFrames, kLeftHz, kRightHz, kAmplitude);
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> noise(-0.02f, 0.02f);
    for (float& v : x)
        v += noise(rng);
    return x;
}

// A file cut short gives exactly the frames it holds, or, where the cut
// took the index with it, an error.
struct TruncationCase
{
    const char* name;
    const char* extension;
    QStringList codecArgs;
    DecodeError expected;
};

std::ostream& operator<<(std::ostream& os, const TruncationCase& c)
{
    return os << c.name;
}

class DecoderTruncated : public ::testing::TestWithParam<TruncationCase>
{
};

TEST_P(DecoderTruncated, GivesTheFramesPresentAndNothingElse)
{
    const TruncationCase& c = GetParam();
    if (!c.codecArgs.isEmpty() && !fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    constexpr int kRate = 44100;
    constexpr std::int64_t kFrames = 4 * kRate;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("source.wav"));
    ASSERT_TRUE(fixtures::writeWav(path, noisyTones(kRate, kFrames), kRate, 2));
    if (!c.codecArgs.isEmpty()) {
        const QString encoded = dir.filePath(QStringLiteral("cut") + c.extension);
        ASSERT_TRUE(fixtures::ffmpeg(path, c.codecArgs, encoded));
        path = encoded;
    }
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() * 6 / 10));

    AudioDecoder decoder;
    DecodedAudio audio;
    const bool decoded = decoder.open(path) && decoder.decodeAll(audio);
    if (c.expected != DecodeError::None) {
        EXPECT_FALSE(decoded);
        EXPECT_EQ(decoder.error(), c.expected);
        return;
    }
    ASSERT_TRUE(decoded) << decoder.errorMessage().toStdString();
    // Compressed packets vary in size, so the cut lands near, not at, 60 %.
    EXPECT_GT(audio.numFrames, kFrames * 45 / 100);
    EXPECT_LT(audio.numFrames, kFrames * 70 / 100);
    // No burst of noise where the file ends: the last 0.1 s before the
    // codec's final block still carries the tones at their level.
    const std::int64_t n = 4410;
    const float* tail = audio.left.data() + audio.numFrames - n - 2048;
    EXPECT_NEAR(fixtures::toneLevel(tail, n, 1, kLeftHz, kRate), kAmplitude, 0.05 * kAmplitude);
    for (std::int64_t i = 0; i < audio.numFrames; ++i)
        ASSERT_LE(std::fabs(audio.left[static_cast<size_t>(i)]), 1.0f) << "frame " << i;
}

INSTANTIATE_TEST_SUITE_P(Formats, DecoderTruncated,
                         ::testing::Values(TruncationCase{"wav", ".wav", {}, DecodeError::None},
                                           TruncationCase{"mp3", ".mp3", kMp3, DecodeError::None},
                                           TruncationCase{"flac", ".flac", {"-c:a", "flac"}, DecodeError::None},
                                           TruncationCase{"ogg", ".ogg", {"-c:a", "libvorbis"}, DecodeError::None},
                                           TruncationCase{"m4a_index_first", ".m4a",
                                                          kAac + QStringList{"-movflags", "+faststart"},
                                                          DecodeError::None},
                                           TruncationCase{"m4a_index_last", ".m4a", kAac, DecodeError::NotAudio}),
                         RowName());

// Corrupts the inside of FLAC frames (the frame headers stay, so the frames
// are still found): `which` picks the frames by their order, -1 all.
bool damageFlacFrames(const QString& path, int which)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = f.readAll();
    // Skip the metadata blocks: "fLaC", then blocks of a 4-byte header.
    int pos = 4;
    bool last = false;
    while (!last && pos + 4 <= bytes.size()) {
        last = (static_cast<uchar>(bytes[pos]) & 0x80) != 0;
        pos += 4
            + ((static_cast<uchar>(bytes[pos + 1]) << 16) | (static_cast<uchar>(bytes[pos + 2]) << 8)
               | static_cast<uchar>(bytes[pos + 3]));
    }
    std::vector<int> starts;
    for (int i = pos; i + 1 < bytes.size(); ++i) {
        if (static_cast<uchar>(bytes[i]) == 0xff && static_cast<uchar>(bytes[i + 1]) == 0xf8)
            starts.push_back(i);
    }
    starts.push_back(bytes.size());
    for (size_t k = 0; k + 1 < starts.size(); ++k) {
        if (which >= 0 && static_cast<int>(k) != which)
            continue;
        // A few flipped bits, as a bad sector leaves them: the frame still
        // parses, only its checksum tells.
        for (int i = starts[k] + 16; i < starts[k + 1] - 4; i += 97)
            bytes[i] = static_cast<char>(bytes[i] ^ 0x10);
    }
    return f.seek(0) && f.write(bytes) == bytes.size();
}

QString flacFixture(const QTemporaryDir& dir)
{
    const QString wav = dir.filePath("s.wav");
    const QString flac = dir.filePath("s.flac");
    if (!fixtures::writeWav(wav, fixtures::sines(44100, 2, 2 * 44100, kLeftHz, kRightHz), 44100, 2)
        || !fixtures::ffmpeg(wav, {"-c:a", "flac"}, flac))
        return {};
    return flac;
}

TEST(AudioDecoder, DamagedFlacFrameBecomesSilenceOfItsLength)
{
    if (!fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    const QString path = flacFixture(dir);
    ASSERT_FALSE(path.isEmpty());
    ASSERT_TRUE(damageFlacFrames(path, 4));
    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path));
    ASSERT_TRUE(decoder.decodeAll(audio)) << decoder.errorMessage().toStdString();
    EXPECT_EQ(audio.numFrames, 2 * 44100) << "everything after the damage keeps its time";
    // ffmpeg's FLAC encoder writes 4608-frame blocks: the fifth is silent,
    // the others carry the tones exactly.
    const auto x = fixtures::sines(44100, 2, 2 * 44100, kLeftHz, kRightHz);
    for (std::int64_t i = 0; i < audio.numFrames; ++i) {
        const bool damaged = i >= 4 * 4608 && i < 5 * 4608;
        const float want = damaged ? 0.0f : x[static_cast<size_t>(2 * i)];
        ASSERT_NEAR(audio.left[static_cast<size_t>(i)], want, 1.0 / 32768) << "frame " << i;
    }
}

TEST(AudioDecoder, FlacWithNoIntactFrameIsDamaged)
{
    if (!fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    const QString path = flacFixture(dir);
    ASSERT_FALSE(path.isEmpty());
    ASSERT_TRUE(damageFlacFrames(path, -1));
    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path));
    EXPECT_FALSE(decoder.decodeAll(audio));
    EXPECT_EQ(decoder.error(), DecodeError::Damaged);
}

TEST(AudioDecoder, WavClaimingMoreFramesGivesExactlyThoseHeld)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("claims.wav");
    const auto x = fixtures::sines(44100, 2, 44100, kLeftHz, kRightHz);
    ASSERT_TRUE(fixtures::writeWav(path, x, 44100, 2));
    {
        // The header says ten seconds.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        uchar length[4];
        qToLittleEndian<quint32>(10 * 44100 * 4, length);
        f.seek(40);
        f.write(reinterpret_cast<const char*>(length), 4);
        qToLittleEndian<quint32>(10 * 44100 * 4 + 36, length);
        f.seek(4);
        f.write(reinterpret_cast<const char*>(length), 4);
    }
    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path));
    ASSERT_TRUE(decoder.decodeAll(audio));
    ASSERT_EQ(audio.numFrames, 44100);
    for (size_t i = 0; i < 44100; ++i) {
        // The WAV holds 16-bit samples: within one step of the source.
        ASSERT_NEAR(audio.left[i], x[2 * i], 1.0 / 32768) << i;
        ASSERT_NEAR(audio.right[i], x[2 * i + 1], 1.0 / 32768) << i;
    }
}

// The content decides, not the extension.
TEST(AudioDecoder, MisleadingExtensionDecodesByContent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("really-a-wav.mp3");
    const auto x = fixtures::sines(48000, 2, 48000, kLeftHz, kRightHz);
    ASSERT_TRUE(fixtures::writeWav(path, x, 48000, 2));
    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path));
    ASSERT_TRUE(decoder.decodeAll(audio));
    EXPECT_EQ(audio.sampleRateHz, 48000);
    EXPECT_EQ(audio.numFrames, 48000);
}

TEST(AudioDecoder, MixesSixChannelsDownToStereo)
{
    if (!fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    const QString wav = dir.filePath("s.wav");
    const QString surround = dir.filePath("surround.flac");
    ASSERT_TRUE(fixtures::writeWav(wav, fixtures::sines(48000, 2, 48000, kLeftHz, kRightHz, 0.9f), 48000, 2));
    // Left tone on the left pair, right tone on the right pair, both on the
    // centre: a mix-down that adds them up would clip.
    ASSERT_TRUE(fixtures::ffmpeg(
        wav, {"-af", "pan=5.1|FL=c0|FR=c1|FC=0.5*c0+0.5*c1|LFE=0*c0|BL=c0|BR=c1", "-c:a", "flac"}, surround));
    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(surround));
    EXPECT_EQ(decoder.sourceChannelCount(), 6);
    ASSERT_TRUE(decoder.decodeAll(audio));
    EXPECT_EQ(audio.channelCount, 2);
    const std::int64_t n = audio.numFrames / 2;
    const float* left = audio.left.data() + n / 2;
    const float* right = audio.right.data() + n / 2;
    EXPECT_GT(fixtures::toneLevel(left, n, 1, kLeftHz, 48000),
              3 * fixtures::toneLevel(left, n, 1, kRightHz, 48000));
    EXPECT_GT(fixtures::toneLevel(right, n, 1, kRightHz, 48000),
              3 * fixtures::toneLevel(right, n, 1, kLeftHz, 48000));
    for (std::int64_t i = 0; i < audio.numFrames; ++i) {
        ASSERT_LE(std::fabs(audio.left[static_cast<size_t>(i)]), 1.0f) << i;
        ASSERT_LE(std::fabs(audio.right[static_cast<size_t>(i)]), 1.0f) << i;
    }
}

TEST(AudioDecoder, MixesAnAmbisonicRecordingDownToStereo)
{
    if (!fixtures::haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed";
    // First-order ambisonics (ACN order, SN3D) of one tone from the left
    // and one from the right: W = l + r, Y = l - r, nothing up, down, in
    // front or behind.
    constexpr int kRate = 48000;
    const auto tones = fixtures::sines(kRate, 2, kRate, kLeftHz, kRightHz, 0.4f);
    std::vector<float> foa(tones.size() * 2, 0.0f);
    for (size_t f = 0; f < tones.size() / 2; ++f) {
        foa[4 * f] = tones[2 * f] + tones[2 * f + 1];
        foa[4 * f + 1] = tones[2 * f] - tones[2 * f + 1];
    }
    QTemporaryDir dir;
    const QString wav = dir.filePath("foa.wav");
    const QString opus = dir.filePath("foa.opus");
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fixtures::pcmWav(kRate, 4, foa));
    file.close();
    // Mapping family 2 marks the stream ambisonic; FFmpeg reports it so.
    ASSERT_TRUE(fixtures::ffmpeg(wav, {"-c:a", "libopus", "-mapping_family", "2", "-b:a", "256k"}, opus));

    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(opus)) << decoder.errorMessage().toStdString();
    ASSERT_TRUE(decoder.decodeAll(audio)) << decoder.errorMessage().toStdString();
    EXPECT_EQ(audio.sourceChannelCount, 4);
    EXPECT_EQ(audio.channelCount, 2);
    const std::int64_t n = audio.numFrames / 2;
    const float* left = audio.left.data() + n / 2;
    const float* right = audio.right.data() + n / 2;
    // Each tone on its own side, 20 dB over the other (the codec leaks).
    const double leftOwn = fixtures::toneLevel(left, n, 1, kLeftHz, kRate);
    const double rightOwn = fixtures::toneLevel(right, n, 1, kRightHz, kRate);
    EXPECT_GT(leftOwn, 0.2);
    EXPECT_GT(rightOwn, 0.2);
    EXPECT_LT(fixtures::toneLevel(left, n, 1, kRightHz, kRate), 0.1 * leftOwn);
    EXPECT_LT(fixtures::toneLevel(right, n, 1, kLeftHz, kRate), 0.1 * rightOwn);
}

// Channel c alone sounds in slot c (a constant 0.5), then every channel at
// 0.9 at once: what each channel gives each side, and whether all of them
// together clip.
class ChannelMixDown : public ::testing::TestWithParam<int>
{
protected:
    static constexpr int kSlot = 256;

    static QByteArray wavBytes(int channels)
    {
        const int frames = (channels + 1) * kSlot;
        std::vector<float> x(static_cast<size_t>(frames) * channels, 0.0f);
        for (int f = 0; f < frames; ++f) {
            const int slot = f / kSlot;
            for (int c = 0; c < channels; ++c) {
                if (slot == c)
                    x[static_cast<size_t>(f) * channels + c] = 0.5f;
                else if (slot == channels)
                    x[static_cast<size_t>(f) * channels + c] = 0.9f;
            }
        }
        return fixtures::pcmWav(44100, channels, x);
    }
};

TEST_P(ChannelMixDown, EveryChannelIsHeardAndNothingClips)
{
    const int channels = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("channels.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wavBytes(channels));
    file.close();

    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path)) << decoder.errorMessage().toStdString();
    ASSERT_TRUE(decoder.decodeAll(audio)) << decoder.errorMessage().toStdString();
    EXPECT_EQ(audio.sourceChannelCount, channels);
    EXPECT_EQ(audio.channelCount, channels == 1 ? 1 : 2);
    ASSERT_EQ(audio.numFrames, (channels + 1) * kSlot);

    // Without a channel mask FFmpeg guesses a layout for 1-8, 16 and 24
    // channels and mixes by it; other counts take even channels left, odd
    // ones right.
    const bool ownRule = channels > 8 && channels != 16 && channels != 24;
    const size_t middle = kSlot / 2;
    for (int c = 0; c < channels; ++c) {
        const size_t at = static_cast<size_t>(c) * kSlot + middle;
        const float left = audio.left[at];
        const float right = audio.right[at];
        // Half an even share of the 0.5 at least: no channel is left out.
        EXPECT_GT(left + right, 0.25f / static_cast<float>(channels)) << "channel " << c;
        if (ownRule) {
            const int side = c % 2 == 0 ? (channels + 1) / 2 : channels / 2;
            // 16-bit input: within a step of the exact share.
            EXPECT_NEAR(c % 2 == 0 ? left : right, 0.5f / static_cast<float>(side), 1.0f / 32768) << c;
            EXPECT_EQ(c % 2 == 0 ? right : left, 0.0f) << c;
        }
    }
    const size_t all = static_cast<size_t>(channels) * kSlot + middle;
    EXPECT_LE(std::fabs(audio.left[all]), 0.9f + 1.0f / 32768);
    EXPECT_LE(std::fabs(audio.right[all]), 0.9f + 1.0f / 32768);
    if (ownRule) {
        EXPECT_NEAR(audio.left[all], 0.9f, 1e-3f) << "the row sums to 1";
        EXPECT_NEAR(audio.right[all], 0.9f, 1e-3f) << "the row sums to 1";
    }
}

INSTANTIATE_TEST_SUITE_P(OneToSixtyFour, ChannelMixDown, ::testing::Range(1, 65));

// A header that names where each channel sits: every channel is heard, on
// its own side ('L', 'R') or on both alike ('C'). One or two channels are
// a mono recording or a stereo pair whatever speakers the header names
// (recorders label a pair by position), so they come out as they are.
struct SpeakerMask
{
    const char* name;
    int channels;
    std::int64_t mask; // -1: the plain header, no mask
    const char* sides; // one per channel
    const char* reason;
};

std::ostream& operator<<(std::ostream& os, const SpeakerMask& c)
{
    return os << c.name;
}

class DecoderSpeakerMasks : public ::testing::TestWithParam<SpeakerMask>
{
};

TEST_P(DecoderSpeakerMasks, EveryChannelIsHeardOnItsSide)
{
    const SpeakerMask& c = GetParam();
    constexpr int kRate = 44100;
    constexpr int kFrames = kRate / 4;
    const double toneHz[] = {440.0, 1000.0, 2500.0, 3700.0};
    std::vector<float> x(static_cast<size_t>(kFrames) * c.channels);
    for (int ch = 0; ch < c.channels; ++ch) {
        std::vector<float> tone(kFrames, 0.0f);
        synth::addSine(tone, kRate, toneHz[ch], kAmplitude, 0, tone.size());
        for (int f = 0; f < kFrames; ++f)
            x[static_cast<size_t>(f) * c.channels + ch] = tone[static_cast<size_t>(f)];
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("masked.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.mask < 0 ? fixtures::pcmWav(kRate, c.channels, x)
                          : fixtures::extensibleWav(kRate, c.channels, static_cast<std::uint32_t>(c.mask), x));
    file.close();

    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path)) << decoder.errorMessage().toStdString();
    ASSERT_TRUE(decoder.decodeAll(audio)) << c.reason << ": " << decoder.errorMessage().toStdString();
    EXPECT_EQ(audio.sourceChannelCount, c.channels);
    EXPECT_EQ(audio.channelCount, c.channels == 1 ? 1 : 2);
    ASSERT_EQ(audio.numFrames, kFrames);
    for (int ch = 0; ch < c.channels; ++ch) {
        const double left = fixtures::toneLevel(audio.left.data(), kFrames, 1, toneHz[ch], kRate);
        const double right = fixtures::toneLevel(audio.right.data(), kFrames, 1, toneHz[ch], kRate);
        // Heard: at least half an even share of the tone.
        EXPECT_GT(std::max(left, right), 0.5 * kAmplitude / c.channels) << "channel " << ch << ": " << c.reason;
        // Absent: 40 dB down, above what the other tones leak into the
        // measurement (about 0.3 %).
        const double absent = 0.01 * kAmplitude;
        switch (c.sides[ch]) {
        case 'L':
            EXPECT_LT(right, absent) << "channel " << ch << " on the right: " << c.reason;
            break;
        case 'R':
            EXPECT_LT(left, absent) << "channel " << ch << " on the left: " << c.reason;
            break;
        default:
            EXPECT_NEAR(left, right, 0.01 * kAmplitude) << "channel " << ch << " off centre: " << c.reason;
        }
        // As they are: 16-bit input, within a step.
        if (c.channels <= 2) {
            EXPECT_NEAR(std::max(left, right), kAmplitude, 2.0 / 32768) << "channel " << ch << ": " << c.reason;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Masks, DecoderSpeakerMasks,
    ::testing::Values(
        SpeakerMask{"mono_front_left", 1, 0x1, "C", "one microphone labelled left is still the recording"},
        SpeakerMask{"mono_lfe", 1, 0x8, "C", "a low-frequency track alone is the recording"},
        SpeakerMask{"pair_plain", 2, -1, "LR", "no mask"},
        SpeakerMask{"pair_front", 2, 0x3, "LR", "the usual stereo mask"},
        SpeakerMask{"pair_side", 2, 0x600, "LR", "a pair labelled as side speakers"},
        SpeakerMask{"pair_back", 2, 0x30, "LR", "a pair labelled as back speakers"},
        SpeakerMask{"pair_left_and_centre", 2, 0x5, "LR", "front left and centre"},
        SpeakerMask{"pair_left_and_lfe", 2, 0x9, "LR", "front left and LFE"},
        SpeakerMask{"pair_top_front", 2, 0x5000, "LR", "a pair labelled as height speakers"},
        SpeakerMask{"pair_mask_zero", 2, 0, "LR", "an extensible header naming no speaker"},
        SpeakerMask{"pair_mask_one_bit", 2, 0x4, "LR", "a mask naming fewer speakers than channels"},
        SpeakerMask{"pair_mask_three_bits", 2, 0x7, "LR", "a mask naming more speakers than channels"},
        SpeakerMask{"three_front", 3, 0x7, "LRC", "the usual three-channel layout"},
        SpeakerMask{"three_lfe_and_sides", 3, 0x608, "CLR", "no front speaker: the sides keep their sides"},
        SpeakerMask{"three_backs_and_centre", 3, 0x130, "LRC", "back pair and back centre"},
        SpeakerMask{"three_left_centre_lfe", 3, 0xd, "LCC", "a front left without its right"},
        SpeakerMask{"four_tops", 4, 0x2d000, "LRLR", "height speakers only"}),
    RowName());

TEST(AudioDecoder, MoreChannelsThanTheMixerTakesAreNoRecording)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("channels.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WavWriter::header(44100, 65, 65 * 2 * 100) + QByteArray(65 * 2 * 100, '\0'));
    file.close();
    AudioDecoder decoder;
    EXPECT_FALSE(decoder.open(path));
    EXPECT_EQ(decoder.error(), DecodeError::NotAudio);
}

TEST(AudioDecoder, ReportsEachWholePercentOnceInOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.wav");
    ASSERT_TRUE(fixtures::writeWav(path, fixtures::sines(44100, 2, 3 * 44100, kLeftHz, kRightHz), 44100, 2));
    AudioDecoder decoder;
    DecodedAudio audio;
    std::vector<int> reported;
    ASSERT_TRUE(decoder.open(path));
    ASSERT_TRUE(decoder.decodeAll(audio, [&](int percent) { reported.push_back(percent); }));
    ASSERT_EQ(reported.size(), 101u);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(reported[static_cast<size_t>(i)], i);
}

TEST(AudioDecoder, TooManyFramesIsReportedAndLeavesTheOldBuffers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.wav");
    ASSERT_TRUE(fixtures::writeWav(path, fixtures::sines(44100, 2, 44100, kLeftHz, kRightHz), 44100, 2));
    AudioDecoder decoder;
    DecodedAudio audio;
    audio.left.assign(5, 0.25f);
    audio.numFrames = 5;
    decoder.setFrameLimit(10000);
    ASSERT_TRUE(decoder.open(path));
    EXPECT_FALSE(decoder.decodeAll(audio));
    EXPECT_EQ(decoder.error(), DecodeError::TooLarge);
    EXPECT_EQ(audio.numFrames, 5);
    EXPECT_EQ(audio.left.size(), 5u);
}

TEST(AudioDecoder, ReadsNonAsciiPaths)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Música ñ")));
    const QString path = dir.filePath(QString::fromUtf8("Música ñ/日本 \"take\" #1.wav"));
    ASSERT_TRUE(fixtures::writeWav(path, fixtures::sines(44100, 1, 1000, kLeftHz, 0), 44100, 1));
    AudioDecoder decoder;
    DecodedAudio audio;
    ASSERT_TRUE(decoder.open(path)) << decoder.errorMessage().toStdString();
    ASSERT_TRUE(decoder.decodeAll(audio));
    EXPECT_EQ(audio.numFrames, 1000);
}

} // namespace
