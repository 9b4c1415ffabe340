// The riff overlay on the waveform: mouse edits, the labels it lays out,
// the play line and what the player reads through RiffSource.
#include "BeatSelection.h"
#include "BeatLabel.h"
#include "JamFixture.h"
#include "MetaData.h"
#include "MouseEvents.h"
#include "Riff.h"
#include "RowName.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using jam_test::describe;

// Beats at 10000 + 20000 b over 400000 frames on 4000 pixels: 100 samples
// a pixel, so beat b lies under x 100 + 200 b … 300 + 200 b.
constexpr int overlayWidth = 4000;
constexpr int overlayHeight = 30;
constexpr int frames = 400000;

int xInBeat(int b)
{
    return 200 + 200 * b;
}

class Overlay : public ::testing::Test
{
public:
    void SetUp() override
    {
        jam_test::fillBeats(model, 20);
        overlay.resize(overlayWidth, overlayHeight);
        overlay.setSampleCount(frames);
        overlay.initMetaData(&model);
    }

    void doubleClick(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        sendMouse(w, QEvent::MouseButtonDblClick, pos, button, button);
    }

    // Double click on the overlay and commit, as the step row would.
    void addStep(int beat)
    {
        doubleClick(&overlay, QPoint(xInBeat(beat), 10));
        const int step = overlay.model().armedStep();
        overlay.lockSelection();
        if (step > 0)
            overlay.setLoopLength(step);
    }

    MetaData model;
    BeatSelection overlay{nullptr};
};

struct DoubleClickCase
{
    const char* name;
    std::function<void(Overlay&, MetaData&, BeatSelection&)> setUp;
    Qt::MouseButton button;
    int armedSignal; // the step setActiveStep carried, −1 for none
    const char* expected;
};

class OverlayDoubleClick : public Overlay, public ::testing::WithParamInterface<DoubleClickCase>
{
};

TEST_P(OverlayDoubleClick, AddsTheNextStepUnderThePointerOrNothing)
{
    const DoubleClickCase& c = GetParam();
    if (c.setUp)
        c.setUp(*this, model, overlay);
    QSignalSpy armed(&overlay, &BeatSelection::setActiveStep);

    doubleClick(&overlay, QPoint(xInBeat(4), 10), c.button);

    if (c.armedSignal < 0) {
        EXPECT_EQ(armed.count(), 0);
    } else {
        ASSERT_EQ(armed.count(), 1);
        EXPECT_EQ(armed.at(0).at(0).toInt(), c.armedSignal);
    }
    EXPECT_EQ(describe(overlay.model()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OverlayDoubleClick,
    ::testing::Values(DoubleClickCase{"first_step", nullptr, Qt::LeftButton, 0, "0:1@4 | max 0 loop 0 armed 0"},
                      DoubleClickCase{"next_step_on_the_beat_under_the_pointer",
                                      [](Overlay& o, MetaData&, BeatSelection&) { o.addStep(1); }, Qt::LeftButton,
                                      1, "0:2@1 1:1@4 | max 1 loop 1 armed 1"},
                      DoubleClickCase{"refused_without_valid_results",
                                      [](Overlay&, MetaData& m, BeatSelection&) { m.resetMetaData(); },
                                      Qt::LeftButton, -1, "| max -1 loop -1 armed -1"},
                      DoubleClickCase{"refused_for_the_right_button", nullptr, Qt::RightButton, -1,
                                      "| max -1 loop -1 armed -1"},
                      DoubleClickCase{"refused_while_a_step_is_armed",
                                      [](Overlay&, MetaData&, BeatSelection& s) { s.setArmedStep(0, 2); },
                                      Qt::LeftButton, -1, "0:1@2 | max 0 loop 0 armed 0"},
                      DoubleClickCase{"refused_with_sixteen_steps",
                                      [](Overlay&, MetaData&, BeatSelection& s) {
                                          for (int step = 0; step < 16; ++step) {
                                              s.setArmedStep(step, 0);
                                              s.lockSelection();
                                          }
                                          s.setLoopLength(0);
                                      },
                                      Qt::LeftButton, -1,
                                      "0:2@0 1:3@0 2:3@0 3:3@0 4:3@0 5:3@0 6:3@0 7:3@0 8:3@0 9:3@0 10:3@0 "
                                      "11:3@0 12:3@0 13:3@0 14:3@0 15:3@0 | max 15 loop 1 armed -1"}),
    RowName());

TEST_F(Overlay, ArmedStepFollowsThePointerBeatByBeat)
{
    doubleClick(&overlay, QPoint(xInBeat(2), 10));
    BeatLabel* label = overlay.beatLabels[0];
    EXPECT_TRUE(label->isVisibleTo(&overlay));

    move(&overlay, QPoint(xInBeat(6), 5), Qt::NoButton);
    EXPECT_EQ(label->getBeat(), 6);
    EXPECT_EQ(label->getStartSample(), 130000);
    EXPECT_EQ(label->getEndSample(), 150000);
    // Drawn on the beat (the beat lead is 0), one pixel short of the next.
    EXPECT_EQ(label->geometry(), QRect(1300, 0, 199, overlayHeight));

    // Before the first beat nothing matches: the last beat found stays.
    move(&overlay, QPoint(20, 5), Qt::NoButton);
    EXPECT_EQ(label->getBeat(), 6);

    overlay.lockSelection();
    move(&overlay, QPoint(xInBeat(9), 5), Qt::NoButton);
    EXPECT_EQ(label->getBeat(), 6) << "a committed step stays";
}

TEST_F(Overlay, DoubleClickOnALabelRearmsThenCommits)
{
    addStep(3);
    addStep(4);
    BeatLabel* label = overlay.beatLabels[1];
    QSignalSpy armed(&overlay, &BeatSelection::setActiveStep);
    QSignalSpy committed(&overlay, &BeatSelection::commitStep);

    doubleClick(label, QPoint(5, 5));
    ASSERT_EQ(armed.count(), 1);
    EXPECT_EQ(armed.at(0).at(0).toInt(), 1);
    EXPECT_EQ(describe(overlay.model()), "0:2@3 1:1@4 | max 1 loop 2 armed 1");

    doubleClick(label, QPoint(5, 5));
    EXPECT_EQ(committed.count(), 1);
    EXPECT_EQ(describe(overlay.model()), "0:2@3 1:2@4 | max 1 loop 2 armed -1");

    doubleClick(label, QPoint(5, 5), Qt::RightButton);
    EXPECT_EQ(armed.count(), 1) << "only the left button";
}

struct DragCase
{
    const char* name;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    const char* expected;
};

class OverlayDrag : public Overlay, public ::testing::WithParamInterface<DragCase>
{
};

TEST_P(OverlayDrag, MovesTheStepOrTheRiff)
{
    const DragCase& c = GetParam();
    addStep(3);
    addStep(4);
    addStep(5);
    BeatLabel* label = overlay.beatLabels[1];
    const QPoint target = label->mapFromParent(QPoint(xInBeat(8), 5));
    sendMouse(label, QEvent::MouseMove, target, Qt::NoButton, c.buttons, c.modifiers);
    EXPECT_EQ(describe(overlay.model()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, OverlayDrag,
                         ::testing::Values(DragCase{"left_moves_the_step", Qt::LeftButton, Qt::NoModifier,
                                                    "0:2@3 1:2@8 2:2@5 | max 2 loop 3 armed -1"},
                                           DragCase{"command_moves_the_riff", Qt::LeftButton, Qt::ControlModifier,
                                                    "0:2@7 1:2@8 2:2@9 | max 2 loop 3 armed -1"},
                                           // Command must be alone.
                                           DragCase{"command_with_shift_moves_the_step", Qt::LeftButton,
                                                    Qt::ControlModifier | Qt::ShiftModifier,
                                                    "0:2@3 1:2@8 2:2@5 | max 2 loop 3 armed -1"},
                                           DragCase{"two_buttons_do_nothing", Qt::LeftButton | Qt::RightButton,
                                                    Qt::NoModifier, "0:2@3 1:2@4 2:2@5 | max 2 loop 3 armed -1"},
                                           DragCase{"no_button_does_nothing", Qt::NoButton, Qt::NoModifier,
                                                    "0:2@3 1:2@4 2:2@5 | max 2 loop 3 armed -1"}),
                         RowName());

TEST_F(Overlay, DragOffTheBeatsKeepsTheStep)
{
    addStep(3);
    BeatLabel* label = overlay.beatLabels[0];
    sendMouse(label, QEvent::MouseMove, label->mapFromParent(QPoint(10, 5)), Qt::NoButton, Qt::LeftButton,
              Qt::ControlModifier);
    EXPECT_EQ(describe(overlay.model()), "0:2@3 | max 0 loop 0 armed -1");
}

TEST_F(Overlay, OnlyTheVisibleRiffAnimatesItsPlayingStep)
{
    addStep(3);
    addStep(4);
    overlay.setAnimatedStep(1);
    EXPECT_FALSE(overlay.beatLabels[1]->isAnimated()) << "hidden overlay";

    overlay.show();
    overlay.setAnimatedStep(1);
    EXPECT_FALSE(overlay.beatLabels[0]->isAnimated());
    EXPECT_TRUE(overlay.beatLabels[1]->isAnimated());
    overlay.setAnimatedStep(0);
    EXPECT_TRUE(overlay.beatLabels[0]->isAnimated());
    EXPECT_FALSE(overlay.beatLabels[1]->isAnimated());
    EXPECT_EQ(overlay.beatLabels[1]->getPlayLineX(), overlay.beatLabels[1]->width());
    overlay.setAnimatedStep(16);
    EXPECT_FALSE(overlay.beatLabels[0]->isAnimated());
}

TEST_F(Overlay, AHiddenRiffStopsTheStepItWasAnimating)
{
    addStep(3);
    addStep(4);
    overlay.show();
    overlay.setAnimatedStep(1);
    ASSERT_TRUE(overlay.beatLabels[1]->isAnimated());

    // The song moved on to another riff; this one's step must not sweep on.
    overlay.hide();
    overlay.setAnimatedStep(0);
    EXPECT_FALSE(overlay.beatLabels[0]->isAnimated());
    EXPECT_FALSE(overlay.beatLabels[1]->isAnimated());
    EXPECT_EQ(overlay.beatLabels[1]->getPlayLineX(), overlay.beatLabels[1]->width());
}

TEST_F(Overlay, PlayLineFollowsThePlayPosition)
{
    addStep(3);
    BeatLabel* label = overlay.beatLabels[0];
    std::atomic<float> position{0.0f};
    label->animate();
    EXPECT_EQ(label->getPlayLineX(), -label->x()) << "no position yet: read as 0";

    label->initPos(&position);
    position.store(75000.0f);
    label->animate();
    EXPECT_EQ(label->getPlayLineX(), 750 - label->x());
    position.store(-75000.0f);
    label->animate();
    EXPECT_EQ(label->getPlayLineX(), 750 - label->x()) << "magnitude of the position";
}

TEST_F(Overlay, ResetClearsAndHidesEveryStep)
{
    addStep(3);
    addStep(4);
    overlay.resetBeatSelection();
    EXPECT_EQ(describe(overlay.model()), "| max -1 loop -1 armed -1");
    for (BeatLabel* label : overlay.beatLabels)
        EXPECT_FALSE(label->isVisibleTo(&overlay));
    EXPECT_EQ(overlay.getBeatUnderMouse(), 0);
    EXPECT_EQ(overlay.getLoopLength(), -2);
}

// A session restored while the analysis runs: the steps wait for the
// beats, then take their places.
TEST_F(Overlay, StepsRestoredBeforeTheResultsArePlacedWhenTheyArrive)
{
    model.resetMetaData();
    overlay.setMaxLoopLength(1);
    overlay.beatLabels[0]->setBeat(2, 3, 70000, 90000);
    overlay.beatLabels[1]->setBeat(2, 3, 70000, 90000);
    overlay.setLoopLength(1);
    overlay.repositionBeats();
    EXPECT_NE(overlay.beatLabels[0]->geometry(), QRect(700, 0, 199, 14));

    jam_test::fillBeats(model, 20);
    EXPECT_EQ(overlay.beatLabels[0]->geometry(), QRect(700, 0, 199, 14));
    EXPECT_EQ(overlay.beatLabels[1]->geometry(), QRect(700, 15, 199, 15));
}

TEST_F(Overlay, SignalsOfCommitAndExtension)
{
    QSignalSpy committed(&overlay, &BeatSelection::commitStep);
    QSignalSpy exportable(&overlay, &BeatSelection::checkEnableAudioExport);
    addStep(3);
    EXPECT_EQ(committed.count(), 1);
    EXPECT_EQ(exportable.count(), 0);
    overlay.extendLoopLength(2);
    EXPECT_EQ(exportable.count(), 1);
    EXPECT_EQ(describe(overlay.model()), "0:2@3 2:2@1 | max 2 loop 2 armed -1");
    EXPECT_TRUE(overlay.beatLabels[2]->isVisibleTo(&overlay));
}

TEST_F(Overlay, ReordersFromTheLabelThatAsks)
{
    addStep(7);
    addStep(3);
    addStep(5);
    overlay.beatLabels[2]->reOrder();
    EXPECT_EQ(describe(overlay.model()), "0:2@5 1:2@7 2:2@3 | max 2 loop 3 armed -1");
}

TEST_F(Overlay, PlayerReadsStepsLoopAndPitchThroughRiffSource)
{
    addStep(3);
    addStep(18);
    const RiffSource& source = overlay;
    EXPECT_EQ(source.beatIndex(0), 3);
    EXPECT_EQ(source.beatIndex(1), 18);
    EXPECT_EQ(source.getLoopLength(), 1);
    overlay.interpChanged(1.49831f, 1);
    EXPECT_FLOAT_EQ(source.stepPitch(1), 1.49831f);
    EXPECT_FLOAT_EQ(source.stepPitch(0), 1.0f);
    EXPECT_FLOAT_EQ(source.stepPitch(16), 1.0f);

    // A shorter recording: the stored beat is held within its beats.
    jam_test::fillBeats(model, 10);
    EXPECT_EQ(source.beatIndex(1), 8);
    EXPECT_EQ(overlay.beatLabels[1]->getBeat(), 18);
}

struct FactorCase
{
    const char* name;
    float factor;
    float expected;
};

class RiffFactor : public ::testing::TestWithParam<FactorCase>
{
};

TEST_P(RiffFactor, IsAPitchRatioThePlayerCanUse)
{
    Riff riff;
    riff.setInterpFactor(GetParam().factor, 5);
    EXPECT_FLOAT_EQ(riff.interpFactor(5), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RiffFactor,
                         ::testing::Values(FactorCase{"an_octave_up", 2.0f, 2.0f},
                                           FactorCase{"a_fifth_up", 1.49831f, 1.49831f},
                                           FactorCase{"an_octave_down", 0.5f, 0.5f},
                                           FactorCase{"above_an_octave_held", 3.0f, 2.0f},
                                           FactorCase{"below_an_octave_held", 0.1f, 0.5f},
                                           FactorCase{"zero_reads_unchanged", 0.0f, 1.0f},
                                           FactorCase{"negative_reads_unchanged", -2.0f, 1.0f},
                                           FactorCase{"not_a_number_reads_unchanged", std::nanf(""), 1.0f},
                                           FactorCase{"infinite_reads_unchanged", INFINITY, 1.0f}),
                         RowName());

TEST(RiffFactors, StepsOutsideTheRiffAreIgnored)
{
    Riff riff;
    riff.setInterpFactor(2.0f, 16);
    riff.setInterpFactor(2.0f, -1);
    for (int step = 0; step < Riff::stepCount; ++step)
        EXPECT_FLOAT_EQ(riff.interpFactor(step), 1.0f);
    EXPECT_FLOAT_EQ(riff.interpFactor(-1), 1.0f);
}

} // namespace
