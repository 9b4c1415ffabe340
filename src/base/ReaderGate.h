// A gate many readers pass wait-free and one writer closes: a reader that
// finds the gate closed is refused (and skips its read) instead of waiting;
// the writer closes it and waits until the readers inside have left.
//
// Memory order: the closed flag and the reader count are sequentially
// consistent: each side stores its own, then loads the other's, so at
// least one of them sees the other. A reader's leave releases, the
// writer's wait acquires: the reader's loads are done before the writer
// changes the data. Reopening releases the writer's changes to the next
// readers. Nothing here allocates or locks; the writer spins with a yield.
#pragma once

#include <atomic>
#include <thread>

namespace base {

class ReaderGate
{
public:
    ReaderGate() = default;
    ReaderGate(const ReaderGate&) = delete;
    ReaderGate& operator=(const ReaderGate&) = delete;

    // Any thread: while an access converts to true, the data may be read
    // and stays untouched. Never waits.
    class Read
    {
    public:
        explicit Read(const ReaderGate& gate) noexcept : gate_(gate)
        {
            gate_.readers_.fetch_add(1, std::memory_order_seq_cst);
            granted_ = !gate_.closed_.load(std::memory_order_seq_cst);
            if (!granted_)
                gate_.readers_.fetch_sub(1, std::memory_order_release);
        }
        ~Read()
        {
            if (granted_)
                gate_.readers_.fetch_sub(1, std::memory_order_release);
        }
        Read(const Read&) = delete;
        Read& operator=(const Read&) = delete;
        explicit operator bool() const noexcept { return granted_; }

    private:
        const ReaderGate& gate_;
        bool granted_ = false;
    };

    // The writer (one thread at a time): while a Write lives, no reader is
    // inside and new ones are refused. Waits for the readers inside, so
    // never make one inside a Read on the same thread.
    class Write
    {
    public:
        explicit Write(ReaderGate& gate) noexcept : gate_(gate)
        {
            gate_.closed_.store(true, std::memory_order_seq_cst);
            while (gate_.readers_.load(std::memory_order_seq_cst) != 0)
                std::this_thread::yield();
            // Pairs with the release of the last reader's leave.
            (void)gate_.readers_.load(std::memory_order_acquire);
        }
        ~Write() { gate_.closed_.store(false, std::memory_order_release); }
        Write(const Write&) = delete;
        Write& operator=(const Write&) = delete;

    private:
        ReaderGate& gate_;
    };

private:
    mutable std::atomic<int> readers_{0};
    std::atomic<bool> closed_{false};
};

static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);

} // namespace base
