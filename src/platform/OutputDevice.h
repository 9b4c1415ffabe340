// A sink that drains the stream mixer at its own rate on its own thread:
// the silent device or a PortAudio device. Control-thread calls only.
#pragma once

class OutputDevice
{
public:
    virtual ~OutputDevice() = default;
    virtual int sampleRateHz() const = 0;
    // Begins draining; false when the device cannot run.
    virtual bool start() = 0;
    // Returns once no render is in progress and none will start.
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // The most the device takes from the mixer at once, in ms.
    virtual double drainPeriodMs() const = 0;
};
