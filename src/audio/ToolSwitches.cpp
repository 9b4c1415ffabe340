#include "ToolSwitches.h"

#include "ChainControls.h"

namespace {

using Tool = ToolSwitches::Tool;

std::atomic<float>& chainFactor(Tool tool)
{
    return tool == Tool::Tempo ? chain::hopfactor : chain::interpfactor;
}

bool& bypassFlag(chain::VocoderSwitches& switches, Tool tool)
{
    return tool == Tool::Tempo ? switches.hopBypassed : switches.interpBypassed;
}

bool bypassFlag(const chain::VocoderSwitches& switches, Tool tool)
{
    return tool == Tool::Tempo ? switches.hopBypassed : switches.interpBypassed;
}

// Changes the switches as one unit: the riff steps may write them from the
// playback thread at the same time. Returns the switches before.
template <class Change>
chain::VocoderSwitches updateSwitches(Change change)
{
    chain::VocoderSwitches seen = chain::vocoderSwitches.load();
    chain::VocoderSwitches next;
    do {
        next = seen;
        change(next);
    } while (!chain::vocoderSwitches.compare_exchange_weak(seen, next));
    return seen;
}

// Bypasses the tool; the vocoder stops when the other tool is off too.
chain::VocoderSwitches switchOff(Tool tool)
{
    return updateSwitches([tool](chain::VocoderSwitches& s) {
        bypassFlag(s, tool) = true;
        if (s.hopBypassed && s.interpBypassed)
            s.TSMPSMEnabled = false;
    });
}

} // namespace

std::atomic<float>& ToolSwitches::kept(Tool tool)
{
    return tool == Tool::Tempo ? previousHopFactor : previousInterpFactor;
}

const std::atomic<float>& ToolSwitches::kept(Tool tool) const
{
    return tool == Tool::Tempo ? previousHopFactor : previousInterpFactor;
}

std::atomic<bool>& ToolSwitches::userBypass(Tool tool)
{
    return tool == Tool::Tempo ? hopBypassedByUser_ : interpBypassedByUser_;
}

const std::atomic<bool>& ToolSwitches::userBypass(Tool tool) const
{
    return tool == Tool::Tempo ? hopBypassedByUser_ : interpBypassedByUser_;
}

bool ToolSwitches::isBypassed(Tool tool) const
{
    return bypassFlag(chain::vocoderSwitches.load(), tool);
}

bool ToolSwitches::isBypassedByUser(Tool tool) const
{
    return userBypass(tool).load(std::memory_order_relaxed);
}

float ToolSwitches::keptFactor(Tool tool) const
{
    return kept(tool).load(std::memory_order_relaxed);
}

void ToolSwitches::setKeptFactor(Tool tool, float factor)
{
    kept(tool).store(factor, std::memory_order_relaxed);
}

void ToolSwitches::setFactor(Tool tool, float factor)
{
    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    if (!switches.TSMPSMEnabled || bypassFlag(switches, tool))
        kept(tool).store(factor, std::memory_order_relaxed);
    else
        chainFactor(tool).store(factor, std::memory_order_relaxed);
}

void ToolSwitches::bypass(Tool tool, bool bypassed)
{
    userBypass(tool).store(bypassed, std::memory_order_relaxed);
    if (bypassed) {
        const chain::VocoderSwitches before = switchOff(tool);
        if (!bypassFlag(before, tool)) {
            kept(tool).store(chainFactor(tool).load(std::memory_order_relaxed), std::memory_order_relaxed);
            chainFactor(tool).store(1.0f, std::memory_order_relaxed);
        }
        return;
    }
    const chain::VocoderSwitches before = updateSwitches([tool](chain::VocoderSwitches& s) {
        bypassFlag(s, tool) = false;
        s.TSMPSMEnabled = true;
    });
    if (bypassFlag(before, tool))
        chainFactor(tool).store(kept(tool).load(std::memory_order_relaxed), std::memory_order_relaxed);
}

void ToolSwitches::reset(Tool tool)
{
    userBypass(tool).store(true, std::memory_order_relaxed);
    switchOff(tool);
    kept(tool).store(1.0f, std::memory_order_relaxed);
    chainFactor(tool).store(1.0f, std::memory_order_relaxed);
}

void ToolSwitches::restore(Tool tool, float factor)
{
    const bool bypassed = isBypassedByUser(tool);
    updateSwitches([tool, bypassed](chain::VocoderSwitches& s) {
        bypassFlag(s, tool) = bypassed;
        s.TSMPSMEnabled = !(s.hopBypassed && s.interpBypassed);
    });
    if (bypassed) {
        kept(tool).store(factor, std::memory_order_relaxed);
        chainFactor(tool).store(1.0f, std::memory_order_relaxed);
    } else {
        chainFactor(tool).store(factor, std::memory_order_relaxed);
    }
}

void ToolSwitches::applyStep(Tool tool, float factor)
{
    if (factor == 1.0f) {
        switchOff(tool);
        chainFactor(tool).store(1.0f, std::memory_order_relaxed);
        return;
    }
    // The factor first: the vocoder never starts on a stale one.
    chainFactor(tool).store(factor, std::memory_order_relaxed);
    updateSwitches([tool](chain::VocoderSwitches& s) {
        bypassFlag(s, tool) = false;
        s.TSMPSMEnabled = true;
    });
}

void ToolSwitches::resetAll()
{
    hopBypassedByUser_.store(true, std::memory_order_relaxed);
    interpBypassedByUser_.store(true, std::memory_order_relaxed);
    previousHopFactor.store(1.0f, std::memory_order_relaxed);
    previousInterpFactor.store(1.0f, std::memory_order_relaxed);
}
