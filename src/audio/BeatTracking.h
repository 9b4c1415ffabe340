// Beat tracking during playback, as a pure function over the model's beat
// array: which beat the read position has entered, and whether the
// metronome clicks in the block made from it.
//
// A block made at read position p sounds the recording from p + 1 on, so a
// beat counts in the block whose start is nearest to where it is heard,
// b − base::beatLeadFrames: its window opens half a block (512 frames)
// before that. All windows are open intervals:
//   beat window of i:  edge(b[i]) .. edge(b[i + 1]), with
//                      edge(x) = max(trunc(x) − lead − 512, 0);
//   click window of k: the beat window of k moved back by clickOffset.
#pragma once

struct BeatStep
{
    int entered = -1; // the beat the position entered, -1 for none
    int clicked = -1; // the beat whose click is due, -1 for none
};

// b: the beats, n of them (nothing happens below 4); current: the model's
// current beat; lastClick: the beat clicked last; position: the read
// position, frames; clickOffset: frames the click windows move back (the
// beat-offset knob's shift in normal playback, 0 for riffs and songs).
//
// The first beat i in 1 … n − 3 other than current whose window holds the
// position is entered. Unless that beat is 1, the click windows of current
// and current + 1 are checked, and the first that holds the position and
// was not clicked last clicks: at most one click per block, one per beat.
BeatStep trackBeat(const float* b, int n, int current, int lastClick, int position, int clickOffset);
