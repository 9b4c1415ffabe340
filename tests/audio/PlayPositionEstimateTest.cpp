// The smoothed play position: where it starts, how fast it moves and when
// it snaps back to the chain's read position.
#include "PlayPositionEstimate.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Tick
{
    std::int64_t elapsedMs;
    int readPosition;
};

struct EstimateCase
{
    const char* name;
    bool playing;
    int rateHz;
    float tempo;
    float start;
    std::vector<Tick> ticks;
    float expected;
};

std::ostream& operator<<(std::ostream& os, const EstimateCase& c)
{
    return os << c.name;
}

class PositionEstimate : public ::testing::TestWithParam<EstimateCase>
{
};

TEST_P(PositionEstimate, FollowsTheReadPosition)
{
    const EstimateCase c = GetParam();
    PlayPositionEstimate estimate;
    estimate.restart(c.start);
    for (const Tick& t : c.ticks)
        estimate.tick(t.elapsedMs, c.playing, t.readPosition, c.rateHz, c.tempo);
    // Sums of a few hundred frames in float: exact to well below a frame.
    EXPECT_NEAR(estimate.position(), c.expected, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, PositionEstimate,
    ::testing::Values(
        EstimateCase{"first_tick_takes_the_read_position", true, 44100, 1.0f, 0.0f, {{0, 50000}}, 50000.0f},
        EstimateCase{"advances_by_rate_times_tempo",
                     true,
                     44100,
                     1.0f,
                     0.0f,
                     {{0, 10000}, {10, 10000}, {20, 10000}},
                     10000.0f + 2 * 441.0f},
        EstimateCase{"96k_at_half_tempo",
                     true,
                     96000,
                     0.5f,
                     0.0f,
                     {{0, 10000}, {10, 10000}, {20, 10000}},
                     10000.0f + 2 * 480.0f},
        EstimateCase{"mean_period_smooths_a_late_tick",
                     true,
                     44100,
                     1.0f,
                     0.0f,
                     {{0, 10000}, {10, 10000}, {35, 10000}},
                     10000.0f + 441.0f + 17 * 44.1f},
        EstimateCase{"drift_of_up_to_4096_is_kept",
                     true,
                     44100,
                     1.0f,
                     0.0f,
                     {{0, 10000},
                      {10, 10000},
                      {20, 10000},
                      {30, 10000},
                      {40, 10000},
                      {50, 10000},
                      {60, 10000},
                      {70, 10000},
                      {80, 10000},
                      {90, 10000}},
                     10000.0f + 9 * 441.0f},
        EstimateCase{"drift_beyond_4096_snaps",
                     true,
                     44100,
                     1.0f,
                     0.0f,
                     {{0, 10000},
                      {10, 10000},
                      {20, 10000},
                      {30, 10000},
                      {40, 10000},
                      {50, 10000},
                      {60, 10000},
                      {70, 10000},
                      {80, 10000},
                      {90, 10000},
                      {100, 10000}},
                     10000.0f},
        EstimateCase{"a_seek_snaps", true, 44100, 1.0f, 0.0f, {{0, 10000}, {10, 90000}}, 90000.0f},
        EstimateCase{
            "stopped_a_near_position_stays", false, 44100, 1.0f, 1000.0f, {{0, 4000}, {10, 4000}}, 1000.0f},
        EstimateCase{
            "stopped_a_far_position_snaps", false, 44100, 1.0f, 1000.0f, {{0, 4000}, {10, 9000}}, 9000.0f}),
    RowName());

} // namespace
