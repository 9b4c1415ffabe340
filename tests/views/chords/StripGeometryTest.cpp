// The chord strip's arithmetic without widgets: runs of equal chords, the
// pixel rule, tag spans (also where the model lacks the closing beat), the
// beat under the pointer, the snap of a dragged range end, the shape of a
// highlighted beat and the split of chord names.
#include "StripGeometry.h"
#include "ChordTestSupport.h"
#include "RowName.h"
#include "StripPrint.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <utility>
#include <vector>

namespace {

using namespace chordstrip;

// --- Runs ---------------------------------------------------------------------

struct RunCase
{
    const char* name;
    QVector<QString> chords;
    std::vector<std::pair<int, int>> runs; // (first beat, beat count)
};

class ChordRuns : public ::testing::TestWithParam<RunCase>
{
};

TEST_P(ChordRuns, OneRunPerStretchOfEqualNames)
{
    const RunCase& c = GetParam();
    std::vector<std::pair<int, int>> got;
    for (const chordstrip::Run& run : chordRuns(c.chords))
        got.emplace_back(run.firstBeat, run.beatCount);
    EXPECT_EQ(got, c.runs);
    // The runs tile the sequence: the last one ends at its size.
    if (!got.empty()) {
        EXPECT_EQ(got.back().first + got.back().second, c.chords.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChordRuns,
    ::testing::Values(RunCase{"C_G_C", names({"C", "C", "G", "G", "G", "C"}), {{0, 2}, {2, 3}, {5, 1}}},
                      RunCase{"OneEntry", names({"Am"}), {{0, 1}}}, RunCase{"Empty", {}, {}},
                      // Names compare exactly: "Am" and "am" are two runs.
                      RunCase{"CaseSensitive", names({"Am", "am"}), {{0, 1}, {1, 1}}},
                      RunCase{"IntroAndOutro", names({"-", "-", "E7", "-"}), {{0, 2}, {2, 1}, {3, 1}}}),
    RowName());

// --- Pixels -------------------------------------------------------------------

struct PixelCase
{
    const char* name;
    int frames;
    int width;
    int offset;
    double sample;
    int x;
};

class PixelRule : public ::testing::TestWithParam<PixelCase>
{
};

TEST_P(PixelRule, RoundsTheSamplePositionToTheNearestColumn)
{
    const PixelCase& c = GetParam();
    EXPECT_EQ(PixelScale(c.frames, c.width, c.offset).x(c.sample), c.x);
}

INSTANTIATE_TEST_SUITE_P(Table, PixelRule,
                         ::testing::Values(
                             // 100 samples per pixel.
                             PixelCase{"HalfRoundsUp", 44100, 441, 0, 1050, 11},
                             PixelCase{"BelowHalfRoundsDown", 44100, 441, 0, 1049, 10},
                             // A negative offset moves a sample left, beat 0 left of
                             // the strip.
                             PixelCase{"NegativeOffsetMovesLeft", 44100, 441, -2048, 10000, 80},
                             PixelCase{"BeatZeroLeftOfTheStrip", 44100, 441, -2048, 0, -20},
                             // 2.5 samples per pixel.
                             PixelCase{"FractionalSppDown", 1000, 400, 0, 6, 2},
                             PixelCase{"FractionalSppUp", 1000, 400, 0, 7, 3},
                             // Ten minutes at 44.1 kHz over the deepest zoom's canvas.
                             PixelCase{"TenMinutesMiddle", 26460000, 16204, 0, 13230000, 8102},
                             // A cache this system did not write: clamped, not undefined.
                             PixelCase{"AbsurdPosition", 44100, 441, 0, 1.0e30, 1000000000}),
                         RowName());

struct SpanCase
{
    const char* name;
    QVector<float> beats;
    int firstBeat;
    int beatCount;
    int frames;
    int width;
    int offset;
    std::optional<std::pair<int, int>> span; // (x, width)
};

class TagSpan : public ::testing::TestWithParam<SpanCase>
{
};

TEST_P(TagSpan, CoversTheRunsBeats)
{
    const SpanCase& c = GetParam();
    const auto span = tagSpan(c.beats, c.firstBeat, c.beatCount, c.frames, c.width, c.offset);
    ASSERT_EQ(span.has_value(), c.span.has_value());
    if (span) {
        EXPECT_EQ(std::make_pair(span->x, span->width), *c.span);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TagSpan,
    ::testing::Values(
        SpanCase{"FirstTagStartsLeftOfTheStrip", {0, 10000, 20000}, 0, 1, 44100, 441, -2048, {{-20, 100}}},
        SpanCase{"RunOfTwo", {0, 10000, 20000}, 0, 2, 44100, 441, -2048, {{-20, 200}}},
        SpanCase{"SecondBeatNoOffset", {0, 1000, 2000}, 1, 1, 4000, 400, 0, {{100, 100}}},
        SpanCase{"NarrowStrip", {0, 1000, 2000}, 1, 1, 4000, 4, 0, {{1, 1}}},
        // Without its closing beat the last tag reaches the strip's end.
        SpanCase{"ClosingBeatMissing", {0, 1000, 2000}, 2, 1, 4000, 400, -2048, {{-5, 405}}},
        SpanCase{"FirstBeatOutsideBeats", {0, 1000, 2000}, 3, 1, 4000, 400, 0, std::nullopt},
        SpanCase{"NegativeFirstBeat", {0, 1000, 2000}, -1, 1, 4000, 400, 0, std::nullopt},
        SpanCase{"NoWidth", {0, 1000, 2000}, 0, 1, 4000, 0, 0, std::nullopt},
        SpanCase{"NoRecording", {0, 1000, 2000}, 0, 1, 0, 400, 0, std::nullopt}),
    RowName());

// Rounding each end on its own keeps neighbours seamless at any zoom.
TEST(TagSpanSeams, NeighbouringTagsMeetExactly)
{
    const int frames = 26460000;
    QVector<float> beats;
    for (int b = 0; b <= 1200; ++b)
        beats.append(float(b * 22050 + (b * 7919) % 1733));
    for (const int width : {884, 1340, 3046, 16204}) {
        for (int b = 0; b + 1 < 1200; ++b) {
            const auto left = tagSpan(beats, b, 1, frames, width, heardOffset);
            const auto right = tagSpan(beats, b + 1, 1, frames, width, heardOffset);
            ASSERT_TRUE(left && right);
            ASSERT_EQ(left->x + left->width, right->x) << "width " << width << " beat " << b;
        }
    }
}

// --- Beats under the pointer --------------------------------------------------

// 10 samples per pixel: beats at x = 0, 10, 20, 35.
const QVector<float> fourBeats = {0, 100, 200, 350};

struct UnderCase
{
    const char* name;
    QVector<float> beats;
    int x;
    int beat;
};

class BeatUnder : public ::testing::TestWithParam<UnderCase>
{
};

TEST_P(BeatUnder, FindsTheBeatStrictlyAroundThePointer)
{
    const UnderCase& c = GetParam();
    EXPECT_EQ(beatUnder(c.beats, PixelScale(1000, 100, 0), c.x), c.beat);
}

INSTANTIATE_TEST_SUITE_P(Table, BeatUnder,
                         ::testing::Values(UnderCase{"InsideFirst", fourBeats, 5, 0},
                                           UnderCase{"OnABeatsColumn", fourBeats, 10, -1},
                                           UnderCase{"JustAfterABeat", fourBeats, 11, 1},
                                           UnderCase{"InsideLast", fourBeats, 34, 2},
                                           UnderCase{"OnTheClosingBeat", fourBeats, 35, -1},
                                           UnderCase{"BeyondTheBeats", fourBeats, 40, -1},
                                           UnderCase{"LeftOfTheBeats", fourBeats, -3, -1},
                                           UnderCase{"OneBeat", {100}, 5, -1}, UnderCase{"NoBeats", {}, 5, -1}),
                         RowName());

struct SnapCase
{
    const char* name;
    QVector<float> beats;
    int x;
    std::optional<std::pair<int, int>> snap; // (beat, x)
};

class SnapToBeat : public ::testing::TestWithParam<SnapCase>
{
};

TEST_P(SnapToBeat, SnapsToTheBeatStartNearestThePointer)
{
    const SnapCase& c = GetParam();
    const auto snap = snapToBeat(c.beats, PixelScale(1000, 100, 0), c.x);
    ASSERT_EQ(snap.has_value(), c.snap.has_value());
    if (snap) {
        EXPECT_EQ(std::make_pair(snap->beat, snap->x), *c.snap);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SnapToBeat,
                         ::testing::Values(SnapCase{"LeftOfTheFirstMidpoint", fourBeats, 3, std::nullopt},
                                           SnapCase{"AfterTheFirstMidpoint", fourBeats, 6, {{1, 10}}},
                                           SnapCase{"BeforeTheSecondMidpoint", fourBeats, 14, {{1, 10}}},
                                           // A pointer on a midpoint lies in neither band.
                                           SnapCase{"OnAMidpoint", fourBeats, 15, std::nullopt},
                                           SnapCase{"AfterTheSecondMidpoint", fourBeats, 16, {{2, 20}}},
                                           // 15 pixels wide: the half is 7, the snap one pixel short.
                                           SnapCase{"OddBeatWidth", fourBeats, 28, {{3, 34}}},
                                           SnapCase{"OnTheOddMidpoint", fourBeats, 27, std::nullopt},
                                           SnapCase{"BeyondTheLastBand", fourBeats, 42, std::nullopt},
                                           SnapCase{"OneBeat", {100}, 6, std::nullopt},
                                           SnapCase{"NoBeats", {}, 6, std::nullopt}),
                         RowName());

// --- Shapes of a highlighted beat ---------------------------------------------

struct ShapeCase
{
    const char* name;
    int beat;
    int startBeat;
    int endBeat;
    BeatShape shape;
};

class BeatShapes : public ::testing::TestWithParam<ShapeCase>
{
};

TEST_P(BeatShapes, FollowTheRunsAndTheRange)
{
    // Beats 0-1 "C", 2-4 "G", 5 "A", 6-7 "D".
    const QVector<QString> chords = names({"C", "C", "G", "G", "G", "A", "D", "D"});
    const ShapeCase& c = GetParam();
    EXPECT_EQ(beatShape(chords, c.beat, c.startBeat, c.endBeat), c.shape);
}

INSTANTIATE_TEST_SUITE_P(Table, BeatShapes,
                         ::testing::Values(ShapeCase{"BeatZero", 0, 0, 2, BeatShape::First},
                                           ShapeCase{"LastBeat", 7, 6, 8, BeatShape::Last},
                                           ShapeCase{"RunStartAtRangeStart", 2, 2, 5, BeatShape::RunStart},
                                           ShapeCase{"RunStartInsideRange", 2, 0, 5, BeatShape::Inner},
                                           ShapeCase{"RunEndAtRangeEnd", 4, 2, 5, BeatShape::RunEnd},
                                           ShapeCase{"RunEndInsideRange", 4, 2, 6, BeatShape::Inner},
                                           ShapeCase{"FirstRunEnds", 1, 0, 2, BeatShape::RunEnd},
                                           ShapeCase{"OneBeatRunAlone", 5, 5, 6, BeatShape::SingleBeatRun},
                                           ShapeCase{"OneBeatRunInWiderRange", 5, 4, 6, BeatShape::Inner},
                                           ShapeCase{"MiddleOfARun", 3, 2, 5, BeatShape::Inner},
                                           // A picked beat the model does not hold.
                                           ShapeCase{"BeyondTheSequence", 8, 6, 9, BeatShape::Inner},
                                           ShapeCase{"NegativeBeat", -1, -1, 1, BeatShape::Inner}),
                         RowName());

// --- Chord names ---------------------------------------------------------------

struct SplitCase
{
    const char* name;
    const char* chord;
    const char* root;
    const char* suffix;
};

class SplitChordName : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitChordName, SeparatesRootAndQuality)
{
    const SplitCase& c = GetParam();
    const ChordParts parts = splitChordName(QString::fromLatin1(c.chord));
    EXPECT_EQ(parts.root, QString::fromLatin1(c.root));
    EXPECT_EQ(parts.suffix, QString::fromLatin1(c.suffix));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitChordName,
    ::testing::Values(SplitCase{"Minor7", "Am7", "A", "m7"}, SplitCase{"Major7", "Cmaj7", "C", "maj7"},
                      SplitCase{"Sus4", "Dsus4", "D", "sus4"}, SplitCase{"Sus2", "Csus2", "C", "sus2"},
                      SplitCase{"FlatMinor", "Bbm", "Bb", "m"}, SplitCase{"SharpMinor7", "C#m7", "C#", "m7"},
                      SplitCase{"Seventh", "E7", "E", "7"}, SplitCase{"Major", "F", "F", ""},
                      SplitCase{"NoChord", "X", "X", ""}, SplitCase{"Intro", "-", "-", ""}),
    RowName());

} // namespace
