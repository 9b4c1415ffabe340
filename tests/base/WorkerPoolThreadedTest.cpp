// Several threads share one pool at once, one of them from inside its own
// chunks, each writing plain (non-atomic) data that ThreadSanitizer checks
// is handed back to the caller in order.
#include "WorkerPool.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>
#include <vector>

namespace {

TEST(WorkerPoolThreaded, ConcurrentAndNestedCallersEachGetTheirWholeResult)
{
    base::WorkerPool pool(3);
    constexpr int callers = 3;
    constexpr int rounds = 20;
    constexpr int count = 512;
    std::vector<long long> totals(callers, 0);

    std::vector<std::thread> threads;
    for (int c = 0; c < callers; ++c) {
        threads.emplace_back([&, c] {
            std::vector<int> values(count); // plain: written by the chunks, read by the caller
            for (int round = 0; round < rounds; ++round) {
                pool.parallelFor(count, 16, [&](int begin, int end) {
                    if (c == 0) {
                        // Nested: a chunk spreads its own range over the pool.
                        pool.parallelFor(end - begin, 4, [&](int b, int e) {
                            for (int i = begin + b; i < begin + e; ++i)
                                values[size_t(i)] = i + round;
                        });
                    } else {
                        for (int i = begin; i < end; ++i)
                            values[size_t(i)] = i + round;
                    }
                });
                totals[size_t(c)] += std::accumulate(values.begin(), values.end(), 0LL);
            }
        });
    }
    for (std::thread& t : threads)
        t.join();

    const long long perRound = (count - 1) * count / 2;
    for (int c = 0; c < callers; ++c) {
        long long expected = 0;
        for (int round = 0; round < rounds; ++round)
            expected += perRound + (long long)round * count;
        EXPECT_EQ(totals[size_t(c)], expected) << "caller " << c;
    }
}

} // namespace
