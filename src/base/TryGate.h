// A gate one side only tries and the other waits for: the real-time thread
// takes it for one unit of work and skips its turn when it is taken; the
// control thread waits (for at most the unit in flight) and may nest.
//
// Memory order: entering acquires and leaving releases, so everything
// written inside the gate by one side is seen by the other side once it is
// inside. Nothing here allocates or locks; waiting spins with a yield.
#pragma once

#include <atomic>
#include <thread>

namespace base {

class TryGate
{
public:
    TryGate() = default;
    TryGate(const TryGate&) = delete;
    TryGate& operator=(const TryGate&) = delete;

    // The trying side (one thread at a time): true when it got in. Never
    // waits. Pair every success with leaveTried().
    bool tryEnter() noexcept { return !taken_.exchange(true, std::memory_order_acquire); }
    void leaveTried() noexcept { taken_.store(false, std::memory_order_release); }

    // The waiting side (one thread, always the same): gets in, waiting for
    // the trying side to leave. Nests; only the outermost leave opens.
    void enterWaiting() noexcept
    {
        if (depth_++ > 0)
            return;
        while (taken_.exchange(true, std::memory_order_acquire))
            std::this_thread::yield();
    }
    void leaveWaiting() noexcept
    {
        if (--depth_ == 0)
            taken_.store(false, std::memory_order_release);
    }

    // The waiting side: whether it is inside.
    bool heldByWaiter() const noexcept { return depth_ > 0; }

private:
    std::atomic<bool> taken_{false};
    int depth_ = 0; // the waiting side's nesting; only that side touches it
};

static_assert(std::atomic<bool>::is_always_lock_free);

} // namespace base
