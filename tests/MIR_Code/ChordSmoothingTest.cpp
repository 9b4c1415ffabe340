#include "DSP.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using Votes = std::vector<std::vector<int>>;

int indexOf(const std::string& name)
{
    if (name == "-")
        return -1;
    int root = -1;
    int type = -1;
    DSP().getRootType(name, root, type);
    return type * 12 + root;
}

chord record(const std::string& name)
{
    const int index = indexOf(name);
    return index < 0 ? noneChord() : DSP().getChordfromRootandType(index % 12, index / 12);
}

// One record per name; "-" is a beat without a chord.
std::vector<chord> records(const std::vector<std::string>& names)
{
    std::vector<chord> chords;
    for (const std::string& name : names)
        chords.push_back(record(name));
    return chords;
}

std::vector<std::string> namesOf(const std::vector<chord>& chords)
{
    std::vector<std::string> names;
    for (const chord& c : chords)
        names.push_back(c.name);
    return names;
}

std::vector<std::string> repeat(const std::vector<std::pair<std::string, int>>& runs)
{
    std::vector<std::string> names;
    for (const auto& [name, count] : runs)
        names.insert(names.end(), size_t(count), name);
    return names;
}

// Vote table in which every beat's own chord won `perBeat` votes.
Votes votesFor(const std::vector<std::string>& names, int perBeat)
{
    Votes votes(84, std::vector<int>(names.size(), 0));
    for (size_t b = 0; b < names.size(); ++b)
        if (indexOf(names[b]) >= 0)
            votes[size_t(indexOf(names[b]))][b] = perBeat;
    return votes;
}

std::set<std::string> allowedNames(const std::vector<std::string>& observed)
{
    std::vector<int> allowed(84, -1);
    DSP().GetChordsForDP(int(observed.size()), allowed, records(observed), 7);
    std::set<std::string> names;
    for (int index : allowed) {
        if (index < 0)
            break;
        names.insert(DSP().getChordfromRootandType(index % 12, index / 12).name);
    }
    EXPECT_TRUE(std::all_of(allowed.begin() + long(names.size()), allowed.end(), [](int i) { return i == -1; }));
    return names;
}

struct AllowedCase
{
    const char* what;
    std::vector<std::string> observed;
    std::set<std::string> expected;
};

class AllowedChords : public ::testing::TestWithParam<AllowedCase>
{
};

TEST_P(AllowedChords, NeedMoreThanSevenPercentOfAWindow)
{
    const AllowedCase& c = GetParam();
    EXPECT_EQ(allowedNames(c.observed), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, AllowedChords,
                         ::testing::Values(
                             // 30 recognised beats: the threshold is 2.1 beats
                             AllowedCase{"3 of 30", repeat({{"C", 27}, {"G", 3}}), {"C", "G"}},
                             AllowedCase{"2 of 30", repeat({{"C", 28}, {"G", 2}}), {"C"}},
                             // beats without a chord do not count towards the total
                             AllowedCase{
                                 "1 of 10 recognised", repeat({{"-", 20}, {"C", 9}, {"G", 1}}), {"C", "G"}},
                             // 89 beats: one window of 60, the beats after it count nowhere
                             AllowedCase{"after the only window", repeat({{"C", 60}, {"Em", 29}}), {"C"}},
                             // 90 beats: the second window covers beats 30 to 89
                             AllowedCase{"in the second window", repeat({{"C", 60}, {"Em", 30}}), {"C", "Em"}},
                             AllowedCase{"no chord at all", repeat({{"-", 12}}), {}}));

struct SmoothingCase
{
    const char* what;
    int beatsPerBar;
    std::vector<std::string> observed;
    Votes votes;
    std::vector<std::string> expected;
};

class ChordSmoothing : public ::testing::TestWithParam<SmoothingCase>
{
};

TEST_P(ChordSmoothing, GivesEveryBeatOneChord)
{
    const SmoothingCase& c = GetParam();
    std::vector<chord> programmed;
    std::vector<chord> smoothed;
    DSP().smoothChords(records(c.observed), c.votes, c.beatsPerBar, programmed, smoothed);
    ASSERT_EQ(programmed.size(), c.observed.size());
    EXPECT_EQ(namesOf(smoothed), c.expected) << c.what;
}

SmoothingCase strayChord(int beatsPerBar)
{
    std::vector<std::string> observed = repeat({{"C", 8}});
    observed[5] = "G";
    return {"stray chord", beatsPerBar, observed, votesFor(observed, 10), repeat({{"C", 8}})};
}

SmoothingCase silentMiddle()
{
    // beats 4 to 7 had no votes and no chord: the path around them fills them
    std::vector<std::string> observed = repeat({{"Am", 4}, {"-", 4}, {"Am", 4}});
    return {"beats without votes", 4, observed, votesFor(observed, 10), repeat({{"Am", 12}})};
}

SmoothingCase barOfThree()
{
    const std::vector<std::string> observed = repeat({{"D", 6}, {"A", 3}, {"G", 3}, {"D", 6}});
    return {"bars of three", 3, observed, votesFor(observed, 12), observed};
}

SmoothingCase progression()
{
    const std::vector<std::string> observed =
        repeat({{"C", 4}, {"Am", 4}, {"F", 4}, {"G", 4}, {"C", 4}, {"Am", 4}});
    return {"repeated progression", 4, observed, votesFor(observed, 13), observed};
}

SmoothingCase noAllowedChord()
{
    // 20 chords of 3 beats each in one 60-beat window: none exceeds 4.2
    // beats, so nothing is allowed; the recognised chords stand
    std::vector<std::string> observed;
    for (int i = 0; i < 20; ++i)
        observed.insert(observed.end(), 3, DSP().getChordfromRootandType(i % 12, (i / 12) * 4).name);
    return {"no allowed chord", 4, observed, votesFor(observed, 5), observed};
}

SmoothingCase nothingRecognised()
{
    const std::vector<std::string> observed = repeat({{"-", 5}});
    return {"nothing recognised", 4, observed, votesFor(observed, 0), repeat({{"-1", 5}})};
}

INSTANTIATE_TEST_SUITE_P(Cases, ChordSmoothing,
                         ::testing::Values(SmoothingCase{"steady", 4, repeat({{"Em", 9}}),
                                                         votesFor(repeat({{"Em", 9}}), 13), repeat({{"Em", 9}})},
                                           strayChord(4), strayChord(5), silentMiddle(), barOfThree(),
                                           progression(), noAllowedChord(), nothingRecognised()));

TEST(ChordDynamicProgramme, TiedBeatKeepsTheObservedChordWhenAllowed)
{
    // Without votes every allowed chord ties at every beat.
    const std::vector<int> allowed = {0, 7, 21, -1};
    const Votes votes(84, std::vector<int>(2, 0));
    const std::vector<std::vector<int>> noProgressions(4);
    const struct
    {
        std::vector<std::string> observed;
        std::vector<std::string> expected;
    } cases[] = {
        {{"G", "Am"}, {"C", "Am"}}, // beat 0 takes the first allowed chord
        {{"G", "F"}, {"C", "C"}},   // F is not allowed: the previous beat's chord
        {{"G", "-"}, {"C", "C"}},
    };
    for (const auto& c : cases) {
        std::vector<chord> out;
        DSP().getChordsDP(votes, allowed, {1.0f, 1.2f}, {-1, -2}, out, records(c.observed), noProgressions);
        EXPECT_EQ(namesOf(out), c.expected);
    }
}

struct SingleCase
{
    const char* what;
    std::vector<std::string> in;
    std::vector<std::pair<std::string, int>> votesAtBeat; // (chord, votes) at every single beat
    std::vector<std::string> expected;
};

class SingleChords : public ::testing::TestWithParam<SingleCase>
{
};

TEST_P(SingleChords, AreReplacedFromTheirNeighbours)
{
    const SingleCase& c = GetParam();
    Votes votes(84, std::vector<int>(c.in.size(), 0));
    for (size_t b = 1; b + 1 < c.in.size(); ++b)
        for (const auto& [name, count] : c.votesAtBeat)
            votes[size_t(indexOf(name))][b] = count;
    const std::vector<chord> in = records(c.in);
    std::vector<chord> out;
    DSP().getRidofSingleChords(in, out, votes);
    EXPECT_EQ(namesOf(out), c.expected) << c.what;
    EXPECT_EQ(namesOf(in), namesOf(records(c.in))); // the input is not changed
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleChords,
    ::testing::Values(
        SingleCase{
            "next has more votes", {"C", "C", "Am", "F", "F"}, {{"F", 3}, {"C", 2}}, {"C", "C", "F", "F", "F"}},
        SingleCase{"equal votes keep the previous",
                   {"C", "C", "Am", "F", "F"},
                   {{"F", 3}, {"C", 3}},
                   {"C", "C", "C", "F", "F"}},
        SingleCase{"a group takes its best candidate",
                   {"C", "Am", "F", "G", "G"},
                   {{"F", 2}, {"Am", 1}},
                   {"C", "F", "F", "G", "G"}},
        SingleCase{
            "a group without votes takes the previous", {"C", "Am", "F", "G", "G"}, {}, {"C", "C", "C", "G", "G"}},
        SingleCase{"ends are never single", {"C", "G", "G", "D"}, {}, {"C", "G", "G", "D"}},
        SingleCase{"too short", {"C", "G"}, {}, {"C", "G"}},
        // a beat without a chord has no votes to compare
        SingleCase{"next to a beat without chord", {"-", "Am", "F", "F"}, {{"F", 1}}, {"-1", "F", "F", "F"}}));

TEST(ChordProgressions, RecurringChangesBecomeProgressions)
{
    const std::vector<std::string> names = repeat({{"A", 4}, {"B", 4}, {"A", 4}, {"B", 4}, {"C", 1}});
    std::vector<chordChange> changes;
    std::vector<std::vector<int>> progressions(4);
    DSP().getChordProg(names, changes, progressions, {{4, 8, 4, 8}, {4, 8, 8, 4}}, {3, 10});

    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].fromName, "A");
    EXPECT_EQ(changes[0].toName, "B");
    EXPECT_EQ(changes[0].fromIndex, 9);
    EXPECT_EQ(changes[0].toIndex, 11);
    EXPECT_EQ(changes[0].count, 2);
    ASSERT_EQ(changes[0].lengths.size(), 1u);
    EXPECT_EQ(changes[0].lengths[0].count, 2);
    // 2 of 3 changes; float arithmetic
    EXPECT_NEAR(changes[0].lengths[0].percent, 66.667f, 1e-3f);
    EXPECT_EQ(changes[1].count, 1);
    EXPECT_NEAR(changes[1].lengths[0].percent, 33.333f, 1e-3f);

    EXPECT_EQ(progressions[0], (std::vector<int>{9, 11}));
    EXPECT_EQ(progressions[1], (std::vector<int>{11, 9}));
    EXPECT_EQ(progressions[2], (std::vector<int>{4, 4}));
    EXPECT_EQ(progressions[3], (std::vector<int>{4, 4}));
}

TEST(ChordProgressions, LengthsOutsideTheBarNeedTenPercent)
{
    // changes C->G (3, 5) twice and G->C (5, 3) once (the last run is
    // dropped): both above 10 %, neither fits the bar pattern
    const std::vector<std::string> names = repeat({{"C", 3}, {"G", 5}, {"C", 3}, {"G", 5}, {"D", 2}});
    std::vector<chordChange> changes;
    std::vector<std::vector<int>> progressions(4);
    DSP().getChordProg(names, changes, progressions, {{4}, {4}}, {3, 10});
    EXPECT_EQ(progressions[2], (std::vector<int>{3, 5}));
    EXPECT_EQ(progressions[3], (std::vector<int>{5, 3}));
}

TEST(ChordProgressions, TwoRunsOrFewerGiveNoChange)
{
    for (const auto& names : {repeat({{"C", 4}, {"G", 4}}), repeat({{"C", 8}}), std::vector<std::string>{}}) {
        std::vector<chordChange> changes;
        std::vector<std::vector<int>> progressions(4);
        DSP().getChordProg(names, changes, progressions, {{4}, {4}}, {3, 10});
        EXPECT_TRUE(changes.empty());
        EXPECT_TRUE(progressions[0].empty());
    }
}

} // namespace
