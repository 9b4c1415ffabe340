// Four minutes of synthetic stereo music at 44.1 kHz for the analysis
// benchmarks, from the synthetic-signal kit: kick, snare and hi-hat at
// 118 BPM over sustained chord tones, a new triad every bar, the tones
// panned apart.
#pragma once

#include "SyntheticSignals.h"

namespace benchsong {

constexpr int kRate = 44100;
constexpr int kSeconds = 240;
constexpr double kBpm = 118.0;

using Stereo = synth::Stereo;
using synth::mono;

inline Stereo synthesise()
{
    return synth::drumsAndChords(kRate, kSeconds, kBpm);
}

} // namespace benchsong
