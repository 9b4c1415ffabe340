// Whole-file decoding of a 4-minute stereo recording, MP3 and FLAC, made
// here, beside the ffmpeg program decoding the same files to raw float
// (ffmpeg -i FILE -f f32le - > /dev/null) in the same run. Prints the
// ratio of the two at the end.
#include "AudioDecoder.h"
#include "WavWriter.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int kRateHz = 44100;
constexpr int kSeconds = 240;

QString g_mp3;
QString g_flac;

// Something like music to the encoders: a few partials with slow
// amplitude changes, different on each side, and a little noise.
bool writeSource(const QString& path)
{
    WavWriter writer;
    if (!writer.open(path, kRateHz, 2))
        return false;
    std::mt19937 rng(1);
    std::uniform_real_distribution<float> noise(-0.01f, 0.01f);
    const double tau = 2 * 3.14159265358979323846;
    std::vector<float> block(2 * 4096);
    for (std::int64_t start = 0; start < std::int64_t{kSeconds} * kRateHz; start += 4096) {
        for (int i = 0; i < 4096; ++i) {
            const double t = static_cast<double>(start + i) / kRateHz;
            const double swell = 0.5 + 0.5 * std::sin(tau * 0.25 * t);
            const double left = 0.3 * std::sin(tau * 220 * t) + 0.2 * swell * std::sin(tau * 330 * t)
                + 0.1 * std::sin(tau * 1320 * t);
            const double right = 0.3 * std::sin(tau * 277.2 * t) + 0.2 * (1 - swell) * std::sin(tau * 415.3 * t)
                + 0.1 * std::sin(tau * 2217 * t);
            block[2 * static_cast<size_t>(i)] = static_cast<float>(left) + noise(rng);
            block[2 * static_cast<size_t>(i) + 1] = static_cast<float>(right) + noise(rng);
        }
        if (!writer.write(block.data(), 4096))
            return false;
    }
    return writer.close();
}

bool ffmpegRun(const QStringList& args, bool discardOutput)
{
    QProcess p;
    if (discardOutput)
        p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("ffmpeg"), QStringList{"-hide_banner", "-nostdin", "-v", "error"} + args);
    return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void ours(benchmark::State& state, const QString* path)
{
    for (auto _ : state) {
        AudioDecoder decoder;
        DecodedAudio audio;
        if (!decoder.open(*path) || !decoder.decodeAll(audio)) {
            state.SkipWithError("decoding failed");
            return;
        }
        benchmark::DoNotOptimize(audio.left.data());
    }
}

void ffmpegProgram(benchmark::State& state, const QString* path)
{
    for (auto _ : state) {
        if (!ffmpegRun({"-i", *path, "-f", "f32le", "-"}, true)) {
            state.SkipWithError("ffmpeg failed");
            return;
        }
    }
}

// Keeps each benchmark's time per iteration for the closing ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds[run.run_name.function_name] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

BENCHMARK_CAPTURE(ours, mp3, &g_mp3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(ffmpegProgram, mp3, &g_mp3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(ours, flac, &g_flac)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(ffmpegProgram, flac, &g_flac)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
        std::fprintf(stderr, "bench_decode needs the ffmpeg program to make its files\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("source.wav"));
    g_mp3 = dir.filePath(QStringLiteral("four-minutes.mp3"));
    g_flac = dir.filePath(QStringLiteral("four-minutes.flac"));
    std::printf("Making a %d-second stereo recording at %d Hz...\n", kSeconds, kRateHz);
    std::fflush(stdout);
    if (!writeSource(wav) || !ffmpegRun({"-y", "-i", wav, "-c:a", "libmp3lame", "-b:a", "320k", g_mp3}, false)
        || !ffmpegRun({"-y", "-i", wav, "-c:a", "flac", g_flac}, false)) {
        std::fprintf(stderr, "could not make the test files\n");
        return 1;
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* format : {"mp3", "flac"}) {
        const auto own = reporter.seconds.find(std::string("ours/") + format);
        const auto program = reporter.seconds.find(std::string("ffmpegProgram/") + format);
        if (own != reporter.seconds.end() && program != reporter.seconds.end())
            std::printf("%-4s ours %.0f ms, ffmpeg program %.0f ms: ratio %.2f\n", format, own->second * 1000,
                        program->second * 1000, own->second / program->second);
    }
    benchmark::Shutdown();
    return 0;
}
