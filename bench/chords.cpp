// The chord stage of the analysis on a synthesised recording: three minutes
// of a four-chord progression at 44.1 kHz and 120 BPM, beats given (the
// rhythm stages are not part of this figure).
#include "DSP.h"
#include "SyntheticSignals.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int sampleRate = 44100;
constexpr int hop = 512;
constexpr int beatPeriod = 43; // onset frames: 120 BPM
constexpr int seconds = 180;

std::vector<float> progression(const std::vector<int>& beats)
{
    std::vector<float> x(size_t(seconds) * sampleRate, 0.0f);
    const int chords[4][3] = {{48, 52, 55}, {45, 48, 52}, {41, 45, 48}, {43, 47, 50}}; // C Am F G, MIDI
    for (size_t b = 0; b < beats.size(); ++b) {
        const size_t first = size_t(beats[b]) * hop;
        const size_t last = b + 1 < beats.size() ? size_t(beats[b + 1]) * hop : x.size();
        for (int note : chords[(b / 4) % 4])
            synth::addHarmonicTone(x, sampleRate, synth::midiToHz(note), 0.15, first, last);
    }
    return x;
}

void getChordsThreeMinutes(benchmark::State& state)
{
    std::vector<int> beats;
    for (int frame = 0; (frame + beatPeriod) * hop < seconds * sampleRate; frame += beatPeriod)
        beats.push_back(frame);
    const std::vector<float> x = progression(beats);
    const int count = int(beats.size());
    const std::vector<std::vector<int>> selection(12, std::vector<int>(7, 0));

    for (auto _ : state) {
        std::vector<std::vector<float>> chroma(12, std::vector<float>(size_t(count), 0.0f));
        std::vector<float*> rows;
        for (auto& row : chroma)
            rows.push_back(row.data());
        std::vector<std::vector<std::string>> names(2, std::vector<std::string>(size_t(count)));
        std::vector<std::vector<std::string>> ranked(2, std::vector<std::string>(84));
        std::vector<float> voteShare(size_t(count), 0.0f);
        DSP().getChords(rows.data(), beats.data(), x.data(), sampleRate, int(x.size()), count, hop, selection,
                        names, ranked, beatPeriod, false, voteShare, 4);
        benchmark::DoNotOptimize(names.data());
    }
    state.counters["recording_s"] = seconds;
    state.counters["beats"] = count;
}
BENCHMARK(getChordsThreeMinutes)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
