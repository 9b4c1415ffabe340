// The waveform view: opening a recording, zoom steps and their throttle,
// the wheel, the layout clamp, auto-scroll, riffs and session restore.
#include "Plotter.h"
#include "ChordsStrip.h"
#include "MouseEvents.h"
#include "PlayMarker.h"
#include "PlotCanvas.h"
#include "PlotSelection.h"
#include "RowName.h"
#include "SingleChordEditWidget.h"
#include "WaveformFixtures.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

const int w = 884;
const int h = 156;

class PlotterFixture : public ::testing::Test
{
protected:
    PlotterFixture()
    {
        plotter.setGeometry(0, 0, w, h);
        plotter.initMetaData(&model);
    }

    void open(const waveformtest::Recording& shown, bool stereo = true)
    {
        plotter.initPlotter(shown.left.data(), shown.right.data(), shown.frames(), stereo);
    }

    void wheelAt(QWidget* target, QPointF pos, int delta, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(pos, target->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    int canvasX() const { return plotter.plotCanvas->x(); }

    MetaData model;
    Plotter plotter{nullptr};
    const waveformtest::Recording recording{200000};
};

// ---- Opening -----------------------------------------------------------------

TEST_F(PlotterFixture, OpensAtLevelFourOnTheStartAndTellsTheOverview)
{
    QSignalSpy factors(&plotter, &Plotter::setSmallPlotZoomFactor);
    QSignalSpy centres(&plotter, &Plotter::setSmallPlotZoomCentre);
    QSignalSpy pictures(&plotter, &Plotter::setSmallPlotPixmap);
    QSignalSpy counts(&plotter, &Plotter::setSmallPlotSampleCount);
    QSignalSpy markers(&plotter, &Plotter::showSmallPlotPlayMarker);
    QSignalSpy progress(&plotter, &Plotter::updateProgressBar);

    open(recording);

    EXPECT_EQ(plotter.zoomLevel().level(), 4);
    EXPECT_FLOAT_EQ(plotter.zoomFactor(), 0.1897474f);
    EXPECT_EQ(plotter.zoomCentre, 0.0f);
    EXPECT_EQ(canvasX(), 0);
    EXPECT_EQ(plotter.plotCanvas->width(), 4658);
    EXPECT_EQ(plotter.plotCanvas->level(), 4);
    EXPECT_EQ(plotter.playMarker->geometry(), plotter.plotCanvas->geometry().adjusted(0, 0, 0, 2));
    EXPECT_EQ(plotter.selectionStack->geometry(), plotter.plotCanvas->geometry());
    EXPECT_FLOAT_EQ(plotter.plotSelection->zoomFactor(), 0.1897474f);

    ASSERT_FALSE(factors.isEmpty());
    EXPECT_FLOAT_EQ(factors.last().at(0).toFloat(), 0.1897474f);
    ASSERT_FALSE(centres.isEmpty());
    EXPECT_EQ(centres.last().at(0).toInt(), 0);
    ASSERT_EQ(counts.count(), 1);
    EXPECT_EQ(counts.at(0).at(0).toInt(), recording.frames());
    EXPECT_EQ(markers.count(), 1);
    EXPECT_EQ(progress.count(), 99);

    // The overview gets the whole recording: something drawn in its last
    // quarter, where the tone is loudest.
    ASSERT_EQ(pictures.count(), 1);
    const QImage overview = pictures.at(0).at(0).value<QPixmap>().toImage();
    ASSERT_EQ(overview.width(), w);
    int drawn = 0;
    for (int y = 0; y < overview.height(); ++y)
        drawn += qAlpha(overview.pixel(w - 50, y)) != 0;
    EXPECT_GT(drawn, 20);
}

TEST_F(PlotterFixture, ASecondOpenStartsOverFromLevelFour)
{
    open(recording);
    plotter.zoomPlot(-120);
    plotter.updateZoom();
    plotter.setCentreZoomPos(300.0f);
    const waveformtest::Recording other(150000);
    open(other);
    EXPECT_EQ(plotter.zoomLevel().level(), 4);
    EXPECT_EQ(plotter.zoomCentre, 0.0f);
    EXPECT_EQ(canvasX(), 0);
    EXPECT_EQ(plotter.plotCanvas->level(), 4);
}

// A receiver of the progress signal opens another recording and frees the
// first: the outer open must end without reading its arrays again
// (AddressSanitizer reports any read of the freed ones).
TEST_F(PlotterFixture, AnOpenNestedInTheProgressEventsWins)
{
    auto first = std::make_unique<waveformtest::Recording>(300000);
    const waveformtest::Recording second(120000, 0.5f, 0.5f);
    QSignalSpy counts(&plotter, &Plotter::setSmallPlotSampleCount);
    int nested = 0;
    QObject::connect(&plotter, &Plotter::updateProgressBar, [&](float pc) {
        if (pc == 5.0f && first) {
            ++nested;
            first.reset();
            plotter.initPlotter(second.left.data(), second.right.data(), second.frames(), true);
        }
    });

    plotter.initPlotter(first->left.data(), first->right.data(), first->frames(), true);

    EXPECT_EQ(nested, 1);
    ASSERT_EQ(counts.count(), 2);
    EXPECT_EQ(counts.last().at(0).toInt(), second.frames());
    EXPECT_EQ(plotter.zoomLevel().level(), 4);
    ASSERT_FALSE(plotter.peaks().isEmpty());
    EXPECT_LE(plotter.peaks().last().x(), second.frames() + 1);
}

// ---- Zoom steps --------------------------------------------------------------

TEST_F(PlotterFixture, ButtonStepsStopAtBothEndsAndReturnExactly)
{
    open(recording);
    for (int i = 0; i < 10; ++i) {
        plotter.zoomPlot(120);
        plotter.updateZoom(120);
    }
    EXPECT_EQ(plotter.zoomLevel().level(), 7);
    EXPECT_EQ(plotter.plotCanvas->width(), 16204);
    for (int i = 0; i < 10; ++i) {
        plotter.zoomPlot(-120);
        plotter.updateZoom(-120);
    }
    EXPECT_EQ(plotter.zoomFactor(), 1.0f);
    EXPECT_EQ(plotter.zoomCentre, float(w / 2));
    plotter.zoomPlot(120);
    plotter.zoomPlot(-120);
    EXPECT_EQ(plotter.zoomFactor(), 1.0f);
    plotter.zoomPlot(0);
    EXPECT_EQ(plotter.zoomFactor(), 1.0f);
}

TEST_F(PlotterFixture, ShortcutStepsAtMostOncePerThrottle)
{
    open(recording);
    plotter.zoomIn();
    plotter.zoomIn();
    EXPECT_EQ(plotter.zoomLevel().level(), 5) << "two steps within 100 ms give one";
    plotter.zoomOut();
    EXPECT_EQ(plotter.zoomLevel().level(), 5);

    // Once the throttle has run out, the next shortcut steps again.
    const QDeadlineTimer deadline(10000);
    while (plotter.zoomLevel().level() == 5 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        plotter.zoomOut();
    }
    EXPECT_EQ(plotter.zoomLevel().level(), 4);
}

TEST_F(PlotterFixture, FirstWheelStepInCentresOnThePointerLaterOnesKeepTheCentre)
{
    open(recording);
    for (int i = 0; i < 4; ++i)
        wheelAt(&plotter, QPointF(10, 50), -120, Qt::NoModifier);
    ASSERT_EQ(plotter.zoomFactor(), 1.0f);

    wheelAt(&plotter, QPointF(300.7, 50), 120, Qt::NoModifier);
    EXPECT_EQ(plotter.zoomLevel().level(), 1);
    EXPECT_EQ(plotter.zoomCentre, 300.0f);

    wheelAt(&plotter, QPointF(100, 50), 120, Qt::NoModifier);
    EXPECT_EQ(plotter.zoomLevel().level(), 2);
    EXPECT_EQ(plotter.zoomCentre, 300.0f);

    // The play line leaves the wheel to the view underneath.
    QWheelEvent overLine(QPointF(100, 50), QPointF(100, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plotter.playMarker, &overLine);
    EXPECT_FALSE(overLine.isAccepted());
    EXPECT_EQ(plotter.zoomLevel().level(), 2);
}

struct ModifierCase
{
    const char* name;
    Qt::KeyboardModifiers modifiers;
    bool scrolls; // otherwise zooms
};

class WheelModifiers : public PlotterFixture, public ::testing::WithParamInterface<ModifierCase>
{
};

TEST_P(WheelModifiers, OnlyExactlyControlScrolls)
{
    const ModifierCase c = GetParam();
    open(recording);
    plotter.setCentreZoomPos(400.0f);
    wheelAt(&plotter, QPointF(500, 50), 120, c.modifiers);
    if (c.scrolls) {
        EXPECT_EQ(plotter.zoomLevel().level(), 4);
        // One step is a twentieth of the visible width: (int)(884 / 20 · z).
        EXPECT_EQ(plotter.zoomCentre, 408.0f);
    } else {
        EXPECT_EQ(plotter.zoomLevel().level(), 5);
        EXPECT_EQ(plotter.zoomCentre, 400.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WheelModifiers,
    ::testing::Values(ModifierCase{"none", Qt::NoModifier, false},
                      ModifierCase{"control", Qt::ControlModifier, true},
                      ModifierCase{"control_shift", Qt::ControlModifier | Qt::ShiftModifier, false},
                      ModifierCase{"shift", Qt::ShiftModifier, false},
                      ModifierCase{"meta", Qt::MetaModifier, false}, ModifierCase{"alt", Qt::AltModifier, false}),
    RowName());

// ---- Layout -------------------------------------------------------------------

struct ClampCase
{
    const char* name;
    float centre;
    int expectedCanvasX; // at level 4, W = 4658
};

class LayoutClamp : public PlotterFixture, public ::testing::WithParamInterface<ClampCase>
{
};

TEST_P(LayoutClamp, TheCanvasNeverLeavesAGap)
{
    const ClampCase c = GetParam();
    open(recording);
    plotter.setCentreZoomPos(c.centre);
    EXPECT_EQ(canvasX(), c.expectedCanvasX);
    EXPECT_LE(canvasX(), 0);
    EXPECT_GE(canvasX() + plotter.plotCanvas->width(), w);
}

INSTANTIATE_TEST_SUITE_P(Table, LayoutClamp,
                         ::testing::Values(ClampCase{"start", 0.0f, 0}, ClampCase{"before_start", -500.0f, 0},
                                           ClampCase{"far_before_start", -1e30f, 0},
                                           // 442 − 442 / 0.1897474 = −1887.4 → −1887
                                           ClampCase{"middle", 442.0f, -1887}, ClampCase{"end", 884.0f, w - 4658},
                                           ClampCase{"beyond_end", 5000.0f, w - 4658},
                                           ClampCase{"far_beyond_end", 1e30f, w - 4658},
                                           ClampCase{"not_a_number", std::nanf(""), 0}),
                         RowName());

TEST_F(PlotterFixture, ScrollStepsBeyondAnEndMoveNothingUntilUndone)
{
    open(recording);
    QWheelEvent left(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QWheelEvent right(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    // A step is (int)(884 / 20 · z) = 8; the canvas reaches the start once
    // the centre is within 442 · z = 83.9 of it.
    plotter.setCentreZoomPos(88.0f);
    ASSERT_EQ(canvasX(), -21);
    for (int i = 0; i < 3; ++i)
        plotter.scrollPlot(&left);
    EXPECT_EQ(plotter.zoomCentre, 64.0f);
    EXPECT_EQ(canvasX(), 0);
    plotter.scrollPlot(&right);
    plotter.scrollPlot(&right);
    EXPECT_EQ(canvasX(), 0) << "the steps beyond the start are undone first";
    plotter.scrollPlot(&right);
    EXPECT_EQ(canvasX(), -21);
}

// ---- Session restore ---------------------------------------------------------

struct SessionCase
{
    const char* name;
    const char* centre;
    const char* factor;
    int level;
};

class SessionRestore : public PlotterFixture, public ::testing::WithParamInterface<SessionCase>
{
};

TEST_P(SessionRestore, LevelShownAndCanvasWidthAgree)
{
    const SessionCase c = GetParam();
    open(recording);
    QSignalSpy factors(&plotter, &Plotter::setSmallPlotZoomFactor);

    plotter.setSessionPlotSettings({QString::fromLatin1(c.centre), QString::fromLatin1(c.factor)});
    plotter.plotSelection->setZoomFactor(QString::fromLatin1(c.factor).toFloat());

    EXPECT_EQ(plotter.zoomLevel().level(), c.level);
    EXPECT_EQ(plotter.plotCanvas->level(), c.level);
    EXPECT_EQ(plotter.plotCanvas->width(), plotter.zoomLevel().canvasWidth(w));
    EXPECT_EQ(plotter.plotSelection->zoomFactor(), plotter.zoomFactor());
    EXPECT_TRUE(std::isfinite(plotter.zoomCentre));
    EXPECT_LE(canvasX(), 0);
    EXPECT_GE(canvasX() + plotter.plotCanvas->width(), w);
    ASSERT_EQ(factors.count(), 1);
    EXPECT_EQ(factors.at(0).at(0).toFloat(), plotter.zoomFactor());
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionRestore,
    ::testing::Values(SessionCase{"stored_level4", "1200", "0.189747", 4},
                      SessionCase{"stored_whole", "442", "1", 0}, SessionCase{"zero_factor", "300", "0", 0},
                      SessionCase{"nan_factor", "300", "nan", 0}, SessionCase{"between_levels", "300", "0.5", 2},
                      SessionCase{"negative_factor", "300", "-2", 0}, SessionCase{"empty_texts", "", "", 0},
                      SessionCase{"nan_centre", "nan", "0.0545516", 7},
                      SessionCase{"huge_centre", "1e30", "0.287496", 3},
                      SessionCase{"infinite_centre", "inf", "0.66", 1},
                      SessionCase{"huge_negative_centre", "-3e38", "0.0826539", 6}),
    RowName());

TEST_F(PlotterFixture, SessionValuesBeforeAnyFileShowNoLevel)
{
    plotter.setSessionPlotSettings({QStringLiteral("100"), QStringLiteral("0.4356")});
    EXPECT_EQ(plotter.zoomLevel().level(), 2);
    EXPECT_EQ(plotter.plotCanvas->level(), 0) << "no pictures yet";
}

// ---- Auto-scroll ---------------------------------------------------------------

class AutoScroll : public PlotterFixture
{
protected:
    void SetUp() override
    {
        plotter.playMarker->initSampleIndex(&position);
        open(recording);
        plotter.setScrolling(false); // the button went on
    }

    void playAt(float frame)
    {
        position.store(frame, std::memory_order_relaxed);
        plotter.playMarker->setPos();
        plotter.playbackScroll();
    }

    std::atomic<float> position{0.0f};
};

TEST_F(AutoScroll, MidRecordingTheCentreLineStandsInForThePlayLine)
{
    playAt(100000.0f);
    EXPECT_FALSE(plotter.playMarker->isLineVisible());
    EXPECT_FALSE(plotter.centreLine->isHidden());
    // The canvas is centred on the play position.
    const int markerX = canvasX() + int(plotter.playMarker->playPosition());
    EXPECT_LE(std::abs(markerX - w / 2), 1);
}

TEST_F(AutoScroll, HeldAtAnEndThePlayLineDrawsItself)
{
    playAt(199000.0f);
    EXPECT_TRUE(plotter.playMarker->isLineVisible());
    EXPECT_TRUE(plotter.centreLine->isHidden());
    EXPECT_EQ(canvasX(), w - plotter.plotCanvas->width());

    playAt(500.0f);
    EXPECT_TRUE(plotter.playMarker->isLineVisible());
    EXPECT_EQ(canvasX(), 0);
}

TEST_F(AutoScroll, RiffOrSongPlaybackSuppressesOnlyTheCentreLine)
{
    plotter.riffSongPlayback(true);
    playAt(100000.0f);
    EXPECT_FALSE(plotter.playMarker->isLineVisible());
    EXPECT_TRUE(plotter.centreLine->isHidden());
}

TEST_F(AutoScroll, SwitchedOffTheLineShowsAndTheViewStays)
{
    playAt(100000.0f);
    const int x = canvasX();
    plotter.setScrolling(true);
    EXPECT_TRUE(plotter.playMarker->isLineVisible());
    EXPECT_TRUE(plotter.centreLine->isHidden());
    EXPECT_EQ(canvasX(), x);
}

// ---- Riffs ---------------------------------------------------------------------

TEST_F(PlotterFixture, ARiffOutsideTheSixChangesNothing)
{
    open(recording);
    plotter.setCentreZoomPos(500.0f);
    QSignalSpy centres(&plotter, &Plotter::setSmallPlotZoomCentre);
    for (int riff : {-1, 6, 1000}) {
        plotter.setActiveRiff(riff);
        EXPECT_EQ(plotter.beatSelectionStack->currentIndex(), 0);
        EXPECT_EQ(plotter.zoomCentre, 500.0f);
    }
    EXPECT_TRUE(centres.isEmpty());
}

TEST_F(PlotterFixture, ARiffNearTheStartCentresHalfAViewIn)
{
    open(recording);
    plotter.setActiveRiff(3);
    EXPECT_EQ(plotter.beatSelectionStack->currentIndex(), 3);
    // Its first step is at x 0: the centre is held at (w / 2) · z.
    EXPECT_EQ(plotter.zoomCentre, float(int(442 * 0.1897474f)));
    EXPECT_EQ(canvasX(), 0);
}

TEST_F(PlotterFixture, SelectionPagesFollowTheJamTab)
{
    plotter.activateBeatSelecitionWidget(false);
    EXPECT_EQ(plotter.selectionStack->currentIndex(), 1);
    plotter.activateBeatSelecitionWidget(true);
    EXPECT_EQ(plotter.selectionStack->currentIndex(), 0);
    plotter.switchSelectionWidget(1);
    EXPECT_EQ(plotter.selectionStack->currentIndex(), 1);
}

// ---- Chord correction --------------------------------------------------------

TEST_F(PlotterFixture, AFileOpenClosesAnOpenCorrectionUnwritten)
{
    ASSERT_TRUE(waveformtest::fillModel(model, waveformtest::regularBeats(4096, 22050, 8)));
    open(recording);
    plotter.show();
    plotter.singleChordEdit->showChordEdit(QStringLiteral("C"), 0, nullptr, false);
    ASSERT_TRUE(plotter.singleChordEdit->isVisible());
    const QVector<QString> chords = model.chordVec;

    plotter.chordsStrip->reset();

    EXPECT_FALSE(plotter.singleChordEdit->isVisible());
    EXPECT_EQ(model.chordVec, chords);
}

} // namespace
