// The jam tab's rules without widgets: which cell a press may arm, what a
// press on a step row does, the loop-length ruler, the pitch texts and
// ratios and the places of the tab's pop-ups.
#include "JamRules.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace jam {

void PrintTo(const LoopRuler::Event& e, std::ostream* os)
{
    *os << (e.kind == LoopRuler::Event::ExtendLoop ? "extendLoop(" : "setLoopLength(") << e.step << ")";
}

} // namespace jam

namespace {

using jam::LoopRuler;
using jam::RowPress;

struct HighestCase
{
    const char* name;
    int whiteNumbers;
    int maxLoopValue;
    int highest;
};

class HighestArmableCell : public ::testing::TestWithParam<HighestCase>
{
};

TEST_P(HighestArmableCell, FollowsTheLoopAndTheRuler)
{
    const HighestCase& c = GetParam();
    EXPECT_EQ(jam::highestArmableCell(c.whiteNumbers, c.maxLoopValue), c.highest);
}

INSTANTIATE_TEST_SUITE_P(Table, HighestArmableCell,
                         ::testing::Values(HighestCase{"empty_riff", 1, 0, 1},
                                           HighestCase{"three_steps_all_in_the_loop_offer_the_next", 3, 2, 3},
                                           HighestCase{"two_of_five_in_the_loop", 2, 4, 1},
                                           HighestCase{"three_of_five_in_the_loop", 3, 4, 2},
                                           HighestCase{"full_riff", 16, 15, 16}),
                         RowName());

struct PressCase
{
    const char* name;
    int cell;
    int highest;
    int armedCell;
    bool blinking;
    RowPress expected;
};

class RowPressRule : public ::testing::TestWithParam<PressCase>
{
};

TEST_P(RowPressRule, ArmsCommitsOrIgnores)
{
    const PressCase& c = GetParam();
    EXPECT_EQ(jam::rowPress(c.cell, c.highest, c.armedCell, c.blinking), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RowPressRule,
                         ::testing::Values(
                             // While the loop holds at most one step any press arms and the
                             // next one anywhere commits.
                             PressCase{"empty_riff_arms_any_cell", 7, 1, -1, false, RowPress::Arm},
                             PressCase{"empty_riff_commits_anywhere", 12, 1, 7, true, RowPress::CommitFirst},
                             PressCase{"free_cell_up_to_the_highest_arms", 3, 3, -1, false, RowPress::Arm},
                             PressCase{"cell_beyond_the_highest_is_ignored", 4, 3, -1, false, RowPress::Nothing},
                             PressCase{"armed_cell_commits", 2, 3, 2, true, RowPress::Commit},
                             PressCase{"another_cell_while_armed_is_ignored", 1, 3, 2, true, RowPress::Nothing},
                             PressCase{"shortened_loop_rearms_inside_it", 2, 2, -1, false, RowPress::Arm},
                             PressCase{"shortened_loop_ignores_beyond_it", 3, 2, -1, false, RowPress::Nothing}),
                         RowName());

struct RulerCase
{
    const char* name;
    int value;
    int maxValue;
    std::function<LoopRuler::Events(LoopRuler&)> act;
    LoopRuler::Events expected;
    int endValue;
    int endMax;
};

class RulerMachine : public ::testing::TestWithParam<RulerCase>
{
};

TEST_P(RulerMachine, TellsTheRiffInOrder)
{
    const RulerCase& c = GetParam();
    LoopRuler ruler;
    ruler.restoreFromSession(c.value, c.maxValue);
    EXPECT_EQ(c.act(ruler), c.expected);
    EXPECT_EQ(ruler.value(), c.endValue);
    EXPECT_EQ(ruler.maxValue(), c.endMax);
}

using E = LoopRuler::Event;
constexpr int width = 480;

INSTANTIATE_TEST_SUITE_P(Press, RulerMachine,
                         ::testing::Values(RulerCase{"inside_the_maximum",
                                                     2,
                                                     4,
                                                     [](LoopRuler& r) { return r.press(45, width, false, true); },
                                                     {{E::SetLoopLength, 1}},
                                                     1,
                                                     4},
                                           RulerCase{"beyond_the_maximum_sets_the_maximum",
                                                     2,
                                                     4,
                                                     [](LoopRuler& r) { return r.press(200, width, false, true); },
                                                     {{E::SetLoopLength, 4}},
                                                     4,
                                                     4},
                                           RulerCase{"beyond_the_maximum_with_command_extends",
                                                     2,
                                                     4,
                                                     [](LoopRuler& r) { return r.press(200, width, true, true); },
                                                     {{E::ExtendLoop, 6}, {E::SetLoopLength, 6}},
                                                     6,
                                                     6},
                                           RulerCase{"before_the_first_step_nothing",
                                                     0,
                                                     0,
                                                     [](LoopRuler& r) { return r.press(200, width, true, false); },
                                                     {},
                                                     0,
                                                     0},
                                           RulerCase{
                                               "at_the_width_nothing",
                                               2,
                                               4,
                                               [](LoopRuler& r) { return r.press(width, width, false, true); },
                                               {},
                                               2,
                                               4}),
                         RowName());

INSTANTIATE_TEST_SUITE_P(
    Drag, RulerMachine,
    ::testing::Values(
        RulerCase{"inside_the_maximum",
                  2,
                  4,
                  [](LoopRuler& r) { return r.move(95, width, false); },
                  {{E::SetLoopLength, 3}},
                  3,
                  4},
        RulerCase{"command_inside_cuts_the_riff",
                  2,
                  4,
                  [](LoopRuler& r) { return r.move(35, width, true); },
                  {{E::ExtendLoop, 1}, {E::SetLoopLength, 1}},
                  1,
                  1},
        // Even without Command, and without a new loop length.
        RulerCase{"beyond_the_maximum_extends",
                  2,
                  4,
                  [](LoopRuler& r) { return r.move(200, width, false); },
                  {{E::ExtendLoop, 6}},
                  6,
                  6},
        RulerCase{"left_of_the_ruler_is_step_0",
                  2,
                  4,
                  [](LoopRuler& r) { return r.move(-29, width, false); },
                  {{E::SetLoopLength, 0}},
                  0,
                  4},
        RulerCase{"far_left_nothing", 2, 4, [](LoopRuler& r) { return r.move(-30, width, false); }, {}, 2, 4},
        RulerCase{
            "at_the_width_nothing", 2, 4, [](LoopRuler& r) { return r.move(width, width, true); }, {}, 2, 4}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Wheel, RulerMachine,
    ::testing::Values(
        RulerCase{"up_lengthens", 2, 4, [](LoopRuler& r) { return r.wheel(120); }, {{E::SetLoopLength, 3}}, 3, 4},
        RulerCase{"up_stops_at_the_maximum", 4, 4, [](LoopRuler& r) { return r.wheel(120); }, {}, 4, 4},
        RulerCase{
            "down_shortens", 2, 4, [](LoopRuler& r) { return r.wheel(-120); }, {{E::SetLoopLength, 1}}, 1, 4},
        RulerCase{
            "no_delta_shortens_too", 2, 4, [](LoopRuler& r) { return r.wheel(0); }, {{E::SetLoopLength, 1}}, 1, 4},
        RulerCase{"down_stops_at_step_0", 0, 4, [](LoopRuler& r) { return r.wheel(-120); }, {}, 0, 4}),
    RowName());

INSTANTIATE_TEST_SUITE_P(Values, RulerMachine,
                         ::testing::Values(RulerCase{"set_raises_the_maximum",
                                                     2,
                                                     4,
                                                     [](LoopRuler& r) { return r.setValue(6); },
                                                     {{E::SetLoopLength, 6}},
                                                     6,
                                                     6},
                                           RulerCase{"set_beyond_the_row_is_held",
                                                     2,
                                                     4,
                                                     [](LoopRuler& r) { return r.setValue(40); },
                                                     {{E::SetLoopLength, 15}},
                                                     15,
                                                     15},
                                           RulerCase{"session_maximum_below_the_value_rises",
                                                     0,
                                                     0,
                                                     [](LoopRuler& r) { return r.restoreFromSession(5, 3); },
                                                     {{E::SetLoopLength, 5}},
                                                     5,
                                                     5},
                                           RulerCase{"session_values_held_within_the_row",
                                                     0,
                                                     0,
                                                     [](LoopRuler& r) { return r.restoreFromSession(-3, 40); },
                                                     {{E::SetLoopLength, 0}},
                                                     0,
                                                     15},
                                           RulerCase{"reset",
                                                     5,
                                                     9,
                                                     [](LoopRuler& r) {
                                                         r.reset();
                                                         return LoopRuler::Events{};
                                                     },
                                                     {},
                                                     0,
                                                     0}),
                         RowName());

struct WhiteCase
{
    const char* name;
    int current;
    int whiteNumbers;
    QVector<int> cells;
};

class WhiteNumbers : public ::testing::TestWithParam<WhiteCase>
{
};

TEST_P(WhiteNumbers, MarkTheLoopAroundThePlayingStep)
{
    EXPECT_EQ(jam::whiteNumberCells(GetParam().current, GetParam().whiteNumbers), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WhiteNumbers,
    ::testing::Values(WhiteCase{"one_step_playing", 0, 1, {}}, WhiteCase{"first_of_three_playing", 0, 3, {1, 2}},
                      WhiteCase{"middle_step_playing", 2, 5, {0, 1, 3, 4}},
                      WhiteCase{"last_step_playing", 4, 5, {0, 1, 2, 3}},
                      // A step beyond the loop plays: every step before it.
                      WhiteCase{"beyond_the_loop", 5, 3, {0, 1, 2, 3, 4}},
                      WhiteCase{"full_riff", 15, 16, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}}),
    RowName());

struct TextCase
{
    const char* name;
    float semitones;
    const char* text;
};

class StepPitchReadout : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(StepPitchReadout, RoundsHalfUpWithASign)
{
    EXPECT_EQ(jam::stepPitchText(GetParam().semitones).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepPitchReadout,
    ::testing::Values(TextCase{"rise_rounds_down", 2.4f, "+2"}, TextCase{"fall_rounds_away", -0.6f, "-1"},
                      TextCase{"small_rise", 0.3f, "0"}, TextCase{"small_fall", -0.4f, "0"},
                      TextCase{"half_rounds_up", 0.5f, "+1"}, TextCase{"minus_half_rounds_up", -0.5f, "0"},
                      TextCase{"octave_up", 12.0f, "+12"}, TextCase{"octave_down", -12.0f, "-12"}),
    RowName());

class PitchBoxText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(PitchBoxText, SignsEveryShift)
{
    EXPECT_EQ(jam::semitoneText(GetParam().semitones).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, PitchBoxText,
                         ::testing::Values(TextCase{"no_shift", 0.0f, "0"}, TextCase{"up", 5.0f, "+5"},
                                           TextCase{"down", -3.0f, "-3"}, TextCase{"octave_up", 12.0f, "+12"}),
                         RowName());

struct RatioCase
{
    const char* name;
    float semitones;
    const char* ratio; // six significant digits
};

class SemitoneRatio : public ::testing::TestWithParam<RatioCase>
{
};

TEST_P(SemitoneRatio, IsTwoToTheTwelfth)
{
    const float ratio = jam::semitoneRatio(GetParam().semitones);
    EXPECT_EQ(QString::number(ratio, 'g', 6).toStdString(), GetParam().ratio);
}

INSTANTIATE_TEST_SUITE_P(Table, SemitoneRatio,
                         ::testing::Values(RatioCase{"octave_up", 12.0f, "2"},
                                           RatioCase{"fifth_up", 7.0f, "1.49831"},
                                           RatioCase{"semitone_up", 1.0f, "1.05946"},
                                           RatioCase{"unchanged", 0.0f, "1"},
                                           RatioCase{"octave_down", -12.0f, "0.5"}),
                         RowName());

struct PlaceCase
{
    const char* name;
    std::function<int(int)> place;
    int input;
    int expected;
};

class PopUpPlaces : public ::testing::TestWithParam<PlaceCase>
{
};

TEST_P(PopUpPlaces, FollowTheCells)
{
    EXPECT_EQ(GetParam().place(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PopUpPlaces,
    ::testing::Values(PlaceCase{"cell_left_of_the_row_is_0", jam::cellAt, -29, 0},
                      PlaceCase{"cell_further_left_is_minus_1", jam::cellAt, -30, -1},
                      PlaceCase{"cell_29_is_0", jam::cellAt, 29, 0}, PlaceCase{"cell_30_is_1", jam::cellAt, 30, 1},
                      PlaceCase{"cell_last_pixel_is_15", jam::cellAt, 479, 15},
                      PlaceCase{"outline_of_cell_0", jam::beatOutlineX, 29, 255},
                      PlaceCase{"outline_of_cell_1", jam::beatOutlineX, 30, 285},
                      PlaceCase{"outline_of_cell_15", jam::beatOutlineX, 479, 705},
                      PlaceCase{"song_chooser_of_slot_0", jam::songSelectorX, 0, 255},
                      PlaceCase{"song_chooser_of_slot_15", jam::songSelectorX, 15, 707},
                      PlaceCase{"menu_band_226_is_step_0", jam::contextMenuStepAt, 226, 0},
                      PlaceCase{"menu_band_254_is_step_0", jam::contextMenuStepAt, 254, 0},
                      PlaceCase{"menu_band_225_is_minus_1", jam::contextMenuStepAt, 225, -1},
                      PlaceCase{"menu_band_220_is_minus_1", jam::contextMenuStepAt, 220, -1},
                      PlaceCase{"menu_band_285_is_step_1", jam::contextMenuStepAt, 285, 1},
                      PlaceCase{"menu_band_right_edge_of_step_15_is_18", jam::contextMenuStepAt, 797, 18}),
    RowName());

} // namespace
