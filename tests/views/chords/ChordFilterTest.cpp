// The chord filter: detected chords marked on the grid and in the matrix,
// marking by hand, "none" and "find".
#include "ChordFilterWidget.h"
#include "CustomButton.h"
#include "Dot.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using Cell = std::pair<int, int>; // (row, column)

std::set<Cell> litDots(const ChordFilterWidget& filter)
{
    std::set<Cell> lit;
    for (int i = 0; i < filter.gridDots().size(); ++i) {
        const Dot* dot = filter.gridDots()[i];
        EXPECT_EQ(dot->isLit(), dot->isShown()) << i;
        if (dot->isLit())
            lit.insert({i / 7, i % 7});
    }
    return lit;
}

std::set<Cell> matrixOnes(const ChordFilterWidget& filter)
{
    std::set<Cell> ones;
    const auto& m = filter.matrix();
    EXPECT_EQ(m.size(), 12);
    for (int r = 0; r < m.size(); ++r) {
        EXPECT_EQ(m[r].size(), 7);
        for (int c = 0; c < m[r].size(); ++c)
            if (m[r][c] == 1)
                ones.insert({r, c});
    }
    return ones;
}

// ---- Detected chords -----------------------------------------------------------

struct DetectedCase
{
    const char* name;
    std::vector<const char*> names;
    std::set<Cell> grid;   // rows from A
    std::set<Cell> matrix; // rows from C
};

class FilterDetected : public ::testing::TestWithParam<DetectedCase>
{
};

TEST_P(FilterDetected, MarksEachNameOnItsRootsRowAndQualitysColumn)
{
    const DetectedCase c = GetParam();
    ChordFilterWidget filter(nullptr);
    filter.setSelectionFromDetectedChords({"G", "Em"}); // replaced, not added to
    QVector<QString> list;
    for (const char* n : c.names)
        list.append(n);

    filter.setSelectionFromDetectedChords(list);

    EXPECT_EQ(litDots(filter), c.grid);
    EXPECT_EQ(matrixOnes(filter), c.matrix);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FilterDetected,
    ::testing::Values(DetectedCase{"model_spellings",
                                   {"Am", "C", "F#m7", "Bbmaj7", ""},
                                   {{0, 1}, {3, 0}, {9, 6}, {1, 5}},
                                   {{9, 1}, {0, 0}, {6, 6}, {10, 5}}},
                      DetectedCase{"sharps_kept_by_the_model_get_their_own_rows",
                                   {"D#m", "G#7", "D", "G"},
                                   {{6, 1}, {11, 4}, {5, 0}, {10, 0}},
                                   {{3, 1}, {8, 4}, {2, 0}, {7, 0}}},
                      DetectedCase{"every_spelling_of_a_root_on_one_row",
                                   {"A#sus2", "Bbsus4", "Dbm", "C#7", "Gbmaj7", "Ab"},
                                   {{1, 2}, {1, 3}, {4, 1}, {4, 4}, {9, 5}, {11, 0}},
                                   {{10, 2}, {10, 3}, {1, 1}, {1, 4}, {6, 5}, {8, 0}}},
                      DetectedCase{"unknown_root_and_quality_land_on_A_major", {"X"}, {{0, 0}}, {{9, 0}}},
                      DetectedCase{"empty_list", {}, {}, {}}, DetectedCase{"only_empty_names", {"", ""}, {}, {}}),
    RowName());

struct ColumnCase
{
    const char* name;
    const char* chord;
    int column;
};

class FilterColumn : public ::testing::TestWithParam<ColumnCase>
{
};

TEST_P(FilterColumn, QualityTextPicksTheColumn)
{
    EXPECT_EQ(ChordFilterWidget::columnOf(GetParam().chord), GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(Table, FilterColumn,
                         ::testing::Values(ColumnCase{"major", "E", 0}, ColumnCase{"minor", "Em", 1},
                                           ColumnCase{"sus2", "Esus2", 2}, ColumnCase{"sus4", "Ebsus4", 3},
                                           ColumnCase{"seventh", "E7", 4}, ColumnCase{"maj7", "Emaj7", 5},
                                           ColumnCase{"m7", "Ebm7", 6}, ColumnCase{"unknown", "Eaug", 0},
                                           ColumnCase{"dim_reads_as_minor", "Edim", 1}),
                         RowName());

TEST(FilterDetected, KeepsTheNonEmptyNames)
{
    ChordFilterWidget filter(nullptr);
    filter.setSelectionFromDetectedChords({"Am", "", "C"});
    EXPECT_EQ(filter.detected(), QVector<QString>({"Am", "C"}));
}

// ---- By hand ---------------------------------------------------------------------

TEST(FilterByHand, StartsEmptyAndAClickTogglesDotAndMatrixCell)
{
    ChordFilterWidget filter(nullptr);
    EXPECT_TRUE(litDots(filter).empty());
    EXPECT_TRUE(matrixOnes(filter).empty());

    Dot* eFlatMinor = filter.gridDots()[6 * 7 + 1];
    EXPECT_EQ(eFlatMinor->pos(), QPoint(81, 104 + 16 * 6));
    press(eFlatMinor, QPoint(7, 7), Qt::LeftButton);
    EXPECT_EQ(litDots(filter), std::set<Cell>({{6, 1}}));
    EXPECT_EQ(matrixOnes(filter), std::set<Cell>({{3, 1}}));

    press(eFlatMinor, QPoint(7, 7), Qt::LeftButton);
    EXPECT_TRUE(litDots(filter).empty());
    EXPECT_TRUE(matrixOnes(filter).empty());
}

TEST(FilterByHand, ClickingADetectedDotClearsItAndZeroesItsCell)
{
    ChordFilterWidget filter(nullptr);
    filter.setSelectionFromDetectedChords({"Am", "C"});
    press(filter.gridDots()[0 * 7 + 1], QPoint(7, 7), Qt::LeftButton);
    EXPECT_EQ(litDots(filter), std::set<Cell>({{3, 0}}));
    EXPECT_EQ(matrixOnes(filter), std::set<Cell>({{0, 0}}));
}

TEST(FilterNone, EmptiesGridMatrixAndNamesAndTheNextClickLightsAtOnce)
{
    ChordFilterWidget filter(nullptr);
    filter.setSelectionFromDetectedChords({"Am", "C", "G7"});
    const auto buttons = filter.findChildren<CustomButton*>();
    CustomButton* none = nullptr;
    for (CustomButton* b : buttons)
        if (b->pos() == QPoint(198, 265))
            none = b;
    ASSERT_NE(none, nullptr);

    press(none, QPoint(5, 5), Qt::LeftButton);
    release(none, QPoint(5, 5), Qt::LeftButton);

    EXPECT_TRUE(litDots(filter).empty());
    EXPECT_TRUE(matrixOnes(filter).empty());
    EXPECT_TRUE(filter.detected().isEmpty());
    press(filter.gridDots()[3 * 7 + 0], QPoint(7, 7), Qt::LeftButton);
    EXPECT_EQ(matrixOnes(filter), std::set<Cell>({{0, 0}}));
}

TEST(FilterReset, EmptiesEverything)
{
    ChordFilterWidget filter(nullptr);
    filter.setSelectionFromDetectedChords({"Am", "C"});
    filter.reset();
    EXPECT_TRUE(litDots(filter).empty());
    EXPECT_TRUE(matrixOnes(filter).empty());
    EXPECT_TRUE(filter.detected().isEmpty());
}

TEST(FilterFind, SendsTheMatrixBeforeStoppingPlayback)
{
    qRegisterMetaType<QVector<QVector<int>>>();
    ChordFilterWidget filter(nullptr);
    filter.setSelectionFromDetectedChords({"Bbmaj7"});
    CustomButton* find = nullptr;
    for (CustomButton* b : filter.findChildren<CustomButton*>())
        if (b->pos() == QPoint(198, 283))
            find = b;
    ASSERT_NE(find, nullptr);
    std::vector<std::string> order;
    QVector<QVector<int>> sent;
    QObject::connect(&filter, &ChordFilterWidget::recalculateChords, [&](QVector<QVector<int>> m) {
        order.push_back("recalculate");
        sent = m;
    });
    QObject::connect(&filter, &ChordFilterWidget::stopPlayback, [&] { order.push_back("stop"); });

    press(find, QPoint(5, 5), Qt::LeftButton);
    release(find, QPoint(5, 5), Qt::LeftButton);

    EXPECT_EQ(order, std::vector<std::string>({"recalculate", "stop"}));
    EXPECT_EQ(sent, filter.matrix());
    EXPECT_EQ(sent[10][5], 1);
}

} // namespace
