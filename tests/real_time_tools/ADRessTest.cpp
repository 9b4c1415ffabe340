#include "ADRess.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace {

constexpr int n = 4096;
constexpr int bins = n / 2;
constexpr float separation99 = 1.0f; // bleed 1: rejected bins × 1e-4

struct Frame
{
    std::vector<float> magnitudesLeft = std::vector<float>(bins, 1.0f);
    std::vector<float> phasesLeft = std::vector<float>(bins, 0.0f);
    std::vector<float> magnitudesRight = std::vector<float>(bins, 1.0f);
    std::vector<float> phasesRight = std::vector<float>(bins, 0.0f);

    void isolate(bool solo, float azimuth, float range, float cut, bool above)
    {
        (solo ? ADRess : ADRessInvert)(magnitudesLeft.data(), phasesLeft.data(), magnitudesRight.data(),
                                       phasesRight.data(), azimuth, range, cut, separation99, n, false, above);
    }
};

// --- The band switch --------------------------------------------------------

struct BandCase
{
    const char* name;
    bool solo;
    float cut;
    bool above;
};

void PrintTo(const BandCase& c, std::ostream* os)
{
    *os << c.name;
}

class IsolationBand : public ::testing::TestWithParam<BandCase>
{
};

// Every bin is a centred source; only the band decides what is kept.
TEST_P(IsolationBand, KeepsOnlyTheBinsOnTheChosenSideOfTheCut)
{
    const BandCase c = GetParam();
    Frame f;
    f.isolate(c.solo, 1.0f, 0.34f, c.cut, c.above);
    for (int k = 0; k < bins; ++k) {
        const bool inBand = c.above ? float(k) > c.cut : float(k) < c.cut;
        const bool kept = c.solo ? inBand : !inBand;
        const float expected = kept ? 1.0f : 1e-4f;
        // (1/100)² in float.
        ASSERT_NEAR(f.magnitudesLeft[size_t(k)], expected, 1e-9f) << "bin " << k;
        ASSERT_EQ(f.magnitudesRight[size_t(k)], f.magnitudesLeft[size_t(k)]) << "bin " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Bands, IsolationBand,
                         ::testing::Values(BandCase{"SoloBelow19", true, 19.0f, false},
                                           BandCase{"SoloAbove19", true, 19.0f, true},
                                           BandCase{"MuteBelow19", false, 19.0f, false},
                                           BandCase{"MuteAbove19", false, 19.0f, true},
                                           BandCase{"SoloAboveZeroSkipsDc", true, 0.0f, true},
                                           BandCase{"SoloBelowHalfwayEdge", true, 40.5f, false}),
                         RowName());

// --- Where a bin sits -------------------------------------------------------

struct PositionCase
{
    const char* name;
    float left;
    float right;
    float phaseDifference;
    float azimuth;
    float range;
    bool near; // counts as the source
};

void PrintTo(const PositionCase& c, std::ostream* os)
{
    *os << c.name;
}

class IsolationPosition : public ::testing::TestWithParam<PositionCase>
{
};

TEST_P(IsolationPosition, SoloKeepsAndMuteRemovesExactlyTheBinsNearTheSource)
{
    const PositionCase c = GetParam();
    for (const bool solo : {true, false}) {
        Frame f;
        f.magnitudesLeft.assign(bins, c.left);
        f.magnitudesRight.assign(bins, c.right);
        f.phasesLeft.assign(bins, c.phaseDifference);
        f.isolate(solo, c.azimuth, c.range, 0.0f, true);
        const bool kept = solo == c.near;
        const int k = 100;
        EXPECT_FLOAT_EQ(f.magnitudesLeft[k], kept ? c.left : c.left * 1e-4f) << (solo ? "solo" : "mute");
        EXPECT_FLOAT_EQ(f.magnitudesRight[k], kept ? c.right : c.right * 1e-4f) << (solo ? "solo" : "mute");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, IsolationPosition,
    ::testing::Values(PositionCase{"CentreAtCentre", 1.0f, 1.0f, 0.0f, 1.0f, 0.34f, true},
                      PositionCase{"OppositePhasesPlaceLikeEqual", 1.0f, 1.0f, 3.14159265f, 1.0f, 0.34f, true},
                      PositionCase{"CentreAtRightSide", 1.0f, 1.0f, 0.0f, 0.5f, 0.34f, false},
                      PositionCase{"LeftOnlyAtFarLeftWidth1", 1.0f, 0.0f, 0.0f, -0.0002f, 0.01001f, true},
                      PositionCase{"LeftOnlyAtFarLeftWidth0", 1.0f, 0.0f, 0.0f, -0.0002f, 0.00001f, false},
                      // 0/0: no position at all; solo drops it, mute keeps it.
                      PositionCase{"SilentBin", 0.0f, 0.0f, 0.0f, 1.0f, 0.34f, false}),
    RowName());

TEST(Isolation, AzimuthZeroLeavesEveryBinAlone)
{
    for (const bool solo : {true, false}) {
        Frame f;
        f.magnitudesRight.assign(bins, 0.25f);
        f.isolate(solo, 0.0f, 0.34f, 0.0f, true);
        for (int k = 0; k < bins; ++k) {
            ASSERT_EQ(f.magnitudesLeft[size_t(k)], 1.0f);
            ASSERT_EQ(f.magnitudesRight[size_t(k)], 0.25f);
        }
    }
}

} // namespace
