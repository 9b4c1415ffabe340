#include "BeatTracking.h"

#include "BeatLead.h"
#include "ChainControls.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace {

// Half a block: a beat is entered in the block whose start lies nearest to it.
constexpr int halfBlock = chain::hop / 2;

// Where beat x's window opens; not before the recording's start.
std::int64_t edge(float x)
{
    return std::max<std::int64_t>(std::int64_t(x) - base::beatLeadFrames - halfBlock, 0);
}

// Beat window of i, moved back by offset: open interval.
bool inBeatWindow(const float* b, int i, int position, int offset)
{
    return edge(b[i]) - offset < position && position < edge(b[i + 1]) - offset;
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
