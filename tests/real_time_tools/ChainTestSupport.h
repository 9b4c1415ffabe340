// Measurements and a clean chain for the processing-chain tests; the
// signals come from the synthetic-signal kit.
#pragma once

#include "ChainControls.h"
#include "ProcessingChain.h"
#include "SyntheticSignals.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <random>
#include <vector>

namespace chain_test {

constexpr double sampleRateHz = 44100.0;
constexpr double twoPi = 6.283185307179586;

// The kit's signals, at this file's rate.
using StereoSignal = synth::Stereo;
using synth::Tone;
using synth::transientRich;

inline StereoSignal tones(const std::vector<Tone>& parts, int frames)
{
    return synth::tones(parts, frames, sampleRateHz);
}

// Every control as after a file load, the recording set, the buffers
// cleared.
inline void resetChain(const StereoSignal* recording)
{
    init_buffers();
    chain::resetToProgramStart();
    chain::applyLoadDefaults();
    if (recording)
        chain::setRecording(recording->left.data(), recording->right.data(), recording->frames());
}

// Tool switches and factors; a bypassed tool's factor is stored as given, to
// show that the chain ignores it while the vocoder is off.
inline void setTools(bool tempoOn, float tempo, bool pitchOn, float pitch)
{
    chain::VocoderSwitches switches;
    switches.hopBypassed = !tempoOn;
    switches.interpBypassed = !pitchOn;
    switches.TSMPSMEnabled = tempoOn || pitchOn;
    chain::vocoderSwitches.store(switches);
    chain::hopfactor.store(tempo);
    chain::interpfactor.store(pitch);
}

struct Rendered
{
    std::vector<float> left;
    std::vector<float> right;
};

inline Rendered render(int steps, std::atomic<float>* graph = nullptr)
{
    Rendered r{std::vector<float>(size_t(steps) * chain::hop), std::vector<float>(size_t(steps) * chain::hop)};
    for (int s = 0; s < steps; ++s) {
        EXPECT_TRUE(
            processaudio(r.left.data() + size_t(s) * chain::hop, r.right.data() + size_t(s) * chain::hop, graph));
    }
    return r;
}

// Mean frequency from the upward zero crossings (interpolated between
// samples) of x[from, to).
inline double crossingFrequencyHz(const std::vector<float>& x, size_t from, size_t to)
{
    double first = -1.0;
    double last = -1.0;
    int periods = -1;
    for (size_t i = from + 1; i < to; ++i) {
        if (x[i - 1] < 0.0f && x[i] >= 0.0f) {
            const double t = double(i - 1) + double(x[i - 1]) / double(x[i - 1] - x[i]);
            if (first < 0.0)
                first = t;
            last = t;
            ++periods;
        }
    }
    return periods > 0 ? periods * sampleRateHz / (last - first) : 0.0;
}

// Amplitude of one frequency in x[from, to) (Goertzel, Hann-windowed so that
// the other tones' leakage stays far below the levels compared).
inline double toneAmplitude(const std::vector<float>& x, size_t from, size_t to, double frequencyHz)
{
    const size_t n = to - from;
    double re = 0.0;
    double im = 0.0;
    double windowSum = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double w = 0.5 - 0.5 * std::cos(twoPi * double(i) / double(n));
        const double phase = twoPi * frequencyHz * double(i) / sampleRateHz;
        re += w * x[from + i] * std::cos(phase);
        im += w * x[from + i] * std::sin(phase);
        windowSum += w;
    }
    return 2.0 * std::sqrt(re * re + im * im) / windowSum;
}

inline double rms(const std::vector<float>& x, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += double(x[i]) * x[i];
    return std::sqrt(sum / double(to - from));
}

inline double decibels(double ratio)
{
    return 20.0 * std::log10(ratio + 1e-30);
}

} // namespace chain_test
