#include "ManualChordSelection.h"

#include <gtest/gtest.h>

namespace {

TEST(ManualChordSelection, ResetAtEveryOpenKeepsTwelveRows)
{
    ManualChordSelection selection;
    QVector<QVector<int>> picked(12, QVector<int>(7, 0));
    picked[0][4] = 1;
    selection.set(picked);
    ASSERT_TRUE(selection.active);

    for (int open = 0; open < 3; ++open)
        selection.reset();

    EXPECT_FALSE(selection.active);
    ASSERT_EQ(selection.chords.size(), 12);
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(selection.chords.at(row), QVector<int>(7, row == 1 ? 1 : 0)) << "row " << row;
}

TEST(ManualChordSelection, ActiveOnlyWithSomeChordAllowed)
{
    ManualChordSelection selection;
    selection.set(QVector<QVector<int>>(12, QVector<int>(7, 0)));
    EXPECT_FALSE(selection.active);
}

} // namespace
