// The tool slots: the tempo and pitch switches (one implementation for
// both tools, tested without a player), and the isolation slots' mappings.
#include "PlayerTestSupport.h"
#include "RowName.h"
#include "ToolSwitches.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>

using namespace player_test;

namespace {

// ---------------------------------------------------------------------------
// The tool switches, without a player: every sequence runs for each tool,
// with the other tool as its partner.

using Tool = ToolSwitches::Tool;

struct SwitchCase
{
    std::string name;
    Tool tool;
    // The steps, on the tool under test (this) and on the other one.
    void (*act)(ToolSwitches&, Tool self, Tool other);
    float factor;      // the tool's factor in the chain afterwards
    float otherFactor; // the other tool's
    bool vocoder;
    float kept; // the factor kept while bypassed
};

std::ostream& operator<<(std::ostream& os, const SwitchCase& c)
{
    return os << c.name;
}

class Switches : public ::testing::TestWithParam<SwitchCase>
{
protected:
    void SetUp() override { chain::resetToProgramStart(); }
    void TearDown() override { chain::resetToProgramStart(); }
};

std::atomic<float>& factorOf(Tool tool)
{
    return tool == Tool::Tempo ? chain::hopfactor : chain::interpfactor;
}

TEST_P(Switches, SetTheChainFactorsAndKeepTheBypassedOne)
{
    const SwitchCase& c = GetParam();
    const Tool other = c.tool == Tool::Tempo ? Tool::Pitch : Tool::Tempo;
    ToolSwitches switches;
    c.act(switches, c.tool, other);
    EXPECT_EQ(factorOf(c.tool).load(), c.factor);
    EXPECT_EQ(factorOf(other).load(), c.otherFactor);
    EXPECT_EQ(chain::vocoderSwitches.load().TSMPSMEnabled, c.vocoder);
    EXPECT_EQ(switches.keptFactor(c.tool), c.kept);
}

struct Sequence
{
    const char* name;
    void (*act)(ToolSwitches&, Tool self, Tool other);
    float factor;
    float otherFactor;
    bool vocoder;
    float kept;
};

const Sequence sequences[] = {
    {"set_while_bypassed_waits", [](ToolSwitches& s, Tool t, Tool) { s.setFactor(t, 0.8f); }, 1.0f, 1.0f, false,
     0.8f},
    {"set_while_bypassed_applies_when_on",
     [](ToolSwitches& s, Tool t, Tool) {
         s.setFactor(t, 0.8f);
         s.bypass(t, false);
     },
     0.8f, 1.0f, true, 0.8f},
    {"set_while_on_goes_to_the_chain",
     [](ToolSwitches& s, Tool t, Tool) {
         s.bypass(t, false);
         s.setFactor(t, 1.25f);
     },
     1.25f, 1.0f, true, 1.0f},
    {"bypass_keeps_the_vocoder_for_the_other_tool",
     [](ToolSwitches& s, Tool t, Tool o) {
         s.setFactor(o, 1.5f);
         s.bypass(o, false);
         s.setFactor(t, 0.8f);
         s.bypass(t, false);
         s.bypass(t, true);
     },
     1.0f, 1.5f, true, 0.8f},
    {"bypass_of_both_stops_the_vocoder",
     [](ToolSwitches& s, Tool t, Tool o) {
         s.bypass(o, false);
         s.bypass(t, false);
         s.bypass(o, true);
         s.bypass(t, true);
     },
     1.0f, 1.0f, false, 1.0f},
    {"repeated_bypass_keeps_the_factor",
     [](ToolSwitches& s, Tool t, Tool) {
         s.setFactor(t, 0.8f);
         s.bypass(t, false);
         s.bypass(t, true);
         s.bypass(t, true);
         s.bypass(t, false);
     },
     0.8f, 1.0f, true, 0.8f},
    {"repeated_switch_on_keeps_the_factor",
     [](ToolSwitches& s, Tool t, Tool) {
         s.bypass(t, false);
         s.setFactor(t, 0.8f);
         s.bypass(t, false);
     },
     0.8f, 1.0f, true, 1.0f},
    {"reset_bypasses_at_one",
     [](ToolSwitches& s, Tool t, Tool) {
         s.setFactor(t, 0.8f);
         s.bypass(t, false);
         s.reset(t);
     },
     1.0f, 1.0f, false, 1.0f},
    {"restore_goes_to_the_chain_while_on",
     [](ToolSwitches& s, Tool t, Tool) {
         s.setFactor(t, 1.5f);
         s.bypass(t, false);
         factorOf(t).store(2.0f); // as a riff step does
         s.restore(t, 1.5f);
     },
     1.5f, 1.0f, true, 1.5f},
    {"restore_is_kept_while_bypassed",
     [](ToolSwitches& s, Tool t, Tool) {
         s.setFactor(t, 1.5f);
         s.restore(t, 0.75f);
     },
     1.0f, 1.0f, false, 0.75f},
};

std::vector<SwitchCase> bothTools()
{
    std::vector<SwitchCase> cases;
    for (const Tool tool : {Tool::Tempo, Tool::Pitch}) {
        for (const Sequence& q : sequences) {
            cases.push_back({std::string(tool == Tool::Tempo ? "tempo_" : "pitch_") + q.name, tool, q.act,
                             q.factor, q.otherFactor, q.vocoder, q.kept});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Sequences, Switches, ::testing::ValuesIn(bothTools()), RowName());

// Through the player: the pitch controls' factor comes back at stop after
// a step changed the chain's.
TEST(ToolSlots, StopRestoresThePitchAfterAStepChangedIt)
{
    Rig rig;
    rig.player->setInterp(1.5f);
    rig.player->activatePitch(false);
    rig.player->play();
    chain::interpfactor.store(2.0f); // as a riff step does
    rig.player->stop();
    EXPECT_EQ(chain::interpfactor.load(), 1.5f);
    EXPECT_EQ(chain::hopfactor.load(), 1.0f);
    EXPECT_TRUE(chain::vocoderSwitches.load().TSMPSMEnabled);
}

// ---------------------------------------------------------------------------
// Isolation slots.

struct MappingCase
{
    int input;
    float expected;
};

class AzimuthMapping : public ::testing::TestWithParam<MappingCase>
{
};

TEST_P(AzimuthMapping, MapsTheSliderToTheSideGain)
{
    Rig rig;
    rig.player->setAzimuth(GetParam().input);
    // The mapping is computed in double and stored as float.
    EXPECT_NEAR(chain::azimuthValue.load(), GetParam().expected, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Slider, AzimuthMapping,
                         ::testing::Values(MappingCase{0, -0.0002f}, MappingCase{25, -0.5002f},
                                           MappingCase{49, -0.9802f}, MappingCase{50, 1.0f},
                                           MappingCase{51, 0.9802f}, MappingCase{99, 0.0202f},
                                           MappingCase{130, 0.0202f}, MappingCase{-20, -0.0002f}));

class WidthMapping : public ::testing::TestWithParam<MappingCase>
{
};

TEST_P(WidthMapping, MapsTheKnobToTheWidth)
{
    Rig rig;
    rig.player->setWidth(GetParam().input);
    // Computed in double, stored as float.
    EXPECT_NEAR(chain::rangeValue.load(), GetParam().expected, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Knob, WidthMapping,
                         ::testing::Values(MappingCase{0, 0.00001f}, MappingCase{1, 0.01001f},
                                           MappingCase{34, 0.34001f}, MappingCase{99, 0.99001f}));

struct ScaleCase
{
    const char* name;
    std::vector<int> steps;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const ScaleCase& c)
{
    return os << c.name;
}

class PlotScale : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(PlotScale, StepsAndStaysWithinItsBounds)
{
    Rig rig;
    for (int step : GetParam().steps)
        rig.player->setPScale(step);
    EXPECT_EQ(chain::plotscale.load(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Wheel, PlotScale,
    ::testing::Values(ScaleCase{"positive_step", {1}, 45000000}, ScaleCase{"negative_step", {-1}, 55000000},
                      ScaleCase{"any_positive_value_is_one_step", {120}, 45000000},
                      ScaleCase{"two_positive_steps", {1, 1}, 40500000},
                      ScaleCase{"reset", {1, 1, -1, 0}, 50000000},
                      ScaleCase{"many_positive_steps_stop_at_1000", std::vector<int>(300, 1), 1000},
                      ScaleCase{"many_negative_steps_stop_at_two_billion", std::vector<int>(300, -1), 2000000000},
                      ScaleCase{"back_down_from_the_top",
                                [] {
                                    std::vector<int> s(300, -1);
                                    s.push_back(1);
                                    return s;
                                }(),
                                1800000000}),
    RowName());

TEST(IsolationCurve, EmptyWhileOffAndFourHundredPointsWhileOn)
{
    Rig rig;
    EXPECT_TRUE(rig.player->getSSSCurve().isEmpty());
    rig.player->activateSSS(false); // the power button leaves "off"
    rig.player->setSeparation(99);
    rig.player->play();
    for (int i = 0; i < 5; ++i)
        rig.turn(10.0);
    const QVector<QPointF> curve = rig.player->getSSSCurve();
    ASSERT_EQ(curve.size(), chain::isolationCurveLength);
    EXPECT_EQ(curve.back().x(), 399.0);
    EXPECT_TRUE(std::any_of(curve.begin(), curve.end(), [](const QPointF& p) { return p.y() > 0.0; }));
}

} // namespace
