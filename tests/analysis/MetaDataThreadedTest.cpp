// The model handed between the GUI, analysis and playback threads, and the
// two cache writers, under load. Bounded counts and fixed patterns, so the
// runs are repeatable; run under ThreadSanitizer as well.
#include "AnalysisCache.h"
#include "MetaData.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr float beatStep = 10.0f;

// Version v: 3 + v % 7 beats, evenly spaced, starting at v * 1000. Any mix
// of two versions or a half-applied shift breaks the even spacing.
metadata versionRecord(int v)
{
    metadata m;
    m.tempo = 100.0f + float(v);
    const int count = 3 + v % 7;
    for (int i = 0; i < count; ++i) {
        m.beats.push_back(float(v) * 1000.0f + float(i) * beatStep);
        m.chordVec.push_back(i == 0 ? "X" : "C");
    }
    m.chordVecDetected = {"C"};
    return m;
}

bool evenlySpaced(const QVector<float>& beats)
{
    if (beats.size() < 2)
        return false;
    for (int i = 1; i < beats.size(); ++i) {
        if (beats.at(i) - beats.at(i - 1) != beatStep)
            return false;
    }
    return true;
}

TEST(MetaDataThreads, PlayerNeverSeesAHalfChangedBeatList)
{
    MetaData model;
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::atomic<int> scans{0};

    // The playback thread: tracks the beat as the player does, once per block.
    std::thread player([&] {
        int tick = 0;
        while (!stop.load(std::memory_order_acquire)) {
            MetaData::BeatsReadAccess access(model);
            if (access && model.metaDataValid.load(std::memory_order_acquire)) {
                const QVector<float>& beats = model.beats;
                if (!evenlySpaced(beats))
                    torn.fetch_add(1, std::memory_order_relaxed);
                model.currentBeat.store(tick++ % beats.size(), std::memory_order_relaxed);
                scans.fetch_add(1, std::memory_order_relaxed);
            }
            std::this_thread::yield();
        }
    });

    constexpr int runs = 300;
    std::atomic<bool> analysisDone{false};
    std::thread analysis([&] {
        for (int v = 1; v <= runs; ++v) {
            EXPECT_TRUE(model.setMetaData(versionRecord(v)));
            std::this_thread::yield();
        }
        analysisDone.store(true, std::memory_order_release);
    });

    // The GUI thread: takes the hand-overs, turns the beat-offset knob,
    // opens files and loads caches.
    int loop = 0;
    int gotMeta = 0;
    QObject::connect(&model, &MetaData::gotMeta, [&] { ++gotMeta; });
    while (!analysisDone.load(std::memory_order_acquire) || loop < 50) {
        QCoreApplication::processEvents();
        model.changeBeats([](QVector<float>& beats) {
            for (float& b : beats)
                b += 1.0f;
        });
        if (loop % 40 == 39)
            model.resetMetaData();
        if (loop % 40 == 19) {
            const QVector<QString> lists[4] = {{"0", "10", "20", "30"}, {"C", "G"}, {}, {"99"}};
            EXPECT_TRUE(model.setMetaDataFromFile(lists));
        }
        EXPECT_GE(model.currentBeat.load(std::memory_order_relaxed), 0);
        ++loop;
    }
    analysis.join();
    // The last result may still be on its way.
    ASSERT_TRUE(model.setMetaData(versionRecord(runs + 1)));
    QCoreApplication::processEvents();
    // On a loaded machine the reader may not have been scheduled yet: give
    // it a bounded while to scan the final, valid list at least once.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (scans.load() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    stop.store(true, std::memory_order_release);
    player.join();

    EXPECT_EQ(torn.load(), 0);
    EXPECT_GT(scans.load(), 0);
    EXPECT_GT(gotMeta, 0);
    EXPECT_TRUE(evenlySpaced(model.beats));
    EXPECT_FLOAT_EQ(model.bpm, 100.0f + runs + 1);
}

TEST(MetaDataThreads, TwoCacheWritersNeverLeaveABrokenFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cachePath = dir.filePath(QStringLiteral("song.tbm"));
    const auto fromAnalysis = MetaData::resultFromRecord(versionRecord(1));
    const auto fromChordEdit = MetaData::resultFromRecord(versionRecord(2));
    ASSERT_TRUE(fromAnalysis && fromChordEdit);

    constexpr int writes = 40;
    std::thread analysis([&] {
        for (int i = 0; i < writes; ++i)
            EXPECT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/a.mp3"), *fromAnalysis),
                      AnalysisCache::WriteStatus::Written);
    });
    for (int i = 0; i < writes; ++i) {
        EXPECT_EQ(AnalysisCache::write(cachePath, QStringLiteral("/a.mp3"), *fromChordEdit),
                  AnalysisCache::WriteStatus::Written);
        AnalysisCache::Lists lists;
        ASSERT_EQ(AnalysisCache::read(cachePath, lists), AnalysisCache::ReadStatus::Ok);
        const auto restored = MetaData::resultFromLists(lists.data());
        ASSERT_TRUE(restored);
        EXPECT_TRUE(restored->beats == fromAnalysis->beats || restored->beats == fromChordEdit->beats);
    }
    analysis.join();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"song.tbm"});
}

} // namespace
