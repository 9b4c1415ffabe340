// The voicings drawn on the chord sheets are playable and are the chords
// their cells name.
#include "ChordShapes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace cs = chordshapes;

namespace {

struct KnownCase
{
    const char* name;
    std::array<int, 6> frets;
};

class KnownVoicing : public ::testing::TestWithParam<KnownCase>
{
};

TEST_P(KnownVoicing, SheetCellHoldsTheFamiliarShape)
{
    const KnownCase c = GetParam();
    int index = -1;
    for (int i = 0; i < cs::chordCount; ++i)
        if (cs::chordName(i) == c.name)
            index = i;
    ASSERT_GE(index, 0) << c.name;
    EXPECT_EQ(cs::openVoicing(index).frets, c.frets);
}

constexpr int x = cs::muted;

INSTANTIATE_TEST_SUITE_P(Table, KnownVoicing,
                         ::testing::Values(KnownCase{"C", {x, 3, 2, 0, 1, 0}}, KnownCase{"G", {3, 2, 0, 0, 0, 3}},
                                           KnownCase{"D", {x, x, 0, 2, 3, 2}}, KnownCase{"Am", {x, 0, 2, 2, 1, 0}},
                                           KnownCase{"Em", {0, 2, 2, 0, 0, 0}},
                                           KnownCase{"E7", {0, 2, 0, 1, 0, 0}}, KnownCase{"F", {1, 3, 3, 2, 1, 1}},
                                           KnownCase{"Dm7", {x, x, 0, 2, 1, 1}},
                                           KnownCase{"Cmaj7", {x, 3, 2, 0, 0, 0}},
                                           KnownCase{"Bm", {x, 2, 4, 4, 3, 2}}),
                         [](const auto& row) {
                             std::string n = row.param.name;
                             std::replace(n.begin(), n.end(), '#', 's');
                             return n;
                         });

TEST(ChordShapes, CellOrderIsTypeMajorThenRootFromA)
{
    EXPECT_EQ(cs::chordName(0), "A");
    EXPECT_EQ(cs::chordName(40), "C#sus4"); // 3 × 12 + 4
    EXPECT_EQ(cs::chordName(73), "Bbm7");   // 6 × 12 + 1
    EXPECT_EQ(cs::chordName(83), "Abm7");
    EXPECT_EQ(cs::powerChordName(7), "E5");
}

std::set<int> soundingPitchClasses(const cs::Voicing& v, int* bass)
{
    std::set<int> classes;
    *bass = -1;
    for (int s = 0; s < 6; ++s) {
        if (v.frets[size_t(s)] == cs::muted)
            continue;
        const int pc = (cs::openStringPitchClass(s) + v.frets[size_t(s)]) % 12;
        if (*bass < 0)
            *bass = pc;
        classes.insert(pc);
    }
    return classes;
}

class EveryVoicing : public ::testing::TestWithParam<int>
{
};

// Every note is a chord tone, the root is in the bass, and every tone but
// the fifth sounds.
TEST_P(EveryVoicing, SoundsItsChordWithTheRootInTheBass)
{
    const int index = GetParam();
    const cs::Voicing& v = cs::openVoicing(index);
    const int root = cs::rootPitchClass(index % cs::rootCount);
    int count = 0;
    const auto& intervals = cs::typeIntervals(index / cs::rootCount, count);
    std::set<int> tones;
    for (int i = 0; i < count; ++i)
        tones.insert((root + intervals[size_t(i)]) % 12);

    int bass = -1;
    const std::set<int> sounding = soundingPitchClasses(v, &bass);
    EXPECT_EQ(bass, root) << cs::chordName(index);
    for (int pc : sounding)
        EXPECT_TRUE(tones.count(pc)) << cs::chordName(index) << " sounds pitch class " << pc;
    for (int i = 0; i + 1 < count; ++i) // the fifth (last) may be left out
        EXPECT_TRUE(sounding.count((root + intervals[size_t(i)]) % 12))
            << cs::chordName(index) << " lacks interval " << intervals[size_t(i)];
}

// Fretted notes lie within four frets and inside the five rows shown from
// the base fret; a barre covers only strings that it actually stops.
TEST_P(EveryVoicing, FitsOneHandAndTheDiagram)
{
    const int index = GetParam();
    const cs::Voicing& v = cs::openVoicing(index);
    int lowest = 99, highest = 0, played = 0;
    for (int fret : v.frets) {
        if (fret != cs::muted)
            ++played;
        if (fret > 0) {
            lowest = std::min(lowest, fret);
            highest = std::max(highest, fret);
        }
    }
    EXPECT_GE(played, 4) << cs::chordName(index);
    EXPECT_LE(highest - lowest, 3) << cs::chordName(index);
    EXPECT_GE(lowest, v.baseFret) << cs::chordName(index);
    EXPECT_LT(highest, v.baseFret + cs::cell::shownFrets) << cs::chordName(index);
    if (v.barreFret > 0) {
        EXPECT_EQ(v.barreFret, lowest) << cs::chordName(index);
        for (int s = v.barreFrom; s < 6; ++s)
            EXPECT_GE(v.frets[size_t(s)], v.barreFret) << cs::chordName(index) << " string " << s;
        EXPECT_EQ(v.frets[size_t(v.barreFrom)], v.barreFret) << cs::chordName(index);
    }
}

INSTANTIATE_TEST_SUITE_P(AllChords, EveryVoicing, ::testing::Range(0, cs::chordCount));

TEST(ChordShapes, PowerShapesAreRootAndFifthInTheBass)
{
    for (int r = 0; r < cs::rootCount; ++r) {
        const cs::Voicing& v = cs::powerVoicing(r);
        int bass = -1;
        const std::set<int> sounding = soundingPitchClasses(v, &bass);
        const int root = cs::rootPitchClass(r);
        EXPECT_EQ(bass, root) << cs::powerChordName(r);
        EXPECT_EQ(sounding, (std::set<int>{root, (root + 7) % 12})) << cs::powerChordName(r);
    }
}

} // namespace
