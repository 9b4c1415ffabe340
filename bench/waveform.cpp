// The waveform band on a synthesised ten-minute stereo recording at
// 44.1 kHz:
//   peakPath        building the peak path (the first half of a file open);
//   levelPictures   rendering the eight levels' pictures from it;
//   open            the whole file open of the view (both, and the zoom to
//                   level 4);
//   followingFrame  one 10 ms tick of playback at normal speed with
//                   auto-scroll on: the play line's tick, the view's scroll
//                   and a synchronous repaint of the whole band, at levels 0,
//                   4 and 7, against the 10 ms tick.
// followingFrame runs one tick per repetition and reports median and p99
// (the slow tail) over single ticks. Offscreen platform, one core, e.g.:
//   taskset -c 2 build/bench/bench_waveform
#include "MetaData.h"
#include "PeakPath.h"
#include "PlayMarker.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "SyntheticSignals.h"
#include "WaveBg.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

constexpr int sampleRateHz = 44100;
constexpr int seconds = 600;
constexpr int viewWidth = 884;
// Frames the play position advances per 10 ms tick at normal tempo.
constexpr float framesPerTick = sampleRateHz / 100.0f;
constexpr int ticksPerRun = 1000;

using Recording = synth::Stereo;

// Drums over changing chords, the analysis benchmarks' music, ten minutes.
const Recording& tenMinutes()
{
    static const Recording recording = synth::drumsAndChords(sampleRateHz, seconds, 118.0);
    return recording;
}

double percentile(const std::vector<double>& values, double fraction)
{
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t index = size_t(fraction * double(sorted.size() - 1) + 0.5);
    return sorted[index];
}

void peakPath(benchmark::State& state)
{
    const Recording& r = tenMinutes();
    QVector<QPointF> path;
    for (auto _ : state) {
        peakpath::build(r.left.data(), r.right.data(), r.frames(), true, viewWidth, path, {});
        benchmark::DoNotOptimize(path.constData());
    }
}

// A view with the recording open, kept for the benchmarks that follow.
struct OpenBand
{
    MetaData model;
    WaveBg band{nullptr};
    std::atomic<float> position{0.0f};

    OpenBand()
    {
        band.resize(1000, 228);
        band.plotter->initMetaData(&model);
        band.plotter->playMarker->initSampleIndex(&position);
        const Recording& r = tenMinutes();
        band.plotter->initPlotter(r.left.data(), r.right.data(), r.frames(), true);
        band.plotter->show();
        band.show();
        band.scrollButton->setValueFromSession(true); // auto-scroll on
        QApplication::processEvents();
    }
};

OpenBand& openBand()
{
    // Never destroyed: its widgets may not outlive the application object.
    static OpenBand& band = *new OpenBand;
    return band;
}

void levelPictures(benchmark::State& state)
{
    Plotter& plotter = *openBand().band.plotter;
    for (auto _ : state)
        plotter.calcBigPixmaps();
}

void open(benchmark::State& state)
{
    OpenBand& b = openBand();
    const Recording& r = tenMinutes();
    for (auto _ : state)
        b.band.plotter->initPlotter(r.left.data(), r.right.data(), r.frames(), true);
}

void followingFrame(benchmark::State& state)
{
    OpenBand& b = openBand();
    Plotter& plotter = *b.band.plotter;
    const int level = int(state.range(0));
    // Reach the level from the whole view, then play from a quarter in.
    static int shownLevel = -1;
    static float frame = 0.0f;
    if (shownLevel != level) {
        for (int i = 0; i < 8; ++i)
            plotter.zoomPlot(-120);
        plotter.updateZoom();
        for (int i = 0; i < level; ++i)
            plotter.zoomPlot(120);
        plotter.updateZoom();
        shownLevel = level;
        frame = float(tenMinutes().frames()) / 4.0f;
    }
    for (auto _ : state) {
        frame += framesPerTick;
        if (frame > float(tenMinutes().frames()) * 0.75f)
            frame = float(tenMinutes().frames()) / 4.0f;
        b.position.store(frame, std::memory_order_relaxed);
        const auto start = std::chrono::steady_clock::now();
        plotter.playMarker->setPos();
        plotter.playbackScroll();
        b.band.repaint();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
}

} // namespace

BENCHMARK(peakPath)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(levelPictures)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(open)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(followingFrame)
    ->Arg(0)
    ->Arg(4)
    ->Arg(7)
    ->Iterations(1)
    ->UseManualTime()
    ->Repetitions(ticksPerRun)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
    ->Unit(benchmark::kMicrosecond);
