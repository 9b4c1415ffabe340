// A step's context menu: its pitch box (whole semitones sent as ratios),
// its close spot and the top band that switches to another step's menu.
#include "StepContextMenu.h"
#include "CustomButton.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// The ratios a box sent, as six significant digits.
std::vector<std::string> ratios(const QSignalSpy& spy, int step)
{
    std::vector<std::string> sent;
    for (const auto& args : spy) {
        EXPECT_EQ(args.at(1).toInt(), step);
        sent.push_back(QString::number(args.at(0).toFloat(), 'g', 6).toStdString());
    }
    return sent;
}

struct PitchCase
{
    const char* name;
    float startSemitones;
    std::function<void(ContextPitchWidget&)> act;
    float semitones;
    std::vector<std::string> sent;
};

class PitchBox : public ::testing::TestWithParam<PitchCase>
{
};

void pressAt(ContextPitchWidget& box, int x, Qt::MouseButtons buttons = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    box.overrideCursorX(x);
    press(&box, QPoint(x, 10), buttons, modifiers);
    release(&box, QPoint(x, 10), Qt::LeftButton);
}

TEST_P(PitchBox, ShiftsByWholeSemitonesAndSendsTheRatio)
{
    const PitchCase& c = GetParam();
    ContextPitchWidget box(nullptr, 7);
    // Reach the start as the user would, then watch.
    while (box.getPitchSemitone() < c.startSemitones)
        pressAt(box, 80);
    while (box.getPitchSemitone() > c.startSemitones)
        pressAt(box, 5);
    QSignalSpy spy(&box, &ContextPitchWidget::contextPitchChanged);

    c.act(box);

    EXPECT_EQ(box.getPitchSemitone(), c.semitones);
    EXPECT_EQ(ratios(spy, 7), c.sent);
    EXPECT_FLOAT_EQ(box.getPitchInterp(), std::pow(2.0f, c.semitones / 12.0f));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PitchBox,
    ::testing::Values(
        PitchCase{"plus_end_raises", 0, [](ContextPitchWidget& b) { pressAt(b, 69); }, 1, {"1.05946"}},
        PitchCase{"minus_end_lowers", 0, [](ContextPitchWidget& b) { pressAt(b, 23); }, -1, {"0.943874"}},
        // The middle changes nothing but sends the ratio again.
        PitchCase{"middle_resends", 5, [](ContextPitchWidget& b) { pressAt(b, 40); }, 5, {"1.33484"}},
        PitchCase{"plus_end_stops_at_12", 12, [](ContextPitchWidget& b) { pressAt(b, 80); }, 12, {"2"}},
        PitchCase{"minus_end_stops_at_minus_12", -12, [](ContextPitchWidget& b) { pressAt(b, 5); }, -12, {"0.5"}},
        PitchCase{"wheel_up", 0, [](ContextPitchWidget& b) { wheel(&b, 1); }, 1, {"1.05946"}},
        PitchCase{"wheel_down", 0, [](ContextPitchWidget& b) { wheel(&b, -1); }, -1, {"0.943874"}},
        PitchCase{"wheel_up_at_12_resends", 12, [](ContextPitchWidget& b) { wheel(&b, 1); }, 12, {"2"}},
        PitchCase{
            "right_click_resets", 7, [](ContextPitchWidget& b) { pressAt(b, 80, Qt::RightButton); }, 0, {"1"}},
        PitchCase{"control_click_resets",
                  -4,
                  [](ContextPitchWidget& b) { pressAt(b, 80, Qt::LeftButton, Qt::MetaModifier); },
                  0,
                  {"1"}},
        PitchCase{"reset", 3, [](ContextPitchWidget& b) { b.reset(); }, 0, {"1"}},
        // The session loader sets the riff's ratio itself.
        PitchCase{"session_values_send_nothing",
                  0,
                  [](ContextPitchWidget& b) {
                      b.setPitchSemitone(4);
                      b.setPitchInterp(std::pow(2.0f, 4.0f / 12.0f));
                  },
                  4,
                  {}}),
    RowName());

TEST(PitchBoxHeld, RepeatsUpToAnOctaveAndHoldsThere)
{
    ContextPitchWidget box(nullptr, 3);
    QSignalSpy spy(&box, &ContextPitchWidget::contextPitchChanged);
    box.overrideCursorX(80);
    press(&box, QPoint(80, 10), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1) << "one step at once";

    // Only how many, never how soon: the machine may be loaded.
    QTRY_VERIFY_WITH_TIMEOUT(box.getPitchSemitone() == 12.0f, 20000);
    const int atTop = spy.count();
    QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= atTop + 2, 10000);
    release(&box, QPoint(80, 10), Qt::LeftButton);
    const int atRelease = spy.count();
    QTest::qWait(4 * StepBox::repeatIntervalMs);
    EXPECT_EQ(spy.count(), atRelease);

    const std::vector<std::string> sent = ratios(spy, 3);
    ASSERT_GE(sent.size(), 14u);
    EXPECT_EQ(sent[0], "1.05946");
    EXPECT_EQ(sent[11], "2");
    for (size_t i = 12; i < sent.size(); ++i)
        EXPECT_EQ(sent[i], "2") << i;
    EXPECT_EQ(box.getPitchSemitone(), 12.0f);
}

struct BandCase
{
    const char* name;
    int step;     // the menu's own step
    QPoint press; // in the menu
    int asked;    // showDifferentContextMenu, or none
    bool hides;
};

class MenuTopBand : public ::testing::TestWithParam<BandCase>
{
};

TEST_P(MenuTopBand, AsksForTheStepUnderThePointer)
{
    const BandCase& c = GetParam();
    QWidget tab;
    tab.resize(1000, 355);
    auto* menu = new StepContextMenu(&tab, c.step);
    menu->setGeometry(220 + 30 * c.step, 106, 128, 160);
    menu->show();
    QSignalSpy asked(menu, &StepContextMenu::showDifferentContextMenu);

    press(menu, c.press, Qt::LeftButton);

    if (c.hides) {
        ASSERT_EQ(asked.count(), 1);
        EXPECT_EQ(asked.at(0).at(0).toInt(), c.asked);
    } else {
        EXPECT_EQ(asked.count(), 0);
    }
    EXPECT_EQ(menu->isHidden(), c.hides);
}

// The band's mapped x: step 0's menu starts at tab x 220, the step row's
// cell 0 at 255 (cells counted toward zero, so 226 … 254 is still 0).
INSTANTIATE_TEST_SUITE_P(Table, MenuTopBand,
                         ::testing::Values(BandCase{"own_cell", 0, QPoint(40, 10), 0, true},
                                           BandCase{"mapped_226_is_step_0", 0, QPoint(6, 10), 0, true},
                                           BandCase{"mapped_254_is_step_0", 0, QPoint(34, 10), 0, true},
                                           BandCase{"mapped_225_is_minus_1", 0, QPoint(5, 10), -1, true},
                                           BandCase{"mapped_220_is_minus_1", 0, QPoint(0, 10), -1, true},
                                           BandCase{"next_cell", 0, QPoint(65, 10), 1, true},
                                           BandCase{"right_edge_of_step_15_is_18", 15, QPoint(127, 20), 18, true},
                                           BandCase{"bottom_of_the_band", 4, QPoint(40, 32), 4, true},
                                           BandCase{"below_the_band_nothing", 4, QPoint(40, 33), 0, false}),
                         RowName());

TEST(StepMenu, CloseSpotHidesAndTheFirstButtonStaysHidden)
{
    QWidget tab;
    tab.resize(1000, 355);
    auto* menu = new StepContextMenu(&tab, 2);
    menu->resize(128, 160);
    tab.show();
    menu->show();
    EXPECT_EQ(menu->closeButton->geometry(), QRect(86, 41, 20, 20));
    EXPECT_FALSE(menu->firstButton->isVisible());
    EXPECT_EQ(menu->pitchWidget->geometry(), QRect(10, 66, 93, 20));

    QTest::mousePress(menu->closeButton, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(menu->isHidden());
}

TEST(StepMenu, RelaysItsBoxWithItsStep)
{
    StepContextMenu menu(nullptr, 9);
    QSignalSpy relayed(&menu, &StepContextMenu::contextPitchChanged);
    wheel(menu.pitchWidget, 1);
    ASSERT_EQ(relayed.count(), 1);
    EXPECT_EQ(relayed.at(0).at(1).toInt(), 9);
    EXPECT_FLOAT_EQ(relayed.at(0).at(0).toFloat(), std::pow(2.0f, 1.0f / 12.0f));
}

} // namespace
