// Synthetic signals for the rhythm tests: click tracks at steady tempos and
// noise.
#pragma once

#include <vector>

namespace rhythmtest {

// Sample position of a beat frame: the frame's centre.
inline int beatSample(int frame, int hop) { return (frame + 1) * hop; }

// Sample positions of clicks at a steady tempo, the first at firstSample.
std::vector<int> clickPositions(float bpm, int sampleRate, int numFrames, int firstSample);
// Short decaying noise bursts (a dry drum hit) at the given positions.
std::vector<float> clickTrack(const std::vector<int>& positions, int sampleRate, int numFrames,
                              unsigned seed = 1);
std::vector<float> whiteNoise(int numFrames, float amplitude, unsigned seed);

} // namespace rhythmtest
