#include "DSP.h"
#include "SyntheticSignals.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

using Notegram = std::vector<std::vector<float>>;
using synth::addSine;

constexpr int sampleRate = 44100;

std::vector<DSP::ChordFrame> contiguousFrames(int first, int count)
{
    std::vector<DSP::ChordFrame> frames;
    for (int k = 0; k < count; ++k)
        frames.push_back({first + k * 1024, 0});
    return frames;
}

Notegram notegramOf(const std::vector<float>& x, const std::vector<DSP::ChordFrame>& frames, int sr = sampleRate)
{
    Notegram notegram(84, std::vector<float>(frames.size(), 0.0f));
    DSP().chromagram_IF(x.data(), int(x.size()), sr, notegram, int(frames.size()), 4096, 1024, 60, 120, 400, 800,
                        frames);
    return notegram;
}

float rowSum(const Notegram& n, size_t row)
{
    return std::accumulate(n[row].begin(), n[row].end(), 0.0f);
}

float total(const Notegram& n)
{
    float sum = 0.0f;
    for (size_t row = 0; row < n.size(); ++row)
        sum += rowSum(n, row);
    return sum;
}

constexpr int frameCount = 12;
constexpr size_t signalLength = 4096 + (frameCount - 1) * 1024;

std::vector<float> sine(double hz, double amplitude = 0.5)
{
    std::vector<float> x(signalLength, 0.0f);
    addSine(x, sampleRate, hz, amplitude, 0, x.size());
    return x;
}

struct ToneCase
{
    double hz;
    int row; // -1: the tone lies outside the band
};

class ChromagramTones : public ::testing::TestWithParam<ToneCase>
{
};

TEST_P(ChromagramTones, LandOnTheNearestSemitone)
{
    const ToneCase& c = GetParam();
    const Notegram n = notegramOf(sine(c.hz), contiguousFrames(0, frameCount));
    if (c.row < 0) {
        // Window sidelobes far from the tone measure an aliased frequency
        // f + m * sr / hop (43 Hz steps) and may pass the band, some 40 dB down.
        const float inBand = total(notegramOf(sine(250.0), contiguousFrames(0, frameCount)));
        EXPECT_LT(total(n), 0.02f * inBand) << c.hz << " Hz";
        return;
    }
    ASSERT_GT(total(n), 0.0f);
    // the first frame measures its phase against zero, not a real predecessor,
    // so a little of its energy may stray
    EXPECT_GT(rowSum(n, size_t(c.row)), 0.95f * total(n)) << c.hz << " Hz";
    // every frame after the first holds the tone
    for (size_t t = 1; t < size_t(frameCount); ++t)
        EXPECT_GT(n[size_t(c.row)][t], 0.0f) << "frame " << t;
}

INSTANTIATE_TEST_SUITE_P(Cases, ChromagramTones,
                         ::testing::Values(ToneCase{440.0, 57}, // A4
                                           ToneCase{445.0, 57}, // +19.6 cents
                                           ToneCase{453.0, 58}, // +50.4 cents: nearer to A#4
                                           ToneCase{130.81, 36}, ToneCase{196.0, 43}, ToneCase{50.0, -1},
                                           ToneCase{900.0, -1}));

struct BandCase
{
    double hz;
    float weight;
};

class ChromagramBand : public ::testing::TestWithParam<BandCase>
{
};

TEST_P(ChromagramBand, EdgesWeighTheMagnitude)
{
    const BandCase& c = GetParam();
    const float reference = total(notegramOf(sine(250.0), contiguousFrames(0, frameCount)));
    const float weighted = total(notegramOf(sine(c.hz), contiguousFrames(0, frameCount)));
    // the summed magnitude of a partial's bin run varies by a few percent
    // with where the partial falls between bins
    EXPECT_NEAR(weighted / reference, c.weight, 0.05f) << c.hz << " Hz";
}

INSTANTIATE_TEST_SUITE_P(Cases, ChromagramBand,
                         ::testing::Values(BandCase{90.0, 0.5f}, BandCase{600.0, 0.5f}, BandCase{150.0, 1.0f},
                                           BandCase{380.0, 1.0f}, BandCase{700.0, 0.25f}));

TEST(Chromagram, SilenceAddsNothing)
{
    const std::vector<float> x(signalLength, 0.0f);
    const auto frames = contiguousFrames(0, frameCount);
    Notegram n(84, std::vector<float>(frames.size(), 0.25f));
    DSP().chromagram_IF(x.data(), int(x.size()), sampleRate, n, frameCount, 4096, 1024, 60, 120, 400, 800, frames);
    for (const auto& row : n)
        for (float v : row)
            EXPECT_EQ(v, 0.25f);
}

TEST(Chromagram, NoFrameAddsNothing)
{
    const std::vector<float> x = sine(440.0);
    Notegram n(84, std::vector<float>(1, 0.0f));
    DSP().chromagram_IF(x.data(), int(x.size()), sampleRate, n, 0, 4096, 1024, 60, 120, 400, 800, {});
    EXPECT_EQ(total(n), 0.0f);
}

TEST(Chromagram, PeakWithoutNeighbourFramesCountsOnlyAtTheEnds)
{
    // The tone sounds around one pair of frames; the frames before and after
    // are silent, so frame 2's peak has nothing within 3 Hz next to it.
    std::vector<float> x(80000, 0.0f);
    addSine(x, sampleRate, 440.0, 0.5, 10000, 30000);
    const std::vector<DSP::ChordFrame> middle = {{0, 0}, {20000 - 1024, 0}, {20000, 0}, {50000, 0}};
    const std::vector<DSP::ChordFrame> last = {{0, 0}, {20000 - 1024, 0}, {20000, 0}};
    EXPECT_EQ(notegramOf(x, middle)[57][2], 0.0f);
    EXPECT_GT(notegramOf(x, last)[57][2], 0.0f);
}

TEST(Chromagram, FramesPastEitherEndReadSilence)
{
    const std::vector<float> x = sine(330.0);
    const int pad = 6000;
    std::vector<float> padded(size_t(pad), 0.0f);
    padded.insert(padded.end(), x.begin(), x.end());
    padded.insert(padded.end(), size_t(pad), 0.0f);

    // frames starting before sample 0 and running past the last sample
    std::vector<DSP::ChordFrame> frames = contiguousFrames(-1200, 6);
    const auto tail = contiguousFrames(int(x.size()) - 6000, 5);
    frames.insert(frames.end(), tail.begin(), tail.end());
    std::vector<DSP::ChordFrame> shifted = frames;
    for (auto& f : shifted)
        f.start += pad;

    const Notegram direct = notegramOf(x, frames);
    EXPECT_GT(total(direct), 0.0f);
    EXPECT_EQ(direct, notegramOf(padded, shifted));
}

struct HistCase
{
    std::vector<float> values;
    int bins;
    std::vector<int> counts;
    std::vector<float> centres;
};

class Histogram : public ::testing::TestWithParam<HistCase>
{
};

TEST_P(Histogram, CountsAndCentres)
{
    const HistCase& c = GetParam();
    std::vector<int> counts;
    std::vector<float> centres = {-7.0f}; // centres are appended
    DSP().hist(counts, centres, c.values, c.bins);
    EXPECT_EQ(counts, c.counts);
    ASSERT_EQ(centres.size(), c.centres.size() + 1);
    EXPECT_EQ(centres[0], -7.0f);
    for (size_t i = 0; i < c.centres.size(); ++i)
        EXPECT_FLOAT_EQ(centres[i + 1], c.centres[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Histogram,
    ::testing::Values(HistCase{{0.0f, 0.5f, 1.0f}, 4, {1, 0, 1, 1}, {0.125f, 0.375f, 0.625f, 0.875f}},
                      // equal values all land in the last bin
                      HistCase{{0.2f, 0.2f, 0.2f}, 3, {0, 0, 3}, {0.2f, 0.2f, 0.2f}},
                      HistCase{{-0.5f, 0.5f, 0.1f, 0.1f}, 2, {1, 3}, {-0.25f, 0.25f}}));

} // namespace
