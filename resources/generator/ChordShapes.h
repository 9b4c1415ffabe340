// The guitar voicings drawn on the chord sheets, and the geometry that the
// chord cells and the four necks share. Standard tuning, strings numbered
// from the low E (0) to the high e (5). Standard library only.
#pragma once

#include <array>
#include <string>

namespace chordshapes {

constexpr int muted = -1;

struct Voicing
{
    std::array<int, 6> frets; // absolute fret per string; 0 open, muted not played
    int baseFret;             // fret shown in the first row; 1 means the nut is in view
    int barreFret;            // 0: no barre
    int barreFrom;            // the barre runs from this string up to string 5
};

constexpr int rootCount = 12;
constexpr int typeCount = 7;
constexpr int chordCount = rootCount * typeCount;

// Cell i of a sheet is chord 12 × type + root, in these orders.
extern const char* const rootNames[rootCount];    // "A", "Bb", "B", "C", "C#", …, "Ab"
extern const char* const typeSuffixes[typeCount]; // "", "m", "7", "sus4", "sus2", "maj7", "m7"

std::string chordName(int index);
std::string powerChordName(int root); // root + "5"

const Voicing& openVoicing(int index); // 0 … 83
const Voicing& powerVoicing(int root); // 0 … 11, root and fifth only

// Pitch classes with C = 0.
int rootPitchClass(int root);
int openStringPitchClass(int string);
// The chord's intervals above the root, in semitones; the fifth comes last.
const std::array<int, 4>& typeIntervals(int type, int& count);

// Geometry of a 126 × 264 cell; every neck picture uses the same frame.
namespace cell {
constexpr int width = 126;
constexpr int height = 264;
constexpr int nameBottom = 40;   // the name sits in y < nameBottom
constexpr double openMarkY = 50; // "o" and "x" above the nut
constexpr int nutTop = 57;
constexpr int nutBottom = 64; // the first fret space starts here
constexpr int fretSpacing = 38;
constexpr int shownFrets = 5;
constexpr int boardLeft = 22;
constexpr int boardRight = 117;
constexpr int boardBottom = 258;
constexpr double markRadius = 7.5;
// Strings lie on pixel centres so that even the thinnest one is crisp.
constexpr double stringX(int string)
{
    return 32.5 + 15.0 * string;
}
constexpr double fretLineY(int fret)
{
    return nutBottom + fretSpacing * fret;
} // fret 0: the nut
// Centre of a mark in row 1 … 5 (row 1 is the base fret).
constexpr double markY(int row)
{
    return nutBottom + fretSpacing * (row - 0.5);
}
// The base-fret number sits left of the first row.
constexpr int baseFretLabelRight = 23;
} // namespace cell

} // namespace chordshapes
