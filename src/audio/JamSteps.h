// The rules of riff and song playback as pure functions: where a step
// plays, which step and slot come next, where playback jumps, and the
// pitch a step plays at. They read the riffs and the song through
// RiffSource/SongSource and the beats through a BeatGrid; the player's
// stepping (JamStepper) and the renders apply what they decide.
//
// Frames: a step on beat i plays from one beat lead (BeatLead.h) before
// beats[i] up to one lead before beats[i + 1], that frame excluded, so
// that a riff lasts exactly the sum of its beats. Positions here are the
// recording frames being heard (ChainTiming.h), not the chain's read
// position.
//
// Threads: everything here is a pure function of its arguments. On the
// playback thread call it inside a MetaData::BeatsReadAccess, which keeps
// the beats and RiffSource::beatIndex() valid.
#pragma once

#include "BeatLead.h"
#include "RiffSource.h"

#include <array>
#include <optional>

namespace jamplay {

constexpr int riffCount = 6;

// The analysis model's beats, in frames, and the recording's length.
struct BeatGrid
{
    const float* beats = nullptr;
    int count = 0;
    int frames = 0;

    // beats[i], 0 for an i that does not exist.
    float at(int i) const { return (beats != nullptr && i >= 0 && i < count) ? beats[i] : 0.0f; }
    // Steps can be played: a step on beat i needs beats i and i + 1.
    bool playable() const { return beats != nullptr && count >= 2 && frames > 0; }
};

// The six riffs "A" … "F" (null where the player has none).
using Riffs = std::array<const RiffSource*, riffCount>;

// From first up to end, end excluded.
struct StepWindow
{
    int first = 0;
    int end = 0;
    bool contains(int position) const { return first <= position && position < end; }
};

// Frames that a step on `beat` plays: from one lead before it (not below
// 0) up to one lead before the next beat, truncated; an end beyond the
// recording becomes its end, so that a step on the last beats ends where
// the recording does.
StepWindow stepWindow(const BeatGrid& grid, int beat);
// Where a step on `beat` starts and a jump to it lands: its heard frame
// (BeatLead.h).
int jumpTarget(const BeatGrid& grid, int beat);

// A step's pitch on top of the pitch controls' factor (ratios out/in
// frequency): the semitones add. A factor that is no positive number
// counts as 1.
struct StepPitch
{
    float semitones = 0.0f; // the step's own, for its label
    float factor = 1.0f;    // what the chain plays
};
StepPitch combinePitch(float stepFactor, float basePitch);

// --- The song ---

// A used slot and the riff it held when it was read (each slot is read
// once, so a slot emptied meanwhile never yields a riff of −1).
struct SongSlot
{
    int slot = -1; // −1: no slot is used
    int riff = -1;
    // nextUsedSlot: no used slot follows, the song starts over.
    bool wrapped = false;
};

// The riff of a slot, or −1 when the slot is empty, lies outside 0 … 15
// or names a riff the player does not have.
int riffOfSlot(const SongSource* song, const Riffs& riffs, int slot);
// The first used slot at or after `slot` (0 for a slot outside 0 … 15),
// wrapping past slot 15.
SongSlot firstUsedSlotFrom(const SongSource* song, const Riffs& riffs, int slot);
// The highest used slot.
SongSlot highestUsedSlot(const SongSource* song, const Riffs& riffs);
// The slot after `slot`: the next used one, or, when none follows, the
// first used one (wrapped).
SongSlot nextUsedSlot(const SongSource* song, const Riffs& riffs, int slot);

// --- One stepping check, made before every block ---

struct StepCheck
{
    enum class Kind {
        Stay, // the position is still inside the playing step
        Step, // the next step plays
        Stop, // the song has no riff left: playback stops
    };
    Kind kind = Kind::Stay;
    // The step, slot and riff playing after the check (slot: song only;
    // a Stay may carry a replaced slot).
    int step = 0;
    int slot = 0;
    int riff = 0;
    // Step: the new step's pitch factor, and where the position jumps
    // (−1: the step follows on directly, no jump).
    float stepFactor = 1.0f;
    int jumpTo = -1;
    // Step: the riff went from its last step back to step 0; in a song,
    // the song went back to its first used slot.
    bool wrapped = false;
    // Step, song only: the step lies in another slot than the last one.
    bool slotChanged = false;
    // The frames of the step playing after the check (empty when nothing
    // can play).
    StepWindow window;
};

// Riff playback: `step` of `riff` plays and the read position is at
// `position`. Leaving the step's window takes the next step of the loop
// (step 0 after the last), with a jump unless its beat follows the last
// step's beat directly. A riff that cannot play (none, or no beats) stays.
StepCheck checkRiffStep(const RiffSource* riff, const BeatGrid& grid, int step, int position);

// Song playback: `step` of the riff in `slot` plays. An empty slot first
// gives way to the highest used slot (the user emptied the playing slot);
// no used slot at all stops. After a riff's last step the next used slot
// follows, the first used one after the song's end.
StepCheck checkSongStep(const Riffs& riffs, const SongSource* song, const BeatGrid& grid, int slot, int step,
                        int position);

// Where playback of a riff or the song starts: always step 0.
struct StepStart
{
    int position = 0; // before the player's position rule
    int slot = 0;
    int riff = 0;
    float stepFactor = 1.0f;
};

// A riff starts where its step 0 does; nothing when the riff cannot play.
std::optional<StepStart> riffStart(const RiffSource* riff, const BeatGrid& grid);
// The song starts at the first used slot at or after `fromSlot`
// (wrapping), where step 0 of its riff does; nothing when no slot is used
// or nothing can play.
std::optional<StepStart> songStart(const Riffs& riffs, const SongSource* song, const BeatGrid& grid, int fromSlot);

} // namespace jamplay
