// The riff's step rules without widgets: arming, committing, the loop
// length, extending and cutting, drags, reordering and the stacked layout.
#include "RiffModel.h"
#include "JamFixture.h"
#include "MetaData.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using jam_test::describe;

constexpr int beatCount = 20; // usable beats 0 … 18

// A riff built as the step row builds it: each step armed on its beat and
// committed, the loop then taken up to it.
void commitSteps(RiffModel& riff, const std::vector<int>& beats)
{
    int step = 0;
    for (int beat : beats) {
        riff.setArmedStep(step, beat);
        riff.lockSelection();
        if (step > 0)
            riff.setLoopLength(step);
        ++step;
    }
}

class RiffRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        jam_test::fillBeats(model, beatCount);
        riff.setMetaData(&model);
    }

    MetaData model;
    RiffModel riff;
};

struct RuleCase
{
    const char* name;
    std::function<void(RiffModel&)> setUp;
    std::function<void(RiffModel&)> act;
    const char* expected; // describe() after act
};

class RiffRuleTable : public RiffRules, public ::testing::WithParamInterface<RuleCase>
{
};

TEST_P(RiffRuleTable, LeavesTheRiffAsExpected)
{
    const RuleCase& c = GetParam();
    if (c.setUp)
        c.setUp(riff);
    c.act(riff);
    EXPECT_EQ(describe(riff), c.expected);
}

void none(RiffModel&) { }

INSTANTIATE_TEST_SUITE_P(
    ArmedStep, RiffRuleTable,
    ::testing::Values(
        RuleCase{"first_step_on_the_given_beat", none, [](RiffModel& r) { r.setArmedStep(0, 5); },
                 "0:1@5 | max 0 loop 0 armed 0"},
        RuleCase{"first_step_without_beat_takes_beat_0", none, [](RiffModel& r) { r.setArmedStep(0); },
                 "0:1@0 | max 0 loop 0 armed 0"},
        RuleCase{"next_step_follows_its_predecessor", [](RiffModel& r) { commitSteps(r, {5}); },
                 [](RiffModel& r) { r.setArmedStep(1); }, "0:2@5 1:1@6 | max 1 loop 1 armed 1"},
        RuleCase{"next_step_on_the_given_beat", [](RiffModel& r) { commitSteps(r, {5}); },
                 [](RiffModel& r) { r.setArmedStep(1, 2); }, "0:2@5 1:1@2 | max 1 loop 1 armed 1"},
        // Its beat and the one after must exist.
        RuleCase{"next_step_held_at_the_last_usable_beat", [](RiffModel& r) { commitSteps(r, {18}); },
                 [](RiffModel& r) { r.setArmedStep(1); }, "0:2@18 1:1@18 | max 1 loop 1 armed 1"},
        RuleCase{"a_step_beyond_the_next_new_one_is_refused", [](RiffModel& r) { commitSteps(r, {5}); },
                 [](RiffModel& r) { r.setArmedStep(3); }, "0:2@5 | max 0 loop 0 armed -1"},
        RuleCase{"a_step_in_use_rearms_and_the_loop_takes_every_step",
                 [](RiffModel& r) {
                     commitSteps(r, {5, 6, 7});
                     r.setLoopLength(0);
                 },
                 [](RiffModel& r) { r.setArmedStep(2); }, "0:2@5 1:3@6 2:1@7 | max 2 loop 3 armed 2"},
        RuleCase{"step_0_in_use_rearms_on_its_beat",
                 [](RiffModel& r) {
                     commitSteps(r, {5, 6});
                 },
                 [](RiffModel& r) { r.setArmedStep(0, 9); }, "0:1@5 1:2@6 | max 1 loop 2 armed 0"},
        RuleCase{"a_step_outside_the_riff_is_ignored", none, [](RiffModel& r) { r.setArmedStep(16); },
                 "| max -1 loop -1 armed -1"},
        RuleCase{"a_given_beat_beyond_the_beats_is_held", none, [](RiffModel& r) { r.setArmedStep(0, 40); },
                 "0:1@18 | max 0 loop 0 armed 0"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Commit, RiffRuleTable,
    ::testing::Values(
        // The first commit leaves the loop empty: getLoopLength() is −1.
        RuleCase{"first_commit_keeps_an_empty_loop", [](RiffModel& r) { r.setArmedStep(0, 3); },
                 [](RiffModel& r) { r.lockSelection(); }, "0:2@3 | max 0 loop 0 armed -1"},
        RuleCase{"a_new_step_stays_outside_the_loop_until_the_row_answers",
                 [](RiffModel& r) {
                     commitSteps(r, {3});
                     r.setArmedStep(1);
                 },
                 [](RiffModel& r) { r.lockSelection(); }, "0:2@3 1:2@4 | max 1 loop 1 armed -1"},
        RuleCase{"rearmed_step_commits_back_into_the_loop",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4});
                     r.setArmedStep(0);
                 },
                 [](RiffModel& r) { r.lockSelection(); }, "0:2@3 1:2@4 | max 1 loop 2 armed -1"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    LoopLength, RiffRuleTable,
    ::testing::Values(
        RuleCase{"ignored_on_an_empty_riff", none, [](RiffModel& r) { r.setLoopLength(3); },
                 "| max -1 loop -1 armed -1"},
        RuleCase{"shortens_the_loop",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4, 5});
                 },
                 [](RiffModel& r) { r.setLoopLength(1); }, "0:2@3 1:2@4 2:3@5 | max 2 loop 2 armed -1"},
        RuleCase{"minus_one_puts_every_step_outside",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4, 5});
                 },
                 [](RiffModel& r) { r.setLoopLength(-1); }, "0:3@3 1:3@4 2:3@5 | max 2 loop 0 armed -1"},
        // A cell the overlay never placed still enters the loop, at beat 0.
        RuleCase{"beyond_the_last_step_loops_unplaced_steps_at_beat_0", [](RiffModel& r) { commitSteps(r, {3}); },
                 [](RiffModel& r) { r.setLoopLength(2); }, "0:2@3 1:2@0 2:2@0 | max 0 loop 3 armed -1"},
        RuleCase{"a_session_value_above_15_is_held_at_15", [](RiffModel& r) { commitSteps(r, {3}); },
                 [](RiffModel& r) { r.setLoopLength(40); },
                 "0:2@3 1:2@0 2:2@0 3:2@0 4:2@0 5:2@0 6:2@0 7:2@0 8:2@0 9:2@0 10:2@0 11:2@0 "
                 "12:2@0 13:2@0 14:2@0 15:2@0 | max 0 loop 16 armed -1"},
        RuleCase{"a_session_value_below_minus_one_is_held_at_minus_one",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4});
                 },
                 [](RiffModel& r) { r.setLoopLength(-9); }, "0:3@3 1:3@4 | max 1 loop 0 armed -1"},
        RuleCase{"session_maximum_is_held_within_the_steps", none,
                 [](RiffModel& r) {
                     r.setMaxLoopLength(30);
                     r.setLoopLength(0);
                 },
                 "0:2@0 1:3@0 2:3@0 3:3@0 4:3@0 5:3@0 6:3@0 7:3@0 8:3@0 9:3@0 10:3@0 11:3@0 "
                 "12:3@0 13:3@0 14:3@0 15:3@0 | max 15 loop 1 armed -1"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Extend, RiffRuleTable,
    ::testing::Values(
        RuleCase{"cuts_the_riff_short",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4, 5, 6});
                 },
                 [](RiffModel& r) { r.extendLoopLength(1); }, "0:2@3 1:2@4 | max 1 loop 1 armed -1"},
        RuleCase{"next_step_continues_from_its_predecessor",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4});
                 },
                 [](RiffModel& r) { r.extendLoopLength(2); }, "0:2@3 1:2@4 2:2@5 | max 2 loop 2 armed -1"},
        // The steps between stay unused; the predecessor's beat is 0.
        RuleCase{"far_step_after_an_unused_one_takes_beat_1",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4});
                 },
                 [](RiffModel& r) { r.extendLoopLength(5); }, "0:2@3 1:2@4 5:2@1 | max 5 loop 5 armed -1"},
        // No step −1 to continue from: the riff starts at the first beat.
        RuleCase{"step_0_of_an_empty_riff_takes_beat_0", none, [](RiffModel& r) { r.extendLoopLength(0); },
                 "0:2@0 | max 0 loop 0 armed -1"},
        RuleCase{"held_at_the_last_usable_beat", [](RiffModel& r) { commitSteps(r, {18}); },
                 [](RiffModel& r) { r.extendLoopLength(1); }, "0:2@18 1:2@18 | max 1 loop 1 armed -1"},
        RuleCase{"a_step_in_use_keeps_its_beat",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 9, 4});
                 },
                 [](RiffModel& r) { r.extendLoopLength(1); }, "0:2@3 1:2@9 | max 1 loop 1 armed -1"},
        RuleCase{"a_step_outside_the_riff_is_ignored", [](RiffModel& r) { commitSteps(r, {3}); },
                 [](RiffModel& r) { r.extendLoopLength(16); }, "0:2@3 | max 0 loop 0 armed -1"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Move, RiffRuleTable,
    ::testing::Values(
        RuleCase{"without_command_only_the_dragged_step",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4, 5});
                 },
                 [](RiffModel& r) { r.moveStep(1, 10, false); }, "0:2@3 1:2@10 2:2@5 | max 2 loop 3 armed -1"},
        RuleCase{"with_command_every_step_in_use",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 4, 5});
                     r.setLoopLength(0);
                 },
                 [](RiffModel& r) { r.moveStep(1, 10, true); }, "0:2@9 1:3@10 2:3@11 | max 2 loop 1 armed -1"},
        RuleCase{"with_command_the_first_step_stops_at_beat_0",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 8, 9});
                 },
                 [](RiffModel& r) { r.moveStep(1, 0, true); }, "0:2@0 1:2@5 2:2@6 | max 2 loop 3 armed -1"},
        RuleCase{"with_command_the_last_step_stops_at_the_last_usable_beat",
                 [](RiffModel& r) {
                     commitSteps(r, {3, 8, 16});
                 },
                 [](RiffModel& r) { r.moveStep(0, 10, true); }, "0:2@5 1:2@10 2:2@18 | max 2 loop 3 armed -1"},
        RuleCase{"without_command_held_within_the_beats", [](RiffModel& r) { commitSteps(r, {3}); },
                 [](RiffModel& r) { r.moveStep(0, 25, false); }, "0:2@18 | max 0 loop 0 armed -1"},
        RuleCase{"an_armed_step_stays_armed", [](RiffModel& r) { r.setArmedStep(0, 3); },
                 [](RiffModel& r) { r.moveStep(0, 7, true); }, "0:1@7 | max 0 loop 0 armed 0"}),
    RowName());

// The earliest beat lands on the given step; the rest follow cyclically.
INSTANTIATE_TEST_SUITE_P(
    First, RiffRuleTable,
    ::testing::Values(RuleCase{"sorted_from_step_0",
                               [](RiffModel& r) {
                                   commitSteps(r, {7, 3, 5});
                               },
                               [](RiffModel& r) { r.setFirst(0); }, "0:2@3 1:2@5 2:2@7 | max 2 loop 3 armed -1"},
                      RuleCase{"earliest_on_step_1",
                               [](RiffModel& r) {
                                   commitSteps(r, {7, 3, 5});
                               },
                               [](RiffModel& r) { r.setFirst(1); }, "0:2@7 1:2@3 2:2@5 | max 2 loop 3 armed -1"},
                      // Shared beats: each of their places copies the highest step.
                      RuleCase{"shared_beats_copy_the_highest_step",
                               [](RiffModel& r) {
                                   commitSteps(r, {6, 4, 4});
                                   r.setLoopLength(1);
                               },
                               [](RiffModel& r) { r.setFirst(0); }, "0:3@4 1:3@4 2:2@6 | max 2 loop 2 armed -1"},
                      RuleCase{"a_step_above_the_riff_wraps",
                               [](RiffModel& r) {
                                   commitSteps(r, {7, 3, 5});
                               },
                               [](RiffModel& r) { r.setFirst(4); }, "0:2@7 1:2@3 2:2@5 | max 2 loop 3 armed -1"},
                      RuleCase{"a_negative_step_wraps_too",
                               [](RiffModel& r) {
                                   commitSteps(r, {7, 3, 5});
                               },
                               [](RiffModel& r) { r.setFirst(-1); }, "0:2@5 1:2@7 2:2@3 | max 2 loop 3 armed -1"},
                      RuleCase{"an_empty_riff_stays_empty", none, [](RiffModel& r) { r.setFirst(3); },
                               "| max -1 loop -1 armed -1"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(Reset, RiffRuleTable,
                         ::testing::Values(RuleCase{"clears_every_step",
                                                    [](RiffModel& r) {
                                                        commitSteps(r, {3, 4});
                                                        r.setArmedStep(2);
                                                    },
                                                    [](RiffModel& r) { r.reset(); }, "| max -1 loop -1 armed -1"},
                                           // State 0 also zeroes the beat and samples.
                                           RuleCase{"state_0_clears_the_step",
                                                    [](RiffModel& r) {
                                                        commitSteps(r, {3, 4});
                                                    },
                                                    [](RiffModel& r) {
                                                        r.setState(1, RiffModel::Unused);
                                                        r.setState(1, RiffModel::InLoop);
                                                    },
                                                    "0:2@3 1:2@0 | max 1 loop 2 armed -1"}),
                         RowName());

TEST_F(RiffRules, GetLoopLengthCountsFromTheEmptyRiff)
{
    EXPECT_EQ(riff.getLoopLength(), -2);
    commitSteps(riff, {3});
    EXPECT_EQ(riff.getLoopLength(), -1);
    riff.setArmedStep(1);
    riff.lockSelection();
    EXPECT_EQ(riff.getLoopLength(), 0) << "the row has not yet answered";
    riff.setLoopLength(1);
    EXPECT_EQ(riff.getLoopLength(), 1);
}

TEST_F(RiffRules, NothingIsArmedWithoutValidResults)
{
    model.resetMetaData();
    riff.setArmedStep(0, 2);
    EXPECT_EQ(describe(riff), "| max -1 loop -1 armed -1");
    EXPECT_FALSE(riff.acceptsNewStep());
    EXPECT_TRUE(riff.layout(100.0f, 30).isEmpty());
}

TEST_F(RiffRules, AcceptsNewStepsUpToSixteen)
{
    EXPECT_TRUE(riff.acceptsNewStep());
    riff.setArmedStep(0, 1);
    EXPECT_FALSE(riff.acceptsNewStep()) << "a step is armed";
    riff.lockSelection();
    for (int step = 1; step < RiffModel::stepCount; ++step) {
        ASSERT_TRUE(riff.acceptsNewStep()) << step;
        riff.setArmedStep(step);
        riff.lockSelection();
    }
    EXPECT_EQ(riff.maxLoopLength(), 15);
    EXPECT_FALSE(riff.acceptsNewStep());
}

// A session applied over a shorter recording: the stored beat is kept for
// the session, every read is held within the beats.
TEST_F(RiffRules, StoredBeatsBeyondTheRecordingAreNeverRead)
{
    riff.setMaxLoopLength(1);
    riff.setBeat(0, RiffModel::InLoop, 500, 1, 2);
    riff.setBeat(1, RiffModel::InLoop, -4, 1, 2);
    riff.setLoopLength(1);
    EXPECT_EQ(riff.step(0).beat, 500);
    EXPECT_EQ(riff.beatIndex(0), beatCount - 2);
    EXPECT_EQ(riff.beatIndex(1), 0);
    EXPECT_EQ(riff.beatIndex(16), 0);
    EXPECT_EQ(riff.beatIndex(-1), 0);

    const auto rects = riff.layout(1000.0f, 30);
    ASSERT_EQ(rects.size(), 2);
    const float lead = base::beatLeadFrames;
    EXPECT_EQ(rects[0].rect.x(), int((riff.beatSample(beatCount - 2) - lead) / 1000.0f + 0.5f));
}

TEST_F(RiffRules, BeatsUnderThePointer)
{
    // Beats at 10000 + 20000 b; spp 100: beat b spans x 100 + 200 b … 300 + 200 b.
    EXPECT_EQ(riff.beatContainingSample(10001.0f), 0);
    EXPECT_EQ(riff.beatContainingSample(30000.0f), std::nullopt) << "on a beat: strict";
    EXPECT_EQ(riff.beatContainingSample(30001.0f), 1);
    EXPECT_EQ(riff.beatContainingSample(5000.0f), std::nullopt) << "before the first beat";
    EXPECT_EQ(riff.beatContainingSample(400000.0f), std::nullopt) << "after the last";
    EXPECT_EQ(riff.beatContainingPixel(250.0f, 100.0f), 0);
    EXPECT_EQ(riff.beatContainingPixel(301.0f, 100.0f), 1);
    EXPECT_EQ(riff.beatContainingPixel(301.0f, 0.0f), std::nullopt);
}

struct LayoutCase
{
    const char* name;
    std::vector<int> beats; // of steps 0, 1, … (all in the loop)
    float spp;
    int height;
    std::vector<QRect> expected; // in step order
};

class RiffLayout : public RiffRules, public ::testing::WithParamInterface<LayoutCase>
{
};

TEST_P(RiffLayout, PlacesEachStepOverItsBeat)
{
    const LayoutCase& c = GetParam();
    commitSteps(riff, c.beats);
    std::vector<QRect> rects;
    for (const auto& r : riff.layout(c.spp, c.height))
        rects.push_back(r.rect);
    EXPECT_EQ(rects, c.expected);
}

// Beats at 10000 + 20000 b, drawn on the beat (the beat lead is 0): at
// spp 100 beat b starts at x = 100 + 200 b and its band is 199 pixels wide.
INSTANTIATE_TEST_SUITE_P(
    Table, RiffLayout,
    ::testing::Values(
        LayoutCase{"one_step", {0}, 100.0f, 30, {QRect(100, 0, 199, 30)}},
        LayoutCase{
            "steps_on_their_own_beats", {0, 2}, 100.0f, 30, {QRect(100, 0, 199, 30), QRect(500, 0, 199, 30)}},
        LayoutCase{"two_on_one_beat_split_the_height",
                   {1, 1},
                   100.0f,
                   30,
                   {QRect(300, 0, 199, 14), QRect(300, 15, 199, 15)}},
        LayoutCase{"three_on_one_beat_of_30_pixels",
                   {1, 1, 1},
                   100.0f,
                   30,
                   {QRect(300, 0, 199, 9), QRect(300, 10, 199, 9), QRect(300, 20, 199, 10)}},
        // Only the last stacked step of all fills down to the bottom.
        LayoutCase{
            "two_stacks",
            {1, 3, 1, 3},
            100.0f,
            30,
            {QRect(300, 0, 199, 14), QRect(700, 0, 199, 14), QRect(300, 15, 199, 14), QRect(700, 15, 199, 15)}},
        LayoutCase{"stack_beside_a_single_step",
                   {1, 1, 2},
                   100.0f,
                   30,
                   {QRect(300, 0, 199, 14), QRect(300, 15, 199, 15), QRect(500, 0, 199, 30)}},
        LayoutCase{"zoomed_out", {0, 1}, 1000.0f, 20, {QRect(10, 0, 19, 20), QRect(30, 0, 19, 20)}},
        LayoutCase{"no_samples_per_pixel_no_layout", {0}, 0.0f, 30, {}}),
    RowName());

TEST_F(RiffRules, UnderTwoBeatsNothingIsLaidOutOrPlaced)
{
    jam_test::fillBeats(model, 1);
    riff.setArmedStep(0, 0);
    EXPECT_EQ(describe(riff), "| max -1 loop -1 armed -1");
    riff.setMaxLoopLength(0);
    riff.setBeat(0, RiffModel::InLoop, 0, 0, 0);
    EXPECT_TRUE(riff.layout(100.0f, 30).isEmpty());
    EXPECT_EQ(riff.beatIndex(0), 0);
    EXPECT_EQ(riff.beatSample(1), 0.0f);
}

TEST_F(RiffRules, ObserverSeesEveryStateWrittenInOrder)
{
    std::vector<std::pair<int, int>> seen;
    riff.setStateObserver([&](int step, int state) { seen.emplace_back(step, state); });
    commitSteps(riff, {3, 4});
    const std::vector<std::pair<int, int>> expected = {{0, 1}, {0, 2}, {1, 1}, {1, 2}, {0, 2}, {1, 2}};
    EXPECT_EQ(seen, expected);
}

} // namespace
