// The isolation display: its outlines, captions, scale gestures and the
// fading percentage captions.
#include "SSSPlot.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QVector<QPointF> flatCurve(double y = 0.5)
{
    QVector<QPointF> curve;
    for (int i = 0; i < 400; ++i)
        curve.append(QPointF(i, y));
    return curve;
}

// ---- Outlines ---------------------------------------------------------------

struct OutlineCase
{
    const char* name;
    int azimuth;
    int bandWidth;
    float suppression;
    bool solo;
    int attenuated;     // points of the heard outline (1 … 398) that differ from the whole
    double attenuatedY; // where an attenuated point lies
};

class IsolationOutline : public ::testing::TestWithParam<OutlineCase>
{
};

TEST_P(IsolationOutline, HeardDiffersFromWholeExactlyWhereAttenuated)
{
    const OutlineCase& c = GetParam();
    SSSPlot::Shape shape;
    shape.azimuth = c.azimuth;
    shape.bandWidth = c.bandWidth;
    shape.suppression = c.suppression;
    shape.solo = c.solo;
    const SSSPlot::Polygons p = SSSPlot::polygonsFor(flatCurve(), shape);

    ASSERT_EQ(p.whole.size(), 400);
    ASSERT_EQ(p.heard.size(), 400);
    int attenuated = 0;
    for (int i = 1; i < 399; ++i) {
        EXPECT_EQ(p.heard[i].x(), p.whole[i].x());
        EXPECT_NEAR(p.whole[i].y(), 101 - 50.5, 1e-4);
        if (p.heard[i].y() != p.whole[i].y()) {
            ++attenuated;
            EXPECT_NEAR(p.heard[i].y(), c.attenuatedY, 1e-4) << i;
        }
    }
    EXPECT_EQ(attenuated, c.attenuated);
    // Both closed just below the picture.
    EXPECT_EQ(p.whole.first(), QPointF(0, 102));
    EXPECT_EQ(p.whole.last(), QPointF(399, 102));
    EXPECT_EQ(p.heard.first(), QPointF(-1, 102));
    EXPECT_EQ(p.heard.last(), QPointF(399, 102));
}

// x = i × 0.79; azimuth 50 lies at 159.6; the band width 54 gives ±27.
INSTANTIATE_TEST_SUITE_P(Table, IsolationOutline,
                         ::testing::Values(
                             // 132.6 < x < 186.6: i from 168 to 236.
                             OutlineCase{"mute_full_separation_hides_the_band", 50, 54, 0.0f, false, 69, 102},
                             OutlineCase{"mute_half_separation_lowers_it", 50, 54, 0.5f, false, 69,
                                         101 - 0.5 * 101 * 0.5},
                             OutlineCase{"no_separation_hears_everything", 50, 54, 1.0f, false, 0, 0},
                             OutlineCase{"solo_lowers_the_rest", 50, 54, 0.0f, true, 398 - 69, 102},
                             // The band test is strict: a width of 0 mutes nothing and solos
                             // only a point exactly on the azimuth (azimuth 0 is x = 0, i = 0).
                             OutlineCase{"mute_without_width", 50, 0, 0.0f, false, 0, 0},
                             OutlineCase{"solo_without_width", 0, 0, 0.0f, true, 398, 102},
                             // Azimuth 0: only the band's right half is inside, i up to 34.
                             OutlineCase{"band_at_the_left_edge", 0, 54, 0.0f, false, 34, 102},
                             // Azimuth 99 at x = 316: the left half, i from 366.
                             OutlineCase{"band_at_the_right_edge", 99, 54, 0.0f, false, 33, 102}),
                         RowName());

TEST(IsolationDisplay, ControlsSetTheShape)
{
    SSSPlot plot(nullptr);
    plot.setWidth(34);
    plot.setSupressionFactor(99);
    plot.setMuteSolo(true);
    plot.setAzimuth(12);
    const SSSPlot::Shape s = plot.shape();
    EXPECT_EQ(s.bandWidth, 54);
    EXPECT_EQ(s.suppression, 0.0f);
    EXPECT_TRUE(s.solo);
    EXPECT_EQ(s.azimuth, 12);
    plot.setSupressionFactor(0);
    EXPECT_EQ(plot.shape().suppression, 1.0f);
}

// ---- Captions -----------------------------------------------------------------

TEST(IsolationDisplay, CaptionsShowOnlyWhileThereIsACurve)
{
    SSSPlot plot(nullptr);
    QVector<QPointF> answer;
    QObject::connect(&plot, &SSSPlot::getCurve, [&answer] { return answer; });
    auto captionsShown = [&plot] {
        int shown = 0;
        for (int i = 0; i < 3; ++i)
            shown += !plot.caption(i)->isHidden();
        shown += !plot.leftPercentage()->isHidden();
        shown += !plot.rightPercentage()->isHidden();
        return shown;
    };

    plot.grab();
    EXPECT_EQ(captionsShown(), 0);
    answer = flatCurve();
    plot.grab();
    EXPECT_EQ(captionsShown(), 5);
    answer.clear();
    plot.grab();
    EXPECT_EQ(captionsShown(), 0);

    EXPECT_EQ(plot.caption(0)->pos(), QPoint(0, 0));
    EXPECT_EQ(plot.caption(1)->pos(), QPoint(143, 0));
    EXPECT_EQ(plot.caption(2)->pos(), QPoint(286, 0));
    EXPECT_EQ(plot.rightPercentage()->pos(), QPoint(286, 13));
    EXPECT_EQ(plot.leftPercentage()->pos(), QPoint(0, 13));
}

TEST(IsolationDisplay, RepaintsOnlyWhileIsolationRuns)
{
    SSSPlot plot(nullptr);
    EXPECT_FALSE(plot.repainting());
    plot.turnOn(false); // the switch left "off": isolation runs
    EXPECT_TRUE(plot.repainting());
    plot.turnOn(true);
    EXPECT_FALSE(plot.repainting());
}

// ---- Scale gestures --------------------------------------------------------------

TEST(IsolationDisplay, WheelSendsItsDeltaAndTheResetGestureSendsZero)
{
    SSSPlot plot(nullptr);
    QSignalSpy scale(&plot, &SSSPlot::setPlotScale);
    sendWheel(&plot, QPoint(100, 50), -120);
    sendWheel(&plot, QPoint(100, 50), 15);
    press(&plot, QPoint(100, 50), Qt::LeftButton);
    press(&plot, QPoint(100, 50), Qt::RightButton);
    press(&plot, QPoint(100, 50), Qt::LeftButton, Qt::MetaModifier);
    ASSERT_EQ(scale.count(), 4);
    EXPECT_EQ(scale[0][0].toInt(), -120);
    EXPECT_EQ(scale[1][0].toInt(), 15);
    EXPECT_EQ(scale[2][0].toInt(), 0);
    EXPECT_EQ(scale[3][0].toInt(), 0);
}

// ---- Fading percentage captions --------------------------------------------------

struct PercentCase
{
    const char* name;
    int pc;
    const char* text;
};

class PercentText : public ::testing::TestWithParam<PercentCase>
{
};

TEST_P(PercentText, ShowsTwiceTheValue)
{
    LRPerCentWidget label(nullptr, "0");
    label.setPercentage(GetParam().pc);
    EXPECT_EQ(label.text(), QString(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Table, PercentText,
                         ::testing::Values(PercentCase{"most", 49, "98%"}, PercentCase{"none", 0, "0%"},
                                           PercentCase{"some", 12, "24%"}),
                         RowName());

void stepFade(LRPerCentWidget& label, int steps)
{
    for (int i = 0; i < steps && label.fadeRunning(); ++i)
        label.flashUpdate(); // what the 40 ms timer does
}

TEST(PercentCaption, FadesInHoldsFadesOutAndTurnsRoundMidway)
{
    LRPerCentWidget label(nullptr, "0");
    label.setOpacity(0.0f);

    label.setPercentage(10);
    EXPECT_TRUE(label.fadeRunning());
    EXPECT_TRUE(label.holdRunning());
    stepFade(label, 24);
    EXPECT_TRUE(label.fadeRunning());
    stepFade(label, 1);
    EXPECT_FALSE(label.fadeRunning()) << "a full fade takes 25 steps";
    EXPECT_EQ(label.opacity(), 1.0f);

    // The hold's end fades it out; a new value midway turns it round.
    label.stopHideTimer();
    EXPECT_FALSE(label.holdRunning());
    stepFade(label, 10);
    EXPECT_NEAR(label.opacity(), 0.6f, 1e-5);
    label.setPercentage(11);
    EXPECT_TRUE(label.fadingIn());
    EXPECT_TRUE(label.holdRunning());
    stepFade(label, 10);
    EXPECT_EQ(label.opacity(), 1.0f);
    EXPECT_FALSE(label.fadeRunning());

    label.stopHideTimer();
    stepFade(label, 100);
    EXPECT_EQ(label.opacity(), 0.0f);
    EXPECT_FALSE(label.fadeRunning());
}

TEST(PercentCaption, HoldEndsOnItsOwnAfterThreeSeconds)
{
    LRPerCentWidget label(nullptr, "0");
    label.setOpacity(1.0f);
    label.setPercentage(3);
    EXPECT_FALSE(label.fadeRunning()) << "already shown: nothing to fade";
    QTRY_VERIFY_WITH_TIMEOUT(!label.holdRunning(), 20000);
    EXPECT_FALSE(label.fadingIn());
}

} // namespace
