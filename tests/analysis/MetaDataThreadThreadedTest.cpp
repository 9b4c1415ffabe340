// Analysis runs racing with what the GUI and playback threads do meanwhile:
// resets for a new file, cache loads, cache writes after chord edits, and
// the player's beat scans. Bounded: three runs of a five-second recording.
// Run under ThreadSanitizer as well.
#include "AnalysisRecording.h"
#include "MetaDataThread.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using analysistest::Recording;

bool ascending(const QVector<float>& beats)
{
    for (int i = 1; i < beats.size(); ++i)
        if (!(beats.at(i) > beats.at(i - 1)))
            return false;
    return beats.size() >= 2;
}

TEST(AnalysisThreadRaces, RunsRaceWithResetsCacheLoadsAndThePlayer)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cachePath = dir.filePath("metadata/song.tbm");
    const Recording recording;
    MetaDataThread thread;
    MetaData& model = *thread.metaData;
    thread.setFileName(cachePath, "/music/song.wav");

    int gotMetaData = 0;
    int setBpm = 0;
    QObject receiver;
    QObject::connect(&thread, &MetaDataThread::gotMetaData, &receiver, [&] { ++gotMetaData; });
    QObject::connect(&thread, &MetaDataThread::setBPM, &receiver, [&](float) { ++setBpm; });

    // The playback thread: one beat scan per block, as the player tracks the beat.
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::thread player([&] {
        int tick = 0;
        while (!stop.load(std::memory_order_acquire)) {
            MetaData::BeatsReadAccess access(model);
            if (access && model.metaDataValid.load(std::memory_order_acquire)) {
                if (!ascending(model.beats))
                    torn.fetch_add(1, std::memory_order_relaxed);
                model.currentBeat.store(tick++ % model.beats.size(), std::memory_order_relaxed);
            }
            std::this_thread::yield();
        }
    });

    // The GUI thread: while a run is under way, opens the file again (reset
    // and cache load) and saves chord edits.
    constexpr int runs = 3;
    int loads = 0;
    for (int run = 0; run < runs; ++run) {
        thread.initMonoData(recording.left.data(), recording.right.data(), Recording::frames, true,
                            Recording::sampleRate);
        thread.start(QThread::InheritPriority);
        for (int step = 0; thread.isRunning(); ++step) {
            if (step % 3 == 0)
                model.resetMetaData();
            AnalysisCache::Lists lists;
            if (step % 3 == 1 && AnalysisCache::read(cachePath, lists) == AnalysisCache::ReadStatus::Ok)
                loads += model.setMetaDataFromFile(lists.data()) ? 1 : 0;
            if (step % 3 == 2)
                thread.saveTBM();
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
        ASSERT_TRUE(thread.wait(120000));
        QCoreApplication::sendPostedEvents();
    }
    stop.store(true, std::memory_order_release);
    player.join();

    EXPECT_EQ(torn.load(), 0);
    // Each run ends with setBPM and gotMetaData whatever happened to its
    // hand-over; each load adds one of each.
    EXPECT_EQ(setBpm, runs + loads);
    EXPECT_GE(gotMetaData, runs + loads);
    EXPECT_LE(gotMetaData, 2 * runs + loads);
    // The last run's result arrived after every reset.
    EXPECT_TRUE(model.metaDataValid);
    EXPECT_EQ(model.beats.size(), model.chordVec.size() + 1);
    AnalysisCache::Lists lists;
    EXPECT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
}

} // namespace
