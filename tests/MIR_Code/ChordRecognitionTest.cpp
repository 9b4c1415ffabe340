#include "DSP.h"
#include "SyntheticSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using synth::addChord;

// 120 BPM at 44.1 kHz with an onset hop of 512: 43 frames (22016 samples)
// per beat, 18 chord frames per beat.
constexpr int sampleRate = 44100;
constexpr int hop = 512;
constexpr int beatPeriod = 43;
constexpr int firstBeat = 20; // frames

struct Recognised
{
    std::vector<std::string> programmed;
    std::vector<std::string> names;
    std::vector<std::string> ranked;
    std::vector<float> voteShare;
    std::vector<std::vector<float>> beatChroma;
};

Recognised recognise(const std::vector<float>& x, int sr, const std::vector<int>& beats, int onsetHop, int period,
                     int beatsPerBar, const std::vector<std::vector<int>>* selected = nullptr)
{
    const size_t count = beats.size();
    Recognised r;
    r.beatChroma.assign(12, std::vector<float>(count, 0.0f));
    std::vector<float*> rows;
    for (auto& row : r.beatChroma)
        rows.push_back(row.data());
    std::vector<std::vector<std::string>> names(2, std::vector<std::string>(count));
    std::vector<std::vector<std::string>> ranked(2, std::vector<std::string>(84));
    r.voteShare.assign(count, 0.0f);
    const std::vector<std::vector<int>> zeros(12, std::vector<int>(7, 0));

    DSP().getChords(rows.data(), beats.data(), x.data(), sr, int(x.size()), int(count), onsetHop,
                    selected ? *selected : zeros, names, ranked, period, selected != nullptr, r.voteShare,
                    beatsPerBar);
    r.programmed = names[0];
    r.names = names[1];
    r.ranked = ranked[1];
    return r;
}

std::vector<int> steadyBeats(int count, int period = beatPeriod, int first = firstBeat)
{
    std::vector<int> beats;
    for (int b = 0; b < count; ++b)
        beats.push_back(first + b * period);
    return beats;
}

size_t samplePosition(int beatFrame, int onsetHop = hop)
{
    return size_t(beatFrame) * size_t(onsetHop);
}

struct ChordName
{
    int root;
    std::string suffix;
    std::string name;
};

// One chord per entry of `chords`, each held for `beatsPerChord` beats.
std::vector<float> progressionSignal(const std::vector<ChordName>& chords, const std::vector<int>& beats,
                                     int beatsPerChord, double cents, int sr = sampleRate, int onsetHop = hop,
                                     bool clicks = true)
{
    const size_t beatLength = samplePosition(beats[1], onsetHop) - samplePosition(beats[0], onsetHop);
    std::vector<float> x(samplePosition(beats.back(), onsetHop) + beatLength + 4096, 0.0f);
    for (size_t b = 0; b < beats.size(); ++b) {
        const ChordName& c = chords[(b / size_t(beatsPerChord)) % chords.size()];
        const size_t first = b == 0 ? 0 : samplePosition(beats[b], onsetHop);
        const size_t last = b + 1 < beats.size() ? samplePosition(beats[b + 1], onsetHop) : x.size();
        addChord(x, sr, c.root, c.suffix, cents, first, last);
    }
    if (clicks) {
        std::vector<int> positions;
        for (int beat : beats)
            positions.push_back(int(samplePosition(beat, onsetHop)));
        synth::addNoiseBursts(x, positions, sr, 0.3f, 12345);
    }
    return x;
}

std::vector<std::string> expectedNames(const std::vector<ChordName>& chords, size_t beats, int beatsPerChord)
{
    std::vector<std::string> names;
    for (size_t b = 0; b < beats; ++b)
        names.push_back(chords[(b / size_t(beatsPerChord)) % chords.size()].name);
    return names;
}

class SteadyChord : public ::testing::TestWithParam<ChordName>
{
};

TEST_P(SteadyChord, NamesEveryBeat)
{
    const ChordName& c = GetParam();
    const std::vector<int> beats = steadyBeats(8);
    const Recognised r = recognise(progressionSignal({c}, beats, 8, 0.0), sampleRate, beats, hop, beatPeriod, 4);

    EXPECT_EQ(r.names, expectedNames({c}, beats.size(), 8));
    EXPECT_EQ(r.programmed, r.names);
    EXPECT_EQ(r.ranked[0], c.name);
    EXPECT_EQ(r.ranked[1], "");
    for (size_t b = 0; b < beats.size(); ++b) {
        float peak = 0.0f;
        for (const auto& row : r.beatChroma)
            peak = std::max(peak, row[b]);
        EXPECT_EQ(peak, 1.0f) << "beat chroma scaled to a maximum of 1, beat " << b;
        EXPECT_GE(r.voteShare[b], 0.0f);
        EXPECT_LE(r.voteShare[b], 13.0f / 18.0f); // at most 13 of 18 frames vote
    }
    EXPECT_EQ(r.voteShare.back(), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Chords, SteadyChord,
                         ::testing::Values(ChordName{0, "", "C"}, ChordName{9, "m", "Am"}, ChordName{7, "7", "G7"},
                                           ChordName{6, "m", "F#m"}, ChordName{10, "", "Bb"},
                                           ChordName{4, "7", "E7"}, ChordName{3, "", "D#"},
                                           ChordName{2, "m", "Dm"}));

struct ProgressionCase
{
    const char* what;
    int beatsPerBar;
    int beatsPerChord;
    int beatCount;
    std::vector<ChordName> chords;
};

class ChordProgression : public ::testing::TestWithParam<ProgressionCase>
{
};

TEST_P(ChordProgression, ChangesOnTheRightBeats)
{
    const ProgressionCase& c = GetParam();
    const std::vector<int> beats = steadyBeats(c.beatCount);
    const Recognised r = recognise(progressionSignal(c.chords, beats, c.beatsPerChord, 0.0), sampleRate, beats,
                                   hop, beatPeriod, c.beatsPerBar);
    EXPECT_EQ(r.names, expectedNames(c.chords, beats.size(), c.beatsPerChord)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Progressions, ChordProgression,
    ::testing::Values(
        ProgressionCase{"four-beat bars", 4, 4, 16, {{0, "", "C"}, {9, "m", "Am"}, {5, "", "F"}, {7, "7", "G7"}}},
        ProgressionCase{
            "three-beat bars", 3, 3, 12, {{2, "", "D"}, {11, "m", "Bm"}, {7, "", "G"}, {9, "7", "A7"}}},
        ProgressionCase{
            "two beats per chord", 4, 2, 16, {{4, "m", "Em"}, {0, "", "C"}, {7, "", "G"}, {2, "", "D"}}}));

class DetunedChord : public ::testing::TestWithParam<double>
{
};

TEST_P(DetunedChord, StillNamesTheChord)
{
    const double cents = GetParam();
    const std::vector<int> beats = steadyBeats(8);
    const std::vector<ChordName> chords = {{9, "m", "Am"}, {0, "", "C"}};
    const Recognised r =
        recognise(progressionSignal(chords, beats, 4, cents), sampleRate, beats, hop, beatPeriod, 4);
    EXPECT_EQ(r.names, expectedNames(chords, beats.size(), 4)) << cents << " cents";
}

INSTANTIATE_TEST_SUITE_P(Cents, DetunedChord, ::testing::Values(-40.0, -20.0, 15.0, 30.0, 45.0));

TEST(ChordRecognition, SingleFramePerBeatStillVotes)
{
    // 11025 Hz, onset hop 256, 18 frames per beat: 4608 samples per beat
    // leave room for one 4096-sample chord frame only
    const int sr = 11025;
    const int onsetHop = 256;
    const int period = 18;
    const std::vector<int> beats = steadyBeats(12, period, 10);
    const ChordName am{9, "m", "Am"};
    const Recognised r =
        recognise(progressionSignal({am}, beats, 12, 0.0, sr, onsetHop), sr, beats, onsetHop, period, 4);
    EXPECT_EQ(r.names, expectedNames({am}, beats.size(), 12));
    for (float share : r.voteShare)
        EXPECT_LE(share, 1.0f);
}

TEST(ChordRecognition, KeptSelectionLimitsTheChords)
{
    // Only C major and A minor seventh may be named: the A minor triad of the
    // signal comes out as its nearest allowed chord.
    std::vector<std::vector<int>> selection(12, std::vector<int>(7, 0));
    selection[0][0] = 1;
    selection[9][6] = 1;
    const std::vector<int> beats = steadyBeats(8);
    const std::vector<ChordName> chords = {{9, "m", "Am"}, {0, "", "C"}};
    const Recognised r =
        recognise(progressionSignal(chords, beats, 4, 0.0), sampleRate, beats, hop, beatPeriod, 4, &selection);
    EXPECT_EQ(r.names, expectedNames({{9, "m7", "Am7"}, {0, "", "C"}}, beats.size(), 4));
}

TEST(ChordRecognition, FramesPastTheSignalEndsReadSilence)
{
    // The second beat lies 512 samples in, so its boundary frame starts
    // before sample 0; the last beats are shorter than the nominal beat, so
    // the frames of the last but one run past the end.
    const std::vector<int> beats = {0, 1, 43, 86, 129, 140};
    std::vector<float> x(samplePosition(140) + 3500, 0.0f);
    addChord(x, sampleRate, 0, "", 0.0, 0, x.size());
    const Recognised r = recognise(x, sampleRate, beats, hop, beatPeriod, 4);
    EXPECT_EQ(r.names, std::vector<std::string>(beats.size(), "C"));
}

TEST(ChordRecognition, ImplausibleBeatPeriodIsHeldToTheSignal)
{
    // a period of hours: the frames per beat are limited to what the signal holds
    const std::vector<int> beats = {0, 20, 40};
    std::vector<float> x(samplePosition(60), 0.0f);
    addChord(x, sampleRate, 9, "m", 0.0, 0, x.size());
    const Recognised r = recognise(x, sampleRate, beats, hop, 1 << 24, 4);
    EXPECT_EQ(r.names, std::vector<std::string>(beats.size(), "Am"));
}

TEST(ChordRecognition, FewerThanTwoBeatsLeaveTheOutputs)
{
    std::vector<float> x(30000, 0.1f);
    std::vector<float> chroma(1, 0.0f);
    float* rows[12];
    for (float*& row : rows)
        row = chroma.data();
    const int beats[] = {10};
    std::vector<std::vector<std::string>> names(2, std::vector<std::string>(1, "untouched"));
    std::vector<std::vector<std::string>> ranked(2, std::vector<std::string>(84, "untouched"));
    std::vector<float> voteShare(1, 0.5f);
    DSP().getChords(rows, beats, x.data(), sampleRate, int(x.size()), 1, hop, {}, names, ranked, beatPeriod, false,
                    voteShare, 4);
    EXPECT_EQ(names[1][0], "untouched");
    EXPECT_EQ(ranked[1][0], "untouched");
    EXPECT_EQ(voteShare[0], 0.5f);
}

} // namespace
