// Fixture files for the platform tests, from the synthetic-signal kit,
// written into the test's own temporary folder, and measurements of them.
#pragma once

#include "SyntheticSignals.h"
#include "WavWriter.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

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
