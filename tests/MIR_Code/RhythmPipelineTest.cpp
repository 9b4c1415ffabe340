// The onset, tempo and beat stages strung together as the analysis driver
// does: click tracks at known tempos, and input with nothing to follow.
#include "MIRtoolbox.h"
#include "RhythmMath.h"
#include "SyntheticSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using synth::clickPositions;
using synth::clickTrack;
using synth::whiteNoise;

using OnsetStage = MIRtoolbox::OnsetFunctions;
using TempoStage = MIRtoolbox::TempoEstimate;
using BeatStage = MIRtoolbox::TrackedBeats;

namespace {

// Sample position of a beat frame: the frame's centre.
int beatSample(int frame, int hop)
{
    return (frame + 1) * hop;
}

OnsetStage onsetsOf(const std::vector<float>& mono, int sampleRate)
{
    return MIRtoolbox::onsetFunctions(mono.data(), sampleRate, int(mono.size()));
}

// --- Click tracks -----------------------------------------------------------

struct ClickCase
{
    int sampleRate;
    float bpm;
};

class ClickTrack : public ::testing::TestWithParam<ClickCase>
{
};

TEST_P(ClickTrack, GivesItsTempoAndBeatsOnTheClicks)
{
    const ClickCase& c = GetParam();
    const int numFrames = 12 * c.sampleRate;
    const std::vector<int> clicks = clickPositions(c.bpm, c.sampleRate, numFrames, c.sampleRate / 2);
    const OnsetStage onset = onsetsOf(clickTrack(clicks, c.sampleRate, numFrames), c.sampleRate);
    const TempoStage tempo = MIRtoolbox::tempo(onset);
    const BeatStage beats = MIRtoolbox::trackBeats(onset, tempo);

    // The tempo is that of a whole lag: the nearest, or its neighbour when
    // the true lag lies near a half.
    const float trueLag = 60.0f * float(c.sampleRate) / (float(onset.hop) * c.bpm);
    const int lag = rhythm::lagForTempo(tempo.tempoBpm, onset.hop, c.sampleRate);
    EXPECT_NEAR(float(lag), trueLag, 1.0f) << tempo.tempoBpm << " BPM";
    EXPECT_NEAR(rhythm::lagForTempo(tempo.frameTempoBpm[0], onset.hop, c.sampleRate), trueLag, 1.0f);

    // Every beat lands on a click: one hop of frame quantisation plus up to
    // one hop where the smoothed onset peaks.
    const int tolerance = 2 * onset.hop;
    ASSERT_GE(beats.beatFrames.size(), 2u);
    for (int frame : beats.beatFrames) {
        const int at = beatSample(frame, onset.hop);
        int nearest = clicks.front();
        for (int click : clicks)
            if (std::abs(click - at) < std::abs(nearest - at))
                nearest = click;
        EXPECT_LE(std::abs(nearest - at), tolerance) << "beat frame " << frame;
    }
    // ... and every click away from the ends has its beat (the tracker may
    // start late or stop early by one period).
    const int period = int(beats.periodFrames[0]) * onset.hop;
    for (int click : clicks) {
        if (click < clicks.front() + period || click > clicks.back() - period)
            continue;
        const bool found = std::any_of(beats.beatFrames.begin(), beats.beatFrames.end(), [&](int f) {
            return std::abs(beatSample(f, onset.hop) - click) <= tolerance;
        });
        EXPECT_TRUE(found) << "click at " << click;
    }
}

INSTANTIATE_TEST_SUITE_P(TemposAndRates, ClickTrack,
                         ::testing::Values(ClickCase{44100, 120.0f}, ClickCase{44100, 90.0f},
                                           ClickCase{44100, 70.0f}, ClickCase{44100, 160.0f},
                                           ClickCase{22050, 100.0f}, ClickCase{22050, 70.0f},
                                           ClickCase{48000, 140.0f}, ClickCase{96000, 120.0f}),
                         [](const ::testing::TestParamInfo<ClickCase>& row) {
                             return "Hz" + std::to_string(row.param.sampleRate) + "_Bpm"
                                 + std::to_string(int(row.param.bpm));
                         });

TEST(ClickTrack, At120BpmAnd44kBeatsAre43Or44FramesApart)
{
    // Clicks every 22,050 samples: 43.07 frames of 512.
    const int rate = 44100;
    const int numFrames = 12 * rate;
    const OnsetStage onset =
        onsetsOf(clickTrack(clickPositions(120.0f, rate, numFrames, rate / 2), rate, numFrames), rate);
    const TempoStage tempo = MIRtoolbox::tempo(onset);
    const BeatStage beats = MIRtoolbox::trackBeats(onset, tempo);
    EXPECT_NEAR(tempo.tempoBpm, 120.18f, 0.01f); // lag 43
    EXPECT_EQ(beats.periodFrames[0], 43.0f);
    for (size_t i = 1; i < beats.beatFrames.size(); ++i) {
        const int step = beats.beatFrames[i] - beats.beatFrames[i - 1];
        EXPECT_TRUE(step == 43 || step == 44) << "step " << step << " at " << i;
    }
}

// --- Nothing to follow ------------------------------------------------------------

enum class Signal { Silence, Noise, SingleClick, Clicks };

std::vector<float> makeSignal(Signal kind, int sampleRate, int numFrames)
{
    switch (kind) {
    case Signal::Silence:
        return std::vector<float>(static_cast<size_t>(numFrames), 0.0f);
    case Signal::Noise:
        return whiteNoise(numFrames, 0.5f, 5);
    case Signal::SingleClick:
        return clickTrack({numFrames / 2}, sampleRate, numFrames);
    case Signal::Clicks:
        break;
    }
    return clickTrack(clickPositions(120.0f, sampleRate, numFrames, 0), sampleRate, numFrames);
}

using SignalCase = std::tuple<Signal, int>; // signal, sample rate

class ShortOrFeatureless : public ::testing::TestWithParam<SignalCase>
{
};

// The shortest recording the decoder accepts is 100,000 frames.
TEST_P(ShortOrFeatureless, GivesAFiniteTempoAndAtLeastTwoBeats)
{
    const auto [kind, rate] = GetParam();
    const OnsetStage onset = onsetsOf(makeSignal(kind, rate, 100000), rate);
    const TempoStage tempo = MIRtoolbox::tempo(onset);
    const BeatStage beats = MIRtoolbox::trackBeats(onset, tempo);

    EXPECT_TRUE(std::isfinite(tempo.tempoBpm));
    EXPECT_GT(tempo.tempoBpm, 0.0f);
    EXPECT_GE(tempo.beatsPerBar, 3);
    EXPECT_LE(tempo.beatsPerBar, 11);
    ASSERT_GE(beats.beatFrames.size(), 2u);
    EXPECT_LE(int(beats.beatFrames.size()), beats.capacity);
    EXPECT_GE(beats.beatFrames.front(), 0);
    EXPECT_LT(beats.beatFrames.back(), onset.frames);
    for (size_t i = 1; i < beats.beatFrames.size(); ++i)
        EXPECT_GT(beats.beatFrames[i], beats.beatFrames[i - 1]);
    if (kind == Signal::Silence) {
        EXPECT_EQ(tempo.tempoBpm, rhythm::defaultTempoBpm);
    }
}

std::string signalCaseName(const ::testing::TestParamInfo<SignalCase>& info)
{
    static const char* const names[] = {"Silence", "Noise", "SingleClick", "Clicks"};
    return std::string(names[int(std::get<0>(info.param))]) + "_Hz" + std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Signals, ShortOrFeatureless,
                         ::testing::Combine(::testing::Values(Signal::Silence, Signal::Noise, Signal::SingleClick,
                                                              Signal::Clicks),
                                            ::testing::Values(22050, 44100, 48000, 96000)),
                         signalCaseName);

TEST(ShortOrFeatureless, SilenceGetsA120BpmGrid)
{
    const int rate = 44100;
    const OnsetStage onset = onsetsOf(makeSignal(Signal::Silence, rate, 10 * rate), rate);
    const TempoStage tempo = MIRtoolbox::tempo(onset);
    const BeatStage beats = MIRtoolbox::trackBeats(onset, tempo);
    EXPECT_EQ(tempo.tempoBpm, 120.0f);
    // 120 BPM at hop 512: 43.07 frames.
    ASSERT_GE(beats.beatFrames.size(), 2u);
    for (size_t i = 0; i < beats.beatFrames.size(); ++i)
        EXPECT_EQ(beats.beatFrames[i], int(43 * i));
}

} // namespace
