// Notegram by instantaneous frequency (after Ellis & Poliner, "Identifying
// cover songs with chroma features and dynamic programming beat tracking",
// ICASSP 2007): each bin's frequency is measured from its phase advance
// against the previous frame, runs of neighbouring bins that agree on a
// frequency become one precise peak, the tuning of the whole signal is
// estimated from the peaks, and only then each peak goes to its semitone.
//
// In: mono samples, sample rate in Hz, frame list (first sample per frame).
// Out: 84 semitone rows from C0 (16.35 Hz) by frame, summed peak magnitudes
// weighted by a 60 .. 120 .. 400 .. 800 Hz band with soft edges.
#include "DSP.h"
#include "FFTReal.h"
#include "FastMath.h"
#include "PhaseMath.h"
#include "WorkerPool.h"

#include <cmath>

namespace {

constexpr float notZero = 1e-21f;
constexpr float pi = float(base::analysisPi);
constexpr float twoPi = float(base::analysisTwoPi);
constexpr float c0Hz = 16.351875f;
constexpr float ln2 = 0.6931472f;
constexpr int semitoneRows = 84;
constexpr int tuningBins = 100;
// Two peaks of neighbouring frames closer than this belong to one partial.
constexpr float continuityHz = 3.0f;
// Frames per chunk of the parallel frame loop.
constexpr int framesPerChunk = 32;

int roundHalfAway(float v)
{
    return v < 0.0f ? -int(std::floor(-v + 0.5f)) : int(std::floor(v + 0.5f));
}

} // namespace

void DSP::hist(std::vector<int>& counts, std::vector<float>& centres, const std::vector<float>& values,
               int binCount)
{
    if (binCount <= 0) {
        counts.clear();
        return;
    }
    counts.assign(size_t(binCount), 0);
    if (values.empty()) {
        centres.insert(centres.end(), size_t(binCount), 0.0f);
        return;
    }

    float maxValue = values[0];
    float minValue = values[0];
    for (float v : values) {
        maxValue = std::max(maxValue, v);
        minValue = std::min(minValue, v);
    }
    const float width = (maxValue - minValue) / float(binCount);

    for (float v : values) {
        int bin = binCount - 1;
        // Equal values (width 0) and the maximum land in the last bin, and so
        // does a value that rounding would put one past it.
        if (width > 0.0f && v != maxValue)
            bin = std::min(binCount - 1, std::max(0, int(std::floor((v - minValue) / width))));
        ++counts[size_t(bin)];
    }
    for (int i = 0; i < binCount; ++i)
        centres.push_back(float(i) * width + (minValue + width / 2.0f));
}

void DSP::getStandardIF(int nFrames, const std::vector<ChordFrame>& frames, const float* x, int sampleCount,
                        int frameLength, int hop, int B, int N, std::vector<std::vector<float>>& frequency,
                        std::vector<std::vector<float>>& magnitude,
                        std::vector<std::vector<unsigned char>>& consistent, int sr)
{
    nFrames = std::min(nFrames, int(frames.size()));
    frequency.assign(size_t(B), std::vector<float>(size_t(std::max(nFrames, 0)), 0.0f));
    magnitude.assign(size_t(B), std::vector<float>(size_t(std::max(nFrames, 0)), 0.0f));
    consistent.assign(size_t(B), std::vector<unsigned char>(size_t(std::max(nFrames, 0)), 0));
    // FFTReal needs a power-of-two length.
    if (nFrames <= 0 || B <= 0 || N < 2 * B || frameLength > N || hop <= 0 || (N & (N - 1)) != 0)
        return;

    // Symmetric Hann window whose end points are not zero.
    std::vector<float> window(static_cast<size_t>(frameLength));
    for (int i = 0; i < frameLength; ++i)
        window[size_t(i)] = float(0.5 * (1.0 - std::cos(double(twoPi) * double(i + 1) / double(frameLength + 1))));

    const float threshold = 0.75f * float(sr) / float(N);
    const float hzPerRadian = float(sr) / (twoPi * float(hop));
    const int half = N / 2;

    // Frames in chunks over the cores. A frame's frequencies need the phases
    // of the frame before it, so a chunk starts from that frame's phases.
    base::WorkerPool::shared().parallelFor(nFrames, framesPerChunk, [&](int begin, int end) {
        FFTReal fft(N);
        std::vector<float> buffer(size_t(N), 0.0f);
        std::vector<float> spectrum(size_t(N), 0.0f);
        std::vector<float> frameMagnitude(size_t(B), 0.0f);
        std::vector<float> phase(size_t(B), 0.0f);
        std::vector<float> previousPhase(size_t(B), 0.0f);
        std::vector<float> frameFrequency(size_t(B), 0.0f);
        std::vector<unsigned char> agrees(size_t(B), 0);

        // Magnitudes and phases of bins 0 .. B-1 of frame t.
        const auto transform = [&](int t) {
            const int start = frames[size_t(t)].start;
            // Samples outside the signal read as silence.
            for (int i = 0; i < frameLength; ++i) {
                const long long s = (long long)start + i;
                buffer[size_t(i)] = (s >= 0 && s < sampleCount) ? x[s] * window[size_t(i)] : 0.0f;
            }
            std::fill(buffer.begin() + frameLength, buffer.end(), 0.0f);
            fft.do_fft(spectrum.data(), buffer.data());
            base::polarOfBinsExact(spectrum.data(), spectrum.data() + half, frameMagnitude.data(), phase.data(),
                                   B);
        };

        if (begin > 0) {
            transform(begin - 1);
            previousPhase = phase;
        }
        for (int t = begin; t < end; ++t) {
            transform(t);
            for (int k = 0; k < B; ++k) {
                const float expected = float(k) * float(2 * hop) * pi / float(N);
                const float d = phase[size_t(k)] - previousPhase[size_t(k)] - expected + pi;
                // Phase deviation wrapped into (-pi, pi].
                const float u = d + pi + twoPi * std::floor(d / -twoPi);
                frameFrequency[size_t(k)] = (u + expected) * hzPerRadian;
                frequency[size_t(k)][size_t(t)] = frameFrequency[size_t(k)];
                magnitude[size_t(k)][size_t(t)] = frameMagnitude[size_t(k)];
                previousPhase[size_t(k)] = phase[size_t(k)];
            }

            // A bin is consistent when it sits in a stretch of bins that all
            // report about the same frequency, as around one stable sinusoid.
            const auto& f = frameFrequency;
            if (B == 1) {
                agrees[0] = 0;
            } else {
                agrees[0] = std::fabs(f[1] - f[0]) < threshold;
                agrees[size_t(B - 1)] = std::fabs(f[size_t(B - 1)] - f[size_t(B - 2)]) < threshold;
                for (int k = 1; k <= B - 2; ++k)
                    agrees[size_t(k)] = std::fabs(f[size_t(k + 1)] - f[size_t(k - 1)]) < threshold;
            }
            for (int k = 0; k < B; ++k) {
                bool c = false;
                if (B >= 2) {
                    if (k == 0)
                        c = agrees[0] && agrees[1];
                    else if (k == B - 1)
                        c = agrees[size_t(B - 1)] && agrees[size_t(B - 2)];
                    else
                        c = agrees[size_t(k)] && (agrees[size_t(k - 1)] || agrees[size_t(k + 1)]);
                }
                // Rows are shared by the chunks; each writes its own frames only.
                consistent[size_t(k)][size_t(t)] = c ? 1 : 0;
            }
        }
    });
}

void DSP::getGramsIF(int nFrames, const std::vector<std::vector<unsigned char>>& consistent,
                     const std::vector<std::vector<float>>& frequency,
                     const std::vector<std::vector<float>>& magnitude, std::vector<std::vector<float>>& notegram,
                     int K, int fLow, int fLowFull, int fHighFull, int fHigh)
{
    K = std::min(K, int(std::min({consistent.size(), frequency.size(), magnitude.size()})));
    if (nFrames <= 0 || K <= 0)
        return;
    for (int k = 0; k < K; ++k)
        if (int(consistent[size_t(k)].size()) < nFrames || int(frequency[size_t(k)].size()) < nFrames
            || int(magnitude[size_t(k)].size()) < nFrames)
            return;
    if (notegram.size() < semitoneRows)
        notegram.resize(semitoneRows);
    for (std::vector<float>& row : notegram)
        if (int(row.size()) < nFrames)
            row.resize(size_t(nFrames), 0.0f);

    const size_t frameCount = size_t(nFrames);
    std::vector<std::vector<float>> peakFrequency(size_t(K), std::vector<float>(frameCount, 0.0f));
    std::vector<std::vector<float>> peakMagnitude(size_t(K), std::vector<float>(frameCount, 0.0f));
    std::vector<std::vector<float>> peakPitch(size_t(K), std::vector<float>(frameCount, 0.0f));
    std::vector<std::vector<int>> framePeaks(frameCount);
    std::vector<float> deviations;

    // 1. Runs of consistent bins become peaks, weighted by the band.
    for (size_t t = 0; t < frameCount; ++t) {
        int k = 0;
        while (k < K) {
            if (!consistent[size_t(k)][t]) {
                ++k;
                continue;
            }
            const int s = k;
            while (k + 1 < K && consistent[size_t(k + 1)][t])
                ++k;
            const int e = k;
            ++k;

            float m = 0.0f;
            for (int i = s; i <= e; ++i)
                m += magnitude[size_t(i)][t];
            float weighted = 0.0f;
            for (int i = s; i <= e; ++i)
                weighted += magnitude[size_t(i)][t] * frequency[size_t(i)][t];
            const float f = weighted / (notZero + m);

            if (f > float(fHigh) || f < float(fLow))
                continue;
            if (f > float(fHighFull))
                m *= std::max(0.0f, (float(fHigh) - f) / float(fHigh - fHighFull));
            if (f < float(fLowFull))
                m *= (f - float(fLow)) / float(fLowFull - fLow);

            const int p = int(std::floor(float(s + e) / 2.0f + 0.5f));
            const float pitch = std::log(f / c0Hz) / ln2;
            peakFrequency[size_t(p)][t] = f;
            peakMagnitude[size_t(p)][t] = m;
            peakPitch[size_t(p)][t] = pitch;
            deviations.push_back(12.0f * pitch - float(roundHalfAway(12.0f * pitch)));
            framePeaks[t].push_back(p);
        }
    }
    if (deviations.empty())
        return;

    // 2. Tuning: the most common deviation from the equal-tempered grid.
    std::vector<int> counts;
    std::vector<float> centres;
    hist(counts, centres, deviations, tuningBins);
    float tuning = 0.0f;
    int mostCommon = 0;
    for (int i = 0; i < tuningBins; ++i) {
        if (counts[size_t(i)] > mostCommon) {
            mostCommon = counts[size_t(i)];
            tuning = centres[size_t(i)];
        }
    }

    // 3. Peaks that continue into a neighbouring frame go to their semitone.
    const auto near = [&](int bin, size_t frame, float f) {
        return bin >= 0 && bin < K && std::fabs(f - peakFrequency[size_t(bin)][frame]) < continuityHz;
    };
    for (size_t t = 0; t < frameCount; ++t) {
        for (int p : framePeaks[t]) {
            const float f = peakFrequency[size_t(p)][t];
            if (p < K - 1 && t > 0 && t + 1 < frameCount) {
                const bool continues = near(p, t + 1, f) || near(p - 1, t + 1, f) || near(p + 1, t + 1, f)
                    || near(p, t - 1, f) || near(p - 1, t - 1, f) || near(p + 1, t - 1, f);
                if (!continues)
                    continue;
            }
            const int n = roundHalfAway((peakPitch[size_t(p)][t] - tuning / 12.0f) * 12.0f);
            if (n >= 0 && n < semitoneRows)
                notegram[size_t(n)][t] += peakMagnitude[size_t(p)][t];
        }
    }
}

void DSP::chromagram_IF(const float* x, int sampleCount, int sr, std::vector<std::vector<float>>& notegram,
                        int nFrames, int frameLength, int hop, int fLow, int fLowFull, int fHighFull, int fHigh,
                        const std::vector<ChordFrame>& frames)
{
    nFrames = std::min(nFrames, int(frames.size()));
    if (nFrames <= 0 || sr <= 0 || frameLength <= 0)
        return;
    const int N = 2 * frameLength; // each frame zero-padded to twice its length
    const float binsPerHz = float(N) / float(sr);
    const int B = std::min(roundHalfAway(float(fHigh) * binsPerHz) + 1, N / 2);
    const int K = B - 1;

    std::vector<std::vector<float>> frequency;
    std::vector<std::vector<float>> magnitude;
    std::vector<std::vector<unsigned char>> consistent;
    getStandardIF(nFrames, frames, x, sampleCount, frameLength, hop, B, N, frequency, magnitude, consistent, sr);
    getGramsIF(nFrames, consistent, frequency, magnitude, notegram, K, fLow, fLowFull, fHighFull, fHigh);
}
