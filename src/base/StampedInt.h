// An int with a count of the writes made to it, in one 64-bit atomic. A
// conditional update made against the word read earlier fails when anyone
// stored in between, even a store of the same value: a worker that read
// the value at the start of its work advances it at the end only if no one
// else moved it meanwhile, and a store made meanwhile always wins.
//
// Relaxed: the value is a lone number, nothing else is published through
// it. Any thread.
#pragma once

#include <atomic>
#include <cstdint>

namespace base {

class StampedInt
{
public:
    explicit StampedInt(int value = 0) noexcept : word_(pack(value, 0)) { }
    StampedInt(const StampedInt&) = delete;
    StampedInt& operator=(const StampedInt&) = delete;

    int load() const noexcept { return valueOf(word_.load(std::memory_order_relaxed)); }

    // Always wins, and counts as a write.
    void store(int value) noexcept
    {
        std::uint64_t seen = word_.load(std::memory_order_relaxed);
        while (!word_.compare_exchange_weak(seen, pack(value, std::uint32_t(seen >> 32) + 1u),
                                            std::memory_order_relaxed)) { }
    }

    // The word to hand to advanceFrom later, and its value.
    std::uint64_t loadWord() const noexcept { return word_.load(std::memory_order_relaxed); }
    static int valueOf(std::uint64_t word) noexcept
    {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(word & 0xffffffffu));
    }

    // Stores value when nobody stored since seenWord was loaded; false
    // (nothing changes) otherwise.
    bool advanceFrom(std::uint64_t seenWord, int value) noexcept
    {
        return word_.compare_exchange_strong(seenWord, pack(value, std::uint32_t(seenWord >> 32) + 1u),
                                             std::memory_order_relaxed);
    }

private:
    static std::uint64_t pack(int value, std::uint32_t writes) noexcept
    {
        return (std::uint64_t(writes) << 32) | std::uint64_t(static_cast<std::uint32_t>(value));
    }

    std::atomic<std::uint64_t> word_;
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
};

} // namespace base
