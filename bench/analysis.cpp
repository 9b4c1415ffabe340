// The whole analysis of four minutes of synthetic stereo music at 44.1 kHz:
// as an analysis run does it from the decoded buffers on (mono mix, driver,
// the model's content), and with the decoding of the recording's file
// before it (16-bit WAV from our writer; FLAC made by the ffmpeg program
// when it is installed). Read the median of the repetitions.
#include "AudioDecoder.h"
#include "MetaDataThread.h"
#include "SyntheticSong.h"
#include "WavWriter.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

const benchsong::Stereo& song()
{
    static const benchsong::Stereo stereo = benchsong::synthesise();
    return stereo;
}

// seconds: wall-clock time of the timed part of every iteration, summed.
// ratio_pct: the time of one analysis in percent of the recording's
// duration. The label (the same in every repetition, so the aggregates
// keep it) tells what was found.
void report(benchmark::State& state, double seconds, const MetaDataThread::Analysis& analysis)
{
    state.counters["ratio_pct"] = 100.0 * seconds / (double(state.iterations()) * benchsong::kSeconds);
    char label[64];
    std::snprintf(label, sizeof label, "%.2f BPM, %zu beats", double(analysis.record.tempo),
                  analysis.record.beats.size());
    state.SetLabel(label);
}

void analysisFromBuffers(benchmark::State& state)
{
    const benchsong::Stereo& stereo = song();
    MetaDataThread::Analysis analysis;
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<float> mono =
            MetaDataThread::monoMix(stereo.left.data(), stereo.right.data(), int(stereo.left.size()), true);
        analysis = MetaDataThread::analyse(mono, benchsong::kRate);
        benchmark::DoNotOptimize(analysis.record.beats.data());
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    report(state, seconds, analysis);
}

void analysisFromFile(benchmark::State& state, const QString* path)
{
    MetaDataThread::Analysis analysis;
    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        AudioDecoder decoder;
        DecodedAudio audio;
        if (!decoder.open(*path) || !decoder.decodeAll(audio)) {
            state.SkipWithError("decoding failed");
            return;
        }
        const std::vector<float> mono = MetaDataThread::monoMix(audio.left.data(), audio.right.data(),
                                                                int(audio.numFrames), audio.channelCount == 2);
        analysis = MetaDataThread::analyse(mono, audio.sampleRateHz);
        benchmark::DoNotOptimize(analysis.record.beats.data());
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    report(state, seconds, analysis);
}

bool writeWav(const QString& path)
{
    const benchsong::Stereo& stereo = song();
    std::vector<float> interleaved(2 * stereo.left.size());
    for (size_t i = 0; i < stereo.left.size(); ++i) {
        interleaved[2 * i] = stereo.left[i];
        interleaved[2 * i + 1] = stereo.right[i];
    }
    WavWriter writer;
    return writer.open(path, benchsong::kRate, 2)
        && writer.write(interleaved.data(), std::int64_t(stereo.left.size())) && writer.close();
}

bool makeFlac(const QString& wav, const QString& flac)
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
        return false;
    QProcess p;
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("ffmpeg"),
            {"-hide_banner", "-nostdin", "-v", "error", "-y", "-i", wav, "-c:a", "flac", flac});
    return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    static const QString wav = dir.filePath(QStringLiteral("four-minutes.wav"));
    static const QString flac = dir.filePath(QStringLiteral("four-minutes.flac"));
    if (!dir.isValid() || !writeWav(wav)) {
        std::fprintf(stderr, "bench_analysis: cannot write the test recording\n");
        return 1;
    }
    const auto configure = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
    };
    configure(benchmark::RegisterBenchmark("analysisFromBuffers", analysisFromBuffers));
    configure(benchmark::RegisterBenchmark("analysisFromFile/wav", analysisFromFile, &wav));
    if (makeFlac(wav, flac))
        configure(benchmark::RegisterBenchmark("analysisFromFile/flac", analysisFromFile, &flac));
    else
        std::fprintf(stderr, "bench_analysis: no ffmpeg program, so no FLAC case\n");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
