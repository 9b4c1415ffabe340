// What the player reads of the jam tab's riffs and song, so that the audio
// library does not depend on the views: the riff model and the song row
// implement these, and the player steps through them while a riff or the
// song plays.
//
// Threads. The GUI thread edits riffs and song while the playback thread
// reads them: every value read here is a lone lock-free atomic (relaxed; an
// edit lands at the next step boundary the player computes). Steps, loop
// length and pitches do not change together as one unit: each read is
// valid on its own (indexes are kept in range), so a reader that sees a
// half-made edit plays a step the user could have made, never a beat or a
// step that does not exist.
#pragma once

class RiffSource
{
public:
    static constexpr int stepCount = 16;

    virtual ~RiffSource() = default;

    // Called on the playback thread once per block during riff and song
    // playback: must not lock or allocate (keep the step data in atomics).
    //
    // Index into MetaData::beats of step 0 … 15, kept within 0 … n − 2 of
    // the model's n beats (0 while there are fewer than two), so that beats
    // b and b + 1 both exist when n ≥ 2; a step outside 0 … 15 reads 0. It
    // reads the model's beat count: on the playback thread call it inside a
    // MetaData::BeatsReadAccess.
    virtual int beatIndex(int step) const = 0;
    // Index of the riff's last loop step: its loop length in steps minus
    // one, −2 … 15 (−2 for an empty riff, −1 while its first step is placed
    // but the loop holds none).
    virtual int getLoopLength() const = 0;
    // Pitch factor of the step, output/input frequency, 0.5 … 2.0 (1.0:
    // unchanged); 1.0 for a step outside 0 … 15.
    virtual float stepPitch(int step) const = 0;

    // GUI thread: re-place the steps over the model's current beats (after
    // the beats were moved); nothing while the model holds no results.
    virtual void repositionBeats() = 0;
};

class SongSource
{
public:
    static constexpr int slotCount = 16;
    static constexpr int emptySlot = -1;

    virtual ~SongSource() = default;

    // Any thread, lock-free: the riff 0 … 5 of song slot 0 … 15, or
    // emptySlot for an empty slot (and for a slot outside 0 … 15).
    virtual int riffAt(int slot) const = 0;
};
