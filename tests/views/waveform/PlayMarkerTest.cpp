// The play line over the waveform, the overview strip and its play line.
#include "PlayMarker.h"
#include "MouseEvents.h"
#include "PlotCanvas.h"
#include "Plotter.h"
#include "RowName.h"
#include "SmallPlot.h"
#include "WaveformFixtures.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

namespace {

const float level4 = 0.1897474f;

// ---- The play line -------------------------------------------------------------

struct TickCase
{
    const char* name;
    int frames;
    int canvasWidth;
    float framesPerTick; // 441 is 10 ms at 44.1 kHz at normal tempo
};

class PlayLineTicks : public ::testing::TestWithParam<TickCase>
{
};

TEST_P(PlayLineTicks, XIsTheExactPositionFloorOrOneMore)
{
    const TickCase c = GetParam();
    PlayMarker marker(nullptr);
    marker.resize(c.canvasWidth, 126);
    std::atomic<float> position{0.0f};
    marker.initSampleIndex(&position);
    marker.setSampleCount(c.frames);
    QSignalSpy small(&marker, &PlayMarker::setSmallPos);

    const float spp = float(c.frames) / float(c.canvasWidth);
    float frame = 0.0f;
    int ticks = 0;
    // Uneven steps, as the player's estimate advances.
    for (int i = 0; frame < float(c.frames); ++i, ++ticks) {
        position.store(frame, std::memory_order_relaxed);
        marker.setPos();
        const float e = frame / spp;
        const float x = marker.playPosition();
        ASSERT_TRUE(x == std::floor(e) || x == std::floor(e) + 1.0f)
            << "tick " << i << ": x " << x << " for e " << e;
        ASSERT_EQ(*marker.getPlayPosPtr(), x);
        frame += c.framesPerTick * (0.5f + float(i % 7) / 6.0f);
    }
    ASSERT_EQ(small.count(), ticks);
    // The small position is on an 884-pixel strip, rounded.
    const float last = position.load();
    EXPECT_EQ(small.last().at(0).toInt(), int(std::floor(last / (float(c.frames) / 884.0f) + 0.5f)));
}

INSTANTIATE_TEST_SUITE_P(Table, PlayLineTicks,
                         ::testing::Values(TickCase{"level0_short", 200000, 884, 441.0f},
                                           TickCase{"level4_ten_minutes", 26460000, 4658, 441.0f},
                                           TickCase{"level7_ten_minutes", 26460000, 16204, 441.0f},
                                           TickCase{"level7_fast", 26460000, 16204, 1764.0f},
                                           TickCase{"level7_short", 100000, 16204, 441.0f}),
                         RowName());

TEST(PlayLine, DoesNothingBeforeAFileAndReadsANullPositionAsZero)
{
    PlayMarker marker(nullptr);
    marker.resize(884, 126);
    QSignalSpy small(&marker, &PlayMarker::setSmallPos);
    marker.setPos();
    EXPECT_TRUE(small.isEmpty());
    EXPECT_EQ(marker.playPosition(), 1.0f);

    marker.setSampleCount(200000);
    marker.setPos();
    ASSERT_EQ(small.count(), 1);
    EXPECT_EQ(small.at(0).at(0).toInt(), 0);
    EXPECT_EQ(marker.playPosition(), 0.0f);
}

TEST(PlayLine, NotLaidOutYetPutsTheLineAtZero)
{
    PlayMarker marker(nullptr);
    marker.resize(0, 0);
    std::atomic<float> position{5000.0f};
    marker.initSampleIndex(&position);
    marker.setSampleCount(200000);
    marker.setPos();
    EXPECT_EQ(marker.playPosition(), 0.0f);
}

// ---- The overview strip -------------------------------------------------------

class Overview : public ::testing::Test
{
protected:
    Overview()
    {
        strip.resize(884, 28);
        strip.setZoomFactor(level4);
    }
    SmallPlot strip{nullptr};
};

TEST_F(Overview, APressNearTheStartHoldsTheWindowButGivesTheViewThePointer)
{
    QSignalSpy centres(&strip, &SmallPlot::setCentreZoomPos);
    QSignalSpy positions(&strip, &SmallPlot::setPlaybackPosition);
    press(&strip, QPoint(5, 10), Qt::LeftButton);

    // half = 442 · 0.1897474 = 83.87
    EXPECT_EQ(strip.windowCentre(), 83);
    ASSERT_EQ(centres.count(), 1);
    EXPECT_EQ(centres.at(0).at(0).toFloat(), 5.0f);
    ASSERT_EQ(positions.count(), 1);
    EXPECT_EQ(positions.at(0).at(0).toInt(), 5);
    EXPECT_EQ(positions.at(0).at(1).toInt(), 884);
}

TEST_F(Overview, TheViewGivenThePointerHoldsItsCanvasAtTheStart)
{
    MetaData model;
    Plotter plotter(nullptr);
    plotter.setGeometry(0, 0, 884, 156);
    plotter.initMetaData(&model);
    const waveformtest::Recording recording(150000);
    plotter.initPlotter(recording.left.data(), recording.right.data(), recording.frames(), true);
    QObject::connect(&strip, &SmallPlot::setCentreZoomPos, &plotter, &Plotter::setCentreZoomPos);

    press(&strip, QPoint(5, 10), Qt::LeftButton);
    EXPECT_EQ(plotter.zoomCentre, 5.0f);
    EXPECT_EQ(plotter.plotCanvas->x(), 0);
}

struct MoveCase
{
    const char* name;
    int x;
    bool acts;
    int centre; // when it acts
};

class OverviewMoves : public Overview, public ::testing::WithParamInterface<MoveCase>
{
};

TEST_P(OverviewMoves, OnlyInsideOneToWidthMinusOne)
{
    const MoveCase c = GetParam();
    press(&strip, QPoint(400, 10), Qt::LeftButton);
    QSignalSpy centres(&strip, &SmallPlot::setCentreZoomPos);
    QSignalSpy positions(&strip, &SmallPlot::setPlaybackPosition);

    move(&strip, QPoint(c.x, 10), Qt::LeftButton);

    EXPECT_EQ(centres.count(), c.acts ? 1 : 0);
    EXPECT_EQ(positions.count(), c.acts ? 1 : 0);
    if (c.acts) {
        EXPECT_EQ(strip.windowCentre(), c.centre);
        EXPECT_EQ(centres.at(0).at(0).toFloat(), float(c.centre)) << "the clamped centre";
        EXPECT_EQ(positions.at(0).at(0).toInt(), c.x);
    } else {
        EXPECT_EQ(strip.windowCentre(), 400);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OverviewMoves,
    ::testing::Values(MoveCase{"left_edge", 0, false, 0}, MoveCase{"outside_left", -30, false, 0},
                      MoveCase{"first_column", 1, true, 83}, MoveCase{"middle", 500, true, 500},
                      // 884 − 83.87 + 2 = 802.1
                      MoveCase{"last_column", 883, true, 802}, MoveCase{"right_edge", 884, false, 0},
                      MoveCase{"outside_right", 2000, false, 0}),
    RowName());

TEST_F(Overview, MovesWithoutTheLeftButtonAloneDoNothing)
{
    QSignalSpy centres(&strip, &SmallPlot::setCentreZoomPos);
    move(&strip, QPoint(300, 10), Qt::NoButton);
    move(&strip, QPoint(300, 10), Qt::LeftButton | Qt::RightButton);
    press(&strip, QPoint(300, 10), Qt::RightButton);
    EXPECT_TRUE(centres.isEmpty());
}

TEST_F(Overview, ADoubleClickActsOnlyThroughItsFirstPress)
{
    QSignalSpy positions(&strip, &SmallPlot::setPlaybackPosition);
    waveformtest::doubleClick(&strip, QPoint(300, 10));
    EXPECT_EQ(positions.count(), 1);
}

TEST_F(Overview, WheelZoomsExceptWithExactlyControl)
{
    QSignalSpy zooms(&strip, &SmallPlot::setZoom);
    QSignalSpy scrolls(&strip, &SmallPlot::scrollPlot);
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)}) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&strip, &event);
    }
    EXPECT_EQ(zooms.count(), 2);
    EXPECT_EQ(scrolls.count(), 1);
}

TEST_F(Overview, DarkensWhatTheViewDoesNotShow)
{
    QPixmap white(884, 106);
    white.fill(Qt::white);
    strip.setSmallPlotPixmap(white, level4, 300);
    const QImage image = strip.grab().toImage();
    // 300 ± 83.87: darkened to 30 % outside, the picture inside.
    EXPECT_LT(qGray(image.pixel(200, 3)), 90);
    EXPECT_GT(qGray(image.pixel(230, 3)), 200);
    EXPECT_GT(qGray(image.pixel(370, 3)), 200);
    EXPECT_LT(qGray(image.pixel(400, 3)), 90);
}

// ---- The overview's play line ------------------------------------------------

TEST(OverviewPlayLine, FollowsThePositionInStripPixels)
{
    SmallPlotPlayMarker line(nullptr);
    line.resize(884, 28);
    std::atomic<float> position{0.0f};
    line.initPos(&position);
    line.setSampleCount(884000);
    for (float frame : {0.0f, 999.0f, 1000.0f, 441999.0f, 883999.0f}) {
        position.store(frame);
        line.updatePos(12345);
        EXPECT_EQ(line.lineXPosition(), int(frame / 1000.0f)) << frame;
    }
}

TEST(OverviewPlayLine, BeforeAFileOrWithoutAPositionStaysAtZero)
{
    SmallPlotPlayMarker line(nullptr);
    line.resize(884, 28);
    line.updatePos(0);
    EXPECT_EQ(line.lineXPosition(), 0);
    line.setSampleCount(884000);
    line.updatePos(0);
    EXPECT_EQ(line.lineXPosition(), 0);
}

} // namespace
