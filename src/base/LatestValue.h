// A single-value publisher: one writer hands whole values to one reader,
// which always gets the latest complete one, never a value being written.
// Three slots (a triple buffer): the writer fills its back slot and swaps
// it with the middle one; the reader swaps the middle one with its front
// slot when a new value waits there. Neither side ever waits.
//
// Memory order: the swap of the middle slot is acq_rel: the writer's
// release publishes the slot it filled, the reader's acquire sees it; the
// reader's release hands its old front slot back for the writer to refill.
//
// One writer at a time and one reader at a time. Either role may move
// between threads only with a happens-before edge between the old and the
// new thread (a join, a lock, an acquire/release pair of the caller's).
// publish() copies into a slot (T's copy may allocate; for the real-time
// side, use a trivially copyable T); read() never copies.
#pragma once

#include <atomic>
#include <cstdint>

namespace base {

template <class T>
class LatestValue
{
public:
    explicit LatestValue(const T& initial = T{}) : slots_{initial, initial, initial} { }
    LatestValue(const LatestValue&) = delete;
    LatestValue& operator=(const LatestValue&) = delete;

    // Writer.
    void publish(const T& value)
    {
        slots_[back_] = value;
        const std::uint8_t previous = middle_.exchange(std::uint8_t(back_ | freshBit), std::memory_order_acq_rel);
        back_ = previous & indexMask;
    }

    // Reader: the latest value published (or the initial one). The
    // reference stays valid and unchanged until the next read() or
    // takeNew() of the reader.
    const T& read()
    {
        takeNew();
        return slots_[front_];
    }

    // Reader: moves to a newly published value; false (nothing changes)
    // when none waits.
    bool takeNew()
    {
        if ((middle_.load(std::memory_order_relaxed) & freshBit) == 0)
            return false;
        const std::uint8_t previous = middle_.exchange(std::uint8_t(front_), std::memory_order_acq_rel);
        front_ = previous & indexMask;
        return true;
    }

private:
    static constexpr std::uint8_t freshBit = 4;
    static constexpr std::uint8_t indexMask = 3;

    T slots_[3];
    std::atomic<std::uint8_t> middle_{1}; // index of the middle slot, plus freshBit
    int back_ = 2;                        // writer only
    int front_ = 0;                       // reader only
    static_assert(std::atomic<std::uint8_t>::is_always_lock_free);
};

} // namespace base
