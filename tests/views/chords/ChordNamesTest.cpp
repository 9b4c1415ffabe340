// Chord names to diagram indexes, and their transposition by key shift and
// capo, through the free functions and through the tab's slots.
#include "ChordNames.h"
#include "ChordsTab.h"
#include "RowName.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

namespace cn = chordnames;

namespace {

// ---- The name table --------------------------------------------------------

// Written out here rather than taken from the code under test.
const char* const suffixByType[7] = {"", "m", "7", "sus4", "sus2", "maj7", "m7"};

struct RootCase
{
    const char* name;
    int root;
    std::vector<const char*> spellings;
};

class ChordNameTable : public ::testing::TestWithParam<RootCase>
{
};

TEST_P(ChordNameTable, EverySpellingWithEverySuffixGivesTypeTimes12PlusRoot)
{
    const RootCase c = GetParam();
    for (const char* spelling : c.spellings)
        for (int type = 0; type < 7; ++type) {
            const QString name = QString(spelling) + suffixByType[type];
            EXPECT_EQ(cn::tableIndex(name), 12 * type + c.root) << name.toStdString();
        }
}

INSTANTIATE_TEST_SUITE_P(Roots, ChordNameTable,
                         ::testing::Values(RootCase{"A", 0, {"A"}}, RootCase{"Bb", 1, {"A#", "Bb"}},
                                           RootCase{"B", 2, {"B"}}, RootCase{"C", 3, {"C"}},
                                           RootCase{"Csharp", 4, {"Db", "C#"}}, RootCase{"D", 5, {"D"}},
                                           RootCase{"Eb", 6, {"Eb", "D#"}}, RootCase{"E", 7, {"E"}},
                                           RootCase{"F", 8, {"F"}}, RootCase{"Fsharp", 9, {"F#", "Gb"}},
                                           RootCase{"G", 10, {"G"}}, RootCase{"Ab", 11, {"Ab", "G#"}}),
                         RowName());

struct NameCase
{
    const char* name;
    const char* text;
    int index;
};

class ChordNameLookup : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ChordNameLookup, WholeCaseSensitiveMatchOrMinusOne)
{
    EXPECT_EQ(cn::tableIndex(GetParam().text), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Table, ChordNameLookup,
                         ::testing::Values(NameCase{"Bbm7", "Bbm7", 73}, NameCase{"Csharpsus4", "C#sus4", 40},
                                           NameCase{"Asharp_equals_Bb", "A#", 1},
                                           NameCase{"Abm7_last", "Abm7", 83}, NameCase{"lower_case_bb", "bb", -1},
                                           NameCase{"lower_case_a", "a", -1}, NameCase{"diminished", "Cdim", -1},
                                           NameCase{"no_chord", "X", -1}, NameCase{"intro", "-", -1},
                                           NameCase{"empty", "", -1}, NameCase{"trailing_space", "A ", -1},
                                           NameCase{"suffix_case", "AM", -1}, NameCase{"power_name", "A5", -1},
                                           NameCase{"double_sharp", "C##", -1}),
                         RowName());

TEST(ChordNameWriting, EveryIndexReadsBackAndOthersWriteADash)
{
    for (int i = 0; i < 84; ++i)
        EXPECT_EQ(cn::tableIndex(cn::chordName(i)), i) << i;
    EXPECT_EQ(cn::chordName(-1), "-");
    EXPECT_EQ(cn::chordName(84), "-");
}

struct RootOfCase
{
    const char* name;
    const char* chord;
    const char* root;
};

class ChordRoot : public ::testing::TestWithParam<RootOfCase>
{
};

TEST_P(ChordRoot, TwoCharactersWithFlatOrSharpElseOne)
{
    EXPECT_EQ(cn::chordRoot(GetParam().chord), GetParam().root);
}

INSTANTIATE_TEST_SUITE_P(Table, ChordRoot,
                         ::testing::Values(RootOfCase{"flat_minor", "Bbm", "Bb"},
                                           RootOfCase{"sharp_seventh", "C#7", "C#"},
                                           RootOfCase{"plain_sus", "Asus4", "A"},
                                           RootOfCase{"plain_maj7", "Cmaj7", "C"},
                                           RootOfCase{"bare_root", "G", "G"}, RootOfCase{"intro", "-", "-"},
                                           RootOfCase{"empty", "", ""}, RootOfCase{"lone_flat", "b", "b"}),
                         RowName());

// ---- Key shift and capo to w -----------------------------------------------

struct ShiftCase
{
    const char* name;
    float keyShift;
    float capo;
    int w;
};

class WholeShift : public ::testing::TestWithParam<ShiftCase>
{
};

TEST_P(WholeShift, FreeFunctionAfterTheTabsFold)
{
    const ShiftCase c = GetParam();
    EXPECT_EQ(cn::wholeShift(cn::foldKeyShift(c.keyShift), c.capo), c.w);
}

TEST_P(WholeShift, TabEmitsWAfterKeyShiftAndAfterCapo)
{
    const ShiftCase c = GetParam();
    ChordsTab tab(nullptr);
    QSignalSpy sent(&tab, &ChordsTab::setChordStripKeyShift);

    tab.setChordKeyShift(c.keyShift);
    tab.setCapoShift(c.capo);

    ASSERT_EQ(sent.count(), 2);
    EXPECT_EQ(sent.at(0).at(0).toInt(), cn::wholeShift(cn::foldKeyShift(c.keyShift), 0));
    EXPECT_EQ(sent.at(1).at(0).toInt(), c.w);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeShift,
    ::testing::Values(ShiftCase{"half_up", 2.5f, 0, 3}, ShiftCase{"minus_half_up", -2.5f, 0, -2},
                      ShiftCase{"minus_2_6_down", -2.6f, 0, -3}, ShiftCase{"2_6_up", 2.6f, 0, 3},
                      ShiftCase{"12_5_folds_to_0_5", 12.5f, 0, 1}, ShiftCase{"minus_12_5_folds", -12.5f, 0, 0},
                      ShiftCase{"minus_12_capo_11_folds", -12, 11, -11}, ShiftCase{"12_stays", 12, 0, 12},
                      ShiftCase{"minus_12_stays", -12, 0, -12}, ShiftCase{"capo_lowers", 3, 5, -2},
                      ShiftCase{"fine_tune_below_half", 0.49f, 0, 0},
                      ShiftCase{"not_a_number", std::numeric_limits<float>::quiet_NaN(), 0, 0}),
    RowName());

// ---- Shifted indexes ---------------------------------------------------------

struct ShiftedCase
{
    const char* name;
    float keyShift;
    float capo;
    const char* chord;
    int shiftAmount;
    int index;
};

class ShiftedIndex : public ::testing::TestWithParam<ShiftedCase>
{
};

TEST_P(ShiftedIndex, TabSlotAndFreeFunctionAgree)
{
    const ShiftedCase c = GetParam();
    ChordsTab tab(nullptr);
    tab.setChordKeyShift(c.keyShift);
    tab.setCapoShift(c.capo);

    EXPECT_EQ(tab.getChordIndex(c.chord, c.shiftAmount), c.index);
    EXPECT_EQ(cn::getChordIndex(c.chord, c.shiftAmount, {cn::foldKeyShift(c.keyShift), c.capo}), c.index);
    if (c.shiftAmount == 0) {
        EXPECT_EQ(tab.getChordIndex(c.chord), c.index);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShiftedIndex,
    ::testing::Values(ShiftedCase{"A_up_2", 2, 0, "A", 0, 2}, ShiftedCase{"Gsharpm_up_2", 2, 0, "G#m", 0, 13},
                      ShiftedCase{"A_down_2", -2, 0, "A", 0, 10}, ShiftedCase{"Am7_down_2", -2, 0, "Am7", 0, 82},
                      ShiftedCase{"capo_2_lowers", 0, 2, "C", 0, 1}, ShiftedCase{"no_shift", 0, 0, "Bbm7", 0, 73},
                      ShiftedCase{"undo_with_s_equal_w", 2, 0, "B", 2, 0},
                      ShiftedCase{"huge_s_stays_defined", 0, 0, "A", 2147483647, 10},
                      ShiftedCase{"intro_unshifted", 5, 0, "-", 0, -1},
                      ShiftedCase{"unknown_unshifted", 5, 0, "Cdim", 3, -1}),
    RowName());

TEST(ShiftRoundTrip, NameShiftedWithWComesBackAskedWithW)
{
    std::set<int> reached;
    for (int keyShift = -12; keyShift <= 12; ++keyShift)
        for (int capo = 0; capo <= 11; ++capo) {
            const cn::Transposition tab{float(keyShift), float(capo)};
            const int w = tab.w();
            ASSERT_GE(w, -12);
            ASSERT_LE(w, 12);
            if (capo == 0) {
                ASSERT_EQ(w, keyShift); // key shift alone
            }
            reached.insert(w);
            for (int i = 0; i < 84; ++i) {
                const QString shifted = cn::chordName(cn::shiftIndex(i, w));
                ASSERT_EQ(cn::getChordIndex(shifted, w, tab), i)
                    << "key shift " << keyShift << " capo " << capo << " chord " << i;
                // The query with 0 names the same shifted chord.
                ASSERT_EQ(cn::getChordIndex(cn::chordName(i), tab), cn::shiftIndex(i, w));
            }
        }
    EXPECT_EQ(reached.size(), 25u);
}

TEST(ShiftIndex, ChordlessCellsStayBareUnderEveryShift)
{
    for (int w = -30; w <= 30; ++w) {
        EXPECT_EQ(cn::shiftIndex(-1, w), -1) << w;
        EXPECT_EQ(cn::shiftIndex(84, w), -1) << w;
        EXPECT_EQ(cn::shiftIndex(-13, w), -1) << w;
    }
}

struct FoldCase
{
    const char* name;
    int d;
    int folded;
};

class FoldRoot : public ::testing::TestWithParam<FoldCase>
{
};

TEST_P(FoldRoot, TrueModuloTwelve)
{
    EXPECT_EQ(cn::foldRoot(GetParam().d), GetParam().folded);
}

INSTANTIATE_TEST_SUITE_P(Table, FoldRoot,
                         ::testing::Values(FoldCase{"zero", 0, 0}, FoldCase{"eleven", 11, 11},
                                           FoldCase{"minus_one", -1, 11}, FoldCase{"twelve", 12, 0},
                                           FoldCase{"twenty_three", 23, 11}, FoldCase{"minus_thirteen", -13, 11},
                                           FoldCase{"twenty_four", 24, 0}, FoldCase{"minus_twenty_five", -25, 11},
                                           FoldCase{"smallest_int", std::numeric_limits<int>::min(), 4}),
                         RowName());

} // namespace
