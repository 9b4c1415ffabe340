// The transport bar: the clock, the metronome light, the buttons' row and
// cover, and the release rule of "play" and "stop".
#include "CustomButton.h"
#include "Knob.h"
#include "MouseEvents.h"
#include "RowName.h"
#include "TransportClock.h"
#include "TransportWidget.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <limits>

namespace {

// ---- The clock ---------------------------------------------------------------------

struct ClockCase
{
    const char* name;
    int sampleRate;
    float position;  // frames
    int totalFrames; // -1: no file opened yet
    const char* shown;
};

class Clock : public ::testing::TestWithParam<ClockCase>
{
};

TEST_P(Clock, ShowsPositionAndLength)
{
    const ClockCase c = GetParam();
    TransportWidget transport(nullptr);
    std::atomic<float> position{c.position};
    transport.setTimePtr(&position);
    transport.setSampleRate(c.sampleRate);
    if (c.totalFrames >= 0)
        transport.setMaxTime(c.totalFrames);
    transport.updateTime();
    EXPECT_EQ(transport.clockText(),
              QStringLiteral("<font color='#ff8c00'>%1</font>").arg(QLatin1String(c.shown)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Clock,
    ::testing::Values(ClockCase{"before_a_file", 44100, 0.0f, -1, "0:00 / 0:00"},
                      ClockCase{"start_of_192_5_seconds", 44100, 0.0f, 8489250, "0:00 / 3:12.5"},
                      ClockCase{"sixty_five_and_a_half", 1000, 65500.0f, 60000, "1:05.5 / 1:00"},
                      ClockCase{"cut_not_rounded", 100000, 987654.0f, 6000000, "0:09.876 / 1:00"},
                      ClockCase{"whole_seconds", 1, 125.0f, 120, "2:05 / 2:00"},
                      ClockCase{"just_past_a_minute", 100, 6003.0f, 6003, "1:00 / 1:00"},
                      ClockCase{"whole_minutes_plus_a_little", 44100, 0.0f, 44100 * 180 + 2000, "0:00 / 3:00"},
                      // Six digits print 59.99998 as 60 and 9.999996 as 10.
                      ClockCase{"carries_sixty_into_the_minutes", 1, 119.99998f, 119, "2:00 / 1:59"},
                      ClockCase{"ten_seconds_get_no_extra_zero", 1, 9.999996f, 10, "0:10 / 0:10"},
                      ClockCase{"total_carries_too", 1, 0.0f, 0, "0:00 / 0:00"},
                      ClockCase{"no_rate", 0, 5000.0f, 5000, "0:00 / 0:00"}),
    RowName());

struct ClockTextCase
{
    const char* name;
    float seconds;
    const char* text;
};

class ClockText : public ::testing::TestWithParam<ClockTextCase>
{
};

TEST_P(ClockText, MinutesColonSeconds)
{
    const ClockTextCase c = GetParam();
    EXPECT_EQ(transportclock::text(c.seconds), QLatin1String(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClockText,
    ::testing::Values(ClockTextCase{"total_119_99998", 119.99998f, "2:00"},
                      ClockTextCase{"total_9_999996", 9.999996f, "0:10"},
                      ClockTextCase{"fifty_nine_and_a_bit", 59.9994f, "0:59.999"},
                      ClockTextCase{"hour", 3600.0f, "60:00"}, ClockTextCase{"tenth", 0.1f, "0:00.1"},
                      ClockTextCase{"below_the_twentieth", 0.049f, "0:00"},
                      ClockTextCase{"negative", -3.0f, "0:00"},
                      ClockTextCase{"not_a_number", std::numeric_limits<float>::quiet_NaN(), "0:00"},
                      ClockTextCase{"infinite", std::numeric_limits<float>::infinity(), "0:00"}),
    RowName());

TEST(ClockStart, ReadsAZeroBeforeTheFirstTickAndTicksEvery40Ms)
{
    TransportWidget transport(nullptr);
    EXPECT_EQ(transport.clockText(), QStringLiteral("<font color='#DE6E08'>0.000</font>"));
    // Without a position pointer the first ticks read 0.
    const QDeadlineTimer deadline(10000);
    while (transport.clockText().contains(QStringLiteral("DE6E08")) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(transport.clockText(), QStringLiteral("<font color='#ff8c00'>0:00 / 0:00</font>"));
}

// ---- The metronome light ------------------------------------------------------------

TEST(MetronomeLight, ASecondFlashRestartsTheTwoHundredMilliseconds)
{
    TransportWidget transport(nullptr);
    const QTimer* light = nullptr;
    for (const QTimer* timer : transport.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        if (timer->interval() == 200)
            light = timer;
    ASSERT_NE(light, nullptr);

    transport.flashMetronome();
    EXPECT_FALSE(transport.redLight->isHidden());
    // No events run meanwhile, so the first flash cannot end.
    QThread::msleep(120);
    QElapsedTimer sinceSecond;
    sinceSecond.start();
    transport.flashMetronome();
    const int remaining = light->remainingTime();
    // Restarted: at least 200 ms less what has passed since the second flash
    // (less a coarse timer's slack); the first would leave at most 80.
    EXPECT_GE(remaining, 200 - int(sinceSecond.elapsed()) - 15);
    EXPECT_FALSE(transport.redLight->isHidden());

    const QDeadlineTimer deadline(10000);
    while (!transport.redLight->isHidden() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(transport.redLight->isHidden());
    EXPECT_FALSE(light->isActive());
}

// ---- The button row ------------------------------------------------------------------

class Bar : public ::testing::Test
{
protected:
    Bar()
    {
        transport.resize(1000, 91);
        transport.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&transport));
    }

    static QPoint centreOf(const QWidget* widget, const QWidget* in)
    {
        return widget->mapTo(in, widget->rect().center());
    }

    TransportWidget transport{nullptr};
};

TEST_F(Bar, EachButtonLiesWholeInsideTheHolderTheTrayAndTheCover)
{
    const QRect holder = transport.buttonHolder->geometry();
    EXPECT_EQ(holder.size(), TransportWidget::buttonRowSize);
    EXPECT_EQ(transport.buttonBacking->geometry(), holder);
    EXPECT_EQ(transport.greyedButtons->geometry(), holder);
    EXPECT_TRUE(transport.rect().contains(holder));
    // Centred in the bar.
    EXPECT_EQ(holder.left(), (1000 - holder.width()) / 2);
    const QList<CustomButton*> row = {transport.loopButton, transport.backButton, transport.playButton,
                                      transport.fwdButton, transport.stopButton};
    int previousRight = -1;
    for (CustomButton* button : row) {
        EXPECT_TRUE(transport.buttonHolder->rect().contains(button->geometry()))
            << button->objectName().toStdString();
        EXPECT_EQ(button->size(), QSize(42, 41));
        EXPECT_GT(button->x(), previousRight) << "left to right, apart";
        previousRight = button->geometry().right();
    }
    EXPECT_TRUE(transport.cuefButton->isHidden());
    EXPECT_TRUE(transport.cuebButton->isHidden());
}

TEST_F(Bar, TheCoverBlocksTheButtonsNotTheKnobs)
{
    QSignalSpy plays(transport.playButton, &QAbstractButton::released);
    QSignalSpy stops(transport.stopButton, &QAbstractButton::released);
    transport.setGreyedButtonsHidden(false);
    QWindow* window = transport.windowHandle();
    ASSERT_NE(window, nullptr);

    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centreOf(transport.playButton, &transport));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centreOf(transport.stopButton, &transport));
    EXPECT_TRUE(plays.isEmpty());
    EXPECT_TRUE(stops.isEmpty());
    EXPECT_FALSE(transport.playButton->isChecked());

    // The metronome knob still turns: a drag up raises it.
    const QPoint knob = centreOf(transport.metronomeKnob, &transport);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, knob);
    QTest::mouseMove(window, knob - QPoint(0, 10));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, knob - QPoint(0, 10));
    EXPECT_GT(transport.metronomeKnob->value(), 0);

    transport.setGreyedButtonsHidden(true);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centreOf(transport.playButton, &transport));
    EXPECT_EQ(plays.count(), 1);
    EXPECT_TRUE(transport.playButton->isChecked());
}

struct ReleaseCase
{
    const char* name;
    const char* button;
    QPoint moveTo;    // relative to the button's centre; (0, 0): no move
    QPoint releaseAt; // relative to the button's centre
    int released;
};

class ReleaseRule : public Bar, public ::testing::WithParamInterface<ReleaseCase>
{
};

TEST_P(ReleaseRule, OnlyAReleaseOverPlayOrStopActs)
{
    const ReleaseCase c = GetParam();
    auto* button = transport.findChild<CustomButton*>(QLatin1String(c.button));
    ASSERT_NE(button, nullptr);
    QSignalSpy released(button, &QAbstractButton::released);
    QSignalSpy toggled(button, &QAbstractButton::toggled);
    const QPoint centre = button->rect().center();

    press(button, centre, Qt::LeftButton);
    if (!c.moveTo.isNull())
        move(button, centre + c.moveTo, Qt::LeftButton);
    release(button, centre + c.releaseAt, Qt::LeftButton);

    EXPECT_EQ(released.count(), c.released);
    if (button->isCheckable()) {
        EXPECT_EQ(toggled.count(), c.released);
        EXPECT_EQ(button->isChecked(), c.released == 1);
        EXPECT_EQ(button->frame(), c.released == 1 ? 1 : 0) << "the picture matches the latch";
    } else {
        EXPECT_EQ(button->frame(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReleaseRule,
    ::testing::Values(ReleaseCase{"play_click", "play", QPoint(), QPoint(), 1},
                      ReleaseCase{"play_dragged_off", "play", QPoint(80, 0), QPoint(80, 0), 0},
                      ReleaseCase{"play_dragged_off_and_back", "play", QPoint(0, 60), QPoint(), 1},
                      ReleaseCase{"stop_click", "stop", QPoint(), QPoint(), 1},
                      ReleaseCase{"stop_dragged_off", "stop", QPoint(-80, 0), QPoint(-80, 0), 0},
                      // The seek buttons keep the standard handling.
                      ReleaseCase{"fwd_dragged_off", "fwd", QPoint(80, 0), QPoint(80, 0), 1}),
    RowName());

TEST_F(Bar, FwdHeldSeeksAtEveryRepeatAndOnceMoreAtTheRelease)
{
    QSignalSpy released(transport.fwdButton, &QAbstractButton::released);
    const QPoint centre = transport.fwdButton->rect().center();
    press(transport.fwdButton, centre, Qt::LeftButton);
    const QDeadlineTimer deadline(10000);
    while (released.count() < 3 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_EQ(transport.fwdButton->frame(), 1) << "down throughout the hold";
    }
    ASSERT_GE(released.count(), 3);
    const int repeats = released.count();
    release(transport.fwdButton, centre, Qt::LeftButton);
    EXPECT_EQ(released.count(), repeats + 1);
    EXPECT_EQ(transport.fwdButton->frame(), 0);
}

TEST_F(Bar, ShortClickOnFwdSeeksOnce)
{
    QSignalSpy released(transport.fwdButton, &QAbstractButton::released);
    const QPoint centre = transport.fwdButton->rect().center();
    press(transport.fwdButton, centre, Qt::LeftButton);
    release(transport.fwdButton, centre, Qt::LeftButton);
    EXPECT_EQ(released.count(), 1);
}

TEST(Knobs, StartAndResetValues)
{
    TransportWidget transport(nullptr);
    EXPECT_EQ(transport.volumeKnob->value(), 99);
    EXPECT_EQ(transport.metronomeKnob->value(), 0);
    EXPECT_EQ(transport.volumeKnob->size(), QSize(50, 50));
    transport.volumeKnob->setValue(20);
    transport.metronomeKnob->setValue(70);
    press(transport.volumeKnob, QPoint(25, 25), Qt::RightButton);
    press(transport.metronomeKnob, QPoint(25, 25), Qt::RightButton);
    EXPECT_EQ(transport.volumeKnob->value(), 99);
    EXPECT_EQ(transport.metronomeKnob->value(), 0);
}

} // namespace
