// The analysis thread: the mono mix, a run's signals and their order as the
// GUI thread receives them, cache loads, the re-analysis the chord filter
// starts, and which recordings get a cache.
#include "MetaDataThread.h"
#include "AnalysisRecording.h"
#include "RowName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable failures for the signal logs and chord lists.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

using analysistest::Recording;

// --- Mono mix -----------------------------------------------------------------

struct MixCase
{
    const char* name;
    std::vector<float> left;
    std::vector<float> right; // empty: no right buffer
    bool stereo;
    std::vector<float> mono;
};

class MonoMix : public ::testing::TestWithParam<MixCase>
{
};

TEST_P(MonoMix, AveragesStereoAndCopiesMono)
{
    const MixCase& c = GetParam();
    const float* right = c.right.empty() ? nullptr : c.right.data();
    EXPECT_EQ(MetaDataThread::monoMix(c.left.data(), right, int(c.left.size()), c.stereo), c.mono);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonoMix,
    ::testing::Values(MixCase{"Stereo", {1.0f, -1.0f}, {0.0f, 1.0f}, true, {0.5f, 0.0f}},
                      // A mono decode leaves the right buffer as the caller had it.
                      MixCase{"MonoIgnoresTheRightBuffer", {1.0f, -1.0f}, {0.0f, 1.0f}, false, {1.0f, -1.0f}},
                      MixCase{"StereoWithoutARightBuffer", {0.25f, 0.5f}, {}, true, {0.25f, 0.5f}},
                      MixCase{"Nothing", {}, {}, true, {}}),
    RowName());

// --- Runs and cache loads -----------------------------------------------------

// Records the thread's signals as its GUI-thread receivers get them.
struct SignalLog
{
    QObject receiver;
    QStringList events;
    float bpm = 0.0f;
    QVector<QString> selection;

    explicit SignalLog(MetaDataThread& thread)
    {
        QObject::connect(&thread, &MetaDataThread::gotMetaData, &receiver, [this] { events << "gotMetaData"; });
        QObject::connect(&thread, &MetaDataThread::setBPM, &receiver, [this](float value) {
            events << "setBPM";
            bpm = value;
        });
        QObject::connect(&thread, &MetaDataThread::setChordFilterSelection, &receiver,
                         [this](const QVector<QString>& chords) {
                             events << "setChordFilterSelection";
                             selection = chords;
                         });
    }
};

const QStringList runSignals = {"gotMetaData", "setBPM", "setChordFilterSelection", "gotMetaData"};
const QStringList cacheLoadSignals = {"setBPM", "setChordFilterSelection", "gotMetaData"};

class AnalysisThread : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString cachePath() const { return dir.filePath("metadata/song.tbm"); }

    // A small result as an earlier run or a chord edit leaves it.
    static AnalysisResult storedResult()
    {
        AnalysisResult stored;
        stored.bpm = 96.0f;
        stored.beats = {0.0f, 22050.0f, 44100.0f};
        stored.chordVec = {"Am", "F"};
        stored.chordVecDetected = {"Am", "F"};
        return stored;
    }

    // As the main window starts a run, then as its event loop receives
    // what the run sent.
    void analyse(int sampleRate = Recording::sampleRate)
    {
        thread.initMonoData(recording.left.data(), recording.right.data(), Recording::frames, true, sampleRate);
        thread.start(QThread::InheritPriority);
        ASSERT_TRUE(thread.wait(60000));
        QCoreApplication::sendPostedEvents();
    }

    // What a run of this recording gives, made on this thread.
    AnalysisResult expectedResult() const
    {
        const auto mono =
            MetaDataThread::monoMix(recording.left.data(), recording.right.data(), Recording::frames, true);
        auto analysis = MetaDataThread::analyse(mono, Recording::sampleRate);
        EXPECT_TRUE(analysis.result.has_value());
        return analysis.result.value_or(AnalysisResult{});
    }

    // The main window's cache load: read the file, fill the model.
    bool loadCache()
    {
        AnalysisCache::Lists lists;
        if (AnalysisCache::read(cachePath(), lists) != AnalysisCache::ReadStatus::Ok)
            return false;
        return thread.metaData->setMetaDataFromFile(lists.data());
    }

    void expectModel(const AnalysisResult& expected)
    {
        const MetaData& model = *thread.metaData;
        EXPECT_TRUE(model.metaDataValid);
        EXPECT_EQ(model.bpm, expected.bpm);
        EXPECT_EQ(model.beats, expected.beats);
        EXPECT_EQ(model.chordVec, expected.chordVec);
        EXPECT_EQ(model.chordVecDetected, expected.chordVecDetected);
    }

    QTemporaryDir dir;
    Recording recording;
    MetaDataThread thread;
    SignalLog log{thread};
};

TEST_F(AnalysisThread, RunFillsTheModelWritesTheCacheAndSignalsInOrder)
{
    thread.setFileName(cachePath(), "/music/song.wav");
    analyse();

    EXPECT_EQ(log.events, runSignals);
    const AnalysisResult expected = expectedResult();
    expectModel(expected);
    const MetaData& model = *thread.metaData;
    EXPECT_EQ(model.beats.size(), model.chordVec.size() + 1);
    EXPECT_EQ(model.chordVecDetected.size(), 84);
    EXPECT_EQ(model.chordVecDetected.first(), "C"); // the recording's one chord
    EXPECT_EQ(log.bpm, model.bpm);
    EXPECT_EQ(log.selection, model.chordVecDetected);

    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(cachePath(), lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[1], model.chordVec);
    EXPECT_EQ(lists[4].value(0), "/music/song.wav");
}

TEST_F(AnalysisThread, CacheLoadSignalsOnceEachInOrder)
{
    const AnalysisResult stored = storedResult();
    ASSERT_EQ(AnalysisCache::write(cachePath(), "/music/song.wav", stored), AnalysisCache::WriteStatus::Written);

    ASSERT_TRUE(loadCache());
    EXPECT_EQ(log.events, cacheLoadSignals);
    EXPECT_EQ(log.bpm, 96.0f);
    EXPECT_EQ(log.selection, stored.chordVecDetected);
    EXPECT_EQ(thread.metaData->chordVec, stored.chordVec);
}

// recalculateChords: a new selection, the same samples again, start; the
// cache path stays that of the loaded recording.
TEST_F(AnalysisThread, ReanalysisAfterACacheLoadReplacesModelAndCache)
{
    const AnalysisResult stored = storedResult();
    ASSERT_EQ(AnalysisCache::write(cachePath(), "/music/song.wav", stored), AnalysisCache::WriteStatus::Written);
    thread.resetManualEntry();
    thread.setFileName(cachePath(), "/music/song.wav");
    ASSERT_TRUE(loadCache());
    log.events.clear();

    QVector<QVector<int>> selection(12, QVector<int>(7, 0));
    selection[9][1] = 1; // A minor only
    thread.setManualEntryChords(selection);
    analyse();

    EXPECT_TRUE(thread.manualEntry().active);
    EXPECT_EQ(log.events, runSignals);
    // The recognition keeps to the selection (this test used to assert that
    // the selection took no part, which left the chord filter doing nothing).
    ASSERT_TRUE(thread.metaData->metaDataValid.load());
    for (const QString& name : qAsConst(thread.metaData->chordVec))
        EXPECT_TRUE(name == QLatin1String("Am") || name == QLatin1String("-")) << name.toStdString();
    // Ranked, then empty names.
    ASSERT_FALSE(thread.metaData->chordVecDetected.isEmpty());
    EXPECT_EQ(thread.metaData->chordVecDetected.first(), QStringLiteral("Am"));
    EXPECT_EQ(thread.metaData->chordVecDetected.count(QString()), thread.metaData->chordVecDetected.size() - 1);
    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(cachePath(), lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[1], thread.metaData->chordVec);
}

TEST_F(AnalysisThread, ASecondRunOfTheSameRecordingGivesTheSameResult)
{
    thread.setFileName(cachePath(), "/music/song.wav");
    analyse();
    const AnalysisResult first = thread.metaData->currentResult();
    log.events.clear();

    thread.setManualEntryChords(QVector<QVector<int>>(12, QVector<int>(7, 1)));
    analyse();
    EXPECT_EQ(log.events, runSignals);
    expectModel(first);
}

// The decoder never hands over such a recording, but the processing notice
// must hide whatever the run found.
TEST_F(AnalysisThread, ARunWithoutAResultStillSignalsTheEnd)
{
    thread.setFileName(cachePath(), "/music/song.wav");
    analyse(0);

    EXPECT_EQ(log.events, cacheLoadSignals);
    EXPECT_FALSE(thread.metaData->metaDataValid);
    EXPECT_EQ(log.selection.size(), 84);
    EXPECT_FALSE(QFile::exists(cachePath()));
}

TEST_F(AnalysisThread, CdTrackIsAnalysedButNotCached)
{
    thread.setFileName(cachePath(), "/cd/Audio CD/1 Audio Track.cda");
    analyse();

    EXPECT_EQ(log.events, runSignals);
    EXPECT_TRUE(thread.metaData->metaDataValid);
    EXPECT_FALSE(QFile::exists(cachePath()));
    EXPECT_EQ(thread.writeCache(), AnalysisCache::WriteStatus::SkippedCdTrack);
    EXPECT_FALSE(QFile::exists(cachePath()));
}

// After a chord edit (GUI thread).
TEST_F(AnalysisThread, SaveTbmWritesTheModelOnlyWhileItIsValid)
{
    const AnalysisResult stored = storedResult();
    thread.setFileName(cachePath(), "/music/song.wav");
    thread.metaData->handOver(stored);
    thread.metaData->chordVec[1] = "G"; // the edit popup's replacement
    thread.saveTBM();

    AnalysisCache::Lists lists;
    ASSERT_EQ(AnalysisCache::read(cachePath(), lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[1], (QVector<QString>{"Am", "G"}));

    // A new file is being opened, or a run is under way: the file stays.
    thread.metaData->resetMetaData();
    EXPECT_EQ(thread.writeCache(), AnalysisCache::WriteStatus::Refused);
    ASSERT_EQ(AnalysisCache::read(cachePath(), lists), AnalysisCache::ReadStatus::Ok);
    EXPECT_EQ(lists[1], (QVector<QString>{"Am", "G"}));
}

struct CachePathCase
{
    const char* audioPath;
    bool cached;
};

class CacheForRecording : public ::testing::TestWithParam<CachePathCase>
{
};

TEST_P(CacheForRecording, OnlyCdTracksGoWithout)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cachePath = dir.filePath("metadata/song.tbm");
    MetaDataThread thread;
    AnalysisResult result;
    result.bpm = 120.0f;
    result.beats = {0.0f, 512.0f, 1024.0f};
    result.chordVec = {"C", "G"};
    result.chordVecDetected = {"C", "G"};
    thread.metaData->handOver(result);
    thread.setFileName(cachePath, GetParam().audioPath);
    thread.saveTBM();
    EXPECT_EQ(QFile::exists(cachePath), GetParam().cached);
}

INSTANTIATE_TEST_SUITE_P(Paths, CacheForRecording,
                         ::testing::Values(CachePathCase{"/music/song.wav", true},
                                           CachePathCase{"/Volumes/Audio CD/1 Audio Track.cda", false},
                                           CachePathCase{"/music/live.cda.mp3", false},
                                           // the test is case-sensitive
                                           CachePathCase{"/music/SONG.CDA", true}));

} // namespace
