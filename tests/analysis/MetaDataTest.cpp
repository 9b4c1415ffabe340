#include "MetaData.h"
#include "RowName.h"
#include "Strings.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

namespace {

metadata record(std::vector<float> beats, std::vector<std::string> chords, std::vector<std::string> detected = {},
                float tempo = 120.0f)
{
    metadata m;
    m.tempo = tempo;
    m.beats = std::move(beats);
    m.chordVec = std::move(chords);
    m.chordVecDetected = std::move(detected);
    return m;
}

// A model that already holds another recording, so that a refused load
// shows whether it left the model alone.
void fillWithOtherRecording(MetaData& model)
{
    ASSERT_TRUE(model.setMetaData(record({0, 1000, 2000}, {"F", "F", "F"}, {"F"}, 90.0f)));
}

struct Expected
{
    QVector<float> beats;
    QVector<QString> chordVec;
    QVector<QString> chordVecDetected;
    int beatLengthPercent;
};

// --- The driver's record -------------------------------------------------

struct RecordCase
{
    const char* name;
    metadata input;
    std::optional<Expected> expected; // empty: refused, model not valid
};

class MetaDataFromRecord : public ::testing::TestWithParam<RecordCase>
{
};

TEST_P(MetaDataFromRecord, FillsTheModelOrLeavesItAlone)
{
    const RecordCase& c = GetParam();
    MetaData model;
    fillWithOtherRecording(model);
    model.metaDataValid = false; // as the analysis thread does when a run starts
    QSignalSpy gotMeta(&model, &MetaData::gotMeta);
    QSignalSpy bpm(&model, &MetaData::setBpm);

    const bool accepted = model.setMetaData(c.input);

    ASSERT_EQ(accepted, c.expected.has_value());
    if (!accepted) {
        EXPECT_FALSE(model.metaDataValid);
        EXPECT_EQ(model.beats, (QVector<float>{0, 1000, 2000, 3000}));
        EXPECT_EQ(gotMeta.count(), 0);
        return;
    }
    EXPECT_TRUE(model.metaDataValid);
    EXPECT_EQ(model.beats, c.expected->beats);
    EXPECT_EQ(model.chordVec, c.expected->chordVec);
    EXPECT_EQ(model.chordVecDetected, c.expected->chordVecDetected);
    EXPECT_EQ(model.beatLengthPercent, c.expected->beatLengthPercent);
    EXPECT_EQ(model.currentChordVec, &model.chordVec);
    EXPECT_FLOAT_EQ(model.bpm, c.input.tempo);
    // This loader announces only the results; the analysis thread sends the
    // tempo and chord list itself.
    EXPECT_EQ(gotMeta.count(), 1);
    EXPECT_EQ(bpm.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, MetaDataFromRecord,
    ::testing::Values(
        RecordCase{"renamesOnlyBareDSharpAndGSharp",
                   record({0, 512, 1024, 1536, 2048}, {"D#", "D#m", "G#", "G#7", "Bb"}, {"G#", "D#m", "", ""}),
                   Expected{{0, 512, 1024, 1536, 2048, 2560},
                            strings({"Eb", "D#m", "Ab", "G#7", "Bb"}),
                            strings({"Ab", "D#m", "", ""}),
                            4}}, // trunc(2560 / 6) = 426, / 100
        RecordCase{"marksIntroAndOutroAndEveryLaterX",
                   record({0, 100, 200, 300, 400, 500}, {"X", "X", "C", "X", "G", "X"}),
                   Expected{{0, 100, 200, 300, 400, 500, 600}, strings({"-", "-", "C", "-", "G", "-"}), {}, 0}},
        RecordCase{"onlyX", record({0, 500, 1000}, {"X", "X", "X"}),
                   Expected{{0, 500, 1000, 1500}, strings({"-", "-", "-"}), {}, 3}},
        RecordCase{"extrapolatesWholeSamples", record({500.2f, 1000.7f}, {"C", "G"}),
                   // L = 1000, 1000 - 500.2 = 499.8 truncated to 499
                   Expected{{500.2f, 1000.7f, 1499}, strings({"C", "G"}), {}, 4}},
        RecordCase{"moreBeatsThanChordsKeepsTheClosingBeat", record({0, 100, 200, 300, 400}, {"C", "G"}),
                   Expected{{0, 100, 200}, strings({"C", "G"}), {}, 0}},
        RecordCase{"moreChordsThanBeatsDropsUnclosedChords", record({0, 100}, {"C", "G", "Am", "F"}),
                   Expected{{0, 100, 200}, strings({"C", "G"}), {}, 0}},
        RecordCase{"noBeat", record({}, {}), std::nullopt},
        RecordCase{"oneBeat", record({512}, {"C"}), std::nullopt},
        RecordCase{"beatsWithoutChords", record({0, 512, 1024}, {}), std::nullopt},
        RecordCase{"beatIsNoNumber", record({0, std::numeric_limits<float>::quiet_NaN()}, {"C", "G"}),
                   std::nullopt},
        RecordCase{"beatBeyondTheIntRange", record({0, 3.0e9f}, {"C", "G"}), std::nullopt}),
    RowName());

// --- The cache reader's lists --------------------------------------------

struct ListsCase
{
    const char* name;
    QVector<QString> beats;
    QVector<QString> chords;
    QVector<QString> detected;
    QVector<QString> tempo;
    std::optional<Expected> expected;
};

class MetaDataFromLists : public ::testing::TestWithParam<ListsCase>
{
};

TEST_P(MetaDataFromLists, FillsTheModelOrLeavesItAlone)
{
    const ListsCase& c = GetParam();
    MetaData model;
    fillWithOtherRecording(model);
    QStringList emitted;
    QObject::connect(&model, &MetaData::setBpm, [&](float) { emitted << "setBpm"; });
    QObject::connect(&model, &MetaData::setChordFilterSelection, [&](QVector<QString> selection) {
        emitted << "setChordFilterSelection";
        EXPECT_EQ(selection, model.chordVecDetected);
    });
    QObject::connect(&model, &MetaData::gotMeta, [&] { emitted << "gotMeta"; });

    const QVector<QString> lists[6] = {c.beats, c.chords, c.detected, c.tempo, strings({"/Music/song.mp3"}), {}};
    const bool accepted = model.setMetaDataFromFile(lists);

    ASSERT_EQ(accepted, c.expected.has_value());
    if (!accepted) {
        EXPECT_TRUE(emitted.isEmpty());
        EXPECT_EQ(model.chordVec, strings({"F", "F", "F"}));
        EXPECT_FLOAT_EQ(model.bpm, 90.0f);
        return;
    }
    EXPECT_TRUE(model.metaDataValid);
    EXPECT_EQ(model.beats, c.expected->beats);
    EXPECT_EQ(model.chordVec, c.expected->chordVec);
    EXPECT_EQ(model.chordVecDetected, c.expected->chordVecDetected);
    EXPECT_EQ(model.beatLengthPercent, c.expected->beatLengthPercent);
    EXPECT_FLOAT_EQ(model.bpm, c.tempo.first().toFloat());
    EXPECT_EQ(emitted, (QStringList{"setBpm", "setChordFilterSelection", "gotMeta"}));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, MetaDataFromLists,
    ::testing::Values(
        ListsCase{"writtenCacheAddsNothing", strings({"0", "512", "1024"}), strings({"C", "G"}),
                  strings({"C", "G"}), strings({"120.185"}),
                  Expected{{0, 512, 1024}, strings({"C", "G"}), strings({"C", "G"}), 3}}, // trunc(1024/3)=341
        ListsCase{"closingBeatAdded",
                  strings({"0", "512"}),
                  strings({"C", "G"}),
                  {},
                  strings({"120"}),
                  Expected{{0, 512, 1024}, strings({"C", "G"}), {}, 3}},
        ListsCase{"closingBeatsForEveryChord",
                  strings({"0", "512"}),
                  strings({"C", "G", "Am"}),
                  {},
                  strings({"120"}),
                  Expected{{0, 512, 1024, 1536}, strings({"C", "G", "Am"}), {}, 3}},
        ListsCase{"emptyRankedEntriesDropped", strings({"0", "512", "1024"}), strings({"Am", "C"}),
                  strings({"Am", "", "", "C", ""}), strings({"98.5"}),
                  Expected{{0, 512, 1024}, strings({"Am", "C"}), strings({"Am", "C"}), 3}},
        ListsCase{"noRenamingButIntroOutro",
                  strings({"0", "512", "1024", "1536"}),
                  strings({"X", "D#", "X"}),
                  {},
                  strings({"120"}),
                  Expected{{0, 512, 1024, 1536}, strings({"-", "D#", "-"}), {}, 3}},
        ListsCase{"blanksAroundNumbers",
                  strings({" 0", "512 ", "1024\n"}),
                  strings({"C", "G"}),
                  {},
                  strings({"120.185\n"}),
                  Expected{{0, 512, 1024}, strings({"C", "G"}), {}, 3}},
        ListsCase{"beatsBeyondTheClosingOneCut",
                  strings({"0", "512", "1024", "1536"}),
                  strings({"C", "G"}),
                  {},
                  strings({"120"}),
                  Expected{{0, 512, 1024}, strings({"C", "G"}), {}, 3}},
        ListsCase{"noBeat", {}, {}, {}, strings({"120"}), std::nullopt},
        ListsCase{"oneBeat", strings({"512"}), {}, {}, strings({"120"}), std::nullopt},
        ListsCase{"oneBeatOneChord", strings({"512"}), strings({"C"}), {}, strings({"120"}), std::nullopt},
        ListsCase{"noChord", strings({"0", "512"}), {}, {}, strings({"120"}), std::nullopt},
        ListsCase{"beatIsNoNumber",
                  strings({"0", "half", "1024"}),
                  strings({"C", "G"}),
                  {},
                  strings({"120"}),
                  std::nullopt},
        ListsCase{"tempoIsNoNumber",
                  strings({"0", "512", "1024"}),
                  strings({"C", "G"}),
                  {},
                  strings({"fast"}),
                  std::nullopt},
        ListsCase{"noTempo", strings({"0", "512", "1024"}), strings({"C", "G"}), {}, {}, std::nullopt}),
    RowName());

// --- Reset and in-place changes -------------------------------------------

TEST(MetaData, ResetKeepsTheChordListsButNotTheBeats)
{
    MetaData model;
    fillWithOtherRecording(model);
    model.currentBeat = 2;

    model.resetMetaData();

    EXPECT_FALSE(model.metaDataValid);
    EXPECT_TRUE(model.beats.isEmpty());
    EXPECT_EQ(model.bpm, 0.0f);
    EXPECT_EQ(model.currentBeat.load(), 0);
    EXPECT_EQ(model.chordVec, strings({"F", "F", "F"}));
    EXPECT_EQ(model.chordVecDetected, strings({"F"}));
    EXPECT_EQ(model.beatLengthPercent, 7); // trunc(3000 / 4) / 100, kept
}

TEST(MetaData, ChangeBeatsMovesThemInPlace)
{
    MetaData model;
    fillWithOtherRecording(model);
    model.changeBeats([](QVector<float>& beats) {
        for (float& b : beats)
            b += 220;
    });
    EXPECT_EQ(model.beats, (QVector<float>{220, 1220, 2220, 3220}));
}

// --- Hand-over from another thread ----------------------------------------

class MetaDataHandOver : public ::testing::Test
{
protected:
    void handOverFromAnotherThread(const metadata& input)
    {
        std::thread analysis([&] { EXPECT_TRUE(model.setMetaData(input)); });
        analysis.join();
    }

    MetaData model;
};

TEST_F(MetaDataHandOver, ResultArrivesThroughTheEventLoop)
{
    QSignalSpy gotMeta(&model, &MetaData::gotMeta);
    handOverFromAnotherThread(record({0, 512}, {"X", "Am"}));

    // Nothing is touched off the GUI thread.
    EXPECT_FALSE(model.metaDataValid);
    EXPECT_TRUE(model.beats.isEmpty());

    QCoreApplication::processEvents();
    EXPECT_TRUE(model.metaDataValid);
    EXPECT_EQ(model.beats, (QVector<float>{0, 512, 1024}));
    EXPECT_EQ(model.chordVec, strings({"-", "Am"}));
    EXPECT_EQ(gotMeta.count(), 1);
}

TEST_F(MetaDataHandOver, ResultOfAnEarlierFileIsDropped)
{
    QSignalSpy gotMeta(&model, &MetaData::gotMeta);
    handOverFromAnotherThread(record({0, 512}, {"C", "G"}));
    model.resetMetaData(); // a new file was opened meanwhile

    QCoreApplication::processEvents();
    EXPECT_FALSE(model.metaDataValid);
    EXPECT_TRUE(model.beats.isEmpty());
    EXPECT_EQ(gotMeta.count(), 0);
}

TEST_F(MetaDataHandOver, LaterLoadOnTheGuiThreadWinsOverAResultStillOnItsWay)
{
    handOverFromAnotherThread(record({0, 512}, {"C", "G"}));
    const QVector<QString> lists[4] = {strings({"0", "300", "600"}), strings({"Am", "Dm"}), {}, strings({"100"})};
    ASSERT_TRUE(model.setMetaDataFromFile(lists));
    QCoreApplication::processEvents();
    EXPECT_EQ(model.chordVec, strings({"Am", "Dm"}));

    handOverFromAnotherThread(record({0, 512}, {"C", "G"}));
    ASSERT_TRUE(model.setMetaData(record({0, 700}, {"E", "B"})));
    QCoreApplication::processEvents();
    EXPECT_EQ(model.chordVec, strings({"E", "B"}));
}

} // namespace
