// Riff and song playback on the chain: one stepping check applied (the
// step's pitch, the jump, the notice for the jam tab), and the two offline
// renders that play a riff or the song once through into two lists.
//
// The player stands behind a JamPort: the position rule, the step pitch,
// one chain step, and where notices go (the GUI tick while playing, the
// jam tab at once during a render). So the renders run the same stepping
// as playback, and the tests can drive both without a player.
//
// Threads: the stepping runs on the playback thread inside the player's
// step gate and a MetaData::BeatsReadAccess (the grid's beats stay valid);
// the renders run on the GUI thread with playback held.
#pragma once

#include "ChainTiming.h"
#include "JamStepper.h"

#include <QList>

// What the stepping and the renders need of the player and the chain.
class JamPort
{
public:
    virtual ~JamPort() = default;

    // The position rule: the read position at `frames`, kept within the
    // recording and raised by the hop when below it; the play start too
    // when asked.
    virtual void placeReadPosition(int frames, bool setPlayStart) = 0;
    virtual int readPosition() const = 0;
    // The read position exactly at `frames` (a pre-roll's start).
    virtual void moveReadPosition(int frames) = 0;
    // What a block made at `position` now sounds (ChainTiming.h).
    virtual BlockTiming timingAt(int position) const = 0;
    // The vocoder's phases start afresh from the next block (a jump).
    virtual void restartPhases() = 0;
    // A step's pitch factor on top of the pitch controls' (the player's
    // setStepInterp); returns the step's semitones.
    virtual float setStepInterp(float stepFactor) = 0;
    // One chain step: a hop of frames into each channel. False when no
    // block was made.
    virtual bool renderBlock(float* left, float* right) = 0;
    // Where the jam tab's notices go; notice.frame is the frame of the
    // block being made where the step is heard (-1: at once).
    virtual void notify(const StepNotice& notice) = 0;
};

// What every port on the process's chain shares: its read position, its
// timing and phases, and a block made without the isolation curve.
class ChainJamPort : public JamPort
{
public:
    int readPosition() const override;
    void moveReadPosition(int frames) override;
    BlockTiming timingAt(int position) const override;
    void restartPhases() override;
    bool renderBlock(float* left, float* right) override;
};

class StepSplicer;
class ToolSwitches;

namespace jamplay {

// A step's pitch in the chain: its factor on top of the pitch controls'
// (basePitch, counted only while the user's pitch tool is on), through
// the pitch tool's step switch. Returns the step's own semitones.
float applyStepPitch(ToolSwitches& tools, float basePitch, float stepFactor);

// Playback begins at `start`: position rule (the play start moves too),
// step 0's pitch, and the notice of step 0 (and of its slot for the song),
// at once.
void applyStart(const StepStart& start, bool song, JamPort& port);

// A check's step told, without the jump: on a step the new step's pitch,
// the flash toggle and the notice, heard at output frame `frame` of the
// block being made (-1: at once); the song's slot also when only the slot
// changed.
void announceCheck(const StepCheck& check, JamStepper& stepper, bool song, JamPort& port, int frame);

// One stepping check at the port's read position, applied at once: the
// step told and the jump made by the position rule. A Stop is returned for
// the caller to stop playback.
StepCheck stepRiffOnce(JamStepper& stepper, const BeatGrid& grid, JamPort& port);
StepCheck stepSongOnce(JamStepper& stepper, const BeatGrid& grid, JamPort& port);

// The active riff once through into the two lists, from the first frame
// of its step 0, pre-rolled, up to where its next pass would start: each
// step exactly its frames, each jump clean (StepSplicer). Both lists are
// emptied first and stay empty when the riff cannot play.
void renderRiff(JamStepper& stepper, const BeatGrid& grid, JamPort& port, StepSplicer& splicer, QList<float>& left,
                QList<float>& right);
// The song once through, from its first used slot until the stepping
// wraps back to it. Both lists stay empty when no slot is used.
void renderSong(JamStepper& stepper, const BeatGrid& grid, JamPort& port, StepSplicer& splicer, QList<float>& left,
                QList<float>& right);

} // namespace jamplay
