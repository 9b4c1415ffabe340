#include "SongSlots.h"

SongSlots::SongSlots()
{
    for (auto& slot : slotRiffs)
        slot.store(emptySlot, std::memory_order_relaxed);
}

int SongSlots::normalisedRiff(int riff)
{
    return (riff >= emptySlot && riff < riffCount) ? riff : emptySlot;
}

void SongSlots::setRiff(int slot, int riff)
{
    if (slot < 0 || slot >= slotCount)
        return;
    slotRiffs[slot].store(normalisedRiff(riff), std::memory_order_relaxed);
}

int SongSlots::riffAt(int slot) const
{
    if (slot < 0 || slot >= slotCount)
        return emptySlot;
    return slotRiffs[slot].load(std::memory_order_relaxed);
}

QList<int> SongSlots::song() const
{
    QList<int> list;
    for (int slot = 0; slot < slotCount; ++slot)
        list.append(riffAt(slot));
    return list;
}

int SongSlots::usedSlots() const
{
    int used = 0;
    for (int slot = 0; slot < slotCount; ++slot) {
        if (riffAt(slot) != emptySlot)
            ++used;
    }
    return used;
}
