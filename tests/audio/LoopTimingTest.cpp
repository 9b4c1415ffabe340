// A looped selection as a listener hears it, played through the feed loop
// on the silent device and exported: over tone bursts of their own
// frequency on every beat, each pass lasts exactly the selection's frames
// at the tempo, holds none of the beat after its end, and starts with its
// first burst at full weight; the metronome keeps the beats' intervals
// across the wrap; the exported selection is exactly its frames; and a
// riff's first step is as long as its others.
#include "HeardSignals.h"
#include "JamFakes.h"
#include "MetronomeClick.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

using namespace player_test;

namespace {

constexpr int beatCount = 24;
constexpr int loopFirstBeat = 8;

// A beat and the ones 1, 2, 4 or 7 later at least 1200 Hz apart, so that
// a short burst's spread does not read as the one after a loop's end.
double burstHz(int beat)
{
    return 500.0 + 400.0 * double((4 * beat) % 11);
}

int firstBeatAt(int rateHz)
{
    return rateHz / 2;
}

// A burst of its own frequency on every beat, decayed well before the next.
TestRecording burstRecording(int rateHz, int spacing)
{
    const int first = firstBeatAt(rateHz);
    std::vector<float> x(size_t(first + (beatCount + 1) * spacing), 0.0f);
    for (int b = 0; b < beatCount; ++b)
        synth::addToneBurst(x, rateHz, first + b * spacing, burstHz(b), 0.5f, 15.0, 100.0);
    return TestRecording{x, x};
}

struct LoopCase
{
    const char* name;
    int rateHz;
    int spacing; // frames per beat
    int beats;   // in the loop
    float tempo; // the tempo tool's factor, 1: off
    int semitones;
    int passes;
};

std::ostream& operator<<(std::ostream& os, const LoopCase& c)
{
    return os << c.name;
}

// The grid's length of silence: what sounds is the metronome.
TestRecording silentGrid(const LoopCase& c)
{
    const size_t frames = size_t(firstBeatAt(c.rateHz) + (beatCount + 1) * c.spacing);
    return TestRecording{std::vector<float>(frames), std::vector<float>(frames)};
}

double pitchOf(const LoopCase& c)
{
    return std::pow(2.0, c.semitones / 12.0);
}

// A player on the grid with the row's tools on.
struct LoopRig
{
    explicit LoopRig(const LoopCase& c, TestRecording recording) : rig(std::move(recording), c.rateHz)
    {
        rig.model.handOver(evenBeats(beatCount, float(firstBeatAt(c.rateHz)), float(c.spacing)));
        if (c.tempo != 1.0f) {
            rig.player->setHop(c.tempo);
            rig.player->activateTempo(false);
        }
        if (c.semitones != 0) {
            rig.player->setInterp(float(pitchOf(c)));
            rig.player->activatePitch(false);
        }
        start = firstBeatAt(c.rateHz) + loopFirstBeat * c.spacing;
        end = start + c.beats * c.spacing;
        rig.setSelection(start, end);
    }

    // The metronome on, at half its gain.
    void click()
    {
        const auto& beep = metronomeClick();
        rig.player->initBeep(beep.data(), beep.data(), int(beep.size()));
        rig.player->setMetroVolume(50);
    }

    // Output frames per recording frame, as the chain advances.
    double stretch() const { return double(chain::hop) / double(stepAdvance()); }

    // The left channel pushed while looping, until `frames` were pushed.
    std::vector<float> loop(int frames)
    {
        std::vector<float> out;
        out.reserve(size_t(frames) + 8 * chain::hop);
        rig.player->loop(true);
        rig.player->play();
        while (int(out.size()) < frames && rig.player->isPlaying()) {
            rig.turnAndTick(20.0);
            // Taken as it comes: a hundred passes would hold every block twice.
            for (const ProbeOutput::Push& push : rig.probe->pushes) {
                for (size_t f = 0; f < push.frames.size() / 2; ++f)
                    out.push_back(push.frames[2 * f]);
            }
            rig.probe->pushes.clear();
        }
        return out;
    }

    // The selection exported, block by block as the exporter takes them.
    std::vector<float> exportSelection()
    {
        std::vector<float> out;
        rig.player->startSelectionExport(start, end);
        for (int b = 0; b < 10000; ++b) {
            const bool ended = rig.player->processAudioFrame();
            out.insert(out.end(), rig.player->exportLeft.begin(), rig.player->exportLeft.end());
            if (ended)
                break;
        }
        return out;
    }

    Rig rig;
    int start = 0;
    int end = 0;
};

// Where a burst starts: its first frame at half the loudest in the window.
int onsetNear(const std::vector<float>& x, int expected, int rateHz)
{
    return heard::onsetIn(x, expected - rateHz / 40, rateHz / 20, 0.5f);
}

// The level of beat b's burst over 20 ms from `at` in the output.
double burstLevel(const std::vector<float>& x, int at, int beat, const LoopCase& c)
{
    return heard::levelAt(x, at, c.rateHz / 50, c.rateHz, burstHz(beat) * pitchOf(c));
}

class TransportLoop : public ::testing::TestWithParam<LoopCase>
{
};

// Pass after pass, a pass is (end − start) / tempo frames; in the 60 ms
// around each wrap the burst of the beat after the loop end stays 30 dB
// below the loop's own bursts; and the loop's first burst is as loud as
// its others.
TEST_P(TransportLoop, EachPassIsItsBeatsOnly)
{
    const LoopCase& c = GetParam();
    LoopRig t(c, burstRecording(c.rateHz, c.spacing));
    const double pass = (t.end - t.start) * t.stretch();
    const double outputBeat = c.spacing * t.stretch();
    const std::vector<float> out = t.loop(int((c.passes + 2) * pass));

    // The first wrap: the loop's first burst again, about a pass after
    // play; then a pass of whole frames, the same every time.
    std::vector<int> wraps{onsetNear(out, int(std::lround(pass)), c.rateHz)};
    ASSERT_GE(wraps[0], 0);
    for (int p = 1; p < c.passes; ++p) {
        const int at = onsetNear(out, wraps.back() + int(std::lround(pass)), c.rateHz);
        // The first wrap follows play's start, whose chain held other
        // frames: its burst's onset reads a few frames off.
        ASSERT_NEAR(at - wraps.back(), pass, p == 1 ? 8.0 : 2.0) << "pass " << p;
        if (p > 2) {
            ASSERT_EQ(at - wraps.back(), wraps[2] - wraps[1]) << "pass " << p;
        }
        wraps.push_back(at);
    }

    // The loop's own bursts in the second pass, at their attacks.
    std::vector<double> own;
    for (int b = 0; b < c.beats; ++b) {
        const int attack = wraps[0] + int(std::lround(b * outputBeat));
        own.push_back(burstLevel(out, attack, loopFirstBeat + b, c));
    }
    const double quietest = *std::min_element(own.begin(), own.end());
    ASSERT_GT(quietest, 0.05);
    for (int b = 1; b < c.beats; ++b)
        EXPECT_NEAR(heard::decibels(own[0] / own[size_t(b)]), 0.0, 1.0) << "the first burst against beat " << b;

    const int outside = loopFirstBeat + c.beats;
    const int around = c.rateHz * 3 / 100;
    for (size_t p = 0; p < wraps.size(); ++p) {
        const double level =
            heard::levelAt(out, wraps[p] - around, 2 * around, c.rateHz, burstHz(outside) * pitchOf(c));
        ASSERT_LT(heard::decibels(level / quietest), -30.0) << "the next beat's burst at wrap " << p;
    }
}

// Grids of beats that are (×1024) and are not whole blocks long; one
// suite per rate, so that neither runs long.
INSTANTIATE_TEST_SUITE_P(LoopsAt44k1, TransportLoop,
                         ::testing::Values(LoopCase{"one_beat_of_11025", 44100, 11025, 1, 1.0f, 0, 100},
                                           LoopCase{"one_beat_x1024", 44100, 11264, 1, 1.0f, 0, 100},
                                           LoopCase{"two_beats_of_11025", 44100, 11025, 2, 1.0f, 0, 100},
                                           LoopCase{"four_beats_x1024", 44100, 11264, 4, 1.0f, 0, 100},
                                           LoopCase{"seven_beats_of_11025", 44100, 11025, 7, 1.0f, 0, 100},
                                           LoopCase{"one_beat_x1024_tempo_0_8", 44100, 11264, 1, 0.8f, 0, 100},
                                           LoopCase{"two_beats_of_11025_tempo_0_8", 44100, 11025, 2, 0.8f, 0, 100},
                                           LoopCase{"seven_beats_x1024_tempo_0_8", 44100, 11264, 7, 0.8f, 0, 100},
                                           LoopCase{"two_beats_x1024_tempo_1_25", 44100, 11264, 2, 1.25f, 0, 100},
                                           LoopCase{"four_beats_of_11025_tempo_1_25", 44100, 11025, 4, 1.25f, 0,
                                                    100},
                                           LoopCase{"one_beat_of_11025_pitch_3", 44100, 11025, 1, 1.0f, 3, 100},
                                           LoopCase{"four_beats_x1024_pitch_3", 44100, 11264, 4, 1.0f, 3, 100}),
                         RowName());
INSTANTIATE_TEST_SUITE_P(
    LoopsAt96k, TransportLoop,
    ::testing::Values(LoopCase{"two_beats_of_24000_at_96_khz", 96000, 24000, 2, 1.0f, 0, 100},
                      LoopCase{"seven_beats_x1024_at_96_khz", 96000, 24576, 7, 1.0f, 0, 100},
                      LoopCase{"one_beat_x1024_at_96_khz_tempo_0_8", 96000, 24576, 1, 0.8f, 0, 100},
                      LoopCase{"four_beats_of_24000_at_96_khz_tempo_1_25", 96000, 24000, 4, 1.25f, 0, 100},
                      LoopCase{"two_beats_of_24000_at_96_khz_pitch_3", 96000, 24000, 2, 1.0f, 3, 100}),
    RowName());

class SelectionExport : public ::testing::TestWithParam<LoopCase>
{
};

// The export is the loop: its frames at the tempo, starting with the loop
// start's burst at full weight.
TEST_P(SelectionExport, IsExactlyTheLoop)
{
    const LoopCase& c = GetParam();
    LoopRig t(c, burstRecording(c.rateHz, c.spacing));
    const std::vector<float> out = t.exportSelection();
    EXPECT_NEAR(double(out.size()), (t.end - t.start) * t.stretch(), 2.0);

    const double outputBeat = c.spacing * t.stretch();
    EXPECT_LE(heard::onsetIn(out, 0, c.rateHz / 20, 0.5f), c.rateHz / 1000) << "the first attack";
    const double first = burstLevel(out, 0, loopFirstBeat, c);
    ASSERT_GT(first, 0.05);
    for (int b = 1; b < c.beats; ++b) {
        const double other = burstLevel(out, int(std::lround(b * outputBeat)), loopFirstBeat + b, c);
        EXPECT_NEAR(heard::decibels(first / other), 0.0, 1.0) << "beat " << b;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loops, SelectionExport,
    ::testing::Values(LoopCase{"one_beat_of_11025", 44100, 11025, 1, 1.0f, 0, 1},
                      LoopCase{"two_beats_x1024", 44100, 11264, 2, 1.0f, 0, 1},
                      LoopCase{"four_beats_of_11025_tempo_0_8", 44100, 11025, 4, 0.8f, 0, 1},
                      LoopCase{"seven_beats_x1024_tempo_1_25", 44100, 11264, 7, 1.25f, 0, 1},
                      LoopCase{"two_beats_of_11025_pitch_3", 44100, 11025, 2, 1.0f, 3, 1},
                      LoopCase{"four_beats_x1024_at_96_khz_tempo_0_8", 96000, 24576, 4, 0.8f, 0, 1},
                      LoopCase{"seven_beats_of_24000_at_96_khz", 96000, 24000, 7, 1.0f, 0, 1}),
    RowName());

class LoopClicks : public ::testing::TestWithParam<LoopCase>
{
};

// Over silence, the clicks of a looped selection keep the beats' interval
// in the output across every wrap.
TEST_P(LoopClicks, KeepTheBeatIntervalAcrossTheWrap)
{
    const LoopCase& c = GetParam();
    LoopRig t(c, silentGrid(c));
    t.click();
    const double outputBeat = c.spacing * t.stretch();
    const std::vector<float> out = t.loop(int((c.passes * c.beats + 1) * outputBeat));

    std::vector<int> clicks;
    int lastSound = -c.rateHz;
    for (int i = 0; i < int(out.size()); ++i) {
        if (out[size_t(i)] == 0.0f)
            continue;
        if (i - lastSound > c.rateHz / 10)
            clicks.push_back(i - 1); // a click's first sample is 0
        lastSound = i;
    }
    ASSERT_GE(clicks.size(), size_t(c.passes * c.beats - 1));
    for (size_t k = 1; k < clicks.size(); ++k)
        EXPECT_NEAR(clicks[k] - clicks[k - 1], outputBeat, 0.001 * c.rateHz) << "click " << k;
}

// Played again from the selection's start after a stop, the first pass
// clicks the beat that clicked last before the stop.
TEST(LoopReplay, ClicksTheBeatThatClickedLastBeforeTheStop)
{
    const LoopCase c{"two_beats", 44100, 11025, 2, 1.0f, 0, 3};
    LoopRig t(c, silentGrid(c));
    t.click();
    // Stopped in the loop's second beat, after its click.
    t.loop(int(3.7 * c.beats * c.spacing));
    t.rig.player->stop();
    const std::vector<float> again = t.loop(2 * c.spacing);

    // The second beat's click, a beat after the start.
    const auto sounds = [&again](int from, int to) {
        return std::any_of(again.begin() + from, again.begin() + to, [](float x) { return x != 0.0f; });
    };
    EXPECT_TRUE(sounds(c.spacing - 64, c.spacing + 256));
}

INSTANTIATE_TEST_SUITE_P(Loops, LoopClicks,
                         ::testing::Values(LoopCase{"two_beats_of_11025", 44100, 11025, 2, 1.0f, 0, 10},
                                           LoopCase{"three_beats_of_11025_tempo_0_8", 44100, 11025, 3, 0.8f, 0,
                                                    10},
                                           LoopCase{"one_beat_of_24000_at_96_khz", 96000, 24000, 1, 1.0f, 0, 10}),
                         RowName());

class RiffFirstStep : public ::testing::TestWithParam<LoopCase>
{
};

// Live, from the start: every step of every pass, the first included, is
// its beat at the tempo.
TEST_P(RiffFirstStep, IsAsLongAsTheOthers)
{
    using namespace jamplay_test;
    const LoopCase& c = GetParam();
    LoopRig t(c, burstRecording(c.rateHz, c.spacing));
    FakeRiff riff;
    riff.setBeatCount(beatCount);
    // `beats` apart: 1 plays on from step to step, 2 jumps at each. Where
    // a step plays on, the vocoder smears its attack by where the chain's
    // blocks fall against it, which differs from pass to pass: such rows
    // only where that stays within the bound.
    const int d = c.beats;
    riff.setBeats({8, 8 + d, 8 + 2 * d, 8 + 3 * d});
    t.rig.player->addRiff(&riff);
    FakeSong song;
    t.rig.player->setSong(&song);
    const double outputBeat = c.spacing * t.stretch();
    const int steps = 4 * c.passes;

    t.rig.player->playRiff();
    ASSERT_TRUE(t.rig.player->isPlaying());
    while (heard::pushedFrames(*t.rig.probe, t.rig.probe->lastStream) < int((steps + 1) * outputBeat))
        t.rig.turnAndTick(20.0);
    const std::vector<float> out = heard::pushedLeft(*t.rig.probe, t.rig.probe->lastStream);

    // Each step's burst, pass by pass. Bursts of other frequencies reach
    // half their peak a few frames apart, so a step is compared with
    // itself in the next pass.
    std::vector<std::vector<int>> onsets(size_t(c.passes));
    for (int k = 0; k < steps; ++k) {
        const int at = onsetNear(out, int(std::lround(k * outputBeat)), c.rateHz);
        ASSERT_GE(at, 0) << "step " << k;
        onsets[size_t(k / 4)].push_back(at);
    }
    for (int p = 1; p < c.passes; ++p) {
        EXPECT_NEAR(onsets[size_t(p)][0] - onsets[size_t(p - 1)][0], 4 * outputBeat, 4.0) << "pass " << p - 1;
        for (size_t k = 1; k < 4; ++k) {
            EXPECT_NEAR(onsets[size_t(p)][k] - onsets[size_t(p)][k - 1], onsets[0][k] - onsets[0][k - 1], 2.0)
                << "step " << k - 1 << " of pass " << p << " against the first pass";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, RiffFirstStep,
    ::testing::Values(LoopCase{"consecutive_tempo_1", 44100, 22050, 1, 1.0f, 0, 3},
                      LoopCase{"consecutive_tempo_100_of_120", 44100, 22050, 1, 100.0f / 120.0f, 0, 3},
                      LoopCase{"jumping_tempo_100_of_120", 44100, 22050, 2, 100.0f / 120.0f, 0, 3},
                      LoopCase{"jumping_tempo_1_25", 44100, 22050, 2, 1.25f, 0, 3},
                      LoopCase{"jumping_tempo_0_8_pitch_3", 44100, 22050, 2, 0.8f, 3, 3},
                      LoopCase{"jumping_at_96_khz_tempo_0_8", 96000, 48000, 2, 0.8f, 0, 3}),
    RowName());

} // namespace
