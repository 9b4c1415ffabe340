#include "FeedLoop.h"

#include "BeatTracking.h"
#include "ChainControls.h"
#include "JamPlayback.h"
#include "MetaData.h"
#include "ProcessingChain.h"
#include "ToolSwitches.h"

#include <algorithm>
#include <cmath>

namespace {

// The read reaches framesize × the pitch factor frames past the position;
// the chain keeps the factor within these bounds.
constexpr float minimumReachFactor = 0.125f;
constexpr float maximumReachFactor = 8.0f;

float reachFactor(float interp)
{
    if (std::isnan(interp))
        return 1.0f;
    return std::clamp(interp, minimumReachFactor, maximumReachFactor);
}

// Frames a step moves the read position with the controls as they are.
int stepAdvance()
{
    if (!chain::vocoderSwitches.load().TSMPSMEnabled)
        return chain::hop;
    const float tempo = reachFactor(chain::hopfactor.load());
    return std::max(1, int(std::floor(float(chain::hop) * tempo)));
}

} // namespace

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
//  3. Normal playback with a looped selection: a position outside the
//     selection goes back to its start.
//  4. Riff and song stepping, which may move the position.
//  5. Beat tracking and the click at the position.
//  6. While the frame to read lies inside the recording: one chain step,
//     the block assembled and pushed. At the end: loop back, or read the
//     last frames and the overlap-add's tails, then end playback and let
//     the queue play out.
FeedLoop::BlockResult FeedLoop::feedBlock()
{
    if (!feeding.load() || stopped.load() || length_ <= 0)
        return BlockResult::Idle;
    const StreamHandle handle = stream.load();
    const std::int64_t queued = output_.queuedBytes(handle);
    if (queued < 0 || queued >= std::int64_t(threshold_.load()) * kBytesPerStreamFrame)
        return BlockResult::Idle;

    if (prerollSteps_ > 0) {
        const int steps = prerollSteps_;
        prerollSteps_ = 0;
        // Only if nobody moved the position since the rewind.
        if (chain::currentposition.loadWord() == prerollWord_) {
            const int target = chain::currentposition.load();
            const int advance = stepAdvance();
            const int count = std::min(steps, target / advance);
            chain::currentposition.store(target - count * advance);
            for (int i = 0; i < count; ++i) {
                if (!processaudio(outLeft_.data(), outRight_.data(), nullptr))
                    break;
            }
            chain::currentposition.store(target);
        }
    }

    const bool normalPlayback = !riffMode.load() && !songMode.load();
    const LoopPoints loop = loadLoop();
    const bool loopOn = looping.load();
    int position = chain::currentposition.load();
    if (normalPlayback && loop.selection() && loopOn && (position >= loop.end || position < loop.start)) {
        placeReadPosition(loop.start);
        resetPhases();
    }

    const Stepping stepping = stepRiffAndSong(normalPlayback);
    if (stepping == Stepping::SongOver) {
        endPlayback(loop, handle);
        return BlockResult::Ended;
    }
    position = chain::currentposition.load();
    playBeep_ = false;
    trackBeats(position, normalPlayback);

    // Signed: a position past the end (a seek there, a long tempo step)
    // is an end, never a huge remainder. A riff or the song does not end
    // there: its steps end with the recording and jump back (the frames
    // past the end read as silence).
    const std::int64_t remaining = std::int64_t(length_) - position;
    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    const float reach = switches.TSMPSMEnabled ? reachFactor(chain::interpfactor.load()) : 1.0f;
    const bool riffOrSong = stepping == Stepping::Stepped || stepping == Stepping::Skipped;
    if (riffOrSong || double(remaining) > double(reach) * chain::framesize) {
        tailBlocks_ = 0;
        return renderStep(switches.TSMPSMEnabled, handle, position) ? BlockResult::Pushed : BlockResult::Idle;
    }

    if (loopOn) {
        // Looping jumps back from here, as it always has.
        placeReadPosition(loop.selection() ? loop.start : 0);
        resetPhases();
        return BlockResult::Moved;
    }
    // The last frames (past the end reads as silence), then the tails.
    if (remaining > 0 || tailBlocks_ < tailBlocksAfterEnd) {
        if (!renderStep(switches.TSMPSMEnabled, handle, position))
            return BlockResult::Idle;
        tailBlocks_ = remaining > 0 ? 0 : tailBlocks_ + 1;
        return BlockResult::Pushed;
    }
    endPlayback(loop, handle);
    return BlockResult::Ended;
}

namespace {

// The stepping's hold on the chain while playing: the position rule, the
// step pitch, and the notices left for the GUI's tick.
class PlaybackJamPort final : public JamPort
{
public:
    PlaybackJamPort(FeedLoop& feed, ToolSwitches& tools) : feed_(feed), tools_(tools) { }

    void placeReadPosition(int frames, bool setPlayStart) override
    {
        feed_.placeReadPosition(frames, setPlayStart);
    }
    int readPosition() const override { return chain::currentposition.load(); }
    float setStepInterp(float stepFactor) override
    {
        return jamplay::applyStepPitch(tools_, feed_.basePitch.load(), stepFactor);
    }
    bool renderBlock(float*, float*) override { return false; } // the feed loop makes the blocks
    void notify(const StepNotice& notice) override { feed_.jam.publish(notice); }

private:
    FeedLoop& feed_;
    ToolSwitches& tools_;
};

} // namespace

FeedLoop::Stepping FeedLoop::stepRiffAndSong(bool normalPlayback)
{
    if (normalPlayback || model_ == nullptr)
        return Stepping::None;
    MetaData::BeatsReadAccess access(*model_);
    if (!access)
        return Stepping::Skipped;
    if (!model_->metaDataValid.load(std::memory_order_acquire))
        return Stepping::None;
    const QVector<float>& beats = model_->beats;
    const jamplay::BeatGrid grid{beats.constData(), beats.size(), length_};
    PlaybackJamPort port(*this, tools_);
    if (songMode.load()) {
        const jamplay::StepCheck check = jamplay::stepSongOnce(jam, grid, port);
        return check.kind == jamplay::StepCheck::Kind::Stop ? Stepping::SongOver : Stepping::Stepped;
    }
    jamplay::stepRiffOnce(jam, grid, port);
    return Stepping::Stepped;
}

void FeedLoop::trackBeats(int position, bool normalPlayback)
{
    if (model_ == nullptr)
        return;
    MetaData::BeatsReadAccess access(*model_);
    if (!access || !model_->metaDataValid.load(std::memory_order_acquire))
        return;
    const QVector<float>& beats = model_->beats;
    const int current = model_->currentBeat.load(std::memory_order_relaxed);
    const int offset = normalPlayback ? beatOffsetSamples.load() : 0;
    const BeatStep step =
        trackBeat(beats.constData(), beats.size(), current, lastClickBeat.load(), position, offset);

    if (step.clicked >= 0) {
        playBeep_ = true;
        lastClickBeat.store(step.clicked);
        report(PlaybackEvent::Kind::Click);
    }
    if (step.entered >= 0) {
        model_->currentBeat.store(step.entered, std::memory_order_relaxed);
        report(PlaybackEvent::Kind::BeatChanged);
        if (normalPlayback) {
            const bool flash = !mainFlash.load();
            mainFlash.store(flash);
            report(PlaybackEvent::Kind::Flash, flash);
        }
    }
}

bool FeedLoop::renderStep(bool vocoderRuns, StreamHandle handle, int position)
{
    if (!processaudio(outLeft_.data(), outRight_.data(), curve_.get()))
        return false; // a render holds the chain
    assembleBlock(vocoderRuns);
    if (!output_.push(handle, interleaved_.data(), blockFrames))
        return false;
    const size_t slot = size_t(pushCount_ % pushRecordLength);
    pushedFrom_[slot] = position;
    pushedClick_[slot] = playBeep_ ? lastClickBeat.load() : -1;
    ++pushCount_;
    return true;
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
    const int clickFrames = playBeep_ ? std::min(int(click_.size()), blockFrames) : 0;
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
        if (f < clickFrames) {
            const float cg = (clickStep != 0.0f && !last) ? lastClickGain_ + clickStep * float(f + 1) : clickGain;
            const float c = click_[size_t(f)] * cg;
            l += c;
            r += c;
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
    riffMode.store(false);
    songMode.store(false);
    restorePitch();
    endPending.store(true);
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
