// CustomButton: the frame shown follows the left button and the latch, and
// agrees with the check state whatever the pointer did.
#include "CustomButton.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QPoint inside(20, 20);
const QPoint outside(200, 20);

QPixmap twoFrames()
{
    QImage strip(42, 82, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::darkGray);
    for (int y = 41; y < 82; ++y)
        for (int x = 0; x < 42; ++x)
            strip.setPixel(x, y, qRgb(214, 100, 35));
    return QPixmap::fromImage(strip);
}

class CustomButtonTest : public ::testing::Test
{
protected:
    void make(bool latching, const QPixmap& strip = twoFrames())
    {
        button = std::make_unique<CustomButton>(strip, nullptr, latching);
        button->setFixedSize(42, 41);
        pressed = std::make_unique<QSignalSpy>(button.get(), &CustomButton::pressed);
        released = std::make_unique<QSignalSpy>(button.get(), &CustomButton::released);
        toggled = std::make_unique<QSignalSpy>(button.get(), &CustomButton::toggled);
    }
    void click(QPoint at = inside)
    {
        press(button.get(), inside, Qt::LeftButton);
        if (at != inside)
            move(button.get(), at, Qt::LeftButton);
        release(button.get(), at, Qt::LeftButton);
    }
    QRgb shownColour() { return button->grab().toImage().pixel(21, 20); }

    std::unique_ptr<CustomButton> button;
    std::unique_ptr<QSignalSpy> pressed, released, toggled;
};

TEST_F(CustomButtonTest, PlainButtonIsDownOnlyWhileHeld)
{
    make(false);
    press(button.get(), inside, Qt::LeftButton);
    EXPECT_EQ(button->frame(), 1);
    EXPECT_EQ(shownColour(), qRgb(214, 100, 35));
    EXPECT_EQ(pressed->count(), 1);

    release(button.get(), inside, Qt::LeftButton);
    EXPECT_EQ(button->frame(), 0);
    EXPECT_EQ(shownColour(), QColor(Qt::darkGray).rgb());
    EXPECT_EQ(released->count(), 1);
    EXPECT_EQ(toggled->count(), 0);
}

TEST_F(CustomButtonTest, LatchingButtonStaysDownUntilTheNextClick)
{
    make(true);
    click();
    EXPECT_EQ(button->frame(), 1);
    EXPECT_TRUE(button->isChecked());
    press(button.get(), inside, Qt::LeftButton);
    EXPECT_EQ(button->frame(), 1);
    release(button.get(), inside, Qt::LeftButton);
    EXPECT_EQ(button->frame(), 0);
    EXPECT_FALSE(button->isChecked());
    ASSERT_EQ(toggled->count(), 2);
    EXPECT_TRUE((*toggled)[0][0].toBool());
    EXPECT_FALSE((*toggled)[1][0].toBool());
}

TEST_F(CustomButtonTest, OtherButtonsChangeNothingAndEmitNothing)
{
    for (bool latching : {false, true}) {
        make(latching);
        press(button.get(), inside, Qt::RightButton);
        EXPECT_EQ(button->frame(), 0);
        release(button.get(), inside, Qt::RightButton);
        press(button.get(), inside, Qt::MiddleButton);
        release(button.get(), inside, Qt::MiddleButton);
        EXPECT_EQ(button->frame(), 0);
        EXPECT_EQ(pressed->count() + released->count() + toggled->count(), 0);
        EXPECT_FALSE(button->isChecked());
    }
}

struct OutsideCase
{
    const char* name;
    bool latching;
    bool startChecked;
};

class ReleasedOutside : public CustomButtonTest, public ::testing::WithParamInterface<OutsideCase>
{
};

// Dragged off and released away nothing toggles: the frame must say so.
TEST_P(ReleasedOutside, FrameMatchesTheCheckStateKept)
{
    const OutsideCase c = GetParam();
    make(c.latching);
    if (c.startChecked)
        button->latch();
    click(outside);
    EXPECT_EQ(button->isChecked(), c.startChecked);
    EXPECT_EQ(button->frame(), c.startChecked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Table, ReleasedOutside,
                         ::testing::Values(OutsideCase{"plain", false, false},
                                           OutsideCase{"latching_up", true, false},
                                           OutsideCase{"latching_down", true, true}),
                         RowName());

TEST_F(CustomButtonTest, LatchAndUnlatchFromOutside)
{
    make(true);
    button->latch();
    EXPECT_EQ(button->frame(), 1);
    EXPECT_TRUE(button->isChecked());
    button->latch(); // already checked: no second toggled
    EXPECT_EQ(toggled->count(), 1);

    button->unlatch();
    EXPECT_EQ(button->frame(), 0);
    EXPECT_FALSE(button->isChecked());
    button->unlatch();
    EXPECT_EQ(toggled->count(), 2);
}

TEST_F(CustomButtonTest, ReceiverThatUnlatchesOnReleaseHasTheLastWord)
{
    make(true);
    QObject::connect(button.get(), &CustomButton::released, button.get(), &CustomButton::unlatch);
    click();
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(button->frame(), 0);
}

TEST_F(CustomButtonTest, AutoRepeatKeepsTheDownFrameUntilTheRealRelease)
{
    make(false);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(10);
    button->setAutoRepeatInterval(5);
    press(button.get(), inside, Qt::LeftButton);
    QTest::qWait(80);
    EXPECT_GT(pressed->count(), 1); // each repeat emits released() and pressed()
    EXPECT_GT(released->count(), 0);
    EXPECT_EQ(button->frame(), 1);

    release(button.get(), inside, Qt::LeftButton);
    EXPECT_EQ(button->frame(), 0);
}

TEST_F(CustomButtonTest, NullPictureDrawsNothingButTakesClicks)
{
    make(true, QPixmap());
    EXPECT_FALSE(button->grab().isNull());
    click();
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(toggled->count(), 1);
}

TEST_F(CustomButtonTest, KeyboardActivationLeavesTheFrame)
{
    make(true);
    button->click();
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(button->frame(), 0);
}

} // namespace
