// The minus/plus box the value boxes share: ends, pictures, auto-repeat,
// release, wheel, reset gesture and the inactive cover.
#include "StepBox.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Area = StepBox::Area;

// Records what the base asks of it, with the time of each step.
class RecordingBox : public StepBox
{
public:
    explicit RecordingBox(bool holdsInTheMiddle = false)
        : StepBox(nullptr, Pictures::plain()), middleHolds(holdsInTheMiddle)
    {
        clock.start();
    }

    std::vector<Area> steps;
    std::vector<qint64> stepTimesMs;
    std::vector<int> wheelDeltas;
    int resets = 0;
    QElapsedTimer clock;

protected:
    void stepPressed(Area area) override
    {
        steps.push_back(area);
        stepTimesMs.push_back(clock.elapsed());
        if (middleHolds && area == Area::Middle)
            holdStepsUntilRelease();
    }
    void wheelStep(int delta) override { wheelDeltas.push_back(delta); }
    void resetGesture() override { ++resets; }

private:
    bool middleHolds;
};

void pressAt(RecordingBox& box, int x, Qt::MouseButtons buttons = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    box.overrideCursorX(x);
    press(&box, QPoint(std::clamp(x, 0, 92), 10), buttons, modifiers);
}

void releaseAt(RecordingBox& box, int x)
{
    release(&box, QPoint(std::clamp(x, 0, 92), 10), Qt::LeftButton);
}

// ---- Which end a press steps, and the picture it shows --------------------

struct AreaCase
{
    const char* name;
    int x;
    Area area;
    const char* pressedPicture; // "rest", "down" or "up"
};

class StepBoxAreas : public ::testing::TestWithParam<AreaCase>
{
};

QString pictureNamed(const char* which)
{
    const StepBox::Pictures p = StepBox::Pictures::plain();
    return QString(which) == "down" ? p.down : QString(which) == "up" ? p.up : p.rest;
}

TEST_P(StepBoxAreas, PressStepsTheEndUnderThePointerAndReleaseRestsThePicture)
{
    const AreaCase c = GetParam();
    RecordingBox box;

    pressAt(box, c.x);
    EXPECT_EQ(box.steps, std::vector<Area>{c.area});
    EXPECT_EQ(box.currentPicture(), pictureNamed(c.pressedPicture));
    EXPECT_TRUE(box.isDown());

    releaseAt(box, c.x);
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::plain().rest);
    EXPECT_FALSE(box.isDown());
    EXPECT_TRUE(box.isEnabled());
    EXPECT_EQ(box.steps.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Table, StepBoxAreas,
                         ::testing::Values(AreaCase{"left_edge", 0, Area::Minus, "down"},
                                           AreaCase{"last_minus_pixel", 23, Area::Minus, "down"},
                                           AreaCase{"first_middle_pixel", 24, Area::Middle, "rest"},
                                           AreaCase{"last_middle_pixel", 68, Area::Middle, "rest"},
                                           AreaCase{"first_plus_pixel", 69, Area::Plus, "up"},
                                           AreaCase{"right_edge", 92, Area::Plus, "up"},
                                           // The pointer is read, not the press: beyond an end counts as it.
                                           AreaCase{"pointer_beyond_the_left", -40, Area::Minus, "down"},
                                           AreaCase{"pointer_beyond_the_right", 300, Area::Plus, "up"}),
                         RowName());

TEST(StepBox, TheFineTunePicturesReplaceThePlainOnes)
{
    class FineBox : public RecordingBox
    {
    public:
        FineBox() { setPictures(Pictures::fineTune()); }
    } box;
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::fineTune().rest);
    pressAt(box, 80);
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::fineTune().up);
    releaseAt(box, 80);
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::fineTune().rest);
}

// ---- Reset gesture -----------------------------------------------------------

struct GestureCase
{
    const char* name;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool resets;
    bool steps; // only a left press without the gesture presses the button
};

class StepBoxGesture : public ::testing::TestWithParam<GestureCase>
{
};

TEST_P(StepBoxGesture, OnlyTheGestureResetsAndItNeverPresses)
{
    const GestureCase c = GetParam();
    RecordingBox box;
    QSignalSpy pressed(&box, &StepBox::pressed);

    pressAt(box, 80, c.buttons, c.modifiers);

    EXPECT_EQ(box.resets, c.resets ? 1 : 0);
    EXPECT_EQ(box.steps.size(), c.steps ? 1u : 0u);
    EXPECT_EQ(pressed.count(), c.steps ? 1 : 0);
    EXPECT_EQ(box.isDown(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepBoxGesture,
    ::testing::Values(GestureCase{"right", Qt::RightButton, Qt::NoModifier, true, false},
                      GestureCase{"right_with_shift", Qt::RightButton, Qt::ShiftModifier, true, false},
                      GestureCase{"left_with_meta", Qt::LeftButton, Qt::MetaModifier, true, false},
                      GestureCase{"left", Qt::LeftButton, Qt::NoModifier, false, true},
                      GestureCase{"left_with_control", Qt::LeftButton, Qt::ControlModifier, false, true},
                      GestureCase{"left_with_shift_meta", Qt::LeftButton, Qt::ShiftModifier | Qt::MetaModifier,
                                  false, true},
                      GestureCase{"left_and_right", Qt::LeftButton | Qt::RightButton, Qt::NoModifier, false, true},
                      GestureCase{"middle", Qt::MiddleButton, Qt::NoModifier, false, false}),
    RowName());

// ---- Holding a press -----------------------------------------------------------

TEST(StepBox, HoldingRepeatsAfterTheDelayAtTheIntervalFollowingThePointerUntilRelease)
{
    RecordingBox box;
    pressAt(box, 80);
    ASSERT_EQ(box.steps.size(), 1u);
    const qint64 pressedAt = box.stepTimesMs[0];

    // Generous bounds: only how many, never how soon (the machine may be loaded).
    QTRY_VERIFY_WITH_TIMEOUT(box.steps.size() >= 4, 10000);
    box.overrideCursorX(5); // slides onto the minus end while held
    const size_t beforeSlide = box.steps.size();
    QTRY_VERIFY_WITH_TIMEOUT(box.steps.size() >= beforeSlide + 2, 10000);

    releaseAt(box, 5);
    const size_t atRelease = box.steps.size();
    QTest::qWait(4 * StepBox::repeatIntervalMs);
    EXPECT_EQ(box.steps.size(), atRelease) << "a step after the release";

    for (size_t i = 1; i < beforeSlide; ++i)
        EXPECT_EQ(box.steps[i], Area::Plus);
    for (size_t i = beforeSlide; i < atRelease; ++i)
        EXPECT_EQ(box.steps[i], Area::Minus);
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::plain().rest);

    // Timers may fire late, and coarse ones up to 5 % early.
    EXPECT_GE(box.stepTimesMs[1] - pressedAt, StepBox::repeatDelayMs * 95 / 100);
    for (size_t i = 2; i < box.stepTimesMs.size(); ++i)
        EXPECT_GE(box.stepTimesMs[i] - box.stepTimesMs[i - 1], StepBox::repeatIntervalMs * 95 / 100);
}

TEST(StepBox, AHeldStepStopsEveryStepUntilTheRelease)
{
    RecordingBox box(/*middleHolds=*/true);
    pressAt(box, 40);
    box.overrideCursorX(80);
    box.buttonPressed(); // what an auto-repeat tick does
    EXPECT_EQ(box.steps, std::vector<Area>{Area::Middle});
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::plain().rest);

    releaseAt(box, 80);
    pressAt(box, 80);
    EXPECT_EQ(box.steps, (std::vector<Area>{Area::Middle, Area::Plus}));
    releaseAt(box, 80);
}

// ---- Wheel -----------------------------------------------------------------------

struct WheelCase
{
    const char* name;
    int delta;
    int direction;
};

class StepBoxWheel : public ::testing::TestWithParam<WheelCase>
{
};

TEST_P(StepBoxWheel, EveryEventStepsOnceWithItsDeltaUnchanged)
{
    const WheelCase c = GetParam();
    RecordingBox box;
    sendWheel(&box, QPoint(46, 10), c.delta);
    EXPECT_EQ(box.wheelDeltas, std::vector<int>{c.delta});
    EXPECT_EQ(StepBox::wheelDirection(c.delta), c.direction);
    EXPECT_TRUE(box.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, StepBoxWheel,
                         ::testing::Values(WheelCase{"notch_up", 120, 1}, WheelCase{"notch_down", -120, -1},
                                           WheelCase{"fine_up", 1, 1}, WheelCase{"fine_down", -10, -1},
                                           WheelCase{"three_notches_once", 360, 1}, WheelCase{"none", 0, 0}),
                         RowName());

// ---- Inactive cover --------------------------------------------------------------

TEST(StepBox, TheCoverKeepsPressesAndWheelAwayUntilHidden)
{
    RecordingBox box;
    EXPECT_FALSE(box.coverShown());
    box.setCoverShown(true);
    EXPECT_TRUE(box.coverShown());

    box.overrideCursorX(80);
    pressUnder(&box, QPoint(80, 10), Qt::LeftButton);
    pressUnder(&box, QPoint(80, 10), Qt::RightButton);
    wheelUnder(&box, QPoint(80, 10), 120);
    EXPECT_TRUE(box.steps.empty());
    EXPECT_EQ(box.resets, 0);
    EXPECT_TRUE(box.wheelDeltas.empty());
    EXPECT_FALSE(box.isDown());

    box.setCoverShown(false);
    pressUnder(&box, QPoint(80, 10), Qt::LeftButton);
    wheelUnder(&box, QPoint(80, 10), 120);
    EXPECT_EQ(box.steps.size(), 1u);
    EXPECT_EQ(box.wheelDeltas.size(), 1u);
}

// ---- Value text -------------------------------------------------------------------

struct TextCase
{
    const char* name;
    double value;
    const char* text;
};

class StepBoxText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(StepBoxText, AtMostTwoDecimals)
{
    EXPECT_EQ(StepBox::valueText(GetParam().value), QString(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepBoxText,
    ::testing::Values(TextCase{"whole", 120.0, "120"}, TextCase{"one_decimal", 120.5, "120.5"},
                      TextCase{"cut_not_rounded", 120.456, "120.45"}, TextCase{"negative", -0.5, "-0.5"},
                      TextCase{"six_digits_first", 13.636363, "13.63"}, TextCase{"zero", 0.0, "0"}),
    RowName());

} // namespace
