// The GUI edits riffs, pitches, song slots and the beats while the player's
// thread reads them through RiffSource and SongSource: no read may name a
// beat, step, pitch or riff that does not exist, and ThreadSanitizer stays
// quiet.
#include "JamFixture.h"
#include "MetaData.h"
#include "Riff.h"
#include "RiffModel.h"
#include "SongSlots.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(JamSourcesThreaded, GuiEditsWhileThePlayerReads)
{
    MetaData model;
    jam_test::fillBeats(model, 40);
    RiffModel riff;
    riff.setMetaData(&model);
    Riff pitches;
    SongSlots song;

    std::atomic<bool> done{false};
    std::atomic<int> rounds{0};
    std::atomic<int> faults{0};
    std::thread player([&] {
        while (!done.load(std::memory_order_acquire)) {
            {
                // As the stepping does: beats only inside the access.
                MetaData::BeatsReadAccess access(model);
                if (access) {
                    const int n = model.beats.size();
                    for (int step = 0; step < RiffModel::stepCount; ++step) {
                        const int b = riff.beatIndex(step);
                        if (b < 0 || (n >= 2 && b > n - 2))
                            faults.fetch_add(1);
                        else if (n >= 2 && model.beats.at(b + 1) < model.beats.at(b))
                            faults.fetch_add(1);
                    }
                }
            }
            const int last = riff.getLoopLength();
            if (last < -2 || last > RiffModel::lastStep)
                faults.fetch_add(1);
            for (int step = 0; step < Riff::stepCount; ++step) {
                const float f = pitches.interpFactor(step);
                if (!(f >= Riff::lowestFactor && f <= Riff::highestFactor))
                    faults.fetch_add(1);
            }
            for (int slot = 0; slot < SongSource::slotCount; ++slot) {
                const int r = song.riffAt(slot);
                if (r < SongSource::emptySlot || r >= SongSlots::riffCount)
                    faults.fetch_add(1);
            }
            rounds.fetch_add(1, std::memory_order_release);
        }
    });

    // Progress, not time: wait for the reader's first and later rounds.
    auto waitForRounds = [&](int atLeast) {
        while (rounds.load(std::memory_order_acquire) < atLeast)
            std::this_thread::yield();
    };
    waitForRounds(1);
    for (int i = 0; i < 3000; ++i) {
        const int step = i % RiffModel::stepCount;
        riff.setArmedStep(step, (i * 7) % 45);
        riff.moveStep(step, (i * 13) % 50 - 5, i % 2 == 0);
        riff.lockSelection();
        riff.setLoopLength(i % 19 - 2);
        if (i % 7 == 0)
            riff.extendLoopLength((i * 5) % RiffModel::stepCount);
        if (i % 11 == 0)
            riff.setBeat(step, RiffModel::InLoop, 1000 + i, 0, 0);
        if (i % 97 == 0)
            riff.setFirst(i % 5);
        if (i % 500 == 0)
            riff.reset();
        pitches.setInterpFactor(float(i % 9) * 0.4f - 0.5f, step);
        song.setRiff(i % SongSource::slotCount, i % 9 - 2);
        if (i % 100 == 0) {
            const float shift = (i % 200 == 0) ? 220.0f : -220.0f;
            model.changeBeats([shift](QVector<float>& beats) {
                for (float& beat : beats)
                    beat += shift;
            });
            waitForRounds(rounds.load(std::memory_order_acquire) + 1);
        }
    }
    waitForRounds(rounds.load(std::memory_order_acquire) + 1);
    done.store(true, std::memory_order_release);
    player.join();

    EXPECT_EQ(faults.load(), 0);
}

} // namespace
