// Tempo and beats per bar: lag <-> BPM, the candidate choice, the metre, the
// autocorrelation, and what featureless or short input gives.
#include "DSP.h"
#include "FFTReal.h"
#include "RhythmMath.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// --- Lag range ------------------------------------------------------------

struct LagRangeCase
{
    int sampleRate;
    int hop;
    int lagMin; // 250 BPM
    int lagMax; // 55 BPM
};

class TempoLagRange : public ::testing::TestWithParam<LagRangeCase>
{
};

TEST_P(TempoLagRange, RoundsTheLagsOfTheTempoLimits)
{
    const LagRangeCase& c = GetParam();
    EXPECT_EQ(rhythm::lagForTempo(250.0f, c.hop, c.sampleRate), c.lagMin);
    EXPECT_EQ(rhythm::lagForTempo(55.0f, c.hop, c.sampleRate), c.lagMax);
}

// 48 kHz: 250 BPM lies at 22.5 frames, rounded away from zero.
INSTANTIATE_TEST_SUITE_P(SampleRates, TempoLagRange,
                         ::testing::Values(LagRangeCase{22050, 256, 21, 94}, LagRangeCase{44100, 512, 21, 94},
                                           LagRangeCase{48000, 512, 23, 102}, LagRangeCase{96000, 1024, 23, 102}));

// --- Choice of the tempo ------------------------------------------------------

constexpr int kHop = 512;
constexpr int kRate = 44100;
constexpr int kLagMin = 21;
constexpr int kCombLength = 188;

std::vector<float> flatWeights()
{
    std::vector<float> w(kCombLength, 1.0f);
    w[0] = 0.0f;
    return w;
}

struct ChoiceCase
{
    const char* name;
    std::vector<std::pair<int, float>> combPeaks; // lag, value in the summed combs
    float expectedBpm;
    int unweightedLag = -1; // a lag the prior rules out
};

class TempoChoice : public ::testing::TestWithParam<ChoiceCase>
{
};

TEST_P(TempoChoice, PicksAmongThePeakAndItsRelatives)
{
    const ChoiceCase& c = GetParam();
    std::vector<float> combSum(kCombLength, 0.0f);
    for (const auto& [lag, value] : c.combPeaks)
        combSum[size_t(lag)] = value;
    std::vector<float> weights = flatWeights();
    if (c.unweightedLag >= 0)
        weights[size_t(c.unweightedLag)] = 0.0f;
    const float bpm = DSP().afterWeight(combSum.data(), kHop, kRate, weights.data(), kLagMin, kCombLength);
    // The reference figures are given to 0.1 BPM.
    EXPECT_NEAR(bpm, c.expectedBpm, 0.05f);
    EXPECT_TRUE(std::isfinite(bpm));
}

INSTANTIATE_TEST_SUITE_P(
    Combs, TempoChoice,
    ::testing::Values(ChoiceCase{"Lag43", {{43, 1.0f}}, 120.2f}, ChoiceCase{"Lag21", {{21, 1.0f}}, 246.1f},
                      ChoiceCase{"Lag93", {{93, 1.0f}}, 55.6f},
                      // A peak past lagMax (94) is no candidate itself, its half is.
                      ChoiceCase{"PeakBeyondLagMaxGivesItsHalf", {{150, 1.0f}, {75, 0.5f}}, 68.9f},
                      // Multiples of the peak compete with it; each window offers its best
                      // lag (61 rather than 60 here).
                      ChoiceCase{"MultipleOfThePeak", {{30, 1.0f}, {60, 0.9f}, {61, 0.95f}}, 84.7f, 30},
                      // Nothing periodic: the default, never a division by a zero lag.
                      ChoiceCase{"NoPositiveValue", {}, 120.0f},
                      ChoiceCase{"OnlyNegativeValues", {{43, -1.0f}, {86, -0.5f}}, 120.0f},
                      // A lone peak at lagMax leaves only trailing candidates >= lagMax,
                      // which are dropped.
                      ChoiceCase{"PeakAtLagMaxLeavesNoCandidate", {{94, 1.0f}}, 120.0f}),
    RowName());

TEST(TempoChoice, PriorPrefersTheLagNearest120Bpm)
{
    // Equal comb peaks at 60, 120 and 240 BPM: the Rayleigh prior decides.
    std::vector<float> combSum(kCombLength, 0.0f);
    combSum[22] = combSum[43] = combSum[86] = 1.0f;
    const float beta = 60.0f / ((120.0f * kHop) / kRate);
    std::vector<float> weights(kCombLength);
    for (int i = 0; i < kCombLength; ++i)
        weights[size_t(i)] = (float(i) / (beta * beta)) * std::exp(-(float(i) * float(i)) / (2.0f * beta * beta));
    const float bpm = DSP().afterWeight(combSum.data(), kHop, kRate, weights.data(), kLagMin, kCombLength);
    EXPECT_FLOAT_EQ(bpm, rhythm::tempoForLag(43, kHop, kRate));
}

// --- Metre --------------------------------------------------------------------

struct MetreCase
{
    const char* name;
    int n;
    std::vector<int> positiveAt; // lags where the summed autocorrelation is 1
    int expected;
};

class Metre : public ::testing::TestWithParam<MetreCase>
{
};

TEST_P(Metre, PicksTheBarLengthWithTheStrongestRecurrence)
{
    const MetreCase& c = GetParam();
    const int beatLag = 40;
    std::vector<float> acfSum(size_t(rhythm::nextPowerOfTwo(c.n)), -0.1f);
    for (int lag : c.positiveAt)
        acfSum[size_t(lag)] = 1.0f;
    EXPECT_EQ(DSP().getMetreACF(acfSum.data(), c.n, beatLag), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Recurrences, Metre,
                         ::testing::Values(
                             // Long function: one bar and two bars count.
                             MetreCase{"FourBeatBars", 2000, {160, 320}, 4},
                             MetreCase{"ThreeBeatBars", 2000, {121, 239}, 3},
                             // Short function (22 beats do not fit): one bar only; the first of
                             // equal scores wins.
                             MetreCase{"ShortFirstOfEquals", 500, {160, 320}, 4},
                             // A bar that does not fit inside the function is not scored.
                             MetreCase{"ShortBeyondTheEnd", 442, {440}, 2},
                             MetreCase{"NothingPositive", 2000, {}, 2}),
                         RowName());

struct TimeSegCase
{
    int in;
    int out;
};

class TimeSignature : public ::testing::TestWithParam<TimeSegCase>
{
};

TEST_P(TimeSignature, FoldsTwoAndTen)
{
    int beatsPerBar = GetParam().in;
    DSP().getTimeSeg(beatsPerBar);
    EXPECT_EQ(beatsPerBar, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(BeatsPerBar, TimeSignature,
                         ::testing::Values(TimeSegCase{2, 4}, TimeSegCase{10, 5}, TimeSegCase{3, 3},
                                           TimeSegCase{4, 4}, TimeSegCase{5, 5}, TimeSegCase{6, 6},
                                           TimeSegCase{7, 7}, TimeSegCase{8, 8}, TimeSegCase{9, 9},
                                           TimeSegCase{11, 11}));

// --- Autocorrelation -------------------------------------------------------------

struct PowerCase
{
    int n;
    int expected;
};

class AutocorrelationLength : public ::testing::TestWithParam<PowerCase>
{
};

TEST_P(AutocorrelationLength, IsTheNextPowerOfTwo)
{
    EXPECT_EQ(rhythm::nextPowerOfTwo(GetParam().n), GetParam().expected);
}

// 2^20 + 1 is where the float form 2^ceil(log10(n) / 0.30103) gives 2^20.
INSTANTIATE_TEST_SUITE_P(Lengths, AutocorrelationLength,
                         ::testing::Values(PowerCase{1, 1}, PowerCase{2, 2}, PowerCase{3, 4},
                                           PowerCase{1024, 1024}, PowerCase{1025, 2048},
                                           PowerCase{1048576, 1048576}, PowerCase{1048577, 2097152}));

TEST(Autocorrelation, IsScaledCircularAutocorrelationWithNyquistFoldedIntoDc)
{
    const int n = 100;
    const int m = 128;
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    std::vector<float> x(static_cast<size_t>(n));
    for (float& v : x)
        v = dist(rng);

    std::vector<float> acf(size_t(m) + 1, 55.0f);
    DSP().getAcf(x.data(), m, acf.data(), n);
    EXPECT_EQ(acf[size_t(m)], 55.0f) << "wrote past m";

    double nyquist = 0.0;
    for (int i = 0; i < n; ++i)
        nyquist += (i % 2 == 0 ? 1.0 : -1.0) * x[size_t(i)];
    for (int lag = 0; lag < m; ++lag) {
        double r = 0.0;
        for (int i = 0; i < n; ++i)
            r += double(x[size_t(i)]) * ((i + lag) % m < n ? x[size_t((i + lag) % m)] : 0.0);
        // Bin m/2 counted as part of bin 0: +N^2 (1 - (-1)^lag).
        const double expected = m * r + nyquist * nyquist * (lag % 2 == 0 ? 0.0 : 2.0);
        // Single-precision transforms of 128 points: relative 1e-5 of acf[0].
        ASSERT_NEAR(acf[size_t(lag)], expected, 1e-5 * acf[0]) << "lag " << lag;
    }
}

// --- Whole stage on featureless or short input --------------------------------

struct DegenerateCase
{
    const char* name;
    int sampleRate;
    int hop;
    int n;
    float noiseAmplitude; // 0 = all-zero bands
};

class TempoOnDegenerateInput : public ::testing::TestWithParam<DegenerateCase>
{
};

TEST_P(TempoOnDegenerateInput, GivesAPositiveFiniteTempo)
{
    const DegenerateCase& c = GetParam();
    std::mt19937 rng(9);
    std::uniform_real_distribution<float> dist(0.0f, 1.0f);
    std::vector<float> band[3];
    for (auto& b : band) {
        b.assign(size_t(c.n), 0.0f);
        for (float& v : b)
            v = c.noiseAmplitude * dist(rng);
    }
    const float* bands[3] = {band[0].data(), band[1].data(), band[2].data()};
    std::vector<float> frameTempo(size_t(c.n) + 1, -1.0f);
    int beatsPerBar = 0;
    const float bpm =
        DSP().tempoDec(band[0].data(), c.hop, c.n, c.sampleRate, frameTempo.data(), 1, 3, bands, &beatsPerBar);
    EXPECT_TRUE(std::isfinite(bpm));
    EXPECT_GT(bpm, 0.0f);
    if (c.noiseAmplitude == 0.0f) {
        EXPECT_EQ(bpm, rhythm::defaultTempoBpm);
        // The beat tracker follows the tempo that is reported.
        EXPECT_EQ(rhythm::lagForTempo(frameTempo[0], c.hop, c.sampleRate),
                  rhythm::lagForTempo(bpm, c.hop, c.sampleRate));
    }
    for (int f = 0; f < c.n; ++f)
        ASSERT_TRUE(std::isfinite(frameTempo[size_t(f)]) && frameTempo[size_t(f)] > 0.0f);
    EXPECT_EQ(frameTempo[size_t(c.n)], -1.0f) << "wrote past n";
    EXPECT_GE(beatsPerBar, 2);
    EXPECT_LE(beatsPerBar, 11);
}

// The shortest accepted recording is 100,000 frames: 387 frames at 22.05 kHz,
// 194 at 44.1 kHz, 193 at 48 kHz, 96 at 96 kHz; their autocorrelations
// (512, 256, 256, 128) are far shorter than the comb's reach.
INSTANTIATE_TEST_SUITE_P(Bands, TempoOnDegenerateInput,
                         ::testing::Values(DegenerateCase{"Silence44k", 44100, 512, 2000, 0.0f},
                                           DegenerateCase{"Silence96kShortest", 96000, 1024, 96, 0.0f},
                                           DegenerateCase{"Noise22kShortest", 22050, 256, 387, 1.0f},
                                           DegenerateCase{"Noise44kShortest", 44100, 512, 194, 1.0f},
                                           DegenerateCase{"Noise48kShortest", 48000, 512, 193, 1.0f},
                                           DegenerateCase{"Noise96kShortest", 96000, 1024, 96, 1.0f},
                                           DegenerateCase{"TenFrames", 44100, 512, 10, 1.0f},
                                           DegenerateCase{"OneFrame", 44100, 512, 1, 1.0f}),
                         RowName());

} // namespace
