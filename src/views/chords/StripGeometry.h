// The arithmetic of the chord strip and its edit range, kept apart from the
// widgets so that it is tested without painting: runs of equal chords, the
// strip pixel of a sample position, the beat under the pointer, the snap of
// a dragged range end, the shape of a highlighted beat, and the split of a
// chord name into root and quality.
//
// Pixels: x = ⌊(sample + offset) / spp + 0.5⌋ with spp = frames / width in
// single precision, the waveform's FrameScale, so that a beat falls on the
// same column in both.
#pragma once

#include "BeatLead.h"
#include "ZoomLevel.h"

#include <QString>
#include <QVector>

#include <optional>

namespace chordstrip {

// The offset added to a beat's sample to draw it where it is heard: the
// beat lead, negated.
constexpr int heardOffset = -base::beatLeadFrames;

// One tag: a run of consecutive beats with the same chord name.
struct Run
{
    int firstBeat = 0;
    int beatCount = 0;
};

// Runs in beat order; names compare exactly (case-sensitive).
QVector<Run> chordRuns(const QVector<QString>& chords);

// Pixels are kept within ±pixelLimit: far beyond any canvas, yet a widget's
// x plus its width stays an int. A cache this system did not write may hold
// beats two billion samples out.
constexpr int pixelLimit = 1000000000;

class PixelScale
{
public:
    // frames: of the recording; width: of the strip in pixels; offset:
    // samples added to every position before it becomes a pixel.
    PixelScale(int frames, int width, int offset);

    // Nothing can be laid out over no width or no recording.
    bool isValid() const { return scale.isValid(); }
    // The pixel column of a sample position.
    int x(double sample) const;
    // The width of [from, to) once from lies at x(from): the end is rounded
    // on its own, so neighbouring spans meet without gap or overlap.
    int width(double from, double to) const;

private:
    FrameScale scale;
    int offset;
};

// The pixels of the tag covering beats [firstBeat, firstBeat + beatCount).
// A run whose closing beat the model lacks ends at the recording's end.
// Empty when the run's first beat lies outside beats.
struct Span
{
    int x = 0;
    int width = 0;
};
std::optional<Span> tagSpan(const QVector<float>& beats, int firstBeat, int beatCount, int frames, int stripWidth,
                            int offset);

// The first beat b in 0 .. beats − 2 with X(b) < x < X(b + 1); −1 for none
// (a pointer on a beat's own column lies in neither neighbour).
int beatUnder(const QVector<float>& beats, const PixelScale& scale, int x);

// Where a dragged range end lands: the first beat b whose midpoint-to-
// midpoint band holds the pointer (X(b) + half < x < X(b + 1) + half, with
// half = (X(b + 1) − X(b)) div 2) snaps to the start of beat b + 1, drawn at
// X(b) + 2 × half. Empty with fewer than two beats or without such a band.
struct Snap
{
    int beat = 0;
    int x = 0;
};
std::optional<Snap> snapToBeat(const QVector<float>& beats, const PixelScale& scale, int x);

// How a highlighted beat of the edit range is drawn, from its place in the
// chord sequence and in the range [startBeat, endBeat). A beat starts a run
// when its chord differs from the one before, ends it when it differs from
// the one after; the first of these rows that applies wins.
enum class BeatShape {
    First,         // beat 0
    Last,          // the last beat of the sequence
    RunStart,      // starts a run without ending it, and starts the range
    RunEnd,        // ends a run without starting it, and ends the range
    SingleBeatRun, // starts and ends a run, in a range of one beat
    Inner,         // anything else, also a beat the sequence does not hold
};
BeatShape beatShape(const QVector<QString>& chords, int beat, int startBeat, int endBeat);

// A chord name as the strip reads it: the quality tokens "m", "in", "aj",
// "7", "sus", "2", "4" found anywhere in the name, in that order, make the
// suffix; the root is the name without that suffix. "Cmaj7" is "C" + "maj7",
// "Bbm" is "Bb" + "m", "X" is "X" + "".
struct ChordParts
{
    QString root;
    QString suffix;
};
ChordParts splitChordName(const QString& name);

// Root names in the strip's order, A first: "A", "Bb", "B", "C", "C#", "D",
// "Eb", "E", "F", "F#", "G", "Ab"; "-" for any other index.
QString rootName(int index);

} // namespace chordstrip
