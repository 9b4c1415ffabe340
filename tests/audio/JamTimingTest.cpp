// Riffs as a listener hears them, rendered and played live through the
// feed loop on the silent device: every jump starts with its own beat's
// attack and none of the next one's, and a riff lasts exactly the sum of
// its beats, pass after pass.
#include "BeatLead.h"
#include "HeardSignals.h"
#include "JamFakes.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace player_test;
using namespace jamplay_test;

namespace {

constexpr int rateHz = 44100;
constexpr int L = base::beatLeadFrames;

// A player whose model holds `beatCount` beats, `spacing` frames apart,
// the first at `firstBeat`, with six fake riffs.
struct TimingRig
{
    TimingRig(TestRecording recording, int beatCount, int firstBeat, int spacing)
        : rig(std::move(recording), rateHz)
    {
        rig.model.handOver(evenBeats(beatCount, float(firstBeat), float(spacing)));
        for (int r = 0; r < jamplay::riffCount; ++r) {
            riffs.riff[r].setBeatCount(beatCount);
            rig.player->addRiff(&riffs.riff[r]);
        }
        rig.player->setSong(&song);
    }

    // Riff A on these beats, rendered once.
    std::vector<float> render(std::initializer_list<int> beats)
    {
        riffs.riff[0].setBeats(beats);
        rig.player->calculateRiffWavData();
        return std::vector<float>(rig.player->riffWavLeft.begin(), rig.player->riffWavLeft.end());
    }

    // Riff A on these beats played live until `frames` were pushed.
    std::vector<float> play(std::initializer_list<int> beats, int frames)
    {
        riffs.riff[0].setBeats(beats);
        rig.player->playRiff();
        EXPECT_TRUE(rig.player->isPlaying());
        while (heard::pushedFrames(*rig.probe, rig.probe->lastStream) < frames && rig.player->isPlaying())
            rig.turnAndTick(10.0);
        return heard::pushedLeft(*rig.probe, rig.probe->lastStream);
    }

    Rig rig;
    RiffSet riffs;
    FakeSong song;
};

// ---------------------------------------------------------------------------
// Attack: tone bursts of their own frequency on every true beat.

constexpr int burstBeats = 24;
constexpr int burstSpacing = 22050; // 120 BPM, not a whole number of blocks
constexpr int firstBurst = 44100;
constexpr int attackWindow = rateHz / 50; // 20 ms

double burstHz(int beat)
{
    return 600.0 + 400.0 * double(beat % 10);
}

TestRecording burstRecording()
{
    const int frames = firstBurst + burstBeats * burstSpacing + rateHz;
    std::vector<float> x(size_t(frames), 0.0f);
    for (int b = 0; b < burstBeats; ++b)
        synth::addToneBurst(x, rateHz, firstBurst + b * burstSpacing, burstHz(b), 0.5f, 30.0, 150.0);
    return TestRecording{x, x};
}

struct AttackCase
{
    const char* name;
    bool live;
    int lateFrames; // how far the analysed beats lie after the attacks
};

std::ostream& operator<<(std::ostream& os, const AttackCase& c)
{
    return os << c.name;
}

class RiffAttack : public ::testing::TestWithParam<AttackCase>
{
};

// A riff of four jumps. Where each step starts, the frequency of its own
// burst rises and is the loudest over the next 20 ms; every other burst,
// the one that follows the last step's beat in the recording above all,
// stays 20 dB below it.
TEST_P(RiffAttack, EachStepStartsWithItsOwnBeatAndNoneOther)
{
    const AttackCase& c = GetParam();
    // Beats the player hears where the attacks are, then late by lateFrames.
    TimingRig t(burstRecording(), burstBeats, firstBurst + L + c.lateFrames, burstSpacing);
    const std::vector<int> steps = {4, 9, 6, 2};
    const int passes = c.live ? 2 : 1;
    const int stepCount = int(steps.size()) * passes;
    const std::vector<float> out =
        c.live ? t.play({4, 9, 6, 2}, (stepCount + 1) * burstSpacing) : t.render({4, 9, 6, 2});
    ASSERT_GE(int(out.size()), stepCount * burstSpacing);

    for (int k = 0; k < stepCount; ++k) {
        const int start = k * burstSpacing;
        const int own = steps[size_t(k) % steps.size()];
        const double ownLevel = heard::levelAt(out, start, attackWindow, rateHz, burstHz(own));
        const double ownBefore = heard::levelAt(out, start - attackWindow, attackWindow, rateHz, burstHz(own));
        EXPECT_GT(ownLevel, 0.05) << "step " << k << " on beat " << own << " sounds its burst";
        EXPECT_GT(ownLevel, 4.0 * ownBefore) << "step " << k << ": its burst starts with it";
        for (int other = 0; other < 10; ++other) {
            if (other == own % 10)
                continue;
            const double level = heard::levelAt(out, start, attackWindow, rateHz, burstHz(other));
            EXPECT_LT(heard::decibels(level / ownLevel), -20.0)
                << "step " << k << " on beat " << own << ": the burst at " << burstHz(other) << " Hz";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Jam, RiffAttack,
                         ::testing::Values(AttackCase{"rendered_beats_on_the_attacks", false, 0},
                                           AttackCase{"rendered_beats_1300_frames_late", false, 1300},
                                           AttackCase{"live_beats_on_the_attacks", true, 0},
                                           AttackCase{"live_beats_1300_frames_late", true, 1300}),
                         RowName());

// ---------------------------------------------------------------------------
// Length: a marker after every beat's first frame shows where steps start.

constexpr int markerDelay = 200; // past the fade-in of a step's start

float markerAmplitude(int beat)
{
    return 0.1f * float(1 + beat % 8);
}

TestRecording markerRecording(int beatCount, int firstBeat, int spacing)
{
    const int frames = firstBeat + (beatCount + 1) * spacing;
    std::vector<float> x(size_t(frames), 0.0f);
    for (int b = 0; b < beatCount; ++b)
        x[size_t(firstBeat - L + b * spacing + markerDelay)] = markerAmplitude(b);
    return TestRecording{x, x};
}

// The frames where the marker of `beat` sounds in the output.
std::vector<int> markersOf(const std::vector<float>& out, int beat)
{
    // The chain plays a lone sample back at about 0.75 of its height.
    const float expected = 0.75f * markerAmplitude(beat);
    std::vector<int> at;
    for (int i = 0; i < int(out.size()); ++i) {
        if (std::fabs(out[size_t(i)] - expected) < 0.02f)
            at.push_back(i);
    }
    return at;
}

struct LengthCase
{
    const char* name;
    std::vector<int> steps;
    int spacing;
    bool live;
};

std::ostream& operator<<(std::ostream& os, const LengthCase& c)
{
    return os << c.name;
}

class RiffLength : public ::testing::TestWithParam<LengthCase>
{
};

// Within a few frames of the sum of its beats per pass, and no drift: the
// hundredth pass starts where a hundred sums say.
TEST_P(RiffLength, IsTheSumOfItsBeatsPassAfterPass)
{
    const LengthCase& c = GetParam();
    constexpr int beatCount = 16;
    const int firstBeat = 3 * c.spacing;
    TimingRig t(markerRecording(beatCount, firstBeat, c.spacing), beatCount, firstBeat, c.spacing);
    const int pass = int(c.steps.size()) * c.spacing;
    constexpr int tolerance = 8;
    t.riffs.riff[0].setBeats({});
    for (size_t s = 0; s < c.steps.size(); ++s)
        t.riffs.riff[0].setBeat(int(s), c.steps[s]);
    t.riffs.riff[0].setLoopLength(int(c.steps.size()) - 1);

    if (!c.live) {
        t.rig.player->calculateRiffWavData();
        EXPECT_NEAR(t.rig.player->riffWavLeft.size(), pass, tolerance);
        return;
    }
    constexpr int passes = 100;
    t.rig.player->playRiff();
    while (heard::pushedFrames(*t.rig.probe, t.rig.probe->lastStream) < (passes + 1) * pass)
        t.rig.turn(200.0);
    const std::vector<int> starts =
        markersOf(heard::pushedLeft(*t.rig.probe, t.rig.probe->lastStream), c.steps[0]);
    ASSERT_GE(starts.size(), size_t(passes + 1));
    for (int p = 0; p <= passes; ++p) {
        ASSERT_NEAR(starts[size_t(p)], markerDelay + p * pass, tolerance) << "pass " << p;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, RiffLength,
    ::testing::Values(LengthCase{"consecutive_steps_beats_of_5000_rendered", {3, 4, 5, 6}, 5000, false},
                      LengthCase{"jumping_steps_beats_of_5000_rendered", {3, 8, 5, 10}, 5000, false},
                      LengthCase{"consecutive_steps_beats_of_5120_rendered", {3, 4, 5, 6}, 5120, false},
                      LengthCase{"jumping_steps_beats_of_5120_rendered", {3, 8, 5, 10}, 5120, false},
                      LengthCase{"consecutive_steps_beats_of_5000_live", {3, 4, 5, 6}, 5000, true},
                      LengthCase{"jumping_steps_beats_of_5000_live", {3, 8, 5, 10}, 5000, true},
                      LengthCase{"consecutive_steps_beats_of_5120_live", {3, 4, 5, 6}, 5120, true},
                      LengthCase{"jumping_steps_beats_of_5120_live", {3, 8, 5, 10}, 5120, true}),
    RowName());

} // namespace
