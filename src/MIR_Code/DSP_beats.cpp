// Beat tracking by dynamic programming over the smoothed onset function
// (after Ellis, "Beat tracking by dynamic programming", 2007): every frame
// scores its own onset strength plus the best Hann-weighted score about one
// beat period before it, and the beats are read back from a strong late peak
// of the score.
//
// In: onset function and beat period per frame, both at frame rate (period
// in whole frames). Out: beat frame indexes in increasing order.
#include "DSP.h"

#include "RhythmMath.h"

#include <algorithm>
#include <vector>

namespace {

// Frames anchor + k * period inside [0, n): what the tracker gives when the
// onset function has nothing to follow. Two beats at least whenever n >= 2.
int regularGrid(int anchor, float period, int n, int* beats)
{
    const int step = std::max(1, rhythm::roundHalfAway(period));
    int count = 0;
    for (int f = anchor % step; f < n; f += step)
        beats[count++] = f;
    if (count < 2 && n >= 2) {
        beats[0] = 0;
        beats[1] = n - 1;
        count = 2;
    }
    return count;
}

} // namespace

int DSP::findpeaks(const float* x, float length, int* peakFrames, float* peakValues, float& maxValue,
                   int& maxFrame)
{
    peakFrames[0] = 0;
    peakValues[0] = 0.0f;
    if (length - 1.0f <= 1.0f)
        return 0;
    const int n = static_cast<int>(length);
    int count = 0;
    for (int j = 1; j <= n - 2; ++j) {
        if (x[j] > x[j - 1] && x[j] > 0.0f && x[j] > x[j + 1]) {
            peakFrames[count] = j;
            peakValues[count] = x[j];
            ++count;
            if (x[j] > maxValue) {
                maxValue = x[j];
                maxFrame = j;
            }
        }
    }
    return count;
}

int DSP::getBeats(const float* odf, int n, int hop, int* beats, const float* period)
{
    if (n <= 0)
        return 0;
    const size_t peakRoom = size_t(n / 2 + 1);
    std::vector<int> peakFrames(peakRoom);
    std::vector<float> peakValues(peakRoom);

    // 1. The first and last onset peaks above 5 % of the largest.
    float maxPeak = 0.0f;
    int maxPeakFrame = 0;
    const int peakCount = findpeaks(odf, float(n), peakFrames.data(), peakValues.data(), maxPeak, maxPeakFrame);
    int first = -1;
    int last = -1;
    for (int i = 0; i < peakCount; ++i) {
        if (double(peakValues[size_t(i)]) > 0.05 * double(maxPeak)) {
            if (first < 0)
                first = peakFrames[size_t(i)];
            last = peakFrames[size_t(i)];
        }
    }
    // Silence or a flat function: nothing to track.
    if (first < 0)
        return regularGrid(0, period[0], n, beats);

    // 2. Start at the foot of the rise into the first peak; a rise of one
    // frame, or one from frame 0, starts at 0.
    int start = 0;
    for (int j = first - 1; j > 0; --j) {
        if (!(odf[j] > odf[j - 1])) {
            start = j + 1 == first ? 0 : j + 1;
            break;
        }
    }

    // 3. End at the foot of the fall after the last peak.
    int end = n - 1;
    for (int j = last; j + 1 < n; ++j) {
        if (!(odf[j + 1] < odf[j])) {
            end = j + 1;
            break;
        }
    }

    // 4. Dynamic programme. Back-links start as "no predecessor" so that
    // every back-trace ends, whichever frame it starts from.
    std::vector<float> score(size_t(n), 0.0f);
    std::vector<int> backLink(size_t(n), -1);
    std::vector<float> window;
    int lo = 0;
    for (int t = start; t <= end; ++t) {
        if (t == start || t == 0 || period[t] != period[t - 1]) {
            const float p = period[t];
            const int h = std::max(0, rhythm::roundHalfAway(0.25f * p));
            lo = static_cast<int>(-p - float(h));
            window.resize(size_t(2 * h + 1));
            hanning(window.data(), int(window.size()));
        }
        const int a = t + lo;
        float best = 0.0f;
        int bestIndex = -1;
        for (int i = 0; i < int(window.size()); ++i) {
            const int frame = a + i;
            if (frame < 0)
                continue;
            // Only earlier frames can lead to t (and only they are scored).
            if (frame >= t)
                break;
            const float v = window[size_t(i)] * score[size_t(frame)];
            if (v > best) {
                best = v;
                bestIndex = i;
            }
        }
        // 0.050000012 is 1 - 0.95 in single precision.
        score[size_t(t)] = odf[t] * 0.050000012f + best * 0.95f;
        backLink[size_t(t)] = bestIndex >= 0 ? a + bestIndex : -1;
    }

    // 5. The last beat: the strongest score peak within one period before
    // the last peak above half the mean peak; the later of equals wins.
    float maxScore = 0.0f;
    int maxScoreFrame = 0;
    const int scorePeaks =
        findpeaks(score.data(), float(n), peakFrames.data(), peakValues.data(), maxScore, maxScoreFrame);
    float sum = 0.0f;
    for (int i = 0; i < scorePeaks; ++i)
        sum += peakValues[size_t(i)];
    const float mean = scorePeaks > 0 ? sum / float(scorePeaks) : 0.0f;
    int k = 0;
    for (int i = 0; i < scorePeaks; ++i) {
        if (double(peakValues[size_t(i)]) > 0.5 * double(mean))
            k = i;
    }
    const float lastPeriod = period[n - 1];
    int endBeat = 0;
    if (lastPeriod > 0.0f && scorePeaks > 0) {
        const float earliest = float(peakFrames[size_t(k)]) - lastPeriod;
        float bestValue = 0.0f;
        endBeat = peakFrames[size_t(k)];
        for (int j = k; j >= 0 && float(peakFrames[size_t(j)]) >= earliest && float(j) > float(k) - lastPeriod;
             --j) {
            if (peakValues[size_t(j)] > bestValue) {
                bestValue = peakValues[size_t(j)];
                endBeat = peakFrames[size_t(j)];
            }
        }
    }

    // 6. Back-trace; links always point to earlier frames, so it ends.
    std::vector<int> chain{endBeat};
    while (backLink[size_t(chain.back())] >= 0)
        chain.push_back(backLink[size_t(chain.back())]);
    // One beat says where the beat falls, not how it goes on: lay the grid
    // at the period through it.
    if (chain.size() < 2)
        return regularGrid(endBeat, period[endBeat], n, beats);
    std::reverse_copy(chain.begin(), chain.end(), beats);
    return int(chain.size());
}

int DSP::attackStart(const float* x, int n, int from, int to, int block, int span)
{
    if (x == nullptr || n <= 0 || block < 1 || span < 1)
        return -1;
    const long long reach = (long long)block * span;
    // Starts inside the recording only; the windows around them may reach
    // past either end, where the signal counts as silence.
    const long long first = std::max<long long>(from, 0);
    const long long last = std::min<long long>(to, n); // exclusive
    if (first >= last)
        return -1;
    const long long lo = std::max<long long>(first - reach, 0);
    const long long hi = std::min<long long>(last + reach, n);

    // energy[i - lo]: the first difference's energy over lo .. i - 1; the
    // difference keeps the attack of a hit and drops the weight of what
    // merely sustains (bass, pads).
    std::vector<double> energy(size_t(hi - lo + 1), 0.0);
    for (long long i = lo; i < hi; ++i) {
        const double d = double(x[i]) - (i > 0 ? double(x[i - 1]) : 0.0);
        energy[size_t(i - lo + 1)] = energy[size_t(i - lo)] + d * d;
    }
    const auto sum = [&](long long a, long long b) {
        a = std::clamp(a, lo, hi);
        b = std::clamp(b, lo, hi);
        return energy[size_t(b - lo)] - energy[size_t(a - lo)];
    };

    int best = -1;
    double bestScore = 0.0;
    for (long long s = from; s < last; s += block) {
        if (s < first)
            continue;
        const double after = sum(s, s + reach);
        const double before = sum(s - reach, s);
        if (!(after > before))
            continue;
        // The rise's ratio times its loudness: a hit after silence wins over
        // the same hit on top of a held chord, and both over a faint one.
        const double score = after * std::sqrt(after) / (before + 1e-30);
        if (score > bestScore) {
            bestScore = score;
            best = int(s);
        }
    }
    return best;
}
