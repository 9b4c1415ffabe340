#include "StepSplicer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double fadeInMs = 1.0;
constexpr double fadeOutMs = 3.0;
// Long enough that nothing of the next attack's smear sounds (30 dB down).
constexpr double smearedFadeOutMs = 12.0;

int framesOf(double ms, int rateHz)
{
    return std::max(1, int(std::lround(ms * double(rateHz) / 1000.0)));
}

// The whole frame a heard position lies in.
int frameAt(double source)
{
    return int(std::floor(source));
}

// The pitch factor of the step playing.
float playingFactor(const JamStepper& stepper)
{
    const RiffSource* riff = stepper.riffs()[size_t(stepper.activeRiff())];
    return riff != nullptr ? riff->stepPitch(stepper.riffStep()) : 1.0f;
}

} // namespace

StepSplicer::StepSplicer() : left_(size_t(blockFrames)), right_(size_t(blockFrames)) { }

void StepSplicer::setRateHz(int rateHz)
{
    if (rateHz <= 0)
        return;
    fadeInFrames_ = framesOf(fadeInMs, rateHz);
    fadeOutFrames_ = framesOf(fadeOutMs, rateHz);
    smearedFadeOutFrames_ = framesOf(smearedFadeOutMs, rateHz);
}

void StepSplicer::reset()
{
    offset_ = blockFrames;
    expectedPosition_ = std::numeric_limits<std::int64_t>::min();
    sinceJump_ = std::numeric_limits<int>::max();
}

void StepSplicer::jumpTo(double source, JamPort& port)
{
    const BlockTiming now = port.timingAt(0);
    const int advance = int(std::lround(now.step * blockFrames));
    const int target = int(std::lround(source - now.first));
    port.restartPhases();
    port.moveReadPosition(target - prerollBlocks * advance);
    for (int i = 0; i < prerollBlocks; ++i) {
        if (!port.renderBlock(left_.data(), right_.data()))
            break;
    }
    offset_ = blockFrames;
    expectedPosition_ = target;
    nextFirst_ = source;
    sinceJump_ = 0;
}

double StepSplicer::nextHeard(const JamPort& port) const
{
    const int position = port.readPosition();
    return position == expectedPosition_ ? nextFirst_ : port.timingAt(position).first;
}

bool StepSplicer::stage(JamPort& port)
{
    const int position = port.readPosition();
    BlockTiming timing = port.timingAt(position);
    if (position == expectedPosition_)
        timing.first = nextFirst_; // exact across blocks, no rounding drift
    if (!port.renderBlock(left_.data(), right_.data()))
        return false;
    timing_ = timing;
    position_ = position;
    offset_ = 0;
    expectedPosition_ = std::int64_t(position) + std::lround(timing.step * blockFrames);
    nextFirst_ = timing.first + blockFrames * timing.step;
    return true;
}

bool StepSplicer::cutAfter(int end, const Stepping& stepping) const
{
    const jamplay::StepCheck next = stepping.stepper->peek(stepping.grid, stepping.song, end);
    if (next.kind == jamplay::StepCheck::Kind::Stop)
        return true;
    if (next.kind != jamplay::StepCheck::Kind::Step)
        return false;
    if (next.jumpTo >= 0 || (next.wrapped && stepping.endAtWrap))
        return true;
    return next.stepFactor != playingFactor(*stepping.stepper);
}

// 1. Take a chain block when the last one is used up.
// 2. With stepping: check the step at the frame heard next. A step taken
//    is told (at this frame of the block); a jump or a new pitch pre-rolls
//    the chain at the new step and starts over at 1. A render ends at its
//    wrap, playback at the song's end. With a loop instead: a frame
//    outside it pre-rolls the chain at its start (a render ends there).
// 3. The piece runs to the end of the block, of the chain's block or of
//    the playing step (the loop), whichever comes first; the fades apply
//    to it.
StepSplicer::Block StepSplicer::make(float* left, float* right, const Stepping* stepping, JamPort& port,
                                     const Loop* loop)
{
    using Kind = jamplay::StepCheck::Kind;
    Block block;
    int made = 0;
    int steppedAt = -1; // a step was taken at this output frame
    int wrappedAt = -1; // the loop jumped back at this output frame
    bool first = true;
    while (made < blockFrames) {
        // What the next frame sounds, before a chain block is made for it:
        // a step may jump away first.
        const double heard = stagedLeft() > 0 ? timing_.sourceAt(offset_) : nextHeard(port);
        int toEnd = -1;
        bool fadeOut = false;
        int fadeFrames = fadeOutFrames_;
        jamplay::StepWindow window;
        bool inStep = false;

        if (stepping != nullptr) {
            if (steppedAt == made) {
                // One step per frame: a step whose frames do not hold this
                // one plays on to the end of the block.
                window = stepping->stepper->playingWindow(stepping->grid);
            } else {
                JamStepper& stepper = *stepping->stepper;
                const float factorBefore = playingFactor(stepper);
                const jamplay::StepCheck check = stepping->song ? stepper.stepSong(stepping->grid, frameAt(heard))
                                                                : stepper.stepRiff(stepping->grid, frameAt(heard));
                if (check.kind == Kind::Stop) {
                    block.end = Block::End::SongOver;
                    break;
                }
                if (check.kind == Kind::Step || check.slotChanged) {
                    jamplay::announceCheck(check, stepper, stepping->song, port, made);
                    const bool pitchChanged = check.kind == Kind::Step && check.stepFactor != factorBefore;
                    if (check.kind == Kind::Step && check.wrapped && stepping->endAtWrap) {
                        block.end = Block::End::Wrapped;
                        break;
                    }
                    if (check.kind == Kind::Step) {
                        steppedAt = made;
                        if (check.jumpTo >= 0 || pitchChanged) {
                            jumpTo(double(check.jumpTo >= 0 ? check.jumpTo : check.window.first), port);
                            block.jumped = true;
                            continue;
                        }
                    }
                }
                window = check.window;
            }
            inStep = window.contains(frameAt(heard));
        } else if (loop != nullptr) {
            window = jamplay::StepWindow{loop->start, loop->end};
            if (!window.contains(frameAt(heard))) {
                if (loop->endAtWrap) {
                    block.end = Block::End::Wrapped;
                    break;
                }
                // Once per frame: should the start not read as inside,
                // the block plays on rather than spin.
                if (wrappedAt != made) {
                    wrappedAt = made;
                    jumpTo(double(loop->start), port);
                    block.jumped = true;
                    continue;
                }
            }
            inStep = window.contains(frameAt(heard));
        }

        if (stagedLeft() == 0 && !stage(port)) {
            block.end = Block::End::ChainBusy;
            break;
        }
        if (first) {
            block.readPosition = position_ + int(std::lround(offset_ * timing_.step));
            first = false;
        }
        int run = std::min(blockFrames - made, stagedLeft());
        if (inStep) {
            toEnd = std::max(1, int(std::ceil((double(window.end) - heard) / timing_.step - 1e-9)));
            run = std::min(run, toEnd);
            fadeFrames = timing_.smeared ? smearedFadeOutFrames_ : fadeOutFrames_;
            // A loop's pass always ends in a jump or the render's end.
            fadeOut = toEnd - run < fadeFrames && (stepping == nullptr || cutAfter(window.end, *stepping));
        }

        const float* fromLeft = left_.data() + offset_;
        const float* fromRight = right_.data() + offset_;
        for (int i = 0; i < run; ++i) {
            float gain = 1.0f;
            if (sinceJump_ < fadeInFrames_)
                gain = float(sinceJump_ + 1) / float(fadeInFrames_);
            if (fadeOut && toEnd - i < fadeFrames)
                gain *= float(toEnd - i) / float(fadeFrames);
            if (sinceJump_ < std::numeric_limits<int>::max())
                ++sinceJump_;
            left[made + i] = fromLeft[i] * gain;
            right[made + i] = fromRight[i] * gain;
        }
        if (block.pieceCount < maxPieces) {
            block.pieces[size_t(block.pieceCount)] =
                Piece{made, run, BlockTiming{heard, timing_.step, timing_.smeared}};
            ++block.pieceCount;
        }
        offset_ += run;
        made += run;
    }
    block.frames = made;
    return block;
}
