// The stream pool behind AudioOutput: fixed slots, each a single-producer
// single-consumer ring of stereo float frames at the stream's own rate,
// mixed (and resampled where the rates differ) into the device's buffer.
//
// Threads (see AudioOutput.h for the public contract):
//   control thread: create, free, freeAll, play, pause, stop;
//   producer thread (one per stream): push, markEnd;
//   device thread: render;
//   any thread: queuedFrames, state, underrunCount.
// No call takes a lock. Only create() allocates (a slot's ring, once, and
// the resampler table); push() and render() never do.
//
// pause(), stop() and free() return once a render in progress has ended,
// so no later frame of that stream reaches the device (the control thread
// spins for at most one device period; the device thread never waits).
//
// A slot is guarded by a user count: push, render and the queries hold it
// while they touch the slot, and create() only reuses a free slot nobody
// holds. A handle carries a generation, so a stale one never matches a
// reused slot.
#pragma once

#include "AudioOutput.h"
#include "Resampler.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

class StreamMixer
{
public:
    static constexpr int kMaxStreams = 8;
    // Per-stream queue: about 3 s at 44.1 kHz, far more than the player keeps.
    static constexpr std::int64_t kRingFrames = std::int64_t{1} << 17;

    StreamMixer();
    ~StreamMixer();
    StreamMixer(const StreamMixer&) = delete;
    StreamMixer& operator=(const StreamMixer&) = delete;

    StreamHandle create(int streamRateHz, int deviceRateHz);
    bool free(StreamHandle handle);
    void freeAll();
    bool play(StreamHandle handle);
    bool pause(StreamHandle handle);
    bool stop(StreamHandle handle);
    StreamState state(StreamHandle handle) const;

    bool push(StreamHandle handle, const float* interleaved, std::int64_t numFrames);
    std::int64_t queuedFrames(StreamHandle handle) const;
    // No more frames follow on this stream: running dry is no underrun.
    bool markEnd(StreamHandle handle);
    // Times a playing stream that had started to sound, and was not marked
    // ended, had fewer frames than the device asked for (a run of such
    // renders counts once).
    // Also counted: the device reporting that it ran dry itself while a
    // stream sounded in its last render.
    std::int64_t underrunCount() const { return underruns_.load(std::memory_order_relaxed); }
    // Device thread, before a render: the device ran dry since the last one.
    void noteDeviceUnderflow();

    // Writes numFrames interleaved stereo frames: the sum of the playing
    // streams, silence where they have no data.
    void render(float* out, int numFrames);

    // A playing stream starts to sound at the first render that finds
    // startFrames device frames of it queued (any frame when 0; never more
    // than three quarters of the ring), or once it is marked ended; until then it renders silence and takes nothing. A
    // card that pulls its whole buffer as it starts would otherwise play the
    // first pushes and then a hole. Control thread.
    void setStartFrames(std::int64_t deviceFrames);

private:
    struct Slot;
    Slot* enter(StreamHandle handle) const;
    static void leave(Slot* slot);
    // True when the slot gave frames.
    bool renderSlot(Slot& slot, float* out, int numFrames);
    void waitForRender() const;

    std::array<std::unique_ptr<Slot>, kMaxStreams> slots_;
    // Odd while render() runs; lets pause, stop and free return only once
    // the device has seen them.
    std::atomic<std::uint64_t> renderSequence_{0};
    std::atomic<std::int64_t> underruns_{0};
    std::atomic<std::int64_t> startFrames_{0};
    // A stream gave frames in the last render (device thread; atomic as the
    // device, and so the thread, changes at a device switch).
    std::atomic<bool> sounded_{false};
};
