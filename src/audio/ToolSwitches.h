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
    // Puts factor where the tool's factor lives now: the chain while the
    // tool is on and the vocoder runs, the kept factor otherwise (play and
    // stop restore the pitch controls' factor after riff steps changed it).
    void restore(Tool tool, float factor);

    bool isBypassed(Tool tool) const;
    // The factor kept while the tool is bypassed.
    float keptFactor(Tool tool) const;
    void setKeptFactor(Tool tool, float factor);

    // The kept factors back to 1, as at program start (the chain's own
    // switches and factors: chain::resetToProgramStart).
    void resetAll();

private:
    std::atomic<float>& kept(Tool tool);
    const std::atomic<float>& kept(Tool tool) const;

    // Kept factors, ratios out/in (tempo 0.25 … 1.99, pitch 0.25 … 4);
    // writers: the slots (GUI), the riff steps (pitch, playback thread).
    std::atomic<float> previousHopFactor{1.0f};
    std::atomic<float> previousInterpFactor{1.0f};
    static_assert(std::atomic<float>::is_always_lock_free);
};
