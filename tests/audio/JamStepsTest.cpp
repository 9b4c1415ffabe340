#include "JamSteps.h"
#include "JamFakes.h"
#include "JamStepper.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

using namespace jamplay_test;
using Kind = jamplay::StepCheck::Kind;

namespace {

// Beat b at 10000 + 20000 b frames: a step on beat b plays from lead(b)
// up to lead(b + 1), that frame excluded.
constexpr float firstBeat = 10000.0f;
constexpr float spacing = 20000.0f;
constexpr int beatCount = 40;
constexpr int recordingFrames = 1000000;

constexpr int lead(int beat)
{
    return int(firstBeat + spacing * float(beat)) - base::beatLeadFrames;
}

const std::vector<float>& evenBeats()
{
    static const std::vector<float> beats = evenBeatList(beatCount, firstBeat, spacing);
    return beats;
}

jamplay::BeatGrid evenGrid()
{
    return gridOf(evenBeats(), recordingFrames);
}

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Stay:
        return "stay";
    case Kind::Step:
        return "step";
    case Kind::Stop:
        return "stop";
    }
    return "?";
}

} // namespace

// --- Windows, jumps and starts ------------------------------------------------

// The beat lead, for the tables.
constexpr int L = base::beatLeadFrames;

struct WindowCase
{
    const char* name;
    std::vector<float> beats;
    int frames;
    int beat;
    int first;
    int end;
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

class StepWindows : public ::testing::TestWithParam<WindowCase>
{
};

// A step holds exactly its beat's frames: consecutive steps neither
// overlap nor leave a gap, so a riff lasts the sum of its beats.
TEST_P(StepWindows, SpanTheBeatPlayedOneLeadEarlyUpToTheNext)
{
    const WindowCase& c = GetParam();
    const jamplay::StepWindow w = jamplay::stepWindow(gridOf(c.beats, c.frames), c.beat);
    EXPECT_EQ(w.first, c.first);
    EXPECT_EQ(w.end, c.end);
    if (c.first < c.end) {
        EXPECT_TRUE(w.contains(c.first));
        EXPECT_TRUE(w.contains(c.end - 1));
        EXPECT_FALSE(w.contains(c.first - 1));
        EXPECT_FALSE(w.contains(c.end)) << "the next step's first frame";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, StepWindows,
    ::testing::Values(
        WindowCase{"from_one_lead_before_the_beat_up_to_one_before_the_next",
                   {10000, 30000, 50000},
                   100000,
                   1,
                   30000 - L,
                   50000 - L},
        WindowCase{"fractions_are_truncated", {10000.9f, 30000.9f, 50000.9f}, 100000, 0, 10000 - L, 30000 - L},
        WindowCase{"a_beat_before_one_lead_starts_at_0", {L / 4.0f, 9000, 20000}, 100000, 0, 0, 9000 - L},
        WindowCase{"an_end_past_the_recording_is_its_end", {10000, 30000, 90000}, 60000, 1, 30000 - L, 60000},
        WindowCase{"a_beat_without_a_next_beat_holds_nothing", {10000, 30000}, 100000, 1, 0, 0},
        WindowCase{"a_negative_beat_holds_nothing", {10000, 30000}, 100000, -1, 0, 0}),
    RowName());

TEST(StepJumps, LandOneLeadEarlyNeverBeforeZero)
{
    const std::vector<float> beats = {L / 4.0f, 10000.7f, 30000.0f};
    const jamplay::BeatGrid grid = gridOf(beats, 100000);
    EXPECT_EQ(jamplay::jumpTarget(grid, 0), 0);
    EXPECT_EQ(jamplay::jumpTarget(grid, 1), 10000 - L);
    EXPECT_EQ(base::heardFrame(10000.7f), 10000 - L);
}

// --- The step pitch on top of the pitch controls -------------------------------

struct PitchCase
{
    const char* name;
    float step;
    float base;
    float semitones;
    float factor;
};

void PrintTo(const PitchCase& c, std::ostream* os)
{
    *os << c.name;
}

class StepPitches : public ::testing::TestWithParam<PitchCase>
{
};

TEST_P(StepPitches, AddTheirSemitonesToTheBasePitch)
{
    const PitchCase& c = GetParam();
    const jamplay::StepPitch p = jamplay::combinePitch(c.step, c.base);
    // Single precision through a logarithm and a power: a few ulps.
    EXPECT_NEAR(p.semitones, c.semitones, 1e-5);
    EXPECT_NEAR(p.factor, c.factor, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Jam, StepPitches,
    ::testing::Values(
        PitchCase{"octave_up_on_no_base", 2.0f, 1.0f, 12.0f, 2.0f},
        PitchCase{"octave_down_on_an_octave_up_cancels", 0.5f, 2.0f, -12.0f, 1.0f},
        PitchCase{"no_step_pitch_plays_the_base", 1.0f, 1.2599211f, 0.0f, 1.2599211f},
        PitchCase{"fifth_up_on_a_fifth_up", 1.4983071f, 1.4983071f, 7.0f, 2.2449241f},
        PitchCase{"octave_up_on_a_semitone_up_leaves_the_tools_range", 2.0f, 1.0594631f, 12.0f, 2.1189262f},
        PitchCase{"a_zero_step_factor_counts_as_none", 0.0f, 1.0f, 0.0f, 1.0f},
        PitchCase{"a_nan_base_counts_as_none", 2.0f, std::numeric_limits<float>::quiet_NaN(), 12.0f, 2.0f}),
    RowName());

TEST(StepPitches, CancellingPitchesGiveExactlyOneSoThePitchToolCanGoOff)
{
    EXPECT_EQ(jamplay::combinePitch(0.5f, 2.0f).factor, 1.0f);
    EXPECT_EQ(jamplay::combinePitch(1.0f, 1.0f).factor, 1.0f);
}

// --- Riff stepping ---------------------------------------------------------------

struct RiffStepCase
{
    const char* name;
    std::vector<int> beats;
    int loopLast; // −9: all steps in the loop
    int step;
    int position;
    Kind kind;
    int nextStep;
    int jumpTo;
    bool wrapped;
};

void PrintTo(const RiffStepCase& c, std::ostream* os)
{
    *os << c.name;
}

class RiffStepping : public ::testing::TestWithParam<RiffStepCase>
{
};

TEST_P(RiffStepping, TakesTheNextStepWhenThePositionLeavesThePlayingOne)
{
    const RiffStepCase& c = GetParam();
    FakeRiff riff;
    for (size_t s = 0; s < c.beats.size(); ++s) {
        riff.setBeat(int(s), c.beats[s]);
        riff.setPitch(int(s), 1.0f + 0.125f * float(s));
    }
    riff.setLoopLength(c.loopLast == -9 ? int(c.beats.size()) - 1 : c.loopLast);

    const jamplay::StepCheck check = jamplay::checkRiffStep(&riff, evenGrid(), c.step, c.position);
    EXPECT_STREQ(kindName(check.kind), kindName(c.kind));
    EXPECT_EQ(check.step, c.nextStep);
    if (c.kind == Kind::Step) {
        EXPECT_EQ(check.jumpTo, c.jumpTo);
        EXPECT_EQ(check.wrapped, c.wrapped);
        EXPECT_EQ(check.stepFactor, 1.0f + 0.125f * float(c.nextStep)) << "the new step's own pitch";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, RiffStepping,
    ::testing::Values(
        RiffStepCase{
            "inside_the_step_nothing_happens", {10, 11, 20}, -9, 0, lead(10) + 5000, Kind::Stay, 0, -1, false},
        RiffStepCase{"the_frame_before_the_next_beat_belongs_to_the_step",
                     {10, 11, 20},
                     -9,
                     0,
                     lead(11) - 1,
                     Kind::Stay,
                     0,
                     -1,
                     false},
        RiffStepCase{
            "the_next_beat_plays_on_without_a_jump", {10, 11, 20}, -9, 0, lead(11), Kind::Step, 1, -1, false},
        RiffStepCase{"a_later_beat_is_jumped_to_one_lead_early",
                     {10, 11, 20},
                     -9,
                     1,
                     lead(12),
                     Kind::Step,
                     2,
                     lead(20),
                     false},
        RiffStepCase{
            "an_earlier_beat_is_jumped_to_as_well", {10, 3}, -9, 0, lead(11) + 1, Kind::Step, 1, lead(3), false},
        RiffStepCase{
            "the_last_step_wraps_to_step_0", {10, 11, 20}, -9, 2, lead(21) + 1, Kind::Step, 0, lead(10), true},
        RiffStepCase{
            "a_wrap_onto_the_next_beat_plays_on", {10, 11, 9}, -9, 2, lead(10) + 1, Kind::Step, 0, -1, true},
        RiffStepCase{
            "a_one_step_loop_jumps_back_every_time", {5}, 0, 0, lead(6) + 1, Kind::Step, 0, lead(5), true},
        RiffStepCase{
            "a_position_before_the_step_moves_on", {10, 11, 20}, -9, 0, lead(10) - 1, Kind::Step, 1, -1, false},
        RiffStepCase{"a_step_cut_from_the_loop_goes_back_to_step_0",
                     {10, 11, 20},
                     0,
                     2,
                     lead(25),
                     Kind::Step,
                     0,
                     lead(10),
                     true},
        RiffStepCase{"an_empty_riff_replays_its_step_0", {}, -2, 0, lead(3), Kind::Step, 0, lead(0), true},
        RiffStepCase{"a_riff_whose_first_step_is_placed_but_not_looped",
                     {7},
                     -1,
                     0,
                     lead(9),
                     Kind::Step,
                     0,
                     lead(7),
                     true}),
    RowName());

TEST(RiffStepping, NothingHappensWithoutARiffOrWithoutBeats)
{
    FakeRiff riff({3, 9});
    const std::vector<float> oneBeat = {10000.0f};
    EXPECT_EQ(jamplay::checkRiffStep(nullptr, evenGrid(), 1, 0).kind, Kind::Stay);
    EXPECT_EQ(jamplay::checkRiffStep(&riff, gridOf(oneBeat, recordingFrames), 1, 0).kind, Kind::Stay);
    EXPECT_EQ(jamplay::checkRiffStep(&riff, gridOf({}, recordingFrames), 1, 0).kind, Kind::Stay);
}

TEST(RiffStepping, AStepOnTheLastBeatsEndsWithTheRecording)
{
    // The model's last beat lies after the recording (it is extrapolated).
    const std::vector<float> beats = {10000.0f, 30000.0f, 50000.0f, 70000.0f};
    const jamplay::BeatGrid grid = gridOf(beats, 60000);
    FakeRiff riff({2, 0});
    riff.setBeatCount(4);
    EXPECT_EQ(jamplay::checkRiffStep(&riff, grid, 0, 59999).kind, Kind::Stay);
    const jamplay::StepCheck check = jamplay::checkRiffStep(&riff, grid, 0, 60000);
    EXPECT_EQ(check.kind, Kind::Step);
    EXPECT_EQ(check.jumpTo, 10000 - L);
}

// --- Song stepping ----------------------------------------------------------------

// Riff A on beats 2, 3; B on 10; C on 20, 21, 22; D on 4.
struct SongRiffs : RiffSet
{
    SongRiffs()
    {
        riff[0].setBeats({2, 3});
        riff[1].setBeats({10});
        riff[2].setBeats({20, 21, 22});
        riff[3].setBeats({4});
        riff[2].setPitch(1, 2.0f);
    }
};

struct SongStepCase
{
    const char* name;
    std::vector<int> slots;
    int slot;
    int step;
    int position;
    Kind kind;
    int nextSlot;
    int nextStep;
    int riff;
    int jumpTo;
    bool wrapped;
    bool slotChanged;
};

void PrintTo(const SongStepCase& c, std::ostream* os)
{
    *os << c.name;
}

class SongStepping : public ::testing::TestWithParam<SongStepCase>
{
};

TEST_P(SongStepping, PlaysTheUsedSlotsInOrderAndStartsOver)
{
    const SongStepCase& c = GetParam();
    SongRiffs riffs;
    FakeSong song;
    for (size_t t = 0; t < c.slots.size(); ++t)
        song.setSlot(int(t), c.slots[t]);

    const jamplay::StepCheck check =
        jamplay::checkSongStep(riffs.pointers(), &song, evenGrid(), c.slot, c.step, c.position);
    EXPECT_STREQ(kindName(check.kind), kindName(c.kind));
    if (c.kind == Kind::Stop)
        return;
    EXPECT_EQ(check.slot, c.nextSlot);
    EXPECT_EQ(check.step, c.nextStep);
    EXPECT_EQ(check.riff, c.riff);
    EXPECT_EQ(check.slotChanged, c.slotChanged);
    if (c.kind == Kind::Step) {
        EXPECT_EQ(check.jumpTo, c.jumpTo);
        EXPECT_EQ(check.wrapped, c.wrapped);
        EXPECT_EQ(check.stepFactor, riffs.riff[c.riff].stepPitch(c.nextStep));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, SongStepping,
    ::testing::Values(
        // Slots C, empty, A: C plays, then A, then C again.
        SongStepCase{"inside_the_step_nothing_happens",
                     {2, -1, 0},
                     0,
                     1,
                     lead(21) + 10,
                     Kind::Stay,
                     0,
                     1,
                     2,
                     -1,
                     false,
                     false},
        SongStepCase{
            "the_riff_goes_on_in_its_slot", {2, -1, 0}, 0, 0, lead(21) + 1, Kind::Step, 0, 1, 2, -1, false, false},
        SongStepCase{"after_the_riff_the_next_used_slot",
                     {2, -1, 0},
                     0,
                     2,
                     lead(23) + 1,
                     Kind::Step,
                     2,
                     0,
                     0,
                     lead(2),
                     false,
                     true},
        SongStepCase{"after_the_last_used_slot_the_first",
                     {2, -1, 0},
                     2,
                     1,
                     lead(4) + 1,
                     Kind::Step,
                     0,
                     0,
                     2,
                     lead(20),
                     true,
                     true},
        SongStepCase{"a_song_of_one_slot_starts_over_in_it",
                     {-1, -1, 1},
                     2,
                     0,
                     lead(11) + 1,
                     Kind::Step,
                     2,
                     0,
                     1,
                     lead(10),
                     true,
                     false},
        SongStepCase{"a_slot_change_onto_the_next_beat_plays_on",
                     {0, 3},
                     0,
                     1,
                     lead(4) + 1,
                     Kind::Step,
                     1,
                     0,
                     3,
                     -1,
                     false,
                     true},
        SongStepCase{"an_emptied_playing_slot_gives_way_to_the_highest_used",
                     {2, -1, 0, -1, 1},
                     1,
                     0,
                     lead(10) + 5,
                     Kind::Stay,
                     4,
                     0,
                     1,
                     -1,
                     false,
                     true},
        SongStepCase{"from_the_highest_used_slot_the_song_starts_over",
                     {2, -1, 0, -1, 1},
                     1,
                     0,
                     lead(11) + 5,
                     Kind::Step,
                     0,
                     0,
                     2,
                     lead(20),
                     true,
                     true},
        SongStepCase{"a_step_beyond_a_shortened_riff_ends_the_riff",
                     {1, 0},
                     0,
                     5,
                     lead(30),
                     Kind::Step,
                     1,
                     0,
                     0,
                     lead(2),
                     false,
                     true},
        SongStepCase{
            "a_slot_naming_no_riff_is_empty", {2, 9, 0}, 1, 0, lead(30), Kind::Step, 2, 1, 0, -1, false, true},
        SongStepCase{"no_used_slot_stops", {-1, -1}, 0, 0, lead(30), Kind::Stop, 0, 0, 0, -1, false, false}),
    RowName());

TEST(SongStepping, ASlotOfARiffThePlayerLacksIsEmpty)
{
    SongRiffs riffs;
    jamplay::Riffs some = riffs.pointers();
    some[2] = nullptr;
    const FakeSong song({2, 1});
    EXPECT_EQ(jamplay::riffOfSlot(&song, some, 0), -1);
    EXPECT_EQ(jamplay::firstUsedSlotFrom(&song, some, 0).slot, 1);
    EXPECT_EQ(jamplay::riffOfSlot(nullptr, some, 1), -1);
    EXPECT_EQ(jamplay::riffOfSlot(&song, some, 16), -1);
}

// --- Starts ------------------------------------------------------------------------

struct SongStartCase
{
    const char* name;
    std::vector<int> slots;
    int fromSlot;
    bool starts;
    int slot;
    int position;
};

void PrintTo(const SongStartCase& c, std::ostream* os)
{
    *os << c.name;
}

class SongStarts : public ::testing::TestWithParam<SongStartCase>
{
};

TEST_P(SongStarts, BeginAtTheFirstUsedSlotFromTheCurrentOneWrapping)
{
    const SongStartCase& c = GetParam();
    SongRiffs riffs;
    riffs.riff[1].setPitch(0, 0.75f);
    FakeSong song;
    for (size_t t = 0; t < c.slots.size(); ++t)
        song.setSlot(int(t), c.slots[t]);

    const std::optional<jamplay::StepStart> start =
        jamplay::songStart(riffs.pointers(), &song, evenGrid(), c.fromSlot);
    ASSERT_EQ(start.has_value(), c.starts);
    if (!start)
        return;
    EXPECT_EQ(start->slot, c.slot);
    EXPECT_EQ(start->riff, c.slots[size_t(c.slot)]);
    EXPECT_EQ(start->position, c.position);
    EXPECT_EQ(start->stepFactor, riffs.riff[start->riff].stepPitch(0));
}

INSTANTIATE_TEST_SUITE_P(
    Jam, SongStarts,
    ::testing::Values(SongStartCase{"the_current_slot_when_used", {2, -1, 1}, 2, true, 2, lead(10)},
                      SongStartCase{
                          "an_empty_current_slot_gives_the_next_used", {-1, -1, 1, 0}, 0, true, 2, lead(10)},
                      SongStartCase{"past_the_last_used_slot_it_wraps", {1, -1, -1}, 5, true, 0, lead(10)},
                      SongStartCase{"a_current_slot_outside_the_song_counts_as_0", {-1, 2}, 99, true, 1, lead(20)},
                      SongStartCase{"no_used_slot_no_start", {-1, -1}, 0, false, 0, 0}),
    RowName());

// As the song and every later pass: the first pass is no shorter.
TEST(RiffStarts, BeginWhereStep0DoesWithItsPitch)
{
    FakeRiff riff({7, 8}, {1.5f, 1.0f});
    const std::optional<jamplay::StepStart> start = jamplay::riffStart(&riff, evenGrid());
    ASSERT_TRUE(start);
    EXPECT_EQ(start->position, lead(7));
    EXPECT_EQ(start->stepFactor, 1.5f);
    EXPECT_FALSE(jamplay::riffStart(nullptr, evenGrid()));
}

// --- The stepper's state ----------------------------------------------------------

struct ActiveRiffCase
{
    const char* name;
    int value;
    int active;
};

void PrintTo(const ActiveRiffCase& c, std::ostream* os)
{
    *os << c.name;
}

class ActiveRiffs : public ::testing::TestWithParam<ActiveRiffCase>
{
};

TEST_P(ActiveRiffs, OutsideTheSixRiffsMeanRiffA)
{
    JamStepper stepper;
    stepper.setActiveRiff(3);
    stepper.setActiveRiff(GetParam().value);
    EXPECT_EQ(stepper.activeRiff(), GetParam().active);
}

INSTANTIATE_TEST_SUITE_P(Jam, ActiveRiffs,
                         ::testing::Values(ActiveRiffCase{"riff_f", 5, 5}, ActiveRiffCase{"riff_a", 0, 0},
                                           ActiveRiffCase{"minus_one", -1, 0}, ActiveRiffCase{"six", 6, 0},
                                           ActiveRiffCase{"large", 1000, 0}),
                         RowName());

TEST(JamStepperSetUp, TakesSixRiffsInOrderAndNoMore)
{
    RiffSet riffs;
    FakeRiff seventh;
    JamStepper stepper;
    EXPECT_FALSE(stepper.addRiff(nullptr));
    for (int r = 0; r < jamplay::riffCount; ++r)
        EXPECT_TRUE(stepper.addRiff(&riffs.riff[r]));
    EXPECT_FALSE(stepper.addRiff(&seventh));
    EXPECT_EQ(stepper.riffs(), riffs.pointers());
}

TEST(JamStepperState, TheSongCarriesTheActiveRiffAlong)
{
    SongRiffs riffs;
    FakeSong song({2, -1, 0});
    JamStepper stepper;
    for (int r = 0; r < jamplay::riffCount; ++r)
        stepper.addRiff(&riffs.riff[r]);
    stepper.setSong(&song);

    ASSERT_TRUE(stepper.startSong(evenGrid(), 0));
    EXPECT_EQ(stepper.activeRiff(), 2);
    stepper.stepSong(evenGrid(), lead(21) + 1);
    stepper.stepSong(evenGrid(), lead(22) + 1);
    stepper.stepSong(evenGrid(), lead(23) + 1);
    EXPECT_EQ(stepper.songSlot(), 2);
    EXPECT_EQ(stepper.riffStep(), 0);
    EXPECT_EQ(stepper.activeRiff(), 0) << "riff playback afterwards uses the riff that played last";

    // A stopped song leaves slot and riff where they were.
    song.setSlot(0, -1);
    song.setSlot(2, -1);
    EXPECT_EQ(stepper.stepSong(evenGrid(), 0).kind, Kind::Stop);
    EXPECT_EQ(stepper.songSlot(), 2);
}

TEST(JamStepperNotices, ArriveInOrderOnceHeardAndALostRunEndsWithTheLatestState)
{
    JamStepper stepper;
    std::vector<int> steps;
    auto collect = [&steps](const StepNotice& n) { steps.push_back(n.step); };
    constexpr std::int64_t everything = std::numeric_limits<std::int64_t>::max();

    // Heard at these frames of the stream.
    const std::int64_t heardAt[3] = {0, 3000, 9000};
    for (int i = 0; i < 3; ++i) {
        StepNotice n;
        n.frame = heardAt[i];
        n.stepShown = true;
        n.step = i;
        stepper.publish(n);
    }
    EXPECT_EQ(stepper.drain(collect, 2999), 1);
    EXPECT_EQ(stepper.drain(collect, 3000), 1);
    EXPECT_EQ(stepper.drain(collect, 8999), 0) << "not heard yet";
    EXPECT_EQ(stepper.drain(collect, 9000), 1);
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2}));

    // More than the ring holds while the GUI thread is busy: the first
    // 64 arrive, then one notice of where playback is now.
    steps.clear();
    FakeRiff riff({4, 5, 6});
    stepper.addRiff(&riff);
    ASSERT_TRUE(stepper.startRiff(evenGrid()));
    stepper.stepRiff(evenGrid(), lead(5) + 1);
    for (int i = 0; i < 100; ++i) {
        StepNotice n;
        n.stepShown = true;
        n.step = i;
        n.pitchShown = true;
        n.semitones = float(i);
        stepper.publish(n);
    }
    std::vector<StepNotice> all;
    EXPECT_EQ(stepper.drain([&all](const StepNotice& n) { all.push_back(n); }, everything), 65);
    ASSERT_EQ(all.size(), 65u);
    EXPECT_EQ(all[63].step, 63);
    EXPECT_EQ(all[64].step, 1) << "the step playing now";
    EXPECT_EQ(all[64].semitones, 99.0f) << "the last pitch shown";
    EXPECT_EQ(stepper.drain(collect, everything), 0);

    // Dropped, heard or not.
    StepNotice waiting;
    waiting.frame = 100;
    stepper.publish(waiting);
    EXPECT_EQ(stepper.drain(collect, 0), 0);
    stepper.publish(StepNotice{});
    stepper.discardNotices();
    EXPECT_EQ(stepper.drain(collect, everything), 0);
}
