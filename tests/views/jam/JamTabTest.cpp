// The jam tab as a whole: its children's wiring, the order of what it
// tells, session restore and reset, the menus it shows, and a riff built
// through its rows against a real riff overlay wired as the shell does.
#include "JamTab.h"
#include "BeatSelection.h"
#include "CustomButton.h"
#include "JamFixture.h"
#include "Knob.h"
#include "LoopLengthWidget.h"
#include "MetaData.h"
#include "MouseEvents.h"
#include "PowerButton.h"
#include "RiffIdWidget.h"
#include "RiffStep.h"
#include "RowName.h"
#include "SongStep.h"
#include "StepContextMenu.h"

#include <QSignalSpy>
#include <QStackedWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using jam_test::describe;

QPoint inCell(int cell)
{
    return QPoint(30 * cell + 12, 15);
}

// The tab in a tab area in a main window, as the shell builds it.
class JamTabFixture : public ::testing::Test
{
public:
    JamTabFixture()
    {
        window.resize(1000, 674);
        area = new QWidget(&window);
        area->setGeometry(0, 319, 1000, 355);
        tab = new JamTab(area);
        tab->resize(1000, 355);
        tab->setMetaData(&model);
    }

    // The analysis results arrive: the tab takes input.
    void enable() { jam_test::fillBeats(model, 20); }

    // Indices of the visible context menus.
    std::vector<int> shownMenus() const
    {
        std::vector<int> shown;
        for (int i = 0; i < tab->contextMenus.size(); ++i) {
            if (!tab->contextMenus.at(i)->isHidden())
                shown.push_back(i);
        }
        return shown;
    }

    QWidget window;
    QWidget* area = nullptr;
    JamTab* tab = nullptr;
    MetaData model;
};

TEST_F(JamTabFixture, BuiltDisabledAndEnabledByTheResults)
{
    EXPECT_FALSE(tab->isEnabled());
    jam_test::fillBeats(model, 20);
    EXPECT_TRUE(tab->isEnabled());
    EXPECT_EQ(tab->contextMenus.size(), 96);
    EXPECT_EQ(tab->songStepSelector->parentWidget(), &window);
    EXPECT_EQ(tab->beatOffsetKnob->value(), 49);
}

// The selector's wheel toggles the letter menu twice (it ends as it was)
// while the new riff reaches the tab's signal and both stacks.
TEST_F(JamTabFixture, SelectorWheelTellsTheNewRiffTwice)
{
    enable();
    QSignalSpy shown(tab->riffIdWidget, &RiffIdWidget::showRiffIdLabel);
    QSignalSpy active(tab, &JamTab::setActiveRiff);
    wheel(tab->riffIdWidget, 1);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 1);
    EXPECT_EQ(shown.at(1).at(0).toInt(), 1);
    ASSERT_EQ(active.count(), 2);
    EXPECT_EQ(active.at(1).at(0).toInt(), 1);
    EXPECT_TRUE(tab->riffIdLabel->isHidden());
    EXPECT_EQ(tab->riffStepStack->currentIndex(), 1);
    EXPECT_EQ(tab->loopLengthStack->currentIndex(), 1);

    wheel(tab->riffIdWidget, -1);
    wheel(tab->riffIdWidget, -1);
    EXPECT_EQ(tab->riffIdWidget->getRiffId(), 0);
    EXPECT_EQ(active.count(), 4) << "nothing below riff A";
}

TEST_F(JamTabFixture, LetterMenuChoosesARiff)
{
    enable();
    press(tab->riffIdWidget, QPoint(10, 10), Qt::LeftButton);
    EXPECT_FALSE(tab->riffIdLabel->isHidden());
    QSignalSpy active(tab, &JamTab::setActiveRiff);
    press(tab->riffIdLabel, QPoint(10, 2 * 18 + 5), Qt::LeftButton);
    EXPECT_TRUE(tab->riffIdLabel->isHidden());
    ASSERT_EQ(active.count(), 1);
    EXPECT_EQ(active.at(0).at(0).toInt(), 2);
    EXPECT_EQ(tab->riffIdWidget->getRiffId(), 2);
    EXPECT_EQ(tab->currentRiff(), 2);

    // Below the sixth letter a press only closes the menu.
    press(tab->riffIdWidget, QPoint(10, 10), Qt::LeftButton);
    active.clear();
    press(tab->riffIdLabel, QPoint(10, 110), Qt::LeftButton);
    EXPECT_TRUE(tab->riffIdLabel->isHidden());
    EXPECT_EQ(active.count(), 0);
}

TEST(RiffLetterMenu, HighlightMovesOnceThePointerLeavesItsRow)
{
    RiffIdLabel menu(nullptr);
    menu.resize(45, 132);
    menu.showRiffIdLabel(0);
    EXPECT_EQ(menu.getHighlightY(), 5) << "already on row 0";
    menu.moveHighlightLabel(30);
    EXPECT_EQ(menu.getHighlightY(), 24);
    menu.moveHighlightLabel(40);
    EXPECT_EQ(menu.getHighlightY(), 24) << "still within the band";
    menu.moveHighlightLabel(100);
    EXPECT_EQ(menu.getHighlightY(), 96);
    menu.moveHighlightLabel(120);
    EXPECT_EQ(menu.getHighlightY(), 96) << "below the sixth letter";
    menu.moveHighlightLabel(10);
    EXPECT_EQ(menu.getHighlightY(), 6);
    menu.showRiffIdLabel(3);
    EXPECT_TRUE(menu.isHidden()) << "a second call closes it";
}

struct ContextCase
{
    const char* name;
    int riff;
    int index;
    std::vector<int> shown;
};

class JamTabContextMenus : public JamTabFixture, public ::testing::WithParamInterface<ContextCase>
{
};

TEST_P(JamTabContextMenus, ShowOneMenuOfTheRiffShownOrNone)
{
    const ContextCase& c = GetParam();
    tab->showContextLabel(5);
    tab->riffIdWidget->setRiffId(c.riff);
    tab->riffStepStack->setCurrentIndex(c.riff);
    tab->showContextLabel(c.index);
    EXPECT_EQ(shownMenus(), c.shown);
}

// A press near the edge of a menu's top band points at −1 or 16 … 18.
INSTANTIATE_TEST_SUITE_P(Table, JamTabContextMenus,
                         ::testing::Values(ContextCase{"step_3_of_riff_a", 0, 3, {3}},
                                           ContextCase{"step_15_of_riff_c", 2, 15, {47}},
                                           ContextCase{"minus_1_hides_all", 1, -1, {}},
                                           ContextCase{"16_hides_all", 1, 16, {}},
                                           ContextCase{"18_hides_all", 5, 18, {}}),
                         RowName());

TEST_F(JamTabFixture, RightClickOnAStepOpensItsMenuAndTheBandSwitches)
{
    jam_test::fillBeats(model, 20);
    tab->riffIdWidget->setRiffId(1);
    tab->riffStepStack->setCurrentIndex(1);
    RiffStep* row = tab->riffSteps[1];
    row->resize(480, 30);
    press(row, inCell(4), Qt::RightButton);
    EXPECT_EQ(shownMenus(), std::vector<int>{16 + 4});

    // Its own band, one cell to the right: the next step's menu.
    press(tab->contextMenus.at(20), QPoint(70, 10), Qt::LeftButton);
    EXPECT_EQ(shownMenus(), std::vector<int>{16 + 5});
    // Its band's left edge: two steps back.
    press(tab->contextMenus.at(21), QPoint(0, 10), Qt::LeftButton);
    EXPECT_EQ(shownMenus(), std::vector<int>{16 + 3});
    // Left of the row: none.
    tab->showContextLabel(0);
    press(tab->contextMenus.at(16), QPoint(2, 10), Qt::LeftButton);
    EXPECT_TRUE(shownMenus().empty());
}

TEST_F(JamTabFixture, BackgroundPressClosesEveryPopUpAndDisarmsTheRows)
{
    jam_test::fillBeats(model, 20);
    tab->riffSteps[0]->resize(480, 30);
    press(tab->riffSteps[0], inCell(2), Qt::LeftButton);
    tab->riffSteps[3]->setArmedStep(4);
    tab->showContextLabel(3);
    tab->showSongStepMenu(2);
    press(tab->riffIdWidget, QPoint(10, 10), Qt::LeftButton);

    press(tab, QPoint(20, 20), Qt::LeftButton);
    EXPECT_TRUE(shownMenus().empty());
    EXPECT_TRUE(tab->riffIdLabel->isHidden());
    EXPECT_TRUE(tab->songStepSelector->isHidden());
    for (RiffStep* row : tab->riffSteps) {
        EXPECT_EQ(row->getArmedStep(), -1);
        EXPECT_FALSE(row->highlight->isBlinking());
    }
}

TEST_F(JamTabFixture, ReadOutsAndPlaces)
{
    tab->setBeatPitchLabel(2.4f);
    EXPECT_EQ(tab->pitchLabel->text(), "<font color='#929292'>+2</font>");
    tab->setBeatPitchLabel(-0.6f);
    EXPECT_EQ(tab->pitchLabel->text(), "<font color='#929292'>-1</font>");

    tab->moveBeatOutline(95);
    EXPECT_EQ(tab->beatOutline->pos(), QPoint(345, 108));

    tab->showSongStepMenu(15);
    EXPECT_EQ(tab->songStepSelector->pos(), QPoint(707, 535));
    EXPECT_FALSE(tab->songStepSelector->isHidden());
}

TEST_F(JamTabFixture, SongSlotChosenFromItsChooser)
{
    enable();
    tab->songStep->resize(480, 30);
    press(tab->songStep, inCell(4), Qt::LeftButton);
    EXPECT_FALSE(tab->songStepSelector->isHidden());
    EXPECT_EQ(tab->songStepSelector->pos(), QPoint(375, 535));
    move(tab->songStepSelector, QPoint(20, 3 * 18 + 2), Qt::NoButton);
    press(tab->songStepSelector, QPoint(20, 3 * 18 + 2), Qt::LeftButton);
    EXPECT_EQ(tab->songStep->riffAt(4), 3);
    EXPECT_TRUE(tab->songStepSelector->isHidden());
}

TEST_F(JamTabFixture, PlayButtonsAskToPlay)
{
    enable();
    QSignalSpy riff(tab, &JamTab::playRiff);
    QSignalSpy song(tab, &JamTab::playSong);
    press(tab->playRiffButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(riff.count(), 1);
    EXPECT_EQ(song.count(), 0);
    press(tab->playSongButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(song.count(), 1);
}

TEST_F(JamTabFixture, ArmingAStepSwitchesThePowerOn)
{
    jam_test::fillBeats(model, 20);
    QSignalSpy power(tab->powerButton, &PowerButton::buttonOn);
    tab->riffSteps[0]->resize(480, 30);
    press(tab->riffSteps[0], inCell(0), Qt::LeftButton);
    EXPECT_TRUE(tab->powerButton->isOn());
    ASSERT_EQ(power.count(), 1);
    EXPECT_FALSE(power.at(0).at(0).toBool()) << "leaving off";
}

// Every step pitch back to 1.0, told to the riffs, riff by riff and step
// by step.
TEST_F(JamTabFixture, ResetSendsEveryStepPitchBackToUnity)
{
    enable();
    wheel(tab->contextMenus.at(40)->pitchWidget, 1);
    ASSERT_EQ(tab->contextMenus.at(40)->pitchWidget->getPitchSemitone(), 1.0f);
    std::vector<std::pair<int, int>> sent; // (menu, step)
    for (int i = 0; i < tab->contextMenus.size(); ++i) {
        StepContextMenu* menu = tab->contextMenus.at(i);
        QObject::connect(menu, &StepContextMenu::contextPitchChanged, [&sent, i](float r, int s) {
            EXPECT_FLOAT_EQ(r, 1.0f);
            sent.emplace_back(i, s);
        });
    }

    tab->resetJamTab();

    ASSERT_EQ(sent.size(), 96u);
    for (int i = 0; i < 96; ++i)
        EXPECT_EQ(sent[i], std::make_pair(i, i % 16));
    EXPECT_EQ(tab->contextMenus.at(40)->pitchWidget->getPitchSemitone(), 0.0f);
}

TEST_F(JamTabFixture, ResetReturnsEveryControlAndDisables)
{
    jam_test::fillBeats(model, 20);
    tab->beatOffsetKnob->setValue(60);
    tab->riffIdWidget->setRiffId(3);
    tab->riffStepStack->setCurrentIndex(3);
    tab->loopLengthStack->setCurrentIndex(3);
    tab->loopLengthWidgets[3]->setValue(5);
    tab->riffSteps[2]->setArmedStep(1);
    tab->songStep->setRiffFromMenu(1, 0);
    tab->powerButton->setValueFromSession(true);
    tab->playRiffButton->latch();
    tab->playSongButton->latch();
    tab->showContextLabel(2);
    QSignalSpy knob(tab->beatOffsetKnob, &Knob::valueChanged);
    QSignalSpy stop(tab->songStep, &SongStep::stopSongPlayback);
    QSignalSpy active(tab, &JamTab::setActiveRiff);

    tab->resetJamTab();

    EXPECT_FALSE(tab->isEnabled());
    ASSERT_EQ(knob.count(), 1);
    EXPECT_EQ(knob.at(0).at(0).toInt(), 49);
    EXPECT_EQ(tab->riffIdWidget->getRiffId(), 0);
    EXPECT_EQ(tab->currentRiff(), 0);
    EXPECT_EQ(tab->loopLengthStack->currentIndex(), 0);
    EXPECT_EQ(tab->loopLengthWidgets[3]->getValue(), 0);
    EXPECT_EQ(tab->loopLengthWidgets[3]->getMaxValue(), 0);
    EXPECT_FALSE(tab->riffSteps[2]->highlight->isBlinking());
    EXPECT_EQ(tab->riffSteps[2]->getArmedStep(), -1);
    EXPECT_EQ(tab->songStep->riffAt(0), -1);
    EXPECT_GE(stop.count(), 1);
    EXPECT_FALSE(tab->powerButton->isOn());
    EXPECT_EQ(tab->playRiffButton->frame(), 0);
    EXPECT_EQ(tab->playSongButton->frame(), 1) << "the song button is left alone";
    EXPECT_TRUE(shownMenus().empty());
    EXPECT_EQ(active.count(), 0);
}

struct SessionCase
{
    const char* name;
    const char* power;
    const char* currentRiff;
    const char* beatOffset;
    int riff;
    bool on;
    int knob;
};

class JamTabSession : public JamTabFixture, public ::testing::WithParamInterface<SessionCase>
{
};

TEST_P(JamTabSession, RestoresTheTabWithinItsRanges)
{
    const SessionCase& c = GetParam();
    const QString lengths[6] = {"2", "0", "40", "x", "-3", "15"};
    const QString maxima[6] = {"4", "0", "40", "", "2", "3"};
    QSignalSpy active(tab, &JamTab::setActiveRiff);
    QSignalSpy rulerA(tab->loopLengthWidgets[0], &LoopLengthWidget::setLoopLength);

    tab->setRiffsFromSession(c.power, c.currentRiff, c.beatOffset, lengths, maxima, "0", "0", nullptr);

    EXPECT_EQ(tab->powerButton->isOn(), c.on);
    EXPECT_EQ(tab->riffIdWidget->getRiffId(), c.riff);
    EXPECT_EQ(tab->currentRiff(), c.riff);
    EXPECT_EQ(tab->loopLengthStack->currentIndex(), c.riff);
    EXPECT_EQ(tab->beatOffsetKnob->value(), c.knob);
    EXPECT_EQ(active.count(), 0);

    const int values[6] = {2, 0, 15, 0, 0, 15};
    const int maxValues[6] = {4, 0, 15, 0, 2, 15};
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(tab->loopLengthWidgets[r]->getValue(), values[r]) << r;
        EXPECT_EQ(tab->loopLengthWidgets[r]->getMaxValue(), maxValues[r]) << r;
        EXPECT_EQ(tab->riffSteps[r]->getWhiteNumberLength(), values[r] + 1) << r;
    }
    ASSERT_EQ(rulerA.count(), 1);
    EXPECT_EQ(rulerA.at(0).at(0).toInt(), 2);
}

INSTANTIATE_TEST_SUITE_P(Table, JamTabSession,
                         ::testing::Values(SessionCase{"riff_d", "1", "3", "60", 3, true, 60},
                                           // Riffs are indexes into six overlays and the player's list.
                                           SessionCase{"riff_beyond_f_is_riff_a", "0", "9", "49", 0, false, 49},
                                           SessionCase{"negative_riff_is_riff_a", "0", "-1", "49", 0, false, 49},
                                           SessionCase{"riff_text_no_number_is_riff_a", "2", "B", "x", 0, true, 0},
                                           SessionCase{"offset_beyond_the_knob_is_held", "0", "5", "400", 5, false,
                                                       99}),
                         RowName());

// A riff built through the tab's row and ruler against a real overlay,
// wired as the shell wires riff 0.
class JamTabWithOverlay : public JamTabFixture
{
public:
    JamTabWithOverlay()
    {
        jam_test::fillBeats(model, 20);
        overlay.resize(4000, 30);
        overlay.setSampleCount(400000);
        overlay.initMetaData(&model);
        RiffStep* row = tab->riffSteps[0];
        LoopLengthWidget* ruler = tab->loopLengthWidgets[0];
        row->resize(480, 30);
        ruler->resize(480, 10);
        QObject::connect(row, &RiffStep::stepArmed, &overlay, qOverload<int>(&BeatSelection::setArmedStep));
        QObject::connect(row, &RiffStep::lockSelection, &overlay, &BeatSelection::lockSelection);
        QObject::connect(ruler, &LoopLengthWidget::setLoopLength, &overlay, &BeatSelection::setLoopLength);
        QObject::connect(row, &RiffStep::setLoopLength, &overlay, &BeatSelection::setLoopLength);
        QObject::connect(ruler, &LoopLengthWidget::extendLoop, &overlay, &BeatSelection::extendLoopLength);
        QObject::connect(&overlay, &BeatSelection::setActiveStep, row, &RiffStep::setArmedStep);
        QObject::connect(&overlay, &BeatSelection::commitStep, row, &RiffStep::commitStep);
        for (int s = 0; s < 16; ++s)
            QObject::connect(tab->contextMenus.at(s), &StepContextMenu::contextPitchChanged, &overlay,
                             &BeatSelection::interpChanged);
    }

    void click(int cell) { press(tab->riffSteps[0], inCell(cell), Qt::LeftButton); }

    BeatSelection overlay{nullptr};
};

TEST_F(JamTabWithOverlay, ARiffGrowsStepByStep)
{
    LoopLengthWidget* ruler = tab->loopLengthWidgets[0];
    press(ruler, QPoint(100, 5), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(ruler->getValue(), 0) << "the ruler waits for the first step";

    click(0);
    click(9); // anywhere commits while one step loops
    EXPECT_EQ(describe(overlay.model()), "0:2@0 | max 0 loop 0 armed -1");
    EXPECT_EQ(overlay.getLoopLength(), -1);
    EXPECT_TRUE(tab->riffSteps[0]->firstStepSet());

    click(1);
    click(1);
    EXPECT_EQ(describe(overlay.model()), "0:2@0 1:2@1 | max 1 loop 2 armed -1");
    EXPECT_EQ(ruler->getValue(), 1);
    EXPECT_EQ(tab->riffSteps[0]->getWhiteNumberLength(), 2);

    click(2);
    click(2);
    EXPECT_EQ(describe(overlay.model()), "0:2@0 1:2@1 2:2@2 | max 2 loop 3 armed -1");
    EXPECT_EQ(overlay.getLoopLength(), 2);

    // The ruler shortens the loop, then a Command-press grows the riff.
    press(ruler, QPoint(35, 5), Qt::LeftButton);
    EXPECT_EQ(describe(overlay.model()), "0:2@0 1:2@1 2:3@2 | max 2 loop 2 armed -1");
    press(ruler, QPoint(130, 5), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(describe(overlay.model()), "0:2@0 1:2@1 2:2@2 3:2@0 4:2@1 | max 4 loop 5 armed -1");

    // A step's pitch reaches the overlay the player reads.
    tab->contextMenus.at(2)->pitchWidget->overrideCursorX(80);
    press(tab->contextMenus.at(2)->pitchWidget, QPoint(80, 10), Qt::LeftButton);
    release(tab->contextMenus.at(2)->pitchWidget, QPoint(80, 10), Qt::LeftButton);
    EXPECT_FLOAT_EQ(overlay.stepPitch(2), std::pow(2.0f, 1.0f / 12.0f));
}

TEST_F(JamTabWithOverlay, DoubleClickOnTheWaveformArmsTheRowToo)
{
    click(0);
    click(0);
    sendMouse(&overlay, QEvent::MouseButtonDblClick, QPoint(1000, 10), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(tab->riffSteps[0]->getArmedStep(), 1);
    EXPECT_TRUE(tab->riffSteps[0]->highlight->isBlinking());
    click(1);
    EXPECT_EQ(describe(overlay.model()), "0:2@0 1:2@4 | max 1 loop 2 armed -1");
    EXPECT_EQ(tab->riffSteps[0]->getArmedStep(), -1);
}

} // namespace
