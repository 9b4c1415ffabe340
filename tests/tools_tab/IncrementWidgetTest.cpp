// The tools tab's value box in its four modes: steps, bounds, what each
// step publishes, the reset gesture, the inactive cover and the text.
#include "IncrementWidget.h"
#include "BoxSignals.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <algorithm>
#include <functional>

namespace {

using Strings = std::vector<std::string>;
using Action = std::function<void(IncrementWidget&)>;

void clickAt(IncrementWidget& box, int x)
{
    box.overrideCursorX(x);
    const QPoint at(std::clamp(x, 0, 92), 10);
    press(&box, at, Qt::LeftButton);
    release(&box, at, Qt::LeftButton);
}

Action click(int x)
{
    return [x](IncrementWidget& box) { clickAt(box, x); };
}

Action wheelBy(int delta)
{
    return [delta](IncrementWidget& box) { sendWheel(&box, QPoint(46, 10), delta); };
}

Action resetClick(Qt::MouseButtons buttons = Qt::RightButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [buttons, modifiers](IncrementWidget& box) {
        box.overrideCursorX(80);
        press(&box, QPoint(80, 10), buttons, modifiers);
        release(&box, QPoint(80, 10), Qt::LeftButton);
    };
}

// A press at pressX, a drag to each x with the left button held, a release.
Action drag(int pressX, std::vector<int> moveXs, Qt::MouseButtons held = Qt::LeftButton)
{
    return [=](IncrementWidget& box) {
        box.overrideCursorX(pressX);
        press(&box, QPoint(pressX, 10), Qt::LeftButton);
        for (int x : moveXs) {
            box.overrideCursorX(x);
            move(&box, QPoint(x, 10), held);
        }
        release(&box, QPoint(moveXs.back(), 10), Qt::LeftButton);
    };
}

const Action increment = [](IncrementWidget& box) { box.increment(); };
const Action decrement = [](IncrementWidget& box) { box.decrement(); };

IncrementWidget* makeBox(int mode, int originalBpm, float start)
{
    auto* box = new IncrementWidget(nullptr, mode);
    if (mode == IncrementWidget::Semitones)
        box->setObjectName("semitones");
    if (mode == IncrementWidget::FineTune)
        box->setObjectName("fineTune");
    if (originalBpm > 0)
        box->setBPMActive(true, float(originalBpm));
    box->setValue(start);
    return box;
}

// ---- Steps and what they publish, per mode ----------------------------------

struct StepCase
{
    const char* name;
    int mode;
    int originalBpm; // tempo mode: −1 while no tempo is known
    float start;
    Action act;
    float value;
    Strings emitted;
    int markerX = -1; // fine tune: the marker's left edge afterwards
};

class IncrementSteps : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(IncrementSteps, ValueAndPublications)
{
    const StepCase& c = GetParam();
    std::unique_ptr<IncrementWidget> box(makeBox(c.mode, c.originalBpm, c.start));
    BoxSignals published(*box);

    c.act(*box);

    EXPECT_NEAR(box->value(), c.value, 1e-4);
    EXPECT_EQ(published.emitted, c.emitted);
    if (c.markerX >= 0) {
        EXPECT_EQ(box->markerX(), c.markerX);
    }
    EXPECT_EQ(box->currentPicture(),
              c.mode == IncrementWidget::FineTune ? StepBox::Pictures::fineTune().rest
                                                  : StepBox::Pictures::plain().rest);
}

INSTANTIATE_TEST_SUITE_P(
    TimeStretchMode, IncrementSteps,
    ::testing::Values(StepCase{"up", 0, 0, 0, click(80), 1, {"modeChanged(2)"}},
                      StepCase{"up_from_3_wraps_to_0", 0, 0, 3, click(80), 0, {"modeChanged(1)"}},
                      StepCase{"down_from_0_wraps_to_3", 0, 0, 0, click(5), 3, {"modeChanged(4)"}},
                      StepCase{"down", 0, 0, 2, click(23), 1, {"modeChanged(2)"}},
                      StepCase{"middle_republishes", 0, 0, 2, click(46), 2, {"modeChanged(3)"}},
                      StepCase{"wheel_down", 0, 0, 2, wheelBy(-120), 1, {"modeChanged(2)"}},
                      StepCase{"no_wheel_delta_no_step", 0, 0, 2, wheelBy(0), 2, {"modeChanged(3)"}},
                      StepCase{"reset_gesture", 0, 0, 2, resetClick(), 0, {"modeChanged(1)", "modeChanged(1)"}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Tempo, IncrementSteps,
    ::testing::Values(
        StepCase{"up_from_a_fraction", 1, 120, 120.5f, click(80), 121, {"setKnobFromBPM(101)"}},
        StepCase{"down_from_a_fraction", 1, 120, 120.5f, click(5), 120, {"setKnobFromBPM(99)"}},
        StepCase{"lowest_is_a_quarter", 1, 120, 30, click(5), 30, {"setKnobFromBPM(0)"}},
        StepCase{"highest_is_twice", 1, 120, 240, click(80), 240, {"setKnobFromBPM(199)"}},
        // The nearest position: 33 plays 0.4975, 34 0.505.
        StepCase{"half_the_tempo", 1, 120, 61, click(5), 60, {"setKnobFromBPM(33)"}},
        StepCase{"one_and_a_half", 1, 120, 179, click(80), 180, {"setKnobFromBPM(150)"}},
        StepCase{"wheel_also_tells_the_chords_tab",
                 1,
                 120,
                 120,
                 wheelBy(120),
                 121,
                 {"updateChordTempo(121)", "setKnobFromBPM(101)"}},
        StepCase{"shortcut_down", 1, 120, 120, decrement, 119, {"updateChordTempo(119)", "setKnobFromBPM(98)"}},
        StepCase{"from_the_chords_tab",
                 1,
                 120,
                 120,
                 [](IncrementWidget& b) { b.tempoChangedFromChords(180); },
                 180,
                 {"setKnobFromBPM(150)"}},
        // The box keeps its value: a session saved meanwhile stores no −1.
        StepCase{"chords_tab_reset_publishes_nothing",
                 1,
                 120,
                 120,
                 [](IncrementWidget& b) { b.tempoChangedFromChords(-1); },
                 120,
                 {}},
        StepCase{"chords_tab_reset_before_a_tempo",
                 1,
                 -1,
                 0,
                 [](IncrementWidget& b) { b.tempoChangedFromChords(-1); },
                 0,
                 {}},
        StepCase{"reset_gesture_returns_to_the_original", 1, 120, 150, resetClick(), 120, {"setKnobFromBPM(99)"}},
        // No tempo yet: the shortcuts neither step nor publish.
        StepCase{"shortcut_up_without_tempo", 1, -1, 0, increment, 0, {}},
        StepCase{"shortcut_down_without_tempo", 1, -1, 0, decrement, 0, {}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Semitones, IncrementSteps,
    ::testing::Values(
        StepCase{"up", 2, 0, 3, click(80), 4, {"setSyncValueSignal(semitones,4)"}},
        StepCase{"down", 2, 0, 0, click(0), -1, {"setSyncValueSignal(semitones,-1)"}},
        StepCase{"up_at_12_stays", 2, 0, 12, click(80), 12, {"setSyncValueSignal(semitones,12)"}},
        StepCase{"down_at_minus_12_stays", 2, 0, -12, click(5), -12, {"setSyncValueSignal(semitones,-12)"}},
        StepCase{"shortcut_up", 2, 0, 0, increment, 1, {"setSyncValueSignal(semitones,1)"}},
        StepCase{"reset_tells_the_model_first",
                 2,
                 0,
                 5,
                 resetClick(),
                 0,
                 {"resetPitch()", "setSyncValueSignal(semitones,0)"}},
        StepCase{"control_click_is_no_reset",
                 2,
                 0,
                 5,
                 resetClick(Qt::LeftButton, Qt::ControlModifier),
                 6,
                 {"setSyncValueSignal(semitones,6)"}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    FineTune, IncrementSteps,
    ::testing::Values(
        StepCase{"middle_press_places", 3, 0, 50, click(30), 13.636364f, {"setSyncValueSignal(fineTune,-36)"}, 28},
        StepCase{"near_the_left_is_0", 3, 0, 50, click(26), 0, {"setSyncValueSignal(fineTune,-50)"}, 24},
        StepCase{"near_the_right_is_99", 3, 0, 50, click(66), 99, {"setSyncValueSignal(fineTune,49)"}, 64},
        StepCase{"wheel_up", 3, 0, 50, wheelBy(120), 51, {"setSyncValueSignal(fineTune,1)"}, 44},
        StepCase{"up_at_99_stays_and_places_the_marker",
                 3,
                 0,
                 99,
                 click(80),
                 99,
                 {"setSyncValueSignal(fineTune,49)"},
                 64},
        StepCase{"down_at_0_stays", 3, 0, 0, click(5), 0, {"setSyncValueSignal(fineTune,-50)"}, 24},
        StepCase{"reset_gesture",
                 3,
                 0,
                 80,
                 resetClick(),
                 50,
                 {"resetFineTune()", "setSyncValueSignal(fineTune,0)"},
                 46},
        StepCase{"meta_click_resets",
                 3,
                 0,
                 10,
                 resetClick(Qt::LeftButton, Qt::MetaModifier),
                 50,
                 {"resetFineTune()", "setSyncValueSignal(fineTune,0)"},
                 46},
        StepCase{"drag_along_the_track",
                 3,
                 0,
                 50,
                 drag(40, {50}),
                 59.090909f,
                 {"setSyncValueSignal(fineTune,-13)", "setSyncValueSignal(fineTune,9)"},
                 48},
        StepCase{"drag_out_to_the_right_is_99",
                 3,
                 0,
                 50,
                 drag(40, {80}),
                 99,
                 {"setSyncValueSignal(fineTune,-13)", "setSyncValueSignal(fineTune,49)"},
                 38},
        StepCase{"drag_out_to_the_left_is_0",
                 3,
                 0,
                 50,
                 drag(40, {10}),
                 0,
                 {"setSyncValueSignal(fineTune,-13)", "setSyncValueSignal(fineTune,-50)"},
                 38},
        // From an end, dragging further out leaves the value the press made.
        StepCase{"drag_right_from_the_plus_end",
                 3,
                 0,
                 50,
                 drag(70, {90}),
                 51,
                 {"setSyncValueSignal(fineTune,1)", "setSyncValueSignal(fineTune,1)"},
                 44},
        StepCase{"drag_left_from_the_minus_end",
                 3,
                 0,
                 50,
                 drag(20, {5}),
                 49,
                 {"setSyncValueSignal(fineTune,-1)", "setSyncValueSignal(fineTune,-1)"},
                 44},
        StepCase{"drag_with_two_buttons_is_ignored",
                 3,
                 0,
                 50,
                 drag(40, {50}, Qt::LeftButton | Qt::RightButton),
                 36.363636f,
                 {"setSyncValueSignal(fineTune,-13)"},
                 38}),
    RowName());

// ---- A press in the middle stops the repeating ---------------------------------

TEST(IncrementWidget, MiddlePressHoldsEveryStepUntilTheRelease)
{
    IncrementWidget box(nullptr, IncrementWidget::Semitones);
    box.overrideCursorX(46);
    press(&box, QPoint(46, 10), Qt::LeftButton);
    box.overrideCursorX(80);
    box.buttonPressed(); // an auto-repeat tick over the plus end
    EXPECT_EQ(box.value(), 0.0f);

    release(&box, QPoint(80, 10), Qt::LeftButton);
    clickAt(box, 80);
    EXPECT_EQ(box.value(), 1.0f);
}

// ---- The inactive cover ------------------------------------------------------------

TEST(IncrementWidget, TempoBoxIsCoveredUntilATempoIsKnownAndAgainWhenForgotten)
{
    IncrementWidget box(nullptr, IncrementWidget::Tempo);
    box.setBPMActive(false, 0.0f);
    EXPECT_TRUE(box.coverShown());
    BoxSignals published(box);

    box.overrideCursorX(80);
    pressUnder(&box, QPoint(80, 10), Qt::LeftButton);
    pressUnder(&box, QPoint(80, 10), Qt::RightButton);
    wheelUnder(&box, QPoint(80, 10), 120);
    EXPECT_TRUE(published.emitted.empty());

    box.setBPMActive(true, 119.5f); // rounded, halves up
    EXPECT_FALSE(box.coverShown());
    EXPECT_EQ(box.value(), 120.0f);
    EXPECT_EQ(box.originalBPM(), 120);

    box.setBPMActive(false, 0.0f);
    EXPECT_TRUE(box.coverShown());
    EXPECT_EQ(box.value(), 0.0f);
    EXPECT_EQ(box.originalBPM(), -1);
}

TEST(IncrementWidget, TheCoverStopsThePointerButNotTheShortcuts)
{
    IncrementWidget box(nullptr, IncrementWidget::Tempo);
    box.setBPMActive(true, 120.0f);
    box.setCoverShown(true);
    BoxSignals published(box);

    box.overrideCursorX(80);
    pressUnder(&box, QPoint(80, 10), Qt::LeftButton);
    wheelUnder(&box, QPoint(80, 10), 120);
    EXPECT_EQ(box.value(), 120.0f);

    box.increment();
    EXPECT_EQ(box.value(), 121.0f);
    EXPECT_EQ(published.emitted, (Strings{"updateChordTempo(121)", "setKnobFromBPM(101)"}));
}

TEST(IncrementWidget, ALaterTempoMakesTheCurrentValueTheOriginal)
{
    IncrementWidget box(nullptr, IncrementWidget::Tempo);
    box.setBPMActive(true, 120.0f);
    box.setValue(150.7f);
    box.setBPMActive(true, 99.0f);
    EXPECT_EQ(box.value(), 150.7f);
    EXPECT_EQ(box.originalBPM(), 150);
}

struct BadTempoCase
{
    const char* name;
    float bpm;
};

class IncrementBadTempo : public ::testing::TestWithParam<BadTempoCase>
{
};

TEST_P(IncrementBadTempo, LeavesTheBoxInactive)
{
    IncrementWidget box(nullptr, IncrementWidget::Tempo);
    box.setBPMActive(false, 0.0f);
    box.setBPMActive(true, GetParam().bpm);
    EXPECT_TRUE(box.coverShown());
    EXPECT_EQ(box.originalBPM(), -1);
}

INSTANTIATE_TEST_SUITE_P(Table, IncrementBadTempo,
                         ::testing::Values(BadTempoCase{"zero", 0.0f}, BadTempoCase{"negative", -120.0f},
                                           BadTempoCase{"not_a_number", std::numeric_limits<float>::quiet_NaN()},
                                           BadTempoCase{"infinite", std::numeric_limits<float>::infinity()},
                                           BadTempoCase{"beyond_any_recording", 1e9f}),
                         RowName());

// ---- The lowest tempo never reads as a knob reset -------------------------------

TEST(IncrementWidget, EveryOriginalTempoStepsDownToAQuarterThroughKnobPositionsFromItsTopToZero)
{
    for (int original = 30; original <= 300; ++original) {
        SCOPED_TRACE(original);
        IncrementWidget box(nullptr, IncrementWidget::Tempo);
        box.setBPMActive(true, float(original));
        box.setValue(float(2 * original));
        std::vector<int> positions;
        QObject::connect(&box, &IncrementWidget::setKnobFromBPM, [&positions](int k) { positions.push_back(k); });

        for (int i = 0; i < 2 * original; ++i)
            box.decrement();

        EXPECT_EQ(box.value(), float(original / 4));
        ASSERT_FALSE(positions.empty());
        EXPECT_GE(*std::min_element(positions.begin(), positions.end()), 0);
        EXPECT_TRUE(std::is_sorted(positions.rbegin(), positions.rend()))
            << "the knob must fall as the tempo falls";
    }
}

// ---- What the box shows ------------------------------------------------------------------

struct TextCase
{
    const char* name;
    int mode;
    float value;
    int fine; // the fine-tune box's answer to getDecimal
    const char* text;
};

class IncrementText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(IncrementText, TextBetweenTheEnds)
{
    const TextCase& c = GetParam();
    IncrementWidget box(nullptr, c.mode);
    IncrementWidget fineTune(nullptr, IncrementWidget::FineTune);
    fineTune.setValue(float(c.fine));
    QObject::connect(&box, &IncrementWidget::getDecimal, &fineTune, &IncrementWidget::getCurrentValue);
    box.setValue(c.value);
    EXPECT_EQ(box.shownText(), QString(c.text));
}

INSTANTIATE_TEST_SUITE_P(Table, IncrementText,
                         ::testing::Values(TextCase{"tempo_cut_to_two_decimals", 1, 120.456f, 50, "120.45"},
                                           TextCase{"tempo_one_decimal", 1, 120.5f, 50, "120.5"},
                                           TextCase{"semitones_with_fine", 2, 2, 75, "2.25"},
                                           TextCase{"no_semitones_fine_at_0", 2, 0, 0, "-0.5"},
                                           TextCase{"semitones_without_fine", 2, -3, 50, "-3"},
                                           TextCase{"fine_tune_has_no_text", 3, 50, 50, ""},
                                           TextCase{"mode_has_no_text", 0, 2, 50, ""}),
                         RowName());

TEST(IncrementWidget, TheModeShowsOneOrangeDot)
{
    IncrementWidget box(nullptr, IncrementWidget::TimeStretchMode);
    box.setCurrentMode(2);
    const QImage image = box.grab().toImage();
    // Dot k is the 3 × 3 ellipse at (30 + 10k, 9); its centre pixel.
    EXPECT_EQ(image.pixelColor(51, 10), QColor(230, 122, 15));
    EXPECT_EQ(image.pixelColor(31, 10), QColor(170, 170, 170));
    EXPECT_EQ(image.pixelColor(61, 10), QColor(170, 170, 170));
}

TEST(IncrementWidget, FineTuneStartsAtFiftyWithItsMarkerShown)
{
    IncrementWidget fine(nullptr, IncrementWidget::FineTune);
    EXPECT_EQ(fine.value(), 50.0f);
    EXPECT_TRUE(fine.markerShown());
    EXPECT_EQ(fine.markerX(), 46);
    IncrementWidget semitones(nullptr, IncrementWidget::Semitones);
    EXPECT_FALSE(semitones.markerShown());
}

} // namespace
