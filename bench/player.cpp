// CPU time of the playback thread per second of audio played: the player's
// feed loop (chain steps, beat tracking, block assembly, pushes) on the
// silent device under a manual clock, so it runs faster than real time.
// Each iteration plays one second of audio in 10 ms turns, as the playback
// thread does; only the feed loop is timed, on this thread's CPU clock
// (the silent device's rendering is the device's cost, not the player's).
// The reported time is CPU seconds per second of audio (×1000: ms per s;
// 1000 ms would be real time on one core). The looped cases play one beat
// over and over: two wraps a second, each pre-rolling the chain. Run on one core, for example:
//   taskset -c 2 build/bench/bench_player
#include "AudioPlayer.h"
#include "MetaData.h"
#include "MetronomeClick.h"
#include "SyntheticSignals.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <random>
#include <vector>

namespace {

constexpr int turnsPerSecond = 100; // one turn every 10 ms

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// 30 s of two panned tones under decaying noise bursts nine times a second.
synth::Stereo music(int rateHz)
{
    return synth::transientRich(30 * rateHz, 1, rateHz / 9, double(rateHz));
}

// Beats at 120 BPM over the whole recording, so the beat tracking scans a
// full model.
AnalysisResult beats(int rateHz, int frames)
{
    AnalysisResult r;
    r.bpm = 120.0f;
    const float spacing = float(rateHz) / 2.0f;
    for (float b = 3000.0f; b < float(frames); b += spacing)
        r.beats.append(b);
    r.chordVec = QVector<QString>(r.beats.size() - 1, QStringLiteral("G"));
    r.chordVecDetected = {QStringLiteral("G")};
    r.beatLengthPercent = int(spacing / 100.0f);
    return r;
}

void playOneSecondAtATime(benchmark::State& state, bool worst, int rateHz, bool looped = false)
{
    ManualClock clock;
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    options.manualClock = &clock;
    auto output = AudioOutput::create(options);
    synth::Stereo m = music(rateHz);
    const int frames = int(m.left.size());
    MetaData model;
    model.handOver(beats(rateHz, frames));

    AudioPlayer player(*output, AudioPlayer::FeedDriver::Caller);
    int loopStart = 0;
    int loopEnd = 0;
    player.initLoop(&loopStart, &loopEnd);
    player.initMetaData(&model);
    const auto& click = metronomeClick();
    player.initBeep(click.data(), click.data(), int(click.size()));
    player.setMetroVolume(50);
    player.setPlaybackVars(m.left.data(), m.right.data(), 2, frames, rateHz);
    if (worst) {
        player.changeMode(3);
        player.setInterp(2.0f);
        player.activatePitch(false);
        player.activateSSS(false);
        player.setSeparation(99);
        player.setWidth(34);
    }
    if (looped) {
        loopStart = int(model.beats[10]);
        loopEnd = int(model.beats[11]);
        player.loopPointsChanged();
    }
    player.loop(true); // wraps at the end instead of stopping
    player.play();
    player.feedOnce();

    int blocks = 0;
    for (auto _ : state) {
        double cpu = 0.0;
        for (int turn = 0; turn < turnsPerSecond; ++turn) {
            clock.advanceMs(1000.0 / turnsPerSecond);
            const double start = threadCpuSeconds();
            blocks += player.feedOnce();
            cpu += threadCpuSeconds() - start;
        }
        state.SetIterationTime(cpu);
    }
    state.counters["blocks_per_audio_s"] =
        benchmark::Counter(double(blocks) / double(state.iterations()), benchmark::Counter::kDefaults);
}

void plain44k1(benchmark::State& state)
{
    playOneSecondAtATime(state, false, 44100);
}
void worst44k1(benchmark::State& state)
{
    playOneSecondAtATime(state, true, 44100);
}
void worstLooped44k1(benchmark::State& state)
{
    playOneSecondAtATime(state, true, 44100, true);
}
void plain96k(benchmark::State& state)
{
    playOneSecondAtATime(state, false, 96000);
}
void worst96k(benchmark::State& state)
{
    playOneSecondAtATime(state, true, 96000);
}

} // namespace

BENCHMARK(plain44k1)->Name("CpuPerAudioSecond/plain/44100")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(worst44k1)
    ->Name("CpuPerAudioSecond/mode3_pitch2_isolation/44100")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(worstLooped44k1)
    ->Name("CpuPerAudioSecond/mode3_pitch2_isolation_one_beat_loop/44100")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(plain96k)->Name("CpuPerAudioSecond/plain/96000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(worst96k)
    ->Name("CpuPerAudioSecond/mode3_pitch2_isolation/96000")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The player is a QObject with a timer: Qt wants its application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
