// Runs the onset, tempo and beat stages over a mono signal the way the
// analysis driver strings them together (frame geometry per sample rate,
// smoothing width, period per frame), so tests and benchmarks can look at
// each stage's output. Also makes the synthetic signals they share.
#pragma once

#include <vector>

namespace rhythmtest {

struct OnsetStage
{
    int sampleRate = 0;
    int frameLength = 0; // N samples
    int hop = 0;         // N / 2 samples
    int frames = 0;      // F
    std::vector<float> onset;    // smoothed onset function, F values
    std::vector<float> bands[3]; // smoothed band functions, F values each
};

struct TempoStage
{
    float tempoBpm = 0.0f;
    std::vector<float> frameTempoBpm; // F values
    int beatsPerBar = 0;              // after getTimeSeg
};

struct BeatStage
{
    std::vector<float> periodFrames; // F values
    std::vector<int> beatFrames;     // tracked beats, increasing
    int capacity = 0;                // room the driver reserves (2M)
};

// Frame length by sample rate: 512 below 30 kHz, 1024 to 80 kHz, else 2048.
int frameLengthFor(int sampleRate);

OnsetStage runOnsetStage(const std::vector<float>& mono, int sampleRate);
TempoStage runTempoStage(const OnsetStage& onset);
BeatStage runBeatStage(const OnsetStage& onset, const TempoStage& tempo);

// Sample position of a beat frame: the frame's centre.
inline int beatSample(int frame, int hop) { return (frame + 1) * hop; }

// --- Signals ---------------------------------------------------------------

// Sample positions of clicks at a steady tempo, the first at firstSample.
std::vector<int> clickPositions(float bpm, int sampleRate, int numFrames, int firstSample);
// Short decaying noise bursts (a dry drum hit) at the given positions.
std::vector<float> clickTrack(const std::vector<int>& positions, int sampleRate, int numFrames,
                              unsigned seed = 1);
std::vector<float> whiteNoise(int numFrames, float amplitude, unsigned seed);

} // namespace rhythmtest
