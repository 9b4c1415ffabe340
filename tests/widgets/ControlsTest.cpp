// Knob, Slider and PlotButton driven by mouse and wheel events.
#include "Knob.h"
#include "MouseEvents.h"
#include "PlotButton.h"
#include "RowName.h"
#include "Slider.h"

#include <QPainter>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// ---- The reset gesture, as the knob and the slider see it ----------------

struct GestureCase
{
    const char* name;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool resets;
    bool leftPress; // a left press without reset still places the slider
};

class ResetGesture : public ::testing::TestWithParam<GestureCase>
{
};

TEST_P(ResetGesture, KnobReturnsToItsResetValueOnlyForTheGesture)
{
    const GestureCase c = GetParam();
    Knob knob(nullptr);
    knob.setResetValue(5);
    knob.setValue(80);
    QSignalSpy resets(&knob, &Knob::resetKnob);

    press(&knob, QPoint(10, 10), c.buttons, c.modifiers);

    EXPECT_EQ(knob.value(), c.resets ? 5 : 80);
    EXPECT_EQ(resets.count(), c.resets ? 1 : 0);
}

TEST_P(ResetGesture, SliderCentresOnlyForTheGesture)
{
    const GestureCase c = GetParam();
    Slider slider(nullptr);
    slider.resize(350, 24);
    slider.setValue(80);

    press(&slider, QPoint(100, 12), c.buttons, c.modifiers);

    // x = 100 lies at trunc(77 / 303.45 × 100) = 25.
    const int expected = c.resets ? 49 : (c.leftPress ? 25 : 80);
    EXPECT_EQ(slider.value(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResetGesture,
    ::testing::Values(
        GestureCase{"right", Qt::RightButton, Qt::NoModifier, true, false},
        GestureCase{"right_with_shift", Qt::RightButton, Qt::ShiftModifier, true, false},
        GestureCase{"left_with_meta", Qt::LeftButton, Qt::MetaModifier, true, true},
        GestureCase{"left", Qt::LeftButton, Qt::NoModifier, false, true},
        GestureCase{"left_with_shift_meta", Qt::LeftButton, Qt::ShiftModifier | Qt::MetaModifier, false, true},
        GestureCase{"left_with_control", Qt::LeftButton, Qt::ControlModifier, false, true},
        GestureCase{"left_and_right", Qt::LeftButton | Qt::RightButton, Qt::NoModifier, false, false},
        GestureCase{"left_and_right_with_meta", Qt::LeftButton | Qt::RightButton, Qt::MetaModifier, false, false},
        GestureCase{"middle", Qt::MiddleButton, Qt::NoModifier, false, false},
        GestureCase{"middle_with_meta", Qt::MiddleButton, Qt::MetaModifier, false, false}),
    RowName());

// ---- Knob drags ------------------------------------------------------------

struct DragCase
{
    const char* name;
    int start;
    std::vector<int> moveYs; // pointer y after each move, from a press at y = 100
    Qt::MouseButtons held;
    int expected;
};

class KnobDrag : public ::testing::TestWithParam<DragCase>
{
};

TEST_P(KnobDrag, OnePixelUpIsOneStep)
{
    const DragCase c = GetParam();
    Knob knob(nullptr);
    knob.setValue(c.start);
    press(&knob, QPoint(20, 100), Qt::LeftButton);
    for (int y : c.moveYs)
        move(&knob, QPoint(20 + y % 7, y), c.held); // x wanders: it is ignored

    EXPECT_EQ(knob.value(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnobDrag,
    ::testing::Values(DragCase{"up_ten", 50, {95, 90}, Qt::LeftButton, 60},
                      DragCase{"down_five", 50, {105}, Qt::LeftButton, 45},
                      // Past the end the overshoot is not owed: coming back lowers at once.
                      DragCase{"over_the_top_and_back", 95, {60, 63}, Qt::LeftButton, 96},
                      DragCase{"below_zero_and_back", 3, {140, 138}, Qt::LeftButton, 2},
                      DragCase{"right_button_drag_ignored", 50, {80}, Qt::RightButton, 50},
                      DragCase{"two_buttons_drag_ignored", 50, {80}, Qt::LeftButton | Qt::RightButton, 50}),
    RowName());

TEST(Knob, DragAfterMetaPressContinuesFromTheResetValue)
{
    Knob knob(nullptr);
    knob.setResetValue(40);
    knob.setValue(70);
    press(&knob, QPoint(10, 50), Qt::LeftButton, Qt::MetaModifier);
    move(&knob, QPoint(10, 47), Qt::LeftButton);
    EXPECT_EQ(knob.value(), 43);
}

TEST(Knob, ReleaseDoesNotEndTheDragAndNextPressRestartsIt)
{
    Knob knob(nullptr);
    knob.setValue(50);
    press(&knob, QPoint(10, 50), Qt::LeftButton);
    release(&knob, QPoint(10, 50), Qt::LeftButton);
    press(&knob, QPoint(10, 20), Qt::LeftButton); // no jump from the old position
    move(&knob, QPoint(10, 18), Qt::LeftButton);
    EXPECT_EQ(knob.value(), 52);
}

struct WheelCase
{
    const char* name;
    int start;
    int notches;
    int maximum;
};

class ControlWheel : public ::testing::TestWithParam<WheelCase>
{
};

// Wheel handling stays the base class's: wheelScrollLines single steps per
// notch (3 by default), clamped to the range.
TEST_P(ControlWheel, KnobAndSliderStepWithinTheirRange)
{
    const WheelCase c = GetParam();
    const int step = QApplication::wheelScrollLines();
    const int expected = std::clamp(c.start + c.notches * step, 0, c.maximum);

    Knob knob(nullptr);
    knob.setMaximum(c.maximum);
    knob.setValue(c.start);
    wheel(&knob, c.notches);
    EXPECT_EQ(knob.value(), expected);

    Slider slider(nullptr);
    slider.resize(350, 24);
    slider.setMaximum(c.maximum);
    slider.setValue(c.start);
    wheel(&slider, c.notches);
    EXPECT_EQ(slider.value(), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ControlWheel,
                         ::testing::Values(WheelCase{"up", 10, 1, 99}, WheelCase{"down", 10, -1, 99},
                                           WheelCase{"up_at_the_top", 98, 1, 99},
                                           WheelCase{"down_at_the_bottom", 1, -1, 99},
                                           WheelCase{"wide_range_top", 198, 1, 199}),
                         RowName());

TEST(Knob, LargeSizeGivesTheMiddleValueAndTheLargeFrame)
{
    Knob knob(nullptr);
    knob.setKnobSize(true);
    EXPECT_EQ(knob.value(), 49);
    EXPECT_EQ(knob.size(), QSize(85, 85));

    knob.setValue(12);
    knob.setKnobSize(false);
    EXPECT_EQ(knob.value(), 12);
    EXPECT_EQ(knob.size(), QSize(64, 64));
}

TEST(Knob, SyncSignalCarriesTheObjectNameAsSet)
{
    Knob named(nullptr);
    named.setObjectName("pitchKnob");
    Knob unnamed(nullptr);
    QSignalSpy namedSpy(&named, &Knob::setSyncValueSignal);
    QSignalSpy unnamedSpy(&unnamed, &Knob::setSyncValueSignal);

    named.setValue(7);
    unnamed.increment();

    ASSERT_EQ(namedSpy.count(), 1);
    EXPECT_EQ(namedSpy[0][0].toString(), QString("pitchKnob"));
    EXPECT_EQ(namedSpy[0][1].toInt(), 7);
    ASSERT_EQ(unnamedSpy.count(), 1);
    EXPECT_TRUE(unnamedSpy[0][0].toString().isEmpty());
    EXPECT_EQ(unnamedSpy[0][1].toInt(), 1);
}

TEST(Knob, IncrementAndDecrementStopAtTheEnds)
{
    Knob knob(nullptr);
    knob.setValue(99);
    knob.increment();
    EXPECT_EQ(knob.value(), 99);
    knob.setValue(0);
    knob.decrement();
    EXPECT_EQ(knob.value(), 0);
}

TEST(Knob, ReportsPointerEnteringAndLeaving)
{
    Knob knob(nullptr);
    QSignalSpy entered(&knob, &Knob::knobEntered);
    QSignalSpy exited(&knob, &Knob::knobExited);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&knob, &enter);
    QApplication::sendEvent(&knob, &leave);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(exited.count(), 1);
}

TEST(Knob, PressEmitsNoneOfTheBaseClassPressSignals)
{
    Knob knob(nullptr);
    QSignalSpy sliderPressed(&knob, &Knob::sliderPressed);
    press(&knob, QPoint(30, 30), Qt::LeftButton);
    release(&knob, QPoint(30, 30), Qt::LeftButton);
    EXPECT_EQ(sliderPressed.count(), 0);
}

// ---- Slider position -------------------------------------------------------

struct SliderCase
{
    int x;
    int expected;
};

class SliderPosition : public ::testing::TestWithParam<SliderCase>
{
};

TEST_P(SliderPosition, PressAndDragPutTheValueUnderThePointer)
{
    const SliderCase c = GetParam();
    Slider pressed(nullptr);
    pressed.resize(350, 24);
    press(&pressed, QPoint(c.x, 12), Qt::LeftButton);
    EXPECT_EQ(pressed.value(), c.expected);

    Slider dragged(nullptr);
    dragged.resize(350, 24);
    press(&dragged, QPoint(200, 12), Qt::LeftButton);
    move(&dragged, QPoint(c.x, 30), Qt::LeftButton);
    EXPECT_EQ(dragged.value(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SliderPosition,
                         ::testing::Values(SliderCase{23, 0}, SliderCase{0, 0}, SliderCase{24, 0},
                                           SliderCase{27, 1}, SliderCase{173, 49}, SliderCase{324, 99},
                                           SliderCase{349, 99}, SliderCase{500, 99}));

TEST(Slider, ResetGivesFiftyWhileTheGestureGivesHalfTheMaximum)
{
    Slider slider(nullptr);
    slider.resize(350, 24);
    slider.reset();
    EXPECT_EQ(slider.value(), 50);
    press(&slider, QPoint(5, 5), Qt::RightButton);
    EXPECT_EQ(slider.value(), 49);
}

TEST(Slider, MoveWithoutTheLeftButtonDoesNothing)
{
    Slider slider(nullptr);
    slider.resize(350, 24);
    slider.setValue(10);
    move(&slider, QPoint(300, 12), Qt::NoButton);
    move(&slider, QPoint(300, 12), Qt::RightButton);
    EXPECT_EQ(slider.value(), 10);
}

// ---- PlotButton halves -----------------------------------------------------

struct HalfCase
{
    const char* name;
    int x;
    Qt::MouseButtons buttons;
    int reports;
    bool state;
};

class PlotButtonHalves : public ::testing::TestWithParam<HalfCase>
{
};

TEST_P(PlotButtonHalves, LeftHalfIsTrueRightHalfIsFalse)
{
    const HalfCase c = GetParam();
    PlotButton button(nullptr, "muteSolo");
    button.setStateFromSession(false == c.state); // start from the other state
    QSignalSpy spy(&button, &PlotButton::setState);

    press(&button, QPoint(c.x, 9), c.buttons);

    ASSERT_EQ(spy.count(), c.reports);
    if (c.reports == 1) {
        EXPECT_EQ(spy[0][0].toBool(), c.state);
        EXPECT_EQ(button.getState(), c.state);
    } else {
        EXPECT_NE(button.getState(), c.state);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PlotButtonHalves,
                         ::testing::Values(HalfCase{"left_edge", 0, Qt::LeftButton, 1, true},
                                           HalfCase{"middle_column_is_left", 21, Qt::LeftButton, 1, true},
                                           HalfCase{"first_right_column", 22, Qt::LeftButton, 1, false},
                                           HalfCase{"right_edge", 42, Qt::LeftButton, 1, false},
                                           HalfCase{"right_button", 5, Qt::RightButton, 0, true},
                                           HalfCase{"two_buttons", 5, Qt::LeftButton | Qt::RightButton, 0, true}),
                         RowName());

TEST(PlotButton, ClickOnTheCurrentHalfStillReports)
{
    PlotButton button(nullptr, "filter");
    QSignalSpy spy(&button, &PlotButton::setState);
    press(&button, QPoint(3, 9), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy[0][0].toBool());
}

TEST(PlotButton, ResetReturnsToTrueAndReports)
{
    PlotButton button(nullptr, "filter");
    button.setStateFromSession(false);
    QSignalSpy spy(&button, &PlotButton::setState);
    button.reset();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy[0][0].toBool());
    EXPECT_TRUE(button.getState());
}

// The shown frame is the behaviour here: true shows the lower frame.
TEST(PlotButton, ShowsTheFrameOfItsState)
{
    const QImage strip = QImage(":/images/real_time_tools/hi_lo.png");
    ASSERT_EQ(strip.size(), QSize(43, 36));
    PlotButton button(nullptr, "filter");
    for (bool state : {true, false}) {
        button.setStateFromSession(state);
        QImage expected(43, 18, QImage::Format_RGB32);
        expected.fill(button.palette().color(QPalette::Window));
        QPainter painter(&expected);
        painter.drawImage(0, 0, strip.copy(0, state ? 18 : 0, 43, 18));
        painter.end();
        const QImage shown = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), expected.size());
        int worst = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 43; ++x) {
                const QColor a = shown.pixelColor(x, y), b = expected.pixelColor(x, y);
                worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                  std::abs(a.blue() - b.blue())});
            }
        // Blending the translucent edges may round differently by one level.
        EXPECT_LE(worst, 1) << "state " << state;
    }
}

// ---- Missing pictures ------------------------------------------------------

TEST(MissingPicture, ControlsPaintNothingAndKeepWorking)
{
    Knob knob(nullptr);
    knob.setPixmap(QPixmap(":/images/no/such.png"));
    knob.resize(50, 50);
    knob.setValue(30);
    EXPECT_FALSE(knob.grab().isNull());

    PlotButton unnamed(nullptr, "noSuchPicture");
    QSignalSpy spy(&unnamed, &PlotButton::setState);
    EXPECT_FALSE(unnamed.grab().isNull());
    press(&unnamed, QPoint(30, 9), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);

    // A strip shorter than the range: frames past its end draw nothing.
    Knob shortStrip(nullptr);
    shortStrip.setKnobSize(false);
    shortStrip.setMaximum(500);
    shortStrip.setValue(450);
    EXPECT_FALSE(shortStrip.grab().isNull());
}

} // namespace
