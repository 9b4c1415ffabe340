// The output streams' sample-rate converter against ideal sines.
#include "Resampler.h"

#include "AudioFixtures.h"

#include <gtest/gtest.h>

namespace {

// Hands out interleaved frames in uneven pieces, as a queue would.
struct VectorSource
{
    const std::vector<float>& x;
    size_t pos = 0;
    int pull(float* dst, int maxFrames)
    {
        const int n = static_cast<int>(std::min<size_t>(static_cast<size_t>(maxFrames), x.size() / 2 - pos));
        std::copy(x.begin() + static_cast<long>(2 * pos), x.begin() + static_cast<long>(2 * (pos + n)), dst);
        pos += static_cast<size_t>(n);
        return n;
    }
};

struct RateCase
{
    int inHz;
    int outHz;
};

std::ostream& operator<<(std::ostream& os, const RateCase& c)
{
    return os << c.inHz << "_to_" << c.outHz;
}

class ResamplerRates : public ::testing::TestWithParam<RateCase>
{
};

// A tone comes out at the same frequency and level, on the output's clock,
// and with no delay; left and right stay separate.
TEST_P(ResamplerRates, KeepsTonesInTimeAndLevel)
{
    const RateCase c = GetParam();
    const std::int64_t inFrames = c.inHz / 2;
    const auto input = fixtures::sines(c.inHz, 2, inFrames, 1000.0, 3000.0, 0.5f);
    Resampler r;
    r.configure(c.inHz, c.outHz);
    VectorSource source{input};
    std::vector<float> out(2 * static_cast<size_t>(c.outHz), 0.0f);
    int produced = 0;
    for (int block : {1, 7, 300, 1000, 64}) {
        produced += r.process(source, out.data() + 2 * produced, block);
    }
    while (true) {
        const int got = r.process(source, out.data() + 2 * produced, 512);
        produced += got;
        if (got < 512)
            break;
    }
    // The last halfWidth input frames wait for input that never comes.
    const double expected = static_cast<double>(inFrames) * c.outHz / c.inHz;
    EXPECT_NEAR(produced, expected, r.halfWidthFrames() * c.outHz / c.inHz + 2);

    const auto ideal = fixtures::sines(c.outHz, 2, produced, 1000.0, 3000.0, 0.5f);
    double worst = 0;
    const int lead = static_cast<int>(r.halfWidthFrames() * c.outHz / c.inHz) + 1;
    for (int i = 2 * lead; i < 2 * produced; ++i)
        worst = std::max(
            worst, static_cast<double>(std::fabs(out[static_cast<size_t>(i)] - ideal[static_cast<size_t>(i)])));
    // Passband ripple of the Kaiser window and the table interpolation stay
    // below -60 dB of full scale.
    EXPECT_LT(worst, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Rates, ResamplerRates,
                         ::testing::Values(RateCase{48000, 44100}, RateCase{44100, 48000}, RateCase{22050, 44100},
                                           RateCase{96000, 44100}, RateCase{44100, 44100}));

// Reducing the rate filters out what the lower rate cannot hold instead of
// folding it back into the audible band.
TEST(Resampler, SuppressesWhatWouldAlias)
{
    const auto input = fixtures::sines(96000, 2, 48000, 30000.0, 30000.0, 0.5f);
    Resampler r;
    r.configure(96000, 44100);
    VectorSource source{input};
    std::vector<float> out(2 * 22050, 0.0f);
    const int produced = r.process(source, out.data(), 22050);
    ASSERT_GT(produced, 20000);
    // 30 kHz would fold to 14.1 kHz; at least 60 dB down.
    EXPECT_LT(fixtures::toneLevel(out.data() + 2000, 2 * (produced - 2000), 2, 44100 - 30000.0, 44100), 0.5e-3);
}

TEST(Resampler, ResetForgetsEarlierInput)
{
    const auto loud = fixtures::sines(48000, 2, 4800, 1000.0, 1000.0, 0.9f);
    const std::vector<float> silence(2 * 4800, 0.0f);
    Resampler r;
    r.configure(48000, 44100);
    VectorSource first{loud};
    std::vector<float> out(2 * 4000, 0.0f);
    r.process(first, out.data(), 1000); // leaves loud frames in the history
    r.reset();
    VectorSource second{silence};
    std::fill(out.begin(), out.end(), 0.0f);
    const int produced = r.process(second, out.data(), 4000);
    ASSERT_GT(produced, 4000 - 50);
    for (int i = 0; i < 2 * produced; ++i)
        ASSERT_EQ(out[static_cast<size_t>(i)], 0.0f) << i;
}

} // namespace
