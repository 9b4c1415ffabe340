// A short stereo recording for the analysis thread's tests: a C major
// triad under a click on every beat at 120 BPM, a little over the 100,000
// frames the decoder asks for at least.
#pragma once

#include "SyntheticSignals.h"

namespace analysistest {

struct Recording : synth::Stereo
{
    static constexpr int sampleRate = 22050;
    static constexpr int frames = 5 * sampleRate;

    Recording() : synth::Stereo(synth::triadUnderClicks(sampleRate, frames)) { }
};

} // namespace analysistest
