#include "FeedLoop.h"

#include "BeatTracking.h"
#include "ChainControls.h"
#include "JamPlayback.h"
#include "MetaData.h"
#include "ProcessingChain.h"
#include "ToolSwitches.h"

#include <algorithm>
#include <cmath>

// The stepping's and the splicer's hold on the chain while playing: the
// position rule, the step pitch, the chain steps, and the notices left for
// the GUI's tick at the stream frame where they are heard.
class FeedLoop::PlaybackPort final : public ChainJamPort
{
public:
    PlaybackPort(FeedLoop& feed, ToolSwitches& tools) : feed_(feed), tools_(tools) { }

    void placeReadPosition(int frames, bool setPlayStart) override
    {
        feed_.placeReadPosition(frames, setPlayStart);
    }
    float setStepInterp(float stepFactor) override
    {
        return jamplay::applyStepPitch(tools_, feed_.basePitch.load(), stepFactor);
    }
    bool renderBlock(float* left, float* right) override { return processaudio(left, right, feed_.curve_.get()); }
    void notify(const StepNotice& notice) override
    {
        StepNotice heard = notice;
        if (notice.frame >= 0)
            heard.frame = feed_.framesPushed_.load(std::memory_order_relaxed) + notice.frame;
        feed_.jam.publish(heard);
    }

private:
    FeedLoop& feed_;
    ToolSwitches& tools_;
};

FeedLoop::FeedLoop(AudioOutput& output, ToolSwitches& tools)
    : output_(output), tools_(tools), outLeft_(size_t(blockFrames)), outRight_(size_t(blockFrames)),
      interleaved_(2 * size_t(blockFrames)), curve_(std::make_unique<std::atomic<float>[]>(curveLength))
{
    static_assert(blockFrames == chain::hop, "a block is one hop of the chain");
    static_assert(curveLength == chain::isolationCurveLength);
    for (int i = 0; i < curveLength; ++i)
        curve_[size_t(i)].store(0.0f, std::memory_order_relaxed);
    pushedClick_.fill(-1);
}

FeedLoop::~FeedLoop() = default;

// ---------------------------------------------------------------------------
// One block, inside the gate:
//  1. Nothing while stopped, not feeding, or the stream holds the queue
//     the device needs.
//  2. After a rewind, the unheard steps that refill the overlap-add.
//  3. With the beats readable (one access for the whole block): the
//     block, riff and song stepping included; beat tracking and the click.
//  4. While the frame to read lies inside the recording: the block made,
//     assembled and pushed; with a looped selection, a frame heard outside
//     it goes to its start, and each pass ends exactly at its end (the
//     splicer cuts there as at a riff jump). At the end of the recording:
//     loop back, or read the last frames and the overlap-add's tails, then
//     end playback and let the queue play out.
FeedLoop::BlockResult FeedLoop::feedBlock()
{
    if (!feeding.load() || stopped.load() || length_ <= 0)
        return BlockResult::Idle;
    const StreamHandle handle = stream.load();
    const std::int64_t queued = output_.queuedBytes(handle);
    if (queued < 0 || queued >= std::int64_t(threshold_.load()) * kBytesPerStreamFrame)
        return BlockResult::Idle;

    runPendingPreroll();

    if (model_ == nullptr)
        return makeBlock(nullptr, handle);
    MetaData::BeatsReadAccess access(*model_);
    return makeBlock(access ? model_ : nullptr, handle);
}

void FeedLoop::runPendingPreroll()
{
    if (prerollSteps_ <= 0)
        return;
    const int steps = prerollSteps_;
    prerollSteps_ = 0;
    // Only if nobody moved the position since the rewind.
    if (chain::currentposition.loadWord() != prerollWord_)
        return;
    const int target = chain::currentposition.load();
    const int advance = chainAdvanceFrames();
    const int count = std::min(steps, target / advance);
    chain::currentposition.store(target - count * advance);
    for (int i = 0; i < count; ++i) {
        if (!processaudio(outLeft_.data(), outRight_.data(), nullptr))
            break;
    }
    chain::currentposition.store(target);
}

FeedLoop::BlockResult FeedLoop::makeBlock(const MetaData* readable, StreamHandle handle)
{
    const LoopPoints loop = loadLoop();
    const bool normalPlayback = !riffMode.load() && !songMode.load();
    const bool valid = readable != nullptr && readable->metaDataValid.load(std::memory_order_acquire);
    const MetaData* beatsModel = valid ? readable : nullptr;
    PlaybackPort port(*this, tools_);

    if (!normalPlayback) {
        // A riff or the song: the steps end with the recording and jump
        // back (frames past the end read as silence), so no end here.
        StepSplicer::Stepping stepping;
        if (beatsModel != nullptr) {
            const QVector<float>& beats = beatsModel->beats;
            stepping = {&jam, jamplay::BeatGrid{beats.constData(), beats.size(), length_}, songMode.load(), false};
        }
        tailBlocks_ = 0;
        const StepSplicer::Block block =
            splicer_.make(outLeft_.data(), outRight_.data(), beatsModel != nullptr ? &stepping : nullptr, port);
        if (block.end == StepSplicer::Block::End::SongOver) {
            endPlayback(loop, handle);
            return BlockResult::Ended;
        }
        if (block.end != StepSplicer::Block::End::None)
            return BlockResult::Idle; // a render holds the chain
        return pushBlock(block, beatsModel, false, handle) ? BlockResult::Pushed : BlockResult::Idle;
    }

    // Signed: a position past the end (a seek there, a long tempo step)
    // is an end, never a huge remainder.
    const int position = chain::currentposition.load();
    const std::int64_t remaining = std::int64_t(length_) - position;
    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    // The read reaches framesize × the pitch factor frames past the position.
    const float reach = switches.TSMPSMEnabled ? chain::sanitisedFactor(chain::interpfactor.load()) : 1.0f;
    const bool inside = double(remaining) > double(reach) * chain::framesize;
    if (!inside && looping.load()) {
        // Looping jumps back from here, as it always has.
        placeReadPosition(loop.selection() ? loop.start : 0);
        resetPhases();
        return BlockResult::Moved;
    }
    // Past the end: the last frames (read as silence beyond it), then the
    // tails.
    if (!inside && remaining <= 0 && tailBlocks_ >= tailBlocksAfterEnd) {
        endPlayback(loop, handle);
        return BlockResult::Ended;
    }
    const StepSplicer::Loop wrap{loop.start, loop.end, false};
    const bool looped = loop.selection() && looping.load();
    const StepSplicer::Block block =
        splicer_.make(outLeft_.data(), outRight_.data(), nullptr, port, looped ? &wrap : nullptr);
    if (block.end != StepSplicer::Block::End::None)
        return BlockResult::Idle;
    if (block.jumped)
        playStart.store(loop.start);
    if (!pushBlock(block, beatsModel, true, handle))
        return BlockResult::Idle;
    tailBlocks_ = inside || remaining > 0 ? 0 : tailBlocks_ + 1;
    return BlockResult::Pushed;
}

// The beat the block starts in, the clicks heard in it, then the block
// assembled and pushed, and where it was read remembered for a rewind.
bool FeedLoop::pushBlock(const StepSplicer::Block& block, const MetaData* beatsModel, bool normalPlayback,
                         StreamHandle handle)
{
    int clicked = -1;
    if (beatsModel != nullptr) {
        trackBeats(*beatsModel, block.readPosition, normalPlayback);
        const QVector<float>& beats = beatsModel->beats;
        int last = block.jumped ? -1 : lastClickBeat.load();
        clicked = clicks_.place(beats.constData(), beats.size(), normalPlayback ? beatOffsetSamples.load() : 0,
                                block, last);
        lastClickBeat.store(last);
        if (clicked >= 0)
            report(PlaybackEvent::Kind::Click);
    } else {
        clicks_.place(nullptr, 0, 0, block, clicked);
    }

    assembleBlock(chain::vocoderSwitches.load().TSMPSMEnabled);
    clicks_.endBlock(blockFrames);
    if (!output_.push(handle, interleaved_.data(), blockFrames))
        return false;
    const size_t slot = size_t(pushCount_ % pushRecordLength);
    pushedFrom_[slot] = block.readPosition;
    pushedClick_[slot] = clicked;
    ++pushCount_;
    framesPushed_.fetch_add(blockFrames, std::memory_order_relaxed);
    return true;
}

void FeedLoop::trackBeats(const MetaData& model, int position, bool normalPlayback)
{
    const QVector<float>& beats = model.beats;
    const int current = model_->currentBeat.load(std::memory_order_relaxed);
    const BeatStep step = trackBeat(beats.constData(), beats.size(), current, position);
    if (step.entered < 0)
        return;
    model_->currentBeat.store(step.entered, std::memory_order_relaxed);
    report(PlaybackEvent::Kind::BeatChanged);
    if (normalPlayback) {
        const bool flash = !mainFlash.load();
        mainFlash.store(flash);
        report(PlaybackEvent::Kind::Flash, flash);
    }
}

// The gains ramp from where the last block ended to their set values
// across the block, so a turned knob never clicks.
void FeedLoop::assembleBlock(bool vocoderRuns)
{
    const float gain = volume.load();
    const float clickGain = metroVolume.load();
    if (snapGains_) {
        lastGain_ = gain;
        lastClickGain_ = clickGain;
        snapGains_ = false;
    }
    const float gainStep = (gain - lastGain_) / float(blockFrames);
    const float clickStep = (clickGain - lastClickGain_) / float(blockFrames);
    const bool monoMix = vocoderRuns && chain::vocoderModeFlags.load().monoMix;
    float* left = outLeft_.data();
    float* right = outRight_.data();

    if (zeroFirstSample_) {
        left[0] = 0.0f;
        right[0] = 0.0f;
        zeroFirstSample_ = false;
    }
    const bool ramping = gainStep != 0.0f;
    for (int f = 0; f < blockFrames; ++f) {
        const bool last = f + 1 == blockFrames;
        const float g = (ramping && !last) ? lastGain_ + gainStep * float(f + 1) : gain;
        float l;
        float r;
        if (monoMix) {
            l = r = float(double(g) * (double(left[f]) + double(right[f])) / 1.5);
        } else {
            l = left[f] * g;
            r = right[f] * g;
        }
        const float click = clicks_.at(f);
        if (click != 0.0f) {
            const float cg = (clickStep != 0.0f && !last) ? lastClickGain_ + clickStep * float(f + 1) : clickGain;
            l += click * cg;
            r += click * cg;
        }
        interleaved_[2 * size_t(f)] = l;
        interleaved_[2 * size_t(f) + 1] = r;
    }
    lastGain_ = gain;
    lastClickGain_ = clickGain;
}

// The end on the playback thread: the state only; the queue plays out and
// the GUI tick tells the transport.
void FeedLoop::endPlayback(const LoopPoints& loop, StreamHandle handle)
{
    output_.markEnd(handle);
    stopped.store(true);
    placeReadPosition(loop.start);
    flushBuffers();
    const bool jamPlayed = riffMode.exchange(false) | songMode.exchange(false);
    restorePitch();
    endPending.store(jamPlayed ? PlaybackEnd::Jam : PlaybackEnd::Normal);
}

void FeedLoop::report(PlaybackEvent::Kind kind, bool on)
{
    PlaybackEvent event;
    event.kind = kind;
    event.on = on;
    if (!events_.push(event))
        droppedEvents.fetch_add(1, std::memory_order_relaxed);
}

void FeedLoop::restorePitch()
{
    tools_.restore(ToolSwitches::Tool::Pitch, basePitch.load());
}
