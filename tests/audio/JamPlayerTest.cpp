// Riff and song playback through the player on the silent device, fed by
// the test: the stepping as the device hears it, the step pitch and the
// pitch tool afterwards, the beat offset, the export block and the two
// renders against the chain pre-rolled at each step.
#include "BeatLead.h"
#include "ChainTiming.h"
#include "HeardSignals.h"
#include "JamFakes.h"
#include "JamSteps.h"
#include "ProcessingChain.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

using namespace player_test;
using namespace jamplay_test;
using Tool = ToolSwitches::Tool;

namespace {

// Beat b at 4096 (b + 1): a step on beat b plays from lead(b) up to
// lead(b + 1).
constexpr int beatCount = 60;
constexpr int beatAt(int b)
{
    return 4096 * (b + 1);
}
constexpr int lead(int b)
{
    return beatAt(b) - base::beatLeadFrames;
}

// A marker shortly after the frame where each beat is heard, its height
// telling the beat: with the tools off the chain plays a lone sample back
// at about 0.75 of its height, exactly where it lies.
constexpr int markerDelay = 200; // past the fade-in of a step's start
constexpr float markerStep = 0.01f;

TestRecording markedRecording(int frames, int beats, float spacing)
{
    std::vector<float> x(size_t(frames), 0.0f);
    for (int b = 0; b < beats; ++b) {
        const int at = base::heardFrame(spacing * float(b + 1)) + markerDelay;
        if (at < frames)
            x[size_t(at)] = markerStep * float(b + 1);
    }
    return TestRecording{x, x};
}

struct Marker
{
    int frame; // in the output
    int beat;
};

std::vector<Marker> markersIn(const std::vector<float>& out)
{
    std::vector<Marker> found;
    for (int i = 0; i < int(out.size()); ++i) {
        if (std::fabs(out[size_t(i)]) > 0.4f * 0.75f * markerStep)
            found.push_back({i, int(std::lround(out[size_t(i)] / (0.75f * markerStep))) - 1});
    }
    return found;
}

struct RiffContent
{
    int riff;
    std::vector<int> beats;
    std::vector<float> pitches;
};

// A player on the silent device with six fake riffs, a fake song and a
// beat every 4096 frames, each with its marker.
struct JamRig
{
    explicit JamRig(int frames = 400000, int beats = beatCount, float spacing = 4096.0f)
        : rig(markedRecording(frames, beats, spacing), 44100)
    {
        rig.model.handOver(evenBeats(beats, spacing, spacing));
        for (int r = 0; r < jamplay::riffCount; ++r) {
            riffs.riff[r].setBeatCount(beats);
            rig.player->addRiff(&riffs.riff[r]);
        }
        rig.player->setSong(&song);
    }

    void setRiffs(const std::vector<RiffContent>& contents)
    {
        for (const RiffContent& content : contents) {
            FakeRiff& riff = riffs.riff[content.riff];
            for (size_t s = 0; s < content.beats.size(); ++s)
                riff.setBeat(int(s), content.beats[s]);
            riff.setLoopLength(int(content.beats.size()) - 1);
            for (size_t s = 0; s < content.pitches.size(); ++s)
                riff.setPitch(int(s), content.pitches[s]);
        }
    }
    void setSlots(const std::vector<int>& slotRiffs)
    {
        for (size_t t = 0; t < slotRiffs.size(); ++t)
            song.setSlot(int(t), slotRiffs[t]);
    }

    // The markers heard in the current stream once `count` were pushed.
    std::vector<Marker> heard(size_t count)
    {
        std::vector<Marker> found;
        for (int i = 0; i < 400 && found.size() < count; ++i) {
            rig.turnAndTick(10.0);
            found = markersIn(heard::pushedLeft(*rig.probe, rig.probe->lastStream));
        }
        found.resize(std::min(found.size(), count));
        return found;
    }

    Rig rig;
    RiffSet riffs;
    FakeSong song;
};

std::vector<int> beatsOf(const std::vector<Marker>& markers)
{
    std::vector<int> beats;
    for (const Marker& m : markers)
        beats.push_back(m.beat);
    return beats;
}

// Every step lasts its beat: one marker every 4096 frames.
::testing::AssertionResult oneBeatApart(const std::vector<Marker>& markers)
{
    for (size_t k = 1; k < markers.size(); ++k) {
        if (markers[k].frame - markers[k - 1].frame != 4096)
            return ::testing::AssertionFailure()
                << "marker " << k << " at " << markers[k].frame << ", the one before at " << markers[k - 1].frame;
    }
    return ::testing::AssertionSuccess();
}

std::vector<int> intsOf(const QSignalSpy& spy)
{
    std::vector<int> values;
    for (const QList<QVariant>& args : spy)
        values.push_back(args.at(0).toInt());
    return values;
}

// `expected` is the beginning of `actual`.
::testing::AssertionResult startsWith(const std::vector<int>& actual, const std::vector<int>& expected)
{
    if (actual.size() >= expected.size() && std::equal(expected.begin(), expected.end(), actual.begin()))
        return ::testing::AssertionSuccess();
    auto out = ::testing::AssertionFailure() << "got";
    for (const int v : actual)
        out << ' ' << v;
    return out;
}

} // namespace

// ---------------------------------------------------------------------------
// Stepping as heard: where each block was read, and what the jam tab hears.

struct SteppingCase
{
    const char* name;
    bool song;
    std::vector<RiffContent> riffs;
    int activeRiff;
    std::vector<int> slotRiffs;
    std::vector<int> heard; // the beats whose markers sound, in order
    std::vector<int> steps; // setCurrentBeatStep, from the start
    std::vector<int> songSteps;
    std::vector<int> songRiffs;
};

void PrintTo(const SteppingCase& c, std::ostream* os)
{
    *os << c.name;
}

class JamStepping : public ::testing::TestWithParam<SteppingCase>
{
};

TEST_P(JamStepping, PlaysTheStepsTheRiffOrSongHolds)
{
    const SteppingCase& c = GetParam();
    JamRig jam;
    jam.setRiffs(c.riffs);
    jam.setSlots(c.slotRiffs);
    jam.rig.player->setRiff(c.activeRiff);
    QSignalSpy steps(jam.rig.player.get(), &AudioPlayer::setCurrentBeatStep);
    QSignalSpy songSteps(jam.rig.player.get(), &AudioPlayer::setCurrentSongStep);
    QSignalSpy songRiffs(jam.rig.player.get(), &AudioPlayer::songRiffChanged);
    QSignalSpy enabled(jam.rig.player.get(), &AudioPlayer::enableJamTab);

    if (c.song)
        jam.rig.player->playSong();
    else
        jam.rig.player->playRiff();
    ASSERT_TRUE(jam.rig.player->isPlaying());
    const std::vector<Marker> heard = jam.heard(c.heard.size());
    EXPECT_EQ(beatsOf(heard), c.heard);
    EXPECT_TRUE(oneBeatApart(heard));
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.front().frame, markerDelay) << "the first step from its first frame";
    // The device plays what was pushed: the steps are told as it does.
    for (int i = 0; i < 20; ++i)
        jam.rig.turnAndTick(10.0);
    EXPECT_TRUE(startsWith(intsOf(steps), c.steps));
    EXPECT_TRUE(startsWith(intsOf(songSteps), c.songSteps));
    EXPECT_TRUE(startsWith(intsOf(songRiffs), c.songRiffs));
    EXPECT_EQ(enabled.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Jam, JamStepping,
    ::testing::Values(
        SteppingCase{"consecutive_beats_play_on_and_wrap",
                     false,
                     {{0, {1, 2, 3}, {}}},
                     0,
                     {},
                     {1, 2, 3, 1, 2, 3, 1},
                     {0, 1, 2, 0},
                     {},
                     {}},
        SteppingCase{"beats_10_11_20_jump_from_the_end_of_11_to_20",
                     false,
                     {{4, {10, 11, 20}, {}}},
                     4,
                     {},
                     {10, 11, 20, 10, 11, 20},
                     {0, 1, 2, 0},
                     {},
                     {}},
        SteppingCase{
            "a_one_step_riff_jumps_back_each_time", false, {{1, {7}, {}}}, 1, {}, {7, 7, 7, 7}, {0, 0, 0}, {}, {}},
        SteppingCase{"a_riff_outside_the_six_plays_riff_a", false, {{0, {7}, {}}}, 9, {}, {7, 7}, {0, 0}, {}, {}},
        // Slots C, empty, A: C, then A, then C again.
        SteppingCase{"song_slots_c_empty_a_play_c_a_c",
                     true,
                     {{0, {1, 2}, {}}, {2, {5}, {}}},
                     0,
                     {2, -1, 0},
                     {5, 1, 2, 5, 1, 2},
                     {0, 0, 1, 0},
                     {0, 2, 0},
                     {2, 0, 2}},
        SteppingCase{"a_song_from_an_empty_slot_starts_at_the_next_used",
                     true,
                     {{0, {1, 2}, {}}},
                     0,
                     {-1, -1, 0},
                     {1, 2, 1, 2},
                     {0, 1, 0},
                     {2, 2},
                     {0, 0}}),
    RowName());

TEST(JamPlayback, ClearingThePlayingSlotMovesToTheHighestUsedSlot)
{
    JamRig jam;
    jam.setRiffs({{0, {1, 2}, {}}, {2, {5, 6, 7}, {}}, {3, {4, 5, 6, 7, 8}, {}}});
    jam.setSlots({2, -1, 0, 3});
    QSignalSpy songSteps(jam.rig.player.get(), &AudioPlayer::setCurrentSongStep);
    jam.rig.player->playSong();
    jam.rig.turnAndTick(10.0);

    // Slot 0 (C) is emptied while C's first step plays: the highest used
    // slot, D, takes over at its step on the next beat, without a jump.
    jam.song.setSlot(0, -1);
    const std::vector<Marker> heard = jam.heard(6);
    EXPECT_EQ(beatsOf(heard), (std::vector<int>{5, 6, 7, 8, 1, 2}));
    EXPECT_TRUE(oneBeatApart(heard));
    EXPECT_TRUE(startsWith(intsOf(songSteps), {0, 3, 2}));
}

TEST(JamPlayback, TheSecondPressStopsAndAnEmptySongOnlyReleasesItsButton)
{
    JamRig jam;
    jam.setRiffs({{0, {1, 2}, {}}});
    QSignalSpy greyed(jam.rig.player.get(), &AudioPlayer::setGreyedButtonsHidden);
    QSignalSpy songButton(jam.rig.player.get(), &AudioPlayer::unlatchSongPlay);

    jam.rig.player->playSong();
    EXPECT_FALSE(jam.rig.player->isPlaying()) << "no slot is used";
    EXPECT_EQ(songButton.count(), 1);

    jam.rig.player->playRiff();
    ASSERT_TRUE(jam.rig.player->isPlaying());
    jam.rig.player->stopSongPlayback();
    EXPECT_TRUE(jam.rig.player->isPlaying()) << "only a playing song stops";
    jam.rig.player->playRiff();
    EXPECT_FALSE(jam.rig.player->isPlaying());
    ASSERT_FALSE(greyed.isEmpty());
    EXPECT_TRUE(greyed.last().at(0).toBool());

    jam.setSlots({0});
    jam.rig.player->playSong();
    ASSERT_TRUE(jam.rig.player->isPlaying());
    jam.rig.player->stopSongPlayback();
    EXPECT_FALSE(jam.rig.player->isPlaying());
}

// However riff or song playback ends, the waveform hears of it (its play
// line shows again), no step goes on sweeping or stays lit, the song row
// and the step's pitch clear, and no step played before is told later;
// normal playback that never played a riff sends none of it.
struct JamEndCase
{
    const char* name;
    int start; // 0: normal play, 1: riff, 2: song
    void (*leave)(AudioPlayer&);
    bool announced;
};

std::ostream& operator<<(std::ostream& os, const JamEndCase& c)
{
    return os << c.name;
}

class JamEnd : public ::testing::TestWithParam<JamEndCase>
{
};

TEST_P(JamEnd, TellsTheViewsThatNoRiffPlaysAnyMore)
{
    const JamEndCase c = GetParam();
    JamRig jam;
    jam.setRiffs({{0, {1, 2, 3}, {1.5f, 2.0f, 1.5f}}});
    jam.setSlots({0});
    if (c.start == 0)
        jam.rig.player->play();
    else if (c.start == 1)
        jam.rig.player->playRiff();
    else
        jam.rig.player->playSong();
    ASSERT_TRUE(jam.rig.player->isPlaying());
    for (int i = 0; i < 12; ++i)
        jam.rig.turnAndTick(10.0);

    QSignalSpy riffSong(jam.rig.player.get(), &AudioPlayer::playRiffSong);
    QSignalSpy steps(jam.rig.player.get(), &AudioPlayer::setCurrentBeatStep);
    QSignalSpy songSteps(jam.rig.player.get(), &AudioPlayer::setCurrentSongStep);
    QSignalSpy pitches(jam.rig.player.get(), &AudioPlayer::changeBeatPitch);
    c.leave(*jam.rig.player);
    for (int i = 0; i < 30; ++i)
        jam.rig.turnAndTick(10.0);
    if (c.announced) {
        ASSERT_FALSE(riffSong.isEmpty());
        EXPECT_FALSE(riffSong.last().at(0).toBool());
        EXPECT_EQ(intsOf(steps), std::vector<int>{-1});
        EXPECT_EQ(intsOf(songSteps), std::vector<int>{-1});
        ASSERT_EQ(pitches.count(), 1);
        EXPECT_EQ(pitches.last().at(0).toFloat(), 0.0f);
    } else {
        EXPECT_TRUE(riffSong.isEmpty());
        EXPECT_TRUE(steps.isEmpty());
        EXPECT_TRUE(songSteps.isEmpty());
        EXPECT_TRUE(pitches.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, JamEnd,
    ::testing::Values(JamEndCase{"riff_then_play", 1, [](AudioPlayer& p) { p.play(); }, true},
                      JamEndCase{"song_then_play", 2, [](AudioPlayer& p) { p.play(); }, true},
                      JamEndCase{"riff_then_stop", 1, [](AudioPlayer& p) { p.stop(); }, true},
                      JamEndCase{"song_then_stop", 2, [](AudioPlayer& p) { p.stop(); }, true},
                      JamEndCase{"riff_then_pause", 1, [](AudioPlayer& p) { p.pause(); }, true},
                      JamEndCase{"song_paused_then_resumed", 2,
                                 [](AudioPlayer& p) {
                                     p.pause();
                                     p.pause();
                                 },
                                 true},
                      JamEndCase{"normal_play_then_stop", 0, [](AudioPlayer& p) { p.stop(); }, false},
                      JamEndCase{"normal_play_then_play", 0, [](AudioPlayer& p) { p.play(); }, false}),
    RowName());

// A riff's steps reach the step row, the song row and the pitch label
// when the device plays their first frame, not when they are made, about
// a queue's length (90 ms) earlier.
TEST(JamReadouts, ChangeWhenTheStepIsHeard)
{
    JamRig jam;
    jam.setRiffs({{0, {4, 9, 6}, {}}});
    jam.setSlots({0});
    std::vector<std::pair<int, std::int64_t>> shown; // step, frames played by then
    std::int64_t played = 0;
    QObject::connect(jam.rig.player.get(), &AudioPlayer::setCurrentBeatStep, [&](int step) {
        shown.push_back({step, played});
    });
    jam.rig.player->playSong();
    shown.clear(); // step 0, told at the start
    // Ticks 10 ms apart: the device plays 441 frames between them, from
    // the turn that pushed the first block.
    const int tickFrames = 441;
    bool pushed = false;
    for (int i = 0; i < 300; ++i) {
        if (pushed)
            played += tickFrames;
        jam.rig.turnAndTick(10.0);
        pushed = pushed || !jam.rig.probe->pushes.empty();
    }
    ASSERT_GE(shown.size(), 8u);
    for (size_t k = 0; k < shown.size(); ++k) {
        const std::int64_t start = std::int64_t(k + 1) * 4096; // every step is a beat long
        EXPECT_EQ(shown[k].first, int((k + 1) % 3)) << "step change " << k;
        EXPECT_GE(shown[k].second, start) << "step change " << k << " told before it is heard";
        EXPECT_LE(shown[k].second, start + 882) << "step change " << k << " told over 20 ms late";
    }
}

struct StartCase
{
    const char* name;
    bool song;
};

std::ostream& operator<<(std::ostream& os, const StartCase& c)
{
    return os << c.name;
}

class JamStartAfterRender : public ::testing::TestWithParam<StartCase>
{
};

// The render leaves its last step in the chain; a riff or the song
// started on silence right after it plays silence.
TEST_P(JamStartAfterRender, HearsNothingOfTheRender)
{
    const StartCase c = GetParam();
    constexpr int frames = 300000;
    std::vector<float> x(size_t(frames), 0.0f);
    for (int i = 0; i < frames / 2; ++i)
        x[size_t(i)] = 0.5f * float(std::sin(synth::twoPi * 440.0 * i / 44100.0));
    Rig rig(TestRecording{x, x}, 44100);
    rig.model.handOver(evenBeats(70, 4096.0f, 4096.0f));
    RiffSet riffs;
    FakeSong song({1});
    for (int r = 0; r < jamplay::riffCount; ++r) {
        riffs.riff[r].setBeatCount(70);
        rig.player->addRiff(&riffs.riff[r]);
    }
    rig.player->setSong(&song);
    riffs.riff[0].setBeats({10, 20}); // loud
    riffs.riff[1].setBeats({50, 51}); // silent
    rig.player->calculateRiffWavData();
    ASSERT_FALSE(rig.player->riffWavLeft.isEmpty());

    rig.player->setRiff(1);
    if (c.song)
        rig.player->playSong();
    else
        rig.player->playRiff();
    for (int i = 0; i < 20; ++i)
        rig.turnAndTick(10.0);
    const std::vector<float> out = heard::pushedLeft(*rig.probe, rig.probe->lastStream);
    ASSERT_GT(out.size(), 4096u);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return v == 0.0f; }));
}

INSTANTIATE_TEST_SUITE_P(Jam, JamStartAfterRender,
                         ::testing::Values(StartCase{"riff", false}, StartCase{"song", true}), RowName());

TEST(JamPlayback, NothingStartsWithoutAnalysisResults)
{
    Rig rig(Signal::Sine, 200000);
    FakeRiff riff({1, 2});
    rig.player->addRiff(&riff);
    rig.player->playRiff();
    EXPECT_FALSE(rig.player->isPlaying());
}

TEST(JamPlayback, ARiffOnTheLastBeatsPlaysOnPastTheEndOfTheRecording)
{
    // The model's last beat (extrapolated) lies past the recording: the
    // riff's last step ends with the recording and jumps back.
    JamRig jam(200000, 50);
    jam.setRiffs({{0, {47, 48}, {2.0f, 1.0f}}});
    jam.rig.player->setInterp(1.0285f);
    jam.rig.player->activatePitch(false);
    QSignalSpy steps(jam.rig.player.get(), &AudioPlayer::setCurrentBeatStep);
    jam.rig.player->playRiff();
    for (int i = 0; i < 60; ++i)
        jam.rig.turnAndTick(10.0);
    EXPECT_TRUE(jam.rig.player->isPlaying());
    const std::vector<int> shown = intsOf(steps);
    EXPECT_GE(std::count(shown.begin(), shown.end(), 0), 3) << "later passes began";
    const std::vector<float> out = heard::pushedLeft(*jam.rig.probe, jam.rig.probe->lastStream);
    ASSERT_GT(out.size(), 20000u);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float v) { return std::isfinite(v); }));
}

// ---------------------------------------------------------------------------
// The step pitch

struct StepPitchCase
{
    const char* name;
    bool pitchOn;
    float basePitch;
    float step;
    float semitones;
    float factor;
    bool runs; // the pitch tool runs in the chain
};

void PrintTo(const StepPitchCase& c, std::ostream* os)
{
    *os << c.name;
}

class StepInterp : public ::testing::TestWithParam<StepPitchCase>
{
};

TEST_P(StepInterp, AddsTheStepToThePitchControlsAndSwitchesTheChainOnlyForIt)
{
    const StepPitchCase& c = GetParam();
    Rig rig;
    rig.player->setInterp(c.basePitch);
    rig.player->activatePitch(!c.pitchOn);
    QSignalSpy shown(rig.player.get(), &AudioPlayer::changeBeatPitch);

    rig.player->setStepInterp(c.step);
    ASSERT_EQ(shown.count(), 1);
    EXPECT_NEAR(shown.at(0).at(0).toFloat(), c.semitones, 1e-4);
    EXPECT_NEAR(chain::interpfactor.load(), c.factor, 1e-6);
    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    EXPECT_EQ(!switches.interpBypassed, c.runs);
    EXPECT_EQ(switches.TSMPSMEnabled, c.runs);
    EXPECT_EQ(rig.player->toolSwitches().isBypassedByUser(Tool::Pitch), !c.pitchOn) << "the user's switch stays";
}

INSTANTIATE_TEST_SUITE_P(
    Jam, StepInterp,
    ::testing::Values(
        StepPitchCase{"octave_up_turns_the_pitch_tool_on", false, 1.0f, 2.0f, 12.0f, 2.0f, true},
        StepPitchCase{"octave_down_on_an_octave_up_bypasses_it", true, 2.0f, 0.5f, -12.0f, 1.0f, false},
        StepPitchCase{"steps_add_to_the_pitch_controls", true, 1.122462f, 1.189207f, 3.0f, 1.33484f, true},
        StepPitchCase{"a_bypassed_pitch_tool_adds_nothing", false, 2.0f, 1.0f, 0.0f, 1.0f, false},
        StepPitchCase{"a_bypassed_pitch_tool_leaves_the_step_alone", false, 2.0f, 0.5f, -12.0f, 0.5f, true}),
    RowName());

// After riff or song playback the chain plays what the pitch switch shows.
struct LeaveCase
{
    const char* name;
    bool pitchOn;
    bool tempoOn;
    void (*leave)(JamRig&);
};

void PrintTo(const LeaveCase& c, std::ostream* os)
{
    *os << c.name;
}

class PitchAfterSteps : public ::testing::TestWithParam<LeaveCase>
{
};

TEST_P(PitchAfterSteps, AgreesWithTheUsersSwitch)
{
    const LeaveCase& c = GetParam();
    JamRig jam;
    // Both steps change the pitch; the riff plays both before it leaves.
    jam.setRiffs({{0, {1, 2}, {2.0f, 0.5f}}});
    jam.setSlots({0});
    jam.rig.player->setHop(0.8f);
    jam.rig.player->activateTempo(!c.tempoOn);
    jam.rig.player->setInterp(1.25f);
    jam.rig.player->activatePitch(!c.pitchOn);
    c.leave(jam);

    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    EXPECT_EQ(switches.interpBypassed, !c.pitchOn);
    EXPECT_EQ(switches.hopBypassed, !c.tempoOn);
    EXPECT_EQ(switches.TSMPSMEnabled, c.pitchOn || c.tempoOn);
    EXPECT_EQ(chain::interpfactor.load(), c.pitchOn ? 1.25f : 1.0f);
    if (!c.pitchOn) {
        EXPECT_EQ(jam.rig.player->toolSwitches().keptFactor(Tool::Pitch), 1.25f) << "comes back when switched on";
    }
}

void playRiffAWhile(JamRig& jam)
{
    jam.rig.player->playRiff();
    for (int i = 0; i < 30; ++i)
        jam.rig.turnAndTick(10.0);
}

std::vector<LeaveCase> leaveCases()
{
    const std::vector<std::pair<const char*, void (*)(JamRig&)>> ways = {
        {"stop",
         [](JamRig& jam) {
             playRiffAWhile(jam);
             jam.rig.player->stop();
         }},
        {"play",
         [](JamRig& jam) {
             playRiffAWhile(jam);
             jam.rig.player->play();
         }},
        {"pause_leaving_the_riff",
         [](JamRig& jam) {
             playRiffAWhile(jam);
             jam.rig.player->pause();
             EXPECT_TRUE(jam.rig.player->isPlaying());
         }},
        {"the_song_running_out_of_riffs",
         [](JamRig& jam) {
             jam.rig.player->playSong();
             for (int i = 0; i < 30; ++i)
                 jam.rig.turnAndTick(10.0);
             jam.song.setSlot(0, -1);
             jam.rig.playOut(10.0, 200);
             EXPECT_FALSE(jam.rig.player->isPlaying());
         }},
    };
    std::vector<LeaveCase> cases;
    static std::vector<std::string> names;
    names.reserve(32);
    for (const auto& way : ways) {
        for (const bool pitchOn : {true, false}) {
            for (const bool tempoOn : {true, false}) {
                names.push_back(std::string(way.first) + (pitchOn ? "_pitch_on" : "_pitch_off")
                                + (tempoOn ? "_tempo_on" : "_tempo_off"));
                cases.push_back({names.back().c_str(), pitchOn, tempoOn, way.second});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Jam, PitchAfterSteps, ::testing::ValuesIn(leaveCases()), RowName());

TEST(PitchDuringSteps, TheControlsChangeTheBaseUnderThePlayingStep)
{
    JamRig jam;
    jam.setRiffs({{0, {1, 2}, {2.0f, 2.0f}}});
    jam.rig.player->playRiff();
    jam.rig.turnAndTick(10.0);
    EXPECT_EQ(chain::interpfactor.load(), 2.0f);

    // One semitone up on the pitch controls: the step plays on top of it.
    jam.rig.player->setInterp(1.0594631f);
    jam.rig.player->activatePitch(false);
    EXPECT_NEAR(chain::interpfactor.load(), 2.1189262f, 1e-5);
    jam.rig.player->activatePitch(true);
    EXPECT_EQ(chain::interpfactor.load(), 2.0f);
    EXPECT_EQ(jam.rig.player->toolSwitches().keptFactor(Tool::Pitch), 1.0594631f) << "not the step's factor";
}

// ---------------------------------------------------------------------------
// The beat offset

TEST(BeatOffset, MovesEveryBeatByAHundredthOfTheAverageBeatAndBack)
{
    JamRig jam(400000, 10, 22000.0f); // a hundredth of a beat: 220 frames
    jam.rig.model.changeBeats([](QVector<float>& beats) { beats[0] = 100.0f; });
    const QVector<float> start = jam.rig.model.beats;
    QSignalSpy updates(jam.rig.player.get(), &AudioPlayer::updateBeatSelections);

    jam.rig.player->setBeatOffset(49); // the knob's start: nothing moves
    EXPECT_EQ(updates.count(), 0);
    EXPECT_EQ(jam.riffs.riff[0].repositioned, 0);

    jam.rig.player->setBeatOffset(50);
    for (int b = 0; b < start.size(); ++b)
        EXPECT_EQ(jam.rig.model.beats[b], start[b] + 220.0f) << "beat " << b;
    EXPECT_EQ(intsOf(updates), (std::vector<int>{50, 0}));
    for (int r = 0; r < jamplay::riffCount; ++r)
        EXPECT_EQ(jam.riffs.riff[r].repositioned, 1) << "riff " << r;

    jam.rig.player->setBeatOffset(49);
    EXPECT_EQ(jam.rig.model.beats, start);

    // A beat that would move before the start of the recording stays.
    jam.rig.player->setBeatOffset(48);
    EXPECT_EQ(jam.rig.model.beats[0], 100.0f);
    EXPECT_EQ(jam.rig.model.beats[1], start[1] - 220.0f);
}

// ---------------------------------------------------------------------------
// The export block

struct ExportCase
{
    const char* name;
    int framesLeft;
    bool ends;
};

void PrintTo(const ExportCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExportBlock : public ::testing::TestWithParam<ExportCase>
{
};

TEST_P(ExportBlock, RendersWhileMoreThan8191FramesRemain)
{
    const ExportCase& c = GetParam();
    Rig rig(Signal::Sine, 200000);
    rig.player->setCurrentPositionFromSession(200000 - c.framesLeft);
    const bool ended = rig.player->processAudioFrame();
    EXPECT_EQ(ended, c.ends);
    ASSERT_EQ(rig.player->exportLeft.size(), chain::hop);
    ASSERT_EQ(rig.player->exportRight.size(), chain::hop);
    const auto silent = [](const QList<float>& l) {
        return std::all_of(l.begin(), l.end(), [](float v) { return v == 0.0f; });
    };
    if (c.ends) {
        EXPECT_TRUE(silent(rig.player->exportLeft) && silent(rig.player->exportRight));
        EXPECT_EQ(rig.player->getCurrentPosition(), chain::hop) << "back at the start";
    } else {
        // The first block after a flush carries a quarter frame of sound.
        EXPECT_FALSE(silent(rig.player->exportLeft) || silent(rig.player->exportRight));
        EXPECT_EQ(rig.player->getCurrentPosition(), 200000 - c.framesLeft + chain::hop);
    }
}

INSTANTIATE_TEST_SUITE_P(Jam, ExportBlock,
                         ::testing::Values(ExportCase{"8192_frames_left_renders", 8192, false},
                                           ExportCase{"8191_frames_left_ends", 8191, true},
                                           ExportCase{"no_frame_left_ends", 0, true},
                                           ExportCase{"far_from_the_end_renders", 100000, false}),
                         RowName());

TEST(ExportBlock, MixesTheClickWhereItsBeatIsHeardAtTheMetronomeGainWithoutTheVolume)
{
    const auto render = [](int metro) {
        Rig rig(Signal::Sine, 200000);
        rig.model.handOver(evenBeats(40, 4096.0f, 4096.0f));
        const std::vector<float> click(300, 0.5f);
        rig.player->initBeep(click.data(), click.data(), int(click.size()));
        rig.player->setMetroVolume(metro);
        rig.player->setVolume(10);
        std::vector<float> out;
        rig.player->setCurrentPositionFromSession(0);
        for (int i = 0; i < 40; ++i) {
            rig.player->processAudioFrame();
            out.insert(out.end(), rig.player->exportLeft.begin(), rig.player->exportLeft.end());
        }
        return out;
    };
    const std::vector<float> plain = render(0);
    const std::vector<float> clicked = render(50);
    ASSERT_EQ(plain.size(), clicked.size());
    // The export starts at the hop and, tools off, its first frame sounds
    // the frame after it.
    const int firstHeard = chain::hop + 1;
    // Beat 0 is the beat clicked last after a load, as at program start.
    std::vector<float> clicks(plain.size(), 0.0f);
    for (int b = 1; b < 39; ++b) {
        const int at = base::heardFrame(float(beatAt(b))) - firstHeard;
        for (int f = std::max(at, 0); f < at + 300 && f < int(clicks.size()); ++f)
            clicks[size_t(f)] = 0.25f; // the click (0.5) at the metronome gain (0.5)
    }
    for (size_t i = 0; i < plain.size(); ++i)
        ASSERT_NEAR(clicked[i] - plain[i], clicks[i], 1e-6f) << "frame " << i;
    const float loudest = std::fabs(*std::max_element(
        plain.begin(), plain.end(), [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
    EXPECT_GT(loudest, 0.2f) << "the volume (0.1) is not applied";
}

// ---------------------------------------------------------------------------
// The renders, against the chain pre-rolled by hand at each cut

// From recording frame `from` on, `frames` output frames at `pitch`: a
// stretch between two cuts (a jump or a new pitch).
struct Segment
{
    int from;
    int frames;
    float pitch;
};

struct RenderCase
{
    const char* name;
    bool song;
    float tempo; // 0: the tempo tool off
    std::vector<Segment> segments;
};

void PrintTo(const RenderCase& c, std::ostream* os)
{
    *os << c.name;
}

struct Channels
{
    std::vector<float> left;
    std::vector<float> right;
};

// The chain alone, the tempo tool as given, the pitch tool on for any
// pitch but 1: each segment from a fresh start of the vocoder's phases and
// three unheard blocks before the block that sounds its first frame.
Channels preRolledRender(const std::vector<Segment>& segments, float tempo)
{
    Channels out;
    float left[chain::hop];
    float right[chain::hop];
    for (const Segment& s : segments) {
        chain::VocoderSwitches switches;
        switches.hopBypassed = tempo == 0.0f;
        switches.interpBypassed = s.pitch == 1.0f;
        switches.TSMPSMEnabled = !switches.hopBypassed || !switches.interpBypassed;
        chain::vocoderSwitches.store(switches);
        chain::hopfactor.store(tempo == 0.0f ? 1.0f : tempo);
        chain::interpfactor.store(s.pitch);
        resetPhases();
        const int advance = chainAdvanceFrames();
        chain::currentposition.store(chainPositionFor(s.from) - 3 * advance);
        for (int b = 0; b < 3; ++b)
            EXPECT_TRUE(processaudio(left, right, nullptr));
        for (int made = 0; made < s.frames; made += chain::hop) {
            EXPECT_TRUE(processaudio(left, right, nullptr));
            const int n = std::min(chain::hop, s.frames - made);
            out.left.insert(out.left.end(), left, left + n);
            out.right.insert(out.right.end(), right, right + n);
        }
    }
    return out;
}

class JamRenders : public ::testing::TestWithParam<RenderCase>
{
};

// Sample for sample the pre-rolled chain, but for the short fades around
// each cut, where it is only quieter.
TEST_P(JamRenders, EqualTheChainPreRolledAtEachCut)
{
    const RenderCase& c = GetParam();
    JamRig jam;
    // Riff A: beats 1, 2, 5 at two octaves; riff C (the song's) beat 5.
    jam.setRiffs({{0, {1, 2, 5}, {2.0f, 1.0f, 0.5f}}, {2, {5}, {2.0f}}});
    if (c.song)
        jam.setRiffs({{0, {1, 2}, {1.0f, 0.5f}}});
    jam.setSlots({2, -1, 0});
    if (c.tempo != 0.0f) {
        jam.rig.player->setHop(c.tempo);
        jam.rig.player->activateTempo(false);
    }

    // Both renders start from the same cleared chain.
    init_buffers();
    if (c.song)
        jam.rig.player->calculateSongWavData();
    else
        jam.rig.player->calculateRiffWavData();
    const QList<float>& left = c.song ? jam.rig.player->songWavLeft : jam.rig.player->riffWavLeft;
    const QList<float>& right = c.song ? jam.rig.player->songWavRight : jam.rig.player->riffWavRight;
    const Channels got{std::vector<float>(left.begin(), left.end()),
                       std::vector<float>(right.begin(), right.end())};

    // The render ends with the pitch tool bypassed at 1.0.
    EXPECT_TRUE(chain::vocoderSwitches.load().interpBypassed);
    EXPECT_EQ(chain::interpfactor.load(), 1.0f);
    EXPECT_TRUE(jam.rig.player->toolSwitches().isBypassedByUser(Tool::Pitch));
    EXPECT_EQ(jam.rig.player->toolSwitches().keptFactor(Tool::Pitch), 1.0f);

    init_buffers();
    if (c.tempo != 0.0f) {
        jam.rig.player->setHop(c.tempo);
        jam.rig.player->activateTempo(false);
    }
    const Channels expected = preRolledRender(c.segments, c.tempo);
    ASSERT_EQ(got.left.size(), expected.left.size());
    ASSERT_EQ(got.right.size(), expected.right.size());

    std::vector<int> cuts = {0};
    for (const Segment& s : c.segments)
        cuts.push_back(cuts.back() + s.frames);
    // 15 ms at 44.1 kHz: both fades are shorter, the vocoder's fade-out too.
    constexpr int fadeReach = 662;
    for (size_t i = 0; i < got.left.size(); ++i) {
        const bool nearCut =
            std::any_of(cuts.begin(), cuts.end(), [i](int cut) { return std::abs(int(i) - cut) <= fadeReach; });
        if (nearCut) {
            ASSERT_LE(std::fabs(got.left[i]), std::fabs(expected.left[i]) + 1e-6f) << "frame " << i;
            ASSERT_LE(std::fabs(got.right[i]), std::fabs(expected.right[i]) + 1e-6f) << "frame " << i;
        } else {
            ASSERT_EQ(got.left[i], expected.left[i]) << "frame " << i;
            ASSERT_EQ(got.right[i], expected.right[i]) << "frame " << i;
        }
    }
}

// A riff step of 4096 frames at tempo 3/4 takes 5461.3 output frames.
INSTANTIATE_TEST_SUITE_P(
    Jam, JamRenders,
    ::testing::Values(
        // Beat 1 at +12, beat 2 cut for its own pitch, a jump to beat 5 at −12.
        RenderCase{
            "riff_tools_off", false, 0.0f, {{lead(1), 4096, 2.0f}, {lead(2), 4096, 1.0f}, {lead(5), 4096, 0.5f}}},
        RenderCase{"riff_tempo_three_quarters",
                   false,
                   0.75f,
                   {{lead(1), 5462, 2.0f}, {lead(2), 5462, 1.0f}, {lead(5), 5462, 0.5f}}},
        // Slot 0 (C, beat 5 at +12), slot 2 (A, beats 1 and 2 at −12),
        // then the wrap to slot 0 ends it.
        RenderCase{
            "song_tools_off", true, 0.0f, {{lead(5), 4096, 2.0f}, {lead(1), 4096, 1.0f}, {lead(2), 4096, 0.5f}}},
        RenderCase{"song_tempo_three_quarters",
                   true,
                   0.75f,
                   {{lead(5), 5462, 2.0f}, {lead(1), 5462, 1.0f}, {lead(2), 5462, 0.5f}}}),
    RowName());

TEST(JamRenders, NothingToPlayLeavesBothListsEmpty)
{
    JamRig jam;
    jam.rig.player->songWavLeft.append(1.0f);
    jam.rig.player->calculateSongWavData();
    EXPECT_TRUE(jam.rig.player->songWavLeft.isEmpty());
    EXPECT_TRUE(jam.rig.player->songWavRight.isEmpty());

    Rig bare(Signal::Sine, 200000); // no riffs, no beats
    bare.player->calculateRiffWavData();
    EXPECT_TRUE(bare.player->riffWavLeft.isEmpty());
}

// The last beats, with the pitch above 2.0: every read stays inside the
// recording (AddressSanitizer watches the exactly sized buffers).
TEST(JamRenders, TheLastBeatsAtARatioAbove2RenderWithinTheRecording)
{
    JamRig jam(200000, 50);
    jam.setRiffs({{0, {48, 47, 48}, {2.0f, 1.0f, 2.0f}}});
    jam.setSlots({0, 0});
    jam.rig.player->setInterp(1.0285f);
    jam.rig.player->activatePitch(false);
    QSignalSpy pitches(jam.rig.player.get(), &AudioPlayer::changeBeatPitch);
    jam.rig.player->calculateRiffWavData();
    ASSERT_FALSE(pitches.isEmpty());
    EXPECT_NEAR(std::pow(2.0, (12.0 * std::log2(1.0285) + pitches.at(0).at(0).toDouble()) / 12.0), 2.057, 1e-3);

    const QList<float>& riff = jam.rig.player->riffWavLeft;
    // Beat 47 whole; beat 48's steps end with the recording.
    EXPECT_GE(riff.size(), 4096);
    EXPECT_EQ(riff.size(), jam.rig.player->riffWavRight.size());
    EXPECT_TRUE(std::all_of(riff.begin(), riff.end(), [](float v) { return std::isfinite(v); }));

    jam.rig.player->setInterp(1.0285f);
    jam.rig.player->activatePitch(false);
    jam.rig.player->calculateSongWavData();
    EXPECT_GT(jam.rig.player->songWavLeft.size(), riff.size()) << "the riff in two slots";
    EXPECT_EQ(jam.rig.player->songWavLeft.size(), jam.rig.player->songWavRight.size());
}
