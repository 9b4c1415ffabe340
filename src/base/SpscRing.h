// A single-producer single-consumer ring of trivially copyable items.
// The capacity, a power of two, is allocated once in the constructor;
// push and pop never allocate, lock or wait.
//
// The counters are monotonic item counts; positions in the ring are
// count & mask. `written` belongs to the producer, `read` to the consumer:
// each stores its own with release after touching the items and loads the
// other's with acquire before touching them, so an item is fully written
// before the consumer reads it and fully read before the producer reuses
// its place.
#pragma once

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

namespace base {

template <class T>
class SpscRing
{
    static_assert(std::is_trivially_copyable_v<T>, "items are copied as bytes");

public:
    // capacity: a power of two, at least 1.
    explicit SpscRing(std::size_t capacity) : capacity_(capacity), items_(std::make_unique<T[]>(capacity))
    {
        assert(capacity > 0 && (capacity & (capacity - 1)) == 0);
    }
    SpscRing(const SpscRing&) = delete;
    SpscRing& operator=(const SpscRing&) = delete;

    std::size_t capacity() const noexcept { return capacity_; }

    // Producer: all count items, or none (false) when they do not fit.
    bool push(const T* items, std::size_t count) noexcept
    {
        const std::uint64_t w = written_.load(std::memory_order_relaxed);
        const std::uint64_t r = read_.load(std::memory_order_acquire);
        if (count > capacity_ - std::size_t(w - r))
            return false;
        copyIn(w, items, count);
        written_.store(w + count, std::memory_order_release);
        return true;
    }
    bool push(const T& item) noexcept { return push(&item, 1); }

    // Consumer: up to maxCount items in order; returns how many.
    std::size_t pop(T* out, std::size_t maxCount) noexcept
    {
        const std::uint64_t r = read_.load(std::memory_order_relaxed);
        const std::uint64_t w = written_.load(std::memory_order_acquire);
        const std::size_t count = std::min<std::size_t>(maxCount, std::size_t(w - r));
        copyOut(r, out, count);
        read_.store(r + count, std::memory_order_release);
        return count;
    }
    bool pop(T& out) noexcept { return pop(&out, 1) == 1; }

    // Consumer: drops items up to the producer's count `writtenMark` (as
    // read from writeCount()); nothing when they are gone already.
    void discardUpTo(std::uint64_t writtenMark) noexcept
    {
        const std::uint64_t r = read_.load(std::memory_order_relaxed);
        if (writtenMark > r)
            read_.store(writtenMark, std::memory_order_release);
    }

    // Any thread: the items pushed and not popped, as of some moment
    // between the call and its return.
    std::size_t size() const noexcept
    {
        const std::uint64_t r = read_.load(std::memory_order_acquire);
        const std::uint64_t w = written_.load(std::memory_order_acquire);
        return w > r ? std::size_t(w - r) : 0;
    }
    std::uint64_t writeCount() const noexcept { return written_.load(std::memory_order_acquire); }
    std::uint64_t readCount() const noexcept { return read_.load(std::memory_order_acquire); }

    // Neither side may run: empties the ring.
    void reset() noexcept
    {
        written_.store(0, std::memory_order_relaxed);
        read_.store(0, std::memory_order_relaxed);
    }

private:
    void copyIn(std::uint64_t at, const T* items, std::size_t count) noexcept
    {
        if (count == 0)
            return;
        const std::size_t pos = std::size_t(at) & (capacity_ - 1);
        const std::size_t first = std::min(count, capacity_ - pos);
        std::memcpy(items_.get() + pos, items, first * sizeof(T));
        std::memcpy(items_.get(), items + first, (count - first) * sizeof(T));
    }
    void copyOut(std::uint64_t at, T* out, std::size_t count) const noexcept
    {
        if (count == 0)
            return;
        const std::size_t pos = std::size_t(at) & (capacity_ - 1);
        const std::size_t first = std::min(count, capacity_ - pos);
        std::memcpy(out, items_.get() + pos, first * sizeof(T));
        std::memcpy(out + first, items_.get(), (count - first) * sizeof(T));
    }

    const std::size_t capacity_;
    std::unique_ptr<T[]> items_;
    alignas(64) std::atomic<std::uint64_t> written_{0};
    alignas(64) std::atomic<std::uint64_t> read_{0};
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
};

} // namespace base
