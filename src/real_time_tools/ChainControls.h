// Controls of the real-time processing chain: every value the GUI (through
// the player's slots) or the player's stepping code writes and a chain step
// reads. There is one chain per process, so these are process-wide; they
// live in namespace chain, and their values at program start and after a
// file load are set here and nowhere else (resetToProgramStart,
// applyLoadDefaults).
//
// Threading. Every value is a lock-free std::atomic (checked at build time
// below). A step (processaudio) copies all of them once at its start and
// uses only that copy, so a change lands at the next step, never half-way
// through one. Independent scalars use relaxed ordering: nothing else is
// published through them. Values that must change together are one atomic
// unit: the bypass flags with the vocoder switch (VocoderSwitches), the
// mode selectors (VocoderModeFlags), the read position with its write count
// (ReadPosition). The recording (pointers and length) is published whole
// (base::LatestValue): setRecording on the GUI thread, the step reads it.
//
// Ratios: hopfactor = output tempo / input tempo (input frames consumed per
// output frame); interpfactor = output frequency / input frequency.
#pragma once

#include "StampedInt.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace chain {

// Frame length N of every analysis frame, in frames. Never changes.
constexpr int framesize = 4096;
// Synthesis hop N/4: 1024 frames, 23.2 ms at 44.1 kHz; 75 % overlap with the
// 4096-frame window. Every output block is one hop long.
constexpr int hop = framesize / 4;
// Length of the isolation curve that a step writes for the display.
constexpr int isolationCurveLength = 400;

// A step keeps the tempo and pitch factors within these bounds.
constexpr float minimumFactor = 0.125f;
constexpr float maximumFactor = 8.0f;
// A tempo or pitch factor as a step uses it: clamped to the bounds, NaN as 1.
float sanitisedFactor(float factor);

// The read position with a count of the writes made to it. The step
// advances it against the word it read at its start, so a position stored
// while a step runs (a seek, a stop, an export start) always wins, even
// when it equals the position the step started from.
using ReadPosition = base::StampedInt;

// Tool switches, changed together: a tool's bypass flag and whether the
// vocoder runs (TSMPSMEnabled is true while at least one tool is on).
struct VocoderSwitches
{
    bool hopBypassed = true;
    bool interpBypassed = true;
    bool TSMPSMEnabled = false;
    bool reserved = false; // keeps the unit 4 bytes, so it stays lock-free
};

// Vocoder mode selectors, changed together by one mode choice (1 … 4).
struct VocoderModeFlags
{
    bool peakcheck = false;
    bool transcheck = false;
    bool monoMix = false; // mode 4: the player mixes both channels to mono
    bool reserved = false;
};

// The selectors for mode 1 … 4 (1: both, 2: peaks only, 3: transients only,
// 4: as 3 with a mono mix); nothing for any other number.
std::optional<VocoderModeFlags> vocoderModeFlagsFor(int mode);

// The decoded recording the chain reads, full scale ±1, one float per frame.
struct Recording
{
    const float* leftArray = nullptr;
    const float* rightArray = nullptr; // the left array again for mono
    int filelength = 0;                // frames; 0: nothing loaded
};

// Publishes a recording (a null right array means mono). One thread at a
// time (the GUI thread). Call while no step runs: the old arrays usually go
// away right after.
void setRecording(const float* leftArray, const float* rightArray, int filelength);
// The latest recording published. For the step, and only while it runs
// (steps run one at a time, which keeps this a single reader).
Recording loadRecording();

// Every control as at program start: nothing loaded, read position 0, both
// tools bypassed at factor 1, isolation off, the selectors off. The player's
// construction; tests and benchmarks start from it.
void resetToProgramStart();

// What every file load sets: the read position at the hop, vocoder mode 1,
// the isolation's width, side gain, band edge and separation at their load
// values. The tool switches and factors stay as they are.
void applyLoadDefaults();

// Values after a file load.
constexpr float loadAzimuthValue = 1.0f;
constexpr float loadRangeValue = 0.34f;
constexpr float loadCutFrequencyValue = 0.0f;
constexpr float loadBleedThresholdValue = 0.0f;
constexpr int loadVocoderMode = 1;
// Divisor of the isolation curve at program start and after a reset.
constexpr int defaultPlotScale = 50000000;

// Read position, frames: where the next analysis frame starts; any int (reads outside the recording are silence); writers: player transport/loop/riff code (any thread) and the step's advance; readers: step, player.
extern ReadPosition currentposition;
// Tempo factor, ratio out/in tempo, 0.25 … 1.99 from the tools tab, 1.0 while bypassed (a step clamps to 1/8 … 8); writer: tempo slots (GUI); reader: step.
extern std::atomic<float> hopfactor;
// Pitch factor, ratio out/in frequency, 0.5 … 2.0 from the pitch model, 0.25 … 4 with riff steps (a step clamps to 1/8 … 8); writers: pitch slots (GUI), riff/song steps (playback thread), renders (GUI); reader: step.
extern std::atomic<float> interpfactor;
// Bypass flags and vocoder switch, one unit; writers: tempo/pitch slots (GUI), riff steps (playback thread); reader: step (TSMPSMEnabled), the slots.
extern std::atomic<VocoderSwitches> vocoderSwitches;
// Mode selectors, one unit; writer: mode slot and file load (GUI); readers: step (peakcheck, transcheck), player block assembly (monoMix).
extern std::atomic<VocoderModeFlags> vocoderModeFlags;
// Vocoder mode in use, 1 … 3, derived from the selectors at every vocoder step; writer: step; reader: step (kept when both selectors are off).
extern std::atomic<int> tsm_mode;

// Isolation runs, bool; writer: isolation power slot (GUI); reader: step.
extern std::atomic<bool> ADRessEnabled;
// Isolation keeps (true, solo) or removes (false, mute) the chosen source, bool; writer: mute/solo slot (GUI); reader: step.
extern std::atomic<bool> invert;
// Signed side gain of the source, −1 … 1 (negative left, positive right, 1.0 centre, 0 leaves every bin alone); writer: azimuth slot, file load (GUI); reader: step.
extern std::atomic<float> azimuthValue;
// Width around |azimuthValue| that counts as the source, ratio, 0.00001 … 0.99; writer: width slot, file load (GUI); reader: step.
extern std::atomic<float> rangeValue;
// Band edge, FFT bin number (bin k is k × 44100 / 4096 Hz at 44.1 kHz), 0 … 99; writer: filter knob slot, file load (GUI); reader: step.
extern std::atomic<float> cutFrequencyValue;
// Separation: rejected bins are scaled by (value / 100)², 0 … 100; writer: separation slot, file load (GUI); reader: step.
extern std::atomic<float> bleedThresholdValue;
// Band above (true) or below (false) the edge, bool; writer: band slot (GUI); reader: step.
extern std::atomic<bool> hipass;
// Divisor of the isolation curve, defaultPlotScale at start; values below 1 count as 1; writer: plot-scale slot (GUI); reader: step.
extern std::atomic<int> plotscale;

static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<float>::is_always_lock_free);
static_assert(std::atomic<VocoderSwitches>::is_always_lock_free);
static_assert(std::atomic<VocoderModeFlags>::is_always_lock_free);

} // namespace chain
