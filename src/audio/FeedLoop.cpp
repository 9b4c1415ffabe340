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
// After the last frame that reads the recording, the overlap-add still
// holds three frames' tails: three more blocks carry them out.
constexpr int tailBlocksAfterEnd = 3;
// Queued beyond the device's period: covers a turn of the feed loop that
// comes late (46 ms at 44.1 kHz, 21 ms at 96 kHz).
constexpr int periodMarginFrames = 2048;

float reachFactor(float interp)
{
    if (std::isnan(interp))
        return 1.0f;
    return std::clamp(interp, minimumReachFactor, maximumReachFactor);
}

std::uint64_t packLoop(int start, int end)
{
    return (std::uint64_t(std::uint32_t(end)) << 32) | std::uint64_t(std::uint32_t(start));
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

bool FeedLoop::exportBlock(float* left, float* right)
{
    playBeep_ = false;
    const int position = chain::currentposition.load();
    // The GUI thread is the only writer of the beats: no read access needed.
    if (model_ != nullptr && model_->metaDataValid.load(std::memory_order_acquire) && model_->beats.size() >= 4) {
        const QVector<float>& beats = model_->beats;
        const BeatStep step =
            trackBeat(beats.constData(), beats.size(), model_->currentBeat.load(std::memory_order_relaxed),
                      lastClickBeat.load(), position, beatOffsetSamples.load());
        if (step.clicked >= 0) {
            playBeep_ = true;
            lastClickBeat.store(step.clicked);
        }
        if (step.entered >= 0)
            model_->currentBeat.store(step.entered, std::memory_order_relaxed);
    }

    // The frame may read up to twice its length with the pitch at 2.0.
    constexpr std::int64_t exportReachFrames = 2 * chain::framesize - 1;
    if (std::int64_t(length_) - position > exportReachFrames) {
        if (!processaudio(left, right, nullptr)) {
            // Cannot happen with playback held; a silent block, not an end.
            std::fill(left, left + blockFrames, 0.0f);
            std::fill(right, right + blockFrames, 0.0f);
            return false;
        }
        if (playBeep_) {
            const float gain = metroVolume.load();
            const int frames = std::min(int(click_.size()), blockFrames);
            for (int f = 0; f < frames; ++f) {
                left[f] += click_[size_t(f)] * gain;
                right[f] += click_[size_t(f)] * gain;
            }
        }
        return false;
    }
    std::fill(left, left + blockFrames, 0.0f);
    std::fill(right, right + blockFrames, 0.0f);
    placeReadPosition(0);
    return true;
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

// ---------------------------------------------------------------------------
// GUI side

void FeedLoop::setRecordingInfo(int frames, int rateHz, int channelCount)
{
    length_ = std::max(frames, 0);
    rateHz_ = rateHz;
    channels_ = channelCount;
    lastClickBeat.store(0);
    pushCount_ = 0;
    prerollSteps_ = 0;
    tailBlocks_ = tailBlocksAfterEnd;
}

void FeedLoop::setClick(const float* samples, int frames)
{
    if (samples == nullptr || frames <= 0)
        click_.clear();
    else
        click_.assign(samples, samples + frames);
}

void FeedLoop::moveBeats(int shift)
{
    if (model_ == nullptr || shift == 0)
        return;
    model_->changeBeats([this, shift](QVector<float>& beats) {
        for (float& b : beats) {
            const float moved = std::trunc(b + float(shift));
            if (moved >= 0.0f)
                b = moved;
        }
        beatOffsetSamples.fetch_add(shift);
    });
}

void FeedLoop::prepareStreamStart()
{
    zeroFirstSample_ = true;
    snapGains_ = true;
    pushCount_ = 0;
    tailBlocks_ = tailBlocksAfterEnd;
}

int FeedLoop::rewindUnplayed(std::int64_t unplayedFrames)
{
    const std::int64_t pushedFrames = pushCount_ * blockFrames;
    const std::int64_t unplayed = std::clamp<std::int64_t>(unplayedFrames, 0, pushedFrames);
    if (unplayed == 0)
        return chain::currentposition.load();
    // The block that holds the first frame not played, within the record.
    const std::int64_t oldest = std::max<std::int64_t>(0, pushCount_ - pushRecordLength);
    const std::int64_t block = std::max((pushedFrames - unplayed) / blockFrames, oldest);
    const int target = pushedFrom_[size_t(block % pushRecordLength)];

    // A click in a block not heard sounds again; one heard does not.
    int lastHeardClick = -1;
    for (std::int64_t b = block - 1; b >= oldest && lastHeardClick < 0; --b)
        lastHeardClick = pushedClick_[size_t(b % pushRecordLength)];
    lastClickBeat.store(lastHeardClick);

    chain::currentposition.store(target);
    flushBuffers();
    tailBlocks_ = tailBlocksAfterEnd;
    prerollWord_ = chain::currentposition.loadWord();
    prerollSteps_ = prerollBlocks;
    pushCount_ = 0;
    return target;
}

void FeedLoop::setDrainPeriodFrames(std::int64_t frames)
{
    const std::int64_t wanted = std::max<std::int64_t>(frames, 0) + periodMarginFrames;
    // Bounded well inside the output's queue (about 3 s at 44.1 kHz).
    threshold_.store(int(std::clamp<std::int64_t>(wanted, minimumQueueFrames, 100000)), std::memory_order_relaxed);
}

// ---------------------------------------------------------------------------
// Any thread

void FeedLoop::placeReadPosition(std::int64_t s, bool setPlayStart)
{
    const std::int64_t kept = std::clamp<std::int64_t>(s, 0, std::max(length_, 0));
    const std::int64_t position = kept < chain::hop ? kept + chain::hop : kept;
    chain::currentposition.store(int(position));
    if (setPlayStart)
        playStart.store(int(kept));
}

void FeedLoop::publishLoop(int start, int end)
{
    loopWord_.store(packLoop(std::min(start, end), std::max(start, end)));
}

LoopPoints FeedLoop::loadLoop() const
{
    const std::uint64_t word = loopWord_.load();
    LoopPoints points;
    points.start = std::int32_t(std::uint32_t(word & 0xffffffffu));
    points.end = std::int32_t(std::uint32_t(word >> 32));
    return points;
}
