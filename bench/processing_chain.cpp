// Cost of one processing-chain step (one 1024-frame block, 23.2 ms of
// output at 44.1 kHz) in each tool mode, on a transient-rich stereo signal.
//
// Each repetition is one step (timed around the call alone), so the
// aggregates are over single steps: median, p99 (the slow tail) and p01;
// rtFactor is 23.2 ms / step time (its p01 is the slow tail). Run on one core, for example:
//   taskset -c 2 build/bench/bench_processing_chain
#include "ChainControls.h"
#include "FFTReal.h"
#include "ProcessingChain.h"
#include "SyntheticSignals.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double sampleRateHz = 44100.0;
constexpr double hopSeconds = chain::hop / sampleRateHz;
constexpr int repetitions = 2000;

// 20 s of two panned tones under decaying noise bursts every 5000 frames.
const synth::Stereo& music()
{
    static const synth::Stereo signal = synth::transientRich(int(20 * sampleRateHz), 1);
    return signal;
}

struct Mode
{
    bool tempoOn;
    float tempo;
    bool pitchOn;
    float pitch;
    int vocoderMode;
    bool isolation;

    bool operator==(const Mode& o) const
    {
        return tempoOn == o.tempoOn && tempo == o.tempo && pitchOn == o.pitchOn && pitch == o.pitch
            && vocoderMode == o.vocoderMode && isolation == o.isolation;
    }
};

void configure(const Mode& m)
{
    static bool initialised = false;
    if (!initialised) {
        init_buffers();
        initialised = true;
    }
    // As after a file load, then the mode's tools and an isolation band.
    chain::resetToProgramStart();
    chain::applyLoadDefaults();
    const synth::Stereo& s = music();
    chain::setRecording(s.left.data(), s.right.data(), int(s.left.size()));
    chain::VocoderSwitches switches;
    switches.hopBypassed = !m.tempoOn;
    switches.interpBypassed = !m.pitchOn;
    switches.TSMPSMEnabled = m.tempoOn || m.pitchOn;
    chain::vocoderSwitches.store(switches);
    chain::hopfactor.store(m.tempoOn ? m.tempo : 1.0f);
    chain::interpfactor.store(m.pitchOn ? m.pitch : 1.0f);
    chain::vocoderModeFlags.store(*chain::vocoderModeFlagsFor(m.vocoderMode));
    chain::ADRessEnabled.store(m.isolation);
    chain::invert.store(true);
    chain::cutFrequencyValue.store(19.0f);
    chain::hipass.store(true);
    chain::bleedThresholdValue.store(1.0f);
    flushBuffers();
}

void chainStep(benchmark::State& state, Mode mode)
{
    // Repetitions re-enter here: configure once per mode, so that the steps
    // carry their state from one to the next as in playback.
    static bool configured = false;
    static Mode current{};
    if (!configured || !(current == mode)) {
        configure(mode);
        current = mode;
        configured = true;
    }
    static std::vector<float> left(chain::hop), right(chain::hop);
    static std::array<std::atomic<float>, chain::isolationCurveLength> graph{};
    const int wrapAt = int(music().left.size()) - 9 * chain::framesize;

    double seconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        processaudio(left.data(), right.data(), graph.data());
        benchmark::DoNotOptimize(left.data());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        seconds += took.count();
        if (chain::currentposition.load() > wrapAt)
            chain::currentposition.store(chain::hop);
    }
    state.counters["rtFactor"] = hopSeconds * double(state.iterations()) / seconds;
}

double percentile(const std::vector<double>& values, double fraction)
{
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t index = size_t(fraction * double(sorted.size() - 1) + 0.5);
    return sorted[index];
}

void perStep(benchmark::internal::Benchmark* b)
{
    b->Iterations(1)
        ->UseManualTime()
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
        ->ComputeStatistics("p01", [](const std::vector<double>& v) { return percentile(v, 0.01); })
        ->Unit(benchmark::kMicrosecond);
}

// What a step would add if it built its transform tables itself.
void fftTablesPerStep(benchmark::State& state)
{
    for (auto _ : state) {
        FFTReal fft(chain::framesize);
        benchmark::DoNotOptimize(&fft);
    }
}

} // namespace

BENCHMARK_CAPTURE(chainStep, allToolsOff, Mode{false, 1.0f, false, 1.0f, 1, false})->Apply(perStep);
BENCHMARK_CAPTURE(chainStep, isolation, Mode{false, 1.0f, false, 1.0f, 1, true})->Apply(perStep);
BENCHMARK_CAPTURE(chainStep, tempoOnly, Mode{true, 0.75f, false, 1.0f, 1, false})->Apply(perStep);
BENCHMARK_CAPTURE(chainStep, pitchOnly, Mode{false, 1.0f, true, 1.3348399f, 1, false})->Apply(perStep);
BENCHMARK_CAPTURE(chainStep, tempoAndPitch, Mode{true, 1.25f, true, 0.8908987f, 1, false})->Apply(perStep);
BENCHMARK_CAPTURE(chainStep, worstMode3IsolationPitch2, Mode{false, 1.0f, true, 2.0f, 3, true})->Apply(perStep);
BENCHMARK(fftTablesPerStep)->Repetitions(20)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
