// The worker pool hands out every index once, on any number of workers,
// and passes a chunk's exception to the caller.
#include "WorkerPool.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace {

struct RangeCase
{
    const char* name;
    int workers;
    int count;
    int grain;
};

void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << c.name;
}

class WorkerPoolRanges : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(WorkerPoolRanges, EveryIndexOnceInChunksOfAtMostTheGrain)
{
    const RangeCase& c = GetParam();
    base::WorkerPool pool(c.workers);
    std::vector<std::atomic<int>> visits(size_t(std::max(c.count, 0)));
    std::atomic<bool> oversized{false};
    pool.parallelFor(c.count, c.grain, [&](int begin, int end) {
        if (end - begin > std::max(c.grain, 1) || begin >= end)
            oversized = true;
        for (int i = begin; i < end; ++i)
            visits[size_t(i)].fetch_add(1);
    });
    EXPECT_FALSE(oversized);
    for (size_t i = 0; i < visits.size(); ++i)
        ASSERT_EQ(visits[i].load(), 1) << "index " << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkerPoolRanges,
                         ::testing::Values(RangeCase{"Nothing", 3, 0, 4}, RangeCase{"NegativeCount", 3, -5, 4},
                                           RangeCase{"FewerThanOneChunk", 3, 3, 8},
                                           RangeCase{"UnevenLastChunk", 3, 1001, 16},
                                           RangeCase{"GrainZeroMeansOne", 2, 50, 0},
                                           RangeCase{"NoWorkers", 0, 100, 7},
                                           RangeCase{"MoreWorkersThanChunks", 8, 20, 10}),
                         RowName());

TEST(WorkerPool, AChunksExceptionReachesTheCallerAndThePoolGoesOn)
{
    base::WorkerPool pool(3);
    EXPECT_THROW(pool.parallelFor(64, 1,
                                  [](int begin, int) {
                                      if (begin == 17)
                                          throw std::runtime_error("chunk 17");
                                  }),
                 std::runtime_error);
    std::atomic<int> sum{0};
    pool.parallelFor(100, 3, [&](int begin, int end) {
        for (int i = begin; i < end; ++i)
            sum += i;
    });
    EXPECT_EQ(sum.load(), 4950);
}

TEST(WorkerPool, TheSharedPoolUsesTheOtherHardwareThreads)
{
    base::WorkerPool& pool = base::WorkerPool::shared();
    EXPECT_EQ(&pool, &base::WorkerPool::shared());
    EXPECT_GE(pool.threadCount(), 1);
}

} // namespace
