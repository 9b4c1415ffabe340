// Chord diagrams, the grids of detected chords and the neck, chord-type and
// scroll controls.
#include "ChordTabButtons.h"
#include "ChordTestSupport.h"
#include "ChordWidget.h"
#include "ChordsContainer.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

struct Sheets
{
    QPixmap open = colouredSheet(false);
    QPixmap power = colouredSheet(true);
};

// ---- The cell a diagram cuts -------------------------------------------------

struct CellCase
{
    const char* name;
    QSize size;
    int chordType; // sheet chosen before setChord; -1 keeps the open one
    int index;
    bool store;
    int shown;  // expected shown index (-1: bare neck)
    int stored; // expected stored index
};

class DiagramCell : public ::testing::TestWithParam<CellCase>
{
};

TEST_P(DiagramCell, ShowsTheCellOfTheSheetInUse)
{
    const CellCase c = GetParam();
    Sheets sheets;
    ChordWidget diagram(nullptr, &sheets.open, &sheets.power, true);
    diagram.resize(c.size);
    if (c.chordType >= 0)
        diagram.setChordType(c.chordType);
    diagram.setChord(7, true);

    diagram.setChord(c.index, c.store);

    EXPECT_EQ(diagram.shownIndex(), c.shown);
    EXPECT_EQ(diagram.storedIndex(), c.stored);
    EXPECT_EQ(diagram.chordVisible(), c.shown >= 0);
    if (c.shown >= 0) {
        EXPECT_EQ(centreColour(diagram), cellColour(c.shown, c.chordType == 1));
    } else {
        EXPECT_NE(centreColour(diagram), cellColour(7, false)); // the old cell is gone
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DiagramCell,
                         ::testing::Values(CellCase{"first_cell", {126, 264}, -1, 0, true, 0, 0},
                                           CellCase{"shown_not_stored", {126, 264}, -1, 5, false, 5, 7},
                                           CellCase{"last_cell", {126, 264}, -1, 83, true, 83, 83},
                                           CellCase{"grid_size_scaled", {47, 105}, -1, 40, true, 40, 40},
                                           CellCase{"power_sheet", {126, 264}, 1, 14, true, 14, 14},
                                           CellCase{"minus_one_bare", {126, 264}, -1, -1, true, -1, -1},
                                           CellCase{"past_the_sheet_bare", {126, 264}, -1, 84, true, -1, -1},
                                           CellCase{"negative_bare", {126, 264}, -1, -13, false, -1, 7}),
                         RowName());

TEST(DiagramChordType, PowerThenOtherValuesKeepTheSheetAndStoreTheShownChord)
{
    Sheets sheets;
    ChordWidget diagram(nullptr, &sheets.open, &sheets.power, true);
    diagram.resize(126, 264);
    diagram.setChord(3, true);
    diagram.setChord(14, false);

    diagram.setChordType(1);
    EXPECT_TRUE(diagram.onPowerSheet());
    EXPECT_EQ(diagram.storedIndex(), 14);
    EXPECT_EQ(centreColour(diagram), cellColour(14, true));

    diagram.setChordType(5);
    EXPECT_TRUE(diagram.onPowerSheet());

    diagram.setChordType(0);
    EXPECT_FALSE(diagram.onPowerSheet());
    EXPECT_EQ(centreColour(diagram), cellColour(14, false));
}

TEST(DiagramNeck, ZeroToThreeTakeTheirPictureOthersChangeNothing)
{
    Sheets sheets;
    ChordWidget diagram(nullptr, &sheets.open, &sheets.power, true);
    ASSERT_FALSE(diagram.pixmap(Qt::ReturnByValue).isNull());
    EXPECT_EQ(diagram.pixmap(Qt::ReturnByValue).cacheKey(), ChordWidget::neckPicture(Wire).cacheKey());

    for (int neck : {Ebony, Alder, Maple, Wire}) {
        diagram.setNeckType(neck);
        EXPECT_EQ(diagram.pixmap(Qt::ReturnByValue).cacheKey(), ChordWidget::neckPicture(neck).cacheKey()) << neck;
        EXPECT_FALSE(ChordWidget::neckPicture(neck).isNull());
    }
    diagram.setNeckType(Maple);
    diagram.setNeckType(4);
    diagram.setNeckType(-1);
    EXPECT_EQ(diagram.pixmap(Qt::ReturnByValue).cacheKey(), ChordWidget::neckPicture(Maple).cacheKey());
}

TEST(DiagramMouse, GridDiagramsLetEventsThroughTheFinderKeepsItsWheel)
{
    Sheets sheets;
    QWidget parent;
    parent.resize(300, 300);
    auto* passive = new ChordWidget(&parent, &sheets.open, &sheets.power, false);
    passive->setGeometry(0, 0, 47, 105);
    auto* finder = new ChordWidget(&parent, &sheets.open, &sheets.power, true);
    finder->setGeometry(100, 0, 122, 217);

    // Hit-testing (which mouse and wheel delivery use) skips the grid diagram.
    EXPECT_EQ(parent.childAt(20, 50), nullptr);
    EXPECT_EQ(parent.childAt(150, 50), finder);

    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    event.ignore();
    QApplication::sendEvent(finder, &event);
    EXPECT_TRUE(event.isAccepted());
}

// ---- The grids ---------------------------------------------------------------

struct GridFixture
{
    Sheets sheets;
    std::unique_ptr<ChordsContainer> container = std::make_unique<ChordsContainer>(nullptr);

    GridFixture() { container->setFixedSize(222, 210); }

    QVector<ChordWidget*> diagrams(int count, int firstIndex = 0)
    {
        QVector<ChordWidget*> list;
        for (int k = 0; k < count; ++k) {
            auto* diagram = new ChordWidget(nullptr, &sheets.open, &sheets.power, false);
            diagram->setFixedSize(47, 105);
            diagram->setChord((firstIndex + k) % 84, true);
            list.append(diagram);
        }
        return list;
    }

    void build(int open, int power) { container->initChords(diagrams(open), diagrams(power)); }
};

struct HolderCase
{
    const char* name;
    int chords;
    QSize holder;
};

class GridHolder : public ::testing::TestWithParam<HolderCase>
{
};

TEST_P(GridHolder, SizedFromItsGridBeforeItIsEverShown)
{
    const HolderCase c = GetParam();
    GridFixture f;
    f.build(c.chords, 1);

    EXPECT_EQ(f.container->openHolder()->size(), c.holder);
    EXPECT_FALSE(f.container->openHolder()->isHidden());
    EXPECT_TRUE(f.container->powerHolder()->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Table, GridHolder,
                         ::testing::Values(HolderCase{"one", 1, {47, 105}}, HolderCase{"four", 4, {215, 105}},
                                           HolderCase{"eight", 8, {215, 212}}, HolderCase{"nine", 9, {215, 319}},
                                           HolderCase{"all", 84, {215, 21 * 105 + 20 * 2}}),
                         RowName());

TEST(GridBuild, DiagramsGoRowByRowOnTheirSheetsAndStoreTheirChords)
{
    GridFixture f;
    QVector<ChordWidget*> power = f.diagrams(2, 30);
    power[0]->setChordType(0);
    f.container->initChords(f.diagrams(6, 10), power);

    const auto& open = f.container->openChords();
    ASSERT_EQ(open.size(), 6);
    EXPECT_EQ(open[5]->parentWidget(), f.container->openHolder());
    EXPECT_EQ(open[5]->pos(), QPoint(56, 107)); // row 1, column 1
    EXPECT_EQ(open[5]->storedIndex(), 15);
    EXPECT_FALSE(open[5]->onPowerSheet());
    EXPECT_TRUE(f.container->powerChords()[0]->onPowerSheet());
    EXPECT_EQ(f.container->powerChords()[1]->storedIndex(), 31);
}

TEST(GridBuild, ARebuildLeavesOnePairOfHoldersAndDeletesTheOldDiagrams)
{
    GridFixture f;
    f.build(9, 3);
    QPointer<ChordWidget> oldOpen = f.container->openChords().first();
    QPointer<ChordWidget> oldPower = f.container->powerChords().first();
    f.build(9, 3);
    f.build(5, 2);

    EXPECT_TRUE(oldOpen.isNull());
    EXPECT_TRUE(oldPower.isNull());
    EXPECT_EQ(f.container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    EXPECT_EQ(f.container->findChildren<ChordWidget*>().size(), 7);
}

TEST(GridNeck, EveryDiagramOfBothGridsTakesTheNeck)
{
    GridFixture f;
    f.build(5, 3);
    f.container->changeNeck(Alder);
    f.container->changeNeck(9);
    for (const auto* list : {&f.container->openChords(), &f.container->powerChords()})
        for (ChordWidget* diagram : *list)
            EXPECT_EQ(diagram->pixmap(Qt::ReturnByValue).cacheKey(), ChordWidget::neckPicture(Alder).cacheKey());
}

TEST(GridSwitch, OneTwoAndOtherValues)
{
    GridFixture f;
    f.build(5, 3);
    f.container->switchChordType(1);
    EXPECT_TRUE(f.container->openHolder()->isHidden());
    EXPECT_FALSE(f.container->powerHolder()->isHidden());
    f.container->switchChordType(2);
    EXPECT_FALSE(f.container->powerHolder()->isHidden());
    f.container->switchChordType(0);
    EXPECT_FALSE(f.container->openHolder()->isHidden());
    EXPECT_TRUE(f.container->powerHolder()->isHidden());
}

// ---- Scrolling -----------------------------------------------------------------

enum class Scroll { Up, Down, WheelUp, WheelDown, WheelZero };

struct ScrollCase
{
    const char* name;
    int chords;
    int downsFirst; // scrollDown() calls before the action
    Scroll action;
    int repeat;
    int position;
};

class GridScroll : public ::testing::TestWithParam<ScrollCase>
{
};

TEST_P(GridScroll, StepsOfTwentyWithinTheGridsLimits)
{
    const ScrollCase c = GetParam();
    GridFixture f;
    f.build(c.chords, 1);
    for (int i = 0; i < c.downsFirst; ++i)
        f.container->scrollDown();

    for (int i = 0; i < c.repeat; ++i) {
        switch (c.action) {
        case Scroll::Up:
            f.container->scrollUp();
            break;
        case Scroll::Down:
            f.container->scrollDown();
            break;
        case Scroll::WheelUp:
            wheelBy(f.container.get(), 120);
            break;
        case Scroll::WheelDown:
            wheelBy(f.container.get(), -120);
            break;
        case Scroll::WheelZero:
            wheelBy(f.container.get(), 0);
            break;
        }
    }

    EXPECT_EQ(f.container->openPosition(), c.position);
    EXPECT_EQ(f.container->openHolder()->y(), c.position);
}

// 210-pixel container: 9 chords (319 high) end at the first multiple of 20
// at or below 210 - 319 = -109, that is -120; 8 chords (212) at -20.
INSTANTIATE_TEST_SUITE_P(Table, GridScroll,
                         ::testing::Values(ScrollCase{"up_at_top_does_nothing", 9, 0, Scroll::Up, 1, 0},
                                           ScrollCase{"short_grid_never_moves", 4, 0, Scroll::Down, 3, 0},
                                           ScrollCase{"eight_chords_one_step", 8, 0, Scroll::Down, 5, -20},
                                           ScrollCase{"nine_chords_down_to_limit", 9, 0, Scroll::Down, 20, -120},
                                           ScrollCase{"one_step_down", 9, 0, Scroll::Down, 1, -20},
                                           ScrollCase{"back_up_to_top", 9, 6, Scroll::Up, 10, 0},
                                           ScrollCase{"wheel_down", 9, 0, Scroll::WheelDown, 2, -40},
                                           ScrollCase{"wheel_up", 9, 3, Scroll::WheelUp, 1, -40},
                                           ScrollCase{"wheel_zero", 9, 2, Scroll::WheelZero, 1, -40},
                                           ScrollCase{"empty_grid", 0, 0, Scroll::Down, 2, 0}),
                         RowName());

TEST(GridScroll, TheShownGridScrollsTheOtherKeepsItsPosition)
{
    GridFixture f;
    f.build(9, 12);
    f.container->scrollDown();
    f.container->switchChordType(1);
    f.container->scrollDown();
    f.container->scrollDown();

    EXPECT_EQ(f.container->openPosition(), -20);
    EXPECT_EQ(f.container->powerPosition(), -40);
    EXPECT_EQ(f.container->powerHolder()->y(), -40);
}

struct SessionCase
{
    const char* name;
    int open;
    int power;
    int expectedOpen;
    int expectedPower;
};

class GridSession : public ::testing::TestWithParam<SessionCase>
{
};

TEST_P(GridSession, PositionsComeBackWithinTheLimitsBeforeTheContainerIsShown)
{
    const SessionCase c = GetParam();
    GridFixture f;
    f.build(9, 12); // limits -120 (319 high) and -120 (319 high)

    f.container->setSessionScrollSettings(c.open, c.power);

    ASSERT_FALSE(f.container->isVisible());
    EXPECT_EQ(f.container->openPosition(), c.expectedOpen);
    EXPECT_EQ(f.container->powerPosition(), c.expectedPower);
    EXPECT_EQ(f.container->openHolder()->y(), c.expectedOpen);
    EXPECT_EQ(f.container->powerHolder()->y(), c.expectedPower);
    EXPECT_TRUE(f.container->openHolder()->isHidden());
    EXPECT_FALSE(f.container->powerHolder()->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Table, GridSession,
    ::testing::Values(SessionCase{"top", 0, 0, 0, 0}, SessionCase{"one_step", -20, -40, -20, -40},
                      SessionCase{"two_steps", -40, -20, -40, -20},
                      SessionCase{"past_the_limit", -400, -140, -120, -120},
                      SessionCase{"above_zero", 45, 2000, 0, 0},
                      SessionCase{"smallest_int", std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
                                  -120, -120},
                      SessionCase{"largest_int", std::numeric_limits<int>::max(), -20, 0, -20},
                      SessionCase{"part_step_rounds_to_a_step", -19, -39, -20, -40}),
    RowName());

// ---- The neck box ------------------------------------------------------------------

struct NeckCase
{
    const char* name;
    int from;
    int cursorX;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    int to;
    int emitted; // count of neckTypeChanged
};

class NeckBox : public ::testing::TestWithParam<NeckCase>
{
};

TEST_P(NeckBox, PressStepsByTheEndUnderThePointer)
{
    const NeckCase c = GetParam();
    NeckTypeWidget box(nullptr);
    box.setNeckType(c.from);
    box.overrideCursorX(c.cursorX);
    QSignalSpy changed(&box, &NeckTypeWidget::neckTypeChanged);

    press(&box, QPoint(c.cursorX, 10), c.buttons, c.modifiers);
    release(&box, QPoint(c.cursorX, 10), Qt::LeftButton);

    EXPECT_EQ(box.neckType(), c.to);
    ASSERT_EQ(changed.count(), c.emitted);
    if (c.emitted) {
        EXPECT_EQ(changed.at(0).at(0).toInt(), c.to);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NeckBox,
    ::testing::Values(NeckCase{"plus_from_wire", 0, 80, Qt::LeftButton, Qt::NoModifier, 1, 1},
                      NeckCase{"plus_from_maple_wraps", 3, 69, Qt::LeftButton, Qt::NoModifier, 0, 1},
                      NeckCase{"minus_from_wire_wraps", 0, 23, Qt::LeftButton, Qt::NoModifier, 3, 1},
                      NeckCase{"minus_from_alder", 2, 5, Qt::LeftButton, Qt::NoModifier, 1, 1},
                      NeckCase{"middle_left_edge", 2, 24, Qt::LeftButton, Qt::NoModifier, 2, 0},
                      NeckCase{"middle_right_edge", 2, 68, Qt::LeftButton, Qt::NoModifier, 2, 0},
                      NeckCase{"right_click_resets", 2, 80, Qt::RightButton, Qt::NoModifier, 0, 1},
                      NeckCase{"right_click_at_wire_still_emits", 0, 80, Qt::RightButton, Qt::NoModifier, 0, 1},
                      NeckCase{"meta_left_resets", 3, 5, Qt::LeftButton, Qt::MetaModifier, 0, 1},
                      NeckCase{"middle_button_nothing", 1, 80, Qt::MiddleButton, Qt::NoModifier, 1, 0}),
    RowName());

struct NeckWheelCase
{
    const char* name;
    int from;
    int delta;
    int to;
    int emitted;
};

class NeckWheel : public ::testing::TestWithParam<NeckWheelCase>
{
};

TEST_P(NeckWheel, StepsRoundAtBothEnds)
{
    const NeckWheelCase c = GetParam();
    NeckTypeWidget box(nullptr);
    box.setNeckType(c.from);
    QSignalSpy changed(&box, &NeckTypeWidget::neckTypeChanged);

    wheelBy(&box, c.delta);

    EXPECT_EQ(box.neckType(), c.to);
    EXPECT_EQ(changed.count(), c.emitted);
}

INSTANTIATE_TEST_SUITE_P(Table, NeckWheel,
                         ::testing::Values(NeckWheelCase{"down_from_wire", 0, -120, 3, 1},
                                           NeckWheelCase{"up_from_maple", 3, 120, 0, 1},
                                           NeckWheelCase{"small_up", 1, 1, 2, 1},
                                           NeckWheelCase{"zero", 2, 0, 2, 0}),
                         RowName());

TEST(NeckBoxHold, AHeldPressStepsOnceAndShowsTheEndItPressed)
{
    NeckTypeWidget box(nullptr);
    box.overrideCursorX(80);
    QSignalSpy changed(&box, &NeckTypeWidget::neckTypeChanged);

    press(&box, QPoint(80, 10), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::plain().up);
    QTest::qWait(StepBox::repeatDelayMs + 4 * StepBox::repeatIntervalMs);
    release(&box, QPoint(80, 10), Qt::LeftButton);

    EXPECT_EQ(box.neckType(), 1);
    EXPECT_EQ(changed.count(), 1) << "no auto-repeat";
    EXPECT_EQ(box.currentPicture(), StepBox::Pictures::plain().rest);
}

TEST(NeckBoxValues, OutOfRangeValuesAreWire)
{
    NeckTypeWidget box(nullptr);
    QSignalSpy changed(&box, &NeckTypeWidget::neckTypeChanged);
    for (int value : {4, -1, 1000, std::numeric_limits<int>::min()}) {
        box.setNeckType(2);
        box.setNeckType(value);
        EXPECT_EQ(box.neckType(), 0) << value;
        EXPECT_EQ(changed.last().at(0).toInt(), 0) << value;
    }
}

TEST(NeckBoxLook, TheDotOfTheNeckIsOrangeTheOthersGrey)
{
    NeckTypeWidget box(nullptr);
    box.setNeckType(Alder);
    const QImage image = box.grab().toImage();
    const QColor on = image.pixelColor(51, 10);
    const QColor off = image.pixelColor(31, 10);
    EXPECT_GT(on.red() - on.blue(), 100);
    EXPECT_LT(std::abs(off.red() - off.blue()), 30);
}

// ---- The open/power pair and the arrows ------------------------------------------

TEST(ChordTypePair, OnlyTheUnlitButtonActsAndItAnnouncesItsType)
{
    ChordTypeButton open(nullptr, true);
    ChordTypeButton power(nullptr, false);
    QObject::connect(&open, &ChordTypeButton::useOpenChords, &power, &ChordTypeButton::disableButton);
    QObject::connect(&power, &ChordTypeButton::usePowerChords, &open, &ChordTypeButton::disableButton);
    QSignalSpy openType(&open, &ChordTypeButton::setChordType);
    QSignalSpy powerType(&power, &ChordTypeButton::setChordType);
    QSignalSpy usePower(&power, &ChordTypeButton::usePowerChords);
    ASSERT_TRUE(open.isLit());
    ASSERT_FALSE(power.isLit());

    press(&open, QPoint(5, 5), Qt::LeftButton);
    release(&open, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(openType.count(), 0);

    press(&power, QPoint(5, 5), Qt::LeftButton);
    release(&power, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(usePower.count(), 1);
    ASSERT_EQ(powerType.count(), 1);
    EXPECT_EQ(powerType.at(0).at(0).toInt(), 1);
    EXPECT_TRUE(power.isLit());
    EXPECT_FALSE(open.isLit());

    press(&power, QPoint(5, 5), Qt::LeftButton);
    release(&power, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(powerType.count(), 1);

    press(&open, QPoint(5, 5), Qt::LeftButton);
    release(&open, QPoint(5, 5), Qt::LeftButton);
    ASSERT_EQ(openType.count(), 1);
    EXPECT_EQ(openType.at(0).at(0).toInt(), 0);
    EXPECT_TRUE(open.isLit());
    EXPECT_FALSE(power.isLit());
}

TEST(ScrollArrow, PressedFrameWhileHeld)
{
    ChordsScrollButton arrow(nullptr, true);
    arrow.resize(61, 12);
    press(&arrow, QPoint(5, 5), Qt::LeftButton);
    EXPECT_TRUE(arrow.isShownPressed());
    release(&arrow, QPoint(5, 5), Qt::LeftButton);
    EXPECT_FALSE(arrow.isShownPressed());
}

} // namespace
