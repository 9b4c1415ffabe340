// Each synchronisation primitive between two threads, bounded in count and
// time, with plain (non-atomic) data on the protected side so that
// ThreadSanitizer reports any hand-over the primitive fails to order.
#include "LatestValue.h"
#include "ReaderGate.h"
#include "SpscRing.h"
#include "StampedInt.h"
#include "TryGate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto timeLimit = std::chrono::seconds(5);

// Both sides write a plain pair that must always match; the trier counts
// its turns, the waiter its entries, each inside the gate.
TEST(PrimitivesThreaded, TryGateKeepsBothSidesApart)
{
    base::TryGate gate;
    int first = 0; // plain: only ever touched inside the gate
    int second = 0;
    std::atomic<bool> done{false};
    std::atomic<int> mismatches{0};
    std::atomic<int> trierTurns{0};

    std::thread trier([&] {
        const auto until = Clock::now() + timeLimit;
        while (!done.load() && Clock::now() < until) {
            if (!gate.tryEnter())
                continue;
            if (first != second)
                mismatches.fetch_add(1);
            ++first;
            ++second;
            trierTurns.fetch_add(1, std::memory_order_relaxed);
            gate.leaveTried();
        }
    });

    // At least 3000 entries, and on until the trier got in often too.
    const auto until = Clock::now() + timeLimit;
    for (int i = 0; (i < 3000 || trierTurns.load() < 1000) && Clock::now() < until; ++i) {
        gate.enterWaiting();
        if (i % 3 == 0)
            gate.enterWaiting(); // nested, as a hold inside a hold
        if (first != second)
            mismatches.fetch_add(1);
        first += 2;
        second += 2;
        if (i % 3 == 0)
            gate.leaveWaiting();
        gate.leaveWaiting();
    }
    done.store(true);
    trier.join();
    EXPECT_EQ(mismatches.load(), 0);
    EXPECT_GE(trierTurns.load(), 1000) << "the trier hardly ever got in";
    EXPECT_EQ(first, second);
}

// The writer refills a plain vector with its generation; a reader inside
// the gate must see one generation throughout.
TEST(PrimitivesThreaded, ReaderGateReadersNeverSeeAHalfWrite)
{
    base::ReaderGate gate;
    std::vector<int> data(64, 0); // plain
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::atomic<int> granted{0};

    std::thread reader([&] {
        const auto until = Clock::now() + timeLimit;
        while (!done.load() && Clock::now() < until) {
            base::ReaderGate::Read access(gate);
            if (!access)
                continue;
            granted.fetch_add(1, std::memory_order_relaxed);
            const int generation = data.front();
            for (int v : data) {
                if (v != generation)
                    torn.fetch_add(1);
            }
        }
    });

    for (int generation = 1; generation <= 2000; ++generation) {
        base::ReaderGate::Write write(gate);
        data.assign(size_t(32 + generation % 64), generation); // may reallocate
    }
    // Let the reader in at least once after the last write.
    const auto until = Clock::now() + timeLimit;
    const int before = granted.load();
    while (granted.load() == before && Clock::now() < until)
        std::this_thread::yield();
    done.store(true);
    reader.join();
    EXPECT_EQ(torn.load(), 0);
    EXPECT_GT(granted.load(), before);
}

// Fields derived from one sequence number: a torn value breaks the rule;
// the reader never goes back in time and ends on the last value.
struct Sample
{
    std::int64_t sequence = 0;
    std::int64_t twice = 0;
    double third = 0.0;
    std::int64_t padding[5] = {};
};

TEST(PrimitivesThreaded, LatestValueHandsOverWholeValuesInOrder)
{
    base::LatestValue<Sample> latest;
    constexpr std::int64_t last = 50000;
    std::atomic<bool> written{false};

    std::thread writer([&] {
        for (std::int64_t s = 1; s <= last; ++s) {
            Sample v;
            v.sequence = s;
            v.twice = 2 * s;
            v.third = double(s) / 3.0;
            for (auto& p : v.padding)
                p = s;
            latest.publish(v);
        }
        written.store(true);
    });

    std::int64_t previous = 0;
    int torn = 0;
    int backwards = 0;
    const auto until = Clock::now() + timeLimit;
    while (Clock::now() < until) {
        const bool finished = written.load();
        const Sample& v = latest.read();
        if (v.twice != 2 * v.sequence || v.third != double(v.sequence) / 3.0 || v.padding[4] != v.sequence)
            ++torn;
        if (v.sequence < previous)
            ++backwards;
        previous = v.sequence;
        if (finished)
            break;
    }
    writer.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(backwards, 0);
    EXPECT_EQ(latest.read().sequence, last);
}

// Running sequence numbers in chunks of varying size, fixed seed: every
// number arrives once, in order.
TEST(PrimitivesThreaded, SpscRingDeliversEveryItemInOrder)
{
    base::SpscRing<std::uint32_t> ring(256);
    constexpr std::uint32_t total = 200000;
    std::atomic<bool> timedOut{false};

    std::thread producer([&] {
        std::mt19937 rng(5);
        std::uniform_int_distribution<std::uint32_t> chunk(1, 40);
        std::vector<std::uint32_t> items;
        std::uint32_t next = 0;
        const auto until = Clock::now() + timeLimit;
        while (next < total) {
            const std::uint32_t n = std::min(chunk(rng), total - next);
            items.resize(n);
            for (std::uint32_t i = 0; i < n; ++i)
                items[i] = next + i;
            while (!ring.push(items.data(), n)) {
                if (Clock::now() > until) {
                    timedOut.store(true);
                    return;
                }
                std::this_thread::yield();
            }
            next += n;
        }
    });

    std::uint32_t expected = 0;
    int wrong = 0;
    std::uint32_t buffer[64];
    const auto until = Clock::now() + timeLimit;
    while (expected < total && !timedOut.load() && Clock::now() < until) {
        const std::size_t got = ring.pop(buffer, 1 + expected % 64);
        for (std::size_t i = 0; i < got; ++i) {
            if (buffer[i] != expected)
                ++wrong;
            ++expected;
        }
    }
    producer.join();
    EXPECT_FALSE(timedOut.load());
    EXPECT_EQ(expected, total);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(ring.size(), 0u);
}

// A worker keeps advancing the value by one from what it read; the main
// thread stores far-away values. No advance made from a word read before
// a store may land after it, so every value seen after a store lies at or
// just above it.
TEST(PrimitivesThreaded, StampedIntStoresAlwaysWinOverAdvances)
{
    base::StampedInt value(0);
    std::atomic<bool> done{false};

    std::thread worker([&] {
        const auto until = Clock::now() + timeLimit;
        while (!done.load() && Clock::now() < until) {
            const std::uint64_t word = value.loadWord();
            value.advanceFrom(word, base::StampedInt::valueOf(word) + 1);
        }
    });

    int lost = 0;
    for (int i = 1; i <= 2000; ++i) {
        const int stored = -1000000 * (i % 2000 + 1);
        value.store(stored);
        const int seen = value.load();
        // Advances of +1 since the store: far fewer than the gap between
        // two stored values.
        if (seen < stored || seen >= stored + 500000)
            ++lost;
    }
    done.store(true);
    worker.join();
    EXPECT_EQ(lost, 0);
}

} // namespace
