#include "BeatTracking.h"

#include "BeatLead.h"

#include <cstdint>
#include <initializer_list>

namespace {

constexpr float beatLead = float(base::beatLeadFrames);

// Beat window of i, moved back by offset: open interval.
bool inBeatWindow(const float* b, int i, int position, int offset)
{
    const std::int64_t start = std::int64_t(b[i]) - (b[i] > beatLead ? base::beatLeadFrames : 0) - offset;
    const std::int64_t end = std::int64_t(b[i + 1] - beatLead) - offset;
    return start < position && position < end;
}

} // namespace

BeatStep trackBeat(const float* b, int n, int current, int lastClick, int position, int clickOffset)
{
    BeatStep step;
    if (b == nullptr || n < 4)
        return step;
    for (int i = 1; i <= n - 3; ++i) {
        if (i != current && inBeatWindow(b, i, position, 0)) {
            step.entered = i;
            break;
        }
    }
    if (step.entered != 1) {
        for (const int k : {current, current + 1}) {
            if (k >= 0 && k + 1 < n && k != lastClick && inBeatWindow(b, k, position, clickOffset)) {
                step.clicked = k;
                break;
            }
        }
    }
    return step;
}
