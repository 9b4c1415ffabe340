#include "RhythmSignals.h"

#include <cmath>
#include <random>

namespace rhythmtest {

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
