// What the player reads of one riff of the jam tab, so that the audio
// library does not depend on the views: the riff model implements it and
// the player steps through it while a riff or the song plays.
#pragma once

class RiffSource
{
public:
    virtual ~RiffSource() = default;

    // Called on the playback thread once per block during riff and song
    // playback: must not lock or allocate (keep the step data in atomics).
    // Index into MetaData::beats of step 0 … 15.
    virtual int beatIndex(int step) const = 0;
    // Index of the riff's last step: its loop length in steps minus one.
    virtual int getLoopLength() const = 0;
    // Pitch factor of the step, output/input frequency (1.0: unchanged).
    virtual float stepPitch(int step) const = 0;

    // GUI thread: re-place the steps over the model's current beats (after
    // the beats were moved); nothing while the model holds no results.
    virtual void repositionBeats() = 0;
};
