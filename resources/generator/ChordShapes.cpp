#include "ChordShapes.h"

namespace chordshapes {

const char* const rootNames[rootCount] = {"A", "Bb", "B", "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab"};
const char* const typeSuffixes[typeCount] = {"", "m", "7", "sus4", "sus2", "maj7", "m7"};

namespace {

constexpr int x = muted;

// Open shapes where they exist, otherwise the movable A-shape (root on the
// fifth string) or E-shape (root on the sixth) barre with its base fret.
// Rows follow the cell order: type by type, roots A, Bb, B, C, C#, D, Eb,
// E, F, F#, G, Ab.
const Voicing openTable[chordCount] = {
    // major
    {{x, 0, 2, 2, 2, 0}, 1, 0, 0}, // A
    {{x, 1, 3, 3, 3, 1}, 1, 1, 1}, // Bb
    {{x, 2, 4, 4, 4, 2}, 2, 2, 1}, // B
    {{x, 3, 2, 0, 1, 0}, 1, 0, 0}, // C
    {{x, 4, 6, 6, 6, 4}, 4, 4, 1}, // C#
    {{x, x, 0, 2, 3, 2}, 1, 0, 0}, // D
    {{x, 6, 8, 8, 8, 6}, 6, 6, 1}, // Eb
    {{0, 2, 2, 1, 0, 0}, 1, 0, 0}, // E
    {{1, 3, 3, 2, 1, 1}, 1, 1, 0}, // F
    {{2, 4, 4, 3, 2, 2}, 2, 2, 0}, // F#
    {{3, 2, 0, 0, 0, 3}, 1, 0, 0}, // G
    {{4, 6, 6, 5, 4, 4}, 4, 4, 0}, // Ab
    // m
    {{x, 0, 2, 2, 1, 0}, 1, 0, 0}, // Am
    {{x, 1, 3, 3, 2, 1}, 1, 1, 1}, // Bbm
    {{x, 2, 4, 4, 3, 2}, 2, 2, 1}, // Bm
    {{x, 3, 5, 5, 4, 3}, 3, 3, 1}, // Cm
    {{x, 4, 6, 6, 5, 4}, 4, 4, 1}, // C#m
    {{x, x, 0, 2, 3, 1}, 1, 0, 0}, // Dm
    {{x, 6, 8, 8, 7, 6}, 6, 6, 1}, // Ebm
    {{0, 2, 2, 0, 0, 0}, 1, 0, 0}, // Em
    {{1, 3, 3, 1, 1, 1}, 1, 1, 0}, // Fm
    {{2, 4, 4, 2, 2, 2}, 2, 2, 0}, // F#m
    {{3, 5, 5, 3, 3, 3}, 3, 3, 0}, // Gm
    {{4, 6, 6, 4, 4, 4}, 4, 4, 0}, // Abm
    // 7
    {{x, 0, 2, 0, 2, 0}, 1, 0, 0}, // A7
    {{x, 1, 3, 1, 3, 1}, 1, 1, 1}, // Bb7
    {{x, 2, 1, 2, 0, 2}, 1, 0, 0}, // B7
    {{x, 3, 2, 3, 1, 0}, 1, 0, 0}, // C7
    {{x, 4, 6, 4, 6, 4}, 4, 4, 1}, // C#7
    {{x, x, 0, 2, 1, 2}, 1, 0, 0}, // D7
    {{x, 6, 8, 6, 8, 6}, 6, 6, 1}, // Eb7
    {{0, 2, 0, 1, 0, 0}, 1, 0, 0}, // E7
    {{1, 3, 1, 2, 1, 1}, 1, 1, 0}, // F7
    {{2, 4, 2, 3, 2, 2}, 2, 2, 0}, // F#7
    {{3, 2, 0, 0, 0, 1}, 1, 0, 0}, // G7
    {{4, 6, 4, 5, 4, 4}, 4, 4, 0}, // Ab7
    // sus4
    {{x, 0, 2, 2, 3, 0}, 1, 0, 0}, // Asus4
    {{x, 1, 3, 3, 4, 1}, 1, 1, 1}, // Bbsus4
    {{x, 2, 4, 4, 5, 2}, 2, 2, 1}, // Bsus4
    {{x, 3, 3, 0, 1, 1}, 1, 0, 0}, // Csus4
    {{x, 4, 6, 6, 7, 4}, 4, 4, 1}, // C#sus4
    {{x, x, 0, 2, 3, 3}, 1, 0, 0}, // Dsus4
    {{x, 6, 8, 8, 9, 6}, 6, 6, 1}, // Ebsus4
    {{0, 2, 2, 2, 0, 0}, 1, 0, 0}, // Esus4
    {{1, 3, 3, 3, 1, 1}, 1, 1, 0}, // Fsus4
    {{2, 4, 4, 4, 2, 2}, 2, 2, 0}, // F#sus4
    {{3, 3, 0, 0, 1, 3}, 1, 0, 0}, // Gsus4
    {{4, 6, 6, 6, 4, 4}, 4, 4, 0}, // Absus4
    // sus2
    {{x, 0, 2, 2, 0, 0}, 1, 0, 0},        // Asus2
    {{x, 1, 3, 3, 1, 1}, 1, 1, 1},        // Bbsus2
    {{x, 2, 4, 4, 2, 2}, 2, 2, 1},        // Bsus2
    {{x, 3, 0, 0, 1, 3}, 1, 0, 0},        // Csus2
    {{x, 4, 6, 6, 4, 4}, 4, 4, 1},        // C#sus2
    {{x, x, 0, 2, 3, 0}, 1, 0, 0},        // Dsus2
    {{x, 6, 8, 8, 6, 6}, 6, 6, 1},        // Ebsus2
    {{0, 2, 4, 4, 0, 0}, 1, 0, 0},        // Esus2
    {{x, x, 3, 0, 1, 1}, 1, 0, 0},        // Fsus2
    {{x, 9, 11, 11, 9, 9}, 9, 9, 1},      // F#sus2
    {{3, 0, 0, 2, 3, 3}, 1, 0, 0},        // Gsus2
    {{x, 11, 13, 13, 11, 11}, 11, 11, 1}, // Absus2
    // maj7
    {{x, 0, 2, 1, 2, 0}, 1, 0, 0}, // Amaj7
    {{x, 1, 3, 2, 3, 1}, 1, 1, 1}, // Bbmaj7
    {{x, 2, 4, 3, 4, 2}, 2, 2, 1}, // Bmaj7
    {{x, 3, 2, 0, 0, 0}, 1, 0, 0}, // Cmaj7
    {{x, 4, 6, 5, 6, 4}, 4, 4, 1}, // C#maj7
    {{x, x, 0, 2, 2, 2}, 1, 0, 0}, // Dmaj7
    {{x, 6, 8, 7, 8, 6}, 6, 6, 1}, // Ebmaj7
    {{0, 2, 1, 1, 0, 0}, 1, 0, 0}, // Emaj7
    {{x, x, 3, 2, 1, 0}, 1, 0, 0}, // Fmaj7
    {{2, x, 3, 3, 2, x}, 1, 0, 0}, // F#maj7
    {{3, 2, 0, 0, 0, 2}, 1, 0, 0}, // Gmaj7
    {{4, x, 5, 5, 4, x}, 4, 0, 0}, // Abmaj7
    // m7
    {{x, 0, 2, 0, 1, 0}, 1, 0, 0}, // Am7
    {{x, 1, 3, 1, 2, 1}, 1, 1, 1}, // Bbm7
    {{x, 2, 0, 2, 0, 2}, 1, 0, 0}, // Bm7
    {{x, 3, 5, 3, 4, 3}, 3, 3, 1}, // Cm7
    {{x, 4, 6, 4, 5, 4}, 4, 4, 1}, // C#m7
    {{x, x, 0, 2, 1, 1}, 1, 0, 0}, // Dm7
    {{x, 6, 8, 6, 7, 6}, 6, 6, 1}, // Ebm7
    {{0, 2, 0, 0, 0, 0}, 1, 0, 0}, // Em7
    {{1, 3, 1, 1, 1, 1}, 1, 1, 0}, // Fm7
    {{2, 4, 2, 2, 2, 2}, 2, 2, 0}, // F#m7
    {{3, 5, 3, 3, 3, 3}, 3, 3, 0}, // Gm7
    {{4, 6, 4, 4, 4, 4}, 4, 4, 0}, // Abm7
};

// Root and fifth (and the root an octave up where it falls under the hand).
const Voicing powerTable[rootCount] = {
    {{x, 0, 2, 2, x, x}, 1, 0, 0}, // A5
    {{x, 1, 3, 3, x, x}, 1, 0, 0}, // Bb5
    {{x, 2, 4, 4, x, x}, 2, 0, 0}, // B5
    {{x, 3, 5, 5, x, x}, 3, 0, 0}, // C5
    {{x, 4, 6, 6, x, x}, 4, 0, 0}, // C#5
    {{x, x, 0, 2, 3, x}, 1, 0, 0}, // D5
    {{x, 6, 8, 8, x, x}, 6, 0, 0}, // Eb5
    {{0, 2, 2, x, x, x}, 1, 0, 0}, // E5
    {{1, 3, 3, x, x, x}, 1, 0, 0}, // F5
    {{2, 4, 4, x, x, x}, 2, 0, 0}, // F#5
    {{3, 5, 5, x, x, x}, 3, 0, 0}, // G5
    {{4, 6, 6, x, x, x}, 4, 0, 0}, // Ab5
};

const std::array<int, 4> intervals[typeCount] = {
    {0, 4, 7, 0},  // major
    {0, 3, 7, 0},  // minor
    {0, 4, 10, 7}, // 7
    {0, 5, 7, 0},  // sus4
    {0, 2, 7, 0},  // sus2
    {0, 4, 11, 7}, // maj7
    {0, 3, 10, 7}, // m7
};
const int intervalCounts[typeCount] = {3, 3, 4, 3, 3, 4, 4};

} // namespace

std::string chordName(int index)
{
    return std::string(rootNames[index % rootCount]) + typeSuffixes[index / rootCount];
}

std::string powerChordName(int root)
{
    return std::string(rootNames[root]) + "5";
}

const Voicing& openVoicing(int index)
{
    return openTable[index];
}

const Voicing& powerVoicing(int root)
{
    return powerTable[root];
}

int rootPitchClass(int root)
{
    return (root + 9) % 12; // A is 9 with C = 0
}

int openStringPitchClass(int string)
{
    static const int tuning[6] = {4, 9, 2, 7, 11, 4}; // E A D G B E
    return tuning[string];
}

const std::array<int, 4>& typeIntervals(int type, int& count)
{
    count = intervalCounts[type];
    return intervals[type];
}

} // namespace chordshapes
