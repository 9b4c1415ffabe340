// The decoder's channel mix-down over places no WAV header can name:
// speakers in another order than their mask bits, repeated or unknown
// places among speakers, ambisonic components, one output channel.
#include "ChannelMixDown.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using Kind = ChannelPlace::Kind;

// Speaker numbers as in a channel mask.
constexpr int kFL = 0;
constexpr int kFR = 1;
constexpr int kFC = 2;
constexpr int kLFE = 3;
constexpr int kSL = 9;
constexpr int kSR = 10;

ChannelPlace speaker(int bit)
{
    return {Kind::Speaker, bit};
}

const ChannelPlace kUnknown{Kind::Unknown, 0};

// Nothing clips: each output's gains sum to at most 1 in magnitude.
void expectNoClipping(const std::vector<double>& gains, size_t channels)
{
    for (size_t row = 0; row < gains.size() / channels; ++row) {
        double sum = 0.0;
        for (size_t c = 0; c < channels; ++c)
            sum += std::fabs(gains[row * channels + c]);
        EXPECT_LE(sum, 1.0 + 1e-12) << "output " << row;
    }
}

struct PlacesCase
{
    const char* name;
    std::vector<ChannelPlace> places;
    const char* sides; // per channel into stereo: 'L', 'R' or 'C' (both alike)
    const char* reason;
};

std::ostream& operator<<(std::ostream& os, const PlacesCase& c)
{
    return os << c.name;
}

class ChannelMixPlaces : public ::testing::TestWithParam<PlacesCase>
{
};

TEST_P(ChannelMixPlaces, EveryChannelOnItsSideIntoStereoAndHeardInMono)
{
    const PlacesCase& c = GetParam();
    const size_t n = c.places.size();
    std::vector<double> gains;
    ASSERT_TRUE(channelMixDown(c.places, 2, gains));
    ASSERT_EQ(gains.size(), 2 * n);
    expectNoClipping(gains, n);
    for (size_t ch = 0; ch < n; ++ch) {
        const double left = gains[ch];
        const double right = gains[n + ch];
        // At least half an even share.
        EXPECT_GE(std::max(left, right), 0.5 / static_cast<double>(n)) << "channel " << ch << ": " << c.reason;
        switch (c.sides[ch]) {
        case 'L':
            EXPECT_EQ(right, 0.0) << "channel " << ch << ": " << c.reason;
            break;
        case 'R':
            EXPECT_EQ(left, 0.0) << "channel " << ch << ": " << c.reason;
            break;
        default:
            EXPECT_NEAR(left, right, 1e-12) << "channel " << ch << ": " << c.reason;
        }
    }

    ASSERT_TRUE(channelMixDown(c.places, 1, gains));
    ASSERT_EQ(gains.size(), n);
    expectNoClipping(gains, n);
    for (size_t ch = 0; ch < n; ++ch)
        EXPECT_GE(gains[ch], 0.25 / static_cast<double>(n)) << "channel " << ch << " into mono: " << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Places, ChannelMixPlaces,
    ::testing::Values(
        PlacesCase{"front_reversed",
                   {speaker(kFR), speaker(kFL), speaker(kFC)},
                   "RLC",
                   "FFmpeg's rule follows each channel, not its position in the file"},
        PlacesCase{"five_one_film_order",
                   {speaker(kFL), speaker(kFC), speaker(kFR), speaker(kSL), speaker(kSR), speaker(kLFE)},
                   "LCRLRC",
                   "the centre second, the LFE last"},
        PlacesCase{"speaker_named_twice",
                   {speaker(kFL), speaker(kFL), speaker(kFR)},
                   "LLR",
                   "FFmpeg has no rule for a repeated speaker"},
        PlacesCase{"unknown_among_speakers",
                   {kUnknown, speaker(kFC), kUnknown},
                   "LCR",
                   "channels of unknown place take turns"},
        PlacesCase{"bit_without_a_speaker",
                   {speaker(kFL), speaker(kFR), speaker(20)},
                   "LRC",
                   "a mask bit no speaker has sounds in the middle"},
        PlacesCase{"lfe_and_sides", {speaker(kLFE), speaker(kSL), speaker(kSR)}, "CLR", "no front speaker"},
        PlacesCase{"nine_unknown", std::vector<ChannelPlace>(9, kUnknown), "LRLRLRLRL", "a count alone"}),
    RowName());

// A source at an angle in ambisonics (ACN order, SN3D): W = 1,
// Y = sin(angle), X = cos(angle); up-down and the higher components at a
// level that would show if they leaked.
TEST(ChannelMixDown, AmbisonicSourcesKeepTheirSide)
{
    for (int order = 1; order <= 3; ++order) {
        const int n = (order + 1) * (order + 1);
        std::vector<ChannelPlace> places;
        for (int acn = 0; acn < n; ++acn)
            places.push_back({Kind::Ambisonic, acn});
        std::vector<double> gains;
        ASSERT_TRUE(channelMixDown(places, 2, gains));
        ASSERT_EQ(gains.size(), static_cast<size_t>(2 * n));
        expectNoClipping(gains, static_cast<size_t>(n));
        for (const double degrees : {90.0, 0.0, -90.0}) {
            const double angle = degrees * M_PI / 180.0;
            std::vector<double> components(static_cast<size_t>(n), 0.7);
            components[0] = 1.0;
            components[1] = std::sin(angle);
            components[3] = std::cos(angle);
            double left = 0.0;
            double right = 0.0;
            for (int c = 0; c < n; ++c) {
                left += gains[static_cast<size_t>(c)] * components[static_cast<size_t>(c)];
                right += gains[static_cast<size_t>(n + c)] * components[static_cast<size_t>(c)];
            }
            const std::string where = "order " + std::to_string(order) + " at " + std::to_string(degrees);
            if (degrees > 0) {
                EXPECT_NEAR(left, 1.0, 1e-12) << where;
                EXPECT_NEAR(right, 0.0, 1e-12) << where;
            } else if (degrees < 0) {
                EXPECT_NEAR(left, 0.0, 1e-12) << where;
                EXPECT_NEAR(right, 1.0, 1e-12) << where;
            } else {
                EXPECT_NEAR(left, right, 1e-12) << where;
                EXPECT_GT(left, 0.25) << where;
            }
        }
    }
}

TEST(ChannelMixDown, CountsAtAndBeyondItsEdges)
{
    std::vector<double> gains{0.5};
    EXPECT_TRUE(channelMixDown({speaker(kSL), speaker(kSR)}, 2, gains)) << "a pair as it is";
    EXPECT_TRUE(gains.empty());
    EXPECT_TRUE(channelMixDown({speaker(kLFE)}, 1, gains)) << "mono as it is";
    EXPECT_TRUE(gains.empty());
    ASSERT_TRUE(channelMixDown({speaker(kFL)}, 2, gains)) << "a mono stretch of a stereo stream";
    EXPECT_EQ(gains, (std::vector<double>{1.0, 1.0}));
    ASSERT_TRUE(channelMixDown({speaker(kSL), speaker(kSR)}, 1, gains)) << "a stereo stretch of a mono stream";
    EXPECT_EQ(gains, (std::vector<double>{0.5, 0.5}));
    EXPECT_TRUE(channelMixDown(std::vector<ChannelPlace>(kMaxMixChannels, kUnknown), 2, gains));
    EXPECT_FALSE(channelMixDown(std::vector<ChannelPlace>(kMaxMixChannels + 1, kUnknown), 2, gains));
    EXPECT_FALSE(channelMixDown({}, 2, gains));
}

} // namespace
