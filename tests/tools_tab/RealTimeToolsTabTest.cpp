// The tools tab wired to the real player and the pitch model as the main
// window wires them. After every step the switches must match what the
// player runs, and the factors it uses must match the knobs and boxes.
#include "RealTimeToolsTab.h"
#include "IncrementWidget.h"
#include "Knob.h"
#include "MouseEvents.h"
#include "PitchSyncWidget.h"
#include "PlayerTestSupport.h"
#include "PlotButton.h"
#include "PowerButton.h"
#include "RowName.h"
#include "SSSPlot.h"
#include "Slider.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

// The chain's controls, which the player sets from the tab's signals.
using namespace chain;
using Strings = std::vector<std::string>;

double ratioOf(double semitones)
{
    return std::pow(2.0, semitones / 12.0);
}

// The player, the pitch model and the tab, connected as by the main window;
// what the tab tells the chords tab is kept as text.
struct TabRig
{
    TabRig()
    {
        AudioPlayer* p = rig.player.get();
        connect(&tab, &RealTimeToolsTab::setHopFactor, p, &AudioPlayer::setHop);
        connect(&tab, &RealTimeToolsTab::activateTempo, p, &AudioPlayer::activateTempo);
        connect(&tab, &RealTimeToolsTab::changeMode, p, &AudioPlayer::changeMode);
        connect(&tab, &RealTimeToolsTab::setInterpFactor, p, &AudioPlayer::setInterp);
        connect(&tab, &RealTimeToolsTab::activatePitch, p, &AudioPlayer::activatePitch);
        connect(&tab, &RealTimeToolsTab::activateSSS, p, &AudioPlayer::activateSSS);
        connect(&tab, &RealTimeToolsTab::widthChanged, p, &AudioPlayer::setWidth);
        connect(&tab, &RealTimeToolsTab::separationChanged, p, &AudioPlayer::setSeparation);
        connect(&tab, &RealTimeToolsTab::azimuthChanged, p, &AudioPlayer::setAzimuth);
        connect(&tab, &RealTimeToolsTab::filterChanged, p, &AudioPlayer::setFilterKnob);
        connect(&tab, &RealTimeToolsTab::setMuteSolo, p, &AudioPlayer::setInverted);
        connect(&tab, &RealTimeToolsTab::setFilter, p, &AudioPlayer::setFilter);
        connect(&tab, &RealTimeToolsTab::initPitchSyncWidgetFromSession, &model,
                &PitchSyncWidget::initFromSession);
        connect(tab.tempoKnobWidget(), &Knob::resetKnob, p, &AudioPlayer::resetHopFactor);
        connect(tab.isolationDisplay(), &SSSPlot::getCurve, p, &AudioPlayer::getSSSCurve);
        connect(tab.isolationDisplay(), &SSSPlot::setPlotScale, p, &AudioPlayer::setPScale);

        connect(tab.pitchKnobWidget(), &Knob::setSyncValueSignal, &model, &PitchSyncWidget::setSyncValue);
        for (IncrementWidget* box : {tab.fineTuneWidget(), tab.semitoneWidget()})
            connect(box, &IncrementWidget::setSyncValueSignal, &model, &PitchSyncWidget::setSyncValue);
        connect(tab.fineTuneWidget(), &IncrementWidget::resetFineTune, &model, &PitchSyncWidget::resetFineTune);
        connect(tab.semitoneWidget(), &IncrementWidget::resetPitch, &model, &PitchSyncWidget::resetPitch);
        connect(&model, &PitchSyncWidget::setInterpFactor, p, &AudioPlayer::setInterp);
        connect(&model, &PitchSyncWidget::updatePitchWidgets, &tab, &RealTimeToolsTab::updatePitchWidgets);

        connect(&tab, &RealTimeToolsTab::initChordTempo,
                [this](float a, float b) { chords.push_back("initChordTempo(" + n(a) + "," + n(b) + ")"); });
        connect(&tab, &RealTimeToolsTab::updateChordTempo,
                [this](float v) { chords.push_back("updateChordTempo(" + n(v) + ")"); });
        connect(&tab, &RealTimeToolsTab::updateChordKeyShift,
                [this](float v) { chords.push_back("updateChordKeyShift(" + n(v) + ")"); });
        connect(tab.bpmWidget(), &IncrementWidget::updateChordTempo,
                [this](float v) { chords.push_back("box:updateChordTempo(" + n(v) + ")"); });

        // As at every file open.
        tab.resetRealTimeTools();
        chords.clear();
    }

    template <class... Args>
    static void connect(Args&&... args)
    {
        QObject::connect(std::forward<Args>(args)...);
    }
    static std::string n(float v) { return QString::number(v).toStdString(); }

    void clickBox(IncrementWidget* box, int x)
    {
        box->overrideCursorX(x);
        press(box, QPoint(std::clamp(x, 0, 92), 10), Qt::LeftButton);
        release(box, QPoint(std::clamp(x, 0, 92), 10), Qt::LeftButton);
    }
    void plus(IncrementWidget* box, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            clickBox(box, 80);
    }
    void minus(IncrementWidget* box, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            clickBox(box, 5);
    }

    player_test::Rig rig;
    PitchSyncWidget model;
    RealTimeToolsTab tab{nullptr};
    Strings chords;
};

// The ratio the knob's own mapping gives for its position.
double pitchKnobRatio(int v)
{
    if (v == 99)
        return 1.0;
    return v < 99 ? v * 0.005 + 0.5 : v * 0.01 + 0.01;
}

// Everything the tab shows agrees with what the player does.
void expectAgreement(const TabRig& r)
{
    const VocoderSwitches s = vocoderSwitches.load();
    const RealTimeToolsTab& tab = r.tab;
    EXPECT_EQ(tab.tempoPowerButton()->isOn(), !s.hopBypassed) << "tempo switch";
    EXPECT_EQ(tab.pitchPowerButton()->isOn(), !s.interpBypassed) << "pitch switch";
    EXPECT_EQ(s.TSMPSMEnabled, !s.hopBypassed || !s.interpBypassed);
    EXPECT_EQ(tab.isolationPowerButton()->isOn(), ADRessEnabled.load()) << "isolation switch";

    const float hop = hopfactor.load();
    if (tab.tempoPowerButton()->isOn()) {
        // The knob shows the position nearest to what plays: within half
        // its widest step (0.01), its ends standing for the box's (twice
        // the tempo, and a quarter cut to whole BPM).
        EXPECT_NEAR(std::clamp(hop, 0.25f, 1.99f),
                    RealTimeToolsTab::hopFactorForKnob(tab.tempoKnobWidget()->value()), 0.0051);
        // The box shows what plays.
        const IncrementWidget* box = tab.bpmWidget();
        if (box->originalBPM() > 0) {
            EXPECT_NEAR(hop * float(box->originalBPM()), box->value(), 1e-3);
        }
    } else {
        EXPECT_EQ(hop, 1.0f) << "bypassed tempo";
    }

    const float pitch = interpfactor.load();
    if (tab.pitchPowerButton()->isOn()) {
        EXPECT_NEAR(pitch, r.model.interpFactor(), 1e-6);
        const double shown =
            int(tab.semitoneWidget()->value()) + (int(tab.fineTuneWidget()->value()) - 50) / 100.0;
        // The boxes show whole cents: within one cent of the ratio.
        EXPECT_NEAR(pitch / ratioOf(shown), 1.0, 6e-4) << "boxes show " << shown;
        // The knob only approximates (99 × ratio above 1, truncated: up to
        // 0.02 low near 2.0), and ends at 0.5 and 2.0.
        EXPECT_NEAR(pitchKnobRatio(tab.pitchKnobWidget()->value()), std::clamp(pitch, 0.5f, 2.0f), 0.02);
    } else {
        EXPECT_EQ(pitch, 1.0f) << "bypassed pitch";
    }
}

#define STEP(r, what)                                                                                             \
    do {                                                                                                          \
        SCOPED_TRACE(what);                                                                                       \
        expectAgreement(r);                                                                                       \
    } while (false)

// ---- Tempo -------------------------------------------------------------------

struct KnobCase
{
    const char* name;
    int knob;
    float hop;
    float bpmBox;
    bool tempoOn;
};

class ToolsTabTempoKnob : public ::testing::TestWithParam<KnobCase>
{
};

TEST_P(ToolsTabTempoKnob, KnobSetsFactorBoxesAndSwitch)
{
    const KnobCase& c = GetParam();
    TabRig r;
    r.tab.setBPM(120.0f);
    r.tab.tempoKnobWidget()->setValue(150);
    STEP(r, "knob 150");
    r.chords.clear();

    r.tab.tempoKnobWidget()->setValue(c.knob);

    STEP(r, "knob moved");
    EXPECT_FLOAT_EQ(hopfactor.load(), c.tempoOn ? c.hop : 1.0f);
    EXPECT_FLOAT_EQ(RealTimeToolsTab::hopFactorForKnob(c.knob), c.hop);
    EXPECT_NEAR(r.tab.bpmWidget()->value(), c.bpmBox, 1e-3);
    EXPECT_EQ(r.tab.tempoPowerButton()->isOn(), c.tempoOn);
    // The chords tab's box shows the tempo that plays, not cut to whole BPM.
    EXPECT_EQ(r.chords, Strings{"updateChordTempo(" + TabRig::n(c.bpmBox) + ")"});
}

INSTANTIATE_TEST_SUITE_P(Table, ToolsTabTempoKnob,
                         ::testing::Values(KnobCase{"quarter", 0, 0.25f, 30, true},
                                           KnobCase{"half_way_down", 50, 0.625f, 75, true},
                                           KnobCase{"just_below", 98, 0.985f, 118.2f, true},
                                           KnobCase{"centre_bypasses", 99, 1.0f, 120, false},
                                           // Away from the centre the tool runs, here at 1.0.
                                           KnobCase{"just_above", 100, 1.0f, 120, true},
                                           KnobCase{"top", 199, 1.99f, 238.8f, true}),
                         RowName());

TEST(ToolsTab, TempoKnobTo150AndBackAt120Bpm)
{
    TabRig r;
    r.tab.setBPM(120.0f);
    EXPECT_EQ(r.chords, Strings{"initChordTempo(120,120)"});
    STEP(r, "tempo known");
    r.chords.clear();

    r.tab.tempoKnobWidget()->setValue(150);
    STEP(r, "150");
    EXPECT_EQ(r.tab.bpmWidget()->value(), 180.0f);
    EXPECT_EQ(hopfactor.load(), 1.5f);
    EXPECT_TRUE(r.tab.tempoPowerButton()->isOn());

    r.tab.tempoKnobWidget()->setValue(99);
    STEP(r, "back");
    EXPECT_EQ(r.tab.bpmWidget()->value(), 120.0f);
    EXPECT_FALSE(r.tab.tempoPowerButton()->isOn());
    EXPECT_EQ(r.chords, (Strings{"updateChordTempo(180)", "updateChordTempo(120)"}));
}

TEST(ToolsTab, FirstTempoStepIsHeardBecauseTheToolRunsBeforeTheFactorArrives)
{
    TabRig r;
    r.tab.setBPM(120.0f);
    r.tab.tempoKnobWidget()->setValue(100 + 30);
    EXPECT_FALSE(vocoderSwitches.load().hopBypassed);
    EXPECT_FLOAT_EQ(hopfactor.load(), 1.3f);
}

TEST(ToolsTab, BpmBoxStepsToTheOriginalTempoAndTheToolEndsBypassed)
{
    TabRig r;
    r.tab.setBPM(120.0f);
    IncrementWidget* box = r.tab.bpmWidget();

    r.plus(box, 2);
    STEP(r, "122");
    EXPECT_EQ(r.tab.tempoKnobWidget()->value(), 102) << "1.02 is the nearest to 122 / 120";
    EXPECT_FLOAT_EQ(hopfactor.load(), 122.0f / 120.0f);
    EXPECT_TRUE(r.tab.tempoPowerButton()->isOn());
    EXPECT_EQ(box->value(), 122.0f) << "the box keeps its exact value";

    r.minus(box, 1);
    STEP(r, "121");
    r.minus(box, 1);
    STEP(r, "120");
    EXPECT_EQ(r.tab.tempoKnobWidget()->value(), 99);
    EXPECT_FALSE(r.tab.tempoPowerButton()->isOn());
    EXPECT_EQ(box->value(), 120.0f);
}

struct LowestCase
{
    const char* name;
    float original;
};

class ToolsTabLowestTempo : public ::testing::TestWithParam<LowestCase>
{
};

// Some originals put their lowest box value a hair below a quarter: it
// plays as it is shown, with the knob at its bottom.
TEST_P(ToolsTabLowestTempo, LowestBoxValuePlaysItselfWithTheToolOn)
{
    TabRig r;
    const float original = GetParam().original;
    r.tab.setBPM(original);
    for (int i = 0; i < 300; ++i)
        r.tab.bpmWidget()->decrement();
    STEP(r, "lowest");
    const float lowest = float(int(original) / 4);
    EXPECT_EQ(r.tab.bpmWidget()->value(), lowest);
    EXPECT_EQ(r.tab.tempoKnobWidget()->value(), 0);
    EXPECT_TRUE(r.tab.tempoPowerButton()->isOn());
    EXPECT_FLOAT_EQ(hopfactor.load(), lowest / original);
}

INSTANTIATE_TEST_SUITE_P(Table, ToolsTabLowestTempo,
                         ::testing::Values(LowestCase{"bpm_120", 120}, LowestCase{"bpm_71", 71},
                                           LowestCase{"bpm_42", 42}, LowestCase{"bpm_55", 55}),
                         RowName());

TEST(ToolsTab, TempoShortcutBeforeAnyTempoDoesNothing)
{
    TabRig r;
    r.tab.bpmWidget()->increment();
    r.tab.bpmWidget()->decrement();
    STEP(r, "shortcuts");
    EXPECT_EQ(r.tab.tempoKnobWidget()->value(), 99);
    EXPECT_FALSE(r.tab.tempoPowerButton()->isOn());
    EXPECT_TRUE(r.tab.bpmWidget()->coverShown());
}

struct BadTempoCase
{
    const char* name;
    float bpm;
};

class ToolsTabBadTempo : public ::testing::TestWithParam<BadTempoCase>
{
};

TEST_P(ToolsTabBadTempo, LeavesTheBoxInactiveAndTellsNobody)
{
    TabRig r;
    r.tab.setBPM(GetParam().bpm);
    EXPECT_TRUE(r.tab.bpmWidget()->coverShown());
    EXPECT_TRUE(r.chords.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, ToolsTabBadTempo,
                         ::testing::Values(BadTempoCase{"zero", 0.0f}, BadTempoCase{"negative", -1.0f},
                                           BadTempoCase{"not_a_number", std::numeric_limits<float>::quiet_NaN()},
                                           BadTempoCase{"infinite", std::numeric_limits<float>::infinity()}),
                         RowName());

TEST(ToolsTab, KnobMovedBeforeTheTempoIsKnownIsShownWhenItArrives)
{
    TabRig r;
    r.tab.tempoKnobWidget()->setValue(150);
    STEP(r, "no tempo yet");
    r.chords.clear();

    r.tab.setBPM(120.0f);
    STEP(r, "tempo arrives");
    EXPECT_EQ(r.tab.bpmWidget()->value(), 180.0f);
    EXPECT_EQ(r.tab.bpmWidget()->originalBPM(), 120);
    EXPECT_EQ(hopfactor.load(), 1.5f);
    EXPECT_EQ(r.chords, (Strings{"initChordTempo(120,120)", "updateChordTempo(180)"}));
}

TEST(ToolsTab, ModeBoxChoosesTheVocoderMode)
{
    TabRig r;
    r.plus(r.tab.modeWidget(), 2);
    const VocoderModeFlags flags = vocoderModeFlags.load();
    const VocoderModeFlags three = *vocoderModeFlagsFor(3);
    EXPECT_EQ(flags.peakcheck, three.peakcheck);
    EXPECT_EQ(flags.transcheck, three.transcheck);
    EXPECT_EQ(flags.monoMix, three.monoMix);
}

// ---- Pitch -------------------------------------------------------------------------

TEST(ToolsTab, SemitonesUpThreeAndBack)
{
    TabRig r;
    r.plus(r.tab.semitoneWidget(), 3);
    STEP(r, "+3");
    EXPECT_EQ(r.tab.pitchKnobWidget()->value(), 117);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 50.0f);
    EXPECT_TRUE(r.tab.pitchPowerButton()->isOn());
    EXPECT_NEAR(interpfactor.load(), ratioOf(3), 1e-6);
    EXPECT_EQ(r.chords.back(), "updateChordKeyShift(3)");

    r.minus(r.tab.semitoneWidget(), 3);
    STEP(r, "back to 0");
    EXPECT_FALSE(r.tab.pitchPowerButton()->isOn());
    EXPECT_EQ(r.tab.fineTuneWidget()->markerX(), 46);
    EXPECT_EQ(r.tab.pitchKnobWidget()->value(), 99);
}

TEST(ToolsTab, PitchKnobPlacesBothBoxes)
{
    TabRig r;
    r.tab.pitchKnobWidget()->setValue(150);
    STEP(r, "knob 150");
    EXPECT_EQ(r.tab.semitoneWidget()->value(), 7.0f);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 63.0f);
    EXPECT_EQ(r.chords.back(), "updateChordKeyShift(7.13)");

    r.tab.pitchKnobWidget()->setValue(99);
    STEP(r, "knob centre");
    EXPECT_EQ(r.tab.semitoneWidget()->value(), 0.0f);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 50.0f);
}

TEST(ToolsTab, FineTuneMovesKnobAndStaysWithinAnOctave)
{
    TabRig r;
    r.plus(r.tab.semitoneWidget(), 12);
    STEP(r, "+12");
    sendWheel(r.tab.fineTuneWidget(), QPoint(46, 10), 120);
    STEP(r, "fine up at +12");
    EXPECT_EQ(interpfactor.load(), 2.0f);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 50.0f) << "the model cleared it";
}

TEST(ToolsTab, KeyShiftFromElevenToTwelve)
{
    TabRig r;
    for (int i = 0; i < 11; ++i)
        r.model.setSyncValue("keyShift", 1);
    STEP(r, "+11");
    r.chords.clear();

    r.model.setSyncValue("keyShift", 1);
    STEP(r, "+12");
    EXPECT_EQ(r.tab.semitoneWidget()->value(), 12.0f);
    EXPECT_EQ(r.tab.pitchKnobWidget()->value(), 198);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 50.0f);
    EXPECT_TRUE(r.tab.pitchPowerButton()->isOn());
    EXPECT_EQ(interpfactor.load(), 2.0f);
    EXPECT_TRUE(r.chords.empty()) << "nothing goes back to the key shift";

    r.model.setSyncValue("keyShift", 0);
    STEP(r, "key shift cleared");
    EXPECT_FALSE(r.tab.pitchPowerButton()->isOn());
}

TEST(ToolsTab, FineTunePlacedBetweenHundredthsShowsAndStoresWhatIsHeard)
{
    TabRig r;
    // x 30 places the marker at 13.64: 36.36 hundredths below the centre,
    // published as −36.
    r.clickBox(r.tab.fineTuneWidget(), 30);
    STEP(r, "placed");
    EXPECT_NEAR(interpfactor.load(), ratioOf(-0.36), 1e-6);
    EXPECT_EQ(r.tab.semitoneWidget()->shownText(), "-0.36");
    EXPECT_FLOAT_EQ(r.tab.getSemitones(), -0.36f);
    EXPECT_EQ(r.chords.back(), "updateChordKeyShift(-0.36)");
}

TEST(ToolsTab, TwelveReachedFromElevenShowsTheFineTuneItKeeps)
{
    TabRig r;
    for (int i = 0; i < 11; ++i)
        r.model.setSyncValue("keyShift", 1);
    for (int i = 0; i < 30; ++i)
        sendWheel(r.tab.fineTuneWidget(), QPoint(46, 10), 120);
    STEP(r, "11.3");
    r.model.setSyncValue("keyShift", 1);
    STEP(r, "12.3");
    EXPECT_NEAR(interpfactor.load(), ratioOf(12.3), 1e-5);
    EXPECT_EQ(r.tab.semitoneWidget()->value(), 12.0f);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 80.0f);
    EXPECT_NEAR(r.tab.getSemitones(), 12.3f, 1e-5);
}

TEST(ToolsTab, SemitoneResetGestureClearsThePitch)
{
    TabRig r;
    r.plus(r.tab.semitoneWidget(), 2);
    sendWheel(r.tab.fineTuneWidget(), QPoint(46, 10), 120 * 20);
    STEP(r, "2.01");
    press(r.tab.semitoneWidget(), QPoint(80, 10), Qt::RightButton);
    STEP(r, "reset");
    EXPECT_FALSE(r.tab.pitchPowerButton()->isOn());
    EXPECT_EQ(r.model.semitones(), 0);
    EXPECT_EQ(r.model.fine(), 0.0f);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 50.0f);
}

// ---- Isolation -------------------------------------------------------------------------

struct IsolationCase
{
    const char* name;
    std::function<void(RealTimeToolsTab&)> act;
    std::function<bool()> reached; // the player got the control's value
};

class ToolsTabIsolationControl : public ::testing::TestWithParam<IsolationCase>
{
};

TEST_P(ToolsTabIsolationControl, AnyChangeSwitchesIsolationOn)
{
    const IsolationCase& c = GetParam();
    TabRig r;
    STEP(r, "start");
    ASSERT_FALSE(ADRessEnabled.load());
    SSSPlot* display = r.tab.isolationDisplay();
    display->grab();
    EXPECT_TRUE(display->caption(0)->isHidden());

    c.act(r.tab);
    STEP(r, "control changed");
    EXPECT_TRUE(ADRessEnabled.load());
    EXPECT_TRUE(c.reached());
    EXPECT_TRUE(display->repainting());
    display->grab();
    EXPECT_FALSE(display->caption(0)->isHidden());

    press(r.tab.isolationPowerButton(), QPoint(5, 5), Qt::LeftButton);
    STEP(r, "switched off");
    EXPECT_FALSE(ADRessEnabled.load());
    EXPECT_FALSE(display->repainting());
    display->grab();
    EXPECT_TRUE(display->caption(0)->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToolsTabIsolationControl,
    ::testing::Values(
        IsolationCase{"width", [](RealTimeToolsTab& tab) { tab.widthKnobWidget()->setValue(60); },
                      [] { return std::fabs(rangeValue.load() - 0.60001f) < 1e-4f; }},
        IsolationCase{"separation", [](RealTimeToolsTab& tab) { tab.separationKnobWidget()->setValue(40); },
                      [] { return bleedThresholdValue.load() == 60.0f; }},
        IsolationCase{"filter", [](RealTimeToolsTab& tab) { tab.filterKnobWidget()->setValue(30); },
                      [] { return cutFrequencyValue.load() == 30.0f; }},
        IsolationCase{"azimuth", [](RealTimeToolsTab& tab) { tab.azimuthSlider()->setValue(10); },
                      [] { return azimuthValue.load() < 0.0f; }},
        IsolationCase{"mute",
                      [](RealTimeToolsTab& tab) { press(tab.muteSoloSwitch(), QPoint(35, 9), Qt::LeftButton); },
                      [] { return !invert.load(); }},
        IsolationCase{"low_band",
                      [](RealTimeToolsTab& tab) { press(tab.filterSwitch(), QPoint(35, 9), Qt::LeftButton); },
                      [] { return !hipass.load(); }}),
    RowName());

TEST(ToolsTab, AzimuthShowsItsSideAsAPercentage)
{
    TabRig r;
    SSSPlot* display = r.tab.isolationDisplay();
    r.tab.azimuthSlider()->setValue(0);
    EXPECT_EQ(display->leftPercentage()->text(), "98%");
    EXPECT_TRUE(display->leftPercentage()->fadingIn());
    EXPECT_FALSE(display->rightPercentage()->fadingIn());

    r.tab.azimuthSlider()->setValue(50);
    EXPECT_EQ(display->rightPercentage()->text(), "0%");
    EXPECT_TRUE(display->rightPercentage()->fadingIn());
    EXPECT_FALSE(display->leftPercentage()->fadingIn());

    r.tab.azimuthSlider()->setValue(49); // the slider's reset gesture
    EXPECT_FALSE(display->leftPercentage()->fadingIn());
    EXPECT_FALSE(display->rightPercentage()->fadingIn());
}

TEST(ToolsTab, TheSmallFilterKnobHasAPicture)
{
    TabRig r;
    Knob* knob = r.tab.filterKnobWidget();
    EXPECT_EQ(knob->size(), QSize(64, 64));
    EXPECT_EQ(knob->value(), 19);
    const QImage image = knob->grab().toImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) != 0;
    EXPECT_GT(drawn, 64 * 64 / 4);
}

// ---- Reset -------------------------------------------------------------------------------

TEST(ToolsTab, ResetReturnsEveryToolToRestAndBypassed)
{
    TabRig r;
    r.tab.setBPM(120.0f);
    r.tab.tempoKnobWidget()->setValue(150);
    r.plus(r.tab.semitoneWidget(), 3);
    sendWheel(r.tab.fineTuneWidget(), QPoint(46, 10), 120 * 10);
    r.plus(r.tab.modeWidget());
    r.tab.widthKnobWidget()->setValue(70);
    press(r.tab.muteSoloSwitch(), QPoint(35, 9), Qt::LeftButton);
    STEP(r, "everything moved");

    r.tab.resetRealTimeTools();
    STEP(r, "reset");
    EXPECT_FALSE(r.tab.tempoPowerButton()->isOn());
    EXPECT_FALSE(r.tab.pitchPowerButton()->isOn());
    EXPECT_FALSE(r.tab.isolationPowerButton()->isOn());
    EXPECT_EQ(r.tab.tempoKnobWidget()->value(), 99);
    EXPECT_EQ(r.tab.pitchKnobWidget()->value(), 99);
    EXPECT_EQ(r.tab.widthKnobWidget()->value(), 34);
    EXPECT_EQ(r.tab.azimuthSlider()->value(), 50);
    EXPECT_TRUE(r.tab.muteSoloSwitch()->getState());
    EXPECT_TRUE(invert.load());
    EXPECT_TRUE(r.tab.bpmWidget()->coverShown());
    EXPECT_EQ(r.tab.modeWidget()->value(), 0.0f);
    EXPECT_EQ(vocoderModeFlags.load().peakcheck, vocoderModeFlagsFor(1)->peakcheck);
    EXPECT_EQ(vocoderModeFlags.load().transcheck, vocoderModeFlagsFor(1)->transcheck);
    EXPECT_EQ(r.tab.semitoneWidget()->value(), 0.0f);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), 50.0f);
    EXPECT_EQ(r.tab.fineTuneWidget()->markerX(), 46);
    EXPECT_EQ(r.model.semitones(), 0);
    EXPECT_EQ(r.model.fine(), 0.0f);
    EXPECT_EQ(r.rig.player->toolSwitches().keptFactor(ToolSwitches::Tool::Tempo), 1.0f);
}

// A few cents leave the pitch knob at its centre; the reset must still
// clear them from the model, or the next step would carry them.
TEST(ToolsTab, ResetClearsAFineTuneThatLeftThePitchKnobCentred)
{
    TabRig r;
    sendWheel(r.tab.fineTuneWidget(), QPoint(46, 10), 120 * 5);
    ASSERT_EQ(r.tab.pitchKnobWidget()->value(), 99);
    ASSERT_NE(r.model.fine(), 0.0f);

    r.tab.resetRealTimeTools();
    STEP(r, "reset");
    EXPECT_EQ(r.model.fine(), 0.0f);
    r.plus(r.tab.semitoneWidget());
    STEP(r, "+1");
    EXPECT_NEAR(interpfactor.load(), ratioOf(1), 1e-6);
}

// ---- Session restore ---------------------------------------------------------------------------

struct SessionCase
{
    const char* name;
    QStringList tempo;     // bpm, knobValue, mode, state
    QStringList pitch;     // knobValue, semitones, fineTune, state
    QStringList sourceSep; // sep, width, filter, azimuth, hilo, solo, state
    bool tempoOn;
    float hop; // while on
    bool pitchOn;
    double ratio; // the model's, and the player's while on
    int modelSemitones;
    float modelFine;
    float semitoneBox;
    float fineTuneBox;
    bool isolationOn;
    int vocoderMode;
};

class ToolsTabSession : public ::testing::TestWithParam<SessionCase>
{
};

const QStringList isolationOff{"99", "34", "19", "50", "1", "1", "0"};
const QStringList noPitch{"99", "0", "50", "0"};
const QStringList noTempo{"120", "99", "0", "0"};

TEST_P(ToolsTabSession, RestoresAndAgrees)
{
    const SessionCase& c = GetParam();
    TabRig r;
    r.tab.setBPM(120.0f);
    r.chords.clear();

    r.tab.setToolsFromSession(c.tempo, c.pitch, c.sourceSep);

    STEP(r, "restored");
    EXPECT_EQ(r.tab.tempoPowerButton()->isOn(), c.tempoOn);
    if (c.tempoOn) {
        EXPECT_FLOAT_EQ(hopfactor.load(), c.hop);
    }
    EXPECT_EQ(r.tab.pitchPowerButton()->isOn(), c.pitchOn);
    EXPECT_NEAR(r.model.interpFactor(), c.ratio, 1e-5);
    EXPECT_EQ(r.model.semitones(), c.modelSemitones);
    EXPECT_NEAR(r.model.fine(), c.modelFine, 1e-5);
    EXPECT_EQ(r.tab.semitoneWidget()->value(), c.semitoneBox);
    EXPECT_EQ(r.tab.fineTuneWidget()->value(), c.fineTuneBox);
    EXPECT_EQ(r.tab.isolationPowerButton()->isOn(), c.isolationOn);
    EXPECT_EQ(r.tab.modeWidget()->value(), float(c.vocoderMode - 1));
    EXPECT_EQ(vocoderModeFlags.load().peakcheck, vocoderModeFlagsFor(c.vocoderMode)->peakcheck);
    EXPECT_EQ(vocoderModeFlags.load().transcheck, vocoderModeFlagsFor(c.vocoderMode)->transcheck);
    EXPECT_EQ(r.chords.back(), "updateChordKeyShift(" + TabRig::n(r.tab.getSemitones()) + ")");
}

INSTANTIATE_TEST_SUITE_P(Table, ToolsTabSession,
                         ::testing::Values(SessionCase{"pitch_three",
                                                       noTempo,
                                                       {"117", "3", "50", "1"},
                                                       isolationOff,
                                                       false,
                                                       1,
                                                       true,
                                                       ratioOf(3),
                                                       3,
                                                       0,
                                                       3,
                                                       50,
                                                       false,
                                                       1},
                                           SessionCase{"pitch_with_fine_tune",
                                                       noTempo,
                                                       {"119", "3.25", "75", "1"},
                                                       isolationOff,
                                                       false,
                                                       1,
                                                       true,
                                                       ratioOf(3.25),
                                                       3,
                                                       0.25f,
                                                       3,
                                                       75,
                                                       false,
                                                       1},
                                           SessionCase{"pitch_twelve_with_kept_fine_tune",
                                                       noTempo,
                                                       {"199", "12.3", "80", "1"},
                                                       isolationOff,
                                                       false,
                                                       1,
                                                       true,
                                                       ratioOf(12.3),
                                                       12,
                                                       0.3f,
                                                       12,
                                                       80,
                                                       false,
                                                       1},
                                           // Saved with the knob away from the centre and the switch off.
                                           SessionCase{"tempo_knob_with_switch_off",
                                                       {"180", "150", "2", "0"},
                                                       noPitch,
                                                       isolationOff,
                                                       false,
                                                       1,
                                                       false,
                                                       1,
                                                       0,
                                                       0,
                                                       0,
                                                       50,
                                                       false,
                                                       3},
                                           SessionCase{"tempo_knob_with_switch_on",
                                                       {"180", "150", "1", "1"},
                                                       noPitch,
                                                       isolationOff,
                                                       true,
                                                       1.5f,
                                                       false,
                                                       1,
                                                       0,
                                                       0,
                                                       0,
                                                       50,
                                                       false,
                                                       2},
                                           SessionCase{"tempo_centred_with_switch_on",
                                                       {"120", "99", "0", "1"},
                                                       noPitch,
                                                       isolationOff,
                                                       true,
                                                       1.0f,
                                                       false,
                                                       1,
                                                       0,
                                                       0,
                                                       0,
                                                       50,
                                                       false,
                                                       1},
                                           SessionCase{"isolation_moved_and_left_on",
                                                       noTempo,
                                                       noPitch,
                                                       {"60", "20", "30", "10", "0", "0", "1"},
                                                       false,
                                                       1,
                                                       false,
                                                       1,
                                                       0,
                                                       0,
                                                       0,
                                                       50,
                                                       true,
                                                       1},
                                           SessionCase{"damaged_values",
                                                       {"x", "150", "7", "1"},
                                                       {"99", "nan", "", "0"},
                                                       {"", "", "", ""},
                                                       true,
                                                       1.5f,
                                                       false,
                                                       1,
                                                       0,
                                                       0,
                                                       0,
                                                       50,
                                                       false,
                                                       1},
                                           SessionCase{"semitones_beyond_storable",
                                                       noTempo,
                                                       {"199", "40", "99", "1"},
                                                       isolationOff,
                                                       false,
                                                       1,
                                                       true,
                                                       ratioOf(12.49),
                                                       12,
                                                       0.49f,
                                                       12,
                                                       99,
                                                       false,
                                                       1}),
                         RowName());

TEST(ToolsTab, TempoSwitchRestoredOffTurnsOnToTheStoredKnob)
{
    TabRig r;
    r.tab.setBPM(120.0f);
    r.tab.setToolsFromSession({"180", "150", "0", "0"}, noPitch, isolationOff);
    STEP(r, "restored off");
    press(r.tab.tempoPowerButton(), QPoint(5, 5), Qt::LeftButton);
    STEP(r, "switched on");
    EXPECT_EQ(hopfactor.load(), 1.5f);
}

TEST(ToolsTab, SessionRestoredBeforeTheTempoIsKnown)
{
    TabRig r;
    r.tab.setToolsFromSession({"180", "150", "0", "1"}, noPitch, isolationOff);
    STEP(r, "restored without a tempo");
    EXPECT_TRUE(r.tab.bpmWidget()->coverShown());
    r.chords.clear();

    r.tab.setBPM(120.0f);
    STEP(r, "tempo arrives");
    EXPECT_EQ(r.tab.bpmWidget()->value(), 180.0f);
    EXPECT_EQ(hopfactor.load(), 1.5f);
    EXPECT_EQ(r.chords, (Strings{"initChordTempo(120,120)", "updateChordTempo(180)"}));
}

// A session's tempo comes back as it was stored and heard: the box's BPM
// exactly, the knob at the nearest position; a knob turn keeps the knob's
// factor (its unrounded tempo is the knob's own; older files, which hold it
// cut to whole BPM only, tell it by the knob); without a usable tempo the
// knob plays, as in sessions that stored none.
struct SessionTempoCase
{
    const char* name;
    float detected;
    QStringList tempo; // bpm, knobValue, mode, state[, exactBpm]
    float box;
    float factor; // kept by the player while the tool is off
    int knob;
    bool on;
};

class ToolsTabSessionTempo : public ::testing::TestWithParam<SessionTempoCase>
{
};

TEST_P(ToolsTabSessionTempo, PlaysTheStoredTempo)
{
    const SessionTempoCase& c = GetParam();
    TabRig r;
    r.tab.setBPM(c.detected);
    r.tab.setToolsFromSession(c.tempo, noPitch, isolationOff);
    STEP(r, "restored");
    EXPECT_FLOAT_EQ(r.tab.bpmWidget()->value(), c.box);
    EXPECT_EQ(r.tab.tempoKnobWidget()->value(), c.knob);
    EXPECT_EQ(r.tab.tempoPowerButton()->isOn(), c.on);
    // The tool's factor, also while it is off: switched on, it plays.
    if (!c.on)
        press(r.tab.tempoPowerButton(), QPoint(5, 5), Qt::LeftButton);
    EXPECT_FLOAT_EQ(hopfactor.load(), c.factor);
    // The chords tab's box was told the same tempo last.
    std::string told;
    for (const std::string& line : r.chords)
        if (line.rfind("updateChordTempo", 0) == 0 || line.rfind("initChordTempo", 0) == 0)
            told = line;
    const std::string box = TabRig::n(c.box);
    EXPECT_TRUE(told == "updateChordTempo(" + box + ")" || told == "initChordTempo(" + box + "," + box + ")")
        << told;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToolsTabSessionTempo,
    ::testing::Values(
        SessionTempoCase{"below_the_original", 120, {"100", "78", "0", "1"}, 100, 100.0f / 120, 78, true},
        SessionTempoCase{"above_the_original", 120, {"133", "111", "0", "1"}, 133, 133.0f / 120, 111, true},
        // Written by the knob's formula of old: 78 came back as 76.72, 77 as 75.88.
        SessionTempoCase{"old_knob_of_78", 112, {"78", "58", "0", "1"}, 78, 78.0f / 112, 60, true},
        SessionTempoCase{"old_knob_of_77", 112, {"77", "57", "0", "1"}, 77, 77.0f / 112, 58, true},
        SessionTempoCase{"the_original", 120, {"120", "99", "0", "0"}, 120, 1, 99, false},
        SessionTempoCase{"switched_off", 120, {"100", "78", "0", "0"}, 100, 100.0f / 120, 78, false},
        // 1.51 × 60 = 90.6 was written 90: the knob, not 90 BPM at 1.5.
        SessionTempoCase{"knob_turn", 60, {"90", "151", "0", "1"}, 90.6f, 1.51f, 151, true},
        SessionTempoCase{"no_tempo_stored", 120, {"0", "150", "0", "1"}, 180, 1.5f, 150, true},
        SessionTempoCase{"beyond_the_range", 120, {"500", "150", "0", "1"}, 180, 1.5f, 150, true},
        SessionTempoCase{"not_a_number", 120, {"fast", "150", "0", "1"}, 180, 1.5f, 150, true},
        // The unrounded tempo: knob 6 at 120 came back as 35, knob 0 at 63
        // as 15 from the whole BPM alone.
        SessionTempoCase{
            "exact_knob_turn", 120, {"35", "6", "0", "1", "35.399994"}, 35.399994f, 0.29499996f, 6, true},
        SessionTempoCase{"exact_knob_at_its_lowest", 63, {"15", "0", "0", "1", "15.75"}, 15.75f, 0.25f, 0, true},
        SessionTempoCase{"exact_box_value", 120, {"100", "78", "0", "1", "100.5"}, 100.5f, 100.5f / 120, 78, true},
        SessionTempoCase{"exact_original", 120, {"120", "99", "0", "0", "120"}, 120, 1, 99, false},
        // 0 (none stored), no number or beyond the range: read as older files.
        SessionTempoCase{
            "exact_none_reads_the_whole_bpm", 120, {"100", "78", "0", "1", "0"}, 100, 100.0f / 120, 78, true},
        SessionTempoCase{
            "exact_no_number_reads_the_whole_bpm", 60, {"90", "151", "0", "1", "x"}, 90.6f, 1.51f, 151, true},
        SessionTempoCase{"exact_beyond_the_range", 120, {"0", "150", "0", "1", "500"}, 180, 1.5f, 150, true}),
    RowName());

TEST(ToolsTab, SessionTempoWaitsForTheRecordingsTempo)
{
    TabRig r;
    r.tab.setToolsFromSession({"100", "78", "0", "1"}, noPitch, isolationOff);
    EXPECT_TRUE(r.tab.bpmWidget()->coverShown());
    r.chords.clear();

    r.tab.setBPM(120.0f);
    STEP(r, "tempo arrives");
    EXPECT_EQ(r.tab.bpmWidget()->value(), 100.0f);
    EXPECT_FLOAT_EQ(hopfactor.load(), 100.0f / 120.0f);
    EXPECT_EQ(r.chords.back(), "updateChordTempo(100)");
}

TEST(ToolsTab, AKnobTurnBeforeTheTempoIsKnownGivesUpTheSessionsTempo)
{
    TabRig r;
    r.tab.setToolsFromSession({"100", "78", "0", "1"}, noPitch, isolationOff);
    r.tab.tempoKnobWidget()->setValue(150);
    r.tab.setBPM(120.0f);
    STEP(r, "tempo arrives");
    EXPECT_EQ(r.tab.bpmWidget()->value(), 180.0f);
    EXPECT_FLOAT_EQ(hopfactor.load(), 1.5f);
}

// The chord filter's "find" analyses the recording again, and its tempo
// arrives once more: the tempo set meanwhile must not become the original,
// or the next step would jump (from 100 at 120 to 101 / 100).
TEST(ToolsTab, TheSameRecordingsTempoAgainKeepsTheReference)
{
    TabRig r;
    r.tab.setBPM(120.0f);
    for (int i = 0; i < 20; ++i)
        r.minus(r.tab.bpmWidget());
    ASSERT_EQ(r.tab.bpmWidget()->value(), 100.0f);
    r.chords.clear();

    r.tab.setBPM(120.0f);
    EXPECT_TRUE(r.chords.empty());
    EXPECT_EQ(r.tab.bpmWidget()->originalBPM(), 120);
    r.plus(r.tab.bpmWidget());
    STEP(r, "101");
    EXPECT_FLOAT_EQ(hopfactor.load(), 101.0f / 120.0f);
}

// ---- Tempo labels ------------------------------------------------------------------------------

int labelAlpha(const RealTimeToolsTab& tab, int i)
{
    return tab.tempoLabel(i)->palette().color(QPalette::WindowText).alpha();
}

// What the 10 ms timer does, while it runs.
int tick(RealTimeToolsTab& tab, int times)
{
    int ticked = 0;
    for (; ticked < times && tab.fadeRunning(); ++ticked)
        tab.fadeTempoWidgets();
    return ticked;
}

TEST(ToolsTabLabels, HalfASecondOverTheKnobThenAwayTurnsRoundAtOnce)
{
    RealTimeToolsTab tab(nullptr);
    tab.fadeInTempoLabel();
    EXPECT_EQ(tick(tab, 50), 50);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(labelAlpha(tab, i), 75);

    tab.fadeOutTempoLabel();
    tick(tab, 1);
    EXPECT_EQ(labelAlpha(tab, 0), 73);
    EXPECT_EQ(tick(tab, 1000), 49);
    EXPECT_FALSE(tab.fadeRunning());
    EXPECT_EQ(labelAlpha(tab, 0), 0);
    EXPECT_EQ(tab.fadeLevel(), 0.0f);
}

TEST(ToolsTabLabels, ASecondInThenASecondHeldThenASecondOut)
{
    RealTimeToolsTab tab(nullptr);
    tab.fadeInTempoLabel();
    EXPECT_EQ(tick(tab, 1000), 100);
    EXPECT_EQ(labelAlpha(tab, 1), 150);

    tab.fadeOutTempoLabel();
    EXPECT_EQ(tick(tab, 99), 99);
    EXPECT_EQ(labelAlpha(tab, 1), 150) << "held";
    EXPECT_EQ(tick(tab, 1000), 101);
    EXPECT_EQ(labelAlpha(tab, 1), 0);
}

TEST(ToolsTabLabels, BackOverTheKnobWhileHeldKeepsThemShown)
{
    RealTimeToolsTab tab(nullptr);
    tab.fadeInTempoLabel();
    tick(tab, 1000);
    tab.fadeOutTempoLabel();
    tick(tab, 40);
    tab.fadeInTempoLabel();
    tick(tab, 1000);
    EXPECT_FALSE(tab.fadeRunning());
    EXPECT_GE(labelAlpha(tab, 2), 150);
}

TEST(ToolsTabLabels, TheKnobsPointerReachesTheFade)
{
    RealTimeToolsTab tab(nullptr);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(tab.tempoKnobWidget(), &enter);
    EXPECT_TRUE(tab.fadeRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!tab.fadeRunning(), 20000);
    EXPECT_EQ(labelAlpha(tab, 0), 150);
}

} // namespace
