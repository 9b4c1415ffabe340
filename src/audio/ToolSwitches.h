// The tempo and the pitch tool's switches: each tool has its factor in the
// chain (hopfactor, interpfactor), a bypass flag, and a factor kept while
// it is bypassed; the vocoder runs while at least one tool is on. One
// implementation serves both tools, so the two behave alike:
//   - a factor set while the tool is on goes to the chain; while it is off
//     (or the vocoder does not run) it is kept for when it comes on;
//   - bypassing keeps the chain's factor and puts 1.0 there; switching on
//     puts the kept factor back. A switch to the state the tool is already
//     in changes nothing, so the kept factor survives a repeated bypass.
//
// Riff and song steps play their own pitch: they switch the pitch tool in
// the chain on or off for it (applyStep) without touching the user's
// switch or kept factor, so restore() can put the chain back to what the
// user chose.
//
// Threads: the GUI thread's slots call everything; the riff and song steps
// (playback thread) also change the pitch tool. The bypass flags and the
// vocoder switch change together as one atomic unit (compare-and-swap), the
// factors are lone atomics (relaxed).
#pragma once

#include <atomic>

class ToolSwitches
{
public:
    enum class Tool { Tempo, Pitch };

    // A new factor from the tool's control (setHop, setInterp).
    void setFactor(Tool tool, float factor);
    // The tool's power switch: true bypasses (activateTempo, activatePitch).
    void bypass(Tool tool, bool bypassed);
    // Bypassed at factor 1, the kept factor 1 too (resetHopFactor).
    void reset(Tool tool);
    // The chain back to the user's own state (play, stop, the end, leaving
    // a riff or the song): the tool switched as its power switch left it,
    // and factor in the chain while it is on, kept while it is off.
    void restore(Tool tool, float factor);
    // A riff or song step's factor in the chain: the tool runs for any
    // factor but 1.0 and is bypassed at 1.0; the user's switch and the
    // kept factor stay as they are.
    void applyStep(Tool tool, float factor);

    // The chain's switch (a step may have changed it).
    bool isBypassed(Tool tool) const;
    // The tool's power switch as the user left it.
    bool isBypassedByUser(Tool tool) const;
    // The factor kept while the tool is bypassed.
    float keptFactor(Tool tool) const;
    void setKeptFactor(Tool tool, float factor);

    // The kept factors back to 1, as at program start (the chain's own
    // switches and factors: chain::resetToProgramStart).
    void resetAll();

private:
    std::atomic<float>& kept(Tool tool);
    const std::atomic<float>& kept(Tool tool) const;

    std::atomic<bool>& userBypass(Tool tool);
    const std::atomic<bool>& userBypass(Tool tool) const;

    // The power switches as the user left them (true: bypassed); writers:
    // the slots (GUI); readers: restore, the step pitch (playback thread).
    std::atomic<bool> hopBypassedByUser_{true};
    std::atomic<bool> interpBypassedByUser_{true};
    // Kept factors, ratios out/in (tempo 0.25 … 1.99, pitch 0.25 … 4);
    // writers: the slots (GUI), the riff steps (pitch, playback thread).
    std::atomic<float> previousHopFactor{1.0f};
    std::atomic<float> previousInterpFactor{1.0f};
    static_assert(std::atomic<float>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
};
