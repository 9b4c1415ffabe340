// Onset, tempo and beat stages on four minutes of synthetic stereo music at
// 44.1 kHz (kick, snare and hi-hat at 118 BPM over sustained chord tones),
// mixed to mono as the analysis thread does. Each stage is timed on the
// previous stage's output; read the median of the repetitions.
#include "MIRtoolbox.h"
#include "SyntheticSong.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using benchsong::kRate;

const std::vector<float>& mono()
{
    static const std::vector<float> mix = benchsong::mono(benchsong::synthesise());
    return mix;
}

void onsetStage(benchmark::State& state)
{
    const std::vector<float>& signal = mono();
    for (auto _ : state) {
        MIRtoolbox::OnsetFunctions onset = MIRtoolbox::onsetFunctions(signal.data(), kRate, int(signal.size()));
        benchmark::DoNotOptimize(onset.onset.data());
    }
}

void tempoStage(benchmark::State& state)
{
    const MIRtoolbox::OnsetFunctions onset = MIRtoolbox::onsetFunctions(mono().data(), kRate, int(mono().size()));
    float bpm = 0.0f;
    for (auto _ : state) {
        const MIRtoolbox::TempoEstimate tempo = MIRtoolbox::tempo(onset);
        bpm = tempo.tempoBpm;
        // Pointers only: this library's DoNotOptimize garbles a float lvalue
        // under GCC.
        benchmark::DoNotOptimize(tempo.frameTempoBpm.data());
    }
    state.SetLabel(std::to_string(bpm) + " BPM");
}

void beatStage(benchmark::State& state)
{
    const MIRtoolbox::OnsetFunctions onset = MIRtoolbox::onsetFunctions(mono().data(), kRate, int(mono().size()));
    const MIRtoolbox::TempoEstimate tempo = MIRtoolbox::tempo(onset);
    size_t count = 0;
    for (auto _ : state) {
        const MIRtoolbox::TrackedBeats beats = MIRtoolbox::trackBeats(onset, tempo);
        count = beats.beatFrames.size();
        benchmark::DoNotOptimize(beats.beatFrames.data());
    }
    state.SetLabel(std::to_string(count) + " beats");
}

} // namespace

BENCHMARK(onsetStage)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(tempoStage)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(beatStage)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
