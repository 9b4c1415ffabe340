// The chain against the plain reference step (ReferenceChain): ten seconds
// of a synthesised stereo mix through each tool mode. The chain computes
// faster than the reference and may round differently, but its output must
// stay within 1e-4 of full scale of the reference's at every frame.
#include "ChainTestSupport.h"
#include "ReferenceChain.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <vector>

using namespace chain_test;

namespace {

constexpr double peakBound = 1e-4;
constexpr int renderedSeconds = 10;

struct ModeCase
{
    const char* name;
    ReferenceSettings settings;
};

void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << c.name;
}

ReferenceSettings tools(bool tempoOn, float tempo, bool pitchOn, float pitch, int mode)
{
    ReferenceSettings s;
    s.vocoder = tempoOn || pitchOn;
    s.hopfactor = tempoOn ? tempo : 1.0f;
    s.interpfactor = pitchOn ? pitch : 1.0f;
    s.vocoderMode = mode;
    return s;
}

ReferenceSettings withIsolation(ReferenceSettings s, bool solo, float azimuth, float range, float cut, float bleed,
                                bool hipass)
{
    s.isolation = true;
    s.invert = solo;
    s.azimuth = azimuth;
    s.range = range;
    s.cut = cut;
    s.bleed = bleed;
    s.hipass = hipass;
    return s;
}

// The controls as the GUI sets them for the case.
void applyToChain(const ReferenceSettings& s)
{
    setTools(s.vocoder && s.hopfactor != 1.0f, s.hopfactor, s.vocoder && s.interpfactor != 1.0f, s.interpfactor);
    if (s.vocoder) {
        // A tool at factor 1.0 still runs the vocoder.
        chain::VocoderSwitches switches = chain::vocoderSwitches.load();
        switches.TSMPSMEnabled = true;
        chain::vocoderSwitches.store(switches);
    }
    chain::vocoderModeFlags.store(*chain::vocoderModeFlagsFor(s.vocoderMode));
    chain::ADRessEnabled.store(s.isolation);
    chain::invert.store(s.invert);
    chain::azimuthValue.store(s.azimuth);
    chain::rangeValue.store(s.range);
    chain::cutFrequencyValue.store(s.cut);
    chain::bleedThresholdValue.store(s.bleed);
    chain::hipass.store(s.hipass);
}

class ChainDifference : public ::testing::TestWithParam<ModeCase>
{
protected:
    void TearDown() override { resetChain(nullptr); }
};

TEST_P(ChainDifference, StaysWithinRoundingOfTheReference)
{
    const ReferenceSettings& s = GetParam().settings;
    // Longer than the output: a fast tempo reads ahead of it.
    static const StereoSignal mix = synth::drumsAndChords(44100, 2 * renderedSeconds, 118.0);
    resetChain(&mix);
    applyToChain(s);
    ReferenceChain reference(mix.left.data(), mix.right.data(), mix.frames(), chain::currentposition.load());

    const int steps = renderedSeconds * 44100 / chain::hop;
    std::vector<float> left(chain::hop), right(chain::hop), refLeft(chain::hop), refRight(chain::hop);
    double peak = 0.0;
    int peakStep = 0;
    double signalPeak = 0.0;
    for (int step = 0; step < steps; ++step) {
        ASSERT_TRUE(processaudio(left.data(), right.data(), nullptr));
        reference.step(s, refLeft.data(), refRight.data());
        ASSERT_EQ(chain::currentposition.load(), reference.position()) << "step " << step;
        for (int i = 0; i < chain::hop; ++i) {
            const double d = std::max(std::fabs(double(left[size_t(i)]) - refLeft[size_t(i)]),
                                      std::fabs(double(right[size_t(i)]) - refRight[size_t(i)]));
            if (d > peak) {
                peak = d;
                peakStep = step;
            }
            signalPeak = std::max(
                {signalPeak, double(std::fabs(refLeft[size_t(i)])), double(std::fabs(refRight[size_t(i)]))});
        }
    }
    // A silent render would compare nothing.
    EXPECT_GT(signalPeak, 0.05);
    EXPECT_LT(peak, peakBound) << "at step " << peakStep;
    char peakText[32];
    std::snprintf(peakText, sizeof peakText, "%.3g", peak);
    RecordProperty("peak_difference", peakText);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ChainDifference,
    ::testing::Values(
        ModeCase{"AllToolsOff", tools(false, 1.0f, false, 1.0f, 1)},
        ModeCase{"IsolationSoloAboveTheEdge",
                 withIsolation(tools(false, 1.0f, false, 1.0f, 1), true, 1.0f, 0.34f, 19.0f, 1.0f, true)},
        ModeCase{"IsolationMuteLeftBelowTheEdge",
                 withIsolation(tools(false, 1.0f, false, 1.0f, 1), false, -0.6f, 0.2f, 60.0f, 30.0f, false)},
        ModeCase{"TempoSlower", tools(true, 0.75f, false, 1.0f, 1)},
        ModeCase{"TempoFasterPeaksOnly", tools(true, 1.5f, false, 1.0f, 2)},
        ModeCase{"PitchUp", tools(false, 1.0f, true, 1.3348399f, 1)},
        ModeCase{"PitchDownTransientsOnly", tools(false, 1.0f, true, 0.7f, 3)},
        ModeCase{"TempoAndPitch", tools(true, 1.25f, true, 0.8908987f, 1)},
        ModeCase{"TransientsIsolationPitchTwo",
                 withIsolation(tools(false, 1.0f, true, 2.0f, 3), true, 1.0f, 0.34f, 19.0f, 1.0f, true)}),
    RowName());

} // namespace
