// Sound cards through PortAudio: the library's set-up and device list, and
// one output device stream whose callback drains the stream mixer.
//
// PortAudio, ALSA and JACK print their probing chatter to stderr; every
// call that probes devices runs with stderr pointed at /dev/null.
#pragma once

#include "OutputDevice.h"

#include <QString>

#include <atomic>
#include <vector>

class StreamMixer;

struct PortAudioDeviceInfo
{
    int index = -1; // PortAudio's device index
    QString name;
    int sampleRateHz = 0; // the device's default rate
    int maxChannels = 0;
};

// Pa_Initialize / Pa_Terminate, and the output devices found at start-up
// (PortAudio only enumerates once per initialisation).
class PortAudioSystem
{
public:
    PortAudioSystem();
    ~PortAudioSystem();
    PortAudioSystem(const PortAudioSystem&) = delete;
    PortAudioSystem& operator=(const PortAudioSystem&) = delete;

    bool isInitialised() const { return initialised_; }
    const std::vector<PortAudioDeviceInfo>& outputDevices() const { return devices_; }
    // Position in outputDevices() of the system's default output, -1 if none.
    int defaultDevice() const { return default_; }

private:
    bool initialised_ = false;
    std::vector<PortAudioDeviceInfo> devices_;
    int default_ = -1;
};

class PortAudioDevice final : public OutputDevice
{
public:
    PortAudioDevice(StreamMixer& mixer, const PortAudioDeviceInfo& info, int latencyMs);
    ~PortAudioDevice() override;
    PortAudioDevice(const PortAudioDevice&) = delete;
    PortAudioDevice& operator=(const PortAudioDevice&) = delete;

    int sampleRateHz() const override { return info_.sampleRateHz; }
    bool start() override;
    void stop() override;
    bool isRunning() const override { return stream_ != nullptr; }
    // The largest callback seen, and at least the whole latency: the host
    // layer asks for a period at a time, but as the card starts (or after
    // it ran dry) it asks period after period until its buffer is full.
    double drainPeriodMs() const override;

    // The PortAudio callback's body; allocation- and lock-free.
    void renderInto(float* out, unsigned long numFrames);
    // The callback's report that the card ran dry before this period.
    void noteUnderflow();

    // The least latency a card is opened with, whatever is asked: below it
    // ALSA's route into a sound server drops out as soon as the machine is
    // busy, with nothing short on our side.
    static constexpr int kMinLatencyMs = 20;

private:
    static constexpr int kChunkFrames = 1024;

    StreamMixer& mixer_;
    PortAudioDeviceInfo info_;
    int latencyMs_;
    int channels_ = 2;
    void* stream_ = nullptr; // PaStream
    float chunk_[2 * kChunkFrames];
    // Written by the callback, read by the control thread.
    std::atomic<unsigned long> largestCallbackFrames_{0};
};
