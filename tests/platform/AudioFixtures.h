// Fixture files for the platform tests, from the synthetic-signal kit,
// written into the test's own temporary folder, and measurements of them.
#pragma once

#include "SyntheticSignals.h"
#include "WavWriter.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <vector>

namespace fixtures {

constexpr double kPi = 3.14159265358979323846;

// The kit's signals under the names these tests use.
using synth::interleave;
using synth::sweep;

inline std::vector<float> sines(int rateHz, int channels, std::int64_t numFrames, double leftHz, double rightHz,
                                float amplitude = 0.5f)
{
    return synth::interleavedSines(rateHz, channels, numFrames, leftHz, rightHz, amplitude);
}

inline bool writeWav(const QString& path, const std::vector<float>& interleaved, int rateHz, int channels)
{
    WavWriter writer;
    return writer.open(path, rateHz, channels)
        && writer.write(interleaved.data(), static_cast<std::int64_t>(interleaved.size()) / channels)
        && writer.close();
}

// A 16-bit WAV of any channel count in memory, with the plain 44-byte header
// (which says nothing of where the channels sit).
inline QByteArray pcmWav(int rateHz, int channels, const std::vector<float>& interleaved)
{
    QByteArray bytes = WavWriter::header(rateHz, channels, static_cast<std::uint32_t>(interleaved.size() * 2));
    const int headerBytes = bytes.size();
    bytes.resize(headerBytes + static_cast<int>(interleaved.size() * 2));
    WavWriter::toPcm16(interleaved.data(), static_cast<std::int64_t>(interleaved.size()),
                       bytes.data() + headerBytes);
    return bytes;
}

// The same with the extensible header, whose channel mask names the
// speaker of each channel (bit 0 front left, 1 front right, 2 centre,
// 3 LFE, 4/5 back pair, 9/10 side pair ...), lowest bit first.
inline QByteArray extensibleWav(int rateHz, int channels, std::uint32_t channelMask,
                                const std::vector<float>& interleaved)
{
    const QByteArray plain = pcmWav(rateHz, channels, interleaved);
    const QByteArray samples = plain.mid(WavWriter::kHeaderBytes);
    const auto u16 = [](std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        return QByteArray(b, 2);
    };
    const auto u32 = [](std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        return QByteArray(b, 4);
    };
    const auto blockAlign = static_cast<std::uint16_t>(channels * 2);
    // The sub-format: integer PCM.
    static const char kPcmGuid[] = "\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71";
    QByteArray fmt = u16(0xfffe) + u16(static_cast<std::uint16_t>(channels))
        + u32(static_cast<std::uint32_t>(rateHz)) + u32(static_cast<std::uint32_t>(rateHz) * blockAlign)
        + u16(blockAlign) + u16(16) + u16(22) + u16(16) + u32(channelMask) + QByteArray(kPcmGuid, 16);
    const QByteArray body = "WAVE" + QByteArray("fmt ") + u32(static_cast<std::uint32_t>(fmt.size())) + fmt
        + "data" + u32(static_cast<std::uint32_t>(samples.size())) + samples;
    return "RIFF" + u32(static_cast<std::uint32_t>(body.size())) + body;
}

inline bool haveFfmpeg()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

// ffmpeg -i input [args] output; true when it succeeded.
inline bool ffmpeg(const QString& input, const QStringList& args, const QString& output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral("ffmpeg"),
            QStringList{"-hide_banner", "-nostdin", "-loglevel", "error", "-y", "-i", input} + args
                + QStringList{output});
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Power of one frequency in every stride-th value of x (Goertzel), per
// value, so segments of different lengths compare.
inline double toneLevel(const float* x, std::int64_t numValues, int stride, double frequencyHz, double rateHz)
{
    const double w = 2 * kPi * frequencyHz / rateHz;
    const double c = 2 * std::cos(w);
    double s1 = 0;
    double s2 = 0;
    std::int64_t n = 0;
    for (std::int64_t i = 0; i < numValues; i += stride, ++n) {
        const double s0 = x[i] + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - c * s1 * s2;
    return n > 0 ? std::sqrt(power) * 2 / static_cast<double>(n) : 0.0; // amplitude of the tone
}

// Normalised correlation of b against a, b shifted by lag (b[i + lag]).
inline double correlationAt(const std::vector<float>& a, const std::vector<float>& b, int lag)
{
    double ab = 0;
    double aa = 0;
    double bb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const std::int64_t j = static_cast<std::int64_t>(i) + lag;
        if (j < 0 || j >= static_cast<std::int64_t>(b.size()))
            continue;
        ab += a[i] * b[static_cast<size_t>(j)];
        aa += a[i] * a[i];
        bb += b[static_cast<size_t>(j)] * b[static_cast<size_t>(j)];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
}

// The best correlation of b against a over lags -maxLag .. maxLag.
inline double bestCorrelation(const std::vector<float>& a, const std::vector<float>& b, int maxLag,
                              int* bestLag = nullptr)
{
    double best = -1;
    for (int lag = -maxLag; lag <= maxLag; ++lag) {
        const double c = correlationAt(a, b, lag);
        if (c > best) {
            best = c;
            if (bestLag)
                *bestLag = lag;
        }
    }
    return best;
}

} // namespace fixtures
