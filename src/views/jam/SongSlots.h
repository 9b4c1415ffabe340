// The song: sixteen slots played in order, each empty or naming one of the
// riffs "A" … "F". The song row edits it on the GUI thread; the player
// reads it on the playback thread.
#pragma once

#include "RiffSource.h"

#include <QList>

#include <atomic>

class SongSlots : public SongSource
{
public:
    static constexpr int riffCount = 6;

    SongSlots();

    // GUI thread. A riff outside −1 … 5 empties the slot (the player uses
    // the value as a riff index); a slot outside 0 … 15 is ignored.
    void setRiff(int slot, int riff);
    // The riff a value stands for: itself within −1 … 5, else −1.
    static int normalisedRiff(int riff);

    int riffAt(int slot) const override;
    // The slots in play order, as the session stores them.
    QList<int> song() const;
    // Slots holding a riff.
    int usedSlots() const;

private:
    // Relaxed: each slot is a value of its own.
    std::atomic<int> slotRiffs[slotCount];

    static_assert(std::atomic<int>::is_always_lock_free);
};
