// Onset detection: window, spectrum, band split, phase prediction and
// smoothing.
#include "DSP.h"
#include "FFTReal.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// --- Window -----------------------------------------------------------------

struct WindowCase
{
    int n;
    std::vector<float> expected;
};

class OnsetWindow : public ::testing::TestWithParam<WindowCase>
{
};

// Exact values: the window is built with 6.28318, not 2 pi, so its short
// forms differ from the playback chain's (0.5, 1, 0.5 there).
TEST_P(OnsetWindow, MatchesReferenceValues)
{
    const WindowCase& c = GetParam();
    std::vector<float> w(c.expected.size() + 1, -7.0f);
    DSP().hanning(w.data(), c.n);
    for (size_t i = 0; i < c.expected.size(); ++i)
        EXPECT_FLOAT_EQ(w[i], c.expected[i]) << "i = " << i;
    EXPECT_EQ(w.back(), -7.0f) << "wrote past n";
}

INSTANTIATE_TEST_SUITE_P(Lengths, OnsetWindow,
                         ::testing::Values(WindowCase{1, {1.0f}},
                                           WindowCase{3, {0.499999344f, 1.0f, 0.500001967f}}, WindowCase{0, {}},
                                           WindowCase{-4, {}}));

TEST(OnsetWindow, HasNoZeroEndsAndIsNearlySymmetric)
{
    std::vector<float> w(1024);
    DSP().hanning(w.data(), 1024);
    EXPECT_GT(w.front(), 0.0f);
    EXPECT_GT(w.back(), 0.0f);
    // The constant falls 5.3e-6 short of 2 pi: mirror values differ by up to
    // half of that.
    for (size_t i = 0; i < w.size(); ++i)
        ASSERT_NEAR(w[i], w[w.size() - 1 - i], 3e-6) << "i = " << i;
}

// --- Spectrum ---------------------------------------------------------------

struct SpectrumCase
{
    const char* name;
    int bin;     // bin to look at
    int cycles;  // cosine cycles per frame; 0 = constant, -1 = alternating
    float phase; // of the cosine
    float magnitude;
    float expectedPhase;
};

class ProcessFrame : public ::testing::TestWithParam<SpectrumCase>
{
};

TEST_P(ProcessFrame, GivesMagnitudeAndAngleOfEachBin)
{
    const SpectrumCase& c = GetParam();
    const int n = 64;
    std::vector<float> frame(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        if (c.cycles > 0)
            frame[size_t(i)] = float(std::cos(2.0 * M_PI * c.cycles * i / n + c.phase));
        else if (c.cycles == 0)
            frame[size_t(i)] = 1.0f;
        else
            frame[size_t(i)] = (i % 2 == 0) ? 1.0f : -1.0f;
    }
    FFTReal fft(n);
    std::vector<float> spectrum(static_cast<size_t>(n)), magnitude(static_cast<size_t>(n / 2)),
        phase(static_cast<size_t>(n / 2));
    DSP().processFrame(fft, spectrum.data(), frame.data(), n, magnitude.data(), phase.data());
    // Single-precision transform of a 64-point signal of unit amplitude.
    EXPECT_NEAR(magnitude[size_t(c.bin)], c.magnitude, 1e-4);
    EXPECT_NEAR(phase[size_t(c.bin)], c.expectedPhase, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProcessFrame,
                         ::testing::Values(SpectrumCase{"CosineOnBin", 8, 8, 0.5f, 32.0f, 0.5f},
                                           SpectrumCase{"NegativePhase", 3, 3, -2.0f, 32.0f, -2.0f},
                                           SpectrumCase{"Constant", 0, 0, 0.0f, 64.0f, 0.0f},
                                           // Bin 0 pairs the DC value with the Nyquist value.
                                           SpectrumCase{"NyquistFoldsIntoBinZero", 0, -1, 0.0f, 64.0f,
                                                        float(-M_PI / 2)}),
                         RowName());

// --- Band split ---------------------------------------------------------------

// One frame from silence with a single bin lit at magnitude 1: every band
// containing the bin gets its deviation (1), and the high band counts it.
struct FrameOut
{
    float onset, low, mid, high;
};

FrameOut firstFrameWithBin(int n, int sampleRate, int bin)
{
    DSP dsp;
    const size_t half = size_t(n / 2);
    std::vector<float> mag(half, 0.0f), ph(half, 0.0f), prevMag(half), prevPh(half), prevPrevPh(half);
    dsp.initialise(mag.data(), ph.data(), prevMag.data(), prevPh.data(), prevPrevPh.data(), n);
    mag[size_t(bin)] = 1.0f;
    float onset = 0.0f;
    float bands[3] = {0.0f, 0.0f, 0.0f};
    float* bandPtr[3] = {&bands[0], &bands[1], &bands[2]};
    dsp.getOD_MB(mag.data(), ph.data(), prevMag.data(), prevPh.data(), prevPrevPh.data(), &onset, 0, n, sampleRate,
                 bandPtr);
    return {onset, bands[0], bands[1], bands[2]};
}

struct BandCase
{
    int sampleRate;
    int n;
    int k1;
    int k2; // >= n/2: no high band
};

class OnsetBands : public ::testing::TestWithParam<BandCase>
{
};

// The deviation of a bin from a silent past is its magnitude; the phase
// wrap leaves a residue of a few 1e-6 rad.
constexpr float kDeviationTolerance = 1e-5f;

TEST_P(OnsetBands, LimitBinsBelongToBothNeighbours)
{
    const BandCase& c = GetParam();
    const FrameOut atK1 = firstFrameWithBin(c.n, c.sampleRate, c.k1);
    EXPECT_NEAR(atK1.low, 1.0f, kDeviationTolerance);
    EXPECT_NEAR(atK1.mid, 1.0f, kDeviationTolerance);
    EXPECT_NEAR(atK1.onset, 2.0f, 2 * kDeviationTolerance);

    const FrameOut aboveK1 = firstFrameWithBin(c.n, c.sampleRate, c.k1 + 1);
    EXPECT_EQ(aboveK1.low, 0.0f);
    EXPECT_NEAR(aboveK1.mid, 1.0f, kDeviationTolerance);

    if (c.k2 >= c.n / 2) {
        // No high band: the middle band runs to the last bin, nothing is counted.
        const FrameOut last = firstFrameWithBin(c.n, c.sampleRate, c.n / 2 - 1);
        EXPECT_NEAR(last.mid, 1.0f, kDeviationTolerance);
        EXPECT_EQ(last.high, 0.0f);
        EXPECT_NEAR(last.onset, 1.0f, kDeviationTolerance);
        return;
    }
    const FrameOut atK2 = firstFrameWithBin(c.n, c.sampleRate, c.k2);
    EXPECT_NEAR(atK2.mid, 1.0f, kDeviationTolerance);
    EXPECT_EQ(atK2.high, 1.0f) << "the high band counts risen bins, not their deviation";
    EXPECT_NEAR(atK2.onset, 2.0f, 2 * kDeviationTolerance);

    const FrameOut aboveK2 = firstFrameWithBin(c.n, c.sampleRate, c.k2 + 1);
    EXPECT_EQ(aboveK2.mid, 0.0f);
    EXPECT_EQ(aboveK2.high, 1.0f);
    EXPECT_NEAR(aboveK2.onset, 1.0f, kDeviationTolerance);
}

INSTANTIATE_TEST_SUITE_P(SampleRates, OnsetBands,
                         ::testing::Values(BandCase{22050, 512, 4, 115}, BandCase{44100, 1024, 4, 115},
                                           BandCase{48000, 1024, 4, 106}, BandCase{96000, 2048, 4, 106},
                                           BandCase{8000, 512, 12, 319}),
                         [](const ::testing::TestParamInfo<BandCase>& row) {
                             return "Hz" + std::to_string(row.param.sampleRate);
                         });

// --- Phase prediction -----------------------------------------------------------

struct PredictionCase
{
    const char* name;
    float phases[3]; // of one bin over three frames
    float magnitudes[3];
    float expectedTerm; // its deviation at the third frame
};

class OnsetPrediction : public ::testing::TestWithParam<PredictionCase>
{
};

TEST_P(OnsetPrediction, ThirdFrameDeviatesFromTheProjectedBin)
{
    const PredictionCase& c = GetParam();
    DSP dsp;
    const int n = 1024;
    const size_t half = size_t(n / 2);
    std::vector<float> mag(half), ph(half), prevMag(half), prevPh(half), prevPrevPh(half);
    dsp.initialise(mag.data(), ph.data(), prevMag.data(), prevPh.data(), prevPrevPh.data(), n);
    std::vector<float> onset(3, 0.0f), b0(3, 0.0f), b1(3, 0.0f), b2(3, 0.0f);
    float* bands[3] = {b0.data(), b1.data(), b2.data()};
    const int bin = 50; // middle band at 44.1 kHz
    for (int f = 0; f < 3; ++f) {
        mag[bin] = c.magnitudes[f];
        ph[bin] = c.phases[f];
        dsp.getOD_MB(mag.data(), ph.data(), prevMag.data(), prevPh.data(), prevPrevPh.data(), onset.data(), f, n,
                     44100, bands);
    }
    // Phase arithmetic in single precision around +-2 pi: a few 1e-6 rad,
    // times the magnitude.
    EXPECT_NEAR(onset[2], c.expectedTerm, 5e-5);
    EXPECT_FLOAT_EQ(b1[2], onset[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Bins, OnsetPrediction,
    ::testing::Values(
        PredictionCase{"SteadyPartial", {0.0f, 1.0f, 2.0f}, {2.0f, 2.0f, 2.0f}, 0.0f},
        // Advances of 0.4 rad across the +-pi boundary.
        PredictionCase{"SteadyAcrossWrap", {3.0f, 3.4f - 6.2831853f, 3.8f - 6.2831853f}, {2.0f, 2.0f, 2.0f}, 0.0f},
        PredictionCase{"LouderOnly", {0.0f, 1.0f, 2.0f}, {2.0f, 2.0f, 5.0f}, 3.0f},
        // A quarter turn off the prediction: |2 - 2i| = 2 sqrt 2.
        PredictionCase{"PhaseJump", {0.0f, 1.0f, 2.0f + float(M_PI / 2)}, {2.0f, 2.0f, 2.0f}, 2.8284271f}),
    RowName());

TEST(OnsetDetection, SilenceGivesZerosBeforeAndAfterSmoothing)
{
    DSP dsp;
    const int n = 1024;
    const int frames = 200;
    const size_t half = size_t(n / 2);
    std::vector<float> mag(half), ph(half), prevMag(half), prevPh(half), prevPrevPh(half);
    dsp.initialise(mag.data(), ph.data(), prevMag.data(), prevPh.data(), prevPrevPh.data(), n);
    std::vector<float> onset(size_t(frames), 0.0f), b0 = onset, b1 = onset, b2 = onset;
    float* bands[3] = {b0.data(), b1.data(), b2.data()};
    for (int f = 0; f < frames; ++f)
        dsp.getOD_MB(mag.data(), ph.data(), prevMag.data(), prevPh.data(), prevPrevPh.data(), onset.data(), f, n,
                     44100, bands);
    for (const auto* v : {&onset, &b0, &b1, &b2})
        for (float x : *v)
            ASSERT_EQ(x, 0.0f);
    std::vector<float> smoothed(size_t(2 * frames), 0.0f);
    dsp.smoothingOD(onset.data(), smoothed.data(), frames, 32);
    for (float x : smoothed)
        ASSERT_EQ(x, 0.0f);
}

// --- Filter and smoothing -----------------------------------------------------

const float kButterB[3] = {0.0675f, 0.1349f, 0.0675f};

TEST(OnsetFilter, NeverReadsTheLeadingDenominatorCoefficient)
{
    const float a[3] = {std::numeric_limits<float>::quiet_NaN(), -1.1430f, 0.4128f};
    const std::vector<float> x(50, 1.0f);
    std::vector<float> y(50);
    DSP().filter(2, a, kButterB, 50, x.data(), y.data());
    for (float v : y)
        ASSERT_TRUE(std::isfinite(v));
}

TEST(OnsetFilter, StepResponseSettlesAtTheDcGain)
{
    const float a[3] = {1.0f, -1.1430f, 0.4128f};
    const std::vector<float> x(200, 1.0f);
    std::vector<float> y(201, -3.0f);
    DSP().filter(2, a, kButterB, 200, x.data(), y.data());
    EXPECT_FLOAT_EQ(y[0], 0.0675f);
    // DC gain sum(b) / sum(a) = 0.2699 / 0.2698; the rounded coefficients
    // leave single-precision residue well below 1e-4 after 200 steps.
    EXPECT_NEAR(y[199], 0.2699f / 0.2698f, 1e-4);
    EXPECT_EQ(y[200], -3.0f);
}

std::vector<float> bump(int n, int centre, float height, float widthFrames)
{
    std::vector<float> x(size_t(n), 0.0f);
    for (int i = 0; i < n; ++i) {
        const float d = float(i - centre) / widthFrames;
        x[size_t(i)] = height * std::exp(-d * d);
    }
    return x;
}

std::vector<float> smoothed(std::vector<float> x, int w)
{
    std::vector<float> y(2 * x.size(), 0.0f);
    DSP().smoothingOD(x.data(), y.data(), int(x.size()), w);
    y.resize(x.size());
    return y;
}

TEST(OnsetSmoothing, KeepsThePeakWhereItWas)
{
    const int n = 300;
    const int centre = 150;
    const std::vector<float> y = smoothed(bump(n, centre, 10.0f, 3.0f), 32);
    int peak = 0;
    for (int i = 1; i < n; ++i)
        if (y[size_t(i)] > y[size_t(peak)])
            peak = i;
    EXPECT_EQ(peak, centre);
    // Forward-backward filtering is symmetric up to the ends' transients.
    for (int d = 1; d < 10; ++d)
        EXPECT_NEAR(y[size_t(centre - d)], y[size_t(centre + d)], 1e-3f * y[size_t(centre)]);
}

TEST(OnsetSmoothing, RemovesTheWholeNumberFloorOfACount)
{
    std::vector<float> counts(200, 0.0f);
    for (int i = 0; i < 200; ++i)
        counts[size_t(i)] = (i % 40 == 20) ? 9.0f : 0.0f;
    std::vector<float> lifted = counts;
    for (float& v : lifted)
        v += 3.0f;
    EXPECT_EQ(smoothed(lifted, 32), smoothed(counts, 32));
}

// The first frame of a track compares with silence: its full magnitude sum
// stands out as an impulse at frame 0, which decays through the low-pass.
std::vector<float> impulseThenOnset(float impulse, float onset)
{
    std::vector<float> x = bump(300, 100, onset, 3.0f);
    x[0] = impulse;
    return x;
}

TEST(OnsetSmoothing, ClearsADecayingStartThatIsTheLargestValue)
{
    const std::vector<float> y = smoothed(impulseThenOnset(50.0f, 10.0f), 32);
    // Cleared up to the first rise, which single-precision residue of the
    // low-pass (~1e-7) may place before the later onset.
    for (int i = 0; i < 90; ++i)
        ASSERT_NEAR(y[size_t(i)], 0.0f, 1e-6f) << "i = " << i;
    EXPECT_GT(y[100], 0.0f) << "the later onset survives";
}

TEST(OnsetSmoothing, KeepsAStartThatIsNotTheLargestValue)
{
    const std::vector<float> y = smoothed(impulseThenOnset(50.0f, 400.0f), 32);
    EXPECT_GT(y[0], 0.0f);
}

struct MeanCase
{
    const char* name;
    std::vector<float> x;
    int w;
    std::vector<float> expected;
};

class MovingMean : public ::testing::TestWithParam<MeanCase>
{
};

TEST_P(MovingMean, SubtractsAndClips)
{
    MeanCase c = GetParam();
    DSP().subsMean(c.x.data(), int(c.x.size()), c.w);
    EXPECT_EQ(c.x, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, MovingMean,
                         ::testing::Values(
                             // Width 2 becomes 3: the first two means use the first window, the
                             // last three repeat the mean at n - 1 - 3.
                             MeanCase{"EvenWidth", {1, 2, 3, 4, 5, 6, 7}, 2, {0, 0, 0, 0, 1, 2, 3}},
                             MeanCase{"OddWidth", {1, 2, 3, 4, 5, 6, 7}, 3, {0, 0, 0, 0, 1, 2, 3}},
                             MeanCase{"Constant", {4, 4, 4, 4, 4, 4}, 3, {0, 0, 0, 0, 0, 0}},
                             // No longer than the window: the overall mean (2) goes.
                             MeanCase{"ShorterThanWindow", {1, 2, 3}, 32, {0, 0, 1}}),
                         RowName());

} // namespace
