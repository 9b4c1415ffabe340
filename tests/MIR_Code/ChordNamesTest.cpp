#include "DSP.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const spellings[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
const char* const suffixes[7] = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};

TEST(ChordVocabulary, EightyFourDistinctNamesParseBackToRootAndType)
{
    DSP dsp;
    std::set<std::string> names;
    for (int type = 0; type < 7; ++type) {
        for (int root = 0; root < 12; ++root) {
            const chord c = dsp.getChordfromRootandType(root, type);
            EXPECT_EQ(c.name, std::string(spellings[root]) + suffixes[type]);
            EXPECT_EQ(c.quality, suffixes[type]);
            EXPECT_EQ(c.root, root);
            EXPECT_EQ(c.type, type);
            EXPECT_EQ(c.reserved, 0);
            EXPECT_EQ(chordIndex(c), type * 12 + root);
            names.insert(c.name);

            int parsedRoot = -5;
            int parsedType = -5;
            dsp.getRootType(c.name, parsedRoot, parsedType);
            EXPECT_EQ(parsedRoot, root) << c.name;
            EXPECT_EQ(parsedType, type) << c.name;
        }
    }
    EXPECT_EQ(names.size(), 84u);
}

struct BuiltCase
{
    int root;
    int type;
    const char* name;
    int expectedType;
};

class ChordFromRootAndType : public ::testing::TestWithParam<BuiltCase>
{
};

TEST_P(ChordFromRootAndType, NamesTheRecord)
{
    const BuiltCase& c = GetParam();
    const chord built = DSP().getChordfromRootandType(c.root, c.type);
    EXPECT_EQ(built.name, c.name);
    EXPECT_EQ(built.type, c.expectedType);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChordFromRootAndType,
                         ::testing::Values(BuiltCase{10, 6, "Bbm7", 6}, BuiltCase{3, 0, "D#", 0},
                                           BuiltCase{8, 5, "G#maj7", 5},
                                           // a type outside the vocabulary keeps its value, no suffix
                                           BuiltCase{0, 9, "C", 9},
                                           // a root outside 0 .. 11 gives the none record
                                           BuiltCase{12, 0, "-1", -1}, BuiltCase{-1, 0, "-1", -1}));

struct TemplateCase
{
    int noteCount;
    int templateIndex;
    const char* name;
    int root;
    int type;
};

class ChordNameOfTemplate : public ::testing::TestWithParam<TemplateCase>
{
};

TEST_P(ChordNameOfTemplate, NamesTheMatch)
{
    const TemplateCase& c = GetParam();
    const chord named = DSP().getChordName(c.noteCount, c.templateIndex);
    EXPECT_EQ(named.name, c.name);
    EXPECT_EQ(named.root, c.root);
    EXPECT_EQ(named.type, c.type);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChordNameOfTemplate,
                         ::testing::Values(TemplateCase{3, 0, "C", 0, 0}, TemplateCase{3, 21, "Am", 9, 1},
                                           TemplateCase{3, 26, "Dsus2", 2, 2}, TemplateCase{3, 47, "Bsus4", 11, 3},
                                           TemplateCase{3, 50, "Ddim", 2, -1}, TemplateCase{4, 7, "G7", 7, 4},
                                           TemplateCase{4, 13, "C#maj7", 1, 5}, TemplateCase{4, 34, "Bbm7", 10, 6},
                                           TemplateCase{4, 40, "E7sus4", 4, -1},
                                           TemplateCase{4, 59, "Badd9", 11, -1},
                                           // outside the tables: the none record
                                           TemplateCase{3, 60, "-1", -1, -1}, TemplateCase{5, 0, "-1", -1, -1}));

struct ParseCase
{
    const char* name;
    int root; // expected; 99 = left as it was
    int type;
};

class ChordNameParsing : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ChordNameParsing, GivesRootAndType)
{
    const ParseCase& c = GetParam();
    int root = 99;
    int type = 99;
    DSP().getRootType(c.name, root, type);
    EXPECT_EQ(root, c.root);
    EXPECT_EQ(type, c.type);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChordNameParsing,
                         ::testing::Values(ParseCase{"Bbm7", 10, 6}, ParseCase{"bbm7", 10, 6},
                                           ParseCase{"Ebm", 3, 1}, ParseCase{"A#", 10, 0}, ParseCase{"Db", 1, 0},
                                           ParseCase{"Cmaj7", 0, 5}, ParseCase{"Fm7", 5, 6}, ParseCase{"G", 7, 0},
                                           ParseCase{"B", 11, 0}, ParseCase{"Gb", 6, 0}, ParseCase{"Ab7", 8, 4},
                                           ParseCase{"c#m7", 1, 6}, ParseCase{"Esus2", 4, 2},
                                           ParseCase{"F#sus4", 6, 3}, ParseCase{"Amin", 9, 1},
                                           // "7sus4" begins with "7"
                                           ParseCase{"C7sus4", 0, 4},
                                           // suffixes outside the vocabulary leave the type as it was
                                           ParseCase{"Cdim", 0, 99}, ParseCase{"Dadd9", 2, 99},
                                           // no root: the root is left, the empty rest reads as major
                                           ParseCase{"X", 99, 0}, ParseCase{"", 99, 0}, ParseCase{"-1", 99, 0}));

TEST(ChordVocabulary, SharpAndFlatSpellingsParseAlike)
{
    const std::pair<const char*, const char*> enharmonics[] = {
        {"C#", "Db"}, {"D#", "Eb"}, {"F#", "Gb"}, {"G#", "Ab"}, {"A#", "Bb"}};
    DSP dsp;
    for (const auto& pair : enharmonics) {
        for (const char* suffix : suffixes) {
            int sharpRoot = -1, sharpType = -1, flatRoot = -2, flatType = -2;
            dsp.getRootType(std::string(pair.first) + suffix, sharpRoot, sharpType);
            dsp.getRootType(std::string(pair.second) + suffix, flatRoot, flatType);
            EXPECT_EQ(sharpRoot, flatRoot) << pair.first << suffix;
            EXPECT_EQ(sharpType, flatType) << pair.first << suffix;
        }
    }
}

std::vector<chord> sequence(const std::vector<std::pair<int, int>>& rootTypeCounts)
{
    DSP dsp;
    std::vector<chord> chords;
    for (const auto& [index, count] : rootTypeCounts)
        for (int i = 0; i < count; ++i)
            chords.push_back(index < 0 ? noneChord() : dsp.getChordfromRootandType(index % 12, index / 12));
    return chords;
}

TEST(ChordRanking, MostFrequentFirstAndUntouchedAfter)
{
    // 40 Am, a stray none record and 10 C
    const std::vector<chord> chords = sequence({{21, 40}, {-1, 3}, {0, 10}});
    std::vector<std::string> names(84, "");
    std::vector<int> indices(84, -1);
    DSP().getExistingChordsRanked(chords, names, 7, indices);
    EXPECT_EQ(names[0], "Am");
    EXPECT_EQ(indices[0], 21);
    EXPECT_EQ(names[1], "C");
    EXPECT_EQ(indices[1], 0);
    for (size_t k = 2; k < 84; ++k) {
        EXPECT_EQ(names[k], "");
        EXPECT_EQ(indices[k], -1);
    }
}

TEST(ChordRanking, EmptySequenceLeavesEverySlot)
{
    std::vector<std::string> names(84, "");
    std::vector<int> indices(84, -1);
    DSP().getExistingChordsRanked({}, names, 7, indices);
    EXPECT_EQ(std::count(names.begin(), names.end(), ""), 84);
    EXPECT_EQ(std::count(indices.begin(), indices.end(), -1), 84);
}

TEST(ChordRanking, EveryChordOnceAndMatchesOutsideTheVocabularyIgnored)
{
    DSP dsp;
    std::vector<chord> chords = sequence({{7, 3}, {19, 5}, {7, 2}, {45, 1}, {83, 4}});
    chords.push_back(dsp.getChordName(3, 50)); // "Ddim": a root but no type
    std::vector<std::string> names(84, "");
    std::vector<int> indices(84, -1);
    dsp.getExistingChordsRanked(chords, names, 7, indices);

    const std::vector<std::string> ranked(names.begin(), names.begin() + 4);
    EXPECT_EQ(names[4], "");
    EXPECT_EQ(std::set<std::string>(ranked.begin(), ranked.end()).size(), 4u);
    // counts 5 (G and Gm), 4 (Bm7), 1 (Asus4): the order among equals is open
    EXPECT_TRUE((ranked[0] == "G" && ranked[1] == "Gm") || (ranked[0] == "Gm" && ranked[1] == "G"));
    EXPECT_EQ(ranked[2], "Bm7");
    EXPECT_EQ(ranked[3], "Asus4");
}

TEST(ChordRanking, ShortListsAreNotOverrun)
{
    const std::vector<chord> chords = sequence({{0, 3}, {2, 2}, {4, 1}});
    std::vector<std::string> names(2, "");
    std::vector<int> indices(2, -1);
    DSP().getExistingChordsRanked(chords, names, 7, indices);
    EXPECT_EQ(names, (std::vector<std::string>{"C", "D"}));
}

TEST(SortWithIndices, SortsAscendingWithOriginalPositions)
{
    std::vector<float> sorted;
    std::vector<size_t> order;
    sortWithIndices(std::vector<float>{3.0f, 1.0f, 2.0f}, sorted, order);
    EXPECT_EQ(sorted, (std::vector<float>{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(order, (std::vector<size_t>{1, 2, 0}));

    std::vector<int> sortedInts{9, 9};
    order = {4, 4, 4};
    sortWithIndices(std::vector<int>{}, sortedInts, order);
    EXPECT_TRUE(sortedInts.empty());
    EXPECT_TRUE(order.empty());
}

TEST(SortWithIndices, EqualValuesKeepAPermutation)
{
    const std::vector<int> values = {2, 0, 2, 1, 0, 2, 1, 0, 2, 2, 1, 0, 2, 0, 1, 2, 2};
    std::vector<int> sorted;
    std::vector<size_t> order;
    sortWithIndices(values, sorted, order);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
    std::vector<size_t> positions = order;
    std::sort(positions.begin(), positions.end());
    for (size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(positions[i], i);
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(sorted[i], values[order[i]]);
}

} // namespace
