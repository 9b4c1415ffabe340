// The jam tab's offline renders: the riff render (16 steps, each a jump)
// and the song render (16 slots of 16-step riffs) of a synthesised
// 120 BPM recording, with the tools off and in the worst mode (vocoder
// mode 3, isolation on, steps alternating an octave up and down). Each
// iteration is one whole render; the counter x_realtime is the rendered
// audio's length over the time the render took (20 means a minute of riff
// in three seconds). Run on one core, for example:
//   taskset -c 2 build/bench/bench_jam_renders
#include "AudioPlayer.h"
#include "MetaData.h"
#include "RiffSource.h"
#include "SyntheticSignals.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace {

constexpr int rateHz = 44100;
constexpr int seconds = 70;
constexpr float beatFrames = rateHz / 2.0f; // 120 BPM
constexpr int riffCount = 6;

// Steps on every seventh beat from `first`: each step is a jump.
class SpreadRiff final : public RiffSource
{
public:
    SpreadRiff(int first, bool octaves)
    {
        for (int s = 0; s < stepCount; ++s) {
            beat_[s] = first + 7 * s;
            pitch_[s] = octaves ? (s % 2 == 0 ? 2.0f : 0.5f) : 1.0f;
        }
    }
    int beatIndex(int step) const override { return step >= 0 && step < stepCount ? beat_[step] : 0; }
    int getLoopLength() const override { return stepCount - 1; }
    float stepPitch(int step) const override { return step >= 0 && step < stepCount ? pitch_[step] : 1.0f; }
    void repositionBeats() override { }

private:
    int beat_[stepCount] = {};
    float pitch_[stepCount] = {};
};

class FullSong final : public SongSource
{
public:
    int riffAt(int slot) const override { return slot >= 0 && slot < slotCount ? slot % riffCount : emptySlot; }
};

AnalysisResult beatsAt120(int frames)
{
    AnalysisResult r;
    r.bpm = 120.0f;
    for (float b = beatFrames; b < float(frames); b += beatFrames)
        r.beats.append(b);
    r.chordVec = QVector<QString>(r.beats.size() - 1, QStringLiteral("G"));
    r.chordVecDetected = {QStringLiteral("G")};
    r.beatLengthPercent = int(beatFrames / 100.0f);
    return r;
}

struct JamBench
{
    explicit JamBench(bool worst) : music(synth::drumsAndChords(rateHz, seconds, 120.0))
    {
        AudioOutputOptions options;
        options.backend = AudioBackend::SilentOnly;
        options.manualClock = &clock;
        output = AudioOutput::create(options);
        player = std::make_unique<AudioPlayer>(*output, AudioPlayer::FeedDriver::Caller);
        player->initMetaData(&model);
        const int frames = music.frames();
        model.handOver(beatsAt120(frames));
        for (int r = 0; r < riffCount; ++r) {
            riffs.push_back(std::make_unique<SpreadRiff>(2 + r, worst));
            player->addRiff(riffs.back().get());
        }
        player->setSong(&song);
        player->setPlaybackVars(music.left.data(), music.right.data(), 2, frames, rateHz);
        if (worst) {
            player->changeMode(3);
            player->activateSSS(false);
            player->setSeparation(99);
            player->setWidth(34);
        }
    }

    ManualClock clock;
    synth::Stereo music;
    std::unique_ptr<AudioOutput> output;
    MetaData model;
    std::vector<std::unique_ptr<SpreadRiff>> riffs;
    FullSong song;
    std::unique_ptr<AudioPlayer> player; // last: goes first
};

void render(benchmark::State& state, bool worst, bool song)
{
    JamBench bench(worst);
    double audioSeconds = 0.0;
    for (auto _ : state) {
        if (song)
            bench.player->calculateSongWavData();
        else
            bench.player->calculateRiffWavData();
        const QList<float>& left = song ? bench.player->songWavLeft : bench.player->riffWavLeft;
        benchmark::DoNotOptimize(left.isEmpty() ? 0.0f : left.constFirst());
        audioSeconds += double(left.size()) / rateHz;
    }
    state.counters["audio_s"] = audioSeconds / double(state.iterations());
    state.counters["x_realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
}

void riffToolsOff(benchmark::State& state)
{
    render(state, false, false);
}
void riffWorst(benchmark::State& state)
{
    render(state, true, false);
}
void songToolsOff(benchmark::State& state)
{
    render(state, false, true);
}
void songWorst(benchmark::State& state)
{
    render(state, true, true);
}

} // namespace

BENCHMARK(riffToolsOff)->Name("RiffRender/16_jumps/tools_off")->Unit(benchmark::kMillisecond);
BENCHMARK(riffWorst)->Name("RiffRender/16_jumps/mode3_isolation_octaves")->Unit(benchmark::kMillisecond);
BENCHMARK(songToolsOff)->Name("SongRender/16_slots_of_16_steps/tools_off")->Unit(benchmark::kMillisecond);
BENCHMARK(songWorst)
    ->Name("SongRender/16_slots_of_16_steps/mode3_isolation_octaves")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The player is a QObject with a timer: Qt wants its application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
