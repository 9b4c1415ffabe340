#include "PhaseVocoder.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <vector>

namespace {

constexpr int n = 4096;
constexpr int bins = n / 2;
constexpr double twoPi = 6.283185307179586;
// Far enough into the recording that the phases are propagated, not reset.
constexpr int playing = 10 * n;

double wrapped(double phase)
{
    return phase - twoPi * std::floor(phase / twoPi + 0.5);
}

// One channel's inputs with a stationary frame pair at pitch 1: every bin's
// phase moved by exactly one hop of its centre frequency, so without locking
// each estimate is its centre frequency times the hop (previous estimates 0).
struct Channel
{
    std::vector<float> phases = std::vector<float>(bins);
    std::vector<float> previousPhases = std::vector<float>(bins);
    std::vector<float> estimate = std::vector<float>(bins);
    std::vector<float> previousEstimate = std::vector<float>(bins, 0.0f);
    std::vector<float> peaks = std::vector<float>(bins);
    std::vector<float> magnitudes = std::vector<float>(bins, 1.0f);
    std::vector<float> previousMagnitudes = std::vector<float>(bins, 1.0f);
    int lastTransient = 0;

    explicit Channel(unsigned seed)
    {
        std::mt19937 rng(seed);
        std::uniform_real_distribution<float> phase(-3.1f, 3.1f);
        for (int k = 0; k < bins; ++k) {
            phases[size_t(k)] = phase(rng);
            previousPhases[size_t(k)] = float(wrapped(phases[size_t(k)] - propagated(k)));
        }
    }

    // The hop of bin k's centre frequency: k · π/2 at a hop of N/4.
    static double propagated(int k) { return wrapped(k * twoPi / n * (n / 4)); }

    void run(int mode, int position = playing)
    {
        TimePitch(mode, phases.data(), previousPhases.data(), estimate.data(), previousEstimate.data(), n, 1.0f,
                  peaks.data(), magnitudes.data(), previousMagnitudes.data(), &lastTransient, position);
    }
};

// --- Identity phase locking -------------------------------------------------

struct Region
{
    int peak;
    int start; // first locked bin
    int end;   // one past the last locked bin
};

struct LockingCase
{
    const char* name;
    int mode;
    std::vector<int> peaks;
    std::vector<Region> locked;
};

void PrintTo(const LockingCase& c, std::ostream* os)
{
    *os << c.name;
}

class VocoderLocking : public ::testing::TestWithParam<LockingCase>
{
};

TEST_P(VocoderLocking, BinsOfEachRegionKeepTheirPhaseDistanceToThePeak)
{
    const LockingCase c = GetParam();
    Channel ch(17);
    for (const int p : c.peaks)
        ch.magnitudes[size_t(p)] = 10.0f;
    ch.previousMagnitudes = ch.magnitudes; // no rises, so no transient reset

    ch.run(c.mode);

    std::vector<double> expected(bins);
    for (int k = 0; k < bins; ++k)
        expected[size_t(k)] = Channel::propagated(k);
    for (const Region& r : c.locked) {
        for (int j = r.start; j < r.end; ++j) {
            if (j != r.peak)
                expected[size_t(j)] =
                    Channel::propagated(r.peak) - ch.phases[size_t(r.peak)] + ch.phases[size_t(j)];
        }
    }
    for (int k = 0; k < bins; ++k) {
        // The propagated phase is summed in float near k·π/2 (up to 3200),
        // where one float step is 2.4e-4 rad.
        ASSERT_NEAR(wrapped(ch.estimate[size_t(k)] - expected[size_t(k)]), 0.0, 5e-4) << "bin " << k;
        ASSERT_EQ(ch.previousEstimate[size_t(k)], ch.estimate[size_t(k)]) << "bin " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Peaks, VocoderLocking,
    ::testing::Values(LockingCase{"NoPeak", 1, {}, {}},
                      LockingCase{"PeaksAtTheEdgesAreNotPeaks", 1, {2, 2045}, {}},
                      LockingCase{"SinglePeak", 1, {40}, {{40, 0, 43}}},
                      LockingCase{"TwoPeaksMeetHalfWay", 1, {10, 20}, {{10, 0, 15}, {20, 15, 23}}},
                      // Modes 1 and 2 stop after the first peak at or above N/8 = 512 ...
                      LockingCase{"ModeOneStopsAboveEighth", 1, {300, 600, 700}, {{300, 0, 450}, {600, 450, 650}}},
                      LockingCase{"ModeTwoStopsAboveEighth", 2, {300, 600, 700}, {{300, 0, 450}, {600, 450, 650}}},
                      // ... mode 3 after the first at or above N/4 = 1024.
                      LockingCase{"ModeThreeGoesToQuarter",
                                  3,
                                  {300, 600, 700, 1100, 1200},
                                  {{300, 0, 450}, {600, 450, 650}, {700, 650, 900}, {1100, 900, 1150}}}),
    RowName());

// --- Transient reset --------------------------------------------------------

struct TransientCase
{
    const char* name;
    int mode;
    int rises;
    int lastTransient;
    int resetFrom; // 0: no reset
};

void PrintTo(const TransientCase& c, std::ostream* os)
{
    *os << c.name;
}

class VocoderTransient : public ::testing::TestWithParam<TransientCase>
{
};

TEST_P(VocoderTransient, UpperBinsRestartFromTheAnalysisOnARisingEdge)
{
    const TransientCase c = GetParam();
    Channel ch(23);
    // Flat magnitudes have no peaks; the first `rises` bins grew since the
    // frame one hop earlier.
    for (int k = 0; k < c.rises; ++k)
        ch.previousMagnitudes[size_t(k)] = 0.5f;
    ch.lastTransient = c.lastTransient;

    ch.run(c.mode);

    for (int k = 0; k < bins; ++k) {
        const bool reset = c.resetFrom > 0 && k >= c.resetFrom;
        const double expected = reset ? ch.phases[size_t(k)] : Channel::propagated(k);
        // Propagated phases are summed in float near k·π/2 (up to 3200),
        // where one float step is 2.4e-4 rad.
        ASSERT_NEAR(wrapped(ch.estimate[size_t(k)] - expected), 0.0, 5e-4) << "bin " << k;
    }
    EXPECT_EQ(ch.lastTransient, c.rises);
}

INSTANTIATE_TEST_SUITE_P(Rises, VocoderTransient,
                         ::testing::Values(TransientCase{"RisingEdge", 1, 1331, 0, 200},
                                           TransientCase{"AfterAHigherCount", 1, 1331, 2000, 0},
                                           TransientCase{"EqualToTheLastCount", 3, 1500, 1500, 0},
                                           TransientCase{"BelowThreshold", 1, 1330, 0, 0},
                                           TransientCase{"ModeTwoFromBin1500", 2, 1400, 0, 1500},
                                           TransientCase{"ModeThreeFromBin200", 3, 1400, 1399, 200}),
                         RowName());

TEST(Vocoder, AtTheRecordingStartEveryBinTakesTheAnalysisPhase)
{
    Channel ch(29);
    ch.previousEstimate.assign(bins, 2.0f);
    ch.run(1, n / 2 - 1);
    for (int k = 0; k < bins; ++k)
        ASSERT_EQ(ch.estimate[size_t(k)], ch.phases[size_t(k)]) << "bin " << k;
}

// Two and a half minutes of steps on stationary partials between bin
// centres: each step must still move every synthesis phase by the partial's
// phase advance. Unwrapped, a float estimate has grown past 1e7 radians by
// then, where one float step is a whole radian, and the steps jitter.
TEST(Vocoder, PhaseStepsStayAccurateAfterMinutesOfSteps)
{
    const int steps = 6500;              // 150 s at 23.2 ms
    std::vector<double> frequency(bins); // radians per hop
    std::vector<double> phase(bins);
    std::mt19937 rng(31);
    std::uniform_real_distribution<double> offset(-0.4, 0.4);
    for (int k = 0; k < bins; ++k) {
        frequency[size_t(k)] = (k + offset(rng)) * twoPi / n * (n / 4);
        phase[size_t(k)] = offset(rng);
    }
    Channel ch(1);
    std::vector<float> current(bins), previous(bins), estimateBefore(bins);
    auto phasesAt = [&](int step, std::vector<float>& out) {
        for (int k = 0; k < bins; ++k)
            out[size_t(k)] = float(wrapped(phase[size_t(k)] + frequency[size_t(k)] * step));
    };
    phasesAt(0, current);
    for (int s = 1; s <= steps; ++s) {
        previous.swap(current);
        phasesAt(s, current);
        estimateBefore = ch.estimate;
        TimePitch(1, current.data(), previous.data(), ch.estimate.data(), ch.previousEstimate.data(), n, 1.0f,
                  ch.peaks.data(), ch.magnitudes.data(), ch.previousMagnitudes.data(), &ch.lastTransient,
                  s == 1 ? 0 : playing);
    }
    double worst = 0.0;
    for (int k = 0; k < bins; ++k) {
        const double moved = double(ch.estimate[size_t(k)]) - estimateBefore[size_t(k)];
        const double advance = double(current[size_t(k)]) - previous[size_t(k)];
        worst = std::max(worst, std::fabs(wrapped(moved - advance)));
    }
    // A step's advance is summed in float near Hs·π ≈ 3200, where one float
    // step is 2.4e-4 rad.
    EXPECT_LT(worst, 1e-3);
}

} // namespace
