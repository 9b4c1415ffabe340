// The eight zoom levels, snapping of stored factors, and the frames ↔
// canvas pixel arithmetic every sliding view shares.
#include "ZoomLevel.h"
#include "RowName.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// ---- The levels ----------------------------------------------------------

struct LevelCase
{
    const char* name;
    int level;
    float factor;    // as the picture of the level was always rendered for
    int percent;     // floor(factor · 100 + 0.5), the percentage a session shows
    int canvasWidth; // at the view's width of 884
};

class Levels : public ::testing::TestWithParam<LevelCase>
{
};

TEST_P(Levels, FactorPercentAndCanvasWidth)
{
    const LevelCase c = GetParam();
    const ZoomLevel zoom = ZoomLevel::fromLevel(c.level);
    // The factors are the products of repeated multiplication by 0.66, so a
    // relative tolerance of one float step only.
    EXPECT_FLOAT_EQ(zoom.factor(), c.factor);
    EXPECT_EQ(int(std::floor(zoom.factor() * 100.0 + 0.5)), c.percent);
    EXPECT_EQ(zoom.canvasWidth(884), c.canvasWidth);
    EXPECT_EQ(zoom.level(), c.level);
}

TEST_P(Levels, StepInThenOutReturnsTheExactFactor)
{
    const LevelCase c = GetParam();
    const ZoomLevel zoom = ZoomLevel::fromLevel(c.level);
    // Bit-for-bit: a level picture is chosen by the factor, and a factor one
    // float step off once showed one level's picture in another's canvas.
    if (!zoom.isDeepest()) {
        EXPECT_EQ(zoom.in().out().factor(), zoom.factor());
        EXPECT_EQ(zoom.in().level(), c.level + 1);
        EXPECT_EQ(zoom.in().factor(), float(double(zoom.factor()) * 0.66));
    }
    if (!zoom.isWhole()) {
        EXPECT_EQ(zoom.out().in().factor(), zoom.factor());
    }
}

TEST_P(Levels, ItsOwnFactorSnapsBackToIt)
{
    const LevelCase c = GetParam();
    EXPECT_EQ(ZoomLevel::nearest(c.factor).level(), c.level);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Levels,
    ::testing::Values(LevelCase{"level0", 0, 1.0f, 100, 884}, LevelCase{"level1", 1, 0.66f, 66, 1339},
                      LevelCase{"level2", 2, 0.4356f, 44, 2029}, LevelCase{"level3", 3, 0.287496f, 29, 3074},
                      LevelCase{"level4", 4, 0.1897474f, 19, 4658}, LevelCase{"level5", 5, 0.1252333f, 13, 7058},
                      LevelCase{"level6", 6, 0.08265395f, 8, 10695},
                      LevelCase{"level7", 7, 0.05455161f, 5, 16204}),
    RowName());

TEST(ZoomSteps, StopAtBothEnds)
{
    EXPECT_EQ(ZoomLevel().out(), ZoomLevel());
    EXPECT_EQ(ZoomLevel::fromLevel(7).in(), ZoomLevel::fromLevel(7));
    EXPECT_EQ(ZoomLevel::fromLevel(-3), ZoomLevel());
    EXPECT_EQ(ZoomLevel::fromLevel(12), ZoomLevel::fromLevel(7));

    ZoomLevel zoom;
    for (int i = 0; i < 20; ++i)
        zoom = zoom.in();
    EXPECT_TRUE(zoom.isDeepest());
    EXPECT_FLOAT_EQ(zoom.factor(), 0.0545516f);
}

// ---- Snapping a stored factor ----------------------------------------------

struct SnapCase
{
    const char* name;
    float factor;
    int level;
};

class Snapping : public ::testing::TestWithParam<SnapCase>
{
};

TEST_P(Snapping, NearestLevel)
{
    const SnapCase c = GetParam();
    const ZoomLevel zoom = ZoomLevel::nearest(c.factor);
    EXPECT_EQ(zoom.level(), c.level);
    EXPECT_GT(zoom.canvasWidth(884), 0);
}

const float nan = std::numeric_limits<float>::quiet_NaN();
const float inf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(Table, Snapping,
                         ::testing::Values(
                             // Six significant digits, as sessions store them.
                             SnapCase{"stored_level4", 0.189747f, 4}, SnapCase{"stored_level7", 0.0545516f, 7},
                             SnapCase{"stored_level6", 0.082654f, 6},
                             // Between levels: the nearer one, not the deepest.
                             SnapCase{"half", 0.5f, 2}, SnapCase{"between_1_and_2", 0.56f, 1},
                             SnapCase{"just_above_deepest", 0.06f, 7}, SnapCase{"above_one", 1.5f, 0},
                             // Nothing usable: the whole recording.
                             SnapCase{"zero", 0.0f, 0}, SnapCase{"negative", -0.3f, 0}, SnapCase{"nan", nan, 0},
                             SnapCase{"infinite", inf, 0}, SnapCase{"negative_infinite", -inf, 0},
                             SnapCase{"tiny", 1e-30f, 7}, SnapCase{"huge", 3e38f, 0}),
                         RowName());

// ---- Units -----------------------------------------------------------------

TEST(ZoomUnits, ViewAndCanvasPixelsConvertBothWays)
{
    const ZoomLevel zoom = ZoomLevel::fromLevel(4);
    // The view's right edge is the canvas's right edge at every level, within
    // the one pixel that W's truncation drops.
    EXPECT_NEAR(zoom.canvasX(884.0f), float(zoom.canvasWidth(884)), 1.0f);
    EXPECT_NEAR(zoom.viewX(zoom.canvasX(300.0f)), 300.0f, 1e-3f);
    EXPECT_EQ(zoom.canvasWidth(0), 0);
    EXPECT_EQ(zoom.canvasWidth(-5), 0);
}

struct ScaleCase
{
    const char* name;
    int64_t frames;
    int width;
    float frame;
    float pixel;      // exact canvas x
    int roundedPixel; // floor(x + 0.5)
};

class FrameScales : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(FrameScales, FrameToPixel)
{
    const ScaleCase c = GetParam();
    const FrameScale scale(c.frames, c.width);
    // Single precision throughout: a relative tolerance of a few float steps.
    EXPECT_NEAR(scale.pixelOf(c.frame), c.pixel, std::fabs(c.pixel) * 1e-6f + 1e-6f);
    EXPECT_EQ(scale.roundedPixelOf(c.frame), c.roundedPixel);
    if (scale.isValid()) {
        EXPECT_NEAR(scale.frameOf(scale.pixelOf(c.frame)), c.frame, c.frame * 1e-6f + 1e-3f);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FrameScales,
                         ::testing::Values(
                             // Ten minutes at 44.1 kHz across level 4's canvas.
                             ScaleCase{"ten_minutes_start", 26460000, 4658, 0.0f, 0.0f, 0},
                             ScaleCase{"ten_minutes_end", 26460000, 4658, 26460000.0f, 4658.0f, 4658},
                             ScaleCase{"half_pixel_rounds_up", 1000, 100, 15.0f, 1.5f, 2},
                             ScaleCase{"just_below_half", 1000, 100, 14.0f, 1.4f, 1},
                             // Not laid out yet, or nothing open: pixel 0, never a division by 0.
                             ScaleCase{"zero_width", 1000, 0, 500.0f, 0.0f, 0},
                             ScaleCase{"no_frames", 0, 884, 500.0f, 0.0f, 0},
                             ScaleCase{"negative_width", 1000, -4, 500.0f, 0.0f, 0}),
                         RowName());

TEST(SaturatingInt, TruncatesAndSaturates)
{
    EXPECT_EQ(saturatingInt(2.9), 2);
    EXPECT_EQ(saturatingInt(-2.9), -2);
    EXPECT_EQ(saturatingInt(1e300), INT_MAX);
    EXPECT_EQ(saturatingInt(-1e300), INT_MIN);
    EXPECT_EQ(saturatingInt(double(inf)), INT_MAX);
    EXPECT_EQ(saturatingInt(double(nan)), 0);
}

} // namespace
