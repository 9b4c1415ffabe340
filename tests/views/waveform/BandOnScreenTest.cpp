// The waveform band as the window system shows it: pictures taken from the
// window's backing store after pending paints have run, so a widget that
// misses a repaint shows its old picture here (a grab() would paint it
// afresh and hide that).
#include "BeatLead.h"
#include "ChordLabel.h"
#include "ChordsStrip.h"
#include "MouseEvents.h"
#include "PlayMarker.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "SmallPlot.h"
#include "WaveBg.h"
#include "WaveformFixtures.h"
#include "ZoomButtons.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

namespace {

class BandOnScreen : public ::testing::Test
{
protected:
    static constexpr int frames = 441000;

    BandOnScreen()
    {
        band.resize(1000, 228);
        band.plotter->initMetaData(&model);
        // The main window's share of the wiring.
        QObject::connect(band.plotter, &Plotter::setSmallPlotPixmap, band.smallPlot,
                         &SmallPlot::setSmallPlotPixmap);
        QObject::connect(band.plotter, &Plotter::setSmallPlotZoomFactor, band.smallPlot,
                         &SmallPlot::setZoomFactor);
        band.plotter->playMarker->initSampleIndex(&position);
        band.smallPlotPlayMarker->initPos(&position);
        band.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&band));
        band.plotter->initPlotter(recording.left.data(), recording.right.data(), frames, true);
        band.plotter->show();
        band.smallPlot->show();
    }

    // What the window shows once the pending paints have run.
    QImage shown()
    {
        QTest::qWait(5);
        return band.screen()->grabWindow(band.winId()).toImage();
    }

    void pressZoom(bool in)
    {
        const QPoint at(in ? 30 : 5, 9);
        press(band.zoomButtons, at, Qt::LeftButton);
        release(band.zoomButtons, at, Qt::LeftButton);
    }

    MetaData model;
    WaveBg band{nullptr};
    std::atomic<float> position{0.0f};
    const waveformtest::Recording recording{frames};
};

// The overview darkens what the view does not show to 30 %: the columns
// of its orange middle line still bright are the lit window.
int litWidth(const QImage& window, const QRect& strip)
{
    int lit = 0;
    const int y = strip.top() + strip.height() / 2;
    for (int x = strip.left(); x <= strip.right(); ++x)
        lit += qRed(window.pixel(x, y)) > 110 ? 1 : 0;
    return lit;
}

TEST_F(BandOnScreen, TheOverviewsLitWindowFollowsEveryZoomStep)
{
    // Stopped, auto-scroll off, the view on the middle: no zoom step
    // moves the overview's centre.
    band.scrollButton->setValueFromSession(false);
    press(band.smallPlot, QPoint(442, 10), Qt::LeftButton);
    release(band.smallPlot, QPoint(442, 10), Qt::LeftButton);
    const QRect strip = band.smallPlot->geometry();

    const int steps[] = {+1, +1, +1, -1, -1, -1, -1, -1, -1, -1};
    for (int step : steps) {
        pressZoom(step > 0);
        const float factor = band.plotter->zoomFactor();
        // The window is centre ± (w / 2) · factor, cut to whole pixels.
        EXPECT_NEAR(litWidth(shown(), strip), 884.0f * factor, 3.0f)
            << "level " << band.plotter->zoomLevel().level();
    }
}

// Tags of two beats each, named in turn, over the whole recording.
AnalysisResult twoBeatTags()
{
    const char* names[] = {"C", "G", "Am", "F"};
    AnalysisResult result;
    result.bpm = 120.0f;
    for (int i = 0; i < 19; ++i)
        result.beats.append(11025.0f + 22050.0f * float(i));
    for (int i = 0; i + 1 < 19; ++i)
        result.chordVec.append(QString::fromLatin1(names[(i / 2) % 4]));
    result.chordVecDetected = {"C", "G", "Am", "F"};
    result.beatLengthPercent = 220;
    return result;
}

TEST_F(BandOnScreen, TheStripRingsTheTagAtThePlayPositionAtTheWholeView)
{
    model.handOver(twoBeatTags());
    ChordsStrip* strip = band.plotter->chordsStrip;
    strip->initChordStrip();
    // The whole recording in view, following playback, stopped.
    for (int i = 0; i < 4; ++i)
        pressZoom(false);
    ASSERT_TRUE(band.plotter->zoomLevel().isWhole());
    band.scrollButton->setValueFromSession(true);
    const QList<ChordLabel*> tags = strip->chordLabels();
    ASSERT_EQ(tags.size(), 9);

    for (int tag : {1, 4, 8}) {
        // The middle of the tag's first beat.
        position.store(11025.0f + 22050.0f * float(2 * tag) + 11025.0f - float(base::beatLeadFrames));
        // The play line and the strip follow within a few of their ticks.
        EXPECT_TRUE(QTest::qWaitFor([&] { return tags[tag]->isPlaying(); }, 5000)) << "tag " << tag;
        const QImage window = shown();
        for (int t = 0; t < tags.size(); ++t) {
            EXPECT_EQ(tags[t]->isPlaying(), t == tag) << "tag " << t << ", play position in tag " << tag;
            // The ring runs along the tag's top edge, grey over the orange;
            // the name stands in the middle.
            const QPoint top = tags[t]->mapTo(&band, QPoint(24, 1));
            const QRgb pixel = window.pixel(top);
            EXPECT_EQ(qBlue(pixel) > 120, t == tag)
                << "tag " << t << " shows " << QColor(pixel).name().toStdString() << ", play position in tag "
                << tag;
        }
    }
}

} // namespace
