// The records the chord analysis passes between its stages, and the index
// sort it orders values with.
//
// The vocabulary is closed: 12 roots (0 = C .. 11 = B) times 7 types
// ("", "m", "sus2", "sus4", "7", "maj7", "m7"), chord index = type * 12 + root.
#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

// One chord of a beat or frame. Records are compared by name.
//   none record:  quality "-1", name "-1", root -1, type -1 (no chord)
//   placeholder:  name "" (filled before it is used)
// Template matches outside the vocabulary ("dim", "7sus4", "add9") carry a
// root but type -1.
struct chord
{
    std::string quality; // type suffix, e.g. "m7"
    std::string name;    // root spelling + suffix, e.g. "F#m7"
    int root = -1;       // 0 (C) .. 11 (B)
    int reserved = 0;    // not read by the analysis
    int type = -1;       // 0 .. 6
};

// The record of a beat or frame without a chord.
inline chord noneChord()
{
    return chord{"-1", "-1", -1, 0, -1};
}

// Index type * 12 + root of a vocabulary chord, -1 for the none record and
// for matches outside the vocabulary.
inline int chordIndex(const chord& c)
{
    if (c.root < 0 || c.root > 11 || c.type < 0 || c.type > 6)
        return -1;
    return c.type * 12 + c.root;
}

// A chord run length pair seen with one chord change.
struct runLengthPair
{
    int fromBeats = 0;    // length of the earlier chord's run
    int toBeats = 0;      // length of the later chord's run
    int count = 0;        // occurrences with these two lengths
    float percent = 0.0f; // count * 100 / all changes of the song
};

// One ordered pair of chords that follow each other in a chord sequence.
struct chordChange
{
    int fromIndex = -1; // chord index of the earlier chord
    int toIndex = -1;   // chord index of the later chord
    int count = 0;      // occurrences of this change
    std::string fromName;
    std::string toName;
    std::vector<runLengthPair> lengths;
};

// Sorts values ascending into sorted and leaves in order the position each
// sorted value had in values (sorted[i] == values[order[i]]). The sort is not
// stable: equal values may come out in any order.
template <typename T>
void sortWithIndices(const std::vector<T>& values, std::vector<T>& sorted, std::vector<size_t>& order)
{
    order.resize(values.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::sort(order.begin(), order.end(), [&values](size_t a, size_t b) { return values[a] < values[b]; });
    sorted.resize(values.size());
    for (size_t i = 0; i < order.size(); ++i)
        sorted[i] = values[order[i]];
}
