#include "ChainState.h"
#include "ChainTestSupport.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

using namespace chain_test;

namespace {

class ChainTest : public ::testing::Test
{
protected:
    void TearDown() override { resetChain(nullptr); }
};

// --- Identity: the chain with nothing to do -----------------------------------

struct IdentityCase
{
    const char* name;
    bool vocoder;    // tempo tool on at factor 1.0
    int frameOffset; // where a frame starts relative to the position
    double tolerance;
    const char* reason;
};

void PrintTo(const IdentityCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChainIdentity : public ChainTest, public ::testing::WithParamInterface<IdentityCase>
{
};

// Block t after a flush is half the sum of the last min(t, 3) + 1 frames, each
// windowed twice: x[p + offset + i] · 0.5 · Σ w[mQ + i]² · 32767/32768.
TEST_P(ChainIdentity, BlocksAreTheOverlapAddedInputAfterEachFlush)
{
    const IdentityCase c = GetParam();
    const StereoSignal in = tones({{441.0, 0.5f, 1.0f, 1.0f}, {2000.0, 0.2f, 0.3f, 1.0f}}, 30000);
    resetChain(&in);
    setTools(c.vocoder, 1.0f, false, 1.0f);
    std::vector<float> w(chain::framesize);
    hanning(w.data(), chain::framesize);

    const int steps = 6;
    // Both starts lie below N/2, where the vocoder takes the analysis phases.
    for (const int start : {chain::hop, chain::hop + 500}) {
        flushBuffers();
        chain::currentposition.store(start);
        const Rendered out = render(steps);
        for (int t = 0; t < steps; ++t) {
            const int p = start + t * chain::hop;
            for (int i = 0; i < chain::hop; ++i) {
                double windowSum = 0.0;
                for (int m = 0; m <= std::min(t, 3); ++m)
                    windowSum += double(w[size_t(m * chain::hop + i)]) * w[size_t(m * chain::hop + i)];
                const double gain = 0.5 * windowSum * 32767.0 / 32768.0;
                const size_t at = size_t(t * chain::hop + i);
                const size_t source = size_t(p + c.frameOffset + i);
                ASSERT_NEAR(out.left[at], in.left[source] * gain, c.tolerance)
                    << "start " << start << " block " << t << " frame " << i << ": " << c.reason;
                ASSERT_NEAR(out.right[at], in.right[source] * gain, c.tolerance)
                    << "start " << start << " block " << t << " frame " << i << ": " << c.reason;
            }
        }
        EXPECT_EQ(chain::currentposition.load(), start + steps * chain::hop);
        if (!c.vocoder) {
            // The documented level of the whole chain once the overlap is full.
            const double level = rms(out.left, 3 * chain::hop, steps * chain::hop)
                / rms(in.left, size_t(start + 3 * chain::hop + 1), size_t(start + steps * chain::hop + 1));
            EXPECT_NEAR(level, 0.75, 0.01) << "Σ w² over four quarters is about 1.5, halved";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ChainIdentity,
    ::testing::Values(IdentityCase{"AllToolsOff", false, 1, 2e-6,
                                   "float transforms of 4096 points at 16-bit scale"},
                      IdentityCase{"VocoderAtUnity", true, 0, 4e-5,
                                   "the synthesis phases equal the analysis phases only within float rounding"}),
    RowName());

// --- Tempo and pitch --------------------------------------------------------

struct StretchCase
{
    const char* name;
    bool tempoOn;
    float tempo;
    bool pitchOn;
    float pitch;
    double frequencyRatio; // output / input
    int advance;           // frames per step
};

void PrintTo(const StretchCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChainStretch : public ChainTest, public ::testing::WithParamInterface<StretchCase>
{
};

TEST_P(ChainStretch, SineKeepsOrShiftsItsFrequencyAndThePositionMovesByTheTempo)
{
    const StretchCase c = GetParam();
    const double inputHz = 440.0;
    const StereoSignal in = tones({{inputHz, 0.5f, 1.0f, 1.0f}}, 60000);
    resetChain(&in);
    setTools(c.tempoOn, c.tempo, c.pitchOn, c.pitch);

    const int steps = 16;
    const Rendered out = render(steps);

    EXPECT_EQ(chain::currentposition.load(), chain::hop + steps * c.advance);
    // Skip the fade-in and the phase settling of the first blocks.
    const size_t from = 4 * chain::hop;
    const size_t to = size_t(steps) * chain::hop;
    for (const auto* channel : {&out.left, &out.right}) {
        const double hz = crossingFrequencyHz(*channel, from, to);
        // The mean over about a hundred periods; phase jitter between
        // frames moves single crossings, not the mean.
        EXPECT_NEAR(hz / inputHz, c.frequencyRatio, 0.005 * c.frequencyRatio);
        // All tools off gives 0.5 · 0.75 / √2; phase locking may move the
        // level a little, broken phases cancel the overlapping frames.
        EXPECT_NEAR(rms(*channel, from, to), 0.265, 0.265 * 0.05);
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, ChainStretch,
                         ::testing::Values(StretchCase{"TempoSlower", true, 0.75f, false, 1.0f, 1.0, 768},
                                           StretchCase{"TempoFaster", true, 1.5f, false, 1.0f, 1.0, 1536},
                                           StretchCase{"PitchUpOctave", false, 1.0f, true, 2.0f, 2.0, 1024},
                                           StretchCase{"PitchDownOctave", false, 1.0f, true, 0.5f, 0.5, 1024},
                                           StretchCase{"TempoAndPitch", true, 1.25f, true, 1.4983071f, 1.4983071,
                                                       1280},
                                           // Bypassed tools keep their factor out of the chain.
                                           StretchCase{"BothBypassed", false, 0.5f, false, 2.0f, 1.0, 1024}),
                         RowName());

// --- The four modes on a transient-rich signal ------------------------------

class ChainModes : public ChainTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(ChainModes, OutputIsFiniteBoundedAndAudible)
{
    const StereoSignal in = transientRich(120000, 5);
    resetChain(&in);
    chain::vocoderModeFlags.store(*chain::vocoderModeFlagsFor(GetParam()));
    setTools(true, 1.25f, true, 1.5f);

    const int steps = 40;
    const Rendered out = render(steps);
    float peak = 0.0f;
    for (const auto* channel : {&out.left, &out.right}) {
        for (const float v : *channel) {
            ASSERT_TRUE(std::isfinite(v));
            peak = std::max(peak, std::fabs(v));
        }
        EXPECT_GT(rms(*channel, 4 * chain::hop, size_t(steps) * chain::hop), 0.02) << "mode " << GetParam();
    }
    // The input peaks below 1; moved phases can line partials up, but not
    // by more than the few overlapping frames allow.
    EXPECT_LT(peak, 3.0f);
    EXPECT_EQ(chain::tsm_mode.load(), GetParam() == 4 ? 3 : GetParam());
}

INSTANTIATE_TEST_SUITE_P(Modes, ChainModes, ::testing::Values(1, 2, 3, 4));

// --- Isolation through the chain --------------------------------------------

struct IsolationCase
{
    const char* name;
    Tone target; // at the chosen position (or the band to keep)
    Tone other;
    float azimuth;
    bool solo;
    float cut;
    bool above;
    bool keepsTarget;
};

void PrintTo(const IsolationCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChainIsolation : public ChainTest, public ::testing::WithParamInterface<IsolationCase>
{
};

TEST_P(ChainIsolation, KeepsOrRemovesTheSourceAtItsPosition)
{
    const IsolationCase c = GetParam();
    const StereoSignal in = tones({c.target, c.other}, 40000);
    const int steps = 24;
    const size_t from = 4 * chain::hop;
    const size_t to = size_t(steps) * chain::hop;

    resetChain(&in);
    const Rendered reference = render(steps);

    resetChain(&in);
    chain::ADRessEnabled.store(true);
    chain::invert.store(c.solo);
    chain::azimuthValue.store(c.azimuth);
    chain::rangeValue.store(0.34f);
    chain::cutFrequencyValue.store(c.cut);
    chain::hipass.store(c.above);
    chain::bleedThresholdValue.store(1.0f); // separation 99: rejected bins × 1e-4
    const Rendered isolated = render(steps);

    auto level = [&](const Rendered& r, double hz) {
        return std::hypot(toneAmplitude(r.left, from, to, hz), toneAmplitude(r.right, from, to, hz));
    };
    const double targetDb =
        decibels(level(isolated, c.target.frequencyHz) / level(reference, c.target.frequencyHz));
    const double otherDb = decibels(level(isolated, c.other.frequencyHz) / level(reference, c.other.frequencyHz));
    // Kept: bins of a steady tone all sit at its position, so it passes
    // whole; removed: −80 dB per bin, leakage from the other tone leaves
    // far less than −40 dB.
    const double keptDb = c.keepsTarget ? targetDb : otherDb;
    const double removedDb = c.keepsTarget ? otherDb : targetDb;
    EXPECT_NEAR(keptDb, 0.0, 0.5);
    EXPECT_LT(removedDb, -40.0);
}

constexpr Tone centre440{440.0, 0.4f, 1.0f, 1.0f};
constexpr Tone left1500{1500.0, 0.4f, 1.0f, 0.0f};
constexpr Tone right700{700.0, 0.4f, 0.4f, 1.0f}; // right of centre: L/R = 0.4
constexpr Tone centre1000{1000.0, 0.3f, 1.0f, 1.0f};
constexpr Tone left600{600.0, 0.4f, 1.0f, 0.3f}; // left of centre: R/L = 0.3
constexpr Tone right1800{1800.0, 0.4f, 0.0f, 1.0f};
constexpr Tone centre2500{2500.0, 0.3f, 1.0f, 1.0f}; // bin 232

INSTANTIATE_TEST_SUITE_P(
    Positions, ChainIsolation,
    ::testing::Values(IsolationCase{"CentreSolo", centre440, left1500, 1.0f, true, 0.0f, true, true},
                      IsolationCase{"CentreMute", centre440, left1500, 1.0f, false, 0.0f, true, false},
                      IsolationCase{"RightSolo", right700, centre1000, 0.4f, true, 0.0f, true, true},
                      IsolationCase{"RightMute", right700, centre1000, 0.4f, false, 0.0f, true, false},
                      IsolationCase{"LeftSolo", left600, right1800, -0.3f, true, 0.0f, true, true},
                      IsolationCase{"LeftMute", left600, right1800, -0.3f, false, 0.0f, true, false},
                      // Band edge at bin 100 (1077 Hz): both tones centred, only one band kept.
                      IsolationCase{"BandBelowKeepsLow", centre440, centre2500, 1.0f, true, 100.0f, false, true},
                      IsolationCase{"BandAboveKeepsHigh", centre2500, centre440, 1.0f, true, 100.0f, true, true}),
    RowName());

struct CurveCase
{
    const char* name;
    float leftGain;
    float rightGain;
    int plotScale;
    int peakIndex; // 2 × histogram position: 0 left, 200 centre
};

void PrintTo(const CurveCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChainCurve : public ChainTest, public ::testing::WithParamInterface<CurveCase>
{
};

TEST_P(ChainCurve, PeaksAtTheSourcePositionAndStaysFiniteForAnyScale)
{
    const CurveCase c = GetParam();
    const StereoSignal in = tones({{523.0, 0.5f, c.leftGain, c.rightGain}}, 30000);
    resetChain(&in);
    chain::ADRessEnabled.store(true);
    chain::plotscale.store(c.plotScale);
    std::array<std::atomic<float>, chain::isolationCurveLength> graph{};
    render(8, graph.data());

    int peak = 0;
    for (int i = 0; i < chain::isolationCurveLength; ++i) {
        const float v = graph[size_t(i)].load();
        ASSERT_TRUE(std::isfinite(v)) << "point " << i;
        ASSERT_GE(v, 0.0f);
        if (v > graph[size_t(peak)].load())
            peak = i;
    }
    // Ratios like 0.4 land a rounding either side of a histogram step.
    EXPECT_NEAR(peak, c.peakIndex, 2);
    EXPECT_GT(graph[size_t(peak)].load(), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Sources, ChainCurve,
                         ::testing::Values(CurveCase{"Centre", 1.0f, 1.0f, 50000000, 200},
                                           CurveCase{"RightSideScaleZero", 0.4f, 1.0f, 0, 320},
                                           CurveCase{"LeftSideScaleNegative", 1.0f, 0.3f, -7, 60},
                                           CurveCase{"CentreScaleMinimum", 1.0f, 1.0f, INT_MIN, 200}),
                         RowName());

// --- Reads stay inside the recording ----------------------------------------

struct SpanCase
{
    const char* name;
    int position;
    bool farAway; // no frame of the recording in reach: expect silence
    bool vocoder;
    float tempo;
    float pitch;
};

void PrintTo(const SpanCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChainReadSpan : public ChainTest, public ::testing::WithParamInterface<SpanCase>
{
};

constexpr int spanFrames = 20000;
constexpr int padding = 40000; // more than 8 · 4096 + hop, the widest read
constexpr float garbage = 1000.0f;

// The same steps over three copies of one recording: sized exactly (so
// AddressSanitizer sees a read past either end), inside a buffer whose
// frames before and after the recording hold garbage (so any read outside
// shows in the blocks), and followed by zeros (so a read past the end is
// inside, and reads silence). All three must give the same blocks.
TEST_P(ChainReadSpan, FramesOutsideTheRecordingReadAsSilence)
{
    const SpanCase c = GetParam();
    const StereoSignal exact = transientRich(spanFrames, 9);
    auto embedded = [&](float before, float after) {
        const size_t total = size_t(spanFrames + 2 * padding);
        StereoSignal s{std::vector<float>(total, after), std::vector<float>(total, after)};
        std::fill(s.left.begin(), s.left.begin() + padding, before);
        std::fill(s.right.begin(), s.right.begin() + padding, before);
        std::copy(exact.left.begin(), exact.left.end(), s.left.begin() + padding);
        std::copy(exact.right.begin(), exact.right.end(), s.right.begin() + padding);
        return s;
    };
    const StereoSignal guarded = embedded(garbage, garbage);
    const StereoSignal zeroTail = embedded(garbage, 0.0f);
    const int steps = 6;

    auto run = [&](const StereoSignal& signal, int frames) {
        resetChain(nullptr);
        chain::setRecording(signal.left.data() + (&signal == &exact ? 0 : padding),
                            signal.right.data() + (&signal == &exact ? 0 : padding), frames);
        chain::vocoderModeFlags.store(*chain::vocoderModeFlagsFor(3));
        setTools(c.vocoder, c.tempo, c.vocoder, c.pitch);
        chain::currentposition.store(c.position);
        Rendered out = render(steps);
        for (const float v : out.left)
            EXPECT_TRUE(std::isfinite(v));
        return out;
    };

    const Rendered fromExact = run(exact, spanFrames);
    const Rendered fromGuarded = run(guarded, spanFrames);
    if (c.farAway) {
        for (const Rendered* r : {&fromExact, &fromGuarded}) {
            for (size_t i = 0; i < r->left.size(); ++i) {
                ASSERT_EQ(r->left[i], 0.0f) << i;
                ASSERT_EQ(r->right[i], 0.0f) << i;
            }
        }
        return;
    }
    const Rendered fromZeroTail = run(zeroTail, spanFrames + padding);
    ASSERT_EQ(fromExact.left, fromZeroTail.left);
    ASSERT_EQ(fromExact.right, fromZeroTail.right);
    ASSERT_EQ(fromGuarded.left, fromZeroTail.left);
    ASSERT_EQ(fromGuarded.right, fromZeroTail.right);
}

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float inf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Extremes, ChainReadSpan,
    ::testing::Values(SpanCase{"PlainAtZero", 0, false, false, 1.0f, 1.0f},
                      SpanCase{"PlainAtLastFrame", spanFrames - 1, false, false, 1.0f, 1.0f},
                      SpanCase{"PlainBeforeStart", -3000, false, false, 1.0f, 1.0f},
                      SpanCase{"PitchUpAtZero", 0, false, true, 1.0f, 2.0f},
                      SpanCase{"PitchDownBeforeStart", -500, false, true, 0.75f, 0.5f},
                      SpanCase{"PitchSlightlyAboveTwoNearEnd", spanFrames - 8300, false, true, 1.99f, 2.1f},
                      SpanCase{"RiffPitchFourNearEnd", spanFrames - 5000, false, true, 1.0f, 4.0f},
                      SpanCase{"PitchBeyondRangeClamped", spanFrames - 9000, false, true, 1.0f, 1000.0f},
                      SpanCase{"PitchDownNearEnd", spanFrames - 1500, false, true, 0.25f, 0.25f},
                      SpanCase{"NotANumberFactors", 4000, false, true, nan, nan},
                      SpanCase{"InfiniteFactors", 4000, false, true, inf, -inf},
                      SpanCase{"PastTheEnd", spanFrames + 100000, true, true, 1.99f, 2.0f},
                      SpanCase{"NearIntMax", INT_MAX - 100, true, true, 1.99f, 2.0f},
                      SpanCase{"NearIntMin", INT_MIN + 5, true, true, 1.0f, 2.0f},
                      SpanCase{"PlainNearIntMax", INT_MAX - 10, true, false, 1.0f, 1.0f}),
    RowName());

TEST_F(ChainTest, NothingLoadedGivesSilence)
{
    resetChain(nullptr);
    setTools(true, 1.5f, true, 2.0f);
    const Rendered out = render(3);
    EXPECT_TRUE(std::all_of(out.left.begin(), out.left.end(), [](float v) { return v == 0.0f; }));
}

// --- The position advance ---------------------------------------------------

struct AdvanceCase
{
    const char* name;
    bool vocoder;
    float tempo;
    int start;
    bool storeDuringStep;
    int stored;
    int expected;
};

void PrintTo(const AdvanceCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChainAdvance : public ChainTest, public ::testing::WithParamInterface<AdvanceCase>
{
};

// A step reads the position at its start and advances it at its end; a
// position stored in between (a seek, a stop, an export start) must win.
TEST_P(ChainAdvance, MovesOnUnlessThePositionWasStoredDuringTheStep)
{
    const AdvanceCase c = GetParam();
    resetChain(nullptr);
    setTools(c.vocoder, c.tempo, false, 1.0f);
    chain::currentposition.store(c.start);

    const chain::detail::ChainSnapshot snapshot = chain::detail::takeSnapshot();
    if (c.storeDuringStep)
        chain::currentposition.store(c.stored);
    const bool advanced = chain::detail::advancePosition(snapshot);

    EXPECT_EQ(advanced, !c.storeDuringStep);
    EXPECT_EQ(chain::currentposition.load(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ChainAdvance,
    ::testing::Values(AdvanceCase{"PlainIgnoresTempo", false, 1.5f, 5000, false, 0, 6024},
                      AdvanceCase{"TempoSlower", true, 0.75f, 5000, false, 0, 5768},
                      AdvanceCase{"TempoFastest", true, 1.99f, 5000, false, 0, 7037},
                      AdvanceCase{"SeekDuringStep", true, 1.0f, 5000, true, 90000, 90000},
                      AdvanceCase{"StopToTheSamePosition", true, 1.0f, 5000, true, 5000, 5000},
                      AdvanceCase{"StopToStart", false, 1.0f, 5000, true, chain::hop, chain::hop},
                      AdvanceCase{"ClampsAtIntMax", true, 1.99f, INT_MAX - 100, false, 0, INT_MAX}),
    RowName());

// --- Polar form -------------------------------------------------------------

TEST(ChainPolar, CartesianAfterPolarReturnsTheSpectrumIncludingBinsZeroAndHalf)
{
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> value(-1000.0f, 1000.0f);
    std::vector<float> spectrum(chain::framesize);
    for (float& v : spectrum)
        v = value(rng);
    spectrum[chain::framesize / 2] = -321.5f; // paired with bin 0
    std::vector<float> magnitudes(chain::framesize / 2), phases(chain::framesize / 2),
        back(chain::framesize + 1, 77.0f);

    convert_polar(spectrum.data(), magnitudes.data(), phases.data(), chain::framesize);
    convert_cartesian(back.data(), magnitudes.data(), phases.data(), chain::framesize);

    for (int k = 0; k < chain::framesize; ++k) {
        // cos and sin in float of a magnitude up to 1414: a few float steps.
        ASSERT_NEAR(back[size_t(k)], spectrum[size_t(k)], 2e-3) << "entry " << k;
    }
    EXPECT_EQ(back[chain::framesize], 77.0f);
}

} // namespace
