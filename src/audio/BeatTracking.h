// Beat tracking during playback, as a pure function over the model's beat
// array: which beat the read position has entered. (The metronome's clicks
// are placed by ClickTrack, on their beats' own frames.)
//
// A block made at read position p sounds the recording from p + 1 on, so a
// beat counts in the block whose start is nearest to where it is heard,
// base::heardFrame(b): its window opens half a block (512 frames) before
// that. All windows are open intervals:
//   beat window of i:  edge(b[i]) .. edge(b[i + 1]), with
//                      edge(x) = max(heardFrame(x) − 512, 0).
#pragma once

struct BeatStep
{
    int entered = -1; // the beat the position entered, -1 for none
};

// b: the beats, n of them (nothing happens below 4); current: the model's
// current beat; position: the read position, frames.
//
// The first beat i in 1 … n − 3 other than current whose window holds the
// position is entered.
BeatStep trackBeat(const float* b, int n, int current, int position);
