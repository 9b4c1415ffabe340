#include "BeatTracking.h"

#include "BeatLead.h"
#include "ChainControls.h"

#include <algorithm>

namespace {

// Half a block: a beat is entered in the block whose start lies nearest to it.
constexpr int halfBlock = chain::hop / 2;

// Where beat x's window opens; not before the recording's start.
int edge(float x)
{
    return std::max(base::heardFrame(x) - halfBlock, 0);
}

// Beat window of i: open interval.
bool inBeatWindow(const float* b, int i, int position)
{
    return edge(b[i]) < position && position < edge(b[i + 1]);
}

} // namespace

BeatStep trackBeat(const float* b, int n, int current, int position)
{
    BeatStep step;
    if (b == nullptr || n < 4)
        return step;
    for (int i = 1; i <= n - 3; ++i) {
        if (i != current && inBeatWindow(b, i, position)) {
            step.entered = i;
            break;
        }
    }
    return step;
}
