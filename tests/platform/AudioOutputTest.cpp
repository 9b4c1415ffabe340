// The output layer on the silent device, driven by a manual clock: no sound
// card, no sleeping, every figure exact.
#include "AudioOutput.h"

#include "AudioFixtures.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

std::unique_ptr<AudioOutput> silentOutput(ManualClock& clock, int deviceRateHz = 44100)
{
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    options.silentRateHz = deviceRateHz;
    options.manualClock = &clock;
    return AudioOutput::create(options);
}

// Frames whose left value counts up from `first` and whose right is its
// negative, so any frame in the output tells where it came from.
std::vector<float> ramp(std::int64_t numFrames, float first = 1.0f)
{
    std::vector<float> x(2 * static_cast<size_t>(numFrames));
    for (std::int64_t f = 0; f < numFrames; ++f) {
        x[2 * static_cast<size_t>(f)] = first + static_cast<float>(f);
        x[2 * static_cast<size_t>(f) + 1] = -(first + static_cast<float>(f));
    }
    return x;
}

struct DrainCase
{
    int deviceHz;
    int streamHz;
    std::int64_t toleranceFrames;
    const char* reason;
};

std::ostream& operator<<(std::ostream& os, const DrainCase& c)
{
    return os << "stream_" << c.streamHz << "_on_" << c.deviceHz;
}

class OutputDrain : public ::testing::TestWithParam<DrainCase>
{
};

// The queue empties at the stream's real-time rate, counted in the
// stream's own bytes, whatever the device's rate.
TEST_P(OutputDrain, QueueFallsAtTheRealTimeRate)
{
    const DrainCase c = GetParam();
    ManualClock clock;
    auto out = silentOutput(clock, c.deviceHz);
    const StreamHandle s = out->createStream(c.streamHz);
    ASSERT_NE(s, 0u);
    const auto oneSecond = fixtures::sines(c.streamHz, 2, c.streamHz, 1000.0, 3000.0);
    ASSERT_TRUE(out->push(s, oneSecond.data(), c.streamHz));
    EXPECT_EQ(out->queuedBytes(s), std::int64_t{8} * c.streamHz);
    ASSERT_TRUE(out->play(s));
    EXPECT_TRUE(out->isActive(s));

    for (int quarter = 1; quarter <= 3; ++quarter) {
        clock.advanceMs(250);
        const std::int64_t left = c.streamHz - quarter * c.streamHz / 4;
        EXPECT_NEAR(out->queuedBytes(s) / 8.0, left, c.toleranceFrames)
            << "after " << quarter * 250 << " ms; " << c.reason;
    }
    clock.advanceMs(300);
    EXPECT_EQ(out->queuedBytes(s), 0);
    EXPECT_TRUE(out->isActive(s)) << "a stream that ran dry keeps playing silence";
}

INSTANTIATE_TEST_SUITE_P(
    Rates, OutputDrain,
    ::testing::Values(DrainCase{44100, 44100, 0, "same rate: frame-exact"},
                      DrainCase{48000, 48000, 0, "same rate: frame-exact"},
                      DrainCase{44100, 48000, 32, "the resampler reads up to its kernel's half-width ahead"},
                      DrainCase{48000, 44100, 32, "the resampler reads up to its kernel's half-width ahead"},
                      DrainCase{48000, 22050, 32, "the resampler reads up to its kernel's half-width ahead"}));

TEST(AudioOutput, PlaysExactlyWhatWasPushedAfterSilence)
{
    ManualClock clock;
    auto out = silentOutput(clock);
    const StreamHandle s = out->createStream(44100);
    ASSERT_TRUE(out->play(s));
    std::vector<float> rendered;
    clock.advanceFrames(300, &rendered);
    ASSERT_EQ(rendered.size(), 600u);
    for (float v : rendered)
        ASSERT_EQ(v, 0.0f) << "silence until data arrives";

    const auto x = ramp(1000);
    ASSERT_TRUE(out->push(s, x.data(), 1000));
    rendered.clear();
    clock.advanceFrames(1200, &rendered);
    for (size_t i = 0; i < x.size(); ++i)
        ASSERT_EQ(rendered[i], x[i]) << i;
    for (size_t i = x.size(); i < rendered.size(); ++i)
        ASSERT_EQ(rendered[i], 0.0f) << "underrun gives silence, " << i;
}

TEST(AudioOutput, QueueRisesWithPushesAndFallsWithPlaying)
{
    ManualClock clock;
    auto out = silentOutput(clock);
    const StreamHandle s = out->createStream(44100);
    const auto block = ramp(1024);
    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(out->push(s, block.data(), 1024));
        EXPECT_EQ(out->queuedBytes(s), i * 8192);
    }
    clock.advanceFrames(1024);
    EXPECT_EQ(out->queuedBytes(s), 3 * 8192) << "a stream that is not playing keeps its queue";
    ASSERT_TRUE(out->play(s));
    clock.advanceFrames(1024);
    EXPECT_EQ(out->queuedBytes(s), 2 * 8192);
    ASSERT_TRUE(out->push(s, block.data(), 1024));
    EXPECT_EQ(out->queuedBytes(s), 3 * 8192);
}

TEST(AudioOutput, PauseKeepsTheQueueAndStopDropsIt)
{
    ManualClock clock;
    auto out = silentOutput(clock);
    const StreamHandle s = out->createStream(44100);
    const auto x = ramp(44100);
    ASSERT_TRUE(out->push(s, x.data(), 44100));
    ASSERT_TRUE(out->play(s));
    clock.advanceFrames(4410);
    ASSERT_TRUE(out->pause(s));
    EXPECT_EQ(out->state(s), StreamState::Paused);
    EXPECT_FALSE(out->isActive(s));
    std::vector<float> rendered;
    clock.advanceMs(500, &rendered);
    EXPECT_EQ(out->queuedBytes(s), 8 * (44100 - 4410));
    for (float v : rendered)
        ASSERT_EQ(v, 0.0f);

    ASSERT_TRUE(out->play(s));
    rendered.clear();
    clock.advanceFrames(10, &rendered);
    EXPECT_EQ(rendered[0], x[2 * 4410]) << "playing resumes where the pause left it";

    ASSERT_TRUE(out->stop(s));
    EXPECT_EQ(out->state(s), StreamState::Stopped);
    EXPECT_FALSE(out->isActive(s));
    EXPECT_EQ(out->queuedBytes(s), 0);
    EXPECT_FALSE(out->pause(s)) << "only a playing stream pauses";

    // After a stop only what is pushed afterwards plays.
    const auto fresh = ramp(100, 100000.0f);
    ASSERT_TRUE(out->push(s, fresh.data(), 100));
    ASSERT_TRUE(out->play(s));
    rendered.clear();
    clock.advanceFrames(100, &rendered);
    EXPECT_EQ(rendered, fresh);
}

// Same as above through the resampler: a stop must not leave the old
// signal in the resampler's history.
TEST(AudioOutput, StopClearsAResampledStream)
{
    ManualClock clock;
    auto out = silentOutput(clock, 44100);
    const StreamHandle s = out->createStream(48000);
    const auto loud = fixtures::sines(48000, 2, 48000, 1000.0, 1000.0, 0.9f);
    ASSERT_TRUE(out->push(s, loud.data(), 48000));
    ASSERT_TRUE(out->play(s));
    clock.advanceFrames(1000);
    ASSERT_TRUE(out->stop(s));
    const std::vector<float> silence(2 * 4800, 0.0f);
    ASSERT_TRUE(out->push(s, silence.data(), 4800));
    ASSERT_TRUE(out->play(s));
    std::vector<float> rendered;
    clock.advanceFrames(4000, &rendered);
    for (size_t i = 0; i < rendered.size(); ++i)
        ASSERT_EQ(rendered[i], 0.0f) << i;
}

// A 48 kHz recording on a 44.1 kHz card: the tones come out at their own
// pitch and level, each on its own side.
TEST(AudioOutput, ResamplesAStreamToTheDeviceRate)
{
    ManualClock clock;
    auto out = silentOutput(clock, 44100);
    EXPECT_EQ(out->deviceSampleRateHz(), 44100);
    const StreamHandle s = out->createStream(48000);
    const auto x = fixtures::sines(48000, 2, 48000, 1000.0, 3000.0, 0.5f);
    ASSERT_TRUE(out->push(s, x.data(), 48000));
    ASSERT_TRUE(out->play(s));
    std::vector<float> rendered;
    clock.advanceMs(900, &rendered);
    ASSERT_EQ(rendered.size(), 2u * 39690);
    const float* mid = rendered.data() + 2 * 4410;
    const std::int64_t n = 2 * 30000;
    // Level within the resampler's passband ripple.
    EXPECT_NEAR(fixtures::toneLevel(mid, n, 2, 1000.0, 44100), 0.5, 0.005);
    EXPECT_NEAR(fixtures::toneLevel(mid + 1, n, 2, 3000.0, 44100), 0.5, 0.005);
    EXPECT_LT(fixtures::toneLevel(mid, n, 2, 3000.0, 44100), 0.001);
    EXPECT_LT(fixtures::toneLevel(mid + 1, n, 2, 1000.0, 44100), 0.001);
}

// ---------------------------------------------------------------------------
// Draining in periods, as a sound card's host layer asks for its buffer: a
// quarter of the buffer length at the start of each period.

struct PeriodCase
{
    const char* name;
    int bufferMs;
    int deviceHz;
    std::int64_t periodFrames;
};

std::ostream& operator<<(std::ostream& os, const PeriodCase& c)
{
    return os << c.name;
}

class DrainPeriods : public ::testing::TestWithParam<PeriodCase>
{
};

TEST_P(DrainPeriods, TakeAQuarterOfTheBufferAtTheStartOfEachPeriod)
{
    const PeriodCase c = GetParam();
    ManualClock clock;
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    options.silentRateHz = c.deviceHz;
    options.manualClock = &clock;
    options.silentDrainsInPeriods = true;
    auto output = AudioOutput::create(options);
    output->setBufferLengthMs(c.bufferMs);
    EXPECT_NEAR(output->drainPeriodMs(), c.bufferMs / 4.0, 1000.0 / c.deviceHz);

    const StreamHandle stream = output->createStream(c.deviceHz);
    const std::int64_t pushed = 2 * c.periodFrames + 100;
    ASSERT_TRUE(output->push(stream, ramp(pushed).data(), pushed));
    ASSERT_TRUE(output->play(stream));
    const auto queued = [&] { return output->queuedBytes(stream) / kBytesPerStreamFrame; };
    clock.advanceFrames(1);
    EXPECT_EQ(queued(), pushed - c.periodFrames) << "a whole period at its start";
    clock.advanceFrames(c.periodFrames - 1);
    EXPECT_EQ(queued(), pushed - c.periodFrames) << "nothing more within the period";
    clock.advanceFrames(1);
    EXPECT_EQ(queued(), pushed - 2 * c.periodFrames);
    EXPECT_EQ(output->underrunCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Buffers, DrainPeriods,
                         ::testing::Values(PeriodCase{"ms40_at_44k1", 40, 44100, 441},
                                           PeriodCase{"ms500_at_48k", 500, 48000, 6000},
                                           PeriodCase{"ms2000_at_96k", 2000, 96000, 48000}),
                         RowName());

// A playing stream that runs dry counts once per run; after markEnd its
// queue plays out without one; before the first push it is the start.
TEST(AudioOutput, CountsEachTimeAPlayingStreamRunsDry)
{
    ManualClock clock;
    auto output = silentOutput(clock);
    const StreamHandle stream = output->createStream(44100);
    ASSERT_TRUE(output->play(stream));
    clock.advanceFrames(5000);
    EXPECT_EQ(output->underrunCount(), 0) << "silence before the first push";

    ASSERT_TRUE(output->push(stream, ramp(3000).data(), 3000));
    clock.advanceFrames(5000); // runs dry over several renders
    EXPECT_EQ(output->underrunCount(), 1);
    clock.advanceFrames(5000);
    EXPECT_EQ(output->underrunCount(), 1) << "one run dry counts once";

    ASSERT_TRUE(output->push(stream, ramp(3000).data(), 3000));
    clock.advanceFrames(1000);
    ASSERT_TRUE(output->push(stream, ramp(3000).data(), 3000));
    clock.advanceFrames(8000);
    EXPECT_EQ(output->underrunCount(), 2);

    ASSERT_TRUE(output->push(stream, ramp(3000).data(), 3000));
    ASSERT_TRUE(output->markEnd(stream));
    clock.advanceFrames(8000);
    EXPECT_EQ(output->underrunCount(), 2) << "running dry after the end";

    const StreamHandle paused = output->createStream(44100);
    ASSERT_TRUE(output->play(paused));
    ASSERT_TRUE(output->push(paused, ramp(100).data(), 100));
    ASSERT_TRUE(output->pause(paused));
    clock.advanceFrames(8000);
    EXPECT_EQ(output->underrunCount(), 2) << "a paused stream takes nothing";
}

TEST(AudioOutput, StaleHandlesFailHarmlessly)
{
    ManualClock clock;
    auto out = silentOutput(clock);
    const StreamHandle old = out->createStream(44100);
    const auto x = ramp(100);
    ASSERT_TRUE(out->freeStream(old));

    const StreamHandle s = out->createStream(44100);
    ASSERT_NE(s, old) << "a reused slot gets a new generation";
    ASSERT_TRUE(out->push(s, x.data(), 100));
    ASSERT_TRUE(out->play(s));

    EXPECT_FALSE(out->freeStream(old));
    EXPECT_FALSE(out->play(old));
    EXPECT_FALSE(out->pause(old));
    EXPECT_FALSE(out->stop(old));
    EXPECT_FALSE(out->push(old, x.data(), 100));
    EXPECT_EQ(out->queuedBytes(old), -1);
    EXPECT_EQ(out->state(old), StreamState::Invalid);
    EXPECT_FALSE(out->isActive(0));
    EXPECT_FALSE(out->push(0xffffffffu, x.data(), 1));
    // None of that touched the live stream.
    EXPECT_TRUE(out->isActive(s));
    EXPECT_EQ(out->queuedBytes(s), 800);

    // Choosing a device frees every stream.
    ASSERT_TRUE(out->selectDevice(-1));
    EXPECT_EQ(out->state(s), StreamState::Invalid);
    EXPECT_FALSE(out->push(s, x.data(), 100));
}

TEST(AudioOutput, RefusesWhatItCannotHold)
{
    ManualClock clock;
    auto out = silentOutput(clock);
    EXPECT_EQ(out->createStream(0), 0u);
    EXPECT_EQ(out->createStream(1000000), 0u);

    const StreamHandle s = out->createStream(44100);
    const std::vector<float> tooMuch(2 * 5 * 44100, 0.25f);
    EXPECT_FALSE(out->push(s, tooMuch.data(), 5 * 44100)) << "all or nothing";
    EXPECT_EQ(out->queuedBytes(s), 0);
    EXPECT_FALSE(out->push(s, nullptr, 10));
    EXPECT_FALSE(out->push(s, tooMuch.data(), -1));

    std::vector<StreamHandle> streams{s};
    for (StreamHandle h; (h = out->createStream(44100)) != 0;)
        streams.push_back(h);
    EXPECT_GE(streams.size(), 2u);
    ASSERT_TRUE(out->freeStream(streams.back()));
    EXPECT_NE(out->createStream(44100), 0u) << "a freed slot is free again";
}

TEST(AudioOutput, DeviceListAlwaysEndsWithNoSound)
{
    ManualClock clock;
    auto out = silentOutput(clock);
    const QStringList names = out->deviceNames();
    ASSERT_GE(names.size(), 2);
    EXPECT_EQ(names.front(), "System default");
    EXPECT_EQ(names.back(), "No sound");
    ASSERT_TRUE(out->selectDevice(names.size() - 1));
    EXPECT_EQ(out->currentDeviceName(), "No sound");
    EXPECT_FALSE(out->selectDevice(names.size()));
    EXPECT_FALSE(out->selectDevice(-2));
    EXPECT_EQ(out->currentDeviceName(), "No sound") << "a refused index changes nothing";
    ASSERT_TRUE(out->selectDevice(-1));
    EXPECT_EQ(out->currentDeviceIndex(), 0);
}

TEST(AudioOutput, FailedLayerRefusesEverything)
{
    auto out = AudioOutput::createFailed();
    EXPECT_FALSE(out->isInitialised());
    EXPECT_TRUE(out->deviceNames().isEmpty());
    EXPECT_FALSE(out->selectDevice(-1));
    const StreamHandle s = out->createStream(44100);
    EXPECT_EQ(s, 0u);
    const float frame[2] = {0.5f, 0.5f};
    EXPECT_FALSE(out->push(s, frame, 1));
    EXPECT_EQ(out->queuedBytes(s), -1);
    EXPECT_FALSE(out->play(s));
    EXPECT_FALSE(out->isActive(s));
}

// The same stream on the real-time backends: the silent device's own
// clock, and a sound card where there is one.
class OutputBackends : public ::testing::TestWithParam<AudioBackend>
{
};

TEST_P(OutputBackends, DrainsOnItsOwnClock)
{
    AudioOutputOptions options;
    options.backend = GetParam();
    auto out = AudioOutput::create(options);
    if (GetParam() == AudioBackend::RealDevices) {
        if (out->deviceNames().size() <= 2)
            GTEST_SKIP() << "no sound card";
        ASSERT_TRUE(out->selectDevice(1));
    }
    ASSERT_TRUE(out->isInitialised());
    const StreamHandle s = out->createStream(44100);
    const std::vector<float> silence(2 * 4410, 0.0f);
    ASSERT_TRUE(out->push(s, silence.data(), 4410));
    ASSERT_TRUE(out->play(s));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (out->queuedBytes(s) > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(out->queuedBytes(s), 0) << "0.1 s of audio still queued after 5 s";
}

INSTANTIATE_TEST_SUITE_P(Backends, OutputBackends,
                         ::testing::Values(AudioBackend::SilentOnly, AudioBackend::RealDevices),
                         [](const ::testing::TestParamInfo<AudioBackend>& row) {
                             return row.param == AudioBackend::SilentOnly ? "silent" : "portaudio";
                         });

} // namespace
