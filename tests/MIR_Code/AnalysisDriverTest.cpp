// The analysis driver: frame geometry, the beat grid over the whole
// recording, and whole runs that check how the stages' outputs end up in
// the record.
#include "MIRtoolbox.h"
#include "RowName.h"
#include "SyntheticSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// --- Frame geometry -----------------------------------------------------------

struct GeometryCase
{
    int sampleRate;
    int sampleCount;
    int frameLength;
    int hop;
    int frames;
};

class FrameGeometry : public ::testing::TestWithParam<GeometryCase>
{
};

TEST_P(FrameGeometry, CountsTheWholeFramesInsideTheRecording)
{
    const GeometryCase& c = GetParam();
    const MIRtoolbox::FrameGeometry g = MIRtoolbox::frameGeometry(c.sampleRate, c.sampleCount);
    EXPECT_EQ(g.frameLength, c.frameLength);
    EXPECT_EQ(g.hop, c.hop);
    EXPECT_EQ(g.frames, c.frames);
    // The last frame ends inside the recording; one more would not.
    const long long lastEnd = (long long)(g.frames - 1) * g.hop + g.frameLength;
    if (g.frames > 0) {
        EXPECT_LE(lastEnd, c.sampleCount);
    }
    EXPECT_GT(lastEnd + g.hop, c.sampleCount);
}

INSTANTIATE_TEST_SUITE_P(
    SampleRates, FrameGeometry,
    ::testing::Values(GeometryCase{29999, 100000, 512, 256, 389}, GeometryCase{30000, 100000, 1024, 512, 194},
                      GeometryCase{80000, 100000, 1024, 512, 194}, GeometryCase{80001, 100000, 2048, 1024, 96},
                      GeometryCase{44100, 441000, 1024, 512, 860},
                      // exactly one frame, and one sample short of it
                      GeometryCase{22050, 512, 512, 256, 1}, GeometryCase{44100, 1024, 1024, 512, 1},
                      GeometryCase{96000, 2048, 2048, 1024, 1}, GeometryCase{44100, 1023, 1024, 512, 0},
                      GeometryCase{44100, 1535, 1024, 512, 1}, GeometryCase{44100, 1536, 1024, 512, 2},
                      // 12.7 minutes: computed in float, (n - N) / H rounds up to 65600 and
                      // the last frame would end one sample past the recording
                      GeometryCase{44100, 512 * 65600 + 1023, 1024, 512, 65600}));

TEST(FrameGeometry, SmoothingWidthAndChordPeriodFollowTheSampleRate)
{
    const struct
    {
        int sampleRate;
        int width;
    } widths[] = {{22050, 32}, {44100, 32}, {88200, 32}, {48000, 35}, {96000, 35}, {32000, 23}};
    for (const auto& w : widths) {
        const int hop = MIRtoolbox::frameGeometry(w.sampleRate, 0).hop;
        EXPECT_EQ(MIRtoolbox::smoothingLength(w.sampleRate, hop), w.width) << w.sampleRate << " Hz";
    }
    EXPECT_EQ(MIRtoolbox::beatPeriodFrames(120.0f, 44100, 512), 43);
    // A tempo the stage never returns still gives a usable period.
    EXPECT_EQ(MIRtoolbox::beatPeriodFrames(0.0f, 44100, 512), 1000000000);
    EXPECT_EQ(MIRtoolbox::beatPeriodFrames(-1.0f, 44100, 512), 1);
}

// --- Beat grid ----------------------------------------------------------------

struct GridCase
{
    const char* name;
    std::vector<int> tracked;
    int period;
    int frames;
    std::vector<int> expectedTracked;
    int pre;
    int post;
    std::vector<int> grid;
};

class BeatGrid : public ::testing::TestWithParam<GridCase>
{
};

TEST_P(BeatGrid, ExtendsTheTrackedBeatsOverTheRecording)
{
    const GridCase& c = GetParam();
    const MIRtoolbox::BeatGrid g = MIRtoolbox::beatGrid(c.tracked, c.period, c.frames);
    EXPECT_EQ(g.tracked, c.expectedTracked);
    EXPECT_EQ(g.pre, c.pre);
    EXPECT_EQ(g.post, c.post);
    EXPECT_EQ(g.frames, c.grid);
    EXPECT_EQ(g.frames.size(), size_t(g.pre) + g.tracked.size() + size_t(g.post));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BeatGrid,
    ::testing::Values(
        GridCase{"BeatsAfterTheLast", {30, 70, 110}, 40, 200, {30, 70, 110}, 0, 2, {30, 70, 110, 150, 190}},
        GridCase{"BeatsBeforeTheFirst", {90, 130}, 40, 200, {90, 130}, 2, 1, {10, 50, 90, 130, 170}},
        GridCase{"FirstBeatAtZero", {0, 40}, 40, 100, {0, 40}, 0, 1, {0, 40, 80}},
        GridCase{"LastAddedBeatMayFallOnTheFrameCount", {0, 40}, 40, 120, {0, 40}, 0, 2, {0, 40, 80, 120}},
        // The tracker's promise of two beats, broken: the driver stands alone.
        GridCase{"NoTrackedBeat", {}, 40, 200, {0, 40, 80, 120, 160}, 0, 1, {0, 40, 80, 120, 160, 200}},
        GridCase{"OneTrackedBeat", {50}, 40, 200, {10, 50, 90, 130, 170}, 0, 0, {10, 50, 90, 130, 170}},
        GridCase{"OneBeatAndAPeriodLongerThanTheRecording", {3}, 40, 10, {0, 9}, 0, 0, {0, 9}},
        GridCase{"OneFrame", {}, 43, 1, {0, 1}, 0, 0, {0, 1}},
        GridCase{"BeatsOutsideOrOutOfOrderAreDropped",
                 {-3, 5, 5, 45, 300, 20},
                 40,
                 200,
                 {5, 45},
                 0,
                 3,
                 {5, 45, 85, 125, 165}},
        GridCase{"PeriodBelowOneFrameCountsAsOne", {2, 4}, 0, 6, {2, 4}, 2, 2, {0, 1, 2, 4, 5, 6}}),
    RowName());

TEST(BeatGrid, AddedBeatsKeepThePeriodFromTheFirstAndLastAttack)
{
    // Frames 30, 70, 110 tracked, two added after them, at hop 512.
    const MIRtoolbox::BeatGrid after = MIRtoolbox::beatGrid({30, 70, 110}, 40, 200);
    EXPECT_EQ(MIRtoolbox::beatPositions(after, {15000, 35700, 56100}, 512),
              (std::vector<float>{15000, 35700, 56100, 76580, 97060}));
    // Two added before frame 90; the first would fall before the start.
    const MIRtoolbox::BeatGrid before = MIRtoolbox::beatGrid({90, 130}, 40, 200);
    EXPECT_EQ(MIRtoolbox::beatPositions(before, {40000, 66000}, 512),
              (std::vector<float>{0, 19520, 40000, 66000, 86480}));
    EXPECT_TRUE(MIRtoolbox::beatPositions(after, {}, 512).empty());
}

// --- Beats on their attacks ------------------------------------------------------

enum class Hit { Click, LongNoise, Tone };

struct AttackCase
{
    const char* name;
    int sampleRate;
    Hit hit;
    int framesLate; // how many frames the tracked one lies after the attack's
};

class AttackPositions : public ::testing::TestWithParam<AttackCase>
{
};

// Hits every 0.6 s at awkward offsets; the tracked frame of each is where
// the stages could have put it: the frame whose first hop holds the attack,
// or up to the smoothing's three frames later. The beat is the attack
// itself, within a block of the search (an eighth of a hop).
TEST_P(AttackPositions, FindTheAttackOnItsFrameOrUpToThreeLate)
{
    const AttackCase& c = GetParam();
    const int hop = MIRtoolbox::frameGeometry(c.sampleRate, 0).hop;
    const int frames = 5 * c.sampleRate;
    std::vector<float> x(size_t(frames), 0.0f);
    std::vector<int> attacks;
    for (int a = c.sampleRate / 3 + 37; a + c.sampleRate / 2 < frames; a += c.sampleRate * 3 / 5 + 101)
        attacks.push_back(a);
    switch (c.hit) {
    case Hit::Click:
        synth::addNoiseBursts(x, attacks, c.sampleRate, 0.5f, 3);
        break;
    case Hit::LongNoise: {
        const std::vector<float> noise = synth::whiteNoise(frames, 0.5f, 4);
        for (const int a : attacks)
            for (int i = 0; i < c.sampleRate / 2 && a + i < frames; ++i)
                x[size_t(a + i)] += noise[size_t(a + i)] * std::exp(-float(i) / (0.2f * float(c.sampleRate)));
        break;
    }
    case Hit::Tone:
        for (const int a : attacks)
            synth::addHarmonicTone(x, c.sampleRate, 220.0, 0.4, size_t(a), size_t(a + c.sampleRate / 2));
        break;
    }
    std::vector<int> tracked;
    for (const int a : attacks)
        tracked.push_back(a / hop + c.framesLate);

    const std::vector<float> beats = MIRtoolbox::attackPositions(tracked, x.data(), frames, hop);
    ASSERT_EQ(beats.size(), attacks.size());
    for (size_t i = 0; i < attacks.size(); ++i)
        EXPECT_NEAR(beats[i], float(attacks[i]), float(hop / 8)) << "attack " << i;
}

INSTANTIATE_TEST_SUITE_P(Table, AttackPositions,
                         ::testing::Values(AttackCase{"Click44k", 44100, Hit::Click, 0},
                                           AttackCase{"ClickTwoLate44k", 44100, Hit::Click, 2},
                                           AttackCase{"LongNoiseThreeLate44k", 44100, Hit::LongNoise, 3},
                                           AttackCase{"ToneOneLate48k", 48000, Hit::Tone, 1},
                                           AttackCase{"ClickThreeLate22k", 22050, Hit::Click, 3},
                                           AttackCase{"LongNoiseTwoLate96k", 96000, Hit::LongNoise, 2},
                                           AttackCase{"ToneOnItsFrame96k", 96000, Hit::Tone, 0}),
                         RowName());

TEST(AttackPositions, NothingRisingKeepsTheFrameStartAndPositionsIncrease)
{
    const int hop = 512;
    const std::vector<float> silence(100000, 0.0f);
    EXPECT_EQ(MIRtoolbox::attackPositions({10, 50, 90}, silence.data(), int(silence.size()), hop),
              (std::vector<float>{5120, 25600, 46080}));

    // Frames one apart, with a click between each pair: every search keeps
    // to its half of the way, so no two beats swap or meet.
    std::vector<float> clicks(100000, 0.0f);
    synth::addNoiseBursts(clicks, {10 * hop + 300, 11 * hop + 100, 12 * hop + 400}, 44100, 0.5f, 5);
    const std::vector<float> close = MIRtoolbox::attackPositions({10, 11, 12}, clicks.data(), 100000, hop);
    ASSERT_EQ(close.size(), 3u);
    EXPECT_LT(close[0], close[1]);
    EXPECT_LT(close[1], close[2]);
    // Nothing to search outside the recording.
    EXPECT_EQ(MIRtoolbox::attackPositions({0}, clicks.data(), 0, hop), (std::vector<float>{0}));
}

// --- Whole runs -----------------------------------------------------------------

bool isVocabularyName(const std::string& name)
{
    static const std::set<std::string> roots = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
    static const std::set<std::string> suffixes = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};
    const size_t rootLength = name.size() >= 2 && (name[1] == '#' || name[1] == 'b') ? 2 : 1;
    return roots.count(name.substr(0, rootLength)) != 0
        && suffixes.count(name.substr(std::min(rootLength, name.size()))) != 0;
}

// The record's own invariants, whatever the input.
void expectConsistentRecord(const metadata& m, int sampleRate, int sampleCount)
{
    // The last grid beat is at most one frame count of hops on: the end of
    // the recording, or of the one frame a shorter one is padded to.
    const int frameLength = MIRtoolbox::frameGeometry(sampleRate, 0).frameLength;
    ASSERT_GE(m.beats.size(), 2u);
    EXPECT_EQ(m.beats.size(), m.chordVec.size());
    EXPECT_EQ(m.chordVecDetected.size(), 84u);
    EXPECT_GE(m.beats.front(), 0.0f);
    for (size_t i = 1; i < m.beats.size(); ++i)
        EXPECT_GT(m.beats[i], m.beats[i - 1]) << "beat " << i;
    EXPECT_LE(m.beats.back(), float(std::max(sampleCount, frameLength)));
    EXPECT_TRUE(std::isfinite(m.tempo));
    EXPECT_GT(m.tempo, 0.0f);
}

// 14 s at 22.05 kHz: 3 s of silence, four bars of C, G, Am, F at 120 BPM
// with a click on every beat, 3 s of silence. The length is a whole number
// of hops past one frame, so the last frame ends on the last sample
// (AddressSanitizer sees any read beyond).
struct Song
{
    static constexpr int sampleRate = 22050;
    static constexpr int beatSamples = 11025;
    static constexpr int musicStart = 3 * sampleRate;
    static constexpr int beatCount = 16;
    static constexpr int musicEnd = musicStart + beatCount * beatSamples;
    static constexpr int sampleCount = 512 + 256 * 1203;
    static const char* chordAt(int sample)
    {
        static const char* const names[] = {"C", "G", "Am", "F"};
        return names[(sample - musicStart) / (4 * beatSamples)];
    }

    std::vector<float> samples = make();

    static std::vector<float> make()
    {
        std::vector<float> x(size_t(sampleCount), 0.0f);
        const int roots[] = {0, 7, 9, 5};
        const char* const suffixes[] = {"", "", "m", ""};
        for (int bar = 0; bar < 4; ++bar) {
            const size_t first = size_t(musicStart + bar * 4 * beatSamples);
            synth::addChord(x, sampleRate, roots[bar], suffixes[bar], 0.0, first, first + 4 * beatSamples);
        }
        std::vector<int> clicks;
        for (int b = 0; b < beatCount; ++b)
            clicks.push_back(musicStart + b * beatSamples);
        synth::addNoiseBursts(x, clicks, sampleRate, 0.3f, 12345);
        return x;
    }
};

TEST(AnalysisDriver, NamesTheTrackedBeatsAndMarksTheGridBeatsAroundThem)
{
    Song song;
    float* signal = song.samples.data();
    const metadata m = MIRtoolbox::mainCall(signal, Song::sampleRate, Song::sampleCount);
    EXPECT_EQ(signal, song.samples.data());
    expectConsistentRecord(m, Song::sampleRate, Song::sampleCount);
    // Within one lag of 43.07 frames at hop 256: 117.4 to 123.05 BPM.
    EXPECT_NEAR(m.tempo, 120.0f, 3.1f);

    // The silence around the music is grid, not tracked: "X" there, and a
    // chord of the vocabulary on every tracked beat in between.
    const auto firstNamed =
        std::find_if(m.chordVec.begin(), m.chordVec.end(), [](const std::string& c) { return c != "X"; });
    const auto lastNamed =
        std::find_if(m.chordVec.rbegin(), m.chordVec.rend(), [](const std::string& c) { return c != "X"; });
    ASSERT_NE(firstNamed, m.chordVec.end());
    EXPECT_GT(firstNamed - m.chordVec.begin(), 0);
    EXPECT_GT(lastNamed - m.chordVec.rbegin(), 0);
    for (auto it = firstNamed; it != lastNamed.base(); ++it)
        EXPECT_TRUE(isVocabularyName(*it)) << *it;

    // Each beat in the middle of a bar names that bar's chord: the names sit
    // on their own beats, not shifted by the beats added before.
    int checked = 0;
    for (size_t i = 0; i + 1 < m.beats.size(); ++i) {
        const int middle = int((m.beats[i] + m.beats[i + 1]) / 2.0f);
        const int inBar = (middle - Song::musicStart) % (4 * Song::beatSamples);
        if (middle < Song::musicStart || middle >= Song::musicEnd || inBar < Song::beatSamples
            || inBar > 3 * Song::beatSamples)
            continue;
        EXPECT_EQ(m.chordVec[i], Song::chordAt(middle)) << "beat " << i << " at " << m.beats[i];
        ++checked;
    }
    EXPECT_GE(checked, 8);

    // Every named beat among the clicks lies on its click: at most a block
    // of the attack search late (32 samples at this rate), and early by no
    // more than the span its rise is measured over (half a hop, 128), where
    // a click shorter than that looks the same. The frames the beats were
    // tracked on lay up to a couple of frames later.
    for (size_t i = 0; i < m.beats.size(); ++i) {
        const int fromStart = int(m.beats[i]) - Song::musicStart;
        if (m.chordVec[i] == "X" || fromStart < -Song::beatSamples / 2
            || fromStart > (Song::beatCount - 1) * Song::beatSamples + Song::beatSamples / 2)
            continue;
        const int offset = fromStart - Song::beatSamples * int(std::lround(double(fromStart) / Song::beatSamples));
        EXPECT_GE(offset, -128) << "beat " << i << " at " << m.beats[i];
        EXPECT_LE(offset, 32) << "beat " << i << " at " << m.beats[i];
    }
}

struct ShortCase
{
    const char* name;
    int sampleRate;
    int sampleCount;
};

class TinyRecording : public ::testing::TestWithParam<ShortCase>
{
};

// Below what the decoder accepts, but the driver must not depend on it: at
// most one frame, so the tracker has nothing to give two beats from.
TEST_P(TinyRecording, StillGivesACompleteRecord)
{
    const ShortCase& c = GetParam();
    std::vector<float> x(size_t(c.sampleCount), 0.0f);
    synth::addChord(x, c.sampleRate, 0, "", 0.0, 0, x.size());
    float* signal = x.empty() ? nullptr : x.data();
    const metadata m = MIRtoolbox::mainCall(signal, c.sampleRate, c.sampleCount);
    expectConsistentRecord(m, c.sampleRate, c.sampleCount);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TinyRecording,
                         ::testing::Values(ShortCase{"OneFrame44k", 44100, 1024},
                                           ShortCase{"OneFrame22k", 22050, 512},
                                           ShortCase{"OneFrame96k", 96000, 2048},
                                           ShortCase{"LessThanAFrame", 44100, 700}, ShortCase{"Empty", 44100, 0},
                                           ShortCase{"TwoFrames", 44100, 1536}),
                         RowName());

TEST(AnalysisDriver, NoSampleRateGivesNoBeats)
{
    std::vector<float> x(4096, 0.0f);
    float* signal = x.data();
    const metadata m = MIRtoolbox::mainCall(signal, 0, int(x.size()));
    EXPECT_TRUE(m.beats.empty());
    EXPECT_TRUE(m.chordVec.empty());
    EXPECT_EQ(m.chordVecDetected.size(), 84u);
}

} // namespace
