// Where every consumer of the beats acts, against the true attacks of a
// tone-burst grid, at the common rates: the analysis' beats, the click,
// the beat change, the chord tags, the loop stripes and the loop's start,
// a riff step and a riff render all within 10 ms (median) of the attacks,
// as the beat is heard. It catches beats placed late (by a frame and the
// smoothing's tail) and consumers that act a fixed lead before them.
#include "BeatTiming.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

struct RateCase
{
    const char* name;
    int rateHz;
};

std::ostream& operator<<(std::ostream& os, const RateCase& c)
{
    return os << c.name;
}

class BeatTimingTable : public ::testing::TestWithParam<RateCase>
{
};

TEST_P(BeatTimingTable, EveryConsumerActsOnTheAttack)
{
    // Ten seconds: the tempo stage needs about six to see the period.
    const beattiming::Timing timing = beattiming::measure(beattiming::toneBurstGrid(GetParam().rateHz, 10.0));
    const std::string table = beattiming::table(timing);
    for (int c = 0; c < beattiming::consumerCount; ++c) {
        const auto consumer = beattiming::Consumer(c);
        const std::vector<double>& ms = timing.of(consumer);
        ASSERT_FALSE(ms.empty()) << beattiming::nameOf(consumer) << " acted on no attack\n" << table;
        EXPECT_LE(std::fabs(beattiming::median(ms)), 10.0) << beattiming::nameOf(consumer) << "\n" << table;
    }
    // The analysis finds the attacks themselves: nine beats in ten within
    // 3 ms (a block of the attack search is 1.5 ms; the frames it refines
    // lie 11 ms apart).
    const std::vector<double>& beats = timing.of(beattiming::Consumer::ModelBeat);
    const auto close = std::count_if(beats.begin(), beats.end(), [](double ms) { return std::fabs(ms) <= 3.0; });
    EXPECT_GE(double(close), 0.9 * double(beats.size())) << table;
}

INSTANTIATE_TEST_SUITE_P(Rates, BeatTimingTable,
                         ::testing::Values(RateCase{"44k1", 44100}, RateCase{"48k", 48000},
                                           RateCase{"96k", 96000}),
                         RowName());

} // namespace
