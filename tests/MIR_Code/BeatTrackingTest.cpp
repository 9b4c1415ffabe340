// Beat tracking on hand-made onset functions: peak picking, where the
// programme starts, which beat ends it, and the fallbacks.
#include "DSP.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// --- Peak picking ---------------------------------------------------------

struct PeakCase
{
    const char* name;
    std::vector<float> x;
    std::vector<int> frames;
    float maxAfter; // running maximum after the search, starting from 2
};

class PeakPicking : public ::testing::TestWithParam<PeakCase>
{
};

TEST_P(PeakPicking, FindsStrictPositiveInteriorMaxima)
{
    const PeakCase& c = GetParam();
    std::vector<int> frames(c.x.size() / 2 + 1, -5);
    std::vector<float> values(c.x.size() / 2 + 1, -5.0f);
    float maxValue = 2.0f;
    int maxFrame = -1;
    const int count =
        DSP().findpeaks(c.x.data(), float(c.x.size()), frames.data(), values.data(), maxValue, maxFrame);
    ASSERT_EQ(count, int(c.frames.size()));
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(frames[size_t(i)], c.frames[size_t(i)]);
        EXPECT_EQ(values[size_t(i)], c.x[size_t(c.frames[size_t(i)])]);
    }
    if (count == 0) {
        EXPECT_EQ(frames[0], 0);
        EXPECT_EQ(values[0], 0.0f);
    }
    EXPECT_EQ(maxValue, c.maxAfter);
}

INSTANTIATE_TEST_SUITE_P(Functions, PeakPicking,
                         ::testing::Values(PeakCase{"Interior", {0, 3, 1, 5, 4}, {1, 3}, 5.0f},
                                           PeakCase{"EndsAreNoPeaks", {9, 1, 9}, {}, 2.0f},
                                           PeakCase{"PlateauIsNoPeak", {0, 1, 1, 0}, {}, 2.0f},
                                           PeakCase{"NegativeIsNoPeak", {-3, -1, -3, 1.5f, 0}, {3}, 2.0f},
                                           PeakCase{"TooShort", {0, 1}, {}, 2.0f},
                                           PeakCase{"Empty", {}, {}, 2.0f}),
                         RowName());

// --- Tracking -------------------------------------------------------------

// Runs the tracker at a constant period with the driver's room for beats
// (2 * ceil(n / period)) plus a sentinel.
std::vector<int> track(const std::vector<float>& odf, float periodFrames, float lastPeriod = -1.0f)
{
    const int n = int(odf.size());
    std::vector<float> period(size_t(n), periodFrames);
    if (lastPeriod >= 0.0f)
        period.back() = lastPeriod;
    const size_t room = size_t(2 * std::ceil(float(n) / periodFrames));
    std::vector<int> beats(room + 1, -99);
    const int count = DSP().getBeats(odf.data(), n, 512, beats.data(), period.data());
    EXPECT_EQ(beats[room], -99) << "wrote past the driver's room";
    EXPECT_LE(size_t(count), room);
    beats.resize(size_t(std::max(count, 0)));
    return beats;
}

// Onsets as single-frame spikes.
std::vector<float> spikes(int n, const std::vector<std::pair<int, float>>& at)
{
    std::vector<float> odf(static_cast<size_t>(n), 0.0f);
    for (const auto& [frame, height] : at)
        odf[size_t(frame)] = height;
    return odf;
}

TEST(BeatTracking, FollowsOnsetsJitteringByAFrame)
{
    // Period 40. The score weighs the past 19 times the onset, so only small
    // deviations from the period pull the beat onto the onset itself.
    const std::vector<int> onsets{20, 61, 100, 141, 180, 219, 260, 301, 340};
    std::vector<std::pair<int, float>> at;
    for (int f : onsets)
        at.push_back({f, 1.0f});
    EXPECT_EQ(track(spikes(380, at), 40.0f), onsets);
}

TEST(BeatTracking, KeepsThePeriodAcrossAMissingOnset)
{
    // No onset at 140: the beat still falls there, one period on.
    const auto odf = spikes(260, {{20, 1.0f}, {60, 1.0f}, {100, 1.0f}, {180, 1.0f}, {220, 1.0f}});
    EXPECT_EQ(track(odf, 40.0f), (std::vector<int>{20, 60, 100, 140, 180, 220}));
}

struct StartCase
{
    const char* name;
    std::vector<float> rise; // values of the frames just before the first strong peak
    std::vector<int> expected;
};

class TrackingStart : public ::testing::TestWithParam<StartCase>
{
};

// A weak onset (below 5 % of the strongest) at frame 10, one period before
// the first strong one at 50, is a beat only when the programme starts
// before it. A one-frame rise into the first strong peak starts it at frame
// 0; a longer rise starts it at its foot, and the onset at 50, with no scored
// frame in its window, has no predecessor and starts the list.
TEST_P(TrackingStart, DependsOnTheRiseIntoTheFirstPeak)
{
    const StartCase& c = GetParam();
    std::vector<float> odf = spikes(140, {{10, 0.04f}, {50, 1.0f}, {90, 1.0f}, {130, 1.0f}});
    for (size_t i = 0; i < c.rise.size(); ++i)
        odf[50 - c.rise.size() + i] = c.rise[i];
    EXPECT_EQ(track(odf, 40.0f), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rises, TrackingStart,
                         ::testing::Values(StartCase{"OneFrameStartsAtZero", {}, {10, 50, 90, 130}},
                                           StartCase{"TwoFramesStartAtTheFoot", {0.5f}, {50, 90, 130}},
                                           StartCase{"ThreeFramesStartAtTheFoot", {0.2f, 0.5f}, {50, 90, 130}}),
                         RowName());

TEST(BeatTracking, TheLaterOfTwoEqualClosingPeaksEndsTheBeats)
{
    // 80 and 90 each sit exactly one period after a lone onset (40, 50):
    // their scores are equal, and the later one closes the list.
    const auto odf = spikes(100, {{40, 1.0f}, {50, 1.0f}, {80, 1.0f}, {90, 1.0f}});
    EXPECT_EQ(track(odf, 40.0f), (std::vector<int>{50, 90}));
}

// --- Fallbacks --------------------------------------------------------------

void expectGrid(const std::vector<int>& beats, int step, int n)
{
    ASSERT_GE(beats.size(), 2u);
    for (size_t i = 1; i < beats.size(); ++i)
        EXPECT_EQ(beats[i] - beats[i - 1], step);
    EXPECT_LT(beats.back(), n);
    EXPECT_GE(beats.front(), 0);
    EXPECT_LT(beats.front(), step);
    EXPECT_GE(beats.back() + step, n) << "the grid covers the function";
}

TEST(BeatTrackingFallback, SilenceGivesARegularGrid)
{
    const std::vector<int> beats = track(std::vector<float>(400, 0.0f), 43.0f);
    expectGrid(beats, 43, 400);
    EXPECT_EQ(beats.front(), 0);
}

TEST(BeatTrackingFallback, ASingleOnsetAnchorsTheGrid)
{
    const std::vector<int> beats = track(spikes(400, {{150, 1.0f}}), 43.0f);
    expectGrid(beats, 43, 400);
    EXPECT_NE(std::find(beats.begin(), beats.end(), 150), beats.end());
}

TEST(BeatTrackingFallback, ABackTraceFromAnUnscoredFrameEnds)
{
    // No usable period at the last frame makes frame 0 the closing beat;
    // frame 0 lies before the programme's start and was never scored.
    // The two-frame rise into 100 starts the programme at 99.
    const auto odf = spikes(300, {{99, 0.5f}, {100, 1.0f}, {140, 1.0f}, {180, 1.0f}});
    const std::vector<int> beats = track(odf, 40.0f, 0.0f);
    expectGrid(beats, 40, 300);
    EXPECT_EQ(beats.front(), 0);
}

TEST(BeatTrackingFallback, AFunctionShorterThanAPeriodStillGivesTwoBeats)
{
    EXPECT_EQ(track(std::vector<float>(5, 0.0f), 43.0f), (std::vector<int>{0, 4}));
}

} // namespace
