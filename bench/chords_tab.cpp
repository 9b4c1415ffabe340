// Cost of the chords tab's two heavy moments, on a shown (offscreen) tab
// filled with every one of the 84 chords and their 12 roots:
//   - initDetectedChords: the grids rebuilt from the model (after every
//     analysis and every chord correction), then the tab painted;
//   - one key-shift step through the box (84 + 12 grid diagrams and the
//     current and next diagrams redrawn shifted), then the tab painted. A
//     held box steps every 35 ms.
// Each repetition is one call (timed around it alone), so the aggregates are
// over single calls: median, p99 (the slow tail) and p01. Run on one core:
//   taskset -c 2 build/bench/bench_chords_tab
#include "ChordNames.h"
#include "ChordStepBoxes.h"
#include "ChordsTab.h"
#include "MetaData.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

struct Fixture
{
    MetaData model;
    ChordsTab tab{nullptr};

    Fixture()
    {
        AnalysisResult result;
        result.bpm = 120.0f;
        for (int i = 0; i < chordnames::chordCount; ++i) {
            result.chordVec.append(chordnames::chordName(i));
            result.chordVecDetected.append(chordnames::chordName(i));
        }
        for (int i = 0; i <= result.chordVec.size(); ++i)
            result.beats.append(float(10000 + 22050 * i));
        model.handOver(result);
        tab.initMetaData(&model);
        tab.show();
        tab.initDetectedChords();
        // A beat shown: a key-shift step redraws the two large diagrams too.
        model.currentBeat.store(1);
        tab.beatChanged();
        QApplication::processEvents();
    }
};

// Never destroyed: its widgets may not outlive the application object.
Fixture& fixture()
{
    static Fixture* f = new Fixture;
    return *f;
}

template <class Call>
void timed(benchmark::State& state, Call&& call)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        call();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
}

void initDetectedChords(benchmark::State& state)
{
    Fixture& f = fixture();
    timed(state, [&] {
        f.tab.initDetectedChords();
        f.tab.repaint();
    });
}

void keyShiftStep(benchmark::State& state)
{
    Fixture& f = fixture();
    KeyShiftWidget* box = f.tab.keyShiftWidget;
    static bool up = true;
    timed(state, [&] {
        // Alternately the plus and the minus end: every step shifts.
        box->overrideCursorX(up ? 80 : 10);
        box->buttonPressed();
        f.tab.repaint();
        up = !up;
    });
}

void keyShiftStepWithoutPaint(benchmark::State& state)
{
    Fixture& f = fixture();
    static float shift = 0.0f;
    timed(state, [&] {
        shift = shift == 0.0f ? 1.0f : 0.0f;
        f.tab.setChordKeyShift(shift);
    });
}

double percentile(const std::vector<double>& values, double fraction)
{
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t index = size_t(fraction * double(sorted.size() - 1) + 0.5);
    return sorted[index];
}

void perCall(benchmark::internal::Benchmark* b, int repetitions)
{
    b->Iterations(1)
        ->UseManualTime()
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
        ->ComputeStatistics("p01", [](const std::vector<double>& v) { return percentile(v, 0.01); })
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(initDetectedChords)->Apply([](benchmark::internal::Benchmark* b) { perCall(b, 200); });
BENCHMARK(keyShiftStep)->Apply([](benchmark::internal::Benchmark* b) { perCall(b, 1000); });
BENCHMARK(keyShiftStepWithoutPaint)->Apply([](benchmark::internal::Benchmark* b) { perCall(b, 1000); });
