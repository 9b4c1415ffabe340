// Beat tracking during playback, as a pure function over the model's beat
// array: which beat the read position has entered, and whether the
// metronome clicks in the block made from it.
//
// Beats are compared with the read position 2048 frames early (half the
// analysis frame, so a beat counts when it reaches the frame's centre).
// All windows are open intervals:
//   beat window of i:  trunc(b[i]) − d .. trunc(b[i + 1] − 2048), d = 2048
//                      when b[i] > 2048, else 0;
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
