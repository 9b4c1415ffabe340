// The chords tab over a model filled on the GUI thread: the current and next
// chord, the grid of detected chords under key shift and capo, sessions,
// reset, the finder and the filter page.
#include "ChordsTab.h"
#include "BeatLead.h"
#include "ChordFilterWidget.h"
#include "ChordStepBoxes.h"
#include "ChordTabButtons.h"
#include "ChordTestSupport.h"
#include "ChordWidget.h"
#include "ChordsContainer.h"
#include "CustomButton.h"
#include "Dot.h"
#include "FinderRolls.h"
#include "MetaData.h"
#include "MouseEvents.h"
#include "PlayerTestSupport.h"
#include "RowName.h"

#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace {

struct TabFixture
{
    MetaData model;
    std::unique_ptr<ChordsTab> tab = std::make_unique<ChordsTab>(nullptr);

    TabFixture() { tab->initMetaData(&model); }

    // Installs a result as the analysis would, on the GUI thread.
    void load(const QVector<QString>& sequence, const QVector<QString>& detected)
    {
        AnalysisResult result;
        result.bpm = 120.0f;
        for (int i = 0; i <= sequence.size(); ++i)
            result.beats.append(float(10000 + 22050 * i));
        result.chordVec = sequence;
        result.chordVecDetected = detected;
        model.handOver(result);
        ASSERT_TRUE(model.metaDataValid.load());
    }

    void loadDetected(const QVector<QString>& detected)
    {
        load(names({"-", "A", "A", "-"}), detected);
        tab->initDetectedChords();
    }

    void beat(int index)
    {
        model.currentBeat.store(index);
        emit model.changeBeat();
    }

    void pressChordType(bool power)
    {
        ChordTypeButton* button = power ? tab->powerChordsButton : tab->openChordsButton;
        press(button, QPoint(5, 5), Qt::LeftButton);
        release(button, QPoint(5, 5), Qt::LeftButton);
    }

    std::vector<int> shown(bool power) const
    {
        std::vector<int> indexes;
        const auto& list = power ? tab->chordsContainer->powerChords() : tab->chordsContainer->openChords();
        for (const ChordWidget* d : list)
            indexes.push_back(d->shownIndex());
        return indexes;
    }

    std::vector<int> stored(bool power) const
    {
        std::vector<int> indexes;
        const auto& list = power ? tab->chordsContainer->powerChords() : tab->chordsContainer->openChords();
        for (const ChordWidget* d : list)
            indexes.push_back(d->storedIndex());
        return indexes;
    }
};

QString beatsText(int count)
{
    return QStringLiteral("<font color='#929292'>%1</font>").arg(count);
}

// ---- Current and next chord --------------------------------------------------

struct BeatCase
{
    const char* name;
    bool power;
    QVector<QString> sequence;
    int beat;
    float keyShift;
    int current; // shown index of the current diagram, -1 bare
    int next;
    int count;
};

class TabBeat : public ::testing::TestWithParam<BeatCase>
{
};

TEST_P(TabBeat, CurrentAndNextDiagramsAndTheBeatsUntilTheChange)
{
    const BeatCase c = GetParam();
    TabFixture f;
    f.load(c.sequence, names({"C"}));
    if (c.power)
        f.pressChordType(true);
    f.tab->setChordKeyShift(c.keyShift);

    f.beat(c.beat);

    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), c.current);
    EXPECT_EQ(f.tab->currentChordWidget->storedIndex(), c.current);
    EXPECT_EQ(f.tab->currentChordWidget->chordVisible(), c.current >= 0);
    EXPECT_EQ(f.tab->nextChordWidget->shownIndex(), c.next);
    EXPECT_EQ(f.tab->nextChordWidget->chordVisible(), c.next >= 0);
    EXPECT_EQ(f.tab->beatsLabel->text(), beatsText(c.count));
    EXPECT_EQ(f.tab->currentChordWidget->onPowerSheet(), c.power);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabBeat,
    ::testing::Values(BeatCase{"open_next_change", false, names({"-", "C", "C", "G", "Am"}), 1, 0, 3, 10, 2},
                      BeatCase{"power_C_Cm_Csharpm", true, names({"-", "C", "Cm", "C#m", "-"}), 1, 0, 3, 4, 2},
                      BeatCase{"power_Bb_Bbm_Asus4", true, names({"-", "Bb", "Bbm", "Asus4", "-"}), 1, 0, 1, 0, 2},
                      BeatCase{"open_last_chord_to_the_end", false, names({"-", "G", "D", "D"}), 2, 0, 5, -1, 0},
                      BeatCase{"open_no_index_bare_neck", false, names({"-", "Cdim", "C"}), 1, 0, -1, 3, 1},
                      BeatCase{"intro_bare_current", false, names({"-", "-", "E"}), 0, 0, -1, 7, 2},
                      BeatCase{"shifted_by_key", false, names({"-", "A", "G#m"}), 1, 2, 2, 13, 1},
                      BeatCase{"power_shifted", true, names({"-", "Am", "Em"}), 1, -2, 10, 5, 1}),
    RowName());

TEST(TabBeatStale, AQueuedBeatAfterTheResetChangesNothing)
{
    TabFixture f;
    f.load(names({"-", "C", "G", "G", "-"}), names({"C", "G"}));
    f.beat(1);
    ASSERT_EQ(f.tab->currentChordWidget->shownIndex(), 3);

    // A new file: the model keeps its chord lists but is no longer valid.
    f.model.resetMetaData();
    f.tab->resetChordsTab();
    f.model.currentBeat.store(2);
    emit f.model.changeBeat();

    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), -1);
    EXPECT_EQ(f.tab->nextChordWidget->shownIndex(), -1);
    EXPECT_EQ(f.tab->beatsLabel->text(), "");
}

TEST(TabBeatStale, ABeatBeyondTheSequenceChangesNothing)
{
    TabFixture f;
    f.load(names({"-", "C", "G", "-"}), names({"C", "G"}));
    f.beat(1);
    for (int beat : {4, 400, -1, std::numeric_limits<int>::min()}) {
        f.beat(beat);
        EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), 3) << beat;
        EXPECT_EQ(f.tab->beatsLabel->text(), beatsText(1)) << beat;
    }
}

// While nothing plays no beat changes: the large diagrams must follow the
// key shift, the capo and the chord shapes at once.
struct PausedCase
{
    const char* name;
    std::function<void(TabFixture&)> change;
    int current;
    int next;
};

class TabPaused : public ::testing::TestWithParam<PausedCase>
{
};

TEST_P(TabPaused, TheLargeDiagramsFollowAtOnce)
{
    TabFixture f;
    f.load(names({"-", "Am", "Am", "Em"}), names({"Am", "Em"}));
    f.beat(1);
    ASSERT_EQ(f.tab->currentChordWidget->shownIndex(), 12);

    GetParam().change(f);

    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), GetParam().current);
    EXPECT_EQ(f.tab->nextChordWidget->shownIndex(), GetParam().next);
    EXPECT_EQ(f.tab->beatsLabel->text(), beatsText(2));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabPaused,
    ::testing::Values(PausedCase{"key_shift_box",
                                 [](TabFixture& f) {
                                     for (int i = 0; i < 3; ++i)
                                         wheelBy(f.tab->keyShiftWidget, 120);
                                 },
                                 15, 22},
                      PausedCase{"key_shift_from_the_tools_tab",
                                 [](TabFixture& f) { f.tab->keyShiftWidget->updateKeyShift(-1.0f); }, 23, 18},
                      // Capo 2: the shapes two frets lower, G minor and D minor.
                      PausedCase{"capo_box",
                                 [](TabFixture& f) {
                                     wheelBy(f.tab->capoWidget, 120);
                                     wheelBy(f.tab->capoWidget, 120);
                                 },
                                 22, 17},
                      PausedCase{"power_chords", [](TabFixture& f) { f.pressChordType(true); }, 0, 7},
                      PausedCase{"session_chord_type",
                                 [](TabFixture& f) {
                                     f.tab->setChordTabFromSession({"1", "0", "0", "0", "0", "0"});
                                 },
                                 0, 7}),
    RowName());

// ---- The grid of detected chords -------------------------------------------------

struct ArrowCase
{
    const char* name;
    QVector<QString> detected;
    bool arrows;
};

class TabArrows : public ::testing::TestWithParam<ArrowCase>
{
};

TEST_P(TabArrows, ShownForMoreThanEightNonEmptyNames)
{
    TabFixture f;
    f.tab->scrollUpButton->show(); // a previous recording's state
    f.loadDetected(GetParam().detected);
    EXPECT_EQ(!f.tab->scrollUpButton->isHidden(), GetParam().arrows);
    EXPECT_EQ(!f.tab->scrollDownButton->isHidden(), GetParam().arrows);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabArrows,
    ::testing::Values(ArrowCase{"eight", names({"A", "B", "C", "D", "E", "F", "G", "Am"}), false},
                      ArrowCase{"nine", names({"A", "B", "C", "D", "E", "F", "G", "Am", "Bm"}), true},
                      ArrowCase{"eight_and_empties", names({"A", "", "B", "C", "D", "E", "", "F", "G", "Am"}),
                                false},
                      ArrowCase{"empty", {}, false}),
    RowName());

TEST(TabGrid, NineChordsFillAHolderOf215By319BeforeTheTabIsShown)
{
    TabFixture f;
    f.loadDetected(names({"A", "B", "C", "D", "E", "F", "G", "Am", "Bm"}));
    ASSERT_FALSE(f.tab->isVisible());
    EXPECT_EQ(f.tab->chordsContainer->openHolder()->size(), QSize(215, 319));
    EXPECT_EQ(f.tab->chordsStack->geometry(), QRect(79, 78, 222, 210));
    EXPECT_EQ(f.tab->chordsStack->currentIndex(), 0);
    EXPECT_FALSE(f.tab->chordsContainer->isHidden());
}

TEST(TabGrid, OpenDiagramPerNamePowerDiagramPerRoot)
{
    TabFixture f;
    f.loadDetected(names({"Am", "", "A", "Bbm7", "C#sus4", "Bb", "-"}));
    EXPECT_EQ(f.stored(false), std::vector<int>({12, 0, 73, 40, 1, -1}));
    // Roots "A", "Bb", "C#", "-" in order of first appearance.
    EXPECT_EQ(f.stored(true), std::vector<int>({0, 1, 4, -1}));
}

struct GridShiftCase
{
    const char* name;
    float keyShift;
    float capo;
    std::vector<int> open;
    std::vector<int> power;
};

class TabGridShift : public ::testing::TestWithParam<GridShiftCase>
{
};

TEST_P(TabGridShift, ShownShiftedStoredUnshiftedChordlessCellsBare)
{
    const GridShiftCase c = GetParam();
    TabFixture f;
    f.loadDetected(names({"A", "Am7", "G#m", "-", "Cdim"}));
    f.tab->setChordKeyShift(c.keyShift);
    f.tab->setCapoShift(c.capo);

    EXPECT_EQ(f.shown(false), c.open);
    EXPECT_EQ(f.shown(true), c.power);
    EXPECT_EQ(f.stored(false), std::vector<int>({0, 72, 23, -1, -1}));
    for (const ChordWidget* d : f.tab->chordsContainer->openChords())
        EXPECT_EQ(d->chordVisible(), d->storedIndex() >= 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabGridShift,
    ::testing::Values(GridShiftCase{"none", 0, 0, {0, 72, 23, -1, -1}, {0, 11, -1, 3}},
                      GridShiftCase{"up_2", 2, 0, {2, 74, 13, -1, -1}, {2, 1, -1, 5}},
                      GridShiftCase{"down_2", -2, 0, {10, 82, 21, -1, -1}, {10, 9, -1, 1}},
                      GridShiftCase{"capo_3", 0, 3, {9, 81, 20, -1, -1}, {9, 8, -1, 0}},
                      GridShiftCase{"minus_12_capo_11", -12, 11, {1, 73, 12, -1, -1}, {1, 0, -1, 4}},
                      GridShiftCase{"fraction_2_6", 2.6f, 0, {3, 75, 14, -1, -1}, {3, 2, -1, 6}}),
    RowName());

TEST(TabGrid, ARebuildUnderAKeyShiftIsShiftedOnceAndLaterShiftsStartFromTheChords)
{
    TabFixture f;
    f.loadDetected(names({"A", "C"}));
    f.tab->setChordKeyShift(2);
    // A chord edit rebuilds the grid from the model.
    f.model.chordVecDetected.append("E");
    f.tab->initDetectedChords();
    EXPECT_EQ(f.shown(false), std::vector<int>({2, 5, 9}));
    f.tab->setChordKeyShift(-1);
    EXPECT_EQ(f.shown(false), std::vector<int>({11, 2, 6}));
}

TEST(TabGrid, TwoRebuildsLeaveOnePairOfHoldersAndGiveTheSameGrid)
{
    TabFixture f;
    f.loadDetected(names({"A", "C", "E", "G"}));
    const auto first = f.stored(false);
    f.tab->initDetectedChords();
    f.tab->initDetectedChords(0);
    EXPECT_EQ(f.stored(false), first);
    EXPECT_EQ(f.tab->chordsContainer->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    EXPECT_EQ(f.tab->chordsContainer->findChildren<ChordWidget*>().size(), 4 + 4);
}

TEST(TabGrid, ARebuildInPowerModeShowsThePowerGrid)
{
    TabFixture f;
    f.loadDetected(names({"A", "C"}));
    f.pressChordType(true);
    f.tab->initDetectedChords();
    EXPECT_TRUE(f.tab->chordsContainer->openHolder()->isHidden());
    EXPECT_FALSE(f.tab->chordsContainer->powerHolder()->isHidden());
    EXPECT_TRUE(f.tab->powerChordsButton->isLit());
}

TEST(TabGrid, TheGridTakesTheNeckInForce)
{
    TabFixture f;
    f.tab->neckTypeWidget->setNeckType(Ebony);
    f.loadDetected(names({"A", "C"}));
    for (const ChordWidget* d : f.tab->chordsContainer->openChords())
        EXPECT_EQ(d->pixmap(Qt::ReturnByValue).cacheKey(), ChordWidget::neckPicture(Ebony).cacheKey());
    EXPECT_EQ(f.tab->finderChordWidget->pixmap(Qt::ReturnByValue).cacheKey(),
              ChordWidget::neckPicture(Ebony).cacheKey());
    EXPECT_EQ(f.tab->getNeckType(), Ebony);
}

TEST(TabGrid, AHeldArrowScrollsToTheLimit)
{
    TabFixture f;
    f.loadDetected(names({"A", "B", "C", "D", "E", "F", "G", "Am", "Bm", "Cm", "Dm", "Em", "Fm"}));
    // 13 chords: 4 rows, 426 high; the limit is the first multiple of -20 at
    // or below 210 - 426.
    press(f.tab->scrollDownButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(f.tab->chordsContainer->openPosition(), -20);
    QTRY_COMPARE_WITH_TIMEOUT(f.tab->chordsContainer->openPosition(), -220, 10000);
    release(f.tab->scrollDownButton, QPoint(5, 5), Qt::LeftButton);
    press(f.tab->scrollUpButton, QPoint(5, 5), Qt::LeftButton);
    release(f.tab->scrollUpButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(f.tab->chordsContainer->openPosition(), -200);
}

// ---- Chord type --------------------------------------------------------------------

TEST(TabChordType, ThePairSwitchesDiagramsGridAndTab)
{
    TabFixture f;
    f.loadDetected(names({"A", "C"}));
    f.pressChordType(true);
    EXPECT_EQ(f.tab->getChordType(), 1);
    EXPECT_TRUE(f.tab->currentChordWidget->onPowerSheet());
    EXPECT_TRUE(f.tab->nextChordWidget->onPowerSheet());
    EXPECT_FALSE(f.tab->finderChordWidget->onPowerSheet());
    EXPECT_FALSE(f.tab->chordsContainer->powerHolder()->isHidden());
    EXPECT_FALSE(f.tab->openChordsButton->isLit());

    f.pressChordType(false);
    EXPECT_EQ(f.tab->getChordType(), 0);
    EXPECT_FALSE(f.tab->currentChordWidget->onPowerSheet());
    EXPECT_FALSE(f.tab->chordsContainer->openHolder()->isHidden());
}

// ---- Sessions ----------------------------------------------------------------------

struct SessionCase
{
    const char* name;
    QStringList list; // openClosed, neckType, open pos, power pos, finder, capo
    int chordType;
    int neck;
    int openPos;
    int powerPos;
    int finder;
    int capo;
};

class TabSession : public ::testing::TestWithParam<SessionCase>
{
};

TEST_P(TabSession, RestoresWithinRangesBeforeTheTabIsShown)
{
    const SessionCase c = GetParam();
    TabFixture f;
    // 13 open chords (4 rows, 426 high, limit -220) and 12 roots (3 rows,
    // 319 high, limit -120).
    f.loadDetected(names({"A", "Bb", "B", "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "Am"}));
    QSignalSpy strip(f.tab.get(), &ChordsTab::setChordStripKeyShift);

    f.tab->setChordTabFromSession(c.list);

    ASSERT_FALSE(f.tab->isVisible());
    EXPECT_EQ(f.tab->getChordType(), c.chordType);
    EXPECT_EQ(f.tab->powerChordsButton->isLit(), c.chordType == 1);
    EXPECT_EQ(f.tab->openChordsButton->isLit(), c.chordType == 0);
    EXPECT_EQ(f.tab->currentChordWidget->onPowerSheet(), c.chordType == 1);
    EXPECT_EQ(f.tab->chordsContainer->powerHolder()->isHidden(), c.chordType == 0);
    EXPECT_EQ(f.tab->chordsContainer->openHolder()->isHidden(), c.chordType == 1);
    EXPECT_EQ(f.tab->getNeckType(), c.neck);
    EXPECT_EQ(f.tab->neckTypeWidget->neckType(), c.neck);
    EXPECT_EQ(f.tab->chordsContainer->openPosition(), c.openPos);
    EXPECT_EQ(f.tab->chordsContainer->powerPosition(), c.powerPos);
    EXPECT_EQ(f.tab->finderChordWidget->storedIndex(), c.finder);
    EXPECT_EQ(f.tab->chordModesWidget->getMode(), c.finder / 12);
    EXPECT_EQ(f.tab->keysWidget->getKey(), c.finder % 12);
    EXPECT_EQ(f.tab->capoWidget->fret(), c.capo);
    ASSERT_GE(strip.count(), 2);
    EXPECT_EQ(strip.last().at(0).toInt(), -c.capo); // no key shift
    EXPECT_EQ(f.tab->transposition().capo, float(c.capo));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabSession,
    ::testing::Values(
        SessionCase{"open_top", {"0", "0", "0", "0", "0", "0"}, 0, 0, 0, 0, 0, 0},
        SessionCase{"power_scrolled", {"1", "2", "-20", "-40", "30", "3"}, 1, 2, -20, -40, 30, 3},
        SessionCase{"open_two_steps", {"0", "3", "-40", "-20", "83", "11"}, 0, 3, -40, -20, 83, 11},
        SessionCase{"chord_type_2_is_open", {"2", "1", "0", "0", "5", "1"}, 0, 1, 0, 0, 5, 1},
        SessionCase{"neck_out_of_range", {"0", "4", "0", "0", "0", "0"}, 0, 0, 0, 0, 0, 0},
        SessionCase{"neck_negative", {"0", "-1", "0", "0", "0", "0"}, 0, 0, 0, 0, 0, 0},
        SessionCase{"capo_above", {"0", "0", "0", "0", "0", "12"}, 0, 0, 0, 0, 0, 11},
        SessionCase{"capo_below", {"0", "0", "0", "0", "0", "-3"}, 0, 0, 0, 0, 0, 0},
        SessionCase{"finder_above", {"0", "0", "0", "0", "84", "0"}, 0, 0, 0, 0, 0, 0},
        SessionCase{"finder_negative", {"0", "0", "0", "0", "-1", "0"}, 0, 0, 0, 0, 0, 0},
        SessionCase{"positions_above_zero", {"0", "0", "60", "20", "0", "0"}, 0, 0, 0, 0, 0, 0},
        SessionCase{
            "positions_past_limit", {"0", "0", "-2147483648", "-1000000", "0", "0"}, 0, 0, -220, -120, 0, 0},
        SessionCase{"not_numbers", {"power", "x", "", "-2o", "A", "capo"}, 0, 0, 0, 0, 0, 0},
        SessionCase{"short_list", {"1"}, 1, 0, 0, 0, 0, 0}),
    RowName());

TEST(TabSessionRoundTrip, PowerModeSavedAndLoadedStaysPower)
{
    TabFixture first;
    first.loadDetected(names({"A", "C"}));
    first.pressChordType(true);
    const QStringList saved{QString::number(first.tab->getChordType()),
                            QString::number(first.tab->getNeckType()),
                            QString::number(first.tab->chordsContainer->openPosition()),
                            QString::number(first.tab->chordsContainer->powerPosition()),
                            QString::number(first.tab->finderChordWidget->shownIndex()),
                            QString::number(first.tab->capoWidget->fret())};

    TabFixture second;
    second.tab->resetChordsTab();
    second.loadDetected(names({"A", "C"}));
    second.tab->setChordTabFromSession(saved);

    EXPECT_EQ(second.tab->getChordType(), 1);
    EXPECT_TRUE(second.tab->powerChordsButton->isLit());
    // Saving again writes chord type 1.
    EXPECT_EQ(QString::number(second.tab->getChordType()), "1");
    // The power button, lit, ignores a press; the open one brings open back.
    second.pressChordType(true);
    EXPECT_EQ(second.tab->getChordType(), 1);
    second.pressChordType(false);
    EXPECT_EQ(second.tab->getChordType(), 0);
}

// ---- Key shift and capo boxes on the tab -------------------------------------------

TEST(TabBoxes, BoxStepsReachTheTabAndTheStrip)
{
    TabFixture f;
    f.loadDetected(names({"A"}));
    QSignalSpy strip(f.tab.get(), &ChordsTab::setChordStripKeyShift);
    f.tab->keyShiftWidget->overrideCursorX(80);
    press(f.tab->keyShiftWidget, QPoint(80, 10), Qt::LeftButton);
    release(f.tab->keyShiftWidget, QPoint(80, 10), Qt::LeftButton);
    f.tab->capoWidget->overrideCursorX(80);
    press(f.tab->capoWidget, QPoint(80, 10), Qt::LeftButton);
    release(f.tab->capoWidget, QPoint(80, 10), Qt::LeftButton);

    ASSERT_EQ(strip.count(), 2);
    EXPECT_EQ(strip.at(0).at(0).toInt(), 1);
    EXPECT_EQ(strip.at(1).at(0).toInt(), 0);
    EXPECT_EQ(f.shown(false), std::vector<int>({0}));
    EXPECT_EQ(f.tab->keyShiftWidget->objectName(), "keyShift");
}

// ---- Reset ---------------------------------------------------------------------------

TEST(TabReset, ClearsShiftCapoChordsBoxesAndFilterKeepsNeckTypeAndFinder)
{
    TabFixture f;
    f.load(names({"-", "C", "G", "-"}), names({"C", "G", "Am", "F", "Dm", "Em", "Bb", "E", "A"}));
    f.tab->initDetectedChords();
    f.tab->chordFilterWidget->setSelectionFromDetectedChords(f.model.chordVecDetected);
    f.tab->tempoWidget->initTempo(120, 120);
    f.tab->keyShiftWidget->updateKeyShift(3);
    f.tab->capoWidget->initFromSession(2);
    f.tab->neckTypeWidget->setNeckType(Maple);
    f.pressChordType(true);
    f.tab->setChordTabFromSession({"1", "3", "0", "0", "17", "2"});
    f.beat(1);
    QSignalSpy strip(f.tab.get(), &ChordsTab::setChordStripKeyShift);
    QSignalSpy tempo(f.tab->tempoWidget, &TempoWidget::tempoChanged);

    f.tab->resetChordsTab();

    EXPECT_EQ(f.tab->transposition().keyShift, 0.0f);
    EXPECT_EQ(f.tab->transposition().capo, 0.0f);
    EXPECT_TRUE(f.tab->chordsContainer->isHidden());
    EXPECT_TRUE(f.tab->scrollUpButton->isHidden());
    EXPECT_TRUE(f.tab->scrollDownButton->isHidden());
    EXPECT_EQ(f.tab->beatsLabel->text(), "");
    EXPECT_EQ(f.tab->currentChordWidget->storedIndex(), -1);
    EXPECT_FALSE(f.tab->currentChordWidget->chordVisible());
    EXPECT_EQ(f.tab->nextChordWidget->storedIndex(), -1);
    EXPECT_FALSE(f.tab->tempoWidget->isActive());
    ASSERT_EQ(tempo.count(), 1);
    EXPECT_FLOAT_EQ(tempo.at(0).at(0).toFloat(), -1.0f);
    EXPECT_FLOAT_EQ(f.tab->keyShiftWidget->value(), 0.0f);
    EXPECT_EQ(f.tab->capoWidget->fret(), 0);
    ASSERT_GE(strip.count(), 1);
    EXPECT_EQ(strip.last().at(0).toInt(), 0);
    EXPECT_TRUE(f.tab->chordFilterWidget->detected().isEmpty());
    // Kept.
    EXPECT_EQ(f.tab->getNeckType(), Maple);
    EXPECT_EQ(f.tab->getChordType(), 1);
    EXPECT_EQ(f.tab->finderChordWidget->storedIndex(), 17);
}

// ---- Finder --------------------------------------------------------------------------

TEST(TabFinder, StartsOnAMajorAndShowsKeyPlusTwelveTimesModeUnshifted)
{
    TabFixture f;
    EXPECT_EQ(f.tab->finderChordWidget->storedIndex(), 0);
    f.tab->setChordKeyShift(5);

    wheelBy(f.tab->chordModesWidget, -120); // mode 1
    wheelBy(f.tab->keysWidget, -120);       // key 1
    press(f.tab->keysWidget, QPoint(5, 5), Qt::LeftButton);
    ASSERT_FALSE(f.tab->keysLabel->isHidden());
    press(f.tab->keysLabel, QPoint(30, 100), Qt::LeftButton);
    release(f.tab->keysLabel, QPoint(30, 100), Qt::LeftButton); // key 5

    EXPECT_EQ(f.tab->finderChordWidget->storedIndex(), 5 + 12 * 1);
    EXPECT_EQ(f.tab->finderChordWidget->shownIndex(), 17);
    EXPECT_FALSE(f.tab->finderChordWidget->onPowerSheet());
}

TEST(TabFinder, APressOnTheTabOrAPassingChildClosesThePanes)
{
    TabFixture f;
    press(f.tab->chordModesWidget, QPoint(5, 5), Qt::LeftButton);
    ASSERT_FALSE(f.tab->chordModesLabel->isHidden());
    press(f.tab.get(), QPoint(20, 20), Qt::LeftButton);
    EXPECT_TRUE(f.tab->chordModesLabel->isHidden());

    press(f.tab->keysWidget, QPoint(5, 5), Qt::LeftButton);
    ASSERT_FALSE(f.tab->keysLabel->isHidden());
    // The finder diagram takes mouse events and passes presses on.
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(50, 50), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.tab->finderChordWidget, &event);
    EXPECT_TRUE(f.tab->keysLabel->isHidden());
}

// ---- The filter page -----------------------------------------------------------------

// A click where the window system would deliver it: to the child under the
// tab's point.
void clickTab(ChordsTab& tab, QPoint at)
{
    QWidget* target = widgetUnder(&tab, at);
    press(target, at, Qt::LeftButton);
    release(target, at, Qt::LeftButton);
}

TEST(TabFilter, TheOpenerOpensPageOneOverTheGridAndItsCloseSpotReturnsToTheGrid)
{
    TabFixture f;
    f.loadDetected(names({"A", "B", "C", "D", "E", "F", "G", "Am", "Bm"}));
    f.tab->show();
    ASSERT_TRUE(f.tab->filterButton->isVisible());
    EXPECT_FALSE(f.tab->filterButton->text().isEmpty());
    EXPECT_TRUE(f.tab->rect().contains(f.tab->filterButton->geometry()));

    clickTab(*f.tab, f.tab->filterButton->geometry().center());
    EXPECT_EQ(f.tab->chordsStack->currentIndex(), 1);
    EXPECT_TRUE(f.tab->filterButton->isHidden()) << "it would lie over the panel's buttons";
    EXPECT_GE(f.tab->chordsStack->width(), ChordFilterWidget::panelWidth);
    EXPECT_GE(f.tab->chordsStack->height(), ChordFilterWidget::panelHeight);
    EXPECT_TRUE(f.tab->rect().contains(f.tab->chordsStack->geometry()));
    EXPECT_TRUE(f.tab->scrollUpButton->isHidden());

    QWidget* close = f.tab->chordFilterWidget->closeButtonWidget();
    press(close, QPoint(5, 5), Qt::LeftButton);
    release(close, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(f.tab->chordsStack->currentIndex(), 0);
    EXPECT_EQ(f.tab->chordsStack->geometry(), QRect(79, 78, 222, 210));
    EXPECT_FALSE(f.tab->scrollUpButton->isHidden());
    EXPECT_TRUE(f.tab->filterButton->isVisible());
}

// ---- The diagrams at the player's position -----------------------------------------

// The tab asks a position source as it asks the player.
struct PositionFixture : TabFixture
{
    int position = 0;
    int asked = 0;

    PositionFixture()
    {
        QObject::connect(tab.get(), &ChordsTab::getPlayPosition, [this] {
            ++asked;
            return position;
        });
        // Beats at 10000 + 22050 i: beat i from start(i) on.
        load(names({"-", "C", "C", "G", "Am", "F", "-"}), names({"C", "G", "Am", "F"}));
    }

    static int start(int beat) { return 10000 + 22050 * beat - base::beatLeadFrames; }

    void at(int beat)
    {
        position = start(beat);
        tab->followPlayPosition();
    }
};

TEST(TabPosition, AStoppedOrMovedPlayerShowsTheChordAtItsPosition)
{
    PositionFixture f;
    f.at(3);
    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), 10);
    EXPECT_EQ(f.tab->nextChordWidget->shownIndex(), 12);
    EXPECT_EQ(f.tab->beatsLabel->text(), beatsText(1));

    f.at(1);
    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), 3);
    EXPECT_EQ(f.tab->beatsLabel->text(), beatsText(2));

    f.position = 0;
    f.tab->followPlayPosition();
    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), -1) << "the intro";
}

TEST(TabPosition, WhilePlayingTheModelsBeatIsNotFoughtOver)
{
    PositionFixture f;
    f.at(1);
    // The playback thread enters beat 4 ahead of the next poll.
    f.beat(4);
    ASSERT_EQ(f.tab->currentChordWidget->shownIndex(), 12);
    f.tab->followPlayPosition();
    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), 12) << "the position did not move";
    f.at(4);
    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), 12);
}

TEST(TabPosition, ANewFileOrNewChordsShowTheSamePositionAfresh)
{
    PositionFixture f;
    f.at(3);
    f.model.resetMetaData();
    f.tab->resetChordsTab();
    f.tab->followPlayPosition();
    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), -1) << "no analysis yet";

    f.load(names({"-", "C", "C", "Em", "Am", "F", "-"}), names({"C", "Em", "Am", "F"}));
    f.tab->initDetectedChords();
    f.tab->followPlayPosition();
    EXPECT_EQ(f.tab->currentChordWidget->shownIndex(), 19);
}

TEST(TabPosition, TheTimerAsksThePlayer)
{
    PositionFixture f;
    QTest::qWait(100);
    EXPECT_GT(f.asked, 0);
}

TEST(TabPosition, NextFollowsTheLoopWhileLooping)
{
    PositionFixture f;
    int loopStart = PositionFixture::start(1);
    int loopEnd = PositionFixture::start(4); // beats 1 … 3: C C G
    f.tab->initLoop(&loopStart, &loopEnd);
    f.at(3);
    EXPECT_EQ(f.tab->nextChordWidget->shownIndex(), 12) << "not looping: Am";

    f.tab->setLooping(true);
    EXPECT_EQ(f.tab->nextChordWidget->shownIndex(), 3) << "the loop's first chord, C";
    EXPECT_EQ(f.tab->beatsLabel->text(), beatsText(1));

    loopEnd = PositionFixture::start(5); // beats 1 … 4
    f.tab->loopPointsChanged();
    EXPECT_EQ(f.tab->nextChordWidget->shownIndex(), 12);
}

// The real player on the silent device, asked as the main window wires it:
// beats every half second from 11025, chords C C G G Am F F.
struct PlayerFixture
{
    static constexpr int firstBeat = 11025;
    static constexpr int spacing = 22050;

    PlayerFixture()
    {
        AnalysisResult result = player_test::evenBeats(9, float(firstBeat), float(spacing));
        result.chordVec = names({"-", "C", "C", "G", "G", "Am", "F", "F"});
        result.chordVecDetected = names({"C", "G", "Am", "F"});
        rig.model.handOver(result);
        tab.initMetaData(&rig.model);
        tab.initLoop(&rig.loopStart, &rig.loopEnd);
        QObject::connect(&tab, &ChordsTab::getPlayPosition, rig.player.get(), &AudioPlayer::getCurrentPosition);
        tab.initDetectedChords();
    }

    static int beatStart(int beat) { return firstBeat + spacing * beat - base::beatLeadFrames; }
    void poll() { tab.followPlayPosition(); }
    int current() const { return tab.currentChordWidget->shownIndex(); }
    int next() const { return tab.nextChordWidget->shownIndex(); }

    player_test::Rig rig{player_test::Signal::Sine, 44100 * 5};
    ChordsTab tab{nullptr};
};

TEST(TabWithThePlayer, ASessionsPositionStopAndSeekShowTheChordThere)
{
    PlayerFixture f;
    // A session's play-start position, on beat 5.
    f.rig.player->setCurrentPositionFromSession(PlayerFixture::beatStart(5) + 100);
    f.poll();
    EXPECT_EQ(f.current(), 12) << "Am";
    EXPECT_EQ(f.next(), 8) << "F";

    // Back by 32768 frames: beat 3.
    f.rig.player->seekB();
    f.poll();
    EXPECT_EQ(f.current(), 10) << "G";
    EXPECT_EQ(f.next(), 12);

    // Stopped a second time: back to the start, the intro.
    f.rig.player->stop();
    f.poll();
    EXPECT_EQ(f.current(), -1);
    EXPECT_EQ(f.next(), 3) << "C";
}

TEST(TabWithThePlayer, PausedOnALoopsLastBeatNextIsTheLoopsFirstChordAndFollowsTheCapo)
{
    PlayerFixture f;
    // Beats 1 … 4 (C C G G) looped.
    f.rig.setSelection(PlayerFixture::beatStart(1), PlayerFixture::beatStart(5));
    f.rig.player->loop(true);
    f.tab.setLooping(true);
    f.rig.player->play();
    while (f.rig.model.currentBeat.load() != 4 && f.rig.player->isPlaying())
        f.rig.turnAndTick(10);
    // Until the beat is heard too: the pause goes back to the first frame
    // not heard, and the diagrams show the chord there.
    for (int i = 0; i < 25; ++i)
        f.rig.turnAndTick(10);
    f.rig.player->pause();
    ASSERT_EQ(f.rig.model.currentBeat.load(), 4);
    f.poll();
    EXPECT_EQ(f.current(), 10) << "G";
    EXPECT_EQ(f.next(), 3) << "the loop's first chord, C, not the Am after it";
    EXPECT_EQ(f.tab.beatsLabel->text(), beatsText(1));

    wheelBy(f.tab.capoWidget, 120);
    EXPECT_EQ(f.current(), 9) << "capo 1: the G shape a fret lower";
    EXPECT_EQ(f.next(), 2);
}

// ---- The name query on the tab -----------------------------------------------------------

TEST(TabQuery, NamesShiftedForTheStripComeBackWithItsShift)
{
    TabFixture f;
    QSignalSpy strip(f.tab.get(), &ChordsTab::setChordStripKeyShift);
    f.tab->setChordKeyShift(2.6f);
    f.tab->setCapoShift(1);
    const int w = strip.last().at(0).toInt();
    ASSERT_EQ(w, 2);
    for (int i = 0; i < 84; ++i) {
        const int shifted = f.tab->getChordIndex(chordnames::chordName(i));
        EXPECT_EQ(f.tab->getChordIndex(chordnames::chordName(shifted), w), i) << i;
    }
}

} // namespace
