// The metronome click: length, level, and clean ends.
#include "MetronomeClick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(MetronomeClick, ShortTickAtItsPeakWithSilentEnds)
{
    const auto& click = metronomeClick();
    float peak = 0.0f;
    int peakAt = 0;
    for (int i = 0; i < metronomeClickFrames; ++i) {
        if (std::fabs(click[size_t(i)]) > peak) {
            peak = std::fabs(click[size_t(i)]);
            peakAt = i;
        }
    }
    // Normalised in double, stored as float.
    EXPECT_NEAR(peak, 0.57f, 1e-6);
    EXPECT_LT(peakAt, 200) << "a tick, not a swell";
    EXPECT_EQ(click.front(), 0.0f) << "no crack at the start";
    EXPECT_EQ(click.back(), 0.0f) << "no crack at the end";

    // Nearly all energy in the first half (the decay constant is 3.4 ms).
    double early = 0.0;
    double total = 0.0;
    for (int i = 0; i < metronomeClickFrames; ++i) {
        const double e = double(click[size_t(i)]) * click[size_t(i)];
        total += e;
        if (i < metronomeClickFrames / 2)
            early += e;
    }
    EXPECT_GT(early / total, 0.99);
}
