#include "JamPlayback.h"

#include "ChainControls.h"
#include "ProcessingChain.h"
#include "StepSplicer.h"
#include "ToolSwitches.h"

#include <algorithm>

int ChainJamPort::readPosition() const
{
    return chain::currentposition.load();
}

void ChainJamPort::moveReadPosition(int frames)
{
    chain::currentposition.store(frames);
}

BlockTiming ChainJamPort::timingAt(int position) const
{
    return chainTimingAt(position);
}

void ChainJamPort::restartPhases()
{
    resetPhases();
}

bool ChainJamPort::renderBlock(float* left, float* right)
{
    return processaudio(left, right, nullptr);
}

namespace jamplay {

namespace {

// A render that never wraps (no step can take its frames) still ends: no
// riff or song pass is longer than sixteen steps of the whole recording.
int renderBlockLimit(const BeatGrid& grid, bool song)
{
    const int passes = song ? SongSource::slotCount * RiffSource::stepCount : RiffSource::stepCount;
    return passes * (grid.frames / StepSplicer::blockFrames + 2);
}

StepCheck stepOnce(const StepCheck& check, JamStepper& stepper, bool song, JamPort& port)
{
    if (check.kind == StepCheck::Kind::Stop)
        return check;
    announceCheck(check, stepper, song, port, -1);
    if (check.kind == StepCheck::Kind::Step && check.jumpTo >= 0)
        port.placeReadPosition(check.jumpTo, false);
    return check;
}

void append(QList<float>& list, const float* frames, int count)
{
    for (int i = 0; i < count; ++i)
        list.append(frames[i]);
}

// From the start's first frame, pre-rolled, block by block until the pass
// ends.
void render(JamStepper& stepper, const BeatGrid& grid, bool song, const StepStart& start, JamPort& port,
            StepSplicer& splicer, QList<float>& left, QList<float>& right)
{
    applyStart(start, song, port);
    splicer.reset();
    splicer.jumpTo(double(start.position), port);
    const StepSplicer::Stepping stepping{&stepper, grid, song, true};
    float blockLeft[StepSplicer::blockFrames];
    float blockRight[StepSplicer::blockFrames];
    const int limit = renderBlockLimit(grid, song);
    for (int b = 0; b < limit; ++b) {
        const StepSplicer::Block block = splicer.make(blockLeft, blockRight, &stepping, port);
        append(left, blockLeft, block.frames);
        append(right, blockRight, block.frames);
        if (block.end != StepSplicer::Block::End::None)
            break;
    }
    splicer.reset();
}

} // namespace

float applyStepPitch(ToolSwitches& tools, float basePitch, float stepFactor)
{
    using Tool = ToolSwitches::Tool;
    // A bypassed pitch tool plays the recording's own pitch: its knob's
    // value is kept for when it comes back on, not added to the steps.
    const float base = tools.isBypassedByUser(Tool::Pitch) ? 1.0f : basePitch;
    const StepPitch pitch = combinePitch(stepFactor, base);
    tools.applyStep(Tool::Pitch, pitch.factor);
    return pitch.semitones;
}

void applyStart(const StepStart& start, bool song, JamPort& port)
{
    port.placeReadPosition(start.position, true);
    StepNotice notice;
    notice.song = song;
    notice.pitchShown = true;
    notice.semitones = port.setStepInterp(start.stepFactor);
    notice.slotShown = song;
    notice.riff = start.riff;
    notice.slot = start.slot;
    notice.stepShown = true;
    notice.step = 0;
    port.notify(notice);
}

void announceCheck(const StepCheck& check, JamStepper& stepper, bool song, JamPort& port, int frame)
{
    if (check.kind == StepCheck::Kind::Stop)
        return;
    StepNotice notice;
    notice.frame = frame;
    notice.song = song;
    if (check.kind == StepCheck::Kind::Step) {
        notice.pitchShown = true;
        notice.semitones = port.setStepInterp(check.stepFactor);
        notice.stepShown = true;
        notice.step = check.step;
        notice.flashed = true;
        notice.flash = stepper.flipFlash(song);
    }
    // The song row and the waveform follow the playing slot whenever it
    // changes, also when the next step follows on without a jump.
    if (song && (check.slotChanged || (check.kind == StepCheck::Kind::Step && check.jumpTo >= 0))) {
        notice.slotShown = true;
        notice.riff = check.riff;
        notice.slot = check.slot;
    }
    if (notice.pitchShown || notice.slotShown)
        port.notify(notice);
}

StepCheck stepRiffOnce(JamStepper& stepper, const BeatGrid& grid, JamPort& port)
{
    return stepOnce(stepper.stepRiff(grid, port.readPosition()), stepper, false, port);
}

StepCheck stepSongOnce(JamStepper& stepper, const BeatGrid& grid, JamPort& port)
{
    return stepOnce(stepper.stepSong(grid, port.readPosition()), stepper, true, port);
}

void renderRiff(JamStepper& stepper, const BeatGrid& grid, JamPort& port, StepSplicer& splicer, QList<float>& left,
                QList<float>& right)
{
    left.clear();
    right.clear();
    if (const std::optional<StepStart> start = stepper.startRiff(grid))
        render(stepper, grid, false, *start, port, splicer, left, right);
}

void renderSong(JamStepper& stepper, const BeatGrid& grid, JamPort& port, StepSplicer& splicer, QList<float>& left,
                QList<float>& right)
{
    left.clear();
    right.clear();
    if (const std::optional<StepStart> start = stepper.startSong(grid, 0))
        render(stepper, grid, true, *start, port, splicer, left, right);
}

} // namespace jamplay
