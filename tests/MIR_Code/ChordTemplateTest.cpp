#include "DSP.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

using Column = std::array<float, 12>;
using Mask = std::vector<std::vector<int>>;

enum Pc { C, Cs, D, Eb, E, F, Fs, G, Ab, A, Bb, B };

Column column(const std::map<int, float>& values)
{
    Column c{};
    for (const auto& [pc, v] : values)
        c[size_t(pc)] = v;
    return c;
}

Mask majorMinorSeventh()
{
    Mask mask(12, std::vector<int>(7, 0));
    for (auto& row : mask)
        row[0] = row[1] = row[4] = 1;
    return mask;
}

Mask only(std::initializer_list<std::pair<int, int>> rootTypes)
{
    Mask mask(12, std::vector<int>(7, 0));
    for (const auto& [root, type] : rootTypes)
        mask[size_t(root)][size_t(type)] = 1;
    return mask;
}

// Runs the matching over the columns in order; returns the names.
std::vector<std::string> match(const std::vector<Column>& columns, const Mask& mask,
                               std::vector<std::vector<int>>* counts = nullptr)
{
    std::vector<std::vector<float>> rows(12, std::vector<float>(columns.size()));
    for (size_t j = 0; j < columns.size(); ++j)
        for (size_t pc = 0; pc < 12; ++pc)
            rows[pc][j] = columns[j][pc];
    std::vector<const float*> pointers;
    for (const auto& row : rows)
        pointers.push_back(row.data());

    std::vector<chord> result;
    std::vector<std::vector<int>> localCounts(12, std::vector<int>(7, 0));
    DSP().chordTrans(pointers.data(), mask, result, int(columns.size()), counts ? *counts : localCounts);
    std::vector<std::string> names;
    for (const chord& c : result)
        names.push_back(c.name);
    return names;
}

struct MatchCase
{
    const char* what;
    Mask mask;
    std::vector<Column> columns;
    std::vector<std::string> expected;
};

class ChordTemplateMatching : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(ChordTemplateMatching, NamesEveryColumn)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(match(c.columns, c.mask), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChordTemplateMatching,
    ::testing::Values(
        // the added B-flat at 0 is the weakest note and does not stand out
        MatchCase{"triad", majorMinorSeventh(), {column({{C, 1}, {E, 1}, {G, 1}})}, {"C"}},
        MatchCase{"minor", majorMinorSeventh(), {column({{A, 1}, {C, 1}, {E, 1}})}, {"Am"}},
        MatchCase{
            "seventh at full strength", majorMinorSeventh(), {column({{C, 1}, {E, 1}, {G, 1}, {Bb, 1}})}, {"C7"}},
        MatchCase{"faint seventh", majorMinorSeventh(), {column({{C, 1}, {E, 1}, {G, 1}, {Bb, 0.1f}})}, {"C"}},
        MatchCase{"G7 in another voicing",
                  majorMinorSeventh(),
                  {column({{G, 0.9f}, {B, 0.7f}, {D, 1}, {F, 0.8f}})},
                  {"G7"}},
        // C major, C minor and C7 all score 1: the lowest index wins, and one
        // note holding all the energy is no four-note chord
        MatchCase{"single note", majorMinorSeventh(), {column({{C, 1}})}, {"C"}},
        MatchCase{"silence", majorMinorSeventh(), {column({})}, {"-1"}},
        // different roots, two added notes: the seventh's notes are louder on
        // average than the triad's
        MatchCase{"two added notes, louder",
                  majorMinorSeventh(),
                  {column({{A, 0.5f}, {C, 1}, {E, 1}, {G, 0.45f}, {Bb, 1}})},
                  {"C7"}},
        MatchCase{"two added notes, quieter",
                  majorMinorSeventh(),
                  {column({{A, 1}, {C, 1}, {E, 1}, {G, 0.9f}, {Bb, 0.9f}})},
                  {"Am"}},
        // with only triads enabled every column starts afresh
        MatchCase{"triads only, nothing to score",
                  only({{C, 0}}),
                  {column({{C, 1}, {E, 1}, {G, 1}}), column({{Fs, 1}})},
                  {"C", "-1"}},
        // with both kinds enabled the best triad carries to a column whose
        // triads all score 0
        MatchCase{"carried triad",
                  only({{C, 0}, {C, 4}}),
                  {column({{Fs, 1}}), column({{C, 1}, {E, 1}, {G, 1}}), column({{Fs, 1}})},
                  {"-1", "C", "C"}},
        MatchCase{"carried four-note chord",
                  only({{A, 6}}),
                  {column({{Fs, 1}}), column({{A, 1}, {C, 1}, {E, 1}, {G, 1}}), column({{Fs, 1}})},
                  {"-1", "Am7", "Am7"}},
        MatchCase{"nothing enabled", only({}), {column({{C, 1}, {E, 1}, {G, 1}})}, {"-1"}}));

TEST(ChordTemplateCounts, CountRootAndTypeOfEveryNamedColumn)
{
    std::vector<std::vector<int>> counts(12, std::vector<int>(7, 0));
    const std::vector<Column> columns = {column({{C, 1}, {E, 1}, {G, 1}}), column({}),
                                         column({{C, 1}, {E, 1}, {G, 1}, {Bb, 1}}),
                                         column({{C, 1}, {E, 1}, {G, 0.8f}})};
    match(columns, majorMinorSeventh(), &counts);
    EXPECT_EQ(counts[C][0], 2);
    EXPECT_EQ(counts[C][4], 1);
    int total = 0;
    for (const auto& row : counts)
        for (int v : row)
            total += v;
    EXPECT_EQ(total, 3); // the silent column is not counted
}

} // namespace
