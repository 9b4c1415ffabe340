// The step row of a riff, the song row with its letters and chooser, and
// the loop-length ruler, driven by mouse and wheel events offscreen.
#include "JamFixture.h"
#include "LoopLengthWidget.h"
#include "MetaData.h"
#include "MouseEvents.h"
#include "PictureStrip.h"
#include "RiffStep.h"
#include "RowName.h"
#include "SongStep.h"

#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

QPoint inCell(int cell)
{
    return QPoint(30 * cell + 12, 15);
}

class StepRow : public ::testing::Test
{
public:
    void SetUp() override
    {
        jam_test::fillBeats(model, 20);
        row.setMetaData(&model);
        row.resize(480, 30);
        // The ruler's maximum, as the riff's ruler would answer.
        QObject::connect(&row, &StepWidget::getMaxLoopValue, [this](int) { return maxLoopValue; });
    }

    MetaData model;
    RiffStep row{nullptr, cachedPixmap(QStringLiteral(":/images/jam/step_select.png"))};
    int maxLoopValue = 0;
};

struct PressFilterCase
{
    const char* name;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool menu; // showContext(3)
    bool arms; // stepArmed(3)
};

class StepRowPress : public StepRow, public ::testing::WithParamInterface<PressFilterCase>
{
};

TEST_P(StepRowPress, OpensTheMenuAndArmsByButtonAndModifiers)
{
    const PressFilterCase& c = GetParam();
    QSignalSpy menu(&row, &RiffStep::showContext);
    QSignalSpy armed(&row, &RiffStep::stepArmed);
    QSignalSpy shown(&row, &RiffStep::showStepSelection);

    press(&row, inCell(3), c.buttons, c.modifiers);

    ASSERT_EQ(menu.count(), c.menu ? 1 : 0);
    if (c.menu) {
        EXPECT_EQ(menu.at(0).at(0).toInt(), 3);
    }
    ASSERT_EQ(armed.count(), c.arms ? 1 : 0);
    EXPECT_EQ(shown.count(), c.arms ? 1 : 0);
    if (c.arms) {
        EXPECT_EQ(armed.at(0).at(0).toInt(), 3);
        EXPECT_EQ(shown.at(0).at(0).toInt(), 1);
        EXPECT_TRUE(row.highlight->isBlinking());
        EXPECT_EQ(row.highlight->getArmedStep(), 3);
    }
}

// Qt's MetaModifier is the Control key, ControlModifier the Command key.
INSTANTIATE_TEST_SUITE_P(
    Table, StepRowPress,
    ::testing::Values(
        PressFilterCase{"right_click_opens_the_menu_only", Qt::RightButton, Qt::NoModifier, true, false},
        PressFilterCase{"control_click_opens_the_menu_and_arms", Qt::LeftButton, Qt::MetaModifier, true, true},
        PressFilterCase{"left_click_arms", Qt::LeftButton, Qt::NoModifier, false, true},
        PressFilterCase{"command_click_arms", Qt::LeftButton, Qt::ControlModifier, false, true},
        PressFilterCase{"control_shift_click_arms_only", Qt::LeftButton, Qt::MetaModifier | Qt::ShiftModifier,
                        false, true},
        PressFilterCase{"left_and_right_held_arms_only", Qt::LeftButton | Qt::RightButton, Qt::NoModifier, false,
                        true},
        PressFilterCase{"middle_does_nothing", Qt::MiddleButton, Qt::NoModifier, false, false}),
    RowName());

TEST_F(StepRow, PressesWaitForValidResults)
{
    model.resetMetaData();
    QSignalSpy menu(&row, &RiffStep::showContext);
    QSignalSpy armed(&row, &RiffStep::stepArmed);
    press(&row, inCell(3), Qt::RightButton);
    press(&row, inCell(3), Qt::LeftButton);
    EXPECT_EQ(menu.count(), 0);
    EXPECT_EQ(armed.count(), 0);
}

TEST_F(StepRow, WhileTheLoopHoldsOneStepAnyPressCommitsAndSetsTheFirstStep)
{
    QSignalSpy locked(&row, &RiffStep::lockSelection);
    press(&row, inCell(7), Qt::LeftButton);
    EXPECT_EQ(row.getArmedStep(), 7);
    EXPECT_FALSE(row.firstStepSet());

    press(&row, inCell(12), Qt::LeftButton);
    EXPECT_EQ(locked.count(), 1);
    EXPECT_TRUE(row.firstStepSet());
    EXPECT_EQ(row.getArmedStep(), -1);
    EXPECT_FALSE(row.highlight->isBlinking());
    EXPECT_TRUE(row.highlight->isHidden());
}

TEST_F(StepRow, WithALongerLoopOnlyTheArmedCellCommits)
{
    maxLoopValue = 2;
    row.setWhiteNumberLength(2); // three steps, all in the loop: cells 0 … 3
    QSignalSpy armed(&row, &RiffStep::stepArmed);
    QSignalSpy locked(&row, &RiffStep::lockSelection);

    press(&row, inCell(4), Qt::LeftButton);
    EXPECT_EQ(armed.count(), 0) << "beyond the next new step";
    press(&row, inCell(3), Qt::LeftButton);
    EXPECT_EQ(armed.count(), 1);
    press(&row, inCell(1), Qt::LeftButton);
    EXPECT_EQ(locked.count(), 0) << "another cell while one is armed";
    EXPECT_EQ(armed.count(), 1);
    press(&row, inCell(3), Qt::LeftButton);
    EXPECT_EQ(locked.count(), 1);
    EXPECT_FALSE(row.firstStepSet()) << "only a commit while one step loops sets it";
}

TEST_F(StepRow, CommitFromTheOverlayLengthensTheLoopBeyondTheRuler)
{
    QSignalSpy loop(&row, &StepWidget::setLoopLength);
    row.setArmedStep(0);
    row.commitStep();
    EXPECT_EQ(loop.count(), 0) << "step 0 is within the ruler";

    row.setArmedStep(5);
    EXPECT_TRUE(row.highlight->isBlinking());
    row.commitStep();
    ASSERT_EQ(loop.count(), 1);
    EXPECT_EQ(loop.at(0).at(0).toInt(), 5);
    EXPECT_EQ(row.getArmedStep(), -1);
    EXPECT_FALSE(row.highlight->isBlinking());
}

// A cell armed before a file open must not keep blinking after it, or the
// next click would commit instead of arming.
TEST_F(StepRow, ResetStopsTheHighlight)
{
    press(&row, inCell(2), Qt::LeftButton);
    row.setStep(4);
    row.setWhiteNumberLength(3);
    row.reset();
    EXPECT_EQ(row.getArmedStep(), -1);
    EXPECT_FALSE(row.highlight->isBlinking());
    EXPECT_TRUE(row.highlight->isHidden());
    EXPECT_EQ(row.getCurrentStep(), 0);
    EXPECT_EQ(row.getWhiteNumberLength(), 1);

    QSignalSpy armed(&row, &RiffStep::stepArmed);
    QSignalSpy locked(&row, &RiffStep::lockSelection);
    press(&row, inCell(0), Qt::LeftButton);
    EXPECT_EQ(armed.count(), 1);
    EXPECT_EQ(locked.count(), 0);
}

// -1 comes when riff or song playback ends: the last step must not stay
// lit.
TEST_F(StepRow, PlayingStepPastTheRowIsIgnoredAndNoStepRests)
{
    row.setStep(6);
    row.setStep(16);
    EXPECT_EQ(row.getCurrentStep(), 6);
    row.setStep(-1);
    EXPECT_EQ(row.getCurrentStep(), 0);
}

TEST_F(StepRow, HighlightBlinksWithItsTimer)
{
    press(&row, inCell(2), Qt::LeftButton);
    EXPECT_EQ(row.highlight->flashTimer->interval(), 700);
    const bool before = row.highlight->isHidden();
    row.highlight->flash();
    EXPECT_NE(row.highlight->isHidden(), before);
    row.highlight->flash();
    EXPECT_EQ(row.highlight->isHidden(), before);
}

TEST_F(StepRow, PointerMovesTheCellOutline)
{
    QSignalSpy outline(&row, &StepWidget::moveBeatOutline);
    move(&row, QPoint(95, 10), Qt::NoButton);
    ASSERT_EQ(outline.count(), 1);
    EXPECT_EQ(outline.at(0).at(0).toInt(), 95);
}

// ---- Song row ----------------------------------------------------------------

class SongRow : public ::testing::Test
{
public:
    void SetUp() override
    {
        QObject::connect(&song, &SongStep::stopSongPlayback, [this] { events.push_back("stopSongPlayback"); });
        QObject::connect(&song, &StepWidget::setLoopLength,
                         [this](int n) { events.push_back("setLoopLength(" + std::to_string(n) + ")"); });
    }

    std::vector<int> songSlots() const
    {
        const QList<int> list = song.song();
        return std::vector<int>(list.begin(), list.end());
    }

    SongStep song{nullptr, cachedPixmap(QStringLiteral(":/images/jam/song_step.png"))};
    std::vector<std::string> events;
};

TEST_F(SongRow, EmptyingTheLastSlotStopsTheSongBeforeTheCount)
{
    song.setRiffFromMenu(2, 3);
    song.setRiffFromMenu(0, 5);
    song.setRiffFromMenu(-1, 3);
    song.setRiffFromMenu(-1, 5);
    const std::vector<std::string> expected = {"setLoopLength(1)", "setLoopLength(2)", "setLoopLength(1)",
                                               "stopSongPlayback", "setLoopLength(0)"};
    EXPECT_EQ(events, expected);
}

TEST_F(SongRow, ChoicesReachTheSlotsTheLettersAndThePlayer)
{
    song.setRiffFromMenu(2, 3);
    EXPECT_EQ(song.songStepLabels[3]->text(), "<font color='#B4B4B4'>C</font>");
    const SongSource& source = song;
    EXPECT_EQ(source.riffAt(3), 2);
    EXPECT_EQ(source.riffAt(4), -1);
    EXPECT_EQ(source.riffAt(16), -1);
    song.setRiffFromMenu(4, 16);
    song.setRiff(4, -1);
    const std::vector<int> slotsNow = songSlots();
    EXPECT_EQ(std::count(slotsNow.begin(), slotsNow.end(), -1), 15) << "slots outside the song";
}

struct SessionCase
{
    const char* name;
    QStringList texts;
    std::vector<int> riffs;
};

class SongRowSession : public SongRow, public ::testing::WithParamInterface<SessionCase>
{
};

TEST_P(SongRowSession, RestoresEverySlotWithinTheRiffs)
{
    song.initFromSession(GetParam().texts);
    EXPECT_EQ(songSlots(), GetParam().riffs);
}

INSTANTIATE_TEST_SUITE_P(Table, SongRowSession,
                         ::testing::Values(SessionCase{"full_song",
                                                       {"0", "1", "2", "3", "4", "5", "-1", "-1", "0", "0", "0",
                                                        "0", "0", "0", "0", "5"},
                                                       {0, 1, 2, 3, 4, 5, -1, -1, 0, 0, 0, 0, 0, 0, 0, 5}},
                                           // Missing entries read as riff "A", as a short song element does.
                                           SessionCase{"short_list_fills_with_riff_a",
                                                       {"2", "-1"},
                                                       {2, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                                           // The player indexes its riffs by the slot value.
                                           SessionCase{"values_outside_the_riffs_empty_the_slot",
                                                       {"6", "-2", "99", "x", "", "3"},
                                                       {-1, -1, -1, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}),
                         RowName());

TEST_F(SongRow, ResetEmptiesEverySlot)
{
    song.initFromSession({"1", "2"});
    song.setStep(5);
    events.clear();
    song.reset();
    EXPECT_EQ(songSlots(), std::vector<int>(16, -1));
    EXPECT_EQ(song.getCurrentStep(), 0);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "setLoopLength(0)");
    EXPECT_EQ(song.songStepLabels[0]->text(), "<font color='#B4B4B4'>-</font>");
}

struct LetterWheelCase
{
    const char* name;
    int start;
    int notches;
    int end;
    bool told;
};

class SongLetterWheel : public SongRow, public ::testing::WithParamInterface<LetterWheelCase>
{
};

TEST_P(SongLetterWheel, StepsThroughTheRiffsAndStopsAtTheEnds)
{
    const LetterWheelCase& c = GetParam();
    SongStepLabel* label = song.songStepLabels[2];
    label->setLetter(c.start);
    QSignalSpy told(label, &SongStepLabel::setRiff);
    wheel(label, c.notches);
    EXPECT_EQ(label->getRiff(), c.end);
    EXPECT_EQ(song.riffAt(2), c.end);
    EXPECT_EQ(told.count(), c.told ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Table, SongLetterWheel,
                         ::testing::Values(LetterWheelCase{"up_from_empty", -1, 1, 0, true},
                                           LetterWheelCase{"down_to_empty", 0, -1, -1, true},
                                           LetterWheelCase{"down_stops_at_dash", -1, -1, -1, false},
                                           LetterWheelCase{"up_stops_at_f", 5, 1, 5, false}),
                         RowName());

TEST_F(SongRow, PressAsksForTheChooserOfTheSlot)
{
    song.resize(480, 30);
    QSignalSpy menu(&song, &SongStep::showSongMenu);
    press(&song, inCell(9), Qt::RightButton);
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.at(0).at(0).toInt(), 9);
}

TEST(SongChooser, TheRowUnderThePointerIsChosen)
{
    SongStepSelector chooser(nullptr);
    chooser.showMenu(4);
    QSignalSpy chosen(&chooser, &SongStepSelector::setRiff);

    move(&chooser, QPoint(20, 40), Qt::NoButton);
    EXPECT_EQ(chooser.getRow(), 2);
    EXPECT_EQ(chooser.highlightPos(), QPoint(7, 41));
    move(&chooser, QPoint(20, 100), Qt::NoButton);
    EXPECT_EQ(chooser.getRow(), 2) << "below the sixth letter";

    press(&chooser, QPoint(20, 100), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2);
    EXPECT_EQ(chosen.at(0).at(1).toInt(), 4);
    EXPECT_EQ(chooser.getStep(), -1);
    EXPECT_TRUE(chooser.isHidden());
}

// ---- Loop-length ruler ----------------------------------------------------------

class Ruler : public ::testing::Test
{
public:
    void SetUp() override
    {
        ruler.resize(480, 10);
        QObject::connect(&ruler, &LoopLengthWidget::firstStepSet, [this] { return firstStep; });
        QObject::connect(&ruler, &LoopLengthWidget::setLoopLength,
                         [this](int n) { events.push_back("setLoopLength(" + std::to_string(n) + ")"); });
        QObject::connect(&ruler, &LoopLengthWidget::extendLoop,
                         [this](int n) { events.push_back("extendLoop(" + std::to_string(n) + ")"); });
        ruler.setFromSession(2, 4);
        events.clear();
    }

    LoopLengthWidget ruler{nullptr};
    bool firstStep = true;
    std::vector<std::string> events;
};

TEST_F(Ruler, CommandPressBeyondTheRiffExtendsItThenSetsTheLoop)
{
    press(&ruler, QPoint(200, 5), Qt::LeftButton, Qt::ControlModifier);
    const std::vector<std::string> expected = {"extendLoop(6)", "setLoopLength(6)"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(ruler.getMaxLoopValue(), 6);
}

TEST_F(Ruler, PressesWaitForTheFirstStepButDragsDoNot)
{
    firstStep = false;
    press(&ruler, QPoint(35, 5), Qt::LeftButton);
    EXPECT_TRUE(events.empty());
    move(&ruler, QPoint(35, 5), Qt::LeftButton);
    EXPECT_EQ(events, std::vector<std::string>{"setLoopLength(1)"});
}

TEST_F(Ruler, OnlyTheLeftButtonAloneActsAndCommandMustBeAlone)
{
    press(&ruler, QPoint(35, 5), Qt::RightButton);
    press(&ruler, QPoint(35, 5), Qt::LeftButton | Qt::RightButton);
    move(&ruler, QPoint(35, 5), Qt::RightButton);
    EXPECT_TRUE(events.empty());
    press(&ruler, QPoint(200, 5), Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(events, std::vector<std::string>{"setLoopLength(4)"});
}

TEST_F(Ruler, WheelStepsWithinTheRiff)
{
    wheel(&ruler, 1);
    wheel(&ruler, 1);
    wheel(&ruler, 1);
    wheel(&ruler, -1);
    const std::vector<std::string> expected = {"setLoopLength(3)", "setLoopLength(4)", "setLoopLength(3)"};
    EXPECT_EQ(events, expected);
}

} // namespace
