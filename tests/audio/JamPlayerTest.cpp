// Riff and song playback through the player on the silent device, fed by
// the test: the stepping as the device hears it, the step pitch and the
// pitch tool afterwards, the beat offset, the export block and the two
// renders against a plain hop-by-hop render of the same steps.
#include "BeatLead.h"
#include "JamFakes.h"
#include "PlayerTestSupport.h"
#include "ProcessingChain.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <ostream>
#include <vector>

using namespace player_test;
using namespace jamplay_test;
using Tool = ToolSwitches::Tool;

namespace {

// Beat b at 4096 (b + 1): a step on beat b plays from lead(b) to
// lead(b + 1), both included, the beat lead before each beat, and riff
// playback starts at 4096 (b + 1).
constexpr int beatCount = 60;
constexpr int beatAt(int b)
{
    return 4096 * (b + 1);
}
constexpr int lead(int b)
{
    return beatAt(b) - base::beatLeadFrames;
}

// Blocks `step` apart from `from` up to and including `last`: their count,
// and their starts.
constexpr int blockCount(int from, int last, int step = chain::hop)
{
    return last < from ? 0 : (last - from) / step + 1;
}
std::vector<int> blocks(int from, int last)
{
    std::vector<int> starts;
    for (int p = from; p <= last; p += chain::hop)
        starts.push_back(p);
    return starts;
}
std::vector<int> joined(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const std::vector<int>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct RiffContent
{
    int riff;
    std::vector<int> beats;
    std::vector<float> pitches;
};

// A player on the silent device with six fake riffs, a fake song and a
// beat every 4096 frames.
struct JamRig
{
    explicit JamRig(int frames = 400000, int beats = beatCount, float spacing = 4096.0f)
        : rig(Signal::Sine, frames)
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

    // Where the first `count` blocks pushed to the current stream were
    // read from (tools off or tempo 1.0: each step moves 1024 frames).
    std::vector<int> playedFrom(size_t count)
    {
        for (int i = 0; i < 400 && pushesToCurrent() < count; ++i)
            rig.turnAndTick(10.0);
        std::vector<int> starts = rig.stepStarts(rig.probe->lastStream, chain::hop);
        starts.resize(std::min(starts.size(), count));
        return starts;
    }
    size_t pushesToCurrent() const
    {
        return size_t(
            std::count_if(rig.probe->pushes.begin(), rig.probe->pushes.end(),
                          [this](const ProbeOutput::Push& p) { return p.stream == rig.probe->lastStream; }));
    }

    Rig rig;
    RiffSet riffs;
    FakeSong song;
};

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
    std::vector<int> blocks; // read positions of the first blocks pushed
    std::vector<int> steps;  // setCurrentBeatStep, from the start
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
    EXPECT_EQ(jam.playedFrom(c.blocks.size()), c.blocks);
    EXPECT_TRUE(startsWith(intsOf(steps), c.steps));
    EXPECT_TRUE(startsWith(intsOf(songSteps), c.songSteps));
    EXPECT_TRUE(startsWith(intsOf(songRiffs), c.songRiffs));
    EXPECT_EQ(enabled.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Jam, JamStepping,
    ::testing::Values(
        // The first pass from the beat itself; on through consecutive beats;
        // after the last step back to the lead before the first beat.
        SteppingCase{"consecutive_beats_play_on_without_a_jump",
                     false,
                     {{0, {1, 2, 3}, {}}},
                     0,
                     {},
                     joined({blocks(beatAt(1), lead(4)), blocks(lead(1), beatAt(1))}),
                     {0, 1, 2, 0},
                     {},
                     {}},
        SteppingCase{
            "beats_10_11_20_jump_from_the_end_of_11_to_20",
            false,
            {{4, {10, 11, 20}, {}}},
            4,
            {},
            joined({blocks(beatAt(10), lead(12)), blocks(lead(20), lead(21)), blocks(lead(10), beatAt(10))}),
            {0, 1, 2, 0},
            {},
            {}},
        SteppingCase{"a_one_step_riff_jumps_back_each_time",
                     false,
                     {{1, {7}, {}}},
                     1,
                     {},
                     joined({blocks(beatAt(7), lead(8)), blocks(lead(7), lead(8)), {lead(7)}}),
                     {0, 0, 0},
                     {},
                     {}},
        SteppingCase{"a_riff_outside_the_six_plays_riff_a",
                     false,
                     {{0, {7}, {}}},
                     9,
                     {},
                     joined({blocks(beatAt(7), lead(8)), {lead(7)}}),
                     {0, 0},
                     {},
                     {}},
        // Slots C, empty, A: C, then A, then C again.
        SteppingCase{
            "song_slots_c_empty_a_play_c_a_c",
            true,
            {{0, {1, 2}, {}}, {2, {5}, {}}},
            0,
            {2, -1, 0},
            joined({blocks(lead(5), lead(6)), blocks(lead(1), lead(3)), blocks(lead(5), lead(5) + chain::hop)}),
            {0, 0, 1, 0},
            {0, 2, 0},
            {2, 0, 2}},
        SteppingCase{"a_song_from_an_empty_slot_starts_at_the_next_used",
                     true,
                     {{0, {1, 2}, {}}},
                     0,
                     {-1, -1, 0},
                     joined({blocks(lead(1), lead(3)), blocks(lead(1), lead(1) + chain::hop)}),
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
    const size_t before = jam.pushesToCurrent();
    ASSERT_GE(before, 2u);
    ASSERT_LE(before, 8u) << "still in riff C";

    // Slot 0 (C) is emptied while C plays: the highest used slot, D, takes
    // over at the next check, at its step on the beat playing now.
    jam.song.setSlot(0, -1);
    const std::vector<int> starts = jam.playedFrom(before + 24);
    EXPECT_TRUE(startsWith(intsOf(songSteps), {0, 3, 2}));
    ASSERT_GT(starts.size(), before);
    EXPECT_EQ(starts[before], starts[before - 1] + chain::hop) << "D goes on without a jump";
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
// line shows again) and no step goes on sweeping; normal playback that
// never played a riff sends neither.
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
    jam.setRiffs({{0, {1, 2, 3}, {}}});
    jam.setSlots({0});
    if (c.start == 0)
        jam.rig.player->play();
    else if (c.start == 1)
        jam.rig.player->playRiff();
    else
        jam.rig.player->playSong();
    ASSERT_TRUE(jam.rig.player->isPlaying());
    jam.rig.turnAndTick(10.0);

    QSignalSpy riffSong(jam.rig.player.get(), &AudioPlayer::playRiffSong);
    QSignalSpy steps(jam.rig.player.get(), &AudioPlayer::setCurrentBeatStep);
    c.leave(*jam.rig.player);
    if (c.announced) {
        ASSERT_FALSE(riffSong.isEmpty());
        EXPECT_FALSE(riffSong.last().at(0).toBool());
        ASSERT_FALSE(steps.isEmpty());
        EXPECT_EQ(steps.last().at(0).toInt(), -1);
    } else {
        EXPECT_TRUE(riffSong.isEmpty());
        EXPECT_TRUE(steps.isEmpty());
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
    jam.rig.player->playRiff();
    for (int i = 0; i < 60; ++i)
        jam.rig.turnAndTick(10.0);
    EXPECT_TRUE(jam.rig.player->isPlaying());
    const std::vector<int> starts = jam.rig.stepStarts(jam.rig.probe->lastStream, 0);
    ASSERT_GT(starts.size(), 20u);
    // The step on the extrapolated beat, wholly past the end, may add a
    // block of silence before the jump back.
    EXPECT_EQ(*std::max_element(starts.begin(), starts.end()) <= 200000 + 2 * chain::hop, true);
    EXPECT_GE(std::count(starts.begin(), starts.end(), lead(47) + 1024), 2) << "later passes began";
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

TEST(ExportBlock, MixesTheClickOfANewBeatAtTheMetronomeGainWithoutTheVolume)
{
    const auto render = [](int metro) {
        Rig rig(Signal::Sine, 200000);
        rig.model.handOver(evenBeats(40, 4096.0f, 4096.0f));
        const std::vector<float> click(300, 0.5f);
        rig.player->initBeep(click.data(), click.data(), int(click.size()));
        rig.player->setMetroVolume(metro);
        rig.player->setVolume(10);
        std::vector<std::vector<float>> blocks;
        rig.player->setCurrentPositionFromSession(0);
        for (int i = 0; i < 40; ++i) {
            rig.player->processAudioFrame();
            blocks.emplace_back(rig.player->exportLeft.begin(), rig.player->exportLeft.end());
        }
        return blocks;
    };
    const auto plain = render(0);
    const auto clicked = render(50);
    int clicks = 0;
    for (size_t b = 0; b < plain.size(); ++b) {
        if (plain[b] == clicked[b])
            continue;
        ++clicks;
        // The click (0.5) at the metronome gain (0.5), not at the volume.
        for (size_t f = 0; f < 300; ++f)
            ASSERT_NEAR(clicked[b][f] - plain[b][f], 0.25f, 1e-6) << "block " << b << " frame " << f;
        EXPECT_EQ(std::vector<float>(clicked[b].begin() + 300, clicked[b].end()),
                  std::vector<float>(plain[b].begin() + 300, plain[b].end()));
    }
    // 40 blocks of 1024 frames pass ten beats of 4096.
    EXPECT_GE(clicks, 5);
    EXPECT_LE(clicks, 11);
    float loudest = 0.0f;
    for (const auto& block : plain)
        for (const float v : block)
            loudest = std::max(loudest, std::fabs(v));
    EXPECT_GT(loudest, 0.2f) << "the volume (0.1) is not applied";
}

// ---------------------------------------------------------------------------
// The renders, against the same steps rendered hop by hop by hand

// `blocks` chain steps at `pitch`, starting at `from` (−1: where the last
// segment left the position).
struct Segment
{
    int from;
    int blocks;
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

// The chain alone: the tempo tool as given, the pitch tool on for any
// pitch but 1.
Channels plainRender(const std::vector<Segment>& segments, float tempo)
{
    Channels out;
    float left[chain::hop];
    float right[chain::hop];
    for (const Segment& s : segments) {
        if (s.from >= 0)
            chain::currentposition.store(s.from);
        chain::VocoderSwitches switches;
        switches.hopBypassed = tempo == 0.0f;
        switches.interpBypassed = s.pitch == 1.0f;
        switches.TSMPSMEnabled = !switches.hopBypassed || !switches.interpBypassed;
        chain::vocoderSwitches.store(switches);
        chain::hopfactor.store(tempo == 0.0f ? 1.0f : tempo);
        chain::interpfactor.store(s.pitch);
        for (int b = 0; b < s.blocks; ++b) {
            EXPECT_TRUE(processaudio(left, right, nullptr));
            out.left.insert(out.left.end(), left, left + chain::hop);
            out.right.insert(out.right.end(), right, right + chain::hop);
        }
    }
    return out;
}

class JamRenders : public ::testing::TestWithParam<RenderCase>
{
};

// The steps of the renders below, blocks `step` frames apart.
std::vector<Segment> riffSegments(int step)
{
    const int first = blockCount(beatAt(1), lead(2), step);
    const int second = blockCount(beatAt(1) + first * step, lead(3), step);
    return {{beatAt(1), first, 2.0f},
            {-1, second, 1.0f},
            {lead(5), blockCount(lead(5), lead(6), step), 0.5f},
            {lead(1), blockCount(lead(1), beatAt(1) - 1, step), 2.0f}};
}
std::vector<Segment> songSegments(int step)
{
    const int first = blockCount(lead(1), lead(2), step);
    return {{lead(5), blockCount(lead(5), lead(6), step), 2.0f},
            {lead(1), first, 1.0f},
            {-1, blockCount(lead(1) + first * step, lead(3), step), 0.5f}};
}

TEST_P(JamRenders, EqualAPlainRenderOfTheSameStepsSampleForSample)
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
    const Channels expected = plainRender(c.segments, c.tempo);
    ASSERT_EQ(got.left.size(), expected.left.size());
    ASSERT_EQ(got.right.size(), expected.right.size());
    const auto firstDifference = [](const std::vector<float>& a, const std::vector<float>& b) {
        return std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin();
    };
    EXPECT_EQ(firstDifference(got.left, expected.left), std::ptrdiff_t(got.left.size()));
    EXPECT_EQ(firstDifference(got.right, expected.right), std::ptrdiff_t(got.right.size()));
}

INSTANTIATE_TEST_SUITE_P(Jam, JamRenders,
                         ::testing::Values(
                             // Beat 1 itself at +12, on into beat 2, a jump to beat 5 at −12,
                             // back to the lead before beat 1 and up to it.
                             RenderCase{"riff_tools_off", false, 0.0f, riffSegments(chain::hop)},
                             RenderCase{"riff_tempo_three_quarters", false, 0.75f, riffSegments(768)},
                             // Slot 0 (C, beat 5 at +12), slot 2 (A, beats 1 and 2), then the
                             // wrap to slot 0 ends it.
                             RenderCase{"song_tools_off", true, 0.0f, songSegments(chain::hop)},
                             RenderCase{"song_tempo_three_quarters", true, 0.75f, songSegments(768)}),
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
    EXPECT_GT(riff.size(), 4 * chain::hop);
    EXPECT_EQ(riff.size(), jam.rig.player->riffWavRight.size());
    EXPECT_TRUE(std::all_of(riff.begin(), riff.end(), [](float v) { return std::isfinite(v); }));

    jam.rig.player->setInterp(1.0285f);
    jam.rig.player->activatePitch(false);
    jam.rig.player->calculateSongWavData();
    EXPECT_GT(jam.rig.player->songWavLeft.size(), riff.size()) << "the riff in two slots";
    EXPECT_EQ(jam.rig.player->songWavLeft.size(), jam.rig.player->songWavRight.size());
}
