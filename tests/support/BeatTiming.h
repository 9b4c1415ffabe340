// Where each consumer of the beats acts, against the true attacks: the
// analysis' beats, the metronome click and the beat change of playback,
// the chord strip's tags, the loop selection's stripes, a loop's start
// when looping, a riff step's first frame and a riff render's first frame.
// Everything runs through the application's own code: the analysis of the
// recording (as on a file open without a cache), the player on the silent
// device under a manual clock, the widgets offscreen. Used by the timing
// test (short tone-burst grids) and by the beat_timing_table program (the test
// songs as well).
//
// Times are signed, in milliseconds: where the consumer places a beat
// minus the nearest true attack; events farther than 70 ms from any attack
// are left out (a beat the analysis missed or invented is not timing).
// GUI thread, with a QApplication.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace beattiming {

struct Recording
{
    std::string name;
    int rateHz = 44100;
    std::vector<float> left;
    std::vector<float> right;
    std::vector<double> attacks; // frames, increasing
};

// Tone bursts at every beat from half a second on: a sine of one of eight
// frequencies (beat i has the i-th mod 8, so a step's own burst can be told
// from its neighbours'), starting at once, gliding down a little and
// decaying over 80 ms, a little louder on the left, over faint noise.
// 117 BPM, so that beats fall on no block or frame grid.
Recording toneBurstGrid(int rateHz, double seconds);

enum class Consumer {
    ModelBeat,   // the analysis' beat positions
    Click,       // the metronome click's first frame in normal playback
    BeatChange,  // the first frame of the block in which currentBeat changes
    ChordTag,    // a chord tag's left edge
    LoopStripe,  // a stripe's left edge in the loop selection
    LoopStart,   // the first frame heard after a loop jumps back
    RiffStep,    // the first frame of a riff step, each of them a jump
    RenderStart, // the riff render's first frame, found in the recording
};
constexpr int consumerCount = 8;
const char* nameOf(Consumer c);

struct Timing
{
    std::array<std::vector<double>, consumerCount> ms;
    const std::vector<double>& of(Consumer c) const { return ms[size_t(c)]; }
};

// Analyses the recording and runs every consumer on the result.
Timing measure(const Recording& recording);

// The middle value (mean of the middle two); 0 for none.
double median(std::vector<double> values);
// The value below which a share q (0 … 1) of them lie, nearest rank.
double quantile(std::vector<double> values, double q);

// "consumer  n  median  p10  p90" rows, one per consumer.
std::string table(const Timing& timing);

} // namespace beattiming
