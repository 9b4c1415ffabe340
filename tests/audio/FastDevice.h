// The silent device on a manual clock, drained as fast as a thread can:
// the playback thread is nearly always inside a step while the test's GUI
// side acts, which is where races show.
#pragma once

#include "AudioOutput.h"

#include <atomic>
#include <memory>
#include <thread>

class FastDevice
{
public:
    explicit FastDevice(ManualClock& clock)
        : m_thread([this, &clock] {
              while (!m_done.load())
                  clock.advanceFrames(512);
          })
    {
    }
    ~FastDevice()
    {
        m_done.store(true);
        m_thread.join();
    }
    FastDevice(const FastDevice&) = delete;
    FastDevice& operator=(const FastDevice&) = delete;

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

inline std::unique_ptr<AudioOutput> manualOutput(ManualClock& clock)
{
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    options.manualClock = &clock;
    return AudioOutput::create(options);
}
