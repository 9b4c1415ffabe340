// The feed loop's GUI side (inside the gate unless said otherwise): the
// recording, the click and the beats, stream starts and rewinds, the queue
// threshold, the position rule, the loop points, and the export block.
#include "FeedLoop.h"

#include "BeatTracking.h"
#include "ChainControls.h"
#include "JamPlayback.h"
#include "MetaData.h"
#include "ProcessingChain.h"

#include <algorithm>
#include <cmath>

namespace {

// Queued beyond the device's period: covers a turn of the feed loop that
// comes late (46 ms at 44.1 kHz, 21 ms at 96 kHz).
constexpr int periodMarginFrames = 2048;

std::uint64_t packLoop(int start, int end)
{
    return (std::uint64_t(std::uint32_t(end)) << 32) | std::uint64_t(std::uint32_t(start));
}

// The GUI thread's hold on the chain for a pre-roll (playback held).
class HeldChainPort final : public ChainJamPort
{
public:
    void placeReadPosition(int, bool) override { }
    float setStepInterp(float) override { return 0.0f; }
    void notify(const StepNotice&) override { }
};

} // namespace

void FeedLoop::setRecordingInfo(int frames, int rateHz, int channelCount)
{
    length_ = std::max(frames, 0);
    rateHz_ = rateHz;
    channels_ = channelCount;
    lastClickBeat.store(0);
    pushCount_ = 0;
    prerollSteps_ = 0;
    tailBlocks_ = tailBlocksAfterEnd;
    splicer_.setRateHz(rateHz);
    dropCarriedSound();
}

void FeedLoop::setClick(const float* samples, int frames)
{
    clicks_.setClick(samples, frames);
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
    framesPushed_.store(0, std::memory_order_relaxed);
    tailBlocks_ = tailBlocksAfterEnd;
    dropCarriedSound();
}

void FeedLoop::prerollJamStart(int source)
{
    HeldChainPort port;
    splicer_.reset();
    splicer_.jumpTo(double(source), port);
}

void FeedLoop::dropCarriedSound()
{
    splicer_.reset();
    clicks_.reset();
    exportsSelection_ = false;
}

std::int64_t FeedLoop::playedFrames() const
{
    // Pushed first: a push in between makes the count late, never early.
    const std::int64_t pushed = framesPushed_.load(std::memory_order_relaxed);
    const std::int64_t queued = output_.queuedBytes(stream.load());
    return queued < 0 ? pushed : pushed - queued / kBytesPerStreamFrame;
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

void FeedLoop::startSelectionExport(int start, int end)
{
    dropCarriedSound();
    placeReadPosition(start);
    // An empty selection renders nothing: its first block ends it.
    if (start < end) {
        HeldChainPort port;
        splicer_.jumpTo(double(start), port);
    }
    exportLoop_ = StepSplicer::Loop{start, end, true};
    exportsSelection_ = true;
}

bool FeedLoop::exportBlock(float* left, float* right, int& frames)
{
    frames = blockFrames;
    const int position = chain::currentposition.load();
    // The frame may read up to twice its length with the pitch at 2.0.
    constexpr std::int64_t exportReachFrames = 2 * chain::framesize - 1;
    if (!exportsSelection_ && std::int64_t(length_) - position <= exportReachFrames) {
        std::fill(left, left + blockFrames, 0.0f);
        std::fill(right, right + blockFrames, 0.0f);
        placeReadPosition(0);
        return true;
    }

    HeldChainPort port;
    const StepSplicer::Block block =
        splicer_.make(left, right, nullptr, port, exportsSelection_ ? &exportLoop_ : nullptr);
    if (block.end == StepSplicer::Block::End::ChainBusy) {
        // Cannot happen with playback held; a silent block, not an end.
        std::fill(left, left + blockFrames, 0.0f);
        std::fill(right, right + blockFrames, 0.0f);
        clicks_.reset();
        return false;
    }
    frames = block.frames;

    // The GUI thread is the only writer of the beats: no read access needed.
    if (model_ != nullptr && model_->metaDataValid.load(std::memory_order_acquire) && model_->beats.size() >= 4) {
        const QVector<float>& beats = model_->beats;
        const BeatStep step = trackBeat(beats.constData(), beats.size(),
                                        model_->currentBeat.load(std::memory_order_relaxed), block.readPosition);
        if (step.entered >= 0)
            model_->currentBeat.store(step.entered, std::memory_order_relaxed);
        int last = lastClickBeat.load();
        clicks_.place(beats.constData(), beats.size(), beatOffsetSamples.load(), block, last);
        lastClickBeat.store(last);
    } else {
        int none = -1;
        clicks_.place(nullptr, 0, 0, block, none);
    }
    const float gain = metroVolume.load();
    for (int f = 0; f < frames; ++f) {
        const float click = clicks_.at(f) * gain;
        left[f] += click;
        right[f] += click;
    }
    clicks_.endBlock(frames);
    if (block.end == StepSplicer::Block::End::Wrapped) {
        exportsSelection_ = false;
        return true;
    }
    return false;
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
