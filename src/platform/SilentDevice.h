// The device that plays nothing: it drains the mixer at the real-time rate,
// on a thread that wakes every few milliseconds and renders the frames the
// steady clock says are due, or, with a ManualClock, only when a test
// advances the clock. Either way playback behaves as on a sound card.
//
// Smoothly by default; with a period set, it takes a whole period at the
// start of each, as a sound card's host layer asks for its buffer a
// period at a time.
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
    // Frames taken at once; 0 drains smoothly. Control thread, any time.
    void setPeriodFrames(std::int64_t frames);

    int sampleRateHz() const override;
    bool start() override;
    void stop() override;
    bool isRunning() const override;
    double drainPeriodMs() const override;

private:
    friend class ManualClock;
    void advance(std::int64_t numFrames, std::vector<float>* rendered);
    void runRealTime();
    void render(std::int64_t numFrames, std::vector<float>* rendered);
    // The frames taken once elapsed frames of time have passed.
    std::int64_t takenBy(std::int64_t elapsed) const;

    static constexpr int kChunkFrames = 1024;

    StreamMixer& mixer_;
    ManualClock* clock_;
    std::atomic<int> rateHz_;
    std::atomic<bool> running_{false};
    std::atomic<int> rendering_{0}; // advance() calls in progress
    std::atomic<std::int64_t> periodFrames_{0};
    // The manual clock's time and what it rendered since the start, in
    // frames; touched by the advancing thread only (one at a time).
    std::int64_t manualElapsed_ = 0;
    std::int64_t manualTaken_ = 0;
    std::thread thread_;
    float chunk_[2 * kChunkFrames];
};
