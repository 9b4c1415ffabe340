// The waveform band: its wiring, the progress strip, the status text, the
// zoom buttons and the processing notice.
#include "WaveBg.h"
#include "MouseEvents.h"
#include "PlotCanvas.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "ProcessingLabel.h"
#include "ProgressBar.h"
#include "RowName.h"
#include "SmallPlot.h"
#include "WaveformFixtures.h"
#include "ZoomButtons.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// ---- Progress strip --------------------------------------------------------------

struct ProgressCase
{
    const char* name;
    std::vector<float> values;
    bool visible;
    float pc;
};

class Progress : public ::testing::TestWithParam<ProgressCase>
{
};

TEST_P(Progress, ShowsStrictlyBetweenZeroAndNinetyNine)
{
    const ProgressCase c = GetParam();
    QWidget parent;
    parent.resize(1000, 228);
    parent.show();
    ProgressBar bar(&parent);
    bar.setFixedSize(400, 12);
    bar.hide();
    for (float value : c.values)
        bar.updatePercentage(value);
    EXPECT_EQ(bar.isVisible(), c.visible);
    EXPECT_EQ(bar.percentage(), c.pc);
}

INSTANTIATE_TEST_SUITE_P(Table, Progress,
                         ::testing::Values(ProgressCase{"zero_stays_hidden", {0.0f}, false, 0.0f},
                                           ProgressCase{"half_a_percent", {0.5f}, true, 0.5f},
                                           ProgressCase{"fifty", {50.0f}, true, 50.0f},
                                           ProgressCase{"just_below_the_end", {98.9f}, true, 98.9f},
                                           ProgressCase{"ninety_nine_hides", {1.0f, 50.0f, 99.0f}, false, 0.0f},
                                           ProgressCase{"beyond_hides", {10.0f, 150.0f}, false, 0.0f},
                                           ProgressCase{"zero_after_the_end", {50.0f, 99.0f, 0.0f}, false, 0.0f},
                                           ProgressCase{"again_after_the_end", {50.0f, 99.0f, 3.0f}, true, 3.0f}),
                         RowName());

TEST(ProgressStrip, LetsPendingEventsRunAtEachValue)
{
    QWidget parent;
    parent.show();
    ProgressBar bar(&parent);
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    bar.updatePercentage(1.0f);
    EXPECT_TRUE(ran);
}

TEST(ProgressStrip, AtFortyNineTheLeftHalfShowsTheRightHalfOfTheBar)
{
    QWidget parent;
    parent.show();
    ProgressBar bar(&parent);
    bar.setFixedSize(400, 12);
    bar.updatePercentage(49.0f);
    QImage drawn(400, 12, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::black);
    bar.render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);

    // What the strip must show: bar columns 200 … 399 at 0 … 199, nothing
    // beyond, then the frame picture over all.
    QImage expected(400, 12, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::black);
    {
        QPainter p(&expected);
        p.drawImage(0, 0, QImage(":/images/progress_bar.png").copy(200, 0, 200, 12));
        p.drawImage(0, 0, QImage(":/images/progress_bar_background.png"));
    }
    for (int x : {0, 50, 150, 198, 202, 300, 399})
        for (int y : {3, 6, 9})
            EXPECT_EQ(drawn.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
}

// ---- The band --------------------------------------------------------------------

class Band : public ::testing::Test
{
protected:
    Band()
    {
        band.resize(1000, 228);
        band.plotter->initMetaData(&model);
        // The main window's share of the wiring.
        QObject::connect(band.plotter, &Plotter::setSmallPlotPixmap, band.smallPlot,
                         &SmallPlot::setSmallPlotPixmap);
        QObject::connect(band.plotter, &Plotter::setSmallPlotZoomFactor, band.smallPlot,
                         &SmallPlot::setZoomFactor);
    }

    void open()
    {
        band.plotter->initPlotter(recording.left.data(), recording.right.data(), recording.frames(), true);
    }

    MetaData model;
    WaveBg band{nullptr};
    const waveformtest::Recording recording{150000};
};

TEST_F(Band, ChildrenInTheirPlaces)
{
    band.show();
    EXPECT_EQ(band.plotter->geometry(), QRect(59, 18, 884, 156));
    EXPECT_EQ(band.smallPlot->geometry(), QRect(59, 182, 884, 28));
    EXPECT_EQ(band.progressBar->geometry(), QRect(300, 93, 400, 12));
    EXPECT_EQ(band.scrollButton->geometry(), QRect(908, 147, 20, 20));
    EXPECT_EQ(band.zoomButtons->geometry(), QRect(60, 148, 43, 18));
    EXPECT_TRUE(band.plotter->isHidden());
    EXPECT_TRUE(band.smallPlot->isHidden());
    EXPECT_TRUE(band.frameLabel->testAttribute(Qt::WA_TransparentForMouseEvents));
    // The frame covers the waveform; the controls lie above it.
    const QObjectList& order = band.children();
    EXPECT_LT(order.indexOf(band.plotter), order.indexOf(band.frameLabel));
    EXPECT_LT(order.indexOf(band.frameLabel), order.indexOf(band.progressBar));
    EXPECT_LT(order.indexOf(band.frameLabel), order.indexOf(band.zoomButtons));
}

TEST_F(Band, ZoomButtonsStepOneLevelPerPress)
{
    open();
    ASSERT_EQ(band.plotter->zoomLevel().level(), 4);
    press(band.zoomButtons, QPoint(30, 9), Qt::LeftButton);
    release(band.zoomButtons, QPoint(30, 9), Qt::LeftButton);
    EXPECT_EQ(band.plotter->zoomLevel().level(), 5);
    EXPECT_EQ(band.plotter->plotCanvas->level(), 5);
    press(band.zoomButtons, QPoint(5, 9), Qt::LeftButton);
    EXPECT_EQ(band.plotter->zoomLevel().level(), 4);
    EXPECT_FLOAT_EQ(band.smallPlot->zoomFactor(), band.plotter->zoomFactor());
}

TEST_F(Band, OverviewPressMovesTheViewAndTheWheelZoomsIt)
{
    open();
    press(band.smallPlot, QPoint(600, 10), Qt::LeftButton);
    EXPECT_EQ(band.plotter->zoomCentre, 600.0f);
    EXPECT_LT(band.plotter->plotCanvas->x(), 0);
    wheel(band.smallPlot, 1);
    EXPECT_EQ(band.plotter->zoomLevel().level(), 5);
}

TEST_F(Band, OpeningReportsProgressAndHidesTheStripAtTheEnd)
{
    band.show();
    QSignalSpy progress(band.plotter, &Plotter::updateProgressBar);
    open();
    EXPECT_EQ(progress.count(), 99);
    EXPECT_TRUE(band.progressBar->isHidden());
}

TEST_F(Band, AutoScrollFollowsTheSwitch)
{
    open();
    band.scrollButton->setValueFromSession(true);
    bool anyActive = false;
    for (const QTimer* timer : band.plotter->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        anyActive = anyActive || (timer->isActive() && timer->interval() == 10);
    EXPECT_TRUE(anyActive);
    band.scrollButton->setValueFromSession(false);
    for (const QTimer* timer : band.plotter->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(timer->isActive() && timer->interval() == 10);
}

TEST_F(Band, StatusTextIsCentredOnTheBandAboveTheFrame)
{
    band.setProgressLabelText(QStringLiteral("Decoding <song>.mp3"));
    const int textWidth =
        QFontMetrics(band.progressLabel->font()).horizontalAdvance(QStringLiteral("Decoding <song>.mp3"));
    EXPECT_EQ(band.progressLabel->geometry(), QRect(500 - textWidth / 2, 67, 2 * textWidth, 30));
    EXPECT_FALSE(band.progressLabel->isHidden());
    EXPECT_TRUE(band.progressLabel->text().contains(QStringLiteral("&lt;song&gt;")))
        << "shown as text, not markup";
    const QObjectList& order = band.children();
    EXPECT_GT(order.indexOf(band.progressLabel), order.indexOf(band.frameLabel));

    band.clearProgressLabel();
    EXPECT_TRUE(band.progressLabel->isHidden());
    EXPECT_TRUE(band.progressLabel->text().isEmpty());
}

// ---- Zoom buttons ------------------------------------------------------------------

struct ZoomPressCase
{
    const char* name;
    int x;
    Qt::MouseButtons buttons;
    int emitted; // 0: nothing
};

class ZoomPresses : public ::testing::TestWithParam<ZoomPressCase>
{
};

TEST_P(ZoomPresses, LeftHalfOutRightHalfIn)
{
    const ZoomPressCase c = GetParam();
    ZoomButtons buttons(nullptr);
    buttons.resize(43, 18);
    QSignalSpy zooms(&buttons, &ZoomButtons::zoom);
    press(&buttons, QPoint(c.x, 9), c.buttons);
    if (c.emitted == 0) {
        EXPECT_TRUE(zooms.isEmpty());
        EXPECT_FALSE(buttons.isPlusDown() || buttons.isMinusDown());
        return;
    }
    ASSERT_EQ(zooms.count(), 1);
    EXPECT_EQ(zooms.at(0).at(0).toInt(), c.emitted);
    EXPECT_EQ(buttons.isPlusDown(), c.emitted > 0);
    EXPECT_EQ(buttons.isMinusDown(), c.emitted < 0);
    release(&buttons, QPoint(c.x, 9), Qt::LeftButton);
    EXPECT_FALSE(buttons.isPlusDown() || buttons.isMinusDown());
}

INSTANTIATE_TEST_SUITE_P(Table, ZoomPresses,
                         ::testing::Values(ZoomPressCase{"left_edge", 0, Qt::LeftButton, -120},
                                           ZoomPressCase{"left_of_middle", 20, Qt::LeftButton, -120},
                                           ZoomPressCase{"middle_column", 21, Qt::LeftButton, 120},
                                           ZoomPressCase{"right_edge", 42, Qt::LeftButton, 120},
                                           ZoomPressCase{"right_click", 30, Qt::RightButton, 0},
                                           ZoomPressCase{"middle_click", 5, Qt::MiddleButton, 0}),
                         RowName());

// ---- Processing notice -------------------------------------------------------------

TEST(ProcessingNotice, DotsComeAndGoAndTheWordsStayInPlace)
{
    ProcessingLabel notice(nullptr);
    notice.resize(250, 40);
    EXPECT_EQ(notice.text(), QStringLiteral("Calculating chords"));
    const QStringList expected = {"Calculating chords .", "Calculating chords . .", "Calculating chords . . .",
                                  "Calculating chords"};
    for (const QString& text : expected) {
        notice.setDotNumber();
        EXPECT_EQ(notice.text(), text);
    }
    EXPECT_EQ(notice.dotTimer->interval(), 500);
    EXPECT_TRUE(notice.testAttribute(Qt::WA_TransparentForMouseEvents));

    // The first letter does not move as the dots grow.
    auto firstColumn = [&] {
        QImage image(250, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        notice.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qAlpha(image.pixel(x, y)) > 0)
                    return x;
        return -1;
    };
    const int without = firstColumn();
    notice.setDotNumber();
    notice.setDotNumber();
    notice.setDotNumber();
    EXPECT_GT(without, 0);
    EXPECT_EQ(firstColumn(), without);
}

} // namespace
