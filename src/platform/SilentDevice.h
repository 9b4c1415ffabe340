// The device that plays nothing: it drains the mixer at the real-time rate,
// on a thread that wakes every few milliseconds and renders the frames the
// steady clock says are due, or, with a ManualClock, only when a test
// advances the clock. Either way playback behaves as on a sound card.
#pragma once

#include "OutputDevice.h"

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

class ManualClock;
class StreamMixer;

class SilentDevice final : public OutputDevice
{
public:
    SilentDevice(StreamMixer& mixer, int sampleRateHz, ManualClock* clock);
    ~SilentDevice() override;
    SilentDevice(const SilentDevice&) = delete;
    SilentDevice& operator=(const SilentDevice&) = delete;

    // While stopped only.
    void setSampleRateHz(int sampleRateHz);

    int sampleRateHz() const override;
    bool start() override;
    void stop() override;
    bool isRunning() const override;

private:
    friend class ManualClock;
    void advance(std::int64_t numFrames, std::vector<float>* rendered);
    void runRealTime();
    void render(std::int64_t numFrames, std::vector<float>* rendered);

    static constexpr int kChunkFrames = 1024;

    StreamMixer& mixer_;
    ManualClock* clock_;
    std::atomic<int> rateHz_;
    std::atomic<bool> running_{false};
    std::atomic<int> rendering_{0}; // advance() calls in progress
    std::thread thread_;
    float chunk_[2 * kChunkFrames];
};
