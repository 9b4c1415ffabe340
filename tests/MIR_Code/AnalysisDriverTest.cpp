// The analysis driver: frame geometry, the beat grid over the whole
// recording, and whole runs that check how the stages' outputs end up in
// the record.
#include "MIRtoolbox.h"
#include "RowName.h"
#include "SyntheticSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(BeatGrid, PositionsAreFrameCentresWithAFirstBeatOnFrameZeroAtZero)
{
    // Frames 30, 70, 110 tracked, two added after them, at hop 512.
    EXPECT_EQ(MIRtoolbox::beatPositions({30, 70, 110, 150, 190}, 512),
              (std::vector<float>{15872, 36352, 56832, 77312, 97792}));
    EXPECT_EQ(MIRtoolbox::beatPositions({0, 40, 80}, 512), (std::vector<float>{0, 20992, 41472}));
    EXPECT_TRUE(MIRtoolbox::beatPositions({}, 512).empty());
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

    // The ranked list: the four chords, then empty entries only.
    const std::set<std::string> expected = {"C", "G", "Am", "F"};
    EXPECT_EQ(std::set<std::string>(m.chordVecDetected.begin(), m.chordVecDetected.begin() + 4), expected);
    for (size_t i = 4; i < m.chordVecDetected.size(); ++i)
        EXPECT_EQ(m.chordVecDetected[i], "") << i;
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
