// Where a chain block sounds in the recording. A block made at read
// position P sounds, at its output frame f, the recording's frame
// first + f · step: step is the frames the position advances per block
// over the hop (1 with the tools off, the tempo factor with the vocoder),
// first is P + 1 with the tools off (the plain frame is read from there);
// with the vocoder the frame's centre (2048 frames in) is heard 2048
// output frames after the block starts, so first = P + 2048 · (pitch
// factor − step): at tempo 0.8 a block sounds from about 410 frames after
// its position.
//
// Everything placed on the output stream by a beat (the click, a riff
// step's first frame, its last) goes through this mapping, so that it
// lands where the recording's own attack is heard, whatever the tools do.
#pragma once

#include <cmath>

struct BlockTiming
{
    double first = 0.0; // recording frame heard at output frame 0
    double step = 1.0;  // recording frames per output frame
    // The vocoder runs: an attack's energy already sounds a few ms before
    // its frame (the frame's window reaches it), so a cut just before an
    // attack must fade out earlier to leave none of it.
    bool smeared = false;

    double sourceAt(double frame) const { return first + frame * step; }
    // The first output frame at or after which `source` is heard (may lie
    // outside the block).
    double frameOf(double source) const { return (source - first) / step; }
};

// Frames the read position moves per block with the chain's controls as
// they are (the tempo factor applies only while the vocoder runs).
int chainAdvanceFrames();

// The timing of a block the chain would make at `position` now.
BlockTiming chainTimingAt(int position);

// The read position whose block starts by sounding `source`, with the
// controls as they are (to the nearest whole frame).
int chainPositionFor(double source);
