#include "JamPlayback.h"

#include "ChainControls.h"
#include "ToolSwitches.h"

namespace jamplay {

namespace {

// A riff render that never comes back to its start (a step too short to
// hold its own jump target, say) ends at this wrap.
constexpr int riffRenderWrapLimit = 2;

StepCheck applyCheck(const StepCheck& check, JamStepper& stepper, bool song, JamPort& port)
{
    if (check.kind == StepCheck::Kind::Stop)
        return check;
    StepNotice notice;
    notice.song = song;
    if (check.kind == StepCheck::Kind::Step) {
        notice.pitchShown = true;
        notice.semitones = port.setStepInterp(check.stepFactor);
        if (check.jumpTo >= 0)
            port.placeReadPosition(check.jumpTo, false);
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
    return check;
}

void appendBlock(QList<float>& list, const float* block)
{
    for (int i = 0; i < chain::hop; ++i)
        list.append(block[i]);
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

StepCheck stepRiffOnce(JamStepper& stepper, const BeatGrid& grid, JamPort& port)
{
    return applyCheck(stepper.stepRiff(grid, port.readPosition()), stepper, false, port);
}

StepCheck stepSongOnce(JamStepper& stepper, const BeatGrid& grid, JamPort& port)
{
    return applyCheck(stepper.stepSong(grid, port.readPosition()), stepper, true, port);
}

void renderRiff(JamStepper& stepper, const BeatGrid& grid, JamPort& port, QList<float>& left, QList<float>& right)
{
    left.clear();
    right.clear();
    const std::optional<StepStart> start = stepper.startRiff(grid);
    if (!start)
        return;
    applyStart(*start, false, port);
    const int startPosition = port.readPosition();
    stepRiffOnce(stepper, grid, port);

    float blockLeft[chain::hop];
    float blockRight[chain::hop];
    int wraps = 0;
    while (port.renderBlock(blockLeft, blockRight)) {
        appendBlock(left, blockLeft);
        appendBlock(right, blockRight);
        const StepCheck check = stepRiffOnce(stepper, grid, port);
        if (check.kind == StepCheck::Kind::Step && check.wrapped && ++wraps >= riffRenderWrapLimit)
            break;
        // After the wrap the position restarts 2048 frames before the
        // first beat: the render ends once it is back where it began.
        if (wraps > 0 && port.readPosition() >= startPosition)
            break;
    }
}

void renderSong(JamStepper& stepper, const BeatGrid& grid, JamPort& port, QList<float>& left, QList<float>& right)
{
    left.clear();
    right.clear();
    const std::optional<StepStart> start = stepper.startSong(grid, 0);
    if (!start)
        return;
    applyStart(*start, true, port);
    if (stepSongOnce(stepper, grid, port).kind == StepCheck::Kind::Stop)
        return;

    float blockLeft[chain::hop];
    float blockRight[chain::hop];
    while (port.renderBlock(blockLeft, blockRight)) {
        appendBlock(left, blockLeft);
        appendBlock(right, blockRight);
        const StepCheck check = stepSongOnce(stepper, grid, port);
        if (check.kind == StepCheck::Kind::Stop || (check.kind == StepCheck::Kind::Step && check.wrapped))
            break;
    }
}

} // namespace jamplay
