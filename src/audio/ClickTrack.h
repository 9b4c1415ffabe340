// The metronome's click on the output stream: it starts at the output
// frame where its beat is heard (ChainTiming.h: the beat's recording frame
// mapped into the block), not at the start of the block that reaches it,
// and what does not fit in that block sounds at the start of the next.
// So the clicks keep the beats' own intervals, whatever the block size.
//
// Threads: the block-making thread (the playback thread inside the step
// gate, or the GUI thread for the export with playback held); setClick on
// the GUI thread with playback held. Nothing allocates after setClick.
#pragma once

#include "StepSplicer.h"

#include <vector>

class ClickTrack
{
public:
    // Copies the click, one sample per frame; null or empty: no click.
    void setClick(const float* samples, int frames);
    // No click sounds on.
    void reset();

    // Starts the clicks of the beats heard in the block's pieces: beat k
    // (0 … n − 2 of n ≥ 4 beats) is heard at recording frame
    // heardFrame(beats[k]) − offset. A beat equal to lastClicked does not
    // click again; lastClicked becomes the last beat clicked. Returns the
    // beat whose click started last in this block, -1 for none.
    int place(const float* beats, int n, int offset, const StepSplicer::Block& block, int& lastClicked);

    // The click's sample at frame f of the block placed last.
    float at(int f) const
    {
        if (startAt_ >= 0 && f >= startAt_)
            return sample(f - startAt_);
        return carry_ >= 0 ? sample(carry_ + f) : 0.0f;
    }
    // The block is done: what sounds on carries into the next.
    void endBlock(int frames);

private:
    float sample(int i) const { return i < int(click_.size()) ? click_[size_t(i)] : 0.0f; }

    std::vector<float> click_;
    int carry_ = -1;   // the click's frame at the block's frame 0, -1: none
    int startAt_ = -1; // the block's frame where a click starts, -1: none
};
