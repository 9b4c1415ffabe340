// The output layer's threads at once, as the application runs them: a
// producer pushing like the player's playback thread, the device draining,
// and the GUI thread pausing, stopping, freeing and re-creating the stream
// underneath them. Also run under ThreadSanitizer.
#include "AudioOutput.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

namespace {

struct RaceCase
{
    const char* name;
    bool manualClock; // else the silent device's real-time clock
    int streamRateHz;
};

std::ostream& operator<<(std::ostream& os, const RaceCase& c)
{
    return os << c.name;
}

class OutputRace : public ::testing::TestWithParam<RaceCase>
{
};

TEST_P(OutputRace, ProducerDeviceAndControlThreadsStayConsistent)
{
    const RaceCase c = GetParam();
    constexpr int kDeviceRateHz = 44100;
    constexpr int kBlockFrames = 256;
    constexpr std::int64_t kQueueLimitBytes = 32767; // the player's threshold
    constexpr int kControlSteps = 400;

    ManualClock clock;
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    options.silentRateHz = kDeviceRateHz;
    options.manualClock = c.manualClock ? &clock : nullptr;
    auto out = AudioOutput::create(options);

    std::atomic<StreamHandle> current{out->createStream(c.streamRateHz)};
    ASSERT_TRUE(out->play(current.load()));
    std::atomic<bool> done{false};

    // Producer: left counts up across every stream, right is its negative.
    std::atomic<std::int64_t> pushedFrames{0};
    std::thread producer([&] {
        float block[2 * kBlockFrames];
        float next = 1.0f;
        while (!done.load()) {
            const StreamHandle h = current.load();
            const std::int64_t queued = out->queuedBytes(h);
            if (queued < 0 || queued > kQueueLimitBytes) {
                std::this_thread::yield();
                continue;
            }
            for (int f = 0; f < kBlockFrames; ++f) {
                block[2 * f] = next + static_cast<float>(f);
                block[2 * f + 1] = -block[2 * f];
            }
            if (out->push(h, block, kBlockFrames)) {
                next += kBlockFrames;
                pushedFrames.fetch_add(kBlockFrames);
            }
        }
    });

    // Device (manual clock only): drains and keeps what it rendered.
    std::vector<float> rendered;
    rendered.reserve(1 << 22);
    std::thread device;
    if (c.manualClock) {
        device = std::thread([&] {
            while (!done.load() && rendered.size() < (1u << 22) - 1024)
                clock.advanceFrames(128, &rendered);
        });
    }

    // Control thread: a fixed sequence of transport calls.
    std::mt19937 rng(20240611);
    bool created = true;
    for (int step = 0; step < kControlSteps && created; ++step) {
        const StreamHandle h = current.load();
        switch (rng() % 5) {
        case 0:
            out->pause(h);
            out->play(h);
            break;
        case 1:
            out->stop(h);
            out->play(h);
            break;
        case 2: {
            // The player's restart: free the old stream, make and start a new one.
            out->freeStream(h);
            const StreamHandle fresh = out->createStream(c.streamRateHz);
            created = fresh != 0;
            current.store(fresh);
            out->play(fresh);
            break;
        }
        default:
            (void)out->isActive(h);
            (void)out->queuedBytes(h);
            break;
        }
        for (unsigned spin = rng() % 2000; spin > 0; --spin)
            std::this_thread::yield();
    }
    done.store(true);
    producer.join();
    if (device.joinable())
        device.join();

    EXPECT_TRUE(created) << "a freed slot must be reusable while the others run";
    EXPECT_GT(pushedFrames.load(), 0);
    if (!c.manualClock)
        return;
    // Every frame the device played is whole (no torn frames); at the
    // stream's own rate no frame is out of order or played twice.
    std::int64_t audible = 0;
    float last = 0.0f;
    for (size_t i = 0; i + 1 < rendered.size(); i += 2) {
        ASSERT_EQ(rendered[i + 1], -rendered[i]) << "frame " << i / 2;
        if (rendered[i] == 0.0f)
            continue;
        ++audible;
        if (c.streamRateHz == kDeviceRateHz) {
            ASSERT_GT(rendered[i], last) << "frame " << i / 2;
            last = rendered[i];
        }
    }
    EXPECT_GT(audible, 0);
}

INSTANTIATE_TEST_SUITE_P(Clocks, OutputRace,
                         ::testing::Values(RaceCase{"manual_same_rate", true, 44100},
                                           RaceCase{"manual_resampled", true, 48000},
                                           RaceCase{"real_time", false, 48000}),
                         RowName());

} // namespace
