// The peak path of a recording and the level pictures drawn from it.
#include "PeakPath.h"
#include "RowName.h"
#include "WaveformFixtures.h"

#include <QColor>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const int viewWidth = 884;
const int viewHeight = 156;
const int canvasHeight = viewHeight - 32;

// ---- The path ------------------------------------------------------------

struct PathCase
{
    const char* name;
    bool stereo;
    float leftGain;
    float rightGain;
    float expectedPeak; // (left + right) · 0.7 · 0.5; mono: left alone, twice
};

class PeakPathOfARecording : public ::testing::TestWithParam<PathCase>
{
};

TEST_P(PeakPathOfARecording, AlternatesMaximaAndMinimaAtTheMixLevel)
{
    const PathCase c = GetParam();
    const waveformtest::Recording recording(150000, c.leftGain, c.rightGain);
    QVector<QPointF> path;
    ASSERT_TRUE(peakpath::build(recording.left.data(), recording.right.data(), recording.frames(), c.stereo,
                                viewWidth, path, {}));

    // At least 64 blocks per pixel, two points each: a block advances by its
    // length truncated to whole frames.
    const int blockFrames = int(float(recording.frames()) / float(64 * viewWidth));
    ASSERT_GE(path.size(), 2 * 64 * viewWidth);
    ASSERT_LE(path.size(), 2 * (recording.frames() / blockFrames + 2));
    ASSERT_EQ(path.size() % 2, 0);
    float highest = 0.0f, lowest = 0.0f;
    for (int i = 0; i < path.size(); i += 2) {
        ASSERT_GE(path[i].y(), 0.0) << "maximum of block " << i / 2;
        ASSERT_LE(path[i + 1].y(), 0.0) << "minimum of block " << i / 2;
        ASSERT_EQ(path[i + 1].x(), path[i].x() + 1);
        if (i > 0) {
            ASSERT_GT(path[i].x(), path[i - 2].x()) << "block starts advance";
        }
        highest = std::max(highest, float(path[i].y()));
        lowest = std::min(lowest, float(path[i + 1].y()));
    }
    EXPECT_LE(path.last().x(), recording.frames() + 1);
    // The tone reaches nearly full level in the last blocks; each block
    // spans several of its periods.
    EXPECT_NEAR(highest, c.expectedPeak, 0.01f * c.expectedPeak + 1e-6f);
    EXPECT_NEAR(lowest, -c.expectedPeak, 0.01f * c.expectedPeak + 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(Table, PeakPathOfARecording,
                         ::testing::Values(PathCase{"stereo_is_halved", true, 1.0f, 1.0f, 0.7f},
                                           PathCase{"mono_as_its_stereo_copy", false, 1.0f, 1.0f, 0.7f},
                                           PathCase{"stereo_left_only", true, 1.0f, 0.0f, 0.35f},
                                           PathCase{"mono_reads_only_its_left", false, 0.5f, 0.25f, 0.35f},
                                           PathCase{"silence", true, 0.0f, 0.0f, 0.0f}),
                         RowName());

// The decoder fills a mono recording's right array with a copy of its left;
// drawn as it is, the wave came out twice as tall as the same sound in two
// channels and was cut above 0.71 of full scale.
TEST(PeakPathOfMono, IsThePathOfItsStereoCopy)
{
    const waveformtest::Recording recording(150000, 1.0f, 0.0f);
    const std::vector<float> garbage(recording.left.size(), 0.9f);
    QVector<QPointF> stereoCopy, monoCopied, monoOtherRight, monoNoRight;
    ASSERT_TRUE(peakpath::build(recording.left.data(), recording.left.data(), recording.frames(), true, viewWidth,
                                stereoCopy, {}));
    ASSERT_TRUE(peakpath::build(recording.left.data(), recording.left.data(), recording.frames(), false, viewWidth,
                                monoCopied, {}));
    ASSERT_TRUE(peakpath::build(recording.left.data(), garbage.data(), recording.frames(), false, viewWidth,
                                monoOtherRight, {}));
    ASSERT_TRUE(
        peakpath::build(recording.left.data(), nullptr, recording.frames(), false, viewWidth, monoNoRight, {}));
    ASSERT_FALSE(stereoCopy.isEmpty());
    EXPECT_EQ(monoCopied, stereoCopy);
    EXPECT_EQ(monoOtherRight, stereoCopy) << "a mono recording's right array is not read";
    EXPECT_EQ(monoNoRight, stereoCopy);
}

TEST(PeakPathProgress, EachWholePercentOnceInOrder)
{
    const waveformtest::Recording recording(120000);
    QVector<QPointF> path;
    QVector<float> reported;
    peakpath::build(recording.left.data(), recording.right.data(), recording.frames(), true, viewWidth, path,
                    [&](float pc) {
                        reported.append(pc);
                        return true;
                    });
    ASSERT_EQ(reported.size(), 99);
    for (int i = 0; i < reported.size(); ++i)
        EXPECT_EQ(reported[i], float(i + 1));
}

TEST(PeakPathProgress, StoppingEndsTheBuildAtOnce)
{
    const waveformtest::Recording recording(120000);
    QVector<QPointF> path;
    int calls = 0;
    const bool finished = peakpath::build(recording.left.data(), recording.right.data(), recording.frames(), true,
                                          viewWidth, path, [&](float pc) {
                                              ++calls;
                                              return pc < 10.0f;
                                          });
    EXPECT_FALSE(finished);
    EXPECT_EQ(calls, 10);
    EXPECT_LT(path.size(), 2 * 64 * viewWidth / 5);
}

TEST(PeakPathEdges, NothingToSummariseGivesNoPoints)
{
    const waveformtest::Recording recording(1000);
    QVector<QPointF> path{QPointF(1, 1)};
    EXPECT_TRUE(peakpath::build(recording.left.data(), recording.right.data(), 0, true, viewWidth, path, {}));
    EXPECT_TRUE(path.isEmpty());
    EXPECT_TRUE(peakpath::build(recording.left.data(), recording.right.data(), 1000, true, 0, path, {}));
    EXPECT_TRUE(path.isEmpty());
    EXPECT_TRUE(peakpath::build(nullptr, nullptr, 1000, true, viewWidth, path, {}));
    EXPECT_TRUE(path.isEmpty());
}

// ---- The level pictures ---------------------------------------------------

class LevelPicture : public ::testing::TestWithParam<int>
{
protected:
    static void SetUpTestSuite()
    {
        static const waveformtest::Recording recording(200000);
        peakpath::build(recording.left.data(), recording.right.data(), recording.frames(), true, viewWidth, path(),
                        {});
    }
    static QVector<QPointF>& path()
    {
        static QVector<QPointF> points;
        return points;
    }
    static bool drawn(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) != 0; }
};

TEST_P(LevelPicture, HalvesOfTheCanvasWidthAndTheRightStartsWhereTheLeftEnds)
{
    const ZoomLevel level = ZoomLevel::fromLevel(GetParam());
    const peakpath::LevelPictures pictures =
        peakpath::render(path(), {viewWidth, viewHeight, canvasHeight}, level);
    const int half = level.canvasWidth(viewWidth) / 2;
    ASSERT_EQ(pictures.left.size(), QSize(half, canvasHeight + 9));
    ASSERT_EQ(pictures.right.size(), QSize(half, canvasHeight + 9));

    // The upper outline of the right picture's first column is the full-width
    // column half − 1, the left picture's last. (The lower outline of that
    // last column repeats its neighbour's, so only the upper half compares.)
    const int mid = viewHeight / 2;
    for (int y = 0; y < mid - 1; ++y)
        EXPECT_EQ(drawn(pictures.right, 0, y), drawn(pictures.left, half - 1, y)) << "row " << y;
    // And the tone is loudest at the end: the right picture's last columns
    // reach higher than the left picture's first.
    auto top = [&](const QImage& image, int x) {
        for (int y = 0; y < image.height(); ++y)
            if (drawn(image, x, y))
                return y;
        return image.height();
    };
    EXPECT_LT(top(pictures.right, half - 2), top(pictures.left, 1));
}

TEST_P(LevelPicture, OutlinesReachTheBlockExtremes)
{
    // Constant blocks of ±0.5: every column's upper outline ends at
    // (0.5 + 1) · 155 · −0.5 + 155 = 38.75, its lower one at 116.25.
    QVector<QPointF> flat;
    for (int i = 0; i < 2 * 64 * viewWidth; i += 2)
        flat << QPointF(i, 0.5) << QPointF(i + 1, -0.5);
    const ZoomLevel level = ZoomLevel::fromLevel(GetParam());
    const peakpath::LevelPictures pictures = peakpath::render(flat, {viewWidth, viewHeight, canvasHeight}, level);
    const int half = level.canvasWidth(viewWidth) / 2;
    for (int x : {0, half / 2, half - 2}) {
        // One pixel of rounding either way: the line is drawn without
        // antialiasing from the float end point.
        EXPECT_TRUE(drawn(pictures.left, x, 39)) << "column " << x;
        EXPECT_FALSE(drawn(pictures.left, x, 37)) << "column " << x;
        EXPECT_TRUE(drawn(pictures.left, x, 116)) << "column " << x;
        EXPECT_FALSE(drawn(pictures.left, x, 118)) << "column " << x;
        EXPECT_EQ(pictures.left.pixelColor(x, 60), QColor(214, 100, 35));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, LevelPicture, ::testing::Range(0, ZoomLevel::levelCount));

TEST(LevelPictureEdges, NoPathOrNoSizeDrawsNothingAndDoesNotFail)
{
    const peakpath::LevelPictures none = peakpath::render({}, {viewWidth, viewHeight, canvasHeight}, ZoomLevel());
    ASSERT_FALSE(none.left.isNull());
    EXPECT_EQ(none.left.pixelColor(10, 60).alpha(), 0);
    EXPECT_TRUE(peakpath::render({QPointF(0, 1)}, {0, viewHeight, canvasHeight}, ZoomLevel()).left.isNull());
}

} // namespace
