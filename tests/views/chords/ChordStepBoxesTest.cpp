// The chords tab's key-shift, capo and tempo boxes: steps, limits, wheel,
// reset gesture, values from outside and the texts they write.
#include "ChordStepBoxes.h"
#include "ChordTestSupport.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <limits>

namespace {

enum class Input { Press, Wheel, Reset };

// A press at box x (the end under the pointer decides), a wheel event of
// the given delta, or the reset gesture.
void apply(StepBox& box, Input input, int amount)
{
    switch (input) {
    case Input::Press:
        box.overrideCursorX(amount);
        press(&box, QPoint(std::clamp(amount, 0, 92), 10), Qt::LeftButton);
        release(&box, QPoint(std::clamp(amount, 0, 92), 10), Qt::LeftButton);
        break;
    case Input::Wheel:
        wheelBy(&box, amount);
        break;
    case Input::Reset:
        press(&box, QPoint(40, 10), Qt::RightButton);
        break;
    }
}

constexpr int minusX = 10;
constexpr int plusX = 80;
constexpr int middleX = 46;

// ---- Key shift -------------------------------------------------------------------

struct KeyCase
{
    const char* name;
    float from;
    Input input;
    int amount;
    float to;
    int sync;
};

class KeyShiftBox : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(KeyShiftBox, StepsWithinTwelveAndTellsThePitchModel)
{
    const KeyCase c = GetParam();
    KeyShiftWidget box(nullptr);
    box.setObjectName("keyShift");
    box.updateKeyShift(c.from);
    QSignalSpy sync(&box, &KeyShiftWidget::setSyncValueSignal);
    QSignalSpy shift(&box, &KeyShiftWidget::shiftKey);
    QSignalSpy fineTune(&box, &KeyShiftWidget::resetFineTune);
    std::vector<std::string> order;
    QObject::connect(&box, &KeyShiftWidget::resetFineTune, [&] { order.push_back("fine"); });
    QObject::connect(&box, &KeyShiftWidget::setSyncValueSignal, [&] { order.push_back("sync"); });
    QObject::connect(&box, &KeyShiftWidget::shiftKey, [&] { order.push_back("shift"); });

    apply(box, c.input, c.amount);

    EXPECT_FLOAT_EQ(box.value(), c.to);
    ASSERT_EQ(sync.count(), 1);
    EXPECT_EQ(sync.at(0).at(0).toString(), "keyShift");
    EXPECT_EQ(sync.at(0).at(1).toInt(), c.sync);
    ASSERT_EQ(shift.count(), 1);
    EXPECT_FLOAT_EQ(shift.at(0).at(0).toFloat(), c.to);
    const bool reset = c.input == Input::Reset;
    EXPECT_EQ(fineTune.count(), reset ? 1 : 0);
    EXPECT_EQ(order,
              reset ? std::vector<std::string>({"fine", "sync", "shift"})
                    : std::vector<std::string>({"sync", "shift"}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyShiftBox,
    ::testing::Values(KeyCase{"plus", 0, Input::Press, plusX, 1, 1},
                      KeyCase{"minus", 0, Input::Press, minusX, -1, -1},
                      KeyCase{"plus_at_12_stays", 12, Input::Press, plusX, 12, 2},
                      KeyCase{"minus_at_minus_12_stays", -12, Input::Press, minusX, -12, 2},
                      KeyCase{"plus_from_11_5_lands_on_12", 11.5f, Input::Press, plusX, 12, 1},
                      KeyCase{"minus_from_minus_11_5_clamped", -11.5f, Input::Press, minusX, -12, -1},
                      KeyCase{"middle_sends_2_and_the_value", 3, Input::Press, middleX, 3, 2},
                      KeyCase{"wheel_minus_10_nothing", 4, Input::Wheel, -10, 4, 2},
                      KeyCase{"wheel_minus_12_nothing", 4, Input::Wheel, -12, 4, 2},
                      KeyCase{"wheel_minus_13_down", 4, Input::Wheel, -13, 3, -1},
                      KeyCase{"wheel_minus_120_down", 4, Input::Wheel, -120, 3, -1},
                      KeyCase{"wheel_plus_1_up", 4, Input::Wheel, 1, 5, 1},
                      KeyCase{"wheel_zero_nothing", 4, Input::Wheel, 0, 4, 2},
                      KeyCase{"wheel_up_at_12", 12, Input::Wheel, 120, 12, 2},
                      KeyCase{"wheel_down_from_fraction_clamped", -11.25f, Input::Wheel, -120, -12, -1},
                      KeyCase{"reset_gesture", 7.5f, Input::Reset, 0, 0, 0}),
    RowName());

TEST(KeyShiftBoxFromOutside, UpdateAndResetSendOnlyTheValue)
{
    KeyShiftWidget box(nullptr);
    QSignalSpy sync(&box, &KeyShiftWidget::setSyncValueSignal);
    QSignalSpy shift(&box, &KeyShiftWidget::shiftKey);

    box.updateKeyShift(2.5f);
    EXPECT_FLOAT_EQ(box.value(), 2.5f);
    box.reset();
    EXPECT_FLOAT_EQ(box.value(), 0.0f);

    EXPECT_EQ(sync.count(), 0);
    ASSERT_EQ(shift.count(), 2);
    EXPECT_FLOAT_EQ(shift.at(0).at(0).toFloat(), 2.5f);
    EXPECT_FLOAT_EQ(shift.at(1).at(0).toFloat(), 0.0f);
}

// ---- Capo --------------------------------------------------------------------------

struct CapoCase
{
    const char* name;
    int from;
    Input input;
    int amount;
    int to;
    int emitted;
};

class CapoBox : public ::testing::TestWithParam<CapoCase>
{
};

TEST_P(CapoBox, StepsWithinZeroToElevenAndSendsTheFret)
{
    const CapoCase c = GetParam();
    CapoWidget box(nullptr);
    box.updateFretShift(float(c.from));
    QSignalSpy fret(&box, &CapoWidget::shiftFret);

    apply(box, c.input, c.amount);

    EXPECT_EQ(box.fret(), c.to);
    ASSERT_EQ(fret.count(), c.emitted);
    if (c.emitted) {
        EXPECT_FLOAT_EQ(fret.last().at(0).toFloat(), float(c.to));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CapoBox,
                         ::testing::Values(CapoCase{"plus", 0, Input::Press, plusX, 1, 1},
                                           CapoCase{"plus_at_11_still_sends_11", 11, Input::Press, plusX, 11, 1},
                                           CapoCase{"minus_at_0_still_sends_0", 0, Input::Press, minusX, 0, 1},
                                           CapoCase{"minus", 5, Input::Press, minusX, 4, 1},
                                           CapoCase{"middle_sends_nothing", 5, Input::Press, middleX, 5, 0},
                                           CapoCase{"wheel_down", 5, Input::Wheel, -1, 4, 1},
                                           CapoCase{"wheel_up_at_11", 11, Input::Wheel, 120, 11, 1},
                                           CapoCase{"reset_gesture", 9, Input::Reset, 0, 0, 1}),
                         RowName());

struct FretCase
{
    const char* name;
    float value;
    int fret;
};

class CapoMirror : public ::testing::TestWithParam<FretCase>
{
};

TEST_P(CapoMirror, TruncatedWithinTheFretsWithoutSignal)
{
    CapoWidget box(nullptr);
    QSignalSpy fret(&box, &CapoWidget::shiftFret);
    box.updateFretShift(GetParam().value);
    EXPECT_EQ(box.fret(), GetParam().fret);
    EXPECT_EQ(fret.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, CapoMirror,
                         ::testing::Values(FretCase{"whole", 7, 7}, FretCase{"truncated", 3.9f, 3},
                                           FretCase{"above", 14, 11}, FretCase{"below", -2, 0},
                                           FretCase{"not_a_number", std::numeric_limits<float>::quiet_NaN(), 0}),
                         RowName());

struct SessionFretCase
{
    const char* name;
    int stored;
    int fret;
};

class CapoSession : public ::testing::TestWithParam<SessionFretCase>
{
};

TEST_P(CapoSession, SendsZeroThenTheFretWithinZeroToEleven)
{
    CapoWidget box(nullptr);
    box.updateFretShift(6);
    QSignalSpy fret(&box, &CapoWidget::shiftFret);

    box.initFromSession(GetParam().stored);

    EXPECT_EQ(box.fret(), GetParam().fret);
    ASSERT_EQ(fret.count(), 2);
    EXPECT_FLOAT_EQ(fret.at(0).at(0).toFloat(), 0.0f);
    EXPECT_FLOAT_EQ(fret.at(1).at(0).toFloat(), float(GetParam().fret));
}

INSTANTIATE_TEST_SUITE_P(Table, CapoSession,
                         ::testing::Values(SessionFretCase{"fret_3", 3, 3}, SessionFretCase{"fret_11", 11, 11},
                                           SessionFretCase{"above", 40, 11}, SessionFretCase{"below", -5, 0},
                                           SessionFretCase{"smallest_int", std::numeric_limits<int>::min(), 0}),
                         RowName());

// ---- Tempo -----------------------------------------------------------------------------

struct TempoCase
{
    const char* name;
    bool active;
    float bpm; // after initTempo(bpm, 120): range 30 … 240, the tools tab's
    Input input;
    int amount;
    float to;
    int emitted;
};

class TempoBox : public ::testing::TestWithParam<TempoCase>
{
};

TEST_P(TempoBox, StepsWithinTheRangeOnlyWhileActive)
{
    const TempoCase c = GetParam();
    TempoWidget box(nullptr);
    if (c.active)
        box.initTempo(c.bpm, 120.0f);
    QSignalSpy changed(&box, &TempoWidget::tempoChanged);

    apply(box, c.input, c.amount);

    EXPECT_FLOAT_EQ(box.value(), c.to);
    ASSERT_EQ(changed.count(), c.emitted);
    if (c.emitted) {
        EXPECT_FLOAT_EQ(changed.last().at(0).toFloat(), c.to);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TempoBox,
    ::testing::Values(TempoCase{"plus", true, 120, Input::Press, plusX, 121, 1},
                      TempoCase{"minus", true, 120, Input::Press, minusX, 119, 1},
                      TempoCase{"plus_at_highest_still_sends", true, 240, Input::Press, plusX, 240, 1},
                      TempoCase{"minus_at_lowest_still_sends", true, 30, Input::Press, minusX, 30, 1},
                      TempoCase{"middle_nothing", true, 120, Input::Press, middleX, 120, 0},
                      // From a knob's tempo to the next whole BPM, as the tools tab's box.
                      TempoCase{"plus_from_a_fraction", true, 153.44f, Input::Press, plusX, 154, 1},
                      TempoCase{"minus_from_a_fraction", true, 153.44f, Input::Press, minusX, 153, 1},
                      TempoCase{"plus_from_a_fraction_below_highest", true, 238.8f, Input::Press, plusX, 239, 1},
                      TempoCase{"wheel_down", true, 120, Input::Wheel, -120, 119, 1},
                      TempoCase{"reset_gesture_to_detected", true, 150, Input::Reset, 0, 120, 1},
                      TempoCase{"inactive_press", false, 0, Input::Press, plusX, 0, 0},
                      TempoCase{"inactive_wheel", false, 0, Input::Wheel, 120, 0, 0},
                      TempoCase{"inactive_reset", false, 0, Input::Reset, 0, 0, 0}),
    RowName());

struct RangeCase
{
    const char* name;
    float original;
    bool activates;
    float lowest;
    float highest;
};

class TempoRange : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(TempoRange, DerivedFromTheDetectedTempo)
{
    const RangeCase c = GetParam();
    TempoWidget box(nullptr);
    QSignalSpy changed(&box, &TempoWidget::tempoChanged);
    ASSERT_FALSE(box.isActive());

    box.initTempo(100.0f, c.original);

    EXPECT_EQ(box.isActive(), c.activates);
    EXPECT_EQ(box.coverShown(), !c.activates);
    EXPECT_FLOAT_EQ(box.lowest(), c.lowest);
    EXPECT_FLOAT_EQ(box.highest(), c.highest);
    EXPECT_EQ(changed.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, TempoRange,
                         ::testing::Values(RangeCase{"detected_120", 120.0f, true, 30, 240},
                                           RangeCase{"quarter_by_integer_division", 63.0f, true, 15, 126},
                                           RangeCase{"fraction_truncated", 97.6f, true, 24, 194},
                                           RangeCase{"zero_stays_inactive", 0.0f, false, 0, 0},
                                           RangeCase{"negative_stays_inactive", -1.0f, false, 0, 0},
                                           RangeCase{"infinite_stays_inactive",
                                                     std::numeric_limits<float>::infinity(), false, 0, 0}),
                         RowName());

struct MirrorCase
{
    const char* name;
    float value;
    float shown;
};

class TempoMirror : public ::testing::TestWithParam<MirrorCase>
{
};

// The tempo the tools tab plays, never the one before; the range is the
// tools tab's box's, so the knob's ends lie within it, and a tempo past it
// shows the end nearest to it.
TEST_P(TempoMirror, ShownWithinTheRange)
{
    TempoWidget box(nullptr);
    box.initTempo(120.0f, 120.0f);
    QSignalSpy changed(&box, &TempoWidget::tempoChanged);
    box.updateTempo(GetParam().value);
    EXPECT_FLOAT_EQ(box.value(), GetParam().shown);
    EXPECT_EQ(changed.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TempoMirror,
    ::testing::Values(MirrorCase{"inside", 90.5f, 90.5f}, MirrorCase{"lowest", 30.0f, 30.0f},
                      MirrorCase{"highest", 240.0f, 240.0f}, MirrorCase{"just_inside", 30.01f, 30.01f},
                      MirrorCase{"knob_at_its_bottom", 30.0f, 30.0f},
                      MirrorCase{"knob_at_its_top", 238.8f, 238.8f}, MirrorCase{"twice_the_tempo", 240.0f, 240.0f},
                      MirrorCase{"below_the_range", 29.0f, 30.0f}, MirrorCase{"beyond_the_range", 250.0f, 240.0f},
                      MirrorCase{"not_a_number", std::numeric_limits<float>::quiet_NaN(), 120.0f}),
    RowName());

TEST(TempoMirror, NothingWhileInactive)
{
    TempoWidget box(nullptr);
    box.updateTempo(90.0f);
    EXPECT_FLOAT_EQ(box.value(), 0.0f);
}

TEST(TempoBoxReset, InactiveAgainWithEverythingZeroAndMinusOneSent)
{
    TempoWidget box(nullptr);
    box.initTempo(120.0f, 120.0f);
    QSignalSpy changed(&box, &TempoWidget::tempoChanged);

    box.reset();

    EXPECT_FALSE(box.isActive());
    EXPECT_FLOAT_EQ(box.value(), 0.0f);
    EXPECT_FLOAT_EQ(box.highest(), 0.0f);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FLOAT_EQ(changed.at(0).at(0).toFloat(), -1.0f);
}

// ---- Texts -------------------------------------------------------------------------------

TEST(StepBoxTexts, AsTheBoxesWriteThem)
{
    KeyShiftWidget key(nullptr);
    EXPECT_EQ(key.shownText(), "0");
    key.updateKeyShift(-3.0f);
    EXPECT_EQ(key.shownText(), "-3");
    key.updateKeyShift(2.5f);
    EXPECT_EQ(key.shownText(), "2.5");

    CapoWidget capo(nullptr);
    capo.updateFretShift(4);
    EXPECT_EQ(capo.shownText(), "4");

    TempoWidget tempo(nullptr);
    tempo.initTempo(120.33f, 120.33f);
    EXPECT_EQ(tempo.shownText(), "120.33");
    tempo.updateTempo(120.456f);
    EXPECT_EQ(tempo.shownText(), "120.45");
}

} // namespace
