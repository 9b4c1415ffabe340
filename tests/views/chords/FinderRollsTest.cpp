// The chord finder's key and mode rolls and their drop-down panes, wired to
// each other as the chords tab wires them.
#include "FinderRolls.h"
#include "ChordTestSupport.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct Finder
{
    QWidget tab;
    ChordModesWidget* modes = new ChordModesWidget(&tab);
    ChordModesLabel* modePane = new ChordModesLabel(&tab);
    KeysWidget* keys = new KeysWidget(&tab);
    KeysLabel* keyPane = new KeysLabel(&tab);
    int finderUpdates = 0;

    Finder()
    {
        QObject::connect(modePane, &ChordModesLabel::setChordMode, modes, &ChordModesWidget::setMode);
        QObject::connect(modes, &ChordModesWidget::showModeLabel, modePane, &ChordModesLabel::showModeLabel);
        QObject::connect(modes, &ChordModesWidget::hideKeysLabel, keyPane, &QWidget::hide);
        QObject::connect(keyPane, &KeysLabel::setKey, keys, &KeysWidget::setKey);
        QObject::connect(keys, &KeysWidget::showKeysLabel, keyPane, &KeysLabel::showKeysLabel);
        QObject::connect(keys, &KeysWidget::hideModeLabel, modePane, &QWidget::hide);
        const auto count = [this] { ++finderUpdates; };
        QObject::connect(modes, &ChordModesWidget::updateFinderChord, count);
        QObject::connect(modePane, &ChordModesLabel::updateFinderChord, count);
        QObject::connect(keys, &KeysWidget::updateFinderChord, count);
        QObject::connect(keyPane, &KeysLabel::updateFinderChord, count);
    }

    FinderRoll* roll(bool key) { return key ? static_cast<FinderRoll*>(keys) : modes; }
    FinderPane* pane(bool key) { return key ? static_cast<FinderPane*>(keyPane) : modePane; }
};

// ---- Wheel -------------------------------------------------------------------

struct WheelCase
{
    const char* name;
    bool key;
    int from;
    int delta;
    bool paneOpen;
    int to;
    int updates;
};

class RollWheel : public ::testing::TestWithParam<WheelCase>
{
};

TEST_P(RollWheel, TurnsWithinItsEntriesAndKeepsThePaneAsItWas)
{
    const WheelCase c = GetParam();
    Finder f;
    FinderRoll* roll = f.roll(c.key);
    FinderPane* pane = f.pane(c.key);
    if (c.key)
        f.keys->setKey(c.from);
    else
        f.modes->setMode(c.from);
    if (c.paneOpen)
        press(roll, QPoint(5, 5), Qt::LeftButton);
    ASSERT_EQ(!pane->isHidden(), c.paneOpen);

    wheelBy(roll, c.delta);

    EXPECT_EQ(roll->value(), c.to);
    EXPECT_EQ(f.finderUpdates, c.updates);
    EXPECT_EQ(!pane->isHidden(), c.paneOpen);
    if (c.paneOpen) {
        EXPECT_EQ(pane->highlightRow(), c.to);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RollWheel,
                         ::testing::Values(WheelCase{"mode_up_at_first_nothing", false, 0, 120, false, 0, 0},
                                           WheelCase{"mode_down_at_last_nothing", false, 6, -120, false, 6, 0},
                                           WheelCase{"mode_down", false, 2, -120, false, 3, 1},
                                           WheelCase{"mode_up", false, 6, 120, false, 5, 1},
                                           WheelCase{"mode_zero", false, 3, 0, false, 3, 0},
                                           WheelCase{"mode_open_pane_follows", false, 2, -120, true, 3, 1},
                                           WheelCase{"key_down_at_last_nothing", true, 11, -120, false, 11, 0},
                                           WheelCase{"key_up_at_first_nothing", true, 0, 1, false, 0, 0},
                                           WheelCase{"key_down", true, 10, -1, false, 11, 1},
                                           WheelCase{"key_open_pane_follows", true, 7, 120, true, 6, 1}),
                         RowName());

// ---- Choosing on a pane ----------------------------------------------------------

struct ChooseCase
{
    const char* name;
    bool key;
    int y;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    int chosen; // -1: nothing chosen
    bool staysOpen;
};

class PaneChoice : public ::testing::TestWithParam<ChooseCase>
{
};

TEST_P(PaneChoice, RowIsYDiv18)
{
    const ChooseCase c = GetParam();
    Finder f;
    press(f.roll(c.key), QPoint(5, 5), Qt::LeftButton);
    FinderPane* pane = f.pane(c.key);
    ASSERT_FALSE(pane->isHidden());
    f.finderUpdates = 0;

    press(pane, QPoint(30, c.y), c.buttons, c.modifiers);
    // Modes choose on the press: a key pane that is still open after it
    // shows the press did nothing there.
    if (c.key) {
        EXPECT_FALSE(pane->isHidden());
    }
    release(pane, QPoint(30, c.y), Qt::LeftButton);

    EXPECT_EQ(!pane->isHidden(), c.staysOpen);
    EXPECT_EQ(f.roll(c.key)->value(), c.chosen >= 0 ? c.chosen : 0);
    EXPECT_EQ(f.finderUpdates, c.chosen >= 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PaneChoice,
    ::testing::Values(ChooseCase{"key_y40_gives_2", true, 40, Qt::LeftButton, Qt::NoModifier, 2, false},
                      ChooseCase{"key_y230_chooses_nothing", true, 230, Qt::LeftButton, Qt::NoModifier, -1, false},
                      ChooseCase{"key_first_row", true, 3, Qt::LeftButton, Qt::NoModifier, 0, false},
                      ChooseCase{"key_last_row", true, 215, Qt::LeftButton, Qt::NoModifier, 11, false},
                      ChooseCase{"key_right_button_chooses_too", true, 100, Qt::RightButton, Qt::NoModifier, 5,
                                 false},
                      ChooseCase{"mode_y40_gives_2", false, 40, Qt::LeftButton, Qt::NoModifier, 2, false},
                      ChooseCase{"mode_last_row", false, 125, Qt::LeftButton, Qt::NoModifier, 6, false},
                      ChooseCase{"mode_past_last_row", false, 130, Qt::LeftButton, Qt::NoModifier, -1, false},
                      ChooseCase{"mode_right_click_ignored", false, 40, Qt::RightButton, Qt::NoModifier, -1, true},
                      ChooseCase{"mode_meta_left_ignored", false, 40, Qt::LeftButton, Qt::MetaModifier, -1, true}),
    RowName());

// ---- The highlight ---------------------------------------------------------------

struct HighlightCase
{
    const char* name;
    bool key;
    int openAt; // the roll's value when the pane opens
    int moveY;
    int top; // expected highlight y
};

class PaneHighlight : public ::testing::TestWithParam<HighlightCase>
{
};

TEST_P(PaneHighlight, OpensOnTheEntryAndFollowsThePointerWithinTheBand)
{
    const HighlightCase c = GetParam();
    Finder f;
    if (c.key)
        f.keys->setKey(c.openAt);
    else
        f.modes->setMode(c.openAt);
    press(f.roll(c.key), QPoint(5, 5), Qt::LeftButton);
    FinderPane* pane = f.pane(c.key);

    if (c.moveY >= 0)
        move(pane, QPoint(30, c.moveY), Qt::NoButton);

    EXPECT_EQ(pane->highlightTop(), c.top);
}

INSTANTIATE_TEST_SUITE_P(Table, PaneHighlight,
                         ::testing::Values(HighlightCase{"mode_opens_on_first", false, 0, -1, 4},
                                           HighlightCase{"mode_opens_on_fourth", false, 3, -1, 58},
                                           HighlightCase{"mode_opens_on_last", false, 6, -1, 112},
                                           HighlightCase{"key_opens_on_first", true, 0, -1, 6},
                                           HighlightCase{"key_opens_on_last", true, 11, -1, 204},
                                           HighlightCase{"mode_pointer_below_band", false, 0, 50, 40},
                                           HighlightCase{"mode_pointer_inside_band_stays", false, 0, 20, 4},
                                           HighlightCase{"mode_pointer_above_band", false, 5, 10, 4},
                                           HighlightCase{"mode_pointer_past_the_list_stays", false, 0, 130, 4},
                                           HighlightCase{"key_pointer_below_band", true, 0, 100, 96},
                                           HighlightCase{"key_pointer_at_top_edge_stays", true, 3, 6, 60}),
                         RowName());

// ---- Opening and closing ------------------------------------------------------------

TEST(FinderPanes, AtMostOneOpenAndASecondPressShutsIt)
{
    Finder f;
    press(f.modes, QPoint(5, 5), Qt::LeftButton);
    EXPECT_FALSE(f.modePane->isHidden());

    press(f.keys, QPoint(5, 5), Qt::LeftButton);
    EXPECT_TRUE(f.modePane->isHidden());
    EXPECT_FALSE(f.keyPane->isHidden());

    press(f.keys, QPoint(5, 5), Qt::LeftButton);
    EXPECT_TRUE(f.keyPane->isHidden());
    EXPECT_EQ(f.finderUpdates, 0);
}

TEST(FinderRolls, SettersShowTheEntryWithoutSignalsAndStayWithinTheRoll)
{
    Finder f;
    QSignalSpy modeShown(f.modes, &ChordModesWidget::showModeLabel);
    f.modes->setMode(4);
    f.keys->setKey(9);
    EXPECT_EQ(f.modes->getMode(), 4);
    EXPECT_EQ(f.keys->getKey(), 9);
    EXPECT_EQ(modeShown.count(), 0);
    EXPECT_EQ(f.finderUpdates, 0);

    f.modes->setMode(7);
    f.keys->setKey(-1);
    EXPECT_EQ(f.modes->getMode(), 6);
    EXPECT_EQ(f.keys->getKey(), 0);
}

} // namespace
