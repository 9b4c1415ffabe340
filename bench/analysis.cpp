// The whole analysis of four minutes of synthetic stereo music at 44.1 kHz,
// as an analysis run does it from the decoded buffers on: mono mix, driver,
// the model's content. Read the median of the repetitions.
#include "MetaDataThread.h"
#include "SyntheticSong.h"

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

} // namespace

BENCHMARK(analysisFromBuffers)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
