// Chord names and the chords tab's diagram indexes, and how a key shift and
// a capo transpose them. Pure functions: the chords tab, the chord strip's
// name query and the tests use the same ones.
//
// Index = 12 × type + root, 0 … 83. Roots from A: "A", "A#"/"Bb", "B", "C",
// "Db"/"C#", "D", "Eb"/"D#", "E", "F", "F#"/"Gb", "G", "Ab"/"G#". Types:
// "" (major), "m", "7", "sus4", "sus2", "maj7", "m7". Names are compared
// whole and case-sensitively; anything else ("X", "-", "", "Cdim", "bb") has
// no index (-1).
#pragma once

#include <QString>

namespace chordnames {

constexpr int rootCount = 12;
constexpr int typeCount = 7;
constexpr int chordCount = rootCount * typeCount;

// The spelling the views write for each root and type, in index order.
extern const char* const rootNames[rootCount]; // "A", "Bb", "B", "C", "C#", "D", "Eb", …, "Ab"
extern const char* const typeSuffixes[typeCount];

// The index of a whole name, -1 when it has none.
int tableIndex(const QString& name);
// The name the views write for index 0 … 83; "-" for anything else.
QString chordName(int index);

// The root part of a name: its first two characters when it holds a "b" or
// a "#" anywhere, else its first one ("" for ""). Power chords use it.
QString chordRoot(const QString& name);

// d modulo 12, into 0 … 11, for any d.
int foldRoot(int d);

// The key shift as the tab keeps it: one fold by 12 when beyond ±12
// (12.5 becomes 0.5). Not a number counts as 0.
float foldKeyShift(float keyShift);

// The whole-semitone shift w applied to chord names: the key shift rounded
// (halves upward, after adding 0.001), minus the capo fret, truncated, and
// folded once by 12 into -12 … 12 for key shifts within ±12 and capos 0 … 11.
int wholeShift(float keyShift, float capo);

// The chord `index` moved by w semitones, its type kept. An index without a
// chord (-1, or anything outside 0 … 83) stays -1: a bare neck.
int shiftIndex(int index, int w);

// The chords tab's transposition: its key shift (semitones, already folded)
// and its capo fret.
struct Transposition
{
    float keyShift = 0.0f;
    float capo = 0.0f;
    int w() const { return wholeShift(keyShift, capo); }
};

// The tab's answer to a name query: the index of `chord` moved by
// w - 2 × shiftAmount semitones, its type kept; -1 for a name without index.
// shiftAmount 0 gives the chord shifted by w; shiftAmount w undoes that
// shift, so a name produced with w comes back as the unshifted chord.
int getChordIndex(const QString& chord, int shiftAmount, const Transposition& tab);
// The short form: shiftAmount 0.
int getChordIndex(const QString& chord, const Transposition& tab);

} // namespace chordnames
