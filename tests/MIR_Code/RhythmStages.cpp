#include "RhythmStages.h"

#include "DSP.h"
#include "FFTReal.h"

#include <cmath>
#include <random>

namespace rhythmtest {

int frameLengthFor(int sampleRate)
{
    if (sampleRate < 30000)
        return 512;
    if (sampleRate <= 80000)
        return 1024;
    return 2048;
}

OnsetStage runOnsetStage(const std::vector<float>& mono, int sampleRate)
{
    OnsetStage out;
    out.sampleRate = sampleRate;
    out.frameLength = frameLengthFor(sampleRate);
    out.hop = out.frameLength / 2;
    const int n = out.frameLength;
    const int numFrames = int(mono.size());
    out.frames = numFrames < n ? 0 : (numFrames - n) / out.hop + 1;
    const int frames = out.frames;

    DSP dsp;
    FFTReal fft(n);
    const size_t size = static_cast<size_t>(n);
    std::vector<float> window(size), frame(size), transform(2 * size);
    std::vector<float> magnitude(size), phase(size);
    std::vector<float> prevMagnitude(size), prevPhase(size), prevPrevPhase(size);
    std::vector<float> onset(size_t(frames), 0.0f);
    std::vector<float> band[3];
    for (auto& b : band)
        b.assign(size_t(frames), 0.0f);
    float* bandPtr[3] = {band[0].data(), band[1].data(), band[2].data()};

    dsp.hanning(window.data(), n);
    dsp.initialise(magnitude.data(), phase.data(), prevMagnitude.data(), prevPhase.data(),
                   prevPrevPhase.data(), n);
    for (int f = 0; f < frames; ++f) {
        const float* x = mono.data() + size_t(f) * size_t(out.hop);
        for (int i = 0; i < n; ++i)
            frame[size_t(i)] = x[i] * window[size_t(i)];
        dsp.processFrame(fft, transform.data(), frame.data(), n, magnitude.data(), phase.data());
        dsp.getOD_MB(magnitude.data(), phase.data(), prevMagnitude.data(), prevPhase.data(),
                     prevPrevPhase.data(), onset.data(), f, n, sampleRate, bandPtr);
    }

    const int width = int(std::round(double(sampleRate) * 0.3715 / double(out.hop)));
    std::vector<float> smoothed(static_cast<size_t>(2 * frames));
    for (int b = 0; b < 3; ++b) {
        std::vector<float> scratch = band[b];
        std::fill(smoothed.begin(), smoothed.end(), 0.0f);
        if (frames > 0)
            dsp.smoothingOD(scratch.data(), smoothed.data(), frames, width);
        out.bands[b].assign(smoothed.begin(), smoothed.begin() + frames);
    }
    std::fill(smoothed.begin(), smoothed.end(), 0.0f);
    if (frames > 0)
        dsp.smoothingOD(onset.data(), smoothed.data(), frames, width);
    out.onset.assign(smoothed.begin(), smoothed.begin() + frames);
    return out;
}

TempoStage runTempoStage(const OnsetStage& onset)
{
    TempoStage out;
    DSP dsp;
    out.frameTempoBpm.assign(size_t(onset.frames), 0.0f);
    const float* bands[3] = {onset.bands[0].data(), onset.bands[1].data(), onset.bands[2].data()};
    out.beatsPerBar = 0;
    out.tempoBpm = dsp.tempoDec(onset.onset.data(), onset.hop, onset.frames, onset.sampleRate,
                                out.frameTempoBpm.data(), 1, 3, bands, &out.beatsPerBar);
    dsp.getTimeSeg(out.beatsPerBar);
    return out;
}

BeatStage runBeatStage(const OnsetStage& onset, const TempoStage& tempo)
{
    BeatStage out;
    DSP dsp;
    const int frames = onset.frames;
    out.periodFrames.resize(size_t(frames));
    for (int f = 0; f < frames; ++f)
        out.periodFrames[size_t(f)] = std::round(60.0f * float(onset.sampleRate)
                                                 / (tempo.frameTempoBpm[size_t(f)] * float(onset.hop)
                                                    + 1e-21f));
    if (frames == 0)
        return out;
    const int m = int(std::ceil(float(frames) / (1e-21f + out.periodFrames[0])));
    out.capacity = 2 * m;
    std::vector<int> beats(size_t(out.capacity), 0);
    const int count = dsp.getBeats(onset.onset.data(), frames, onset.hop, beats.data(),
                                   out.periodFrames.data());
    out.beatFrames.assign(beats.begin(), beats.begin() + count);
    return out;
}

std::vector<int> clickPositions(float bpm, int sampleRate, int numFrames, int firstSample)
{
    std::vector<int> positions;
    const double step = 60.0 * double(sampleRate) / double(bpm);
    for (double s = firstSample; s < numFrames; s += step)
        positions.push_back(int(std::lround(s)));
    return positions;
}

std::vector<float> clickTrack(const std::vector<int>& positions, int sampleRate, int numFrames,
                              unsigned seed)
{
    std::vector<float> x(size_t(numFrames), 0.0f);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    // 10 ms burst with a 2 ms decay constant.
    const int length = sampleRate / 100;
    const float decay = 1.0f / (0.002f * float(sampleRate));
    for (int p : positions) {
        for (int i = 0; i < length && p + i < numFrames; ++i)
            x[size_t(p + i)] += 0.8f * dist(rng) * std::exp(-float(i) * decay);
    }
    return x;
}

std::vector<float> whiteNoise(int numFrames, float amplitude, unsigned seed)
{
    std::vector<float> x(static_cast<size_t>(numFrames));
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> dist(-amplitude, amplitude);
    for (float& v : x)
        v = dist(rng);
    return x;
}

} // namespace rhythmtest
