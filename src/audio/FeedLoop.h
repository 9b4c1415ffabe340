// The playback thread's job: one block at a time, it wraps the read
// position around a looped selection, makes the block from the chain
// (through the step splicer, which also steps a riff or the song), tracks
// the beat into the analysis model, mixes the block (volume, mono mix, the
// click where its beat is heard) and pushes it to the output stream; at
// the end of the recording it plays out the last frames and ends playback.
// It keeps what the GUI side needs to undo a push (where each pushed block
// was read) and reports beats, clicks and the end through lock-free
// events, so the playback thread never calls Qt.
//
// Threads. The player (GUI thread) owns the loop and shares the atomics
// below with it. feedBlock runs on the playback thread (or the feedOnce
// caller) inside the player's step gate; the methods marked "inside the
// gate" run on the GUI thread while it holds the gate, so the plain fields
// need no ordering of their own (the gate's acquire/release orders them).
#pragma once

#include "AudioOutput.h"
#include "ClickTrack.h"
#include "JamStepper.h"
#include "SpscRing.h"
#include "StepSplicer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class MetaData;
class ToolSwitches;

// One thing the playback thread tells the GUI; the GUI's tick emits the
// matching signal, in the order they were made.
struct PlaybackEvent
{
    enum class Kind : std::uint8_t { Click, BeatChanged, Flash };
    Kind kind = Kind::Click;
    bool on = false; // Flash: the new state of the beat light
};

struct LoopPoints
{
    int start = 0;
    int end = 0;
    bool selection() const { return start != end; }
};

class FeedLoop
{
public:
    enum class BlockResult { Idle, Pushed, Moved, Ended };

    // The queue the player keeps at least, in frames (4096: 93 ms at
    // 44.1 kHz), whatever the device's period.
    static constexpr int minimumQueueFrames = 4096;

    FeedLoop(AudioOutput& output, ToolSwitches& tools);
    ~FeedLoop();
    FeedLoop(const FeedLoop&) = delete;
    FeedLoop& operator=(const FeedLoop&) = delete;

    // Playback thread, inside the gate: one block (see the .cpp).
    BlockResult feedBlock();

    // GUI thread, inside the gate.
    void setRecordingInfo(int frames, int rateHz, int channelCount);
    int length() const { return length_; }
    int sampleRate() const { return rateHz_; }
    void setModel(MetaData* model) { model_ = model; }
    MetaData* model() const { return model_; }
    void setClick(const float* samples, int frames); // copies; null clears
    // GUI thread: moves every beat of the model by shift frames (a beat
    // that would go before the recording's start stays) and adds shift to
    // beatOffsetSamples in the same write of the beats, so the beat
    // tracking never sees the one without the other.
    void moveBeats(int shift);
    // A stream starts: its first frame is silent, the gains start where
    // they are, the push record starts afresh, nothing of the last
    // playback (a cut chain block, a click's tail) carries over.
    void prepareStreamStart();
    // Riff or song playback starts at recording frame `source`: the chain
    // pre-rolled there, so the first block is at full weight.
    void prerollJamStart(int source);
    // Playback stopped: nothing carries over into an export or a render.
    void dropCarriedSound();
    // After a pause: the read position goes back to the block that holds
    // the first frame not played (unplayedFrames of the stream's queue),
    // and the next start renders three blocks before it unheard, so the
    // overlap-add sounds as it did. Returns the new position.
    int rewindUnplayed(std::int64_t unplayedFrames);

    // GUI thread: the device's period in frames at the recording's rate;
    // the loop keeps more than that queued.
    void setDrainPeriodFrames(std::int64_t frames);
    int queueThresholdFrames() const { return threshold_.load(std::memory_order_relaxed); }
    // Blocks one turn of the feed loop may push: enough to refill the queue.
    int maximumBlocksPerTurn() const { return queueThresholdFrames() / blockFrames + 4; }

    // Any thread: the position rule. s is kept within the recording, then
    // raised by the hop when below it.
    void placeReadPosition(std::int64_t s, bool setPlayStart = true);
    void publishLoop(int start, int end);
    LoopPoints loadLoop() const;

    // GUI thread, inside the gate, playback stopped: the export blocks
    // that follow render the selection [start, end) once, from its start
    // (pre-rolled, so its first attack is at full weight) to exactly its
    // end. Stopping drops it.
    void startSelectionExport(int start, int end);
    // GUI thread, inside the gate, playback stopped: one block of the
    // export render into left and right (a hop each; `frames` of it
    // made): the beat scan as in playback (the model's current beat
    // follows, no event), one chain step and the click where its beat is
    // heard (moved back by beatOffsetSamples) at the metronome gain, no
    // volume. True at the end: a selection's last frames, or, for the
    // whole recording, once 8191 frames or fewer remain after the
    // position, zeros and the position back at the start.
    bool exportBlock(float* left, float* right, int& frames);

    // The offline riff and song renders (GUI thread, playback held).
    StepSplicer& renderSplicer() { return splicer_; }

    // Any thread: frames of the current stream the device has taken.
    std::int64_t playedFrames() const;

    // GUI thread: hands every event made since the last call to f, in order.
    template <class F>
    void takeEvents(F&& f)
    {
        PlaybackEvent e;
        while (events_.pop(e))
            f(e);
    }

    // The block buffers and the isolation curve (written by the chain
    // step, read by the GUI at any time).
    float* outLeft() { return outLeft_.data(); }
    float* outRight() { return outRight_.data(); }
    const std::atomic<float>* curve() const { return curve_.get(); }

    // Shared, lock-free, in the default (sequentially consistent) order.
    // Push stream being fed, 0 for none; writer: GUI under the gate; readers: both.
    std::atomic<StreamHandle> stream{0};
    // Frame where playback started (within the recording); writers: GUI, playback thread (loop jumps).
    std::atomic<int> playStart{0};
    // Playback gain, 0 … 0.99; writer: GUI; reader: block assembly (ramped over one block).
    std::atomic<float> volume{0.99f};
    // Click gain, 0 … 0.99; writer: GUI; reader: block assembly (ramped over one block).
    std::atomic<float> metroVolume{0.0f};
    // Stopped or paused; writers: GUI under the gate, playback thread at the end; readers: both.
    std::atomic<bool> stopped{true};
    // The loop button is down; writer: GUI; reader: playback thread.
    std::atomic<bool> looping{false};
    // A riff or the song plays; writers: GUI (and the riff stepping); readers: both.
    std::atomic<bool> riffMode{false};
    std::atomic<bool> songMode{false};
    // The playback thread may feed the stream; writer: GUI; reader: playback thread.
    std::atomic<bool> feeding{false};
    // Beat index of the last click; writers: playback thread, GUI at a load; reader: playback thread.
    std::atomic<int> lastClickBeat{0};
    // Toggles at every beat of normal playback; writers: playback thread, GUI at play.
    std::atomic<bool> mainFlash{false};
    // Frames the beats were moved by the beat-offset knob since the load; writer: GUI (moveBeats, with the
    // beats; a load); reader: beat tracking, inside a MetaData::BeatsReadAccess.
    std::atomic<int> beatOffsetSamples{0};
    // Pitch factor of the pitch controls, out/in frequency, 0.5 … 2; writer: GUI; readers: both (riff steps).
    std::atomic<float> basePitch{1.0f};
    // Set by the playback thread when it ended playback (at the end of the
    // recording, or the song's), with whether a riff or the song played;
    // the GUI tick tells the transport and the jam tab.
    enum class PlaybackEnd : std::uint8_t { None, Normal, Jam };
    std::atomic<PlaybackEnd> endPending{PlaybackEnd::None};
    // Events the GUI's tick could not take in time (the ring was full).
    std::atomic<int> droppedEvents{0};

    // Riff and song playback: the riffs, the song, the playing step and
    // slot, and the notices of each step for the GUI's tick.
    JamStepper jam;

private:
    static constexpr int blockFrames = StepSplicer::blockFrames; // the chain's hop
    static constexpr int curveLength = 400;
    // Pushed blocks remembered for a rewind: more than the largest queue
    // (2 s at 96 kHz is 188 blocks).
    static constexpr int pushRecordLength = 512;
    static constexpr int prerollBlocks = StepSplicer::prerollBlocks;
    // After the last frame that reads the recording, the overlap-add still
    // holds three frames' tails: three more blocks carry them out.
    static constexpr int tailBlocksAfterEnd = 3;

    class PlaybackPort;

    void runPendingPreroll();
    // The block from the read position on; `readable`: the model, when
    // its beats may be read (inside a MetaData::BeatsReadAccess), else
    // null: no riff stepping, beat tracking or click this block.
    BlockResult makeBlock(const MetaData* readable, StreamHandle handle);
    bool pushBlock(const StepSplicer::Block& block, const MetaData* beatsModel, bool normalPlayback,
                   StreamHandle handle);
    void trackBeats(const MetaData& model, int position, bool normalPlayback);
    void assembleBlock(bool vocoderRuns);
    void endPlayback(const LoopPoints& loop, StreamHandle handle);
    void report(PlaybackEvent::Kind kind, bool on = false);
    void restorePitch();

    AudioOutput& output_;
    ToolSwitches& tools_;

    // Inside the gate.
    std::vector<float> outLeft_;
    std::vector<float> outRight_;
    std::vector<float> interleaved_;
    std::unique_ptr<std::atomic<float>[]> curve_;
    int length_ = 0;
    int rateHz_ = 44100;
    int channels_ = 0;
    MetaData* model_ = nullptr;
    StepSplicer splicer_;
    // The selection an export renders, when one does.
    StepSplicer::Loop exportLoop_;
    bool exportsSelection_ = false;
    ClickTrack clicks_;
    bool zeroFirstSample_ = false;
    bool snapGains_ = true;  // the next block starts at the set gains
    float lastGain_ = 0.99f; // gains at the end of the last block
    float lastClickGain_ = 0.0f;
    // Tail blocks made past the end since the last block that read the
    // recording; none are owed after a start (the tails are empty then).
    int tailBlocks_ = 3;
    // Where each pushed block was read (its step's position), by push count.
    std::array<int, pushRecordLength> pushedFrom_{};
    // The beat each pushed block clicked for, -1 for none.
    std::array<int, pushRecordLength> pushedClick_{};
    std::int64_t pushCount_ = 0;
    // A pending preroll: the position word it was set up for, and how
    // many unheard steps it renders first.
    std::uint64_t prerollWord_ = 0;
    int prerollSteps_ = 0;

    // Frames pushed to the current stream; writer: block maker (inside the gate); reader: GUI tick.
    std::atomic<std::int64_t> framesPushed_{0};
    // Loop points in frames, start low 32 bits, end high; writer: GUI; reader: playback thread.
    std::atomic<std::uint64_t> loopWord_{0};
    // The queue kept, frames at the recording's rate; writer: GUI; reader: playback thread.
    std::atomic<int> threshold_{minimumQueueFrames};
    // Playback thread to GUI tick.
    base::SpscRing<PlaybackEvent> events_{256};

    static_assert(std::atomic<StreamHandle>::is_always_lock_free);
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
    static_assert(std::atomic<std::int64_t>::is_always_lock_free);
    static_assert(std::atomic<float>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<PlaybackEnd>::is_always_lock_free);
};
