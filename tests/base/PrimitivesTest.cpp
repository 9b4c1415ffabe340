// The synchronisation primitives on one thread: what each promises about
// order, capacity and nesting. Their two-thread behaviour is tested in
// PrimitivesThreadedTest.cpp (also under ThreadSanitizer).
#include "LatestValue.h"
#include "ReaderGate.h"
#include "RowName.h"
#include "SpscRing.h"
#include "StampedInt.h"
#include "TryGate.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// The ring: all-or-nothing pushes, order kept across the wrap.

struct RingCase
{
    const char* name;
    std::size_t capacity;
    std::vector<int> steps; // > 0: push that many; < 0: pop up to that many
    std::vector<bool> pushAccepted;
    std::size_t sizeAfter;
};

std::ostream& operator<<(std::ostream& os, const RingCase& c)
{
    return os << c.name;
}

class Ring : public ::testing::TestWithParam<RingCase>
{
};

TEST_P(Ring, KeepsOrderAndRefusesWhatDoesNotFit)
{
    const RingCase& c = GetParam();
    base::SpscRing<int> ring(c.capacity);
    int nextIn = 0;
    int nextOut = 0;
    std::vector<bool> accepted;
    for (int step : c.steps) {
        if (step > 0) {
            std::vector<int> items(static_cast<size_t>(step));
            std::iota(items.begin(), items.end(), nextIn);
            const bool ok = ring.push(items.data(), items.size());
            accepted.push_back(ok);
            if (ok)
                nextIn += step;
        } else {
            std::vector<int> out(static_cast<size_t>(-step), -1);
            const std::size_t got = ring.pop(out.data(), out.size());
            for (std::size_t i = 0; i < got; ++i)
                ASSERT_EQ(out[i], nextOut++) << "out of order";
            for (std::size_t i = got; i < out.size(); ++i)
                ASSERT_EQ(out[i], -1) << "wrote past what it popped";
        }
    }
    EXPECT_EQ(accepted, c.pushAccepted);
    EXPECT_EQ(ring.size(), c.sizeAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, Ring,
    ::testing::Values(RingCase{"fills_exactly", 8, {8, -8}, {true}, 0},
                      RingCase{"one_too_many_is_refused_whole", 8, {5, 4, -8}, {true, false}, 0},
                      RingCase{"wraps_around_the_end", 8, {6, -5, 6, -7}, {true, true}, 0},
                      RingCase{"pop_from_empty_gives_nothing", 4, {-3, 2, -3}, {true}, 0},
                      RingCase{"room_comes_back_after_a_pop", 4, {4, 1, -2, 2, -1}, {true, false, true}, 3}),
    RowName());

TEST(Ring, DiscardSkipsWhatWasWrittenBeforeTheMark)
{
    base::SpscRing<int> ring(8);
    const int first[] = {1, 2, 3};
    ring.push(first, 3);
    const std::uint64_t mark = ring.writeCount();
    const int second[] = {4, 5};
    ring.push(second, 2);
    ring.discardUpTo(mark);
    int out[4] = {};
    ASSERT_EQ(ring.pop(out, 4), 2u);
    EXPECT_EQ(out[0], 4);
    ring.discardUpTo(mark); // already gone: nothing moves back
    EXPECT_EQ(ring.size(), 0u);
}

// ---------------------------------------------------------------------------
// The latest value: the newest whole value, and only new ones are taken.

struct Triple
{
    int a = 0;
    int b = 0;
    int c = 0;
};

TEST(LatestValue, ReadsTheNewestOfSeveralPublishes)
{
    base::LatestValue<Triple> value(Triple{-1, -1, -1});
    EXPECT_EQ(value.read().a, -1) << "the initial value";
    EXPECT_FALSE(value.takeNew());
    for (int i = 1; i <= 5; ++i)
        value.publish(Triple{i, 2 * i, 3 * i});
    const Triple& seen = value.read();
    EXPECT_EQ(seen.a, 5);
    EXPECT_EQ(seen.c, 15);
    EXPECT_FALSE(value.takeNew()) << "nothing newer";
    value.publish(Triple{9, 18, 27});
    EXPECT_TRUE(value.takeNew());
    EXPECT_EQ(value.read().b, 18);
}

// ---------------------------------------------------------------------------
// The gates on one thread.

TEST(TryGate, TheTrierIsRefusedWhileTheWaiterHoldsItNested)
{
    base::TryGate gate;
    gate.enterWaiting();
    gate.enterWaiting();
    EXPECT_FALSE(gate.tryEnter());
    gate.leaveWaiting();
    EXPECT_FALSE(gate.tryEnter()) << "only the outermost leave opens";
    gate.leaveWaiting();
    EXPECT_TRUE(gate.tryEnter());
    EXPECT_FALSE(gate.tryEnter()) << "one trier at a time";
    gate.leaveTried();
    EXPECT_FALSE(gate.heldByWaiter());
}

TEST(ReaderGate, ReadersAreRefusedWhileTheWriterHoldsIt)
{
    base::ReaderGate gate;
    {
        base::ReaderGate::Read first(gate);
        base::ReaderGate::Read second(gate);
        EXPECT_TRUE(first);
        EXPECT_TRUE(second) << "readers share it";
    }
    {
        base::ReaderGate::Write write(gate);
        base::ReaderGate::Read refused(gate);
        EXPECT_FALSE(refused);
    }
    base::ReaderGate::Read after(gate);
    EXPECT_TRUE(after);
}

// ---------------------------------------------------------------------------
// The stamped int: a store in between always wins.

TEST(StampedInt, AnAdvanceFailsAfterAnyStoreEvenOfTheSameValue)
{
    base::StampedInt value(100);
    const std::uint64_t seen = value.loadWord();
    EXPECT_EQ(base::StampedInt::valueOf(seen), 100);
    value.store(100);
    EXPECT_FALSE(value.advanceFrom(seen, 200));
    EXPECT_EQ(value.load(), 100);
    EXPECT_TRUE(value.advanceFrom(value.loadWord(), -5));
    EXPECT_EQ(value.load(), -5) << "negative values survive the packing";
}

} // namespace
