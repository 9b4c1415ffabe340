// Audio output: a process-wide device layer with push streams of stereo
// float frames. The application makes one AudioOutput at start-up and hands
// it to the player; tests hand in a silent one on a manual clock, or one
// that failed to initialise.
//
// Devices. deviceNames() lists "System default" first, then the output
// devices PortAudio reports, then "No sound" (always there). selectDevice()
// takes an index into that list, -1 meaning the system default (as 0 does).
// Without PortAudio, or with TONBROOK_AUDIO=none in the environment, the
// list is "System default", "No sound", and both are the silent device: a
// sink that consumes frames at the real-time rate on its own clock. A real
// device that cannot be opened falls back to the silent device at the same
// rate, so playback still advances.
//
// Streams. createStream(rate) gives a stereo float push stream at any rate
// (4 kHz .. 384 kHz); where it differs from the device's rate the layer
// resamples. Creating a stream is cheap (no device is opened). A stream
// starts stopped; play() starts it and it sounds silence until frames
// arrive; pause() keeps the queue; stop() drops the queue. pause(), stop()
// and freeStream() return once the device plays nothing more of the stream
// (at most one device period). Selecting a device frees every stream. A call with a freed or stale handle fails
// harmlessly (false, -1 or StreamState::Invalid): handles carry a
// generation, so a stale handle never reaches a newer stream.
//
// queuedBytes() counts everything pushed and not yet taken by the device,
// in the stream's own float stereo bytes (8 per frame); the device's own
// output latency (bufferLengthMs) comes on top of it. Once pause() has
// returned, the device takes nothing more of the stream, so the count is
// exactly what was pushed and not played, until play() or stop().
//
// The device drains the streams in periods: drainPeriodMs() is the most it
// takes at once, so a producer keeps more than that queued. A playing
// stream that runs dry after its first push counts an underrun, unless its
// producer said no more frames follow (markEnd).
//
// Threading contract:
//   - control thread (the GUI thread): construction, destruction,
//     deviceNames, currentDeviceName, currentDeviceIndex, selectDevice,
//     bufferLengthMs, setBufferLengthMs, deviceSampleRateHz, createStream,
//     freeStream, play, pause, stop. One thread at a time; they may block
//     briefly (opening a device).
//   - control thread also: drainPeriodMs.
//   - producer thread (the player's playback thread): push, markEnd. One
//     producer per stream. They never lock or allocate.
//   - any thread: queuedBytes, state, isActive, isInitialised,
//     underrunCount. Lock-free and allocation-free.
//   - the device's thread (PortAudio's callback or the silent device's
//     clock) only drains the queues; it calls no code outside this layer.
//   A stream may be stopped, paused or freed by the control thread while the
//   producer pushes and the device drains: the push then fails, nothing
//   else happens.
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

using StreamHandle = std::uint32_t; // 0 is never a valid stream

constexpr int kMinStreamRateHz = 4000;
constexpr int kMaxStreamRateHz = 384000;
constexpr int kBytesPerStreamFrame = 2 * static_cast<int>(sizeof(float));

enum class StreamState { Invalid, Stopped, Playing, Paused };

class SilentDevice;

// Drives the silent device by hand for deterministic tests: time stands
// still until advance...() is called, and each call renders the frames the
// elapsed time covers before it returns. Advance from one thread at a time.
class ManualClock
{
public:
    ManualClock() = default;
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    // numFrames at the device's rate. `rendered`, if given, receives the
    // rendered interleaved stereo frames appended (only while the device
    // runs, that is after the first play() since the last device selection).
    void advanceFrames(std::int64_t numFrames, std::vector<float>* rendered = nullptr);
    // Fractions of a frame carry over to the next call.
    void advanceMs(double ms, std::vector<float>* rendered = nullptr);

private:
    friend class SilentDevice;
    std::atomic<SilentDevice*> device_{nullptr};
    std::atomic<int> advancing_{0};
    double pendingFrames_ = 0.0;
};

enum class AudioBackend {
    Environment, // real devices, unless TONBROOK_AUDIO=none
    RealDevices, // real devices whatever the environment says
    SilentOnly,  // the silent device only
};

struct AudioOutputOptions
{
    AudioBackend backend = AudioBackend::Environment;
    // Rate of the silent device when it stands in for "No sound" or for a
    // missing sound system.
    int silentRateHz = 44100;
    // Drive the silent device by hand (not owned; must outlive the output).
    ManualClock* manualClock = nullptr;
    // The silent device drains in periods of a quarter of the buffer
    // length, taking a whole period at its start, as a sound card's host
    // layer does; otherwise it drains smoothly (every 5 ms, or exactly what
    // the manual clock advances).
    bool silentDrainsInPeriods = false;
};

class AudioOutput
{
public:
    static constexpr int kDefaultBufferLengthMs = 50;

    // The working layer. Never fails: without a sound system it plays into
    // the silent device.
    static std::unique_ptr<AudioOutput> create(const AudioOutputOptions& options = {});
    // A layer that failed to initialise: isInitialised() is false, the
    // device list is empty and every stream call fails.
    static std::unique_ptr<AudioOutput> createFailed();

    virtual ~AudioOutput() = default;

    virtual bool isInitialised() const = 0;

    // The names identify the devices (the settings store them): show them
    // through displayName(), which translates the two fixed entries.
    virtual QStringList deviceNames() const = 0;
    static QString displayName(const QString& deviceName);
    virtual QString currentDeviceName() const = 0;
    virtual int currentDeviceIndex() const = 0; // 0 for the system default
    // Frees every stream, then makes the device the output of the streams
    // made afterwards. False for an index outside -1 .. deviceNames().size()-1
    // (nothing changes then).
    virtual bool selectDevice(int index) = 0;
    virtual int deviceSampleRateHz() const = 0;

    // The device's own output latency in milliseconds (what the sound card
    // buffers beyond the streams' queues), clamped to 10 .. 2000; a sound
    // card opens with at least 20 of them. A change reopens a running card
    // at once; the streams go on.
    virtual int bufferLengthMs() const = 0;
    virtual void setBufferLengthMs(int ms) = 0;

    // 0 when the rate is out of range, the layer failed or all
    // kMaxStreams streams are in use.
    virtual StreamHandle createStream(int sampleRateHz) = 0;
    virtual bool freeStream(StreamHandle stream) = 0;
    // Starts the device on its first use since the last selection.
    virtual bool play(StreamHandle stream) = 0;
    virtual bool pause(StreamHandle stream) = 0; // false unless playing
    virtual bool stop(StreamHandle stream) = 0;
    virtual StreamState state(StreamHandle stream) const = 0;
    // Playing, with or without data to play.
    bool isActive(StreamHandle stream) const { return state(stream) == StreamState::Playing; }

    // Queues numFrames interleaved stereo frames. All or nothing: false when
    // they do not fit the stream's queue (about 3 s at 44.1 kHz).
    virtual bool push(StreamHandle stream, const float* interleaved, std::int64_t numFrames) = 0;
    // Bytes pushed and not yet taken by the device; -1 for a dead handle.
    virtual std::int64_t queuedBytes(StreamHandle stream) const = 0;
    // No more frames follow: the queue plays out without an underrun.
    virtual bool markEnd(StreamHandle stream) = 0;

    // The most the device takes from the streams at once, in ms.
    virtual double drainPeriodMs() const = 0;
    // Times a playing stream ran dry (see above), or the sound card itself
    // ran dry while a stream sounded, since the layer started.
    virtual std::int64_t underrunCount() const = 0;
};
